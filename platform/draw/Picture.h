#pragma once
// Picture objects: a bitmap, icon, metafile or enhanced metafile with its size in
// HIMETRIC units (hundredths of a millimetre), as the platform's picture loader hands
// them out. A picture is a value; copies share their pixels.
#include <QImage>
#include <QRect>
#include <cstdint>
#include <memory>
#include <string>

class QPainter;

namespace gb {

enum class PictureType : int16_t { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhancedMetafile = 4 };

// Plays the records of a metafile scaled into a rectangle (the metafile reader
// provides it).
class MetafilePlayer {
public:
    virtual ~MetafilePlayer() = default;
    virtual void Play(QPainter& painter, const QRectF& target) const = 0;
};

// HIMETRIC to pixels: HIMETRIC x 0.567 rounded to whole twips (halves to even), then
// integer-divided by the twips per pixel.
int HimetricToPixels(int32_t himetric, int twipsPerPixel);
// Pixels to HIMETRIC, chosen so that HimetricToPixels gives the pixels back.
int32_t PixelsToHimetric(int pixels, int twipsPerPixel);

class Picture {
public:
    Picture() = default; // no picture (type None)

    // A bitmap (or icon) picture of the image's pixels; its HIMETRIC size is that of
    // the pixels at the screen's resolution.
    static Picture FromImage(const QImage& image, PictureType type = PictureType::Bitmap);
    static Picture FromMetafile(PictureType type, int32_t himetricWidth, int32_t himetricHeight,
                                std::shared_ptr<const MetafilePlayer> player);

    PictureType Type() const { return type_; }
    bool IsEmpty() const { return type_ == PictureType::None; }
    bool IsMetafile() const { return type_ == PictureType::Metafile || type_ == PictureType::EnhancedMetafile; }
    int32_t Width() const { return width_; }   // HIMETRIC
    int32_t Height() const { return height_; } // HIMETRIC
    // The size in pixels at the screen's twips per pixel.
    int PixelWidth() const;
    int PixelHeight() const;
    // The pixels of a bitmap or icon (null for metafiles).
    const QImage& Image() const { return image_; }

    // Draws the picture scaled into `target`; transparent parts leave what is below.
    void Draw(QPainter& painter, const QRect& target) const;

private:
    PictureType type_ = PictureType::None;
    int32_t width_ = 0;
    int32_t height_ = 0;
    QImage image_;
    std::shared_ptr<const MetafilePlayer> player_;
};

// Writes a bitmap picture as an uncompressed 24-bit bitmap file (bottom row first),
// replacing the file as a whole. False for a non-bitmap picture or a failed write.
bool SavePictureFile(const Picture& picture, const std::string& path);

} // namespace gb
