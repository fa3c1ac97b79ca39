// SPDX-License-Identifier: GPL-3.0-or-later
// The box geometry table against its numbering rule and against the full
// table written out by hand.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "board/BoxGeometry.h"

namespace quadlo {
namespace {

// clang-format off
constexpr std::int16_t kWrittenTable[25][17] = {
    { 1, 1, 6, 6, 1, 11, 2, 7, 0, 0, 0, 0, 0, 0, 11, 2, 7 },
    { 6, 2, 11, 7, 2, 16, 3, 8, 1, 1, 6, 0, 0, 0, 12, 7, 12 },
    { 11, 3, 16, 8, 3, 21, 4, 9, 6, 2, 7, 0, 0, 0, 13, 12, 17 },
    { 16, 4, 21, 9, 4, 26, 5, 10, 11, 3, 8, 0, 0, 0, 14, 17, 22 },
    { 21, 5, 26, 10, 5, 0, 0, 0, 16, 4, 9, 0, 0, 0, 15, 22, 27 },
    { 2, 6, 7, 11, 6, 12, 7, 12, 0, 0, 0, 1, 1, 6, 16, 3, 8 },
    { 7, 7, 12, 12, 7, 17, 8, 13, 2, 6, 11, 2, 6, 11, 17, 8, 13 },
    { 12, 8, 17, 13, 8, 22, 9, 14, 7, 7, 12, 3, 11, 16, 18, 13, 18 },
    { 17, 9, 22, 14, 9, 27, 10, 15, 12, 8, 13, 4, 16, 21, 19, 18, 23 },
    { 22, 10, 27, 15, 10, 0, 0, 0, 17, 9, 14, 5, 21, 26, 20, 23, 28 },
    { 3, 11, 8, 16, 11, 13, 12, 17, 0, 0, 0, 6, 2, 7, 21, 4, 9 },
    { 8, 12, 13, 17, 12, 18, 13, 18, 3, 11, 16, 7, 7, 12, 22, 9, 14 },
    { 13, 13, 18, 18, 13, 23, 14, 19, 8, 12, 17, 8, 12, 17, 23, 14, 19 },
    { 18, 14, 23, 19, 14, 28, 15, 20, 13, 13, 18, 9, 17, 22, 24, 19, 24 },
    { 23, 15, 28, 20, 15, 0, 0, 0, 18, 14, 19, 10, 22, 27, 25, 24, 29 },
    { 4, 16, 9, 21, 16, 14, 17, 22, 0, 0, 0, 11, 3, 8, 26, 5, 10 },
    { 9, 17, 14, 22, 17, 19, 18, 23, 4, 16, 21, 12, 8, 13, 27, 10, 15 },
    { 14, 18, 19, 23, 18, 24, 19, 24, 9, 17, 22, 13, 13, 18, 28, 15, 20 },
    { 19, 19, 24, 24, 19, 29, 20, 25, 14, 18, 23, 14, 18, 23, 29, 20, 25 },
    { 24, 20, 29, 25, 20, 0, 0, 0, 19, 19, 24, 15, 23, 28, 30, 25, 30 },
    { 5, 21, 10, 26, 21, 15, 22, 27, 0, 0, 0, 16, 4, 9, 0, 0, 0 },
    { 10, 22, 15, 27, 22, 20, 23, 28, 5, 21, 26, 17, 9, 14, 0, 0, 0 },
    { 15, 23, 20, 28, 23, 25, 24, 29, 10, 22, 27, 18, 14, 19, 0, 0, 0 },
    { 20, 24, 25, 29, 24, 30, 25, 30, 15, 23, 28, 19, 19, 24, 0, 0, 0 },
    { 25, 25, 30, 30, 25, 0, 0, 0, 20, 24, 29, 20, 24, 29, 0, 0, 0 },
};
// clang-format on

TEST(BoxGeometry, EveryRowMatchesTheTableWrittenOut)
{
    for (int b = 1; b <= 25; ++b) {
        for (int column = 0; column < 17; ++column) {
            EXPECT_EQ(boxRow(b).var[static_cast<std::size_t>(column)], kWrittenTable[b - 1][column])
                << "square " << b << ", var" << column + 1;
        }
    }
}

TEST(BoxGeometry, SidesFollowTheNumberingOfTheEdgeFamilies)
{
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            const int b = 5 * r + c + 1;
            const SquareSides s = squareSides(b);
            // Vertical edges are numbered down each dot column, horizontal
            // edges along each dot row.
            EXPECT_EQ(s.var1, 5 * c + r + 1) << b;
            EXPECT_EQ(s.var2, 5 * r + c + 1) << b;
            EXPECT_EQ(s.var3, 5 * (c + 1) + r + 1) << b;
            EXPECT_EQ(s.var4, 5 * (r + 1) + c + 1) << b;
            EXPECT_EQ(s.var5, b);
        }
    }
    EXPECT_EQ(squareSides(13).var1, 13);
    EXPECT_EQ(squareSides(13).var4, 18);
    const SquareSides last = squareSides(25);
    EXPECT_EQ((std::array { last.var1, last.var2, last.var3, last.var4 }),
        (std::array<std::int16_t, 4> { 25, 25, 30, 30 }));
}

