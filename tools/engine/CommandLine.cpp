// SPDX-License-Identifier: GPL-3.0-or-later
// Options and operands in the usual Unix forms, so that quadlo-engine fits in
// scripts and pipes like any other tool: "--games 5" and "--games=5" alike,
// "-" for the standard input, "--" before an operand that starts with '-'.
#include "engine/CommandLine.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <system_error>

#include "engine/Quote.h"
#include "game/WholeNumber.h"

namespace quadlo::engine {

namespace {

struct CommandHelp {
    std::string_view name;
    // After "quadlo-engine "; a second line is indented to follow the first.
    std::string_view synopsis;
    std::string_view description;
};

constexpr CommandHelp kCommands[] = {
    { "replay", "replay [FILE]",
        "Reads a script from FILE, or from the standard input when FILE is - or not\n"
        "given, one command a line, and prints the state of the game after each\n"
        "click, new, undo, select, position and expert; quadlo-engine(6) lists the\n"
        "commands.\n" },
    { "selfplay",
        "selfplay [--level easy|medium|hard] [--human random|greedy|careful|expert]\n"
        "                              [--games N] [--seed S]",
        "Plays N games (100) of the computer at a level (medium) against a baseline\n"
        "human (greedy), from the seed S (1), and prints the wins and the mean and\n"
        "standard deviation of each side's score. An option's value follows it as\n"
        "the next argument or after '=' (--games=5).\n" },
    { "bench",
        "bench [--games N] | bench --analysis [--positions N] [--budget N] [--threads T]\n"
        "                              | bench --coach [--games N] [--seed S] [--think SECONDS]\n"
        "                                [--threads T]",
        "Times the computer's turns at each level over N games (200) against the\n"
        "random human; with --analysis, the exact solver on N seeded positions (20)\n"
        "of each of 30 to 46 open edges; with --coach, what the analysis knows before\n"
        "each move of N games (20) of the careful human against Hard when it has\n"
        "SECONDS (10) to think and keeps its table, as the window's coach does.\n" },
    { "analyse", "analyse [--budget N] [--threads T] [FILE]",
        "Plays a replay script from FILE (or the standard input) and prints\n"
        "'value V' for the player to move in the position it reaches (the squares\n"
        "they will still take minus the other's, under perfect play), then 'v I V'\n"
        "or 'h I V' for every open edge, best first. --budget is the most nodes the\n"
        "solver may search (50,000,000); beyond it, it prints what it proved (bounds,\n"
        "outcome, a best edge) and one line saying it gave up. --threads T searches\n"
        "on T threads.\n" },
    { "review", "review [--budget N] FILE",
        "Replays a whole game and judges each human move the solver can decide\n"
        "within --budget nodes a position (5,000,000): the squares it gave away\n"
        "against the best move (each one fewer for the human and one more for the\n"
        "computer), and the game's turning point. A move taken back by undo is\n"
        "neither judged nor counted.\n" },
    { "solve", "solve --boxes WxH [--budget N] [--threads T] [--table MIB]",
        "Solves the empty board of W by H boxes (at most 64 edges) and prints\n"
        "'value V' for the first player, the processor time taken, and the size of\n"
        "the solver's table: the largest power of two within MIB that memory can\n"
        "be had for, or without --table the one a position of as many open edges\n"
        "gets.\n" },
};

// How the edges that scripts and outputs name are numbered; BoxGeometry.h
// holds the numbering itself.
constexpr std::string_view kEdgeNumbering
    = "\nedges: 'v I' and 'h I', I = 1..30, in scripts and in every output. The\n"
      "vertical edges are numbered down each column of dots, the columns from left\n"
      "to right: v 1..5 the left rim from the top, v 26..30 the right rim. The\n"
      "horizontal edges are numbered along each row of dots, the rows from the top:\n"
      "h 1..5 the top rim from the left, h 26..30 the bottom rim. The square in row\n"
      "R and column C (1..5 from the top left) has the sides v 5(C-1)+R, v 5C+R,\n"
      "h 5(R-1)+C and h 5R+C.\n";

constexpr std::string_view kExitStatuses = "\nexit status:\n"
                                           "  0  success\n"
                                           "  1  a game went wrong in selfplay or bench\n"
                                           "  2  a bad command line, a bad script line, or a "
                                           "FILE that cannot be opened\n"
                                           "  3  a script ran out of its random values\n"
                                           "  4  the output cannot be written\n"
                                           "  5  the solver ran out of its budget\n";

std::string readGames(std::string_view value, std::uint32_t& games)
{
    const auto n = wholeNumber<std::uint32_t>(value);
    if (!n || *n < 1 || *n > kMaxGames)
        return "--games " + quoted(value) + " is not a whole number 1.."
            + std::to_string(kMaxGames);
    games = *n;
    return {};
}

} // namespace

Parsed<CommandArguments> splitArguments(
    const std::vector<std::string_view>& args, std::initializer_list<OptionName> known)
{
    CommandArguments out;
    std::set<std::string_view> seen;
    bool operandsOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (operandsOnly || arg == "-" || !arg.starts_with('-')) {
            out.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            operandsOnly = true;
            continue;
        }
        if (arg == "--help" || arg == "-h")
            return HelpRequested {};
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const OptionName* option = nullptr;
        for (const OptionName& candidate : known) {
            if (candidate.name == name)
                option = &candidate;
        }
        if (!option)
            return CommandLineError { "unknown option " + quoted(name) };
        if (!seen.insert(name).second)
            return CommandLineError { "option " + std::string(name) + " given twice" };
        if (!option->takesValue) {
            if (equals != std::string_view::npos)
                return CommandLineError { "option " + std::string(name) + " takes no value" };
            out.options.emplace_back(name, std::string_view {});
        } else if (equals != std::string_view::npos) {
            out.options.emplace_back(name, arg.substr(equals + 1));
        } else if (i + 1 < args.size()) {
            out.options.emplace_back(name, args[++i]);
        } else {
            return CommandLineError { "option " + std::string(name) + " needs a value" };
        }
    }
    return out;
}

