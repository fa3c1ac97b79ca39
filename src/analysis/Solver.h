// SPDX-License-Identifier: GPL-3.0-or-later
// The exact solver: the final margin under perfect play of any position on a
// BoxBoard, for the player to move, counting only the boxes still to be
// taken (what the mover will take from here minus what the other will). A
// position's value depends on its drawn edges alone, so one transposition
// table serves every question asked of the same board.
//
// Every answer is exact or absent: a call that would search more nodes than
// the budget allows gives up and returns nothing, never a guess.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
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
};

class Solver {
public:
    static constexpr std::uint64_t kNoBudget = std::numeric_limits<std::uint64_t>::max();
    // 2^21 entries of 8 bytes, in buckets of two: the table takes 16 MiB
    // whatever is asked.
    static constexpr unsigned kTableBits = 21;
    // Positions with fewer open edges are searched again rather than stored:
    // that costs less than the table's cache misses.
    static constexpr int kTableFromOpen = 8;
    // Positions with at most this many edges drawn are stored under the
    // least of their images by the board's symmetries (4, or 8 on a square
    // board): near the empty board mirror images meet often, and later
    // they hardly ever do, so the cost is not worth paying there.
    static constexpr int kSymmetricUpToDrawn = 14;

    explicit Solver(const BoxBoard& board, std::uint64_t nodeBudget = kNoBudget);

    const BoxBoard& board() const { return board_; }
    // The most nodes one call may search before it gives up.
    void setNodeBudget(std::uint64_t nodes) { budget_ = nodes; }
    // A flag another thread may raise to make the call under way give up
    // early, as if its budget had run out; null for none.
    void setStopFlag(const std::atomic<bool>* stop) { stop_ = stop; }
    // Forgets every stored bound and the order of past cut-offs, as a new
    // solver would start.
    void clear();
    // Nodes searched by the last call.
    std::uint64_t nodes() const { return nodes_; }

    // The value of the position; none if the budget ran out.
    std::optional<int> value(EdgeSet drawn);
    // Every open edge's value, best first (ties in edge order); none if the
    // budget ran out.
    std::optional<std::vector<EdgeValue>> edgeValues(EdgeSet drawn);
    // One best edge and its value (the position's value); none if the budget
    // ran out or no edge is open.
    std::optional<EdgeValue> bestEdge(EdgeSet drawn);

private:
    // One stored position, unpacked. In the table each is one 64-bit word:
    // the low bits of a one-to-one mix of the edge set (its high bits are the
    // bucket's number, so the position is known exactly), the bounds and the
    // best edge in 6 bits each, and a coarse count of open edges in 2.
    struct Entry {
        int lower;
        int upper;
        int best;
    };
    using Slot = std::uint64_t;
    struct GaveUp { };

    static Slot* allocateTable();
    // The mixed edge set, its bucket and the bits of it a slot keeps.
    EdgeSet mix(EdgeSet key) const;
    // The side counts of the position being searched, kept up to date as
    // edges are drawn and taken back.
    void setUp(EdgeSet drawn);
    int draw(int edge); // returns the boxes it completes
    void undraw(int edge);
    // With no box on three sides: the edges of each run of boxes on two
    // sides that another edge of the run stands for (all but one of a loop
    // or chain, one end of a chain of two).
    EdgeSet edgesLeftOutByChainRule(EdgeSet drawn) const;
    int exact(EdgeSet drawn);
    int search(EdgeSet drawn, int alpha, int beta);
    // The rest of a node once the capture rule has played.
    int searchMoves(EdgeSet drawn, int alpha, int beta);
    // The position's value is at least `bound` when the mover draws `edge`.
    bool reaches(EdgeSet drawn, int edge, int bound);
    std::optional<Entry> find(EdgeSet key) const;
    // The two slots a mixed edge set may be stored in.
    Slot* bucket(EdgeSet mixed) const;
    // Asks the memory for a position's bucket before it is looked up.
    void prefetch(EdgeSet key) const;
    void store(EdgeSet key, int open, int lower, int upper, int best);

    // The key a position is stored under, and the symmetry that takes the
    // position to it (0 for none); edges map with the same symmetry.
    struct TableKey {
        EdgeSet key;
        int symmetry;
    };
    TableKey tableKey(EdgeSet drawn) const;
    EdgeSet image(int symmetry, EdgeSet edges) const;
    void buildSymmetries();

    BoxBoard board_;
    int symmetries_ = 1;
    // Per symmetry: the image of each edge, of its inverse, and of each
    // byte of an edge set.
    std::array<std::array<std::uint8_t, kMaxEdges>, 8> edgeImage_ {};
    std::array<std::array<std::uint8_t, kMaxEdges>, 8> edgePreimage_ {};
    std::vector<std::array<std::array<EdgeSet, 256>, 8>> byteImage_;
    std::uint64_t budget_;
    std::uint64_t nodes_ = 0;
    const std::atomic<bool>* stop_ = nullptr;
    struct FreeTable {
        void operator()(Slot* table) const;
    };
    std::unique_ptr<Slot[], FreeTable> table_;
    int keptBits_; // of the mixed edge set, in each slot
    std::array<std::uint8_t, kMaxBoxes> sidesDrawn_ {};
    std::uint32_t twoSided_ = 0;
    std::uint32_t threeSided_ = 0;
    // Per edge, how often it has cut off a search, weighted towards the
    // larger positions; it orders the edges of each kind.
    std::array<std::uint32_t, kMaxEdges> history_ {};
    int completed_ = 0;
};

} // namespace quadlo::analysis
