// SPDX-License-Identifier: GPL-3.0-or-later
// Timing the computer's turns: self-play against the random baseline player
// at each level, with every click that the computer answers timed from the
// click to the return of its handler. This is where the speed of the
// strategies is measured; the tests never assert a time.
#pragma once

#include <cstdint>
#include <string>

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

// Throws SelfPlayFault if a game goes wrong.
LevelTiming timeLevel(Difficulty level, const BenchOptions& options);

// The process's peak resident set size so far, in KiB.
long peakMemoryKiB();

std::string formatBenchHeader(const BenchOptions& options);
std::string formatBenchRow(const LevelTiming& timing);

} // namespace quadlo::engine
