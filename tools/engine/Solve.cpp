// SPDX-License-Identifier: GPL-3.0-or-later
// Solving from empty: one search, timed from the call to its answer in the
// processor time of all its threads, and in wall time when there are more.
#include "engine/Solve.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <ostream>

#include "analysis/BoxBoard.h"
#include "analysis/Solver.h"
#include "engine/Quote.h"

namespace quadlo::engine {

namespace {

constexpr int kUsageStatus = 2;

// The most --table may ask for: 64 GiB.
constexpr std::uint64_t kMostTableMiB = 65536;

std::optional<int> smallNumber(std::string_view text)
{
    int n = 0;
    if (text.empty() || text.size() > 3 || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc {} || end != text.data() + text.size())
        return std::nullopt;
    return n;
}

} // namespace

std::variant<BoxesSize, CommandLineError> parseBoxes(std::string_view text)
{
    const std::size_t cross = text.find('x');
    const auto columns = smallNumber(text.substr(0, cross));
    const auto rows
        = cross == std::string_view::npos ? std::nullopt : smallNumber(text.substr(cross + 1));
    if (!columns || !rows)
        return CommandLineError { "--boxes " + quoted(text)
            + " is not W x H boxes written WxH, such as 3x3" };
    if (*columns == 0 || *rows == 0)
        return CommandLineError { "--boxes " + quoted(text) + " has no box" };
    const int edges = *columns * (*rows + 1) + (*columns + 1) * *rows;
    if (edges > analysis::kMaxEdges)
        return CommandLineError { "--boxes " + quoted(text) + " has " + std::to_string(edges)
            + " edges; the solver takes boards of at most " + std::to_string(analysis::kMaxEdges) };
    return BoxesSize { *columns, *rows };
}

int runSolve(const AnalysisArguments& arguments, std::ostream& out, std::string& error)
{
    const auto boxes = arguments.options.find("--boxes");
    if (boxes == arguments.options.end() || !arguments.operands.empty()) {
        error = "solve takes --boxes WxH and no other operand";
        return kUsageStatus;
    }
    const auto size = parseBoxes(boxes->second);
    if (const auto* bad = std::get_if<CommandLineError>(&size)) {
        error = bad->message;
        return kUsageStatus;
    }
    const auto [columns, rows] = std::get<BoxesSize>(size);
    const analysis::BoxBoard board = *analysis::BoxBoard::make(columns, rows);
    unsigned tableBits = analysis::tableBitsFor(board.edgeCount());
    if (const auto table = arguments.options.find("--table"); table != arguments.options.end()) {
        const auto mib = countOption("--table", table->second, kMostTableMiB);
        if (const auto* bad = std::get_if<CommandLineError>(&mib)) {
            error = bad->message;
            return kUsageStatus;
        }
        tableBits = analysis::tableBitsWithin(std::get<std::uint64_t>(mib));
    }
    const auto solver
        = analysis::solverWithin(board, arguments.budget, { tableBits, arguments.threads, true });
    if (!solver) {
        out << "gave up: not enough memory for the solver's table\n";
        return kSolverGaveUp;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t processorStart = std::clock();
    const std::optional<int> value = solver->value(0);
    const double processor = static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC;
    const double seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!value) {
        out << "gave up: the board needs more than " << arguments.budget << " nodes\n";
        return kSolverGaveUp;
    }
    char time[96];
    if (arguments.threads == 1)
        std::snprintf(time, sizeof time, "time %.3f s\n", processor);
    else
        std::snprintf(time, sizeof time, "time %.3f s (%.3f s on the clock, %d threads)\n",
            processor, seconds, arguments.threads);
    out << "value " << *value << '\n' << time << "table ";
    if (const std::size_t kib = solver->tableBytes() >> 10; kib < 1024)
        out << kib << " KiB\n";
    else
        out << (kib >> 10) << " MiB\n";
    return 0;
}

} // namespace quadlo::engine
