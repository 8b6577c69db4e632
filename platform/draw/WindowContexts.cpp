#include "WindowContexts.h"

#include "Gdi.h"
#include "platform/window/DeviceContexts.h"

namespace gb {

void ConnectDrawingToWindowLayer() {
    DeviceContextAccess access;
    access.paint = [](std::intptr_t hdc, const std::function<void(QPainter&)>& paint) {
        return PaintDeviceContext(Hdc(hdc), paint);
    };
    access.font = [](std::intptr_t hdc, QFont& font) { return DeviceContextFont(Hdc(hdc), font); };
    // A whole window, frame included, is not a canvas: the window layer's own picture of
    // the window serves.
    access.windowContext = [](Hwnd) -> std::intptr_t { return 0; };
    access.release = [](Hwnd, std::intptr_t) {};
    SetDeviceContextAccess(std::move(access));
}

} // namespace gb
