// SPDX-License-Identifier: GPL-3.0-or-later
// The menu commands through their shortcuts: New Game starts afresh and keeps
// the difficulty, Rules and About show their texts, the real message boxes look
// as the game asks, and Exit ends the program.
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
#include "analysis/ExpertPlayer.h"
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

    // The expert's answer to an edge taken back before it came never shows,
    // even when the game awaits the computer again on another position.
    void theExpertsAnswerForATakenBackEdgeIsNeverPlayed()
    {
        const Board& board = window->game().board();
        QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
        clickEdge(*window, Vertical, 1);
        QVERIFY(window->game().awaitsComputerEdge());
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        clickEdge(*window, Vertical, 2);
        const std::optional<Edge> answer = analysis::ExpertPlayer().choose(board, fixedSeed());
        // Waits for the worker's answer, not for a time.
        QTRY_VERIFY_WITH_TIMEOUT(!window->game().awaitsComputerEdge(), 10000);
        QCOMPARE(board.edgesMarked(Mark::c), std::vector { *answer });
        QVERIFY(board.isOpen(Vertical, 1));
    }

    // Like every command, Play the Expert is refused from inside a box another
    // command opened, and its check mark stays as the game plays.
    void playTheExpertFromABoxLeftOpenIsRefusedAndLeavesNoCheckMark()
    {
        boxes.onShow = [this](const ShownMessage&) {
            QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
        };
        QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(!window->findChild<QAction*>("mnuExpert")->isChecked());
        clickEdge(*window, Vertical, 1);
        QVERIFY(!window->game().awaitsComputerEdge());
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
};

QTEST_MAIN(MenuCommandsTest)
#include "MenuCommandsTest.moc"
