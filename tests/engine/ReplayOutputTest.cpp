// SPDX-License-Identifier: GPL-3.0-or-later
// What a replay prints for each command and how the commands act on the game.
// The expected moves are worked out from the turn driver's rules: at Easy on
// a board with no ready square the computer draws moveEdge = int(30r + 1),
// then moveFamily = int(2r + 1).
#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "analysis/ExpertPlayer.h"
#include "engine/Replay.h"
#include "game/Game.h"

namespace quadlo::engine {
namespace {

using test::field;
using test::lines;
using test::PositionText;
using test::replay;

const std::string kEmpty = PositionText {}.boardFields();

// The output of a script that must run to its end.
std::vector<std::string> output(const std::string& script)
{
    const auto run = replay(script);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    return lines(run.out);
}

TEST(ReplayOutput, SelectPrintsTheWholeStateLine)
{
    EXPECT_EQ(replay("select easy\nselect hard\n").out,
        "v=aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa h=aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa "
        "sq=aaaaaaaaaaaaaaaaaaaaaaaaa score=0-0 turn=1 over=0 near=0 late=0 level=easy rng=0\n"
        "v=aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa h=aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa "
        "sq=aaaaaaaaaaaaaaaaaaaaaaaaa score=0-0 turn=1 over=0 near=0 late=0 level=hard rng=0\n");
}

TEST(ReplayOutput, AnEasyClickOnAnEmptyBoardDrawsTheEdgeTwoScriptedValuesName)
{
    // 0.5 gives edge int(16) = 16, 0.7 family int(2.4) = 2: lblshape2(16).
    const auto out = output("select easy\nrandom 0.5 0.7\nclick v 1\n");
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[1],
        "v=haaaaaaaaaaaaaaaaaaaaaaaaaaaaa h=aaaaaaaaaaaaaaacaaaaaaaaaaaaaa "
        "sq=aaaaaaaaaaaaaaaaaaaaaaaaa score=0-0 turn=3 over=0 near=0 late=0 level=easy rng=2");
}

TEST(ReplayOutput, AMediumClickTakesTheSafeEdgeThatFourScriptedValuesPick)
{
    // Every open edge costs 0: the horizontal pick takes slot 4, the vertical
    // pick hits the empty slot 1 (edge 1 is drawn) and redraws slot 16, and
    // the tie goes to vertical since 0.3 * 2 + 1 < 2. No option plays as Medium.
    const std::string expected = "v=haaaaaaaaaaaaaacaaaaaaaaaaaaaa h=" + std::string(30, 'a')
        + " sq=" + std::string(25, 'a') + " score=0-0 turn=3 over=0 near=0 late=0";
    EXPECT_EQ(output("select medium\nrandom 0.1 0 0.5 0.3\nclick v 1\n").at(1),
        expected + " level=medium rng=4");
    EXPECT_EQ(output("random 0.1 0 0.5 0.3\nclick v 1\n").at(0), expected + " level=none rng=4");
}

TEST(ReplayOutput, AClickOnADrawnEdgeDoesNothingAndOneOnAnEvenCountOnlyLetsTheComputerMove)
{
    const auto out = output("select easy\nrandom 0.5 0.7\nclick v 1\nclick v 1\nclick h 16\n");
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[2], out[1]);
    EXPECT_EQ(out[3], out[1]);

    PositionText even;
    even.turn = 2;
    const auto computerOnly
        = output("select easy\nrandom 0.5 0.7\n" + even.line() + "\nclick v 1\n");
    EXPECT_EQ(field(computerOnly.at(2), "v"), std::string(30, 'a'));
    EXPECT_EQ(field(computerOnly.at(2), "h"), "aaaaaaaaaaaaaaacaaaaaaaaaaaaaa");
    EXPECT_EQ(field(computerOnly.at(2), "turn"), "3");
}

TEST(ReplayOutput, AHumanWhoCompletesASquareMovesAgainWithoutAComputerDraw)
{
    PositionText p;
    p.draw('v', 1).draw('h', 1).draw('v', 6);
    const auto out = output(p.line() + "\nclick h 6\n");
    ASSERT_EQ(out.size(), 2u);
    p.draw('h', 6).sq[0] = 'h';
    EXPECT_EQ(out[1], p.boardFields() + " score=1-0 turn=3 over=0 near=0 late=0 level=none rng=0");
}

