// SPDX-License-Identifier: GPL-3.0-or-later
// The human is to move whenever the replay reaches a click, since every
// handler runs the computer's whole answer before it returns; so the
// solver's value at a click is the human's. The lines are printed once the
// whole script has run, since an undo further on can still take a move back.
#include "engine/Review.h"

#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "analysis/BoardAdapter.h"
#include "analysis/Solver.h"
#include "engine/Replay.h"

namespace quadlo::engine {

namespace {

// The squares `edge` gives away against the best edge, if the solver settles
// both. The solver's values are margins, in which each square counts twice:
// one fewer for the mover is one more for the other. Halving is exact: with R
// squares still to take, a margin of the position is the mover's squares m
// minus the other's R - m, that is 2m - R, whatever edge is drawn (drawing one
// that takes t squares leaves the mover a margin 2m' - (R - t) on the rest,
// t + 2m' - (R - t) in all), so two margins of one position differ by an
// even number.
std::optional<int> squaresLost(analysis::Solver& solver, analysis::EdgeSet drawn, int edge)
{
    const std::optional<int> best = solver.value(drawn);
    if (!best)
        return std::nullopt;
    const int taken = solver.board().completes(drawn, edge);
    const std::optional<int> after = solver.value(drawn | analysis::edgeBit(edge));
    if (!after)
        return std::nullopt;
    return (*best - (taken > 0 ? taken + *after : -*after)) / 2;
}

// A human move of the game, and what it gave away if the solver settled it.
struct Move {
    Edge edge;
    std::optional<int> lost;
};

} // namespace

int runReview(std::istream& script, std::ostream& out, std::ostream& err, std::uint64_t budget)
{
    analysis::Solver solver(analysis::gameBoxBoard(), budget);
    std::vector<Move> moves;
    ReplaySession session;
    const int status
        = runScript(script, session, out, err, [&](ReplaySession& s, const Command& command) {
              const auto* click = std::get_if<ClickCommand>(&command);
              if (!click) {
                  // Take Back undoes the human's last move, which then counts
                  // as never played.
                  if (std::holds_alternative<UndoCommand>(command) && s.canTakeBack())
                      moves.pop_back();
                  s.run(command);
                  return true;
              }
              const analysis::EdgeSet before = analysis::drawnEdges(s.board());
              const bool open = s.board().isOpen(click->edge);
              s.run(command);
              // Only a click that drew its edge for the human is a move (one
              // with the computer to move only lets it move); these are
              // exactly what Take Back can undo.
              if (open && s.board().edge(click->edge).tag == Mark::h)
                  moves.push_back({ click->edge,
                      squaresLost(solver, before, analysis::solverEdge(click->edge)) });
              return true;
          });
    if (status != kReplayOk)
        return status;
    int decided = 0;
    std::string turningPoint;
    for (std::size_t k = 0; k < moves.size(); ++k) {
        if (!moves[k].lost)
            continue;
        ++decided;
        const std::string move = "move " + std::to_string(k + 1) + ' ' + clickName(moves[k].edge);
        out << move << " lost " << *moves[k].lost << '\n';
        if (*moves[k].lost > 0 && turningPoint.empty())
            turningPoint = move;
    }
    out << "turning point: " << (turningPoint.empty() ? "none" : turningPoint) << '\n';
    out << "decided " << decided << " of " << moves.size() << " human moves\n";
    return kReplayOk;
}

} // namespace quadlo::engine
