// SPDX-License-Identifier: GPL-3.0-or-later
// The game flow: the human's clicks, the computer's turn and its difficulty
// cascade, the end of the game, New Game and the Help menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "GameTestSupport.h"
#include "board/BoxGeometry.h"

namespace quadlo {
namespace {

using test::H;
using test::TestGame;
using test::V;

int countMarked(const Board& board, Mark tag)
{
    return static_cast<int>(board.edgesMarked(tag).size());
}

// Draws every side of the listed squares and awards them, the first `humans`
// of them to the human and the rest to the computer.
void ownSquares(Board& board, const std::vector<int>& squares, std::size_t humans)
{
    for (std::size_t i = 0; i < squares.size(); ++i) {
        const SquareSides s = squareSides(squares[i]);
        const Mark by = i < humans ? Mark::h : Mark::c;
        for (Edge e : { V(s.var1), H(s.var2), V(s.var3), H(s.var4) }) {
            if (board.isOpen(e.family, e.index))
                test::mark(board, { e }, by);
        }
    }
    for (std::size_t i = 0; i < squares.size(); ++i)
        test::own(board, squares[i], i < humans ? Mark::h : Mark::c);
}

std::vector<int> squaresFrom(int first, int last)
{
    std::vector<int> squares;
    for (int b = first; b <= last; ++b)
        squares.push_back(b);
    return squares;
}

TEST(GameFlow, HumanWhoCompletesASquareMovesAgainAndTheComputerWaits)
{
    auto t = TestGame::scripted();
    Board& board = t->board();
    test::mark(board, { V(1), H(1), H(6) });
    t->click(V(6));
    EXPECT_EQ(board.shpMiddle[1].tag, Mark::h);
    EXPECT_EQ(board.shpMiddle[1].backColor, kHumanColour);
    EXPECT_EQ(board.lblScore1, "1");
    EXPECT_EQ(board.turnCount, 3);
    EXPECT_EQ(countMarked(board, Mark::c), 0);
    EXPECT_EQ(t->random->drawCount(), 0u);
    EXPECT_TRUE(test::invariantsHold(board));

    // One edge closing two squares scores both and still gives one extra turn.
    auto two = TestGame::scripted();
    test::mark(two->board(), { H(1), H(2), H(6), H(7), V(1), V(11) });
    two->click(V(6));
    EXPECT_EQ(two->board().lblScore1, "2");
    EXPECT_EQ(two->board().humanScore, 2);
    EXPECT_EQ(two->board().turnCount, 3);
    EXPECT_EQ(countMarked(two->board(), Mark::c), 0);
}

TEST(GameFlow, ComputerKeepsTakingReadySquaresWithinOneClick)
{
    // Squares 1 to 3 form a corridor closed on the left: the computer takes
    // all three in a row, then draws a random edge.
    auto t = TestGame::scripted({ 0.99f, 0.0f });
    Board& board = t->board();
    board.selectDifficulty(Difficulty::Easy);
    test::mark(board, { H(1), H(2), H(3), H(6), H(7), H(8), V(1) });
    t->click(H(26));
    for (int square : { 1, 2, 3 })
        EXPECT_EQ(board.shpMiddle[static_cast<std::size_t>(square)].tag, Mark::c) << square;
    EXPECT_EQ(board.lblScore2, "3");
    EXPECT_EQ(board.edgesMarked(Mark::c), (std::vector { V(6), V(11), V(16), V(30) }));
    EXPECT_EQ(GameTestSeam::deepestNesting(t->game), 4);
    EXPECT_EQ(t->random->drawCount(), 2u);
    EXPECT_EQ(board.turnCount % 2, 1);
    EXPECT_TRUE(test::invariantsHold(board));
}

TEST(GameFlow, TheRecordOfAClickListsEdgesAndSquaresInTheOrderTheyHappen)
{
    constexpr Player human = Player::Human;
    constexpr Player computer = Player::Computer;

    auto chain = TestGame::scripted({ 0.99f, 0.0f });
    chain->game.selectDifficulty(Difficulty::Easy);
    test::mark(chain->board(), { H(1), H(2), H(3), H(6), H(7), H(8), V(1) });
    chain->click(H(26));
    EXPECT_EQ(chain->turns.events,
        (std::vector { drew(human, H(26)), drew(computer, V(6)), took(computer, 1),
            drew(computer, V(11)), took(computer, 2), drew(computer, V(16)), took(computer, 3),
            drew(computer, V(30)) }));

    // One human edge closing two squares: both awarded in board order, and the
    // computer does not move.
    auto two = TestGame::scripted();
    test::mark(two->board(), { H(1), H(2), H(6), H(7), V(1), V(11) });
    two->click(V(6));
    EXPECT_EQ(
        two->turns.events, (std::vector { drew(human, V(6)), took(human, 1), took(human, 2) }));

    // A click that is not played reports nothing.
    two->turns.events.clear();
    two->click(V(6));
    two->click(V(0));
    two->game.edgeClicked({ NoFamily, 3 });
    EXPECT_TRUE(two->turns.events.empty());
}

TEST(GameFlow, TheLastSquareEndsTheGameWithOneMessageNamingTheWinner)
{
    {
        auto t = TestGame::scripted();
        Board& board = t->board();
        std::vector<int> rest = squaresFrom(2, 25);
        ownSquares(board, rest, 12);
        test::mark(board, { V(1), V(6), H(6) });
        ASSERT_TRUE(board.isOpen(Horizontal, 1));
        t->click(H(1));
        ASSERT_EQ(t->messages.shown.size(), 1u);
        EXPECT_EQ(t->messages.shown[0],
            (test::ShownMessage {
                "You win with 13 squares completed.", MessageStyle::OkOnly, "Quadlo" }));
        EXPECT_TRUE(board.gameOver);
        EXPECT_EQ(board.turnCount % 2, 1);
        EXPECT_EQ(t->random->drawCount(), 0u) << "no computer edge after the human's last";

        const auto before = test::snapshot(board);
        t->click(H(1));
        t->click(V(30));
        EXPECT_EQ(test::snapshot(board), before);
        EXPECT_EQ(t->messages.shown.size(), 1u);
    }
    {
        // The human's edge leaves squares 1 and 2 waiting on the shared side:
        // the computer takes both and wins 13 to 12.
        auto t = TestGame::scripted({ 0.5f });
        Board& board = t->board();
        std::vector<int> rest = squaresFrom(3, 25);
        ownSquares(board, rest, 12);
        test::mark(board, { V(1), H(6), H(2), V(11), H(7) });
        t->click(H(1));
        ASSERT_EQ(t->messages.shown.size(), 1u);
        EXPECT_EQ(t->messages.shown[0],
            (test::ShownMessage {
                "The computer wins with 13 squares completed.", MessageStyle::OkOnly, "Quadlo" }));
        EXPECT_EQ(board.lblScore1, "12");
        EXPECT_EQ(board.lblScore2, "13");
        EXPECT_TRUE(board.gameOver);
        // The nested turn that announces the end finds no edge: one draw for
        // the random edge's index, nothing drawn.
        EXPECT_EQ(t->random->drawCount(), 1u);
        EXPECT_EQ(GameTestSeam::deepestNesting(t->game), 2);
        EXPECT_TRUE(test::invariantsHold(board));
    }
}

// The window's expert gives the computer's edges: the game draws none of its
// own, and scores them, gives the computer its next move after a square and
// ends the game by its own rules.
TEST(GameFlow, AComputerFromOutsideDrawsOnlyTheEdgesItIsGivenUnderTheSameRules)
{
    constexpr Player human = Player::Human;
    constexpr Player computer = Player::Computer;
    {
        auto t = TestGame::scripted();
        Board& board = t->board();
        t->game.selectDifficulty(Difficulty::Hard);
        t->game.setComputerFromOutside(true);
        test::mark(board, { H(1), H(2), H(3), H(6), H(7), H(8), V(1) });
        t->click(H(26));
        EXPECT_TRUE(t->game.awaitsComputerEdge());
        t->click(H(27));
        t->game.playComputerEdge(V(6));
        EXPECT_TRUE(t->game.awaitsComputerEdge());
        t->game.playComputerEdge(V(6));
        t->game.playComputerEdge(V(0));
        t->game.playComputerEdge(V(30));
        EXPECT_TRUE(t->game.humanToMove());
        t->game.playComputerEdge(V(29));
        EXPECT_EQ(t->turns.events,
            (std::vector { drew(human, H(26)), drew(computer, V(6)), took(computer, 1),
                drew(computer, V(30)) }));
        EXPECT_EQ(t->random->drawCount(), 0u);
        EXPECT_TRUE(test::invariantsHold(board));
    }
    {
        auto t = TestGame::scripted();
        Board& board = t->board();
        t->game.setComputerFromOutside(true);
        ownSquares(board, squaresFrom(3, 25), 12);
        test::mark(board, { V(1), H(6), H(2), V(11), H(7) });
        t->click(H(1));
        t->game.playComputerEdge(V(6));
        ASSERT_EQ(t->messages.shown.size(), 1u);
        EXPECT_EQ(t->messages.shown[0].text, "The computer wins with 13 squares completed.");
        EXPECT_TRUE(board.gameOver);
        EXPECT_FALSE(t->game.awaitsComputerEdge());
    }
}

TEST(GameFlow, ClicksThatAreNotAllowedChangeNothing)
{
    auto t = TestGame::scripted();
    Board& board = t->board();
    test::mark(board, { V(3) }, Mark::h);
    test::mark(board, { H(4) }, Mark::c);
    test::mark(board, { H(9) }, Mark::vh);
    const auto before = test::snapshot(board);
    for (Edge e : { V(3), H(4), H(9), V(0), H(0), V(31), H(31), V(-1), H(32767) })
        t->click(e);
    EXPECT_EQ(test::snapshot(board), before);
    EXPECT_EQ(board.turnCount, 1);
    EXPECT_EQ(t->random->drawCount(), 0u);
}

TEST(GameFlow, APositionWhoseTurnCounterCouldWrapBeforeTheEndIsRefused)
{
    auto t = TestGame::scripted();
    Position position;
    for (std::int16_t turn : { std::int16_t { -1 }, std::int16_t { kMaxPositionTurn + 1 } }) {
        position.turn = turn;
        EXPECT_THROW(t->game.setPosition(position), std::out_of_range) << turn;
    }
    EXPECT_EQ(t->board().turnCount, 1);
    position.turn = kMaxPositionTurn;
    t->game.setPosition(position);
    EXPECT_EQ(t->board().turnCount, kMaxPositionTurn);
}

TEST(GameFlow, AClickWhileTheCountIsEvenLetsTheComputerMoveInstead)
{
    auto t = TestGame::scripted({ 0.0f, 0.99f });
    Board& board = t->board();
    board.selectDifficulty(Difficulty::Easy);
    board.turnCount = 2;
    t->click(V(5));
    EXPECT_EQ(board.lblshape1[5].tag, Mark::a) << "the human's click is not drawn";
    EXPECT_EQ(board.edgesMarked(Mark::c), (std::vector { H(1) }));
    EXPECT_EQ(board.turnCount, 3);
}

TEST(GameFlow, TheRandomEdgesFamilyStaysOneOrTwoForTheLargestDraw)
{
    // 2r + 1 for the largest float below 1 rounds to 3 in single precision;
    // the family is still 2, with no extra draw.
    auto t = TestGame::scripted({ 0.5f, std::nextafter(1.0f, 0.0f) });
    Board& board = t->board();
    board.selectDifficulty(Difficulty::Easy);
    t->click(V(1));
    EXPECT_EQ(board.edgesMarked(Mark::c), (std::vector { H(16) }));
    EXPECT_EQ(t->random->drawCount(), 2u);
}

// Random values the computer's first answer takes on a board with the human's
// H30 drawn: Easy draws a random edge (index, family), Medium adds the safe-move
// search (horizontal slot, vertical slot, coin), Hard runs that search twice
// more in its set-up.
constexpr std::size_t kEasyDraws = 2;
constexpr std::size_t kMediumDraws = 3;
constexpr std::size_t kHardDraws = 9;

std::size_t drawsOfFirstAnswer(std::optional<Difficulty> level, Edge* answer = nullptr)
{
    auto t = TestGame::scripted(std::vector<float>(20, 0.1f));
    if (level)
        t->board().selectDifficulty(*level);
    t->click(H(30));
    if (answer) {
        const auto drawn = t->board().edgesMarked(Mark::c);
        *answer = drawn.empty() ? Edge { NoFamily, 0 } : drawn.front();
    }
    return static_cast<std::size_t>(t->random->drawCount());
}

TEST(GameFlow, TheDifficultyDecidesWhichStrategiesRun)
{
    EXPECT_EQ(drawsOfFirstAnswer(Difficulty::Easy), kEasyDraws);
    EXPECT_EQ(drawsOfFirstAnswer(Difficulty::Medium), kMediumDraws);
    EXPECT_EQ(drawsOfFirstAnswer(Difficulty::Hard), kHardDraws);

    Edge medium {};
    Edge none {};
    EXPECT_EQ(drawsOfFirstAnswer(std::nullopt, &none), kMediumDraws);
    drawsOfFirstAnswer(Difficulty::Medium, &medium);
    EXPECT_EQ(none, medium) << "no option selected plays as Medium";
    // Slot 4 of each list, and the coin 0.1 * 2 + 1 < 2 picks the vertical one.
    EXPECT_EQ(medium, V(4));
}

TEST(GameFlow, TheDifficultyIsReadAfreshAtEveryComputerTurn)
{
    // The Easy turn draws V16 (0.5, then 0.1 for the family); the Hard turn's
    // three searches then all find their slots filled at the first draw.
    std::vector<float> values(40, 0.1f);
    values[0] = 0.5f;
    auto t = TestGame::scripted(values);
    Board& board = t->board();
    board.selectDifficulty(Difficulty::Easy);
    t->click(H(30));
    EXPECT_EQ(t->random->drawCount(), kEasyDraws);
    board.selectDifficulty(Difficulty::Hard);
    t->click(H(29));
    EXPECT_EQ(t->random->drawCount(), kEasyDraws + kHardDraws);
}

TEST(GameFlow, HardTurnsFlagTheEndgameFromTwentyOneAndTwentyThreeOwnedSquares)
{
    struct Case {
        int owned;
        bool near;
        bool late;
    };
    for (const Case c : { Case { 20, false, false }, Case { 21, true, false },
             Case { 22, true, false }, Case { 23, true, true } }) {
        auto t = TestGame::seeded(5);
        Board& board = t->board();
        board.selectDifficulty(Difficulty::Hard);
        ownSquares(board, squaresFrom(1, c.owned), static_cast<std::size_t>(c.owned / 2));
        // The bottom edge of square 25 closes nothing and leaves nothing ready.
        t->click(H(30));
        EXPECT_EQ(board.completedSquares, c.owned) << c.owned;
        EXPECT_EQ(board.nearEndgame, c.near) << c.owned;
        EXPECT_EQ(board.lateEndgame, c.late) << c.owned;
        EXPECT_EQ(board.computerScore + board.humanScore, c.owned) << c.owned;
        EXPECT_TRUE(test::invariantsHold(board)) << c.owned;
    }
}

TEST(GameFlow, NewGameClearsTheBoardAndKeepsTheStoredDifficulty)
{
    auto t = TestGame::seeded(3);
    Board& board = t->board();
    board.selectDifficulty(Difficulty::Hard);
    t->click(V(1));
    t->click(H(7));
    board.nearEndgame = board.lateEndgame = true;
    t->game.mnuNew_Click();
    EXPECT_EQ(t->form.reloads, 1);
    EXPECT_EQ(board.savedDifficulty, Difficulty::Hard);
    EXPECT_EQ(board.selectedDifficulty(), Difficulty::Hard);
    EXPECT_EQ(test::snapshot(board), test::snapshot(Board {}));
    for (int square = 1; square <= kSquareCount; ++square) {
        EXPECT_EQ(board.shpMiddle[static_cast<std::size_t>(square)].tag, Mark::a) << square;
        EXPECT_EQ(board.shpMiddle[static_cast<std::size_t>(square)].backColor, kBoardColour);
    }
    EXPECT_EQ(board.lblScore1, "0");
    EXPECT_EQ(board.lblScore2, "0");
    EXPECT_EQ(board.turnCount, 1);
    EXPECT_FALSE(board.nearEndgame);
    EXPECT_FALSE(board.lateEndgame);
    EXPECT_FALSE(board.gameOver);

    // With no option selected the stored difficulty stays as it was: empty at
    // program start, so again nothing is selected.
    auto fresh = TestGame::seeded(3);
    fresh->game.mnuNew_Click();
    EXPECT_FALSE(fresh->board().savedDifficulty.has_value());
    EXPECT_FALSE(fresh->board().selectedDifficulty().has_value());
}

// Everything a take back must bring back: the edges, the owners, scores and
// captions, the game flow's flags and last edge, the generator's draws, and
// the game's moves so far.
struct WholeState {
    test::EdgeSnapshot edges;
    test::ScoreSnapshot scores;
    std::int16_t turnCount;
    std::int16_t moveEdge;
    Family moveFamily;
    bool gameOver;
    bool nearEndgame;
    bool lateEndgame;
    std::uint64_t draws;
    std::vector<TurnEvent> moves;
    bool operator==(const WholeState&) const = default;
};

WholeState wholeState(TestGame& t)
{
    const Board& b = t.board();
    return { test::snapshot(b), test::scores(b), b.turnCount, b.moveEdge, b.moveFamily, b.gameOver,
        b.nearEndgame, b.lateEndgame, t.random->drawCount(), t.game.moves() };
}

// The first open edge that gives no square a third side, in board order.
Edge firstSafeEdge(const Board& board)
{
    Edge found { NoFamily, 0 };
    forEachEdge([&](Edge e) {
        bool safe = board.isOpen(e);
        for (int square = 1; square <= kSquareCount && safe; ++square) {
            const auto sides = sideEdges(square);
            if (std::find(sides.begin(), sides.end(), e) != sides.end())
                safe = drawnSides(board, square) < 2;
        }
        if (safe && found.family == NoFamily)
            found = e;
    });
    return found;
}

TEST(GameFlow, TakeBackRestoresTheWholeStateAndTheSameEdgeGetsTheSameAnswer)
{
    auto t = TestGame::seeded(11);
    t->board().selectDifficulty(Difficulty::Hard);
    EXPECT_FALSE(t->game.canTakeBack());
    const WholeState start = wholeState(*t);
    for (int i = 0; i < 3; ++i)
        t->click(firstSafeEdge(t->board()));
    // The game's moves are what it reported, in order.
    EXPECT_EQ(t->game.moves(), t->turns.events);
    const WholeState beforeFourth = wholeState(*t);
    const Edge fourth = firstSafeEdge(t->board());
    t->click(fourth);
    const WholeState afterFourth = wholeState(*t);
    t->click(firstSafeEdge(t->board()));
    ASSERT_NE(wholeState(*t), afterFourth);

    // The level chosen since stays chosen.
    t->board().selectDifficulty(Difficulty::Medium);
    t->game.takeBack();
    EXPECT_EQ(wholeState(*t), afterFourth);
    EXPECT_EQ(t->board().selectedDifficulty(), Difficulty::Medium);
    t->board().selectDifficulty(Difficulty::Hard);
    t->game.takeBack();
    EXPECT_EQ(wholeState(*t), beforeFourth);
    t->click(fourth);
    EXPECT_EQ(wholeState(*t), afterFourth);

    for (int i = 0; i < 4; ++i)
        t->game.takeBack();
    EXPECT_EQ(wholeState(*t), start);
    EXPECT_FALSE(t->game.canTakeBack());
    t->game.takeBack();
    EXPECT_EQ(wholeState(*t), start);

    t->click(fourth);
    EXPECT_TRUE(t->game.canTakeBack());
    t->game.mnuNew_Click();
    EXPECT_FALSE(t->game.canTakeBack());
    EXPECT_TRUE(t->game.moves().empty());
}

TEST(GameFlow, NewGameReseedsTheGeneratorSoTheSameSeedReplaysTheSameGame)
{
    int reseeds = 0;
    auto source = std::make_unique<GameRandom>([&reseeds] {
        ++reseeds;
        return 42u;
    });
    TestGame t(std::move(source));
    const int atStart = reseeds;
    t.game.mnuNew_Click();
    EXPECT_EQ(reseeds - atStart, 2) << "the reloaded form's load event and the explicit run";

    t.click(H(30));
    const auto first = test::snapshot(t.board());
    t.game.mnuNew_Click();
    t.click(H(30));
    EXPECT_EQ(test::snapshot(t.board()), first);
}

TEST(GameFlow, HelpMenuShowsTheRulesAndAboutBoxesAndExitEndsTheProgram)
{
    auto t = TestGame::scripted();
    t->game.mnuRules_Click();
    t->game.mnuAbout_Click();
    ASSERT_EQ(t->messages.shown.size(), 2u);
    const test::ShownMessage& rules = t->messages.shown[0];
    EXPECT_EQ(rules.title, "Rules of Quadlo");
    EXPECT_EQ(rules.style, MessageStyle::Information);
    EXPECT_EQ(rules.text.rfind("The goal of Quadlo is to complete the greatest number\r\n", 0), 0u);
    EXPECT_NE(rules.text.find("of squares.  To create squares, you must click on the\r\n"),
        std::string::npos);
    const std::string lastLine = "who completed the most squares is the winner.";
    EXPECT_EQ(rules.text.substr(rules.text.size() - lastLine.size()), lastLine);
    int lines = 1;
    for (std::size_t at = rules.text.find("\r\n"); at != std::string::npos;
         at = rules.text.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 10);

    const test::ShownMessage& about = t->messages.shown[1];
    EXPECT_EQ(about.title, "About Quadlo");
    EXPECT_EQ(about.style, MessageStyle::Information);
    EXPECT_EQ(std::count(about.text.begin(), about.text.end(), '\n'), 3);
    EXPECT_EQ(about.text.rfind("Quadlo! 2.0\r\n", 0), 0u);

    EXPECT_EQ(test::snapshot(t->board()), test::snapshot(Board {}));
    EXPECT_EQ(t->form.exits, 0);
    t->game.mnuExit_Click();
    EXPECT_EQ(t->form.exits, 1);
}

TEST(GameFlow, TheEndOfGameTestReadsTheCaptionsNumericValue)
{
    EXPECT_EQ(captionValue("0"), 0);
    EXPECT_EQ(captionValue("12"), 12);
    EXPECT_EQ(captionValue(" 7 squares"), 7);
    EXPECT_EQ(captionValue(""), 0);
    EXPECT_EQ(captionValue("x"), 0);
}

} // namespace
} // namespace quadlo
