// SPDX-License-Identifier: GPL-3.0-or-later
// A step of the build: writes the pixels of one PNG as rows of premultiplied
// RGBA bytes. The window's own icon sizes are built in this way, so that
// setting the icon before the window maps reads no image file, and so loads
// no image plugin and decodes nothing.
#include <cstdio>

#include <QFile>
#include <QImage>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: quadlo-icon-pixels IMAGE.png PIXELS.rgba\n");
        return 2;
    }
    QImage image;
    if (!image.load(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "quadlo-icon-pixels: cannot read the image %s\n", argv[1]);
        return 1;
    }
    image.convertTo(QImage::Format_RGBA8888_Premultiplied);
    QFile out(QString::fromLocal8Bit(argv[2]));
    bool written = out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    const qint64 row = qint64(image.width()) * 4;
    for (int y = 0; written && y < image.height(); ++y)
        written = out.write(reinterpret_cast<const char*>(image.constScanLine(y)), row) == row;
    if (!written || !out.flush()) {
        std::fprintf(stderr, "quadlo-icon-pixels: cannot write %s\n", argv[2]);
        out.remove();
        return 1;
    }
    return 0;
}
