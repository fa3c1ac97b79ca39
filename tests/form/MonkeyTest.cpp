// SPDX-License-Identifier: GPL-3.0-or-later
// The real window driven by seeded random input for a bounded time: clicks
// anywhere on the board and beside it, bursts of clicks, keys, the menu
// commands' shortcuts (all but Exit), level changes and New Game in the middle
// of a shown turn, with the turn's clock stepped at random. After every step
// the screen shows the model, or the presenter's picture while a turn is being
// shown; no message box opens over another; and a click on an edge is played
// exactly when the game is waiting for it.
//
// QUADLO_MONKEY_SECONDS sets how long it runs (3 s unless CMakeLists.txt says
// otherwise), QUADLO_MONKEY_SEED replays a run; the seed is printed first, the
// number of steps last.
#include <random>

#include <QElapsedTimer>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "FormTestSupport.h"
#include "form/TurnPresenter.h"

using namespace quadlo;
using namespace quadlo::test;

namespace {

unsigned environmentNumber(const char* name, unsigned fallback)
{
    bool ok = false;
    const unsigned value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

} // namespace

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
        seed_ = environmentNumber("QUADLO_MONKEY_SEED", std::random_device {}());
        random_.seed(seed_);
        const unsigned seconds = environmentNumber("QUADLO_MONKEY_SECONDS", 3);
        qInfo("seed %u: replay with QUADLO_MONKEY_SEED=%u", seed_, seed_);
        view_ = boardOf(*window);
        QCOMPARE(view_->width(), 257);
        boxes.onShow = [this](const ShownMessage&) {
            // While a box is open, the next step of a shown turn comes due, or
            // a menu command arrives.
            ++open_;
            maxOpen_ = std::max(maxOpen_, open_);
            if (clock.pending() && below(2) == 0)
                clock.fire();
            else if (below(2) == 0)
                shortcut();
            --open_;
        };
        QElapsedTimer elapsed;
        elapsed.start();
        for (steps_ = 0; elapsed.elapsed() < 1000 * qint64(seconds); ++steps_) {
            act();
            verifyShown();
            if (QTest::currentTestFailed())
                return;
        }
        qInfo("%d steps in %.1f s, seed %u", steps_, elapsed.elapsed() / 1000.0, seed_);
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    QPoint anywhereIn(const QWidget* widget)
    {
        return QPoint(below(widget->width()), below(widget->height()));
    }

    void clickBoard(QPoint point)
    {
        hoverAt(view_, point);
        pointer_ = point;
        QTest::mouseClick(view_, Qt::LeftButton, Qt::NoModifier, point);
    }

    // A click on the board, checked: an edge under it is drawn for the human
    // exactly when it is playable now; anything else changes nothing the
    // player sees, and ends a turn being shown.
    void checkedClick(QPoint point)
    {
        const Board& board = window->game().board();
        const std::optional<Edge> edge = BoardView::edgeAt(point);
        const bool playable = edge && window->presenter().isPlayableNow(*edge);
        const VisibleState before = visibleState(board);
        clickBoard(point);
        QVERIFY(!window->presenter().showing() || playable);
        if (playable)
            QCOMPARE(board.edge(*edge).tag, Mark::h);
        else
            QVERIFY(visibleState(board) == before);
    }

    // New Game, Rules or About; never Exit.
    void shortcut()
    {
        static const Qt::Key keys[] = { Qt::Key_N, Qt::Key_R, Qt::Key_A };
        QTest::keyClick(window.get(), keys[below(std::size(keys))], Qt::ControlModifier);
    }

    void act()
    {
        static const Qt::Key keys[] = { Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
            Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape, Qt::Key_E, Qt::Key_H };
        const auto options = window->findChildren<QRadioButton*>();
        switch (below(10)) {
        case 0:
        case 1:
            return checkedClick(anywhereIn(view_));
        case 2:
            for (int n = 2 + below(5); n > 0; --n)
                clickBoard(anywhereIn(view_));
            return;
        case 3: {
            QWidget* client = window->centralWidget();
            const QPoint point = anywhereIn(client);
            QWidget* under = client->childAt(point);
            QWidget* target = under ? under : client;
            return QTest::mouseClick(
                target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(client, point));
        }
        case 4: {
            QWidget* focus = QApplication::focusWidget();
            return QTest::keyClick(focus ? focus : window.get(), keys[below(std::size(keys))]);
        }
        case 5:
            return shortcut();
        case 6: {
            QRadioButton* option = options[below(int(options.size()))];
            return QTest::mouseClick(
                option, Qt::LeftButton, Qt::NoModifier, option->rect().center());
        }
        case 7:
        case 8:
            if (clock.pending())
                clock.fire();
            return;
        default:
            pointer_ = anywhereIn(view_);
            return hoverAt(view_, *pointer_);
        }
    }

    // The board on screen, its scores and the options against the model, or
    // against the presenter's picture while a turn is being shown; the
    // playable edge under the pointer shows its preview.
    void verifyShown()
    {
        QVERIFY(maxOpen_ <= 1);
        const Board& board = window->game().board();
        const TurnPresenter& presenter = window->presenter();
        const bool showing = presenter.showing();
        const BoardPicture& picture = presenter.picture();
        QCoreApplication::processEvents();
        const QImage image = window->screen()->grabWindow(window->winId()).toImage();
        const QPoint corner = view_->mapTo(window.get(), QPoint());
        const std::optional<Edge> preview = pointer_ ? BoardView::edgeAt(*pointer_) : std::nullopt;
        for (const Family family : { Vertical, Horizontal }) {
            for (int index = 1; index <= kEdgesPerFamily; ++index) {
                const Edge edge { family, index };
                const QColor expected = edge == preview && presenter.isPlayableNow(edge)
                    ? QColor(255, 160, 160)
                    : layout::colour(showing ? picture.edge(edge) : board.edge(edge).backColor);
                QCOMPARE(pixelAt(image, corner + edgeSide(family, index)), expected);
            }
        }
        for (int square = 1; square <= kSquareCount; ++square) {
            const auto i = static_cast<std::size_t>(square);
            QCOMPARE(pixelAt(image, corner + markerCentre(square)),
                layout::colour(showing ? picture.squares[i] : board.shpMiddle[i].backColor));
        }
        const auto score = [&](const char* name) {
            return window->findChild<QLabel*>(QLatin1String(name))->text().toStdString();
        };
        QCOMPARE(
            score("lblScore1"), showing ? std::to_string(picture.humanScore) : board.lblScore1);
        QCOMPARE(
            score("lblScore2"), showing ? std::to_string(picture.computerScore) : board.lblScore2);
        const auto checked = [&](const char* name) {
            return window->findChild<QRadioButton*>(QLatin1String(name))->isChecked();
        };
        QCOMPARE(checked("lblEasy"), board.lblEasy);
        QCOMPARE(checked("lblMedium"), board.lblMedium);
        QCOMPARE(checked("lblHard"), board.lblHard);
    }

    unsigned seed_ = 0;
    std::mt19937 random_;
    int steps_ = 0;
    int open_ = 0;
    int maxOpen_ = 0;
    BoardView* view_ = nullptr;
    std::optional<QPoint> pointer_;
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
