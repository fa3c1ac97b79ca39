// SPDX-License-Identifier: GPL-3.0-or-later
// quadlo-engine: the headless front end of the game. It replays scripts of
// clicks and menu commands and prints every state they lead to, plays the
// computer against baseline human players, and times the computer's turns.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

#include "Version.h"
#include "engine/Bench.h"
#include "engine/CommandLine.h"
#include "engine/Quote.h"
#include "engine/Replay.h"
#include "engine/SelfPlay.h"

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

int replay(const std::vector<std::string_view>& args)
{
    if (args.empty())
        return runReplay(std::cin, std::cout, std::cerr);
    if (args.size() > 1)
        return usageError("replay takes at most one FILE");
    const std::string path(args[0]);
    // A directory opens as a stream on Linux and then reads as empty.
    std::error_code ec;
    std::ifstream file;
    if (!std::filesystem::is_directory(path, ec))
        file.open(path);
    if (!file.is_open()) {
        std::cerr << "error: cannot open " << path << '\n';
        return kReplayBadInput;
    }
    return runReplay(file, std::cout, std::cerr);
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

int bench(const std::vector<std::string_view>& args)
{
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
