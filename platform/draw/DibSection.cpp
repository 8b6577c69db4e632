#include "DibSection.h"

#include <QPainter>

namespace gb {

std::unique_ptr<DibSection> DibSection::Create(const BitmapInfo* info) {
    DibLayout layout;
    if (!DescribeDib(info, layout)) return nullptr;
    std::unique_ptr<DibSection> dib(new DibSection);
    dib->bits_.assign(size_t(layout.ImageBytes()), 0);
    if (layout.bitCount == 8) {
        dib->colours_.assign(info->bmiColors, info->bmiColors + layout.colourCount);
        layout.colours = dib->colours_.data();
        dib->matcher_ = std::make_unique<PaletteMatcher>(dib->colours_);
    }
    dib->layout_ = layout;
    return dib;
}

QImage DibSection::Read(QRect& area) const {
    QImage image = DibToImage(bits_.data(), layout_, area);
    area = QRect(QPoint(0, 0), area.size());
    return image;
}

void DibSection::Write(QPoint at, const QImage& source, const QRect& area) {
    ImageToDib(bits_.data(), layout_, at, source, area, matcher_.get());
}

void DibSection::Paint(const QRect& touched, const std::function<void(QPainter&)>& draw) {
    if (touched.isEmpty()) return;
    QRect area = touched;
    QImage part = Read(area);
    {
        QPainter painter(&part);
        painter.translate(-touched.topLeft());
        painter.setClipRect(touched);
        draw(painter);
    }
    Write(touched.topLeft(), part, QRect(QPoint(0, 0), part.size()));
}

} // namespace gb
