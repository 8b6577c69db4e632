#pragma once
// Reading and writing the pixel memory of a device-independent bitmap: 8 bits with a
// palette, 24 bits (blue, green, red) or 32 bits per pixel, rows padded to 4 bytes,
// bottom row first unless the height is negative.
#include "BitmapInfo.h"

#include <QImage>
#include <QRect>
#include <cstdint>

namespace gb {

class PaletteMatcher;

struct DibLayout {
    int width = 0;
    int height = 0; // rows, always positive
    bool bottomUp = true;
    int bitCount = 0;
    uint32_t stride = 0;
    const RgbQuad* colours = nullptr; // 8 bits: the palette
    int colourCount = 0;

    uint64_t ImageBytes() const { return uint64_t(stride) * uint64_t(height); }
    // Offset of row `y` counted from the top of the picture.
    uint64_t RowOffset(int y) const { return uint64_t(bottomUp ? height - 1 - y : y) * stride; }
};

// The largest DIB the drawing layer makes or reads: 32767 pixels a side, 512 MB.
constexpr int kMaxDibSide = 32767;
constexpr uint64_t kMaxDibBytes = 512ull << 20;

// Fills `layout` from a description; false for what the layer does not draw
// (compression, bit counts other than 8, 24 and 32, absurd sizes).
bool DescribeDib(const BitmapInfo* info, DibLayout& layout);

// The pixels of `area` (top-down coordinates inside the bitmap) as an RGB32 image.
QImage DibToImage(const uint8_t* bits, const DibLayout& layout, const QRect& area);

// Writes `area` of `source` into the bitmap with its top-left corner at `at`. On
// 8 bits each pixel takes the nearest colour of the palette.
void ImageToDib(uint8_t* bits, const DibLayout& layout, QPoint at, const QImage& source, const QRect& area,
                PaletteMatcher* matcher);

} // namespace gb
