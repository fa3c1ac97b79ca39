// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the View choices.
#include "form/Preferences.h"

#include <cstdio>
#include <optional>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace quadlo {

namespace {

const QString kOwnerMarks = QStringLiteral("View/ownerMarks");
const QString kInstantTurns = QStringLiteral("View/instantTurns");

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
    const QFileInfo file(path_);
    if (!file.exists())
        return;
    if (!file.isFile() || !file.isReadable()) {
        warn_(
            QStringLiteral("cannot read the settings in %1; playing with the defaults").arg(path_));
        return;
    }
    const QSettings settings(path_, QSettings::IniFormat);
    if (settings.status() != QSettings::NoError) {
        warn_(
            QStringLiteral("the settings in %1 are damaged; playing with the defaults").arg(path_));
        return;
    }
    ViewChoices read;
    for (const auto& [key, choice] : { std::pair { kOwnerMarks, &ViewChoices::ownerMarks },
             std::pair { kInstantTurns, &ViewChoices::instantTurns } }) {
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
}

void Preferences::set(const ViewChoices& choices)
{
    if (choices == choices_)
        return;
    choices_ = choices;
    write();
}

void Preferences::write()
{
    const auto word = [](bool on) { return on ? "true" : "false"; };
    const QByteArray text = QByteArrayLiteral("[View]\n") + "ownerMarks="
        + word(choices_.ownerMarks) + "\ninstantTurns=" + word(choices_.instantTurns) + "\n";
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    const bool written
        = file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
    // Said once: the game goes on with the choices in memory.
    if (!written && !writeFailed_) {
        writeFailed_ = true;
        warn_(QStringLiteral("cannot write the settings to %1: %2").arg(path_, file.errorString()));
    }
}

} // namespace quadlo
