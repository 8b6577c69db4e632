#pragma once
// What a device context draws into: the pixels of a bitmap, a DIB section or one of
// the images of a canvas. Block transfers read and write through this interface, so
// that each kind of store keeps its own pixel format.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <functional>

class QPainter;

namespace gb {

class PixelStore {
public:
    virtual ~PixelStore() = default;

    virtual QSize Size() const = 0;
    QRect Bounds() const { return QRect(QPoint(0, 0), Size()); }

    // The pixels of `area` (inside the store) as an image; on return `area` tells
    // where they lie in that image. A store that keeps a QImage answers with it
    // (shared, not copied).
    virtual QImage Read(QRect& area) const = 0;

    // Copies `area` of `source` to the store with its top-left corner at `at`,
    // replacing what was there. The caller has clipped both rectangles.
    virtual void Write(QPoint at, const QImage& source, const QRect& area) = 0;

    // Draws with a painter in the store's pixel coordinates; `touched` bounds what
    // the drawing may change (clipped by the caller).
    virtual void Paint(const QRect& touched, const std::function<void(QPainter&)>& draw) = 0;
};

} // namespace gb
