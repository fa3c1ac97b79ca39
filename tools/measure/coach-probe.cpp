// SPDX-License-Identifier: GPL-3.0-or-later
// The window while the coach thinks: a game played into its middle, Hint
// asked, and then for some seconds (10 unless given) the board repainted at
// sixty frames a second while the analysis runs on the other threads. It
// prints the longest repaint, the longest wait between frames and the
// process's peak resident memory, which the coach's table dominates.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

#include "analysis/BoardAdapter.h"
#include "form/BoardView.h"
#include "form/frmQuadlo.h"

namespace {

void click(QWidget* widget, QPointF point)
{
    for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
        QMouseEvent event(type, point, widget->mapToGlobal(point), Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

// A line of /proc/self/status, in KiB.
long statusKiB(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field + ":", 0) == 0)
            return std::atol(line.c_str() + field.size() + 1);
    }
    return 0;
}

// Whether drawing `edge` leaves every square beside it with two sides at most.
bool givesNoThirdSide(const quadlo::Board& board, quadlo::Edge edge)
{
    return quadlo::analysis::gameBoxBoard().givesNoThirdSide(
        quadlo::analysis::drawnEdges(board), quadlo::analysis::solverEdge(edge));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    quadlo::frmQuadlo window(nullptr, [] { return 20261209u; });
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    auto* board = window.findChild<quadlo::BoardView*>(QStringLiteral("lblGameboard"));

    // Eight moves of the human's, each the first edge that gives no square
    // its third side, answered at once: the middle of the opening, where the
    // analysis has the most to do.
    for (int move = 0; move < 8; ++move) {
        std::optional<quadlo::Edge> edge;
        quadlo::forEachEdge([&](quadlo::Edge e) {
            if (!edge && window.game().isPlayable(e) && givesNoThirdSide(window.game().board(), e))
                edge = e;
        });
        if (!edge)
            break;
        click(board, quadlo::BoardView::edgeRect(*edge).center());
        QApplication::processEvents();
    }
    window.findChild<QAction*>(QStringLiteral("mnuHint"))->trigger();

    QElapsedTimer clock;
    clock.start();
    QElapsedTimer sinceFrame;
    sinceFrame.start();
    qint64 longestPaint = 0;
    qint64 longestGap = 0;
    int frames = 0;
    QTimer frame;
    QObject::connect(&frame, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceFrame.nsecsElapsed());
        sinceFrame.restart();
        QElapsedTimer paint;
        paint.start();
        board->repaint();
        longestPaint = std::max(longestPaint, paint.nsecsElapsed());
        ++frames;
        if (clock.elapsed() > seconds * 1000)
            app.quit();
    });
    frame.start(16);
    app.exec();
    std::printf("%d frames in %.1f s with the coach thinking: longest repaint %.2f ms, longest "
                "wait between frames %.1f ms (the timer asks every 16 ms); peak resident memory "
                "%.1f MiB\n",
        frames, seconds, longestPaint / 1e6, longestGap / 1e6, statusKiB("VmHWM") / 1024.0);
    return 0;
}
