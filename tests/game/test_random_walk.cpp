// SPDX-License-Identifier: MIT
#include <random>

#include <QTest>

#include "tests/game/ShotFixture.h"
#include "tests/support/SweepInvariants.h"
#include "tests/support/TestSeed.h"

namespace {

// The phase table, as the player meets it: the phase that each event leads to.
Phase nextPhase(Phase phase, GameEvent event)
{
    switch (event) {
    case GameEvent::Timer1Tick:
    case GameEvent::Timer2Tick:
        return phase;
    case GameEvent::TirarClick:
        return phase == Phase::HorizontalSweep || phase == Phase::DoubleSweep ? Phase::VerticalSweep
                                                                              : Phase::ShotResolved;
    case GameEvent::ReiniciarClick:
        return phase == Phase::VerticalSweep || phase == Phase::DoubleSweep ? Phase::DoubleSweep
                                                                            : Phase::HorizontalSweep;
    }
    return phase;
}

} // namespace

class RandomWalkTest : public QObject {
    Q_OBJECT

private slots:
    // Catches any sequence of ticks and presses that breaks the sweep state's invariants, puts a ball off
    // its stops, leaves the phase table or gives a verdict other than "horizontal stop 4 or 5 and vertical
    // stop 3 or 4".
    void anySequenceOfEventsKeepsTheInvariants()
    {
        const std::uint64_t seed = testSeed("TIROBOL_WALK_SEED");
        std::mt19937_64 random(seed);
        // Ticks outnumber presses, as in play, so that every stop and every phase is visited.
        std::discrete_distribution<int> pick({6, 6, 1, 1});

        FakeForm1 fake;
        Phase phase = Phase::HorizontalSweep;
        int verdicts = 0;
        int baskets = 0;
        for (int step = 0; step < 100000; ++step) {
            const auto event = static_cast<GameEvent>(pick(random));
            if (!canHappen(fake, event))
                continue;
            const std::size_t shownBefore = fake.messageBox.shown().size();
            fire(fake, event);
            phase = nextPhase(phase, event);

            const QByteArray where =
                "seed " + QByteArray::number(quint64(seed)) + ", event " + QByteArray::number(step);
            const std::string broken =
                brokenSweepInvariant(fake.form.sweep, fake.Picture2.storedLeft(), fake.Picture1.storedTop());
            QVERIFY2(broken.empty(), where + " " + broken.c_str());

            QVERIFY2(phaseOf(fake) == phase, where);
            QVERIFY2(fake.lbl.storedCaption() == (phase == Phase::VerticalSweep ? secondBallPrompt : ""),
                     where);

            if (fake.messageBox.shown().size() != shownBefore) {
                const int horizontal = stopIndex(game::HorizontalStops, fake.Picture2.storedLeft());
                const int vertical = stopIndex(game::VerticalStops, fake.Picture1.storedTop());
                const bool scores = (horizontal == 4 || horizontal == 5) && (vertical == 3 || vertical == 4);
                QVERIFY2(fake.messageBox.shown().back() == (scores ? "Encestaste!!!!!!!" : "Erraste"), where);
                ++verdicts;
                baskets += scores;
            }
        }
        // A walk that never reaches a verdict, or never scores, would prove little.
        QVERIFY(verdicts > 100);
        QVERIFY(baskets > 0);
    }
};

QTEST_GUILESS_MAIN(RandomWalkTest)
#include "test_random_walk.moc"
