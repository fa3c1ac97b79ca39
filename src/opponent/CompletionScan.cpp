// SPDX-License-Identifier: GPL-3.0-or-later
// Scoring and search passes of the completion scan.
#include "opponent/CompletionScan.h"

#include <string>

namespace quadlo {

void CompletionScan::CheckBox2()
{
    for (int square = 1; square <= kSquareCount; ++square)
        VerifyBox(boxRow(square));
}

void CompletionScan::VerifyBox(const BoxRow& row)
{
    if (!board_.searchMode)
        score(row);
    else
        search(row);
}

void CompletionScan::score(const BoxRow& row)
{
    MarkerControl& marker = board_.shpMiddle[static_cast<std::size_t>(row.square())];
    if (!allSidesDrawn(board_, squareSides(row.square())) || marker.tag != Mark::a)
        return;
    // An even count means the human's edge is the last one drawn.
    if (board_.turnCount % 2 == 0) {
        marker.backColor = kHumanColour;
        marker.tag = Mark::h;
        board_.lastScorer = 1;
        ++board_.humanScore;
        board_.lblScore1 = std::to_string(board_.humanScore);
    } else {
        marker.backColor = kComputerColour;
        marker.tag = Mark::c;
        board_.lastScorer = 2;
        ++board_.computerScore;
        board_.lblScore2 = std::to_string(board_.computerScore);
    }
}

void CompletionScan::search(const BoxRow& row)
{
    for (const Side side : kSides) {
        bool matches = true;
        for (auto other = kSides.begin(); other != kSides.end() && matches; ++other)
            matches = (*other == side) == board_.isOpen(row.side(*other));
        if (matches) {
            // Only one side of a square can be its single open side.
            propose(row, side);
            return;
        }
    }
}

void CompletionScan::propose(const BoxRow& row, Side side)
{
    const Edge openEdge = row.side(side);

    if (board_.lblHard && !board_.allClosable)
        dudereally();

    if (board_.lblHard && !board_.nearEndgame && !board_.bestCostUnder4) {
        chain_.chainEdge = static_cast<std::int16_t>(openEdge.index);
        chain_.chainDepth = 0;
        chain_.chainStop = false;
        chain_.chainDeadEnd = false;
        board_.moveEdge = 0;
        chain_.chainEdgeIsVertical = openEdge.family == Vertical;
        chain_.Simulation(squareSides(row.square()));
        if (board_.moveEdge > 0)
            return;
    }

    if (board_.lblHard && !board_.allClosable)
        dudereally();

    if (board_.lblHard && board_.twoCapturable && !board_.lateEndgame && !board_.bestCostUnder2) {
        // Decline the square: draw the neighbour's one further open side, so
        // both squares wait on the shared side.
        const Family cross = otherFamily(openEdge.family);
        const NeighbourSides n = row.neighbour(side);
        const bool farOpen = board_.isOpen(openEdge.family, n.far);
        const bool cross1Open = board_.isOpen(cross, n.cross1);
        const bool cross2Open = board_.isOpen(cross, n.cross2);
        if (farOpen && !cross1Open && !cross2Open) {
            board_.moveEdge = n.far;
            board_.moveFamily = openEdge.family;
            return;
        }
        if (cross1Open && !farOpen && !cross2Open) {
            board_.moveEdge = n.cross1;
            board_.moveFamily = cross;
            return;
        }
        if (cross2Open && !farOpen && !cross1Open) {
            board_.moveEdge = n.cross2;
            board_.moveFamily = cross;
            return;
        }
    }

    board_.moveEdge = static_cast<std::int16_t>(openEdge.index);
    board_.moveFamily = openEdge.family;
}

void CompletionScan::dudereally()
{
    forEachEdge([this](Edge edge) {
        EdgeControl& e = board_.edge(edge);
        if (e.tag == Mark::c && e.backColor != kComputerColour)
            e.tag = Mark::a;
    });
}

} // namespace quadlo
