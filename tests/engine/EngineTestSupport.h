// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the engine tests: running a replay in memory or through the
// program, picking fields out of its output, and writing position lines.
#pragma once

#include <string>
#include <vector>

#include "board/Board.h"

namespace quadlo::engine::test {

struct RunResult {
    std::string out;
    std::string err;
    int status = -1;
};

RunResult replay(const std::string& script);
// `arguments` are already quoted for the shell; `input` is the standard input.
// `output`, if given, is the shell's redirection of the standard output
// (">/dev/full", ">&-") in place of the file that `out` is read from.
RunResult runProgram(
    const std::string& arguments, const std::string& input = "", const std::string& output = "");

std::vector<std::string> lines(const std::string& text);
// The value of `key=` in a state line, or "" if absent.
std::string field(const std::string& stateLine, const std::string& key);
// The v=, h= and sq= fields for a board.
std::string boardFields(const Board& board);

// A position line built edge by edge; owning a square also draws those of its
// sides that are still open, in the owner's mark.
struct PositionText {
    std::string v = std::string(30, 'a');
    std::string h = std::string(30, 'a');
    std::string sq = std::string(25, 'a');
    int turn = 1;

    PositionText& draw(char family, int index, char by = 'h');
    PositionText& own(int square, char owner);
    std::string boardFields() const { return "v=" + v + " h=" + h + " sq=" + sq; }
    std::string line() const
    {
        return "position " + boardFields() + " turn=" + std::to_string(turn);
    }
};

// Squares 1..24 owned, the odd ones (12) by the human and the even ones (12)
// by the computer: only square 25's right and bottom sides are open.
PositionText lastSquareOpen();

} // namespace quadlo::engine::test
