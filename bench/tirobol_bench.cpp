// SPDX-License-Identifier: MIT
// The real program, watched from inside for one figure at a time; bench/run starts it and reads its lines.
//   frame          prints the clock at the first complete frame, then quits
//   ticks N        prints the clock at each of N ticks of Timer1
//   cpu SECONDS    prints the CPU time (user + system) spent while the horizontal ball sweeps for SECONDS
//   press N        clicks "Tirar" N times through XTest (a "Reiniciar" in between) and prints, for each,
//                  the time from the synthetic release to the button taking it, where clicked runs the
//                  handler
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
#include <string>
#include <sys/resource.h>

// Last: Xlib's macros clash with names in Qt's headers.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

namespace {

using bench::monotonicNanoseconds;

long long cpuNanoseconds()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    const auto nanoseconds = [](const timeval& time) {
        return time.tv_sec * 1000000000LL + time.tv_usec * 1000LL;
    };
    return nanoseconds(usage.ru_utime) + nanoseconds(usage.ru_stime);
}

void printTicks(app::GameWindow& window, int count)
{
    auto* timer = window.form().window().findChild<QTimer*>("Timer1");
    auto remaining = std::make_shared<int>(count);
    std::printf("start %lld\n", monotonicNanoseconds());
    // Enabling afresh starts the interval now, so that tick n is due at start + n x interval.
    window.form().timer("Timer1").setEnabled(runtime::False16);
    window.form().timer("Timer1").setEnabled(runtime::True16);
    std::printf("enabled %lld\n", monotonicNanoseconds());
    QObject::connect(timer, &QTimer::timeout, [remaining] {
        std::printf("tick %lld\n", monotonicNanoseconds());
        if (--*remaining == 0)
            QCoreApplication::quit();
    });
}

void printCpu(int seconds)
{
    QTimer::singleShot(1000, [seconds] {
        const long long start = cpuNanoseconds();
        QTimer::singleShot(seconds * 1000, [start] {
            std::printf("cpu %lld\n", cpuNanoseconds() - start);
            QCoreApplication::quit();
        });
    });
}

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
    const std::string mode = argc > 1 ? argv[1] : "";
    const int amount = argc > 2 ? std::atoi(argv[2]) : 0;
    if (mode != "frame" && (amount <= 0 || (mode != "ticks" && mode != "cpu" && mode != "press"))) {
        std::fputs("usage: tirobol-bench frame | ticks N | cpu SECONDS | press N\n", stderr);
        return 2;
    }
    return app::runProgram(argc, argv, [&](app::GameWindow& window) {
        bench::afterFirstFrame(window.form().window(), [&window, mode, amount] {
            if (mode == "frame") {
                std::printf("frame %lld\n", monotonicNanoseconds());
                QCoreApplication::quit();
            } else if (mode == "ticks")
                printTicks(window, amount);
            else if (mode == "cpu")
                printCpu(amount);
            else
                printPresses(window, amount);
            std::fflush(stdout);
        });
    });
}
