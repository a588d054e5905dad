// SPDX-License-Identifier: MIT
// tirobol-press N: the real program under an X server; throws the horizontal ball N times each with the
// mouse, Space and Enter through XTest, interleaved, each held 60 to 120 ms, and prints for each
//   throw HOW NANOSECONDS WRONG
// NANOSECONDS from the event that acts (the release of the mouse button or of Space, the press of Enter) to
// the button taking it, where QAbstractButton emits clicked and so runs cmdTirar_Click; WRONG is 1 when the
// stop the throw froze is not the stop the ball stood on when that event was sent.
#include <cstdio>
#include <cstdlib>
#include <random>

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QTimer>

#include "app/GameWindow.h"
#include "app/Program.h"
#include "bench/Clock.h"
#include "runtime/qt/FirstFrame.h"

// Last: Xlib's macros clash with names in Qt's headers.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using bench::monotonicNanoseconds;

enum class Way { Mouse, Space, Enter };
constexpr const char* wayNames[] = {"mouse", "space", "enter"};

class Thrower : public QObject {
public:
    Thrower(app::GameWindow& window, Display* display, int perWay)
        : window_(window)
        , tirar_(window.form().commandButton("cmdTirar"))
        , display_(display)
        , remaining_(3 * perWay)
    {
        window.form().widget("Picture2").installEventFilter(this);
        connect(&tirar_, &QPushButton::clicked, this, [this] { thrown(); });
        next();
    }

protected:
    // Where the ball stands on the screen: it moves only on a tick.
    bool eventFilter(QObject* ball, QEvent* event) override
    {
        if (event->type() == QEvent::Move)
            ballX_ = static_cast<QWidget*>(ball)->x();
        return false;
    }

private:
    void next()
    {
        if (remaining_-- == 0) {
            QCoreApplication::quit();
            return;
        }
        // A fresh horizontal sweep, the keyboard focus on "Tirar", and a throw at a random moment of it.
        window_.form().timer("Timer2").setEnabled(runtime::False16);
        window_.form().commandButton("cmdReset").click();
        tirar_.setFocus();
        way_ = Way(remaining_ % 3);
        QTimer::singleShot(std::uniform_int_distribution(150, 350)(random_), this, [this] { press(); });
    }

    void press()
    {
        const QPoint centre = tirar_.mapToGlobal(tirar_.rect().center());
        XTestFakeMotionEvent(display_, -1, centre.x(), centre.y(), CurrentTime);
        send(true);
        QTimer::singleShot(std::uniform_int_distribution(60, 120)(random_), Qt::PreciseTimer, this,
                           [this] { send(false); });
    }

    void send(bool down)
    {
        const bool acts = way_ == Way::Enter ? down : !down;
        if (acts) {
            shownX_ = ballX_;
            sentAt_ = monotonicNanoseconds();
        }
        if (way_ == Way::Mouse)
            XTestFakeButtonEvent(display_, 1, down, CurrentTime);
        else
            XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, way_ == Way::Space ? XK_space : XK_Return),
                              down, CurrentTime);
        XFlush(display_);
    }

    void thrown()
    {
        const long long latency = monotonicNanoseconds() - sentAt_;
        std::printf("throw %s %lld %d\n", wayNames[int(way_)], latency, ballX_ != shownX_ ? 1 : 0);
        // The key or button comes up before the next throw.
        QTimer::singleShot(200, this, [this] { next(); });
    }

    app::GameWindow& window_;
    QPushButton& tirar_;
    Display* display_;
    int remaining_;
    Way way_ = Way::Mouse;
    int ballX_ = 0;
    int shownX_ = 0;
    long long sentAt_ = 0;
    std::mt19937 random_{std::random_device{}()};
};

} // namespace

int main(int argc, char* argv[])
{
    const int perWay = argc > 1 ? std::atoi(argv[1]) : 0;
    if (perWay <= 0) {
        std::fputs("usage: tirobol-press N\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("tirobol-press needs an X display\n", stderr);
        return 3;
    }
    // Its own arguments are none of the game's.
    const int status = app::runProgram(1, argv, [display, perWay](app::GameWindow& window) {
        runtime::qt::afterFirstFrame(window.form().window(),
                                     [&window, display, perWay] { new Thrower(window, display, perWay); });
    });
    XCloseDisplay(display);
    return status;
}
