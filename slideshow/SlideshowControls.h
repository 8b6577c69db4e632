#pragma once
// The controls of the main window that the slideshow drives: the jog slider, the jog
// tool bar, the status bar, the switching timer and the quick viewer box.
#include "platform/WindowHandle.h"

#include <cstdint>
#include <string>

namespace gb {

class Canvas;

class SlideshowControls {
public:
    virtual ~SlideshowControls() = default;

    // The jog slider: its position (kept inside its range by the slider) and the
    // selected range.
    virtual int32_t SliderCurrent() = 0;
    virtual void SetSliderCurrent(int32_t position) = 0;
    virtual void SliderSelRange(int32_t start, int32_t end) = 0;
    virtual void SliderSelClear() = 0;
    // Repaints the slider and the jog tool bar.
    virtual void RefreshJog() = 0;
    // Presses (checks) or releases one jog button.
    virtual void SetJogButtonPressed(int32_t key, bool pressed) = 0;

    virtual void SetStatusCaption(const std::string& text) = 0;

    // The switching timer: runs every `milliseconds` while enabled; an interval of 0
    // never fires.
    virtual void SetTimer(uint32_t milliseconds, bool enabled) = 0;

    // The key (or mouse button) is down now.
    virtual bool IsKeyDown(int virtualKey) = 0;

    // The quick viewer box: shown while the slider is dragged; hiding it repaints the
    // command tool bar and the status bar beneath it.
    virtual void ShowQuickViewer(bool visible) = 0;
    virtual Canvas* QuickViewer() = 0;

    // The owner of the slideshow's messages.
    virtual Hwnd Owner() = 0;
};

} // namespace gb
