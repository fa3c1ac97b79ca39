// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games against the baseline humans at every level, every click judged
// by the rules referee. The long run is tests/core/Soak.cpp.
#include <gtest/gtest.h>

#include "GameTestSupport.h"

namespace quadlo {
namespace {

void expectSoundGames(Difficulty level, int games)
{
    const test::RandomGameReport report = test::playRandomGames(level, games, 2026);
    EXPECT_EQ(report.games, games);
    EXPECT_EQ(report.faultyGames, 0) << report.firstFault;
    // One level per square the computer takes in a row, above the first call.
    EXPECT_LE(report.deepestNesting, 26);
    EXPECT_GE(report.deepestNesting, 2);
}

TEST(WholeGames, EasyGamesAgainstTheBaselineHumansKeepTheRulesToTheEnd)
{
    expectSoundGames(Difficulty::Easy, 2000);
}

TEST(WholeGames, MediumGamesAgainstTheBaselineHumansKeepTheRulesToTheEnd)
{
    expectSoundGames(Difficulty::Medium, 2000);
}

TEST(WholeGames, HardGamesAgainstTheBaselineHumansKeepTheRulesToTheEnd)
{
    expectSoundGames(Difficulty::Hard, 1000);
}

} // namespace
} // namespace quadlo
