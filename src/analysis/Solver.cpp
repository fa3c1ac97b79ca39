// SPDX-License-Identifier: GPL-3.0-or-later
// Alpha-beta on the margin, driven by null-window tests that close in on the
// value (MTD), with a two-way transposition table of bounds and three rules,
// proved below, that cut down the moves searched.
//
// The capture rule. Let box B have three sides drawn and its fourth, e, open,
// and let the box N beyond e be off the board, have three sides drawn (e then
// completes both), or have at most one side drawn besides e. Then drawing e is
// as good as any move: V(s) = k + V(s+e), k the boxes e completes.
//   Beyond the rim or with N on three sides, e touches nothing but the boxes
// it completes: a free k points either player may take on any turn without
// losing the move, so the mover loses nothing by taking them now.
//   With N on at most one side, by induction on the open edges, for every
// other move m:
//   - m completes nothing: the opponent may answer e, which takes B alone and
// keeps the move, so V(s+m) >= 1 + V(s+m+e); and after e the mover may play
// m, which completes nothing there either, so V(s+e) >= -V(s+e+m). Hence
// -V(s+m) <= -1 + V(s+e) < 1 + V(s+e).
//   - m completes c boxes and leaves N on at most one side: s+m meets the
// premise, so its line is worth c + 1 + V(s+m+e), which the mover also
// reaches by e then m.
//   - m completes boxes and puts N on two sides: m is a side f of N and
// completes only the box X beyond it. Then s+f and s+e are the same position
// with B and X exchanged (one of them taken, the other on three sides with
// its last side towards N), so 1 + V(s+f) = 1 + V(s+e).
//
// The decline rule. When N has exactly two sides drawn, taking B opens N,
// and declining the last two boxes of a chain can be right. But a move m
// that completes nothing and is neither e nor N's other open side g is never
// better than e: the opponent can answer m with e, so -V(s+m) <= -1 -
// V(s+m+e), while e then m is worth 1 - V(s+e+m) to the mover, m completing
// nothing there either. So with such a B on the board only captures and g
// are searched, and with two such boxes of different g only captures.
//
// The chain rule. With no box on three sides, the boxes with two sides
// drawn fall into runs joined by open edges: loops, and chains B1..Bk whose
// edges are e0, the ones between, and ek, each end leading to the rim or to
// a box with at most one side drawn (X beyond e0, Y beyond ek). R is the
// position with every edge of the run drawn.
//   A loop's edges are all alike: turning the loop maps the open edges onto
// themselves box by box, so every edge of it leaves the same game.
//   A chain with k >= 3: let T_j be s with e0..e_j drawn and U_j with
// e_j..ek, the player who drew into the chain to move, the other having
// taken the boxes those edges closed. From T_j with three or more boxes
// left, taking the next box is best: declining there gives the other
// player two boxes and then at least the rest of the chain, while taking
// all but the last two and then drawing ek gives them two; so V(T_0) =
// j + V(T_j) for j <= k - 2, and likewise from U_k. After an inner edge e_i
// the capture rule takes a lone box at either break and the decline rule
// allows only captures while both parts keep two boxes; captures in either
// part may come in any order, so the best the other player can reach is
// i + V(T_i) or (k - i) + V(U_i), both V(T_0) when they are on offer and
// no more otherwise. And V(T_0) = V(U_k): when X and Y are one box with a
// side drawn, reversing the chain maps one game onto the other; otherwise
// each is k - 2 plus the better of taking the last two (2 + V(R)) or
// declining them (-2 - V(R)). So every edge of the chain is worth the same.
//   A chain of one box: either edge gives the other player the box by the
// capture rule and then R, or, when both lead to one box with a side drawn,
// the same game mirrored. Of two boxes: an end edge gives the other player
// the choice of both boxes or the decline, leading to R either way, so the
// two ends are alike (the middle edge is not).
#include "analysis/Solver.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdlib>
#include <memory>
#include <new>
#include <span>

#include <sys/mman.h>

