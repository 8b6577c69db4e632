#pragma once
// An image list of 16 x 16 images (or of the size given before Create) for the other
// wrappers; a bitmap added with UseMask has MaskColor transparent.
#include "InterfaceDock.h"

#include <QImage>
#include <QVariant>
#include <cstdint>

namespace gb {

class ClassImageList : public InterfaceDock {
public:
    ClassImageList() = default;
    ~ClassImageList() override;
    ClassImageList(const ClassImageList&) = delete;
    ClassImageList& operator=(const ClassImageList&) = delete;

    // Creation settings.
    int32_t ColorDepth = 0; // -1: device-dependent (0xFE)
    bool UseMask = false;
    uint32_t MaskColor = 0xC0C0C0;
    QVariant Tag;

    std::intptr_t hImageList = 0;

    void Create();
    void Destroy();

    // Each keeps the other dimension; takes effect at Create.
    void SetListImageWidth(int32_t width);
    void SetListImageHeight(int32_t height);
    void SetBaseColor(uint32_t colour);

    // A bitmap as wide as several images adds one image per image width.
    void Add(const QImage& bitmap);
    void AddIcon(const QImage& icon);
    void Remove(int32_t index);
    void Clear();
    int32_t ListImageCount() const;
    // Replaces a bitmap (when UseMask is false) or an icon.
    void SetListImages(int32_t index, const QImage& picture, bool isIcon = false);
    void Shuffle(int32_t from, int32_t to);
    // The image drawn with the overlay of the flags' bits 8-11.
    QImage Extract(int32_t index, int32_t mode) const;
    // Makes `overlayImage` the overlay with `id` (1-15) and returns `index` drawn with it.
    QImage Overlay(int32_t index, int32_t overlayImage, int32_t id);

    std::intptr_t Handle() override { return hImageList; }
    int32_t Superclass() override { return KindImageList; }
    void Receive(InterfaceDock*) override {}

private:
    QImage Masked(const QImage& bitmap) const;

    int width_ = 16, height_ = 16;
};

} // namespace gb
