#include "ImagePixelStore.h"

#include <QPainter>
#include <cstring>

namespace gb {

ImagePixelStore::ImagePixelStore(QSize size, QRgb fill)
    : image_(size.expandedTo(QSize(0, 0)), QImage::Format_RGB32) {
    image_.fill(fill);
}

QImage ImagePixelStore::Read(QRect&) const { return image_; }

void ImagePixelStore::Write(QPoint at, const QImage& source, const QRect& area) {
    if (area.isEmpty()) return;
    const bool plain = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32;
    if (!plain) {
        QPainter painter(&image_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(at, source, area);
        return;
    }
    // Same pixel layout: copy the rows (memmove, because source and target may be
    // one image when a store copies within itself).
    const size_t bytes = size_t(area.width()) * 4;
    uchar* target = image_.bits(); // detaches when the source shares the data
    const qsizetype targetStride = image_.bytesPerLine();
    const uchar* from = source.constBits();
    const qsizetype sourceStride = source.bytesPerLine();
    if (from == target && area.y() < at.y()) {
        for (int row = area.height() - 1; row >= 0; --row)
            std::memmove(target + (at.y() + row) * targetStride + at.x() * 4,
                         from + (area.y() + row) * sourceStride + area.x() * 4, bytes);
    } else {
        for (int row = 0; row < area.height(); ++row)
            std::memmove(target + (at.y() + row) * targetStride + at.x() * 4,
                         from + (area.y() + row) * sourceStride + area.x() * 4, bytes);
    }
}

void ImagePixelStore::Paint(const QRect& touched, const std::function<void(QPainter&)>& draw) {
    if (image_.isNull()) return;
    QPainter painter(&image_);
    painter.setClipRect(touched);
    draw(painter);
}

void ImagePixelStore::Resize(QSize size, QRgb fill) {
    size = size.expandedTo(QSize(0, 0));
    if (size == image_.size()) return;
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(fill);
    if (!image_.isNull() && !resized.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, image_);
    }
    image_ = resized;
}

} // namespace gb
