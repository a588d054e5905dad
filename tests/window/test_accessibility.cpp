// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QPushButton>
#include <QTest>

#include "app/GameWindow.h"

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    // Catches a control that a screen reader would read as nameless or as the wrong kind of thing.
    void everyControlHasANameAndARole_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");

        QTest::newRow("Picture4") << "Picture4" << int(QAccessible::Graphic) << "Título: Tirobol";
        QTest::newRow("Picture3") << "Picture3" << int(QAccessible::Graphic)
                                  << "Fotografía: un jugador vuela hacia el aro y mete la pelota";
        QTest::newRow("cmdReset") << "cmdReset" << int(QAccessible::Button) << "Reiniciar";
        QTest::newRow("cmdTirar") << "cmdTirar" << int(QAccessible::Button) << "Tirar";
        QTest::newRow("Picture2") << "Picture2" << int(QAccessible::Graphic)
                                  << "Pelota que va y viene de izquierda a derecha";
        QTest::newRow("Picture1") << "Picture1" << int(QAccessible::Graphic) << "Pelota que sube y baja";
        QTest::newRow("Shape1") << "Shape1" << int(QAccessible::Graphic)
                                << "Blanco: donde se cruzan las dos pelotas";
    }
    void everyControlHasANameAndARole()
    {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);

        app::GameWindow window;
        window.show();
        QAccessibleInterface* interface =
            QAccessible::queryAccessibleInterface(&window.form().widget(control.toStdString()));
        QVERIFY(interface);
        QCOMPARE(int(interface->role()), role);
        QCOMPARE(interface->text(QAccessible::Name), name);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
