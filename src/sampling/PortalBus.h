#pragma once

#include <QDBusConnection>

// The session bus the portal is asked on. The address is read from
// DBUS_SESSION_BUS_ADDRESS now rather than when the process first touched
// D-Bus, so a bus named later (a test's private bus) is the one used; with no
// address the default session bus is used.
QDBusConnection PortalSessionBus();
