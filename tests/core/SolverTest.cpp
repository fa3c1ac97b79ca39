// SPDX-License-Identifier: GPL-3.0-or-later
// The exact solver against a brute force written here from the rules alone:
// every position's value and every open edge's value on a thousand seeded
// positions, the values of small boards from empty, the mapping of the game's
// edges, and giving up honestly when the budget is too small.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <fstream>
#include <random>
#include <tuple>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

#include "analysis/BoardAdapter.h"
#include "analysis/BoxBoard.h"
#include "analysis/Solver.h"
#include "board/BoxGeometry.h"

namespace quadlo {
namespace {

using analysis::BoxBoard;
using analysis::EdgeSet;
using analysis::Solver;

// The four edges of box (r, c) on a board of `columns` x `rows` boxes, in the
// numbering BoxBoard documents: horizontal edges row by row, then vertical.
std::array<int, 4> boxEdges(int columns, int rows, int r, int c)
{
    const int firstVertical = columns * (rows + 1);
    const int left = firstVertical + r * (columns + 1) + c;
    return { r * columns + c, (r + 1) * columns + c, left, left + 1 };
}

// Plain minimax over every order of the open edges, by dynamic programming
// over which of them are drawn. Element 0 is the position's value; element
// 1 << i the mover's margin after drawing open edge i (before the sign for a
// change of turn).
struct BruteForce {
    std::vector<int> open; // the board's open edges, in increasing order
    std::vector<std::int8_t> value; // by subset of `open` drawn

    BruteForce(int columns, int rows, EdgeSet drawn)
    {
        const int edgeCount = columns * (rows + 1) + (columns + 1) * rows;
        for (int e = 0; e < edgeCount; ++e) {
            if ((drawn >> e & 1) == 0)
                open.push_back(e);
        }
        // Each unfinished box as the subset of open edges it still lacks.
        std::vector<std::uint32_t> lacking;
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                std::uint32_t missing = 0;
                for (int e : boxEdges(columns, rows, r, c)) {
                    const auto at = std::find(open.begin(), open.end(), e);
                    if (at != open.end())
                        missing |= 1u << (at - open.begin());
                }
                if (missing != 0)
                    lacking.push_back(missing);
            }
        }
        // The one or two unfinished boxes beside each open edge.
        std::vector<std::vector<std::uint32_t>> beside(open.size());
        for (std::size_t i = 0; i < open.size(); ++i) {
            for (std::uint32_t missing : lacking) {
                if (missing & 1u << i)
                    beside[i].push_back(missing);
            }
        }
        const std::uint32_t full = (1u << open.size()) - 1;
        value.assign(full + 1, 0);
        for (std::uint32_t s = full; s-- > 0;) {
            int best = -100;
            for (std::uint32_t rest = full & ~s; rest != 0; rest &= rest - 1) {
                const auto i = static_cast<std::size_t>(std::countr_zero(rest));
                const std::uint32_t bit = 1u << i;
                int completed = 0;
                for (std::uint32_t missing : beside[i])
                    completed += (missing & ~s) == bit;
                const int v = completed > 0 ? completed + value[s | bit] : -value[s | bit];
                best = std::max(best, v);
            }
            value[s] = static_cast<std::int8_t>(best);
        }
    }

    int edgeValue(std::size_t i, int completed) const
    {
        const int after = value[1u << i];
        return completed > 0 ? completed + after : -after;
    }
};

// A position with `open` edges left: either edges drawn at random, or first
// the edges that give no box its third side, as careful players draw them,
// so that both scattered boards and long chains and loops come up.
EdgeSet seededPosition(std::mt19937& random, const BoxBoard& board, int open)
{
    EdgeSet drawn = 0;
    const bool careful = random() % 2 == 0;
    for (int left = board.edgeCount(); left > open; --left) {
        std::vector<int> choices;
        for (int e = 0; e < board.edgeCount(); ++e) {
            if (drawn & analysis::edgeBit(e))
                continue;
            bool safe = true;
            for (int box : board.boxesOf(e))
                safe = safe && (box < 0 || std::popcount(drawn & board.sides(box)) < 2);
            if (!careful || safe)
                choices.push_back(e);
        }
        if (choices.empty()) {
            for (int e = 0; e < board.edgeCount(); ++e) {
                if (!(drawn & analysis::edgeBit(e)))
                    choices.push_back(e);
            }
        }
        drawn |= analysis::edgeBit(choices[random() % choices.size()]);
    }
    return drawn;
}

