// SPDX-License-Identifier: GPL-3.0-or-later
// The self-play loop: one refereed Game for the whole run, and the level
// selected afresh after each New Game.
#include "engine/SelfPlay.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <random>

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

} // namespace

std::uint32_t gameSeed(std::uint32_t seed, std::uint32_t game)
{
    return derivedSeed(seed, game, 0);
}

std::uint32_t playerSeed(std::uint32_t seed, std::uint32_t game)
{
    return derivedSeed(seed, game, 1);
}

RefereedGame::RefereedGame()
    : random_([this] { return seed_; })
    , game_(random_, referee_, form_)
{
    game_.setTurnObserver(&referee_);
}

void RefereedGame::start(std::uint32_t game, std::uint32_t seed, Difficulty level)
{
    number_ = game;
    moves_ = 0;
    seed_ = seed;
    if (started_)
        game_.mnuNew_Click();
    else
        game_.Form_Load();
    started_ = true;
    game_.selectDifficulty(level);
    if (const std::string wrong = referee_.judgeStart(board()); !wrong.empty())
        fail("at its start", wrong);
}

Edge RefereedGame::choose(BaselinePlayer& human) const
{
    if (moves_ == kMaxHumanClicks)
        fail("move " + std::to_string(moves_),
            "not over after " + std::to_string(kMaxHumanClicks) + " human clicks");
    const std::optional<Edge> edge = human.choose(board());
    if (!edge)
        fail("move " + std::to_string(moves_), "no open edge left, but the game is not over");
    return *edge;
}

std::chrono::steady_clock::duration RefereedGame::click(Edge edge)
{
    const bool move = board().isOpen(edge);
    moves_ += move;
    referee_.before(board(), random_.drawCount());
    const auto start = std::chrono::steady_clock::now();
    game_.edgeClicked(edge);
    const auto took = std::chrono::steady_clock::now() - start;
    if (const std::string wrong = referee_.judge(edge, board(), random_.drawCount());
        !wrong.empty())
        fail((move ? "move " : "after move ") + std::to_string(moves_), wrong);
    return took;
}

void RefereedGame::fail(const std::string& when, const std::string& what) const
{
    throw SelfPlayFault("game " + std::to_string(number_ + 1) + ", " + when + ": " + what);
}

std::vector<GameRecord> playGames(
    const SelfPlayOptions& options, TurnTimes* turnTimes, const GamesDone& done)
{
    RefereedGame play;
    const Board& board = play.board();
    std::vector<GameRecord> records;
    records.reserve(options.games);
    for (std::uint32_t g = 0; g < options.games; ++g) {
        play.start(g, gameSeed(options.seed, g), options.level);
        BaselinePlayer player(options.human, playerSeed(options.seed, g));
        // Processor time, so that a loaded machine does not inflate it.
        std::clock_t slowest = 0;
        while (!board.gameOver) {
            const std::clock_t thinking = std::clock();
            const Edge edge = play.choose(player);
            slowest = std::max(slowest, std::clock() - thinking);
            const int before = turnTimes ? computerEdges(board) : 0;
            const auto took = play.click(edge);
            if (turnTimes && computerEdges(board) > before)
                turnTimes->push_back(took);
        }
        records.push_back({ board.humanScore, board.computerScore, play.moves(),
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
