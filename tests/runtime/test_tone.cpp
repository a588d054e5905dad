// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cmath>

#include <QTest>

#include "runtime/sound/Tone.h"

using runtime::sound::synthesize;
using runtime::sound::Tone;

namespace {

constexpr int rate = 48'000;

// The largest magnitude of one channel (0 left, 1 right) from frame `from` to frame `to`.
double loudest(const std::vector<float>& samples, int channel, int from, int to)
{
    double largest = 0;
    for (int frame = from; frame < to; ++frame)
        largest = std::max(largest, std::abs(double(samples[2 * frame + channel])));
    return largest;
}

} // namespace

class ToneTest : public QObject {
    Q_OBJECT

private slots:
    // Catches a tone louder than a fifth of full scale (a chord summed without sharing it), one that starts
    // or stops at full strength (a click), and a place between the loudspeakers that is not where it is
    // asked: each end wholly on its own side, the middle even.
    void tonesAreSoftRiseAndArePlaced_data()
    {
        QTest::addColumn<QList<double>>("frequencies");
        QTest::addColumn<double>("pan");
        QTest::addColumn<double>("leftShare");
        QTest::newRow("one tone, full left") << QList<double>{293.66} << -1.0 << 1.0;
        QTest::newRow("one tone, in the middle") << QList<double>{293.66} << 0.0 << std::sqrt(0.5);
        QTest::newRow("a chord, full right") << QList<double>{293.66, 367.08, 440.49} << 1.0 << 0.0;
        QTest::newRow("a high chord, in the middle")
            << QList<double>{1174.66, 1468.3, 1762} << 0.0 << std::sqrt(0.5);
    }
    void tonesAreSoftRiseAndArePlaced()
    {
        QFETCH(QList<double>, frequencies);
        QFETCH(double, pan);
        QFETCH(double, leftShare);
        const std::vector<float> samples =
            synthesize(Tone{{frequencies.begin(), frequencies.end()}, pan}, rate);
        const int frames = rate * runtime::sound::toneMilliseconds / 1000;
        QCOMPARE(int(samples.size()), 2 * frames);
        const double rightShare = std::sqrt(1 - leftShare * leftShare);
        const double whole = std::max(loudest(samples, 0, 0, frames), loudest(samples, 1, 0, frames));
        QVERIFY2(whole <= 0.2 + 1e-6 && whole >= 0.1, qPrintable(QString("peak %1").arg(whole)));
        for (const auto& [channel, share] : {std::pair{0, leftShare}, std::pair{1, rightShare}}) {
            const double peak = loudest(samples, channel, 0, frames);
            QVERIFY2(std::abs(peak - whole * share / std::max(leftShare, rightShare)) <= 0.01,
                     qPrintable(QString("channel %1 peaks at %2 of %3").arg(channel).arg(peak).arg(whole)));
            // The first half millisecond and the last one stay far below the peak.
            QVERIFY(loudest(samples, channel, 0, rate / 2000) <= 0.3 * peak + 1e-6);
            QVERIFY(loudest(samples, channel, frames - rate / 1000, frames) <= 0.05 * peak + 1e-6);
        }
    }
};

QTEST_APPLESS_MAIN(ToneTest)
#include "test_tone.moc"
