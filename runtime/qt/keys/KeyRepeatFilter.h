// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QObject>

namespace runtime::qt {

class X11HeldKeys;

// One physical key press is at most one press, and no key event is held back. Repeats are told from presses
// by what the window system reports: the toolkit's own auto-repeat flag (on Wayland it makes and flags every
// repeat itself) and, on X11, the server's own account of each key (X11HeldKeys). A key already down when a
// message box opens therefore does nothing to that box. Installed once for the whole application, on the
// events the window system sends to its windows.
class KeyRepeatFilter : public QObject {
public:
    static void install();
    ~KeyRepeatFilter() override;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    explicit KeyRepeatFilter(QObject* application);

    std::unique_ptr<X11HeldKeys> x11HeldKeys_;
};

} // namespace runtime::qt
