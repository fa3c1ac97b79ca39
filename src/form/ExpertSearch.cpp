// SPDX-License-Identifier: GPL-3.0-or-later
// The expert's search on its worker thread. Searches never overlap, since a
// new one first stops and joins the last, so the one expert needs no lock.
// It is made by the first search, on the worker: filling its large table
// takes a few frames' time, and most players never call on it.
#include "form/ExpertSearch.h"

#include <system_error>

#include <QMetaObject>

#include "analysis/ExpertPlayer.h"

namespace quadlo {

ExpertSearch::ExpertSearch(QObject* parent)
    : QObject(parent)
{
}

ExpertSearch::~ExpertSearch() { stopWorker(); }

void ExpertSearch::stopWorker()
{
    stop_ = true;
    if (worker_.joinable())
        worker_.join();
}

void ExpertSearch::cancel()
{
    stopWorker();
    ++search_;
}

analysis::ExpertPlayer& ExpertSearch::expert()
{
    if (!expert_) {
        expert_ = std::make_unique<analysis::ExpertPlayer>();
        expert_->setStopFlag(&stop_);
    }
    return *expert_;
}

analysis::ExpertPlayer& ExpertSearch::idleExpert()
{
    cancel();
    stop_ = false;
    return expert();
}

void ExpertSearch::start(const Board& board, std::uint32_t seed)
{
    cancel();
    stop_ = false;
    const auto search = [this, searched = search_, board, seed] {
        const std::optional<Edge> edge = expert().choose(board, seed);
        // Delivered on the window's thread, and only if no newer search or
        // cancel came meanwhile; a stopped search gave up and is not told.
        QMetaObject::invokeMethod(
            this,
            [this, searched, edge, stopped = stop_.load()] {
                if (searched == search_ && !stopped && edge && onAnswer)
                    onAnswer(*edge);
            },
            Qt::QueuedConnection);
    };
    // With no memory for the worker's stack, the window's thread searches,
    // and the window waits for it.
    try {
        worker_ = std::thread(search);
    } catch (const std::system_error&) {
        search();
    }
}

} // namespace quadlo
