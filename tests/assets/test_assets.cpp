// SPDX-License-Identifier: MIT
#include <QFile>
#include <QImageReader>
#include <QTemporaryFile>
#include <QTest>
#include <QtEndian>

#include "app/GameWindow.h"
#include "runtime/qt/Pictures.h"

namespace {

QByteArray bytesOf(const char* path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint16 le16(const QByteArray& data, int at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 le32(const QByteArray& data, int at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

quint16 be16(const QByteArray& data, int at)
{
    return qFromBigEndian<quint16>(data.constData() + at);
}

// The JPEG segment that starts with `marker`, from its length field on; empty when there is none.
QByteArray jpegSegment(const QByteArray& jpeg, quint8 marker)
{
    int at = 2;
    while (at + 4 <= jpeg.size() && quint8(jpeg[at]) == 0xFF) {
        const quint16 length = be16(jpeg, at + 2);
        if (quint8(jpeg[at + 1]) == marker)
            return jpeg.mid(at + 2, length);
        if (quint8(jpeg[at + 1]) == 0xDA)
            break;
        at += 2 + length;
    }
    return {};
}

} // namespace

class AssetsTest : public QObject {
    Q_OBJECT

private slots:
    // Catches a picture whose reader is missing at run time, which would leave its box empty.
    void qtHasAReaderForEveryFormat()
    {
        const QList<QByteArray> formats = QImageReader::supportedImageFormats();
        for (const char* format : {"bmp", "gif", "ico", "jpeg"})
            QVERIFY2(formats.contains(format), format);
    }

    // Catches a ball bitmap of another layout: header size, depth, compression, row order or padding.
    void ballIsAnUncompressedBottomUpBitmap()
    {
        const QByteArray bmp = bytesOf(":/assets/ball.bmp");
        QCOMPARE(bmp.size(), 15238);
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        QCOMPARE(le32(bmp, 2), 15238u);
        QCOMPARE(le32(bmp, 10), 54u);
        QCOMPARE(le32(bmp, 14), 40u);
        QCOMPARE(qint32(le32(bmp, 18)), 69);
        QCOMPARE(qint32(le32(bmp, 22)), 73);
        QCOMPARE(le16(bmp, 28), quint16(24));
        QCOMPARE(le32(bmp, 30), 0u);
        QCOMPARE(le32(bmp, 38), 3780u);
        QCOMPARE(le32(bmp, 42), 3780u);
        QCOMPARE(le32(bmp, 46), 0u);
        for (int row = 0; row < 73; ++row)
            QCOMPARE(bmp.at(54 + row * 208 + 207), '\0');
        // Bottom-up: the file's first row is the picture's last.
        const QImage image = runtime::qt::loadPicture(":/assets/ball.bmp");
        QCOMPARE(image.pixelColor(0, 72), QColor(quint8(bmp[56]), quint8(bmp[55]), quint8(bmp[54])));
    }

    // Catches a title graphic written as GIF89a, with a short colour table, transparency or interlacing.
    void titleIsAPlainGif87a()
    {
        const QByteArray gif = bytesOf(":/assets/title.gif");
        QCOMPARE(gif.left(6), QByteArray("GIF87a"));
        QCOMPARE(le16(gif, 6), quint16(90));
        QCOMPARE(le16(gif, 8), quint16(38));
        QCOMPARE(quint8(gif[10]) & 0x87, 0x87);
        const int descriptor = 13 + 3 * 256;
        QCOMPARE(gif.at(descriptor), ',');
        QCOMPARE(quint8(gif[descriptor + 9]) & 0xC0, 0);
        QVERIFY(gif.endsWith(";"));
    }

    // Catches a baseline JPEG, another JFIF version, non-square pixels or other chroma sampling.
    void photographIsAProgressiveJpeg()
    {
        const QByteArray jpeg = bytesOf(":/assets/photo.jpg");
        QCOMPARE(jpeg.left(2), QByteArray("\xFF\xD8"));
        const QByteArray jfif = jpegSegment(jpeg, 0xE0);
        QCOMPARE(jfif.mid(2, 5), QByteArray("JFIF\0", 5));
        QCOMPARE(be16(jfif, 7), quint16(0x0102));
        QCOMPARE(be16(jfif, 10), be16(jfif, 12));
        QVERIFY2(jpegSegment(jpeg, 0xC0).isEmpty(), "a baseline frame header is present");
        const QByteArray frame = jpegSegment(jpeg, 0xC2);
        QVERIFY2(!frame.isEmpty(), "no progressive frame header");
        QCOMPARE(int(frame[2]), 8);
        QCOMPARE(be16(frame, 3), quint16(441));
        QCOMPARE(be16(frame, 5), quint16(287));
        QCOMPARE(int(frame[7]), 3);
        QCOMPARE(quint8(frame[9]), quint8(0x22));
        QCOMPARE(quint8(frame[12]), quint8(0x11));
        QCOMPARE(quint8(frame[15]), quint8(0x11));
    }

    // Catches an icon of other sizes, depth, palette or mask, or one of the wrong length.
    void iconHoldsTwoSixteenColourImages()
    {
        const QByteArray ico = bytesOf(":/assets/tirobol.ico");
        QCOMPARE(ico.size(), 1078);
        QCOMPARE(le16(ico, 2), quint16(1));
        QCOMPARE(le16(ico, 4), quint16(2));
        const QList<QRgb> standard = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                      0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                      0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
        for (const auto& [entry, size] : {std::pair{0, 32}, std::pair{1, 16}}) {
            const int at = 6 + 16 * entry;
            QCOMPARE(int(quint8(ico[at])), size);
            QCOMPARE(int(quint8(ico[at + 1])), size);
            QCOMPARE(int(quint8(ico[at + 2])), 16);
            const int header = int(le32(ico, at + 12));
            QCOMPARE(le32(ico, header), 40u);
            QCOMPARE(qint32(le32(ico, header + 8)), 2 * size);
            QCOMPARE(le16(ico, header + 14), quint16(4));
            QCOMPARE(le32(ico, header + 16), 0u);
            const int maskRow = (size + 31) / 32 * 4;
            QCOMPARE(le32(ico, at + 8), 40u + 64u + quint32(size * size / 2 + maskRow * size));
            for (int colour = 0; colour < 16; ++colour)
                QCOMPARE(le32(ico, header + 40 + 4 * colour), standard[colour]);
        }
    }

    // Catches a picture that Qt decodes at another size.
    void everyPictureDecodesAtItsSize_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("ball") << ":/assets/ball.bmp" << QSize(69, 73);
        QTest::newRow("title") << ":/assets/title.gif" << QSize(90, 38);
        QTest::newRow("photograph") << ":/assets/photo.jpg" << QSize(287, 441);
        QTest::newRow("icon, first image") << ":/assets/tirobol.ico" << QSize(32, 32);
    }
    void everyPictureDecodesAtItsSize()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QCOMPARE(runtime::qt::loadPicture(path.toStdString()).size(), size);
    }

    // Catches an empty picture box shown instead of a clear error when a picture cannot be decoded.
    void undecodablePictureIsAnError()
    {
        QTemporaryFile damaged(QDir::tempPath() + "/XXXXXX.jpg");
        QVERIFY(damaged.open());
        damaged.write("\xFF\xD8 not really a picture");
        damaged.close();
        for (const std::string& path :
             {damaged.fileName().toStdString(), std::string(":/assets/missing.gif")}) {
            try {
                runtime::qt::loadPicture(path);
                QFAIL("the picture loaded");
            } catch (const runtime::qt::PictureLoadError& error) {
                QVERIFY(std::string(error.what()).find("No se pudo cargar la imagen " + path) == 0);
            }
        }
    }

    // Catches pictures scaled, offset or drawn over the frame, the photograph's hidden rows shown,
    // and the vertical ball drawn over the horizontal one.
    void windowDrawsEachPictureUnscaledAtItsBoxCorner()
    {
        app::GameWindow window;
        window.form().timer("Timer1").setEnabled(runtime::False16);
        window.form().pictureBox("Picture2").setLeft(2500);
        window.form().pictureBox("Picture1").setTop(2000);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window.form().window()));
        const QImage shot = window.form().window().grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage ball =
            runtime::qt::loadPicture(":/assets/ball.bmp").convertToFormat(QImage::Format_RGB32);
        const QImage title =
            runtime::qt::loadPicture(":/assets/title.gif").convertToFormat(QImage::Format_RGB32);
        const QImage photo =
            runtime::qt::loadPicture(":/assets/photo.jpg").convertToFormat(QImage::Format_RGB32);
        const QRgb black = qRgb(0, 0, 0);

