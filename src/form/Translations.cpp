// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the catalogues, and finding the marked English text behind each of
// the game's texts so that its translation can be looked up.
#include "form/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <optional>

#include "Version.h"
#include "game/Game.h"

namespace quadlo {

namespace {

// The context that game/Translatable.h puts the core's texts in.
constexpr char kGameContext[] = "Game";

// The number in `text` when it is `marked` with one to four digits in place of
// its "%n" (a game has 25 squares; four digits cannot overflow).
std::optional<int> countIn(const std::string& text, const std::string& marked)
{
    const std::size_t at = marked.find("%n");
    const std::size_t rest = marked.size() - at - 2;
    if (text.size() <= at + rest || text.size() > marked.size() + 2
        || text.compare(0, at, marked, 0, at) != 0
        || text.compare(text.size() - rest, rest, marked, at + 2, rest) != 0)
        return std::nullopt;
    int count = 0;
    for (std::size_t i = at; i < text.size() - rest; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        count = count * 10 + (text[i] - '0');
    }
    return count;
}

QString translatedInGame(const char* marked, int count = -1)
{
    return QCoreApplication::translate(kGameContext, marked, nullptr, count);
}

} // namespace

Translations::Translations(const QLocale& locale)
{
    found_ = program_.load(
        locale, QStringLiteral("quadlo"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    if (found_) {
        // Not found on a system without Qt's catalogues (Debian's
        // qt6-translations-l10n): Qt's few texts then stay English.
        (void)qt_.load(QLocale(program_.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
}

QLocale messagesLocale()
{
    QByteArray name;
    for (const char* variable : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        name = qgetenv(variable);
        if (!name.isEmpty())
            break;
    }
    if (name.isEmpty() || name == "C" || name.startsWith("C.") || name == "POSIX")
        return QLocale::c();
    return QLocale::system();
}

void Translations::install()
{
    if (!found_)
        return;
    QCoreApplication::installTranslator(&qt_);
    QCoreApplication::installTranslator(&program_);
}

QString translatedGameText(const std::string& text)
{
    for (const char* marked : { kRulesTitle, kRulesText, kAboutTitle }) {
        if (text == marked)
            return translatedInGame(marked);
    }
    // The title is the game's name and version, the same in every language.
    if (text == kAboutText)
        return QLatin1String(kTitle) + QStringLiteral("\r\n") + translatedInGame(kAboutCredits);
    for (const char* marked : { kHumanWinsText, kComputerWinsText }) {
        if (const std::optional<int> count = countIn(text, marked))
            return translatedInGame(marked, *count);
    }
    return QString::fromStdString(text);
}

} // namespace quadlo
