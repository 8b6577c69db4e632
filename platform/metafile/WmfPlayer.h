#pragma once
// Plays the records of a Windows metafile onto a GdiCanvas.
//
// The records are read one by one, each checked against the bytes that remain; a record
// that claims more than that, or less than its own header, ends the picture (what came
// before it stays drawn). Unknown records are skipped. The object table takes the
// lowest free slot for each new object, as the platform does, so that later records
// address the right objects; it only grows with the creating records of the file.
#include "GdiCanvas.h"

#include <QPainter>
#include <cstdint>
#include <optional>
#include <queue>
#include <span>
#include <vector>

namespace gb {

class WmfPlayer {
public:
    // Which logical rectangle fills which device rectangle when the file does not say.
    struct View {
        QPointF windowOrg;
        QSizeF windowExt{1, 1};
        QPointF viewportOrg;
        QSizeF viewportExt{1, 1};
    };
    // What the records say about the picture's own window, for files without a
    // placeable header.
    struct Window {
        std::optional<QPointF> origin;
        std::optional<QSizeF> extent;
        int mapMode = 1;
    };

    // `wmf` starts at the standard header (after any placeable header).
    static bool ValidHeader(std::span<const uint8_t> wmf);
    static Window ScanWindow(std::span<const uint8_t> wmf);

    WmfPlayer(std::span<const uint8_t> wmf, size_t fileSize);
    // Draws into `target` (everything outside it is clipped).
    void Play(QPainter& painter, const QRectF& target, const View& view);

private:
    void PlayRecord(uint16_t function, std::span<const uint8_t> params);
    void CreateObject(GdiObject object);
    const GdiObject* Object(uint16_t index) const;
    void SelectObject(uint16_t index);
    void DeleteObject(uint16_t index);
    const GdiRegion* Region(uint16_t index) const;
    const LogBrush* Brush(uint16_t index) const;
    void Blit(uint16_t function, std::span<const uint8_t> params);
    void TextOutRecord(std::span<const uint8_t> params);
    void ExtTextOutRecord(std::span<const uint8_t> params);
    GdiObject ReadPatternBrush(uint16_t function, std::span<const uint8_t> params) const;
    std::vector<QPointF> ReadPoints(class ByteReader& r, size_t count) const;

    std::span<const uint8_t> wmf_;
    size_t fileSize_;
    GdiCanvas* canvas_ = nullptr;
    std::vector<GdiObject> objects_;
    std::priority_queue<uint16_t, std::vector<uint16_t>, std::greater<uint16_t>> freeSlots_;
};

} // namespace gb
