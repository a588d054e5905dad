// SPDX-License-Identifier: MIT
#include <cstdlib>

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {

QString installedIcon(const QString& folder, const QString& extension)
{
    return QStringLiteral("%1/share/icons/hicolor/%2/apps/%3.%4")
        .arg(qEnvironmentVariable("TIROBOL_STAGING"), folder, qEnvironmentVariable("TIROBOL_APP_ID"),
             extension);
}

// Pixels whose opacity, or colour where both show, differ by more than antialiasing does.
int pixelsApart(const QImage& a, const QImage& b)
{
    int apart = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            const int colour =
                std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue());
            apart +=
                std::abs(p.alpha() - q.alpha()) > 128 || (p.alpha() > 127 && q.alpha() > 127 && colour > 192);
        }
    }
    return apart;
}

} // namespace

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

        const QString path = installedIcon(QStringLiteral("%1x%1").arg(size), QStringLiteral("png"));
        const QImage installed(path);
        QVERIFY2(!installed.isNull(), qPrintable(path));
        QCOMPARE(installed.convertToFormat(QImage::Format_ARGB32), expected);
    }

    // Catches a scalable icon that a desktop draws otherwise than the PNGs, as KDE Plasma does with Qt's SVG
    // renderer, which knows no clipPath: a flag clipped to the circle would come out square there.
    void scalableIconMatchesThePngs_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 48, 64, 128, 256})
            QTest::addRow("%d px", size) << size;
    }
    void scalableIconMatchesThePngs()
    {
        QFETCH(int, size);

        QSvgRenderer svg(installedIcon(QStringLiteral("scalable"), QStringLiteral("svg")));
        QVERIFY(svg.isValid());
        QImage drawn(size, size, QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        svg.render(&painter);
        painter.end();
        const QImage png(installedIcon(QStringLiteral("%1x%1").arg(size), QStringLiteral("png")));
        QCOMPARE(png.size(), drawn.size());
        // The PNGs' ring reaches 0.25 px from the edge, the SVG's 2 px at 256: a ring of pixels may differ.
        const int apart = pixelsApart(drawn, png.convertToFormat(QImage::Format_ARGB32));
        QVERIFY2(apart <= size * 4,
                 qPrintable(QStringLiteral("%1 of %2 pixels differ").arg(apart).arg(size * size)));
    }
};

QTEST_GUILESS_MAIN(InstalledIconsTest)
#include "test_installed_icons.moc"
