// SPDX-License-Identifier: GPL-3.0-or-later
// quadlo-engine solve --boxes WxH [--table MIB]: the exact value of the
// empty board of W boxes across and H down, for the first player, the time
// it took and the size of the table it searched with:
//
//   value <V>
//   time <seconds> s
//   table <size> MiB|KiB
//
// The table is the largest power of two within --table's MiB that memory can
// be had for; without it, the one a question of as many open edges gets.
// Boards of more than 64 edges are refused; when the solver runs out of
// budget, or memory has not even the smallest table, it prints one line
// saying so instead and the command exits with kSolverGaveUp.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/AnalysisOptions.h"

namespace quadlo::engine {

struct BoxesSize {
    int columns;
    int rows;
};

// "WxH" with W and H whole numbers; the message says what is wrong.
std::variant<BoxesSize, CommandLineError> parseBoxes(std::string_view text);

// Returns the exit status; a bad --boxes is a usage error left to the caller
// to report (the message comes back in `error`).
int runSolve(const AnalysisArguments& arguments, std::ostream& out, std::string& error);

} // namespace quadlo::engine
