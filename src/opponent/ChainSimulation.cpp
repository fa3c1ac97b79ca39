// Simulation, Build and capncrunch recurse into one another at most three
// levels deep; chainStop unwinds every pending level at its next check.
#include "opponent/ChainSimulation.h"

namespace quadlo {

void ChainSimulation::Simulation(const SquareSides& s)
{
    if (chainDeadEnd)
        return;
    ++chainDepth;

    // The bounds pick out exactly the border edges on each side: a chain that
    // leaves the board ends without an answer.
    if (s.var1 == chainEdge && chainEdgeIsVertical) {
        if (chainEdge < 6)
            return;
        Build(1, neighbourSquare(s.var5, 1));
    }
    if (chainStop)
        return;
    if (s.var2 == chainEdge && !chainEdgeIsVertical) {
        if (chainEdge < 6)
            return;
        Build(2, neighbourSquare(s.var5, 2));
    }
    if (chainStop)
        return;
    if (s.var3 == chainEdge && chainEdgeIsVertical) {
        if (chainEdge > 25)
            return;
        Build(3, neighbourSquare(s.var5, 3));
    }
    if (chainStop)
        return;
    if (s.var4 == chainEdge && !chainEdgeIsVertical) {
        if (chainEdge > 25)
            return;
        Build(4, neighbourSquare(s.var5, 4));
    }
}

void ChainSimulation::Build(int wichwant, int var5)
{
    chainEdge = 0;
    if (var5 >= 1 && var5 <= kSquareCount)
        capncrunch(wichwant, squareSides(var5));
}

void ChainSimulation::capncrunch(int whichwant, const SquareSides& s)
{
    struct Side {
        std::int16_t index;
        bool vertical;
    };
    const Side sides[4]
        = { { s.var1, true }, { s.var2, false }, { s.var3, true }, { s.var4, false } };
    auto open = [this](const Side& side) {
        return board_.isOpen(side.vertical ? Vertical : Horizontal, side.index);
    };

    // The shared side faces the square the step came from: entering to the
    // left crosses the entered square's right side, and so on.
    static constexpr int kSharedSide[5] = { -1, 2, 3, 0, 1 };
    if (whichwant >= 1 && whichwant <= 4) {
        const int shared = kSharedSide[whichwant];
        if (open(sides[shared])) {
            int openCount = 0;
            const Side* only = nullptr;
            for (int i = 0; i < 4; ++i) {
                if (i != shared && open(sides[i])) {
                    ++openCount;
                    only = &sides[i];
                }
            }
            if (openCount == 1) {
                chainEdge = only->index;
                chainEdgeIsVertical = only->vertical;
            } else if (openCount == 0) {
                chainDeadEnd = true;
            }
        }
    }

    if (chainDepth == 1) {
        savedChainEdge = chainEdge;
        savedChainEdgeIsVertical = chainEdgeIsVertical;
    }

    if (chainDeadEnd && chainDepth != 3) {
        chainStop = true;
    } else if (!chainDeadEnd && chainDepth == 3) {
        chainStop = true;
    } else if (chainDeadEnd && chainDepth == 3) {
        board_.moveEdge = savedChainEdge;
        board_.moveFamily = savedChainEdgeIsVertical ? Vertical : Horizontal;
        chainStop = true;
    } else {
        Simulation(s);
    }
}

} // namespace quadlo
