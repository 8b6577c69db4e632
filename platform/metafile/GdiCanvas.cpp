#include "GdiCanvas.h"

#include <QPaintEngine>
#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>

namespace gb {
namespace {

// An open path bracket stops growing at this many elements.
constexpr int kMaxPathElements = 1 << 20;

double ScaleOf(const QTransform& t) {
    double det = t.m11() * t.m22() - t.m12() * t.m21();
    return std::sqrt(std::fabs(det));
}

double Determinant(const QTransform& t) { return t.m11() * t.m22() - t.m12() * t.m21(); }

bool Finite(const QRectF& r) {
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) && std::isfinite(r.height());
}

// Cuts the segment a-b to the rectangle (Liang-Barsky); false when nothing is left.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& r) {
    double t0 = 0, t1 = 1;
    double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
        } else {
            double t = q[i] / p[i];
            if (p[i] < 0) t0 = std::max(t0, t);
            else t1 = std::min(t1, t);
        }
    }
    if (t0 > t1) return false;
    QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    return true;
}

QPainter::CompositionMode RopMode(int index, bool& known) {
    known = true;
    switch (index) {
    case 0x33: return QPainter::RasterOp_NotSource;
    case 0x88: return QPainter::RasterOp_SourceAndDestination;
    case 0xEE: return QPainter::RasterOp_SourceOrDestination;
    case 0x66: return QPainter::RasterOp_SourceXorDestination;
    case 0x44: return QPainter::RasterOp_SourceAndNotDestination;
    case 0x11: return QPainter::RasterOp_NotSourceAndNotDestination;
    case 0x99: return QPainter::RasterOp_NotSourceXorDestination;
    case 0xBB: return QPainter::RasterOp_NotSourceOrDestination;
    case 0x22: return QPainter::RasterOp_NotSourceAndDestination;
    case 0x77: return QPainter::RasterOp_NotSourceOrNotDestination;
    case 0xDD: return QPainter::RasterOp_SourceOrNotDestination;
    default: known = false; return QPainter::CompositionMode_SourceOver;
    }
}

bool IsPatternRop(int index) {
    switch (index) {
    case 0x00: case 0xFF: case 0x55: case 0x5A: case 0xAA: case 0xF0: return true;
    default: return false;
    }
}

} // namespace

