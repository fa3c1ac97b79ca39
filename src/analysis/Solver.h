// SPDX-License-Identifier: GPL-3.0-or-later
// The exact solver: the final margin under perfect play of any position on a
// BoxBoard, for the player to move, counting only the boxes still to be
// taken (what the mover will take from here minus what the other will). A
// position's value depends on its drawn edges alone, so one transposition
// table serves every question asked of the same board, for as long as the
// solver lives.
//
// Every answer is exact, a proven bound, or absent: a call that would search
// more nodes than the budget allows gives up, never guesses. Several threads
// may search one question on the shared table; each proves what it reports,
// so the values found do not depend on how many there are.
#pragma once

#include <array>
#include <atomic>
#include <bit>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "analysis/BoxBoard.h"

namespace quadlo::analysis {

// An open edge and the margin for the player to move if they draw it and
// both then play perfectly.
struct EdgeValue {
    int edge;
    int value;
    bool operator==(const EdgeValue&) const = default;
};

// What is proven of a value: lower <= value <= upper.
struct Bounds {
    int lower;
    int upper;
    bool exact() const { return lower == upper; }
};

// What the solver has proven of a position so far: bounds on its value and,
// once the lower bound is better than giving every box away, an open edge
// that keeps it.
struct Verdict {
    Bounds bounds;
    std::optional<int> edge;
};

// Who wins with best play, if `verdict` settles it, for a mover whose boxes
// so far are `score` more than the other's: 1 the mover, 0 a tie, -1 the
// other player.
std::optional<int> settledOutcome(const Verdict& verdict, int score);

// 2^21 slots of 8 bytes: 16 MiB, enough for a question of 36 open edges.
inline constexpr unsigned kDefaultTableBits = 21;

// The size in MiB of a table of 2^bits slots of 8 bytes.
constexpr unsigned tableMiB(unsigned bits) { return (8u << bits) >> 20; }

// The bits of the largest table within `mib` MiB (at least 1): 2^17 slots a
// MiB.
constexpr unsigned tableBitsWithin(std::uint64_t mib)
{
    return 16 + static_cast<unsigned>(std::bit_width(mib));
}

// The coach's table, kept for a whole run of the window and measured so by
// bench --coach: 2^24 slots, 128 MiB.
inline constexpr unsigned kCoachTableBits = 24;

// The least table a solver falls back to when memory is short: 2^16 slots,
// 512 KiB. A smaller table only makes questions take longer.
inline constexpr unsigned kSmallestTableBits = 16;

// The table for questions of `open` open edges: 16 MiB up to 36, doubling
// every two edges beyond, up to 256 MiB from 44 on.
unsigned tableBitsFor(int open);

struct SolverSettings {
    // The table has 2^tableBits slots of 8 bytes.
    unsigned tableBits = kDefaultTableBits;
    // Threads searching each question, the calling one included.
    int threads = 1;
    // The loony endgame's value and the equivalent rim edges of a box (see
    // the solver's source); off only to check them against the plain search.
    bool shortcuts = true;
};

class Searcher;

class Solver {
public:
    static constexpr std::uint64_t kNoBudget = std::numeric_limits<std::uint64_t>::max();
    // Positions with fewer open edges are searched again rather than stored:
    // that costs less than the table's cache misses.
    static constexpr int kTableFromOpen = 8;
    // Positions with at most this many edges drawn are stored under the
    // least of their images by the board's symmetries (4, or 8 on a square
    // board): near the empty board mirror images meet often, and later
    // they hardly ever do, so the cost is not worth paying there.
    static constexpr int kSymmetricUpToDrawn = 14;

    explicit Solver(
        const BoxBoard& board, std::uint64_t nodeBudget = kNoBudget, SolverSettings settings = {});
    ~Solver();
    Solver(const Solver&) = delete;
    Solver& operator=(const Solver&) = delete;

    const BoxBoard& board() const { return board_; }
    // The most nodes one call may search, all threads together, before it
    // gives up.
    void setNodeBudget(std::uint64_t nodes) { budget_ = nodes; }
    // A flag another thread may raise to make the call under way give up
    // early, as if its budget had run out; null for none.
    void setStopFlag(const std::atomic<bool>* stop) { stop_ = stop; }
    // Forgets every stored bound and the order of past cut-offs, as a new
    // solver would start.
    void clear();
    // Nodes searched by the last call, all threads together.
    std::uint64_t nodes() const { return nodes_; }
    // The size of the table, which may be smaller than asked for on a small
    // board, or when memory was short.
    std::size_t tableBytes() const { return tableEntries_ * sizeof(Slot); }

