// SPDX-License-Identifier: GPL-3.0-or-later
// The quadlo-engine program: where replay reads its script from, the exit
// statuses other tools rely on, and command-line errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "EngineTestSupport.h"
#include "Version.h"
#include "engine/AnalysisOptions.h"
#include "engine/CommandLine.h"
#include "engine/Replay.h"

namespace quadlo::engine {
namespace {

using test::lines;
using test::runProgram;

TEST(EngineProgram, ReplayReadsTheSameScriptFromAFileAsFromStandardInputOrADash)
{
    const std::string script = "select easy\nrandom 0.5 0.7\nclick v 1\n";
    const auto path = std::filesystem::temp_directory_path()
        / ("quadlo-engine-script-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path) << script;
    const auto fromFile = runProgram("replay '" + path.string() + "'");
    std::filesystem::remove(path);
    const auto fromInput = runProgram("replay", script);
    EXPECT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_EQ(test::field(lines(fromFile.out).at(1), "h"), "aaaaaaaaaaaaaaacaaaaaaaaaaaaaa");
    EXPECT_EQ(fromInput.status, 0);
    EXPECT_EQ(fromInput.out, fromFile.out);
    EXPECT_EQ(runProgram("replay -", script).out, fromFile.out);
}

TEST(EngineProgram, ReplayExitsWithStatusTwoOnBadInputAndThreeOnExhaustion)
{
    const std::string dir = std::filesystem::temp_directory_path().string();
    const std::vector<std::tuple<std::string, std::string, int, std::string, std::size_t>> cases {
        { "replay /nonexistent/script", "", 2,
            "quadlo-engine: error: cannot open /nonexistent/script: No such file or directory", 0 },
        { "replay '" + dir + "'", "", 2,
            "quadlo-engine: error: cannot open " + dir + ": Is a directory", 0 },
        { "replay a b", "", 2, "quadlo-engine: error: replay takes at most one FILE", 0 },
        { "replay --verbose", "", 2, "quadlo-engine: error: unknown option '--verbose'", 0 },
        { "replay", "select easy\nclick v 3 4\nselect hard\n", 2,
            "quadlo-engine: error: line 2: click takes a family (v or h) and an edge index 1..30",
            1 },
        { "replay", "random 0.5\nselect easy\nclick h 7\nselect hard\n", 3,
            "quadlo-engine: error: line 3: random stream exhausted", 1 },
    };
    for (const auto& [args, input, status, error, printed] : cases) {
        const auto run = runProgram(args, input);
        EXPECT_EQ(run.status, status) << args;
        EXPECT_EQ(lines(run.err).at(0), error) << args;
        EXPECT_EQ(lines(run.out).size(), printed) << args;
    }
}

TEST(EngineProgram, SelfplayPrintsTheSameTableTwiceForTheSameSeed)
{
    const std::string args = "selfplay --level hard --human careful --games 8 --seed 42";
    const auto first = runProgram(args);
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, runProgram(args).out);
    const auto table = lines(first.out);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0], "selfplay: level hard, human careful, 8 games, seed 42");
}

