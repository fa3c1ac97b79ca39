// SPDX-License-Identifier: GPL-3.0-or-later
// Painting of the title: the caption's outline, narrowed where the stand-in
// font is wider than the label and lowered in height where it is taller,
// with its ink centred in the label.
#include "form/TitleLabel.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>

namespace quadlo {

TitleLabel::TitleLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
}

void TitleLabel::paintEvent(QPaintEvent*)
{
    QPainterPath outline;
    outline.addText(0, 0, font(), text());
    const QRectF ink = outline.boundingRect();
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
    painter.fillPath(outline, palette().color(foregroundRole()));
}

} // namespace quadlo
