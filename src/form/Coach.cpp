// SPDX-License-Identifier: GPL-3.0-or-later
// The coach's worker. The window never waits for it: a new position or a stop
// is left where the worker finds it, with the stop flag raised so that the
// search under way gives up soon; a worker with nothing left to do ends, and
// only the coach's end joins it.
#include "form/Coach.h"

#include <algorithm>
#include <system_error>

#include <QMetaObject>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "analysis/BoardAdapter.h"
#include "analysis/MoveReview.h"
#include "analysis/Solver.h"

namespace quadlo {

void lowerThreadPriority()
{
#ifdef __linux__
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
#endif
}

int Coach::threadCount()
{
    // hardware_concurrency() is 0 when unknown: one thread then.
    return static_cast<int>(std::max(2u, std::thread::hardware_concurrency()) - 1);
}

Coach::Coach(QObject* parent)
    : QObject(parent)
{
    // So that a hint can be queued and watched like any signal's.
    qRegisterMetaType<Hint>();
    qRegisterMetaType<MoveValues>();
}

Coach::~Coach()
{
    stop();
    if (worker_.joinable())
        worker_.join();
}

void Coach::follow(const Board& board)
{
    const Position position { analysis::drawnEdges(board), board.humanScore - board.computerScore };
    if (followed_ == position)
        return;
    followed_ = position;
    known_.reset();
    lacksMemory_ = false;
    values_.reset();
    ++following_;
    request(true);
}

void Coach::setValuesWanted(bool wanted)
{
    if (wanted == valuesWanted_)
        return;
    valuesWanted_ = wanted;
    if (!wanted)
        values_.reset();
    // The position is asked again with the new wish: solved, the table
    // answers judge() at once; values no longer wanted are given up.
    if (followed_)
        request(!wanted);
}

void Coach::request(bool interrupt)
{
    const std::lock_guard lock(mutex_);
    wanted_ = Request { *followed_, following_, valuesWanted_ };
    if (interrupt)
        stop_ = true;
    if (working_)
        return;
    // The last worker has ended, or is about to: it touches nothing more.
    if (worker_.joinable())
        worker_.join();
    // With no memory for the worker's stack, this position gets no help.
    try {
        worker_ = std::thread([this] { work(); });
    } catch (const std::system_error&) {
        tellCannotHelp(*wanted_);
        wanted_.reset();
        return;
    }
    working_ = true;
}

void Coach::stop()
{
    if (!followed_)
        return;
    followed_.reset();
    known_.reset();
    lacksMemory_ = false;
    values_.reset();
    const std::lock_guard lock(mutex_);
    wanted_.reset();
    ++following_;
    stop_ = true;
}

void Coach::work()
{
    lowerThreadPriority();
    std::unique_lock lock(mutex_);
    while (wanted_) {
        const Request request = *wanted_;
        stop_ = false;
        lock.unlock();
        if (!solver_) {
            solver_ = analysis::solverWithin(analysis::gameBoxBoard(), analysis::Solver::kNoBudget,
                analysis::SolverSettings { analysis::kCoachTableBits, threadCount(), true });
            // Not even the smallest table: this position gets no help, and
            // the next one asks for the memory again.
            if (!solver_) {
                tellCannotHelp(request);
                lock.lock();
                if (wanted_ && wanted_->following == request.following)
                    wanted_.reset();
                continue;
            }
            solver_->setStopFlag(&stop_);
        }
        // Every bound judge() proves, the last included, comes through here.
        const analysis::Verdict verdict = solver_->judge(
            request.position.drawn, request.position.score, [&](const analysis::Verdict& proven) {
                Hint hint;
                if (proven.edge)
                    hint.edge = analysis::gameEdge(*proven.edge);
                hint.lowest = request.position.score + proven.bounds.lower;
                hint.highest = request.position.score + proven.bounds.upper;
                tell(request, hint);
            });
        bool done = verdict.bounds.exact();
        if (done && request.values) {
            // The values are margins of the boxes still to take, so each
            // edge's distance from the best is twice the squares it loses.
            const auto values = solver_->edgeValues(request.position.drawn);
            done = values.has_value();
            if (values) {
                MoveValues found { request.position.drawn, {} };
                for (const analysis::EdgeValue& value : *values)
                    found.edges.push_back({ analysis::gameEdge(value.edge),
                        analysis::squaresLost(values->front().value, value.value) });
                tell(request, std::move(found));
            }
        }
        lock.lock();
        if (done && wanted_ && wanted_->following == request.following
            && wanted_->values == request.values)
            wanted_.reset();
    }
    working_ = false;
}

void Coach::tell(const Request& request, const Hint& hint)
{
    // Read on the window's thread, where following_ is kept.
    QMetaObject::invokeMethod(
        this,
        [this, following = request.following, hint] {
            if (following != following_)
                return;
            known_ = hint;
            emit learned(hint);
        },
        Qt::QueuedConnection);
}

void Coach::tellCannotHelp(const Request& request)
{
    QMetaObject::invokeMethod(
        this,
        [this, following = request.following] {
            if (following != following_)
                return;
            lacksMemory_ = true;
            emit cannotHelp();
        },
        Qt::QueuedConnection);
}

void Coach::tell(const Request& request, MoveValues values)
{
    QMetaObject::invokeMethod(
        this,
        [this, following = request.following, values = std::move(values)] {
            if (following != following_ || !valuesWanted_)
                return;
            values_ = values;
            emit valued(values);
        },
        Qt::QueuedConnection);
}

} // namespace quadlo
