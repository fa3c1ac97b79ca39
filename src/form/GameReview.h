// SPDX-License-Identifier: GPL-3.0-or-later
// The review of one game in the window: the game's edges as pictures of the
// board to step through, one edge a step, and each human move judged by the
// solver as quadlo-engine review judges it, on a thread of its own at the
// lowest priority, told to the window as each verdict comes. The review works
// on a copy of the game's moves and never touches the game, so leaving it
// returns to the game as it was.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <thread>
#include <vector>

#include <QObject>

#include "analysis/BoxBoard.h"
#include "analysis/MoveReview.h"
#include "form/TurnPresenter.h"
#include "game/Platform.h"

namespace quadlo {

class GameReview final : public QObject {
    Q_OBJECT

public:
    // Reviews the game whose edges drawn and squares awarded are `moves`, in
    // the order they happened, and starts judging its human moves with
    // `budget` nodes for each position.
    explicit GameReview(const std::vector<TurnEvent>& moves,
        std::uint64_t budget = analysis::kReviewBudget, QObject* parent = nullptr);
    ~GameReview() override;

    // One edge of the game, as a step of the review shows it.
    struct Step {
        Player player;
        Edge edge;
        // For the human's edges, its number among them from 1; else 0.
        int humanMove = 0;
        // Whether the edge begins its player's turn.
        bool startsTurn = false;
        // The human's squares minus the computer's before the edge.
        int scoreBefore = 0;
    };

    // The game's edges: the review's steps run from 0, the board before
    // the first, to edgeCount(), the board after the last.
    int edgeCount() const { return static_cast<int>(steps_.size()); }
    int step() const { return at_; }
    // Goes to `step`, kept within the game.
    void goTo(int step);
    // The edge drawn at `step` (1..edgeCount()).
    const Step& edge(int step) const { return steps_[static_cast<std::size_t>(step - 1)]; }
    // The board after the step's edges, the last of them marked.
    const BoardPicture& picture() const { return pictures_[static_cast<std::size_t>(at_)]; }

    int humanMoves() const { return static_cast<int>(humanSteps_.size()); }
    // The step of the human's move `move` (from 1).
    int stepOfMove(int move) const { return humanSteps_[static_cast<std::size_t>(move - 1)]; }
    // What the solver settled of the human's move `move` (from 1), once it
    // has been judged.
    std::optional<analysis::MoveJudgement> judgement(int move) const;
    // Whether every human move has been judged.
    bool judged() const { return judgedCount_ == humanMoves(); }
    // Whether every human move has been judged and the solver settled each.
    bool decided() const;
    // The human move that was the game's turning point, once it is known: the
    // first that lost squares, as soon as every move before it is judged.
    std::optional<int> turningPoint() const;
    // The human's squares minus the computer's at the end of the game with
    // best play from the start of the turn that `step`'s edge begins, if
    // the solver settled it.
    std::optional<int> marginFromTurn(int step) const;

signals:
    // A human move has been judged.
    void moveJudged();

private:
    void work(std::uint64_t budget);

    std::vector<Step> steps_;
    std::vector<BoardPicture> pictures_;
    // For each human move: its step, and the edges drawn before it.
    std::vector<int> humanSteps_;
    std::vector<analysis::EdgeSet> drawnBefore_;
    std::vector<analysis::MoveJudgement> judgements_;
    int judgedCount_ = 0;
    int at_ = 0;
    std::atomic<bool> stop_ { false };
    std::thread worker_;
};

} // namespace quadlo