std::string noOperands(const std::vector<std::string_view>& operands)
{
    if (operands.empty())
        return {};
    return "unexpected argument " + quoted(operands.front());
}

Parsed<ReplayOptions> parseReplayArguments(const std::vector<std::string_view>& args)
{
    return parseOptions(
        args, {}, ReplayOptions {},
        [](ReplayOptions&, std::string_view, std::string_view) { return std::string(); },
        [](ReplayOptions& options, const std::vector<std::string_view>& operands) -> std::string {
            if (operands.size() > 1)
                return "replay takes at most one FILE";
            if (!operands.empty())
                options.file = operands.front();
            return {};
        });
}

Parsed<SelfPlayOptions> parseSelfPlayArguments(const std::vector<std::string_view>& args)
{
    return parseOptions(args, { { "--level" }, { "--human" }, { "--games" }, { "--seed" } },
        SelfPlayOptions {},
        [](SelfPlayOptions& options, std::string_view name, std::string_view value) -> std::string {
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
                const auto seed = wholeNumber<std::uint32_t>(value);
                if (!seed)
                    return "--seed " + quoted(value) + " is not a whole number 0..4294967295";
                options.seed = *seed;
            }
            return {};
        });
}

Parsed<BenchOptions> parseBenchArguments(const std::vector<std::string_view>& args)
{
    return parseOptions(args, { { "--games" } }, BenchOptions {},
        [](BenchOptions& options, std::string_view, std::string_view value) {
            return readGames(value, options.games);
        });
}

std::optional<CommandLineError> InputFile::open(std::string_view path, std::istream& standardInput)
{
    if (path == "-") {
        stream_ = &standardInput;
        return std::nullopt;
    }
    // A directory opens as a stream on Linux and then reads as empty.
    std::error_code ec;
    int reason = EISDIR;
    if (!std::filesystem::is_directory(path, ec)) {
        errno = 0;
        file_.open(std::string(path));
        reason = errno != 0 ? errno : EIO;
    }
    if (!file_.is_open())
        return CommandLineError { "cannot open " + std::string(path) + ": "
            + std::strerror(reason) };
    stream_ = &file_;
    return std::nullopt;
}

std::string usage()
{
    std::string out;
    for (const CommandHelp& command : kCommands) {
        out += out.empty() ? "usage: " : "       ";
        out += "quadlo-engine ";
        out += command.synopsis;
        out += '\n';
    }
    out += "       quadlo-engine COMMAND --help\n"
           "       quadlo-engine --help | --version\n";
    out += kEdgeNumbering;
    out += kExitStatuses;
    return out;
}

std::optional<std::string> commandUsage(std::string_view command)
{
    for (const CommandHelp& help : kCommands) {
        if (help.name == command) {
            std::string out = "usage: quadlo-engine ";
            out += help.synopsis;
            out += "\n\n";
            out += help.description;
            if (command == "replay")
                out += kEdgeNumbering;
            out += kExitStatuses;
            return out;
        }
    }
    return std::nullopt;
}

} // namespace quadlo::engine
