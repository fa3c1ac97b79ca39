// SPDX-License-Identifier: GPL-3.0-or-later
// Painting of the title: the caption's outline, narrowed where the brush
// script is wider than the label and lowered in height where it is taller,
// with its ink centred in the label. The outline is built once for each font
// and text, not at every paint.
#include "form/TitleLabel.h"

#include <algorithm>

#include <QPainter>

namespace quadlo {

TitleLabel::TitleLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
}

void TitleLabel::paintEvent(QPaintEvent*)
{
    if (outline_.isEmpty() || outlineFont_ != font() || outlineText_ != text()) {
        outlineFont_ = font();
        outlineText_ = text();
        outline_ = QPainterPath();
        outline_.addText(0, 0, outlineFont_, outlineText_);
    }
    const QRectF ink = outline_.boundingRect();
    if (ink.isEmpty())
        return;
    // A pixel of air on every side keeps the smoothed edge of a stroke inside.
    const QRectF room = QRectF(rect()).adjusted(1, 1, -1, -1);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(room.center());
    painter.scale(
        std::min(1.0, room.width() / ink.width()), std::min(1.0, room.height() / ink.height()));
    painter.translate(-ink.center());
    painter.fillPath(outline_, palette().color(foregroundRole()));
}

} // namespace quadlo
