// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing saved games. Only regular files are read, and only up
// to a size that no saved game reaches, so that a pipe, a device or a huge
// file can neither block the window nor keep it replaying.
#include "form/GameFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "form/WholeFile.h"
#include "game/Quote.h"

namespace quadlo {

namespace {

// Some five thousand whole games, which take a few seconds to replay; no one
// plays that many in one sitting.
constexpr qint64 kLargestGameFile = 1024 * 1024;

} // namespace

std::optional<QString> writeGameFile(const QString& path, const std::string& script)
{
    const std::optional<QString> failure = writeWholeFile(path, QByteArray::fromStdString(script));
    if (!failure)
        return std::nullopt;
    return QCoreApplication::translate("GameFile", "The game could not be saved to %1: %2")
        .arg(QDir::toNativeSeparators(path), *failure);
}

std::variant<GameRecord, QString> readGameFile(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return QCoreApplication::translate(
            "GameFile", "%1 could not be opened: it is not a regular file.")
            .arg(shown);
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(kLargestGameFile + 1);
    if (file.error() != QFileDevice::NoError)
        return QCoreApplication::translate("GameFile", "%1 could not be opened: %2")
            .arg(shown, file.errorString());
    if (bytes.size() > kLargestGameFile)
        return QCoreApplication::translate("GameFile", "%1 is too large to be a saved Quadlo game.")
            .arg(shown);

    std::variant<GameRecord, GameRecord::BadLine> read
        = GameRecord::read(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (const auto* bad = std::get_if<GameRecord::BadLine>(&read)) {
        return QCoreApplication::translate(
            "GameFile", "%1 is not a saved Quadlo game: line %2 is not one of its commands: %3")
            .arg(shown, QString::number(bad->number),
                QString::fromStdString(quadlo::quoted(bad->text)));
    }
    GameRecord& record = std::get<GameRecord>(read);
    if (record.commands().empty())
        return QCoreApplication::translate(
            "GameFile", "%1 is not a saved Quadlo game: it holds no commands.")
            .arg(shown);
    return std::move(record);
}

} // namespace quadlo
