// SPDX-License-Identifier: GPL-3.0-or-later
// Alpha-beta on the margin, driven by null-window tests that close in on the
// value (MTD), with a four-way transposition table of bounds shared by every
// thread, three rules, proved below, that cut down the moves searched, a
// bound that leaves out opening chains and loops that cannot help, and two
// shortcuts: rim edges of one box are one move, and a loony endgame is
// valued from its chains' and loops' lengths without search.
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
//
// The handout. Of a chain of two, B1 and B2 with ends e0 and e2 and the
// middle e1, an end is never better than the middle. After e1 the capture
// rule takes B1 by e0 (X has at most one side drawn), so the other player
// makes 1 + V(s+e1+e0); after e0 they may draw e1, which completes B1 and
// reaches the same position with them still to move. So only the middle
// of a chain of two is searched.
//
// The loony bound. Opening a long chain of k boxes leaves the other player
// V(T_0) = k - 2 + max(2 + V(R), -2 - V(R)) >= k - 2 by the chain rule.
// Opening a loop of k boxes gives two of them their third side; the other
// player may take all but four of its boxes, each capture giving the next
// its third side, and then either take the four and move on in R (k + V(R))
// or draw the edge between the middle two of them, which completes nothing,
// so that the mover takes the four by the capture rule and moves on in R (k
// - 8 - V(R)): at least k - 4 either way. So the mover makes at most 2 - k
// by opening a long chain and 4 - k by opening a loop, and where that is no
// more than what another edge has already made, the edge is left unsearched.
//
// Twin runs. Two runs of boxes on two sides, as the chain rule has them,
// with as many boxes and with their ends leading to the same places (the
// rim, or one and the same box, for each end; or, for loops, none) can be
// exchanged box for box from the ends they share: every open edge of one
// then takes the place of the matching edge of the other, and every other
// edge stays, so the game is mapped onto itself, the side counts of every
// box kept. An edge of one run is therefore worth the matching edge of the
// other, and only one of the twins is searched.
//
// Rim edges. Two edges on the rim that border the same box touch nothing
// else, so exchanging them maps the game onto itself: positions that differ
// only in which of them are drawn have the same value, and of such edges
// that are open only one need be searched. Positions are stored with the
// box's drawn rim edges moved to its lowest ones.
//
// The loony endgame. With no box on three sides and every box not yet taken
// on exactly two, the open edges form separate chains, each with both ends
// on the rim, and loops; the mover must open one of them. By the chain rule
// every edge of one chain or loop is as good as another, except the middle
// of a chain of two, which gives the other player both boxes by the capture
// rule (an end also offers the decline, which can only help them). After a
// chain of k >= 3 is opened, the other player does best to take its boxes
// while three or more are left (as the chain rule shows), and then has the
// choice of
// taking them and moving on (k + V(S)) or declining them with the last
// edge, so that the mover takes two and must move on (k - 4 - V(S)); S is
// the rest of the position. In an opened loop of k boxes the choice comes
// with four left: k + V(S) or k - 8 - V(S). A chain of one box gives 1 +
// V(S). So V = max over the kinds of component present of -(what the other
// player then makes), with V of nothing 0; which component sits where does
// not matter, only the multiset of their kinds.
#include "analysis/Solver.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <new>
#include <random>
#include <span>
#include <system_error>
#include <thread>

#include <sys/mman.h>

