// SPDX-License-Identifier: MIT
#include "runtime/qt/keys/KeyFollowingApplication.h"

#include <QKeyEvent>

namespace runtime::qt {

namespace {

// A key as the window system sends it to a window, or as a filter that held it gives it back; repeats are
// left out, as the program drops them before any window has them.
const QKeyEvent* keyToAWindow(const QObject* receiver, const QEvent* event)
{
    if ((event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) ||
        !receiver->isWindowType())
        return nullptr;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->isAutoRepeat() ? nullptr : key;
}

} // namespace

KeyFollowingApplication::KeyFollowingApplication(int& argc, char** argv)
    : QApplication(argc, argv)
    , arrivals_(keys_)
{
}

KeyFollowingApplication::~KeyFollowingApplication() = default;

bool KeyFollowingApplication::notify(QObject* receiver, QEvent* event)
{
    if (keyToAWindow(receiver, event) && event->spontaneous()) {
        keys_.sent();
        // Installed again, it is the window's first filter: the last before the window's own handling.
        receiver->installEventFilter(&arrivals_);
    }
    return QApplication::notify(receiver, event);
}

KeyFollowingApplication::Arrivals::Arrivals(KeysInFlight& keys)
    : keys_(keys)
{
}

bool KeyFollowingApplication::Arrivals::eventFilter(QObject* window, QEvent* event)
{
    if (keyToAWindow(window, event))
        keys_.arrived();
    return false;
}

} // namespace runtime::qt
