// SPDX-License-Identifier: MIT
#include <cmath>
#include <string>
#include <vector>

#include <QTest>

#include "runtime/RuntimeError.h"
#include "runtime/qt/EventDispatcher.h"
#include "tests/game/ShotFixture.h"

using Log = std::vector<std::string>;

Q_DECLARE_METATYPE(Log)
Q_DECLARE_METATYPE(Phase)
Q_DECLARE_METATYPE(GameEvent)

namespace {

constexpr int F = 0;
constexpr int T = -1;
const std::string basket = "Encestaste!!!!!!!";
const std::string miss = "Erraste";

const Log firstThrow{"Timer1.Enabled?", "Timer1.Enabled=0", "lbl.Caption=" + secondBallPrompt,
                     "Timer2.Enabled=-1"};
const Log restart{"Timer1.Enabled=-1", "lbl.Caption=", "Picture1.Top=0"};
const Log secondThrowScoring{
    "Timer1.Enabled?", "Timer2.Enabled=0", "lbl.Caption=",  "Picture2.Left?",
    "Picture2.Left?",  "Picture1.Top?",    "Picture1.Top?", "MessageBox.Show:" + basket};

// Which stops score, written out: rows are horizontal stops 0..8, columns vertical stops 0..8.
const char* const scoringStops[9] = {
    ".........", ".........", ".........", ".........", "...XX....",
    "...XX....", ".........", ".........", ".........",
};

std::string verdictFor(float left, float top)
{
    FakeForm1 fake;
    enterPhase(fake, Phase::VerticalSweep);
    fake.Picture2.setLeft(left);
    fake.Picture1.setTop(top);
    fake.form.cmdTirar_Click();
    return fake.messageBox.shown().at(0);
}

} // namespace

class ShotTest : public QObject {
    Q_OBJECT

private slots:
    // Catches a wrong limit, a non-strict comparison or a swapped test: every pair of stops against the
    // table.
    void everyPairOfStopsGetsItsVerdict()
    {
        for (std::size_t h = 0; h < game::HorizontalStops.size(); ++h) {
            for (std::size_t v = 0; v < game::VerticalStops.size(); ++v) {
                const std::string expected = scoringStops[h][v] == 'X' ? basket : miss;
                const std::string verdict = verdictFor(game::HorizontalStops[h], game::VerticalStops[v]);
                QVERIFY2(verdict == expected,
                         qPrintable(QStringLiteral("horizontal stop %1, vertical stop %2").arg(h).arg(v)));
            }
        }
    }

    // Catches limits moved by one twip or comparisons made non-strict.
    void scoringLimitsAreStrict_data()
    {
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::addColumn<std::string>("verdict");

        const float inside = 2500;
        const float insideTop = 1500;
        QTest::newRow("left 2099 misses") << 2099.0f << insideTop << miss;
        QTest::newRow("left just above 2099") << std::nextafter(2099.0f, 3000.0f) << insideTop << basket;
        QTest::newRow("left 2100") << 2100.0f << insideTop << basket;
        QTest::newRow("left just below 3199") << std::nextafter(3199.0f, 0.0f) << insideTop << basket;
        QTest::newRow("left 3199 misses") << 3199.0f << insideTop << miss;
        QTest::newRow("left 3200 misses") << 3200.0f << insideTop << miss;
        QTest::newRow("top 1499 misses") << inside << 1499.0f << miss;
        QTest::newRow("top just above 1499") << inside << std::nextafter(1499.0f, 2000.0f) << basket;
        QTest::newRow("top just below 2200") << inside << std::nextafter(2200.0f, 0.0f) << basket;
        QTest::newRow("top 2200 misses") << inside << 2200.0f << miss;
        QTest::newRow("start position of the horizontal ball") << 840.0f << insideTop << miss;
    }
    void scoringLimitsAreStrict()
    {
        QFETCH(float, left);
        QFETCH(float, top);
        QFETCH(std::string, verdict);
        QCOMPARE(verdictFor(left, top), verdict);
    }

