#pragma once
// Metafile pictures: Windows metafiles (with or without the placeable header) and
// enhanced metafiles, read from their bytes and drawn scaled into any rectangle.
//
// The size is reported in HIMETRIC units (0.01 mm), as the platform's picture loader
// reports it:
// - placeable Windows metafile: the bounding box times 2540 divided by the units per
//   inch of its header, rounded to the nearest unit;
// - Windows metafile without placeable header: the window extent its records set, in
//   the units of its map mode (logical units of the scalable modes count as pixels at
//   96 DPI); a file that sets no extent is measured by the bounds of what it draws, in
//   pixels at 96 DPI. A placeable header whose box is empty or whose units per inch are
//   0 is sized the same way;
// - enhanced metafile: its frame rectangle, already in 0.01 mm (or, when the frame is
//   empty, the bounds of its drawing on its reference device).
//
// Playing draws the records only; filling the background (white for metafiles) is the
// caller's. Nothing is drawn outside the target rectangle.
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace gb {

// The picture types of the platform's picture objects that metafiles have.
enum class MetafileType { Wmf = 2, Emf = 4 };

class Metafile {
public:
    MetafileType Type() const { return type_; }
    // 2 for a Windows metafile, 4 for an enhanced metafile.
    int PictureType() const { return int(type_); }
    QSize HimetricSize() const { return himetric_; }
    int HimetricWidth() const { return himetric_.width(); }
    int HimetricHeight() const { return himetric_.height(); }
    std::span<const uint8_t> Bytes() const { return *bytes_; }

    // Draws the picture scaled into `target` (in the painter's current coordinates).
    void Play(QPainter& painter, const QRectF& target) const;

private:
    friend std::optional<Metafile> ReadMetafile(std::span<const uint8_t> bytes);

    MetafileType type_ = MetafileType::Wmf;
    std::shared_ptr<const std::vector<uint8_t>> bytes_;
    QSize himetric_;
    // Windows metafiles: where the standard header starts, and the logical rectangle
    // that fills the target unless the records set their own window. `measured` says
    // the rectangle is the drawing's bounds, found by playing it at identity mapping.
    size_t records_ = 0;
    QRectF window_;
    bool measured_ = false;
    // Enhanced metafiles: the frame (0.01 mm) and the reference device.
    QRectF frame_;
    QSizeF devicePixels_;
    QSizeF deviceMillimetres_;
};

// A metafile of either kind, or nothing when `bytes` are neither or cannot be read.
std::optional<Metafile> ReadMetafile(std::span<const uint8_t> bytes);
// The same from a file (path in UTF-8); nothing when the file cannot be read.
std::optional<Metafile> ReadMetafileFile(const std::string& path);

} // namespace gb
