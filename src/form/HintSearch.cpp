// SPDX-License-Identifier: GPL-3.0-or-later
// The hint's search on its worker thread. One solver, and so one table, is
// kept for every hint of the run: searches never overlap, since a new one
// first stops and joins the last.
#include "form/HintSearch.h"

#include <QMetaObject>

#include "analysis/BoardAdapter.h"
#include "analysis/Solver.h"

namespace quadlo {

HintSearch::HintSearch(QObject* parent)
    : QObject(parent)
{
    // So that the answer can be queued and watched like any signal's.
    qRegisterMetaType<Hint>();
}

HintSearch::~HintSearch() { stopWorker(); }

void HintSearch::stopWorker()
{
    stop_ = true;
    if (worker_.joinable())
        worker_.join();
}

void HintSearch::cancel()
{
    stopWorker();
    ++search_;
}

void HintSearch::start(const Board& board)
{
    cancel();
    stop_ = false;
    const std::uint64_t search = search_;
    const analysis::EdgeSet drawn = analysis::drawnEdges(board);
    const int margin = board.humanScore - board.computerScore;
    if (!solver_)
        solver_ = std::make_unique<analysis::Solver>(analysis::gameBoxBoard(), kBudget);
    solver_->setStopFlag(&stop_);
    worker_ = std::thread([this, search, drawn, margin] {
        const std::optional<analysis::EdgeValue> best = solver_->bestEdge(drawn);
        Hint hint;
        if (best) {
            hint.edge = analysis::gameEdge(best->edge);
            hint.finalMargin = margin + best->value;
        }
        // Delivered on the window's thread, and only if no newer search or
        // cancel came meanwhile; a stopped search gave up and is not told.
        QMetaObject::invokeMethod(
            this,
            [this, search, hint, stopped = stop_.load()] {
                if (search == search_ && !stopped)
                    emit found(hint);
            },
            Qt::QueuedConnection);
    });
}

} // namespace quadlo
