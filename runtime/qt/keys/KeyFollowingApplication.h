// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

#include "runtime/qt/keys/KeysInFlight.h"

namespace runtime::qt {

// The application, which follows each key from the window system to its window. It sees a key before any
// event filter can hold it back (a screen reader's bridge filters the whole application, installed whenever
// a reader starts listening), and its window's own filter sees the key once every application filter has let
// it through.
class KeyFollowingApplication : public QApplication {
public:
    KeyFollowingApplication(int& argc, char** argv);
    ~KeyFollowingApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;

private:
    class Arrivals : public QObject {
    public:
        explicit Arrivals(KeysInFlight& keys);

    protected:
        bool eventFilter(QObject* window, QEvent* event) override;

    private:
        KeysInFlight& keys_;
    };

    KeysInFlight keys_;
    Arrivals arrivals_;
};

} // namespace runtime::qt
