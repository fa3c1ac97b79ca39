// SPDX-License-Identifier: GPL-3.0-or-later
// The platform as every test sees it: message boxes, the form and the record
// of each turn, each only writing down what the game asked of it. The core's,
// the engine's and the window's tests share these, so a change to a platform
// interface is made once here.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "game/Platform.h"

namespace quadlo::test {

struct ShownMessage {
    std::string text;
    int style;
    std::string title;
    bool operator==(const ShownMessage&) const = default;
};

class RecordingPresenter : public MessagePresenter {
public:
    void showMessage(const std::string& text, int style, const std::string& title) override
    {
        shown.push_back({ text, style, title });
        if (onShow)
            onShow(shown.back());
    }

    std::vector<ShownMessage> shown;
    // Runs while the message is "open", before the game goes on.
    std::function<void(const ShownMessage&)> onShow;
};

class RecordingForm : public FormHost {
public:
    void reloadForm() override { ++reloads; }
    void endProgram() override { ++exits; }
    int reloads = 0;
    int exits = 0;
};

// One entry of what a turn did: an edge drawn (square 0) or a square awarded
// (edge NoFamily 0).
struct TurnEvent {
    Player player;
    Edge edge;
    int square;
    bool operator==(const TurnEvent&) const = default;
};
inline TurnEvent drew(Player player, Edge edge) { return { player, edge, 0 }; }
inline TurnEvent took(Player player, int square) { return { player, { NoFamily, 0 }, square }; }

inline std::ostream& operator<<(std::ostream& out, const TurnEvent& event)
{
    out << (event.player == Player::Human ? "human " : "computer ");
    if (event.square != 0)
        return out << "takes " << event.square;
    return out << "draws " << (event.edge.family == Vertical ? "V" : "H") << event.edge.index;
}

class RecordingObserver : public TurnObserver {
public:
    void edgeDrawn(Player player, Edge edge) override { events.push_back(drew(player, edge)); }
    void squareAwarded(Player player, int square) override
    {
        events.push_back(took(player, square));
    }
    std::vector<TurnEvent> events;
};

} // namespace quadlo::test
