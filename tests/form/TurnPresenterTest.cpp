// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's turn shown move by move, on a clock the test steps by hand: a
// whole game replayed beside a headless game with the same seed, so that every
// step on screen can be held against what the game recorded; a whole game
// against the expert, held against an expert of the test's own; and the
// clicks and keys that arrive while a turn is still being shown.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "FormTestSupport.h"
#include "analysis/BoardAdapter.h"
#include "analysis/ExpertPlayer.h"
#include "form/TurnPresenter.h"
#include "game/GameRecord.h"

using namespace quadlo;
using namespace quadlo::test;

namespace {

// The game as the core plays it with no window, recording every event.
struct ReferenceGame {
    ReferenceGame()
    {
        game.setTurnObserver(&turns);
        game.Form_Load();
        game.selectDifficulty(Difficulty::Medium);
    }

    GameRandom random { [] { return fixedSeed(); } };
    RecordingPresenter messages;
    RecordingForm form;
    RecordingObserver turns;
    Game game { random, messages, form };
};

QColor colourOf(Player player)
{
    return layout::colour(player == Player::Human ? kHumanColour : kComputerColour);
}

} // namespace

class TurnPresenterTest : public WindowTest {
    Q_OBJECT

public:
    TurnPresenterTest()
        : WindowTest(Turns::Paced)
    {
    }

private slots:
    void aWholeGameIsShownMoveByMoveInTheOrderTheGameRecorded()
    {
        ReferenceGame reference;
        const Board& board = window->game().board();
        QImage underTheResult;
        boxes.onShow = [&](const ShownMessage&) { underTheResult = boardImage(*window); };
        int humanScore = 0;
        int computerScore = 0;
        std::size_t longestTurn = 0;

        const std::vector<TurnEvent>& events = reference.turns.events;
        while (const std::optional<Edge> click = firstOpenEdge(board)) {
            reference.turns.events.clear();
            reference.game.edgeClicked(*click);
            clock.delays.clear();
            clickEdge(*window, click->family, click->index);

            // What the human's click did is on screen at once; each further
            // step adds one computer edge and the squares it completed.
            std::size_t at = 0;
            std::vector<Edge> computerEdges;
            while (true) {
                std::size_t end = at + 1;
                while (end < events.size() && events[end].square != 0)
                    ++end;
                const QImage image = boardImage(*window);
                for (std::size_t i = 0; i < events.size(); ++i) {
                    const TurnEvent& e = events[i];
                    const QColor expected = i < end ? colourOf(e.player) : QColor(0, 0, 255);
                    const QPoint where = e.square == 0 ? edgeSide(e.edge.family, e.edge.index)
                                                       : markerCentre(e.square);
                    QCOMPARE(pixelAt(image, where), expected);
                }
                for (std::size_t i = at; i < end; ++i) {
                    const TurnEvent& e = events[i];
                    if (e.square != 0)
                        ++(e.player == Player::Human ? humanScore : computerScore);
                    else if (e.player == Player::Computer)
                        computerEdges.push_back(e.edge);
                }
                QCOMPARE(window->findChild<QLabel*>("lblScore1")->text().toInt(), humanScore);
                QCOMPARE(window->findChild<QLabel*>("lblScore2")->text().toInt(), computerScore);
                if (end == events.size())
                    break;
                QVERIFY(boxes.shown.empty());
                QVERIFY(clock.pending());
                clock.fire();
                at = end;
            }
            QVERIFY(!clock.pending());
            QVERIFY(!window->presenter().showing());

            // 400 ms before the computer's first edge, 200 ms before each further
            // one; no turn of this game is long enough to be sped up.
            QCOMPARE(clock.delays.size(), computerEdges.size());
            for (std::size_t i = 0; i < clock.delays.size(); ++i)
                QCOMPARE(clock.delays[i], i == 0 ? 400 : 200);
            longestTurn = std::max(longestTurn, computerEdges.size());

            // The turn's computer edges, and only they, carry the mark: whole on
            // the final one, in dashes on the others.
            const QImage shown = boardImage(*window);
            for (Family family : { Vertical, Horizontal }) {
                for (int index = 1; index <= kEdgesPerFamily; ++index) {
                    const Edge edge { family, index };
                    const auto found = std::find(computerEdges.begin(), computerEdges.end(), edge);
                    const bool marked = found != computerEdges.end();
                    QCOMPARE(
                        pixelAt(shown, edgeCentre(family, index)) == QColor(Qt::black), marked);
                    if (marked)
                        QCOMPARE(pixelAt(shown, alongEdge(edge, 0.3)) == QColor(Qt::black),
                            found + 1 == computerEdges.end());
                }
            }
        }

        // One result, shown over the final position.
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(boxes.shown[0].text, reference.messages.shown.at(0).text);
        QCOMPARE(underTheResult, boardImage(*window));
        QCOMPARE(humanScore + computerScore, 25);
        // The replay holds chains, shown one edge at a time.
        QVERIFY(longestTurn >= 3);
    }

