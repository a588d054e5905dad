// SPDX-License-Identifier: MIT
#include "startup/WholeScales.h"

#include <algorithm>
#include <cmath>

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

namespace startup {

namespace {

constexpr int largestScale = 16;

// "2.5", or "name=1.75;other=1.25" for several screens: each factor whole, the names as they were.
QString wholeFactors(const QString& factors)
{
    QStringList entries = factors.split(QLatin1Char(';'));
    for (QString& entry : entries) {
        const qsizetype factorAt = entry.lastIndexOf(QLatin1Char('=')) + 1;
        bool isNumber = false;
        const double factor = entry.mid(factorAt).toDouble(&isNumber);
        if (isNumber)
            entry = entry.left(factorAt) + QString::number(std::max(1.0, std::floor(factor + 0.25)));
    }
    return entries.join(QLatin1Char(';'));
}

bool fits(QSize size, double scale)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return false;
    const QSize room = screen->availableGeometry().size();
    return size.width() * scale <= room.width() && size.height() * scale <= room.height();
}

} // namespace

void useWholeScaleFactors()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
    for (const char* variable : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"}) {
        if (qEnvironmentVariableIsSet(variable))
            qputenv(variable, wholeFactors(qEnvironmentVariable(variable)).toUtf8());
    }
}

bool fitsScreen(QSize size)
{
    return fits(size, 1);
}

bool fitsDevicePixels(QSize size)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && fits(size, 1 / screen->devicePixelRatio());
}

int largestFittingScale(QSize size, double upTo)
{
    const int largest = upTo >= largestScale ? largestScale : upTo >= 1 ? static_cast<int>(upTo) : 1;
    for (int scale = largest; scale >= 1; --scale) {
        if (fits(size, scale))
            return scale;
    }
    return 0;
}

void drawNextAtScale(int scale)
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
}

} // namespace startup
