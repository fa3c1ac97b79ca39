// SPDX-License-Identifier: GPL-3.0-or-later
// The take-all test of a Hard turn: whether taking every square within the
// computer's reach in a row would finish the game, and that asking leaves the
// board exactly as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "BoardTestSupport.h"
#include "opponent/TakeAll.h"

namespace quadlo {
namespace {

using test::H;
using test::V;

// A late position: every edge drawn except `open`, every square owned except
// `unowned`, and the owned ones counted as the turn driver counts them.
Board latePosition(std::initializer_list<Edge> open, std::initializer_list<int> unowned)
{
    Board board;
    test::mark(board, test::allEdgesExcept(open));
    for (int square = 1; square <= kSquareCount; ++square) {
        if (std::find(unowned.begin(), unowned.end(), square) == unowned.end()) {
            test::own(board, square, square % 2 ? Mark::h : Mark::c);
            ++board.completedSquares;
        }
    }
    EXPECT_TRUE(test::invariantsHold(board));
    return board;
}

// Runs the test as the Hard set-up does (count and verdict reset first) and
// checks that the sweep's marks are gone and nothing else was touched.
void takeAll(Board& board)
{
    board.closableSquares = 0;
    board.allClosable = false;
    board.captureCount = 5;
    const auto edges = test::snapshot(board);
    const auto scores = test::scores(board);
    safetyprecautions(board);
    EXPECT_EQ(test::snapshot(board), edges) << "every sweep mark must be removed";
    EXPECT_EQ(test::scores(board), scores);
    EXPECT_FALSE(board.sweepMode);
    EXPECT_EQ(board.captureCount, 5) << "the sweep counts nothing";
}

TEST(TakeAllTest, TakingTheLastReadyChainThatFinishesTheGameMakesEverythingClosable)
{
    // Squares 3 and 5 are ready; taking them makes square 4 ready too.
    Board board = latePosition({ V(16), V(21) }, { 3, 4, 5 });
    ASSERT_EQ(board.completedSquares, 22);
    takeAll(board);
    EXPECT_EQ(board.closableSquares, 3);
    EXPECT_TRUE(board.allClosable);
}

TEST(TakeAllTest, ASquareOutOfTheComputersReachKeepsTheGameFromBeingClosable)
{
    // Square 25 has two open sides: no sweep reaches it.
    Board board = latePosition({ V(16), V(21), H(30), V(30) }, { 3, 4, 5, 25 });
    ASSERT_EQ(board.completedSquares, 21);
    takeAll(board);
    EXPECT_EQ(board.closableSquares, 3);
    EXPECT_FALSE(board.allClosable);
}

TEST(TakeAllTest, WithoutAReadySquareNothingIsClosable)
{
    Board opening;
    test::mark(opening, { H(1), V(1), H(13), V(18), H(30) });
    takeAll(opening);
    EXPECT_EQ(opening.closableSquares, 0);
    EXPECT_FALSE(opening.allClosable);

    // Two squares left, each with two open sides: nothing is in reach.
    Board late = latePosition({ V(1), H(1), V(30), H(30) }, { 1, 25 });
    takeAll(late);
    EXPECT_EQ(late.closableSquares, 0);
    EXPECT_FALSE(late.allClosable);
}

TEST(TakeAllTest, SeparateReadyChainsAreAllSweptAndASideClosingTwoSquaresCountsBoth)
{
    // Squares 1 and 2 share their only open side V6; square 24 is ready on V25,
    // which makes square 25 ready on V30.
    Board board = latePosition({ V(6), V(25), V(30) }, { 1, 2, 24, 25 });
    takeAll(board);
    EXPECT_EQ(board.closableSquares, 4);
    EXPECT_TRUE(board.allClosable);
}

} // namespace
} // namespace quadlo
