// SPDX-License-Identifier: GPL-3.0-or-later
// Percentiles by nearest rank over every position, those given up counting
// as slower than any solved.
#include "engine/AnalysisBench.h"

#include "engine/Quote.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>
#include <ostream>
#include <random>

#include "analysis/BoardAdapter.h"
#include "analysis/Solver.h"
#include "engine/AnalysisOptions.h"
#include "engine/Bench.h"

namespace quadlo::engine {

std::vector<analysis::EdgeSet> benchPositions(int open, int count, std::uint32_t seed)
{
    const analysis::BoxBoard& board = analysis::gameBoxBoard();
    std::mt19937 random(seed + static_cast<std::uint32_t>(open));
    std::vector<analysis::EdgeSet> positions;
    for (int n = 0; n < count; ++n) {
        analysis::EdgeSet drawn = 0;
        for (int left = board.edgeCount(); left > open; --left) {
            std::vector<int> safe;
            std::vector<int> any;
            for (int e = 0; e < board.edgeCount(); ++e) {
                if (drawn & analysis::edgeBit(e))
                    continue;
                any.push_back(e);
                if (board.givesNoThirdSide(drawn, e))
                    safe.push_back(e);
            }
            const std::vector<int>& from = safe.empty() ? any : safe;
            drawn |= analysis::edgeBit(from[random() % from.size()]);
        }
        positions.push_back(drawn);
    }
    return positions;
}

AnalysisTiming timeAnalysis(
    int open, int count, std::uint32_t seed, std::uint64_t budget, int threads)
{
    analysis::Solver solver(
        analysis::gameBoxBoard(), budget, { analysis::tableBitsFor(open), threads, true });
    std::vector<double> seconds;
    std::vector<std::uint64_t> nodes;
    AnalysisTiming timing;
    timing.open = open;
    for (const analysis::EdgeSet drawn : benchPositions(open, count, seed)) {
        ++timing.positions;
        solver.clear();
        const std::clock_t start = std::clock();
        const auto best = solver.bestEdge(drawn);
        const std::clock_t elapsed = std::clock() - start;
        if (!best) {
            seconds.push_back(std::numeric_limits<double>::infinity());
            continue;
        }
        ++timing.solved;
        seconds.push_back(static_cast<double>(elapsed) / CLOCKS_PER_SEC);
        nodes.push_back(solver.nodes());
    }
    if (nodes.empty()) {
        // Every position given up: every time is past the budget.
        timing.medianSeconds = timing.p90Seconds = timing.maxSeconds
            = std::numeric_limits<double>::infinity();
        return timing;
    }
    std::sort(seconds.begin(), seconds.end());
    std::sort(nodes.begin(), nodes.end());
    timing.medianSeconds = nearestRank(seconds, 0.5);
    timing.p90Seconds = nearestRank(seconds, 0.9);
    timing.maxSeconds = seconds.back();
    timing.medianNodes = nearestRank(nodes, 0.5);
    timing.maxNodes = nodes.back();
    return timing;
}

std::string formatAnalysisHeader(int count, std::uint32_t seed, std::uint64_t budget, int threads)
{
    char text[360];
    std::snprintf(text, sizeof text,
        "bench --analysis: %d positions for each open-edge count, seed %u, budget %llu nodes, "
        "%d thread%s; value and a best edge, processor seconds of all threads\n"
        "%-5s %7s %9s %9s %9s %13s %13s %6s\n",
        count, seed, static_cast<unsigned long long>(budget), threads, threads == 1 ? "" : "s",
        "open", "solved", "median", "p90", "max", "median nodes", "max nodes", "table");
    return text;
}

std::string formatAnalysisRow(const AnalysisTiming& t)
{
    auto time = [](double seconds) {
        char text[32];
        if (std::isinf(seconds))
            return std::string("-");
        std::snprintf(text, sizeof text, "%.4f", seconds);
        return std::string(text);
    };
    char line[200];
    std::snprintf(line, sizeof line, "%-5d %3zu/%-3zu %9s %9s %9s %13llu %13llu %2u MiB\n", t.open,
        t.solved, t.positions, time(t.medianSeconds).c_str(), time(t.p90Seconds).c_str(),
        time(t.maxSeconds).c_str(), static_cast<unsigned long long>(t.medianNodes),
        static_cast<unsigned long long>(t.maxNodes),
        analysis::tableMiB(analysis::tableBitsFor(t.open)));
    return line;
}

int benchAnalysis(const AnalysisArguments& arguments, std::ostream& out, std::ostream& err)
{
    constexpr std::uint32_t kSeed = 1;
    std::uint64_t count = kAnalysisBenchPositions;
    if (const auto given = arguments.options.find("--positions");
        given != arguments.options.end()) {
        const auto n = countOption("--positions", given->second, 10'000);
        if (const auto* error = std::get_if<CommandLineError>(&n)) {
            err << errorLine(error->message);
            return kUsageError;
        }
        count = std::get<std::uint64_t>(n);
    }
    const int positions = static_cast<int>(count);
    out << formatAnalysisHeader(positions, kSeed, arguments.budget, arguments.threads)
        << std::flush;
    for (int open : kAnalysisBenchOpenCounts)
        out << formatAnalysisRow(
            timeAnalysis(open, positions, kSeed, arguments.budget, arguments.threads))
            << std::flush;
    return 0;
}

} // namespace quadlo::engine
