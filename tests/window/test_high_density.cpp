// SPDX-License-Identifier: MIT
// Runs with QT_SCALE_FACTOR=2: a screen of two device pixels per pixel.
#include <QTest>

#include "app/GameWindow.h"
#include "runtime/qt/Pictures.h"

class HighDensityTest : public QObject {
    Q_OBJECT

private:
    QImage grabbed(app::GameWindow& window)
    {
        window.form().timer("Timer1").setEnabled(runtime::False16);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window.form().window()))
            return {};
        return window.form().window().grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    // Catches a window or control that does not scale as a whole: everything at exactly twice its box.
    void windowAndControlsAreTwiceTheirSize()
    {
        app::GameWindow window;
        const QImage shot = grabbed(window);
        QCOMPARE(shot.devicePixelRatio(), 2.0);
        QCOMPARE(shot.size(), QSize(1380, 1048));

        // The photograph box's one-pixel frame becomes two device pixels: its inner area starts at (786, 2).
        const QImage photo =
            runtime::qt::loadPictureForScreens(":/assets/photo.jpg").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(photo.size(), QSize(574, 882));
        for (int y = 0; y < 876; y += 25)
            QCOMPARE(shot.pixel(786 + 100, 2 + y), photo.pixel(100, y));
        QCOMPARE(shot.pixel(786 + 100, 880), qRgb(0, 0, 0));
    }

    // Catches a ball blown up from its 69 x 73 picture instead of drawn from its double-resolution one:
    // the grabbed box holds 2 x 2 blocks whose pixels differ, which no blow-up has.
    void ballIsDrawnFromItsDoubleResolutionPicture()
    {
        app::GameWindow window;
        const QImage shot = grabbed(window);
        const QImage ball =
            runtime::qt::loadPictureForScreens(":/assets/ball.bmp").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(ball.size(), QSize(138, 146));
        QCOMPARE(ball.devicePixelRatio(), 2.0);

        // Picture2 stands at (56, 128) pixels, so (112, 256) device pixels; 146 x 146 of them, the ball's 138
        // columns and then 8 of background.
        int unevenBlocks = 0;
        for (int y = 0; y < 146; ++y) {
            for (int x = 0; x < 146; ++x)
                QCOMPARE(shot.pixel(112 + x, 256 + y), x < 138 ? ball.pixel(x, y) : qRgb(0, 0, 0));
        }
        for (int y = 0; y < 146; y += 2) {
            for (int x = 0; x < 138; x += 2) {
                const QRgb corner = shot.pixel(112 + x, 256 + y);
                unevenBlocks += shot.pixel(113 + x, 256 + y) != corner ||
                                shot.pixel(112 + x, 257 + y) != corner ||
                                shot.pixel(113 + x, 257 + y) != corner;
            }
        }
        QVERIFY2(unevenBlocks > 1000, qPrintable(QString::number(unevenBlocks)));
    }
};

QTEST_MAIN(HighDensityTest)
#include "test_high_density.moc"
