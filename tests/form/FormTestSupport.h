// SPDX-License-Identifier: GPL-3.0-or-later
// What the window's tests share: the window each test opens, a clock they step
// by hand, where the layout puts each edge, a copy of the model's visible state
// for "nothing changed" checks, and ways to click the board and read its pixels.
#pragma once

#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPoint>
#include <QTest>
#include <QTimer>

#include "PlatformFakes.h"
#include "board/Board.h"
#include "form/BoardView.h"
#include "form/FormLayout.h"
#include "form/StepClock.h"
#include "form/frmQuadlo.h"
#include "game/Platform.h"

namespace quadlo::test {

// The same seed at every game start, so that a game replays move for move.
inline std::uint32_t fixedSeed() { return 20240611u; }

// The centre of an edge on the board, worked out from the layout's own
// numbers (twips, 15 to a pixel) rather than from the window's code: vertical
// edge 5c + r + 1 at (720 + 600c, 1560 + 600r), horizontal edge 5r + c + 1 at
// (840 + 600c, 1440 + 600r), the board's corner at (360, 1080).
inline QPoint edgeCentre(Family family, int index)
{
    const int major = (index - 1) / 5;
    const int minor = (index - 1) % 5;
    const int left = family == Vertical ? 720 + 600 * major : 840 + 600 * minor;
    const int top = family == Vertical ? 1560 + 600 * minor : 1440 + 600 * major;
    const int width = family == Vertical ? 135 : 495;
    const int height = family == Vertical ? 495 : 135;
    return QPoint((left - 360 + width / 2) / 15, (top - 1080 + height / 2) / 15);
}

// The point of the edge's middle line that lies `fraction` of the way along its
// bar (33 px long), from its left or top end.
inline QPoint alongEdge(Edge edge, double fraction)
{
    const int offset = qRound((fraction - 0.5) * 33);
    return edgeCentre(edge.family, edge.index)
        + (edge.family == Vertical ? QPoint(0, offset) : QPoint(offset, 0));
}

// A point of the edge's bar 3 px off its middle line across its thickness (the
// bar is 9 px thick): the bar's own colour, beside the mark of a last move.
inline QPoint edgeSide(Family family, int index)
{
    return edgeCentre(family, index) + (family == Vertical ? QPoint(3, 0) : QPoint(0, 3));
}

// Square marker 5r + c + 1 at (960 + 600c, 1680 + 600r), 255 twips wide.
inline QPoint markerCentre(int square)
{
    const int r = (square - 1) / 5;
    const int c = (square - 1) % 5;
    return QPoint((960 + 600 * c - 360 + 127) / 15, (1680 + 600 * r - 1080 + 127) / 15);
}

// Dot 6r + c + 1 at (720 + 600c, 1440 + 600r), 135 twips wide.
inline QPoint dotCentre(int dot)
{
    const int r = (dot - 1) / 6;
    const int c = (dot - 1) % 6;
    return QPoint((720 + 600 * c - 360 + 67) / 15, (1440 + 600 * r - 1080 + 67) / 15);
}

// Everything a player can see of the model, plus whose turn it is.
struct VisibleState {
    std::vector<int> values;
    bool operator==(const VisibleState&) const = default;
};

inline VisibleState visibleState(const Board& board)
{
    VisibleState state;
    for (int i = 0; i <= kEdgesPerFamily; ++i) {
        for (const EdgeControl& e : { board.lblshape1[static_cast<std::size_t>(i)],
                 board.lblshape2[static_cast<std::size_t>(i)] }) {
            state.values.push_back(static_cast<int>(e.tag));
            state.values.push_back(static_cast<int>(e.backColor));
        }
    }
    for (int i = 1; i <= kSquareCount; ++i) {
        state.values.push_back(static_cast<int>(board.shpMiddle[static_cast<std::size_t>(i)].tag));
        state.values.push_back(
            static_cast<int>(board.shpMiddle[static_cast<std::size_t>(i)].backColor));
    }
    state.values.push_back(std::stoi(board.lblScore1));
    state.values.push_back(std::stoi(board.lblScore2));
    state.values.push_back(board.turnCount);
    return state;
}

// The clicks of a player who always takes the first open edge in board order.
inline std::optional<Edge> firstOpenEdge(const Board& board)
{
    for (Family family : { Vertical, Horizontal }) {
        for (int index = 1; index <= kEdgesPerFamily; ++index) {
            if (board.isOpen(family, index))
                return Edge { family, index };
        }
    }
    return std::nullopt;
}

inline BoardView* boardOf(frmQuadlo& window)
{
    return window.findChild<BoardView*>(QStringLiteral("lblGameboard"));
}

inline void clickEdge(frmQuadlo& window, Family family, int index)
{
    QTest::mouseClick(boardOf(window), Qt::LeftButton, Qt::NoModifier, edgeCentre(family, index));
}

// The pointer moved to the point with no button held, as a mouse does.
inline void hoverAt(BoardView* view, QPoint point)
{
    QMouseEvent move(QEvent::MouseMove, point, view->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
        Qt::NoModifier);
    QApplication::sendEvent(view, &move);
}

inline QImage boardImage(frmQuadlo& window) { return boardOf(window)->grab().toImage(); }

inline QColor pixelAt(const QImage& image, QPoint logical)
{
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(QPoint(qRound(logical.x() * ratio), qRound(logical.y() * ratio)));
}

// The contrast ratio of two colours, from their relative luminance (sRGB).
inline double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The threads of this process, as Linux lists them.
inline qsizetype threadCount()
{
    return QDir(QStringLiteral("/proc/self/task"))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
        .size();
}

inline QString describe(QRect r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The title's light strokes on the navy form lie wholly inside its label,
// clear of every side, and centred in it.
inline void verifyTitleInk(frmQuadlo& window)
{
    const QImage image = window.findChild<QWidget*>(QStringLiteral("lblTitle"))->grab().toImage();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ink |= qGray(image.pixel(x, y)) >= 128 ? QRect(x, y, 1, 1) : QRect();
    }
    QVERIFY2(image.rect().adjusted(1, 1, -1, -1).contains(ink) && ink.width() > image.width() / 2,
        qPrintable(QStringLiteral("ink %1 in %2").arg(describe(ink), describe(image.rect()))));
    QVERIFY((ink.center() - image.rect().center()).manhattanLength() <= 2);
}

// Hands the next modal message box to `look` as soon as the event loop runs
// inside it, then presses its OK.
inline void onNextMessageBox(std::function<void(QMessageBox&)> look)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, look = std::move(look)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        look(*box);
        box->button(QMessageBox::Ok)->click();
    });
    poll->start();
}

