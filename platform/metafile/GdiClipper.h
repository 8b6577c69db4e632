#pragma once
// The clip region of a device context, kept in the painter's device pixels as the
// platform keeps it in device units: regions made from paths and rectangles, combined
// by the clip modes, and handed to the painter.
//
// Hostile files: combining costs work in proportion to the rectangles involved, and the
// work of one playback has a budget proportional to the file's size; once it is spent,
// further clip records are ignored. A region of more than a few thousand rectangles is
// replaced by its bounding box.
#include "GdiState.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <span>

namespace gb {

class GdiClipper {
public:
    enum Mode { And = 1, Or = 2, Xor = 3, Diff = 4, Copy = 5 };

    // `base` maps target coordinates to device pixels; `deviceTarget` is the target in
    // device pixels, which stands for "no clip region".
    GdiClipper(QPainter& painter, const QTransform& base, const QRect& deviceTarget, size_t fileSize);

    // The device pixels a path in target coordinates covers. Axis-aligned rectangles are
    // exact: left and top edges in, right and bottom edges out.
    QRegion Region(const QPainterPath& targetPath) const;
    // The union of rectangles given in some space that `toTarget` maps to the target.
    QRegion Region(std::span<const QRectF> rects, const QTransform& toTarget);

    void Combine(GdiState& state, const QRegion& region, int mode);
    void Offset(GdiState& state, QPointF deviceDelta);
    void Reset(GdiState& state);
    // Hands the state's region to the painter. The painter's level saved last belongs to
    // the clipper: it is restored and saved again around the new region.
    void Apply(const GdiState& state);

private:
    bool Spend(uint64_t work);

    QPainter& painter_;
    QTransform base_;
    QRect deviceTarget_;
    uint64_t work_ = 0;
    uint64_t budget_ = 0;
};

} // namespace gb