    // The value of the position; none if the budget ran out.
    std::optional<int> value(EdgeSet drawn);
    // Every open edge's value, best first (ties in edge order); none if the
    // budget ran out.
    std::optional<std::vector<EdgeValue>> edgeValues(EdgeSet drawn);
    // One best edge and its value (the position's value); none if the budget
    // ran out or no edge is open.
    std::optional<EdgeValue> bestEdge(EdgeSet drawn);
    // Closes in on the value of the position for a mover whose boxes so far
    // are `score` more than the other player's: first on which side of a
    // tie at the end of the game it lies (who wins with best play), then the
    // value itself. Calls `progress` each time it proves more, and returns
    // what it has proven when it is done or gives up.
    Verdict judge(
        EdgeSet drawn, int score, const std::function<void(const Verdict&)>& progress = {});

private:
    friend class Searcher;
    using Slot = std::uint64_t;

    static Slot* allocateTable(std::size_t entries);
    void buildSymmetries();
    void buildRimEdges();
    void startCall();
    // Is the value at least `beta`? Asked of every thread at once; the
    // first to prove the answer gives it. None if the budget ran out.
    std::optional<int> test(EdgeSet drawn, int beta);
    std::optional<int> exact(EdgeSet drawn, int lower, int upper, int guess);
    // The position's value is at least `bound` when the mover draws `edge`.
    std::optional<bool> reaches(EdgeSet drawn, int edge, int bound);
    // The edge stored as best for the position, if it is still open.
    std::optional<int> storedBest(EdgeSet drawn) const;

    // One stored position, unpacked. In the table each is one 64-bit word:
    // the low bits of a one-to-one mix of the edge set (its high bits are the
    // bucket's number, so the position is known exactly), the bounds and the
    // best edge in 6 bits each, and a coarse count of open edges in 2.
    struct Entry {
        int lower;
        int upper;
        int best; // the edge, or -1 for none
    };
    // The key a position is stored under, and the symmetry that takes the
    // position, its rim edges moved, to it (0 for none).
    struct TableKey {
        EdgeSet key;
        int symmetry;
    };
    TableKey tableKey(EdgeSet drawn) const;
    // The open edge of `drawn` that an edge stored under `key` stands for.
    int edgeFromKey(const TableKey& key, int stored, EdgeSet drawn) const;
    int edgeToKey(const TableKey& key, int edge) const;
    EdgeSet image(int symmetry, EdgeSet edges) const;
    // The mixed edge set, its bucket and the bits of it a slot keeps.
    EdgeSet mix(EdgeSet key) const;
    Slot* bucket(EdgeSet mixed) const;
    std::optional<Entry> find(EdgeSet key) const;
    // Asks the memory for a position's bucket before it is looked up.
    void prefetch(EdgeSet key) const;
    void store(EdgeSet key, int open, int lower, int upper, int best);
    // Open rim edges that another open rim edge of the same box stands for.
    EdgeSet rimEdgesLeftOut(EdgeSet open) const;

    BoxBoard board_;
    SolverSettings settings_;
    int symmetries_ = 1;
    // Per symmetry: the image of each edge, of its inverse, and of each
    // byte of an edge set.
    std::array<std::array<std::uint8_t, kMaxEdges>, 8> edgeImage_ {};
    std::array<std::array<std::uint8_t, kMaxEdges>, 8> edgePreimage_ {};
    std::vector<std::array<std::array<EdgeSet, 256>, 8>> byteImage_;
    // Per box, its edges on the rim when it has two or more of them.
    std::vector<EdgeSet> rimEdges_;
    std::uint64_t budget_;
    std::uint64_t nodes_ = 0;
    const std::atomic<bool>* stop_ = nullptr;
    struct FreeTable {
        void operator()(Slot* table) const;
    };
    std::size_t tableEntries_;
    std::unique_ptr<Slot[], FreeTable> table_;
    int keptBits_; // of the mixed edge set, in each slot
    std::vector<std::unique_ptr<Searcher>> searchers_;
    // Nodes the threads have counted towards the call under way.
    std::atomic<std::uint64_t> spent_ { 0 };
};

// A solver as Solver(board, nodeBudget, settings) makes it, with the largest
// table memory can be had for, halving from settings.tableBits down to
// kSmallestTableBits; none when not even that can be had.
std::unique_ptr<Solver> solverWithin(
    const BoxBoard& board, std::uint64_t nodeBudget, SolverSettings settings);

} // namespace quadlo::analysis
