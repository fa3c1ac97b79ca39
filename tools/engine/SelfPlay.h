// SPDX-License-Identifier: GPL-3.0-or-later
// Self-play: whole games of the computer at one level against a baseline
// player in the human's seat, for measuring the levels against each other.
// Every game is reproducible from the run's seed and its number alone: the
// game's generator is reseeded at each game start from a seed derived from
// both, and the baseline player has its own engine derived the same way.
// The rules referee judges every start and every click, so a run that broke a
// rule fails instead of printing a table.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/Board.h"
#include "board/RandomSource.h"
#include "engine/BaselinePlayer.h"
#include "engine/Replay.h"
#include "game/Game.h"
#include "game/Script.h"
#include "referee/Referee.h"

namespace quadlo::engine {

struct SelfPlayOptions {
    Difficulty level = Difficulty::Medium;
    // The greedy human takes every square offered, so its games reach the
    // human's extra turns, which a random human seldom earns.
    HumanStrategy human = HumanStrategy::Greedy;
    std::uint32_t games = 100;
    std::uint32_t seed = 1;
};

struct GameRecord {
    int humanScore;
    int computerScore;
    int humanClicks;
    double slowestChoiceSeconds = 0; // the human player's longest think, processor time
};

// A game that broke a rule: the message names the game, the move and the
// rule, as in "game 3, move 17: the computer moved after the human closed a
// square".
class SelfPlayFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// More clicks than this in one game means the game is not making progress:
// 60 edges, and one click that the computer answers without drawing it.
inline constexpr int kMaxHumanClicks = 61;

// One Game for a whole run, as a user plays game after game with New Game in
// between, with the referee as its message presenter and turn observer.
class RefereedGame {
public:
    RefereedGame();
    RefereedGame(const RefereedGame&) = delete;
    RefereedGame& operator=(const RefereedGame&) = delete;

    // Starts game `game` (0-based) of the run on the generator seed `seed`
    // and selects `level`. Throws SelfPlayFault when the referee finds the
    // new game not at a game's start.
    void start(std::uint32_t game, std::uint32_t seed, Difficulty level);
    // The human's next edge: throws when the game has run past the click
    // bound or has no open edge left.
    Edge choose(BaselinePlayer& human) const;
    // Clicks `edge` and returns how long the game's handler ran. Throws
    // SelfPlayFault when the referee finds that the click broke a rule. A
    // click on an open edge is the game's next move.
    std::chrono::steady_clock::duration click(Edge edge);

    const Board& board() const { return game_.board(); }
    // For tests, which reach past its API through their seam.
    Game& game() { return game_; }
    int moves() const { return moves_; }

private:
    // Throws SelfPlayFault naming the game, when in it ("move 17") and what
    // went wrong.
    [[noreturn]] void fail(const std::string& when, const std::string& what) const;

    std::uint32_t seed_ = 0;
    GameRandom random_;
    referee::Referee referee_;
    HeadlessForm form_;
    Game game_;
    bool started_ = false;
    std::uint32_t number_ = 0;
    int moves_ = 0;
};

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
