// SPDX-License-Identifier: GPL-3.0-or-later
// An icon engine that asks the style for its icon the first time it is drawn
// or measured, and the style that hands it out for the menu bar's extension
// arrows.
#include "form/DeferredIconStyle.h"

#include <QIconEngine>
#include <QPointer>
#include <QWidget>

namespace quadlo {

namespace {

class DeferredIconEngine final : public QIconEngine {
public:
    DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap icon, const QWidget* widget)
        : style_(style)
        , icon_(icon)
        , widget_(widget)
    {
    }

    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().pixmap(size, mode, state);
    }

    QPixmap scaledPixmap(
        const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return loaded().pixmap(size, scale, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().availableSizes(mode, state);
    }

    bool isNull() override { return loaded().isNull(); }

private:
    const QIcon& loaded()
    {
        if (!read_) {
            read_ = true;
            // A style that is gone leaves the icon empty, as a style without
            // the picture would.
            if (style_)
                loaded_ = style_->standardIcon(icon_, nullptr, widget_);
        }
        return loaded_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap icon_;
    QPointer<const QWidget> widget_;
    bool read_ = false;
    QIcon loaded_;
};

} // namespace

DeferredIconStyle::DeferredIconStyle(QStyle* style)
    : QProxyStyle(style)
{
}

QIcon DeferredIconStyle::standardIcon(
    StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    // The deferred icon is asked for without a style option, so one asked
    // for with an option, which may depend on it, is made at once.
    if (!option
        && (icon == SP_ToolBarHorizontalExtensionButton
            || icon == SP_ToolBarVerticalExtensionButton))
        return QIcon(new DeferredIconEngine(baseStyle(), icon, widget));
    return QProxyStyle::standardIcon(icon, option, widget);
}

} // namespace quadlo
