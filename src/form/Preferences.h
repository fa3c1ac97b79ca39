// SPDX-License-Identifier: GPL-3.0-or-later
// The player's View choices and the folder of the last saved or opened game,
// kept between runs, in an INI file (by default
// $XDG_CONFIG_HOME/quadlo/quadlo.conf). A file that cannot be read or written,
// or that holds what it should not, never stops the game: it plays on with the
// defaults and says so once, in one line.
#pragma once

#include <functional>

#include <QString>

namespace quadlo {

struct ViewChoices {
    bool ownerMarks = false;
    bool instantTurns = false;
    bool showTurn = false;
    bool showValues = false;
    bool operator==(const ViewChoices&) const = default;
};

class Preferences {
public:
    // Where the choices are kept unless told otherwise.
    static QString defaultPath();

    // Reads the choices; a missing or empty file holds the defaults. `warn`
    // receives each one-line complaint (by default it goes to standard error).
    explicit Preferences(QString path, std::function<void(const QString&)> warn = {});

    const ViewChoices& choices() const { return choices_; }
    // Keeps the new choices, writing the file at once (atomically, so that a
    // failed write leaves the old file whole).
    void set(const ViewChoices& choices);

    // Where a game was last saved or opened; empty until then.
    const QString& gamesFolder() const { return gamesFolder_; }
    // Keeps the folder, writing the file at once as set() does.
    void setGamesFolder(const QString& folder);

private:
    void read();
    void write();

    QString path_;
    std::function<void(const QString&)> warn_;
    ViewChoices choices_;
    QString gamesFolder_;
    bool writeFailed_ = false;
};

} // namespace quadlo
