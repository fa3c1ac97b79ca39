// SPDX-License-Identifier: GPL-3.0-or-later
// Both directions of the edge mapping come from the geometry table's grid
// positions: a vertical edge's box row and dot column, a horizontal edge's
// dot row and box column, which is how BoxBoard places its edges too.
#include "analysis/BoardAdapter.h"

#include "board/BoxGeometry.h"

namespace quadlo::analysis {

const BoxBoard& gameBoxBoard()
{
    static const BoxBoard board = *BoxBoard::make(kSquaresPerRow, kSquaresPerRow);
    return board;
}

int solverEdge(Edge edge)
{
    const GridPosition p = edgePosition(edge);
    const BoxBoard& board = gameBoxBoard();
    return edge.family == Vertical ? board.vertical(p.row, p.column)
                                   : board.horizontal(p.row, p.column);
}

Edge gameEdge(int edge)
{
    const BoxBoard& board = gameBoxBoard();
    if (board.isVertical(edge)) {
        const int at = edge - board.vertical(0, 0);
        return verticalEdgeAt(at / (board.columns() + 1), at % (board.columns() + 1));
    }
    return horizontalEdgeAt(edge / board.columns(), edge % board.columns());
}

EdgeSet drawnEdges(const Board& board)
{
    EdgeSet drawn = 0;
    forEachEdge([&](Edge edge) {
        if (!board.isOpen(edge))
            drawn |= edgeBit(solverEdge(edge));
    });
    return drawn;
}

} // namespace quadlo::analysis
