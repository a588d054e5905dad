// SPDX-License-Identifier: MIT
// tirobol-same-pixels A B: exits 0 when the two pictures have the same size and pixels, whatever their files'
// bytes (compression, metadata), 1 when they differ and 2 when one cannot be read.
#include <cstdio>

#include <QImage>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s A B\n", argv[0]);
        return 2;
    }
    const QImage a = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    const QImage b = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_ARGB32);
    if (a.isNull() || b.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], a.isNull() ? argv[1] : argv[2]);
        return 2;
    }
    return a == b ? 0 : 1;
}
