// SPDX-License-Identifier: GPL-3.0-or-later
// Shows a turn the game has already played, one move at a time. The game plays
// the human's edge and the computer's whole answer inside one click; this class
// records what that click did and lets the window reveal it step by step: the
// human's edge at once, then each computer edge with the squares it completes,
// after a pause. It also remembers which edges the computer drew in its last
// turn, so that the board can mark them until the human moves again.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include <QTimer>

#include "board/Board.h"
#include "game/Platform.h"

namespace quadlo {

// When the next move of a turn is due. The window uses a real timer; the tests
// step it by hand, so that none of them waits on the clock.
class StepClock {
public:
    virtual ~StepClock() = default;
    // Calls `due` once, `milliseconds` from now, replacing any earlier call.
    virtual void callAfter(int milliseconds, std::function<void()> due) = 0;
    virtual void cancel() = 0;
};

class TimerStepClock final : public StepClock {
public:
    TimerStepClock();
    void callAfter(int milliseconds, std::function<void()> due) override;
    void cancel() override;

private:
    QTimer timer_;
    std::function<void()> due_;
};

// True when turns are to be shown at once: the --instant option, or
// QUADLO_INSTANT=1 in the environment.
bool showsTurnsAtOnce(bool instantOption);

// How long the window waits before the computer's first edge, and between its
// further edges; a long run is sped up so that a whole turn takes at most
// kLongestTurnMs.
inline constexpr int kFirstMoveDelayMs = 400;
inline constexpr int kNextMoveDelayMs = 200;
inline constexpr int kLongestTurnMs = 2000;

// The pause before computer move `move` (0 for its first) of a turn of `moves`.
int moveDelay(int move, int moves);

// What the screen shows while a turn is being revealed: the colours of the
// edges and square markers and the two scores, indexed as in the model.
struct ShownPosition {
    std::array<Colour, kEdgesPerFamily + 1> vertical {};
    std::array<Colour, kEdgesPerFamily + 1> horizontal {};
    std::array<Colour, kSquareCount + 1> squares {};
    int humanScore = 0;
    int computerScore = 0;

    static ShownPosition of(const Board& board);
    Colour& edge(Edge edge);
    Colour edge(Edge edge) const;
};

class TurnPlayback final : public TurnObserver {
public:
    explicit TurnPlayback(const Board& board);

    // Null shows every turn at once.
    void setClock(StepClock* clock) { clock_ = clock; }

    // Around one game handler: before it, the position on screen is where the
    // showing starts; after it, the recorded moves are shown, the first at once.
    void beginTurn();
    void endTurn();
    // True between beginTurn and endTurn.
    bool recording() const { return recording_; }

    // True while some of the turn is still to be shown.
    bool showing() const { return !recording_ && next_ < steps_.size(); }
    // Shows the rest of the turn at once.
    void finish();
    // Forgets the turn and the marks, for a new game.
    void cancel();

    // The position to paint while a turn is shown; null when the model itself
    // is what the screen should show.
    const ShownPosition* shown() const { return showing() ? &shown_ : nullptr; }
    // The edges the computer has drawn since the human's last edge, as far as
    // they have been shown.
    const std::vector<Edge>& lastComputerEdges() const { return computerEdges_; }

    // Something on screen changed; and the last move of a turn has been shown.
    std::function<void()> onChanged;
    std::function<void()> onFinished;

    void edgeDrawn(Player player, Edge edge) override;
    void squareAwarded(Player player, int square) override;

private:
    struct Event {
        Player player;
        bool isEdge;
        Edge edge;
        int square;
    };
    // One computer edge and the squares it completed; the first step holds what
    // the human's click did before the computer moved.
    using Step = std::vector<Event>;

    void apply(const Step& step);
    void showNext();
    void scheduleNext();
    void notify(const std::function<void()>& callback) const;

    const Board& board_;
    StepClock* clock_ = nullptr;
    bool recording_ = false;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    ShownPosition shown_;
    std::vector<Edge> computerEdges_;
};

} // namespace quadlo
