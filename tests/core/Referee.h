// SPDX-License-Identifier: GPL-3.0-or-later
// A referee for whole games that knows the rules and nothing of how the game
// plays them. It reads the board before and after one click, in its own
// numbering, and says whether what happened in between is something the rules
// allow: one red edge for the click, one green edge per computer move and a
// further move only after a completed square, every new square to the player
// who drew its last side, the scores and the turn to match, and the end of the
// game with its one message exactly when all squares are owned.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "GameTestSupport.h"

namespace quadlo::test {

// The referee's picture of a board. Edges 0..29 are the vertical ones, column
// by column from the left and top to bottom within a column; edges 30..59 are
// the horizontal ones, row by row from the top and left to right within a row.
// Squares 0..24 go row by row. A mark is 'a' (open), 'h', 'c', or '?' for
// anything else. The referee's verdicts name edges and squares by these
// numbers.
struct RefereeView {
    std::array<char, 60> edges {};
    std::array<char, 25> squares {};
    int humanScore = 0;
    int computerScore = 0;
    std::string humanCaption = "0";
    std::string computerCaption = "0";
    bool humanToMove = true;
    bool over = false;
    bool operator==(const RefereeView&) const = default;
};

RefereeView observe(const Board& board);

// The referee's number of a clicked edge.
int refereeEdge(Edge edge);

// Judges one click on `clicked` from the views before and after it and the
// message boxes it showed: empty when the rules were kept, else what broke.
std::string judgeClick(const RefereeView& before, int clicked, const RefereeView& after,
    const std::vector<ShownMessage>& shown);

} // namespace quadlo::test
