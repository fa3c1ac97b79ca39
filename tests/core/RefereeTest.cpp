// SPDX-License-Identifier: GPL-3.0-or-later
// The referee against hand-made clicks: a few that keep the rules, and one
// illegal outcome of each kind it is there to catch. Square 0 has the sides 0
// (left), 30 (top), 5 (right) and 35 (bottom); edge 59 and edge 20 close
// nothing on these boards.
#include <gtest/gtest.h>

#include "Referee.h"

namespace quadlo::test {
namespace {

struct Click {
    RefereeView before;
    RefereeView after;
    int clicked = 0;
    std::vector<ShownMessage> shown;

    std::string verdict() const { return judgeClick(before, clicked, after, shown); }
};

RefereeView drawnView(std::initializer_list<int> drawn)
{
    RefereeView view;
    view.edges.fill('a');
    view.squares.fill('a');
    for (int e : drawn)
        view.edges[static_cast<std::size_t>(e)] = 'h';
    return view;
}

void award(RefereeView& view, int square, char owner)
{
    view.squares[static_cast<std::size_t>(square)] = owner;
    int& score = owner == 'h' ? view.humanScore : view.computerScore;
    ++score;
    (owner == 'h' ? view.humanCaption : view.computerCaption) = std::to_string(score);
}

// The human clicks `clicked` on a board with three sides of square 0 drawn,
// and the computer answers with `green`, in that order.
Click threeSidesOfSquareZero(int clicked, std::initializer_list<int> green)
{
    Click c { drawnView({ 0, 30, 5 }), drawnView({ 0, 30, 5 }), clicked, {} };
    c.after.edges[static_cast<std::size_t>(clicked)] = 'h';
    for (int e : green)
        c.after.edges[static_cast<std::size_t>(e)] = 'c';
    return c;
}

TEST(Referee, AcceptsClicksThatKeepTheRules)
{
    Click human = threeSidesOfSquareZero(35, {});
    award(human.after, 0, 'h');
    EXPECT_EQ(human.verdict(), "");

    Click computer = threeSidesOfSquareZero(59, { 35, 20 });
    award(computer.after, 0, 'c');
    EXPECT_EQ(computer.verdict(), "");

    Click drawnEdge = threeSidesOfSquareZero(0, {});
    drawnEdge.after = drawnEdge.before;
    EXPECT_EQ(drawnEdge.verdict(), "");
}

TEST(Referee, RejectsEdgesDrawnOutsideTheTurnOrder)
{
    Click twoQuietEdges = threeSidesOfSquareZero(59, { 20, 21 });
    EXPECT_NE(twoQuietEdges.verdict(), "");

    Click stopsAfterClosing = threeSidesOfSquareZero(59, { 35 });
    award(stopsAfterClosing.after, 0, 'c');
    EXPECT_NE(stopsAfterClosing.verdict(), "");

    Click answersAnExtraTurn = threeSidesOfSquareZero(35, { 20 });
    award(answersAnExtraTurn.after, 0, 'h');
    EXPECT_NE(answersAnExtraTurn.verdict(), "");

    Click noAnswer = threeSidesOfSquareZero(59, {});
    EXPECT_NE(noAnswer.verdict(), "");

    Click twoRedEdges = threeSidesOfSquareZero(59, { 20 });
    twoRedEdges.after.edges[21] = 'h';
    EXPECT_NE(twoRedEdges.verdict(), "");

    Click computerToMove = threeSidesOfSquareZero(59, { 20 });
    computerToMove.after.humanToMove = false;
    EXPECT_NE(computerToMove.verdict(), "");
}

TEST(Referee, RejectsSquaresAndScoresThatDoNotFollowTheLastSide)
{
    Click wrongOwner = threeSidesOfSquareZero(35, {});
    award(wrongOwner.after, 0, 'c');
    EXPECT_NE(wrongOwner.verdict(), "");

    Click unowned = threeSidesOfSquareZero(35, {});
    EXPECT_NE(unowned.verdict(), "");

    Click scoreNotRaised = threeSidesOfSquareZero(35, {});
    scoreNotRaised.after.squares[0] = 'h';
    EXPECT_NE(scoreNotRaised.verdict(), "");

    Click captionBehind = threeSidesOfSquareZero(35, {});
    award(captionBehind.after, 0, 'h');
    captionBehind.after.humanCaption = "0";
    EXPECT_NE(captionBehind.verdict(), "");
}

TEST(Referee, RejectsAnEndOfGameAtTheWrongTimeOrWithTheWrongMessage)
{
    // Every edge but 35 drawn and every square but 0 owned by the computer.
    RefereeView lastSquare = drawnView({});
    lastSquare.edges.fill('c');
    lastSquare.edges[35] = 'a';
    for (int s = 1; s < 25; ++s)
        award(lastSquare, s, 'c');
    Click last { lastSquare, lastSquare, 35, {} };
    last.after.edges[35] = 'h';
    award(last.after, 0, 'h');
    last.after.over = true;

    const ShownMessage result { "The computer wins with 24 squares completed.",
        MessageStyle::OkOnly, "Quadlo" };
    Click right = last;
    right.shown = { result };
    EXPECT_EQ(right.verdict(), "");

    Click silent = last;
    EXPECT_NE(silent.verdict(), "");

    Click twice = last;
    twice.shown = { result, result };
    EXPECT_NE(twice.verdict(), "");

    Click wrongWinner = last;
    wrongWinner.shown = { { "You win with 1 squares completed.", MessageStyle::OkOnly, "Quadlo" } };
    EXPECT_NE(wrongWinner.verdict(), "");

    Click early = threeSidesOfSquareZero(59, { 20 });
    early.after.over = true;
    EXPECT_NE(early.verdict(), "");
}

} // namespace
} // namespace quadlo::test
