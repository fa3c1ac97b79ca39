// SPDX-License-Identifier: GPL-3.0-or-later
// The safe-move search: what every open edge costs, which edges make each
// family's list of the cheapest, how the random source is consumed to pick one
// edge of each list and the direction, and the flags OtherOptions derives from
// the board swept of everything the computer can take. Random values are
// scripted, so each search must take exactly the values it is given.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "BoardTestSupport.h"
#include "opponent/SafeMoveSearch.h"

namespace quadlo {
namespace {

using test::H;
using test::V;

// A value that the slot formula sends to slot k: the middle of the k-th
// thirtieth of [0, 1), far from any rounding question.
float slot(int k) { return (static_cast<float>(k) - 0.5f) / 30.0f; }

// Coin values well inside each half: t = 1.5 and t = 2.5.
constexpr float kVerticalCoin = 0.25f;
constexpr float kHorizontalCoin = 0.75f;

struct Search {
    explicit Search(std::vector<float> values)
        : random(std::move(values))
    {
    }

    // Runs CheckBox3 and checks that the costing left no mark behind and that
    // every scripted value was used.
    void run()
    {
        const auto before = test::snapshot(board);
        search.CheckBox3();
        EXPECT_EQ(test::snapshot(board), before) << "the costing marks must all be cleared";
        EXPECT_EQ(random.remaining(), 0u) << "fewer draws than scripted";
    }

