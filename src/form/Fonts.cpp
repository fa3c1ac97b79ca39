// SPDX-License-Identifier: GPL-3.0-or-later
// Free stand-ins for the window's fonts: a brush script for the title, a bold
// headline script for the captions, a calligraphic hand for the scores and the
// desktop's sans for the option buttons. The packages that provide them are in
// scripts/install-deps and in the .deb's dependencies.
#include "form/Fonts.h"

namespace quadlo {

void installFontSubstitutes()
{
    // insertSubstitution ignores a pair it already holds.
    QFont::insertSubstitution(kTitleFamily, "Kaushan Script");
    QFont::insertSubstitution(kHeadlineFamily, "Lobster Two");
    QFont::insertSubstitution(kScoreFamily, "Dancing Script");
    QFont::insertSubstitution(kOptionFamily, "DejaVu Sans");
}

QFont layoutFont(const char* family, qreal pointSize, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace quadlo
