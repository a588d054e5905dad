// SPDX-License-Identifier: MIT
#include "runtime/qt/WholeScales.h"

#include <cmath>
#include <cstdio>

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

namespace runtime::qt {

namespace {

// Factors below 1 are left as given: screenCanShow() judges whether they leave a readable window.
QString wholeFactors(QString factors)
{
    static const QRegularExpression number(QStringLiteral("[0-9]*\\.[0-9]+"));
    QString rounded;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : number.globalMatch(factors)) {
        const double factor = match.captured().toDouble();
        const double whole = factor < 1 ? factor : std::floor(factor + 0.25);
        rounded += factors.mid(from, match.capturedStart() - from) + QString::number(whole);
        from = match.capturedEnd();
    }
    return rounded + factors.mid(from);
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

bool screenCanShow(QSize clientSize)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal scale = screen ? screen->devicePixelRatio() : 1.0;
    // Below half size the captions are a few pixels high. Written so that a scale that is not a number fails,
    // and the screen's size is read only at a scale that gives it one.
    if (scale >= 0.5) {
        const QSize room = screen ? screen->geometry().size() : clientSize;
        if (clientSize.width() <= room.width() && clientSize.height() <= room.height())
            return true;
    }
    std::fprintf(
        stderr,
        "Tirobol no puede mostrarse con la escala de pantalla %g: a esa escala su ventana de %d x %d "
        "píxeles no cabría en la pantalla o no podría leerse.\n",
        scale, clientSize.width(), clientSize.height());
    return false;
}

} // namespace runtime::qt
