#pragma once
// The window layer's view of device contexts. Device contexts belong to the drawing
// layer; the toolkit only paints into one, reads its font and asks for the context of
// a whole window. The drawing layer (or whoever owns the contexts) registers how;
// images registered here directly work as contexts too.
#include "platform/WindowHandle.h"

#include <cstdint>
#include <functional>

class QFont;
class QImage;
class QPainter;

namespace gb {

struct DeviceContextAccess {
    // Runs `paint` on the context's drawing target; false for an unknown context.
    std::function<bool(std::intptr_t hdc, const std::function<void(QPainter&)>& paint)> paint;
    // The font selected into the context; false for an unknown context.
    std::function<bool(std::intptr_t hdc, QFont& font)> font;
    // A context for the whole window, frame included (0 when none), and its release.
    std::function<std::intptr_t(Hwnd window)> windowContext;
    std::function<void(Hwnd window, std::intptr_t hdc)> release;
};
void SetDeviceContextAccess(DeviceContextAccess access);

// A context that draws into `image` (kept by the caller) with `font`, until
// DeleteImageContext.
std::intptr_t CreateImageContext(QImage* image, const QFont& font);
void DeleteImageContext(std::intptr_t hdc);

// False when the context is 0 or unknown.
bool PaintOnDeviceContext(std::intptr_t hdc, const std::function<void(QPainter&)>& paint);
bool FontOfDeviceContext(std::intptr_t hdc, QFont& font);

// The context of the whole window, frame included: the registered one, or else a
// picture of the window as it looks now. Release it with ReleaseWindowContext.
std::intptr_t GetWindowContext(Hwnd window);
void ReleaseWindowContext(Hwnd window, std::intptr_t hdc);
// The image behind a context made here (nullptr for the drawing layer's contexts).
QImage* ImageOfContext(std::intptr_t hdc);

} // namespace gb
