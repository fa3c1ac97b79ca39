// SPDX-License-Identifier: GPL-3.0-or-later
// A measure of the coach in real games (bench --coach [--games N] [--seed S]
// [--think SECONDS] [--threads T]): seeded games of the careful human
// against Hard, in which before each human move the analysis gets the think
// time, wall clock, from the position on the board, keeping its table from
// move to move of a game as the window does. Each human move counts as
// known exactly (the margin with best play), by its outcome (who wins), or
// not at all, in bands of open edges.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "engine/AnalysisOptions.h"

namespace quadlo::engine {

struct CoachOptions {
    std::uint32_t games = 20;
    std::uint32_t seed = 1;
    double thinkSeconds = 10;
    int threads = 1;
};

// The human moves made with `low` to `high` open edges, and what the
// analysis knew before them.
struct CoachBand {
    int low;
    int high;
    int moves = 0;
    int exact = 0;
    int outcome = 0; // the exact ones included
};

// The bands from the opening down, then all moves together.
std::vector<CoachBand> measureCoach(const CoachOptions& options);

std::string formatCoachTable(const CoachOptions& options, const std::vector<CoachBand>& bands);

// The whole command; returns its exit status.
int benchCoach(const AnalysisArguments& arguments, std::ostream& out, std::ostream& err);

} // namespace quadlo::engine
