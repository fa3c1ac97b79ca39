// SPDX-License-Identifier: GPL-3.0-or-later
// The box geometry table: for each of the 25 squares, its four sides, its own
// number, and for each neighbour the three sides other than the shared one;
// and where every dot, edge and square stands on the grid. This is the only
// place that knows how dots, squares, edges and neighbours are numbered;
// everything that needs a square's sides, a neighbour or a position reads it
// from here.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

#include "board/Board.h"

namespace quadlo {

inline constexpr int kSquaresPerRow = 5;
inline constexpr int kDotsPerRow = kSquaresPerRow + 1;
inline constexpr int kDotCount = kDotsPerRow * kDotsPerRow;

// A place on the grid, both counted from 0 at the top left: a square's row and
// column (0..4); a dot's (0..5); a vertical edge's row of squares (0..4) and
// dot column (0..5); a horizontal edge's dot row (0..5) and column of squares
// (0..4).
struct GridPosition {
    int row;
    int column;
};

// Squares are numbered row by row, dots too.
constexpr GridPosition squarePosition(int square)
{
    return { (square - 1) / kSquaresPerRow, (square - 1) % kSquaresPerRow };
}
constexpr int squareAt(int row, int column) { return kSquaresPerRow * row + column + 1; }
constexpr GridPosition dotPosition(int dot)
{
    return { (dot - 1) / kDotsPerRow, (dot - 1) % kDotsPerRow };
}

// Vertical edges are numbered column by column, horizontal edges row by row.
constexpr GridPosition edgePosition(Edge edge)
{
    const int k = (edge.index - 1) / kSquaresPerRow;
    const int j = (edge.index - 1) % kSquaresPerRow;
    return edge.family == Vertical ? GridPosition { j, k } : GridPosition { k, j };
}
constexpr Edge verticalEdgeAt(int row, int column)
{
    return { Vertical, kSquaresPerRow * column + row + 1 };
}
constexpr Edge horizontalEdgeAt(int row, int column)
{
    return { Horizontal, kSquaresPerRow * row + column + 1 };
}

// The edge a keyboard cursor reaches from `edge` by one step of an arrow key.
// Left and Right run along the edge's own line: the horizontal edges of a dot
// row, or the vertical edges of a row of squares. Up and Down alternate between
// those lines, to the vertical edge at the left end of a horizontal edge and to
// the horizontal edge to the right of a vertical edge's dots (to the left of
// them on the right rim). At the board's rim the cursor stays where it is.
enum class Step { Left, Right, Up, Down };
constexpr Edge edgeStep(Edge edge, Step step)
{
    const GridPosition p = edgePosition(edge);
    const bool vertical = edge.family == Vertical;
    const int lastColumn = vertical ? kSquaresPerRow : kSquaresPerRow - 1;
    switch (step) {
    case Step::Left:
        return p.column == 0 ? edge
            : vertical       ? verticalEdgeAt(p.row, p.column - 1)
                             : horizontalEdgeAt(p.row, p.column - 1);
    case Step::Right:
        return p.column == lastColumn ? edge
            : vertical                ? verticalEdgeAt(p.row, p.column + 1)
                                      : horizontalEdgeAt(p.row, p.column + 1);
    case Step::Up:
        if (vertical)
            return horizontalEdgeAt(p.row, p.column < kSquaresPerRow ? p.column : p.column - 1);
        return p.row == 0 ? edge : verticalEdgeAt(p.row - 1, p.column);
    case Step::Down:
        if (vertical)
            return horizontalEdgeAt(p.row + 1, p.column < kSquaresPerRow ? p.column : p.column - 1);
        return p.row == kSquaresPerRow ? edge : verticalEdgeAt(p.row, p.column);
    }
    return edge;
}

// An edge on the rim borders one square only.
constexpr bool isBorderEdge(Edge edge)
{
    const GridPosition p = edgePosition(edge);
    const int across = edge.family == Vertical ? p.column : p.row;
    return across == 0 || across == kSquaresPerRow;
}

// The sides of a square, in the order every per-square operation takes them.
enum class Side { Left, Top, Right, Bottom };
inline constexpr std::array<Side, 4> kSides { Side::Left, Side::Top, Side::Right, Side::Bottom };

constexpr Family sideFamily(Side side)
{
    return side == Side::Left || side == Side::Right ? Vertical : Horizontal;
}
// The side of the neighbour beyond `side` that the two squares share.
constexpr Side facingSide(Side side)
{
    switch (side) {
    case Side::Left:
        return Side::Right;
    case Side::Top:
        return Side::Bottom;
    case Side::Right:
        return Side::Left;
    case Side::Bottom:
        break;
    }
    return Side::Top;
}

// The three sides of a neighbour other than the one it shares: the far side,
// in the shared side's family, and the two cross sides in the other family.
// Beyond the border all three are 0, which reads the open template edge.
struct NeighbourSides {
    std::int16_t far;
    std::int16_t cross1;
    std::int16_t cross2;
};

// One row of 17 values, in the order the completion scan receives them
// (var1..var17): left, top, right, bottom, the square, then the neighbour
// triples of the right, left, upper and lower neighbours.
struct BoxRow {
    std::array<std::int16_t, 17> var {};

