// The box geometry table: for each of the 25 squares, its four sides, its own
// number, and for each neighbour the three sides other than the shared one.
// This is the only place that knows how squares, edges and neighbours are
// numbered; everything that needs a square's sides reads them from here.
#pragma once

#include <array>
#include <cstdint>

#include "board/Board.h"

namespace quadlo {

// One row of 17 values, in the order the completion scan receives them
// (var1..var17). A border square's missing neighbour is the triple 0, 0, 0,
// which reads the open template edge of each family.
struct BoxRow {
    std::array<std::int16_t, 17> var {};

    std::int16_t left() const { return var[0]; } // lblshape1
    std::int16_t top() const { return var[1]; } // lblshape2
    std::int16_t right() const { return var[2]; } // lblshape1
    std::int16_t bottom() const { return var[3]; } // lblshape2
    std::int16_t square() const { return var[4]; }
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

// Row b (1..25) of the table; row 0 is unused and all zero.
const BoxRow& boxRow(int square);
SquareSides squareSides(int square);

// How many of the square's four sides are drawn (any mark but "a").
int drawnSides(const Board& board, int square);

// The square reached by stepping out of `square` through one of its sides
// (1 left, 2 top, 3 right, 4 bottom), or 0 beyond the border.
int neighbourSquare(int square, int direction);

} // namespace quadlo
