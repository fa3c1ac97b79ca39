// SPDX-License-Identifier: GPL-3.0-or-later
// Painting and hit-testing of the board. Everything is drawn as vector shapes in
// device-independent pixels, so the board stays sharp at any screen scale.
#include "form/BoardView.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "form/FormLayout.h"
#include "form/TurnPresenter.h"

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

// A hit area reaches this far beyond each long side of its bar (75 twips), so
// that it is 19 pixels thick against the bar's 9 and still stops short of the
// square markers.
constexpr qreal kHitMargin = 5.0;

// The human's colour, paled: a move not yet made.
QColor previewColour() { return QColor(255, 160, 160); }

bool holds(const QRectF& r, QPointF point)
{
    // Half-open, as pixels are: the pixel right of or below a rectangle is not
    // part of it.
    return point.x() >= r.left() && point.x() < r.right() && point.y() >= r.top()
        && point.y() < r.bottom();
}

bool onADot(QPointF point)
{
    for (int dot = 1; dot <= kDotCount; ++dot) {
        const QRectF r = layout::onBoard(layout::dot(dot));
        const QPointF d = point - r.center();
        const qreal radius = r.width() / 2;
        if (d.x() * d.x() + d.y() * d.y() < radius * radius)
            return true;
    }
    return false;
}

// How far the point lies from the line along the middle of the edge's bar.
qreal acrossDistance(Edge edge, QPointF point)
{
    const QPointF centre = BoardView::edgeRect(edge).center();
    return edge.family == Vertical ? std::abs(point.x() - centre.x())
                                   : std::abs(point.y() - centre.y());
}

} // namespace

BoardView::BoardView(const TurnPresenter& presenter, QWidget* parent)
    : QWidget(parent)
    , presenter_(presenter)
    , painted_(presenter.picture())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

QSize BoardView::sizeHint() const { return layout::pixels(layout::kGameboard, scale_).size(); }

void BoardView::setScale(double scale)
{
    scale_ = scale;
    update();
}

QRectF BoardView::edgeRect(Edge edge) { return layout::onBoard(layout::edge(edge)); }

QRectF BoardView::hitRect(Edge edge)
{
    const QRectF bar = edgeRect(edge);
    return edge.family == Vertical ? bar.adjusted(-kHitMargin, 0, kHitMargin, 0)
                                   : bar.adjusted(0, -kHitMargin, 0, kHitMargin);
}

std::optional<Edge> BoardView::edgeAt(QPointF point)
{
    // A dot covers the ends of its edges: a click there picks none of them.
    if (onADot(point))
        return std::nullopt;
    // The horizontal edges are painted last, so where a corner of one overlaps
    // a vertical edge by a pixel, the horizontal edge is the one under the mouse.
    for (const Family family : { Horizontal, Vertical }) {
        for (int index = 1; index <= kEdgesPerFamily; ++index) {
            if (holds(edgeRect({ family, index }), point))
                return Edge { family, index };
        }
    }
    // Beside the bars, the widened areas of two edges overlap diagonally off a
    // dot; the edge whose bar is nearer across its thickness wins.
    std::optional<Edge> nearest;
    for (const Family family : { Horizontal, Vertical }) {
        for (int index = 1; index <= kEdgesPerFamily; ++index) {
            const Edge edge { family, index };
            if (holds(hitRect(edge), point)
                && (!nearest || acrossDistance(edge, point) < acrossDistance(*nearest, point)))
                nearest = edge;
        }
    }
    return nearest;
}

void BoardView::paintLastComputerEdges(QPainter& painter) const
{
    // A white line a third as thick as the bar along its middle; the bar's
    // green stays on both sides of it.
    for (const Edge edge : presenter_.picture().lastComputerEdges) {
        const QRectF bar = edgeRect(edge);
        const qreal inset = (edge.family == Vertical ? bar.width() : bar.height()) / 3;
        painter.fillRect(snapped(painter,
                             edge.family == Vertical ? bar.adjusted(inset, 0, -inset, 0)
                                                     : bar.adjusted(0, inset, 0, -inset)),
            Qt::white);
    }
}

