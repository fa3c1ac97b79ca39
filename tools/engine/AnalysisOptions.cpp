// SPDX-License-Identifier: GPL-3.0-or-later
// Options may come before, between or after the operands.
#include "engine/AnalysisOptions.h"

#include <algorithm>
#include <charconv>

#include "engine/Quote.h"

namespace quadlo::engine {

namespace {

// Upper bound on --budget: about a day of search.
constexpr std::uint64_t kMaxBudget = 1'000'000'000'000;

} // namespace

std::variant<std::uint64_t, CommandLineError> countOption(
    std::string_view name, std::string_view value, std::uint64_t most)
{
    std::uint64_t n = 0;
    const bool digits = !value.empty()
        && std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (!digits || ec != std::errc {} || end != value.data() + value.size() || n < 1 || n > most)
        return CommandLineError { std::string(name) + " " + quoted(value)
            + " is not a whole number 1.." + std::to_string(most) };
    return n;
}

std::variant<AnalysisArguments, CommandLineError> parseAnalysisArguments(
    const std::vector<std::string_view>& args, std::vector<std::string_view> known,
    std::uint64_t budget)
{
    known.push_back("--budget");
    AnalysisArguments parsed;
    parsed.budget = budget;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!arg.starts_with("--")) {
            parsed.operands.push_back(arg);
            continue;
        }
        if (std::find(known.begin(), known.end(), arg) == known.end())
            return CommandLineError { "unknown option " + quoted(arg) };
        if (i + 1 >= args.size())
            return CommandLineError { "option " + std::string(arg) + " needs a value" };
        if (!parsed.options.emplace(arg, args[i + 1]).second)
            return CommandLineError { "option " + std::string(arg) + " given twice" };
        ++i;
    }
    if (const auto found = parsed.options.find("--budget"); found != parsed.options.end()) {
        const auto n = countOption("--budget", found->second, kMaxBudget);
        if (const auto* error = std::get_if<CommandLineError>(&n))
            return *error;
        parsed.budget = std::get<std::uint64_t>(n);
        parsed.options.erase(found);
    }
    return parsed;
}

} // namespace quadlo::engine
