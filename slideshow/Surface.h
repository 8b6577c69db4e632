#pragma once
// One drawing area of the transition renderer: a device context, the persistent image
// behind it, and the rectangle drawn in (pixels).
#include "platform/draw/DrawHandles.h"
#include "platform/draw/Picture.h"

#include <cstdint>

namespace gb {

struct Surface {
    Hdc hDC = 0;
    Picture Image;
    int16_t Left = 0;
    int16_t Top = 0;
    int16_t Width = 0;
    int16_t Height = 0;
};

} // namespace gb
