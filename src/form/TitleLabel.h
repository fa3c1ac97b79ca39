// SPDX-License-Identifier: GPL-3.0-or-later
// The title caption, lblTitle. A brush script's strokes reach well past its
// advance width and its line box, so the caption is fitted and centred by the
// ink it actually puts on the screen, which is never clipped.
#pragma once

#include <QFont>
#include <QLabel>
#include <QPainterPath>

namespace quadlo {

class TitleLabel final : public QLabel {
    Q_OBJECT

public:
    explicit TitleLabel(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPainterPath outline_;
    QFont outlineFont_;
    QString outlineText_;
};

} // namespace quadlo
