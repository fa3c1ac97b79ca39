// SPDX-License-Identifier: GPL-3.0-or-later
// The window's fonts, named by the free families that Debian packages (the
// packages are in scripts/install-deps and in the .deb's dependencies): a brush
// script for the title, a bold headline script for the captions, a
// calligraphic hand for the scores and the desktop's sans for the option
// buttons. They are asked for by the names they are installed under, so that
// fontconfig finds each one at once instead of sorting a list of fallbacks.
#pragma once

#include <QFont>

namespace quadlo {

inline constexpr const char* kTitleFamily = "Kaushan Script";
inline constexpr const char* kHeadlineFamily = "Lobster Two";
inline constexpr const char* kScoreFamily = "Dancing Script";
inline constexpr const char* kOptionFamily = "DejaVu Sans";

QFont layoutFont(const char* family, qreal pointSize, bool bold = false);

} // namespace quadlo
