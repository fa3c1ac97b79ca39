// SPDX-License-Identifier: GPL-3.0-or-later
// The board as a screen reader meets it: a named pane whose 60 children are
// the edges, each with words a player understands (where it lies, open or
// whose), the edge under the keyboard cursor the focused one; and the short
// text that tells what a turn did.
#pragma once

#include <vector>

#include <QString>

#include "game/Platform.h"

namespace quadlo {

class BoardView;

// Makes Qt build the board's interface; once is enough, again does nothing.
void installBoardAccessibility();
// The cursor moved, or the board took the focus: the edge under it is focused.
void boardCursorMoved(BoardView* view);

// What a shown turn did, in one short text: "Computer drew 3 edges and took 2
// squares. Your move."
QString turnSummary(const std::vector<TurnEvent>& events, bool humanToMove);

} // namespace quadlo
