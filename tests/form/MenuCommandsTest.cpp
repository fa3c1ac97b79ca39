// SPDX-License-Identifier: GPL-3.0-or-later
// The menu commands through their shortcuts: New Game starts afresh and keeps
// the difficulty, Rules and About show their texts, the real message boxes look
// as the game asks, Exit ends the program, and Save Game and Open Game write
// and read the games as quadlo-engine replays them.
#include <csignal>
#include <sstream>

#include <sys/resource.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "FormTestSupport.h"
#include "engine/Replay.h"
#include "form/HintSearch.h"
#include "form/MessageBoxPresenter.h"
#include "form/Preferences.h"

using namespace quadlo;
using namespace quadlo::test;

namespace {

const char* const kRules = "The goal of Quadlo is to complete the greatest number\r\n"
                           "of squares.  To create squares, you must click on the\r\n"
                           "horizontal or vertical space between two dots.  After\r\n"
                           "each of your moves, the computer will take its turn.\r\n"
                           "When you or the computer complete a square, a large\r\n"
                           "dot will appear inside the square and will be the color\r\n"
                           "of the player who completed the square.  That player\r\n"
                           "will also get to take another turn.  Each game ends\r\n"
                           "when all 25 squares have been formed, and the player\r\n"
                           "who completed the most squares is the winner.";

void playSomeMoves(frmQuadlo& window)
{
    for (int index : { 1, 2, 6, 7, 11 })
        clickEdge(window, Vertical, index);
    for (int index : { 1, 6, 2 })
        clickEdge(window, Horizontal, index);
}

QByteArray fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& text)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A script played by the engine's replay, as `quadlo-engine replay` plays it.
std::unique_ptr<engine::ReplaySession> engineReplay(const QByteArray& script)
{
    auto session = std::make_unique<engine::ReplaySession>();
    std::istringstream in(script.toStdString());
    std::ostringstream out;
    std::ostringstream err;
    const int status = engine::runScript(
        in, *session, out, err, [](engine::ReplaySession& replay, const Command& command) {
            replay.run(command);
            return true;
        });
    if (status != engine::kReplayOk)
        qFatal("the engine did not replay the script: %s", err.str().c_str());
    return session;
}

// What a modal message box showed, read while it was open.
struct SeenBox {
    bool seen = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QList<QAbstractButton*>::size_type buttons = 0;
    bool okButton = false;
};

// Looks for the modal box as soon as the event loop runs inside it, records it
// and presses OK.
void closeNextMessageBox(SeenBox& seen)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.seen = true;
        seen.icon = box->icon();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.buttons = box->buttons().size();
        seen.okButton = box->button(QMessageBox::Ok) != nullptr;
        poll->stop();
        poll->deleteLater();
        box->button(QMessageBox::Ok)->click();
    });
    poll->start();
}

} // namespace

class MenuCommandsTest : public WindowTest {
    Q_OBJECT

private slots:
    void newGameClearsTheBoardAndScoresAndKeepsHard()
    {
        auto* hard = window->findChild<QRadioButton*>("lblHard");
        QTest::mouseClick(hard, Qt::LeftButton);
        playSomeMoves(*window);
        const Board& board = window->game().board();
        QVERIFY(visibleState(board) != visibleState(Board {}));

        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);

