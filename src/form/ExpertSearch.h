// SPDX-License-Identifier: GPL-3.0-or-later
// The expert's moves in the computer's seat, each searched on a thread of its
// own so that the window goes on painting and taking commands meanwhile. One
// expert, and so one solver table, serves every move of the run; the
// expert's node budget bounds each search. An answer for a search that was
// cancelled or replaced never arrives.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include <QObject>

#include "board/Board.h"

namespace quadlo {

namespace analysis {
class ExpertPlayer;
}

class ExpertSearch final : public QObject {
public:
    explicit ExpertSearch(QObject* parent = nullptr);
    ~ExpertSearch() override;

    // Looks for the expert's edge on `board`, where the computer is to move,
    // its random choice seeded with `seed`; a search under way is dropped.
    void start(const Board& board, std::uint32_t seed);
    // Drops the search under way, if any: its answer never comes.
    void cancel();
    // The expert, with no search under way, for a choice made on the
    // window's thread (a saved game replayed).
    analysis::ExpertPlayer& idleExpert();

    // Receives the edge, on the window's thread.
    std::function<void(Edge)> onAnswer;

private:
    void stopWorker();
    // Made when first needed, on the thread that needs it.
    analysis::ExpertPlayer& expert();

    std::unique_ptr<analysis::ExpertPlayer> expert_;
    std::thread worker_;
    std::atomic<bool> stop_ { false };
    // Which search an answer belongs to; only the newest one's is given.
    std::uint64_t search_ = 0;
};

} // namespace quadlo
