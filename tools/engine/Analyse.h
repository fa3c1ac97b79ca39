// SPDX-License-Identifier: GPL-3.0-or-later
// quadlo-engine analyse: plays a replay script and prints the exact value of
// the position it reaches, for the player to move, and every open edge's
// value, best first:
//
//   value <V>
//   <v|h> <index> <value>     one line an open edge, named as click names it
//
// A finished game has value 0 and no edge lines. When the budget does not
// reach every edge's value, it prints what it proved instead, then one line
// saying that it gave up, and the command exits with kSolverGaveUp:
//
//   value <V> | bounds <L> <U>   the value, or L <= value <= U
//   outcome win|tie|loss         when settled: the end of the game for the
//                                player to move, the squares already taken
//                                counted
//   best <v|h> <index>           an edge that keeps the value or L, when one
//                                is proven
//   gave up: ...
#pragma once

#include <cstdint>
#include <iosfwd>

#include "engine/AnalysisOptions.h"

namespace quadlo::engine {

int runAnalyse(
    std::istream& script, std::ostream& out, std::ostream& err, const AnalysisArguments& arguments);

} // namespace quadlo::engine
