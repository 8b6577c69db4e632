#pragma once
// Services on the desktop: its window, system metrics, the screen saver (through the
// desktop's inhibit service), a capture of any window, and power requests.
#include "platform/WindowHandle.h"

#include <QRect>
#include <cstdint>
#include <functional>
#include <string>

namespace gb {

class ClassDesktop {
public:
    struct EventHandlers {
        // During Capture, while the device context of the captured window is valid.
        std::function<void(std::intptr_t hDC, int32_t Left, int32_t Top, int32_t Width, int32_t Height)> Captured;
    } Events;

    Hwnd hDesktop() const;
    int32_t Metrics(int32_t Mode) const;
    // Wallpaper and pattern belong to the desktop environment here; both answer false.
    bool ChangeWallPaper(const std::string& Path);
    bool ChangePattern(const std::string& Tile);
    // True keeps the screen saver off until false allows it again.
    void SetLockedScreenSaver(bool Value);
    void StartScreenSaver();
    // -1 on, 1 low power, 2 off; this desktop decides the monitor's power itself.
    void SetMonitor(int32_t Value);
    // Window 0: the active window, whose handle is written back.
    void Capture(Hwnd& hWnd);
    // Flags: 1 shut down, 2 restart, 8 power off; 0 (log off) is left to the desktop.
    void Shutdown(int32_t Flags);
    void Suspend(bool Force);

    // The screen rectangle of the last captured window (frame included).
    QRect CapturedRect() const { return captured_; }

private:
    QRect captured_;
};

} // namespace gb
