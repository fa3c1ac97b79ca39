// SPDX-License-Identifier: GPL-3.0-or-later
// How quadlo-engine words an error: one line that starts with the program's
// name, as Unix tools do, so that a pipeline's log says which program failed;
// a piece of the input in it is quoted, cut short so that one huge token
// cannot flood the error stream, and with every byte outside printable ASCII
// escaped so that the message stays one line of valid text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quadlo::engine {

// At most this many characters of a token are quoted; "…" follows a cut.
inline constexpr std::size_t kQuotedCharacters = 40;

// 'text', with every byte outside printable ASCII and the backslash written
// as \xNN and \\.
std::string quoted(std::string_view text);

// "quadlo-engine: error: <message>" and a line break.
std::string errorLine(std::string_view message);

} // namespace quadlo::engine
