// SPDX-License-Identifier: GPL-3.0-or-later
// Quoting input for error messages. Every byte outside printable ASCII is
// escaped, so that the error stream stays valid text whatever the input was;
// characters are still counted as UTF-8 code points, so a cut never splits
// the escapes of one character.
#include "game/Quote.h"

namespace quadlo {

namespace {

// The bytes of the UTF-8 character that starts with `lead`: 1 for ASCII and
// for a byte that starts none (a stray continuation byte counts as one
// character of its own, so that no input escapes the cut).
std::size_t sequenceLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 1;
}

} // namespace

std::string quoted(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "'";
    std::size_t characters = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (characters++ == kQuotedCharacters) {
            out += "'…";
            return out;
        }
        std::size_t end = i + sequenceLength(static_cast<unsigned char>(text[i]));
        for (std::size_t j = i + 1; j < end; ++j) {
            if (j >= text.size() || (static_cast<unsigned char>(text[j]) & 0xC0) != 0x80)
                end = j;
        }
        for (; i < end; ++i) {
            const auto byte = static_cast<unsigned char>(text[i]);
            if (byte < 0x20 || byte >= 0x7F) {
                out += "\\x";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            } else if (byte == '\\') {
                out += "\\\\";
            } else {
                out += static_cast<char>(byte);
            }
        }
    }
    out += "'";
    return out;
}

} // namespace quadlo
