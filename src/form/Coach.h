// SPDX-License-Identifier: GPL-3.0-or-later
// The coach: the exact solver at work on the human's position in the
// background, so that a hint is ready, or nearly, when the player asks for
// one. It follows one position at a time, on threads of its own at the
// lowest priority, until it has solved it or is given another or told to
// stop; what it proves is told to the window as it comes. One solver, and so
// one table, serves every position of the run, so a position seen before
// (after a Take Back, or the next one of a line it has searched) is soon
// known again. Short of memory, the table is smaller; with none to be had,
// the coach says it cannot help.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <QObject>

#include "analysis/BoxBoard.h"
#include "board/Board.h"

namespace quadlo {

namespace analysis {
class Solver;
}

// What is proven of the human's position: with best play from here, the
// human's squares at the end of the game minus the computer's lie between
// `lowest` and `highest`; and, once it is known, an edge that keeps at least
// `lowest`.
struct Hint {
    std::optional<Edge> edge;
    int lowest = 0;
    int highest = 0;
    bool exact() const { return lowest == highest; }
};

// What each open edge of the human's position is worth against the best, once
// the position is solved: how many squares fewer than best play the human ends
// with after drawing it, 0 for a best edge.
struct EdgeLoss {
    Edge edge;
    int squares;
};
struct MoveValues {
    // The drawn edges of the position they are for.
    analysis::EdgeSet drawn;
    std::vector<EdgeLoss> edges;
};

// The analysis takes only the time that the player's other programs leave:
// the calling thread gets the lowest priority, and the threads it starts,
// the solver's included, inherit it.
void lowerThreadPriority();

class Coach final : public QObject {
    Q_OBJECT

public:
    // The solver's threads: every core but one, which stays the player's.
    static int threadCount();

    explicit Coach(QObject* parent = nullptr);
    ~Coach() override;

    // Works on `board`, where the human is to move, from now on; the search
    // of another position gives way to it, and the same position again
    // changes nothing.
    void follow(const Board& board);
    // Stops working; what was proven is forgotten.
    void stop();
    // Whether, once a position is solved, the coach goes on to value each of
    // its open edges.
    void setValuesWanted(bool wanted);
    // What is proven so far of the position followed; none before the first
    // bound.
    const std::optional<Hint>& known() const { return known_; }
    // The values of the open edges of the position followed, once known.
    const std::optional<MoveValues>& values() const { return values_; }
    // Whether the memory for the solver's table could not be had for the
    // position followed, which then gets no help.
    bool lacksMemory() const { return lacksMemory_; }

signals:
    // More is proven of the position followed.
    void learned(quadlo::Hint hint);
    // The values of the position followed are known.
    void valued(quadlo::MoveValues values);
    // The position followed gets no help: no memory for the solver.
    void cannotHelp();

private:
    struct Position {
        analysis::EdgeSet drawn;
        // The human's squares so far minus the computer's.
        int score;
        bool operator==(const Position&) const = default;
    };
    struct Request {
        Position position;
        // Which following this is; a proof arriving for an older one is
        // dropped.
        std::uint64_t following;
        bool values;
    };

    // Hands the worker the position followed, starting one if none is at
    // work; `interrupt` makes the search under way give way to it.
    void request(bool interrupt);
    void work();
    void tell(const Request& request, const Hint& hint);
    void tell(const Request& request, MoveValues values);
    void tellCannotHelp(const Request& request);

    // The window's side.
    std::optional<Position> followed_;
    std::uint64_t following_ = 0;
    std::optional<Hint> known_;
    bool valuesWanted_ = false;
    std::optional<MoveValues> values_;
    bool lacksMemory_ = false;

    // Shared with the worker, under the mutex: the position it is to work
    // on, and whether a worker is still at work (a worker that finds nothing
    // to do ends itself).
    std::mutex mutex_;
    std::optional<Request> wanted_;
    bool working_ = false;
    // Raised to make the search under way give up.
    std::atomic<bool> stop_ { false };
    std::thread worker_;
    // Made by the first worker, when it is first needed, and used by one
    // worker at a time.
    std::unique_ptr<analysis::Solver> solver_;
};

} // namespace quadlo

Q_DECLARE_METATYPE(quadlo::Hint)
Q_DECLARE_METATYPE(quadlo::MoveValues)
