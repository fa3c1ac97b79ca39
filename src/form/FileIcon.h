// SPDX-License-Identifier: GPL-3.0-or-later
// An icon made of one image file for each of its sizes, none of them read
// until that size is first asked for. A QIcon built with addFile decodes every
// file at once, before the window is even shown.
//
// Only the sizes up to `largestListed` are listed as available: X11 sends every
// listed size to the server when the icon is set on a window, before the window
// maps, so the larger ones are drawn only when something asks for them.
#pragma once

#include <vector>

#include <QIcon>
#include <QSize>
#include <QString>

namespace quadlo {

struct IconFile {
    QSize size;
    QString path;
};

QIcon iconFromFiles(std::vector<IconFile> files, int largestListed);

} // namespace quadlo
