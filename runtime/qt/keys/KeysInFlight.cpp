// SPDX-License-Identifier: MIT
#include "runtime/qt/keys/KeysInFlight.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace runtime::qt {

namespace {

KeysInFlight* current = nullptr;

// Past the bridge's own 100 ms, with time for its answer to be read.
constexpr std::chrono::milliseconds longestHold{150};

} // namespace

KeysInFlight::KeysInFlight()
{
    givingUp_.setSingleShot(true);
    givingUp_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&givingUp_, &QTimer::timeout, [this] {
        inFlight_ = 0;
        releaseTicksAfterThisEvent();
    });
    current = this;
}

KeysInFlight::~KeysInFlight()
{
    current = nullptr;
}

void KeysInFlight::deliverTick(QTimer& timer, const std::function<void()>& tick)
{
    if (current && current->inFlight_ > 0)
        current->hold(timer, tick);
    else
        tick();
}

void KeysInFlight::sent()
{
    ++inFlight_;
    givingUp_.start(longestHold);
}

void KeysInFlight::arrived()
{
    if (inFlight_ == 0 || --inFlight_ > 0)
        return;
    givingUp_.stop();
    releaseTicksAfterThisEvent();
}

void KeysInFlight::hold(QTimer& timer, const std::function<void()>& tick)
{
    const bool alreadyHeld = std::any_of(held_.begin(), held_.end(),
                                         [&timer](const HeldTick& held) { return held.timer == &timer; });
    if (!alreadyHeld)
        held_.push_back({&timer, tick});
}

// The key that arrived is handled after this, and its click first.
void KeysInFlight::releaseTicksAfterThisEvent()
{
    if (held_.empty())
        return;
    const auto deliver = [this] { deliverHeldTicks(); };
    QMetaObject::invokeMethod(&givingUp_, deliver, Qt::QueuedConnection);
}

void KeysInFlight::deliverHeldTicks()
{
    // Another key went on its way meanwhile: its arrival releases them.
    if (inFlight_ > 0)
        return;
    const std::vector<HeldTick> held = std::exchange(held_, {});
    for (const HeldTick& tick : held)
        if (tick.timer && tick.timer->isActive())
            tick.tick();
}

} // namespace runtime::qt
