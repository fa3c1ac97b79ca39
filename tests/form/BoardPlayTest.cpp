// SPDX-License-Identifier: GPL-3.0-or-later
// Playing on the board widget: which point hits which edge, what a click on an
// edge does in the model and on screen, the clicks that must do nothing, and a
// whole game up to its result message.
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <QAccessible>
#include <QLabel>

#include "FormTestSupport.h"
#include "form/BoardAccessible.h"

using namespace quadlo;
using namespace quadlo::test;

namespace {

// What the window showed while the end-of-game message was open.
struct EndOfGameView {
    QImage board;
    QString score1;
    QString score2;
    bool modelComplete = false;
};

} // namespace

class BoardPlayTest : public WindowTest {
    Q_OBJECT

private slots:
    void everyEdgeIsHitAtItsLayoutRectangle()
    {
        for (Family family : { Vertical, Horizontal }) {
            for (int index = 1; index <= kEdgesPerFamily; ++index) {
                const std::optional<Edge> hit = BoardView::edgeAt(edgeCentre(family, index));
                QVERIFY(hit);
                QCOMPARE(hit->family, family);
                QCOMPARE(hit->index, index);
            }
        }
        // Horizontal edge 1 spans x 32..64 and y 24..32 on the board.
        QCOMPARE(BoardView::edgeAt(QPointF(32, 24)), std::optional<Edge>(Edge { Horizontal, 1 }));
        QCOMPARE(
            BoardView::edgeAt(QPointF(64.9, 32.9)), std::optional<Edge>(Edge { Horizontal, 1 }));
        QVERIFY(!BoardView::edgeAt(QPointF(65, 28)));
        // Across its thickness the hit area reaches 5 px beyond the bar (19 px
        // in all), short of the marker below at y 40; on a dot, where it covers
        // the end of a bar, none.
        QCOMPARE(BoardView::edgeAt(QPointF(48, 33)), std::optional<Edge>(Edge { Horizontal, 1 }));
        QCOMPARE(BoardView::edgeAt(QPointF(48, 37.9)), std::optional<Edge>(Edge { Horizontal, 1 }));
        QVERIFY(!BoardView::edgeAt(QPointF(48, 38)));
        QCOMPARE(BoardView::edgeAt(QPointF(19, 48)), std::optional<Edge>(Edge { Vertical, 1 }));
        QVERIFY(!BoardView::edgeAt(QPointF(38, 48)));
        QVERIFY(!BoardView::edgeAt(QPointF(32.5, 28.5)));
        // Off a dot's corner the two widened areas meet; the nearer bar wins.
        QCOMPARE(BoardView::edgeAt(QPointF(34, 37)), std::optional<Edge>(Edge { Vertical, 1 }));
        QCOMPARE(BoardView::edgeAt(QPointF(37, 34)), std::optional<Edge>(Edge { Horizontal, 1 }));
    }