inline void showAndActivate(frmQuadlo& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// The pacing of a shown turn, stepped by the test.
class FakeClock final : public StepClock {
public:
    void callAfter(int milliseconds, std::function<void()> due) override
    {
        delays.push_back(milliseconds);
        due_ = std::move(due);
    }
    void cancel() override { due_ = nullptr; }
    bool pending() const { return static_cast<bool>(due_); }
    void fire() { std::exchange(due_, nullptr)(); }

    std::vector<int> delays;

private:
    std::function<void()> due_;
};

// Every window test: a new window before each test function, shown and active,
// its boxes recorded and, when the turns are paced, its clock stepped by hand.
class WindowTest : public QObject {
    Q_OBJECT

public:
    enum class Turns { AtOnce, Paced };
    explicit WindowTest(Turns turns = Turns::AtOnce)
        : turns_(turns)
    {
    }

protected:
    RecordingPresenter boxes;
    FakeClock clock;
    std::unique_ptr<frmQuadlo> window;

private slots:
    void init()
    {
        boxes = RecordingPresenter {};
        clock = FakeClock {};
        window = std::make_unique<frmQuadlo>(&boxes, fixedSeed);
        if (turns_ == Turns::Paced)
            window->setStepClock(&clock);
        showAndActivate(*window);
    }
    void cleanup() { window.reset(); }

private:
    Turns turns_;
};

} // namespace quadlo::test