namespace quadlo::analysis {

namespace {

// No edge to try first.
constexpr int kNoHint = -1;
// What a search that failed low stores as its lower bound: nothing known.
// Values lie within -31..31, since no board of 64 edges has 32 boxes.
constexpr int kNoLowerBound = -32;

constexpr std::size_t kTableEntries = std::size_t { 1 } << Solver::kTableBits;
constexpr int kBucketBits = Solver::kTableBits - 1;

// Slot fields above the kept key bits (at most 64 - kBucketBits of them).
constexpr int kLowerAt = 64 - kBucketBits;
constexpr int kUpperAt = kLowerAt + 6;
constexpr int kBestAt = kUpperAt + 6;
constexpr int kDepthAt = kBestAt + 6;
static_assert(kDepthAt + 2 == 64);

// Open edges in four classes, for choosing which slot of a bucket to keep.
constexpr std::uint64_t depthClass(int open)
{
    return open >= 30 ? 3 : open >= 20 ? 2 : open >= 12;
}

// The table is probed at random at every node, so it is asked for in huge
// pages where the system has them: one page-table entry then covers 2 MiB of
// it instead of 4 KiB, which saves most of the address-translation misses.
constexpr std::size_t kHugePage = std::size_t { 2 } << 20;

} // namespace

Solver::Slot* Solver::allocateTable()
{
    const std::size_t bytes = kTableEntries * sizeof(Slot);
    void* memory = std::aligned_alloc(kHugePage, bytes);
    if (memory == nullptr)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    ::madvise(memory, bytes, MADV_HUGEPAGE);
#endif
    auto* table = static_cast<Slot*>(memory);
    std::uninitialized_fill_n(table, kTableEntries, Slot { 0 });
    return table;
}

Solver::Solver(const BoxBoard& board, std::uint64_t nodeBudget)
    : board_(board)
    , budget_(nodeBudget)
    , table_(allocateTable())
    , keptBits_(std::max(0, board.edgeCount() - kBucketBits))
{
    buildSymmetries();
}

// Every edge as a point on a grid of half-box steps: a horizontal edge at
// (2c + 1, 2r), a vertical one at (2c, 2r + 1). The symmetries are the
// mirrorings of that grid, and on a square board its transposition too.
void Solver::buildSymmetries()
{
    const int width = 2 * board_.columns();
    const int height = 2 * board_.rows();
    auto edgeAt = [this](int x, int y) {
        return y % 2 == 0 ? board_.horizontal(y / 2, (x - 1) / 2)
                          : board_.vertical((y - 1) / 2, x / 2);
    };
    std::vector<std::pair<int, int>> points(static_cast<std::size_t>(board_.edgeCount()));
    for (int r = 0; r <= board_.rows(); ++r) {
        for (int c = 0; c < board_.columns(); ++c)
            points[static_cast<std::size_t>(board_.horizontal(r, c))] = { 2 * c + 1, 2 * r };
    }
    for (int r = 0; r < board_.rows(); ++r) {
        for (int c = 0; c <= board_.columns(); ++c)
            points[static_cast<std::size_t>(board_.vertical(r, c))] = { 2 * c, 2 * r + 1 };
    }
    symmetries_ = board_.columns() == board_.rows() ? 8 : 4;
    byteImage_.resize(static_cast<std::size_t>(symmetries_));
    for (int s = 0; s < symmetries_; ++s) {
        auto& images = edgeImage_[static_cast<std::size_t>(s)];
        for (int e = 0; e < board_.edgeCount(); ++e) {
            auto [x, y] = points[static_cast<std::size_t>(e)];
            if (s & 1)
                x = width - x;
            if (s & 2)
                y = height - y;
            if (s & 4)
                std::swap(x, y);
            images[static_cast<std::size_t>(e)] = static_cast<std::uint8_t>(edgeAt(x, y));
            edgePreimage_[static_cast<std::size_t>(s)][images[static_cast<std::size_t>(e)]]
                = static_cast<std::uint8_t>(e);
        }
        auto& bytes = byteImage_[static_cast<std::size_t>(s)];
        for (int at = 0; at < 8; ++at) {
            for (int value = 0; value < 256; ++value) {
                EdgeSet mapped = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    const int e = at * 8 + bit;
                    if ((value >> bit & 1) && e < board_.edgeCount())
                        mapped |= edgeBit(images[static_cast<std::size_t>(e)]);
                }
                bytes[static_cast<std::size_t>(at)][static_cast<std::size_t>(value)] = mapped;
            }
        }
    }
}

