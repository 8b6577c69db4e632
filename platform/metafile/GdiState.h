#pragma once
// The drawing state of a device context that SaveDC keeps and RestoreDC brings back:
// mapping, selected objects, colours and modes, current position and clip region.
#include "GdiMapping.h"
#include "GdiObjects.h"

#include <QColor>
#include <QPointF>
#include <QRegion>
#include <memory>

namespace gb {

struct GdiState {
    enum BackMode { Transparent = 1, Opaque = 2 };
    enum FillMode { Alternate = 1, Winding = 2 };
    enum ArcDirection { CounterClockwise = 1, Clockwise = 2 };
    enum TextAlign : uint32_t {
        UpdateCp = 1, AlignRight = 2, AlignCenter = 6, AlignHorizontalMask = 6,
        AlignBottom = 8, AlignBaseline = 24, AlignVerticalMask = 24,
    };
    enum Rop2 { R2Black = 1, R2NotCopyPen = 4, R2Not = 6, R2XorPen = 7, R2MaskPen = 9, R2Nop = 11, R2CopyPen = 13, R2MergePen = 15, R2White = 16 };

    GdiMapping mapping;
    LogPen pen;
    LogBrush brush;
    LogFont font;
    std::shared_ptr<const LogPalette> palette;
    uint32_t textColour = 0x000000;
    uint32_t backColour = 0xFFFFFF;
    int backMode = Opaque;
    int fillMode = Alternate;
    int rop2 = R2CopyPen;
    uint32_t textAlign = 0;
    int arcDirection = CounterClockwise;
    double charExtra = 0;
    QPointF position;
    // The clip region in the painter's device pixels; without it the whole target.
    bool clipped = false;
    QRegion clip;

    // A COLORREF as a colour: an explicit RGB, or an entry of the selected palette.
    QColor Colour(uint32_t colourRef) const {
        if ((colourRef >> 24) == 1 && palette && !palette->entries.empty())
            return QColor::fromRgb(palette->entries[(colourRef & 0xFFFF) % palette->entries.size()]);
        return QColor(colourRef & 0xFF, (colourRef >> 8) & 0xFF, (colourRef >> 16) & 0xFF);
    }
};

} // namespace gb
