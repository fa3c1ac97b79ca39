// SPDX-License-Identifier: GPL-3.0-or-later
// The referee against hand-made clicks: a few that keep the rules, and one
// illegal outcome of each kind it is there to catch. Square 0 has the sides 0
// (left), 30 (top), 5 (right) and 35 (bottom); edge 59 and edge 20 close
// nothing on these boards. Verdicts call edge 35 h6 and square 0 square 1.
#include <gtest/gtest.h>

#include <functional>

#include "referee/Referee.h"

namespace quadlo::referee {
namespace {

struct Click {
    View before;
    View after;
    int clicked = 0;
    Seen seen;

    std::string verdict() const { return judgeClick(before, clicked, after, seen); }
    ::testing::AssertionResult breaks(const std::string& rule) const
    {
        const std::string v = verdict();
        if (v.find(rule) != std::string::npos)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the verdict is \"" << v << "\"";
    }
    // The player draws the edge, on the board and in the record.
    void draw(char player, int edge)
    {
        after.edges[static_cast<std::size_t>(edge)] = player;
        after.edgeColours[static_cast<std::size_t>(edge)] = player;
        seen.steps.push_back({ player, edge, -1 });
    }
    // The player is awarded the square, on the board and in the record.
    void take(char player, int square)
    {
        award(after, square, player);
        seen.steps.push_back({ player, -1, square });
    }
    static void award(View& view, int square, char owner)
    {
        view.squares[static_cast<std::size_t>(square)] = owner;
        view.squareColours[static_cast<std::size_t>(square)] = owner;
        int& score = owner == 'h' ? view.humanScore : view.computerScore;
        ++score;
        (owner == 'h' ? view.humanCaption : view.computerCaption) = std::to_string(score);
    }
};

// The human clicks `clicked` on a board with three sides of square 0 drawn;
// the computer's answer is drawn by the test.
Click threeSidesOfSquareZero(int clicked)
{
    View start;
    for (std::size_t e : { 0, 30, 5 })
        start.edges[e] = start.edgeColours[e] = 'h';
    Click c { start, start, clicked, {} };
    c.draw('h', clicked);
    return c;
}

TEST(Referee, AcceptsClicksThatKeepTheRules)
{
    Click human = threeSidesOfSquareZero(35);
    human.take('h', 0);
    EXPECT_EQ(human.verdict(), "");

    Click computer = threeSidesOfSquareZero(59);
    computer.draw('c', 35);
    computer.take('c', 0);
    computer.draw('c', 20);
    EXPECT_EQ(computer.verdict(), "");

    Click drawnEdge = threeSidesOfSquareZero(0);
    drawnEdge.after = drawnEdge.before;
    drawnEdge.seen = {};
    EXPECT_EQ(drawnEdge.verdict(), "");

    EXPECT_EQ(judgeStart(View {}), "");
    EXPECT_EQ(judgeStart(human.before), "a new game starts with edges drawn");
}

TEST(Referee, RejectsEdgesDrawnOutsideTheTurnOrder)
{
    Click twoQuietEdges = threeSidesOfSquareZero(59);
    twoQuietEdges.draw('c', 20);
    twoQuietEdges.draw('c', 21);
    EXPECT_TRUE(twoQuietEdges.breaks("cannot have been drawn one a move"));

    Click stopsAfterClosing = threeSidesOfSquareZero(59);
    stopsAfterClosing.draw('c', 35);
    stopsAfterClosing.take('c', 0);
    EXPECT_TRUE(stopsAfterClosing.breaks("cannot have been drawn one a move"));

    Click answersAnExtraTurn = threeSidesOfSquareZero(35);
    answersAnExtraTurn.take('h', 0);
    answersAnExtraTurn.draw('c', 20);
    EXPECT_TRUE(answersAnExtraTurn.breaks("the computer moved after the human closed a square"));

    Click noAnswer = threeSidesOfSquareZero(59);
    EXPECT_TRUE(noAnswer.breaks("the computer did not answer the click"));

    Click twoRedEdges = threeSidesOfSquareZero(59);
    twoRedEdges.draw('c', 20);
    twoRedEdges.after.edges[21] = twoRedEdges.after.edgeColours[21] = 'h';
    EXPECT_TRUE(twoRedEdges.breaks("2 red edges for one click on h30"));

    Click computerToMove = threeSidesOfSquareZero(59);
    computerToMove.draw('c', 20);
    computerToMove.after.turn = 2;
    EXPECT_TRUE(computerToMove.breaks("the click ended with the computer to move"));
}

TEST(Referee, RejectsARecordThatIsNotTheClickAsItHappened)
{
    // The board allows 35 then 20, but the record has them the other way round.
    Click outOfOrder = threeSidesOfSquareZero(59);
    outOfOrder.draw('c', 20);
    outOfOrder.draw('c', 35);
    outOfOrder.take('c', 0);
    EXPECT_TRUE(outOfOrder.breaks("the record gives h6 to a player not to move"));

    Click unreported = threeSidesOfSquareZero(59);
    unreported.draw('c', 20);
    unreported.seen.steps.pop_back();
    EXPECT_TRUE(unreported.breaks("the record differs from the board"));

    Click awardedLate = threeSidesOfSquareZero(59);
    awardedLate.draw('c', 35);
    awardedLate.draw('c', 20);
    awardedLate.take('c', 0);
    EXPECT_TRUE(awardedLate.breaks("the record goes on before it awards square 1"));
}

TEST(Referee, RejectsSquaresScoresAndColoursThatDoNotFollowTheMoves)
{
    Click wrongOwner = threeSidesOfSquareZero(35);
    wrongOwner.take('c', 0);
    EXPECT_TRUE(wrongOwner.breaks("square 1 went to the player who did not close it"));

    Click unowned = threeSidesOfSquareZero(35);
    EXPECT_TRUE(unowned.breaks("square 1 is closed but has no owner"));

    // The human's square, with one thing on the board after it wrong.
    const std::vector<std::pair<std::function<void(View&)>, std::string>> spoiled {
        { [](View& v) { v.humanScore = 0; }, "a score differs from the number of squares" },
        { [](View& v) { v.humanCaption = "0"; }, "a score caption differs from its score" },
        { [](View& v) { v.edgeColours[35] = 'c'; },
            "edge h6 is shown in another colour than its mark's" },
        { [](View& v) { v.level = 'e'; }, "the level changed during the click" },
        { [](View& v) { v.settled = false; }, "the game was left in the middle of a turn" },
    };
    for (const auto& [spoil, rule] : spoiled) {
        Click c = threeSidesOfSquareZero(35);
        c.take('h', 0);
        spoil(c.after);
        EXPECT_TRUE(c.breaks(rule));
    }

    Click drawnEdgeDraws = threeSidesOfSquareZero(0);
    drawnEdgeDraws.after = drawnEdgeDraws.before;
    drawnEdgeDraws.seen = {};
    ++drawnEdgeDraws.after.draws;
    EXPECT_TRUE(drawnEdgeDraws.breaks("a click on a drawn edge changed the game"));
}

TEST(Referee, RejectsAnEndOfGameAtTheWrongTimeOrWithTheWrongMessage)
{
    // Every edge but 35 drawn and every square but 0 owned by the computer.
    View lastSquare;
    lastSquare.edges.fill('c');
    lastSquare.edgeColours.fill('c');
    lastSquare.edges[35] = lastSquare.edgeColours[35] = 'a';
    for (int s = 1; s < 25; ++s)
        Click::award(lastSquare, s, 'c');
    Click last { lastSquare, lastSquare, 35, {} };
    last.draw('h', 35);
    last.take('h', 0);
    last.after.over = true;

    const Message result { "The computer wins with 24 squares completed.", 0, "Quadlo" };
    Click right = last;
    right.seen.messages = { result };
    EXPECT_EQ(right.verdict(), "");

    Click silent = last;
    EXPECT_TRUE(silent.breaks("0 messages where the rules give 1"));

    Click twice = last;
    twice.seen.messages = { result, result };
    EXPECT_TRUE(twice.breaks("2 messages where the rules give 1"));

    Click wrongWinner = last;
    wrongWinner.seen.messages = { { "You win with 1 squares completed.", 0, "Quadlo" } };
    EXPECT_TRUE(wrongWinner.breaks("1 messages where the rules give 1, the first: You win"));

    Click early = threeSidesOfSquareZero(59);
    early.draw('c', 20);
    early.after.over = true;
    EXPECT_TRUE(early.breaks("the game ended with squares unowned"));
}

} // namespace
} // namespace quadlo::referee
