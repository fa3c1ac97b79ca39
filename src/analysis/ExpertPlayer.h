// SPDX-License-Identifier: GPL-3.0-or-later
// The expert: perfect play as soon as the exact solver can settle the
// position within its budget, and until then safe play, which never hands
// the opponent a square:
//   - a square that can be taken is taken: provably right when taking it
//     opens no further square (the solver's capture rule), and in a chain
//     the usual choice, declining being worth while only near the end, by
//     which time the solver has taken over;
//   - otherwise an edge that gives no square its third side, at random;
//   - with no such edge left (and the position still too big), the edge
//     after which the opponent can take the fewest squares.
// It plays the human's seat in the engine's self-play and the computer's
// seat in the window and in quadlo-engine's replays; each keeps one expert,
// and so one solver table, for many moves. Each move searches from an empty
// table on one thread, so that its choice depends on the position and the
// random generator alone: the window's game, replayed by quadlo-engine, gets
// the same edges whatever the window searched before.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <span>

#include "analysis/BoxBoard.h"
#include "analysis/Solver.h"
#include "board/Board.h"
#include "game/Game.h"

namespace quadlo::analysis {

// The solver is tried from this many open edges down, with this many nodes
// a move: well under a second on one core of the machine measured.
inline constexpr int kExpertSolvesFrom = 38;
inline constexpr std::uint64_t kExpertNodeBudget = 1'500'000;

class ExpertPlayer {
public:
    ExpertPlayer();

    // The edge to click, or none when no edge is open.
    std::optional<Edge> choose(const Board& board, std::mt19937& random);
    // The same, its random choice made by a generator seeded with `seed` and
    // the position, so that a position that comes back (after Take Back,
    // say) gets the same safe play for the same seed.
    std::optional<Edge> choose(const Board& board, std::uint32_t seed);
    // A flag another thread may raise to end a choice under way early; the
    // edge it then gives is not the expert's. Null for none.
    void setStopFlag(const std::atomic<bool>* stop);

private:
    std::optional<int> chooseEdge(EdgeSet drawn, std::mt19937& random);

    // With memory short, a smaller table (solverWithin); with none to be
    // had, none, and the expert plays safe to the end.
    std::unique_ptr<Solver> solver_;
};

// Plays the expert's edges for as long as `game` awaits the computer's: the
// `recorded` ones first, as a saved game gives them, while the game accepts
// them, then each chosen with `seed`, the seed of the game under way, as the
// window does.
void playExpertEdges(
    Game& game, ExpertPlayer& expert, std::uint32_t seed, std::span<const Edge> recorded = {});

} // namespace quadlo::analysis
