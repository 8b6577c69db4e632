#pragma once
// A device context that draws onto a QPainter: the drawing operations both metafile
// players share (lines, curves, shapes, regions, bitmaps, text, clipping, paths, saved
// states), with GDI's rules for pens, brushes, mix modes and raster operations.
//
// Coordinates come in logical units. The state's mapping takes them to device units;
// `SetDeviceToTarget` takes device units to the target rectangle (an enhanced
// metafile's reference device is scaled onto it; a Windows metafile's viewport already
// is it). Clip regions are kept in the painter's device pixels, as a device context
// keeps them in device units, and drawing never leaves the target rectangle.
//
// Hostile input: geometry far outside the target is cut to a margin around it before
// Qt sees it, pen widths and font sizes are bounded, the saved-state stack has a depth
// limit, and clip regions have a work budget (GdiClipper).
#include "GdiClipper.h"
#include "GdiState.h"
#include "GdiTextRenderer.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <optional>
#include <span>
#include <vector>

namespace gb {

class GdiCanvas {
public:
    enum class ArcKind { Arc, ArcTo, Chord, Pie };
    enum StretchMode { Halftone = 4 };
    static constexpr int kMaxSavedStates = 1024;

    GdiCanvas(QPainter& painter, const QRectF& target, size_t fileSize);
    ~GdiCanvas();
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    GdiState& State() { return state_; }
    const GdiState& State() const { return state_; }
    void SetDeviceToTarget(const QTransform& transform) { deviceToTarget_ = transform; }
    QTransform LogicalToTarget() const { return state_.mapping.LogicalToDevice() * deviceToTarget_; }
    int StretchBltMode() const { return stretchMode_; }
    void SetStretchBltMode(int mode) { stretchMode_ = mode; }

    bool SaveDC();
    // Negative: that many states back; positive: the state of that SaveDC.
    void RestoreDC(int which);

    void MoveTo(QPointF p);
    void LineTo(QPointF p);
    void Polyline(std::span<const QPointF> points);
    void PolylineTo(std::span<const QPointF> points);
    void PolyBezier(std::span<const QPointF> points);
    void PolyBezierTo(std::span<const QPointF> points);
    void PolyDraw(std::span<const QPointF> points, std::span<const uint8_t> types);
    void Polygon(std::span<const QPointF> points);
    void PolyPolygon(std::span<const QPointF> points, std::span<const uint32_t> counts);
    void PolyPolyline(std::span<const QPointF> points, std::span<const uint32_t> counts);

    // Shapes given by their bounding rectangle.
    void Rectangle(QRectF r);
    void RoundRect(QRectF r, QSizeF corner);
    void Ellipse(QRectF r);
    void Arc(QRectF r, QPointF start, QPointF end, ArcKind kind);
    void AngleArc(QPointF centre, double radius, double startDegrees, double sweepDegrees);
    void SetPixel(QPointF p, uint32_t colour);

    void FillRegion(const GdiRegion& region, const LogBrush& brush);
    void FrameRegion(const GdiRegion& region, const LogBrush& brush, QSizeF size);
    void InvertRegion(const GdiRegion& region);
    void PaintRegion(const GdiRegion& region) { FillRegion(region, state_.brush); }

    // Block transfers. `source` is a rectangle of the image's pixels (rows top down);
    // its size and the destination's may be negative, which mirrors.
    void PatBlt(QRectF dest, uint32_t rop);
    void StretchImage(const QImage& image, QRectF source, QRectF dest, uint32_t rop, double opacity = 1.0);
    // Draws the image's `source` rectangle through `sourceToLogical` (parallelograms).
    void TransformImage(const QImage& image, QRectF source, const QTransform& sourceToLogical);

    void TextOut(const TextRun& run);
    // Fills a logical path with a brush given in logical units (gradients).
    void FillWith(const QPainterPath& logical, QBrush brush);

    void IntersectClipRect(QRectF logical);
    void ExcludeClipRect(QRectF logical);
    void OffsetClip(QPointF logicalDelta);
    // Rectangles in device units (an enhanced metafile's clip region records).
    void SelectClipDeviceRects(std::span<const QRectF> rects, int mode);
    // A region in logical units (a Windows metafile's clip region).
    void SelectClipRegion(const GdiRegion& region);
    void ResetClip();
    void SelectClipPath(int mode);

    void BeginPath();
    void EndPath() { inPath_ = false; }
    void AbortPath();
    void CloseFigure();
    void FillPath() { FinishPath(true, false); }
    void StrokePath() { FinishPath(false, true); }
    void StrokeAndFillPath() { FinishPath(true, true); }
    void WidenPath();
    bool InPath() const { return inPath_; }

private:
    QPainterPath RectPath(QRectF r, bool insideFrame) const;
    QPainterPath ArcPath(QRectF r, QPointF start, QPointF end, ArcKind kind) const;
    // Draws a logical path, or adds it to the open path bracket.
    void Draw(const QPainterPath& logical, bool fill, bool stroke);
    void DrawTarget(QPainterPath path, bool fill, bool stroke, const LogBrush& brush);
    void AddToPath(const QPainterPath& targetPath, bool continueFigure);
    void FinishPath(bool fill, bool stroke);
    QPen MakePen(const QTransform& toTarget) const;
    QBrush MakeBrush(const LogBrush& brush) const;
    QColor MixColour(QColor colour) const;
    // False when the mix mode draws nothing.
    bool ApplyMixMode();
    bool ApplyRop(uint32_t rop);
    bool Sane(const QRectF& targetBounds) const;
    QPainterPath CutToSafe(const QPainterPath& path, bool closed) const;

    QPainter& painter_;
    QRectF target_;
    QTransform base_;           // target coordinates to device pixels
    QTransform deviceToTarget_;
    QRect deviceTarget_;        // the target in device pixels
    QRectF safeTarget_;         // the margin geometry is cut to, in target coordinates
    bool rasterOps_ = false;
    int stretchMode_ = 1;
    GdiState state_;
    std::vector<GdiState> saved_;
    bool inPath_ = false;
    bool needMove_ = true;
    QPainterPath path_;         // target coordinates
    std::optional<GdiClipper> clipper_; // made once the device geometry is known
};

} // namespace gb
