// SPDX-License-Identifier: GPL-3.0-or-later
// The forced-side propagation: which sides it marks, in which order, how deep
// its passes nest, and what it counts, in both modes.
#include <gtest/gtest.h>

#include "BoardTestSupport.h"
#include "opponent/ForcedSides.h"

namespace quadlo {
namespace {

using test::H;
using test::V;

std::vector<Edge> order(const MarkTrace& trace)
{
    std::vector<Edge> edges;
    for (const MarkTraceEntry& e : trace)
        edges.push_back(e.edge);
    return edges;
}

int deepestPass(const MarkTrace& trace)
{
    int deepest = 1;
    for (const MarkTraceEntry& e : trace)
        deepest = std::max(deepest, e.passDepth + 1);
    return deepest;
}

struct Propagated {
    std::vector<Edge> marked;
    int passes;
    int tally;
};

// Runs a counting propagation with `candidate` marked "vc" on a board where
// `drawn` carry real marks.
Propagated countFrom(std::vector<Edge> drawn, std::optional<Edge> candidate)
{
    Board board;
    test::mark(board, drawn);
    if (candidate)
        test::mark(board, { *candidate }, Mark::vc);
    MarkTrace trace;
    Checkbox4(board, &trace);
    EXPECT_EQ(board.edgesMarked(Mark::vh).size(), trace.size());
    for (const MarkTraceEntry& e : trace)
        EXPECT_EQ(board.edge(e.edge).tag, Mark::vh);
    return { order(trace), deepestPass(trace), board.captureCount };
}

const std::vector<Edge> kCorridor { H(1), H(2), H(3), H(6), H(7), H(8) };

TEST(ForcedSides, NothingIsForcedWhereNoSquareHasOneOpenSide)
{
    Board board;
    board.captureCount = 7;
    test::mark(board, { H(1), V(1), H(13), V(18) });
    const auto before = test::snapshot(board);
    Checkbox4(board);
    EXPECT_EQ(test::snapshot(board), before);
    EXPECT_EQ(board.captureCount, 7) << "the tally is only ever added to";

    const Propagated empty = countFrom({}, V(12));
    EXPECT_TRUE(empty.marked.empty());
    EXPECT_EQ(empty.tally, 0);
}

TEST(ForcedSides, ACandidateClosingTheThirdSideForcesTheFourthAndStops)
{
    const Propagated p = countFrom({ H(1), V(1) }, V(6));
    EXPECT_EQ(p.marked, (std::vector { H(6) }));
    EXPECT_EQ(p.tally, 1);
}

TEST(ForcedSides, ACorridorIsFollowedToItsEndInTheOrderItIsFound)
{
    const Propagated fromLeft = countFrom(kCorridor, V(1));
    EXPECT_EQ(fromLeft.marked, (std::vector { V(6), V(11), V(16) }));
    EXPECT_EQ(fromLeft.tally, 3);
    EXPECT_EQ(fromLeft.passes, 4);

    // From the inner edge the nested pass goes back to square 1 first.
    const Propagated fromInside = countFrom(kCorridor, V(6));
    EXPECT_EQ(fromInside.marked, (std::vector { V(1), V(11), V(16) }));
    EXPECT_EQ(fromInside.tally, 3);

    const Propagated away = countFrom(kCorridor, H(4));
    EXPECT_TRUE(away.marked.empty());
    EXPECT_EQ(away.tally, 0);
}

TEST(ForcedSides, ALoopOfFourCountsForcedMovesNotSquares)
{
    const Propagated p = countFrom({ V(1), V(2), V(11), V(12), H(1), H(2), H(11), H(12) }, V(6));
    EXPECT_EQ(p.marked, (std::vector { H(6), H(7), V(7) }));
    EXPECT_EQ(p.tally, 3);
}

TEST(ForcedSides, ASideSharedByTwoReadySquaresIsCountedOnce)
{
    const Propagated p = countFrom({ H(1), H(2), H(6), H(7), V(1), V(11) }, std::nullopt);
    EXPECT_EQ(p.marked, (std::vector { V(6) }));
    EXPECT_EQ(p.tally, 1);
}

TEST(ForcedSides, OnTheAllHorizontalBoardEveryVerticalEdgeCostsFive)
{
    const Propagated fromBorder = countFrom(test::allHorizontal(), V(1));
    EXPECT_EQ(fromBorder.marked, (std::vector { V(6), V(11), V(16), V(21), V(26) }));
    EXPECT_EQ(fromBorder.passes, 6);

    const Propagated fromInside = countFrom(test::allHorizontal(), V(11));
    EXPECT_EQ(fromInside.marked, (std::vector { V(6), V(1), V(16), V(21), V(26) }));

    for (int i = 1; i <= 30; ++i)
        EXPECT_EQ(countFrom(test::allHorizontal(), V(i)).tally, 5) << "V" << i;
}

TEST(ForcedSides, AReadyChainOnTheBoardEntersEveryCandidatesTally)
{
    std::vector<Edge> ready = kCorridor;
    ready.push_back(V(1));
    for (Edge away : { H(26), H(4) }) {
        const Propagated p = countFrom(ready, away);
        EXPECT_EQ(p.marked, (std::vector { V(6), V(11), V(16) })) << away;
        EXPECT_EQ(p.tally, 3) << away;
    }
    for (Edge inside : { V(6), V(11), V(16) })
        EXPECT_EQ(countFrom(ready, inside).tally, 2) << inside;
}

TEST(ForcedSides, SweepModeMarksTheSameSidesVvcAndCountsNothing)
{
    struct Case {
        std::vector<Edge> drawn;
        Edge candidate;
    };
    const Case cases[] = {
        { kCorridor, V(1) },
        { kCorridor, V(6) },
        { { V(1), V(2), V(11), V(12), H(1), H(2), H(11), H(12) }, V(6) },
        { test::allHorizontal(), V(11) },
    };
    for (const Case& c : cases) {
        const Propagated counted = countFrom(c.drawn, c.candidate);

        Board board;
        test::mark(board, c.drawn);
        test::mark(board, { c.candidate }, Mark::vc);
        board.sweepMode = true;
        board.captureCount = 4;
        MarkTrace trace;
        Checkbox4(board, &trace);
        EXPECT_EQ(order(trace), counted.marked) << c.candidate;
        EXPECT_EQ(board.edgesMarked(Mark::vvc).size(), counted.marked.size());
        EXPECT_TRUE(board.edgesMarked(Mark::vh).empty());
        EXPECT_EQ(board.captureCount, 4);
    }
}

TEST(ForcedSides, HypotheticalMarksCountAsDrawnAndMarkingNeverRecolours)
{
    Board board;
    test::mark(board, { H(1) }, Mark::vvc);
    test::mark(board, { H(6) }, Mark::vh);
    test::mark(board, { V(1) }, Mark::c);
    Checkbox4(board);
    EXPECT_EQ(board.lblshape1[6].tag, Mark::vh);
    EXPECT_EQ(board.lblshape1[6].backColor, kBoardColour);
    EXPECT_EQ(board.captureCount, 1);
    EXPECT_EQ(board.lblshape1[0].tag, Mark::a);
    EXPECT_EQ(board.lblshape2[0].tag, Mark::a);
}

TEST(ForcedSides, OneExaminationMarksAtMostOneSideOfItsSquare)
{
    Board board;
    test::mark(board, { H(1), H(6) });
    test::mark(board, { V(6) }, Mark::vc);
    board.captureCount = 0;
    Verifiable(board, squareSides(1));
    EXPECT_EQ(board.edgesMarked(Mark::vh), (std::vector { V(1) }));
    EXPECT_EQ(board.captureCount, 1);
}

} // namespace
} // namespace quadlo