    // Catches a comparison made on one read for both limits, or a vertical read after a horizontal miss.
    void verdictReadsEachPositionAfreshAndOnlyWhenNeeded_data()
    {
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::addColumn<Log>("reads");

        QTest::newRow("horizontal miss on the left reads no Top")
            << 2000.0f << 1500.0f << Log{"Picture2.Left?", "Picture2.Left?"};
        QTest::newRow("horizontal miss on the right reads no Top")
            << 3500.0f << 1500.0f << Log{"Picture2.Left?", "Picture2.Left?"};
        QTest::newRow("vertical miss reads Top twice")
            << 3000.0f << 2300.0f
            << Log{"Picture2.Left?", "Picture2.Left?", "Picture1.Top?", "Picture1.Top?"};
        QTest::newRow("vertical miss at the top reads Top twice")
            << 3000.0f << 0.0f << Log{"Picture2.Left?", "Picture2.Left?", "Picture1.Top?", "Picture1.Top?"};
    }
    void verdictReadsEachPositionAfreshAndOnlyWhenNeeded()
    {
        QFETCH(float, left);
        QFETCH(float, top);
        QFETCH(Log, reads);

        FakeForm1 fake;
        enterPhase(fake, Phase::ShotResolved);
        fake.Picture2.setLeft(left);
        fake.Picture1.setTop(top);
        fake.log.clear();
        fake.form.cmdTirar_Click();
        Log expected{"Timer1.Enabled?", "Timer2.Enabled=0", "lbl.Caption="};
        expected.insert(expected.end(), reads.begin(), reads.end());
        expected.push_back("MessageBox.Show:" + miss);
        QCOMPARE(fake.log.entries(), expected);
    }

    // Catches any departure from the phase table: the accesses each event makes, in order, the phase it
    // leads to, the label, and what happens to the shared index and direction.
    void phaseMachineFollowsItsTable_data()
    {
        QTest::addColumn<Phase>("phase");
        QTest::addColumn<GameEvent>("event");
        QTest::addColumn<Log>("accesses");
        QTest::addColumn<Phase>("next");
        QTest::addColumn<std::string>("label");
        QTest::addColumn<int>("stepIndex");
        QTest::addColumn<int>("goingBack");

        // Every row starts from stepIndex 3 going back, the horizontal ball on stop 4, the vertical on
        // stop 3.
        const auto H = Phase::HorizontalSweep;
        const auto V = Phase::VerticalSweep;
        const auto R = Phase::ShotResolved;
        const auto D = Phase::DoubleSweep;
        const Log moveLeft{"Picture2.Left=2000"};
        const Log moveTop{"Picture1.Top=1500"};
        QTest::newRow("horizontal, tick")
            << H << GameEvent::Timer1Tick << moveLeft << H << std::string() << 2 << T;
        QTest::newRow("horizontal, Tirar")
            << H << GameEvent::TirarClick << firstThrow << V << secondBallPrompt << 0 << T;
        QTest::newRow("horizontal, Reiniciar")
            << H << GameEvent::ReiniciarClick << restart << H << std::string() << 0 << F;
        QTest::newRow("vertical, tick")
            << V << GameEvent::Timer2Tick << moveTop << V << secondBallPrompt << 2 << T;
        QTest::newRow("vertical, Tirar")
            << V << GameEvent::TirarClick << secondThrowScoring << R << std::string() << 0 << T;
        QTest::newRow("vertical, Reiniciar")
            << V << GameEvent::ReiniciarClick << restart << D << std::string() << 0 << F;
        QTest::newRow("resolved, Tirar gives the same verdict again")
            << R << GameEvent::TirarClick << secondThrowScoring << R << std::string() << 0 << T;
        QTest::newRow("resolved, Reiniciar")
            << R << GameEvent::ReiniciarClick << restart << H << std::string() << 0 << F;
        QTest::newRow("double, Timer1 tick")
            << D << GameEvent::Timer1Tick << moveLeft << D << std::string() << 2 << T;
        QTest::newRow("double, Timer2 tick")
            << D << GameEvent::Timer2Tick << moveTop << D << std::string() << 2 << T;
        QTest::newRow("double, Tirar is a first throw")
            << D << GameEvent::TirarClick << firstThrow << V << secondBallPrompt << 0 << T;
        QTest::newRow("double, Reiniciar")
            << D << GameEvent::ReiniciarClick << restart << D << std::string() << 0 << F;
    }
    void phaseMachineFollowsItsTable()
    {
        QFETCH(Phase, phase);
        QFETCH(GameEvent, event);
        QFETCH(Log, accesses);
        QFETCH(Phase, next);
        QFETCH(std::string, label);
        QFETCH(int, stepIndex);
        QFETCH(int, goingBack);

        FakeForm1 fake;
        fake.Picture2.setLeft(2500);
        fake.Picture1.setTop(1500);
        enterPhase(fake, phase);
        fake.form.sweep = {3, runtime::True16};
        fire(fake, event);

        QCOMPARE(fake.log.entries(), accesses);
        QCOMPARE(phaseOf(fake), next);
        QCOMPARE(fake.lbl.storedCaption(), label);
        QCOMPARE(int{fake.form.sweep.stepIndex}, stepIndex);
        QCOMPARE(int{fake.form.sweep.goingBack}, goingBack);
    }

