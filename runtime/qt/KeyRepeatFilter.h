// SPDX-License-Identifier: MIT
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <map>
#include <memory>
#include <set>

namespace runtime::qt {

// One physical key press is at most one press, however the window system reports a held key: a key counts
// only when it goes down after being up. Repeats flagged as such are dropped, and so is a press of a key
// that is still down. A release followed at once by a press of the same key is the unflagged form of a
// repeat: every release is held back for `repeatGapMs` and dropped with the press if one follows within
// it, else delivered. A key already down when a message box opens therefore does nothing to that box.
// Installed once for the whole application, on the events the window system sends to its windows.
class KeyRepeatFilter : public QObject {
public:
    static constexpr int repeatGapMs = 25;

    static void install();

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    struct HeldRelease {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
        unsigned serial;
    };

    explicit KeyRepeatFilter(QObject* parent);
    bool filterPress(int key);
    void holdRelease(int key, QObject* receiver, const QEvent& event);
    void deliverRelease(int key, unsigned serial);

    std::set<int> down_;
    std::map<int, HeldRelease> heldReleases_;
    unsigned serial_ = 0;
    const QEvent* delivering_ = nullptr;
};

} // namespace runtime::qt
