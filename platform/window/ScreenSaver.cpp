#include "ScreenSaver.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <memory>
#include <optional>

namespace gb {
namespace {

std::optional<uint> cookie;

std::unique_ptr<QDBusInterface> Service() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return nullptr;
    auto service = std::make_unique<QDBusInterface>("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
                                                     "org.freedesktop.ScreenSaver", bus);
    if (!service->isValid()) return nullptr;
    service->setTimeout(3000);
    return service;
}

} // namespace

bool InhibitScreenSaver(bool inhibit, const std::string& reason) {
    if (inhibit == cookie.has_value()) return true;
    auto service = Service();
    if (!service) return false;
    if (inhibit) {
        QString app = QCoreApplication::applicationName().isEmpty() ? "glimmerbox" : QCoreApplication::applicationName();
        QDBusReply<uint> reply = service->call("Inhibit", app, QString::fromStdString(reason));
        if (!reply.isValid()) return false;
        cookie = reply.value();
        return true;
    }
    QDBusMessage reply = service->call("UnInhibit", *cookie);
    if (reply.type() == QDBusMessage::ErrorMessage) return false;
    cookie.reset();
    return true;
}

bool ScreenSaverInhibited() { return cookie.has_value(); }

bool ActivateScreenSaver() {
    auto service = Service();
    if (!service) return false;
    QDBusMessage reply = service->call("SetActive", true);
    return reply.type() != QDBusMessage::ErrorMessage;
}

} // namespace gb
