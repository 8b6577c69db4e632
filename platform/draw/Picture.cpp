#include "Picture.h"

#include "BitmapInfo.h"
#include "DibPixels.h"
#include "Rounding.h"
#include "platform/Desktop.h"
#include "platform/FileReplace.h"

#include <QPainter>
#include <cstring>

namespace gb {

int HimetricToPixels(int32_t himetric, int twipsPerPixel) {
    if (twipsPerPixel <= 0) twipsPerPixel = 1;
    return RoundHalfEven(double(himetric) * 0.567) / twipsPerPixel;
}

int32_t PixelsToHimetric(int pixels, int twipsPerPixel) {
    // pixels * tpp / 0.567 lands within 0.29 twips of the pixel's twips once
    // multiplied back, so the round trip is exact.
    return RoundHalfEven(double(pixels) * double(twipsPerPixel) / 0.567);
}

Picture Picture::FromImage(const QImage& image, PictureType type) {
    Picture picture;
    if (image.isNull()) return picture;
    picture.type_ = type == PictureType::Icon ? PictureType::Icon : PictureType::Bitmap;
    picture.image_ = image;
    picture.width_ = PixelsToHimetric(image.width(), TwipsPerPixelX());
    picture.height_ = PixelsToHimetric(image.height(), TwipsPerPixelY());
    return picture;
}

Picture Picture::FromMetafile(PictureType type, int32_t himetricWidth, int32_t himetricHeight,
                              std::shared_ptr<const MetafilePlayer> player) {
    Picture picture;
    if (!player || (type != PictureType::Metafile && type != PictureType::EnhancedMetafile)) return picture;
    picture.type_ = type;
    picture.width_ = himetricWidth;
    picture.height_ = himetricHeight;
    picture.player_ = std::move(player);
    return picture;
}

int Picture::PixelWidth() const { return HimetricToPixels(width_, TwipsPerPixelX()); }
int Picture::PixelHeight() const { return HimetricToPixels(height_, TwipsPerPixelY()); }

void Picture::Draw(QPainter& painter, const QRect& target) const {
    if (target.isEmpty()) return;
    if (player_) {
        painter.save();
        player_->Play(painter, QRectF(target));
        painter.restore();
        return;
    }
    if (image_.isNull()) return;
    if (target.size() == image_.size()) {
        painter.drawImage(target.topLeft(), image_);
        return;
    }
    // A strong reduction averages all source pixels (area filter); milder scaling
    // interpolates while drawing.
    if (target.width() * 2 < image_.width() || target.height() * 2 < image_.height()) {
        painter.drawImage(target.topLeft(),
                          image_.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, image_);
    painter.restore();
}

bool SavePictureFile(const Picture& picture, const std::string& path) {
    if (picture.Type() != PictureType::Bitmap || picture.Image().isNull()) return false;
    const QImage image = picture.Image().convertToFormat(QImage::Format_RGB32);
    const int width = image.width(), height = image.height();
    const uint32_t stride = DibStride(width, 24);
    const uint64_t imageBytes = uint64_t(stride) * uint64_t(height);
    if (imageBytes > kMaxDibBytes) return false;
    const uint32_t offset = 14 + 40;
    std::string file(offset + imageBytes, '\0');
    auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&file[at], &v, 4); };
    file[0] = 'B', file[1] = 'M';
    put32(2, uint32_t(offset + imageBytes));
    put32(10, offset);
    BitmapInfoHeader header;
    header.biWidth = width;
    header.biHeight = height;
    header.biBitCount = 24;
    header.biSizeImage = uint32_t(imageBytes);
    header.biXPelsPerMeter = header.biYPelsPerMeter = 3780; // 96 dots per inch
    std::memcpy(&file[14], &header, sizeof header);
    DibLayout layout;
    layout.width = width, layout.height = height, layout.bottomUp = true, layout.bitCount = 24, layout.stride = stride;
    ImageToDib(reinterpret_cast<uint8_t*>(&file[offset]), layout, QPoint(0, 0), image, image.rect(), nullptr);
    return ReplaceFileContents(path, file);
}

} // namespace gb
