// SPDX-License-Identifier: GPL-3.0-or-later
// Forced-side propagation over the board's own edge marks.
#include "opponent/ForcedSides.h"

namespace quadlo {

namespace {

struct Propagation {
    Board& board;
    MarkTrace* trace;
    int depth = 0;

    void pass()
    {
        ++depth;
        for (int square = 1; square <= kSquareCount; ++square)
            examine(squareSides(square));
        --depth;
    }

    // A side is forced when it is open and the other three sides are drawn;
    // the tags are read afresh for each of the four tests.
    void examine(const SquareSides& s)
    {
        if (forced(Vertical, s.var1, Horizontal, s.var2, Vertical, s.var3, Horizontal, s.var4))
            markAndPass(Vertical, s.var1);
        if (forced(Horizontal, s.var2, Vertical, s.var1, Vertical, s.var3, Horizontal, s.var4))
            markAndPass(Horizontal, s.var2);
        if (forced(Vertical, s.var3, Vertical, s.var1, Horizontal, s.var2, Horizontal, s.var4))
            markAndPass(Vertical, s.var3);
        if (forced(Horizontal, s.var4, Vertical, s.var1, Horizontal, s.var2, Vertical, s.var3))
            markAndPass(Horizontal, s.var4);
    }

    bool forced(
        Family family, int index, Family f1, int i1, Family f2, int i2, Family f3, int i3) const
    {
        return board.isOpen(family, index) && !board.isOpen(f1, i1) && !board.isOpen(f2, i2)
            && !board.isOpen(f3, i3);
    }

    void markAndPass(Family family, int index)
    {
        if (board.sweepMode) {
            board.edge(family, index).tag = Mark::vvc;
        } else {
            board.edge(family, index).tag = Mark::vh;
            ++board.captureCount;
        }
        if (trace)
            trace->push_back({ { family, index }, depth });
        pass();
    }
};

} // namespace

void Checkbox4(Board& board, MarkTrace* trace) { Propagation { board, trace }.pass(); }

void Verifiable(Board& board, const SquareSides& sides, MarkTrace* trace)
{
    Propagation p { board, trace };
    p.depth = 1;
    p.examine(sides);
}

} // namespace quadlo
