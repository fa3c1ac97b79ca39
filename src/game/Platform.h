// SPDX-License-Identifier: GPL-3.0-or-later
// What the game needs from the platform that runs it, besides the random
// source: modal message boxes, a form whose controls can be reloaded and a
// program that can be ended, and someone to tell what each turn did. The window
// implements these for real; the tests and the headless tool implement them to
// record what happened.
#pragma once

#include <string>

#include "board/Board.h"

namespace quadlo {

// Message box styles used by the game.
inline constexpr int kStyleOkOnly = 0;
inline constexpr int kStyleInformation = 64;

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Modal: returns once the user has closed the box. Line breaks in `text`
    // are "\r\n".
    virtual void showMessage(const std::string& text, int style, const std::string& title) = 0;
};

class FormHost {
public:
    virtual ~FormHost() = default;
    // New Game has put every control of the model back into its design state;
    // the form reloads its controls to match.
    virtual void reloadForm() = 0;
    // Exit: end the program at once.
    virtual void endProgram() = 0;
};

enum class Player { Human, Computer };

// What a click set in motion, reported as it happens: every edge drawn and
// every square awarded, in the order the game does them. A handler may report
// many of each (the computer's whole answer runs inside the human's click), so
// a front end that wants to show the moves one by one collects them here. It
// only reports; the board already holds the outcome when the handler returns.
class TurnObserver {
public:
    virtual ~TurnObserver() = default;
    virtual void edgeDrawn(Player player, Edge edge) = 0;
    virtual void squareAwarded(Player player, int square) = 0;
};

} // namespace quadlo
