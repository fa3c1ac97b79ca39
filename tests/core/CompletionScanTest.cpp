// SPDX-License-Identifier: GPL-3.0-or-later
// The box completion scan: the scoring pass that awards completed squares to
// whoever drew their last side, and the search pass that proposes the
// computer's edge from the ready squares, with the Hard choices of declining a
// square for its neighbour's side and of following a chain first.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

#include "BoardTestSupport.h"
#include "opponent/ChainSimulation.h"
#include "opponent/CompletionScan.h"

namespace quadlo {
namespace {

using test::H;
using test::V;

struct Proposal {
    Family family;
    int edge;
    bool operator==(const Proposal&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Proposal& p)
{
    if (p.family == NoFamily && p.edge == 0)
        return out << "no move";
    return out << (p.family == Vertical ? "V" : p.family == Horizontal ? "H" : "?") << p.edge;
}

constexpr Proposal kNoMove { NoFamily, 0 };
Proposal proposed(Edge e) { return { e.family, e.index }; }

Board boardWith(const std::vector<Edge>& drawn)
{
    Board board;
    test::mark(board, drawn);
    return board;
}

void scoringPass(Board& board)
{
    ChainSimulation chain(board);
    CompletionScan scan(board, chain);
    scan.CheckBox2();
}

struct Searched {
    Proposal move;
    int chainDepth;
};

// Runs a search pass as the turn driver does (no move yet, searchMode around
// the scan) and checks that it awarded nothing and left every edge mark and
// colour as it found them: the look-ahead and the neighbour test only read.
Searched searchPass(Board& board)
{
    board.moveEdge = 0;
    board.moveFamily = NoFamily;
    const auto edges = test::snapshot(board);
    const auto scores = test::scores(board);
    ChainSimulation chain(board);
    CompletionScan scan(board, chain);
    board.searchMode = true;
    scan.CheckBox2();
    board.searchMode = false;
    EXPECT_EQ(test::snapshot(board), edges) << "the search must leave the board as it found it";
    EXPECT_EQ(test::scores(board), scores) << "the search awards nothing";
    return { { board.moveFamily, board.moveEdge }, chain.chainDepth };
}

// Hard, after a set-up that found declining a square worth it: two squares
// capturable, no cheap quiet move, not the late endgame. nearEndgame keeps the
// chain look-ahead out.
void declineSetUp(Board& board)
{
    board.selectDifficulty(Difficulty::Hard);
    board.allClosable = false;
    board.twoCapturable = true;
    board.lateEndgame = false;
    board.bestCostUnder2 = false;
    board.bestCostUnder4 = false;
    board.nearEndgame = true;
}

// Hard with the chain look-ahead allowed and the neighbour test off.
void lookAheadSetUp(Board& board)
{
    board.selectDifficulty(Difficulty::Hard);
    board.allClosable = false;
    board.twoCapturable = false;
    board.nearEndgame = false;
    board.bestCostUnder4 = false;
}

// Square 1 ready on V6; square 2 with H2 and H7 drawn has V11 as its one
// further open side.
const std::vector<Edge> kDeclinable { V(1), H(1), H(6), H(2), H(7) };

// Squares 1 to 4 of the top row closed at both ends: squares 1 and 4 are ready.
const std::vector<Edge> kTopRowChain { V(1), H(1), H(6), H(2), H(7), H(3), H(8), H(4), H(9),
    V(21) };

TEST(CompletionScan, TheScoringPassAwardsASquareClosedOnAnEvenCountToTheHuman)
{
    std::vector<Edge> drawn = test::sidesOf(1);
    for (int square : { 7, 25 }) {
        const std::vector<Edge> sides = test::sidesOf(square);
        drawn.insert(drawn.end(), sides.begin(), sides.end());
    }
    drawn.insert(drawn.end(), { V(13), H(13), V(18) }); // square 13 ready, not closed
    Board board = boardWith(drawn);
    test::own(board, 1, Mark::c);
    test::own(board, 25, Mark::h);
    board.turnCount = 2;
    scoringPass(board);

    EXPECT_EQ(board.shpMiddle[7].tag, Mark::h);
    EXPECT_EQ(board.shpMiddle[7].backColor, kHumanColour);
    EXPECT_EQ(board.humanScore, 2);
    EXPECT_EQ(board.lblScore1, "2");
    EXPECT_EQ(board.lastScorer, 1);
    EXPECT_EQ(board.shpMiddle[1].tag, Mark::c) << "an owned square keeps its owner";
    EXPECT_EQ(board.computerScore, 1);
    EXPECT_EQ(board.lblScore2, "1");
    EXPECT_EQ(board.shpMiddle[13].tag, Mark::a);
    EXPECT_EQ(board.moveEdge, 0) << "the scoring pass proposes nothing";

    // Nothing is left to award: a second pass changes nothing, lastScorer included.
    board.lastScorer = 0;
    const auto scores = test::scores(board);
    scoringPass(board);
    EXPECT_EQ(test::scores(board), scores);
    EXPECT_EQ(board.lastScorer, 0);
    EXPECT_TRUE(test::invariantsHold(board));
}

TEST(CompletionScan, OneComputerEdgeClosingTwoSquaresScoresBothOnAnOddCount)
{
    Board board = boardWith({ V(8), H(12), V(13), V(9), V(14), H(22) });
    test::mark(board, { H(17) }, Mark::c);
    board.turnCount = 3;
    scoringPass(board);

    for (int square : { 12, 17 }) {
        EXPECT_EQ(board.shpMiddle[static_cast<std::size_t>(square)].tag, Mark::c) << square;
        EXPECT_EQ(board.shpMiddle[static_cast<std::size_t>(square)].backColor, kComputerColour);
    }
    EXPECT_EQ(board.computerScore, 2);
    EXPECT_EQ(board.lblScore2, "2");
    EXPECT_EQ(board.lastScorer, 2);
    EXPECT_EQ(board.humanScore, 0);
    EXPECT_EQ(board.lblScore1, "0");
    board.lastScorer = 0;
    EXPECT_TRUE(test::invariantsHold(board));
}

TEST(CompletionScan, TheScoringPassCountsLookAheadMarksAsDrawnSides)
{
    Board board = boardWith({ H(24) });
    test::mark(board, { V(19) }, Mark::vh);
    test::mark(board, { H(19) }, Mark::vc);
    test::mark(board, { V(24) }, Mark::vvc);
    board.turnCount = 2;
    scoringPass(board);
    EXPECT_EQ(board.shpMiddle[19].tag, Mark::h);
    EXPECT_EQ(board.humanScore, 1);
}

TEST(CompletionScan, TheSearchProposesTheOpenSideOfTheLastReadySquareInBoardOrder)
{
    // Square 4 is ready below, square 20 on its left. Square 20's drawn sides
    // are look-ahead marks, which count as drawn.
    for (Difficulty level : { Difficulty::Easy, Difficulty::Medium }) {
        Board board = boardWith({ V(16), H(4), V(21) });
        test::mark(board, { H(20) }, Mark::vh);
        test::mark(board, { V(29) }, Mark::vc);
        test::mark(board, { H(25) }, Mark::vvc);
        board.selectDifficulty(level);
        EXPECT_EQ(searchPass(board).move, proposed(V(24)));
    }
}

TEST(CompletionScan, BelowHardEveryReadySquareIsTakenWhateverTheHardFlags)
{
    for (Difficulty level : { Difficulty::Easy, Difficulty::Medium }) {
        Board declinable = boardWith(kDeclinable);
        declineSetUp(declinable);
        declinable.selectDifficulty(level);
        EXPECT_EQ(searchPass(declinable).move, proposed(V(6)));

        Board chain = boardWith(kTopRowChain);
        lookAheadSetUp(chain);
        chain.selectDifficulty(level);
        const Searched s = searchPass(chain);
        EXPECT_EQ(s.move, proposed(V(16)));
        EXPECT_EQ(s.chainDepth, 0) << "no look-ahead below Hard";
    }
}

TEST(CompletionScan, WithoutAReadySquareTheSearchProposesNothing)
{
    // Square 13 is fully drawn but unowned: it has no open side to propose.
    // Squares 1 and 25 have two open sides each.
    for (Difficulty level : { Difficulty::Easy, Difficulty::Hard }) {
        Board board = boardWith({ V(13), H(13), V(18), H(18), V(1), H(1), V(30) });
        declineSetUp(board);
        board.nearEndgame = false;
        board.selectDifficulty(level);
        EXPECT_EQ(searchPass(board).move, kNoMove);
        EXPECT_EQ(board.shpMiddle[13].tag, Mark::a);
    }
}

TEST(CompletionScan, AtHardTheComputerDeclinesASquareForItsNeighboursOneFurtherOpenSide)
{
    Board far = boardWith(kDeclinable);
    declineSetUp(far);
    EXPECT_EQ(searchPass(far).move, proposed(V(11)));

    // The neighbour's open side is a cross side: a horizontal edge for a
    // vertical open side.
    Board cross = boardWith({ V(1), H(1), H(6), V(11), H(7) });
    declineSetUp(cross);
    EXPECT_EQ(searchPass(cross).move, proposed(H(2)));
}

TEST(CompletionScan, TheNeighbourTestReadsTheNeighbourAcrossEachSide)
{
    // Square 13 ready on each side in turn; the neighbour across it has its far
    // side and its two cross sides, and each in turn is left as its one
    // further open side.
    struct Side {
        Edge open;
        Edge neighbourSides[3]; // far, cross 1, cross 2
    };
    const Side sides[] = {
        { V(13), { V(8), H(12), H(17) } },
        { H(13), { H(8), V(12), V(17) } },
        { V(18), { V(23), H(14), H(19) } },
        { H(18), { H(23), V(14), V(19) } },
    };
    for (const Side& side : sides) {
        for (int left = 0; left < 3; ++left) {
            std::vector<Edge> drawn;
            for (Edge e : test::sidesOf(13)) {
                if (!(e == side.open))
                    drawn.push_back(e);
            }
            for (int i = 0; i < 3; ++i) {
                if (i != left)
                    drawn.push_back(side.neighbourSides[i]);
            }
            Board board = boardWith(drawn);
            declineSetUp(board);
            EXPECT_EQ(searchPass(board).move, proposed(side.neighbourSides[left]))
                << "open side " << side.open;
        }
    }
}

TEST(CompletionScan, TheSquareIsTakenWhenItsNeighbourHasNotExactlyOneFurtherOpenSide)
{
    struct Case {
        std::vector<Edge> drawn;
        Edge taken;
    };
    const Case cases[] = {
        { { V(1), H(1), H(6), H(2), V(11), H(7) }, V(6) }, // both ready: V6 takes two
        { { H(1), V(6), H(6) }, V(1) }, // a border side has no neighbour
        { { V(1), H(1), H(6), H(2) }, V(6) }, // two further open sides
        { { V(1), H(1), H(6) }, V(6) }, // three
    };
    for (const Case& c : cases) {
        Board board = boardWith(c.drawn);
        declineSetUp(board);
        EXPECT_EQ(searchPass(board).move, proposed(c.taken));
    }
}

TEST(CompletionScan, TheSquareIsTakenUnlessTheSetUpFoundDecliningWorthIt)
{
    const std::function<void(Board&)> changes[] = {
        [](Board& b) { b.twoCapturable = false; },
        [](Board& b) { b.lateEndgame = true; },
        [](Board& b) { b.bestCostUnder2 = true; },
    };
    for (const auto& change : changes) {
        Board board = boardWith(kDeclinable);
        declineSetUp(board);
        change(board);
        EXPECT_EQ(searchPass(board).move, proposed(V(6)));
    }
}

TEST(CompletionScan, TheChainLookAheadAnswersBeforeTheSquareIsTaken)
{
    // Both ready squares of each chain answer its middle edge; square 12 of
    // the bent chain is ready on its top side and answers last.
    Board board = boardWith(kTopRowChain);
    lookAheadSetUp(board);
    EXPECT_EQ(searchPass(board).move, proposed(V(11)));
    Board bent = boardWith({ V(1), H(1), H(6), H(2), V(11), V(7), V(12), V(8), V(13), H(17) });
    lookAheadSetUp(bent);
    EXPECT_EQ(searchPass(bent).move, proposed(H(7)));

    // Without the look-ahead, square 4 is the last ready square.
    const std::function<void(Board&)> changes[] = {
        [](Board& b) { b.nearEndgame = true; },
        [](Board& b) { b.bestCostUnder4 = true; },
    };
    for (const auto& change : changes) {
        Board withoutLookAhead = boardWith(kTopRowChain);
        lookAheadSetUp(withoutLookAhead);
        change(withoutLookAhead);
        EXPECT_EQ(searchPass(withoutLookAhead).move, proposed(V(16)));
    }

    // A later ready square overwrites the answer: square 25, ready on its
    // bottom border, gets no answer of its own and is taken.
    std::vector<Edge> withLater = kTopRowChain;
    withLater.insert(withLater.end(), { V(25), H(25), V(30) });
    Board later = boardWith(withLater);
    lookAheadSetUp(later);
    EXPECT_EQ(searchPass(later).move, proposed(H(30)));
}

TEST(CompletionScan, ALookAheadWithoutAnAnswerLeavesTheChoiceToTheNeighbourTestAndTheSquare)
{
    // Square 3 has three further open sides: the chain ends there, unanswered.
    for (bool twoCapturable : { true, false }) {
        Board board = boardWith(kDeclinable);
        lookAheadSetUp(board);
        board.twoCapturable = twoCapturable;
        const Searched s = searchPass(board);
        EXPECT_EQ(s.chainDepth, 3) << "the look-ahead ran";
        EXPECT_EQ(s.move, proposed(twoCapturable ? V(11) : V(6)));
    }
}

TEST(CompletionScan, DudereallyReopensOnlyComputerMarksNotShownGreen)
{
    Board board;
    test::mark(board, { V(3), H(3) }, Mark::c);
    board.lblshape1[4].tag = Mark::c; // still blue
    board.lblshape2[5].tag = Mark::c;
    board.lblshape2[5].backColor = kHumanColour;
    test::mark(board, { H(9) }, Mark::h);
    board.lblshape2[9].backColor = kBoardColour;
    test::mark(board, { V(10) }, Mark::vh);
    test::mark(board, { V(11) }, Mark::vc);
    test::mark(board, { V(12) }, Mark::vvc);
    test::EdgeSnapshot expected = test::snapshot(board);
    expected.tags[4] = Mark::a;
    expected.tags[31 + 5] = Mark::a;

    ChainSimulation chain(board);
    CompletionScan(board, chain).dudereally();
    EXPECT_EQ(test::snapshot(board), expected);
}

TEST(CompletionScan, TheHardSearchRepairsStrayComputerMarksUnlessEverythingIsClosable)
{
    struct Case {
        Difficulty level;
        bool allClosable;
        bool readySquare;
        bool repaired;
    };
    const Case cases[] = {
        { Difficulty::Hard, false, true, true },
        { Difficulty::Hard, true, true, false },
        { Difficulty::Medium, false, true, false },
        { Difficulty::Hard, false, false, false },
    };
    for (const Case& c : cases) {
        Board board = c.readySquare ? boardWith({ V(1), H(1), H(6) }) : Board {};
        board.lblshape2[20].tag = Mark::c; // never drawn in the computer's colour
        declineSetUp(board);
        board.selectDifficulty(c.level);
        board.allClosable = c.allClosable;
        board.searchMode = true;
        ChainSimulation chain(board);
        CompletionScan(board, chain).CheckBox2();
        EXPECT_EQ(board.lblshape2[20].tag, c.repaired ? Mark::a : Mark::c)
            << "level " << static_cast<int>(c.level) << ", allClosable " << c.allClosable
            << ", ready square " << c.readySquare;
        EXPECT_EQ(board.lblshape2[20].backColor, kBoardColour);
    }
}

} // namespace
} // namespace quadlo