GdiCanvas::GdiCanvas(QPainter& painter, const QRectF& target, size_t fileSize)
    : painter_(painter), target_(target.normalized()) {
    painter_.save();
    base_ = painter_.combinedTransform();
    bool clipped = painter_.hasClipping();
    painter_.resetTransform();
    painter_.setTransform(base_);
    painter_.setClipRect(target_, clipped ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.setOpacity(1.0);
    painter_.save(); // the level that metafile clip regions replace
    QRectF device = base_.mapRect(target_);
    if (!Finite(device)) device = QRectF();
    deviceTarget_ = device.toAlignedRect();
    double margin = std::max(device.width(), device.height()) * 2 + 1024;
    QRectF safeDevice = device.adjusted(-margin, -margin, margin, margin);
    safeTarget_ = base_.isInvertible() ? base_.inverted().mapRect(safeDevice) : safeDevice;
    rasterOps_ = painter_.paintEngine() && painter_.paintEngine()->type() == QPaintEngine::Raster;
    clipper_.emplace(painter_, base_, deviceTarget_, fileSize);
}

GdiCanvas::~GdiCanvas() {
    painter_.restore();
    painter_.restore();
}

bool GdiCanvas::SaveDC() {
    if (saved_.size() >= kMaxSavedStates) return false;
    saved_.push_back(state_);
    return true;
}

void GdiCanvas::RestoreDC(int which) {
    int64_t index = which < 0 ? int64_t(saved_.size()) + which : int64_t(which) - 1;
    if (which == 0 || index < 0 || index >= int64_t(saved_.size())) return;
    state_ = std::move(saved_[size_t(index)]);
    saved_.resize(size_t(index));
    clipper_->Apply(state_);
}

// ----- lines and curves -----

void GdiCanvas::MoveTo(QPointF p) {
    state_.position = p;
    if (inPath_) needMove_ = true;
}

void GdiCanvas::LineTo(QPointF p) {
    QPainterPath path(state_.position);
    path.lineTo(p);
    state_.position = p;
    if (inPath_) AddToPath(LogicalToTarget().map(path), true);
    else Draw(path, false, true);
}

void GdiCanvas::Polyline(std::span<const QPointF> points) {
    if (points.size() < 2) return;
    QPainterPath path(points[0]);
    for (size_t i = 1; i < points.size(); ++i) path.lineTo(points[i]);
    Draw(path, false, true);
}

void GdiCanvas::PolylineTo(std::span<const QPointF> points) {
    if (points.empty()) return;
    QPainterPath path(state_.position);
    for (const QPointF& p : points) path.lineTo(p);
    state_.position = points.back();
    if (inPath_) AddToPath(LogicalToTarget().map(path), true);
    else Draw(path, false, true);
}

void GdiCanvas::PolyBezier(std::span<const QPointF> points) {
    if (points.size() < 4 || (points.size() - 1) % 3 != 0) return;
    QPainterPath path(points[0]);
    for (size_t i = 1; i + 2 < points.size(); i += 3) path.cubicTo(points[i], points[i + 1], points[i + 2]);
    Draw(path, false, true);
}

void GdiCanvas::PolyBezierTo(std::span<const QPointF> points) {
    if (points.size() < 3 || points.size() % 3 != 0) return;
    QPainterPath path(state_.position);
    for (size_t i = 0; i + 2 < points.size(); i += 3) path.cubicTo(points[i], points[i + 1], points[i + 2]);
    state_.position = points.back();
    if (inPath_) AddToPath(LogicalToTarget().map(path), true);
    else Draw(path, false, true);
}

void GdiCanvas::PolyDraw(std::span<const QPointF> points, std::span<const uint8_t> types) {
    enum { CloseFigureFlag = 1, LineToType = 2, BezierToType = 4, MoveToType = 6 };
    size_t n = std::min(points.size(), types.size());
    QPainterPath path(state_.position);
    QPointF figureStart = state_.position;
    for (size_t i = 0; i < n; ++i) {
        uint8_t type = types[i] & ~CloseFigureFlag;
        if (type == MoveToType) {
            path.moveTo(points[i]);
            figureStart = points[i];
            state_.position = points[i];
            continue;
        }
        if (type == LineToType) {
            path.lineTo(points[i]);
            state_.position = points[i];
        } else if (type == BezierToType && i + 2 < n) {
            path.cubicTo(points[i], points[i + 1], points[i + 2]);
            i += 2;
            state_.position = points[i];
        } else {
            break; // a malformed sequence ends the figure list, as the platform rejects it
        }
        if (types[i] & CloseFigureFlag) {
            path.closeSubpath();
            state_.position = figureStart;
        }
    }
    if (inPath_) AddToPath(LogicalToTarget().map(path), true);
    else Draw(path, false, true);
}

void GdiCanvas::Polygon(std::span<const QPointF> points) {
    if (points.size() < 2) return;
    QPainterPath path(points[0]);
    for (size_t i = 1; i < points.size(); ++i) path.lineTo(points[i]);
    path.closeSubpath();
    Draw(path, true, true);
}

// Figures of `counts` points each, one after the other; counts beyond the points end
// the list, figures of fewer than two points are left out.
static QPainterPath Figures(std::span<const QPointF> points, std::span<const uint32_t> counts, bool closed) {
    QPainterPath path;
    size_t at = 0;
    for (uint32_t count : counts) {
        if (count > points.size() - at) break;
        if (count >= 2) {
            path.moveTo(points[at]);
            for (size_t i = 1; i < count; ++i) path.lineTo(points[at + i]);
            if (closed) path.closeSubpath();
        }
        at += count;
    }
    return path;
}

void GdiCanvas::PolyPolygon(std::span<const QPointF> points, std::span<const uint32_t> counts) {
    Draw(Figures(points, counts, true), true, true);
}

void GdiCanvas::PolyPolyline(std::span<const QPointF> points, std::span<const uint32_t> counts) {
    Draw(Figures(points, counts, false), false, true);
}

// ----- shapes -----

QPainterPath GdiCanvas::RectPath(QRectF r, bool insideFrame) const {
    r = r.normalized();
    if (insideFrame && state_.pen.BaseStyle() == LogPen::InsideFrame && state_.pen.width > 1) {
        double half = state_.pen.width / 2;
        if (r.width() > 2 * half && r.height() > 2 * half) r.adjust(half, half, -half, -half);
    }
    QPainterPath path;
    path.addRect(r);
    return path;
}

void GdiCanvas::Rectangle(QRectF r) { Draw(RectPath(r, true), true, true); }

void GdiCanvas::RoundRect(QRectF r, QSizeF corner) {
    QRectF box = RectPath(r, true).boundingRect();
    QPainterPath path;
    path.addRoundedRect(box, std::fabs(corner.width()) / 2, std::fabs(corner.height()) / 2);
    Draw(path, true, true);
}

void GdiCanvas::Ellipse(QRectF r) {
    QPainterPath path;
    path.addEllipse(RectPath(r, true).boundingRect());
    Draw(path, true, true);
}

QPainterPath GdiCanvas::ArcPath(QRectF r, QPointF start, QPointF end, ArcKind kind) const {
    QRectF box = r.normalized();
    QPainterPath path;
    if (box.width() <= 0 || box.height() <= 0) return path;
    QPointF c = box.center();
    double rx = box.width() / 2, ry = box.height() / 2;
    auto angleOf = [&](QPointF p) {
        double x = (p.x() - c.x()) / rx, y = -(p.y() - c.y()) / ry;
        return (x == 0 && y == 0) ? 0.0 : std::atan2(y, x) * 180 / M_PI;
    };
    double a0 = angleOf(start), a1 = angleOf(end);
    // Arcs run counterclockwise as seen on the device; a mapping that mirrors turns the
    // logical direction round.
    bool ccw = state_.arcDirection != GdiState::Clockwise;
    if (Determinant(LogicalToTarget()) < 0) ccw = !ccw;
    double sweep = std::fmod(a1 - a0, 360.0);
    if (ccw) {
        if (sweep <= 0) sweep += 360;
    } else {
        if (sweep >= 0) sweep -= 360;
    }
    switch (kind) {
    case ArcKind::Arc:
    case ArcKind::Chord:
        path.arcMoveTo(box, a0);
        path.arcTo(box, a0, sweep);
        if (kind == ArcKind::Chord) path.closeSubpath();
        break;
    case ArcKind::ArcTo:
        path.moveTo(state_.position);
        path.arcTo(box, a0, sweep);
        break;
    case ArcKind::Pie:
        path.moveTo(c);
        path.arcTo(box, a0, sweep);
        path.closeSubpath();
        break;
    }
    return path;
}

void GdiCanvas::Arc(QRectF r, QPointF start, QPointF end, ArcKind kind) {
    QPainterPath path = ArcPath(r, start, end, kind);
    if (path.isEmpty()) return;
    if (kind == ArcKind::ArcTo) {
        state_.position = path.currentPosition();
        if (inPath_) AddToPath(LogicalToTarget().map(path), true);
        else Draw(path, false, true);
        return;
    }
    bool closed = kind == ArcKind::Chord || kind == ArcKind::Pie;
    Draw(path, closed, true);
}

void GdiCanvas::AngleArc(QPointF centre, double radius, double startDegrees, double sweepDegrees) {
    if (!(radius >= 0) || !std::isfinite(startDegrees) || !std::isfinite(sweepDegrees)) return;
    sweepDegrees = std::clamp(sweepDegrees, -360.0, 360.0);
    startDegrees = std::fmod(startDegrees, 360.0);
    QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path(state_.position);
    path.arcTo(box, startDegrees, sweepDegrees);
    state_.position = path.currentPosition();
    if (inPath_) AddToPath(LogicalToTarget().map(path), true);
    else Draw(path, false, true);
}

void GdiCanvas::SetPixel(QPointF p, uint32_t colour) {
    if (inPath_) return;
    QPointF d = (LogicalToTarget() * base_).map(p);
    if (!deviceTarget_.contains(QPoint(int(std::floor(std::clamp(d.x(), -1e9, 1e9))), int(std::floor(std::clamp(d.y(), -1e9, 1e9))))))
        return;
    painter_.save();
    painter_.resetTransform();
    painter_.fillRect(QRectF(std::floor(d.x()), std::floor(d.y()), 1, 1), state_.Colour(colour));
    painter_.restore();
}

// ----- regions -----

void GdiCanvas::FillRegion(const GdiRegion& region, const LogBrush& brush) {
    if (inPath_) return;
    QPainterPath path;
    for (const QRectF& r : region.rects) path.addRect(r.normalized());
    DrawTarget(LogicalToTarget().map(path), true, false, brush);
}

void GdiCanvas::FrameRegion(const GdiRegion& region, const LogBrush& brush, QSizeF size) {
    if (inPath_) return;
    double w = std::fabs(size.width()), h = std::fabs(size.height());
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const QRectF& r : region.rects) {
        QRectF outer = r.normalized();
        path.addRect(outer);
        QRectF inner = outer.adjusted(w, h, -w, -h);
        if (inner.width() > 0 && inner.height() > 0) path.addRect(inner);
    }
    LogBrush b = brush;
    int saved = state_.fillMode;
    state_.fillMode = GdiState::Alternate;
    DrawTarget(LogicalToTarget().map(path), true, false, b);
    state_.fillMode = saved;
}

