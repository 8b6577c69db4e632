#pragma once
// Colours as the program stores them: 0x00BBGGRR (red in the low byte).
#include <QColor>
#include <cstdint>

namespace gb {

using ColorRef = uint32_t;

constexpr ColorRef Rgb(int red, int green, int blue) {
    return ColorRef(red & 0xFF) | ColorRef(green & 0xFF) << 8 | ColorRef(blue & 0xFF) << 16;
}
constexpr int RedOf(ColorRef colour) { return int(colour & 0xFF); }
constexpr int GreenOf(ColorRef colour) { return int(colour >> 8 & 0xFF); }
constexpr int BlueOf(ColorRef colour) { return int(colour >> 16 & 0xFF); }

inline QColor ToQColor(ColorRef colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }
inline ColorRef FromQRgb(QRgb rgb) { return Rgb(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

// The answer of GetPixel for a point outside the drawing area.
constexpr ColorRef CLR_INVALID = 0xFFFFFFFFu;

} // namespace gb
