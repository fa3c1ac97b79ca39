// SPDX-License-Identifier: GPL-3.0-or-later
// The one way a whole number is read, on quadlo-engine's command line and in
// scripts alike: digits only, so that "3x", "+3", " 3" or "-1" never slip
// through as a number, and none if the value does not fit the type, so that
// the caller's range check never sees a wrapped value.
#pragma once

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

namespace quadlo {

template <typename T> std::optional<T> wholeNumber(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
    }
    T value {};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc {} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace quadlo
