// SPDX-License-Identifier: MIT
#include "app/ApplicationIdentity.h"

#include <QGuiApplication>
#include <QLocale>

#include "window/Identity.h"

namespace app {

void applyApplicationIdentity()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(window::applicationTitle));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(window::versionText));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(window::applicationId));
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
}

} // namespace app
