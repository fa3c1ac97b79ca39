// SPDX-License-Identifier: GPL-3.0-or-later
// Saved games as files: a game record written whole or not at all, and a file
// read back into a record, each failure worded as the one message the player
// sees. A saved game is a replay script, which quadlo-engine replays and
// reviews as it is.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include <QString>

#include "game/GameRecord.h"

namespace quadlo {

// Writes the script to `path`, replacing a file there only once the whole of
// it is written; the message for the player when it could not be.
std::optional<QString> writeGameFile(const QString& path, const std::string& script);

// The record in the file at `path`, or the message for the player when the
// file cannot be read or holds no saved game.
std::variant<GameRecord, QString> readGameFile(const QString& path);

} // namespace quadlo
