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
    MessageStyle style;
    std::string title;
    bool operator==(const ShownMessage&) const = default;
};

class RecordingPresenter : public MessagePresenter {
public:
    void showMessage(const std::string& text, MessageStyle style, const std::string& title) override
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

} // namespace quadlo::test

namespace quadlo {

// How a failed comparison of two records shows an entry.
inline std::ostream& operator<<(std::ostream& out, const TurnEvent& event)
{
    out << (event.player == Player::Human ? "human " : "computer ");
    if (!event.isEdge())
        return out << "takes " << event.square;
    return out << "draws " << (event.edge.family == Vertical ? "V" : "H") << event.edge.index;
}

} // namespace quadlo

namespace quadlo::test {

class RecordingObserver : public TurnObserver {
public:
    void happened(const TurnEvent& event) override { events.push_back(event); }
    std::vector<TurnEvent> events;
};

} // namespace quadlo::test
