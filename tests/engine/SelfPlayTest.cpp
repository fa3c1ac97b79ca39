// SPDX-License-Identifier: GPL-3.0-or-later
// Self-play as a library: the baseline players' choices, whole games that end
// properly and add up, a broken rule named, reproducibility from the seed, and
// the summary table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>

#include "GameTestSeam.h"
#include "engine/Bench.h"
#include "engine/CommandLine.h"
#include "engine/SelfPlay.h"

namespace quadlo::engine {
namespace {

void draw(Board& board, Family family, int index) { board.edge(family, index).tag = Mark::h; }

TEST(BaselinePlayers, GreedyTakesTheLastSideOfAReadySquareAndCarefulAvoidsThirdSides)
{
    // Square 7 has all sides but its bottom lblshape2(12); square 1 has its
    // top and left, so its right lblshape1(6) and bottom lblshape2(6) would be
    // a third side.
    Board board;
    for (auto [family, index] : { std::pair { Vertical, 7 }, { Horizontal, 7 }, { Vertical, 12 },
             { Horizontal, 1 }, { Vertical, 1 } })
        draw(board, family, index);
    EXPECT_EQ(completingEdges(board), (std::vector<Edge> { { Horizontal, 12 } }));
    BaselinePlayer greedy(HumanStrategy::Greedy, 11);
    EXPECT_EQ(greedy.choose(board), (Edge { Horizontal, 12 }));

    draw(board, Horizontal, 12);
    const auto safe = safeEdges(board);
    EXPECT_EQ(std::count(safe.begin(), safe.end(), Edge { Vertical, 6 }), 0);
    EXPECT_EQ(std::count(safe.begin(), safe.end(), Edge { Horizontal, 6 }), 0);
    BaselinePlayer careful(HumanStrategy::Careful, 3);
    for (int trial = 0; trial < 50; ++trial) {
        const auto choice = careful.choose(board);
        ASSERT_TRUE(choice);
        EXPECT_NE(std::find(safe.begin(), safe.end(), *choice), safe.end());
    }
}

TEST(BaselinePlayers, WithNoSafeEdgeTheyStillPickAnOpenOneAndWithNoneLeftNothing)
{
    Board board;
    for (int i = 1; i <= kEdgesPerFamily; ++i)
        draw(board, Horizontal, i);
    EXPECT_TRUE(safeEdges(board).empty());
    BaselinePlayer careful(HumanStrategy::Careful, 3);
    EXPECT_EQ(careful.choose(board).value().family, Vertical);
    for (int i = 1; i <= kEdgesPerFamily; ++i)
        draw(board, Vertical, i);
    BaselinePlayer random(HumanStrategy::Random, 3);
    EXPECT_EQ(random.choose(board), std::nullopt);
}

TEST(SelfPlay, EveryGameEndsWithTwentyFiveSquaresAndOneWinner)
{
    for (Difficulty level : { Difficulty::Easy, Difficulty::Medium, Difficulty::Hard }) {
        for (HumanStrategy human :
            { HumanStrategy::Random, HumanStrategy::Greedy, HumanStrategy::Careful }) {
            const auto records = playGames({ level, human, 12, 9 });
            ASSERT_EQ(records.size(), 12u);
            for (const GameRecord& r : records) {
                EXPECT_EQ(r.humanScore + r.computerScore, 25);
                EXPECT_LE(r.humanClicks, kMaxHumanClicks);
            }
            const SelfPlaySummary summary = summarise(records);
            EXPECT_EQ(summary.human.wins + summary.computer.wins, 12u);
        }
    }
}

TEST(SelfPlay, AClickThatBreaksARuleFailsTheRunNamingTheGameTheMoveAndTheRule)
{
    RefereedGame play;
    play.start(2, 5, Difficulty::Medium);
    play.click({ Vertical, 1 });
    // The human is given square 25 behind the game's back, none of its sides drawn.
    GameTestSeam::board(play.game()).shpMiddle[25] = { Mark::h, kHumanColour };
    try {
        play.click(openEdges(play.board()).front());
        ADD_FAILURE() << "the click was not judged";
    } catch (const SelfPlayFault& fault) {
        EXPECT_STREQ(fault.what(), "game 3, move 2: square 25 is owned with an open side");
    }
}

bool sameGames(const std::vector<GameRecord>& a, const std::vector<GameRecord>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.humanScore == y.humanScore && x.computerScore == y.computerScore
            && x.humanClicks == y.humanClicks;
    });
}

