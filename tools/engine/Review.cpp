// SPDX-License-Identifier: GPL-3.0-or-later
// The human is to move whenever the replay reaches a click, since every
// handler runs the computer's whole answer before it returns; so the
// solver's value at a click is the human's. The moves are judged once the
// whole script has run, since an undo further on can still take a move back,
// and in the order they were played, as the window's review judges them.
#include "engine/Review.h"

#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "analysis/BoardAdapter.h"
#include "analysis/MoveReview.h"
#include "analysis/Solver.h"
#include "engine/Replay.h"

namespace quadlo::engine {

namespace {

// A human move of the game: where it was played, and its edge.
struct Move {
    analysis::EdgeSet before;
    Edge edge;
};

} // namespace

int runReview(std::istream& script, std::ostream& out, std::ostream& err, std::uint64_t budget)
{
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
                  moves.push_back({ before, click->edge });
              return true;
          });
    if (status != kReplayOk)
        return status;
    const auto solver = analysis::makeReviewSolver(budget);
    std::vector<analysis::MoveJudgement> judged;
    for (const Move& move : moves)
        judged.push_back(
            analysis::judgeMove(*solver, move.before, analysis::solverEdge(move.edge)));
    const auto name = [&](std::size_t k) {
        return "move " + std::to_string(k + 1) + ' ' + clickName(moves[k].edge);
    };
    int decided = 0;
    for (std::size_t k = 0; k < moves.size(); ++k) {
        if (!judged[k].lost)
            continue;
        ++decided;
        out << name(k) << " lost " << *judged[k].lost << '\n';
    }
    const std::optional<std::size_t> turning = analysis::turningPoint(judged);
    out << "turning point: " << (turning ? name(*turning) : "none") << '\n';
    out << "decided " << decided << " of " << moves.size() << " human moves\n";
    return kReplayOk;
}

} // namespace quadlo::engine
