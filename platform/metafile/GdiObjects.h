#pragma once
// The drawing objects a metafile creates and selects: pens, brushes, fonts, palettes
// and regions, as plain values. Coordinates and sizes are in the metafile's logical
// units; colours are COLORREF words (0x00BBGGRR, or a palette index with 0x01 on top).
#include <QImage>
#include <QRectF>
#include <QRgb>
#include <QString>
#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

namespace gb {

struct LogPen {
    enum Style : uint32_t {
        Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4, Null = 5, InsideFrame = 6,
        UserStyle = 7, Alternate = 8, StyleMask = 0x0F,
        EndCapRound = 0x000, EndCapSquare = 0x100, EndCapFlat = 0x200, EndCapMask = 0xF00,
        JoinRound = 0x0000, JoinBevel = 0x1000, JoinMiter = 0x2000, JoinMask = 0xF000,
        Geometric = 0x10000,
    };
    uint32_t style = Solid;
    double width = 0;      // 0: one device pixel whatever the mapping
    uint32_t colour = 0;
    bool extended = false; // from ExtCreatePen: cosmetic unless Geometric, styles scale
    std::vector<double> userStyle;

    uint32_t BaseStyle() const { return style & StyleMask; }
};

struct LogBrush {
    enum Style : uint32_t { Solid = 0, Null = 1, Hatched = 2, Pattern = 3, DibPattern = 5, DibPatternPt = 6 };
    uint32_t style = Solid;
    uint32_t colour = 0xFFFFFF;
    uint32_t hatch = 0;
    QImage pattern;            // Pattern and DibPattern brushes
    bool monochrome = false;   // a 1-bit pattern drawn in the text and background colours
};

struct LogFont {
    int32_t height = 0;
    int32_t width = 0;
    int32_t escapement = 0; // tenths of a degree, counterclockwise
    int32_t orientation = 0;
    int32_t weight = 0;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    uint8_t charSet = 1; // DEFAULT_CHARSET
    uint8_t pitchAndFamily = 0;
    QString face;
};

struct LogPalette {
    std::vector<QRgb> entries;
};

// A region as the rectangles it is made of, in logical units.
struct GdiRegion {
    std::vector<QRectF> rects;
};

using GdiObject = std::variant<std::monostate, LogPen, LogBrush, LogFont, std::shared_ptr<LogPalette>, GdiRegion>;

// The charset codes that decide how 8-bit text is read.
enum CharSet : uint8_t { AnsiCharSet = 0, DefaultCharSet = 1, SymbolCharSet = 2, ShiftJisCharSet = 128, OemCharSet = 255 };

} // namespace gb