namespace quadlo::analysis {

namespace {

// No edge to try first.
constexpr int kNoHint = -1;
// What a search that failed low stores as its lower bound: nothing known.
// Values lie within -31..31, since no board of 64 edges has 32 boxes.
constexpr int kNoLowerBound = -32;

// Slot fields, from the top: the open-edge class in 2 bits, the best edge
// plus one (0 for none, and for edge 63, which no 6 bits hold once one is
// added), the upper and the lower bound in 6 bits each; the kept key bits
// below.
constexpr int kFieldBits = 20;
constexpr int kLowerAt = 64 - kFieldBits;
constexpr int kUpperAt = kLowerAt + 6;
constexpr int kBestAt = kUpperAt + 6;
constexpr int kDepthAt = kBestAt + 6;
static_assert(kDepthAt + 2 == 64);

// Slots in a bucket: the four words of half a cache line, looked at together.
constexpr int kBucketBits = 2;
constexpr int kBucketSlots = 1 << kBucketBits;

// Open edges in four classes, for choosing which slot of a bucket to keep.
constexpr std::uint64_t depthClass(int open)
{
    return open >= 30 ? 3 : open >= 20 ? 2 : open >= 12;
}

// The table is probed at random at every node, so it is asked for in huge
// pages where the system has them: one page-table entry then covers 2 MiB of
// it instead of 4 KiB, which saves most of the address-translation misses.
constexpr std::size_t kHugePage = std::size_t { 2 } << 20;

// Questions smaller than this are searched on the calling thread alone:
// they end before a second thread would have started.
constexpr int kThreadsFromOpen = 24;

// How often, in nodes, a search looks at the flags and counts of the others.
constexpr std::uint64_t kSyncMask = 0x3FF;

// Positions with at least this share of the board's edges open look up
// their children first: there a search costs more than a look-up's cache
// miss (from 36 open edges of the game's 60; from 19 of a 3 by 4 board's
// 31, where it saves more than half the nodes of a search from empty).
constexpr int kLookAheadOpenPerFive = 3;

// The bound on an edge's score of past cut-offs.
constexpr std::int64_t kHistoryLimit = std::int64_t { 1 } << 22;
// Edges are scored apart in each span of 2^4 open-edge counts: the edges
// that refute in the opening are not those that refute in the endgame.
constexpr int kHistorySpanBits = 4;

// What a run's end leads to besides a box: the rim, or nothing (a loop's).
constexpr int kRimEnd = -1;
constexpr int kNoEnd = -2;

// A loony endgame of more mixes of components than this is searched.
constexpr int kMostEndgameStates = 4096;

// What the two end edges of a run of boxes lead to.
using RunEnds = std::array<int, 2>;

// For the functions passed to a walk that is always inlined: a lambda left
// on its own is compiled without the caller's instruction for counting bits,
// which it then counts by a library call.
#define QUADLO_INLINED __attribute__((always_inline))

struct Stopped { };

#if defined(__EMSCRIPTEN__)
// WebAssembly has one way to count bits, and the page's solver one thread:
// a slot is read and written as any word is (emscripten's standard library
// has no atomic_ref).
#define QUADLO_COUNTS_BITS

std::uint64_t load(const std::uint64_t& slot) { return slot; }

void save(std::uint64_t& slot, std::uint64_t value) { slot = value; }
#else
// The search counts bits at every node; where the processor has an
// instruction for it, a copy of the busiest functions uses it.
#define QUADLO_COUNTS_BITS [[gnu::target_clones("popcnt", "default")]]

std::uint64_t load(const std::uint64_t& slot)
{
    return std::atomic_ref(const_cast<std::uint64_t&>(slot)).load(std::memory_order_relaxed);
}

void save(std::uint64_t& slot, std::uint64_t value)
{
    std::atomic_ref(slot).store(value, std::memory_order_relaxed);
}
#endif

} // namespace

std::optional<int> settledOutcome(const Verdict& verdict, int score)
{
    const int least = score + verdict.bounds.lower;
    const int most = score + verdict.bounds.upper;
    if (least > 0)
        return 1;
    if (most < 0)
        return -1;
    if (least == 0 && most == 0)
        return 0;
    return std::nullopt;
}

unsigned tableBitsFor(int open)
{
    return static_cast<unsigned>(std::clamp((open - 35) / 2 + 21, 21, 25));
}

// Defined before the searches use it, so that every compiler takes its
// copy for the bit-counting instruction.
QUADLO_COUNTS_BITS Solver::TableKey Solver::tableKey(EdgeSet drawn) const
{
    // Each box's drawn rim edges moved to its lowest ones.
    for (const EdgeSet rim : rimEdges_) {
        EdgeSet lowest = 0;
        EdgeSet free = rim;
        for (int n = std::popcount(drawn & rim); n > 0; --n) {
            lowest |= free & (~free + 1);
            free &= free - 1;
        }
        drawn = (drawn & ~rim) | lowest;
    }
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

// One thread's search: the side counts of the position it is in and its own
// order of past cut-offs; the table is the solver's, shared.
class Searcher {
public:
    Searcher(Solver& solver, int index);

    // The fail-soft value of a null window just below `beta`.
    int test(EdgeSet drawn, int beta)
    {
        setUp(drawn);
        const int v = search(drawn, beta - 1, beta);
        flush();
        return v;
    }
    // Ages the past cut-offs at each new question.
    void age()
    {
        for (auto& scores : history_) {
            for (auto& h : scores)
                h /= 2;
        }
    }
    void forget()
    {
        for (auto& scores : history_)
            scores.fill(0);
    }
    // The scores of edges in positions of `open` open edges.
    std::array<std::int32_t, kMaxEdges>& scores(int open)
    {
        return history_[static_cast<std::size_t>(open >> kHistorySpanBits)];
    }
    // Adds `bonus` to an edge's score, less the share of it that the score
    // already holds of kHistoryLimit: scores stay within that limit, and the
    // latest cut-offs weigh most.
    void credit(int open, int edge, int bonus)
    {
        auto& score = scores(open)[static_cast<std::size_t>(edge)];
        score += bonus
            - static_cast<std::int32_t>(std::int64_t { score } * std::abs(bonus) / kHistoryLimit);
    }
    void flush()
    {
        solver_.spent_.fetch_add(nodes_ - flushed_, std::memory_order_relaxed);
        flushed_ = nodes_;
    }
    void startCall()
    {
        nodes_ = 0;
        flushed_ = 0;
        othersSeen_ = 0;
    }

    // Raised by the first thread that answers or gives up; the others stop.
    const std::atomic<bool>* over = nullptr;

private:
    void setUp(EdgeSet drawn);
    int draw(int edge); // returns the boxes it completes
    void undraw(int edge);
    void countNode();
    // Calls visit(boxes, open edges, ends) for each run of boxes on two
    // sides, the ends being what its two end edges lead to (a box, or
    // kRimEnd), both kNoEnd for a loop; always inlined, as its visits are,
    // so that their bit counts are those of the caller's copy.
    template <typename Visit>
    [[gnu::always_inline]] inline void forEachRun(EdgeSet drawn, Visit visit) const;
    // With no box on three sides: the edges of each run of boxes on two
    // sides that another edge of the run stands for (all but one of a loop
    // or chain, one end of a chain of two), and the edges left in that open
    // a long chain or a loop, with the most the mover can make by them.
    struct RunEdges {
        EdgeSet leftOut = 0;
        EdgeSet loony = 0;
        std::array<std::int8_t, kMaxEdges> most;
    };
    // Of twin runs, the one with an edge in `preferred` is kept.
    QUADLO_COUNTS_BITS void sortRunEdges(EdgeSet drawn, EdgeSet preferred, RunEdges& runs) const;
    // Whether `box`, on three sides with `edge` open, starts a chain of
    // three or more, whose next box the chain rule says to take.
    bool startsLongChain(int box, int edge, EdgeSet drawn) const;
    // The value of a loony endgame; none for another position, or one of
    // too many kinds of component.
    QUADLO_COUNTS_BITS std::optional<int> loonyEndgame(EdgeSet drawn) const;
    int search(EdgeSet drawn, int alpha, int beta);
    // The rest of a node once the capture rule has played.
    QUADLO_COUNTS_BITS int searchMoves(EdgeSet drawn, int alpha, int beta);

    Solver& solver_;
    const BoxBoard& board_;
    std::array<std::uint8_t, kMaxBoxes> sidesDrawn_ {};
    std::uint32_t twoSided_ = 0;
    std::uint32_t threeSided_ = 0;
    int completed_ = 0;
    // Per span of open-edge counts and edge, a score of the edge's past
    // cut-offs, weighted towards the larger positions: raised when it cuts
    // a search off, lowered when it was searched in vain before the edge
    // that did. It orders the edges of each kind.
    std::array<std::array<std::int32_t, kMaxEdges>, (kMaxEdges >> kHistorySpanBits) + 1>
        history_ {};
    // Among edges of one kind and history: the first thread tries them from
    // the middle of the board out, where the fight for the chains is; the
    // others in orders of their own, so that they seldom search the same
    // lines at the same time.
    std::array<std::uint8_t, kMaxEdges> rank_ {};
    std::uint64_t nodes_ = 0;
    std::uint64_t flushed_ = 0; // of nodes_, added to the solver's count
    std::uint64_t othersSeen_ = 0; // the other threads' nodes, last looked
};

Searcher::Searcher(Solver& solver, int index)
    : solver_(solver)
    , board_(solver.board_)
{
    std::vector<int> edges(static_cast<std::size_t>(board_.edgeCount()));
    for (int e = 0; e < board_.edgeCount(); ++e)
        edges[static_cast<std::size_t>(e)] = e;
    if (index == 0) {
        // Twice the distance from the middle in half-box steps, squared.
        const int w = board_.columns();
        const int h = board_.rows();
        auto distance = [&](int e) {
            const int v = e - w * (h + 1);
            const int x = board_.isVertical(e) ? 2 * (v % (w + 1)) : 2 * (e % w) + 1;
            const int y = board_.isVertical(e) ? 2 * (v / (w + 1)) + 1 : 2 * (e / w);
            return (2 * x - 2 * w) * (2 * x - 2 * w) + (2 * y - 2 * h) * (2 * y - 2 * h);
        };
        std::stable_sort(
            edges.begin(), edges.end(), [&](int a, int b) { return distance(a) < distance(b); });
    } else {
        std::mt19937 random(static_cast<std::uint32_t>(index));
        std::shuffle(edges.begin(), edges.end(), random);
    }
    for (std::size_t i = 0; i < edges.size(); ++i)
        rank_[static_cast<std::size_t>(edges[i])] = static_cast<std::uint8_t>(i);
}

int Searcher::draw(int edge)
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

void Searcher::undraw(int edge)
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

void Searcher::setUp(EdgeSet drawn)
{
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

// The budget is checked at every node against this thread's count and what
// the others had counted when last looked, so that one thread keeps it to
// the node; the flags are read now and then, not at every node.
void Searcher::countNode()
{
    if (++nodes_ + othersSeen_ > solver_.budget_)
        throw Stopped {};
    if ((nodes_ & kSyncMask) != 0)
        return;
    if ((over && over->load(std::memory_order_relaxed))
        || (solver_.stop_ && solver_.stop_->load(std::memory_order_relaxed)))
        throw Stopped {};
    flush();
    othersSeen_ = solver_.spent_.load(std::memory_order_relaxed) - flushed_;
}

// A search that stops leaves the side counts as they were at that node;
// every question sets them up afresh.
int Searcher::search(EdgeSet drawn, int alpha, int beta)
{
    countNode();

    // The capture rule, and the chain rule's captures down a long chain;
    // taking a box of a long chain leaves the next on three sides, so the
    // passes go on until one takes nothing.
    std::array<std::uint8_t, kMaxEdges> captured;
    int capturedCount = 0;
    int gained = 0;
    for (bool taking = threeSided_ != 0; taking;) {
        taking = false;
        for (std::uint32_t rest = threeSided_; rest != 0; rest &= rest - 1) {
            const int box = std::countr_zero(rest);
            if ((threeSided_ & std::uint32_t { 1 } << box) == 0)
                continue;
            const int edge = std::countr_zero(board_.sides(box) & ~drawn);
            const int other = board_.beyond(edge, box);
            if (other >= 0 && sidesDrawn_[static_cast<std::size_t>(other)] == 2
                && !(solver_.settings_.shortcuts && startsLongChain(box, edge, drawn)))
                continue;
            gained += draw(edge);
            drawn |= edgeBit(edge);
            captured[static_cast<std::size_t>(capturedCount++)] = static_cast<std::uint8_t>(edge);
            taking = true;
        }
    }
    const int v = gained + searchMoves(drawn, alpha - gained, beta - gained);
    while (capturedCount > 0)
        undraw(captured[static_cast<std::size_t>(--capturedCount)]);
    return v;
}

QUADLO_COUNTS_BITS int Searcher::searchMoves(EdgeSet drawn, int alpha, int beta)
{
    const int remaining = board_.boxCount() - completed_;
    if (remaining == 0)
        return 0;
    if (remaining <= alpha)
        return remaining;
    if (-remaining >= beta)
        return -remaining;
    if (threeSided_ == 0 && std::popcount(twoSided_) == remaining && solver_.settings_.shortcuts) {
        if (const auto v = loonyEndgame(drawn))
            return *v;
    }

    const EdgeSet open = board_.allEdges() & ~drawn;
    const int openCount = std::popcount(open);
    const bool tabled = openCount >= Solver::kTableFromOpen;
    int lower = -remaining;
    int upper = remaining;
    int hint = kNoHint;
    const Solver::TableKey key = tabled ? solver_.tableKey(drawn) : Solver::TableKey { drawn, 0 };
    if (const auto entry = tabled ? solver_.find(key.key) : std::nullopt) {
        lower = entry->lower;
        upper = entry->upper;
        hint = solver_.edgeFromKey(key, entry->best, drawn);
        if (lower >= beta || lower == upper)
            return lower;
        if (upper <= alpha)
            return upper;
    }
    alpha = std::max(alpha, lower);
    beta = std::min(beta, upper);
    const int windowLow = alpha;

    int best = -remaining - 1;
    int bestEdge = kNoHint;
    RunEdges runs;
    std::array<std::uint8_t, kMaxEdges> inVain;
    int inVainCount = 0;
    auto tryEdge = [&](int edge) {
        // Opening a long chain or a loop cannot raise the best found so far
        // when it makes at most alpha: its search is left out, its most
        // standing for it.
        if ((runs.loony & edgeBit(edge)) != 0) {
            const int most = runs.most[static_cast<std::size_t>(edge)];
            if (most <= alpha) {
                best = std::max(best, most);
                inVain[static_cast<std::size_t>(inVainCount++)] = static_cast<std::uint8_t>(edge);
                return false;
            }
        }
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
        if (alpha >= beta)
            return true;
        inVain[static_cast<std::size_t>(inVainCount++)] = static_cast<std::uint8_t>(edge);
        return false;
    };
    // The next edge's position is fetched while this one is searched, when
    // it will be looked up under its own edge set; a capture's position is
    // not known before its turn.
    const bool prefetching = openCount - 1 >= Solver::kTableFromOpen
        && board_.edgeCount() - openCount + 1 > Solver::kSymmetricUpToDrawn;
    // Where the children are not looked up first, the stored best edge is
    // searched before the other edges are sorted out, since it often ends
    // the node; it may then be one that another edge stands for, which
    // costs a search and changes nothing.
    const bool lookingAhead = openCount * 5 >= board_.edgeCount() * kLookAheadOpenPerFive
        && solver_.settings_.shortcuts;
    const bool hintTried = hint != kNoHint && !lookingAhead;
    bool cut = hintTried && tryEdge(hint);
    if (!cut) {
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
            sortRunEdges(drawn, hint == kNoHint ? 0 : edgeBit(hint), runs);
            candidates &= ~runs.leftOut;
            if (solver_.settings_.shortcuts)
                candidates &= ~solver_.rimEdgesLeftOut(open);
        }

        // Captures first, then edges that give nothing away, then those that
        // offer one box, then two.
        std::array<std::array<std::uint8_t, kMaxEdges>, 4> byKind;
        std::array<int, 4> kindCount {};
        if (!hintTried && hint != kNoHint && (candidates & edgeBit(hint)) == 0)
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

        // A child whose stored bound already refutes the window ends the node
        // before any search; worth the look-ups only where a search costs more.
        if (lookingAhead) {
            for (std::size_t k = 1; k < 4; ++k) {
                for (int i = 0; i < kindCount[k]; ++i) {
                    const int edge = byKind[k][static_cast<std::size_t>(i)];
                    const EdgeSet next = drawn | edgeBit(edge);
                    const auto child = solver_.find(solver_.tableKey(next).key);
                    if (child && -child->upper >= beta) {
                        if (tabled)
                            solver_.store(key.key, openCount, -child->upper, remaining,
                                solver_.edgeToKey(key, edge));
                        return -child->upper;
                    }
                }
            }
        }
        if (!hintTried && hint != kNoHint)
            cut = tryEdge(hint);
        for (std::size_t k = 0; k < 4 && !cut; ++k) {
            const auto edges = std::span(byKind[k]).first(static_cast<std::size_t>(kindCount[k]));
            const auto& history = scores(openCount);
            auto before = [&](std::uint8_t a, std::uint8_t b) {
                return history[a] != history[b] ? history[a] > history[b] : rank_[a] < rank_[b];
            };
            // Each next edge is picked when it is needed: most nodes cut after
            // one or two.
            auto pick = [&](std::size_t at) {
                std::size_t first = at;
                for (std::size_t j = at + 1; j < edges.size(); ++j) {
                    if (before(edges[j], edges[first]))
                        first = j;
                }
                std::swap(edges[at], edges[first]);
            };
            if (!edges.empty())
                pick(0);
            for (std::size_t i = 0; i < edges.size() && !cut; ++i) {
                if (i + 1 < edges.size()) {
                    pick(i + 1);
                    if (prefetching && k > 0)
                        solver_.prefetch(drawn | edgeBit(edges[i + 1]));
                }
                cut = tryEdge(edges[i]);
            }
        }
    }
    // Ordering by past cut-offs finds a refutation sooner than edge order.
    if (cut && bestEdge != kNoHint) {
        credit(openCount, bestEdge, openCount * openCount);
        for (int i = 0; i < inVainCount; ++i)
            credit(openCount, inVain[static_cast<std::size_t>(i)], -openCount * openCount);
    }

    // The margin of what is left has the parity of the boxes left, so an
    // upper bound of the other parity comes down by one and a lower bound
    // goes up by one: a test that cannot fall between them is never asked.
    if ((best - remaining) % 2 != 0)
        best += best <= windowLow ? -1 : 1;
    if (tabled) {
        auto keyed
            = [&](int edge) { return edge == kNoHint ? kNoHint : solver_.edgeToKey(key, edge); };
        if (best <= windowLow)
            solver_.store(key.key, openCount, kNoLowerBound, best, keyed(hint));
        else if (best >= beta)
            solver_.store(key.key, openCount, best, remaining, keyed(bestEdge));
        else
            solver_.store(key.key, openCount, best, best, keyed(bestEdge));
    }
    return best;
}

// Walks each run of boxes with two sides drawn along its open edges; a run
// is a chain or a loop, since each of its boxes has exactly two open edges,
// and a chain has two edges that lead out of it.
template <typename Visit>
[[gnu::always_inline]] inline void Searcher::forEachRun(EdgeSet drawn, Visit visit) const
{
    for (std::uint32_t rest = twoSided_; rest != 0;) {
        std::uint32_t run = rest & (~rest + 1);
        EdgeSet edges = 0;
        RunEnds ends { kNoEnd, kNoEnd };
        int endCount = 0;
        for (std::uint32_t frontier = run; frontier != 0;) {
            const int box = std::countr_zero(frontier);
            frontier &= frontier - 1;
            const EdgeSet sides = board_.sides(box) & ~drawn;
            edges |= sides;
            for (EdgeSet side = sides; side != 0; side &= side - 1) {
                const int other = board_.beyond(std::countr_zero(side), box);
                const std::uint32_t bit = other < 0 ? 0 : std::uint32_t { 1 } << other;
                if ((twoSided_ & bit) == 0) {
                    ends[static_cast<std::size_t>(endCount++ & 1)] = other < 0 ? kRimEnd : other;
                } else if ((rest & bit & ~run) != 0) {
                    run |= bit;
                    frontier |= bit;
                }
            }
        }
        rest &= ~run;
        visit(run, edges, ends);
    }
}

QUADLO_COUNTS_BITS void Searcher::sortRunEdges(
    EdgeSet drawn, EdgeSet preferred, RunEdges& runs) const
{
    const bool shortcuts = solver_.settings_.shortcuts;
    // Twins are left out only where positions are stored under their own
    // edges: among mirror images the twin kept in one image can be the one
    // left out in another, whose lines the table then does not hold (from
    // the empty 4x4 board, three times the time).
    const bool twinsToo = shortcuts && std::popcount(drawn) > Solver::kSymmetricUpToDrawn;
    // Each run's boxes and ends, for finding its twin, and its edges.
    std::array<std::uint32_t, kMaxBoxes> seen;
    std::array<EdgeSet, kMaxBoxes> seenEdges;
    int seenCount = 0;
    forEachRun(drawn, [&](std::uint32_t run, EdgeSet edges, RunEnds ends) QUADLO_INLINED {
        const int boxes = std::popcount(run);
        if (twinsToo) {
            const auto [low, high] = std::minmax(ends[0], ends[1]);
            const auto twin = static_cast<std::uint32_t>(boxes) << 16
                | static_cast<std::uint32_t>(low - kNoEnd) << 8
                | static_cast<std::uint32_t>(high - kNoEnd);
            const auto last = seen.begin() + seenCount;
            const auto found
                = static_cast<std::size_t>(std::find(seen.begin(), last, twin) - seen.begin());
            if (found == static_cast<std::size_t>(seenCount)) {
                seen[found] = twin;
                seenEdges[found] = edges;
                ++seenCount;
            } else if ((edges & preferred) == 0) {
                runs.leftOut |= edges;
                return;
            } else {
                // The twin with the stored best edge is the one searched: the
                // table holds its lines, not the other's.
                runs.leftOut |= seenEdges[found];
                runs.loony &= ~seenEdges[found];
                seenEdges[found] = edges;
            }
        }
        if (boxes == 2) {
            const EdgeSet middle
                = board_.sides(std::countr_zero(run)) & board_.sides(31 - std::countl_zero(run));
            const EdgeSet ends = edges & ~middle;
            runs.leftOut |= shortcuts ? ends : ends & (ends - 1);
            return;
        }
        runs.leftOut |= edges & (edges - 1);
        // The loony bound above.
        const bool loop = std::popcount(edges) == boxes;
        if (shortcuts && (loop || boxes >= 3)) {
            const int kept = std::countr_zero(edges);
            runs.loony |= edgeBit(kept);
            runs.most[static_cast<std::size_t>(kept)]
                = static_cast<std::int8_t>(-(boxes - (loop ? 4 : 2)));
        }
    });
}

// From the box on three sides, the walk goes on through boxes on two sides
// until the rim or a box with fewer; one with three there means a chain
// opened at both ends, which the chain rule does not cover.
bool Searcher::startsLongChain(int box, int edge, EdgeSet drawn) const
{
    for (int boxes = 1;; ++boxes) {
        const int next = board_.beyond(edge, box);
        if (next < 0 || sidesDrawn_[static_cast<std::size_t>(next)] < 2)
            return boxes >= 3;
        if (sidesDrawn_[static_cast<std::size_t>(next)] != 2)
            return false;
        edge = std::countr_zero(board_.sides(next) & ~drawn & ~edgeBit(edge));
        box = next;
    }
}

// Every box left is on two sides, so every run of them is a whole chain
// (one more edge than boxes) or loop (as many); the value is worked out over
// the mixes of what is left, each kind of component counted.
QUADLO_COUNTS_BITS std::optional<int> Searcher::loonyEndgame(EdgeSet drawn) const
{
    struct Kind {
        int boxes;
        bool loop;
        int count;
    };
    std::array<Kind, kMaxBoxes> kinds;
    int kindCount = 0;
    forEachRun(drawn, [&](std::uint32_t run, EdgeSet edges, RunEnds) QUADLO_INLINED {
        const int boxes = std::popcount(run);
        const bool loop = std::popcount(edges) == boxes;
        auto same = std::find_if(kinds.begin(), kinds.begin() + kindCount,
            [&](const Kind& k) { return k.boxes == boxes && k.loop == loop; });
        if (same == kinds.begin() + kindCount)
            kinds[static_cast<std::size_t>(kindCount++)] = { boxes, loop, 1 };
        else
            ++same->count;
    });
    // A mix is a number in mixed radix, one digit per kind: how many of it
    // are left.
    std::array<int, kMaxBoxes> place {};
    int states = 1;
    for (int k = 0; k < kindCount; ++k) {
        place[static_cast<std::size_t>(k)] = states;
        states *= kinds[static_cast<std::size_t>(k)].count + 1;
        if (states > kMostEndgameStates)
            return std::nullopt;
    }
    // Mixes with fewer components have lower numbers, so one pass upwards
    // values each after everything it leads to.
    std::array<std::int8_t, kMostEndgameStates> value;
    value[0] = 0;
    for (int mix = 1; mix < states; ++mix) {
        int best = -kMaxBoxes;
        for (int k = 0; k < kindCount; ++k) {
            const auto at = static_cast<std::size_t>(k);
            const int left = mix / place[at] % (kinds[at].count + 1);
            if (left == 0)
                continue;
            const int n = kinds[at].boxes;
            const int rest = value[static_cast<std::size_t>(mix - place[at])];
            int other = n + rest;
            if (kinds[at].loop)
                other = std::max(other, n - 8 - rest);
            else if (n >= 3)
                other = std::max(other, n - 4 - rest);
            best = std::max(best, -other);
        }
        value[static_cast<std::size_t>(mix)] = static_cast<std::int8_t>(best);
    }
    return value[static_cast<std::size_t>(states - 1)];
}

// The solver itself: its table, keys and the questions it answers.

Solver::Slot* Solver::allocateTable(std::size_t entries)
{
    const std::size_t bytes = std::max(entries * sizeof(Slot), kHugePage);
    void* memory = std::aligned_alloc(kHugePage, bytes);
    if (memory == nullptr)
        throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    ::madvise(memory, bytes, MADV_HUGEPAGE);
#endif
    auto* table = static_cast<Slot*>(memory);
    std::uninitialized_fill_n(table, entries, Slot { 0 });
    return table;
}

Solver::Solver(const BoxBoard& board, std::uint64_t nodeBudget, SolverSettings settings)
    : board_(board)
    , settings_(settings)
    , budget_(nodeBudget)
    // A table with more buckets than the board has positions would stay
    // empty, and each slot needs room for its fields.
    , tableEntries_(std::size_t { 1 } << std::clamp(static_cast<int>(settings.tableBits),
                        std::max(kBucketBits, board.edgeCount() + kFieldBits - 64 + kBucketBits),
                        board.edgeCount() + kBucketBits))
    , table_(allocateTable(tableEntries_))
    , keptBits_(std::max(0, board.edgeCount() - (std::countr_zero(tableEntries_) - kBucketBits)))
{
    settings_.threads = std::clamp(settings_.threads, 1, 64);
    buildSymmetries();
    buildRimEdges();
    for (int i = 0; i < settings_.threads; ++i)
        searchers_.push_back(std::make_unique<Searcher>(*this, i));
}

Solver::~Solver() = default;

std::unique_ptr<Solver> solverWithin(
    const BoxBoard& board, std::uint64_t nodeBudget, SolverSettings settings)
{
    for (;;) {
        try {
            return std::make_unique<Solver>(board, nodeBudget, settings);
        } catch (const std::bad_alloc&) {
            if (settings.tableBits <= kSmallestTableBits)
                return nullptr;
            settings.tableBits = std::max(settings.tableBits - 1, kSmallestTableBits);
        }
    }
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

void Solver::buildRimEdges()
{
    if (!settings_.shortcuts)
        return;
    for (int box = 0; box < board_.boxCount(); ++box) {
        EdgeSet rim = 0;
        for (EdgeSet rest = board_.sides(box); rest != 0; rest &= rest - 1) {
            const int edge = std::countr_zero(rest);
            if (board_.beyond(edge, box) < 0)
                rim |= edgeBit(edge);
        }
        if (std::popcount(rim) >= 2)
            rimEdges_.push_back(rim);
    }
}

EdgeSet Solver::rimEdgesLeftOut(EdgeSet open) const
{
    EdgeSet skipped = 0;
    for (const EdgeSet rim : rimEdges_) {
        const EdgeSet left = rim & open;
        skipped |= left & (left - 1);
    }
    return skipped;
}

EdgeSet Solver::image(int symmetry, EdgeSet edges) const
{
    const auto& bytes = byteImage_[static_cast<std::size_t>(symmetry)];
    EdgeSet mapped = 0;
    for (std::size_t at = 0; at < 8; ++at)
        mapped |= bytes[at][static_cast<std::size_t>(edges >> (8 * at) & 0xFF)];
    return mapped;
}

int Solver::edgeToKey(const TableKey& key, int edge) const
{
    return edgeImage_[static_cast<std::size_t>(key.symmetry)][static_cast<std::size_t>(edge)];
}

// A rim edge open in the stored position may be drawn in this one, whose
// same box then has another rim edge open that plays the same.
int Solver::edgeFromKey(const TableKey& key, int stored, EdgeSet drawn) const
{
    if (stored == kNoHint)
        return kNoHint;
    const int edge
        = edgePreimage_[static_cast<std::size_t>(key.symmetry)][static_cast<std::size_t>(stored)];
    if ((drawn & edgeBit(edge)) == 0)
        return edge;
    for (const EdgeSet rim : rimEdges_) {
        if (rim & edgeBit(edge)) {
            const EdgeSet open = rim & ~drawn;
            return open == 0 ? kNoHint : std::countr_zero(open);
        }
    }
    return kNoHint;
}

void Solver::FreeTable::operator()(Slot* table) const { std::free(table); }

void Solver::clear()
{
    std::fill_n(table_.get(), tableEntries_, Slot { 0 });
    for (auto& searcher : searchers_)
        searcher->forget();
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
    return &table_.get()[(mixed >> keptBits_) * kBucketSlots];
}

void Solver::prefetch(EdgeSet key) const { __builtin_prefetch(bucket(mix(tableKey(key).key))); }

std::optional<Solver::Entry> Solver::find(EdgeSet key) const
{
    const EdgeSet mixed = mix(key);
    const EdgeSet keptMask = (EdgeSet { 1 } << keptBits_) - 1;
    const Slot* slots = bucket(mixed);
    for (int i = 0; i < kBucketSlots; ++i) {
        const Slot slot = load(slots[i]);
        if (slot != 0 && (slot & keptMask) == (mixed & keptMask))
            return Entry { static_cast<int>(slot >> kLowerAt & 63) - 32,
                static_cast<int>(slot >> kUpperAt & 63) - 32,
                static_cast<int>(slot >> kBestAt & 63) - 1 };
    }
    return std::nullopt;
}

// A position already in the bucket has its bounds narrowed; a new one takes
// an empty slot, or else one of those with the fewest open edges, which cost
// least to find again, chosen by the key so that none of them stays for
// ever. Each slot is one word written whole, so a thread reads a slot as
// some thread wrote it, and every bound in it is proven; two threads storing
// at once may lose one of the entries, never mix them.
void Solver::store(EdgeSet key, int open, int lower, int upper, int best)
{
    const EdgeSet mixed = mix(key);
    const EdgeSet keptMask = (EdgeSet { 1 } << keptBits_) - 1;
    Slot* slots = bucket(mixed);
    const std::uint64_t depth = depthClass(open);
    Slot* slot = nullptr;
    Slot old = 0;
    Slot* victim = nullptr;
    std::uint64_t victimDepth = 5;
    const auto start = static_cast<int>(mixed & (kBucketSlots - 1));
    for (int n = 0; n < kBucketSlots; ++n) {
        Slot* at = &slots[(start + n) & (kBucketSlots - 1)];
        const Slot word = load(*at);
        if (word != 0 && (word & keptMask) == (mixed & keptMask)) {
            slot = at;
            old = word;
            break;
        }
        const std::uint64_t held = word == 0 ? 0 : (word >> kDepthAt) + 1;
        if (held < victimDepth) {
            victim = at;
            victimDepth = held;
        }
    }
    if (slot != nullptr) {
        // An edge that failed low is no better than the others tried.
        if (lower == kNoLowerBound)
            best = static_cast<int>(old >> kBestAt & 63) - 1;
        lower = std::max(lower, static_cast<int>(old >> kLowerAt & 63) - 32);
        upper = std::min(upper, static_cast<int>(old >> kUpperAt & 63) - 32);
    } else {
        slot = victim;
    }
    save(*slot,
        (mixed & keptMask) | static_cast<Slot>(lower + 32) << kLowerAt
            | static_cast<Slot>(upper + 32) << kUpperAt
            | static_cast<Slot>(best + 1 > 63 ? 0 : best + 1) << kBestAt | depth << kDepthAt);
}

std::optional<int> Solver::test(EdgeSet drawn, int beta)
{
    const int threads
        = std::popcount(board_.allEdges() & ~drawn) >= kThreadsFromOpen ? settings_.threads : 1;
    std::atomic<bool> over { false };
    std::mutex answering;
    std::optional<int> answer;
    auto run = [&](Searcher& searcher) {
        searcher.over = &over;
        try {
            const int v = searcher.test(drawn, beta);
            const std::lock_guard lock(answering);
            if (!answer)
                answer = v;
        } catch (const Stopped&) {
            searcher.flush();
        }
        over = true;
    };
    std::vector<std::thread> helpers;
    for (int i = 1; i < threads; ++i) {
        // With no memory for another thread's stack, fewer threads search;
        // the answer is the same.
        try {
            helpers.emplace_back(run, std::ref(*searchers_[static_cast<std::size_t>(i)]));
        } catch (const std::system_error&) {
            break;
        }
    }
    run(*searchers_[0]);
    for (auto& helper : helpers)
        helper.join();
    nodes_ = spent_.load();
    return answer;
}

std::optional<int> Solver::exact(EdgeSet drawn, int lower, int upper, int guess)
{
    while (lower < upper) {
        const int beta = std::clamp(guess, lower + 1, upper);
        const auto v = test(drawn, beta);
        if (!v)
            return std::nullopt;
        if (*v < beta)
            upper = *v;
        else
            lower = *v;
        guess = *v;
    }
    return lower;
}

std::optional<bool> Solver::reaches(EdgeSet drawn, int edge, int bound)
{
    const int taken = board_.completes(drawn, edge);
    const EdgeSet next = drawn | edgeBit(edge);
    if (taken > 0) {
        const auto v = test(next, bound - taken);
        return v ? std::optional(*v >= bound - taken) : std::nullopt;
    }
    const auto v = test(next, 1 - bound);
    return v ? std::optional(*v < 1 - bound) : std::nullopt;
}

std::optional<int> Solver::storedBest(EdgeSet drawn) const
{
    if (std::popcount(board_.allEdges() & ~drawn) < kTableFromOpen)
        return std::nullopt;
    const TableKey key = tableKey(drawn);
    const auto entry = find(key.key);
    if (!entry)
        return std::nullopt;
    const int edge = edgeFromKey(key, entry->best, drawn);
    if (edge == kNoHint || (drawn & edgeBit(edge)) != 0)
        return std::nullopt;
    return edge;
}

// Each public question starts its node count afresh and ages the order of
// past cut-offs.
void Solver::startCall()
{
    spent_ = 0;
    for (auto& searcher : searchers_) {
        searcher->startCall();
        searcher->age();
    }
}

std::optional<int> Solver::value(EdgeSet drawn)
{
    startCall();
    const int remaining = board_.boxCount() - board_.completedBoxes(drawn);
    return exact(drawn, -remaining, remaining, 0);
}

std::optional<std::vector<EdgeValue>> Solver::edgeValues(EdgeSet drawn)
{
    startCall();
    std::vector<EdgeValue> values;
    for (EdgeSet rest = board_.allEdges() & ~drawn; rest != 0; rest &= rest - 1) {
        const int edge = std::countr_zero(rest);
        const int taken = board_.completes(drawn, edge);
        const EdgeSet next = drawn | edgeBit(edge);
        const int remaining = board_.boxCount() - board_.completedBoxes(next);
        const auto v = exact(next, -remaining, remaining, 0);
        if (!v)
            return std::nullopt;
        values.push_back({ edge, taken > 0 ? taken + *v : -*v });
    }
    std::stable_sort(values.begin(), values.end(),
        [](const EdgeValue& x, const EdgeValue& y) { return x.value > y.value; });
    return values;
}

std::optional<EdgeValue> Solver::bestEdge(EdgeSet drawn)
{
    startCall();
    const int remaining = board_.boxCount() - board_.completedBoxes(drawn);
    const auto v = exact(drawn, -remaining, remaining, 0);
    if (!v)
        return std::nullopt;
    // The edge that raised the root's lower bound to the value reaches it;
    // the others are tried only if the table lost the root or captures
    // came first.
    const EdgeSet open = board_.allEdges() & ~drawn;
    const auto hint = storedBest(drawn);
    if (hint) {
        const auto reached = reaches(drawn, *hint, *v);
        if (!reached)
            return std::nullopt;
        if (*reached)
            return EdgeValue { *hint, *v };
    }
    for (EdgeSet rest = open; rest != 0; rest &= rest - 1) {
        const int edge = std::countr_zero(rest);
        const auto reached = reaches(drawn, edge, *v);
        if (!reached)
            return std::nullopt;
        if (*reached)
            return EdgeValue { edge, *v };
    }
    return std::nullopt;
}

// The tests that settle who wins come first, since that is what a player
// wants to know soonest; the rest closes in on the value as `exact` does.
Verdict Solver::judge(EdgeSet drawn, int score, const std::function<void(const Verdict&)>& progress)
{
    startCall();
    const int remaining = board_.boxCount() - board_.completedBoxes(drawn);
    Verdict verdict { { -remaining, remaining }, std::nullopt };
    // Finds an edge that keeps a lower bound just proven: the stored best
    // edge first, then the captures, then the rest.
    auto keeper = [&](int bound) -> bool {
        const EdgeSet open = board_.allEdges() & ~drawn;
        EdgeSet captures = 0;
        for (EdgeSet rest = open; rest != 0; rest &= rest - 1) {
            if (board_.completes(drawn, std::countr_zero(rest)) > 0)
                captures |= rest & (~rest + 1);
        }
        std::vector<int> order;
        if (const auto hint = storedBest(drawn))
            order.push_back(*hint);
        for (EdgeSet rest = captures; rest != 0; rest &= rest - 1)
            order.push_back(std::countr_zero(rest));
        for (EdgeSet rest = open & ~captures; rest != 0; rest &= rest - 1)
            order.push_back(std::countr_zero(rest));
        for (const int edge : order) {
            const auto reached = reaches(drawn, edge, bound);
            if (!reached)
                return false;
            if (*reached) {
                verdict.edge = edge;
                return true;
            }
        }
        return true;
    };
    // One null-window test, its bound added to the verdict; none if it gave
    // up.
    auto prove = [&](int beta) -> std::optional<int> {
        const auto v = test(drawn, beta);
        if (!v)
            return std::nullopt;
        if (*v >= beta) {
            // The last edge kept the last bound, not necessarily this one.
            verdict.bounds.lower = *v;
            verdict.edge.reset();
            if (!keeper(*v))
                return std::nullopt;
        } else {
            verdict.bounds.upper = *v;
        }
        if (progress)
            progress(verdict);
        return v;
    };
    // The final margin is score + value: a win from 1 - score up, a tie at
    // -score.
    int guess = 0;
    for (const int beta : { 1 - score, -score }) {
        if (beta <= verdict.bounds.lower || beta > verdict.bounds.upper)
            continue;
        const auto v = prove(beta);
        if (!v)
            return verdict;
        guess = *v;
    }
    while (!verdict.bounds.exact()) {
        const auto v = prove(std::clamp(guess, verdict.bounds.lower + 1, verdict.bounds.upper));
        if (!v)
            return verdict;
        guess = *v;
    }
    return verdict;
}

} // namespace quadlo::analysis
