// SPDX-License-Identifier: GPL-3.0-or-later
// Self-play: whole games of the computer at one level against a baseline
// player in the human's seat, for measuring the levels against each other.
// Every game is reproducible from the run's seed and its number alone: the
// game's generator is reseeded at each game start from a seed derived from
// both, and the baseline player has its own engine derived the same way.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Board.h"
#include "engine/BaselinePlayer.h"
#include "engine/Script.h"

namespace quadlo::engine {

struct SelfPlayOptions {
    Difficulty level = Difficulty::Medium;
    HumanStrategy human = HumanStrategy::Random;
    std::uint32_t games = 100;
    std::uint32_t seed = 1;
};

struct GameRecord {
    int humanScore;
    int computerScore;
    int humanClicks;
    double slowestChoiceSeconds = 0; // the human player's longest think, processor time
};

// A game that broke a rule the driver relies on: it did not end within the
// click bound, ended without its result message, or ended with scores that
// do not add up to 25.
class SelfPlayFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// More clicks than this in one game means the game is not making progress:
// 60 edges, and one click that the computer answers without drawing it.
inline constexpr int kMaxHumanClicks = 61;

// Seeds of game `game` (0-based) of a run with seed `seed`.
std::uint32_t gameSeed(std::uint32_t seed, std::uint32_t game);
std::uint32_t playerSeed(std::uint32_t seed, std::uint32_t game);

// Durations of the clicks that the computer answered with at least one edge,
// from the click to the return of its handler.
using TurnTimes = std::vector<std::chrono::steady_clock::duration>;

// Told the number of games finished after each game.
using GamesDone = std::function<void(std::uint32_t)>;

// Plays the games; throws SelfPlayFault naming the game that went wrong.
std::vector<GameRecord> playGames(
    const SelfPlayOptions& options, TurnTimes* turnTimes = nullptr, const GamesDone& done = {});

// A line on a terminal that shows how far a long run has got: it stays quiet
// for the first `quiet` of the run, so that short runs print nothing, and then
// rewrites itself at most every quarter of a second. It shows nothing at all
// when not `enabled` (the error stream is not a terminal).
class ProgressLine {
public:
    ProgressLine(std::ostream& err, std::uint32_t total, bool enabled,
        std::chrono::steady_clock::duration quiet = std::chrono::seconds(1));
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;
    // Ends the line if one was shown.
    ~ProgressLine();
    void operator()(std::uint32_t done);

private:
    std::ostream& err_;
    std::uint32_t total_;
    bool enabled_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point next_;
};

struct SideSummary {
    std::uint32_t wins = 0;
    double meanScore = 0;
    double sdScore = 0; // sample standard deviation; 0 for a single game
};

struct SelfPlaySummary {
    std::uint32_t games = 0;
    double slowestChoiceSeconds = 0;
    SideSummary human;
    SideSummary computer;
};

SelfPlaySummary summarise(const std::vector<GameRecord>& records);

// The table the selfplay command prints; for the expert, which thinks, also
// its slowest move.
std::string formatSelfPlayTable(const SelfPlayOptions& options, const SelfPlaySummary& summary);

} // namespace quadlo::engine
