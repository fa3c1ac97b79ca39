// SPDX-License-Identifier: GPL-3.0-or-later
// Bad replay input: each malformed or out-of-range line is refused with its
// reason; the replay stops there with the line's number and status 2, or with
// status 3 when a draw runs past the scripted values, and prints nothing more.
// And the other way: every command written as a line reads back as itself.
#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "engine/Replay.h"

namespace quadlo::engine {
namespace {

using test::PositionText;
using test::replay;

std::string reasonFor(const std::string& line)
{
    const ParsedLine parsed = parseLine(line);
    const auto* error = std::get_if<ParseError>(&parsed);
    return error ? error->reason : "(accepted)";
}

std::string repeated(const std::string& piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

void expectReasons(const std::vector<std::pair<std::string, std::string>>& cases)
{
    for (const auto& [line, reason] : cases)
        EXPECT_EQ(reasonFor(line), reason) << line;
}

TEST(ReplayInput, CommandsAndClicksTakeExactlyTheirArguments)
{
    const std::string click = "click takes a family (v or h) and an edge index 1..30";
    const std::string seed = "seed takes one whole number 0..4294967295";
    const std::string select = "select takes one of easy, medium, hard";
    const std::string answer
        = "answer takes one to 60 edges, each a family (v or h) and an index 1..30";
    expectReasons({
        { "frobnicate", "unknown command 'frobnicate'" },
        { "Click v 1", "unknown command 'Click'" },
        { "click v", click },
        { "click v 3 4", click },
        { "click x 3", "click family 'x' is neither v nor h" },
        { "click v 0", "click index '0' is not a whole number 1..30" },
        { "click h 31", "click index '31' is not a whole number 1..30" },
        { "click v -1", "click index '-1' is not a whole number 1..30" },
        { "click v +3", "click index '+3' is not a whole number 1..30" },
        { "click v abc", "click index 'abc' is not a whole number 1..30" },
        { "click v 3x", "click index '3x' is not a whole number 1..30" },
        { "click v 1", "(accepted)" },
        { "click h 30", "(accepted)" },
        { "seed", seed },
        { "seed 1 2", seed },
        { "seed -1", "seed '-1' is not a whole number 0..4294967295" },
        { "seed 4294967296", "seed '4294967296' is not a whole number 0..4294967295" },
        { "seed 4294967295", "(accepted)" },
        { "select", select },
        { "select easy hard", select },
        { "select Easy", "select 'Easy': the level is one of easy, medium, hard" },
        { "new game", "new takes no arguments" },
        { "expert", "expert takes on or off" },
        { "expert yes", "expert takes on or off" },
        { "expert on off", "expert takes on or off" },
        { "expert off", "(accepted)" },
        { "answer", answer },
        { "answer v", answer },
        { "answer v 3 h", answer },
        { "answer x 3", "answer family 'x' is neither v nor h" },
        { "answer v 3 h 31", "answer index '31' is not a whole number 1..30" },
        { "answer v 3 h 12", "(accepted)" },
    });
}

TEST(ReplayInput, RandomValuesArePlainDecimalsInZeroToOneThatStayBelowOneAsFloats)
{
    expectReasons({
        { "random", "random needs at least one value" },
        { "random 1", "random value '1' is outside [0, 1)" },
        { "random 0.5 7", "random value '7' is outside [0, 1)" },
        { "random -0.1", "random value '-0.1' is outside [0, 1)" },
        { "random 0.5x", "random value '0.5x' is not a decimal number" },
        { "random 1e-3", "random value '1e-3' is not a decimal number" },
        { "random nan", "random value 'nan' is not a decimal number" },
        { "random 0..5", "random value '0..5' is not a decimal number" },
        { "random +0.5", "random value '+0.5' is not a decimal number" },
        { "random 0.99999999", "random value '0.99999999' rounds to 1 in single precision" },
    });
    const auto command
        = std::get<RandomCommand>(std::get<Command>(parseLine("random 0 .5 0.99999994")));
    EXPECT_EQ(command.values, (std::vector<float> { 0.0f, 0.5f, 1.0f - 0x1p-24f }));
}

TEST(ReplayInput, PositionTakesFourKeysInOrderWithMarksOfAHOrCAndATurnThatCannotWrap)
{
    const PositionText p;
    const std::string usage
        = "position takes v=<30 marks> h=<30 marks> sq=<25 marks> turn=<N>, in that order";
    const std::string v = "v=" + p.v, h = "h=" + p.h, sq = "sq=" + p.sq;
    auto turn = [&](const std::string& n) {
        return std::pair { "position " + p.boardFields() + " turn=" + n,
            "position turn= '" + n + "' is not a whole number 0..32681" };
    };
    expectReasons({
        { "position " + v + " " + h + " " + sq, usage },
        { "position " + v + " " + h + " " + sq + " turn=1 turn=1", usage },
        { "position " + h + " " + v + " " + sq + " turn=1", usage + "; found '" + h + "'" },
        { "position " + v + " " + h + " " + sq + " turns=1", usage + "; found 'turns=1'" },
        { "position v=" + p.v.substr(1) + " " + h + " " + sq + " turn=1",
            "position v= needs 30 marks, got 29" },
        { "position " + v + " " + h + " sq=" + " turn=1", "position sq= needs 25 marks, got 0" },
        { "position " + v + " h=aaaax" + p.h.substr(5) + " " + sq + " turn=1",
            "position h= mark 5 is 'x', not a, h or c" },
        turn(""),
        turn("1.5"),
        turn("3x"),
        turn("-1"),
        turn("32682"),
        turn("32767"),
        { "position " + p.boardFields() + " turn=0", "(accepted)" },
        { "position " + p.boardFields() + " turn=32681", "(accepted)" },
    });
}

TEST(ReplayInput, PositionRefusesASquareOwnedWithoutItsFourSidesOrClosedWithoutAnOwner)
{
    PositionText closed, owned, almost, fine;
    closed.draw('v', 1).draw('h', 1).draw('v', 6).draw('h', 6);
    owned.sq[12] = 'h';
    almost.own(13, 'c').draw('h', 18, 'a');
    fine.own(13, 'c').own(1, 'h');
    expectReasons({
        { closed.line(), "position square 1 has all four sides drawn but no owner" },
        { owned.line(), "position square 13 has an owner but an open side" },
        { almost.line(), "position square 13 has an owner but an open side" },
        { fine.line(), "(accepted)" },
    });
}

TEST(ReplayInput, ErrorsQuoteAtMostFortyCharactersOfATokenWithEveryByteOutsidePrintableAsciiEscaped)
{
    const std::string huge(1'000'000, 'x');
    expectReasons({
        { huge, "unknown command '" + std::string(40, 'x') + "'…" },
        { "click v " + std::string(40, '7'),
            "click index '" + std::string(40, '7') + "' is not a whole number 1..30" },
        { std::string("click v 1\0", 10), "click index '1\\x00' is not a whole number 1..30" },
        { "click \x1b[2J 1", "click family '\\x1b[2J' is neither v nor h" },
        { "select " + std::string(39, 'e') + "\u00e9\u00e9",
            "select '" + std::string(39, 'e')
                + "\\xc3\\xa9'…: the level is one of easy, medium, hard" },
        { "click \x7f\xff\x80 1", "click family '\\x7f\\xff\\x80' is neither v nor h" },
        { "seed " + std::string(100, '\x80'),
            "seed '" + repeated("\\x80", 40) + "'… is not a whole number 0..4294967295" },
        { "select a\\b", "select 'a\\\\b': the level is one of easy, medium, hard" },
    });
}

TEST(ReplayInput, ABadLineStopsTheReplayWithItsNumberAndNothingAfterIt)
{
    const auto run = replay("select easy\n\n# comment\nclick v 31\nselect hard\n");
    EXPECT_EQ(run.status, kReplayBadInput);
    EXPECT_EQ(test::lines(run.out).size(), 1u);
    EXPECT_EQ(
        run.err, "quadlo-engine: error: line 4: click index '31' is not a whole number 1..30\n");

    PositionText owned;
    owned.sq[0] = 'c';
    const auto inconsistent = replay(owned.line() + "\nselect easy\n");
    EXPECT_EQ(inconsistent.status, kReplayBadInput);
    EXPECT_EQ(inconsistent.out, "");
    EXPECT_EQ(inconsistent.err,
        "quadlo-engine: error: line 1: position square 1 has an owner but an open side\n");
}

TEST(ReplayInput, RunningOutOfScriptedValuesStopsWithStatusThreeAndTheCommandPrintsNothing)
{
    const auto run = replay("select easy\nrandom 0.5\nclick v 1\nselect hard\n");
    EXPECT_EQ(run.status, kReplayRandomExhausted);
    EXPECT_EQ(test::lines(run.out).size(), 1u);
    EXPECT_EQ(run.err, "quadlo-engine: error: line 3: random stream exhausted\n");

    // The computer's last square: its extra turn shows the result and then
    // draws one value too many, so not even the message is printed.
    const auto late = replay("select easy\nrandom 0.5 0.7\nclick v 1\n"
        + test::lastSquareOpen().line() + "\nclick h 30\n");
    EXPECT_EQ(late.status, kReplayRandomExhausted);
    EXPECT_EQ(late.err, "quadlo-engine: error: line 5: random stream exhausted\n");
    EXPECT_EQ(test::lines(late.out).size(), 3u);
    EXPECT_EQ(late.out.find("message:"), std::string::npos);
}

TEST(ReplayInput, EveryCommandWrittenAsALineReadsBackAsItself)
{
    const auto written
        = [](const std::string& line) { return scriptLine(std::get<Command>(parseLine(line))); };
    PositionText position;
    position.own(1, 'h').own(25, 'c').draw('v', 7, 'c');
    position.turn = 32681;
    for (const std::string& line : { std::string("seed 0"), std::string("seed 4294967295"),
             std::string("select easy"), std::string("select medium"), std::string("select hard"),
             std::string("click v 1"), std::string("click h 30"), std::string("new"),
             std::string("undo"), std::string("expert on"), std::string("expert off"),
             std::string("answer h 3 v 27"), position.line() })
        EXPECT_EQ(written(line), line);

    // A value comes back bit for bit, from the smallest single-precision
    // value to the largest below 1, though not in the digits it was given.
    const std::string random = "random 0 0.7 0.1 0.99999994 "
                               "0.000000000000000000000000000000000000000000001";
    const auto values = [](const std::string& line) {
        return std::get<RandomCommand>(std::get<Command>(parseLine(line))).values;
    };
    EXPECT_EQ(values(written(random)), values(random));
}

} // namespace
} // namespace quadlo::engine
