// SPDX-License-Identifier: GPL-3.0-or-later
// The window's fonts. The code names the families the window is set in;
// where they are not installed (they never are on a free desktop), Qt's font
// substitution table points each one at a free font that Debian packages.
#pragma once

#include <QFont>

namespace quadlo {

inline constexpr const char* kTitleFamily = "Olivia Brush";
inline constexpr const char* kHeadlineFamily = "Hobby Headline";
inline constexpr const char* kScoreFamily = "Calligrapher";
inline constexpr const char* kOptionFamily = "MS Sans Serif";

// Registers the free stand-ins; calling it again adds nothing.
void installFontSubstitutes();

QFont layoutFont(const char* family, qreal pointSize, bool bold = false);

} // namespace quadlo
