// SPDX-License-Identifier: GPL-3.0-or-later
// The human is to move whenever the replay reaches a click, since every
// handler runs the computer's whole answer before it returns; so the
// solver's value at a click is the human's.
#include "engine/Review.h"

#include <optional>
#include <ostream>
#include <string>
#include <variant>

#include "analysis/BoardAdapter.h"
#include "analysis/Solver.h"
#include "engine/Replay.h"

namespace quadlo::engine {

namespace {

// The squares `edge` loses against the best edge, if the solver settles both.
std::optional<int> squaresLost(analysis::Solver& solver, analysis::EdgeSet drawn, int edge)
{
    const std::optional<int> best = solver.value(drawn);
    if (!best)
        return std::nullopt;
    const int taken = solver.board().completes(drawn, edge);
    const std::optional<int> after = solver.value(drawn | analysis::edgeBit(edge));
    if (!after)
        return std::nullopt;
    return *best - (taken > 0 ? taken + *after : -*after);
}

} // namespace

int runReview(std::istream& script, std::ostream& out, std::ostream& err, std::uint64_t budget)
{
    analysis::Solver solver(analysis::gameBoxBoard(), budget);
    int moves = 0;
    int decided = 0;
    std::string turningPoint;
    ReplaySession session;
    const int status
        = runScript(script, session, out, err, [&](ReplaySession& s, const Command& command) {
              const auto* click = std::get_if<ClickCommand>(&command);
              const bool playable = click && !s.board().gameOver && s.board().isOpen(click->edge);
              const std::optional<int> lost = playable
                  ? squaresLost(
                      solver, analysis::drawnEdges(s.board()), analysis::solverEdge(click->edge))
                  : std::nullopt;
              s.run(command);
              // A click the game ignored (no level chosen yet) is no move.
              if (!playable || s.board().edge(click->edge).tag != Mark::h)
                  return true;
              ++moves;
              if (lost) {
                  ++decided;
                  const std::string move
                      = "move " + std::to_string(moves) + ' ' + clickName(click->edge);
                  out << move << " lost " << *lost << '\n';
                  if (*lost > 0 && turningPoint.empty())
                      turningPoint = move;
              }
              return static_cast<bool>(out);
          });
    if (status != kReplayOk)
        return status;
    out << "turning point: " << (turningPoint.empty() ? "none" : turningPoint) << '\n';
    out << "decided " << decided << " of " << moves << " human moves\n";
    return kReplayOk;
}

} // namespace quadlo::engine
