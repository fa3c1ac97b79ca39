// SPDX-License-Identifier: GPL-3.0-or-later
// Quoting input for error messages. Characters are counted as UTF-8 code
// points, so a cut never splits a multi-byte character in two.
#include "engine/Quote.h"

namespace quadlo::engine {

std::string quoted(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "'";
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool continuation = (byte & 0xC0) == 0x80;
        if (!continuation && characters++ == kQuotedCharacters) {
            out += "'…";
            return out;
        }
        if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else if (byte == '\\') {
            out += "\\\\";
        } else {
            out += static_cast<char>(byte);
        }
    }
    out += "'";
    return out;
}

std::string errorLine(std::string_view message)
{
    return "quadlo-engine: error: " + std::string(message) + '\n';
}

} // namespace quadlo::engine
