#include "GdiClipper.h"

#include <algorithm>
#include <cmath>

namespace gb {
namespace {

// A clip region with more rectangles than this is replaced by its bounding box.
constexpr int kMaxClipRects = 4096;

bool Finite(const QRectF& r) {
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) && std::isfinite(r.height());
}

// Unites by halves, so that many parts cost n log n rather than n squared.
QRegion UniteAll(std::span<const QRegion> parts) {
    if (parts.empty()) return {};
    if (parts.size() == 1) return parts[0];
    size_t half = parts.size() / 2;
    return UniteAll(parts.first(half)) | UniteAll(parts.subspan(half));
}

} // namespace

GdiClipper::GdiClipper(QPainter& painter, const QTransform& base, const QRect& deviceTarget, size_t fileSize)
    : painter_(painter), base_(base), deviceTarget_(deviceTarget), budget_(4'000'000 + 64 * uint64_t(fileSize)) {}

bool GdiClipper::Spend(uint64_t work) {
    work_ += work;
    return work_ <= budget_;
}

QRegion GdiClipper::Region(const QPainterPath& targetPath) const {
    QPainterPath device = base_.map(targetPath);
    QRectF bounds = device.controlPointRect();
    if (!Finite(bounds)) return {};
    QRectF limit = QRectF(deviceTarget_).adjusted(-2, -2, 2, 2);
    if (device.elementCount() == 5 || device.elementCount() == 4) {
        QPolygonF polygon = device.toFillPolygon();
        bool axisAligned = true;
        for (qsizetype i = 0; i + 1 < polygon.size(); ++i)
            if (polygon[i].x() != polygon[i + 1].x() && polygon[i].y() != polygon[i + 1].y()) axisAligned = false;
        if (axisAligned) {
            QRectF r = bounds & limit;
            if (r.isEmpty()) return {};
            QPoint topLeft(int(std::lround(r.left())), int(std::lround(r.top())));
            QPoint bottomRight(int(std::lround(r.right())) - 1, int(std::lround(r.bottom())) - 1);
            return QRegion(QRect(topLeft, bottomRight));
        }
    }
    if (!bounds.intersects(limit)) return {};
    QPainterPath box;
    box.addRect(limit);
    QPainterPath inside = limit.contains(bounds) ? device : device.intersected(box);
    std::vector<QRegion> parts;
    for (const QPolygonF& polygon : inside.toFillPolygons()) parts.emplace_back(polygon.toPolygon(), device.fillRule());
    return UniteAll(parts);
}

QRegion GdiClipper::Region(std::span<const QRectF> rects, const QTransform& toTarget) {
    if (!Spend(rects.size())) return {};
    std::vector<QRegion> parts;
    parts.reserve(rects.size());
    for (const QRectF& r : rects) {
        QPainterPath path;
        path.addRect(r.normalized());
        QRegion part = Region(toTarget.map(path));
        if (!part.isEmpty()) parts.push_back(part);
    }
    return UniteAll(parts);
}

void GdiClipper::Combine(GdiState& state, const QRegion& region, int mode) {
    if (!Spend(uint64_t(region.rectCount()) + uint64_t(state.clipped ? state.clip.rectCount() : 1))) return;
    QRegion current = state.clipped ? state.clip : QRegion(deviceTarget_);
    QRegion result;
    switch (mode) {
    case And: result = current & region; break;
    case Or: result = current | region; break;
    case Xor: result = current ^ region; break;
    case Diff: result = current - region; break;
    case Copy: result = region; break;
    default: return;
    }
    if (result.rectCount() > kMaxClipRects) result = QRegion(result.boundingRect());
    state.clip = result;
    state.clipped = true;
    Apply(state);
}

void GdiClipper::Offset(GdiState& state, QPointF deviceDelta) {
    if (!state.clipped || !std::isfinite(deviceDelta.x()) || !std::isfinite(deviceDelta.y())) return;
    int limit = std::max(deviceTarget_.width(), deviceTarget_.height()) + 16;
    int dx = int(std::lround(std::clamp(deviceDelta.x(), double(-limit), double(limit))));
    int dy = int(std::lround(std::clamp(deviceDelta.y(), double(-limit), double(limit))));
    state.clip.translate(dx, dy);
    state.clip &= QRegion(deviceTarget_.adjusted(-2, -2, 2, 2));
    Apply(state);
}

void GdiClipper::Reset(GdiState& state) {
    if (!state.clipped) return;
    state.clipped = false;
    state.clip = QRegion();
    Apply(state);
}

void GdiClipper::Apply(const GdiState& state) {
    painter_.restore();
    painter_.save();
    if (state.clipped) {
        painter_.resetTransform();
        painter_.setClipRegion(state.clip, Qt::IntersectClip);
        painter_.setTransform(base_);
    }
}

} // namespace gb
