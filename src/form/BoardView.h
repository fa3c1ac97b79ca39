// SPDX-License-Identifier: GPL-3.0-or-later
// The game board, lblGameboard: one widget that paints the blue square, its 36
// dots, the 60 edges and the 25 square markers, and turns a click on an edge
// into the edge's family and index. It keeps no state of the game itself: it
// paints the presenter's picture of the board, marks the computer's last edges
// and previews the edge under the pointer or the keyboard cursor; what it keeps
// is the pointer's and the cursor's. With the focus, the arrow keys move the
// cursor from edge to edge and Enter or Space draws the edge under it.
#pragma once

#include <optional>

#include <QWidget>

#include "board/Board.h"
#include "board/BoxGeometry.h"
#include "form/Coach.h"
#include "form/TurnPresenter.h"

namespace quadlo {

class BoardView : public QWidget {
    Q_OBJECT

public:
    explicit BoardView(const TurnPresenter& presenter, QWidget* parent = nullptr);

    // The playable edge (index 1..30) that a click at the point draws, in the
    // layout's coordinates: the edge painted there, or the nearest edge whose
    // widened hit area holds the point; none on a dot, a marker or between the
    // hit areas. The off-board template, element 0, never has a rectangle here.
    static std::optional<Edge> edgeAt(QPointF point);
    static QRectF edgeRect(Edge edge);
    static QRectF hitRect(Edge edge);

    // The picture changed: repaints what changed in it, and re-reads what lies
    // under the pointer.
    void refresh();

    QSize sizeHint() const override;

    // The board drawn smaller, with the rest of the form, where the screen has
    // no room for it at its full size.
    void setScale(double scale);
    double scale() const { return scale_; }

    // Owner Marks: every owned square and edge says its owner by its shape as
    // well as its colour, a ring for the human and a disc for the computer, and
    // a light line along the middle of the human's edges.
    void setOwnerMarks(bool on);

    // The coach's best edge, outlined in yellow until it is dropped.
    void setHint(std::optional<Edge> edge);

    // Show Values: the best open edges outlined in green and each other open
    // edge with the squares it loses against them, while the human is to
    // move in the position they are for; none shows nothing.
    void setValues(std::optional<MoveValues> values);

    // The review's picture of the board, shown in place of the game's until
    // it is null again; the board then previews, hints and values nothing,
    // and draws no edge. It must last until it is replaced.
    void setReviewPicture(const BoardPicture* picture);
    bool reviewing() const { return review_ != nullptr; }
    // The picture on screen: the review's while there is one, else the game's.
    const BoardPicture& shown() const { return review_ ? *review_ : presenter_.picture(); }

    // The edge shown in pale red, if any.
    std::optional<Edge> previewed() const { return preview_; }

    // The edge under the keyboard cursor, shown while the board has the focus.
    Edge keyboardCursor() const { return cursor_; }
    // What the board says of an edge to a screen reader.
    QString describe(Edge edge) const;
    // What the values shown say of an edge to a screen reader; empty where
    // none is shown.
    QString describeValue(Edge edge) const;
    // Tells a screen reader what a turn did.
    void announce(const QString& text);

signals:
    // A press and a release of the left button on the same edge, or Enter or
    // Space on a playable edge under the cursor.
    void edgeClicked(quadlo::Edge edge);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QPointF toLayout(QPointF point) const { return point / scale_; }
    void paintLastComputerEdges(QPainter& painter) const;
    void paintPreview(QPainter& painter) const;
    void paintOwnerMarks(QPainter& painter) const;
    void paintCursor(QPainter& painter) const;
    void paintHint(QPainter& painter) const;
    void paintValues(QPainter& painter, const MoveValues& values) const;
    // The values, if they are for the position on the board and the human
    // is to move in it.
    const MoveValues* valuesShown() const;
    void updatePreview();
    void moveCursor(Step step);
    // Where an element of the board, in the layout's coordinates, is painted.
    QRect area(const QRectF& element) const;
    // Where the two pictures differ: the bars and markers that change colour
    // and the bars that gain or lose the mark of a last computer edge.
    QRegion changedArea(const BoardPicture& before, const BoardPicture& after) const;

    const TurnPresenter& presenter_;
    double scale_ = 1.0;
    std::optional<Edge> pressed_;
    // Where the pointer is, in the layout's coordinates, while it is over the board.
    std::optional<QPointF> pointer_;
    std::optional<Edge> preview_;
    Edge cursor_ { Horizontal, 1 };
    // The preview follows whichever moved last, the pointer or the cursor.
    bool cursorLeads_ = false;
    bool ownerMarks_ = false;
    std::optional<Edge> hint_;
    std::optional<MoveValues> values_;
    const BoardPicture* review_ = nullptr;
    // The presenter's picture as the last repaint request left it.
    BoardPicture painted_;
};

} // namespace quadlo
