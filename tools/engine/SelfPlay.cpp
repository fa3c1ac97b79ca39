// SPDX-License-Identifier: GPL-3.0-or-later
// The self-play loop: one Game for the whole run, as a user would play game
// after game with New Game in between, and the level selected afresh before
// each game.
#include "engine/SelfPlay.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <random>

#include "board/RandomSource.h"
#include "engine/Replay.h"
#include "game/Game.h"

namespace quadlo::engine {

namespace {

std::uint32_t derivedSeed(std::uint32_t seed, std::uint32_t game, std::uint32_t stream)
{
    std::seed_seq sequence { seed, game, stream };
    std::uint32_t out = 0;
    sequence.generate(&out, &out + 1);
    return out;
}

int computerEdges(const Board& board)
{
    int count = 0;
    for (std::size_t i = 1; i <= kEdgesPerFamily; ++i)
        count += (board.lblshape1[i].tag == Mark::c) + (board.lblshape2[i].tag == Mark::c);
    return count;
}

std::string gameLabel(std::uint32_t game) { return "game " + std::to_string(game + 1) + ": "; }

} // namespace

std::uint32_t gameSeed(std::uint32_t seed, std::uint32_t game)
{
    return derivedSeed(seed, game, 0);
}

std::uint32_t playerSeed(std::uint32_t seed, std::uint32_t game)
{
    return derivedSeed(seed, game, 1);
}

std::vector<GameRecord> playGames(
    const SelfPlayOptions& options, TurnTimes* turnTimes, const GamesDone& done)
{
    std::uint32_t currentSeed = gameSeed(options.seed, 0);
    GameRandom random([&currentSeed] { return currentSeed; });
    // A game shows exactly one message box, its result.
    MessageLog messages;
    HeadlessForm form;
    Game game(random, messages, form);
    const Board& board = game.board();

    std::vector<GameRecord> records;
    records.reserve(options.games);
    for (std::uint32_t g = 0; g < options.games; ++g) {
        currentSeed = gameSeed(options.seed, g);
        if (g == 0)
            game.Form_Load();
        else
            game.mnuNew_Click();
        game.selectDifficulty(options.level);
        BaselinePlayer player(options.human, playerSeed(options.seed, g));
        messages.takeLines();

        int clicks = 0;
        // Processor time, so that a loaded machine does not inflate it.
        std::clock_t slowest = 0;
        while (!board.gameOver) {
            if (clicks == kMaxHumanClicks)
                throw SelfPlayFault(gameLabel(g) + "not over after "
                    + std::to_string(kMaxHumanClicks) + " human clicks");
            const std::clock_t thinking = std::clock();
            const std::optional<Edge> edge = player.choose(board);
            slowest = std::max(slowest, std::clock() - thinking);
            if (!edge)
                throw SelfPlayFault(gameLabel(g) + "no open edge left, but the game is not over");
            const int before = turnTimes ? computerEdges(board) : 0;
            const auto start = std::chrono::steady_clock::now();
            game.edgeClicked(*edge);
            const auto elapsed = std::chrono::steady_clock::now() - start;
            if (turnTimes && computerEdges(board) > before)
                turnTimes->push_back(elapsed);
            ++clicks;
        }

        if (const std::size_t shown = messages.takeLines().size(); shown != 1)
            throw SelfPlayFault(
                gameLabel(g) + std::to_string(shown) + " result messages instead of one");
        if (board.humanScore + board.computerScore != kSquareCount)
            throw SelfPlayFault(gameLabel(g) + "final score " + std::to_string(board.humanScore)
                + "-" + std::to_string(board.computerScore) + " does not add up to 25");
        records.push_back({ board.humanScore, board.computerScore, clicks,
            static_cast<double>(slowest) / CLOCKS_PER_SEC });
        if (done)
            done(g + 1);
    }
    return records;
}

ProgressLine::ProgressLine(
    std::ostream& err, std::uint32_t total, bool enabled, std::chrono::steady_clock::duration quiet)
    : err_(err)
    , total_(total)
    , enabled_(enabled)
    , next_(std::chrono::steady_clock::now() + quiet)
{
}

ProgressLine::~ProgressLine()
{
    if (shown_)
        err_ << '\n' << std::flush;
}

void ProgressLine::operator()(std::uint32_t done)
{
    if (!enabled_)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (now < next_ && done < total_)
        return;
    if (!shown_ && done == total_)
        return;
    next_ = now + std::chrono::milliseconds(250);
    shown_ = true;
    err_ << "\rselfplay: " << done << " of " << total_ << " games" << std::flush;
}

SelfPlaySummary summarise(const std::vector<GameRecord>& records)
{
    SelfPlaySummary summary;
    summary.games = static_cast<std::uint32_t>(records.size());
    if (records.empty())
        return summary;
    double humanSum = 0;
    double computerSum = 0;
    for (const GameRecord& r : records) {
        // 25 squares cannot be shared evenly: every game has a winner.
        if (r.humanScore > r.computerScore)
            ++summary.human.wins;
        else
            ++summary.computer.wins;
        humanSum += r.humanScore;
        summary.slowestChoiceSeconds
            = std::max(summary.slowestChoiceSeconds, r.slowestChoiceSeconds);
        computerSum += r.computerScore;
    }
    const double n = static_cast<double>(records.size());
    summary.human.meanScore = humanSum / n;
    summary.computer.meanScore = computerSum / n;
    if (records.size() > 1) {
        double humanSquares = 0;
        double computerSquares = 0;
        for (const GameRecord& r : records) {
            humanSquares += (r.humanScore - summary.human.meanScore)
                * (r.humanScore - summary.human.meanScore);
            computerSquares += (r.computerScore - summary.computer.meanScore)
                * (r.computerScore - summary.computer.meanScore);
        }
        summary.human.sdScore = std::sqrt(humanSquares / (n - 1));
        summary.computer.sdScore = std::sqrt(computerSquares / (n - 1));
    }
    return summary;
}

std::string formatSelfPlayTable(const SelfPlayOptions& options, const SelfPlaySummary& summary)
{
    char line[160];
    std::string out;
    std::snprintf(line, sizeof line, "selfplay: level %s, human %s, %u games, seed %u\n",
        std::string(levelName(options.level)).c_str(),
        std::string(humanStrategyName(options.human)).c_str(), summary.games, options.seed);
    out += line;
    std::snprintf(line, sizeof line, "%-9s %8s %8s %8s\n", "side", "wins", "mean", "sd");
    out += line;
    for (const auto& [name, side] :
        { std::pair { "human", summary.human }, std::pair { "computer", summary.computer } }) {
        std::snprintf(line, sizeof line, "%-9s %8u %8.2f %8.2f\n", name, side.wins, side.meanScore,
            side.sdScore);
        out += line;
    }
    if (options.human == HumanStrategy::Expert) {
        std::snprintf(line, sizeof line, "slowest expert move: %.3f s of processor time\n",
            summary.slowestChoiceSeconds);
        out += line;
    }
    return out;
}

} // namespace quadlo::engine