TEST(SelfPlay, AGameDependsOnlyOnTheSeedAndItsNumber)
{
    const SelfPlayOptions options { Difficulty::Hard, HumanStrategy::Greedy, 20, 17 };
    const auto first = playGames(options);
    EXPECT_TRUE(sameGames(first, playGames(options)));
    // The first 5 games of the run are the games of a 5-game run.
    EXPECT_TRUE(sameGames({ first.begin(), first.begin() + 5 },
        playGames({ Difficulty::Hard, HumanStrategy::Greedy, 5, 17 })));
    EXPECT_FALSE(sameGames(first, playGames({ Difficulty::Hard, HumanStrategy::Greedy, 20, 18 })));
}

TEST(SelfPlay, TheTableGivesWinsMeansAndSampleDeviations)
{
    const SelfPlaySummary s = summarise({ { 13, 12, 30 }, { 20, 5, 30 }, { 3, 22, 30 } });
    EXPECT_DOUBLE_EQ(s.human.sdScore, std::sqrt(73.0)); // deviations 1, 8, -9
    EXPECT_EQ(formatSelfPlayTable({ Difficulty::Easy, HumanStrategy::Careful, 3, 7 }, s),
        "selfplay: level easy, human careful, 3 games, seed 7\n"
        "side          wins     mean       sd\n"
        "human            2    12.00     8.54\n"
        "computer         1    13.00     8.54\n");
    EXPECT_EQ(summarise({ { 10, 15, 20 } }).human.sdScore, 0.0);
}

TEST(SelfPlay, OptionsDefaultToAHundredMediumGamesAgainstTheGreedyPlayerWithSeedOne)
{
    const auto d = std::get<SelfPlayOptions>(parseSelfPlayArguments({}));
    EXPECT_EQ(std::tuple(d.level, d.human, d.games, d.seed),
        std::tuple(Difficulty::Medium, HumanStrategy::Greedy, 100u, 1u));
    const auto g = std::get<SelfPlayOptions>(parseSelfPlayArguments(
        { "--seed", "4294967295", "--games", "3", "--human", "careful", "--level", "easy" }));
    EXPECT_EQ(std::tuple(g.level, g.human, g.games, g.seed),
        std::tuple(Difficulty::Easy, HumanStrategy::Careful, 3u, 4294967295u));
    EXPECT_EQ(std::get<BenchOptions>(parseBenchArguments({})).games, 200u);
}

TEST(SelfPlay, ALongRunOnATerminalShowsItsProgressAndAShortOneOrARedirectedOneNothing)
{
    const SelfPlayOptions options { Difficulty::Easy, HumanStrategy::Random, 3, 5 };
    auto progressOf = [&options](bool terminal, std::chrono::steady_clock::duration quiet) {
        std::ostringstream err;
        {
            ProgressLine progress(err, options.games, terminal, quiet);
            playGames(options, nullptr, std::ref(progress));
        }
        return err.str();
    };
    const std::string shown = progressOf(true, std::chrono::seconds(0));
    EXPECT_EQ(shown.rfind("\rselfplay: 1 of 3 games", 0), 0u) << shown;
    EXPECT_TRUE(shown.ends_with("\rselfplay: 3 of 3 games\n")) << shown;
    EXPECT_EQ(progressOf(true, std::chrono::hours(1)), "");
    EXPECT_EQ(progressOf(false, std::chrono::seconds(0)), "");
}

TEST(Bench, TimesEveryComputerAnswerAndOrdersItsPercentiles)
{
    const LevelTiming t = timeLevel(Difficulty::Medium, { 4, 1 });
    EXPECT_GE(t.turns, 4u);
    EXPECT_LE(t.medianMicros, t.p99Micros);
    EXPECT_LE(t.p99Micros, t.maxMicros);
    EXPECT_GT(t.peakMemoryKiB, 0);
}

// On a board far too big to solve the expert plays safe: it takes a square
// that is offered, and otherwise never draws a square's third side.
TEST(BaselinePlayers, TheExpertTakesAnOfferedSquareAndOtherwiseGivesNoneAway)
{
    Board board;
    for (auto [family, index] : { std::pair { Vertical, 7 }, { Horizontal, 7 }, { Vertical, 12 },
             { Horizontal, 1 }, { Vertical, 1 } })
        draw(board, family, index);
    BaselinePlayer expert(HumanStrategy::Expert, 5);
    EXPECT_EQ(expert.choose(board), (Edge { Horizontal, 12 }));
    draw(board, Horizontal, 12);
    const auto safe = safeEdges(board);
    for (int trial = 0; trial < 20; ++trial) {
        const auto choice = expert.choose(board);
        ASSERT_TRUE(choice);
        EXPECT_NE(std::find(safe.begin(), safe.end(), *choice), safe.end());
    }
}

TEST(SelfPlay, TheExpertBeatsHardInSeededGames)
{
    const auto records = playGames({ Difficulty::Hard, HumanStrategy::Expert, 3, 5 });
    for (const GameRecord& r : records)
        EXPECT_GT(r.humanScore, r.computerScore);
}

} // namespace
} // namespace quadlo::engine
