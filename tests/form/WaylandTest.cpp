// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a real Wayland compositor (weston's headless back-end, started
// by run-under-weston): it opens a surface there, plays a whole game with
// clicks on the board up to its result, and closes, leaving the connection
// to the compositor in order.
#include <QGuiApplication>
#include <QTest>

#include "FormTestSupport.h"

using namespace quadlo;
using namespace quadlo::test;

class WaylandTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland")); }

    void theWindowOpensPlaysAWholeGameAndClosesOnWayland()
    {
        RecordingPresenter presenter;
        frmQuadlo window(&presenter, fixedSeed);
        window.show();
        // The compositor's configure and first frame come back over the
        // socket; until then the surface is not mapped.
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const Board& board = window.game().board();
        int clicks = 0;
        while (const std::optional<Edge> edge = firstOpenEdge(board)) {
            QVERIFY(++clicks <= 60);
            clickEdge(window, edge->family, edge->index);
        }
        QVERIFY(board.gameOver);
        QCOMPARE(presenter.shown.size(), std::size_t(1));
        QCOMPARE(pixelAt(boardImage(window), markerCentre(13)),
            layout::colour(board.shpMiddle[13].backColor));

        window.close();
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(WaylandTest)
#include "WaylandTest.moc"