TEST(ReplayOutput, TheHumansLastSquarePrintsTheResultMessageBeforeTheStateLine)
{
    PositionText p = test::lastSquareOpen();
    p.draw('h', 30, 'c');
    const auto out = output(p.line() + "\nclick v 30\n");
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(
        out[0], p.boardFields() + " score=12-12 turn=1 over=0 near=0 late=0 level=none rng=0");
    EXPECT_EQ(out[1], "message: Quadlo | 0 | You win with 13 squares completed.");
    p.draw('v', 30, 'h').sq[24] = 'h';
    EXPECT_EQ(
        out[2], p.boardFields() + " score=13-12 turn=3 over=1 near=0 late=0 level=none rng=0");
}

TEST(ReplayOutput, TheComputersLastSquareIsAnnouncedByItsExtraTurnWhichStillDrawsOnce)
{
    // After the human's lblshape2(30) the computer takes square 25 with
    // lblshape1(30); its extra turn finds the game over, shows the result and
    // still draws the random edge number before finding no open edge.
    PositionText p = test::lastSquareOpen();
    const auto out = output("select easy\nrandom 0.25\n" + p.line() + "\nclick h 30\n");
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[2], "message: Quadlo | 0 | The computer wins with 13 squares completed.");
    p.draw('h', 30, 'h').draw('v', 30, 'c').sq[24] = 'c';
    EXPECT_EQ(
        out[3], p.boardFields() + " score=12-13 turn=4 over=1 near=0 late=0 level=easy rng=1");
}

