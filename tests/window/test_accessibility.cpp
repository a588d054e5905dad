// SPDX-License-Identifier: MIT
#include <vector>

#include <QAccessible>
#include <QPushButton>
#include <QTest>

#include "app/GameWindow.h"
#include "tests/support/MessageBoxWatcher.h"

namespace {

// The names a screen reader finds inside an accessible object, at any depth.
QStringList namesWithin(QAccessibleInterface* parent)
{
    QStringList names;
    for (int index = 0; index < parent->childCount(); ++index) {
        QAccessibleInterface* child = parent->child(index);
        names << child->text(QAccessible::Name) << namesWithin(child);
    }
    return names;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    QAccessibleInterface* accessible(app::GameWindow& window, const char* name)
    {
        return QAccessible::queryAccessibleInterface(&window.form().widget(name));
    }

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
        QAccessibleInterface* interface = accessible(window, control.toUtf8().constData());
        QVERIFY(interface);
        QCOMPARE(int(interface->role()), role);
        QCOMPARE(interface->text(QAccessible::Name), name);
    }

    // Catches a prompt that a screen reader cannot read: the label's name is its text as it changes through
    // a shot, and the verdict box is an alert with its text and its "Aceptar" button. (Qt sends the change
    // events only while a screen reader is connected, which the offscreen platform never has.)
    void promptAndVerdictReachTheScreenReader()
    {
        app::GameWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window.form().window()));
        QAccessibleInterface* prompt = accessible(window, "lbl");
        QCOMPARE(int(prompt->role()), int(QAccessible::StaticText));
        QCOMPARE(prompt->text(QAccessible::Name), QString());
        QCOMPARE(prompt->text(QAccessible::Description), QStringLiteral("Indicación para el jugador"));

        auto& tirar = window.form().commandButton("cmdTirar");
        tirar.click();
        QCOMPARE(prompt->text(QAccessible::Name), QStringLiteral("Ahora tirá la otra pelota"));

        QAccessible::Role boxRole = QAccessible::NoRole;
        QStringList boxTexts;
        MessageBoxWatcher closer(1, [&] {
            QAccessibleInterface* alert =
                QAccessible::queryAccessibleInterface(QApplication::activeModalWidget());
            boxRole = alert->role();
            boxTexts = namesWithin(alert);
        });
        tirar.click();
        QCOMPARE(closer.sightings().size(), std::size_t{1});
        QCOMPARE(int(boxRole), int(QAccessible::AlertMessage));
        QVERIFY2(boxTexts.contains(closer.sightings()[0].text), qPrintable(boxTexts.join('|')));
        QVERIFY2(boxTexts.contains(QStringLiteral("Aceptar")), qPrintable(boxTexts.join('|')));
        QCOMPARE(prompt->text(QAccessible::Name), QString());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
