#pragma once
// A rectangle of a window's design in twips, placed in pixels at this screen's density.
#include "Desktop.h"

#include <QRect>

namespace gb {

struct TwipRect {
    int left, top, width, height;
    QRect Pixels() const {
        const int x = TwipsPerPixelX(), y = TwipsPerPixelY();
        return {left / x, top / y, width / x, height / y};
    }
};

} // namespace gb