EdgeSet Solver::image(int symmetry, EdgeSet edges) const
{
    const auto& bytes = byteImage_[static_cast<std::size_t>(symmetry)];
    EdgeSet mapped = 0;
    for (std::size_t at = 0; at < 8; ++at)
        mapped |= bytes[at][static_cast<std::size_t>(edges >> (8 * at) & 0xFF)];
    return mapped;
}

Solver::TableKey Solver::tableKey(EdgeSet drawn) const
{
    TableKey least { drawn, 0 };
    if (std::popcount(drawn) > kSymmetricUpToDrawn)
        return least;
    for (int s = 1; s < symmetries_; ++s) {
        const EdgeSet mapped = image(s, drawn);
        if (mapped < least.key)
            least = { mapped, s };
    }
    return least;
}

void Solver::FreeTable::operator()(Slot* table) const { std::free(table); }

void Solver::clear()
{
    std::fill_n(table_.get(), kTableEntries, Slot { 0 });
    history_.fill(0);
}

// Multiplying by an odd number and folding high bits into low ones are both
// one-to-one on the board's edge bits, so two positions never mix alike.
EdgeSet Solver::mix(EdgeSet key) const
{
    const EdgeSet mask = board_.allEdges();
    const int fold = std::max(1, board_.edgeCount() / 2);
    key = (key * 0x9E3779B97F4A7C15ULL) & mask;
    key ^= key >> fold;
    key = (key * 0xC2B2AE3D27D4EB4FULL) & mask;
    key ^= key >> fold;
    return key;
}

Solver::Slot* Solver::bucket(EdgeSet mixed) const
{
    return &table_.get()[(mixed >> keptBits_) * 2];
}

void Solver::prefetch(EdgeSet key) const { __builtin_prefetch(bucket(mix(key))); }

std::optional<Solver::Entry> Solver::find(EdgeSet key) const
{
    const EdgeSet mixed = mix(key);
    const EdgeSet keptMask = (EdgeSet { 1 } << keptBits_) - 1;
    const Slot* slots = bucket(mixed);
    for (int i = 0; i < 2; ++i) {
        const Slot slot = slots[i];
        if (slot != 0 && (slot & keptMask) == (mixed & keptMask))
            return Entry { static_cast<int>(slot >> kLowerAt & 63) - 32,
                static_cast<int>(slot >> kUpperAt & 63) - 32,
                static_cast<int>(slot >> kBestAt & 63) };
    }
    return std::nullopt;
}

// The first slot keeps the entry with more open edges, which cost more to
// find again; the second takes whatever the first does not.
void Solver::store(EdgeSet key, int open, int lower, int upper, int best)
{
    const EdgeSet mixed = mix(key);
    const EdgeSet keptMask = (EdgeSet { 1 } << keptBits_) - 1;
    Slot* slots = bucket(mixed);
    Slot* slot = nullptr;
    for (int i = 0; i < 2 && slot == nullptr; ++i) {
        if (slots[i] != 0 && (slots[i] & keptMask) == (mixed & keptMask))
            slot = &slots[i];
    }
    const std::uint64_t depth = depthClass(open);
    if (slot != nullptr) {
        // An edge that failed low is no better than the others tried.
        if (lower == kNoLowerBound)
            best = static_cast<int>(*slot >> kBestAt & 63);
        lower = std::max(lower, static_cast<int>(*slot >> kLowerAt & 63) - 32);
        upper = std::min(upper, static_cast<int>(*slot >> kUpperAt & 63) - 32);
    } else if (slots[0] == 0 || depth >= (slots[0] >> kDepthAt)) {
        slots[1] = slots[0];
        slot = &slots[0];
    } else {
        slot = &slots[1];
    }
    *slot = (mixed & keptMask) | static_cast<Slot>(lower + 32) << kLowerAt
        | static_cast<Slot>(upper + 32) << kUpperAt
        | static_cast<Slot>(std::max(best, 0)) << kBestAt | depth << kDepthAt;
}

