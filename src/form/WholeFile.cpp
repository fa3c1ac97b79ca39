// SPDX-License-Identifier: GPL-3.0-or-later
// The one place a file is written through QSaveFile, with the check that its
// commit() leaves out.
#include "form/WholeFile.h"

#include <QSaveFile>

namespace quadlo {

std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Without commit() the file being written is thrown away. Qt 6.4's
    // commit() misses a write that fails as it closes the file, and would put
    // the part written in place of the old file, so the flush is checked here.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
        && file.commit())
        return std::nullopt;
    return file.errorString();
}

} // namespace quadlo
