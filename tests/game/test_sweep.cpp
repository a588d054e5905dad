// SPDX-License-Identifier: MIT
#include <string>
#include <vector>

#include <QTest>

#include "runtime/RuntimeError.h"
#include "tests/game/FakeForm1.h"

using runtime::ErrorNumber;
using runtime::Integer16;
using Log = std::vector<std::string>;

Q_DECLARE_METATYPE(Log)

namespace {

constexpr int F = 0;
constexpr int T = -1;

enum class Sweep { Horizontal, Vertical };

void tick(FakeForm1& fake, Sweep sweep)
{
    if (sweep == Sweep::Horizontal)
        fake.form.Timer1_Timer();
    else
        fake.form.Timer2_Timer();
}

} // namespace

Q_DECLARE_METATYPE(Sweep)

class SweepTest : public QObject {
    Q_OBJECT

private slots:
    // Catches a wrong stop, a turn at the wrong index, a move made with the index after the step, and a
    // tick that writes when the index is out of the table. Expected writes are spelled out, not computed.
    void ticksFollowTheSteppingTables_data()
    {
        QTest::addColumn<Sweep>("sweep");
        QTest::addColumn<int>("startIndex");
        QTest::addColumn<int>("startGoingBack");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<Log>("writes");
        QTest::addColumn<int>("endIndex");
        QTest::addColumn<int>("endGoingBack");

        const Log horizontalCycle{
            "Picture2.Left=600",  "Picture2.Left=1000", "Picture2.Left=1500", "Picture2.Left=2000",
            "Picture2.Left=2500", "Picture2.Left=3000", "Picture2.Left=3500", "Picture2.Left=4000",
            "Picture2.Left=4500", "Picture2.Left=4000", "Picture2.Left=3500", "Picture2.Left=3000",
            "Picture2.Left=2500", "Picture2.Left=2000", "Picture2.Left=1500", "Picture2.Left=1000"};
        const Log verticalCycle{
            "Picture1.Top=0",    "Picture1.Top=500",  "Picture1.Top=1000", "Picture1.Top=1500",
            "Picture1.Top=2000", "Picture1.Top=2300", "Picture1.Top=2700", "Picture1.Top=3100",
            "Picture1.Top=3500", "Picture1.Top=3100", "Picture1.Top=2700", "Picture1.Top=2300",
            "Picture1.Top=2000", "Picture1.Top=1500", "Picture1.Top=1000", "Picture1.Top=500"};

        QTest::newRow("first tick after start-up")
            << Sweep::Horizontal << 0 << 0 << 1 << Log{horizontalCycle[0]} << 1 << F;
        QTest::newRow("turns after the tick that leaves 8")
            << Sweep::Horizontal << 0 << 0 << 8 << Log(horizontalCycle.begin(), horizontalCycle.begin() + 8)
            << 8 << T;
        QTest::newRow("horizontal cycle of 16 ticks")
            << Sweep::Horizontal << 0 << 0 << 16 << horizontalCycle << 0 << F;
        QTest::newRow("vertical cycle of 16 ticks")
            << Sweep::Vertical << 0 << 0 << 16 << verticalCycle << 0 << F;
        QTest::newRow("tick 17 is tick 1 again") << Sweep::Horizontal << 0 << 0 << 17 << [&] {
            Log writes = horizontalCycle;
            writes.push_back(horizontalCycle[0]);
            return writes;
        }() << 1 << F;
        QTest::newRow("index 8 going back shows the last stop")
            << Sweep::Horizontal << 8 << T << 1 << Log{"Picture2.Left=4500"} << 7 << T;
        QTest::newRow("vertical index 8 going back")
            << Sweep::Vertical << 8 << T << 1 << Log{"Picture1.Top=3500"} << 7 << T;
        QTest::newRow("index 0 going back passes through -1")
            << Sweep::Horizontal << 0 << T << 1 << Log{"Picture2.Left=600"} << -1 << F;
        QTest::newRow("entered at 0 going back holds stop 0 for three ticks")
            << Sweep::Vertical << 0 << T << 3 << Log{"Picture1.Top=0", "Picture1.Top=0"} << 1 << F;
        QTest::newRow("index -1 moves nothing") << Sweep::Horizontal << -1 << F << 1 << Log{} << 0 << F;
        QTest::newRow("index 9 moves nothing") << Sweep::Horizontal << 9 << T << 1 << Log{} << 8 << T;
        QTest::newRow("index 1 going back turns at 0")
            << Sweep::Horizontal << 1 << T << 1 << Log{"Picture2.Left=1000"} << 0 << F;
    }
    void ticksFollowTheSteppingTables()
    {
        QFETCH(Sweep, sweep);
        QFETCH(int, startIndex);
        QFETCH(int, startGoingBack);
        QFETCH(int, ticks);
        QFETCH(Log, writes);
        QFETCH(int, endIndex);
        QFETCH(int, endGoingBack);

        FakeForm1 fake;
        fake.form.sweep = {static_cast<Integer16>(startIndex), static_cast<Integer16>(startGoingBack)};
        for (int i = 0; i < ticks; ++i)
            tick(fake, sweep);

        QCOMPARE(fake.log.entries(), writes);
        QCOMPARE(int{fake.form.sweep.stepIndex}, endIndex);
        QCOMPARE(int{fake.form.sweep.goingBack}, endGoingBack);
    }

