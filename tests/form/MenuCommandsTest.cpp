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
#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "FormTestSupport.h"
#include "analysis/BoardAdapter.h"
#include "analysis/ExpertPlayer.h"
#include "analysis/Solver.h"
#include "board/BoxGeometry.h"
#include "engine/Replay.h"
#include "engine/Review.h"
#include "form/Coach.h"
#include "form/GameReview.h"
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

// Plays on Easy, which leaves squares to take, until a click of the human's
// takes some and the human moves again; the squares it took.
int playUntilTheHumanTakesSquares(frmQuadlo& window)
{
    window.findChild<QRadioButton*>("lblEasy")->click();
    const Board& board = window.game().board();
    int taken = 0;
    while (window.game().humanToMove() && taken == 0) {
        const int before = board.humanScore;
        // The fourth side of a square when there is one, else the first
        // open edge.
        Edge edge = *firstOpenEdge(board);
        for (int square = 1; square <= kSquareCount; ++square) {
            for (const Edge side : sideEdges(square)) {
                if (drawnSides(board, square) == 3 && board.isOpen(side))
                    edge = side;
            }
        }
        clickEdge(window, edge.family, edge.index);
        if (window.game().humanToMove())
            taken = board.humanScore - before;
    }
    return taken;
}

// Runs `write` with files limited to `bytes`, as a full disk would cut a
// write short: the write fails where the limit falls, with no signal.
template <typename Write> void withFileSizeLimit(rlim_t bytes, Write write)
{
    rlimit limit {};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0)
        qFatal("cannot read the file size limit");
    rlimit small = limit;
    small.rlim_cur = bytes;
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    if (setrlimit(RLIMIT_FSIZE, &small) != 0)
        qFatal("cannot limit the file size");
    write();
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, signal);
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

