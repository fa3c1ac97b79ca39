// Painting and hit-testing of the board. Everything is drawn as vector shapes in
// device-independent pixels, so the board stays sharp at any screen scale.
#include "form/BoardView.h"

#include <cmath>

#include <QMouseEvent>
#include <QPainter>

#include "form/FormLayout.h"

namespace quadlo {

namespace {

// Shapes of one size in the layout must come out one size on the screen. At a
// fractional device scale a free rectangle rounds to 13 or 14 pixels depending
// on where it falls; rounding its size once, apart from its position, gives
// every bar and every dot the same number of device pixels.
QRectF snapped(const QPainter& painter, const QRectF& r)
{
    const QTransform& toDevice = painter.deviceTransform();
    const QRectF d = toDevice.mapRect(r);
    const QRectF whole(
        std::round(d.left()), std::round(d.top()), std::round(d.width()), std::round(d.height()));
    return toDevice.inverted().mapRect(whole);
}

} // namespace

BoardView::BoardView(const Board& board, QWidget* parent)
    : QWidget(parent)
    , board_(board)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

QSize BoardView::sizeHint() const { return layout::pixels(layout::kGameboard, scale_).size(); }

void BoardView::setScale(double scale)
{
    scale_ = scale;
    update();
}

QRectF BoardView::edgeRect(Edge edge) { return layout::onBoard(layout::edge(edge)); }

std::optional<Edge> BoardView::edgeAt(QPointF point)
{
    // The horizontal edges are painted last, so where a corner of one overlaps
    // a vertical edge by a pixel, the horizontal edge is the one under the mouse.
    for (const Family family : { Horizontal, Vertical }) {
        for (int index = 1; index <= kEdgesPerFamily; ++index) {
            const QRectF r = edgeRect({ family, index });
            // Half-open, as pixels are: the pixel right of or below a rectangle
            // is not part of it.
            if (point.x() >= r.left() && point.x() < r.right() && point.y() >= r.top()
                && point.y() < r.bottom())
                return Edge { family, index };
        }
    }
    return std::nullopt;
}

void BoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor blue = layout::colour(kBoardColour);
    painter.fillRect(rect(), blue);

    // The fixed single border: a one-pixel black line just inside the board.
    const qreal w = width();
    const qreal h = height();
    painter.fillRect(QRectF(0, 0, w, 1), Qt::black);
    painter.fillRect(QRectF(0, h - 1, w, 1), Qt::black);
    painter.fillRect(QRectF(0, 0, 1, h), Qt::black);
    painter.fillRect(QRectF(w - 1, 0, 1, h), Qt::black);

    painter.scale(scale_, scale_);

    // An edge nobody has drawn keeps the board's blue, so it is painted like any
    // other: the model's colour is all there is to show.
    for (const Family family : { Vertical, Horizontal }) {
        for (int index = 1; index <= kEdgesPerFamily; ++index) {
            const Edge edge { family, index };
            painter.fillRect(
                snapped(painter, edgeRect(edge)), layout::colour(board_.edge(edge).backColor));
        }
    }

    painter.setRenderHint(QPainter::Antialiasing);

    // A marker is a disc in its owner's colour inside a blue rim; unowned, both
    // are blue and the square looks empty.
    QPen rim(blue);
    rim.setWidthF(1.0);
    painter.setPen(rim);
    for (int square = 1; square <= kSquareCount; ++square) {
        const QRectF r = snapped(painter, layout::onBoard(layout::marker(square)))
                             .adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setBrush(
            layout::colour(board_.shpMiddle[static_cast<std::size_t>(square)].backColor));
        painter.drawEllipse(r);
    }

    // Dots go on top, covering the ends of the edges that meet at them.
    painter.setPen(Qt::NoPen);
    painter.setBrush(layout::colour(kDotColour));
    for (int dot = 1; dot <= kDotCount; ++dot)
        painter.drawEllipse(snapped(painter, layout::onBoard(layout::dot(dot))));
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    pressed_.reset();
    if (event->button() == Qt::LeftButton)
        pressed_ = edgeAt(toLayout(event->position()));
    event->accept();
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const std::optional<Edge> pressed = pressed_;
    pressed_.reset();
    if (pressed && edgeAt(toLayout(event->position())) == pressed)
        emit edgeClicked(*pressed);
    event->accept();
}

} // namespace quadlo
