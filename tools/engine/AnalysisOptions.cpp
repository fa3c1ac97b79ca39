// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's commands' arguments, split as every command's are.
#include "engine/AnalysisOptions.h"

#include "engine/Quote.h"
#include "game/WholeNumber.h"

namespace quadlo::engine {

namespace {

// Upper bound on --budget: about a day of search.
constexpr std::uint64_t kMaxBudget = 1'000'000'000'000;
// Upper bound on --threads: more than any machine it runs on would use.
constexpr std::uint64_t kMaxThreads = 64;

} // namespace

std::variant<std::uint64_t, CommandLineError> countOption(
    std::string_view name, std::string_view value, std::uint64_t most)
{
    const auto n = wholeNumber<std::uint64_t>(value);
    if (!n || *n < 1 || *n > most)
        return CommandLineError { std::string(name) + " " + quoted(value)
            + " is not a whole number 1.." + std::to_string(most) };
    return *n;
}

Parsed<AnalysisArguments> parseAnalysisArguments(const std::vector<std::string_view>& args,
    std::initializer_list<OptionName> known, std::uint64_t budget)
{
    AnalysisArguments parsed;
    parsed.budget = budget;
    return parseOptions(
        args, known, parsed,
        [](AnalysisArguments& out, std::string_view name, std::string_view value) -> std::string {
            if (name == "--threads") {
                const auto n = countOption("--threads", value, kMaxThreads);
                if (const auto* error = std::get_if<CommandLineError>(&n))
                    return error->message;
                out.threads = static_cast<int>(std::get<std::uint64_t>(n));
                return {};
            }
            if (name != "--budget") {
                out.options.emplace(name, value);
                return {};
            }
            const auto n = countOption("--budget", value, kMaxBudget);
            if (const auto* error = std::get_if<CommandLineError>(&n))
                return error->message;
            out.budget = std::get<std::uint64_t>(n);
            return {};
        },
        [](AnalysisArguments& out, const std::vector<std::string_view>& operands) {
            out.operands = operands;
            return std::string();
        });
}

} // namespace quadlo::engine
