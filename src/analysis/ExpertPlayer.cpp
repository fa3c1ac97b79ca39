// SPDX-License-Identifier: GPL-3.0-or-later
// The expert works on the solver's view of the board, through the adapter;
// the solver's table is made once and emptied before each move's search.
#include "analysis/ExpertPlayer.h"

#include <bit>
#include <vector>

#include "analysis/BoardAdapter.h"

namespace quadlo::analysis {

namespace {

std::vector<int> openEdgesOf(const BoxBoard& board, EdgeSet drawn)
{
    std::vector<int> open;
    for (EdgeSet rest = board.allEdges() & ~drawn; rest != 0; rest &= rest - 1)
        open.push_back(std::countr_zero(rest));
    return open;
}

// The squares a greedy opponent takes after `drawn`, drawing every last side
// it can.
int squaresHandedOver(const BoxBoard& board, EdgeSet drawn)
{
    int taken = 0;
    for (bool again = true; again;) {
        again = false;
        for (int edge : openEdgesOf(board, drawn)) {
            if (const int n = board.completes(drawn, edge); n > 0) {
                taken += n;
                drawn |= edgeBit(edge);
                again = true;
            }
        }
    }
    return taken;
}

int pick(const std::vector<int>& edges, std::mt19937& random)
{
    std::uniform_int_distribution<std::size_t> slot(0, edges.size() - 1);
    return edges[slot(random)];
}

int safeEdge(const BoxBoard& board, EdgeSet drawn, std::mt19937& random)
{
    const std::vector<int> open = openEdgesOf(board, drawn);
    std::vector<int> taking;
    std::vector<int> safe;
    for (int edge : open) {
        if (board.completes(drawn, edge) > 0)
            taking.push_back(edge);
        else if (board.givesNoThirdSide(drawn, edge))
            safe.push_back(edge);
    }
    if (!taking.empty())
        return taking.front();
    if (!safe.empty())
        return pick(safe, random);
    std::vector<int> fewest;
    int least = board.boxCount() + 1;
    for (int edge : open) {
        const int handed = squaresHandedOver(board, drawn | edgeBit(edge));
        if (handed < least) {
            least = handed;
            fewest.clear();
        }
        if (handed == least)
            fewest.push_back(edge);
    }
    return pick(fewest, random);
}

} // namespace

ExpertPlayer::ExpertPlayer()
    : solver_(solverWithin(gameBoxBoard(), kExpertNodeBudget, {}))
{
}

void ExpertPlayer::setStopFlag(const std::atomic<bool>* stop)
{
    if (solver_)
        solver_->setStopFlag(stop);
}

std::optional<int> ExpertPlayer::chooseEdge(EdgeSet drawn, std::mt19937& random)
{
    const BoxBoard& boxes = gameBoxBoard();
    const int open = std::popcount(boxes.allEdges() & ~drawn);
    if (open == 0)
        return std::nullopt;
    if (open <= kExpertSolvesFrom && solver_) {
        // What earlier moves left in the table would change what the budget
        // reaches, and so the choice.
        solver_->clear();
        if (const auto best = solver_->bestEdge(drawn))
            return best->edge;
    }
    return safeEdge(boxes, drawn, random);
}

std::optional<Edge> ExpertPlayer::choose(const Board& board, std::mt19937& random)
{
    if (const auto edge = chooseEdge(drawnEdges(board), random))
        return gameEdge(*edge);
    return std::nullopt;
}

std::optional<Edge> ExpertPlayer::choose(const Board& board, std::uint32_t seed)
{
    const EdgeSet drawn = drawnEdges(board);
    std::seed_seq position { seed, static_cast<std::uint32_t>(drawn),
        static_cast<std::uint32_t>(drawn >> 32) };
    std::mt19937 random(position);
    return choose(board, random);
}

void playExpertEdges(
    Game& game, ExpertPlayer& expert, std::uint32_t seed, std::span<const Edge> recorded)
{
    for (const Edge& edge : recorded) {
        if (!game.awaitsComputerEdge() || !game.board().isOpen(edge))
            break;
        game.playComputerEdge(edge);
    }
    while (game.awaitsComputerEdge()) {
        const std::optional<Edge> edge = expert.choose(game.board(), seed);
        if (!edge)
            return;
        game.playComputerEdge(*edge);
    }
}

} // namespace quadlo::analysis
