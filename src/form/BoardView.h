// The game board, lblGameboard: one widget that paints the blue square, its 36
// dots, the 60 edges and the 25 square markers straight from the board model,
// and turns a click on an edge into the edge's family and index. It keeps no
// state of the game itself, so whatever the model holds is what it paints.
#pragma once

#include <optional>

#include <QWidget>

#include "board/Board.h"

namespace quadlo {

class BoardView : public QWidget {
    Q_OBJECT

public:
    explicit BoardView(const Board& board, QWidget* parent = nullptr);

    // The playable edge (index 1..30) whose rectangle holds the point, in the
    // widget's coordinates; none between the edges. The off-board template,
    // element 0, never has a rectangle here.
    static std::optional<Edge> edgeAt(QPointF point);
    static QRectF edgeRect(Edge edge);

    QSize sizeHint() const override;

    // The board drawn smaller, with the rest of the form, where the screen has
    // no room for it at its full size.
    void setScale(double scale);

signals:
    // A press and a release of the left button on the same edge.
    void edgeClicked(quadlo::Edge edge);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF toLayout(QPointF point) const { return point / scale_; }

    const Board& board_;
    double scale_ = 1.0;
    std::optional<Edge> pressed_;
};

} // namespace quadlo
