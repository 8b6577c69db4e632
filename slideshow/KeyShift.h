#pragma once
// The shift state that key handlers receive with a key code: 1 Shift, 2 Ctrl, 4 Alt.
#include <Qt>

namespace gb {

inline int ShiftStateOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace gb
