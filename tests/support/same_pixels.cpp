// SPDX-License-Identifier: MIT
// tirobol-same-pixels A B [MAX [MEAN]]: exits 0 when the two pictures have the same size and pixels, whatever
// their files' bytes (compression, metadata): no channel of a pixel more than MAX levels apart (of 255) and
// the channels no more than MEAN levels apart on average (both 0 unless given); 1 when they differ, saying by
// how much, and 2 when one cannot be read.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <QImage>

int main(int argc, char* argv[])
{
    if (argc != 3 && argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s A B [MAX [MEAN]]\n", argv[0]);
        return 2;
    }
    const QImage a = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32);
    const QImage b = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_ARGB32);
    if (a.isNull() || b.isNull()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], a.isNull() ? argv[1] : argv[2]);
        return 2;
    }
    if (a.size() != b.size()) {
        std::fprintf(stderr, "%s: %d x %d against %d x %d\n", argv[0], a.width(), a.height(), b.width(),
                     b.height());
        return 1;
    }
    const int allowedMax = argc > 3 ? std::atoi(argv[3]) : 0;
    const double allowedMean = argc > 4 ? std::atof(argv[4]) : 0.0;
    int largest = 0;
    double total = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const uchar*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const uchar*>(b.constScanLine(y));
        for (int i = 0; i < a.width() * 4; ++i) {
            const int difference = std::abs(rowA[i] - rowB[i]);
            largest = std::max(largest, difference);
            total += difference;
        }
    }
    const double mean = total / (4.0 * a.width() * a.height());
    if (largest > allowedMax || mean > allowedMean) {
        std::fprintf(stderr, "%s: channels up to %d levels apart, %.3f on average (allowed: %d, %.3f)\n",
                     argv[0], largest, mean, allowedMax, allowedMean);
        return 1;
    }
    return 0;
}