int Solver::draw(int edge)
{
    int taken = 0;
    for (int box : board_.boxesOf(edge)) {
        if (box < 0)
            continue;
        const std::uint32_t bit = std::uint32_t { 1 } << box;
        const int s = ++sidesDrawn_[static_cast<std::size_t>(box)];
        if (s == 2) {
            twoSided_ |= bit;
        } else if (s == 3) {
            twoSided_ &= ~bit;
            threeSided_ |= bit;
        } else if (s == 4) {
            threeSided_ &= ~bit;
            ++taken;
        }
    }
    completed_ += taken;
    return taken;
}

void Solver::undraw(int edge)
{
    for (int box : board_.boxesOf(edge)) {
        if (box < 0)
            continue;
        const std::uint32_t bit = std::uint32_t { 1 } << box;
        const int s = sidesDrawn_[static_cast<std::size_t>(box)]--;
        if (s == 4) {
            threeSided_ |= bit;
            --completed_;
        } else if (s == 3) {
            threeSided_ &= ~bit;
            twoSided_ |= bit;
        } else if (s == 2) {
            twoSided_ &= ~bit;
        }
    }
}

void Solver::setUp(EdgeSet drawn)
{
    nodes_ = 0;
    for (auto& h : history_)
        h /= 2;
    twoSided_ = 0;
    threeSided_ = 0;
    completed_ = 0;
    for (int box = 0; box < board_.boxCount(); ++box) {
        const int s = std::popcount(drawn & board_.sides(box));
        sidesDrawn_[static_cast<std::size_t>(box)] = static_cast<std::uint8_t>(s);
        if (s == 2)
            twoSided_ |= std::uint32_t { 1 } << box;
        if (s == 3)
            threeSided_ |= std::uint32_t { 1 } << box;
        completed_ += s == 4;
    }
}

// A search that gives up leaves the side counts as they were at that node;
// every public call sets them up afresh.
int Solver::search(EdgeSet drawn, int alpha, int beta)
{
    // The stop flag is read now and then, not at every node.
    if (++nodes_ > budget_
        || (stop_ && (nodes_ & 0xFFF) == 0 && stop_->load(std::memory_order_relaxed)))
        throw GaveUp {};

    // The capture rule; taking a box never leaves a new box on three sides,
    // so one pass takes every capture it allows.
    std::array<std::uint8_t, kMaxBoxes> captured;
    int capturedCount = 0;
    int gained = 0;
    for (std::uint32_t rest = threeSided_; rest != 0; rest &= rest - 1) {
        const int box = std::countr_zero(rest);
        if ((threeSided_ & std::uint32_t { 1 } << box) == 0)
            continue;
        const int edge = std::countr_zero(board_.sides(box) & ~drawn);
        const int other = board_.beyond(edge, box);
        if (other >= 0 && sidesDrawn_[static_cast<std::size_t>(other)] == 2)
            continue;
        gained += draw(edge);
        drawn |= edgeBit(edge);
        captured[static_cast<std::size_t>(capturedCount++)] = static_cast<std::uint8_t>(edge);
    }
    const int v = gained + searchMoves(drawn, alpha - gained, beta - gained);
    while (capturedCount > 0)
        undraw(captured[static_cast<std::size_t>(--capturedCount)]);
    return v;
}