void GdiCanvas::InvertRegion(const GdiRegion& region) {
    if (inPath_ || !rasterOps_) return;
    QPainterPath path;
    for (const QRectF& r : region.rects) path.addRect(r.normalized());
    path = LogicalToTarget().map(path);
    if (!Sane(path.controlPointRect())) path = CutToSafe(path, true);
    painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter_.fillPath(path, Qt::black);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// ----- drawing -----

void GdiCanvas::Draw(const QPainterPath& logical, bool fill, bool stroke) {
    QPainterPath path = LogicalToTarget().map(logical);
    if (inPath_) {
        AddToPath(path, false);
        return;
    }
    DrawTarget(path, fill, stroke, state_.brush);
}

bool GdiCanvas::Sane(const QRectF& bounds) const {
    return Finite(bounds) && safeTarget_.contains(bounds);
}

QPainterPath GdiCanvas::CutToSafe(const QPainterPath& path, bool closed) const {
    QPainterPath out;
    if (!Finite(path.controlPointRect())) return out;
    if (closed) {
        QPainterPath box;
        box.addRect(safeTarget_);
        out = path.intersected(box);
        out.setFillRule(path.fillRule());
        return out;
    }
    for (const QPolygonF& polygon : path.toSubpathPolygons()) {
        bool open = false;
        for (qsizetype i = 0; i + 1 < polygon.size(); ++i) {
            QPointF a = polygon[i], b = polygon[i + 1];
            if (!ClipSegment(a, b, safeTarget_)) {
                open = false;
                continue;
            }
            if (!open || a != polygon[i]) out.moveTo(a);
            out.lineTo(b);
            open = b == polygon[i + 1];
        }
    }
    return out;
}

void GdiCanvas::DrawTarget(QPainterPath path, bool fill, bool stroke, const LogBrush& brush) {
    if (path.isEmpty()) return;
    path.setFillRule(state_.fillMode == GdiState::Winding ? Qt::WindingFill : Qt::OddEvenFill);
    QRectF bounds = path.controlPointRect();
    if (!Finite(bounds)) return;
    bool sane = Sane(bounds);
    QTransform toTarget = LogicalToTarget();
    if (!ApplyMixMode()) return;
    painter_.setBackgroundMode(state_.backMode == GdiState::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_.setBackground(state_.Colour(state_.backColour));
    if (fill && brush.style != LogBrush::Null) {
        QPainterPath area = sane ? path : CutToSafe(path, true);
        painter_.fillPath(area, MakeBrush(brush));
    }
    if (stroke) {
        QPen pen = MakePen(toTarget);
        if (pen.style() != Qt::NoPen) {
            QPainterPath line = sane ? path : CutToSafe(path, false);
            painter_.strokePath(line, pen);
        }
    }
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QColor GdiCanvas::MixColour(QColor colour) const {
    if (state_.rop2 == GdiState::R2Black) return Qt::black;
    if (state_.rop2 == GdiState::R2White) return Qt::white;
    return colour;
}

bool GdiCanvas::ApplyMixMode() {
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (state_.rop2) {
    case GdiState::R2Nop: return false;
    case GdiState::R2Not: mode = QPainter::RasterOp_NotDestination; break;
    case GdiState::R2XorPen: mode = QPainter::RasterOp_SourceXorDestination; break;
    case GdiState::R2MaskPen: mode = QPainter::RasterOp_SourceAndDestination; break;
    case GdiState::R2MergePen: mode = QPainter::RasterOp_SourceOrDestination; break;
    case GdiState::R2NotCopyPen: mode = QPainter::RasterOp_NotSource; break;
    default: break;
    }
    if (mode != QPainter::CompositionMode_SourceOver && !rasterOps_) {
        // Only raster images know these mixes; inverting the destination cannot be
        // imitated, the others draw as a plain copy.
        if (state_.rop2 == GdiState::R2Not) return false;
        mode = QPainter::CompositionMode_SourceOver;
    }
    painter_.setCompositionMode(mode);
    return true;
}

bool GdiCanvas::ApplyRop(uint32_t rop) {
    bool known = false;
    QPainter::CompositionMode mode = RopMode(int((rop >> 16) & 0xFF), known);
    painter_.setCompositionMode(known && rasterOps_ ? mode : QPainter::CompositionMode_SourceOver);
    return true;
}

QPen GdiCanvas::MakePen(const QTransform& toTarget) const {
    const LogPen& lp = state_.pen;
    uint32_t style = lp.BaseStyle();
    if (style == LogPen::Null) return QPen(Qt::NoPen);
    QPen pen(MixColour(state_.Colour(lp.colour)));
    double scale = ScaleOf(toTarget);
    double width = lp.width * scale;
    double deviceWidth = width * ScaleOf(base_);
    bool geometric = lp.extended ? (lp.style & LogPen::Geometric) != 0 : lp.width > 0;
    bool cosmetic = !geometric || !std::isfinite(deviceWidth) || deviceWidth < 1.0;
    if (cosmetic) {
        pen.setWidth(0);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        double diagonal = std::hypot(safeTarget_.width(), safeTarget_.height());
        pen.setWidthF(std::min(width, diagonal));
        uint32_t cap = lp.extended ? (lp.style & LogPen::EndCapMask) : LogPen::EndCapRound;
        uint32_t join = lp.extended ? (lp.style & LogPen::JoinMask) : LogPen::JoinRound;
        pen.setCapStyle(cap == LogPen::EndCapSquare ? Qt::SquareCap : cap == LogPen::EndCapFlat ? Qt::FlatCap : Qt::RoundCap);
        pen.setJoinStyle(join == LogPen::JoinBevel ? Qt::BevelJoin : join == LogPen::JoinMiter ? Qt::MiterJoin : Qt::RoundJoin);
    }
    // Styled lines: cosmetic pens count in device pixels, extended geometric pens in
    // pen widths; a plain pen wider than a pixel draws solid.
    QList<qreal> dashes;
    bool scaled = !cosmetic && lp.extended;
    switch (style) {
    case LogPen::Dash: dashes = scaled ? QList<qreal>{3, 1} : QList<qreal>{18, 6}; break;
    case LogPen::Dot: dashes = scaled ? QList<qreal>{1, 1} : QList<qreal>{3, 3}; break;
    case LogPen::DashDot: dashes = scaled ? QList<qreal>{3, 1, 1, 1} : QList<qreal>{9, 6, 3, 6}; break;
    case LogPen::DashDotDot: dashes = scaled ? QList<qreal>{3, 1, 1, 1, 1, 1} : QList<qreal>{9, 3, 3, 3, 3, 3}; break;
    case LogPen::Alternate: dashes = {1, 1}; break;
    case LogPen::UserStyle: {
        double unit = scaled ? lp.width : 1.0;
        for (double v : lp.userStyle) {
            double d = unit > 0 ? v / unit : v;
            dashes.push_back(std::isfinite(d) ? std::clamp(d, 0.01, 1e4) : 1.0);
        }
        if (dashes.size() % 2) dashes.push_back(dashes.back());
        break;
    }
    default: break;
    }
    if (!dashes.isEmpty() && (cosmetic || lp.extended)) pen.setDashPattern(dashes);
    return pen;
}

QBrush GdiCanvas::MakeBrush(const LogBrush& lb) const {
    QColor colour = MixColour(state_.Colour(lb.colour));
    QBrush brush;
    switch (lb.style) {
    case LogBrush::Null: return QBrush(Qt::NoBrush);
    case LogBrush::Hatched: {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                                 Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        brush = QBrush(colour, lb.hatch < 6 ? hatches[lb.hatch] : Qt::SolidPattern);
        break;
    }
    case LogBrush::Pattern:
    case LogBrush::DibPattern:
    case LogBrush::DibPatternPt: {
        if (lb.pattern.isNull()) return QBrush(colour);
        QImage pattern = lb.pattern;
        if (lb.monochrome) {
            // A monochrome pattern takes the text colour for 0 bits and the background
            // colour for 1 bits.
            pattern = pattern.convertToFormat(QImage::Format_RGB32);
            QRgb zero = state_.Colour(state_.textColour).rgb(), one = state_.Colour(state_.backColour).rgb();
            for (int y = 0; y < pattern.height(); ++y) {
                QRgb* line = reinterpret_cast<QRgb*>(pattern.scanLine(y));
                for (int x = 0; x < pattern.width(); ++x) line[x] = qRed(line[x]) < 128 ? zero : one;
            }
        }
        brush = QBrush(pattern);
        break;
    }
    default: brush = QBrush(colour); break;
    }
    // Patterns are laid out in device pixels.
    if (brush.style() != Qt::SolidPattern && base_.isInvertible()) {
        QTransform linear(base_.m11(), base_.m12(), base_.m21(), base_.m22(), 0, 0);
        brush.setTransform(linear.inverted());
    }
    return brush;
}

// ----- block transfers -----

void GdiCanvas::PatBlt(QRectF dest, uint32_t rop) {
    if (inPath_) return;
    int index = int((rop >> 16) & 0xFF);
    if (index == 0xAA) return;
    QPainterPath path;
    path.addRect(dest.normalized());
    path = LogicalToTarget().map(path);
    if (!Finite(path.controlPointRect())) return;
    if (!Sane(path.controlPointRect())) path = CutToSafe(path, true);
    QBrush brush;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (index) {
    case 0x00: brush = QBrush(Qt::black); break;
    case 0xFF: brush = QBrush(Qt::white); break;
    case 0x55:
        if (!rasterOps_) return;
        brush = QBrush(Qt::black);
        mode = QPainter::RasterOp_NotDestination;
        break;
    case 0x5A:
        if (!rasterOps_ || state_.brush.style == LogBrush::Null) return;
        brush = MakeBrush(state_.brush);
        mode = QPainter::RasterOp_SourceXorDestination;
        break;
    default:
        if (state_.brush.style == LogBrush::Null) return;
        brush = MakeBrush(state_.brush);
        break;
    }
    painter_.setBackgroundMode(state_.backMode == GdiState::Opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_.setBackground(state_.Colour(state_.backColour));
    painter_.setCompositionMode(mode);
    painter_.fillPath(path, brush);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void GdiCanvas::StretchImage(const QImage& image, QRectF source, QRectF dest, uint32_t rop, double opacity) {
    if (inPath_) return;
    int index = int((rop >> 16) & 0xFF);
    if (IsPatternRop(index)) {
        PatBlt(dest, rop);
        return;
    }
    if (image.isNull() || source.width() == 0 || source.height() == 0 || dest.width() == 0 || dest.height() == 0)
        return;
    QRectF clipped = source.normalized() & QRectF(image.rect());
    if (clipped.isEmpty()) return;
    QTransform toLogical = QTransform::fromTranslate(-source.x(), -source.y()) *
                           QTransform::fromScale(dest.width() / source.width(), dest.height() / source.height()) *
                           QTransform::fromTranslate(dest.x(), dest.y());
    painter_.save();
    ApplyRop(rop);
    painter_.setOpacity(std::clamp(opacity, 0.0, 1.0));
    TransformImage(image, clipped, toLogical);
    painter_.restore();
}

void GdiCanvas::TransformImage(const QImage& image, QRectF source, const QTransform& sourceToLogical) {
    if (inPath_ || image.isNull() || source.isEmpty()) return;
    QTransform toTarget = sourceToLogical * LogicalToTarget();
    QRectF bounds = toTarget.mapRect(source);
    if (!Finite(bounds) || !toTarget.isInvertible() || bounds.width() < 1e-9 || bounds.height() < 1e-9) return;
    if (!bounds.intersects(safeTarget_)) return;
    painter_.save();
    painter_.setTransform(toTarget * base_);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, stretchMode_ == Halftone);
    painter_.drawImage(source, image, source);
    painter_.restore();
}

void GdiCanvas::FillWith(const QPainterPath& logical, QBrush brush) {
    if (inPath_) return;
    QTransform toTarget = LogicalToTarget();
    QPainterPath path = toTarget.map(logical);
    QRectF bounds = path.controlPointRect();
    if (!Finite(bounds)) return;
    if (!Sane(bounds)) path = CutToSafe(path, true);
    brush.setTransform(brush.transform() * toTarget);
    painter_.fillPath(path, brush);
}

// ----- text -----

void GdiCanvas::TextOut(const TextRun& run) {
    TextRun actual = run;
    bool update = state_.textAlign & GdiState::UpdateCp;
    if (update) actual.reference = state_.position;
    GdiTextRenderer renderer(state_, LogicalToTarget(), base_);
    double advance = 0;
    if (inPath_) {
        QPainterPath outline = renderer.Outline(actual, &advance);
        AddToPath(outline, false);
    } else {
        QPointF at = LogicalToTarget().map(actual.reference);
        if (!std::isfinite(at.x()) || !std::isfinite(at.y()) || !safeTarget_.contains(at)) return;
        advance = renderer.Draw(painter_, actual);
    }
    if (update) {
        uint32_t horizontal = state_.textAlign & GdiState::AlignHorizontalMask;
        if (horizontal == GdiState::AlignRight) state_.position.rx() -= advance;
        else if (horizontal != GdiState::AlignCenter) state_.position.rx() += advance;
    }
}

// ----- clipping -----

void GdiCanvas::IntersectClipRect(QRectF logical) {
    QRectF rect[] = {logical};
    clipper_->Combine(state_, clipper_->Region(rect, LogicalToTarget()), GdiClipper::And);
}

void GdiCanvas::ExcludeClipRect(QRectF logical) {
    QRectF rect[] = {logical};
    clipper_->Combine(state_, clipper_->Region(rect, LogicalToTarget()), GdiClipper::Diff);
}

void GdiCanvas::OffsetClip(QPointF logicalDelta) {
    QTransform toDevice = LogicalToTarget() * base_;
    clipper_->Offset(state_, toDevice.map(logicalDelta) - toDevice.map(QPointF(0, 0)));
}

void GdiCanvas::SelectClipDeviceRects(std::span<const QRectF> rects, int mode) {
    if (rects.empty()) {
        if (mode == GdiClipper::Copy) clipper_->Reset(state_);
        return;
    }
    clipper_->Combine(state_, clipper_->Region(rects, deviceToTarget_), mode);
}

void GdiCanvas::SelectClipRegion(const GdiRegion& region) {
    if (region.rects.empty()) clipper_->Reset(state_);
    else clipper_->Combine(state_, clipper_->Region(region.rects, LogicalToTarget()), GdiClipper::Copy);
}

void GdiCanvas::ResetClip() { clipper_->Reset(state_); }

void GdiCanvas::SelectClipPath(int mode) {
    QPainterPath path = path_;
    inPath_ = false;
    path_ = QPainterPath();
    if (path.isEmpty()) return;
    path.setFillRule(state_.fillMode == GdiState::Winding ? Qt::WindingFill : Qt::OddEvenFill);
    clipper_->Combine(state_, clipper_->Region(path), mode);
}

// ----- paths -----

void GdiCanvas::AddToPath(const QPainterPath& targetPath, bool continueFigure) {
    if (targetPath.isEmpty() || path_.elementCount() + targetPath.elementCount() > kMaxPathElements) return;
    if (continueFigure && !needMove_ && !path_.isEmpty()) path_.connectPath(targetPath);
    else path_.addPath(targetPath);
    needMove_ = !continueFigure;
}

void GdiCanvas::BeginPath() {
    inPath_ = true;
    needMove_ = true;
    path_ = QPainterPath();
}

void GdiCanvas::AbortPath() {
    inPath_ = false;
    path_ = QPainterPath();
}

void GdiCanvas::CloseFigure() {
    if (!inPath_ || path_.isEmpty()) return;
    path_.closeSubpath();
    needMove_ = true;
}

void GdiCanvas::FinishPath(bool fill, bool stroke) {
    inPath_ = false;
    QPainterPath path = path_;
    path_ = QPainterPath();
    DrawTarget(path, fill, stroke, state_.brush);
}

void GdiCanvas::WidenPath() {
    if (path_.isEmpty()) return;
    QPen pen = MakePen(LogicalToTarget());
    if (pen.style() == Qt::NoPen) return;
    QPainterPathStroker stroker(pen);
    double devScale = ScaleOf(base_);
    if (pen.widthF() <= 0 && devScale > 0) stroker.setWidth(1 / devScale);
    QPainterPath path = Sane(path_.controlPointRect()) ? path_ : CutToSafe(path_, false);
    path_ = stroker.createStroke(path);
}

} // namespace gb
