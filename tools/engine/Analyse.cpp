// SPDX-License-Identifier: GPL-3.0-or-later
// The script plays silently; only the analysis is printed. The position is
// judged first, which settles who wins soonest, and every edge's value is
// asked for only once the position's value is known.
#include "engine/Analyse.h"

#include <bit>
#include <ostream>

#include "analysis/BoardAdapter.h"
#include "analysis/Solver.h"
#include "engine/Replay.h"

namespace quadlo::engine {

int runAnalyse(
    std::istream& script, std::ostream& out, std::ostream& err, const AnalysisArguments& arguments)
{
    ReplaySession session;
    const int status
        = runScript(script, session, out, err, [](ReplaySession& s, const Command& command) {
              s.run(command);
              return true;
          });
    if (status != kReplayOk)
        return status;

    const Board& board = session.board();
    const analysis::EdgeSet drawn = analysis::drawnEdges(board);
    analysis::Solver solver(analysis::gameBoxBoard(), arguments.budget,
        { analysis::tableBitsFor(analysis::gameBoxBoard().edgeCount() - std::popcount(drawn)),
            arguments.threads, true });
    const int humanLead = board.humanScore - board.computerScore;
    const int score = session.humanToMove() ? humanLead : -humanLead;
    const analysis::Verdict verdict = solver.judge(drawn, score);
    const auto values = verdict.bounds.exact() ? solver.edgeValues(drawn) : std::nullopt;
    if (values) {
        out << "value " << verdict.bounds.lower << '\n';
        for (const analysis::EdgeValue& v : *values)
            out << clickName(analysis::gameEdge(v.edge)) << ' ' << v.value << '\n';
        return kReplayOk;
    }
    if (verdict.bounds.exact())
        out << "value " << verdict.bounds.lower << '\n';
    else
        out << "bounds " << verdict.bounds.lower << ' ' << verdict.bounds.upper << '\n';
    if (const auto outcome = analysis::settledOutcome(verdict, score))
        out << "outcome " << (*outcome > 0 ? "win" : *outcome < 0 ? "loss" : "tie") << '\n';
    if (verdict.edge)
        out << "best " << clickName(analysis::gameEdge(*verdict.edge)) << '\n';
    out << "gave up: the position needs more than " << arguments.budget << " nodes\n";
    return kSolverGaveUp;
}

} // namespace quadlo::engine