TEST(Solver, AgreesWithBruteForceOnAThousandPositions)
{
    const BoxBoard board = *BoxBoard::make(5, 5);
    Solver solver(board);
    std::mt19937 random(20261209);
    for (int n = 0; n < 1000; ++n) {
        const int open = 12 + n % 7;
        const EdgeSet drawn = seededPosition(random, board, open);
        const BruteForce brute(5, 5, drawn);
        ASSERT_EQ(solver.value(drawn), brute.value[0]) << "position " << n;
        const auto values = solver.edgeValues(drawn);
        ASSERT_TRUE(values.has_value());
        ASSERT_EQ(values->size(), static_cast<std::size_t>(open));
        for (std::size_t k = 0; k < values->size(); ++k) {
            const auto& [edge, value] = (*values)[k];
            const auto i = static_cast<std::size_t>(
                std::find(brute.open.begin(), brute.open.end(), edge) - brute.open.begin());
            ASSERT_LT(i, brute.open.size());
            ASSERT_EQ(value, brute.edgeValue(i, board.completes(drawn, edge)))
                << "position " << n << " edge " << edge;
            if (k > 0) {
                ASSERT_LE(value, (*values)[k - 1].value) << "position " << n;
            }
        }
        const auto best = solver.bestEdge(drawn);
        ASSERT_TRUE(best.has_value());
        EXPECT_EQ(best->value, brute.value[0]);
    }
}

// Near the empty board positions are stored under a mirror image; square and
// oblong boards have different sets of mirrorings.
TEST(Solver, AgreesWithBruteForceWhereItStoresPositionsByTheirMirrorImages)
{
    for (const auto& [columns, rows] : { std::pair { 3, 3 }, { 2, 4 }, { 4, 2 } }) {
        const BoxBoard board = *BoxBoard::make(columns, rows);
        Solver solver(board);
        std::mt19937 random(7);
        for (int n = 0; n < 60; ++n) {
            const EdgeSet drawn = seededPosition(random, board, board.edgeCount() - 8 - n % 7);
            const BruteForce brute(columns, rows, drawn);
            ASSERT_EQ(solver.value(drawn), brute.value[0])
                << columns << "x" << rows << " position " << n;
            const auto best = solver.bestEdge(drawn);
            ASSERT_TRUE(best.has_value());
            const auto i = static_cast<std::size_t>(
                std::find(brute.open.begin(), brute.open.end(), best->edge) - brute.open.begin());
            EXPECT_EQ(brute.edgeValue(i, board.completes(drawn, best->edge)), brute.value[0]);
        }
    }
}

TEST(Solver, ValuesSmallBoardsFromEmptyAsTheBruteForceDoes)
{
    for (const auto& [columns, rows] :
        { std::pair { 1, 1 }, { 1, 2 }, { 2, 1 }, { 1, 3 }, { 2, 2 }, { 2, 3 } }) {
        Solver solver(*BoxBoard::make(columns, rows));
        EXPECT_EQ(solver.value(0), BruteForce(columns, rows, 0).value[0]) << columns << "x" << rows;
    }
}

// One box: the four sides go first, second, first, second, and the second
// player draws the fourth. Three by three: the second player wins by 3.
TEST(Solver, KnowsTheOneBoxAndThreeByThreeBoardsFromEmpty)
{
    EXPECT_EQ(Solver(*BoxBoard::make(1, 1)).value(0), -1);
    EXPECT_EQ(Solver(*BoxBoard::make(3, 3)).value(0), -3);
}

TEST(Solver, GivesUpRatherThanGuessWhenTheBudgetIsTooSmall)
{
    Solver solver(*BoxBoard::make(3, 3), 1000);
    EXPECT_FALSE(solver.value(0).has_value());
    EXPECT_FALSE(solver.edgeValues(0).has_value());
    EXPECT_FALSE(solver.bestEdge(0).has_value());
    EXPECT_GT(solver.nodes(), 1000u);
}

// As a machine short of memory would: the address space is limited to what
// the test uses now and `more` bytes, while `make` runs. AddressSanitizer
// reserves far more address space than any limit would leave, so the limit
// is not set under it.
template <typename Make> auto withAddressSpaceLeft(std::size_t more, Make make)
{
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    statm >> pages;
    rlimit limit {};
    getrlimit(RLIMIT_AS, &limit);
    rlimit small = limit;
    small.rlim_cur = rlim_t(pages * std::size_t(sysconf(_SC_PAGESIZE)) + more);
    setrlimit(RLIMIT_AS, &small);
    auto made = make();
    setrlimit(RLIMIT_AS, &limit);
    return made;
}

