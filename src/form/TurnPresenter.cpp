// SPDX-License-Identifier: GPL-3.0-or-later
// Running the game's handlers, splitting a recorded turn into the steps the
// player sees, and pacing them.
#include "form/TurnPresenter.h"

#include <algorithm>
#include <utility>

namespace quadlo {

int moveDelay(int move, int moves)
{
    if (move == 0)
        return kFirstMoveDelayMs;
    // Every pause after the first shares what is left of the longest turn.
    return std::min(kNextMoveDelayMs, (kLongestTurnMs - kFirstMoveDelayMs) / (moves - 1));
}

BoardPicture::BoardPicture()
{
    vertical.fill(kBoardColour);
    horizontal.fill(kBoardColour);
    squares.fill(kBoardColour);
}

void BoardPicture::showBoard(const Board& board)
{
    for (std::size_t i = 0; i <= kEdgesPerFamily; ++i) {
        vertical[i] = board.lblshape1[i].backColor;
        horizontal[i] = board.lblshape2[i].backColor;
    }
    for (std::size_t i = 0; i <= kSquareCount; ++i)
        squares[i] = board.shpMiddle[i].backColor;
    humanScore = board.humanScore;
    computerScore = board.computerScore;
}

void BoardPicture::show(const TurnEvent& event)
{
    const bool human = event.player == Player::Human;
    const Colour colour = markColour(human ? Mark::h : Mark::c);
    if (event.isEdge()) {
        edge(event.edge) = colour;
        if (human)
            lastComputerEdges.clear();
        else
            lastComputerEdges.push_back(event.edge);
    } else {
        squares[static_cast<std::size_t>(event.square)] = colour;
        ++(human ? humanScore : computerScore);
    }
}

Colour& BoardPicture::edge(Edge edge)
{
    return (edge.family == Vertical ? vertical : horizontal)[static_cast<std::size_t>(edge.index)];
}

Colour BoardPicture::edge(Edge edge) const
{
    return (edge.family == Vertical ? vertical : horizontal)[static_cast<std::size_t>(edge.index)];
}

TurnPresenter::TurnPresenter(RandomSource& random, MessagePresenter& boxes, FormHost& form)
    : boxes_(boxes)
    , game_(random, *this, form)
{
    game_.setTurnObserver(this);
}

TurnPresenter::~TurnPresenter()
{
    if (clock_)
        clock_->cancel();
    game_.setTurnObserver(nullptr);
}

void TurnPresenter::setClock(StepClock* clock)
{
    finish();
    clock_ = clock;
}

bool TurnPresenter::run(const std::function<void(Game&)>& handler)
{
    if (running_ > 0)
        return false;
    ++running_;
    handler(game_);
    --running_;
    sync();
    showPendingMessage();
    playHeldEdge();
    return true;
}

bool TurnPresenter::replay(const std::function<void(Game&)>& handler)
{
    quiet_ = true;
    replayedTurn_.clear();
    const bool ran = run(handler);
    quiet_ = false;
    if (ran && onTurnShown)
        onTurnShown(replayedTurn_);
    return ran;
}

void TurnPresenter::replayCommand(Game& game, const Command& command)
{
    // Only a click leaves a turn to show; a level chosen after it keeps it.
    if (!std::holds_alternative<SelectCommand>(command))
        replayedTurn_.clear();
    playOnGame(game, command);
}

void TurnPresenter::click(Edge edge)
{
    if (running_ > 0 || hurry() || game_.awaitsComputerEdge())
        return;
    run([this, edge](Game& game) {
        picture_.showBoard(game.board());
        steps_.assign(1, Step {});
        next_ = 0;
        recording_ = true;
        if (record_)
            record_->clicked(game, edge);
        game.edgeClicked(edge);
        recording_ = false;
        askForComputerEdge();
        showNext();
        if (!clock_)
            finish();
    });
}

void TurnPresenter::computerPlays(Edge edge)
{
    heldEdge_ = edge;
    playHeldEdge();
}

void TurnPresenter::playHeldEdge()
{
    // A modal box's event loop may deliver the edge inside a handler; it
    // waits for the handler to return.
    if (running_ > 0 || !heldEdge_)
        return;
    const Edge edge = *std::exchange(heldEdge_, std::nullopt);
    run([this, edge](Game& game) {
        if (!game.awaitsComputerEdge())
            return;
        // With the turn shown so far, no step is waiting for the clock: this
        // one starts it again.
        const bool caughtUp = !showing();
        recording_ = true;
        game.playComputerEdge(edge);
        recording_ = false;
        if (record_ && game.board().edge(edge).tag == Mark::c)
            record_->expertDrew(edge);
        // The next edge is searched while this one waits for its pause.
        askForComputerEdge();
        if (caughtUp)
            showRest();
        if (!clock_)
            finish();
    });
}

void TurnPresenter::askForComputerEdge()
{
    if (game_.awaitsComputerEdge() && onComputerToMove)
        onComputerToMove(game_.board());
}

bool TurnPresenter::hurry()
{
    if (!showing())
        return false;
    finish();
    return true;
}

void TurnPresenter::drop()
{
    if (clock_)
        clock_->cancel();
    recording_ = false;
    steps_.clear();
    next_ = 0;
    picture_.lastComputerEdges.clear();
    pending_.reset();
    heldEdge_.reset();
}

void TurnPresenter::takeBack()
{
    hurry();
    run([this](Game& game) {
        if (!game.canTakeBack())
            return;
        if (record_)
            record_->tookBack(game);
        game.takeBack();
    });
}

void TurnPresenter::sync()
{
    if (!recording_ && !showing()) {
        picture_.showBoard(game_.board());
        // The marks follow from the game's moves, so a Take Back or a game
        // opened from a file shows them as the same game played shows them.
        picture_.lastComputerEdges.clear();
        const std::vector<TurnEvent>& moves = game_.moves();
        for (auto move = moves.rbegin(); move != moves.rend(); ++move) {
            if (move->isEdge() && move->player == Player::Human)
                break;
            if (move->isEdge())
                picture_.lastComputerEdges.insert(picture_.lastComputerEdges.begin(), move->edge);
        }
    }
    changed();
}

void TurnPresenter::happened(const TurnEvent& event)
{
    if (quiet_)
        replayedTurn_.push_back(event);
    if (!recording_)
        return;
    if (event.isEdge() && event.player == Player::Computer)
        steps_.emplace_back();
    steps_.back().push_back(event);
}

void TurnPresenter::showNext()
{
    for (const TurnEvent& event : steps_[next_++])
        picture_.show(event);
    changed();
    showRest();
}

void TurnPresenter::showRest()
{
    if (showing()) {
        if (clock_) {
            // Step 0 is the human's; the computer's moves are the steps after it.
            const int moves = static_cast<int>(steps_.size()) - 1;
            clock_->callAfter(
                moveDelay(static_cast<int>(next_) - 1, moves), [this] { showNext(); });
        }
        return;
    }
    // The computer's next edge is still being chosen: it shows when it comes.
    if (game_.awaitsComputerEdge())
        return;
    sync();
    if (onTurnShown) {
        std::vector<TurnEvent> turn;
        for (const Step& step : steps_)
            turn.insert(turn.end(), step.begin(), step.end());
        onTurnShown(turn);
    }
    showPendingMessage();
}

void TurnPresenter::finish()
{
    if (clock_)
        clock_->cancel();
    if (!showing())
        return;
    while (next_ + 1 < steps_.size()) {
        for (const TurnEvent& event : steps_[next_++])
            picture_.show(event);
    }
    showNext();
}

void TurnPresenter::showMessage(
    const std::string& text, MessageStyle style, const std::string& title)
{
    if (quiet_)
        return;
    // The game announces the end inside the click that ends it, before the
    // final moves are shown; the box waits for them.
    if (recording_) {
        pending_ = Message { text, style, title };
        return;
    }
    showNow({ text, style, title });
}

void TurnPresenter::showPendingMessage()
{
    if (running_ > 0 || showing() || !pending_)
        return;
    const Message message = *pending_;
    pending_.reset();
    ++running_;
    showNow(message);
    --running_;
}

void TurnPresenter::showNow(const Message& message)
{
    sync();
    if (onPaintNow)
        onPaintNow();
    boxes_.showMessage(message.text, message.style, message.title);
}

void TurnPresenter::changed()
{
    if (onChanged)
        onChanged();
}

} // namespace quadlo
