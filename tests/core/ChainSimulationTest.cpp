// SPDX-License-Identifier: GPL-3.0-or-later
// The chain look-ahead behind a ready square: the one shape it answers (a
// chain of exactly four squares closed at its far end, answered with the edge
// between the second and third squares), the many shapes it declines, where it
// stops, and that it only ever reads the board.
#include <gtest/gtest.h>

#include <vector>

#include "BoardTestSupport.h"
#include "opponent/ChainSimulation.h"

namespace quadlo {
namespace {

using test::H;
using test::V;

// Squares 1 to 4 of the top row, closed at both ends, joined by V6, V11, V16.
const std::vector<Edge> kTopRowChain { V(1), H(1), H(6), H(2), H(7), H(3), H(8), H(4), H(9),
    V(21) };

// Squares 1, 2, 7 and 12, joined by V6, H7 and H12: right, down, down.
const std::vector<Edge> kBentChain { V(1), H(1), H(6), H(2), V(11), V(7), V(12), V(8), V(13),
    H(17) };

// Starts a look-ahead from a ready square through its open side, with the
// state reset as the completion scan resets it, and checks that the board was
// only read.
ChainSimulation lookAhead(Board& board, int square, Edge open)
{
    ChainSimulation chain(board);
    chain.chainEdge = static_cast<std::int16_t>(open.index);
    chain.chainEdgeIsVertical = open.family == Vertical;
    chain.chainDepth = 0;
    chain.chainStop = false;
    chain.chainDeadEnd = false;
    board.moveEdge = 0;
    board.moveFamily = NoFamily;
    const auto edges = test::snapshot(board);
    const auto scores = test::scores(board);
    chain.Simulation(squareSides(square));
    EXPECT_EQ(test::snapshot(board), edges) << "the look-ahead must not change the board";
    EXPECT_EQ(test::scores(board), scores);
    return chain;
}

Board boardWith(const std::vector<Edge>& drawn)
{
    Board board;
    test::mark(board, drawn);
    return board;
}

// Where a look-ahead starts: the square and its open side.
struct Start {
    int square;
    Edge open;
};

TEST(ChainSimulation, AFourSquareChainClosedAtItsFarEndIsAnsweredWithItsMiddleEdge)
{
    for (const Start start : { Start { 1, V(6) }, Start { 4, V(16) } }) {
        Board board = boardWith(kTopRowChain);
        const ChainSimulation chain = lookAhead(board, start.square, start.open);
        EXPECT_EQ(board.moveEdge, 11) << "from square " << start.square;
        EXPECT_EQ(board.moveFamily, Vertical) << "from square " << start.square;
        EXPECT_EQ(chain.chainDepth, 3);
        EXPECT_TRUE(chain.chainDeadEnd);
        EXPECT_TRUE(chain.chainStop);
        EXPECT_EQ(chain.savedChainEdge, 11);
        EXPECT_TRUE(chain.savedChainEdgeIsVertical);
    }
}

TEST(ChainSimulation, ABentChainIsAnsweredWithTheEdgeBetweenItsSecondAndThirdSquares)
{
    // From square 12 the chain is followed up, up and left. On square 7 the
    // chain edge is H7 while its left side is V7: only the family tells them
    // apart.
    for (const Start start : { Start { 1, V(6) }, Start { 12, H(12) } }) {
        Board board = boardWith(kBentChain);
        const ChainSimulation chain = lookAhead(board, start.square, start.open);
        EXPECT_EQ(board.moveEdge, 7) << "from square " << start.square;
        EXPECT_EQ(board.moveFamily, Horizontal) << "from square " << start.square;
        EXPECT_TRUE(chain.chainStop);
    }
}

TEST(ChainSimulation, AReadySquareOpenToTheBorderIsNotFollowed)
{
    struct Start {
        int square;
        Edge open;
    };
    const Start starts[] = { { 1, V(1) }, { 3, H(3) }, { 10, V(27) }, { 23, H(28) } };
    for (const Start& start : starts) {
        std::vector<Edge> drawn;
        for (Edge side : test::sidesOf(start.square)) {
            if (!(side == start.open))
                drawn.push_back(side);
        }
        Board board = boardWith(drawn);
        const ChainSimulation chain = lookAhead(board, start.square, start.open);
        EXPECT_EQ(board.moveEdge, 0) << start.open;
        EXPECT_EQ(chain.chainDepth, 1) << start.open;
        EXPECT_EQ(chain.chainEdge, start.open.index) << start.open << ": no square was entered";
        EXPECT_FALSE(chain.chainStop) << start.open;
    }
}

TEST(ChainSimulation, ASquareWithSeveralFurtherOpenSidesEndsTheChainWithoutAnAnswer)
{
    struct Case {
        std::vector<Edge> drawn;
        int depth;
    };
    const Case cases[] = {
        { { V(1), H(1), H(6) }, 2 }, // square 2 has three further open sides
        { { V(1), H(1), H(6), H(2) }, 2 }, // two
        { { V(1), H(1), H(6), H(2), H(7) }, 3 }, // square 3 has three
        { { V(1), H(1), H(6), H(2), H(7), H(3) }, 3 }, // two
    };
    for (const Case& c : cases) {
        Board board = boardWith(c.drawn);
        const ChainSimulation chain = lookAhead(board, 1, V(6));
        EXPECT_EQ(board.moveEdge, 0) << "depth " << c.depth;
        EXPECT_EQ(chain.chainDepth, c.depth);
        EXPECT_EQ(chain.chainEdge, 0);
        EXPECT_FALSE(chain.chainStop);
    }
}

TEST(ChainSimulation, ChainsOfTwoOrThreeSquaresClosedAtBothEndsStopWithoutAnAnswer)
{
    Board two = boardWith({ V(1), H(1), H(6), H(2), V(11), H(7) });
    const ChainSimulation pair = lookAhead(two, 1, V(6));
    EXPECT_EQ(two.moveEdge, 0);
    EXPECT_TRUE(pair.chainDeadEnd);
    EXPECT_TRUE(pair.chainStop);
    EXPECT_EQ(pair.chainDepth, 1);

    Board three = boardWith({ V(1), H(1), H(6), H(2), H(7), H(3), H(8), V(16) });
    const ChainSimulation triple = lookAhead(three, 1, V(6));
    EXPECT_EQ(three.moveEdge, 0);
    EXPECT_TRUE(triple.chainDeadEnd);
    EXPECT_TRUE(triple.chainStop);
    EXPECT_EQ(triple.chainDepth, 2);
}

TEST(ChainSimulation, AChainThatGoesOnPastItsFourthSquareGivesNoAnswer)
{
    const std::vector<Edge> corridor { V(1), H(1), H(6), H(2), H(7), H(3), H(8), H(4), H(9) };
    std::vector<Edge> fiveClosed = corridor;
    fiveClosed.insert(fiveClosed.end(), { H(5), H(10), V(26) });
    std::vector<Edge> fourOpenBelow = kTopRowChain;
    fourOpenBelow.erase(fourOpenBelow.begin() + 8); // H9: square 4 open below too
    const std::vector<Edge> boards[] = { corridor, fiveClosed, fourOpenBelow };
    for (const std::vector<Edge>& drawn : boards) {
        Board board = boardWith(drawn);
        const ChainSimulation chain = lookAhead(board, 1, V(6));
        EXPECT_EQ(board.moveEdge, 0);
        EXPECT_EQ(chain.chainDepth, 3);
        EXPECT_FALSE(chain.chainDeadEnd);
        EXPECT_TRUE(chain.chainStop) << "the look-ahead goes no deeper than the fourth square";
    }
}

TEST(ChainSimulation, AChainLeavingThroughTheBorderGivesNoAnswer)
{
    // Square 2 leaves through its top side H2.
    Board second = boardWith({ V(1), H(1), H(6), V(11), H(7) });
    const ChainSimulation fromSecond = lookAhead(second, 1, V(6));
    EXPECT_EQ(second.moveEdge, 0);
    EXPECT_EQ(fromSecond.chainDepth, 2);
    EXPECT_FALSE(fromSecond.chainStop);

    // Square 3 leaves through its top side H3.
    Board third = boardWith({ V(1), H(1), H(6), H(2), H(7), V(16), H(8) });
    const ChainSimulation fromThird = lookAhead(third, 1, V(6));
    EXPECT_EQ(third.moveEdge, 0);
    EXPECT_EQ(fromThird.chainDepth, 3);
    EXPECT_FALSE(fromThird.chainStop);
}

TEST(ChainSimulation, HypotheticalAndComputerMarksCountAsDrawnSides)
{
    Board board = boardWith(kTopRowChain);
    test::mark(board, { V(1) }, Mark::vh);
    test::mark(board, { H(7) }, Mark::vc);
    test::mark(board, { H(8), V(21) }, Mark::vvc);
    test::mark(board, { H(4) }, Mark::c);
    lookAhead(board, 1, V(6));
    EXPECT_EQ(board.moveEdge, 11);
    EXPECT_EQ(board.moveFamily, Vertical);
}

} // namespace
} // namespace quadlo
