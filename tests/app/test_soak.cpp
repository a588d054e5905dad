// SPDX-License-Identifier: MIT
#include <memory>
#include <random>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/GameWindow.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/SweepInvariants.h"
#include "tests/support/TestSeed.h"

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    // Catches crashes, leaks (under the sanitizer build) and broken invariants that only show when the real
    // window takes thousands of clicks, key presses, ticks and verdict boxes, and is torn down and rebuilt.
    void realWindowSurvivesRandomPlay()
    {
        const std::uint64_t seed = testSeed("TIROBOL_SOAK_SEED");
        std::mt19937_64 random(seed);
        int events = 0;
        int verdicts = 0;
        for (int build = 0; build < 4; ++build) {
            auto window = std::make_unique<app::GameWindow>();
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(&window->form().window()));
            // Fast timers, so that ticks of both come between the presses.
            window->form().timer("Timer1").setInterval(1);
            window->form().timer("Timer2").setInterval(1);
            const auto countVerdict = [&] { ++verdicts; };
            MessageBoxWatcher closer(1, countVerdict, 1);
            auto& tirar = window->form().commandButton("cmdTirar");
            auto& reset = window->form().commandButton("cmdReset");
            auto& label = static_cast<QLabel&>(window->form().widget("lbl"));

            for (int step = 0; step < 5000; ++step, ++events) {
                QPushButton& target = random() % 2 ? tirar : reset;
                switch (random() % 4) {
                case 0:
                    QTest::mouseClick(&target, Qt::LeftButton);
                    break;
                case 1:
                    target.setFocus();
                    QTest::keyClick(&target, random() % 2 ? Qt::Key_Return : Qt::Key_Space);
                    break;
                default:
                    QTest::qWait(1);
                    break;
                }

                const game::SweepState sweep = window->game().sweep;
                const QByteArray where =
                    "seed " + QByteArray::number(quint64(seed)) + ", event " + QByteArray::number(events);
                const std::string broken =
                    brokenSweepInvariant(sweep, window->form().pictureBox("Picture2").left(),
                                         window->form().pictureBox("Picture1").top());
                QVERIFY2(broken.empty(), where + " " + broken.c_str());
                const bool verticalOnly = !runtime::isTrue(window->form().timer("Timer1").enabled()) &&
                                          runtime::isTrue(window->form().timer("Timer2").enabled());
                QVERIFY2(label.text().isEmpty() != verticalOnly, where);
            }
        }
        QVERIFY(verdicts > 100);
        QCOMPARE(MessageBoxWatcher::visibleMessageBoxes(), 0);
    }
};

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
