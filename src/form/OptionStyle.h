// SPDX-License-Identifier: GPL-3.0-or-later
// How the difficulty options look on the navy form. The desktop style draws an
// option as a white disc, dark when selected, and marks the focus in a tint
// that all but vanishes on navy; these options instead draw a ring in the
// caption colour, filled with a dot when selected, and frame the focused
// option's caption in the caption colour.
#pragma once

#include <QProxyStyle>

namespace quadlo {

class OptionStyle final : public QProxyStyle {
    Q_OBJECT

public:
    OptionStyle();

    // The indicator shrinks with the form when the screen has no room for it.
    void setScale(double scale) { scale_ = scale; }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;

private:
    double scale_ = 1.0;
};

} // namespace quadlo
