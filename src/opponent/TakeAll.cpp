// SPDX-License-Identifier: GPL-3.0-or-later
// Sweep, count, clean, compare.
#include "opponent/TakeAll.h"

#include "opponent/ForcedSides.h"

namespace quadlo {

void safetyprecautions(Board& board)
{
    board.sweepMode = true;
    Checkbox4(board);
    Checkbox5(board);
    board.sweepMode = false;

    board.reopenMarked(Mark::vvc, Mark::vvc);

    const auto open = static_cast<std::int16_t>(kSquareCount - board.closableSquares);
    if (board.completedSquares == open)
        board.allClosable = true;
}

void Checkbox5(Board& board)
{
    for (int square = 1; square <= kSquareCount; ++square)
        Bizzarecheck(board, squareSides(square));
}

void Bizzarecheck(Board& board, const SquareSides& s)
{
    if (allSidesDrawn(board, s) && board.shpMiddle[static_cast<std::size_t>(s.var5)].tag == Mark::a)
        ++board.closableSquares;
}

} // namespace quadlo