        QVERIFY(visibleState(board) == visibleState(Board {}));
        QVERIFY(board.lblHard && !board.lblMedium && !board.lblEasy);
        QVERIFY(hard->isChecked());
        QCOMPARE(QApplication::focusWidget(), hard);
        QCOMPARE(window->findChild<QLabel*>("lblScore1")->text(), QStringLiteral("0"));
        QCOMPARE(window->findChild<QLabel*>("lblScore2")->text(), QStringLiteral("0"));
        const QImage image = boardImage(*window);
        for (Family family : { Vertical, Horizontal }) {
            for (int index = 1; index <= kEdgesPerFamily; ++index)
                QCOMPARE(pixelAt(image, edgeCentre(family, index)), QColor(0, 0, 255));
        }
        QVERIFY(boxes.shown.empty());
    }

    void newGameLooksExactlyLikeAFreshWindow()
    {
        const QImage fresh = window->centralWidget()->grab().toImage();
        playSomeMoves(*window);
        QVERIFY(window->centralWidget()->grab().toImage() != fresh);

        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(window->centralWidget()->grab().toImage() == fresh);
        QVERIFY(window->game().board().lblMedium);
    }

    void rulesShowTheTenLinesUnderTheirTitle()
    {
        QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(boxes.shown[0].text, std::string(kRules));
        QCOMPARE(boxes.shown[0].style, MessageStyle::Information);
        QCOMPARE(boxes.shown[0].title, std::string("Rules of Quadlo"));
    }

    void aboutShowsFourLinesOfCredits()
    {
        QTest::keyClick(window.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        const ShownMessage& about = boxes.shown[0];
        QCOMPARE(about.style, MessageStyle::Information);
        QCOMPARE(about.title, std::string("About Quadlo"));
        QCOMPARE(QString::fromStdString(about.text).split(QStringLiteral("\r\n")).size(), 4);
        QVERIFY(!about.text.ends_with("\r\n"));
    }

    void helpBoxesLeaveTheGameAsItWas()
    {
        playSomeMoves(*window);
        const VisibleState before = visibleState(window->game().board());
        QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
        QTest::keyClick(window.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(boxes.shown.size(), std::size_t(2));
        QVERIFY(visibleState(window->game().board()) == before);
    }

    void realRulesBoxIsModalWithTheInformationIconAndOk()
    {
        frmQuadlo own(nullptr, fixedSeed);
        showAndActivate(own);
        SeenBox seen;
        closeNextMessageBox(seen);
        QTest::keyClick(&own, Qt::Key_R, Qt::ControlModifier);

        QVERIFY(seen.seen);
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(seen.title, QStringLiteral("Rules of Quadlo"));
        QCOMPARE(seen.text,
            QString::fromLatin1(kRules).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(seen.text.count(QLatin1Char('\n')), 9);
        QCOMPARE(seen.buttons, 1);
        QVERIFY(seen.okButton);
    }

    void resultBoxHasNoIcon()
    {
        QCOMPARE(messageBoxIcon(MessageStyle::OkOnly), QMessageBox::NoIcon);
        QCOMPARE(messageBoxIcon(MessageStyle::Information), QMessageBox::Information);
        QCOMPARE(messageBoxText("a\r\nb\r\nc"), QStringLiteral("a\nb\nc"));
    }

    // Last: once the application has been told to exit, Qt ends every event
    // loop that starts afterwards at once, modal boxes included.
    void exitEndsTheProgramAtOnce()
    {
        QEventLoop loop;
        QTimer::singleShot(0, window.get(),
            [this] { QTest::keyClick(window.get(), Qt::Key_X, Qt::ControlModifier); });
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(99); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(boxes.shown.empty());
    }

    // Owner Marks turned on from the View menu is kept in the file and read
    // back by the next run; it draws the human's squares as rings.
    void viewChoicesAreKeptBetweenRuns()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("quadlo/quadlo.conf"));
        QStringList warnings;
        const auto warn = [&](const QString& line) { warnings << line; };
        {
            Preferences preferences(path, warn);
            window->usePreferences(preferences);
            QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
            QVERIFY(window->findChild<QAction*>("mnuOwnerMarks")->isChecked());
        }
        Preferences again(path, warn);
        QCOMPARE(again.choices(), (ViewChoices { true, false }));
        QVERIFY(warnings.isEmpty());

        // --instant for one run shows every turn at once without keeping it.
        window->usePreferences(again, true);
        QVERIFY(window->findChild<QAction*>("mnuInstantTurns")->isChecked());
        QCOMPARE(Preferences(path, warn).choices(), (ViewChoices { true, false }));
    }

    void aSettingsFileThatCannotServeLeavesTheDefaultsAndSaysSoOnce()
    {
        QTemporaryDir dir;
        const auto file = [&](const char* name, const QByteArray& text) {
            const QString path = dir.filePath(QLatin1String(name));
            QFile out(path);
            if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
                qFatal("cannot write %s", qPrintable(path));
            return path;
        };
        struct Case {
            QString path;
            int warnings;
        };
        QDir(dir.path()).mkdir(QStringLiteral("a-folder"));
        const std::vector<Case> cases {
            { dir.filePath(QStringLiteral("missing.conf")), 0 },
            { file("empty.conf", ""), 0 },
            { file("words.conf", "[View]\nownerMarks=banana\n"), 1 },
            { file("binary.conf", QByteArray("\x00\xff[View\n=\x01", 10)), 1 },
            { dir.filePath(QStringLiteral("a-folder")), 1 },
        };
        for (const Case& c : cases) {
            int warnings = 0;
            const Preferences preferences(c.path, [&](const QString&) { ++warnings; });
            QCOMPARE(preferences.choices(), ViewChoices {});
            QVERIFY2(warnings == c.warnings, qPrintable(c.path));
        }

        // A file whose folder cannot be made: the choice holds for this run,
        // and the failure is told once, not at every change.
        int warnings = 0;
        Preferences preferences(file("plain", "") + QStringLiteral("/quadlo.conf"),
            [&](const QString&) { ++warnings; });
        preferences.set({ true, false });
        preferences.set({ false, false });
        QCOMPARE(preferences.choices(), ViewChoices {});
        QCOMPARE(warnings, 1);
    }

    // The same edge then gets the same answer: the generator is back too.
    void takeBackRestoresTheBoardScoresMarksAndTheComputersAnswer()
    {
        auto* takeBack = window->findChild<QAction*>("mnuTakeBack");
        QVERIFY(!takeBack->isEnabled());
        playSomeMoves(*window);
        const Board& board = window->game().board();
        const VisibleState before = visibleState(board);
        const QImage shown = boardImage(*window);
        const Edge next = *firstOpenEdge(board);
        clickEdge(*window, next.family, next.index);
        const VisibleState answered = visibleState(board);
        QVERIFY(takeBack->isEnabled());

        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(visibleState(board) == before);
        QCOMPARE(boardImage(*window), shown);
        clickEdge(*window, next.family, next.index);
        QVERIFY(visibleState(board) == answered);

        // Back to the start of the game, and no further.
        while (takeBack->isEnabled())
            QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(visibleState(board) == visibleState(Board {}));
        playSomeMoves(*window);
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(!takeBack->isEnabled());
    }

    // The hint is searched off the window's thread: New Game goes through at
    // once, and the old position's answer never shows.
    void aHintOutlinesAPlayableEdgeAndSaysTheOutcomeWithoutBlockingTheWindow()
    {
        const Board& board = window->game().board();
        auto* search = window->findChild<HintSearch*>();
        QSignalSpy answers(search, &HintSearch::found);
        const auto text = [&] { return window->findChild<QLabel*>("lblHint"); };
        QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(text()->isVisible());
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(!text()->isVisible());

        while (board.openEdges().size() > 28) {
            const Edge edge = *firstOpenEdge(board);
            clickEdge(*window, edge.family, edge.index);
        }
        QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
        // Waits for the worker's answer, not for a time.
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, 60000);
        const Hint hint = answers.takeFirst().at(0).value<Hint>();
        QVERIFY(hint.edge && window->game().isPlayable(*hint.edge));
        QVERIFY(text()->isVisible());
        QVERIFY(text()->text().startsWith(QStringLiteral("With best play ")));
        QCOMPARE(pixelAt(boardImage(*window),
                     edgeCentre(hint.edge->family, hint.edge->index)
                         + (hint.edge->family == Vertical ? QPoint(6, 0) : QPoint(0, 6))),
            QColor(255, 255, 0));

        clickEdge(*window, hint.edge->family, hint.edge->index);
        QVERIFY(!text()->isVisible());
    }

    // Every game start takes a seed of its own, so the file must name the
    // one each game was played from.
    void aSavedGameReplaysInTheEngineAsTheWindowPlayedIt()
    {
        std::uint32_t next = 1000;
        frmQuadlo own(&boxes, [&next] { return next++; });
        showAndActivate(own);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("game.quadlo"));
        own.setGameFileQuestion([&](frmQuadlo::GameFileAction, const QString&) { return path; });
        const auto select = [&](const char* level) {
            QTest::mouseClick(own.findChild<QRadioButton*>(level), Qt::LeftButton);
        };

        select("lblHard");
        playSomeMoves(own);
        QTest::keyClick(&own, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&own, Qt::Key_N, Qt::ControlModifier);
        select("lblEasy");
        playSomeMoves(own);
        select("lblMedium");
        QTest::keyClick(&own, Qt::Key_S, Qt::ControlModifier);

        QVERIFY(boxes.shown.empty());
        const auto replayed = engineReplay(fileText(path));
        QVERIFY(visibleState(replayed->board()) == visibleState(own.game().board()));
        QCOMPARE(replayed->board().selectedDifficulty(), Difficulty::Medium);
    }

    // A script written for quadlo-engine, with no level chosen at first and
    // the default seed until it gives one, opened over a game played on Hard
    // from other seeds.
    void anOpenedGameShowsWhereItEndedAndPlaysOnAsInTheEngine()
    {
        std::uint32_t next = 500;
        frmQuadlo own(&boxes, [&next] { return next++; });
        showAndActivate(own);
        QTemporaryDir dir;
        const QByteArray script = "# by hand\n\nclick v 1\nclick h 1\nseed 4242\nselect easy\n"
                                  "click v 7\nundo\nclick v 8\nclick h 20\n";
        QString path = dir.filePath(QStringLiteral("by-hand.txt"));
        writeFile(path, script);
        own.setGameFileQuestion([&](frmQuadlo::GameFileAction, const QString&) { return path; });
        QTest::mouseClick(own.findChild<QRadioButton*>("lblHard"), Qt::LeftButton);
        playSomeMoves(own);

        QTest::keyClick(&own, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(boxes.shown.empty());
        const auto replayed = engineReplay(script);
        const Board& board = own.game().board();
        QVERIFY(visibleState(board) == visibleState(replayed->board()));
        QVERIFY(own.findChild<QRadioButton*>("lblEasy")->isChecked());

        // The generator stands where the engine's does: the same edge gets
        // the same answer.
        const Edge edge = *firstOpenEdge(board);
        clickEdge(own, edge.family, edge.index);
        replayed->run(ClickCommand { edge });
        QVERIFY(visibleState(board) == visibleState(replayed->board()));

        // Saved again, the game holds what was opened and what followed.
        path = dir.filePath(QStringLiteral("again.quadlo"));
        QTest::keyClick(&own, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(visibleState(board) == visibleState(engineReplay(fileText(path))->board()));
    }

    void openingAFileThatIsNoSavedGameChangesNothingAndSaysSo_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("says");
        QTest::newRow("a bad line after good ones")
            << "file" << QByteArray("select hard\nclick v 1\nclick v 31\n") << "line 3";
        QTest::newRow("scripted random values")
            << "file" << QByteArray("seed 3\nrandom 0.5\n") << "line 2";
        QTest::newRow("no commands") << "file" << QByteArray("# nothing\n\n") << "no commands";
        QTest::newRow("a program") << "file"
                                   << QByteArray("\x7f"
                                                 "ELF\x02\x01\x01\x00",
                                          8)
                                   << "line 1";
        QTest::newRow("no file") << "missing" << QByteArray() << "could not be opened";
        // Read as a file, a pipe would wait for a writer for ever.
        QTest::newRow("a pipe") << "pipe" << QByteArray() << "not a regular file";
    }

    void openingAFileThatIsNoSavedGameChangesNothingAndSaysSo()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, text);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("not-a-game"));
        if (kind == QLatin1String("file"))
            writeFile(path, text);
        else if (kind == QLatin1String("pipe"))
            QCOMPARE(mkfifo(qPrintable(path), 0600), 0);
        QString answer;
        window->setGameFileQuestion(
            [&](frmQuadlo::GameFileAction, const QString&) { return answer; });
        QTest::mouseClick(window->findChild<QRadioButton*>("lblHard"), Qt::LeftButton);
        playSomeMoves(*window);
        const Board& board = window->game().board();
        const VisibleState before = visibleState(board);
        answer = dir.filePath(QStringLiteral("before.quadlo"));
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);

        answer = path;
        QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(boxes.shown[0].title, std::string("Open Game"));
        QCOMPARE(boxes.shown[0].style, MessageStyle::Exclamation);
        const QString shown = QString::fromStdString(boxes.shown[0].text);
        QVERIFY2(shown.startsWith(path) && shown.contains(says), qPrintable(shown));
        QVERIFY(visibleState(board) == before);
        QVERIFY(board.lblHard);
        // The record of the game is as it was.
        answer = dir.filePath(QStringLiteral("after.quadlo"));
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(fileText(answer), fileText(dir.filePath(QStringLiteral("before.quadlo"))));
    }

    void aSaveThatFailsSaysSoAndLeavesNoPartOfAFile()
    {
        QTemporaryDir dir;
        const auto entries = [&] {
            return QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        };
        writeFile(dir.filePath(QStringLiteral("plain")), "a file, not a folder\n");
        QString path = dir.filePath(QStringLiteral("plain/game.quadlo"));
        window->setGameFileQuestion(
            [&](frmQuadlo::GameFileAction, const QString&) { return path; });
        playSomeMoves(*window);
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(boxes.shown[0].title, std::string("Save Game"));
        QCOMPARE(boxes.shown[0].style, MessageStyle::Exclamation);
        QVERIFY(QString::fromStdString(boxes.shown[0].text).contains(path));
        QCOMPARE(entries(), QStringList { QStringLiteral("plain") });

        // A write cut short, here by a limit on the size of files: the game
        // saved there before stays whole.
        path = dir.filePath(QStringLiteral("game.quadlo"));
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        const QByteArray saved = fileText(path);
        const Edge next = *firstOpenEdge(window->game().board());
        clickEdge(*window, next.family, next.index);
        rlimit limit {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
        rlimit small = limit;
        small.rlim_cur = rlim_t(saved.size() / 2);
        const auto signal = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, signal);
        QCOMPARE(boxes.shown.size(), std::size_t(2));
        QCOMPARE(fileText(path), saved);
        QCOMPARE(
            entries(), QStringList({ QStringLiteral("game.quadlo"), QStringLiteral("plain") }));
    }

    // The folder's name has what the settings file's format would read as
    // more than a name.
    void theFileDialogStartsWhereTheLastGameWasSavedAlsoInTheNextRun()
    {
        QTemporaryDir dir;
        const QString settings = dir.filePath(QStringLiteral("quadlo/quadlo.conf"));
        const QString folder = dir.filePath(QStringLiteral("Games, \"ü\"; #1 = @mine"));
        QVERIFY(QDir().mkpath(folder));
        QStringList startedIn;
        window->setGameFileQuestion([&](frmQuadlo::GameFileAction, const QString& start) {
            startedIn << start;
            return folder + QStringLiteral("/game.quadlo");
        });
        QStringList warnings;
        const auto warn = [&](const QString& line) { warnings << line; };
        {
            Preferences preferences(settings, warn);
            window->usePreferences(preferences);
            QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        }
        Preferences again(settings, warn);
        window->usePreferences(again);
        QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(startedIn, QStringList({ QDir::homePath(), folder }));
        QVERIFY(boxes.shown.empty());
        QVERIFY(warnings.isEmpty());
    }
};

QTEST_MAIN(MenuCommandsTest)
#include "MenuCommandsTest.moc"