void BoardView::paintPreview(QPainter& painter) const
{
    if (preview_)
        painter.fillRect(snapped(painter, edgeRect(*preview_)), previewColour());
}

void BoardView::refresh()
{
    updatePreview();
    update(changedArea(painted_, presenter_.picture()));
    painted_ = presenter_.picture();
}

QRect BoardView::area(const QRectF& element) const
{
    // A pixel of room on every side takes in the rounding of snapped() and the
    // smoothed rim of a marker.
    return QRectF(element.topLeft() * scale_, element.size() * scale_)
        .toAlignedRect()
        .adjusted(-1, -1, 1, 1);
}

QRegion BoardView::changedArea(const BoardPicture& before, const BoardPicture& after) const
{
    const auto marked = [](const BoardPicture& picture, Edge edge) {
        const std::vector<Edge>& marks = picture.lastComputerEdges;
        return std::find(marks.begin(), marks.end(), edge) != marks.end();
    };
    QRegion changed;
    for (const Family family : { Vertical, Horizontal }) {
        for (int index = 1; index <= kEdgesPerFamily; ++index) {
            const Edge edge { family, index };
            if (before.edge(edge) != after.edge(edge)
                || marked(before, edge) != marked(after, edge))
                changed += area(edgeRect(edge));
        }
    }
    for (int square = 1; square <= kSquareCount; ++square) {
        const auto i = static_cast<std::size_t>(square);
        if (before.squares[i] != after.squares[i])
            changed += area(layout::onBoard(layout::marker(square)));
    }
    return changed;
}

void BoardView::updatePreview()
{
    std::optional<Edge> edge = pointer_ ? edgeAt(*pointer_) : std::nullopt;
    if (edge && !presenter_.isPlayableNow(*edge))
        edge.reset();
    if (edge == preview_)
        return;
    for (const std::optional<Edge> bar : { preview_, edge }) {
        if (bar)
            update(area(edgeRect(*bar)));
    }
    preview_ = edge;
    if (preview_)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void BoardView::paintEvent(QPaintEvent* event)
{
    // Only what meets the repainted area is drawn; the rest would be clipped.
    const QRect area = event->rect();
    const QRectF dirty(QPointF(area.topLeft()) / scale_, QSizeF(area.size()) / scale_);
    const auto skip
        = [&](const QRectF& element) { return !element.adjusted(-1, -1, 1, 1).intersects(dirty); };
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
    // other: the picture's colour is all there is to show.
    const BoardPicture& picture = presenter_.picture();
    for (const Family family : { Vertical, Horizontal }) {
        for (int index = 1; index <= kEdgesPerFamily; ++index) {
            const Edge edge { family, index };
            if (skip(edgeRect(edge)))
                continue;
            painter.fillRect(snapped(painter, edgeRect(edge)), layout::colour(picture.edge(edge)));
        }
    }
    paintLastComputerEdges(painter);
    paintPreview(painter);

    painter.setRenderHint(QPainter::Antialiasing);

    // A marker is a disc in its owner's colour inside a blue rim; unowned, both
    // are blue and the square looks empty.
    QPen rim(blue);
    rim.setWidthF(1.0);
    painter.setPen(rim);
    for (int square = 1; square <= kSquareCount; ++square) {
        if (skip(layout::onBoard(layout::marker(square))))
            continue;
        const QRectF r = snapped(painter, layout::onBoard(layout::marker(square)))
                             .adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setBrush(layout::colour(picture.squares[static_cast<std::size_t>(square)]));
        painter.drawEllipse(r);
    }

    // Dots go on top, covering the ends of the edges that meet at them.
    painter.setPen(Qt::NoPen);
    painter.setBrush(layout::colour(kDotColour));
    for (int dot = 1; dot <= kDotCount; ++dot) {
        if (!skip(layout::onBoard(layout::dot(dot))))
            painter.drawEllipse(snapped(painter, layout::onBoard(layout::dot(dot))));
    }
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

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    pointer_ = toLayout(event->position());
    updatePreview();
}

void BoardView::leaveEvent(QEvent*)
{
    pointer_.reset();
    updatePreview();
}

} // namespace quadlo
