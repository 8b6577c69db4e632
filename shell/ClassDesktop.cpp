#include "ClassDesktop.h"

#include "platform/window/DesktopSession.h"
#include "platform/window/DeviceContexts.h"
#include "platform/window/ScreenSaver.h"
#include "platform/window/SystemMetrics.h"
#include "platform/window/WindowProcedure.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace gb {

Hwnd ClassDesktop::hDesktop() const {
    // The desktop is a window that covers the screen and is never shown.
    static QPointer<QWidget> desktop;
    if (!desktop) {
        desktop = new QWidget(nullptr, Qt::Desktop);
        if (QScreen* screen = QGuiApplication::primaryScreen()) desktop->setGeometry(screen->geometry());
    }
    return HandleOf(desktop);
}

int32_t ClassDesktop::Metrics(int32_t Mode) const { return GetSystemMetrics(Mode); }

bool ClassDesktop::ChangeWallPaper(const std::string&) { return false; }
bool ClassDesktop::ChangePattern(const std::string&) { return false; }

void ClassDesktop::SetLockedScreenSaver(bool Value) { InhibitScreenSaver(Value, "slideshow"); }

void ClassDesktop::StartScreenSaver() { ActivateScreenSaver(); }

void ClassDesktop::SetMonitor(int32_t) {}

void ClassDesktop::Capture(Hwnd& hWnd) {
    if (hWnd == 0) hWnd = GetActiveWindow();
    QWidget* w = WidgetOf(hWnd);
    if (!w) return;
    std::intptr_t dc = GetWindowContext(hWnd);
    captured_ = w->window() == w ? w->frameGeometry() : QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    if (Events.Captured)
        Events.Captured(dc, captured_.left(), captured_.top(), captured_.width(), captured_.height());
    ReleaseWindowContext(hWnd, dc);
}

void ClassDesktop::Shutdown(int32_t Flags) {
    if (Flags & 0x2) RequestReboot();
    else if (Flags & (0x1 | 0x8)) RequestPowerOff();
}

void ClassDesktop::Suspend(bool) { RequestSuspend(); }

} // namespace gb
