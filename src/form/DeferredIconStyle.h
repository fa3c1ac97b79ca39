// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's style, with the icons that widgets take at construction but
// seldom show read when they are first drawn. Every menu bar makes the
// button that holds the menus it has no room for, and asks for its arrow at
// once; reading that picture is the first image read of the program, and
// looks for image plugins, while the button stays hidden unless the window is
// narrower than its menus.
#pragma once

#include <QProxyStyle>

namespace quadlo {

class DeferredIconStyle final : public QProxyStyle {
    Q_OBJECT

public:
    // `style` is a style of the application's kind, made for this one, which
    // owns it.
    explicit DeferredIconStyle(QStyle* style);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;
};

} // namespace quadlo
