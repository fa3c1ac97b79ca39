// SPDX-License-Identifier: GPL-3.0-or-later
// A font of the layout at its size at 1×.
#include "form/Fonts.h"

namespace quadlo {

QFont layoutFont(const char* family, qreal pointSize, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace quadlo