    Board board;
    ScriptedRandom random;
    SafeMoveSearch search { board, random };
};

std::vector<int> filledSlots(const SafeMoveSearch::CandidateList& list)
{
    std::vector<int> slots;
    for (int i = 1; i <= kEdgesPerFamily; ++i) {
        const std::int16_t content = list[static_cast<std::size_t>(i)];
        if (content != 0) {
            EXPECT_EQ(content, i) << "a slot holds its own edge number";
            slots.push_back(i);
        }
    }
    return slots;
}

std::vector<int> range(int first, int last, int step = 1)
{
    std::vector<int> values;
    for (int i = first; i <= last; i += step)
        values.push_back(i);
    return values;
}

// Corridor along the top row (tops and bottoms of squares 1 to 3) with square
// 1 closed on the left: squares 1 to 3 are a chain that is ready to be taken.
const std::vector<Edge> kReadyCorridor { H(1), H(2), H(3), H(6), H(7), H(8), V(1) };

// Rows 0 to 3 are corridors and every square of row 4 has two sides drawn, so
// every open edge gives something away: V30 and H30 one side, the other edges
// of row 4 two, the corridor edges five.
std::vector<Edge> everythingGivesSomethingAway()
{
    std::vector<Edge> drawn;
    for (int i = 1; i <= 25; ++i)
        drawn.push_back(H(i));
    for (int i : { 5, 15, 25 })
        drawn.push_back(V(i));
    return drawn;
}

TEST(SafeMoveSearch, AfterTheFirstEdgeEveryEdgeIsFreeAndTheCoinPicksTheDirection)
{
    for (const bool vertical : { false, true }) {
        // The horizontal list is drawn first: its first value lands on the
        // drawn H13 and is redrawn; the vertical list takes the next value.
        Search s({ slot(13), slot(4), slot(30), vertical ? kVerticalCoin : kHorizontalCoin });
        test::mark(s.board, { H(13) });
        s.run();

        EXPECT_EQ(s.search.bestVerticalCost(), 0);
        EXPECT_EQ(s.search.bestHorizontalCost(), 0);
        EXPECT_EQ(filledSlots(s.search.verticalCandidates()), range(1, 30));
        std::vector<int> horizontals = range(1, 30);
        horizontals.erase(horizontals.begin() + 12);
        EXPECT_EQ(filledSlots(s.search.horizontalCandidates()), horizontals);
        EXPECT_EQ(s.search.pickedHorizontalEdge(), 4);
        EXPECT_EQ(s.search.pickedVerticalEdge(), 30);
        EXPECT_EQ(s.board.moveEdge, vertical ? 30 : 4);
        EXPECT_EQ(s.board.moveFamily, vertical ? Vertical : Horizontal);
        EXPECT_EQ(s.board.bestMoveCost, 0);
        EXPECT_EQ(s.random.drawCount(), 4u);
    }
}

TEST(SafeMoveSearch, TheCoinIsComputedInSinglePrecision)
{
    struct Toss {
        float r;
        Family family;
    };
    // Just below one half, r * 2 + 1 is 2 - 2^-24, which single precision
    // rounds to 2: the horizontal family, although the exact value is below 2.
    const Toss tosses[] = {
        { 0.0f, Vertical },
        { 0.49f, Vertical },
        { std::nextafter(0.5f, 0.0f), Horizontal },
        { 0.5f, Horizontal },
        { std::nextafter(1.0f, 0.0f), Horizontal },
    };
    for (const Toss& toss : tosses) {
        Search s({ slot(7), slot(9), toss.r });
        s.run();
        EXPECT_EQ(s.board.moveFamily, toss.family) << "r = " << toss.r;
        EXPECT_EQ(s.board.moveEdge, toss.family == Vertical ? 9 : 7) << "r = " << toss.r;
    }
}

TEST(SafeMoveSearch, TheSlotIsTheIntegerPartOfThirtyTimesTheDrawPlusOne)
{
    struct Draw {
        float r;
        int slot;
    };
    // 0.7f and 0.9f lie just below 0.7 and 0.9; their products rounded to
    // single precision reach 21 and 27, as the decimal values do.
    const Draw draws[] = {
        { 0.0f, 1 },
        { 0.5f, 16 },
        { 0.7f, 22 },
        { 0.9f, 28 },
        { std::nextafter(1.0f, 0.0f), 30 },
    };
    for (const Draw& d : draws) {
        Search s({ d.r, d.r, kVerticalCoin });
        s.run();
        EXPECT_EQ(s.search.pickedHorizontalEdge(), d.slot) << "r = " << d.r;
        EXPECT_EQ(s.search.pickedVerticalEdge(), d.slot) << "r = " << d.r;
    }
}

TEST(SafeMoveSearch, ADrawLandingOnAnEmptySlotIsRepeatedUntilItFindsACandidate)
{
    // Rows 0 to 3 are corridors (every edge in them costs 5); row 4 has only
    // its tops drawn, so its vertical edges and bottoms cost nothing.
    Search s({ slot(1), slot(25), slot(27), slot(1), slot(2), slot(10), kVerticalCoin });
    for (int i = 1; i <= 25; ++i)
        test::mark(s.board, { H(i) });
    s.run();

    EXPECT_EQ(filledSlots(s.search.verticalCandidates()), range(5, 30, 5));
    EXPECT_EQ(filledSlots(s.search.horizontalCandidates()), range(26, 30));
    EXPECT_EQ(s.search.pickedHorizontalEdge(), 27);
    EXPECT_EQ(s.search.pickedVerticalEdge(), 10);
    EXPECT_EQ(s.board.moveEdge, 10);
    EXPECT_EQ(s.board.moveFamily, Vertical);
    EXPECT_EQ(s.board.bestMoveCost, 0);
    EXPECT_EQ(s.random.drawCount(), 7u);
}

TEST(SafeMoveSearch, WithNoHorizontalEdgeOpenTheVerticalFamilyIsChosenWithoutAnotherDraw)
{
    // A first search on the empty board leaves a picked horizontal edge behind.
    Search s({ slot(4), slot(5), kHorizontalCoin });
    s.run();
    ASSERT_EQ(s.search.pickedHorizontalEdge(), 4);

    test::mark(s.board, test::allHorizontal());
    s.random.append(slot(16));
    s.run();
    EXPECT_TRUE(filledSlots(s.search.horizontalCandidates()).empty());
    EXPECT_EQ(s.search.bestHorizontalCost(), 99);
    EXPECT_EQ(s.search.pickedHorizontalEdge(), 4) << "an empty list takes no draw";
    EXPECT_EQ(filledSlots(s.search.verticalCandidates()), range(1, 30));
    EXPECT_EQ(s.search.bestVerticalCost(), 5);
    EXPECT_EQ(s.board.moveEdge, 16);
    EXPECT_EQ(s.board.moveFamily, Vertical);
    EXPECT_EQ(s.board.bestMoveCost, 5);
    EXPECT_EQ(s.random.drawCount(), 4u) << "no horizontal draw and no coin";
}

TEST(SafeMoveSearch, AReadyChainOnTheBoardEntersTheCostOfEveryCandidate)
{
    // The chain's own sides give away two more sides, every other edge three;
    // the family holding the chain is cheaper, so no coin is tossed.
    Search along({ slot(4), slot(1), slot(11) });
    test::mark(along.board, kReadyCorridor);
    along.run();

    EXPECT_EQ(along.search.bestVerticalCost(), 2);
    EXPECT_EQ(filledSlots(along.search.verticalCandidates()), (std::vector { 6, 11, 16 }));
    EXPECT_EQ(along.search.bestHorizontalCost(), 3);
    std::vector<int> horizontals = range(9, 30);
    horizontals.insert(horizontals.begin(), { 4, 5 });
    EXPECT_EQ(filledSlots(along.search.horizontalCandidates()), horizontals);
    EXPECT_EQ(along.search.pickedHorizontalEdge(), 4);
    EXPECT_EQ(along.board.moveEdge, 11);
    EXPECT_EQ(along.board.moveFamily, Vertical);
    EXPECT_EQ(along.board.bestMoveCost, 2);
    EXPECT_EQ(along.random.drawCount(), 3u);

    // The same chain down the first column, closed at the top.
    Search down({ slot(1), slot(16), slot(4) });
    test::mark(down.board, { V(1), V(2), V(3), V(6), V(7), V(8), H(1) });
    down.run();

    EXPECT_EQ(down.search.bestHorizontalCost(), 2);
    EXPECT_EQ(filledSlots(down.search.horizontalCandidates()), (std::vector { 6, 11, 16 }));
    EXPECT_EQ(down.search.bestVerticalCost(), 3);
    EXPECT_EQ(down.search.pickedVerticalEdge(), 4);
    EXPECT_EQ(down.board.moveEdge, 16);
    EXPECT_EQ(down.board.moveFamily, Horizontal);
    EXPECT_EQ(down.board.bestMoveCost, 2);
    EXPECT_EQ(down.random.drawCount(), 3u);
}

TEST(SafeMoveSearch, WhenEveryEdgeGivesSomethingAwayTheLeastCostlyIsChosen)
{
    Search s({ slot(1), slot(30), slot(10), slot(30), kHorizontalCoin });
    test::mark(s.board, everythingGivesSomethingAway());
    s.run();

    EXPECT_EQ(s.search.bestVerticalCost(), 1);
    EXPECT_EQ(s.search.bestHorizontalCost(), 1);
    EXPECT_EQ(filledSlots(s.search.verticalCandidates()), (std::vector { 30 }));
    EXPECT_EQ(filledSlots(s.search.horizontalCandidates()), (std::vector { 30 }));
    EXPECT_EQ(s.board.moveEdge, 30);
    EXPECT_EQ(s.board.moveFamily, Horizontal);
    EXPECT_EQ(s.board.bestMoveCost, 1);
}

TEST(SafeMoveSearch, EdgesAreCostedVerticalThenHorizontalForEachNumberInTurn)
{
    // The tally left behind is the cost of the last edge costed. With H30
    // drawn, the last is V30 (cost 1), not H29 (cost 0).
    Search afterH29({ slot(1), slot(1), kVerticalCoin });
    test::mark(afterH29.board, { H(25), H(30) });
    afterH29.run();
    EXPECT_EQ(afterH29.board.captureCount, 1);

    // With V30 and H30 drawn, the last is H29 (cost 2), not V29 (cost 0).
    Search afterV29({ slot(1), slot(1), kVerticalCoin });
    test::mark(afterV29.board, { V(30), H(30), V(20), H(24) });
    afterV29.run();
    EXPECT_EQ(afterV29.board.captureCount, 2);
}

TEST(SafeMoveSearch, CleanHouseReopensOnlyTheCountingMarks)
{
    Board board;
    ScriptedRandom random;
    SafeMoveSearch search(board, random);
    test::mark(board, { V(2), H(2) }, Mark::vh);
    test::mark(board, { V(3) }, Mark::vc);
    test::mark(board, { H(4) }, Mark::vvc);
    test::mark(board, { V(5) }, Mark::h);
    test::mark(board, { H(5) }, Mark::c);
    search.CleanHouse();

    EXPECT_TRUE(board.edgesMarked(Mark::vh).empty());
    EXPECT_TRUE(board.edgesMarked(Mark::vc).empty());
    EXPECT_EQ(board.edgesMarked(Mark::vvc), (std::vector { H(4) }));
    EXPECT_EQ(board.edgesMarked(Mark::h), (std::vector { V(5) }));
    EXPECT_EQ(board.edgesMarked(Mark::c), (std::vector { H(5) }));
    EXPECT_EQ(board.lblshape1[5].backColor, kHumanColour);
    EXPECT_EQ(board.lblshape2[5].backColor, kComputerColour);
}

// Runs OtherOptions as the Hard set-up does (flags lowered first) and checks
// that it leaves the board as it found it and chooses no move.
void otherOptions(Search& s)
{
    const auto before = test::snapshot(s.board);
    s.search.OtherOptions();
    EXPECT_EQ(test::snapshot(s.board), before) << "no sweep or costing mark may be left";
    EXPECT_FALSE(s.board.sweepMode);
    EXPECT_EQ(s.board.moveEdge, 0);
    EXPECT_EQ(s.board.moveFamily, NoFamily);
    EXPECT_EQ(s.random.remaining(), 0u);
}

TEST(SafeMoveSearch, OtherOptionsCostsTheBoardSweptOfEveryReadySquare)
{
    // Two loops of four squares in the top rows (each inner edge gives away
    // the other three), corridors of five below, and squares 5 and 10 ready
    // on their shared side H10. Swept, the cheapest move costs 3; unswept, the
    // ready pair would add one to every cost.
    Search s({ slot(9), slot(16), kVerticalCoin });
    test::mark(s.board, { V(1), V(2), V(11), V(12), V(21), V(22), V(26), V(27) });
    for (int i : { 1, 2, 3, 4, 5 })
        test::mark(s.board, { H(i) });
    for (int i = 11; i <= 30; ++i)
        test::mark(s.board, { H(i) });
    otherOptions(s);

    EXPECT_EQ(filledSlots(s.search.verticalCandidates()), (std::vector { 6, 7, 16, 17 }));
    EXPECT_EQ(filledSlots(s.search.horizontalCandidates()), (std::vector { 6, 7, 8, 9 }));
    EXPECT_EQ(s.board.bestMoveCost, 3);
    EXPECT_TRUE(s.board.bestCostUnder4);
    EXPECT_FALSE(s.board.bestCostUnder2);
    EXPECT_EQ(s.random.drawCount(), 3u);

    // The flags are only ever raised; lowering them is the caller's part.
    Search raised({ slot(9), slot(16), kVerticalCoin });
    raised.board = s.board;
    raised.board.bestCostUnder2 = true;
    otherOptions(raised);
    EXPECT_TRUE(raised.board.bestCostUnder2);
    EXPECT_TRUE(raised.board.bestCostUnder4);
}

TEST(SafeMoveSearch, OtherOptionsRaisesBothFlagsWhenTheCheapestMoveGivesAtMostOneSide)
{
    // Once the ready chain is swept, nothing on this board costs anything.
    Search free({ slot(4), slot(2), kVerticalCoin });
    test::mark(free.board, kReadyCorridor);
    otherOptions(free);
    EXPECT_EQ(free.board.bestMoveCost, 0);
    EXPECT_TRUE(free.board.bestCostUnder2);
    EXPECT_TRUE(free.board.bestCostUnder4);

    Search single({ slot(30), slot(30), kVerticalCoin });
    test::mark(single.board, everythingGivesSomethingAway());
    otherOptions(single);
    EXPECT_EQ(single.board.bestMoveCost, 1);
    EXPECT_TRUE(single.board.bestCostUnder2);
    EXPECT_TRUE(single.board.bestCostUnder4);
}

} // namespace
} // namespace quadlo
