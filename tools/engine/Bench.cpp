// SPDX-License-Identifier: GPL-3.0-or-later
// Percentiles by nearest rank over all timed turns of a level.
#include "engine/Bench.h"

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/SelfPlay.h"

namespace quadlo::engine {

namespace {

double micros(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

} // namespace

LevelTiming timeLevel(Difficulty level, const BenchOptions& options)
{
    SelfPlayOptions play;
    play.level = level;
    play.human = HumanStrategy::Random;
    play.games = options.games;
    play.seed = options.seed;

    TurnTimes times;
    const auto start = std::chrono::steady_clock::now();
    playGames(play, &times);
    const auto elapsed = std::chrono::steady_clock::now() - start;

    LevelTiming timing { level };
    timing.turns = times.size();
    if (!times.empty()) {
        std::sort(times.begin(), times.end());
        timing.medianMicros = micros(nearestRank(times, 0.5));
        timing.p99Micros = micros(nearestRank(times, 0.99));
        timing.maxMicros = micros(times.back());
    }
    const double seconds = std::chrono::duration<double>(elapsed).count();
    timing.gamesPerSecond = seconds > 0 ? options.games / seconds : 0;
    timing.peakMemoryKiB = peakMemoryKiB();
    return timing;
}

long peakMemoryKiB()
{
    rusage usage {};
    if (getrusage(RUSAGE_SELF, &usage) != 0)
        return 0;
    // Linux reports ru_maxrss in KiB.
    return usage.ru_maxrss;
}

std::string formatBenchHeader(const BenchOptions& options)
{
    char line[200];
    std::string out;
    std::snprintf(line, sizeof line,
        "bench: %u games a level against the random human, seed %u; turn times in microseconds\n",
        options.games, options.seed);
    out += line;
    std::snprintf(line, sizeof line, "%-7s %8s %9s %9s %9s %10s  %s\n", "level", "turns", "median",
        "p99", "max", "games/s", "peak memory");
    out += line;
    return out;
}

std::string formatBenchRow(const LevelTiming& t)
{
    char line[200];
    std::snprintf(line, sizeof line, "%-7s %8zu %9.1f %9.1f %9.1f %10.1f  %.1f MiB (%ld KiB)\n",
        std::string(levelName(t.level)).c_str(), t.turns, t.medianMicros, t.p99Micros, t.maxMicros,
        t.gamesPerSecond, static_cast<double>(t.peakMemoryKiB) / 1024.0, t.peakMemoryKiB);
    return line;
}

} // namespace quadlo::engine
