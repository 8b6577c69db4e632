#pragma once
// The description of a device-independent bitmap: the 40-byte header and up to 256
// palette entries (blue, green, red, reserved), laid out as the platform defines them.
#include <cstdint>

namespace gb {

struct BitmapInfoHeader {
    uint32_t biSize = 40;
    int32_t biWidth = 0;
    int32_t biHeight = 0; // positive: bottom row first; negative: top row first
    uint16_t biPlanes = 1;
    uint16_t biBitCount = 0;
    uint32_t biCompression = 0;
    uint32_t biSizeImage = 0;
    int32_t biXPelsPerMeter = 0;
    int32_t biYPelsPerMeter = 0;
    uint32_t biClrUsed = 0;
    uint32_t biClrImportant = 0;
};
static_assert(sizeof(BitmapInfoHeader) == 40);

struct RgbQuad {
    uint8_t rgbBlue = 0;
    uint8_t rgbGreen = 0;
    uint8_t rgbRed = 0;
    uint8_t rgbReserved = 0;
};
static_assert(sizeof(RgbQuad) == 4);

struct BitmapInfo {
    BitmapInfoHeader bmiHeader;
    RgbQuad bmiColors[256];
};

constexpr uint32_t BI_RGB = 0;
constexpr unsigned DIB_RGB_COLORS = 0;
constexpr unsigned DIB_PAL_COLORS = 1;

// Bytes per row of a DIB: rows are padded to a multiple of 4 bytes.
constexpr uint32_t DibStride(int32_t width, int bitCount) {
    return uint32_t((uint64_t(width > 0 ? width : 0) * uint64_t(bitCount) + 31) / 32 * 4);
}

} // namespace gb
