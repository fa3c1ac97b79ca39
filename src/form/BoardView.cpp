// SPDX-License-Identifier: GPL-3.0-or-later
// Painting and hit-testing of the board. Everything is drawn as vector shapes in
// device-independent pixels, so the board stays sharp at any screen scale.
#include "form/BoardView.h"

#include <algorithm>
#include <cmath>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "analysis/BoardAdapter.h"
#include "form/BoardAccessible.h"
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

// The mark along the computer's last edges is dark, 15 : 1 against their
// green; the light line of Owner Marks is white, 4 : 1 against the human's red.
const QColor kLastMoveMark = Qt::black;
const QColor kOwnerLine = Qt::white;

// Show Values: a best edge is outlined in green inside its bar, 6 : 1
// against the blue board, and the squares another edge loses are white,
// 8 : 1. The outline is hollow, so that it never reads as the computer's
// solid green edge, and stays inside the bar, so that the outlines of
// neighbouring best edges do not run together.
const QColor kBestFrame(0, 255, 0);
const QColor kLossText = Qt::white;

// A line a third as thick as the bar, along its middle; the bar's colour stays
// on both sides of it.
QRectF middleLine(const QRectF& bar, bool vertical)
{
    const qreal inset = (vertical ? bar.width() : bar.height()) / 3;
    return vertical ? bar.adjusted(inset, 0, -inset, 0) : bar.adjusted(0, inset, 0, -inset);
}

// Snapped, and never thinner than one device pixel, however small the board.
QRectF visibleLine(const QPainter& painter, const QRectF& line)
{
    const QTransform& toDevice = painter.deviceTransform();
    const QRectF d = toDevice.mapRect(line);
    const qreal width = std::max<qreal>(1, std::round(d.width()));
    const qreal height = std::max<qreal>(1, std::round(d.height()));
    const QRectF whole(std::round(d.center().x() - width / 2),
        std::round(d.center().y() - height / 2), width, height);
    return toDevice.inverted().mapRect(whole);
}

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

// A frame two pixels wide round a bar, its middle `outset` pixels outside it
// (inside it when negative).
void frameBar(QPainter& painter, const QRectF& bar, const QColor& colour, qreal outset)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    QPen pen(colour, 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(bar.adjusted(-outset, -outset, outset, outset));
    painter.restore();
}

} // namespace

BoardView::BoardView(const TurnPresenter& presenter, QWidget* parent)
    : QWidget(parent)
    , presenter_(presenter)
    , painted_(presenter.picture())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab brings the focus here; a click plays without taking it from the
    // options.
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    installBoardAccessibility();
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
    // The final edge of the turn carries the whole line; the edges before it
    // carry it in three dashes, so that the last move stands out.
    const std::vector<Edge>& edges = shown().lastComputerEdges;
    for (std::size_t i = 0; i < edges.size(); ++i) {
        const bool vertical = edges[i].family == Vertical;
        const QRectF line = middleLine(edgeRect(edges[i]), vertical);
        if (i + 1 == edges.size()) {
            painter.fillRect(visibleLine(painter, line), kLastMoveMark);
            continue;
        }
        const qreal length = (vertical ? line.height() : line.width()) / 5;
        for (const int dash : { 0, 2, 4 }) {
            const QRectF part = vertical
                ? QRectF(line.left(), line.top() + dash * length, line.width(), length)
                : QRectF(line.left() + dash * length, line.top(), length, line.height());
            painter.fillRect(visibleLine(painter, part), kLastMoveMark);
        }
    }
}

void BoardView::paintOwnerMarks(QPainter& painter) const
{
    const BoardPicture& picture = shown();
    forEachEdge([&](Edge edge) {
        if (picture.edge(edge) == kHumanColour)
            painter.fillRect(
                visibleLine(painter, middleLine(edgeRect(edge), edge.family == Vertical)),
                kOwnerLine);
    });
}

void BoardView::paintCursor(QPainter& painter) const
{
    // Two rings round the bar, black inside and white outside, so that one of
    // them stands out at 3 : 1 or more against the blue board and against the
    // bar in any of its colours.
    const QRectF bar = edgeRect(cursor_);
    frameBar(painter, bar, Qt::black, 1);
    frameBar(painter, bar, Qt::white, 3);
}

