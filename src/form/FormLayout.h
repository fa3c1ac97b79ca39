// SPDX-License-Identifier: GPL-3.0-or-later
// Where every control of the window sits, in the twips the layout is drawn in,
// and their conversion to Qt's device-independent pixels (15 twips to a pixel at
// 96 dpi; Qt scales those for denser screens). Positions are measured from the
// top-left corner of the client area, below the menu bar; the board's own
// elements are also given relative to the board, which paints them.
#pragma once

#include <algorithm>

#include <QColor>
#include <QRect>
#include <QRectF>

#include "board/Board.h"
#include "board/BoxGeometry.h"

namespace quadlo::layout {

inline constexpr int kTwipsPerPixel = 15;

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// Every measure of the layout is a whole number of pixels; a value that is not
// would silently round, so it fails to compile instead.
consteval int pixels(int twips)
{
    if (twips % kTwipsPerPixel != 0)
        throw "not a whole number of pixels";
    return twips / kTwipsPerPixel;
}

consteval QRect pixels(TwipsRect r)
{
    return QRect(pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height));
}

// The form laid out smaller, where the screen has no room for it at its full
// size. Each side is rounded on its own so that controls that meet still meet,
// and a one-pixel line stays one pixel rather than vanishing.
inline QRect pixels(TwipsRect r, double scale)
{
    const double k = scale / kTwipsPerPixel;
    const int left = qRound(r.left * k);
    const int top = qRound(r.top * k);
    const int right = qRound((r.left + r.width) * k);
    const int bottom = qRound((r.top + r.height) * k);
    return QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
}

inline constexpr TwipsRect kClientArea { 0, 0, 4575, 7950 };

inline constexpr TwipsRect kTitle { 90, 0, 4395, 975 };
inline constexpr TwipsRect kGameboard { 360, 1080, 3855, 3855 };
inline constexpr TwipsRect kHuman { 510, 5190, 1500, 375 };
inline constexpr TwipsRect kComputer { 2415, 5190, 1800, 375 };
inline constexpr TwipsRect kDifficulty { 1095, 6870, 2400, 480 };
inline constexpr TwipsRect kScore1 { 600, 5640, 1335, 735 };
inline constexpr TwipsRect kScore2 { 2640, 5640, 1335, 735 };
inline constexpr TwipsRect kEasy { 345, 7440, 1050, 375 };
inline constexpr TwipsRect kMedium { 1665, 7440, 1350, 375 };
inline constexpr TwipsRect kHard { 3330, 7440, 1050, 375 };

// The two lines either side of "Difficulty", one pixel (15 twips) thick.
inline constexpr TwipsRect kLine1 { 0, 7080, 1080, 15 };
inline constexpr TwipsRect kLine2 { 3480, 7080, 1080, 15 };

// The board's elements, on the form. Dots and edges share a 600-twip pitch; the
// edges start under the dots' edges so that the dots cover their ends.
inline constexpr int kPitch = 600;
inline constexpr int kDotLeft = 720;
inline constexpr int kDotTop = 1440;
inline constexpr int kDotSize = 135;
inline constexpr int kEdgeLength = 495;
inline constexpr int kEdgeThickness = 135;
inline constexpr int kMarkerLeft = 960;
inline constexpr int kMarkerTop = 1680;
inline constexpr int kMarkerSize = 255;

constexpr TwipsRect dot(int index)
{
    const auto [r, c] = dotPosition(index);
    return { kDotLeft + kPitch * c, kDotTop + kPitch * r, kDotSize, kDotSize };
}

constexpr TwipsRect edge(Edge e)
{
    const auto [r, c] = edgePosition(e);
    if (e.family == Vertical)
        return { kDotLeft + kPitch * c, kDotTop + 120 + kPitch * r, kEdgeThickness, kEdgeLength };
    return { kDotLeft + 120 + kPitch * c, kDotTop + kPitch * r, kEdgeLength, kEdgeThickness };
}

constexpr TwipsRect marker(int square)
{
    const auto [r, c] = squarePosition(square);
    return { kMarkerLeft + kPitch * c, kMarkerTop + kPitch * r, kMarkerSize, kMarkerSize };
}

// A board element in the board's own coordinates, in pixels. Fractions are kept
// so that painting never rounds twice.
constexpr QRectF onBoard(TwipsRect r)
{
    const double scale = 1.0 / kTwipsPerPixel;
    return QRectF((r.left - kGameboard.left) * scale, (r.top - kGameboard.top) * scale,
        r.width * scale, r.height * scale);
}

// A packed 0x00BBGGRR colour as Qt's colour.
inline QColor colour(Colour packed)
{
    return QColor(static_cast<int>(packed & 0xFF), static_cast<int>((packed >> 8) & 0xFF),
        static_cast<int>((packed >> 16) & 0xFF));
}

} // namespace quadlo::layout