TEST(BoxGeometry, NeighbourTriplesAreTheNeighboursOtherSidesOrZeroAtTheBorder)
{
    int zeroTriples[26] = {};
    for (int b = 1; b <= 25; ++b) {
        const BoxRow& row = boxRow(b);
        // Each triple: which neighbour, and where its far side stands in the
        // row; the far side is in the shared side's family.
        struct Triple {
            int direction;
            int first;
        };
        for (const Triple t :
            { Triple { 3, 5 }, Triple { 1, 8 }, Triple { 2, 11 }, Triple { 4, 14 } }) {
            const int n = neighbourSquare(b, static_cast<Side>(t.direction - 1));
            const auto at = [&row](int i) { return row.var[static_cast<std::size_t>(i)]; };
            if (n == 0) {
                EXPECT_EQ(at(t.first), 0);
                EXPECT_EQ(at(t.first + 1), 0);
                EXPECT_EQ(at(t.first + 2), 0);
                ++zeroTriples[b];
                continue;
            }
            const SquareSides ns = squareSides(n);
            switch (t.direction) {
            case 3: // right neighbour: right, top, bottom
                EXPECT_EQ(at(5), ns.var3);
                EXPECT_EQ(at(6), ns.var2);
                EXPECT_EQ(at(7), ns.var4);
                EXPECT_EQ(row.side(Side::Right), (Edge { Vertical, ns.var1 }))
                    << "shared vertical side of " << b;
                break;
            case 1: // left neighbour: left, top, bottom
                EXPECT_EQ(at(8), ns.var1);
                EXPECT_EQ(at(9), ns.var2);
                EXPECT_EQ(at(10), ns.var4);
                break;
            case 2: // upper neighbour: top, left, right
                EXPECT_EQ(at(11), ns.var2);
                EXPECT_EQ(at(12), ns.var1);
                EXPECT_EQ(at(13), ns.var3);
                break;
            case 4: // lower neighbour: bottom, left, right
                EXPECT_EQ(at(14), ns.var4);
                EXPECT_EQ(at(15), ns.var1);
                EXPECT_EQ(at(16), ns.var3);
                EXPECT_EQ(row.side(Side::Bottom), (Edge { Horizontal, ns.var2 }))
                    << "shared horizontal side of " << b;
                break;
            }
        }
        for (std::int16_t value : row.var) {
            EXPECT_GE(value, 0);
            EXPECT_LE(value, 30);
        }
        EXPECT_EQ(row.var[1], row.var[4]);
    }
    for (int corner : { 1, 5, 21, 25 })
        EXPECT_EQ(zeroTriples[corner], 2) << corner;
    for (int inner : { 7, 8, 9, 12, 13, 14, 17, 18, 19 })
        EXPECT_EQ(zeroTriples[inner], 0) << inner;
    for (int border : { 2, 3, 4, 6, 10, 11, 15, 16, 20, 22, 23, 24 })
        EXPECT_EQ(zeroTriples[border], 1) << border;
}

TEST(BoxGeometry, EdgesOnTheRimBorderOneSquareAndInnerEdgesTwo)
{
    int bordering[3][31] = {};
    for (int b = 1; b <= 25; ++b) {
        const SquareSides s = squareSides(b);
        ++bordering[Vertical][s.var1];
        ++bordering[Vertical][s.var3];
        ++bordering[Horizontal][s.var2];
        ++bordering[Horizontal][s.var4];
    }
    for (Family family : { Vertical, Horizontal }) {
        for (int i = 1; i <= 30; ++i) {
            const bool rim = i <= 5 || i >= 26;
            EXPECT_EQ(bordering[family][i], rim ? 1 : 2) << family << "/" << i;
        }
    }
    // Vertical edge 6 lies between squares 1 and 2.
    EXPECT_EQ(squareSides(1).var3, 6);
    EXPECT_EQ(squareSides(2).var1, 6);
}

// An edge's middle in half pitches from the top-left dot, from the numbering
// alone: vertical edge 5c + r + 1 at (2c, 2r + 1), horizontal 5r + c + 1 at
// (2c + 1, 2r).
std::pair<int, int> middle(Edge edge)
{
    const int major = (edge.index - 1) / 5;
    const int minor = (edge.index - 1) % 5;
    return edge.family == Vertical ? std::pair { 2 * major, 2 * minor + 1 }
                                   : std::pair { 2 * minor + 1, 2 * major };
}

TEST(BoxGeometry, ArrowStepsGoTheirWayAndReachEverySixtyEdgesFromAnyOne)
{
    const std::pair<Step, std::pair<int, int>> steps[] = { { Step::Left, { -1, 0 } },
        { Step::Right, { 1, 0 } }, { Step::Up, { 0, -1 } }, { Step::Down, { 0, 1 } } };
    std::set<std::pair<int, int>> reached;
    std::vector<Edge> todo { Edge { Horizontal, 1 } };
    while (!todo.empty()) {
        const Edge edge = todo.back();
        todo.pop_back();
        if (!reached.insert({ edge.family, edge.index }).second)
            continue;
        const auto [x, y] = middle(edge);
        for (const auto& [step, way] : steps) {
            const Edge next = edgeStep(edge, step);
            const auto [nx, ny] = middle(next);
            // Forward along the arrow, or not at all at the rim; never more than
            // half a pitch aside.
            const int forward = (nx - x) * way.first + (ny - y) * way.second;
            const int aside = way.first ? std::abs(ny - y) : std::abs(nx - x);
            EXPECT_TRUE(next == edge || (forward > 0 && aside <= 1))
                << edge.family << "/" << edge.index << " to " << next.family << "/" << next.index;
            todo.push_back(next);
        }
    }
    EXPECT_EQ(reached.size(), 60u);
    // Down and Up come back to where they started inside the board.
    EXPECT_EQ(
        edgeStep(edgeStep(Edge { Horizontal, 7 }, Step::Down), Step::Up), (Edge { Horizontal, 7 }));
}

} // namespace
} // namespace quadlo
