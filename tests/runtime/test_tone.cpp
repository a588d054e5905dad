// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cmath>

#include <QTest>

#include "runtime/sound/Tone.h"

class ToneTest : public QObject {
    Q_OBJECT

private slots:
    // Catches a tone louder than a fifth of full scale (a chord summed without sharing it) and one that
    // starts or ends at full strength (a click): the first half millisecond and the last one stay far below
    // the peak.
    void tonesAreSoftAndRise_data()
    {
        QTest::addColumn<QList<double>>("frequencies");
        QTest::newRow("one tone") << QList<double>{293.66};
        QTest::newRow("a chord") << QList<double>{1174.66, 1468.3, 1762};
    }
    void tonesAreSoftAndRise()
    {
        QFETCH(QList<double>, frequencies);
        const std::vector<float> samples =
            runtime::sound::synthesize({{frequencies.begin(), frequencies.end()}}, 48'000);
        const auto loudest = [&samples](std::size_t from, std::size_t to) {
            return std::abs(*std::max_element(samples.begin() + from, samples.begin() + to,
                                              [](float a, float b) { return std::abs(a) < std::abs(b); }));
        };
        const float peak = loudest(0, samples.size());
        QVERIFY2(peak <= 0.2f * std::sqrt(0.5f) + 1e-6f && peak >= 0.07f, qPrintable(QString::number(peak)));
        QVERIFY(loudest(0, 48) <= 0.3f * peak);
        QVERIFY(loudest(samples.size() - 96, samples.size()) <= 0.05f * peak);
    }
};

QTEST_APPLESS_MAIN(ToneTest)
#include "test_tone.moc"
