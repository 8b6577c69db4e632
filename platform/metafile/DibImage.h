#pragma once
// Device-independent bitmaps as metafile records carry them: a header (the 12-byte core
// header or the 40-byte information header and its longer successors), a colour table
// and the pixel rows. Every size is checked against the bytes that are there, and the
// decoded image never holds more pixels than the bits can describe (a small factor for
// run-length and embedded JPEG/PNG data), so a hostile header cannot make us allocate.
#include <QImage>
#include <QRgb>
#include <cstdint>
#include <span>
#include <vector>

namespace gb {

struct DibOptions {
    // The colour table holds 16-bit indices into `palette` (DIB_PAL_COLORS) instead of
    // RGB quads.
    bool paletteIndices = false;
    const std::vector<QRgb>* palette = nullptr;
    // Keep the fourth byte of 32-bit pixels as (premultiplied) alpha, for blends that
    // ask for it; otherwise every pixel is opaque.
    bool keepAlpha = false;
};

// `info` is the header with its colour table, `bits` the pixel data. A null image when
// the bitmap cannot be decoded.
QImage DecodeDib(std::span<const uint8_t> info, std::span<const uint8_t> bits, const DibOptions& options = {});
// A packed bitmap: header, colour table and bits one after the other.
QImage DecodePackedDib(std::span<const uint8_t> packed, const DibOptions& options = {});
// The old device-dependent bitmap of Windows metafiles (type, width, height, bytes per
// row, planes, bits per pixel, bits). Monochrome bits map 0 to `zero` and 1 to `one`.
QImage DecodeBitmap16(std::span<const uint8_t> bytes, QRgb zero, QRgb one);

// The number of bytes a DIB header with its colour table takes, or 0 when it is not a
// header we know. Lets a reader find where the bits of a packed bitmap start.
size_t DibInfoSize(std::span<const uint8_t> info, bool paletteIndices);
// Whether the rows of the bitmap are stored bottom row first, which puts the origin of
// source rectangles at the lower-left corner.
bool DibBottomUp(std::span<const uint8_t> info);

} // namespace gb