TEST(ReplayOutput, MessageTextsWithLineBreaksStayOnOneLine)
{
    const std::string rules = messageLine(kRulesText, MessageStyle::Information, kRulesTitle);
    EXPECT_EQ(rules.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(rules.rfind("message: Rules of Quadlo | 64 | The goal of Quadlo is to complete the "
                          "greatest number\\nof squares.  To create",
                  0),
        0u);
    EXPECT_EQ(messageLine("one\r\ntwo\nthree\rfour", MessageStyle::OkOnly, "T"),
        "message: T | 0 | one\\ntwo\\nthree\\rfour");
}

TEST(ReplayOutput, NewGameKeepsTheSelectedLevelAndClearsTheBoardAndTheGameOverFlag)
{
    PositionText p = test::lastSquareOpen();
    p.draw('h', 30, 'c');
    p.turn = 9;
    const auto out = output("select hard\n" + p.line() + "\nclick v 30\nnew\n");
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(field(out[3], "over"), "1");
    EXPECT_EQ(out[4], kEmpty + " score=0-0 turn=1 over=0 near=0 late=0 level=hard rng=0");
    EXPECT_EQ(field(output("new\n").at(0), "level"), "none");
}

TEST(ReplayOutput, PositionIsPrintedBackWithColoursAndScoresFollowingTheMarks)
{
    PositionText p;
    p.draw('v', 1, 'h').draw('h', 30, 'c').own(7, 'c').own(13, 'h').own(14, 'h');
    p.turn = 6;
    EXPECT_EQ(output(p.line() + "\n").at(0),
        p.boardFields() + " score=2-1 turn=6 over=0 near=0 late=0 level=none rng=0");

    ReplaySession session;
    session.run(std::get<Command>(parseLine(p.line())));
    const Board& b = session.board();
    EXPECT_EQ(b.lblshape1[1].backColor, kHumanColour);
    EXPECT_EQ(b.lblshape2[30].backColor, kComputerColour);
    EXPECT_EQ(b.lblshape1[2].backColor, kBoardColour);
    EXPECT_EQ(b.shpMiddle[7].backColor, kComputerColour);
    EXPECT_EQ(b.shpMiddle[13].backColor, kHumanColour);
    EXPECT_EQ(b.shpMiddle[1].backColor, kBoardColour);
    EXPECT_EQ(b.humanScore, 2);
    EXPECT_EQ(b.computerScore, 1);
    EXPECT_EQ(b.lblScore1, "2");
    EXPECT_EQ(b.lblScore2, "1");
}

TEST(ReplayOutput, PositionKeepsEveryVariableItDoesNotList)
{
    PositionText end = test::lastSquareOpen();
    end.draw('h', 30, 'c');
    const auto out = output("select easy\nrandom 0.5 0.7\nclick v 1\n" + end.line()
        + "\nclick v 30\n" + PositionText {}.line() + "\n");
    ASSERT_EQ(out.size(), 6u);
    EXPECT_EQ(out[5], kEmpty + " score=0-0 turn=1 over=1 near=0 late=0 level=easy rng=2");
}

TEST(ReplayOutput, HardTurnsSetTheEndgameFlagsAtTwentyOneAndTwentyThreeOwnedSquares)
{
    // Only corner squares left: lblshape2(1) readies square 1 and no answer
    // of the computer can raise the count twice within the click.
    PositionText near;
    for (int square = 2; square <= 24; ++square) {
        if (square != 5 && square != 21)
            near.own(square, square % 2 ? 'h' : 'c');
    }
    PositionText late = near;
    late.own(5, 'h').own(21, 'c');
    const std::string atTwentyOne = output("select hard\n" + near.line() + "\nclick h 1\n").at(2);
    EXPECT_EQ(field(atTwentyOne, "near") + field(atTwentyOne, "late"), "10");
    const std::string atTwentyThree = output("select hard\n" + late.line() + "\nclick h 1\n").at(2);
    EXPECT_EQ(field(atTwentyThree, "near") + field(atTwentyThree, "late"), "11");
    const std::string medium = output("select medium\n" + late.line() + "\nclick h 1\n").at(2);
    EXPECT_EQ(field(medium, "near") + field(medium, "late"), "00");
}

TEST(ReplayOutput, RandomSeedCommentsAndBlankLinesPrintNothing)
{
    EXPECT_EQ(
        replay("# a comment\n\n \t\nrandom 0.5\nseed 12\n  # indented\r\nselect  easy \r\n").out,
        kEmpty + " score=0-0 turn=1 over=0 near=0 late=0 level=easy rng=0\n");
}

// The board after one Easy click on lblshape1(1) in a game on the core whose
// generator is seeded `seed`.
std::string easyClickOnTheCore(std::uint32_t seed)
{
    GameRandom random([seed] { return seed; });
    MessageLog messages;
    HeadlessForm form;
    Game game(random, messages, form);
    game.Form_Load();
    game.selectDifficulty(Difficulty::Easy);
    game.lblshape1_Click(1);
    return test::boardFields(game.board()) + " rng=" + std::to_string(random.drawCount());
}

std::string boardAndDraws(const std::string& line)
{
    return "v=" + field(line, "v") + " h=" + field(line, "h") + " sq=" + field(line, "sq")
        + " rng=" + field(line, "rng");
}

TEST(ReplayOutput, SeedMakesTheGamePlayAsIfItHadStartedWithThatSeed)
{
    for (std::uint32_t seed : { 7u, 86399u, 4294967295u }) {
        const auto out = output("seed " + std::to_string(seed) + "\nselect easy\nclick v 1\n");
        EXPECT_EQ(boardAndDraws(out.at(1)), easyClickOnTheCore(seed)) << seed;
    }
    EXPECT_EQ(boardAndDraws(output("select easy\nclick v 1\n").at(1)), easyClickOnTheCore(0));
}

TEST(ReplayOutput, NewGameReseedsWithTheScriptSeedSoTheSameClickGetsTheSameAnswer)
{
    const auto out = output("seed 7\nselect easy\nclick v 1\nnew\nclick v 1\n");
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(field(out[1], "h") + field(out[1], "v"), field(out[3], "h") + field(out[3], "v"));
    // The draw count runs on from the start of the replay.
    EXPECT_EQ(std::stoul(field(out[3], "rng")), 2 * std::stoul(field(out[1], "rng")));
}

TEST(ReplayOutput, ScriptedValuesTakeOverFromTheSeededGeneratorForGood)
{
    const auto out = output(
        "seed 7\nrandom 0.5 0.7\nselect easy\nclick v 1\nseed 9\nnew\nrandom 0 0\nclick v 2\n");
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(field(out[1], "h"), "aaaaaaaaaaaaaaacaaaaaaaaaaaaaa");
    // 0 and 0 name lblshape1(1), even after a new seed and New Game.
    EXPECT_EQ(field(out[3], "v"), "ch" + std::string(28, 'a'));
    EXPECT_EQ(field(out[3], "rng"), "4");
}

TEST(ReplayOutput, UndoTakesBackTheClickWithItsAnswerAndWithNothingToTakeBackChangesNothing)
{
    const auto out = output("seed 7\nselect hard\nclick v 1\nundo\nclick v 1\nundo\nundo\n");
    ASSERT_EQ(out.size(), 6u);
    EXPECT_NE(out[1], out[0]);
    EXPECT_EQ(out[2], out[0]);
    EXPECT_EQ(out[3], out[1]);
    EXPECT_EQ(out[4], out[0]);
    EXPECT_EQ(out[5], out[0]);
    const auto bad = test::replay("undo now\n");
    EXPECT_EQ(bad.status, kReplayBadInput);
    EXPECT_EQ(bad.err, "quadlo-engine: error: line 1: undo takes no arguments\n");
}

// The expert answers each click within it, its random choices seeded by the
// script's seed, and new keeps it on; off again, the level answers.
TEST(ReplayOutput, ExpertOnMakesTheComputerDrawTheExpertsEdgesUntilItIsOff)
{
    ReplaySession session;
    session.run(SeedCommand { 11 });
    session.run(ExpertCommand { true });
    analysis::ExpertPlayer expert;
    const auto answersAsTheExpert = [&](Edge click) {
        Board position = session.board();
        position.drawEdge(click, Mark::h);
        session.run(ClickCommand { click });
        const std::size_t answered
            = session.board().edgesMarked(Mark::c).size() - position.edgesMarked(Mark::c).size();
        for (std::size_t n = 0; n < answered; ++n) {
            const Edge edge = *expert.choose(position, 11);
            if (session.board().edge(edge).tag != Mark::c)
                return false;
            position.drawEdge(edge, Mark::c);
        }
        return answered > 0 && session.humanToMove();
    };
    EXPECT_TRUE(answersAsTheExpert({ Vertical, 1 }));
    EXPECT_TRUE(answersAsTheExpert({ Horizontal, 9 }));
    session.run(NewCommand {});
    EXPECT_TRUE(answersAsTheExpert({ Vertical, 30 }));
    EXPECT_EQ(lines(session.run(ExpertCommand { false })).size(), 1u);
    session.run(ClickCommand { { Horizontal, 1 } });
    EXPECT_TRUE(session.humanToMove());
}

// A saved game gives the expert's edges as it played them; the turn the
// next command starts draws them, searching only for what they leave, and
// prints nothing of its own. Edges the game will not take are dropped.
TEST(ReplayOutput, AnAnswerGivesTheExpertsEdgesForTheNextTurnOnly)
{
    const auto answered = [](const std::string& answer) {
        ReplaySession session;
        session.run(SeedCommand { 11 });
        session.run(ExpertCommand { true });
        EXPECT_EQ(session.run(std::get<Command>(parseLine(answer))), "");
        session.run(ClickCommand { { Vertical, 1 } });
        EXPECT_TRUE(session.humanToMove());
        return session.board().edgesMarked(Mark::c);
    };
    const std::vector<Edge> searched = answered("answer v 1");
    ASSERT_EQ(searched.size(), 1u);
    const Edge other { Horizontal, searched[0] == Edge { Horizontal, 15 } ? 16 : 15 };
    EXPECT_EQ(answered("answer " + clickName(other)), std::vector<Edge> { other });

    ReplaySession session;
    session.run(ExpertCommand { true });
    session.run(std::get<Command>(parseLine("answer " + clickName(other))));
    session.run(SelectCommand { Difficulty::Hard });
    session.run(ClickCommand { { Vertical, 1 } });
    EXPECT_EQ(session.board().edge(other).tag, Mark::a);
}

} // namespace
} // namespace quadlo::engine