    // An expert of the test's own, asked about the same positions in the same
    // order with the window's seed, tells which edges the window's must draw.
    // The game stops well before the solver takes over, whose searches take
    // a second and are the expert's own tests' business. New Game keeps the
    // choice; no level shows as selected while it is on.
    void withTheExpertOnTheComputerDrawsTheExpertsEdgesAtTheLevelsPace()
    {
        auto* expert = window->findChild<QAction*>("mnuExpert");
        const auto levels = window->findChildren<QRadioButton*>();
        QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(expert->isChecked());
        for (const QRadioButton* level : levels)
            QVERIFY(!level->isChecked() && !level->isEnabled());

        analysis::ExpertPlayer reference;
        std::vector<Edge> expertsEdges;
        const Board& board = window->game().board();
        while (board.openEdges().size() > std::size_t(analysis::kExpertSolvesFrom + 8)) {
            const Edge click = *firstOpenEdge(board);
            const std::size_t computers = board.edgesMarked(Mark::c).size();
            clickEdge(*window, click.family, click.index);
            // The computer has not moved yet: its edges come from the worker.
            QCOMPARE(board.edgesMarked(Mark::c).size(), computers);
            if (!window->game().awaitsComputerEdge())
                continue;
            QVERIFY(!expert->isEnabled());
            Board position = board;
            clock.delays.clear();
            // Waits for the worker's answers, not for a time.
            QTRY_VERIFY_WITH_TIMEOUT(!window->game().awaitsComputerEdge(), 10000);
            // Shown as a level's edges are: after 400 ms, then one by one.
            QVERIFY(window->presenter().picture().lastComputerEdges.empty());
            while (clock.pending())
                clock.fire();
            QCOMPARE(clock.delays.front(), 400);
            const std::vector<Edge>& turn = window->presenter().picture().lastComputerEdges;
            QCOMPARE(board.openEdges().size(), position.openEdges().size() - turn.size());
            for (const Edge edge : turn) {
                QCOMPARE(reference.choose(position, fixedSeed()), std::optional(edge));
                position.drawEdge(edge, Mark::c);
            }
            expertsEdges.insert(expertsEdges.end(), turn.begin(), turn.end());
            QVERIFY(expert->isEnabled());
        }

        // A saved game gives the expert's edges as played, each turn's just
        // before the click that started it.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("expert.quadlo"));
        window->setGameFileQuestion(
            [&](frmQuadlo::GameFileAction, const QString&) { return path; });
        window->findChild<QAction*>("mnuSave")->trigger();
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const auto record = GameRecord::read(saved.readAll().toStdString());
        std::vector<Edge> answered;
        const Command* previous = nullptr;
        for (const Command& command : std::get<GameRecord>(record).commands()) {
            if (previous && std::holds_alternative<AnswerCommand>(*previous))
                QVERIFY(std::holds_alternative<ClickCommand>(command));
            if (const auto* answer = std::get_if<AnswerCommand>(&command))
                answered.insert(answered.end(), answer->edges.begin(), answer->edges.end());
            previous = &command;
        }
        QVERIFY(!answered.empty());
        QVERIFY(answered == expertsEdges);

        // Off again, the level the model kept is back and answers at once.
        QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
        QVERIFY(window->findChild<QRadioButton*>("lblMedium")->isChecked());
        for (const QRadioButton* level : levels)
            QVERIFY(level->isEnabled());
        const Edge click = *firstOpenEdge(board);
        clickEdge(*window, click.family, click.index);
        QVERIFY(!window->game().awaitsComputerEdge());
    }

    void aLongRunIsSpedUpSoThatNoTurnTakesMoreThanTwoSeconds()
    {
        for (int moves = 10; moves <= 2 * kEdgesPerFamily; ++moves) {
            int total = 0;
            for (int move = 0; move < moves; ++move)
                total += moveDelay(move, moves);
            QVERIFY(total > 1900 && total <= 2000);
        }
    }

    void aClickOrAKeyWhileATurnIsShownFinishesTheShowingAndIsNotPlayed()
    {
        const Board& board = window->game().board();
        int interrupted = 0;
        while (interrupted < 2) {
            const std::optional<Edge> click = firstOpenEdge(board);
            QVERIFY(click);
            clickEdge(*window, click->family, click->index);
            if (!window->presenter().showing())
                continue;
            const VisibleState before = visibleState(board);
            const bool difficulty = board.lblMedium;
            if (interrupted++ == 0) {
                const std::optional<Edge> open = firstOpenEdge(board);
                clickEdge(*window, open->family, open->index);
            } else {
                // The arrow would otherwise move the difficulty option.
                QVERIFY(QApplication::focusWidget());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            }
            QVERIFY(!window->presenter().showing());
            QVERIFY(!clock.pending());
            QVERIFY(visibleState(board) == before);
            QCOMPARE(board.lblMedium, difficulty);
            // Everything the model holds is now on screen.
            const QImage image = boardImage(*window);
            for (Family family : { Vertical, Horizontal }) {
                for (int index = 1; index <= kEdgesPerFamily; ++index) {
                    QCOMPARE(pixelAt(image, edgeSide(family, index)),
                        layout::colour(board.edge(family, index).backColor));
                }
            }
        }
    }
};

QTEST_MAIN(TurnPresenterTest)
#include "TurnPresenterTest.moc"
