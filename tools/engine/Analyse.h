// SPDX-License-Identifier: GPL-3.0-or-later
// quadlo-engine analyse: plays a replay script and prints the exact value of
// the position it reaches, for the player to move, and every open edge's
// value, best first:
//
//   value <V>
//   <v|h> <index> <value>     one line an open edge, named as click names it
//
// A finished game has value 0 and no edge lines. When the solver runs out of
// budget it prints one line saying so instead, and the command exits with
// kSolverGaveUp.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "board/Board.h"

namespace quadlo::engine {

// An edge as the click command names it: "v 7", "h 12".
std::string clickName(Edge edge);

int runAnalyse(std::istream& script, std::ostream& out, std::ostream& err, std::uint64_t budget);

} // namespace quadlo::engine
