// SPDX-License-Identifier: MIT
#include "runtime/qt/KeyRepeatFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

#include <utility>

namespace runtime::qt {

KeyRepeatFilter::KeyRepeatFilter(QObject* parent)
    : QObject(parent)
{
}

void KeyRepeatFilter::install()
{
    static QPointer<KeyRepeatFilter> filter;
    if (filter)
        return;
    filter = new KeyRepeatFilter(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

bool KeyRepeatFilter::eventFilter(QObject* receiver, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if ((!press && event->type() != QEvent::KeyRelease) || !receiver->isWindowType() || event == delivering_)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->isAutoRepeat())
        return true;
    if (press)
        return filterPress(key->key());
    // A release of a key that went down elsewhere, before this application saw it, is not ours to act on.
    if (!down_.contains(key->key()))
        return true;
    holdRelease(key->key(), receiver, *event);
    return true;
}

bool KeyRepeatFilter::filterPress(int key)
{
    if (heldReleases_.erase(key) > 0)
        return true;
    return !down_.insert(key).second;
}

void KeyRepeatFilter::holdRelease(int key, QObject* receiver, const QEvent& event)
{
    const unsigned serial = ++serial_;
    heldReleases_[key] = {receiver, std::unique_ptr<QEvent>(event.clone()), serial};
    QTimer::singleShot(repeatGapMs, Qt::PreciseTimer, this,
                       [this, key, serial] { deliverRelease(key, serial); });
}

void KeyRepeatFilter::deliverRelease(int key, unsigned serial)
{
    const auto held = heldReleases_.find(key);
    if (held == heldReleases_.end() || held->second.serial != serial)
        return;
    HeldRelease release = std::move(held->second);
    heldReleases_.erase(held);
    down_.erase(key);
    if (!release.receiver)
        return;
    // Only this event passes unfiltered: what it sets off (a message box's own event loop) is filtered as
    // ever.
    delivering_ = release.event.get();
    QCoreApplication::sendEvent(release.receiver, release.event.get());
    delivering_ = nullptr;
}

} // namespace runtime::qt
