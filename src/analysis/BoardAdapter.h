// SPDX-License-Identifier: GPL-3.0-or-later
// The one place where the game's board and the solver meet: the game's 5×5
// boxes as a BoxBoard, and each game edge as a solver edge bit and back. It
// reads positions through the box geometry table's accessors, so the game's
// numbering is known only there.
#pragma once

#include "analysis/BoxBoard.h"
#include "board/Board.h"

namespace quadlo::analysis {

const BoxBoard& gameBoxBoard();

// The solver edge of a game edge, and back.
int solverEdge(Edge edge);
Edge gameEdge(int edge);

// The edges drawn on the game board (any mark but "a").
EdgeSet drawnEdges(const Board& board);

} // namespace quadlo::analysis