    // Catches an index that wraps around, or a state changed before the overflow error is raised.
    void overflowLeavesTheStateAsItWas_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("goingBack");

        QTest::newRow("32767 counting up") << 32767 << F;
        QTest::newRow("-32768 counting down") << -32768 << T;
    }
    void overflowLeavesTheStateAsItWas()
    {
        QFETCH(int, index);
        QFETCH(int, goingBack);

        FakeForm1 fake;
        fake.form.sweep = {static_cast<Integer16>(index), static_cast<Integer16>(goingBack)};
        try {
            fake.form.Timer1_Timer();
            QFAIL("the overflow error was not raised");
        } catch (const runtime::RuntimeError& error) {
            QCOMPARE(error.number(), ErrorNumber::Overflow);
        }
        QCOMPARE(fake.log.entries(), Log{});
        QCOMPARE(int{fake.form.sweep.stepIndex}, index);
        QCOMPARE(int{fake.form.sweep.goingBack}, goingBack);
    }

    // Catches a step taken before the move, so that a failed move still advances the sweep.
    void failedMoveLeavesTheStateAsItWas_data()
    {
        QTest::addColumn<Sweep>("sweep");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("goingBack");
        QTest::addColumn<std::string>("failedWrite");

        QTest::newRow("horizontal, counting up")
            << Sweep::Horizontal << 3 << F << std::string("!Picture2.Left=2000");
        QTest::newRow("horizontal, at the turn")
            << Sweep::Horizontal << 7 << F << std::string("!Picture2.Left=4000");
        QTest::newRow("vertical, at the far end")
            << Sweep::Vertical << 8 << T << std::string("!Picture1.Top=3500");
        QTest::newRow("vertical, at the near end")
            << Sweep::Vertical << 0 << T << std::string("!Picture1.Top=0");
    }
    void failedMoveLeavesTheStateAsItWas()
    {
        QFETCH(Sweep, sweep);
        QFETCH(int, index);
        QFETCH(int, goingBack);
        QFETCH(std::string, failedWrite);

        FakeForm1 fake;
        fake.form.sweep = {static_cast<Integer16>(index), static_cast<Integer16>(goingBack)};
        fake.log.failAccess(1);
        QVERIFY_THROWS_EXCEPTION(runtime::RuntimeError, tick(fake, sweep));

        QCOMPARE(fake.log.entries(), Log{failedWrite});
        QCOMPARE(int{fake.form.sweep.stepIndex}, index);
        QCOMPARE(int{fake.form.sweep.goingBack}, goingBack);
        QCOMPARE(fake.Picture1.storedTop(), 0.0f);
        QCOMPARE(fake.Picture2.storedLeft(), 840.0f);
    }

    // Catches one index per ball: with both timers ticking in turn, the balls share the index and so
    // one ball is shown only the even stops and the other only the odd ones.
    void bothSweepsShareOneIndex()
    {
        FakeForm1 fake;
        for (int i = 0; i < 8; ++i) {
            fake.form.Timer1_Timer();
            fake.form.Timer2_Timer();
        }
        const Log expected{
            "Picture2.Left=600",  "Picture1.Top=500",  "Picture2.Left=1500", "Picture1.Top=1500",
            "Picture2.Left=2500", "Picture1.Top=2300", "Picture2.Left=3500", "Picture1.Top=3100",
            "Picture2.Left=4500", "Picture1.Top=3100", "Picture2.Left=3500", "Picture1.Top=2300",
            "Picture2.Left=2500", "Picture1.Top=1500", "Picture2.Left=1500", "Picture1.Top=500"};
        QCOMPARE(fake.log.entries(), expected);
        QCOMPARE(int{fake.form.sweep.stepIndex}, 0);
        QCOMPARE(int{fake.form.sweep.goingBack}, F);
    }
};

QTEST_GUILESS_MAIN(SweepTest)
#include "test_sweep.moc"
