// SPDX-License-Identifier: GPL-3.0-or-later
// Options are "--name value" pairs; each may be given once.
#include "engine/CommandLine.h"

#include <charconv>
#include <optional>
#include <set>

#include "engine/Quote.h"

namespace quadlo::engine {

const char* const kUsage
    = "usage: quadlo-engine replay [FILE|-]\n"
      "       quadlo-engine selfplay [--level easy|medium|hard]\n"
      "                              [--human random|greedy|careful|expert]\n"
      "                              [--games N] [--seed S]\n"
      "       quadlo-engine bench [--games N]\n"
      "       quadlo-engine bench --analysis [--positions N] [--budget N]\n"
      "       quadlo-engine analyse [--budget N] [FILE|-]\n"
      "       quadlo-engine review [--budget N] FILE\n"
      "       quadlo-engine solve --boxes WxH [--budget N]\n"
      "       quadlo-engine --help | --version\n"
      "\n"
      "analyse   plays a replay script and prints 'value V' for the player to move,\n"
      "          then 'v I V' or 'h I V' for every open edge, best first\n"
      "review    judges each human move of a game where the solver can: the squares\n"
      "          it lost against the best move, and the first move that lost any\n"
      "solve     the value of the empty WxH board (at most 64 edges) for the first\n"
      "          player, and the time taken\n"
      "--budget  the most nodes the solver may search for one answer (50,000,000;\n"
      "          review 5,000,000 a position); beyond it, one line says so, exit 5\n";

namespace {

std::optional<std::uint32_t> unsignedNumber(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
    }
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc {} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Walks "--name value" pairs, handing each to `take`, which returns an error
// message or an empty string.
template <typename Take>
std::optional<CommandLineError> eachOption(
    const std::vector<std::string_view>& args, std::set<std::string_view> known, Take take)
{
    std::set<std::string_view> seen;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string_view name = args[i];
        if (!known.contains(name))
            return CommandLineError { "unknown option " + quoted(name) };
        if (!seen.insert(name).second)
            return CommandLineError { "option " + std::string(name) + " given twice" };
        if (i + 1 >= args.size())
            return CommandLineError { "option " + std::string(name) + " needs a value" };
        std::string error = take(name, args[i + 1]);
        if (!error.empty())
            return CommandLineError { std::move(error) };
    }
    return std::nullopt;
}

std::string readGames(std::string_view value, std::uint32_t& games)
{
    const auto n = unsignedNumber(value);
    if (!n || *n < 1 || *n > kMaxGames)
        return "--games " + quoted(value) + " is not a whole number 1.."
            + std::to_string(kMaxGames);
    games = *n;
    return {};
}

} // namespace

std::variant<SelfPlayOptions, CommandLineError> parseSelfPlayArguments(
    const std::vector<std::string_view>& args)
{
    SelfPlayOptions options;
    auto error = eachOption(args, { "--level", "--human", "--games", "--seed" },
        [&](std::string_view name, std::string_view value) -> std::string {
            if (name == "--level") {
                const auto level = levelFromName(value);
                if (!level)
                    return "--level " + quoted(value) + " is not one of easy, medium, hard";
                options.level = *level;
            } else if (name == "--human") {
                const auto human = humanStrategyFromName(value);
                if (!human)
                    return "--human " + quoted(value)
                        + " is not one of random, greedy, careful, expert";
                options.human = *human;
            } else if (name == "--games") {
                return readGames(value, options.games);
            } else {
                const auto seed = unsignedNumber(value);
                if (!seed)
                    return "--seed " + quoted(value) + " is not a whole number 0..4294967295";
                options.seed = *seed;
            }
            return {};
        });
    if (error)
        return *error;
    return options;
}

std::variant<BenchOptions, CommandLineError> parseBenchArguments(
    const std::vector<std::string_view>& args)
{
    BenchOptions options;
    auto error = eachOption(args, { "--games" },
        [&](std::string_view, std::string_view value) { return readGames(value, options.games); });
    if (error)
        return *error;
    return options;
}

} // namespace quadlo::engine
