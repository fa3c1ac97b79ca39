// SPDX-License-Identifier: GPL-3.0-or-later
// The window on screens that are small for it or scaled by a fraction: run
// once for each screen and scale in CMakeLists.txt. Whatever the screen, the
// whole window stays inside its available area and is drawn to its last
// pixel, every bar and every dot of the board has one size in device pixels,
// the captions are neither clipped nor squeezed, both menus show on the menu
// bar, and the title is never clipped.
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTest>

#include "FormTestSupport.h"

using namespace quadlo;
using namespace quadlo::test;

namespace {

// How many pixels of `colour` run through `from` along `step`, both ways.
int runThrough(const QImage& image, QPoint from, QPoint step, QColor colour)
{
    int length = 0;
    for (const QPoint direction : { step, -step }) {
        for (QPoint p = from; image.rect().contains(p) && image.pixelColor(p) == colour;
             p += direction)
            ++length;
    }
    return length - 1;
}

} // namespace

class ScreenFitTest : public WindowTest {
    Q_OBJECT

private slots:
    // One window for all: only the board test plays on it, and nothing else
    // here depends on the position.
    void wholeWindowLiesCentredInTheAvailableArea()
    {
        const QRect available = window->screen()->availableGeometry();
        const QRect frame = window->frameGeometry();
        QVERIFY2(available.contains(frame),
            qPrintable(QStringLiteral("frame %1 on %2").arg(describe(frame), describe(available))));
        QVERIFY((frame.center() - available.center()).manhattanLength() <= 2);
    }

    void everyBarAndEveryDotHasOneSizeOnTheScreen()
    {
        // The form may be smaller than drawn; the board's width tells by how much.
        BoardView* view = boardOf(*window);
        const double scale = view->width() / 257.0;
        const Board& board = window->game().board();
        for (const Family family : { Vertical, Horizontal }) {
            for (int index = 1; index <= kEdgesPerFamily; ++index) {
                if (board.edge(family, index).tag != Mark::a)
                    continue;
                QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier,
                    (QPointF(edgeCentre(family, index)) * scale).toPoint());
                QCOMPARE(board.edge(family, index).tag, Mark::h);
            }
        }

        // The whole window, so that the board sits at its own offset in it.
        const QImage image = window->grab().toImage();
        const double ratio = image.devicePixelRatio();
        const auto device = [&](QPoint onBoard) {
            return (
                QPointF(view->mapTo(window.get(), (QPointF(onBoard) * scale).toPoint())) * ratio)
                .toPoint();
        };
        QSet<int> bars;
        // The computer's last edges carry a white line along their middle; the
        // lines, too, have one size.
        QSet<int> marks;
        for (const Family family : { Vertical, Horizontal }) {
            for (int index = 1; index <= kEdgesPerFamily; ++index) {
                const QPoint centre = device(edgeCentre(family, index));
                const QColor colour = image.pixelColor(centre);
                (colour == QColor(Qt::white) ? marks : bars) << runThrough(
                    image, centre, family == Vertical ? QPoint(1, 0) : QPoint(0, 1), colour);
            }
        }
        QCOMPARE(bars.size(), 1);
        QVERIFY(marks.size() <= 1);
        QSet<int> dots;
        for (int dot = 1; dot <= kDotCount; ++dot)
            dots << runThrough(image, device(dotCentre(dot)), QPoint(1, 0), QColor(0, 255, 255));
        QCOMPARE(dots.size(), 1);
        QVERIFY(*bars.begin() > 0 && *dots.begin() > 0);
    }

    void titleLiesInsideItsLabel() { verifyTitleInk(*window); }

    void wholeFormIsDrawnToItsCorners()
    {
        const QImage image = window->grab().toImage();
        const QRect client = window->centralWidget()->geometry();
        const QColor navy = layout::colour(kFormColour);
        for (const QPoint corner :
            { client.topLeft(), client.topRight(), client.bottomLeft(), client.bottomRight() })
            QCOMPARE(pixelAt(image, corner), navy);
        const QRect board = boardOf(*window)->geometry();
        QCOMPARE(pixelAt(image, board.bottomRight() - QPoint(3, 3)), QColor(0, 0, 255));
    }

    void levelCaptionsAreWholeAndLegible()
    {
        for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
            const QFont font = option->font();
            QVERIFY2(font.stretch() == 0 || font.stretch() >= QFont::ExtraCondensed,
                qPrintable(
                    QStringLiteral("%1 at stretch %2").arg(option->text()).arg(font.stretch())));
            const int indicator = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
                + option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
            QVERIFY(indicator + option->fontMetrics().horizontalAdvance(option->text())
                <= option->width());
            // Nine device pixels is as small as a bold caption still reads.
            QVERIFY(QFontInfo(font).pixelSize() * option->devicePixelRatio() >= 9);
        }
    }

    // What the screen shows after the board's partial repaints is what a full
    // repaint paints, through a paced game with the pointer over the board.
    void partialRepaintsShowWhatAFullRepaintPaints()
    {
        window->setStepClock(&clock);
        BoardView* view = boardOf(*window);
        const double scale = view->width() / 257.0;
        const auto shown = [&] {
            QCoreApplication::processEvents();
            return window->screen()->grabWindow(window->winId()).toImage();
        };
        int checks = 0;
        const auto fullRepaintChangesNothing = [&] {
            ++checks;
            const QImage partial = shown();
            view->repaint();
            return !partial.isNull() && shown() == partial;
        };
        const auto after = [&](const char* what) {
            return QStringLiteral("after %1 at check %2 on turn %3")
                .arg(QLatin1String(what))
                .arg(checks)
                .arg(window->game().board().turnCount);
        };
        const auto at = [&](Edge edge) {
            return (QPointF(edgeCentre(edge.family, edge.index)) * scale).toPoint();
        };
        while (const std::optional<Edge> next = firstOpenEdge(window->game().board())) {
            hoverAt(view, at({ next->family == Vertical ? Horizontal : Vertical, next->index }));
            QVERIFY2(fullRepaintChangesNothing(), qPrintable(after("a hover")));
            hoverAt(view, at(*next));
            QVERIFY2(fullRepaintChangesNothing(), qPrintable(after("a hover")));
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at(*next));
            QVERIFY2(fullRepaintChangesNothing(), qPrintable(after("a click")));
            while (clock.pending()) {
                clock.fire();
                QVERIFY2(fullRepaintChangesNothing(), qPrintable(after("a step")));
            }
        }
        QVERIFY(checks > 60);
    }

    void bothMenusShowOnTheMenuBar()
    {
        QMenuBar* bar = window->menuBar();
        for (QAction* menu : bar->actions()) {
            const QRect item = bar->actionGeometry(menu);
            QVERIFY2(!item.isEmpty() && bar->rect().contains(item), qPrintable(menu->text()));
        }
    }
};

QTEST_MAIN(ScreenFitTest)
#include "ScreenFitTest.moc"