    // Catches a handler that goes on after a failed access, undoes what came before it, resets the index
    // although the failure came first, or escapes the binding without a report. Every access of every
    // handler is made to fail in turn, in every phase where that handler runs.
    void failedAccessEndsTheHandlerThere_data()
    {
        QTest::addColumn<Phase>("phase");
        QTest::addColumn<GameEvent>("event");
        QTest::addColumn<float>("left");

        const std::pair<const char*, Phase> phases[] = {{"horizontal", Phase::HorizontalSweep},
                                                        {"vertical", Phase::VerticalSweep},
                                                        {"resolved", Phase::ShotResolved},
                                                        {"double", Phase::DoubleSweep}};
        const std::pair<const char*, GameEvent> events[] = {{"Timer1 tick", GameEvent::Timer1Tick},
                                                            {"Timer2 tick", GameEvent::Timer2Tick},
                                                            {"Tirar", GameEvent::TirarClick},
                                                            {"Reiniciar", GameEvent::ReiniciarClick}};
        for (const auto& [phaseName, phase] : phases) {
            for (const auto& [eventName, event] : events) {
                FakeForm1 probe;
                enterPhase(probe, phase);
                if (!canHappen(probe, event))
                    continue;
                QTest::addRow("%s, %s", phaseName, eventName) << phase << event << 2500.0f;
                if (event == GameEvent::TirarClick)
                    QTest::addRow("%s, %s, horizontal miss", phaseName, eventName)
                        << phase << event << 2000.0f;
            }
        }
    }
    void failedAccessEndsTheHandlerThere()
    {
        QFETCH(Phase, phase);
        QFETCH(GameEvent, event);
        QFETCH(float, left);

        const auto prepare = [&](FakeForm1& fake) {
            fake.Picture2.setLeft(left);
            fake.Picture1.setTop(2000);
            enterPhase(fake, phase);
            fake.form.sweep = {5, runtime::True16};
        };
        FakeForm1 untouched;
        prepare(untouched);
        fire(untouched, event);
        const Log complete = untouched.log.entries();
        QVERIFY(!complete.empty());

        for (std::size_t failing = 1; failing <= complete.size(); ++failing) {
            FakeForm1 fake;
            prepare(fake);
            fake.log.failAccess(failing);
            fake::AccessLog errorLog;
            fake::FakeMessageBox errorBox(errorLog);
            runtime::qt::EventDispatcher binding(errorBox);
            binding.deliver([&] { fire(fake, event); });

            Log expected(complete.begin(), complete.begin() + static_cast<std::ptrdiff_t>(failing));
            expected.back() = "!" + expected.back();
            QCOMPARE(fake.log.entries(), expected);
            QCOMPARE(errorBox.shown().size(), std::size_t{1});
            QVERIFY(errorBox.shown().at(0).find("No se pudo acceder a") != std::string::npos);

            // Only the restart changes the sweep state before touching a control.
            const bool restarted = event == GameEvent::ReiniciarClick;
            QCOMPARE(int{fake.form.sweep.stepIndex}, restarted ? 0 : 5);
            QCOMPARE(int{fake.form.sweep.goingBack}, restarted ? F : T);
        }
    }

    // Catches a restart that leaves the horizontal sweep where it was: after a verdict the next tick
    // shows stop 0 and leaves index 1, and two restarts do what one does.
    void restartStartsANewShot()
    {
        FakeForm1 fake;
        enterPhase(fake, Phase::ShotResolved);
        fake.form.sweep = {6, runtime::True16};
        fake.form.cmdReset_Click();
        fake.form.cmdReset_Click();
        Log twice = restart;
        twice.insert(twice.end(), restart.begin(), restart.end());
        QCOMPARE(fake.log.entries(), twice);
        fake.log.clear();
        fake.form.Timer1_Timer();
        QCOMPARE(fake.log.entries(), Log{"Picture2.Left=600"});
        QCOMPARE(int{fake.form.sweep.stepIndex}, 1);
        QCOMPARE(int{fake.form.sweep.goingBack}, F);
        QCOMPARE(phaseOf(fake), Phase::HorizontalSweep);
    }
};

QTEST_GUILESS_MAIN(ShotTest)
#include "test_shot.moc"
