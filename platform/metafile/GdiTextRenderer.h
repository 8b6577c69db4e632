#pragma once
// Text output of a device context: the font of the state made into a Qt font at the
// size the mapping gives it, text alignment, escapement, per-character advances, opaque
// and clipping rectangles. Glyphs stay upright and unmirrored whatever the mapping, as
// they do on the platform; only their position, size and baseline angle follow it.
#include "GdiState.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <vector>

namespace gb {

struct TextRun {
    enum Options : uint32_t { Opaque = 0x02, Clipped = 0x04, GlyphIndex = 0x10, Pdy = 0x2000 };
    QPointF reference;      // logical units
    QString text;
    // Advances in logical units, one per UTF-16 unit (0 for the second unit of a pair);
    // empty for the font's own advances. `dy` goes with the Pdy option.
    std::vector<double> dx;
    std::vector<double> dy;
    uint32_t options = 0;
    bool hasRect = false;
    QRectF rect;            // logical units, for Opaque and Clipped
};

class GdiTextRenderer {
public:
    // `toTarget` maps logical units to target coordinates; `base` maps those to the
    // painter's device pixels.
    GdiTextRenderer(const GdiState& state, const QTransform& toTarget, const QTransform& base);

    // Draws the run; returns how far the current position moves along x, in logical
    // units (for the update-current-position alignment).
    double Draw(QPainter& painter, const TextRun& run) const;
    // The outlines of the run in target coordinates, for a path bracket; `advance` as
    // Draw returns it.
    QPainterPath Outline(const TextRun& run, double* advance = nullptr) const;

    // The family this desktop uses for a face name of a metafile font.
    static QString FamilyFor(const LogFont& font);

private:
    struct Layout {
        QFont font;
        QTransform frame;          // text space (font pixels, baseline at y 0) to target
        std::vector<double> x;     // pen position of each cluster start, text space
        std::vector<double> y;
        std::vector<QString> clusters;
        double start = 0;          // x of the first cluster after alignment
        double width = 0;          // total advance, text space
        double ascent = 0;
        double descent = 0;
        double advanceLogical = 0; // total advance in logical units along x
        bool visible = false;
    };
    Layout MakeLayout(const TextRun& run) const;

    const GdiState& state_;
    QTransform toTarget_;
    QTransform base_;
};

} // namespace gb
