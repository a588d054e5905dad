// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include "app/BallSounds.h"
#include "runtime/qt/Form.h"

namespace app {

// When the balls are heard: from the start where the desktop's screen reader is on, following it as it is
// turned on and off (the accessibility bus's ScreenReaderEnabled), and the S key switches them for anyone.
// Each change while the game runs is said to screen readers in Spanish. The bus is asked only once the
// toolkit serves assistive technology (its own connection to the bus is made by then), and asking it
// starts nothing.
class SoundSwitch : public QObject, private QAccessible::ActivationObserver {
    Q_OBJECT

public:
    SoundSwitch(runtime::qt::Form& form, BallSounds& sounds);
    ~SoundSwitch() override;

private slots:
    void accessibilityChanged(const QString& interface, const QVariantMap& changed, const QStringList&);

private:
    void accessibilityActiveChanged(bool active) override;
    void followScreenReader();
    void set(bool on, bool announced);

    runtime::qt::Form& form_;
    BallSounds& sounds_;
    bool following_ = false;
};

} // namespace app
