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

// The two kinds of message box the game shows, and the warning the window
// shows when a game file cannot be saved or opened; the values are the
// box-style numbers the headless tool prints.
enum class MessageStyle { OkOnly = 0, Exclamation = 48, Information = 64 };

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Modal: returns once the user has closed the box. Line breaks in `text`
    // are "\r\n".
    virtual void showMessage(const std::string& text, MessageStyle style, const std::string& title)
        = 0;
};

class FormHost {
public:
    virtual ~FormHost() = default;
    // New Game has put every control of the model back as a new form shows
    // it; the form reloads its controls to match.
    virtual void reloadForm() = 0;
    // Exit: end the program at once.
    virtual void endProgram() = 0;
};

enum class Player { Human, Computer };

// One thing a click did: an edge drawn (square 0) or a square awarded (edge
// NoFamily 0).
struct TurnEvent {
    Player player;
    Edge edge;
    int square;

    bool isEdge() const { return square == 0; }
    bool operator==(const TurnEvent&) const = default;
};
inline TurnEvent drew(Player player, Edge edge) { return { player, edge, 0 }; }
inline TurnEvent took(Player player, int square) { return { player, { NoFamily, 0 }, square }; }

// What a click set in motion, reported as it happens: every edge drawn and
// every square awarded, in the order the game does them. A handler may report
// many of each (the computer's whole answer runs inside the human's click), so
// a front end that wants to show the moves one by one collects them here. It
// only reports; the board already holds the outcome when the handler returns.
class TurnObserver {
public:
    virtual ~TurnObserver() = default;
    virtual void happened(const TurnEvent& event) = 0;
};

} // namespace quadlo
