#include "SleepInhibitor.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace velmor {

namespace {

// logind answers at once; a bus that does not is not worth holding a run up for.
constexpr int callTimeoutMs = 2000;

} // namespace

SleepInhibitor::SleepInhibitor(const QString& reason) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QStringLiteral("velmor-test") << reason
         << QStringLiteral("block");
    const QDBusMessage reply = bus.call(call, QDBus::Block, callTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        lock_ = reply.arguments().constFirst().value<QDBusUnixFileDescriptor>();
    // A bus without logind is a system without it.
    if (!lock_.isValid() &&
        reply.errorName() != QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown"))
        error_ = reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
}

} // namespace velmor
