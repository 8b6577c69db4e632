#pragma once
// The state the main window keeps for its slideshow controls.
#include <cstdint>

namespace gb {

struct ControlState {
    bool Dragging = false;     // the jog slider is being dragged (a button or navigation key is held)
    int16_t LastJog = 0;       // slider position last acted on while not dragging
    bool SavedTopmost = false; // the always-on-top state while a dialog is open
    int32_t Mode = 0;          // 0 before the first call, then 1, 2 or 3
    int16_t LastShown = 0;     // index of the picture last sent to the theater window
};

} // namespace gb