        // Picture2 now stands at (167, 128), Picture1 at (184, 133): each shows a 4-pixel background column.
        for (const QPoint corner : {QPoint(167, 128), QPoint(184, 133)}) {
            for (int y = 0; y < 73; ++y) {
                for (int x = 69; x < 73; ++x) {
                    if (corner.x() == 184 && y < 68 && x + corner.x() < 167 + 73)
                        continue; // covered by the horizontal ball
                    QCOMPARE(shot.pixel(corner + QPoint(x, y)), black);
                }
            }
        }
        // Where the balls overlap, the horizontal ball's picture shows.
        int differing = 0;
        for (int y = 133; y < 201; ++y) {
            for (int x = 184; x < 236; ++x) {
                QCOMPARE(shot.pixel(x, y), ball.pixel(x - 167, y - 128));
                differing += ball.pixel(x - 167, y - 128) != ball.pixel(x - 184, y - 133);
            }
        }
        QVERIFY2(differing > 100, "the overlap cannot tell the two balls apart");

        // The title graphic at (16, 8), with 7 columns and 3 rows of background beside and below it.
        for (int y = 0; y < 41; ++y) {
            for (int x = 0; x < 97; ++x) {
                const QRgb expected = x < 90 && y < 38 ? title.pixel(x, y) : black;
                QCOMPARE(shot.pixel(16 + x, 8 + y), expected);
            }
        }
        // The photograph inside the one-pixel frame at (392, 0): rows 0..438 show, row 439 is the frame's.
        for (int x = 0; x < 287; ++x) {
            QCOMPARE(shot.pixel(393 + x, 1), photo.pixel(x, 0));
            QCOMPARE(shot.pixel(393 + x, 1 + 438), photo.pixel(x, 438));
            QCOMPARE(shot.pixel(393 + x, 440), black);
        }
    }

    // Catches a window icon that lacks one of its sizes or differs from the icon file.
    void windowIconHasBothImages()
    {
        app::GameWindow window;
        const QIcon icon = window.form().window().windowIcon();
        QImageReader reader(":/assets/tirobol.ico");
        for (int image = 0; image < 2; ++image) {
            QVERIFY(reader.jumpToImage(image));
            const QImage expected = reader.read().convertToFormat(QImage::Format_ARGB32);
            const QImage shown =
                icon.pixmap(expected.size()).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(shown, expected);
        }
    }
};

QTEST_MAIN(AssetsTest)
#include "test_assets.moc"
