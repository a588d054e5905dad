// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include "app/BallSounds.h"
#include "runtime/qt/Form.h"

namespace app {

// When the balls are heard: from the start where a screen reader reads the game, following it as it starts
// and stops, and the S key switches them for anyone. A screen reader reads the game where the desktop's
// switch for it is on (the accessibility bus's ScreenReaderEnabled), or where someone listens to the keys
// on the accessibility bus, as a screen reader started on its own does (which sets only IsEnabled, as any
// assistive technology does). Each change while the game runs is said to screen readers in Spanish. The
// buses are asked only once the toolkit serves assistive technology (its own connection to them is made by
// then), and asking them starts nothing.
class SoundSwitch : public QObject, private QAccessible::ActivationObserver {
    Q_OBJECT

public:
    SoundSwitch(runtime::qt::Form& form, BallSounds& sounds);
    ~SoundSwitch() override;

private slots:
    void accessibilityChanged(const QString& interface, const QVariantMap& changed, const QStringList&);
    void keyListenersChanged(const QDBusMessage&);

private:
    void accessibilityActiveChanged(bool active) override;
    void followScreenReader();
    void followKeyListeners(const QString& accessibilityBusAddress);
    void askForKeyListeners();
    void readerFound(bool switchedOn, bool keysListened, bool announced);
    void set(bool on, bool announced);

    runtime::qt::Form& form_;
    BallSounds& sounds_;
    bool following_ = false;
    bool switchedOn_ = false;
    bool keysListened_ = false;
    bool keysKnown_ = false;
    bool asking_ = false;
    bool askAgain_ = false;
};

} // namespace app
