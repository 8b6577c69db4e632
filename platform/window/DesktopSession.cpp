#include "DesktopSession.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>

namespace gb {
namespace {

bool Call(const char* method) {
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) return false;
    QDBusInterface manager("org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager", bus);
    if (!manager.isValid()) return false;
    manager.setTimeout(3000);
    // false: do not ask the user for a privilege.
    QDBusMessage reply = manager.call(method, false);
    return reply.type() != QDBusMessage::ErrorMessage;
}

} // namespace

bool RequestPowerOff() { return Call("PowerOff"); }
bool RequestReboot() { return Call("Reboot"); }
bool RequestSuspend() { return Call("Suspend"); }

} // namespace gb
