// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of quadlo-engine: splitting a command's arguments into
// options and operands, the options of each command, opening a FILE operand,
// and the usage texts. Parsing never exits or prints; a bad argument comes
// back as a message for the caller to report, and a --help as a request for
// the command's usage.
#pragma once

#include <fstream>
#include <initializer_list>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "engine/Bench.h"
#include "engine/SelfPlay.h"

namespace quadlo::engine {

struct CommandLineError {
    std::string message;
};

// "CMD --help" or "CMD -h": the caller prints the command's usage.
struct HelpRequested { };

template <typename Options> using Parsed = std::variant<Options, HelpRequested, CommandLineError>;

struct OptionName {
    std::string_view name;
    bool takesValue = true;
};

// One command's arguments: each option with its value ("" for one that takes
// none), in the order given, and the operands.
struct CommandArguments {
    std::vector<std::pair<std::string_view, std::string_view>> options;
    std::vector<std::string_view> operands;
};

// An option is "--name VALUE" or "--name=VALUE" (or "--name" alone when it
// takes no value), given at most once, and named in `known`. "-" alone is an
// operand (the standard input), and so is every argument after "--".
Parsed<CommandArguments> splitArguments(
    const std::vector<std::string_view>& args, std::initializer_list<OptionName> known);

// The message for a command that takes no operands and was given some, or "".
std::string noOperands(const std::vector<std::string_view>& operands);

// Splits `args` with `known`, then hands each option to
// takeOption(options, name, value) and the operands to
// takeOperands(options, operands); each returns an error message or "".
template <typename Options, typename TakeOption, typename TakeOperands>
Parsed<Options> parseOptions(const std::vector<std::string_view>& args,
    std::initializer_list<OptionName> known, Options options, TakeOption takeOption,
    TakeOperands takeOperands)
{
    auto split = splitArguments(args, known);
    if (auto* arguments = std::get_if<CommandArguments>(&split)) {
        std::string error;
        for (const auto& [name, value] : arguments->options) {
            if (error.empty())
                error = takeOption(options, name, value);
        }
        if (error.empty())
            error = takeOperands(options, arguments->operands);
        if (!error.empty())
            return CommandLineError { std::move(error) };
        return options;
    }
    if (std::holds_alternative<HelpRequested>(split))
        return HelpRequested {};
    return std::get<CommandLineError>(std::move(split));
}

// The same for a command that takes no operands.
template <typename Options, typename TakeOption>
Parsed<Options> parseOptions(const std::vector<std::string_view>& args,
    std::initializer_list<OptionName> known, Options options, TakeOption takeOption)
{
    return parseOptions(args, known, std::move(options), takeOption,
        [](Options&, const std::vector<std::string_view>& operands) {
            return noOperands(operands);
        });
}

// Upper bound on --games, so that a typo cannot start a run of days.
inline constexpr std::uint32_t kMaxGames = 10'000'000;

struct ReplayOptions {
    std::string_view file = "-";
};

Parsed<ReplayOptions> parseReplayArguments(const std::vector<std::string_view>& args);
Parsed<SelfPlayOptions> parseSelfPlayArguments(const std::vector<std::string_view>& args);
Parsed<BenchOptions> parseBenchArguments(const std::vector<std::string_view>& args);

// A FILE operand opened for reading; "-" is the standard input.
class InputFile {
public:
    // The error says why the file cannot be read (the system's reason).
    std::optional<CommandLineError> open(std::string_view path, std::istream& standardInput);
    std::istream& stream() { return *stream_; }

private:
    std::ifstream file_;
    std::istream* stream_ = nullptr;
};

// Exit statuses of every command beyond 0 (success) and 2 (a bad command
// line, kUsageError); replay's own are in Replay.h.
inline constexpr int kUsageError = 2;
inline constexpr int kGameFault = 1;

// The whole usage (quadlo-engine --help), and one command's (CMD --help), or
// none for a name that is no command. Both end with the exit statuses.
std::string usage();
std::optional<std::string> commandUsage(std::string_view command);

} // namespace quadlo::engine
