// SPDX-License-Identifier: GPL-3.0-or-later
// Laying the form out at one scale and fitting the window to its screen.
#include "form/FormPlacement.h"

#include <algorithm>

#include <QAbstractButton>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QWindow>

namespace quadlo {

namespace {

// Text sizes come in whole pixels and do not shrink quite in step with the
// form, so an option's caption that would be cut is narrowed to fit instead.
void narrowToFit(QAbstractButton* button)
{
    if (!button)
        return;
    const int over = button->sizeHint().width() - button->width();
    if (over <= 0)
        return;
    QFont font = button->font();
    const int advance = button->fontMetrics().horizontalAdvance(button->text());
    font.setStretch(std::max(1, 100 * (advance - over) / advance));
    button->setFont(font);
}

} // namespace

FormPlacement::FormPlacement(QMainWindow& window, QWidget& client)
    : window_(window)
    , client_(client)
{
}

void FormPlacement::place(QWidget* control, layout::TwipsRect rect)
{
    placed_.push_back({ control, rect, control->font() });
}

void FormPlacement::applyScale(double scale)
{
    scale_ = scale;
    client_.setFixedSize(layout::pixels(layout::kClientArea, scale).size());
    for (const Placed& placed : placed_) {
        placed.control->setGeometry(layout::pixels(placed.rect, scale));
        QFont font = placed.font;
        font.setPointSizeF(placed.font.pointSizeF() * scale);
        placed.control->setFont(font);
        narrowToFit(qobject_cast<QAbstractButton*>(placed.control));
    }
    if (onScaled)
        onScaled(scale);
}

void FormPlacement::fitToScreen()
{
    // Until the window manager has framed the window its frame is unknown;
    // this much room for a title bar and borders covers the common desktops.
    const QWindow* handle = window_.windowHandle();
    const QMargins known = handle ? handle->frameMargins() : QMargins();
    const QMargins frame = known.isNull() ? QMargins(4, 40, 4, 4) : known;
    const QRect available = window_.screen()->availableGeometry();

    // The whole form at one scale, never larger than it was drawn; one tenth
    // of it is as small as it gets.
    const QSize full = layout::pixels(layout::kClientArea).size();
    const int menu = window_.menuBar()->sizeHint().height();
    const double across = double(available.width() - frame.left() - frame.right()) / full.width();
    const double down
        = double(available.height() - frame.top() - frame.bottom() - menu) / full.height();
    const double scale = std::clamp(std::min(across, down), 0.1, 1.0);
    if (scale != scale_)
        applyScale(scale);
    window_.adjustSize();

    // The client area is centred, and moved in only as far as its frame needs
    // to stay inside the available area.
    const QRect room = available.marginsRemoved(frame);
    QRect placed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window_.size(), available);
    placed.moveTo(std::max(room.left(), std::min(placed.left(), room.right() + 1 - placed.width())),
        std::max(room.top(), std::min(placed.top(), room.bottom() + 1 - placed.height())));
    window_.setGeometry(placed);
}

} // namespace quadlo
