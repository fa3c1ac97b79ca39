// SPDX-License-Identifier: GPL-3.0-or-later
// The safe-move search: when the computer must draw an edge that completes no
// square, it costs every open edge by drawing it hypothetically ("vc") and
// counting the sides the propagation then finds forced. It keeps the cheapest
// edges of each family, picks one of each at random and takes the cheaper
// family, tossing a coin on a tie. OtherOptions runs the same search on the
// board swept of everything the computer can take in a row, and turns its cost
// into the two flags that steer the Hard completion scan.
#pragma once

#include <array>
#include <cstdint>

#include "board/Board.h"
#include "board/RandomSource.h"

namespace quadlo {

class SafeMoveSearch {
public:
    SafeMoveSearch(Board& board, RandomSource& random)
        : board_(board)
        , random_(random)
    {
    }

    // The whole search; leaves moveEdge, moveFamily and bestMoveCost.
    // At least one edge must be open.
    void CheckBox3();
    // Sweep, search, cost flags, clean-up; leaves moveEdge and moveFamily 0.
    void OtherOptions();
    // Turns every "vh" and "vc" mark back into "a".
    void CleanHouse();

    void Filter(int toonum);
    void Vpred(int startv);
    void Hpred(int starth);
    void RefreshVList();
    void RefreshHList();
    void LocateV();
    void LocateH();

    using CandidateList = std::array<std::int16_t, kEdgesPerFamily + 1>; // slots 1..30

    const CandidateList& verticalCandidates() const { return verticalCandidates_; }
    const CandidateList& horizontalCandidates() const { return horizontalCandidates_; }
    std::int16_t bestVerticalCost() const { return bestVerticalCost_; }
    std::int16_t bestHorizontalCost() const { return bestHorizontalCost_; }
    std::int16_t pickedVerticalEdge() const { return pickedVerticalEdge_; }
    std::int16_t pickedHorizontalEdge() const { return pickedHorizontalEdge_; }

private:
    // Costs one open edge of a family and keeps the family's cheapest list.
    void cost(Family family, int index, CandidateList& list, std::int16_t& bestCost);
    void locate(const CandidateList& list, std::int16_t& picked);

    Board& board_;
    RandomSource& random_;

    // "None costed yet"; a real cost never exceeds 60.
    static constexpr std::int16_t kNoCost = 99;

    CandidateList verticalCandidates_ {};
    CandidateList horizontalCandidates_ {};
    std::int16_t bestVerticalCost_ = kNoCost;
    std::int16_t bestHorizontalCost_ = kNoCost;
    std::int16_t pickedVerticalEdge_ = 0;
    std::int16_t pickedHorizontalEdge_ = 0;
};

} // namespace quadlo
