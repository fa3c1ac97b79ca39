// SPDX-License-Identifier: GPL-3.0-or-later
// Where the window's controls go and how large: each control at its place in
// the layout, and the whole form at one scale, the largest at which it fits the
// screen's free area (never larger than it was drawn), centred on it. Under
// the form, in the client area too, a status line of words shows while it has
// any, and the window grows by its height. The helpers that keep a window on
// its screen serve the message boxes too.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QFont>
#include <QMargins>
#include <QRect>

#include "form/FormLayout.h"

class QLabel;
class QMainWindow;
class QWidget;

namespace quadlo {

// The frame the window manager draws around the top-level `window`: what the
// platform knows of it, or the common desktops' frame until it is framed.
QMargins expectedFrame(const QWidget& window);

// A window's client area `rect` moved in only as far as its `frame` needs to
// lie inside `available`.
QRect keptInside(QRect rect, const QMargins& frame, const QRect& available);

// `font` at `scale` times its size, whether its size is in points or pixels.
QFont scaledFont(QFont font, double scale);

class FormPlacement {
public:
    // `client` is the window's central widget, the form's client area.
    FormPlacement(QMainWindow& window, QWidget& client);

    // Puts the control at its place; its present font is its size at 1×.
    void place(QWidget* control, layout::TwipsRect rect);
    // Makes `line` the status line under the form: as wide as the form, as
    // high as its words need, hidden while it has none; its present font is
    // its size at 1×.
    void placeStatusLine(QLabel* line);
    // Lays the form out at the scale that fits the window's screen, and moves
    // the window onto the screen's free area.
    void fitToScreen();
    // Shows `text` on the status line, none hiding it. The window grows or
    // shrinks below and moves only as far as it must to stay on the screen's
    // free area; where that has no room for the line, the form shrinks to
    // make room, and does not grow back when the line goes, so that the board
    // does not change size from move to move.
    void setStatusText(const QString& text);
    // While held, the status line keeps the greatest height it has had since
    // the hold began, so that texts of one line and of two in turn do not
    // move the window's bottom edge at each one.
    void holdStatusHeight(bool hold);

    // The form is being laid out at a new scale; the controls that paint
    // themselves follow it here, before the captions are fitted.
    std::function<void(double scale)> onScaled;

private:
    struct Placed {
        QWidget* control;
        layout::TwipsRect rect;
        QFont font;
    };

    void applyScale(double scale);
    // At the present scale; the client area takes in the line's height.
    void layOutStatusLine();
    // Lays the status line out and fits the window around it to the screen.
    void fitStatusLine();
    // The largest scale at which the window fits the screen's free area.
    double fittingScale() const;
    // `placed`, moved only as far as its frame needs to stay on the screen's
    // free area.
    QRect onScreen(QRect placed) const;

    QMainWindow& window_;
    QWidget& client_;
    std::vector<Placed> placed_;
    QFont menuFont_; // the menu bar's, at 1×
    QLabel* statusLine_ = nullptr;
    QFont statusFont_; // at 1×
    int statusHeight_ = 0; // at the present scale, 0 while hidden
    // While held, the tallest height of the line since, at 1×.
    std::optional<double> heldHeight_;
    double scale_ = 0.0; // until the form is first laid out
};

} // namespace quadlo
