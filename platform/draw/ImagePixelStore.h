#pragma once
// A pixel store over a 32-bit QImage (RGB32): device-dependent bitmaps and the screen
// and persistent images of a canvas.
#include "PixelStore.h"

namespace gb {

class ImagePixelStore : public PixelStore {
public:
    explicit ImagePixelStore(QSize size = QSize(0, 0), QRgb fill = 0xFF000000u);

    QSize Size() const override { return image_.size(); }
    QImage Read(QRect& area) const override;
    void Write(QPoint at, const QImage& source, const QRect& area) override;
    void Paint(const QRect& touched, const std::function<void(QPainter&)>& draw) override;

    const QImage& Image() const { return image_; }
    QImage& Image() { return image_; }
    // A new size; what fits stays at its place, the rest is `fill`.
    void Resize(QSize size, QRgb fill);

private:
    QImage image_;
};

} // namespace gb
