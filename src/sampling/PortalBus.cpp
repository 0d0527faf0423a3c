#include "sampling/PortalBus.h"

#include <QByteArray>
#include <QString>

QDBusConnection PortalSessionBus() {
    const QString address = QString::fromLocal8Bit(qgetenv("DBUS_SESSION_BUS_ADDRESS"));
    if (address.isEmpty())
        return QDBusConnection::sessionBus();
    // One connection per address, reused by every later request.
    const QString name = QStringLiteral("vellomar-portal ") + address;
    const QDBusConnection bus = QDBusConnection::connectToBus(address, name);
    if (bus.isConnected())
        return bus;
    QDBusConnection::disconnectFromBus(name); // try again on the next request
    return QDBusConnection::sessionBus();
}
