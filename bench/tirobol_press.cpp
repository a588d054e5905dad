// SPDX-License-Identifier: MIT
// tirobol-press N: the real program under an X server; clicks "Tirar" N times through XTest (a "Reiniciar"
// in between, so that no verdict box opens) and prints, for each, the time from the synthetic release to the
// button taking it, where QAbstractButton emits clicked and so runs cmdTirar_Click.
#include "FirstFrame.h"
#include "app/GameWindow.h"
#include "app/Program.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>

// Last: Xlib's macros clash with names in Qt's headers.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

using bench::monotonicNanoseconds;

// Marks when a button takes a mouse release: QAbstractButton emits clicked, and so runs the handler, there.
class ReleaseClock : public QObject {
public:
    long long releasedAt = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
            releasedAt = monotonicNanoseconds();
        return false;
    }
};

void printPresses(app::GameWindow& window, int count)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("press needs an X display\n", stderr);
        std::exit(3);
    }
    static ReleaseClock clock;
    auto& tirar = static_cast<QPushButton&>(window.form().widget("cmdTirar"));
    auto& reset = static_cast<QPushButton&>(window.form().widget("cmdReset"));
    tirar.installEventFilter(&clock);
    auto* presser = new QTimer(&window.form().window());
    auto pressed = std::make_shared<int>(0);
    auto sentAt = std::make_shared<long long>(0);
    QObject::connect(presser, &QTimer::timeout, [=, &tirar, &reset] {
        if (*sentAt != 0) {
            std::printf("press %lld\n", clock.releasedAt - *sentAt);
            *sentAt = 0;
            if (++*pressed == count) {
                XCloseDisplay(display);
                QCoreApplication::quit();
                return;
            }
        }
        // Tirar and Reiniciar in turn never reach a verdict box: throw, restart into the double sweep,
        // throw...
        const bool throwNow = clock.releasedAt == 0 || presser->property("restartNext").toBool();
        QPushButton& target = throwNow ? tirar : reset;
        presser->setProperty("restartNext", !throwNow);
        const QPoint centre = target.mapToGlobal(target.rect().center());
        XTestFakeMotionEvent(display, -1, centre.x(), centre.y(), CurrentTime);
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XFlush(display);
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
        if (throwNow)
            *sentAt = monotonicNanoseconds();
        XFlush(display);
    });
    presser->start(60);
}

} // namespace

int main(int argc, char* argv[])
{
    const int presses = argc > 1 ? std::atoi(argv[1]) : 0;
    if (presses <= 0) {
        std::fputs("usage: tirobol-press N\n", stderr);
        return 2;
    }
    // Its own arguments are none of the game's.
    return app::runProgram(1, argv, [presses](app::GameWindow& window) {
        bench::afterFirstFrame(window.form().window(), [&window, presses] { printPresses(window, presses); });
    });
}