void BoardView::paintPreview(QPainter& painter) const
{
    if (preview_)
        painter.fillRect(snapped(painter, edgeRect(*preview_)), previewColour());
}

void BoardView::refresh()
{
    updatePreview();
    update(changedArea(painted_, shown()));
    painted_ = shown();
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
    // 0 unmarked, 1 dashed, 2 whole: the final edge of a turn.
    const auto marked = [](const BoardPicture& picture, Edge edge) {
        const std::vector<Edge>& marks = picture.lastComputerEdges;
        const auto found = std::find(marks.begin(), marks.end(), edge);
        return found == marks.end() ? 0 : found + 1 == marks.end() ? 2 : 1;
    };
    QRegion changed;
    forEachEdge([&](Edge edge) {
        if (before.edge(edge) != after.edge(edge) || marked(before, edge) != marked(after, edge))
            changed += area(edgeRect(edge));
    });
    for (int square = 1; square <= kSquareCount; ++square) {
        const auto i = static_cast<std::size_t>(square);
        if (before.squares[i] != after.squares[i])
            changed += area(layout::onBoard(layout::marker(square)));
    }
    return changed;
}

QString BoardView::describe(Edge edge) const
{
    const Colour colour = shown().edge(edge);
    const QString owner = colour == kHumanColour ? tr("yours")
        : colour == kComputerColour              ? tr("the computer's")
                                                 : tr("open");
    const GridPosition p = edgePosition(edge);
    // Rows and columns of dots, counted from 1 at the top left.
    if (edge.family == Vertical)
        return tr("Vertical edge in column %1 between rows %2 and %3, %4")
            .arg(p.column + 1)
            .arg(p.row + 1)
            .arg(p.row + 2)
            .arg(owner);
    return tr("Horizontal edge in row %1 between columns %2 and %3, %4")
        .arg(p.row + 1)
        .arg(p.column + 1)
        .arg(p.column + 2)
        .arg(owner);
}

void BoardView::announce(const QString& text) { setAccessibleDescription(text); }

void BoardView::setHint(std::optional<Edge> edge)
{
    if (edge == hint_)
        return;
    hint_ = edge;
    update();
}

void BoardView::paintHint(QPainter& painter) const
{
    // A yellow frame round the bar, 8 : 1 against the blue board.
    frameBar(painter, edgeRect(*hint_), QColor(255, 255, 0), 2);
}

void BoardView::setValues(std::optional<MoveValues> values)
{
    // Off, the board is painted as it always was, in the parts that change.
    if (!values && !values_)
        return;
    values_ = std::move(values);
    update();
}

const MoveValues* BoardView::valuesShown() const
{
    const Game& game = presenter_.game();
    if (!values_ || review_ || presenter_.showing() || !game.humanToMove()
        || values_->drawn != analysis::drawnEdges(game.board()))
        return nullptr;
    return &*values_;
}

void BoardView::paintValues(QPainter& painter, const MoveValues& values) const
{
    QFont font = painter.font();
    // 8 pixels at 1x: the digits are 6 high, inside the bar's 9.
    font.setPixelSize(8);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kLossText);
    for (const EdgeLoss& loss : values.edges) {
        const QRectF bar = edgeRect(loss.edge);
        if (loss.squares == 0) {
            frameBar(painter, bar, kBestFrame, -1);
            continue;
        }
        // The text may run a little past a vertical bar, into the blue
        // between it and the square markers.
        const QRectF room = loss.edge.family == Vertical ? bar.adjusted(-6, 0, 6, 0) : bar;
        painter.drawText(room, Qt::AlignCenter, QString::number(loss.squares));
    }
}

QString BoardView::describeValue(Edge edge) const
{
    const MoveValues* values = valuesShown();
    if (!values)
        return {};
    for (const EdgeLoss& loss : values->edges) {
        if (loss.edge == edge)
            // One and many are apart in English; many takes each language's
            // plural.
            return loss.squares == 0 ? tr("best move")
                : loss.squares == 1  ? tr("loses a square")
                                     : tr("loses %n squares", nullptr, loss.squares);
    }
    return {};
}

void BoardView::setOwnerMarks(bool on)
{
    ownerMarks_ = on;
    update();
}

