#include "GdiMapping.h"

#include <cmath>

namespace gb {
namespace {

bool Usable(double v) { return std::isfinite(v) && v != 0 && std::fabs(v) < 1e12; }

bool Sane(const QTransform& t) {
    const double m[] = {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()};
    for (double v : m)
        if (!std::isfinite(v) || std::fabs(v) > 1e12) return false;
    double det = t.m11() * t.m22() - t.m12() * t.m21();
    return std::isfinite(det) && std::fabs(det) > 1e-18;
}

} // namespace

void GdiMapping::SetReferenceDevice(QSizeF pixels, QSizeF millimetres) {
    if (Usable(pixels.width()) && Usable(pixels.height()) && pixels.width() > 0 && pixels.height() > 0 &&
        Usable(millimetres.width()) && Usable(millimetres.height()) && millimetres.width() > 0 &&
        millimetres.height() > 0) {
        devicePixels_ = pixels;
        deviceMillimetres_ = millimetres;
    }
}

void GdiMapping::SetFixedViewport(QPointF origin, QSizeF extent) {
    fixedViewport_ = true;
    mode_ = Anisotropic;
    viewportOrg_ = origin;
    viewportExt_ = extent;
}

void GdiMapping::SetMapMode(int mode) {
    if (mode < Text || mode > Anisotropic) return;
    if (fixedViewport_) {
        mode_ = mode == Isotropic ? Isotropic : Anisotropic;
        return;
    }
    if ((mode == Isotropic || mode == Anisotropic) && !Scalable()) {
        // Switching to a scalable mode keeps the extents the old mode implied.
        EffectiveExtents(windowExt_, viewportExt_);
    }
    mode_ = mode;
}

void GdiMapping::SetViewportOrg(QPointF origin) {
    if (!fixedViewport_) viewportOrg_ = origin;
}

void GdiMapping::OffsetViewportOrg(QPointF delta) {
    if (!fixedViewport_) viewportOrg_ += delta;
}

void GdiMapping::SetWindowExt(QSizeF extent) {
    if (!Scalable() || !Usable(extent.width()) || !Usable(extent.height())) return;
    windowExt_ = extent;
    windowExtSet_ = true;
}

void GdiMapping::SetViewportExt(QSizeF extent) {
    if (fixedViewport_ || !Scalable() || !Usable(extent.width()) || !Usable(extent.height())) return;
    viewportExt_ = extent;
}

void GdiMapping::ScaleWindowExt(double xNum, double xDenom, double yNum, double yDenom) {
    if (!Usable(xNum) || !Usable(xDenom) || !Usable(yNum) || !Usable(yDenom)) return;
    SetWindowExt(QSizeF(windowExt_.width() * xNum / xDenom, windowExt_.height() * yNum / yDenom));
}

void GdiMapping::ScaleViewportExt(double xNum, double xDenom, double yNum, double yDenom) {
    if (!Usable(xNum) || !Usable(xDenom) || !Usable(yNum) || !Usable(yDenom)) return;
    SetViewportExt(QSizeF(viewportExt_.width() * xNum / xDenom, viewportExt_.height() * yNum / yDenom));
}

bool GdiMapping::SetWorldTransform(const QTransform& transform) {
    if (!Sane(transform)) return false;
    world_ = transform;
    return true;
}

bool GdiMapping::ModifyWorldTransform(const QTransform& transform, int mode) {
    switch (mode) {
    case Identity: world_ = QTransform(); return true;
    case LeftMultiply: return SetWorldTransform(transform * world_);
    case RightMultiply: return SetWorldTransform(world_ * transform);
    case Set: return SetWorldTransform(transform);
    default: return false;
    }
}

void GdiMapping::EffectiveExtents(QSizeF& window, QSizeF& viewport) const {
    double perMillimetre = 0;
    switch (mode_) {
    case Text: window = viewport = QSizeF(1, 1); return;
    case LoMetric: perMillimetre = 10; break;
    case HiMetric: perMillimetre = 100; break;
    case LoEnglish: perMillimetre = 100 / 25.4; break;
    case HiEnglish: perMillimetre = 1000 / 25.4; break;
    case Twips: perMillimetre = 1440 / 25.4; break;
    default: break;
    }
    if (perMillimetre > 0) {
        // The metric modes: y grows upwards, one unit is a fixed physical length.
        window = QSizeF(deviceMillimetres_.width() * perMillimetre, deviceMillimetres_.height() * perMillimetre);
        viewport = QSizeF(devicePixels_.width(), -devicePixels_.height());
        return;
    }
    window = windowExt_;
    viewport = viewportExt_;
    if (mode_ == Isotropic) {
        // Equal physical scale on both axes: the larger scale shrinks to the smaller.
        double pixelWidth = fixedViewport_ ? 1.0 : deviceMillimetres_.width() / devicePixels_.width();
        double pixelHeight = fixedViewport_ ? 1.0 : deviceMillimetres_.height() / devicePixels_.height();
        double xs = std::fabs(viewport.width() / window.width()) * pixelWidth;
        double ys = std::fabs(viewport.height() / window.height()) * pixelHeight;
        if (xs > ys) viewport.setWidth(viewport.width() * ys / xs);
        else if (ys > xs) viewport.setHeight(viewport.height() * xs / ys);
    }
}

QTransform GdiMapping::PageTransform() const {
    QSizeF window, viewport;
    EffectiveExtents(window, viewport);
    double sx = viewport.width() / window.width();
    double sy = viewport.height() / window.height();
    if (!std::isfinite(sx) || !std::isfinite(sy)) sx = sy = 1;
    return QTransform(sx, 0, 0, sy, viewportOrg_.x() - windowOrg_.x() * sx, viewportOrg_.y() - windowOrg_.y() * sy);
}

} // namespace gb
