// SPDX-License-Identifier: GPL-3.0-or-later
// Timing the exact solver (bench --analysis [--positions N] [--budget N]
// [--threads T]): a fixed, seeded set of game positions (20 by default) for
// each of 30 to 46 open edges, each solved for its value and a best edge
// from an empty transposition table of the size tableBitsFor gives, timed
// in processor time so that a loaded machine does not inflate it. A position the solver gives up on
// counts as slower than every solved one, and a percentile that falls on one shows as
// "-".
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/BoxBoard.h"
#include "engine/AnalysisOptions.h"

namespace quadlo::engine {

inline constexpr int kAnalysisBenchOpenCounts[] = { 30, 34, 36, 38, 40, 42, 44, 46 };

inline constexpr int kAnalysisBenchPositions = 20;

struct AnalysisTiming {
    int open = 0;
    std::size_t positions = 0;
    std::size_t solved = 0; // within the budget
    // Infinite where the percentile falls on a position given up.
    double medianSeconds = 0;
    double p90Seconds = 0;
    double maxSeconds = 0;
    std::uint64_t medianNodes = 0; // of the solved positions
    std::uint64_t maxNodes = 0;
};

// `count` positions of the game board with `open` edges left, the same for
// the same seed: edges that give no square its third side are drawn first, at
// random, as careful players draw them, then any edges.
std::vector<analysis::EdgeSet> benchPositions(int open, int count, std::uint32_t seed);

AnalysisTiming timeAnalysis(
    int open, int count, std::uint32_t seed, std::uint64_t budget, int threads = 1);

std::string formatAnalysisHeader(
    int count, std::uint32_t seed, std::uint64_t budget, int threads = 1);
std::string formatAnalysisRow(const AnalysisTiming& timing);

// The whole command; returns its exit status.
int benchAnalysis(const AnalysisArguments& arguments, std::ostream& out, std::ostream& err);

} // namespace quadlo::engine
