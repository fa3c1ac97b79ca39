// SPDX-License-Identifier: GPL-3.0-or-later
// The coach's games: the careful human's own moves decide the game, the
// analysis only watches, so the games are the same whatever it knows.
#include "engine/CoachBench.h"

#include <bit>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <ostream>
#include <thread>

#include "analysis/BoardAdapter.h"
#include "analysis/Solver.h"
#include "engine/BaselinePlayer.h"
#include "engine/Quote.h"
#include "engine/SelfPlay.h"
#include "game/WholeNumber.h"

namespace quadlo::engine {

namespace {

constexpr double kMostThinkSeconds = 3600;

// Runs `judge` with `stop` raised after `seconds`, unless it ends sooner.
template <typename Judge>
analysis::Verdict withinTime(double seconds, std::atomic<bool>& stop, Judge judge)
{
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    stop = false;
    std::thread watch([&] {
        std::unique_lock lock(mutex);
        if (!ended.wait_for(lock, std::chrono::duration<double>(seconds), [&] { return done; }))
            stop = true;
    });
    const analysis::Verdict verdict = judge();
    {
        const std::lock_guard lock(mutex);
        done = true;
    }
    ended.notify_one();
    watch.join();
    return verdict;
}

std::string percent(int part, int whole)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.1f %%", whole == 0 ? 0.0 : 100.0 * part / whole);
    return text;
}

} // namespace

std::vector<CoachBand> measureCoach(const CoachOptions& options)
{
    std::vector<CoachBand> bands { { 51, 60 }, { 46, 50 }, { 41, 45 }, { 36, 40 }, { 0, 35 } };
    CoachBand all { 0, 60 };
    analysis::Solver solver(analysis::gameBoxBoard(), analysis::Solver::kNoBudget,
        { analysis::kCoachTableBits, options.threads, true });
    std::atomic<bool> stop { false };
    solver.setStopFlag(&stop);
    RefereedGame play;
    const Board& board = play.board();
    for (std::uint32_t g = 0; g < options.games; ++g) {
        play.start(g, gameSeed(options.seed, g), Difficulty::Hard);
        BaselinePlayer human(HumanStrategy::Careful, playerSeed(options.seed, g));
        solver.clear();
        while (!board.gameOver) {
            const analysis::EdgeSet drawn = analysis::drawnEdges(board);
            const int score = board.humanScore - board.computerScore;
            const analysis::Verdict verdict = withinTime(
                options.thinkSeconds, stop, [&] { return solver.judge(drawn, score); });
            const int open = analysis::gameBoxBoard().edgeCount() - std::popcount(drawn);
            for (CoachBand* band :
                { &all, &*std::find_if(bands.begin(), bands.end(), [open](const CoachBand& b) {
                     return b.low <= open && open <= b.high;
                 }) }) {
                ++band->moves;
                band->exact += verdict.bounds.exact();
                band->outcome += analysis::settledOutcome(verdict, score).has_value();
            }
            play.click(play.choose(human));
        }
    }
    bands.push_back(all);
    return bands;
}

std::string formatCoachTable(const CoachOptions& options, const std::vector<CoachBand>& bands)
{
    char line[240];
    std::snprintf(line, sizeof line,
        "bench --coach: %u games of the careful human against Hard, seed %u; %.1f s to think "
        "before each human move, %d thread%s, a %u MiB table kept through each game\n"
        "%-7s %7s %9s %9s %9s\n",
        options.games, options.seed, options.thinkSeconds, options.threads,
        options.threads == 1 ? "" : "s", analysis::tableMiB(analysis::kCoachTableBits), "open",
        "moves", "exact", "outcome", "nothing");
    std::string out = line;
    for (const CoachBand& band : bands) {
        const std::string name = band.low == 0 && band.high == 60
            ? std::string("all")
            : std::to_string(band.low) + "-" + std::to_string(band.high);
        std::snprintf(line, sizeof line, "%-7s %7d %9s %9s %9s\n", name.c_str(), band.moves,
            percent(band.exact, band.moves).c_str(), percent(band.outcome, band.moves).c_str(),
            percent(band.moves - band.outcome, band.moves).c_str());
        out += line;
    }
    return out;
}

int benchCoach(const AnalysisArguments& arguments, std::ostream& out, std::ostream& err)
{
    CoachOptions options;
    options.threads = arguments.threads;
    for (const auto& [name, value] : arguments.options) {
        if (name == "--games" || name == "--seed") {
            const bool games = name == "--games";
            const auto n = wholeNumber<std::uint32_t>(value);
            if (!n || (games && (*n < 1 || *n > kMaxGames))) {
                err << errorLine(std::string(name) + " " + quoted(value) + " is not a whole number "
                    + (games ? "1.." + std::to_string(kMaxGames) : std::string("0..4294967295")));
                return kUsageError;
            }
            (games ? options.games : options.seed) = *n;
        } else if (name == "--think") {
            double seconds = 0;
#if defined(__EMSCRIPTEN__)
            // WebAssembly's standard library (emscripten 3.1) reads no
            // floating-point from_chars; the C library's strtod does.
            const std::string text(value);
            char* stop = nullptr;
            seconds = std::strtod(text.c_str(), &stop);
            const bool whole = !text.empty() && *stop == '\0';
#else
            const auto [end, ec]
                = std::from_chars(value.data(), value.data() + value.size(), seconds);
            const bool whole = ec == std::errc {} && end == value.data() + value.size();
#endif
            if (!whole || !(seconds > 0) || seconds > kMostThinkSeconds) {
                err << errorLine("--think " + quoted(value)
                    + " is not a number of seconds above 0 and at most 3600");
                return kUsageError;
            }
            options.thinkSeconds = seconds;
        }
    }
    try {
        out << formatCoachTable(options, measureCoach(options)) << std::flush;
    } catch (const SelfPlayFault& fault) {
        err << errorLine(fault.what());
        return kGameFault;
    }
    return 0;
}

} // namespace quadlo::engine
