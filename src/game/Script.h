// SPDX-License-Identifier: GPL-3.0-or-later
// The replay script language: one command a line, tokens separated by blanks,
// blank lines and lines starting with '#' ignored. Parsing checks everything
// that can be checked without a game, so a line that parses can always be run;
// a line that does not parse names what is wrong with it. Writing gives the
// line that parses back into the same command, so that a game recorded as
// commands can be written out and replayed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "board/Board.h"
#include "game/Game.h"

namespace quadlo {

struct RandomCommand {
    std::vector<float> values;
};

struct SeedCommand {
    std::uint32_t seed;
};

// The game generator's seed until a script gives one.
inline constexpr std::uint32_t kFirstSeed = 0;

struct SelectCommand {
    Difficulty difficulty;
};

struct ClickCommand {
    Edge edge; // index 1..30
};

struct NewCommand { };

// Take Back: the human's last edge and the computer's answer to it; with
// nothing to take back it changes nothing.
struct UndoCommand { };

// A whole board, checked to be one a game can reach.
struct PositionCommand : Position { };

// Whether the computer plays as the expert (analysis/ExpertPlayer) instead
// of its level, as the window's Play the Expert has it; kept by new.
struct ExpertCommand {
    bool on;
};

// The edges the expert drew in the computer's next turn, as the window
// played them: that turn takes them instead of searching again, so that a
// saved game replays as it was played whatever the solver would find now.
// Only the turn that the next command starts takes them, and only while the
// game accepts them; the expert searches whatever is left of the turn.
struct AnswerCommand {
    std::vector<Edge> edges;
};

using Command = std::variant<RandomCommand, SeedCommand, SelectCommand, ClickCommand, NewCommand,
    PositionCommand, UndoCommand, ExpertCommand, AnswerCommand>;

// A blank line or a comment.
struct NoCommand { };

struct ParseError {
    std::string reason;
};

using ParsedLine = std::variant<NoCommand, Command, ParseError>;

ParsedLine parseLine(std::string_view line);

// The line, without its line break, that parseLine reads as `command`.
std::string scriptLine(const Command& command);

// An edge as the click command names it: "v 7", "h 12".
std::string clickName(Edge edge);

// Plays a command through the game's handlers, as the game's user would: a
// level chosen, an edge clicked, New Game, Take Back, a position set up or
// the expert turned on or off. Random and seed are for the random source,
// and an answer for the expert, which the caller keeps: they change nothing
// here, and the answer is false.
// With the expert on, the game then awaits the computer's edges from the
// caller (Game::awaitsComputerEdge).
bool playOnGame(Game& game, const Command& command);

// The names the script and the command line give the levels.
std::optional<Difficulty> levelFromName(std::string_view name);
std::string_view levelName(Difficulty level);

} // namespace quadlo