TEST(Solver, FallsBackToASmallerTableOrToNoneWhenMemoryIsShort)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address space cannot be limited under AddressSanitizer";
#endif
    const BoxBoard board = *BoxBoard::make(3, 3);
    const analysis::SolverSettings coach { analysis::kCoachTableBits, 1, true };
    auto smaller = withAddressSpaceLeft(std::size_t { 32 } << 20,
        [&] { return analysis::solverWithin(board, Solver::kNoBudget, coach); });
    ASSERT_NE(smaller, nullptr);
    EXPECT_EQ(smaller->value(0), -3);
    EXPECT_EQ(withAddressSpaceLeft(
                  0, [&] { return analysis::solverWithin(board, Solver::kNoBudget, coach); }),
        nullptr);
}

// The rules added to the plain search (the loony endgame, rim edges, the
// handout, twin runs, long chains taken without a node, children's stored
// bounds) and
// a second thread change how much is searched, never a value: every edge's
// value on seeded game positions, against the plain search on one thread.
TEST(Solver, GivesEveryEdgeTheValueThePlainSearchGivesOnTwoThreads)
{
    const BoxBoard& board = analysis::gameBoxBoard();
    Solver fast(board, Solver::kNoBudget, { analysis::kDefaultTableBits, 2, true });
    Solver plain(board, Solver::kNoBudget, { analysis::kDefaultTableBits, 1, false });
    std::mt19937 random(2026);
    for (int n = 0; n < 40; ++n) {
        const EdgeSet drawn = seededPosition(random, board, 26 + n % 5);
        const auto expected = plain.edgeValues(drawn);
        ASSERT_TRUE(expected.has_value());
        ASSERT_EQ(fast.edgeValues(drawn), expected) << "position " << n;
    }
}

// Twin runs (two chains of three boxes along the top and bottom rims, both
// ends on the rim) are searched once, beside a chain of two with the same
// ends and a corner of boxes that still has safe edges: every edge keeps the
// value the brute force gives it.
TEST(Solver, ValuesEveryEdgeAsTheBruteForceDoesBesideTwinChains)
{
    const BoxBoard board = *BoxBoard::make(5, 5);
    EdgeSet open = 0;
    auto opened = [&](std::initializer_list<int> edges) {
        for (const int e : edges)
            open |= analysis::edgeBit(e);
    };
    for (const int row : { 0, 4 }) {
        opened({ board.vertical(row, 0), board.vertical(row, 1), board.vertical(row, 2),
            board.horizontal(row == 0 ? 0 : 5, 2) });
    }
    opened({ board.vertical(1, 0), board.horizontal(2, 0), board.vertical(2, 0) });
    opened({ board.horizontal(2, 3), board.horizontal(2, 4), board.horizontal(3, 3),
        board.horizontal(3, 4) });
    for (const int row : { 1, 2, 3 })
        opened({ board.vertical(row, 4), board.vertical(row, 5) });
    const EdgeSet drawn = board.allEdges() & ~open;
    const BruteForce brute(5, 5, drawn);
    Solver solver(board);
    const auto values = solver.edgeValues(drawn);
    ASSERT_TRUE(values.has_value());
    ASSERT_EQ(values->size(), brute.open.size());
    for (const auto& [edge, value] : *values) {
        const auto i = static_cast<std::size_t>(
            std::find(brute.open.begin(), brute.open.end(), edge) - brute.open.begin());
        ASSERT_LT(i, brute.open.size());
        EXPECT_EQ(value, brute.edgeValue(i, board.completes(drawn, edge))) << "edge " << edge;
    }
}

// Every box on two sides: chains with both ends on the rim, and loops. The
// edges are drawn at random while no box gets a third side, and the
// positions where every box ends on exactly two are kept.
std::vector<EdgeSet> chainsAndLoops(const BoxBoard& board, int count, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<EdgeSet> positions;
    while (static_cast<int>(positions.size()) < count) {
        EdgeSet drawn = 0;
        for (;;) {
            std::vector<int> safe;
            for (int e = 0; e < board.edgeCount(); ++e) {
                bool keeps = (drawn & analysis::edgeBit(e)) == 0;
                for (int box : board.boxesOf(e))
                    keeps = keeps && (box < 0 || std::popcount(drawn & board.sides(box)) < 2);
                if (keeps)
                    safe.push_back(e);
            }
            if (safe.empty())
                break;
            drawn |= analysis::edgeBit(safe[random() % safe.size()]);
        }
        bool allTwo = true;
        for (int box = 0; box < board.boxCount(); ++box)
            allTwo = allTwo && std::popcount(drawn & board.sides(box)) == 2;
        if (allTwo)
            positions.push_back(drawn);
    }
    return positions;
}

