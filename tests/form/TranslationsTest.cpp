// SPDX-License-Identifier: GPL-3.0-or-later
// The window in the player's language: with the German catalogue its
// captions, options, menus and the game's boxes speak German; with no
// catalogue for the locale every text, Qt's own included, is as written; and
// in every shipped language each caption, option and menu fits its place at
// one to one.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

#include "FormTestSupport.h"
#include "Version.h"
#include "form/MessageBoxPresenter.h"
#include "form/Translations.h"
#include "game/Game.h"

using namespace quadlo;
using namespace quadlo::test;

namespace {

QString textOf(const frmQuadlo& window, const char* name)
{
    if (const auto* label = window.findChild<QLabel*>(QLatin1String(name)))
        return label->text();
    if (const auto* option = window.findChild<QRadioButton*>(QLatin1String(name)))
        return option->text();
    if (const auto* menu = window.findChild<QMenu*>(QLatin1String(name)))
        return menu->title();
    return window.findChild<QAction*>(QLatin1String(name))->text();
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void withTheGermanCatalogueTheWindowAndItsBoxesSpeakGerman()
    {
        Translations german(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(german.found());
        german.install();
        RecordingPresenter boxes;
        const frmQuadlo window(&boxes, fixedSeed);

        const std::pair<const char*, const char*> texts[] = {
            { "lblTitle", "Quadlo! 2.0" },
            { "lblHuman", "Mensch" },
            { "lblComputer", "Computer" },
            { "lblDifficulty", "Spielstärke" },
            { "lblEasy", "Leicht" },
            { "lblMedium", "Mittel" },
            { "lblHard", "Stark" },
            { "mnuFile", "&Datei" },
            { "mnuNew", "&Neues Spiel" },
            { "mnuExit", "&Beenden" },
            { "mnuHelp", "&Hilfe" },
            { "mnuRules", "Regeln" },
            { "mnuAbout", "Über Quadlo" },
        };
        for (const auto& [name, text] : texts)
            QCOMPARE(textOf(window, name), QString::fromUtf8(text));
        QCOMPARE(window.windowTitle(), QStringLiteral(" Quadlo! 2.0"));

        QCOMPARE(translatedGameText(kRulesTitle), QStringLiteral("Regeln von Quadlo"));
        QVERIFY(messageBoxText(kRulesText).startsWith(QStringLiteral("Das Ziel von Quadlo ist")));
        QCOMPARE(messageBoxText(kAboutText).section(QLatin1Char('\n'), 0, 1),
            QStringLiteral(
                "Quadlo! 2.0\nPunkte und Quadrate für einen Spieler gegen den Computer."));
        QCOMPARE(messageBoxText("You win with 13 squares completed."),
            QStringLiteral("Sie gewinnen mit 13 vervollständigten Quadraten."));
        QCOMPARE(messageBoxText("The computer wins with 25 squares completed."),
            QStringLiteral("Der Computer gewinnt mit 25 vervollständigten Quadraten."));
        // Only the game's own texts are looked up; a text merely like one stays.
        for (const char* other : { "You win with squares completed.",
                 "You win with 1x squares completed.", "Quadlo", "You win with 13 squares" })
            QCOMPARE(messageBoxText(other), QString::fromLatin1(other));
    }

    void withNoCatalogueForTheLocaleEveryTextIsAsWritten_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
        // Qt has a catalogue of its own for Russian, the game none.
        QTest::newRow("Russian") << QLocale(QLocale::Russian, QLocale::Russia);
    }

    void withNoCatalogueForTheLocaleEveryTextIsAsWritten()
    {
        QFETCH(QLocale, locale);
        Translations none(locale);
        QVERIFY(!none.found());
        none.install();
        RecordingPresenter boxes;
        const frmQuadlo window(&boxes, fixedSeed);
        for (const auto& [name, text] :
            std::initializer_list<std::pair<const char*, const char*>> { { "lblHuman", "Human" },
                { "lblDifficulty", "Difficulty" }, { "lblMedium", "Medium" },
                { "mnuFile", "&File" }, { "mnuExit", "E&xit" }, { "mnuAbout", "About" } })
            QCOMPARE(textOf(window, name), QString::fromLatin1(text));
        QCOMPARE(messageBoxText(kRulesText),
            QString::fromLatin1(kRulesText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(messageBoxText(kAboutText),
            QString::fromLatin1(kAboutText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(messageBoxText("The computer wins with 13 squares completed."),
            QStringLiteral("The computer wins with 13 squares completed."));
        QCOMPARE(QCoreApplication::translate("QCommandLineParser", "Displays version information."),
            QStringLiteral("Displays version information."));
    }

    void everyTextFitsItsPlaceInEveryShippedLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : QStringLiteral(QUADLO_LANGUAGES).split(QLatin1Char(',')))
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyTextFitsItsPlaceInEveryShippedLanguage()
    {
        QFETCH(QString, language);
        Translations translations { QLocale(language) };
        QVERIFY(translations.found());
        translations.install();
        RecordingPresenter boxes;
        frmQuadlo window(&boxes, fixedSeed);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        for (const char* name : { "lblHuman", "lblComputer", "lblDifficulty" }) {
            const auto* label = window.findChild<QLabel*>(QLatin1String(name));
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                qPrintable(label->text()));
        }
        for (const char* name : { "lblEasy", "lblMedium", "lblHard" }) {
            const auto* option = window.findChild<QRadioButton*>(QLatin1String(name));
            // Narrowed, if at all, no further than to four fifths of its width,
            // where it still reads as the layout's font.
            const int stretch = option->font().stretch();
            QVERIFY2(stretch == QFont::AnyStretch || stretch >= 80,
                qPrintable(QStringLiteral("%1 at %2 %").arg(option->text()).arg(stretch)));
        }
        // A menu bar too narrow for its titles would hide the last behind a button.
        QVERIFY(window.menuBar()->sizeHint().width() <= window.menuBar()->width());
    }
};

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