TEST(EngineProgram, SelfplayAndBenchRefuseBadOptionsWithStatusTwo)
{
    const std::vector<std::pair<std::string, std::string>> cases {
        { "selfplay --games 0",
            "quadlo-engine: error: --games '0' is not a whole number 1..10000000" },
        { "selfplay --games 12x",
            "quadlo-engine: error: --games '12x' is not a whole number 1..10000000" },
        { "selfplay --games", "quadlo-engine: error: option --games needs a value" },
        { "selfplay --level expert",
            "quadlo-engine: error: --level 'expert' is not one of easy, medium, hard" },
        { "selfplay --human perfect",
            "quadlo-engine: error: --human 'perfect' is not one of random, greedy, careful, "
            "expert" },
        { "selfplay --seed -1",
            "quadlo-engine: error: --seed '-1' is not a whole number 0..4294967295" },
        { "selfplay --seed 1 --seed 2", "quadlo-engine: error: option --seed given twice" },
        { "bench --level easy", "quadlo-engine: error: unknown option '--level'" },
        { "bench --coach --think 0",
            "quadlo-engine: error: --think '0' is not a number of seconds above 0 and at most "
            "3600" },
        { "bench --coach --seed -1",
            "quadlo-engine: error: --seed '-1' is not a whole number 0..4294967295" },
        { "", "quadlo-engine: error: no command given" },
        { "play", "quadlo-engine: error: unknown command 'play'" },
        { "--verbose", "quadlo-engine: error: unknown option '--verbose'" },
    };
    for (const auto& [args, error] : cases) {
        const auto run = runProgram(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_EQ(lines(run.err), std::vector<std::string> { error }) << args;
    }
}

TEST(EngineProgram, AnOptionTakesItsValueAfterAnEqualsSignAsWellAsAfterABlank)
{
    const auto joined = runProgram("selfplay --level=hard --games=3 --seed=7");
    EXPECT_EQ(lines(joined.out).at(0), "selfplay: level hard, human greedy, 3 games, seed 7");
    EXPECT_EQ(joined.out, runProgram("selfplay --level hard --games 3 --seed 7").out);
}

TEST(EngineProgram, EachCommandPrintsItsOwnUsageForHelpAndExitsZero)
{
    for (const std::string command : { "replay", "selfplay", "bench" }) {
        for (const std::string option : { " --help", " -h" }) {
            const auto run = runProgram(command + option, "click v 1\n");
            EXPECT_EQ(run.status, 0) << command << option;
            EXPECT_EQ(lines(run.out).at(0).rfind("usage: quadlo-engine " + command, 0), 0u);
            EXPECT_EQ(run.out, commandUsage(command).value_or("")) << command << option;
        }
    }
}

// The statuses after "exit status:" in --help and after ".SH EXIT STATUS" in
// the manual page are the ones the program exits with.
TEST(EngineProgram, HelpAndTheManualListEveryExitStatus)
{
    std::string inHelp, inManual, section;
    for (const std::string& line : lines(runProgram("--help").out))
        inHelp += line.starts_with("  ") && !line.starts_with("   ") ? line.substr(2, 1) : "";
    std::ifstream manual(QUADLO_ENGINE_MANUAL);
    for (std::string line; std::getline(manual, line);) {
        section = line.starts_with(".SH ") ? line : section;
        inManual += section == ".SH EXIT STATUS" && line.starts_with(".B ") ? line.substr(3) : "";
    }
    EXPECT_EQ(inHelp, "0123" + std::to_string(kOutputFailed) + std::to_string(kSolverGaveUp));
    EXPECT_EQ(inManual, inHelp);
}

TEST(EngineProgram, HelpAndVersionPrintOnStandardOutputAndExitZero)
{
    for (const char* args : { "--help", "-h", "help" }) {
        const auto run = runProgram(args);
        EXPECT_EQ(run.status, 0) << args;
        EXPECT_EQ(run.out, usage()) << args;
        EXPECT_EQ(run.err, "") << args;
    }
    for (const char* args : { "--version", "-v" }) {
        const auto run = runProgram(args);
        EXPECT_EQ(run.status, 0) << args;
        EXPECT_EQ(run.out, std::string("quadlo-engine ") + kVersion + "\n") << args;
    }
}

TEST(EngineProgram, EveryCommandFailsWithStatusFourWhenItsOutputCannotBeWritten)
{
    const std::string script = "select easy\nrandom 0.5 0.7\nclick v 1\n";
    for (const std::string output : { ">/dev/full", ">&-" }) {
        for (const std::string args : { "replay", "selfplay --games 3", "bench --games 1",
                 "solve --boxes 2x2", "help", "--version" }) {
            const auto run = runProgram(args, script, output);
            EXPECT_EQ(run.status, kOutputFailed) << args << output;
            EXPECT_NE(run.err.find("cannot write the output"), std::string::npos)
                << args << output << ": " << run.err;
        }
    }
}

TEST(EngineProgram, UnknownCommandsAreQuotedShortAndEscaped)
{
    const auto run = runProgram("\"$(printf 'p\\033%0100d' 0)\"");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(lines(run.err).at(0),
        "quadlo-engine: error: unknown command 'p\\x1b" + std::string(38, '0') + "'…");
}

TEST(EngineProgram, BenchPrintsAHeaderAndOneRowPerLevel)
{
    const auto run = runProgram("bench --games 2");
    EXPECT_EQ(run.status, 0) << run.err;
    const auto out = lines(run.out);
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[0].rfind("bench: 2 games a level", 0), 0u) << out[0];
    EXPECT_EQ(
        out[2].substr(0, 7) + out[3].substr(0, 7) + out[4].substr(0, 7), "easy   medium hard   ");
}

// Each human move counts once, in the band of its open edges, and what is
// known exactly is also known by its outcome.
TEST(EngineProgram, BenchCoachCountsEachHumanMoveOnceInItsBand)
{
    const auto run = runProgram("bench --coach --games 1 --think 0.01");
    EXPECT_EQ(run.status, 0) << run.err;
    const auto out = lines(run.out);
    ASSERT_EQ(out.size(), 8u);
    EXPECT_EQ(out[0].rfind("bench --coach: 1 games of the careful human against Hard", 0), 0u);
    int moves = 0;
    for (std::size_t i = 2; i < out.size(); ++i) {
        std::istringstream row(out[i]);
        std::string band;
        int n = 0;
        double exact = 0;
        double outcome = 0;
        std::string percent;
        row >> band >> n >> exact >> percent >> outcome;
        EXPECT_LE(exact, outcome) << out[i];
        if (i + 1 < out.size()) {
            moves += n;
        } else {
            EXPECT_EQ(n, moves) << "the total row";
        }
    }
    EXPECT_GT(moves, 0);
}

