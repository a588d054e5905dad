// SPDX-License-Identifier: MIT
#include <limits>

#include <QTest>

#include "runtime/Integer16.h"
#include "runtime/RuntimeError.h"
#include "runtime/Twips.h"
#include "runtime/qt/keys/ServerSequence.h"

using runtime::ErrorNumber;
using runtime::Integer16;

class RuntimeCoreTest : public QObject {
    Q_OBJECT

private slots:
    // Catches sums that wrap around instead of raising the overflow error, and off-by-one limits.
    void add16FollowsSixteenBitLimits_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("overflows");
        QTest::addColumn<int>("sum");

        QTest::newRow("up to the largest value") << 32766 << 1 << false << 32767;
        QTest::newRow("past the largest value") << 32767 << 1 << true << 0;
        QTest::newRow("down to the smallest value") << -32767 << -1 << false << -32768;
        QTest::newRow("past the smallest value") << -32768 << -1 << true << 0;
        QTest::newRow("below zero") << 0 << -1 << false << -1;
    }
    void add16FollowsSixteenBitLimits()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(bool, overflows);
        QFETCH(int, sum);

        try {
            const Integer16 result = runtime::add16(static_cast<Integer16>(a), static_cast<Integer16>(b));
            QVERIFY2(!overflows, "the overflow error was not raised");
            QCOMPARE(int{result}, sum);
        } catch (const runtime::RuntimeError& error) {
            QVERIFY2(overflows, "an overflow error was raised for a sum in range");
            QCOMPARE(error.number(), ErrorNumber::Overflow);
        }
    }

    // Catches a boolean test that looks for -1 only, or a conversion that stores 1 for true.
    void booleansAreMinusOneAndZero()
    {
        QCOMPARE(runtime::toBoolean16(true), Integer16{-1});
        QCOMPARE(runtime::toBoolean16(false), Integer16{0});
        QVERIFY(runtime::isTrue(-1));
        QVERIFY(runtime::isTrue(1));
        QVERIFY(!runtime::isTrue(0));
    }

    // Catches truncation instead of rounding, and positions the window could not place being accepted.
    void twipsRoundToTheNearestPixel_data()
    {
        QTest::addColumn<float>("twips");
        QTest::addColumn<bool>("placeable");
        QTest::addColumn<int>("pixels");

        QTest::newRow("whole pixel") << 600.0f << true << 40;
        QTest::newRow("a third rounds down") << 500.0f << true << 33;
        QTest::newRow("two thirds round up") << 2500.0f << true << 167;
        QTest::newRow("half rounds away from zero") << 7.5f << true << 1;
        QTest::newRow("negative half rounds away from zero") << -7.5f << true << -1;
        QTest::newRow("just below half") << 7.4f << true << 0;
        QTest::newRow("largest placeable") << 251658225.0f << true << 16777215;
        QTest::newRow("too far to place") << 3.0e8f << false << 0;
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << false << 0;
        QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << false << 0;
        QTest::newRow("minus infinity") << -std::numeric_limits<float>::infinity() << false << 0;
    }
    void twipsRoundToTheNearestPixel()
    {
        QFETCH(float, twips);
        QFETCH(bool, placeable);
        QFETCH(int, pixels);

        const auto result = runtime::pixelsFromTwips(twips);
        QCOMPARE(result.has_value(), placeable);
        if (placeable)
            QCOMPARE(*result, pixels);
    }

    // Catches an error whose text does not say which control and property failed.
    // Catches an X event's sequence number compared off by one or without wrapping around: after 65,536
    // requests a key would stick, or its repeats act.
    void eventSequencesWrap_data()
    {
        QTest::addColumn<int>("sequence");
        QTest::addColumn<int>("request");
        QTest::addColumn<bool>("atOrAfter");
        QTest::newRow("the request's own") << 500 << 500 << true;
        QTest::newRow("one before") << 499 << 500 << false;
        QTest::newRow("after, wrapped") << 2 << 65534 << true;
        QTest::newRow("before, wrapped") << 65534 << 2 << false;
    }
    void eventSequencesWrap()
    {
        QFETCH(int, sequence);
        QFETCH(int, request);
        QFETCH(bool, atOrAfter);
        QCOMPARE(runtime::qt::isAtOrAfter(static_cast<std::uint16_t>(sequence),
                                          static_cast<std::uint16_t>(request)),
                 atOrAfter);
    }

    void errorsNameTheirProperty()
    {
        const auto invalid = runtime::invalidPropertyValue("Picture2", "Left");
        QCOMPARE(invalid.number(), ErrorNumber::InvalidPropertyValue);
        QVERIFY(invalid.description().find("Picture2.Left") != std::string::npos);

        const auto failed = runtime::propertyAccessFailed("Timer1", "Enabled");
        QCOMPARE(failed.number(), ErrorNumber::PropertyAccessFailed);
        QVERIFY(failed.description().find("Timer1.Enabled") != std::string::npos);
    }
};

QTEST_GUILESS_MAIN(RuntimeCoreTest)
#include "test_runtime_core.moc"
