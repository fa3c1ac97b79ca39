// SPDX-License-Identifier: GPL-3.0-or-later
// Costing, candidate lists and the random choice among the cheapest edges.
#include "opponent/SafeMoveSearch.h"

#include <cassert>

#include "opponent/ForcedSides.h"

namespace quadlo {

void SafeMoveSearch::CheckBox3()
{
    // With no open edge the choice would fall on a pick left over from an
    // earlier search; no caller asks for that.
    assert(board_.anyOpen(Vertical) || board_.anyOpen(Horizontal));

    bestVerticalCost_ = kNoCost;
    bestHorizontalCost_ = kNoCost;
    RefreshVList();
    RefreshHList();
    for (int i = 1; i <= kEdgesPerFamily; ++i)
        Filter(i);
    LocateH();
    LocateV();

    bool vertical;
    if (bestVerticalCost_ < bestHorizontalCost_) {
        vertical = true;
    } else if (bestVerticalCost_ > bestHorizontalCost_) {
        vertical = false;
    } else {
        // The coin is computed and kept in single precision: r * 2 + 1 can
        // round up to 2 for r just below one half.
        const float t = random_.draw() * 2.0f + 1.0f;
        vertical = t < 2.0f;
    }
    if (vertical) {
        board_.moveEdge = pickedVerticalEdge_;
        board_.moveFamily = Vertical;
        board_.bestMoveCost = bestVerticalCost_;
    } else {
        board_.moveEdge = pickedHorizontalEdge_;
        board_.moveFamily = Horizontal;
        board_.bestMoveCost = bestHorizontalCost_;
    }
    CleanHouse();
}

void SafeMoveSearch::Filter(int toonum)
{
    if (board_.isOpen(Vertical, toonum))
        Vpred(toonum);
    if (board_.isOpen(Horizontal, toonum))
        Hpred(toonum);
}

void SafeMoveSearch::Vpred(int startv)
{
    cost(Vertical, startv, verticalCandidates_, bestVerticalCost_);
}

void SafeMoveSearch::Hpred(int starth)
{
    cost(Horizontal, starth, horizontalCandidates_, bestHorizontalCost_);
}

void SafeMoveSearch::cost(Family family, int index, CandidateList& list, std::int16_t& bestCost)
{
    board_.edge(family, index).tag = Mark::vc;
    board_.captureCount = 0;
    Checkbox4(board_);
    const std::int16_t candidateCost = board_.captureCount;
    const auto slot = static_cast<std::size_t>(index);
    if (candidateCost == bestCost)
        list[slot] = static_cast<std::int16_t>(index);
    if (candidateCost < bestCost) {
        list.fill(0);
        bestCost = candidateCost;
        list[slot] = static_cast<std::int16_t>(index);
    }
    CleanHouse();
}

void SafeMoveSearch::RefreshVList() { verticalCandidates_.fill(0); }

void SafeMoveSearch::RefreshHList() { horizontalCandidates_.fill(0); }

void SafeMoveSearch::LocateV() { locate(verticalCandidates_, pickedVerticalEdge_); }

void SafeMoveSearch::LocateH() { locate(horizontalCandidates_, pickedHorizontalEdge_); }

void SafeMoveSearch::locate(const CandidateList& list, std::int16_t& picked)
{
    int empty = 0;
    for (int slot = 1; slot <= kEdgesPerFamily; ++slot) {
        if (list[static_cast<std::size_t>(slot)] == 0)
            ++empty;
    }
    if (empty == kEdgesPerFamily)
        return;
    // Redraw until a filled slot comes up: uniform over the candidates.
    do {
        const int slot = randomWholeNumber(random_, kEdgesPerFamily);
        picked = list[static_cast<std::size_t>(slot)];
    } while (picked == 0);
}

void SafeMoveSearch::CleanHouse() { board_.reopenMarked(Mark::vh, Mark::vc); }

void SafeMoveSearch::OtherOptions()
{
    board_.sweepMode = true;
    Checkbox4(board_);
    board_.sweepMode = false;

    CheckBox3();
    if (board_.bestMoveCost < 2)
        board_.bestCostUnder2 = true;
    if (board_.bestMoveCost < 4)
        board_.bestCostUnder4 = true;
    board_.moveEdge = 0;
    board_.moveFamily = NoFamily;

    board_.reopenMarked(Mark::vvc, Mark::vvc);
}

} // namespace quadlo
