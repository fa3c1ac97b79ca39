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
#include "form/MessageBoxPresenter.h"
#include "form/Translations.h"
#include "game/Game.h"

using namespace quadlo;
using namespace quadlo::test;

namespace {

// The title, the captions, the options and the menus' texts, in that order.
QString textsOf(const frmQuadlo& window)
{
    QStringList texts;
    for (const char* name : { "lblTitle", "lblHuman", "lblComputer", "lblDifficulty", "lblEasy",
             "lblMedium", "lblHard" }) {
        const QObject* control = window.findChild<QObject*>(QLatin1String(name));
        texts << control->property("text").toString();
    }
    for (const QAction* top : window.menuBar()->actions()) {
        const QMenu* menu = top->menu();
        texts << menu->title();
        for (const QAction* action : menu->actions())
            texts << action->text();
    }
    return texts.join(QLatin1Char('|'));
}

QString asShown(const char* text) { return QString::fromUtf8(text).replace("\r\n", "\n"); }

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
        QCOMPARE(textsOf(window),
            QStringLiteral(
                "Quadlo! 2.0|Mensch|Computer|Spielstärke|Leicht|Mittel|Stark|&Datei|"
                "&Neues Spiel|&Zurücknehmen|Partie &durchgehen||Spiel &speichern…|Spiel ö&ffnen…||"
                "&Beenden|&Ansicht|&Besitzzeichen|&Sofortige Züge|&Zug anzeigen|"
                "&Werte anzeigen||Gegen den &Experten spielen|&Hilfe|Regeln|&Tipp||"
                "Über Quadlo"));

        QCOMPARE(translatedGameText(kRulesTitle), QStringLiteral("Regeln von Quadlo"));
        QVERIFY(messageBoxText(kRulesText).startsWith(QStringLiteral("Das Ziel von Quadlo ist")));
        QVERIFY(messageBoxText(kAboutText)
                    .startsWith(QStringLiteral("Quadlo! 2.0\nPunkte und Quadrate für einen")));
        QCOMPARE(messageBoxText("You win with 13 squares completed."),
            QStringLiteral("Sie gewinnen mit 13 vervollständigten Quadraten."));
        // Only the game's own texts are looked up; a text merely like one stays.
        for (const char* other : { "You win with squares completed.",
                 "You win with 1x squares completed.", "You win with 13 squares" })
            QCOMPARE(messageBoxText(other), QString::fromLatin1(other));
    }

    void withNoCatalogueForTheLocaleEveryTextIsAsWritten_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
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
        QCOMPARE(textsOf(window),
            QStringLiteral(
                "Quadlo! 2.0|Human|Computer|Difficulty|Easy|Medium|Hard|&File|&New "
                "Game|&Take Back|&Review Game||&Save Game…|&Open Game…||E&xit|&View|Owner "
                "&Marks|&Instant "
                "Turns|Show &Turn|Show &Values||Play the &Expert|&Help|Rules|&Hint||About"));
        for (const char* text : { kRulesText, kAboutText, "You win with 13 squares completed." })
            QCOMPARE(messageBoxText(text), asShown(text));
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