void BoardView::updatePreview()
{
    std::optional<Edge> edge = cursorLeads_ && hasFocus() ? std::optional(cursor_)
        : pointer_                                        ? edgeAt(*pointer_)
                                                          : std::nullopt;
    if (edge && (review_ || !presenter_.isPlayableNow(*edge)))
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
    // Only what meets the repainted region is drawn; the rest would be clipped.
    // A click's region is scattered (its bar, and the computer's last edges
    // that lose their marks), so its bounding rectangle would take in much of
    // the board.
    const QRegion& dirty = event->region();
    const auto skip = [&](const QRectF& element) {
        return !dirty.intersects(area(element.adjusted(-1, -1, 1, 1)));
    };
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
    const BoardPicture& picture = shown();
    for (const Family family : { Vertical, Horizontal }) {
        for (int index = 1; index <= kEdgesPerFamily; ++index) {
            const Edge edge { family, index };
            const QRectF bar = edgeRect(edge);
            if (!skip(bar))
                painter.fillRect(snapped(painter, bar), layout::colour(picture.edge(edge)));
        }
    }
    if (ownerMarks_)
        paintOwnerMarks(painter);
    paintLastComputerEdges(painter);
    paintPreview(painter);

    painter.setRenderHint(QPainter::Antialiasing);

    // A marker is a disc in its owner's colour inside a blue rim; unowned, both
    // are blue and the square looks empty. With Owner Marks the human's is a
    // ring instead.
    QPen rim(blue);
    rim.setWidthF(1.0);
    for (int square = 1; square <= kSquareCount; ++square) {
        const QRectF marker = layout::onBoard(layout::marker(square));
        const Colour colour = picture.squares[static_cast<std::size_t>(square)];
        // Blue blended onto the blue board gives the board's own pixels, so an
        // unowned marker is left undrawn.
        if (colour == kBoardColour || skip(marker))
            continue;
        const QRectF r = snapped(painter, marker).adjusted(0.5, 0.5, -0.5, -0.5);
        if (ownerMarks_ && colour == kHumanColour) {
            QPen ring(layout::colour(colour));
            ring.setWidthF(r.width() / 4);
            painter.setPen(ring);
            painter.setBrush(blue);
            const qreal half = ring.widthF() / 2;
            painter.drawEllipse(r.adjusted(half, half, -half, -half));
            continue;
        }
        painter.setPen(rim);
        painter.setBrush(layout::colour(colour));
        painter.drawEllipse(r);
    }

    // Dots go on top, covering the ends of the edges that meet at them.
    painter.setPen(Qt::NoPen);
    painter.setBrush(layout::colour(kDotColour));
    for (int dot = 1; dot <= kDotCount; ++dot) {
        const QRectF disc = layout::onBoard(layout::dot(dot));
        if (!skip(disc))
            painter.drawEllipse(snapped(painter, disc));
    }

    if (review_)
        return;
    if (const MoveValues* values = valuesShown())
        paintValues(painter, *values);
    if (hint_)
        paintHint(painter);
    if (hasFocus())
        paintCursor(painter);
}

void BoardView::setReviewPicture(const BoardPicture* picture)
{
    if (picture == review_)
        return;
    review_ = picture;
    updatePreview();
    update();
    painted_ = shown();
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
    if (pressed && !review_ && edgeAt(toLayout(event->position())) == pressed)
        emit edgeClicked(*pressed);
    event->accept();
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    pointer_ = toLayout(event->position());
    cursorLeads_ = false;
    updatePreview();
}

void BoardView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        return moveCursor(Step::Left);
    case Qt::Key_Right:
        return moveCursor(Step::Right);
    case Qt::Key_Up:
        return moveCursor(Step::Up);
    case Qt::Key_Down:
        return moveCursor(Step::Down);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!review_ && presenter_.isPlayableNow(cursor_))
            emit edgeClicked(cursor_);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void BoardView::moveCursor(Step step)
{
    cursor_ = edgeStep(cursor_, step);
    cursorLeads_ = true;
    updatePreview();
    update();
    boardCursorMoved(this);
}

void BoardView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    cursorLeads_ = true;
    updatePreview();
    update();
    // The board's own focus is told once this event returns; its edge's
    // comes after it.
    QMetaObject::invokeMethod(
        this, [this] { boardCursorMoved(this); }, Qt::QueuedConnection);
}

void BoardView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    cursorLeads_ = false;
    updatePreview();
    update();
}

void BoardView::leaveEvent(QEvent*)
{
    pointer_.reset();
    updatePreview();
}

} // namespace quadlo
