// SPDX-License-Identifier: MIT
// Runs on a real X server (xvfb-run, QT_QPA_PLATFORM=xcb): keys go down and up through XTest, the server
// repeats held keys itself, and focus moves to another X client, so every event takes the road a player's
// does, through the toolkit's event reader and whatever it drops.
#include <memory>

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>

#include "app/ApplicationIdentity.h"
#include "app/GameWindow.h"
#include "runtime/qt/keys/KeyFollowingApplication.h"

namespace {

// Before Xlib's headers, whose KeyPress names a number.
void pressEnterAsTheToolkitRepeatsIt()
{
    qt_handleKeyEvent(QGuiApplication::focusWindow(), QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier,
                      QStringLiteral("\r"), true);
}

// Holds back every key the window system sends to a window, as a screen reader's bridge does while the reader
// decides, and gives it back 120 ms later; or keeps it, when it is the key `kept`.
class BridgeStandIn : public QObject {
public:
    explicit BridgeStandIn(int kept)
        : kept_(kept)
    {
    }

protected:
    bool eventFilter(QObject* window, QEvent* event) override
    {
        if ((event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) ||
            !event->spontaneous() || !window->isWindowType())
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() != kept_)
            QTimer::singleShot(120, window, [window, copy = std::shared_ptr<QKeyEvent>(key->clone())] {
                QCoreApplication::postEvent(window, copy->clone());
            });
        return true;
    }

private:
    int kept_;
};

} // namespace

// Last: Xlib's macros clash with names in Qt's headers.
#include <xcb/xcb.h>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace {

// Plays a script of steps separated by commas: "down KEY", "up KEY", "wait MS", "away" (the focus goes to a
// window of another X client), "back" (it comes back to the game's window), "stall MS" (the program does
// nothing for that long, as a loaded machine's would, while the steps up to the next wait go on) and
// "repeat Return" (a press the toolkit flags as a repeat, as its Wayland platform makes them). Runs from
// timers, so it goes on inside a verdict box's own event loop; at the end it waits up to 5 s for the box to
// be as expected, notes whether one is open and closes it.
class KeyScript : public QObject {
public:
    KeyScript(Display* display, Window game, Window other, const QString& script, bool expectBoxOpen)
        : display_(display)
        , game_(game)
        , other_(other)
        , steps_(script.split(QStringLiteral(", ")))
        , expectBoxOpen_(expectBoxOpen)
    {
        QTimer::singleShot(0, this, [this] { next(); });
    }

    bool finished = false;
    bool boxOpenAtEnd = false;

private:
    void next()
    {
        while (step_ < steps_.size()) {
            const QStringList words = steps_.at(step_++).split(QLatin1Char(' '));
            if (words[0] == QLatin1String("wait")) {
                QTimer::singleShot(words[1].toInt(), Qt::PreciseTimer, this, [this] { next(); });
                return;
            }
            if (words[0] == QLatin1String("stall"))
                QThread::msleep(words[1].toULong());
            else if (words[0] == QLatin1String("repeat"))
                pressEnterAsTheToolkitRepeatsIt();
            else if (words[0] == QLatin1String("away") || words[0] == QLatin1String("back"))
                XSetInputFocus(display_, words[0] == QLatin1String("away") ? other_ : game_, RevertToParent,
                               CurrentTime);
            else
                XTestFakeKeyEvent(display_, XKeysymToKeycode(display_, XStringToKeysym(qPrintable(words[1]))),
                                  words[0] == QLatin1String("down"), CurrentTime);
            XFlush(display_);
        }
        QTimer::singleShot(300, this, [this] { finish(300); });
    }

    void finish(int waitedMs)
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if ((box != nullptr) != expectBoxOpen_ && waitedMs < 5000)
            return QTimer::singleShot(50, this, [this, waitedMs] { finish(waitedMs + 50); });
        boxOpenAtEnd = box != nullptr;
        if (box)
            box->done(0);
        finished = true;
    }

    Display* display_;
    Window game_;
    Window other_;
    QStringList steps_;
    bool expectBoxOpen_;
    qsizetype step_ = 0;
};

class BoxCounter : public QObject {
public:
    int shown = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        shown += event->type() == QEvent::Show && qobject_cast<QMessageBox*>(watched);
        return false;
    }
};

