// SPDX-License-Identifier: GPL-3.0-or-later
// The chain look-ahead of a Hard turn. Before the computer takes a ready
// square, it follows the chain behind the square's open side for at most three
// squares. When the ready square starts a chain of exactly four whose fourth
// square is closed at its far end, the answer is the edge between the second
// and third squares: drawing it completes nothing and leaves two pairs, so the
// computer keeps control. Otherwise there is no answer. It only reads the board.
#pragma once

#include <cstdint>

#include "board/Board.h"
#include "board/BoxGeometry.h"

namespace quadlo {

class ChainSimulation {
public:
    explicit ChainSimulation(Board& board)
        : board_(board)
    {
    }

    // Steps out of a square through the edge that chainEdge names.
    void Simulation(const SquareSides& sides);
    // Finds the sides of the square entered by direction wichwant (1 left,
    // 2 top, 3 right, 4 bottom) and examines it.
    void Build(int wichwant, int var5);
    // Examines the entered square: the chain goes on, ends, or yields the answer.
    void capncrunch(int whichwant, const SquareSides& sides);

    // Look-ahead state; the completion scan resets the first five before each
    // look-ahead.
    std::int16_t chainEdge = 0;
    bool chainEdgeIsVertical = false;
    std::int16_t chainDepth = 0;
    bool chainDeadEnd = false;
    bool chainStop = false;
    std::int16_t savedChainEdge = 0;
    bool savedChainEdgeIsVertical = false;

private:
    Board& board_;
};

} // namespace quadlo