    constexpr std::int16_t square() const { return var[4]; }

    constexpr Edge side(Side s) const
    {
        return { sideFamily(s), var[static_cast<std::size_t>(s)] };
    }
    constexpr NeighbourSides neighbour(Side s) const
    {
        const std::size_t first = s == Side::Right ? 5
            : s == Side::Left                      ? 8
            : s == Side::Top                       ? 11
                                                   : 14;
        return { var[first], var[first + 1], var[first + 2] };
    }
};

// The side order shared by every per-square operation: left, top, right,
// bottom and the square's number.
struct SquareSides {
    std::int16_t var1; // left, vertical
    std::int16_t var2; // top, horizontal
    std::int16_t var3; // right, vertical
    std::int16_t var4; // bottom, horizontal
    std::int16_t var5; // the square
};

namespace detail {

constexpr BoxRow makeRow(int b)
{
    const auto [r, c] = squarePosition(b);
    const int left = verticalEdgeAt(r, c).index;
    const int top = horizontalEdgeAt(r, c).index;
    const int right = verticalEdgeAt(r, c + 1).index;
    const int bottom = horizontalEdgeAt(r + 1, c).index;
    auto v = [](int x) { return static_cast<std::int16_t>(x); };
    const bool hasRight = c < kSquaresPerRow - 1;
    const bool hasLeft = c > 0;
    const bool hasUpper = r > 0;
    const bool hasLower = r < kSquaresPerRow - 1;
    BoxRow row {};
    row.var = {
        v(left),
        v(top),
        v(right),
        v(bottom),
        v(b),
        v(hasRight ? verticalEdgeAt(r, c + 2).index : 0),
        v(hasRight ? horizontalEdgeAt(r, c + 1).index : 0),
        v(hasRight ? horizontalEdgeAt(r + 1, c + 1).index : 0),
        v(hasLeft ? verticalEdgeAt(r, c - 1).index : 0),
        v(hasLeft ? horizontalEdgeAt(r, c - 1).index : 0),
        v(hasLeft ? horizontalEdgeAt(r + 1, c - 1).index : 0),
        v(hasUpper ? horizontalEdgeAt(r - 1, c).index : 0),
        v(hasUpper ? verticalEdgeAt(r - 1, c).index : 0),
        v(hasUpper ? verticalEdgeAt(r - 1, c + 1).index : 0),
        v(hasLower ? horizontalEdgeAt(r + 2, c).index : 0),
        v(hasLower ? verticalEdgeAt(r + 1, c).index : 0),
        v(hasLower ? verticalEdgeAt(r + 1, c + 1).index : 0),
    };
    return row;
}

constexpr std::array<BoxRow, kSquareCount + 1> makeTable()
{
    std::array<BoxRow, kSquareCount + 1> table {};
    for (int b = 1; b <= kSquareCount; ++b)
        table[static_cast<std::size_t>(b)] = makeRow(b);
    return table;
}

// Row 0 is unused and all zero. The strategies read the table thousands of
// times a turn, so it lives in the header where every read is inlined.
inline constexpr std::array<BoxRow, kSquareCount + 1> kBoxTable = makeTable();

} // namespace detail

// Row b (1..25) of the table.
constexpr const BoxRow& boxRow(int square)
{
    assert(square >= 1 && square <= kSquareCount);
    return detail::kBoxTable[static_cast<std::size_t>(square)];
}

constexpr SquareSides squareSides(int square)
{
    const BoxRow& row = boxRow(square);
    return { row.var[0], row.var[1], row.var[2], row.var[3], row.var[4] };
}

// The square's four sides as edges: left, top, right, bottom.
constexpr std::array<Edge, 4> sideEdges(int square)
{
    const BoxRow& row = boxRow(square);
    return { row.side(Side::Left), row.side(Side::Top), row.side(Side::Right),
        row.side(Side::Bottom) };
}

// Whether all four sides are drawn (any mark but "a").
inline bool allSidesDrawn(const Board& board, const SquareSides& s)
{
    return !board.isOpen(Vertical, s.var1) && !board.isOpen(Horizontal, s.var2)
        && !board.isOpen(Vertical, s.var3) && !board.isOpen(Horizontal, s.var4);
}

// How many of the square's four sides are drawn (any mark but "a").
int drawnSides(const Board& board, int square);

// The square reached by stepping out of `square` through one of its sides, or
// 0 beyond the border.
constexpr int neighbourSquare(int square, Side side)
{
    const auto [r, c] = squarePosition(square);
    const int last = kSquaresPerRow - 1;
    switch (side) {
    case Side::Left:
        return c > 0 ? squareAt(r, c - 1) : 0;
    case Side::Top:
        return r > 0 ? squareAt(r - 1, c) : 0;
    case Side::Right:
        return c < last ? squareAt(r, c + 1) : 0;
    case Side::Bottom:
        break;
    }
    return r < last ? squareAt(r + 1, c) : 0;
}

} // namespace quadlo