    void thePointerOverAnOpenEdgePreviewsItInPaleRedAndOverADrawnOneNothing()
    {
        BoardView* view = boardOf(*window);
        const QColor blue(0, 0, 255);
        // 4 px left of vertical edge 7, which a click there would draw.
        const QPoint beside(60, edgeCentre(Vertical, 7).y());
        hoverAt(view, beside);
        const QColor preview = pixelAt(boardImage(*window), edgeCentre(Vertical, 7));
        QCOMPARE(preview.red(), 255);
        QVERIFY(preview.green() > 100 && preview.green() == preview.blue());
        QCOMPARE(view->cursor().shape(), Qt::PointingHandCursor);

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(view, &leave);
        QCOMPARE(pixelAt(boardImage(*window), edgeCentre(Vertical, 7)), blue);

        hoverAt(view, beside);
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, beside);
        const Board& board = window->game().board();
        QCOMPARE(board.lblshape1[7].tag, Mark::h);
        const Edge computer = board.edgesMarked(Mark::c).at(0);
        for (const Edge drawn : { Edge { Vertical, 7 }, computer }) {
            hoverAt(view, edgeCentre(drawn.family, drawn.index));
            QCOMPARE(pixelAt(boardImage(*window), edgeSide(drawn.family, drawn.index)),
                layout::colour(board.edge(drawn).backColor));
            QCOMPARE(view->cursor().shape(), Qt::ArrowCursor);
        }
    }

    void clickingAnEdgeDrawsItRedAndTheComputerAnswersInGreen()
    {
        const Board& board = window->game().board();
        clickEdge(*window, Horizontal, 1);

        QCOMPARE(board.lblshape2[1].tag, Mark::h);
        QCOMPARE(board.lblshape2[1].backColor, kHumanColour);
        const std::vector<Edge> computer = board.edgesMarked(Mark::c);
        QCOMPARE(computer.size(), std::size_t(1));
        QCOMPARE(board.edge(computer[0].family, computer[0].index).backColor, kComputerColour);
        QCOMPARE(board.edgesMarked(Mark::h).size(), std::size_t(1));
        QCOMPARE(board.turnCount, 3);

        // The computer's last edge is green with a dark line along its middle.
        const QImage image = boardImage(*window);
        QCOMPARE(pixelAt(image, edgeCentre(Horizontal, 1)), QColor(255, 0, 0));
        QCOMPARE(
            pixelAt(image, edgeSide(computer[0].family, computer[0].index)), QColor(0, 255, 0));
        QCOMPARE(
            pixelAt(image, edgeCentre(computer[0].family, computer[0].index)), QColor(Qt::black));
        for (Family family : { Vertical, Horizontal }) {
            for (int index = 1; index <= kEdgesPerFamily; ++index) {
                if (board.isOpen(family, index))
                    QCOMPARE(pixelAt(image, edgeCentre(family, index)), QColor(0, 0, 255));
            }
        }
    }

    void clickingADrawnEdgeChangesNothing()
    {
        clickEdge(*window, Vertical, 7);
        const Board& board = window->game().board();
        const Edge computer = board.edgesMarked(Mark::c).at(0);
        const VisibleState before = visibleState(board);

        clickEdge(*window, Vertical, 7);
        QVERIFY(visibleState(board) == before);
        clickEdge(*window, computer.family, computer.index);
        QVERIFY(visibleState(board) == before);
    }

    void clickingBetweenTheEdgesChangesNothing()
    {
        const Board& board = window->game().board();
        const VisibleState before = visibleState(board);
        BoardView* view = boardOf(*window);
        for (const QPoint point : { dotCentre(1), dotCentre(15), markerCentre(1), markerCentre(13),
                 markerCentre(7) + QPoint(-8, 0), QPoint(5, 5), QPoint(250, 250) }) {
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, point);
            QVERIFY(visibleState(board) == before);
        }
    }

    void onlyALeftPressAndReleaseOnTheSameEdgeIsAClick()
    {
        const Board& board = window->game().board();
        const VisibleState before = visibleState(board);
        BoardView* view = boardOf(*window);

        QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, edgeCentre(Horizontal, 1));
        QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, edgeCentre(Horizontal, 2));
        QVERIFY(visibleState(board) == before);

        QTest::mouseClick(view, Qt::RightButton, Qt::NoModifier, edgeCentre(Horizontal, 1));
        QVERIFY(visibleState(board) == before);

        QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, edgeCentre(Horizontal, 1));
        QTest::mouseRelease(
            view, Qt::LeftButton, Qt::NoModifier, edgeCentre(Horizontal, 1) + QPoint(10, 2));
        QCOMPARE(board.lblshape2[1].tag, Mark::h);
    }

    void edgesStaySharpWhenTheScreenIsScaled()
    {
        clickEdge(*window, Horizontal, 1);
        BoardView* view = boardOf(*window);
        QImage image(view->size() * 2, QImage::Format_RGB32);
        image.setDevicePixelRatio(2);
        view->render(&image);
        // Horizontal edge 1 covers y 24..32 on the board: device rows 48..65.
        const int x = 2 * edgeCentre(Horizontal, 1).x();
        QCOMPARE(image.pixelColor(x, 47), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(x, 48), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(x, 65), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(x, 66), QColor(0, 0, 255));
    }

    void aWholeGameEndsWithOneResultShownOverTheFinalPosition()
    {
        const Board& board = window->game().board();
        std::vector<EndOfGameView> views;
        boxes.onShow = [&](const ShownMessage&) {
            EndOfGameView view;
            view.board = boardImage(*window);
            view.score1 = window->findChild<QLabel*>("lblScore1")->text();
            view.score2 = window->findChild<QLabel*>("lblScore2")->text();
            view.modelComplete = !firstOpenEdge(board);
            views.push_back(view);
        };

        int clicks = 0;
        while (const std::optional<Edge> edge = firstOpenEdge(board)) {
            QVERIFY(++clicks <= 60);
            clickEdge(*window, edge->family, edge->index);
        }
        QVERIFY(board.gameOver);
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(views.size(), std::size_t(1));

        const ShownMessage& message = boxes.shown[0];
        QCOMPARE(message.style, MessageStyle::OkOnly);
        QCOMPARE(message.title, std::string("Quadlo"));
        const EndOfGameView& view = views[0];
        QVERIFY(view.modelComplete);
        QCOMPARE(view.score1.toInt() + view.score2.toInt(), 25);
        QCOMPARE(view.score1, QString::fromStdString(board.lblScore1));
        QCOMPARE(view.score2, QString::fromStdString(board.lblScore2));
        const std::string expected = view.score2.toInt() < view.score1.toInt()
            ? "You win with " + view.score1.toStdString() + " squares completed."
            : "The computer wins with " + view.score2.toStdString() + " squares completed.";
        QCOMPARE(message.text, expected);

        for (Family family : { Vertical, Horizontal }) {
            for (int index = 1; index <= kEdgesPerFamily; ++index) {
                const Colour colour = board.edge(family, index).backColor;
                QVERIFY(colour == kHumanColour || colour == kComputerColour);
                QCOMPARE(pixelAt(view.board, edgeSide(family, index)), layout::colour(colour));
            }
        }
        for (int square = 1; square <= kSquareCount; ++square) {
            const Colour colour = board.shpMiddle[static_cast<std::size_t>(square)].backColor;
            QVERIFY(colour == kHumanColour || colour == kComputerColour);
            QCOMPARE(pixelAt(view.board, markerCentre(square)), layout::colour(colour));
        }

        // The board is full: further clicks neither move nor announce anything.
        const VisibleState finished = visibleState(board);
        clickEdge(*window, Horizontal, 1);
        clickEdge(*window, Vertical, 30);
        QVERIFY(visibleState(board) == finished);
        QCOMPARE(boxes.shown.size(), std::size_t(1));
    }

    void theKeyboardAloneMovesTheCursorAndDrawsOnlyAPlayableEdge()
    {
        const Board& board = window->game().board();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        BoardView* view = boardOf(*window);
        QCOMPARE(QApplication::focusWidget(), view);
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(view->keyboardCursor(), (Edge { Horizontal, 2 }));
        // The preview follows the cursor.
        QCOMPARE(pixelAt(boardImage(*window), edgeCentre(Horizontal, 2)), QColor(255, 160, 160));
        QCOMPARE(pixelAt(boardImage(*window), edgeCentre(Horizontal, 1)), QColor(0, 0, 255));

        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(board.lblshape2[2].tag, Mark::h);
        const VisibleState after = visibleState(board);
        QTest::keyClick(view, Qt::Key_Return);
        QVERIFY(visibleState(board) == after);
        QTest::keyClick(view, Qt::Key_Left);
        QTest::keyClick(view, Qt::Key_Enter);
        QCOMPARE(board.lblshape2[1].tag, Mark::h);
    }

    // One of the cursor's two rings stands out at 3 : 1 from the blue board, and
    // one from the bar under it, open (previewed) or drawn.
    void theCursorStandsOutFromTheBoardAndFromTheEdgeUnderIt()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        BoardView* view = boardOf(*window);
        const Board& board = window->game().board();
        QTest::keyClick(view, Qt::Key_Space);
        const Edge computer = board.edgesMarked(Mark::c).at(0);
        for (const Edge edge : { Edge { Horizontal, 7 }, computer }) {
            while (view->keyboardCursor() != edge) {
                const QPoint at
                    = edgeCentre(view->keyboardCursor().family, view->keyboardCursor().index);
                const QPoint to = edgeCentre(edge.family, edge.index);
                QTest::keyClick(view,
                    to.y() > at.y() + 5       ? Qt::Key_Down
                        : to.y() < at.y() - 5 ? Qt::Key_Up
                        : to.x() > at.x()     ? Qt::Key_Right
                                              : Qt::Key_Left);
            }
            const QImage focused = boardImage(*window);
            const QColor bar = pixelAt(focused, edgeSide(edge.family, edge.index));
            view->clearFocus();
            const QImage plain = boardImage(*window);
            view->setFocus(Qt::TabFocusReason);
            bool fromBoard = false;
            bool fromBar = false;
            for (int y = 0; y < focused.height(); ++y) {
                for (int x = 0; x < focused.width(); ++x) {
                    if (focused.pixel(x, y) == plain.pixel(x, y))
                        continue;
                    fromBoard |= contrast(focused.pixelColor(x, y), QColor(0, 0, 255)) >= 3.0;
                    fromBar |= contrast(focused.pixelColor(x, y), bar) >= 3.0;
                }
            }
            QVERIFY2(fromBoard && fromBar, qPrintable(bar.name()));
        }
    }

    void aScreenReaderHearsTheBoardItsEdgesTheScoresAndWhatATurnDid()
    {
        BoardView* view = boardOf(*window);
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(view);
        QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Board"));
        QCOMPARE(board->childCount(), 60);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QAccessibleInterface* cursor = board->focusChild();
        QVERIFY(cursor);
        QCOMPARE(cursor->text(QAccessible::Name),
            QStringLiteral("Horizontal edge in row 1 between columns 1 and 2, open"));
        QVERIFY(cursor->state().focused);
        QCOMPARE(board->indexOfChild(cursor), 1);

        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(cursor->text(QAccessible::Name),
            QStringLiteral("Horizontal edge in row 1 between columns 1 and 2, yours"));
        QCOMPARE(board->text(QAccessible::Description),
            QStringLiteral("Computer drew an edge. Your move."));
        const Edge computer = window->game().board().edgesMarked(Mark::c).at(0);
        QVERIFY(board->child(2 * (computer.index - 1) + (computer.family == Vertical ? 0 : 1))
                    ->text(QAccessible::Name)
                    .endsWith(QStringLiteral(", the computer's")));
        QCOMPARE(window->findChild<QLabel*>("lblScore1")->accessibleName(),
            QStringLiteral("Human score 0"));
        QCOMPARE(window->findChild<QLabel*>("lblScore2")->accessibleName(),
            QStringLiteral("Computer score 0"));

        using quadlo::Player;
        const std::vector<TurnEvent> turn { drew(Player::Human, { Vertical, 1 }),
            took(Player::Human, 1), drew(Player::Human, { Vertical, 2 }),
            drew(Player::Computer, { Vertical, 3 }), took(Player::Computer, 2),
            took(Player::Computer, 3), drew(Player::Computer, { Vertical, 4 }),
            drew(Player::Computer, { Vertical, 5 }) };
        QCOMPARE(turnSummary(turn, true),
            QStringLiteral(
                "You took a square. Computer drew 3 edges and took 2 squares. Your move."));
        QCOMPARE(turnSummary({ drew(Player::Human, { Vertical, 1 }), took(Player::Human, 1),
                                 took(Player::Human, 2) },
                     false),
            QStringLiteral("You took 2 squares. Game over."));
    }

    void ownerMarksTellTheOwnersApartByShape()
    {
        // Against Easy the first-open-edge player takes squares too.
        QTest::mouseClick(window->findChild<QRadioButton*>("lblEasy"), Qt::LeftButton);
        const Board& board = window->game().board();
        while (const std::optional<Edge> edge = firstOpenEdge(board))
            clickEdge(*window, edge->family, edge->index);
        // Owner Marks: the human's squares become rings and the human's edges
        // carry a white middle line; the computer's stay as they are.
        QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
        const QImage marked = boardImage(*window);
        int rings = 0;
        for (int square = 1; square <= kSquareCount; ++square) {
            const bool human = board.shpMiddle[static_cast<std::size_t>(square)].tag == Mark::h;
            rings += human;
            QCOMPARE(pixelAt(marked, markerCentre(square)),
                human ? QColor(0, 0, 255) : QColor(0, 255, 0));
            QCOMPARE(pixelAt(marked, markerCentre(square) + QPoint(6, 0)),
                human ? QColor(255, 0, 0) : QColor(0, 255, 0));
        }
        QVERIFY(rings > 0);
        for (const Edge edge : board.edgesMarked(Mark::h))
            QCOMPARE(pixelAt(marked, edgeCentre(edge.family, edge.index)), QColor(Qt::white));
    }
};

QTEST_MAIN(BoardPlayTest)
#include "BoardPlayTest.moc"
