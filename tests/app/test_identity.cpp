// SPDX-License-Identifier: MIT
#include <QGuiApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include "app/ApplicationIdentity.h"
#include "app/GameWindow.h"
#include "window/Identity.h"

class IdentityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { app::applyApplicationIdentity(); }

    // Catches a name or version that drifts from the one source in the build, a version text without its two
    // decimals, or a locale left to the desktop.
    void applicationReportsItsIdentity()
    {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Tirobol"));
        QCOMPARE(QCoreApplication::applicationVersion(), QString::fromUtf8(window::versionText));
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9]+\\.[0-9][0-9]$"))
                    .match(QCoreApplication::applicationVersion())
                    .hasMatch());
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.tirobol.tirobol"));
        QCOMPARE(QLocale().name(), QStringLiteral("es_ES"));
    }

    // Catches a caption decorated by the toolkit, which appends an explicitly set display name to titles.
    void windowCaptionIsExactlyTheProductName()
    {
        app::GameWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window.form().window()));
        QCOMPARE(window.form().window().windowTitle(), QStringLiteral("Tirobol Game"));
        QCOMPARE(window.form().window().windowHandle()->title(), QStringLiteral("Tirobol Game"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    }
};

QTEST_MAIN(IdentityTest)
#include "test_identity.moc"
