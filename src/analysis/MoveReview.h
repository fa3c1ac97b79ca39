// SPDX-License-Identifier: GPL-3.0-or-later
// A player's moves judged against best play, one position after another on
// one solver: what quadlo-engine review prints and what the window's review
// shows, so that a game gives the same verdicts in both. Each position gets
// the same node budget, and the moves are judged in the order they were
// played, so the table carries the same positions from one to the next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "analysis/BoxBoard.h"

namespace quadlo::analysis {

class Solver;

// The nodes the solver may search for each position of a review: a game has
// many, so each gets a tenth of a single analysis.
inline constexpr std::uint64_t kReviewBudget = 5'000'000;

// What the solver settled of one move. Margins are the mover's boxes minus
// the other player's on the boxes still to take, with best play by both.
struct MoveJudgement {
    // The mover's margin before the move.
    std::optional<int> best;
    // The boxes the move gave away against the best edge: the mover ends
    // with that many fewer, and the other player with as many more.
    std::optional<int> lost;
    // The boxes the move took itself.
    int taken = 0;
    // The margin after the move of the player to move next: the same mover
    // if it took a box, else the other player.
    std::optional<int> after;
};

// The squares fewer that a player ends with who reaches the margin `reached`
// where `best` was to be had: half the difference, exactly (see the source).
constexpr int squaresLost(int best, int reached) { return (best - reached) / 2; }

// The solver that judges a game's moves: the game's boxes, each position
// with `budget` nodes, on one thread with the smallest table.
std::unique_ptr<Solver> makeReviewSolver(std::uint64_t budget = kReviewBudget);

// Judges drawing `edge` where `drawn` are drawn.
MoveJudgement judgeMove(Solver& solver, EdgeSet drawn, int edge);

// The turning point of a game: the first judged move that gave boxes away,
// the first after which best play promised its player less than before.
std::optional<std::size_t> turningPoint(const std::vector<MoveJudgement>& moves);

} // namespace quadlo::analysis
