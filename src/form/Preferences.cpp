// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the View choices and the games' folder. The folder is
// kept percent-encoded, so that no character of a path can mean anything
// else to the INI format.
#include "form/Preferences.h"

#include <cstdio>
#include <optional>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

#include "form/WholeFile.h"

namespace quadlo {

namespace {

const QString kOwnerMarks = QStringLiteral("View/ownerMarks");
const QString kInstantTurns = QStringLiteral("View/instantTurns");
const QString kShowTurn = QStringLiteral("View/showTurn");
const QString kShowValues = QStringLiteral("View/showValues");
const QString kGamesFolder = QStringLiteral("Games/folder");

void toStandardError(const QString& line)
{
    std::fprintf(stderr, "quadlo: %s\n", qPrintable(line));
}

// A choice as the file writes it; anything else is not a choice.
std::optional<bool> truth(const QVariant& value)
{
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return std::nullopt;
}

// Whether the bytes read as the INI text this file is written in: UTF-8 lines,
// each blank, a comment, a [section] or a key=value.
bool looksLikeSettings(const QByteArray& bytes)
{
    if (bytes.contains('\0'))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return false;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        const bool fine = line.isEmpty() || line.startsWith(QLatin1Char(';'))
            || line.startsWith(QLatin1Char('#'))
            || (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            || line.indexOf(QLatin1Char('=')) > 0;
        if (!fine)
            return false;
    }
    return true;
}

} // namespace

QString Preferences::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/quadlo/quadlo.conf");
}

Preferences::Preferences(QString path, std::function<void(const QString&)> warn)
    : path_(std::move(path))
    , warn_(warn ? std::move(warn) : toStandardError)
{
    read();
}

void Preferences::read()
{
    if (!QFileInfo::exists(path_))
        return;
    QFile file(path_);
    if (!QFileInfo(path_).isFile() || !file.open(QIODevice::ReadOnly)) {
        warn_(
            QStringLiteral("cannot read the settings in %1; playing with the defaults").arg(path_));
        return;
    }
    // A few choices fit in a few lines: a long file is no settings file of
    // ours, and is not read through.
    constexpr qint64 kLongest = 64 * 1024;
    const QSettings settings(path_, QSettings::IniFormat);
    if (file.size() > kLongest || !looksLikeSettings(file.readAll())
        || settings.status() != QSettings::NoError) {
        warn_(
            QStringLiteral("the settings in %1 are damaged; playing with the defaults").arg(path_));
        return;
    }
    ViewChoices read;
    for (const auto& [key, choice] : { std::pair { kOwnerMarks, &ViewChoices::ownerMarks },
             std::pair { kInstantTurns, &ViewChoices::instantTurns },
             std::pair { kShowTurn, &ViewChoices::showTurn },
             std::pair { kShowValues, &ViewChoices::showValues } }) {
        if (!settings.contains(key))
            continue;
        const std::optional<bool> value = truth(settings.value(key));
        if (!value) {
            warn_(QStringLiteral("the settings in %1 are damaged; playing with the defaults")
                      .arg(path_));
            return;
        }
        read.*choice = *value;
    }
    choices_ = read;
    gamesFolder_ = QString::fromUtf8(
        QByteArray::fromPercentEncoding(settings.value(kGamesFolder).toString().toUtf8()));
}

void Preferences::set(const ViewChoices& choices)
{
    if (choices == choices_)
        return;
    choices_ = choices;
    write();
}

void Preferences::setGamesFolder(const QString& folder)
{
    if (folder == gamesFolder_)
        return;
    gamesFolder_ = folder;
    write();
}

void Preferences::write()
{
    const auto word = [](bool on) { return on ? "true" : "false"; };
    QByteArray text = QByteArrayLiteral("[View]\n") + "ownerMarks=" + word(choices_.ownerMarks)
        + "\ninstantTurns=" + word(choices_.instantTurns) + "\nshowTurn=" + word(choices_.showTurn)
        + "\nshowValues=" + word(choices_.showValues) + "\n";
    if (!gamesFolder_.isEmpty())
        text += "\n[Games]\nfolder=" + gamesFolder_.toUtf8().toPercentEncoding("/") + "\n";
    QDir().mkpath(QFileInfo(path_).absolutePath());
    const std::optional<QString> failure = writeWholeFile(path_, text);
    // Said once: the game goes on with the choices in memory.
    if (failure && !writeFailed_) {
        writeFailed_ = true;
        warn_(QStringLiteral("cannot write the settings to %1: %2").arg(path_, *failure));
    }
}

} // namespace quadlo
