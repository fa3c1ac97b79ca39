// SPDX-License-Identifier: GPL-3.0-or-later
// quadlo-engine: the headless front end of the game. It replays scripts of
// clicks and menu commands and prints every state they lead to, plays the
// computer against baseline human players, and times the computer's turns.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "Version.h"
#include "engine/Analyse.h"
#include "engine/AnalysisBench.h"
#include "engine/AnalysisOptions.h"
#include "engine/Bench.h"
#include "engine/CommandLine.h"
#include "engine/Quote.h"
#include "engine/Replay.h"
#include "engine/Review.h"
#include "engine/SelfPlay.h"
#include "engine/Solve.h"

namespace {

using namespace quadlo::engine;

constexpr int kUsageError = 2;
constexpr int kFault = 1;

// One line, so that a script's log shows the mistake and nothing else;
// --help has the usage.
int usageError(const std::string& message)
{
    std::cerr << "error: " << message << '\n';
    return kUsageError;
}

// Runs `play` on the script FILE, or on the standard input for none or "-".
int onScript(const std::vector<std::string_view>& operands, const char* command,
    const std::function<int(std::istream&)>& play)
{
    if (operands.size() > 1)
        return usageError(std::string(command) + " takes at most one FILE");
    if (operands.empty() || operands[0] == "-")
        return play(std::cin);
    const std::string path(operands[0]);
    // A directory opens as a stream on Linux and then reads as empty.
    std::error_code ec;
    std::ifstream file;
    if (!std::filesystem::is_directory(path, ec))
        file.open(path);
    if (!file.is_open()) {
        std::cerr << "error: cannot open " << path << '\n';
        return kReplayBadInput;
    }
    return play(file);
}

int replay(const std::vector<std::string_view>& args)
{
    return onScript(
        args, "replay", [](std::istream& in) { return runReplay(in, std::cout, std::cerr); });
}

// analyse [FILE|-], review FILE, solve --boxes WxH, each with [--budget N].
int analysisCommand(std::string_view command, const std::vector<std::string_view>& args)
{
    const bool solve = command == "solve";
    const auto parsed = parseAnalysisArguments(args,
        solve ? std::vector<std::string_view> { "--boxes" } : std::vector<std::string_view> {},
        command == "review" ? kReviewBudget : kAnalysisBudget);
    if (const auto* error = std::get_if<CommandLineError>(&parsed))
        return usageError(error->message);
    const AnalysisArguments& arguments = std::get<AnalysisArguments>(parsed);
    if (solve) {
        std::string error;
        const int status = runSolve(arguments, std::cout, error);
        return error.empty() ? status : usageError(error);
    }
    if (command == "review") {
        if (arguments.operands.size() != 1)
            return usageError("review takes one FILE");
        return onScript(arguments.operands, "review", [&](std::istream& in) {
            return runReview(in, std::cout, std::cerr, arguments.budget);
        });
    }
    return onScript(arguments.operands, "analyse",
        [&](std::istream& in) { return runAnalyse(in, std::cout, std::cerr, arguments.budget); });
}

int selfplay(const std::vector<std::string_view>& args)
{
    const auto parsed = parseSelfPlayArguments(args);
    if (const auto* error = std::get_if<CommandLineError>(&parsed))
        return usageError(error->message);
    const SelfPlayOptions& options = std::get<SelfPlayOptions>(parsed);
    try {
        ProgressLine progress(std::cerr, options.games, ::isatty(STDERR_FILENO) == 1);
        const auto records = playGames(options, nullptr, std::ref(progress));
        std::cout << formatSelfPlayTable(options, summarise(records));
    } catch (const SelfPlayFault& fault) {
        std::cerr << "error: " << fault.what() << '\n';
        return kFault;
    }
    return 0;
}

int bench(std::vector<std::string_view> args)
{
    if (const auto flag = std::find(args.begin(), args.end(), "--analysis"); flag != args.end()) {
        args.erase(flag);
        return benchAnalysis(args, std::cout, std::cerr);
    }
    const auto parsed = parseBenchArguments(args);
    if (const auto* error = std::get_if<CommandLineError>(&parsed))
        return usageError(error->message);
    const BenchOptions& options = std::get<BenchOptions>(parsed);
    std::cout << formatBenchHeader(options) << std::flush;
    try {
        for (quadlo::Difficulty level :
            { quadlo::Difficulty::Easy, quadlo::Difficulty::Medium, quadlo::Difficulty::Hard })
            std::cout << formatBenchRow(timeLevel(level, options)) << std::flush;
    } catch (const SelfPlayFault& fault) {
        std::cerr << "error: " << fault.what() << '\n';
        return kFault;
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
        std::cout << kUsage;
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
    std::cerr << "error: cannot write the output\n";
    return kOutputFailed;
}
