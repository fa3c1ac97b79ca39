// SPDX-License-Identifier: GPL-3.0-or-later
// The forced-side propagation: the look-ahead primitive under every strategy of
// the computer. A square with three sides drawn and one open will be completed
// by whoever moves next, so its open side is forced; the propagation marks every
// such side hypothetically, then every side that this forces, until no square is
// left with exactly one open side. It writes only over open edges, and never
// touches a marker, a score or a colour.
//
// Counting mode (sweepMode false) marks "vh" and adds one to captureCount per
// side; sweep mode marks "vvc" and counts nothing. The order of the marks is
// part of the behaviour: a nested pass starts again at square 1 and, when it
// returns, the outer pass goes on where it was.
#pragma once

#include <vector>

#include "board/Board.h"
#include "board/BoxGeometry.h"

namespace quadlo {

// Optional record of the marks a propagation writes, for tests and tools that
// need to see the order in which forced sides are found.
struct MarkTraceEntry {
    Edge edge;
    int passDepth; // 1 for the outermost pass
};
using MarkTrace = std::vector<MarkTraceEntry>;

// One full pass over squares 1..25, marking forced sides and nesting a new pass
// after each mark.
void Checkbox4(Board& board, MarkTrace* trace = nullptr);

// Examines one square in side order; var5 is accepted and not used.
void Verifiable(Board& board, const SquareSides& sides, MarkTrace* trace = nullptr);

} // namespace quadlo