// Records the next modal box and presses OK.
void closeNextMessageBox(SeenBox& seen)
{
    onNextMessageBox([&seen](QMessageBox& box) {
        seen.seen = true;
        seen.icon = box.icon();
        seen.title = box.windowTitle();
        seen.text = box.text();
        seen.buttons = box.buttons().size();
        seen.okButton = box.button(QMessageBox::Ok) != nullptr;
    });
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

        // --instant for one run shows every turn at once without keeping it,
        // also when another View choice changes; Instant Turns chosen from the
        // menu is kept.
        window->usePreferences(again, true);
        auto* instantTurns = window->findChild<QAction*>("mnuInstantTurns");
        QVERIFY(instantTurns->isChecked());
        QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(Preferences(path, warn).choices(), (ViewChoices { false, false }));
        instantTurns->trigger();
        instantTurns->trigger();
        QCOMPARE(Preferences(path, warn).choices(), (ViewChoices { false, true }));

        // Show Turn and Show Values too, read back by the next run's menu.
        window->findChild<QAction*>("mnuShowTurn")->trigger();
        window->findChild<QAction*>("mnuShowValues")->trigger();
        QCOMPARE(Preferences(path, warn).choices(), (ViewChoices { false, true, true, true }));
        window = std::make_unique<frmQuadlo>(&boxes, fixedSeed);
        Preferences next(path, warn);
        window->usePreferences(next);
        QVERIFY(window->findChild<QAction*>("mnuShowTurn")->isChecked());
        QVERIFY(window->findChild<QAction*>("mnuShowValues")->isChecked());
        QVERIFY(warnings.isEmpty());
    }

    // Show Turn tells a sighted player in words whose move it is; a hint takes
    // the line while it is shown.
    void showTurnSaysWhoseMoveItIsUnderTheFormUntilAHintTakesTheLine()
    {
        auto* line = window->findChild<QLabel*>("lblHint");
        QVERIFY(!line->isVisible());
        window->findChild<QAction*>("mnuShowTurn")->trigger();
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), QStringLiteral("Your move."));

        window->setStepClock(&clock);
        clickEdge(*window, Vertical, 1);
        QCOMPARE(line->text(), QStringLiteral("The computer is moving…"));
        while (clock.pending())
            clock.fire();
        QCOMPARE(line->text(), QStringLiteral("Your move."));
        window->setStepClock(nullptr);

        // Squares the human takes earn another move, and the line says so.
        const int taken = playUntilTheHumanTakesSquares(*window);
        QVERIFY(taken > 0 && window->game().humanToMove());
        const QString again = taken == 1
            ? QStringLiteral("You took a square. Your move.")
            : QStringLiteral("You took %1 squares. Your move.").arg(taken);
        QCOMPARE(line->text(), again);

        QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(line->text(), QStringLiteral("Thinking about the best move…"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(line->text(), again);

        window->findChild<QAction*>("mnuShowTurn")->trigger();
        QVERIFY(!line->isVisible());
    }

    // Show Values at a position of few open edges: the best edges are outlined
    // in green and every other edge's description tells the squares it loses,
    // as a solver of its own finds them; turned off, the board is as before.
    void showValuesMarksTheBestEdgesAndTellsWhatEachOtherLoses()
    {
        const Board& board = window->game().board();
        while (board.openEdges().size() > 14 && window->game().humanToMove()) {
            const Edge edge = *firstOpenEdge(board);
            clickEdge(*window, edge.family, edge.index);
        }
        QVERIFY(window->game().humanToMove());
        const QImage plain = boardImage(*window);
        auto* coach = window->findChild<Coach*>();
        window->findChild<QAction*>("mnuShowValues")->trigger();
        // Waits for the worker's values, not for a time.
        QTRY_VERIFY_WITH_TIMEOUT(coach->values().has_value(), 60000);

        analysis::Solver solver(analysis::gameBoxBoard());
        const std::vector<analysis::EdgeValue> values
            = *solver.edgeValues(analysis::drawnEdges(board));
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(boardOf(*window));
        // Each edge's accessible description, found by its name.
        const auto description = [&](Edge edge) {
            const QString name = boardOf(*window)->describe(edge);
            for (int i = 0; i < access->childCount(); ++i) {
                if (access->child(i)->text(QAccessible::Name) == name)
                    return access->child(i)->text(QAccessible::Description);
            }
            return QStringLiteral("no such edge");
        };
        // Just inside the bar's long side, where its outline lies.
        const auto framed = [&](const QImage& image, Edge edge) {
            return pixelAt(image, edgeSide(edge.family, edge.index)) == QColor(0, 255, 0);
        };
        const QImage shown = boardImage(*window);
        int best = 0;
        for (const analysis::EdgeValue& value : values) {
            const Edge edge = analysis::gameEdge(value.edge);
            const int lost = (values.front().value - value.value) / 2;
            best += lost == 0;
            QCOMPARE(framed(shown, edge), lost == 0);
            QCOMPARE(description(edge),
                lost == 0       ? QStringLiteral("best move")
                    : lost == 1 ? QStringLiteral("loses a square")
                                : QStringLiteral("loses %1 squares").arg(lost));
        }
        QVERIFY(best > 0 && best < static_cast<int>(values.size()));

        // Values of a position left behind are never shown.
        const Edge played = analysis::gameEdge(values.back().edge);
        clickEdge(*window, played.family, played.index);
        const QImage after = boardImage(*window);
        for (const analysis::EdgeValue& value : values) {
            const Edge edge = analysis::gameEdge(value.edge);
            QVERIFY(!board.isOpen(edge) || !framed(after, edge));
            QCOMPARE(description(edge), QString());
        }

        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        window->findChild<QAction*>("mnuShowValues")->trigger();
        QCOMPARE(boardImage(*window), plain);
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

    // As a full disk would: the settings written before stay whole, and the
    // failure is told.
    void aSettingsWriteCutShortKeepsTheOldFileAndSaysSo()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("quadlo.conf"));
        QStringList warnings;
        Preferences preferences(path, [&](const QString& line) { warnings << line; });
        preferences.set({ true, false, true, true });
        const QByteArray kept = fileText(path);
        QVERIFY(!kept.isEmpty());
        withFileSizeLimit(rlim_t(kept.size() / 2), [&] { preferences.set({ false, true }); });
        QCOMPARE(fileText(path), kept);
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings[0].contains(path), qPrintable(warnings[0]));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList { QStringLiteral("quadlo.conf") });
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

    // Until Hint is asked in a game the window costs no processor time; New
    // Game ends the asking.
    void withHintNeverAskedInAGameNoAnalysisRuns()
    {
        const qsizetype idle = threadCount();
        playSomeMoves(*window);
        QCOMPARE(threadCount(), idle);

        QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(threadCount() > idle);

        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        // The search gives up at its next look at the stop flag.
        QTRY_COMPARE(threadCount(), idle);
        playSomeMoves(*window);
        QCOMPARE(threadCount(), idle);
    }

    // A menu closed with Escape leaves the menu bar with the keyboard; the
    // next Escape still puts the hint away, and leaves the menu bar as well.
    void escapePutsTheHintAwayWhereverTheKeyboardIs()
    {
        playSomeMoves(*window);
        QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
        auto* line = window->findChild<QLabel*>("lblHint");
        QVERIFY(line->isVisible());
        QMenuBar* bar = window->menuBar();
        QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
        QCOMPARE(QApplication::focusWidget(), bar);
        // The menu closed, not the hint.
        QVERIFY(line->isVisible());

        QTest::keyClick(bar, Qt::Key_Escape);
        QVERIFY(!line->isVisible());
        QVERIFY(bar->activeAction() == nullptr);
    }

    // Once asked, the coach works on each position of the human's while the
    // player thinks, so that the next hint shows at once; Escape puts a hint
    // away without stopping it, and asking again starts no new search.
    void theCoachThinksAheadAndAHintItKnowsShowsAtOnce()
    {
        const Board& board = window->game().board();
        auto* coach = window->findChild<Coach*>();
        const auto text = [&] { return window->findChild<QLabel*>("lblHint"); };
        const qsizetype idle = threadCount();
        // What best play gives the human from the position on the board.
        const auto outcome = [&] {
            analysis::Solver solver(analysis::gameBoxBoard());
            const int margin = board.humanScore - board.computerScore
                + *solver.value(analysis::drawnEdges(board));
            return margin > 0
                ? QStringLiteral("With best play you win by %1.").arg(margin)
                : QStringLiteral("With best play the computer wins by %1.").arg(-margin);
        };
        const auto hintShows = [&](Edge edge) {
            return pixelAt(boardImage(*window),
                       edgeCentre(edge.family, edge.index)
                           + (edge.family == Vertical ? QPoint(6, 0) : QPoint(0, 6)))
                == QColor(255, 255, 0);
        };
        const auto solved = [&] { return coach->known() && coach->known()->exact(); };

        while (board.openEdges().size() > 28) {
            const Edge edge = *firstOpenEdge(board);
            clickEdge(*window, edge.family, edge.index);
        }
        QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(text()->isVisible());
        QCOMPARE(text()->text(), QStringLiteral("Thinking about the best move…"));
        // Waits for the worker's proofs, not for a time; the hint follows them.
        QTRY_VERIFY_WITH_TIMEOUT(solved(), 60000);
        QCOMPARE(text()->text(), outcome());
        // A screen reader hears it as the board's description.
        QCOMPARE(boardOf(*window)->accessibleDescription(), outcome());
        const Edge best = *coach->known()->edge;
        QVERIFY(window->game().isPlayable(best));
        QVERIFY(hintShows(best));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!text()->isVisible());
        QVERIFY(!hintShows(best));
        // Solved, the coach rests; asked again, it has its answer.
        QTRY_COMPARE(threadCount(), idle);
        QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(text()->text(), outcome());
        QVERIFY(text()->isVisible() && hintShows(best));
        QCOMPARE(threadCount(), idle);

        clickEdge(*window, best.family, best.index);
        QVERIFY(!text()->isVisible());
        QVERIFY(window->game().humanToMove());
        QTRY_VERIFY_WITH_TIMEOUT(solved(), 60000);
        QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(text()->text(), outcome());
    }

    // Whose move it is and who wins with best play share the line under the
    // form, one line high as whose move it is alone.
    void withShowTurnAndShowValuesTheLineUnderTheFormStaysOneLine()
    {
        const Board& board = window->game().board();
        auto* coach = window->findChild<Coach*>();
        auto* line = window->findChild<QLabel*>("lblHint");
        while (board.openEdges().size() > 28) {
            const Edge edge = *firstOpenEdge(board);
            clickEdge(*window, edge.family, edge.index);
        }
        window->findChild<QAction*>("mnuShowTurn")->trigger();
        const int oneLine = line->height();
        window->findChild<QAction*>("mnuShowValues")->trigger();
        // Waits for the worker's proofs, not for a time.
        QTRY_VERIFY_WITH_TIMEOUT(coach->known() && coach->known()->exact(), 60000);
        const QString turn = QStringLiteral("Your move.");
        QVERIFY2(line->text().startsWith(turn) && line->text().size() > turn.size() + 10,
            qPrintable(line->text()));
        QCOMPARE(line->height(), oneLine);
    }

    // The review shows the game an edge a step, the scores with it; no
    // click plays while it is on, and Escape gives the game back as it was.
    void reviewStepsThroughTheGameOnTheBoardAndLeavesTheGameAsItWas()
    {
        QTest::mouseClick(window->findChild<QRadioButton*>("lblHard"), Qt::LeftButton);
        playSomeMoves(*window);
        const VisibleState played = visibleState(window->game().board());
        const std::vector<TurnEvent> moves = window->game().moves();
        const auto edges = std::count_if(
            moves.begin(), moves.end(), [](const TurnEvent& e) { return e.isEdge(); });
        BoardView* board = boardOf(*window);
        const auto colouredEdges = [&] {
            int coloured = 0;
            forEachEdge([&](Edge e) { coloured += board->shown().edge(e) != kBoardColour; });
            return coloured;
        };
        auto* score = window->findChild<QLabel*>("lblScore1");
        const QString playedScore = score->text();
        // The review puts the hint away; its line, of one row, comes back
        // as high as before.
        QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
        const int hintHeight = window->height();

        QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier);
        QVERIFY(board->reviewing());
        QCOMPARE(colouredEdges(), edges);
        // The keys said at the start take the line's second row.
        int height = window->height();
        QTest::keyClick(window.get(), Qt::Key_Home);
        QCOMPARE(colouredEdges(), 0);
        QCOMPARE(score->text(), QStringLiteral("0"));
        // A click on the board steps forward: the game's first edge, the
        // human's, in red.
        QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier, edgeCentre(Horizontal, 30));
        QCOMPARE(colouredEdges(), 1);
        QCOMPARE(board->shown().edge(moves.front().edge), kHumanColour);
        QVERIFY(window->findChild<QLabel*>("lblHint")->text().contains(
            QStringLiteral("Edge 1 of %1, your move 1:").arg(edges)));
        // Texts of one line and of two in turn leave the window's height
        // where the tallest put it.
        QCOMPARE(window->height(), height);
        for (int step = 1; step <= edges; ++step) {
            QTest::keyClick(window.get(), Qt::Key_Right);
            QVERIFY(window->height() >= height);
            height = window->height();
        }
        QTest::keyClick(window.get(), Qt::Key_Home);
        QCOMPARE(window->height(), height);
        QTest::keyClick(window.get(), Qt::Key_End);
        QTest::keyClick(window.get(), Qt::Key_Left);
        QCOMPARE(colouredEdges(), edges - 1);

        QTest::keyClick(window.get(), Qt::Key_Escape);
        QVERIFY(!board->reviewing());
        QVERIFY(visibleState(window->game().board()) == played);
        QCOMPARE(score->text(), playedScore);
        QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(window->height(), hintHeight);
        QVERIFY(!window->findChild<QAction*>("mnuReview")->isChecked());
    }

    // The opening is beyond the solver, so a move played there stays
    // undecided, and the review denies a turning point only among the rest.
    void theReviewDeniesATurningPointOnlyAmongTheMovesItDecided()
    {
        // A small budget gives up on the opening as soon.
        window->setReviewBudget(20'000);
        const Edge edge = *firstOpenEdge(window->game().board());
        clickEdge(*window, edge.family, edge.index);
        QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier);
        auto* line = window->findChild<QLabel*>("lblHint");
        QTest::keyClick(window.get(), Qt::Key_Home);
        QTest::keyClick(window.get(), Qt::Key_Right);
        // Waits for the worker's verdict, not for a time.
        QTRY_VERIFY_WITH_TIMEOUT(
            line->text().contains(QStringLiteral("your move 1: not decided.")), 60000);
        QVERIFY2(line->text().contains(QStringLiteral("No turning point among the decided moves.")),
            qPrintable(line->text()));
    }

    // The same moves, judged in the window and by quadlo-engine review of
    // the saved game, with one budget: the same verdicts, line for line.
    void theReviewJudgesEachMoveAsTheEngineReviewsTheSavedGame()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("game.quadlo"));
        window->setGameFileQuestion(
            [&](frmQuadlo::GameFileAction, const QString&) { return path; });
        QTest::mouseClick(window->findChild<QRadioButton*>("lblEasy"), Qt::LeftButton);
        while (!window->game().board().gameOver) {
            const Edge edge = *firstOpenEdge(window->game().board());
            clickEdge(*window, edge.family, edge.index);
        }
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        constexpr std::uint64_t budget = 20'000;
        std::istringstream script(fileText(path).toStdString());
        std::ostringstream engine;
        std::ostringstream err;
        QCOMPARE(engine::runReview(script, engine, err, budget), engine::kReplayOk);

        GameReview review(window->game().moves(), budget);
        QTRY_VERIFY_WITH_TIMEOUT(review.judged(), 60000);
        std::ostringstream judged;
        int decided = 0;
        for (int move = 1; move <= review.humanMoves(); ++move) {
            const auto lost = review.judgement(move)->lost;
            if (!lost)
                continue;
            ++decided;
            judged << "move " << move << ' ' << clickName(review.edge(review.stepOfMove(move)).edge)
                   << " lost " << *lost << '\n';
        }
        const std::optional<int> turning = review.turningPoint();
        judged << "turning point: "
               << (turning ? "move " + std::to_string(*turning) + ' '
                              + clickName(review.edge(review.stepOfMove(*turning)).edge)
                           : std::string("none"))
               << "\ndecided " << decided << " of " << review.humanMoves() << " human moves\n";
        QCOMPARE(judged.str(), engine.str());
        QVERIFY(decided > 0);
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

    // The expert's random choices are seeded by the game, not by the time
    // of each move, and Play the Expert is in the file: the engine replays
    // the expert's edges, and the game opens with the expert still playing.
    // The game stops before the solver takes over, whose searches take a
    // second each.
    void aGameTheExpertPlayedReplaysInTheEngineAndOpensAsItWasPlayed()
    {
        std::uint32_t next = 1300;
        frmQuadlo own(&boxes, [&next] { return next++; });
        showAndActivate(own);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("expert.quadlo"));
        const auto fileIsPath = [&](frmQuadlo::GameFileAction, const QString&) { return path; };
        own.setGameFileQuestion(fileIsPath);
        window->setGameFileQuestion(fileIsPath);
        const Board& board = own.game().board();
        const auto playDownTo = [&](std::size_t open) {
            while (board.openEdges().size() > open) {
                const Edge click = *firstOpenEdge(board);
                clickEdge(own, click.family, click.index);
                // Waits for the worker's answers, not for a time.
                QTRY_VERIFY_WITH_TIMEOUT(!own.game().awaitsComputerEdge(), 10000);
            }
        };
        // The expert, then the level for a move, then the expert again.
        QTest::keyClick(&own, Qt::Key_E, Qt::ControlModifier);
        playDownTo(52);
        QTest::keyClick(&own, Qt::Key_E, Qt::ControlModifier);
        playDownTo(50);
        QTest::keyClick(&own, Qt::Key_E, Qt::ControlModifier);
        playDownTo(std::size_t(analysis::kExpertSolvesFrom + 6));
        QTest::keyClick(&own, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(boxes.shown.empty());
        QVERIFY(visibleState(engineReplay(fileText(path))->board()) == visibleState(board));

        window->findChild<QAction*>("mnuOpen")->trigger();
        QVERIFY(boxes.shown.empty());
        QVERIFY(visibleState(window->game().board()) == visibleState(board));
        // The board played has the keyboard's focus: the marks are compared.
        QCOMPARE(window->presenter().picture().lastComputerEdges,
            own.presenter().picture().lastComputerEdges);
        QVERIFY(window->findChild<QAction*>("mnuExpert")->isChecked());
        QVERIFY(!window->findChild<QRadioButton*>("lblMedium")->isEnabled());
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

    // The marks of the computer's last edges, and the line under the form,
    // as they were when the game was played, also after a Take Back in the
    // game saved or in the game opened.
    void anOpenedGameLooksAsItDidWhenItWasPlayed()
    {
        std::uint32_t next = 700;
        frmQuadlo played(&boxes, [&next] { return next++; });
        showAndActivate(played);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("game.quadlo"));
        const auto fileIsPath = [&](frmQuadlo::GameFileAction, const QString&) { return path; };
        played.setGameFileQuestion(fileIsPath);
        window->setGameFileQuestion(fileIsPath);
        // Shortcuts go to the active window, so the menus' commands are
        // triggered in each.
        const auto command = [](frmQuadlo& shown, const char* name) {
            shown.findChild<QAction*>(name)->trigger();
        };
        const auto line
            = [](frmQuadlo& shown) { return shown.findChild<QLabel*>("lblHint")->text(); };
        const auto looksAlike = [&] {
            return visibleState(window->game().board()) == visibleState(played.game().board())
                && boardImage(*window) == boardImage(played) && line(*window) == line(played);
        };
        command(played, "mnuShowTurn");
        command(*window, "mnuShowTurn");
        playSomeMoves(played);
        command(played, "mnuNew");
        QVERIFY(playUntilTheHumanTakesSquares(played) > 0);
        playSomeMoves(*window);

        // Saved with the squares just taken, and again once taken back.
        for (int saved = 0; saved < 2; ++saved) {
            command(played, "mnuSave");
            command(*window, "mnuOpen");
            QVERIFY(boxes.shown.empty());
            QVERIFY(looksAlike());
            command(played, "mnuTakeBack");
            command(*window, "mnuTakeBack");
            QVERIFY(looksAlike());
        }
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
        withFileSizeLimit(rlim_t(saved.size() / 2),
            [&] { QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier); });
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