TEST(Solver, ValuesChainsAndLoopsAsTheSearchDoes)
{
    for (const auto& [columns, rows, count] : { std::tuple { 3, 3, 30 }, { 5, 5, 40 } }) {
        const BoxBoard board = *BoxBoard::make(columns, rows);
        Solver valued(board);
        Solver searched(board, Solver::kNoBudget, { analysis::kDefaultTableBits, 1, false });
        for (const EdgeSet drawn : chainsAndLoops(board, count, 11)) {
            const auto value = valued.value(drawn);
            ASSERT_EQ(value, searched.value(drawn)) << columns << "x" << rows;
            if (columns == 3) {
                EXPECT_EQ(value, BruteForce(columns, rows, drawn).value[0]);
            }
        }
    }
}

// With too small a budget, what judge proves holds: the value lies within
// its bounds, its edge keeps the lower one, and the outcome it settles is
// the one the exact value gives.
TEST(Solver, JudgesWithBoundsThatHoldAndAnEdgeThatKeepsTheLowerOne)
{
    const BoxBoard board = *BoxBoard::make(5, 5);
    Solver exact(board);
    std::mt19937 random(99);
    int narrowed = 0;
    for (int n = 0; n < 60; ++n) {
        const EdgeSet drawn = seededPosition(random, board, 24 + n % 6);
        const int score = static_cast<int>(random() % 7) - 3;
        const auto value = exact.value(drawn);
        ASSERT_TRUE(value.has_value());
        Solver judge(board, 2'000 + random() % 20'000);
        std::vector<analysis::Verdict> steps;
        const auto verdict
            = judge.judge(drawn, score, [&](const analysis::Verdict& v) { steps.push_back(v); });
        ASSERT_LE(verdict.bounds.lower, *value) << "position " << n;
        ASSERT_GE(verdict.bounds.upper, *value) << "position " << n;
        narrowed += !steps.empty();
        // Every bound is a margin the boxes left can end in: the coach never
        // speaks of a tie that cannot happen.
        const int left = board.boxCount() - board.completedBoxes(drawn);
        for (std::size_t i = 0; i < steps.size(); ++i) {
            EXPECT_EQ((steps[i].bounds.lower + left) % 2, 0) << "position " << n;
            EXPECT_EQ((steps[i].bounds.upper + left) % 2, 0) << "position " << n;
            if (i > 0) {
                EXPECT_GE(steps[i].bounds.lower, steps[i - 1].bounds.lower);
                EXPECT_LE(steps[i].bounds.upper, steps[i - 1].bounds.upper);
            }
        }
        if (verdict.edge) {
            const int edge = *verdict.edge;
            const int taken = board.completes(drawn, edge);
            const auto after = exact.value(drawn | analysis::edgeBit(edge));
            ASSERT_TRUE(after.has_value());
            EXPECT_GE(taken > 0 ? taken + *after : -*after, verdict.bounds.lower);
        }
        if (const auto outcome = analysis::settledOutcome(verdict, score)) {
            EXPECT_EQ(*outcome, (score + *value > 0) - (score + *value < 0));
        }
    }
    // The budgets are small enough that some give up and large enough that
    // most prove something.
    EXPECT_GT(narrowed, 30);
}

TEST(Solver, RefusesBoardsWithoutBoxesOrWithMoreThanSixtyFourEdges)
{
    EXPECT_FALSE(BoxBoard::make(0, 3).has_value());
    EXPECT_FALSE(BoxBoard::make(5, 6).has_value());
    EXPECT_TRUE(BoxBoard::make(4, 6).has_value());
    EXPECT_EQ(BoxBoard::make(4, 6)->edgeCount(), 58);
}

// Every game square's four sides are one solver box's four sides, and the
// mapping goes both ways.
TEST(Solver, SeesEachGameSquareAsOneBox)
{
    const BoxBoard& board = analysis::gameBoxBoard();
    for (int square = 1; square <= kSquareCount; ++square) {
        EdgeSet sides = 0;
        for (const Edge edge : sideEdges(square)) {
            EXPECT_EQ(analysis::gameEdge(analysis::solverEdge(edge)), edge);
            sides |= analysis::edgeBit(analysis::solverEdge(edge));
        }
        int matches = 0;
        for (int box = 0; box < board.boxCount(); ++box)
            matches += board.sides(box) == sides;
        EXPECT_EQ(matches, 1) << "square " << square;
    }
    Board game;
    game.edge(sideEdges(7)[2]).tag = Mark::h;
    EXPECT_EQ(analysis::drawnEdges(game), analysis::edgeBit(analysis::solverEdge(sideEdges(7)[2])));
}

} // namespace
} // namespace quadlo
