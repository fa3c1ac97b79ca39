// SPDX-License-Identifier: GPL-3.0-or-later
// The tests' one way past the game's public API: the board, to build a
// position field by field, and how deep the computer's turn nested.
#pragma once

#include "game/Game.h"

namespace quadlo {

class GameTestSeam {
public:
    static Board& board(Game& game) { return game.board_; }
    static int deepestNesting(const Game& game) { return game.deepestNesting_; }
};

} // namespace quadlo
