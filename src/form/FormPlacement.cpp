// SPDX-License-Identifier: GPL-3.0-or-later
// Laying the form out at one scale and fitting the window to its screen.
#include "form/FormPlacement.h"

#include <algorithm>
#include <cstdlib>

#include <QAbstractButton>
#include <QLabel>
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
    // Narrower than extra-condensed, a caption stops reading as words.
    font.setStretch(std::max<int>(QFont::ExtraCondensed, 100 * (advance - over) / advance));
    button->setFont(font);
}

// The room round the status line's words at 1×, so that they do not touch
// the options above them or the window's edges.
constexpr int kStatusPadding = 4;

// Qt's painter never draws at fewer than one device pixel to a pixel: under a
// QT_SCALE_FACTOR below 1 each widget paints at its full size into a window
// that much smaller, and only the top-left part of the form shows. The form
// shrinks itself to fit any screen, so a factor below 1 adds nothing but that
// loss; it is raised to 1 before the application reads it, which is before
// main() runs.
const bool factorRaised = [] {
    const char* value = std::getenv("QT_SCALE_FACTOR");
    char* end = nullptr;
    const double factor = value ? std::strtod(value, &end) : 0.0;
    return end != value && factor > 0.0 && factor < 1.0 && setenv("QT_SCALE_FACTOR", "1", 1) == 0;
}();

} // namespace

QMargins expectedFrame(const QWidget& window)
{
    // Until the window manager has framed the window its frame is unknown;
    // this many device pixels for a title bar and borders covers the common
    // desktops, which draw the frame at the screen's own size.
    const QWindow* handle = window.windowHandle();
    const QMargins known = handle ? handle->frameMargins() : QMargins();
    return known.isNull() ? QMargins(4, 40, 4, 4) / window.devicePixelRatio() : known;
}

QRect keptInside(QRect rect, const QMargins& frame, const QRect& available)
{
    const QRect room = available.marginsRemoved(frame);
    rect.moveTo(std::max(room.left(), std::min(rect.left(), room.right() + 1 - rect.width())),
        std::max(room.top(), std::min(rect.top(), room.bottom() + 1 - rect.height())));
    return rect;
}

QFont scaledFont(QFont font, double scale)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    else
        font.setPixelSize(std::max(1, qRound(font.pixelSize() * scale)));
    return font;
}

FormPlacement::FormPlacement(QMainWindow& window, QWidget& client)
    : window_(window)
    , client_(client)
    , menuFont_(window.menuBar()->font())
{
}

void FormPlacement::place(QWidget* control, layout::TwipsRect rect)
{
    placed_.push_back({ control, rect, control->font() });
}

void FormPlacement::placeStatusLine(QLabel* line)
{
    statusLine_ = line;
    statusFont_ = line->font();
    line->setWordWrap(true);
    line->hide();
}

void FormPlacement::applyScale(double scale)
{
    scale_ = scale;
    // The controls that paint themselves follow first, so that the captions
    // are measured against the indicators they will have.
    if (onScaled)
        onScaled(scale);
    window_.menuBar()->setFont(scaledFont(menuFont_, scale));
    for (const Placed& placed : placed_) {
        placed.control->setGeometry(layout::pixels(placed.rect, scale));
        placed.control->setFont(scaledFont(placed.font, scale));
        narrowToFit(qobject_cast<QAbstractButton*>(placed.control));
    }
    if (statusLine_)
        statusLine_->setFont(scaledFont(statusFont_, scale));
    layOutStatusLine();
}

void FormPlacement::layOutStatusLine()
{
    const QRect form = layout::pixels(layout::kClientArea, scale_);
    statusHeight_ = 0;
    if (statusLine_ && !statusLine_->text().isEmpty()) {
        const int padding = std::max(1, qRound(kStatusPadding * scale_));
        statusLine_->setContentsMargins(padding, padding, padding, padding);
        statusHeight_ = statusLine_->heightForWidth(form.width());
        if (heldHeight_) {
            statusHeight_ = std::max(statusHeight_, qRound(*heldHeight_ * scale_));
            heldHeight_ = statusHeight_ / scale_;
        }
        statusLine_->setGeometry(0, form.height(), form.width(), statusHeight_);
    }
    if (statusLine_)
        statusLine_->setVisible(statusHeight_ > 0);
    client_.setFixedSize(form.width(), form.height() + statusHeight_);
}

double FormPlacement::fittingScale() const
{
    // The whole form at one scale, never larger than it was drawn; one tenth
    // of it is as small as it gets. The menu bar shrinks with the form, so
    // that a large scale factor does not give it the room the form needs; its
    // height at the new scale settles within a pass or two, and so does the
    // status line's, taken as its height at 1×.
    const QMargins frame = expectedFrame(window_);
    const QRect available = window_.screen()->availableGeometry();
    const QSize full = layout::pixels(layout::kClientArea).size();
    const int menu = window_.menuBar()->sizeHint().height();
    const double line = statusHeight_ > 0 ? statusHeight_ / scale_ : 0.0;
    const double across = double(available.width() - frame.left() - frame.right()) / full.width();
    const double down
        = (available.height() - frame.top() - frame.bottom() - menu) / (full.height() + line);
    return std::clamp(std::min(across, down), 0.1, 1.0);
}

QRect FormPlacement::onScreen(QRect placed) const
{
    return keptInside(placed, expectedFrame(window_), window_.screen()->availableGeometry());
}

void FormPlacement::fitToScreen()
{
    double scale = fittingScale();
    for (int pass = 0; pass < 4 && scale != scale_; ++pass) {
        applyScale(scale);
        scale = fittingScale();
    }
    window_.adjustSize();
    // The client area is centred, and moved in only as far as its frame needs
    // to stay inside the available area.
    window_.setGeometry(onScreen(QStyle::alignedRect(
        Qt::LeftToRight, Qt::AlignCenter, window_.size(), window_.screen()->availableGeometry())));
}

void FormPlacement::setStatusText(const QString& text)
{
    if (!statusLine_ || statusLine_->text() == text)
        return;
    statusLine_->setText(text);
    fitStatusLine();
}

void FormPlacement::holdStatusHeight(bool hold)
{
    heldHeight_ = hold ? std::optional(0.0) : std::nullopt;
    if (statusLine_)
        fitStatusLine();
}

void FormPlacement::fitStatusLine()
{
    layOutStatusLine();
    double scale = std::min(scale_, fittingScale());
    for (int pass = 0; pass < 4 && scale != scale_; ++pass) {
        applyScale(scale);
        scale = std::min(scale_, fittingScale());
    }
    window_.adjustSize();
    const QRect placed = onScreen(window_.geometry());
    if (placed != window_.geometry())
        window_.setGeometry(placed);
}

} // namespace quadlo
