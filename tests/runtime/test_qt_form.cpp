// SPDX-License-Identifier: MIT
#include <limits>

#include <QTest>
#include <QTimer>

#include "runtime/RuntimeError.h"
#include "runtime/qt/Form.h"

using runtime::ControlKind;
using runtime::ControlRecord;
using runtime::qt::Form;

namespace {

// A form of the builder's own, unrelated to the game's, so that nothing here depends on Form1.
runtime::FormDescription sampleForm()
{
    return {
        .caption = "Muestra",
        .clientWidth = 3000,
        .clientHeight = 1500,
        .controls = {
            ControlRecord{.name = "Front", .kind = ControlKind::PictureBox, .width = 600, .height = 600},
            ControlRecord{.name = "Back",
                          .kind = ControlKind::PictureBox,
                          .left = 300,
                          .top = 300,
                          .width = 600,
                          .height = 600},
            ControlRecord{
                .name = "Go", .kind = ControlKind::CommandButton, .left = 1500, .width = 900, .height = 450},
            ControlRecord{.name = "Clock", .kind = ControlKind::Timer, .intervalMs = 1000},
            ControlRecord{.name = "Idle", .kind = ControlKind::Timer, .enabled = false, .intervalMs = 1000},
            ControlRecord{.name = "Text", .kind = ControlKind::Label, .width = 1500, .height = 300},
        }};
}

// Holds back every paint of the widget it filters, as a slow compositor or a loaded machine would.
class FramesHeldBack : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Paint; }
};

} // namespace

class FormTest : public QObject {
    Q_OBJECT

private slots:
    // Catches a position read back rounded, or a widget placed by truncation.
    void pictureBoxKeepsTheExactValueAndPlacesTheNearestPixel_data()
    {
        QTest::addColumn<float>("twips");
        QTest::addColumn<int>("pixels");

        // The rounding itself has its rows in test_runtime_core; these two fail if the box truncates.
        QTest::newRow("fraction of a twip") << 2099.5f << 140;
        QTest::newRow("negative half pixel") << -7.5f << -1;
    }
    void pictureBoxKeepsTheExactValueAndPlacesTheNearestPixel()
    {
        QFETCH(float, twips);
        QFETCH(int, pixels);

        Form form(sampleForm(), "Muestra");
        runtime::PictureBox& box = form.pictureBox("Back");
        box.setLeft(twips);
        box.setTop(twips);
        QCOMPARE(box.left(), twips);
        QCOMPARE(box.top(), twips);
        QCOMPARE(form.widget("Back").pos(), QPoint(pixels, pixels));
    }

    // Catches a position that cannot be placed being accepted, or half applied before the error.
    void unplaceablePositionIsRefusedAndMovesNothing_data()
    {
        QTest::addColumn<float>("twips");

        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("far beyond any screen") << -3.0e8f;
    }
    void unplaceablePositionIsRefusedAndMovesNothing()
    {
        QFETCH(float, twips);

        Form form(sampleForm(), "Muestra");
        runtime::PictureBox& box = form.pictureBox("Back");
        for (const bool horizontal : {true, false}) {
            try {
                horizontal ? box.setLeft(twips) : box.setTop(twips);
                QFAIL("the write was accepted");
            } catch (const runtime::RuntimeError& error) {
                QCOMPARE(error.number(), runtime::ErrorNumber::InvalidPropertyValue);
            }
        }
        QCOMPARE(box.left(), 300.0f);
        QCOMPARE(box.top(), 300.0f);
        QCOMPARE(form.widget("Back").pos(), QPoint(20, 20));
    }

    // Catches a timer that ticks before the window's first frame is on the screen (its first tick would come
    // early, here while the first frame is held back), one restarted (and so delayed) by enabling it again,
    // or one that ticks when disabled.
    void timersFollowTheirEnabledState()
    {
        Form form(sampleForm(), "Muestra");
        auto* clock = form.window().findChild<QTimer*>("Clock");
        FramesHeldBack held;
        form.window().installEventFilter(&held);
        form.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&form.window()));
        QTest::qWait(300);
        QVERIFY(!clock->isActive());
        form.window().removeEventFilter(&held);
        form.window().update();
        QTRY_VERIFY(clock->isActive());
        QCOMPARE(clock->timerType(), Qt::PreciseTimer);
        QVERIFY(!form.window().findChild<QTimer*>("Idle")->isActive());

        // The toolkit reuses timer ids, so only the time left tells a restart: it never grows unless
        // restarted.
        QTest::qWait(50);
        const int before = clock->remainingTime();
        runtime::Timer& timer = form.timer("Clock");
        timer.setEnabled(runtime::True16);
        timer.setEnabled(1);
        QVERIFY2(clock->remainingTime() <= before, qPrintable(QString::number(clock->remainingTime())));

        timer.setEnabled(runtime::False16);
        QVERIFY(!clock->isActive());
        QCOMPARE(timer.enabled(), runtime::False16);
        QCOMPARE(form.timer("Idle").enabled(), runtime::False16);

        timer.setInterval(0);
        timer.setEnabled(runtime::True16);
        QCOMPARE(timer.enabled(), runtime::True16);
        QVERIFY2(!clock->isActive(), "a timer with no interval must not tick");
        QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, timer.setInterval(-1));
    }

    // Catches a wiring fault that would go unnoticed until the event never arrives.
    void unknownControlsAreRefused()
    {
        Form form(sampleForm(), "Muestra");
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, form.pictureBox("Go"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, form.timer("Nothing"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, form.bind("Front", runtime::qt::Event::Click, [] {}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, form.bind("Go", runtime::qt::Event::Timer, [] {}));
    }
};

QTEST_MAIN(FormTest)
#include "test_qt_form.moc"
