// SPDX-License-Identifier: GPL-3.0-or-later
// The real window under seeded random input for a bounded time: clicks on and
// beside the board, bursts, keys, New Game, Take Back, Review Game, Play the
// Expert, Rules, About, Hint, Save Game and Open Game by their shortcuts (the
// file dialogs answered with one file), level changes, the paced turn's clock
// stepped at random, also while a box is open. After every step the screen
// shows the model (the presenter's picture while a turn is shown, the
// review's while a review is on, when no click plays), no level shows as
// selected while the expert plays, no box opens over another, a click on an
// edge is played exactly when it is playable, and opening the game last saved
// brings it back as it was saved (or, with none saved yet, changes nothing):
// a saved game replays the levels' answers and the expert's. One saved while
// the expert was still to move opens with the expert's turn played out.
// QUADLO_MONKEY_SECONDS sets the run's length (3 s unless CMakeLists.txt says
// otherwise); QUADLO_MONKEY_SEED replays the seed the run prints.
#include <random>

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "FormTestSupport.h"
#include "form/TurnPresenter.h"

using namespace quadlo;
using namespace quadlo::test;

class MonkeyTest : public WindowTest {
    Q_OBJECT

public:
    MonkeyTest()
        : WindowTest(Turns::Paced)
    {
    }

private slots:
    void randomInputNeverShowsAnythingButTheGame()
    {
        bool given = false;
        unsigned seed = qEnvironmentVariable("QUADLO_MONKEY_SEED").toUInt(&given);
        seed = given ? seed : std::random_device {}();
        random_.seed(seed);
        qInfo("seed %u: replay with QUADLO_MONKEY_SEED=%u", seed, seed);
        const qint64 limit = 1000 * qEnvironmentVariableIntValue("QUADLO_MONKEY_SECONDS");
        view_ = boardOf(*window);
        QCOMPARE(view_->width(), 257);
        QTemporaryDir dir;
        const QString game = dir.filePath(QStringLiteral("game.quadlo"));
        window->setGameFileQuestion(
            [&](frmQuadlo::GameFileAction, const QString&) { return game; });
        boxes.onShow = [&](const ShownMessage&) {
            QVERIFY(++open_ == 1);
            if (clock.pending() && below(2) == 0)
                clock.fire();
            else if (below(2) == 0)
                shortcut();
            --open_;
        };
        QElapsedTimer elapsed;
        elapsed.start();
        int steps = 0;
        for (; elapsed.elapsed() < (limit > 0 ? limit : 3000); ++steps) {
            act();
            verifyShown();
            if (QTest::currentTestFailed())
                return;
        }
        qInfo("%d steps in %.1f s", steps, elapsed.elapsed() / 1000.0);
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    QPoint anywhereIn(const QWidget* w) { return QPoint(below(w->width()), below(w->height())); }
    // What Open Game is to bring back.
    struct Kept {
        VisibleState state;
        std::optional<Difficulty> level;
        bool operator==(const Kept&) const = default;
    };
    Kept kept() const
    {
        const Board& board = window->game().board();
        return { visibleState(board), board.selectedDifficulty() };
    }

    // New Game, Rules, About, Hint, Save Game, Open Game, Play the Expert,
    // Take Back or Review Game; never Exit.
    void shortcut()
    {
        const Qt::Key key = std::array { Qt::Key_N, Qt::Key_R, Qt::Key_A, Qt::Key_H, Qt::Key_S,
            Qt::Key_O, Qt::Key_E, Qt::Key_Z, Qt::Key_G }[below(9)];
        // A command does not run while a box is open.
        const bool runs = open_ == 0;
        const bool expertToMove = window->game().awaitsComputerEdge();
        const Kept before = kept();
        QTest::keyClick(window.get(), key, Qt::ControlModifier);
        if (runs && key == Qt::Key_S) {
            saved_ = before;
            savedMidTurn_ = expertToMove;
        }
        if (runs && key == Qt::Key_O && !(saved_ && savedMidTurn_))
            QVERIFY(kept() == saved_.value_or(before));
    }
    void clickBoard(QPoint point)
    {
        hoverAt(view_, point);
        pointer_ = point;
        QTest::mouseClick(view_, Qt::LeftButton, Qt::NoModifier, point);
    }

    void act()
    {
        static const std::array keys { Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
            Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_E, Qt::Key_H,
            Qt::Key_Home, Qt::Key_End, Qt::Key_T };
        const int action = below(10);
        if (action < 2) {
            // An edge under the click is drawn exactly when it is playable now;
            // anything else changes nothing and ends a turn being shown.
            const QPoint point = anywhereIn(view_);
            const std::optional<Edge> edge = BoardView::edgeAt(point);
            const bool playable
                = edge && !view_->reviewing() && window->presenter().isPlayableNow(*edge);
            const VisibleState before = visibleState(window->game().board());
            clickBoard(point);
            // A review takes the click for itself.
            QVERIFY(playable ? window->game().board().edge(*edge).tag == Mark::h
                             : visibleState(window->game().board()) == before
                        && (view_->reviewing() || !window->presenter().showing()));
        } else if (action == 2) {
            for (int n = 2 + below(5); n > 0; --n)
                clickBoard(anywhereIn(view_));
        } else if (action == 3) {
            QWidget* client = window->centralWidget();
            const QPoint point = anywhereIn(client);
            QWidget* target = client->childAt(point) ? client->childAt(point) : client;
            QTest::mouseClick(
                target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(client, point));
        } else if (action == 4) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : window.get(), keys[below(int(keys.size()))]);
        } else if (action == 5) {
            shortcut();
        } else if (action < 8) {
            if (clock.pending())
                clock.fire();
        } else {
            pointer_ = anywhereIn(view_);
            hoverAt(view_, *pointer_);
        }
    }

    // The board on screen, the scores and the options against the model, or
    // the presenter's picture while a turn is shown, with the preview of the
    // playable edge under the pointer.
    void verifyShown()
    {
        // The expert's edges come through the event loop: in first, then read.
        QCoreApplication::processEvents();
        const Board& board = window->game().board();
        const TurnPresenter& presenter = window->presenter();
        // The screen shows the model but while a turn is shown or a review is
        // on: then it shows their picture.
        const bool reviewing = view_->reviewing();
        const bool showing = presenter.showing() || reviewing;
        const BoardPicture& picture = reviewing ? view_->shown() : presenter.picture();
        const QImage image = window->screen()->grabWindow(window->winId()).toImage();
        const QPoint corner = view_->mapTo(window.get(), QPoint());
        // The preview is of an edge a click would draw: the one under the
        // pointer, or under the keyboard cursor while the board has the focus.
        const std::optional<Edge> preview = view_->previewed();
        QVERIFY(!preview || (!reviewing && presenter.isPlayableNow(*preview)));
        if (!view_->hasFocus()) {
            const std::optional<Edge> pointed
                = pointer_ ? BoardView::edgeAt(*pointer_) : std::nullopt;
            QCOMPARE(preview,
                pointed && !reviewing && presenter.isPlayableNow(*pointed) ? pointed
                                                                           : std::nullopt);
        }
        for (const Family family : { Vertical, Horizontal }) {
            for (int index = 1; index <= kEdgesPerFamily; ++index) {
                const Edge edge { family, index };
                QCOMPARE(pixelAt(image, corner + edgeSide(family, index)),
                    edge == preview ? QColor(255, 160, 160)
                                    : layout::colour(
                                        showing ? picture.edge(edge) : board.edge(edge).backColor));
            }
        }
        for (std::size_t square = 1; square <= kSquareCount; ++square) {
            QCOMPARE(pixelAt(image, corner + markerCentre(int(square))),
                layout::colour(
                    showing ? picture.squares[square] : board.shpMiddle[square].backColor));
        }
        const auto text = [&](const char* name) {
            return window->findChild<QLabel*>(QLatin1String(name))->text().toStdString();
        };
        QCOMPARE(text("lblScore1"), showing ? std::to_string(picture.humanScore) : board.lblScore1);
        QCOMPARE(
            text("lblScore2"), showing ? std::to_string(picture.computerScore) : board.lblScore2);
        for (const auto& [name, selected] : { std::pair { "lblEasy", board.lblEasy },
                 { "lblMedium", board.lblMedium }, { "lblHard", board.lblHard } })
            QCOMPARE(window->findChild<QRadioButton*>(QLatin1String(name))->isChecked(),
                selected && !window->findChild<QAction*>("mnuExpert")->isChecked());
    }

    std::mt19937 random_;
    BoardView* view_ = nullptr;
    std::optional<QPoint> pointer_;
    // How many boxes are open.
    int open_ = 0;
    std::optional<Kept> saved_;
    // Whether the game last saved awaited the expert's edge.
    bool savedMidTurn_ = false;
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
