// SPDX-License-Identifier: MIT
#include <memory>
#include <vector>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/GameWindow.h"

class Form1WindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<app::GameWindow> window_;

    QWidget& widget(const char* name) { return window_->form().widget(name); }
    QPushButton& button(const char* name) { return window_->form().commandButton(name); }

private slots:
    void init()
    {
        window_ = std::make_unique<app::GameWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(&window_->form().window()));
    }
    void cleanup() { window_.reset(); }

    // Catches a control misplaced by a twips conversion or a wrong record in the description.
    void controlsStandInTheirPixelBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("box");

        QTest::newRow("Picture4") << "Picture4" << QRect(16, 8, 97, 41);
        QTest::newRow("Picture3") << "Picture3" << QRect(392, 0, 289, 441);
        QTest::newRow("cmdReset") << "cmdReset" << QRect(288, 296, 73, 25);
        QTest::newRow("cmdTirar") << "cmdTirar" << QRect(288, 208, 73, 65);
        QTest::newRow("Picture2") << "Picture2" << QRect(56, 128, 73, 73);
        QTest::newRow("Picture1") << "Picture1" << QRect(184, 0, 73, 73);
        QTest::newRow("lbl") << "lbl" << QRect(32, 336, 289, 25);
        QTest::newRow("Shape1") << "Shape1" << QRect(152, 96, 129, 137);
    }
    void controlsStandInTheirPixelBoxes()
    {
        QFETCH(QString, name);
        QFETCH(QRect, box);
        QCOMPARE(widget(name.toUtf8().constData()).geometry(), box);
    }

    // Catches a button or the label with the wrong text. The window's title and fixed size are checked where
    // a compositor sees them, by check-wayland.
    void controlsHaveTheirCaptions()
    {
        QCOMPARE(button("cmdTirar").text(), QStringLiteral("Tirar"));
        QCOMPARE(button("cmdReset").text(), QStringLiteral("Reiniciar"));
        QCOMPARE(window_->form().label("lbl").caption(), std::string());
    }

    // Catches colours taken from the desktop's scheme instead of the fixed ones.
    void surfacesShowTheirColours_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("colour");

        QTest::newRow("window background") << QPoint(5, 500) << QColor(Qt::black);
        QTest::newRow("title box background right of its picture") << QPoint(110, 12) << QColor(Qt::black);
        QTest::newRow("label") << QPoint(100, 348) << QColor(192, 192, 192);
        QTest::newRow("target outline at its left edge") << QPoint(153, 164) << QColor(Qt::white);
    }
    void surfacesShowTheirColours()
    {
        QFETCH(QPoint, point);
        QFETCH(QColor, colour);
        window_->form().timer("Timer1").setEnabled(runtime::False16);
        const QImage image = window_->form().window().grab().toImage();
        QCOMPARE(image.pixelColor(point), colour);
    }

    // Catches a stacking order other than the description's: the first record in front, the label and
    // the shape beneath every picture box and button.
    void controlsStackInDescriptionOrder()
    {
        QStringList backToFront;
        for (QObject* child : window_->form().window().children()) {
            // Every control carries its name; the screen readers' notice, which draws nothing, none.
            if (child->isWidgetType() && !child->objectName().isEmpty())
                backToFront << child->objectName();
        }
        const QStringList expected{"Shape1",   "lbl",      "Picture1", "Picture2",
                                   "cmdTirar", "cmdReset", "Picture3", "Picture4"};
        QCOMPARE(backToFront, expected);
    }

    // Catches a tab chain that skips a button or starts the focus elsewhere than on "Tirar".
    void focusStartsOnTirarAndTabFollowsTheTabIndexes()
    {
        QWidget& window = window_->form().window();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), &widget("cmdTirar"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &widget("cmdReset"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &widget("cmdTirar"));
    }

    // Catches a timer that is not wired to the sweep, a sweep at another pace than one stop per 100 ms, or a
    // widget placed by truncation: each real tick puts Picture2's widget on the nearest pixel of the next
    // stop.
    void ticksMoveTheHorizontalBallThroughItsStops()
    {
        std::vector<int> positions;
        QWidget& ball = widget("Picture2");
        window_->form().timer("Timer1").setEnabled(runtime::False16);
        window_->game().sweep = {};
        MoveRecorder recorder(positions);
        ball.installEventFilter(&recorder);
        window_->form().timer("Timer1").setEnabled(runtime::True16);
        QTRY_VERIFY_WITH_TIMEOUT(positions.size() >= 10, 5000);
        window_->form().timer("Timer1").setEnabled(runtime::False16);

        const std::vector<int> expected{40, 67, 100, 133, 167, 200, 233, 267, 300, 267};
        QCOMPARE(std::vector<int>(positions.begin(), positions.begin() + 10), expected);
        QCOMPARE(ball.y(), 128);
        QCOMPARE(window_->form().timer("Timer2").enabled(), runtime::False16);
        for (const char* timer : {"Timer1", "Timer2"})
            QCOMPARE(window_->form().window().findChild<QTimer*>(timer)->interval(), 100);
    }

private:
    class MoveRecorder : public QObject {
    public:
        explicit MoveRecorder(std::vector<int>& positions)
            : positions_(positions)
        {
        }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Move)
                positions_.push_back(static_cast<QWidget*>(watched)->x());
            return false;
        }

    private:
        std::vector<int>& positions_;
    };
};

QTEST_MAIN(Form1WindowTest)
#include "test_form1_window.moc"
