// SPDX-License-Identifier: MIT
#include <QImage>
#include <QImageReader>
#include <QTest>

class InstalledIconsTest : public QObject {
    Q_OBJECT

private slots:
    // Catches theme icons that drift from the icon file: each must have the same pixels as its image there.
    void themeIconsMatchTheIconFile_data()
    {
        QTest::addColumn<int>("image");
        QTest::addColumn<int>("size");
        QTest::newRow("32 x 32") << 0 << 32;
        QTest::newRow("16 x 16") << 1 << 16;
    }
    void themeIconsMatchTheIconFile()
    {
        QFETCH(int, image);
        QFETCH(int, size);

        QImageReader reader(":/assets/tirobol.ico");
        QVERIFY(reader.jumpToImage(image));
        const QImage expected = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(expected.size(), QSize(size, size));

        const QString path = QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/%3.png")
                                 .arg(qEnvironmentVariable("TIROBOL_STAGING"))
                                 .arg(size)
                                 .arg(qEnvironmentVariable("TIROBOL_APP_ID"));
        const QImage installed(path);
        QVERIFY2(!installed.isNull(), qPrintable(path));
        QCOMPARE(installed.convertToFormat(QImage::Format_ARGB32), expected);
    }
};

QTEST_GUILESS_MAIN(InstalledIconsTest)
#include "test_installed_icons.moc"
