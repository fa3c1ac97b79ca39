// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file whole or not at all, for the saved games and the settings:
// the bytes go to a file beside it, which takes the old one's place only once
// every byte is on the disk, so that a write cut short (a full disk, a limit
// on file sizes) leaves the old file as it was and is reported.
#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

namespace quadlo {

// Replaces the file at `path` with `bytes`; the system's reason when it could
// not, in which case the file at `path`, if any, is untouched.
std::optional<QString> writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace quadlo
