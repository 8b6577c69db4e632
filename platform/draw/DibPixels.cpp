#include "DibPixels.h"

#include "PaletteMatcher.h"

namespace gb {

bool DescribeDib(const BitmapInfo* info, DibLayout& layout) {
    if (!info) return false;
    const BitmapInfoHeader& h = info->bmiHeader;
    if (h.biSize < 40 || h.biCompression != BI_RGB || h.biWidth <= 0 || h.biHeight == 0) return false;
    if (h.biBitCount != 8 && h.biBitCount != 24 && h.biBitCount != 32) return false;
    const int64_t rows = h.biHeight < 0 ? -int64_t(h.biHeight) : int64_t(h.biHeight);
    if (h.biWidth > kMaxDibSide || rows > kMaxDibSide) return false;
    layout.width = h.biWidth;
    layout.height = int(rows);
    layout.bottomUp = h.biHeight > 0;
    layout.bitCount = h.biBitCount;
    layout.stride = DibStride(h.biWidth, h.biBitCount);
    if (layout.ImageBytes() > kMaxDibBytes) return false;
    layout.colours = h.biBitCount == 8 ? info->bmiColors : nullptr;
    layout.colourCount = h.biBitCount == 8 ? int(h.biClrUsed == 0 || h.biClrUsed > 256 ? 256 : h.biClrUsed) : 0;
    return true;
}

QImage DibToImage(const uint8_t* bits, const DibLayout& layout, const QRect& area) {
    QImage image(area.size(), QImage::Format_RGB32);
    if (image.isNull()) return image;
    QRgb palette[256];
    if (layout.bitCount == 8) {
        for (int i = 0; i < 256; ++i) {
            const RgbQuad c = i < layout.colourCount ? layout.colours[i] : RgbQuad{};
            palette[i] = qRgb(c.rgbRed, c.rgbGreen, c.rgbBlue);
        }
    }
    const int bytesPerPixel = layout.bitCount / 8;
    for (int y = 0; y < area.height(); ++y) {
        const uint8_t* from = bits + layout.RowOffset(area.y() + y) + size_t(area.x()) * bytesPerPixel;
        QRgb* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int w = area.width();
        switch (layout.bitCount) {
        case 8:
            for (int x = 0; x < w; ++x) to[x] = palette[from[x]];
            break;
        case 24:
            for (int x = 0; x < w; ++x, from += 3) to[x] = qRgb(from[2], from[1], from[0]);
            break;
        default:
            for (int x = 0; x < w; ++x, from += 4) to[x] = qRgb(from[2], from[1], from[0]);
            break;
        }
    }
    return image;
}

void ImageToDib(uint8_t* bits, const DibLayout& layout, QPoint at, const QImage& source, const QRect& area,
                PaletteMatcher* matcher) {
    if (area.isEmpty()) return;
    QImage converted;
    const QImage* from = &source;
    QRect part = area;
    if (source.format() != QImage::Format_RGB32 && source.format() != QImage::Format_ARGB32) {
        converted = source.copy(area).convertToFormat(QImage::Format_RGB32);
        from = &converted;
        part = QRect(QPoint(0, 0), area.size());
    }
    const int bytesPerPixel = layout.bitCount / 8;
    for (int y = 0; y < part.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(from->constScanLine(part.y() + y)) + part.x();
        uint8_t* out = bits + layout.RowOffset(at.y() + y) + size_t(at.x()) * bytesPerPixel;
        const int w = part.width();
        switch (layout.bitCount) {
        case 8:
            for (int x = 0; x < w; ++x)
                out[x] = matcher ? matcher->Nearest(uint8_t(qRed(in[x])), uint8_t(qGreen(in[x])), uint8_t(qBlue(in[x]))) : 0;
            break;
        case 24:
            for (int x = 0; x < w; ++x, out += 3) {
                out[0] = uint8_t(qBlue(in[x]));
                out[1] = uint8_t(qGreen(in[x]));
                out[2] = uint8_t(qRed(in[x]));
            }
            break;
        default:
            for (int x = 0; x < w; ++x, out += 4) {
                out[0] = uint8_t(qBlue(in[x]));
                out[1] = uint8_t(qGreen(in[x]));
                out[2] = uint8_t(qRed(in[x]));
                out[3] = 0;
            }
            break;
        }
    }
}

} // namespace gb
