// SPDX-License-Identifier: GPL-3.0-or-later
// The script plays silently; only the analysis is printed.
#include "engine/Analyse.h"

#include <ostream>

#include "analysis/BoardAdapter.h"
#include "analysis/Solver.h"
#include "engine/AnalysisOptions.h"
#include "engine/Replay.h"

namespace quadlo::engine {

std::string clickName(Edge edge)
{
    return std::string(edge.family == Vertical ? "v " : "h ") + std::to_string(edge.index);
}

int runAnalyse(std::istream& script, std::ostream& out, std::ostream& err, std::uint64_t budget)
{
    ReplaySession session;
    const int status
        = runScript(script, session, out, err, [](ReplaySession& s, const Command& command) {
              s.run(command);
              return true;
          });
    if (status != kReplayOk)
        return status;

    analysis::Solver solver(analysis::gameBoxBoard(), budget);
    const auto values = solver.edgeValues(analysis::drawnEdges(session.board()));
    if (!values) {
        out << "gave up: the position needs more than " << budget << " nodes\n";
        return kSolverGaveUp;
    }
    out << "value " << (values->empty() ? 0 : values->front().value) << '\n';
    for (const analysis::EdgeValue& v : *values)
        out << clickName(analysis::gameEdge(v.edge)) << ' ' << v.value << '\n';
    return kReplayOk;
}

} // namespace quadlo::engine
