// SPDX-License-Identifier: GPL-3.0-or-later
// Game lifecycle, the human's turn and the computer turn driver.
#include "game/Game.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "Version.h"
#include "game/Translatable.h"
#include "opponent/ChainSimulation.h"
#include "opponent/CompletionScan.h"
#include "opponent/ForcedSides.h"
#include "opponent/SafeMoveSearch.h"
#include "opponent/TakeAll.h"

namespace quadlo {

namespace {

constexpr char kCredits[] = QUADLO_TEXT("Game",
    "Dots and squares for one player against the computer.\r\n"
    "Three levels of play: Easy, Medium and Hard.\r\n"
    "Made by the Quadlo developers.");

// The title and the credits as one text of two parts, joined at compile time
// so that it is a constant, as every other text is.
template <std::size_t Title, std::size_t Credits>
constexpr std::array<char, Title + 1 + Credits> aboutText(
    const char (&title)[Title], const char (&credits)[Credits])
{
    std::array<char, Title + 1 + Credits> text {};
    auto end = std::copy(title, title + Title - 1, text.begin());
    end = std::copy_n("\r\n", 2, end);
    std::copy(credits, credits + Credits, end);
    return text;
}
constexpr auto kAbout = aboutText(kTitle, kCredits);

} // namespace

// The game's name, the same in every language, so not marked.
const char* const kApplicationTitle = "Quadlo";
const char* const kRulesTitle = QUADLO_TEXT("Game", "Rules of Quadlo");
const char* const kRulesText = QUADLO_TEXT("Game",
    "The goal of Quadlo is to complete the greatest number\r\n"
    "of squares.  To create squares, you must click on the\r\n"
    "horizontal or vertical space between two dots.  After\r\n"
    "each of your moves, the computer will take its turn.\r\n"
    "When you or the computer complete a square, a large\r\n"
    "dot will appear inside the square and will be the color\r\n"
    "of the player who completed the square.  That player\r\n"
    "will also get to take another turn.  Each game ends\r\n"
    "when all 25 squares have been formed, and the player\r\n"
    "who completed the most squares is the winner.");
const char* const kAboutTitle = QUADLO_TEXT("Game", "About Quadlo");
const char* const kAboutText = kAbout.data();
const char* const kAboutCredits = kCredits;
const char* const kHumanWinsText = QUADLO_COUNT_TEXT("Game", "You win with %n squares completed.");
const char* const kComputerWinsText
    = QUADLO_COUNT_TEXT("Game", "The computer wins with %n squares completed.");

namespace {

// A result text with the number of squares, a caption's value and so always
// whole, as plain decimal text in place of its "%n".
std::string withCount(const std::string& text, double squares)
{
    std::string result = text;
    result.replace(result.find("%n"), 2, std::to_string(static_cast<long long>(squares)));
    return result;
}

} // namespace

// The computer's strategies, each working on the game's own board.
struct Game::Strategies {
    Strategies(Board& board, RandomSource& random)
        : chain(board)
        , scan(board, chain)
        , safeMove(board, random)
    {
    }
    ChainSimulation chain;
    CompletionScan scan;
    SafeMoveSearch safeMove;
};

Game::Game(RandomSource& random, MessagePresenter& messages, FormHost& form)
    : random_(random)
    , messages_(messages)
    , form_(form)
    , strategies_(std::make_unique<Strategies>(board_, random_))
{
}

Game::~Game() = default;

bool Game::onBoard(Edge edge)
{
    return (edge.family == Vertical || edge.family == Horizontal) && edge.index >= 1
        && edge.index <= kEdgesPerFamily;
}

bool Game::isPlayable(Edge edge) const
{
    return onBoard(edge) && board_.isOpen(edge) && humanToMove();
}

void Game::Form_Load()
{
    history_.clear();
    moves_.clear();
    board_.gameOver = false;
    random_.reseed();
    board_.searchMode = false;
    board_.moveEdge = 0;
    board_.moveFamily = NoFamily;
    board_.turnCount = 1;
    board_.lateEndgame = false;
    board_.nearEndgame = false;
    board_.humanScore = 0;
    board_.computerScore = 0;
    if (board_.savedDifficulty == Difficulty::Easy)
        board_.selectDifficulty(Difficulty::Easy);
    if (board_.savedDifficulty == Difficulty::Medium)
        board_.selectDifficulty(Difficulty::Medium);
    if (board_.savedDifficulty == Difficulty::Hard)
        board_.selectDifficulty(Difficulty::Hard);
}

void Game::restart()
{
    board_ = Board {};
    computerFromOutside_ = false;
    history_.clear();
    strategies_ = std::make_unique<Strategies>(board_, random_);
    Form_Load();
}

void Game::lblshape1_Click(int Index) { edgeClicked({ Vertical, Index }); }

void Game::lblshape2_Click(int Index) { edgeClicked({ Horizontal, Index }); }

void Game::edgeClicked(Edge edge)
{
    if (!onBoard(edge) || !board_.isOpen(edge))
        return;
    if (board_.turnCount % 2 != 0) {
        history_.push_back({ board_, random_.position(), moves_.size() });
        draw(Player::Human, edge);
    }
    // Also when the count was even: the computer moves and the click is not drawn.
    ComputerMove1();
}

void Game::selectDifficulty(Difficulty difficulty) { board_.selectDifficulty(difficulty); }

void Game::optionsFocused()
{
    if (!board_.selectedDifficulty())
        board_.selectDifficulty(Difficulty::Medium);
}

void Game::takeBack()
{
    if (history_.empty())
        return;
    const bool easy = board_.lblEasy;
    const bool medium = board_.lblMedium;
    const bool hard = board_.lblHard;
    board_ = history_.back().board;
    board_.lblEasy = easy;
    board_.lblMedium = medium;
    board_.lblHard = hard;
    random_.restore(history_.back().random);
    moves_.resize(history_.back().moves);
    history_.pop_back();
}

void Game::setPosition(const Position& position)
{
    if (position.turn < 0 || position.turn > kMaxPositionTurn)
        throw std::out_of_range("turn " + std::to_string(position.turn) + " is outside 0.."
            + std::to_string(kMaxPositionTurn));
    history_.clear();
    moves_.clear();
    for (std::size_t i = 0; i < kEdgesPerFamily; ++i) {
        board_.lblshape1[i + 1] = { position.vertical[i], markColour(position.vertical[i]) };
        board_.lblshape2[i + 1] = { position.horizontal[i], markColour(position.horizontal[i]) };
    }
    std::int16_t humans = 0;
    std::int16_t computers = 0;
    for (std::size_t i = 0; i < kSquareCount; ++i) {
        board_.shpMiddle[i + 1] = { position.squares[i], markColour(position.squares[i]) };
        humans += position.squares[i] == Mark::h;
        computers += position.squares[i] == Mark::c;
    }
    board_.humanScore = humans;
    board_.computerScore = computers;
    board_.lblScore1 = std::to_string(humans);
    board_.lblScore2 = std::to_string(computers);
    board_.turnCount = position.turn;
}

void Game::report(const TurnEvent& event)
{
    moves_.push_back(event);
    if (observer_)
        observer_->happened(event);
}

void Game::draw(Player player, Edge edge)
{
    board_.drawEdge(edge, player == Player::Human ? Mark::h : Mark::c);
    report(drew(player, edge));
}

bool Game::drawChosenEdge()
{
    const Family family = board_.moveFamily;
    if ((family == Vertical || family == Horizontal) && board_.isOpen(family, board_.moveEdge)) {
        draw(Player::Computer, { family, board_.moveEdge });
        return true;
    }
    return false;
}

void Game::scoreSquares()
{
    std::array<Mark, kSquareCount + 1> before {};
    for (int square = 1; square <= kSquareCount; ++square)
        before[static_cast<std::size_t>(square)]
            = board_.shpMiddle[static_cast<std::size_t>(square)].tag;
    strategies_->scan.CheckBox2();
    for (int square = 1; square <= kSquareCount; ++square) {
        const Mark now = board_.shpMiddle[static_cast<std::size_t>(square)].tag;
        if (now != before[static_cast<std::size_t>(square)])
            report(took(now == Mark::h ? Player::Human : Player::Computer, square));
    }
}

void Game::mnuNew_Click()
{
    if (board_.lblEasy)
        board_.savedDifficulty = Difficulty::Easy;
    if (board_.lblMedium)
        board_.savedDifficulty = Difficulty::Medium;
    if (board_.lblHard)
        board_.savedDifficulty = Difficulty::Hard;
    board_.resetControls();
    form_.reloadForm();
    // The reloaded form's load event, then the explicit second run; both leave
    // the same state.
    Form_Load();
    Form_Load();
}

void Game::mnuRules_Click()
{
    messages_.showMessage(kRulesText, MessageStyle::Information, kRulesTitle);
}

void Game::mnuAbout_Click()
{
    messages_.showMessage(kAboutText, MessageStyle::Information, kAboutTitle);
}

void Game::mnuExit_Click() { form_.endProgram(); }

void Game::ComputerMove1()
{
    struct Nesting {
        Game& game;
        explicit Nesting(Game& g)
            : game(g)
        {
            if (++game.nesting_ > game.deepestNesting_)
                game.deepestNesting_ = game.nesting_;
        }
        ~Nesting() { --game.nesting_; }
    } nesting(*this);

    scoreSquares();

    const double human = captionValue(board_.lblScore1);
    const double computer = captionValue(board_.lblScore2);
    if (human + computer == kSquareCount) {
        board_.gameOver = true;
        const std::string text = computer < human ? withCount(kHumanWinsText, human)
                                                  : withCount(kComputerWinsText, computer);
        messages_.showMessage(text, MessageStyle::OkOnly, kApplicationTitle);
    }

    if (board_.lastScorer == 1) {
        board_.lastScorer = 0;
        ++board_.turnCount;
        return;
    }
    if (computerFromOutside_)
        return;

    board_.moveEdge = 0;
    board_.moveFamily = NoFamily;
    board_.searchMode = true;
    if (!board_.gameOver && board_.lblHard)
        hardSetUp();

    strategies_->scan.CheckBox2();
    board_.searchMode = false;

    if (board_.moveEdge <= 0) {
        if (!board_.gameOver && !board_.lblEasy) {
            board_.searchMode = true;
            strategies_->safeMove.CheckBox3();
        }
        board_.searchMode = false;
    }

    if (board_.moveEdge != 0) {
        if (board_.turnCount % 2 == 0)
            drawChosenEdge();
    } else {
        drawRandomEdge();
    }

    scoreComputerEdge();
}

void Game::scoreComputerEdge()
{
    scoreSquares();
    // A completed square gives the computer the next move: the turn goes on,
    // and announces a finished game.
    if (board_.lastScorer == 2) {
        board_.lastScorer = 0;
        ++board_.turnCount;
        ComputerMove1();
    }
}

void Game::playComputerEdge(Edge edge)
{
    if (!awaitsComputerEdge() || !onBoard(edge) || !board_.isOpen(edge))
        return;
    draw(Player::Computer, edge);
    scoreComputerEdge();
}

void Game::hardSetUp()
{
    int completed = 0;
    for (int square = 1; square <= kSquareCount; ++square) {
        if (board_.shpMiddle[static_cast<std::size_t>(square)].tag != Mark::a)
            ++completed;
    }
    board_.completedSquares = static_cast<std::int16_t>(completed);
    if (board_.completedSquares >= 23)
        board_.lateEndgame = true;
    if (board_.completedSquares >= 21)
        board_.nearEndgame = true;
    board_.closableSquares = 0;
    board_.twoCapturable = false;
    board_.captureCount = 0;
    board_.bestCostUnder4 = true;
    board_.bestCostUnder2 = true;
    board_.allClosable = false;

    // Taking everything in reach ends the game: no finer strategy is needed.
    safetyprecautions(board_);
    if (board_.allClosable)
        return;

    Checkbox4(board_);
    SafeMoveSearch& safeMove = strategies_->safeMove;
    safeMove.CleanHouse();
    if (board_.captureCount == 2)
        board_.twoCapturable = true;
    safeMove.CheckBox3();
    if (board_.bestMoveCost == 0)
        board_.twoCapturable = false;
    board_.captureCount = 0;
    board_.bestCostUnder2 = false;
    board_.bestCostUnder4 = false;
    safeMove.OtherOptions();
}

void Game::drawRandomEdge()
{
    auto drawn = [this](Family family, int index) {
        const Mark tag = board_.edge(family, index).tag;
        return tag == Mark::c || tag == Mark::h;
    };

    board_.moveEdge = static_cast<std::int16_t>(randomWholeNumber(random_, kEdgesPerFamily));
    const bool openVertical = board_.anyOpen(Vertical);
    const bool openHorizontal = board_.anyOpen(Horizontal);
    bool moved = false;
    // Only an even count lets an edge be drawn; with an odd one the loop could
    // never end, so it is not entered.
    const bool computerToMove = board_.turnCount % 2 == 0;
    while ((openVertical || openHorizontal) && !moved && computerToMove) {
        board_.moveFamily = static_cast<Family>(randomWholeNumber(random_, 2));
        if (openVertical) {
            while (drawn(Vertical, board_.moveEdge))
                board_.moveEdge
                    = static_cast<std::int16_t>(randomWholeNumber(random_, kEdgesPerFamily));
        }
        if (openHorizontal) {
            while (drawn(Horizontal, board_.moveEdge))
                board_.moveEdge
                    = static_cast<std::int16_t>(randomWholeNumber(random_, kEdgesPerFamily));
        }
        moved = drawChosenEdge();
    }
}

} // namespace quadlo
