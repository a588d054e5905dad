// SPDX-License-Identifier: MIT
#include "app/SoundSwitch.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace app {

namespace {

const QString accessibilityBus = QStringLiteral("org.a11y.Bus");
const QString accessibilityPath = QStringLiteral("/org/a11y/bus");
const QString accessibilityStatus = QStringLiteral("org.a11y.Status");
const QString screenReaderEnabled = QStringLiteral("ScreenReaderEnabled");
const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");

} // namespace

SoundSwitch::SoundSwitch(runtime::qt::Form& form, BallSounds& sounds)
    : form_(form)
    , sounds_(sounds)
{
    form.window().bindKey(Qt::Key_S, [this] { set(!sounds_.isOn(), true); });
    QAccessible::installActivationObserver(this);
    if (QAccessible::isActive())
        followScreenReader();
}

SoundSwitch::~SoundSwitch()
{
    QAccessible::removeActivationObserver(this);
}

void SoundSwitch::accessibilityActiveChanged(bool active)
{
    if (active)
        followScreenReader();
}

void SoundSwitch::followScreenReader()
{
    if (following_)
        return;
    following_ = true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(accessibilityBus, accessibilityPath, properties, QStringLiteral("PropertiesChanged"), this,
                SLOT(accessibilityChanged(QString, QVariantMap, QStringList)));
    QDBusMessage ask = QDBusMessage::createMethodCall(accessibilityBus, accessibilityPath, properties,
                                                      QStringLiteral("Get"));
    ask << accessibilityStatus << screenReaderEnabled;
    // A desktop without its accessibility bus running has no screen reader on; the question starts none.
    ask.setAutoStartService(false);
    auto* answer = new QDBusPendingCallWatcher(bus.asyncCall(ask), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
        const QDBusPendingReply<QDBusVariant> reply = *call;
        if (reply.isValid() && reply.value().variant().toBool())
            set(true, false);
        call->deleteLater();
    });
}

void SoundSwitch::accessibilityChanged(const QString& interface, const QVariantMap& changed,
                                       const QStringList&)
{
    if (interface == accessibilityStatus && changed.contains(screenReaderEnabled))
        set(changed.value(screenReaderEnabled).toBool(), true);
}

void SoundSwitch::set(bool on, bool announced)
{
    if (on == sounds_.isOn())
        return;
    sounds_.setOn(on);
    if (announced)
        form_.announce(on ? QStringLiteral("Sonido de las pelotas activado")
                          : QStringLiteral("Sonido de las pelotas desactivado"));
}

} // namespace app
