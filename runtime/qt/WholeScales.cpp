// SPDX-License-Identifier: MIT
#include "runtime/qt/WholeScales.h"

#include <algorithm>
#include <cmath>

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

namespace runtime::qt {

namespace {

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

int fittingScale(QSize clientSize)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    // A ratio below 1, or one that is not a number, is taken as 1.
    const qreal present = screen->devicePixelRatio() >= 1 ? screen->devicePixelRatio() : 1;
    const QSize room = screen->availableGeometry().size() * present;
    for (int scale = static_cast<int>(std::min(present, 16.0)); scale >= 1; --scale) {
        const QSize needed = (clientSize + frameAllowance) * scale;
        if (needed.width() <= room.width() && needed.height() <= room.height())
            return scale;
    }
    return 0;
}

void drawAtScale(int scale)
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
}

} // namespace runtime::qt
