// SPDX-License-Identifier: GPL-3.0-or-later
// quadlo-engine review FILE: plays a whole game's replay script and judges
// the human's moves. For each human click that draws an edge in a position
// the solver can settle within the budget (per position), one line gives the
// squares that edge gave away against the best edge: L squares fewer for the
// human at the end of best play, and as many more for the computer (the
// final margin is 2L worse):
//
//   move <K> <v|h> <index> lost <L>     K counts the human's edges from 1
//
// A move taken back by an undo is neither judged nor counted: the next move
// takes its number. Then
//
//   turning point: move <K> <v|h> <index>   (or: turning point: none)
//   decided <D> of <N> human moves
//
// The turning point is the first decided move that lost anything: the first
// move after which best play promised the human less than before it.
#pragma once

#include <cstdint>
#include <iosfwd>

namespace quadlo::engine {

int runReview(std::istream& script, std::ostream& out, std::ostream& err, std::uint64_t budget);

} // namespace quadlo::engine