// Squares 1..23 owned; square 24 lacks only its right side v 25, which is
// square 25's left side; square 25 also lacks its bottom h 30. Drawing v 25
// takes both squares (+2); drawing h 30 hands both over (-2).
std::string twoSquaresLeft()
{
    test::PositionText p;
    for (int square = 1; square <= 23; ++square)
        p.own(square, square % 2 == 1 ? 'h' : 'c');
    for (auto [family, index] :
        { std::pair { 'v', 20 }, { 'h', 24 }, { 'h', 29 }, { 'h', 25 }, { 'v', 30 } })
        p.draw(family, index);
    return p.line() + "\n";
}

TEST(EngineProgram, AnalyseGivesTheValueAndEveryOpenEdgeBestFirst)
{
    const auto run = runProgram("analyse -", twoSquaresLeft());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "value 2\nv 25 2\nh 30 -2\n");
}

TEST(EngineProgram, AnalyseAndSolveSayWhatTheyProvedWhenTheBudgetIsTooSmallAndExitFive)
{
    test::PositionText allVertical;
    for (int i = 1; i <= 30; ++i)
        allVertical.draw('v', i);
    const auto analyse = runProgram("analyse --budget 10", allVertical.line() + "\n");
    EXPECT_EQ(analyse.status, kSolverGaveUp);
    // Five chains of five: the value needs no search, every edge's value does.
    EXPECT_EQ(analyse.out,
        "value -9\noutcome loss\nbest h 1\ngave up: the position needs more than 10 nodes\n");
    const auto solve = runProgram("solve --boxes 3x3 --budget 10");
    EXPECT_EQ(solve.status, kSolverGaveUp);
    EXPECT_EQ(lines(solve.out),
        std::vector<std::string> { "gave up: the board needs more than 10 nodes" });
}

TEST(EngineProgram, SolveGivesTheFirstPlayersMarginAndItsTableAndRefusesBadSizes)
{
    const auto run = runProgram("solve --boxes 2x2");
    EXPECT_EQ(run.status, 0) << run.err;
    const auto out = lines(run.out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0], "value 2");
    EXPECT_TRUE(out[1].starts_with("time ") && out[1].ends_with(" s")) << out[1];
    // Twelve edges have no use for more than 2^12 buckets.
    EXPECT_EQ(out[2], "table 128 KiB");
    // Three MiB asked: the largest power of two within it.
    const auto sized = lines(runProgram("solve --boxes 3x3 --table 3").out);
    ASSERT_EQ(sized.size(), 3u);
    EXPECT_EQ(sized[0], "value -3");
    EXPECT_EQ(sized[2], "table 2 MiB");
    for (const auto& [args, error] : std::vector<std::pair<std::string, std::string>> {
             { "solve --boxes 5x6",
                 "quadlo-engine: error: --boxes '5x6' has 71 edges; the solver takes boards of at "
                 "most 64" },
             { "solve --boxes 0x4", "quadlo-engine: error: --boxes '0x4' has no box" },
             { "solve --boxes 3by3",
                 "quadlo-engine: error: --boxes '3by3' is not W x H boxes written WxH, such as "
                 "3x3" },
             { "solve", "quadlo-engine: error: solve takes --boxes WxH and no other operand" },
             { "solve --boxes 2x2 --budget 0",
                 "quadlo-engine: error: --budget '0' is not a whole number 1..1000000000000" },
             { "solve --boxes 2x2 --table 65537",
                 "quadlo-engine: error: --table '65537' is not a whole number 1..65536" },
         }) {
        const auto bad = runProgram(args);
        EXPECT_EQ(bad.status, 2) << args;
        EXPECT_EQ(lines(bad.err).at(0), error) << args;
    }
}

TEST(EngineProgram, ReviewLeavesOutMovesTheBudgetCannotDecide)
{
    const auto path = std::filesystem::temp_directory_path()
        / ("quadlo-engine-review-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path) << "select easy\nseed 1\nclick v 1\nclick h 30\n";
    const auto run = runProgram("review --budget 100 '" + path.string() + "'");
    std::filesystem::remove(path);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "turning point: none\ndecided 0 of 2 human moves\n");
}

TEST(EngineProgram, ReviewNamesTheMoveThatThrewTheGameAway)
{
    const auto path = std::filesystem::temp_directory_path()
        / ("quadlo-engine-review-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path) << twoSquaresLeft() << "select easy\nseed 1\nclick h 30\n";
    const auto run = runProgram("review '" + path.string() + "'");
    std::filesystem::remove(path);
    EXPECT_EQ(run.status, 0) << run.err;
    // Both squares go to the computer: two squares given away, not the
    // margin's four.
    EXPECT_EQ(
        run.out, "move 1 h 30 lost 2\nturning point: move 1 h 30\ndecided 1 of 1 human moves\n");
}

TEST(EngineProgram, ReviewForgetsAMoveTakenBackAndGivesTheNextMoveItsNumber)
{
    const auto path = std::filesystem::temp_directory_path()
        / ("quadlo-engine-review-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path) << twoSquaresLeft()
                        << "select easy\nseed 1\nclick h 30\nundo\nclick v 25\n";
    const auto run = runProgram("review '" + path.string() + "'");
    std::filesystem::remove(path);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "move 1 v 25 lost 0\nturning point: none\ndecided 1 of 1 human moves\n");
}

} // namespace
} // namespace quadlo::engine
