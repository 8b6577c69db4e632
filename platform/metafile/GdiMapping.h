#pragma once
// The coordinate mapping of a device context: map mode, window and viewport origins and
// extents, and the world transform of enhanced metafiles. It yields the transform from
// logical units to device units.
//
// Two flavours. An enhanced metafile plays against its reference device (the device it
// was recorded on, described by its size in pixels and millimetres) with the full rules
// of the map modes. A Windows metafile plays with a fixed viewport, the rectangle it is
// drawn into: its window origin and extent say which logical rectangle fills it, its
// viewport records are ignored (they would address a device the file knows nothing of),
// and every map mode but the isotropic one counts as anisotropic.
#include <QPointF>
#include <QSizeF>
#include <QTransform>

namespace gb {

class GdiMapping {
public:
    enum MapMode { Text = 1, LoMetric = 2, HiMetric = 3, LoEnglish = 4, HiEnglish = 5, Twips = 6, Isotropic = 7, Anisotropic = 8 };
    enum WorldMode { Identity = 1, LeftMultiply = 2, RightMultiply = 3, Set = 4 };

    // Enhanced metafile: the reference device. Sizes that are not positive are replaced
    // by a 96 DPI screen.
    void SetReferenceDevice(QSizeF pixels, QSizeF millimetres);
    // Windows metafile: the viewport is fixed to this rectangle of device units.
    void SetFixedViewport(QPointF origin, QSizeF extent);

    int MapMode() const { return mode_; }
    void SetMapMode(int mode);
    void SetWindowOrg(QPointF origin) { windowOrg_ = origin; }
    void SetViewportOrg(QPointF origin);
    void OffsetWindowOrg(QPointF delta) { windowOrg_ += delta; }
    void OffsetViewportOrg(QPointF delta);
    void SetWindowExt(QSizeF extent);
    void SetViewportExt(QSizeF extent);
    void ScaleWindowExt(double xNum, double xDenom, double yNum, double yDenom);
    void ScaleViewportExt(double xNum, double xDenom, double yNum, double yDenom);
    QPointF WindowOrg() const { return windowOrg_; }
    QSizeF WindowExt() const { return windowExt_; }
    // True once the window extent was set by a record (not only by the player).
    bool WindowExtSet() const { return windowExtSet_; }

    const QTransform& WorldTransform() const { return world_; }
    // Both refuse a transform that is not finite or not invertible.
    bool SetWorldTransform(const QTransform& transform);
    bool ModifyWorldTransform(const QTransform& transform, int mode);

    // Page space (after the world transform) to device units.
    QTransform PageTransform() const;
    // Logical units to device units.
    QTransform LogicalToDevice() const { return world_ * PageTransform(); }

private:
    bool Scalable() const { return fixedViewport_ || mode_ == Isotropic || mode_ == Anisotropic; }
    void EffectiveExtents(QSizeF& window, QSizeF& viewport) const;

    bool fixedViewport_ = false;
    int mode_ = Text;
    QPointF windowOrg_;
    QPointF viewportOrg_;
    QSizeF windowExt_{1, 1};
    QSizeF viewportExt_{1, 1};
    bool windowExtSet_ = false;
    QSizeF devicePixels_{1024, 768};
    QSizeF deviceMillimetres_{1024 * 25.4 / 96, 768 * 25.4 / 96};
    QTransform world_;
};

} // namespace gb
