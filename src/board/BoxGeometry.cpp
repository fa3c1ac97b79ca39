// Builds the box geometry table from the numbering rule at compile time.
// Square b lies at row r = (b - 1) / 5, column c = (b - 1) % 5; vertical edge
// 5k + r + 1 stands in dot column k, horizontal edge 5k + c + 1 in dot row k.
#include "board/BoxGeometry.h"

#include <cassert>

namespace quadlo {

namespace {

constexpr BoxRow makeRow(int b)
{
    const int r = (b - 1) / 5;
    const int c = (b - 1) % 5;
    const int left = 5 * c + r + 1;
    auto v = [](int x) { return static_cast<std::int16_t>(x); };
    BoxRow row {};
    row.var = {
        v(left),
        v(b),
        v(left + 5),
        v(b + 5),
        v(b),
        // right neighbour: its right, top and bottom sides
        v(c < 4 ? left + 10 : 0),
        v(c < 4 ? b + 1 : 0),
        v(c < 4 ? b + 6 : 0),
        // left neighbour: its left, top and bottom sides
        v(c > 0 ? left - 5 : 0),
        v(c > 0 ? b - 1 : 0),
        v(c > 0 ? b + 4 : 0),
        // upper neighbour: its top, left and right sides
        v(r > 0 ? b - 5 : 0),
        v(r > 0 ? left - 1 : 0),
        v(r > 0 ? left + 4 : 0),
        // lower neighbour: its bottom, left and right sides
        v(r < 4 ? b + 10 : 0),
        v(r < 4 ? left + 1 : 0),
        v(r < 4 ? left + 6 : 0),
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

constexpr std::array<BoxRow, kSquareCount + 1> kTable = makeTable();

} // namespace

const BoxRow& boxRow(int square)
{
    assert(square >= 1 && square <= kSquareCount);
    return kTable[static_cast<std::size_t>(square)];
}

SquareSides squareSides(int square)
{
    const BoxRow& row = boxRow(square);
    return { row.var[0], row.var[1], row.var[2], row.var[3], row.var[4] };
}

int drawnSides(const Board& board, int square)
{
    const SquareSides s = squareSides(square);
    return !board.isOpen(Vertical, s.var1) + !board.isOpen(Horizontal, s.var2)
        + !board.isOpen(Vertical, s.var3) + !board.isOpen(Horizontal, s.var4);
}

int neighbourSquare(int square, int direction)
{
    const int r = (square - 1) / 5;
    const int c = (square - 1) % 5;
    switch (direction) {
    case 1:
        return c > 0 ? square - 1 : 0;
    case 2:
        return r > 0 ? square - 5 : 0;
    case 3:
        return c < 4 ? square + 1 : 0;
    case 4:
        return r < 4 ? square + 5 : 0;
    default:
        return 0;
    }
}

} // namespace quadlo
