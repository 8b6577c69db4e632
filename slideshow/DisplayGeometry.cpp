#include "DisplayGeometry.h"

#include "platform/draw/Rounding.h"

#include <cmath>

namespace gb {

QSize FitKeepingAspect(int width, int height, int boxWidth, int boxHeight) {
    // A zero side would divide by zero: nothing can be fitted.
    if (width <= 0 || height <= 0 || boxWidth <= 0 || boxHeight <= 0) return {0, 0};
    const double ratio = (double(width) / height) / (double(boxWidth) / boxHeight);
    if (std::floor(ratio) != 0)
        return {boxWidth, RoundHalfEven(double(height) / width * boxWidth)};
    return {RoundHalfEven(double(width) / height * boxHeight), boxHeight};
}

QRect FitCentred(int width, int height, int boxWidth, int boxHeight) {
    const QSize size = FitKeepingAspect(width, height, boxWidth, boxHeight);
    return {(boxWidth - size.width()) / 2, (boxHeight - size.height()) / 2, size.width(), size.height()};
}

} // namespace gb
