#pragma once
// Plays the records of an enhanced metafile onto a GdiCanvas.
//
// The header describes the reference device the picture was recorded on and the
// picture's frame in 0.01 mm; playing scales the frame, as it lies on the reference
// device, onto the target rectangle. Records are checked against the bytes that remain
// (a record that claims more, or is not a whole number of 32-bit words, ends the
// picture); offsets inside records are checked against the record. Unknown records are
// skipped. The object table only grows with the creating records of the file.
#include "GdiCanvas.h"

#include <QPainter>
#include <cstdint>
#include <optional>
#include <span>
#include <unordered_map>

namespace gb {

class EmfPlayer {
public:
    struct Header {
        QRect bounds;              // device pixels, edges included
        QRectF frame;              // 0.01 mm, positive width and height
        QSizeF devicePixels;       // the reference device
        QSizeF deviceMillimetres;
    };
    // The header of an enhanced metafile, or nothing when `emf` is not one.
    static std::optional<Header> ReadHeader(std::span<const uint8_t> emf);

    EmfPlayer(std::span<const uint8_t> emf, const Header& header);
    // Draws the picture's frame scaled into `target` (everything outside it is clipped).
    void Play(QPainter& painter, const QRectF& target);

private:
    void PlayRecord(uint32_t type, std::span<const uint8_t> record);
    void PlayPoly(uint32_t type, class ByteReader& r);
    void PlayPolyPoly(uint32_t type, class ByteReader& r);
    void PlayBlit(uint32_t type, std::span<const uint8_t> record);
    void PlayText(uint32_t type, std::span<const uint8_t> record);
    void PlayTextRun(std::span<const uint8_t> record, size_t at, bool wide);
    void PlaySmallText(std::span<const uint8_t> record);
    void PlayGradient(std::span<const uint8_t> record);
    void PlayRegion(uint32_t type, std::span<const uint8_t> record);
    void CreateBrush(uint32_t type, std::span<const uint8_t> record);
    void CreatePen(std::span<const uint8_t> record);
    void SelectObject(uint32_t index);
    const LogBrush* Brush(uint32_t index) const;
    QImage Bitmap(std::span<const uint8_t> record, uint32_t offInfo, uint32_t infoSize, uint32_t offBits,
                  uint32_t bitsSize, uint32_t usage, bool keepAlpha = false) const;

    std::span<const uint8_t> emf_;
    Header header_;
    GdiCanvas* canvas_ = nullptr;
    std::unordered_map<uint32_t, GdiObject> objects_;
};

} // namespace gb
