#pragma once
// A DIB section: a device-independent bitmap whose pixel memory belongs to the drawing
// layer and is handed to its creator, who may change the bytes directly. Block
// transfers into it convert to its format (nearest palette colour on 8 bits).
#include "BitmapInfo.h"
#include "DibPixels.h"
#include "PaletteMatcher.h"
#include "PixelStore.h"

#include <memory>
#include <vector>

namespace gb {

class DibSection : public PixelStore {
public:
    // nullptr when the description is not one the layer draws.
    static std::unique_ptr<DibSection> Create(const BitmapInfo* info);

    QSize Size() const override { return QSize(layout_.width, layout_.height); }
    QImage Read(QRect& area) const override;
    void Write(QPoint at, const QImage& source, const QRect& area) override;
    void Paint(const QRect& touched, const std::function<void(QPainter&)>& draw) override;

    uint8_t* Bits() { return bits_.data(); }
    const DibLayout& Layout() const { return layout_; }

private:
    DibSection() = default;

    std::vector<uint8_t> bits_;
    std::vector<RgbQuad> colours_;
    DibLayout layout_;
    std::unique_ptr<PaletteMatcher> matcher_;
};

} // namespace gb
