// SPDX-License-Identifier: GPL-3.0-or-later
// The box completion scan: one sweep over the 25 squares with two uses. The
// scoring pass awards every newly completed square by the parity of turnCount;
// the search pass lets every ready square (three sides drawn) propose the
// computer's move. At Hard the proposal may come from the chain look-ahead, or
// the square may be declined for the far open side of its neighbour, leaving
// the shared side as the last open side of both squares.
#pragma once

#include "board/Board.h"
#include "board/BoxGeometry.h"
#include "opponent/ChainSimulation.h"

namespace quadlo {

class CompletionScan {
public:
    CompletionScan(Board& board, ChainSimulation& chain)
        : board_(board)
        , chain_(chain)
    {
    }

    // Examines squares 1..25 in order, never stopping early: a later ready
    // square overwrites an earlier proposal. searchMode selects the pass.
    void CheckBox2();
    void VerifyBox(const BoxRow& row);
    // Turns any edge marked "c" but not shown green back into "a".
    void dudereally();

private:
    void score(const BoxRow& row);
    void search(const BoxRow& row);
    // The matched side's Hard steps and proposal.
    void propose(const BoxRow& row, Side side);

    Board& board_;
    ChainSimulation& chain_;
};

} // namespace quadlo