// What the server says to the program's own connection about repeats, changed (a server that refuses
// detectable auto-repeat is one that leaves the flag off) or only read.
constexpr std::uint32_t detectableFlag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
bool detectableRepeat(std::uint32_t change, std::uint32_t value)
{
    auto* connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    std::unique_ptr<xcb_xkb_per_client_flags_reply_t, decltype(&std::free)> reply(
        xcb_xkb_per_client_flags_reply(
            connection, xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, change, value, 0, 0, 0),
            nullptr),
        &std::free);
    return reply && (reply->value & detectableFlag) != 0;
}

} // namespace

class KeysOnX11Test : public QObject {
    Q_OBJECT

private:
    Display* display_ = nullptr;
    Window other_ = 0;
    std::unique_ptr<app::GameWindow> window_;

    QPushButton& button(const QString& name) { return window_->form().commandButton(name.toStdString()); }

private slots:
    void initTestCase()
    {
        // The window's class is the application's name, taken when the first window is made.
        app::applyApplicationIdentity();
        display_ = XOpenDisplay(nullptr);
        QVERIFY2(display_, "needs an X display");
        other_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 800, 600, 50, 50, 0, 0, 0);
        XMapWindow(display_, other_);
        XSync(display_, False);
    }
    void cleanupTestCase()
    {
        XDestroyWindow(display_, other_);
        XCloseDisplay(display_);
    }
    void init()
    {
        window_ = std::make_unique<app::GameWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(&window_->form().window()));
        window_->form().window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window_->form().window()));
    }
    void cleanup()
    {
        window_.reset();
        XkbSetAutoRepeatRate(display_, XkbUseCoreKbd, 660, 40);
        detectableRepeat(detectableFlag, detectableFlag);
    }

    // Catches a desktop entry whose StartupWMClass is not the class of the window, by which a desktop tells
    // which running window belongs to the entry.
    void windowClassIsTheDesktopEntrys()
    {
        QFile entry(QStringLiteral(DESKTOP_ENTRY));
        QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString prefix = QStringLiteral("StartupWMClass=");
        QString startupClass;
        for (const QString& line : QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'))) {
            if (line.startsWith(prefix))
                startupClass = line.mid(prefix.size());
        }
        XClassHint hint = {};
        QVERIFY(XGetClassHint(display_, window_->form().window().winId(), &hint));
        const QString windowClass = QString::fromLocal8Bit(hint.res_class);
        XFree(hint.res_name);
        XFree(hint.res_class);
        QCOMPARE(windowClass, startupClass);
    }

    // Catches a program that does not ask for detectable auto-repeat, or asks with the flag off: a held Space
    // would then act at its first repeat rather than when let go. Before any row changes the flag.
    void programAsksForDetectableRepeat() { QVERIFY(detectableRepeat(0, 0)); }

    // Catches a held key that acts more than once (its repeats taken for presses, with the usual 40 ms gap or
    // a slower one), a key down when the verdict box opens that closes it, and a press lost because its key
    // is still taken as down: after a box opened or closed by a short press (whose release goes to a window
    // that is blocked or gone), after a release made while another client had the focus, after Shift or Tab
    // let go in either order. Also with a server that refuses detectable auto-repeat.
    void keysActOncePerPress_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("repeatMs");
        QTest::addColumn<bool>("detectable");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("tirarClicks");
        QTest::addColumn<int>("resetClicks");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<bool>("boxOpenAtEnd");
        QTest::addColumn<int>("focusMoves");

        const QString holdEnter = "down Return, wait 3000, up Return";
        const QString holdSpace = "down space, wait 3000, up space";
        QTest::newRow("Enter held in the horizontal sweep")
            << false << "cmdTirar" << 40 << true << holdEnter << 1 << 0 << 0 << false << 0;
        QTest::newRow("Enter held in the vertical sweep")
            << true << "cmdTirar" << 40 << true << holdEnter << 1 << 0 << 1 << true << 0;
        QTest::newRow("keypad Enter held on Reiniciar")
            << false << "cmdReset" << 40 << true << "down KP_Enter, wait 3000, up KP_Enter" << 0 << 1 << 0
            << false << 0;
        QTest::newRow("Space held on Tirar")
            << false << "cmdTirar" << 40 << true << holdSpace << 1 << 0 << 0 << false << 0;
        QTest::newRow("Space held on Reiniciar")
            << false << "cmdReset" << 40 << true << holdSpace << 0 << 1 << 0 << false << 0;
        QTest::newRow("Enter held, repeated every 150 ms")
            << false << "cmdTirar" << 150 << true << holdEnter << 1 << 0 << 0 << false << 0;

        // In the vertical sweep each Enter opens the verdict box and the next closes it.
        for (const int holdMs : {5, 10, 15, 20}) {
            const QString tap = QString("down Return, wait %1, up Return, wait 150").arg(holdMs);
            QTest::newRow(qPrintable(QString("boxes opened and closed by %1 ms presses").arg(holdMs)))
                << true << "cmdTirar" << 40 << true << QStringList(16, tap).join(", ") << 8 << 0 << 8 << false
                << 0;
        }
        QTest::newRow("Enter let go while another client has the focus")
            << false << "cmdTirar" << 40 << true
            << "down Return, wait 100, away, wait 100, up Return, wait 100, back, wait 200, down Return, "
               "wait 30, "
               "up Return"
            << 2 << 0 << 1 << true << 0;
        QTest::newRow("Space let go while another client has the focus")
            << false << "cmdTirar" << 40 << true
            << "down space, wait 100, away, wait 100, up space, wait 100, back, wait 200, down space, wait "
               "30, "
               "up space"
            << 1 << 0 << 0 << false << 0;
        QTest::newRow("Shift+Tab, Shift let go first, then Shift+Tab")
            << false << "cmdTirar" << 40 << true
            << "down Shift_L, down Tab, wait 20, up Shift_L, up Tab, wait 50, down Shift_L, down Tab, wait "
               "20, "
               "up Tab, up Shift_L"
            << 0 << 0 << 0 << false << 2;
        QTest::newRow("Tab then Shift, Tab let go first, then Tab")
            << false << "cmdTirar" << 40 << true
            << "down Tab, down Shift_L, wait 20, up Tab, up Shift_L, wait 50, down Tab, wait 20, up Tab" << 0
            << 0 << 0 << false << 2;

        // A press in the same server millisecond as its key's release, as remote desktops send them.
        QTest::newRow("boxes opened and closed by presses right after a release")
            << true << "cmdTirar" << 40 << true
            << QStringList(4, "down Return, wait 150, up Return, down Return, wait 30, up Return, wait 150")
                   .join(", ")
            << 4 << 0 << 4 << false << 0;
        // Repeats still queued from before a focus change, read once the program goes on.
        QTest::newRow("Enter held while the program stalls and the focus goes and comes back")
            << false << "cmdTirar" << 40 << true
            << "down Return, wait 800, away, stall 200, back, stall 600, up Return, wait 300" << 1 << 0 << 0
            << false << 0;
        // The game's window brought forward over its box, as some desktops do on a click.
        QTest::newRow("Enter on the game's window while the verdict box is open")
            << true << "cmdTirar" << 40 << true
            << "down Return, wait 30, up Return, wait 300, back, wait 300, down Return, wait 30, up Return"
            << 1 << 0 << 1 << false << 0;
        for (const QString key : {"Escape", "space"}) {
            QTest::newRow(qPrintable(key + " on the game's window while the verdict box is open"))
                << true << "cmdTirar" << 40 << true
                << "down Return, wait 30, up Return, wait 300, back, wait 300, down " + key +
                       ", wait 30, up " + key
                << 1 << 0 << 1 << false << 0;
        }
        QTest::newRow("Enter repeated by the toolkit on the verdict box")
            << true << "cmdTirar" << 40 << true
            << "down Return, wait 100, repeat Return, wait 100, repeat Return, wait 100, up Return" << 1 << 0
            << 1 << true << 0;

        QTest::newRow("Enter held in the vertical sweep, no detectable auto-repeat")
            << true << "cmdTirar" << 40 << false << holdEnter << 1 << 0 << 1 << true << 0;
        QTest::newRow("Space held on Tirar, no detectable auto-repeat")
            << false << "cmdTirar" << 40 << false << holdSpace << 1 << 0 << 0 << false << 0;
        QTest::newRow("boxes opened and closed by 10 ms presses, no detectable auto-repeat")
            << true << "cmdTirar" << 40 << false
            << QStringList(16, "down Return, wait 10, up Return, wait 150").join(", ") << 8 << 0 << 8 << false
            << 0;
    }
    void keysActOncePerPress()
    {
        QFETCH(bool, vertical);
        QFETCH(QString, focus);
        QFETCH(int, repeatMs);
        QFETCH(bool, detectable);
        QFETCH(QString, script);
        QFETCH(int, tirarClicks);
        QFETCH(int, resetClicks);
        QFETCH(int, boxes);
        QFETCH(bool, boxOpenAtEnd);
        QFETCH(int, focusMoves);

        if (vertical)
            button("cmdTirar").click();
        button(focus).setFocus();
        XkbSetAutoRepeatRate(display_, XkbUseCoreKbd, 660, repeatMs);
        XAutoRepeatOn(display_);
        if (!detectable) {
            // The program reads the flag again when it gains the focus.
            detectableRepeat(detectableFlag, 0);
            for (const Window window : {other_, static_cast<Window>(window_->form().window().winId())}) {
                XSetInputFocus(display_, window, RevertToParent, CurrentTime);
                XSync(display_, False);
                QTRY_COMPARE(window_->form().window().isActiveWindow(), window != other_);
            }
        }
        QSignalSpy tirar(&button("cmdTirar"), &QPushButton::clicked);
        QSignalSpy reset(&button("cmdReset"), &QPushButton::clicked);
        QSignalSpy moves(qApp, &QApplication::focusChanged);
        BoxCounter counter;
        qApp->installEventFilter(&counter);

        KeyScript played(display_, window_->form().window().winId(), other_, script, boxOpenAtEnd);
        QTRY_VERIFY_WITH_TIMEOUT(played.finished, 20000);
        qApp->removeEventFilter(&counter);

        QCOMPARE(tirar.count(), tirarClicks);
        QCOMPARE(reset.count(), resetClicks);
        QCOMPARE(counter.shown, boxes);
        QCOMPARE(played.boxOpenAtEnd, boxOpenAtEnd);
        if (focusMoves > 0)
            QCOMPARE(moves.count(), focusMoves);
    }

    // Catches ticks that overtake a key a screen reader's bridge holds back: the throw would freeze a later
    // stop than the one shown when the key went down (Enter) or came up (Space). Each key goes down as the
    // ball moves and up 30 ms later, so the bridge holds it past the next tick, and a load that delays the
    // key itself would have to delay it a whole tick. And a key the screen reader keeps, which must not hold
    // the ball for good.
    void keysHeldBackByAScreenReader_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("kept");
        QTest::newRow("Enter") << "Return" << false;
        QTest::newRow("Space") << "space" << false;
        QTest::newRow("keypad Up, kept by the screen reader") << "KP_Up" << true;
    }
    void keysHeldBackByAScreenReader()
    {
        QFETCH(QString, key);
        QFETCH(bool, kept);
        BridgeStandIn bridge(kept ? Qt::Key_Up : Qt::Key_unknown);
        qApp->installEventFilter(&bridge);
        const QWidget& ball = window_->form().widget("Picture2");
        const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(qPrintable(key)));
        QSignalSpy tirar(&button("cmdTirar"), &QPushButton::clicked);
        for (int throwNumber = 1; throwNumber <= 3; ++throwNumber) {
            button("cmdTirar").setFocus();
            const int before = ball.x();
            QVERIFY(QTest::qWaitFor([&] { return ball.x() != before; }));
            const int shown = ball.x();
            for (const bool down : {true, false}) {
                XTestFakeKeyEvent(display_, code, down, CurrentTime);
                XFlush(display_);
                QTest::qWait(30);
            }
            if (kept) {
                QTRY_VERIFY(ball.x() != shown);
                continue;
            }
            QTRY_COMPARE(tirar.count(), throwNumber);
            QCOMPARE(ball.x(), shown);
            button("cmdReset").click();
        }
        QCOMPARE(tirar.count(), kept ? 0 : 3);
        qApp->removeEventFilter(&bridge);
    }
};

// The program's own application, which follows each key to its window.
int main(int argc, char* argv[])
{
    runtime::qt::KeyFollowingApplication application(argc, argv);
    KeysOnX11Test test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_keys_on_x11.moc"
