// SPDX-License-Identifier: GPL-3.0-or-later
// The one presenter of turns. The game plays the human's edge and the
// computer's whole answer inside one click, or, when the computer's edges
// come from outside the game (the expert), the human's edge in the click and
// each computer edge when it is given; this class runs every call into the
// game, records what a click did, and reveals it on the picture of the board
// that is on screen: the human's edge at once, then each computer edge with
// the squares it completes, after a pause. It presents the game's message
// boxes, holding the end-of-game box back until the final position is shown,
// and it decides what input does while a turn is being shown: it finishes the
// showing and is not played.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "board/Board.h"
#include "board/RandomSource.h"
#include "form/StepClock.h"
#include "game/Game.h"
#include "game/GameRecord.h"
#include "game/Platform.h"

namespace quadlo {

// How long the window waits before the computer's first edge, and between its
// further edges; a long run is sped up so that a whole turn takes at most
// kLongestTurnMs.
inline constexpr int kFirstMoveDelayMs = 400;
inline constexpr int kNextMoveDelayMs = 200;
inline constexpr int kLongestTurnMs = 2000;

// The pause before computer move `move` (0 for its first) of a turn of `moves`.
int moveDelay(int move, int moves);

// What the screen shows of the game: the colours of the edges and square
// markers and the two scores, indexed as in the model, and the edges the
// computer has drawn since the human's last edge, as far as they are shown.
struct BoardPicture {
    std::array<Colour, kEdgesPerFamily + 1> vertical {};
    std::array<Colour, kEdgesPerFamily + 1> horizontal {};
    std::array<Colour, kSquareCount + 1> squares {};
    int humanScore = 0;
    int computerScore = 0;
    std::vector<Edge> lastComputerEdges;

    BoardPicture();
    // Takes the colours and scores of the model; the marks stay.
    void showBoard(const Board& board);
    // Shows one thing a click did.
    void show(const TurnEvent& event);
    Colour edge(Edge edge) const;
    Colour& edge(Edge edge);
};

class TurnPresenter final : public TurnObserver, public MessagePresenter {
public:
    // The game runs on `random`; its boxes go to `boxes`, its form to `form`.
    TurnPresenter(RandomSource& random, MessagePresenter& boxes, FormHost& form);
    ~TurnPresenter() override;

    const Game& game() const { return game_; }
    const BoardPicture& picture() const { return picture_; }

    // Null (the default) shows every turn at once. Finishes what is shown.
    void setClock(StepClock* clock);
    // Keeps each click and Take Back in `record` as it reaches the game; null
    // (the default) keeps none. The record must outlive the presenter.
    void setRecord(GameRecord* record) { record_ = record; }

    // Runs one of the game's handlers; nothing reaches the game again until it
    // has returned, not even from the nested event loop of a modal box. After
    // it the picture is brought in line with the model. False when it could
    // not run for another that was still running.
    bool run(const std::function<void(Game&)>& handler);
    // Runs a handler as run() does, without showing the boxes the game shows
    // in it: a saved game replayed shows only where it ended, with the marks
    // of the computer's last edges, and its last turn as shown (onTurnShown).
    bool replay(const std::function<void(Game&)>& handler);
    // Inside replay(): plays one command of a saved game as the player's
    // click, Take Back or New Game plays it, so that the marks come out as
    // they do when it is played, also for a later Take Back.
    void replayCommand(Game& game, const Command& command);
    // A click on an edge: it hurries a shown turn on, or goes to the game;
    // while the game awaits the computer's edge it does nothing.
    void click(Edge edge);
    // The computer's edge from outside the game, for the turn it awaits it
    // in: played as soon as no handler is running, and shown as the next
    // step of that turn, after the pause a level's edge has. Ignored when
    // the game no longer awaits it.
    void computerPlays(Edge edge);
    // Input that arrives while a turn is shown finishes the showing and is not
    // played: true when it did.
    bool hurry();
    // Forgets the turn being shown, its marks and its held-back box, for New
    // Game and Exit.
    void drop();
    // Take Back: finishes a turn being shown, then takes back the human's
    // last edge with the computer's answer, the marks of the computer's
    // edges coming back as they were before it.
    void takeBack();
    // The model changed outside a handler: the picture follows it.
    void sync();

    // True while some of the turn is still to be shown.
    bool showing() const { return !recording_ && next_ < steps_.size(); }
    // Whether a click on the edge now would draw it.
    bool isPlayableNow(Edge edge) const { return !showing() && game_.isPlayable(edge); }

    // The picture changed; and a modal box is about to open over it, so what
    // lies under it must be painted at once.
    std::function<void()> onChanged;
    std::function<void()> onPaintNow;
    // The whole of a click's turn has been shown: what it did, in order.
    std::function<void(const std::vector<TurnEvent>&)> onTurnShown;
    // The game awaits the computer's next edge from outside (computerPlays),
    // on this board.
    std::function<void(const Board&)> onComputerToMove;

    void happened(const TurnEvent& event) override;
    void showMessage(
        const std::string& text, MessageStyle style, const std::string& title) override;

private:
    struct Message {
        std::string text;
        MessageStyle style;
        std::string title;
    };
    // One computer edge and the squares it completed; the first step holds what
    // the human's click did before the computer moved.
    using Step = std::vector<TurnEvent>;

    void showNext();
    // What follows a shown step: the next one after its pause, the
    // computer's next edge awaited, or the end of the turn.
    void showRest();
    void playHeldEdge();
    // Asks for the computer's next edge if the game awaits it.
    void askForComputerEdge();
    void finish();
    void showPendingMessage();
    void showNow(const Message& message);
    void changed();

    MessagePresenter& boxes_;
    Game game_;
    StepClock* clock_ = nullptr;
    GameRecord* record_ = nullptr;
    int running_ = 0;
    bool quiet_ = false;
    bool recording_ = false;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    BoardPicture picture_;
    std::optional<Message> pending_;
    // The computer's edge given while a handler was running.
    std::optional<Edge> heldEdge_;
    // What the last command replayed did, when it was a click.
    std::vector<TurnEvent> replayedTurn_;
};

} // namespace quadlo
