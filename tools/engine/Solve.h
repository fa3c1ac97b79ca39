// SPDX-License-Identifier: GPL-3.0-or-later
// quadlo-engine solve --boxes WxH: the exact value of the empty board of W
// boxes across and H down, for the first player, and the time it took:
//
//   value <V>
//   time <seconds> s
//
// Boards of more than 64 edges are refused; when the solver runs out of
// budget it prints one line saying so instead and the command exits with
// kSolverGaveUp.
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
