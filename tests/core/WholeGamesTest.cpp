// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games against a random human at every level, with the board's
// invariants checked after every click. The long run is tests/core/Soak.cpp.
#include <gtest/gtest.h>

#include "GameTestSupport.h"

namespace quadlo {
namespace {

void expectSoundGames(Difficulty level, int games)
{
    const test::RandomGameReport report = test::playRandomGames(level, games, 2026);
    EXPECT_EQ(report.games, games);
    EXPECT_EQ(report.faults, 0) << report.firstFault;
    // One level per square the computer takes in a row, above the first call.
    EXPECT_LE(report.deepestNesting, 26);
    EXPECT_GE(report.deepestNesting, 2);
}

TEST(WholeGames, EasyGamesAgainstARandomHumanStayConsistentToTheEnd)
{
    expectSoundGames(Difficulty::Easy, 2000);
}

TEST(WholeGames, MediumGamesAgainstARandomHumanStayConsistentToTheEnd)
{
    expectSoundGames(Difficulty::Medium, 2000);
}

TEST(WholeGames, HardGamesAgainstARandomHumanStayConsistentToTheEnd)
{
    expectSoundGames(Difficulty::Hard, 1000);
}

} // namespace
} // namespace quadlo
