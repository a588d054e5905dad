// SPDX-License-Identifier: MIT
#include <cstdio>
#include <memory>
#include <optional>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#include "app/GameWindow.h"
#include "tests/support/MessageBoxWatcher.h"
#include "window/Form1Description.h"

namespace {

// Clicks `button` as soon as `ball` arrives at `position`, after the tick that moved it has ended
// (a click during a handler would be dropped, as any event is).
class ClickWhenBallArrives : public QObject {
public:
    ClickWhenBallArrives(QWidget& ball, QPoint position, QPushButton& button)
        : position_(position)
        , button_(button)
    {
        ball.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Move && static_cast<QWidget*>(watched)->pos() == position_) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, &button_, [this] { QTest::mouseClick(&button_, Qt::LeftButton); });
        }
        return false;
    }

private:
    QPoint position_;
    QPushButton& button_;
};

} // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

private:
    app::GameWindow window_;

    QWidget& widget(const char* name) { return window_.form().widget(name); }
    QPushButton& button(const char* name) { return window_.form().commandButton(name); }
    QString labelText() { return static_cast<QLabel&>(widget("lbl")).text(); }
    bool running(const char* timer) { return runtime::isTrue(window_.form().timer(timer).enabled()); }

    // Plays one shot with real clicks: the first when the horizontal ball shows `horizontalPixel`, the second
    // when the vertical ball shows `verticalPixel`. Returns what the verdict box showed, and whether both
    // timers were stopped while it was open.
    std::optional<std::pair<MessageBoxWatcher::Sighting, bool>> playShot(int horizontalPixel,
                                                                         int verticalPixel)
    {
        ClickWhenBallArrives firstThrow(widget("Picture2"), QPoint(horizontalPixel, 128), button("cmdTirar"));
        if (!QTest::qWaitFor([&] { return running("Timer2"); }, 5000))
            return std::nullopt;
        if (running("Timer1") || labelText() != QStringLiteral("Ahora tirá la otra pelota"))
            return std::nullopt;

        bool timersStopped = false;
        MessageBoxWatcher closer(1, [&] { timersStopped = !running("Timer1") && !running("Timer2"); });
        ClickWhenBallArrives secondThrow(widget("Picture1"), QPoint(184, verticalPixel), button("cmdTirar"));
        if (!QTest::qWaitFor([&] { return !closer.sightings().empty(); }, 5000))
            return std::nullopt;
        return std::pair(closer.sightings().front(), timersStopped);
    }

private slots:
    void initTestCase()
    {
        window_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window_.form().window()));
    }

    // Catches clicks not reaching the game, a verdict box that is not the application's or too narrow for its
    // title, timers left running behind the verdict, and a restart that does not start a new shot.
    void realClicksPlayAWholeShot_data()
    {
        QTest::addColumn<int>("horizontalPixel");
        QTest::addColumn<int>("verticalPixel");
        QTest::addColumn<QString>("verdict");

        QTest::newRow("horizontal stop 4, vertical stop 3")
            << 167 << 100 << QStringLiteral("Encestaste!!!!!!!");
        QTest::newRow("horizontal stop 3, vertical stop 4") << 133 << 133 << QStringLiteral("Erraste");
        QTest::newRow("horizontal stop 5, vertical stop 4")
            << 200 << 133 << QStringLiteral("Encestaste!!!!!!!");
    }
    void realClicksPlayAWholeShot()
    {
        QFETCH(int, horizontalPixel);
        QFETCH(int, verticalPixel);
        QFETCH(QString, verdict);

        const auto shot = playShot(horizontalPixel, verticalPixel);
        QVERIFY2(shot, "the shot did not reach a verdict box");
        const auto& [box, timersStopped] = *shot;
        QCOMPARE(box.text, verdict);
        QCOMPARE(box.title, QStringLiteral("Tirobol"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QStringList{QStringLiteral("Aceptar")});
        QVERIFY2(box.rowWidth >= 240, "too narrow for a window manager to show the title");
        QVERIFY2(timersStopped, "a timer ran while the verdict box was open");

        QTRY_VERIFY(!QApplication::activeModalWidget());
        QVERIFY(!running("Timer1"));
        QVERIFY(!running("Timer2"));
        QCOMPARE(labelText(), QString());
        QCOMPARE(widget("Picture1").y(), verticalPixel);

        QTest::mouseClick(&button("cmdReset"), Qt::LeftButton);
        QVERIFY(running("Timer1"));
        QVERIFY(!running("Timer2"));
        QCOMPARE(widget("Picture1").y(), 0);
        QCOMPARE(window_.form().pictureBox("Picture1").top(), 0.0f);
        QCOMPARE(window_.game().sweep.stepIndex, runtime::Integer16{0});
    }

    // Catches the throw bound to the button going down: a press dragged off "Tirar" before it is let go
    // throws nothing, as on every desktop.
    void pressLetGoOffTirarDoesNotThrow()
    {
        QTest::mouseClick(&button("cmdReset"), Qt::LeftButton);
        QTest::mousePress(&button("cmdTirar"), Qt::LeftButton);
        QTest::mouseMove(&button("cmdTirar"), QPoint(-20, -20));
        QTest::mouseRelease(&button("cmdTirar"), Qt::LeftButton, {}, QPoint(-20, -20));
        QVERIFY(running("Timer1"));
        QVERIFY(!running("Timer2"));
    }

    // Catches a picture that cannot be decoded failing silently on the terminal, or told in a box with
    // another title than the application's.
    void damagedPictureIsToldOnTheTerminalAndInABox()
    {
        QTemporaryFile damaged(QDir::tempPath() + QStringLiteral("/XXXXXX.jpg"));
        QVERIFY(damaged.open());
        damaged.write("\xff\xd8\xff not a photograph");
        damaged.close();
        runtime::FormDescription description = window::form1Description();
        for (runtime::ControlRecord& record : description.controls) {
            if (record.name == "Picture3")
                record.picture = damaged.fileName().toStdString();
        }

        QTemporaryFile terminal;
        QVERIFY(terminal.open());
        std::fflush(stderr);
        const int realStandardError = ::dup(STDERR_FILENO);
        ::dup2(terminal.handle(), STDERR_FILENO);
        const MessageBoxWatcher closer(1);
        const std::unique_ptr<app::GameWindow> built = app::buildGameWindow(description);
        std::fflush(stderr);
        ::dup2(realStandardError, STDERR_FILENO);
        ::close(realStandardError);

        QVERIFY(!built);
        QCOMPARE(closer.sightings().size(), std::size_t{1});
        QCOMPARE(closer.sightings().front().title, QStringLiteral("Tirobol"));
        QVERIFY(closer.sightings().front().text.contains(damaged.fileName()));
        terminal.seek(0);
        const QString said = QString::fromUtf8(terminal.readAll());
        QVERIFY2(said.startsWith(QStringLiteral("No se pudo cargar la imagen ") + damaged.fileName()),
                 qPrintable(said));
    }
};

QTEST_MAIN(GameWindowTest)
#include "test_game_window.moc"
