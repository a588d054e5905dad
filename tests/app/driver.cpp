// SPDX-License-Identifier: MIT
// Runs the real program and drives it from inside, for the tests that need a whole process:
//   tirobol-driver quit|term|close   opens the verdict box, then ends the program while it is open:
//                                    the application asked to quit, SIGTERM, or the desktop closing the
//                                    window (refused while the box is open, obeyed once it is closed)
//   tirobol-driver play SECONDS      presses the buttons at random for that long, then quits
#include <csignal>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <X11/Xlib.h>

#include "app/GameWindow.h"
#include "app/Program.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/TestSeed.h"

namespace {

QPushButton& button(app::GameWindow& window, const char* name)
{
    return window.form().commandButton(name);
}

// What a desktop sends when the user closes a window: WM_DELETE_WINDOW through the X server.
void closeLikeTheDesktop(QWidget& window)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("tirobol-driver: close needs an X display\n", stderr);
        std::exit(3);
    }
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<Window>(window.winId());
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
}

void endWithTheBoxOpen(app::GameWindow& window, const std::string& how)
{
    // The first press throws the horizontal ball; the second opens the verdict box in its own event loop,
    // where the single-shot timers below still run.
    QTest::mouseClick(&button(window, "cmdTirar"), Qt::LeftButton);
    QTimer::singleShot(300, [&window, how] {
        if (how == "quit")
            QCoreApplication::quit();
        else if (how == "term")
            std::raise(SIGTERM);
        else if (how == "close") {
            closeLikeTheDesktop(window.form().window());
            QTimer::singleShot(300, [&window] {
                // The box is modal: the window must still be there.
                if (!window.form().window().isVisible())
                    std::_Exit(4);
                if (QWidget* box = QApplication::activeModalWidget())
                    QTest::keyClick(box, Qt::Key_Return);
                QTimer::singleShot(100, [&window] { closeLikeTheDesktop(window.form().window()); });
            });
        }
    });
    QTimer::singleShot(0, [&window] { QTest::mouseClick(&button(window, "cmdTirar"), Qt::LeftButton); });
}

void playAtRandom(app::GameWindow& window, int seconds)
{
    static MessageBoxWatcher closer(3);
    static std::mt19937_64 random(testSeed("TIROBOL_PLAY_SEED"));
    static QTimer presser;
    QObject::connect(&presser, &QTimer::timeout, [&window] {
        const char* name = random() % 2 ? "cmdTirar" : "cmdReset";
        if (random() % 2)
            QTest::mouseClick(&button(window, name), Qt::LeftButton);
        else {
            button(window, name).setFocus();
            QTest::keyClick(&button(window, name), random() % 2 ? Qt::Key_Return : Qt::Key_Space);
        }
    });
    presser.start(37);
    QTimer::singleShot(seconds * 1000, &QCoreApplication::quit);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "quit" && mode != "term" && mode != "close" && mode != "play") {
        std::fputs("usage: tirobol-driver quit|term|close|play SECONDS\n", stderr);
        return 2;
    }
    const int seconds = mode == "play" && argc > 2 ? std::atoi(argv[2]) : 5;
    // Its own arguments are none of the game's.
    return app::runProgram(1, argv, [&](app::GameWindow& window) {
        if (mode == "play")
            playAtRandom(window, seconds);
        else
            endWithTheBoxOpen(window, mode);
    });
}
