// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting a recorded turn into the steps the player sees, and pacing them.
#include "form/TurnPlayback.h"

#include <algorithm>
#include <utility>

namespace quadlo {

TimerStepClock::TimerStepClock()
{
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // The call may ask for the next step, which replaces due_.
        const std::function<void()> due = std::exchange(due_, nullptr);
        if (due)
            due();
    });
}

void TimerStepClock::callAfter(int milliseconds, std::function<void()> due)
{
    due_ = std::move(due);
    timer_.start(milliseconds);
}

void TimerStepClock::cancel()
{
    timer_.stop();
    due_ = nullptr;
}

bool showsTurnsAtOnce(bool instantOption)
{
    return instantOption || qEnvironmentVariable("QUADLO_INSTANT") == QLatin1String("1");
}

int moveDelay(int move, int moves)
{
    if (move == 0)
        return kFirstMoveDelayMs;
    // Every pause after the first shares what is left of the longest turn.
    return std::min(kNextMoveDelayMs, (kLongestTurnMs - kFirstMoveDelayMs) / (moves - 1));
}

ShownPosition ShownPosition::of(const Board& board)
{
    ShownPosition position;
    for (std::size_t i = 0; i <= kEdgesPerFamily; ++i) {
        position.vertical[i] = board.lblshape1[i].backColor;
        position.horizontal[i] = board.lblshape2[i].backColor;
    }
    for (std::size_t i = 0; i <= kSquareCount; ++i)
        position.squares[i] = board.shpMiddle[i].backColor;
    position.humanScore = board.humanScore;
    position.computerScore = board.computerScore;
    return position;
}

Colour& ShownPosition::edge(Edge edge)
{
    return (edge.family == Vertical ? vertical : horizontal)[static_cast<std::size_t>(edge.index)];
}

Colour ShownPosition::edge(Edge edge) const
{
    return (edge.family == Vertical ? vertical : horizontal)[static_cast<std::size_t>(edge.index)];
}

TurnPlayback::TurnPlayback(const Board& board)
    : board_(board)
{
}

void TurnPlayback::beginTurn()
{
    shown_ = ShownPosition::of(board_);
    steps_.assign(1, Step {});
    next_ = 0;
    recording_ = true;
}

void TurnPlayback::edgeDrawn(Player player, Edge edge)
{
    if (!recording_)
        return;
    if (player == Player::Computer)
        steps_.emplace_back();
    steps_.back().push_back({ player, true, edge, 0 });
}

void TurnPlayback::squareAwarded(Player player, int square)
{
    if (recording_)
        steps_.back().push_back({ player, false, {}, square });
}

void TurnPlayback::endTurn()
{
    recording_ = false;
    if (steps_.empty())
        return;
    showNext();
    if (!clock_)
        finish();
}

void TurnPlayback::finish()
{
    if (clock_)
        clock_->cancel();
    if (!showing())
        return;
    while (next_ < steps_.size())
        apply(steps_[next_++]);
    notify(onChanged);
    notify(onFinished);
}

void TurnPlayback::cancel()
{
    if (clock_)
        clock_->cancel();
    recording_ = false;
    steps_.clear();
    next_ = 0;
    computerEdges_.clear();
}

void TurnPlayback::showNext()
{
    apply(steps_[next_++]);
    notify(onChanged);
    if (showing())
        scheduleNext();
    else
        notify(onFinished);
}

void TurnPlayback::scheduleNext()
{
    if (!clock_)
        return;
    // Step 0 is the human's; the computer's moves are the steps after it.
    const int moves = static_cast<int>(steps_.size()) - 1;
    clock_->callAfter(moveDelay(static_cast<int>(next_) - 1, moves), [this] { showNext(); });
}

void TurnPlayback::apply(const Step& step)
{
    for (const Event& event : step) {
        const Colour colour = event.player == Player::Human ? kHumanColour : kComputerColour;
        if (event.isEdge) {
            shown_.edge(event.edge) = colour;
            if (event.player == Player::Human)
                computerEdges_.clear();
            else
                computerEdges_.push_back(event.edge);
        } else {
            shown_.squares[static_cast<std::size_t>(event.square)] = colour;
            ++(event.player == Player::Human ? shown_.humanScore : shown_.computerScore);
        }
    }
}

void TurnPlayback::notify(const std::function<void()>& callback) const
{
    if (callback)
        callback();
}

} // namespace quadlo
