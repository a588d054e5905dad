// SPDX-License-Identifier: MIT
#include "runtime/qt/keys/KeyRepeatFilter.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QtGui/qguiapplication_platform.h>

#include "runtime/qt/keys/X11HeldKeys.h"

namespace runtime::qt {

KeyRepeatFilter::KeyRepeatFilter(QObject* application)
    : QObject(application)
{
    application->installEventFilter(this);
    // The offscreen platform offers an X11 interface with no connection behind it.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection()) {
        x11HeldKeys_ = std::make_unique<X11HeldKeys>(x11->connection());
        qGuiApp->installNativeEventFilter(x11HeldKeys_.get());
    }
}

KeyRepeatFilter::~KeyRepeatFilter() = default;

void KeyRepeatFilter::install()
{
    static QPointer<KeyRepeatFilter> filter;
    if (!filter)
        filter = new KeyRepeatFilter(QCoreApplication::instance());
}

bool KeyRepeatFilter::eventFilter(QObject* receiver, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    return receiver->isWindowType() && static_cast<const QKeyEvent*>(event)->isAutoRepeat();
}

} // namespace runtime::qt
