// SPDX-License-Identifier: GPL-3.0-or-later
// The icon engine behind iconFromFiles: it knows its sizes from the file list
// and reads a file the first time its size, or the next larger one, is drawn.
// A file is an image, or the bare pixels the build writes for the window's
// own sizes.
#include "form/FileIcon.h"

#include <algorithm>

#include <QFile>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace quadlo {

namespace {

// A ".rgba" file holds the pixels themselves, rows of premultiplied RGBA
// bytes at the listed size; any other file is an image to decode. A file of
// the wrong length gives no picture.
QPixmap readIconFile(const IconFile& file)
{
    if (!file.path.endsWith(QLatin1String(".rgba")))
        return QPixmap(file.path);
    QFile pixels(file.path);
    const QByteArray bytes = pixels.open(QIODevice::ReadOnly) ? pixels.readAll() : QByteArray();
    const int width = file.size.width();
    const int height = file.size.height();
    if (width <= 0 || height <= 0 || bytes.size() != qsizetype(width) * height * 4)
        return QPixmap();
    return QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(bytes.constData()), width,
        height, width * 4, QImage::Format_RGBA8888_Premultiplied)
                                  .copy());
}

class FileIconEngine final : public QIconEngine {
public:
    FileIconEngine(std::vector<IconFile> files, int largestListed)
        : largestListed_(largestListed)
    {
        std::sort(files.begin(), files.end(),
            [](const IconFile& a, const IconFile& b) { return a.size.width() < b.size.width(); });
        for (IconFile& file : files)
            entries_.push_back({ std::move(file), QPixmap() });
    }

    QIconEngine* clone() const override { return new FileIconEngine(*this); }

    bool isNull() override { return entries_.empty(); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const Entry& entry : entries_) {
            if (entry.file.size.width() <= largestListed_)
                sizes.push_back(entry.file.size);
        }
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        if (entries_.empty())
            return QSize();
        const QSize own = entryFor(size).file.size;
        return own.width() <= size.width() && own.height() <= size.height()
            ? own
            : own.scaled(size, Qt::KeepAspectRatio);
    }

    // The window icon only ever shows in its normal state, so every mode draws
    // the same picture.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        if (entries_.empty())
            return QPixmap();
        Entry& entry = entryFor(size);
        if (entry.image.isNull())
            entry.image = readIconFile(entry.file);
        return entry.image.size() == size
            ? entry.image
            : entry.image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatio();
        QPixmap image = pixmap(rect.size() * ratio, mode, state);
        image.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, image);
    }

private:
    struct Entry {
        IconFile file;
        QPixmap image;
    };

    // The smallest file at least as large as asked for, else the largest.
    Entry& entryFor(const QSize& size)
    {
        for (Entry& entry : entries_) {
            if (entry.file.size.width() >= size.width()
                && entry.file.size.height() >= size.height())
                return entry;
        }
        return entries_.back();
    }

    int largestListed_;
    std::vector<Entry> entries_;
};

} // namespace

QIcon iconFromFiles(std::vector<IconFile> files, int largestListed)
{
    return QIcon(new FileIconEngine(std::move(files), largestListed));
}

} // namespace quadlo
