// SPDX-License-Identifier: GPL-3.0-or-later
// quadlo-engine: the headless front end of the game. It replays scripts of
// clicks and menu commands and prints every state they lead to, plays the
// computer against baseline human players, times the computer's turns, and
// runs the exact solver on a position, a game or an empty board.
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <unistd.h>

#include "Version.h"
#include "analysis/MoveReview.h"
#include "engine/Analyse.h"
#include "engine/AnalysisBench.h"
#include "engine/AnalysisOptions.h"
#include "engine/Bench.h"
#include "engine/CoachBench.h"
#include "engine/CommandLine.h"
#include "engine/Quote.h"
#include "engine/Replay.h"
#include "engine/Review.h"
#include "engine/SelfPlay.h"
#include "engine/Solve.h"

namespace {

using namespace quadlo::engine;
using quadlo::quoted;

// One line, so that a script's log shows the mistake and nothing else;
// --help has the usage.
int usageError(const std::string& message)
{
    std::cerr << errorLine(message);
    return kUsageError;
}

// The status to stop with when the command line gave no options to run with:
// the command's usage for --help, or the error.
template <typename Options>
std::optional<int> stopHere(const Parsed<Options>& parsed, std::string_view command)
{
    if (std::holds_alternative<HelpRequested>(parsed)) {
        std::cout << commandUsage(command).value();
        return 0;
    }
    if (const auto* error = std::get_if<CommandLineError>(&parsed))
        return usageError(error->message);
    return std::nullopt;
}

int replay(const std::vector<std::string_view>& args)
{
    const auto parsed = parseReplayArguments(args);
    if (const auto status = stopHere(parsed, "replay"))
        return *status;
    InputFile script;
    if (const auto error = script.open(std::get<ReplayOptions>(parsed).file, std::cin)) {
        std::cerr << errorLine(error->message);
        return kReplayBadInput;
    }
    return runReplay(script.stream(), std::cout, std::cerr);
}

int selfplay(const std::vector<std::string_view>& args)
{
    const auto parsed = parseSelfPlayArguments(args);
    if (const auto status = stopHere(parsed, "selfplay"))
        return *status;
    const SelfPlayOptions& options = std::get<SelfPlayOptions>(parsed);
    try {
        ProgressLine progress(std::cerr, options.games, ::isatty(STDERR_FILENO) == 1);
        const auto records = playGames(options, nullptr, std::ref(progress));
        std::cout << formatSelfPlayTable(options, summarise(records));
    } catch (const SelfPlayFault& fault) {
        std::cerr << errorLine(fault.what());
        return kGameFault;
    }
    return 0;
}

// analyse [FILE|-], review FILE, solve --boxes WxH [--table MIB], each with
// [--budget N]; analyse and solve with [--threads T].
int analysisCommand(std::string_view command, const std::vector<std::string_view>& args)
{
    const bool solve = command == "solve";
    const auto parsed = solve
        ? parseAnalysisArguments(args,
            { { "--boxes" }, { "--budget" }, { "--threads" }, { "--table" } }, kAnalysisBudget)
        : command == "review"
        ? parseAnalysisArguments(args, { { "--budget" } }, quadlo::analysis::kReviewBudget)
        : parseAnalysisArguments(args, { { "--budget" }, { "--threads" } }, kAnalysisBudget);
    if (const auto status = stopHere(parsed, command))
        return *status;
    const AnalysisArguments& arguments = std::get<AnalysisArguments>(parsed);
    if (solve) {
        if (const std::string extra = noOperands(arguments.operands); !extra.empty())
            return usageError(extra);
        std::string error;
        const int status = runSolve(arguments, std::cout, error);
        return error.empty() ? status : usageError(error);
    }
    const bool review = command == "review";
    if (arguments.operands.size() > 1 || (review && arguments.operands.empty()))
        return usageError(
            std::string(command) + (review ? " takes one FILE" : " takes at most one FILE"));
    InputFile script;
    if (const auto error
        = script.open(arguments.operands.empty() ? "-" : arguments.operands[0], std::cin)) {
        std::cerr << errorLine(error->message);
        return kReplayBadInput;
    }
    return review ? runReview(script.stream(), std::cout, std::cerr, arguments.budget)
                  : runAnalyse(script.stream(), std::cout, std::cerr, arguments);
}

// bench --analysis and bench --coach: the solver's arguments, then `run`.
int benchWithSolver(const std::vector<std::string_view>& args,
    std::initializer_list<OptionName> known,
    int (*run)(const AnalysisArguments&, std::ostream&, std::ostream&))
{
    const auto parsed = parseAnalysisArguments(args, known, kAnalysisBudget);
    if (const auto status = stopHere(parsed, "bench"))
        return *status;
    if (const std::string extra = noOperands(std::get<AnalysisArguments>(parsed).operands);
        !extra.empty())
        return usageError(extra);
    return run(std::get<AnalysisArguments>(parsed), std::cout, std::cerr);
}

int bench(std::vector<std::string_view> args)
{
    for (const std::string_view flag : { "--analysis", "--coach" }) {
        const auto at = std::find(args.begin(), args.end(), flag);
        if (at == args.end())
            continue;
        args.erase(at);
        return flag == "--coach"
            ? benchWithSolver(
                args, { { "--games" }, { "--seed" }, { "--think" }, { "--threads" } }, benchCoach)
            : benchWithSolver(
                args, { { "--positions" }, { "--budget" }, { "--threads" } }, benchAnalysis);
    }
    const auto parsed = parseBenchArguments(args);
    if (const auto status = stopHere(parsed, "bench"))
        return *status;
    const BenchOptions& options = std::get<BenchOptions>(parsed);
    std::cout << formatBenchHeader(options) << std::flush;
    try {
        for (quadlo::Difficulty level :
            { quadlo::Difficulty::Easy, quadlo::Difficulty::Medium, quadlo::Difficulty::Hard })
            std::cout << formatBenchRow(timeLevel(level, options)) << std::flush;
    } catch (const SelfPlayFault& fault) {
        std::cerr << errorLine(fault.what());
        return kGameFault;
    }
    return 0;
}

int run(std::vector<std::string_view> args)
{
    if (args.empty())
        return usageError("no command given");
    const std::string_view command = args.front();
    args.erase(args.begin());
    if (command == "replay")
        return replay(args);
    if (command == "selfplay")
        return selfplay(args);
    if (command == "bench")
        return bench(args);
    if (command == "analyse" || command == "review" || command == "solve")
        return analysisCommand(command, args);
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << usage();
        return 0;
    }
    if (command == "--version" || command == "-v") {
        std::cout << "quadlo-engine " << quadlo::kVersion << '\n';
        return 0;
    }
    if (command.starts_with('-'))
        return usageError("unknown option " + quoted(command));
    return usageError("unknown command " + quoted(command));
}

} // namespace

// Output that could not be written is a failure whatever the command did, or
// a reader would take a truncated result for a whole one.
int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const int status = run({ argv + 1, argv + argc });
    if (status != 0 || (std::cout.flush() && !std::cout.bad()))
        return status;
    std::cerr << errorLine("cannot write the output");
    return kOutputFailed;
}
