// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the commands and reading them back. A level counts only when the
// computer moves or a new game keeps it, so it is noted just before each
// command rather than each time the player changes it.
#include "game/GameRecord.h"

#include <utility>

namespace quadlo {

GameRecord::GameRecord(std::vector<Command> commands)
    : commands_(std::move(commands))
{
    // Only select changes the level; new and Take Back keep it.
    for (const Command& command : commands_) {
        if (const auto* select = std::get_if<SelectCommand>(&command))
            level_ = select->difficulty;
    }
}

std::variant<GameRecord, GameRecord::BadLine> GameRecord::read(std::string_view script)
{
    std::vector<Command> commands;
    std::size_t number = 0;
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        const std::string_view line = script.substr(0, end);
        script.remove_prefix(end == std::string_view::npos ? script.size() : end + 1);
        ++number;
        const ParsedLine parsed = parseLine(line);
        if (std::holds_alternative<NoCommand>(parsed))
            continue;
        const auto* command = std::get_if<Command>(&parsed);
        if (!command || std::holds_alternative<RandomCommand>(*command))
            return BadLine { number, std::string(line) };
        commands.push_back(*command);
    }
    return GameRecord(std::move(commands));
}

void GameRecord::seeded(std::uint32_t seed)
{
    if (!commands_.empty() && std::holds_alternative<SeedCommand>(commands_.back()))
        commands_.pop_back();
    commands_.push_back(SeedCommand { seed });
}

void GameRecord::clicked(const Game& game, Edge edge)
{
    const bool onBoard = (edge.family == Vertical || edge.family == Horizontal) && edge.index >= 1
        && edge.index <= kEdgesPerFamily;
    if (onBoard && game.board().isOpen(edge))
        add(game, ClickCommand { edge });
}

void GameRecord::tookBack(const Game& game)
{
    if (game.canTakeBack())
        add(game, UndoCommand {});
}

void GameRecord::startedNew(const Game& game) { add(game, NewCommand {}); }

void GameRecord::expertChanged(const Game& game, bool on) { add(game, ExpertCommand { on }); }

void GameRecord::expertDrew(Edge edge)
{
    if (commands_.empty())
        return;
    const auto start = commands_.end() - 1;
    if (start != commands_.begin()) {
        if (auto* answer = std::get_if<AnswerCommand>(&*(start - 1))) {
            answer->edges.push_back(edge);
            return;
        }
    }
    commands_.insert(start, AnswerCommand { { edge } });
}

std::string GameRecord::script(const Game& game) const
{
    std::string text;
    for (const Command& command : commands_)
        text += scriptLine(command) + '\n';
    const std::optional<Difficulty> level = game.board().selectedDifficulty();
    if (level && level != level_)
        text += scriptLine(SelectCommand { *level }) + '\n';
    return text;
}

void GameRecord::add(const Game& game, Command command)
{
    const std::optional<Difficulty> level = game.board().selectedDifficulty();
    if (level && level != level_) {
        commands_.push_back(SelectCommand { *level });
        level_ = level;
    }
    commands_.push_back(std::move(command));
}

} // namespace quadlo
