// SPDX-License-Identifier: GPL-3.0-or-later
// The board's repaints measured from inside the window: how much of the board a
// change of the hover preview repaints, and how long a click takes until its
// red edge can be read back from the display server, against a bare widget
// that paints a red bar where it is clicked. The computer's answer is paced as
// in the game, and hurried on by a click on a dot before the next edge.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "form/BoardView.h"
#include "form/FormLayout.h"
#include "form/frmQuadlo.h"

namespace {

// The area of every paint event the board receives, in pixels.
class PaintedArea final : public QObject {
public:
    qint64 area = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                area += qint64(r.width()) * r.height();
        }
        return false;
    }
};

// A widget of the board's size that paints a red bar at each click.
class BareBoard final : public QWidget {
public:
    BareBoard() { resize(257, 257); }
    QRect bar;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::blue);
        painter.fillRect(bar, Qt::red);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        bar = QRect(event->position().toPoint() - QPoint(16, 4), QSize(33, 9));
        update(bar);
    }
};

void move(QWidget* widget, QPointF point)
{
    QMouseEvent event(QEvent::MouseMove, point, widget->mapToGlobal(point), Qt::NoButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void showExposed(QWidget& widget)
{
    widget.show();
    while (!widget.windowHandle() || !widget.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
}

void click(QWidget* widget, QPointF point)
{
    for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
        QMouseEvent event(type, point, widget->mapToGlobal(point), Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

// Microseconds from the press until the pixel under the click reads back red.
double clickToRed(QWidget* widget, QPoint point)
{
    QElapsedTimer timer;
    timer.start();
    click(widget, point);
    const QPoint at = widget->mapTo(widget->window(), point);
    for (;;) {
        QApplication::processEvents();
        const QColor pixel = widget->screen()
                                 ->grabWindow(widget->window()->winId(), at.x(), at.y(), 1, 1)
                                 .toImage()
                                 .pixelColor(0, 0);
        if (pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80)
            return timer.nsecsElapsed() / 1000.0;
    }
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    quadlo::frmQuadlo window;
    quadlo::TimerStepClock clock;
    window.setStepClock(&clock);
    showExposed(window);
    auto* board = window.findChild<quadlo::BoardView*>(QStringLiteral("lblGameboard"));
    PaintedArea painted;
    board->installEventFilter(&painted);

    // Onto every edge, and off it onto a dot: two preview changes an edge.
    int changes = 0;
    for (const quadlo::Family family : { quadlo::Vertical, quadlo::Horizontal }) {
        for (int index = 1; index <= quadlo::kEdgesPerFamily; ++index) {
            const QRectF bar = quadlo::BoardView::edgeRect({ family, index });
            move(board, bar.center());
            QApplication::processEvents();
            move(board,
                family == quadlo::Vertical ? QPointF(bar.center().x(), bar.top() - 3)
                                           : QPointF(bar.left() - 3, bar.center().y()));
            QApplication::processEvents();
            changes += 2;
        }
    }
    const double boardArea = double(board->width()) * board->height();
    std::printf("preview change: %.0f px² repainted of the board's %.0f (%.2f %%)\n",
        double(painted.area) / changes, boardArea, 100.0 * painted.area / changes / boardArea);

    BareBoard bare;
    showExposed(bare);
    std::vector<double> game;
    std::vector<double> plain;
    for (int n = 0; n < 15; ++n) {
        std::optional<quadlo::Edge> edge;
        quadlo::forEachEdge([&](quadlo::Edge e) {
            if (!edge && window.game().isPlayable(e))
                edge = e;
        });
        if (!edge)
            break;
        const QPoint centre = quadlo::BoardView::edgeRect(*edge).center().toPoint();
        move(board, centre);
        game.push_back(clickToRed(board, centre));
        click(board, quadlo::layout::onBoard(quadlo::layout::dot(1)).center());
        for (int i = 0; i < 20; ++i)
            QApplication::processEvents();
        plain.push_back(clickToRed(&bare, QPoint(20 + 15 * n, 128)));
    }
    std::printf("click to red pixels: median %.0f µs against %.0f µs for a bare widget "
                "(%.2f×, %zu clicks each)\n",
        median(game), median(plain), median(game) / median(plain), game.size());
    return 0;
}
