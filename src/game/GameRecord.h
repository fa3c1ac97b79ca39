// SPDX-License-Identifier: GPL-3.0-or-later
// What the player has done in a front end's games, kept as commands of the
// replay script language (game/Script.h), so that quadlo-engine, or the front
// end itself, replays them into the same games: the generator's seed at each
// game start, the level whenever the selected one has changed, each click
// that reached an open edge, each Take Back, each New Game and each change
// of Play the Expert. A record starts
// where a game does when the program starts it, and holds every game since.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "game/Game.h"
#include "game/Script.h"

namespace quadlo {

class GameRecord {
public:
    GameRecord() = default;
    // The commands of a script that a game has just replayed from its
    // start; the record goes on from them.
    explicit GameRecord(std::vector<Command> commands);

    // A line of a script that is no command of a saved game, numbered from 1.
    struct BadLine {
        std::size_t number;
        std::string text;
    };
    // A saved game: every line a command, blank or a comment. Scripted random
    // values are no part of one, as the game draws from its seeded generator.
    static std::variant<GameRecord, BadLine> read(std::string_view script);

    // The generator has been reseeded: the game goes on from `seed`. Seeds
    // with nothing played between them leave only the last.
    void seeded(std::uint32_t seed);
    // Each as it reaches `game`, before the game plays it. A click on an edge
    // that the game ignores, and a Take Back with nothing to take back, are
    // left out.
    void clicked(const Game& game, Edge edge);
    void tookBack(const Game& game);
    void startedNew(const Game& game);
    // The computer plays as the expert from now on, or its level again.
    void expertChanged(const Game& game, bool on);
    // The expert drew `edge` for the computer, in the turn that the last
    // command started: it joins that turn's answer, just before the command.
    void expertDrew(Edge edge);

    const std::vector<Command>& commands() const { return commands_; }
    // The record as a script, one command a line, ending with the level
    // that `game` has selected now.
    std::string script(const Game& game) const;

private:
    void add(const Game& game, Command command);

    std::vector<Command> commands_;
    // The level selected at the end of a replay of the commands.
    std::optional<Difficulty> level_;
};

} // namespace quadlo
