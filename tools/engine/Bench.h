// SPDX-License-Identifier: GPL-3.0-or-later
// Timing the computer's turns: self-play against the random baseline player
// at each level, with every click that the computer answers timed from the
// click to the return of its handler. This is where the speed of the
// strategies is measured; the tests never assert a time.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "board/Board.h"

namespace quadlo::engine {

struct BenchOptions {
    std::uint32_t games = 200;
    std::uint32_t seed = 1;
};

struct LevelTiming {
    Difficulty level;
    std::size_t turns = 0;
    double medianMicros = 0;
    double p99Micros = 0;
    double maxMicros = 0;
    double gamesPerSecond = 0;
    long peakMemoryKiB = 0; // the whole process so far
};

// The smallest of the sorted, non-empty values with at least `fraction` of
// them at or below it.
template <typename T> T nearestRank(const std::vector<T>& sorted, double fraction)
{
    const auto rank
        = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

// Throws SelfPlayFault if a game goes wrong.
LevelTiming timeLevel(Difficulty level, const BenchOptions& options);

// The process's peak resident set size so far, in KiB.
long peakMemoryKiB();

std::string formatBenchHeader(const BenchOptions& options);
std::string formatBenchRow(const LevelTiming& timing);

} // namespace quadlo::engine
