// SPDX-License-Identifier: GPL-3.0-or-later
// Building the review's pictures from the game's moves, and its judging
// thread. The thread judges the moves one after another on one solver, in the
// order they were played, as quadlo-engine review does, so that the window
// and the engine give a game the same verdicts.
#include "form/GameReview.h"

#include <algorithm>

#include <QMetaObject>

#include "analysis/BoardAdapter.h"
#include "analysis/Solver.h"
#include "form/Coach.h"

namespace quadlo {

GameReview::GameReview(const std::vector<TurnEvent>& moves, std::uint64_t budget, QObject* parent)
    : QObject(parent)
{
    BoardPicture picture;
    pictures_.push_back(picture);
    analysis::EdgeSet drawn = 0;
    int score = 0;
    for (const TurnEvent& event : moves) {
        picture.show(event);
        if (!event.isEdge()) {
            score += event.player == Player::Human ? 1 : -1;
            pictures_.back() = picture;
            continue;
        }
        Step step { event.player, event.edge };
        step.startsTurn = steps_.empty() || steps_.back().player != event.player;
        step.scoreBefore = score;
        if (event.player == Player::Human) {
            humanSteps_.push_back(static_cast<int>(steps_.size()) + 1);
            drawnBefore_.push_back(drawn);
            step.humanMove = static_cast<int>(humanSteps_.size());
        }
        steps_.push_back(step);
        drawn |= analysis::edgeBit(analysis::solverEdge(event.edge));
        // The step's own edge is marked, whoever drew it.
        picture.lastComputerEdges.assign(1, event.edge);
        pictures_.push_back(picture);
    }
    judgements_.resize(humanSteps_.size());
    if (!humanSteps_.empty())
        worker_ = std::thread([this, budget] { work(budget); });
}

GameReview::~GameReview()
{
    stop_ = true;
    if (worker_.joinable())
        worker_.join();
}

void GameReview::goTo(int step) { at_ = std::clamp(step, 0, edgeCount()); }

std::optional<analysis::MoveJudgement> GameReview::judgement(int move) const
{
    if (move < 1 || move > judgedCount_)
        return std::nullopt;
    return judgements_[static_cast<std::size_t>(move - 1)];
}

bool GameReview::decided() const
{
    return judged()
        && std::all_of(judgements_.begin(), judgements_.end(),
            [](const analysis::MoveJudgement& move) { return move.lost.has_value(); });
}

std::optional<int> GameReview::turningPoint() const
{
    const std::vector<analysis::MoveJudgement> settled(
        judgements_.begin(), judgements_.begin() + judgedCount_);
    const std::optional<std::size_t> turning = analysis::turningPoint(settled);
    if (!turning)
        return std::nullopt;
    return static_cast<int>(*turning) + 1;
}

std::optional<int> GameReview::marginFromTurn(int step) const
{
    if (step < 1 || step > edgeCount() || !edge(step).startsTurn)
        return std::nullopt;
    const Step& first = edge(step);
    if (first.player == Player::Human) {
        const auto judged = judgement(first.humanMove);
        if (!judged || !judged->best)
            return std::nullopt;
        return first.scoreBefore + *judged->best;
    }
    // The computer's turn begins after a human edge that took nothing: that
    // move's judgement holds the computer's margin from here.
    if (step == 1)
        return std::nullopt;
    const auto judged = judgement(edge(step - 1).humanMove);
    if (!judged || !judged->after)
        return std::nullopt;
    return first.scoreBefore - *judged->after;
}

void GameReview::work(std::uint64_t budget)
{
    lowerThreadPriority();
    const auto solver = analysis::makeReviewSolver(budget);
    solver->setStopFlag(&stop_);
    for (std::size_t k = 0; k < humanSteps_.size() && !stop_; ++k) {
        const Edge edge = steps_[static_cast<std::size_t>(humanSteps_[k] - 1)].edge;
        const analysis::MoveJudgement judged
            = analysis::judgeMove(*solver, drawnBefore_[k], analysis::solverEdge(edge));
        // A judgement cut short by the stop is no verdict.
        if (stop_)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, k, judged] {
                judgements_[k] = judged;
                judgedCount_ = static_cast<int>(k) + 1;
                emit moveJudged();
            },
            Qt::QueuedConnection);
    }
}

} // namespace quadlo
