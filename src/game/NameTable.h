// SPDX-License-Identifier: GPL-3.0-or-later
// The words that scripts and the command line use for a handful of values
// (levels, baseline humans): one table each, read both ways, so a name is
// written once.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace quadlo {

template <typename Value, std::size_t N> struct NameTable {
    std::array<std::pair<Value, std::string_view>, N> entries;

    constexpr std::optional<Value> find(std::string_view name) const
    {
        for (const auto& [value, text] : entries) {
            if (text == name)
                return value;
        }
        return std::nullopt;
    }

    // Every value has a row, so the fallback is never reached.
    constexpr std::string_view name(Value value) const
    {
        for (const auto& [v, text] : entries) {
            if (v == value)
                return text;
        }
        return entries.front().second;
    }
};

} // namespace quadlo
