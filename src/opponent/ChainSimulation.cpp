// SPDX-License-Identifier: GPL-3.0-or-later
// Simulation, Build and capncrunch recurse into one another at most three
// levels deep; chainStop unwinds every pending level at its next check.
#include "opponent/ChainSimulation.h"

namespace quadlo {

void ChainSimulation::Simulation(const SquareSides& s)
{
    if (chainDeadEnd)
        return;
    ++chainDepth;

    // Each step may move chainEdge on, so every side is matched against it
    // afresh. A chain that leaves the board ends without an answer.
    const std::int16_t sides[4] = { s.var1, s.var2, s.var3, s.var4 };
    for (const Side side : kSides) {
        if (side != Side::Left && chainStop)
            return;
        const Edge edge { chainEdgeIsVertical ? Vertical : Horizontal, chainEdge };
        if (sides[static_cast<int>(side)] != chainEdge || sideFamily(side) != edge.family)
            continue;
        if (isBorderEdge(edge))
            return;
        Build(static_cast<int>(side) + 1, neighbourSquare(s.var5, side));
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
    const Edge sides[4] = { { Vertical, s.var1 }, { Horizontal, s.var2 }, { Vertical, s.var3 },
        { Horizontal, s.var4 } };
    auto open = [this](const Edge& side) { return board_.isOpen(side); };

    // The shared side faces the square the step came from: entering to the
    // left crosses the entered square's right side, and so on.
    if (whichwant >= 1 && whichwant <= 4) {
        const int shared = static_cast<int>(facingSide(static_cast<Side>(whichwant - 1)));
        if (open(sides[shared])) {
            int openCount = 0;
            const Edge* only = nullptr;
            for (int i = 0; i < 4; ++i) {
                if (i != shared && open(sides[i])) {
                    ++openCount;
                    only = &sides[i];
                }
            }
            if (openCount == 1) {
                chainEdge = static_cast<std::int16_t>(only->index);
                chainEdgeIsVertical = only->family == Vertical;
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
