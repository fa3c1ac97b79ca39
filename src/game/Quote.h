// SPDX-License-Identifier: GPL-3.0-or-later
// A piece of input as an error message quotes it: cut short, so that one huge
// token cannot flood the message, and with every byte outside printable ASCII
// escaped, so that the message stays one line of valid text. The replay
// script's reasons, quadlo-engine's errors and the window's message about a
// file that holds no saved game quote their input so.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quadlo {

// At most this many characters of a token are quoted; "…" follows a cut.
inline constexpr std::size_t kQuotedCharacters = 40;

// 'text', with every byte outside printable ASCII and the backslash written
// as \xNN and \\.
std::string quoted(std::string_view text);

} // namespace quadlo