int Solver::searchMoves(EdgeSet drawn, int alpha, int beta)
{
    const int remaining = board_.boxCount() - completed_;
    if (remaining == 0)
        return 0;
    if (remaining <= alpha)
        return remaining;
    if (-remaining >= beta)
        return -remaining;

    const EdgeSet open = board_.allEdges() & ~drawn;
    const int openCount = std::popcount(open);
    const bool tabled = openCount >= kTableFromOpen;
    int lower = -remaining;
    int upper = remaining;
    int hint = kNoHint;
    const TableKey key = tabled ? tableKey(drawn) : TableKey { drawn, 0 };
    const auto& toKey = edgeImage_[static_cast<std::size_t>(key.symmetry)];
    if (const auto entry = tabled ? find(key.key) : std::nullopt) {
        lower = entry->lower;
        upper = entry->upper;
        hint = edgePreimage_[static_cast<std::size_t>(key.symmetry)]
                            [static_cast<std::size_t>(entry->best)];
        if (lower >= beta || lower == upper)
            return lower;
        if (upper <= alpha)
            return upper;
    }
    alpha = std::max(alpha, lower);
    beta = std::min(beta, upper);
    const int windowLow = alpha;

    // With a box left to take, only captures and the declining edge are
    // searched (the decline rule above); with none, one edge of each long
    // chain and loop (the chain rule).
    EdgeSet candidates = open;
    if (threeSided_ != 0) {
        EdgeSet takes = 0;
        EdgeSet declines = open;
        for (std::uint32_t rest = threeSided_; rest != 0; rest &= rest - 1) {
            const int box = std::countr_zero(rest);
            const int edge = std::countr_zero(board_.sides(box) & ~drawn);
            const int next = board_.beyond(edge, box);
            assert(next >= 0 && sidesDrawn_[static_cast<std::size_t>(next)] == 2);
            takes |= edgeBit(edge);
            declines &= board_.sides(next) & ~drawn & ~edgeBit(edge);
        }
        candidates = takes | declines;
    } else {
        candidates &= ~edgesLeftOutByChainRule(drawn);
    }

    // Captures first, then edges that give nothing away, then those that
    // offer one box, then two.
    std::array<std::array<std::uint8_t, kMaxEdges>, 4> byKind;
    std::array<int, 4> kindCount {};
    if (hint != kNoHint && (candidates & edgeBit(hint)) == 0)
        hint = kNoHint;
    for (EdgeSet rest = candidates; rest != 0; rest &= rest - 1) {
        const int edge = std::countr_zero(rest);
        if (edge == hint)
            continue;
        int kind = 1;
        for (int box : board_.boxesOf(edge)) {
            if (box < 0)
                continue;
            const int s = sidesDrawn_[static_cast<std::size_t>(box)];
            if (s == 3) {
                kind = 0;
                break;
            }
            kind += s == 2;
        }
        auto k = static_cast<std::size_t>(kind);
        byKind[k][static_cast<std::size_t>(kindCount[k]++)] = static_cast<std::uint8_t>(edge);
    }

    int best = -remaining - 1;
    int bestEdge = kNoHint;
    auto tryEdge = [&](int edge) {
        const int taken = draw(edge);
        const EdgeSet next = drawn | edgeBit(edge);
        const int v = taken > 0 ? taken + search(next, alpha - taken, beta - taken)
                                : -search(next, -beta, -alpha);
        undraw(edge);
        if (v > best) {
            best = v;
            bestEdge = edge;
            alpha = std::max(alpha, v);
        }
        return alpha >= beta;
    };
    // The next edge's position is fetched while this one is searched, when
    // it will be looked up under its own edge set; a capture's position is
    // not known before its turn.
    const bool prefetching = openCount - 1 >= kTableFromOpen
        && board_.edgeCount() - openCount + 1 > kSymmetricUpToDrawn;
    bool cut = hint != kNoHint && tryEdge(hint);
    for (std::size_t k = 0; k < 4 && !cut; ++k) {
        const auto edges = std::span(byKind[k]).first(static_cast<std::size_t>(kindCount[k]));
        std::sort(edges.begin(), edges.end(), [this](std::uint8_t a, std::uint8_t b) {
            return history_[a] != history_[b] ? history_[a] > history_[b] : a < b;
        });
        for (std::size_t i = 0; i < edges.size() && !cut; ++i) {
            if (prefetching && k > 0 && i + 1 < edges.size())
                prefetch(drawn | edgeBit(edges[i + 1]));
            cut = tryEdge(edges[i]);
        }
    }
    // Ordering by past cut-offs finds a refutation sooner than edge order.
    if (cut && bestEdge != kNoHint)
        history_[static_cast<std::size_t>(bestEdge)]
            += static_cast<std::uint32_t>(openCount * openCount);

    if (tabled) {
        auto keyed = [&toKey](int edge) {
            return edge == kNoHint ? 0 : toKey[static_cast<std::size_t>(edge)];
        };
        if (best <= windowLow)
            store(key.key, openCount, kNoLowerBound, best, keyed(hint));
        else if (best >= beta)
            store(key.key, openCount, best, remaining, keyed(bestEdge));
        else
            store(key.key, openCount, best, best, keyed(bestEdge));
    }
    return best;
}

