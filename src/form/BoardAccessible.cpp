// SPDX-License-Identifier: GPL-3.0-or-later
// The board's accessible interface and its edges' (Qt's accessibility, which
// AT-SPI carries to screen readers on Linux).
#include "form/BoardAccessible.h"

#include <array>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>

#include "form/BoardView.h"

namespace quadlo {

namespace {

constexpr int kEdgeCount = 2 * kEdgesPerFamily;

// Children in the order of forEachEdge: vertical i, then horizontal i.
Edge edgeOfChild(int index) { return { index % 2 == 0 ? Vertical : Horizontal, index / 2 + 1 }; }
int childOfEdge(Edge edge) { return 2 * (edge.index - 1) + (edge.family == Vertical ? 0 : 1); }

class EdgeAccessible final : public QAccessibleInterface {
public:
    EdgeAccessible(BoardView* view, int index)
        : view_(view)
        , index_(index)
    {
    }

    bool isValid() const override { return view_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent()->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(view_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return view_->describe(edgeOfChild(index_));
        if (t == QAccessible::Description)
            return view_->describeValue(edgeOfChild(index_));
        return {};
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override
    {
        const QRectF bar = BoardView::edgeRect(edgeOfChild(index_));
        const qreal scale = view_->scale();
        const QRect local = QRectF(bar.topLeft() * scale, bar.size() * scale).toAlignedRect();
        return QRect(view_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = view_->hasFocus() && view_->keyboardCursor() == edgeOfChild(index_);
        return state;
    }

private:
    BoardView* view_;
    int index_;
};

class BoardAccessibleInterface final : public QAccessibleWidget {
public:
    explicit BoardAccessibleInterface(BoardView* view)
        : QAccessibleWidget(view, QAccessible::Pane)
    {
    }
    ~BoardAccessibleInterface() override
    {
        for (const QAccessible::Id id : ids_) {
            if (id)
                QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return kEdgeCount; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= kEdgeCount)
            return nullptr;
        QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(
                new EdgeAccessible(static_cast<BoardView*>(widget()), index));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < kEdgeCount; ++i) {
            if (ids_[static_cast<std::size_t>(i)]
                && QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(i)]) == child)
                return i;
        }
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        const auto* view = static_cast<const BoardView*>(widget());
        return view->hasFocus() ? child(childOfEdge(view->keyboardCursor())) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const auto* view = static_cast<const BoardView*>(widget());
        const QPoint local = view->mapFromGlobal(QPoint(x, y));
        const std::optional<Edge> edge = BoardView::edgeAt(QPointF(local) / view->scale());
        return edge ? child(childOfEdge(*edge)) : nullptr;
    }

private:
    mutable std::array<QAccessible::Id, kEdgeCount> ids_ {};
};

QAccessibleInterface* boardFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("quadlo::BoardView") && object && object->isWidgetType())
        return new BoardAccessibleInterface(static_cast<BoardView*>(object));
    return nullptr;
}

} // namespace

void installBoardAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(boardFactory);
        return true;
    }();
    (void)installed;
}

void boardCursorMoved(BoardView* view)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(view);
    if (QAccessibleInterface* edge = board ? board->focusChild() : nullptr) {
        QAccessibleEvent focus(edge, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

QString turnSummary(const std::vector<TurnEvent>& events, bool humanToMove)
{
    int humanSquares = 0;
    int computerEdges = 0;
    int computerSquares = 0;
    for (const TurnEvent& event : events) {
        if (event.player == Player::Human)
            humanSquares += !event.isEdge();
        else
            ++(event.isEdge() ? computerEdges : computerSquares);
    }
    // One and many are apart in English; many takes each language's plural.
    QStringList parts;
    if (humanSquares == 1)
        parts << QCoreApplication::translate("Turn", "You took a square.");
    else if (humanSquares > 1)
        parts << QCoreApplication::translate("Turn", "You took %n squares.", nullptr, humanSquares);
    if (computerEdges > 0) {
        QString computer = computerEdges == 1
            ? QCoreApplication::translate("Turn", "Computer drew an edge")
            : QCoreApplication::translate("Turn", "Computer drew %n edges", nullptr, computerEdges);
        if (computerSquares == 1)
            computer = QCoreApplication::translate("Turn", "%1 and took a square").arg(computer);
        else if (computerSquares > 1)
            computer = QCoreApplication::translate(
                "Turn", "%1 and took %n squares", nullptr, computerSquares)
                           .arg(computer);
        parts << computer + QLatin1Char('.');
    }
    parts << (humanToMove ? QCoreApplication::translate("Turn", "Your move.")
                          : QCoreApplication::translate("Turn", "Game over."));
    return parts.join(QLatin1Char(' '));
}

} // namespace quadlo
