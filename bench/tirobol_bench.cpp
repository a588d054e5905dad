// SPDX-License-Identifier: MIT
// The real program, watched from inside for one figure at a time; bench/run starts it and reads its lines.
//   frame          prints the clock at the first complete frame, then quits
//   first-tick     prints the clock at the first complete frame and at Timer1's first tick, then quits
//   ticks N        prints the clock at each of N ticks of Timer1
//   cpu SECONDS    prints the CPU time (user + system) spent while the horizontal ball sweeps for SECONDS
//   heard          prints where "Tirar" and "Reiniciar" are on the screen ("buttons X Y X Y"), then the clock
//                  at each move of a ball ("move NS") and each verdict ("verdict NS TEXT"), until it is ended
// Throws through XTest are measured by tirobol_press.cpp, and a player who only listens by tirobol_listener.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <sys/resource.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "app/GameWindow.h"
#include "app/Program.h"
#include "bench/Clock.h"
#include "runtime/qt/FirstFrame.h"

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

// A move of a ball's widget is sent as it is made, when a handler writes the ball's position.
class HeardWatcher : public QObject {
public:
    explicit HeardWatcher(app::GameWindow& window)
        : QObject(&window.form().window())
        , balls_{&window.form().widget("Picture1"), &window.form().widget("Picture2")}
    {
        qApp->installEventFilter(this);
        QPoint tirar = centre(window.form().commandButton("cmdTirar"));
        QPoint reset = centre(window.form().commandButton("cmdReset"));
        std::printf("buttons %d %d %d %d\n", tirar.x(), tirar.y(), reset.x(), reset.y());
        std::fflush(stdout);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Move && (watched == balls_[0] || watched == balls_[1]))
            std::printf("move %lld\n", monotonicNanoseconds());
        else if (auto* box = qobject_cast<QMessageBox*>(watched); box && event->type() == QEvent::Show)
            std::printf("verdict %lld %s\n", monotonicNanoseconds(), qPrintable(box->text()));
        else
            return false;
        std::fflush(stdout);
        return false;
    }

private:
    static QPoint centre(QWidget& widget) { return widget.mapToGlobal(widget.rect().center()); }

    const QObject* balls_[2];
};

} // namespace

int main(int argc, char* argv[])
{
    const std::string mode = argc > 1 ? argv[1] : "";
    const int amount = argc > 2 ? std::atoi(argv[2]) : 0;
    if (mode != "frame" && mode != "first-tick" && mode != "heard" &&
        (amount <= 0 || (mode != "ticks" && mode != "cpu"))) {
        std::fputs("usage: tirobol-bench frame | first-tick | ticks N | cpu SECONDS | heard\n", stderr);
        return 2;
    }
    // Its own arguments are none of the game's.
    return app::runProgram(1, argv, [&](app::GameWindow& window) {
        if (mode == "first-tick") {
            QObject::connect(window.form().window().findChild<QTimer*>("Timer1"), &QTimer::timeout, [] {
                std::printf("tick %lld\n", monotonicNanoseconds());
                QCoreApplication::quit();
            });
        }
        runtime::qt::afterFirstFrame(window.form().window(), [&window, mode, amount] {
            if (mode == "frame" || mode == "first-tick") {
                std::printf("frame %lld\n", monotonicNanoseconds());
                if (mode == "frame")
                    QCoreApplication::quit();
            } else if (mode == "heard")
                new HeardWatcher(window);
            else if (mode == "ticks")
                printTicks(window, amount);
            else
                printCpu(amount);
            std::fflush(stdout);
        });
    });
}
