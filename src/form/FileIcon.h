// SPDX-License-Identifier: GPL-3.0-or-later
// An icon made of one image file for each of its sizes, none of them read
// until that size is first asked for. A QIcon built with addFile decodes every
// file at once, before the window is even shown.
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

QIcon iconFromFiles(std::vector<IconFile> files);

} // namespace quadlo
