// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's values are margins, in which each box counts twice: one fewer
// for the mover is one more for the other. So the boxes a move gives away are
// half the margin it loses, and halving is exact: with R boxes still to take,
// a margin of the position is the mover's boxes m minus the other's R - m,
// that is 2m - R, whatever edge is drawn (drawing one that takes t boxes
// leaves the mover a margin 2m' - (R - t) on the rest, t + 2m' - (R - t) in
// all), so two margins of one position differ by an even number.
#include "analysis/MoveReview.h"

#include "analysis/BoardAdapter.h"
#include "analysis/Solver.h"

namespace quadlo::analysis {

std::unique_ptr<Solver> makeReviewSolver(std::uint64_t budget)
{
    return std::make_unique<Solver>(gameBoxBoard(), budget);
}

MoveJudgement judgeMove(Solver& solver, EdgeSet drawn, int edge)
{
    MoveJudgement judgement;
    judgement.best = solver.value(drawn);
    judgement.taken = solver.board().completes(drawn, edge);
    judgement.after = solver.value(drawn | edgeBit(edge));
    if (judgement.best && judgement.after) {
        const int reached
            = judgement.taken > 0 ? judgement.taken + *judgement.after : -*judgement.after;
        judgement.lost = squaresLost(*judgement.best, reached);
    }
    return judgement;
}

std::optional<std::size_t> turningPoint(const std::vector<MoveJudgement>& moves)
{
    for (std::size_t k = 0; k < moves.size(); ++k) {
        if (moves[k].lost && *moves[k].lost > 0)
            return k;
    }
    return std::nullopt;
}

} // namespace quadlo::analysis
