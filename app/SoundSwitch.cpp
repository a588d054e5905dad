// SPDX-License-Identifier: MIT
#include "app/SoundSwitch.h"

#include <utility>

#include <QDBusArgument>
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
const QString accessibilityConnection = QStringLiteral("tirobol-accessibility");
const QString registry = QStringLiteral("org.a11y.atspi.Registry");
const QString deviceEvents = QStringLiteral("/org/a11y/atspi/registry/deviceeventcontroller");

// A call that starts nothing, where no accessibility layer runs.
QDBusMessage question(const QString& service, const QString& path, const QString& interface,
                      const QString& name)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, name);
    message.setAutoStartService(false);
    return message;
}

// Runs `answered` with the answer once it comes: the reply, or an error.
template <typename Answered>
void ask(QDBusConnection bus, const QDBusMessage& message, QObject* context, Answered answered)
{
    auto* answer = new QDBusPendingCallWatcher(bus.asyncCall(message), context);
    QObject::connect(answer, &QDBusPendingCallWatcher::finished, context,
                     [answered](QDBusPendingCallWatcher* call) {
                         answered(call->reply());
                         call->deleteLater();
                     });
}

bool isReply(const QDBusMessage& answer)
{
    return answer.type() == QDBusMessage::ReplyMessage;
}

} // namespace

SoundSwitch::SoundSwitch(runtime::qt::Form& form, BallSounds& sounds)
    : form_(form)
    , sounds_(sounds)
{
    form.window().bindKey(Qt::Key_S, [this] { set(!sounds_.isOn(), true); });
    // Read with the window's title, so that a player who cannot see learns of S as the game starts.
    form.window().setAccessibleDescription(
        QStringLiteral("La tecla S activa y desactiva el sonido de las pelotas."));
    QAccessible::installActivationObserver(this);
    if (QAccessible::isActive())
        followScreenReader();
}

SoundSwitch::~SoundSwitch()
{
    QAccessible::removeActivationObserver(this);
    QDBusConnection::disconnectFromBus(accessibilityConnection);
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
    QDBusMessage get = question(accessibilityBus, accessibilityPath, properties, QStringLiteral("Get"));
    get << accessibilityStatus << screenReaderEnabled;
    ask(bus, get, this, [this](const QDBusMessage& reply) {
        if (isReply(reply))
            readerFound(reply.arguments().value(0).value<QDBusVariant>().variant().toBool(), keysListened_,
                        false);
    });
    ask(bus, question(accessibilityBus, accessibilityPath, accessibilityBus, QStringLiteral("GetAddress")),
        this, [this](const QDBusMessage& reply) {
            if (isReply(reply))
                followKeyListeners(reply.arguments().value(0).toString());
        });
}

void SoundSwitch::followKeyListeners(const QString& accessibilityBusAddress)
{
    QDBusConnection bus = QDBusConnection::connectToBus(accessibilityBusAddress, accessibilityConnection);
    for (const char* change : {"KeystrokeListenerRegistered", "KeystrokeListenerDeregistered"})
        bus.connect(QString(), deviceEvents, QStringLiteral("org.a11y.atspi.DeviceEventListener"),
                    QLatin1String(change), this, SLOT(keyListenersChanged(QDBusMessage)));
    askForKeyListeners();
}

void SoundSwitch::keyListenersChanged(const QDBusMessage&)
{
    // A screen reader registers a listener for each combination of modifiers: one question at a time.
    if (asking_)
        askAgain_ = true;
    else
        askForKeyListeners();
}

void SoundSwitch::askForKeyListeners()
{
    asking_ = true;
    const QDBusMessage message =
        question(registry, deviceEvents, QStringLiteral("org.a11y.atspi.DeviceEventController"),
                 QStringLiteral("GetKeystrokeListeners"));
    ask(QDBusConnection(accessibilityConnection), message, this, [this](const QDBusMessage& reply) {
        asking_ = false;
        if (isReply(reply)) {
            const QDBusArgument listeners = reply.arguments().value(0).value<QDBusArgument>();
            listeners.beginArray();
            const bool listened = !listeners.atEnd();
            listeners.endArray();
            // What the first answer finds was there before the game.
            readerFound(switchedOn_, listened, std::exchange(keysKnown_, true));
        }
        if (std::exchange(askAgain_, false))
            askForKeyListeners();
    });
}

void SoundSwitch::accessibilityChanged(const QString& interface, const QVariantMap& changed,
                                       const QStringList&)
{
    if (interface == accessibilityStatus && changed.contains(screenReaderEnabled))
        readerFound(changed.value(screenReaderEnabled).toBool(), keysListened_, true);
}

// Only a change of whether a screen reader reads the game switches the sounds, so that S keeps its word.
void SoundSwitch::readerFound(bool switchedOn, bool keysListened, bool announced)
{
    const bool wasReading = switchedOn_ || keysListened_;
    switchedOn_ = switchedOn;
    keysListened_ = keysListened;
    if ((switchedOn || keysListened) != wasReading)
        set(!wasReading, announced);
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