// Walks each run of boxes with two sides drawn along its open edges; a run
// is a chain or a loop, since each of its boxes has exactly two open edges.
EdgeSet Solver::edgesLeftOutByChainRule(EdgeSet drawn) const
{
    EdgeSet skipped = 0;
    for (std::uint32_t rest = twoSided_; rest != 0;) {
        std::uint32_t run = rest & (~rest + 1);
        EdgeSet edges = 0;
        for (std::uint32_t frontier = run; frontier != 0;) {
            const int box = std::countr_zero(frontier);
            frontier &= frontier - 1;
            const EdgeSet sides = board_.sides(box) & ~drawn;
            edges |= sides;
            for (EdgeSet side = sides; side != 0; side &= side - 1) {
                const int other = board_.beyond(std::countr_zero(side), box);
                const std::uint32_t bit = other < 0 ? 0 : std::uint32_t { 1 } << other;
                if ((rest & bit & ~run) != 0) {
                    run |= bit;
                    frontier |= bit;
                }
            }
        }
        rest &= ~run;
        const int boxes = std::popcount(run);
        if (boxes == 2) {
            const EdgeSet middle
                = board_.sides(std::countr_zero(run)) & board_.sides(31 - std::countl_zero(run));
            const EdgeSet ends = edges & ~middle;
            skipped |= ends & (ends - 1);
        } else {
            skipped |= edges & (edges - 1);
        }
    }
    return skipped;
}

int Solver::exact(EdgeSet drawn)
{
    const int remaining = board_.boxCount() - completed_;
    int lower = -remaining;
    int upper = remaining;
    int guess = 0;
    while (lower < upper) {
        const int beta = std::clamp(guess, lower + 1, upper);
        const int v = search(drawn, beta - 1, beta);
        if (v < beta)
            upper = v;
        else
            lower = v;
        guess = v;
    }
    return lower;
}

bool Solver::reaches(EdgeSet drawn, int edge, int bound)
{
    const int taken = draw(edge);
    const EdgeSet next = drawn | edgeBit(edge);
    const bool reached = taken > 0 ? taken + search(next, bound - taken - 1, bound - taken) >= bound
                                   : -search(next, -bound, -bound + 1) >= bound;
    undraw(edge);
    return reached;
}

std::optional<int> Solver::value(EdgeSet drawn)
{
    setUp(drawn);
    try {
        return exact(drawn);
    } catch (const GaveUp&) {
        return std::nullopt;
    }
}

std::optional<std::vector<EdgeValue>> Solver::edgeValues(EdgeSet drawn)
{
    setUp(drawn);
    std::vector<EdgeValue> values;
    try {
        for (EdgeSet rest = board_.allEdges() & ~drawn; rest != 0; rest &= rest - 1) {
            const int edge = std::countr_zero(rest);
            const int taken = draw(edge);
            const EdgeSet next = drawn | edgeBit(edge);
            values.push_back({ edge, taken > 0 ? taken + exact(next) : -exact(next) });
            undraw(edge);
        }
    } catch (const GaveUp&) {
        return std::nullopt;
    }
    std::stable_sort(values.begin(), values.end(),
        [](const EdgeValue& x, const EdgeValue& y) { return x.value > y.value; });
    return values;
}

std::optional<EdgeValue> Solver::bestEdge(EdgeSet drawn)
{
    setUp(drawn);
    try {
        const int v = exact(drawn);
        // The edge that raised the root's lower bound to the value reaches
        // it; the others are tried only if the table lost the root.
        const TableKey key = tableKey(drawn);
        const auto root = find(key.key);
        const EdgeSet open = board_.allEdges() & ~drawn;
        const int hint = root ? edgePreimage_[static_cast<std::size_t>(key.symmetry)]
                                             [static_cast<std::size_t>(root->best)]
                              : kNoHint;
        if (hint != kNoHint && (open & edgeBit(hint)) != 0 && reaches(drawn, hint, v))
            return EdgeValue { hint, v };
        for (EdgeSet rest = open; rest != 0; rest &= rest - 1) {
            const int edge = std::countr_zero(rest);
            if (reaches(drawn, edge, v))
                return EdgeValue { edge, v };
        }
    } catch (const GaveUp&) {
    }
    return std::nullopt;
}

} // namespace quadlo::analysis
