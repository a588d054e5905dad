// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <vector>

#include <QPointer>
#include <QTimer>

namespace runtime::qt {

// The keys the window system has sent that no window has had yet. A screen reader's accessibility bridge
// holds each key until the reader says whether it keeps it (the bridge waits 100 ms at most for that), while
// ticks keep falling due. A tick that falls due while a key is in flight waits for it and for its handling,
// so that a throw by key freezes the stop the player perceived when the key went down or came up, as a click
// does.
class KeysInFlight {
public:
    KeysInFlight();
    ~KeysInFlight();
    KeysInFlight(const KeysInFlight&) = delete;
    KeysInFlight& operator=(const KeysInFlight&) = delete;

    // Runs `tick` now, or once no key is in flight, if `timer` still runs then; one tick of a timer waits at
    // most. Where the application does not follow its keys, at once.
    static void deliverTick(QTimer& timer, const std::function<void()>& tick);

    void sent();
    void arrived();

private:
    void hold(QTimer& timer, const std::function<void()>& tick);
    void releaseTicksAfterThisEvent();
    void deliverHeldTicks();

    struct HeldTick {
        QPointer<QTimer> timer;
        std::function<void()> tick;
    };

    int inFlight_ = 0;
    // A key the screen reader keeps never arrives.
    QTimer givingUp_;
    std::vector<HeldTick> held_;
};

} // namespace runtime::qt
