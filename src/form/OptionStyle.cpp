// SPDX-License-Identifier: GPL-3.0-or-later
// Painting of the options' indicator and focus mark; everything else about the
// options is left to the desktop style.
#include "form/OptionStyle.h"

#include <cmath>

#include <QPainter>
#include <QStyleOption>

namespace quadlo {

OptionStyle::OptionStyle()
    : QProxyStyle()
{
}

void OptionStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
    QPainter* painter, const QWidget* widget) const
{
    const QColor ink = option->palette.color(QPalette::WindowText);
    switch (element) {
    case PE_IndicatorRadioButton: {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        // The ring's line shrinks with the indicator, or it fills a small one.
        const QRectF ring = QRectF(option->rect).adjusted(scale_, scale_, -scale_, -scale_);
        painter->setPen(QPen(ink, 1.5 * scale_));
        painter->setBrush(option->palette.color(QPalette::Window));
        painter->drawEllipse(ring);
        if (option->state & State_On) {
            const qreal inset = ring.width() * 0.27;
            painter->setPen(Qt::NoPen);
            painter->setBrush(ink);
            painter->drawEllipse(ring.adjusted(inset, inset, -inset, -inset));
        }
        painter->restore();
        return;
    }
    case PE_FrameFocusRect: {
        // Shown whenever the option has the focus, however it came there: the
        // options are the only controls that take it.
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        // One pixel at 1×, thinner with the form; Qt draws any pen under a
        // pixel as one device pixel.
        painter->setPen(QPen(ink, scale_, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5));
        painter->restore();
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

int OptionStyle::pixelMetric(
    PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight
        || metric == PM_RadioButtonLabelSpacing)
        return static_cast<int>(std::lround(base * scale_));
    return base;
}

} // namespace quadlo
