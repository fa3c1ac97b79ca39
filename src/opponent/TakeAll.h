// SPDX-License-Identifier: GPL-3.0-or-later
// The take-all test of a Hard turn: if the computer took every square it can
// take in a row from here, would that finish the game? The sweep marks every
// such side "vvc", the squares it closes are counted, the marks are removed,
// and allClosable is set when the owned squares plus the closable ones make 25.
#pragma once

#include "board/Board.h"
#include "board/BoxGeometry.h"

namespace quadlo {

void safetyprecautions(Board& board);
// One counting pass over squares 1..25.
void Checkbox5(Board& board);
// Adds one to closableSquares for an unowned square whose four sides are drawn.
void Bizzarecheck(Board& board, const SquareSides& sides);

} // namespace quadlo
