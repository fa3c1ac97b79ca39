// SPDX-License-Identifier: GPL-3.0-or-later
// The coach's search for a hint: the human's best edge and the outcome of
// best play from a position, found by the exact solver on a thread of its
// own, so that the window goes on painting and taking commands meanwhile. An
// answer is exact or says the position is too big for the search's budget;
// an answer for a position that has since changed never arrives.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <thread>

#include <QObject>

#include "analysis/BoxBoard.h"
#include "board/Board.h"

namespace quadlo {

namespace analysis {
class Solver;
}

struct Hint {
    // None when the search gave up.
    std::optional<Edge> edge;
    // The human's squares at the end of the game minus the computer's, with
    // best play from here.
    int finalMargin = 0;
};

class HintSearch final : public QObject {
    Q_OBJECT

public:
    // The most nodes one hint may search: a few seconds on one core.
    static constexpr std::uint64_t kBudget = 30'000'000;

    explicit HintSearch(QObject* parent = nullptr);
    ~HintSearch() override;

    // Looks for the best edge of the human, who is to move on `board`; a
    // search still under way is dropped.
    void start(const Board& board);
    // Drops the search under way, if any: its answer never comes.
    void cancel();

signals:
    void found(quadlo::Hint hint);

private:
    void stopWorker();

    std::unique_ptr<analysis::Solver> solver_;
    std::thread worker_;
    std::atomic<bool> stop_ { false };
    // Which search an answer belongs to; only the newest one's is given.
    std::uint64_t search_ = 0;
};

} // namespace quadlo

Q_DECLARE_METATYPE(quadlo::Hint)
