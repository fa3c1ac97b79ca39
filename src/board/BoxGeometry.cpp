// SPDX-License-Identifier: GPL-3.0-or-later
// Counting a square's drawn sides; the table itself is built at compile time
// in the header.
#include "board/BoxGeometry.h"

namespace quadlo {

int drawnSides(const Board& board, int square)
{
    int drawn = 0;
    for (const Edge side : sideEdges(square))
        drawn += !board.isOpen(side);
    return drawn;
}

} // namespace quadlo
