// SPDX-License-Identifier: MIT
#include <stdexcept>
#include <vector>

#include <QMessageBox>
#include <QTest>

#include "runtime/RuntimeError.h"
#include "runtime/qt/EventDispatcher.h"
#include "runtime/qt/Form.h"
#include "tests/fake/FakeRuntime.h"
#include "tests/support/MessageBoxWatcher.h"

using runtime::qt::EventDispatcher;

namespace {

// A box that fails like a control whose access fails.
class FailingMessageBox : public runtime::MessageBox {
public:
    void show(const std::string&) override { throw runtime::propertyAccessFailed("MessageBox", "Show"); }
};

} // namespace

class EventDispatcherTest : public QObject {
    Q_OBJECT

private slots:
    // Catches an error that escapes into the event loop, or a report that does not name the error.
    void errorEndingAHandlerIsReportedAndTheGameGoesOn()
    {
        fake::AccessLog log;
        fake::FakeMessageBox box(log);
        EventDispatcher dispatcher(box);

        dispatcher.deliver([] { throw runtime::invalidPropertyValue("Picture2", "Left"); });
        QCOMPARE(box.shown().size(), std::size_t{1});
        QCOMPARE(box.shown().at(0), std::string("Error de ejecución 2: Valor no válido para Picture2.Left\n"
                                                "El juego continúa."));

        bool ran = false;
        dispatcher.deliver([&] { ran = true; });
        QVERIFY2(ran, "the dispatcher stopped delivering after an error");

        dispatcher.deliver([] { throw std::logic_error("fallo interno"); });
        QCOMPARE(box.shown().size(), std::size_t{2});
        QVERIFY(box.shown().at(1).find("fallo interno") != std::string::npos);
    }

    // Catches an exception escaping when even the report cannot be shown.
    void failingReportDoesNotEscape()
    {
        FailingMessageBox box;
        EventDispatcher dispatcher(box);
        dispatcher.deliver([] { throw runtime::overflowError(); });
        bool ran = false;
        dispatcher.deliver([&] { ran = true; });
        QVERIFY(ran);
    }

    // Catches re-entrant delivery: an event that falls due while a handler (or its message box) runs
    // is dropped, not run inside it and not queued for later.
    void eventsDuringAHandlerAreDropped()
    {
        fake::AccessLog log;
        fake::FakeMessageBox box(log);
        EventDispatcher dispatcher(box);
        int inner = 0;
        dispatcher.deliver([&] { dispatcher.deliver([&] { ++inner; }); });
        QCOMPARE(inner, 0);
        dispatcher.deliver([&] { ++inner; });
        QCOMPARE(inner, 1);
    }

    // Catches error boxes piling up behind one another when a timer's handler fails on every tick,
    // and a box that is not the application's: title, no icon, one "Aceptar" button.
    void failingTimerShowsOneBoxAtATime()
    {
        const runtime::FormDescription description{
            .caption = "Muestra",
            .clientWidth = 1500,
            .clientHeight = 1500,
            .controls = {runtime::ControlRecord{
                .name = "Fast", .kind = runtime::ControlKind::Timer, .intervalMs = 5}}};
        runtime::qt::Form form(description, "Tirobol");
        form.window().show();
        int calls = 0;
        form.bind("Fast", runtime::qt::Event::Timer, [&] {
            if (++calls == 2)
                form.timer("Fast").setEnabled(runtime::False16);
            throw runtime::overflowError();
        });

        std::vector<int> callsAtEachLook;
        MessageBoxWatcher watcher(10, [&] { callsAtEachLook.push_back(calls); });
        const auto& sightings = watcher.sightings();

        QTRY_COMPARE(sightings.size(), std::size_t{20});
        QTest::qWait(100);
        QCOMPARE(calls, 2);
        for (std::size_t i = 0; i < sightings.size(); ++i) {
            const MessageBoxWatcher::Sighting& seen = sightings[i];
            QCOMPARE(seen.visibleBoxes, 1);
            QCOMPARE(callsAtEachLook[i], i < 10 ? 1 : 2);
            QCOMPARE(seen.title, QStringLiteral("Tirobol"));
            QCOMPARE(seen.icon, QMessageBox::NoIcon);
            QCOMPARE(seen.buttons, QStringList{QStringLiteral("Aceptar")});
            QVERIFY(seen.text.startsWith(QStringLiteral("Error de ejecución 1: Desbordamiento")));
        }
        QCOMPARE(MessageBoxWatcher::visibleMessageBoxes(), 0);
    }
};

QTEST_MAIN(EventDispatcherTest)
#include "test_event_dispatcher.moc"
