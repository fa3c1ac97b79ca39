// Sweep, count, clean, compare.
#include "opponent/TakeAllTest.h"

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
    if (!board.isOpen(Vertical, s.var1) && !board.isOpen(Horizontal, s.var2)
        && !board.isOpen(Vertical, s.var3) && !board.isOpen(Horizontal, s.var4)
        && board.shpMiddle[static_cast<std::size_t>(s.var5)].tag == Mark::a)
        ++board.closableSquares;
}

} // namespace quadlo
