#include "ClassImageList.h"

#include "ImageListStore.h"
#include "ToolkitSupport.h"

#include <utility>

namespace gb {

ClassImageList::~ClassImageList() {
    if (hImageList) Destroy();
}

void ClassImageList::Create() {
    uint32_t flags = ColorDepth == -1 ? 0xFE : uint32_t(ColorDepth);
    if (UseMask) flags |= 0x1;
    hImageList = CreateImageList(width_, height_, flags);
}

void ClassImageList::Destroy() {
    DestroyImageList(hImageList);
    hImageList = 0;
}

void ClassImageList::SetListImageWidth(int32_t width) { width_ = width; }
void ClassImageList::SetListImageHeight(int32_t height) { height_ = height; }

void ClassImageList::SetBaseColor(uint32_t colour) {
    if (ImageListData* list = ImageListOf(hImageList)) list->background = ColorOf(colour);
}

QImage ClassImageList::Masked(const QImage& bitmap) const {
    QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
    if (!UseMask) return image;
    QRgb mask = ColorOf(MaskColor).rgb() & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == mask) line[x] = 0;
    }
    return image;
}

void ClassImageList::Add(const QImage& bitmap) {
    ImageListData* list = ImageListOf(hImageList);
    if (!list || bitmap.isNull()) return;
    QImage image = Masked(bitmap);
    int w = list->size.width();
    if (image.width() > w && image.width() % w == 0 && image.height() == list->size.height()) {
        for (int x = 0; x < image.width(); x += w) list->images.push_back(image.copy(x, 0, w, image.height()));
        return;
    }
    list->images.push_back(image);
}

void ClassImageList::AddIcon(const QImage& icon) {
    ImageListData* list = ImageListOf(hImageList);
    if (!list || icon.isNull()) return;
    list->images.push_back(icon.convertToFormat(QImage::Format_ARGB32));
}

void ClassImageList::Remove(int32_t index) {
    ImageListData* list = ImageListOf(hImageList);
    if (!list || index < 0 || index >= int32_t(list->images.size())) return;
    list->images.erase(list->images.begin() + index);
}

void ClassImageList::Clear() {
    if (ImageListData* list = ImageListOf(hImageList)) list->images.clear();
}

int32_t ClassImageList::ListImageCount() const {
    ImageListData* list = ImageListOf(hImageList);
    return list ? int32_t(list->images.size()) : 0;
}

void ClassImageList::SetListImages(int32_t index, const QImage& picture, bool isIcon) {
    ImageListData* list = ImageListOf(hImageList);
    if (!list || index < 0 || index >= int32_t(list->images.size()) || picture.isNull()) return;
    if (!isIcon && UseMask) return; // a masked bitmap cannot be replaced
    list->images[size_t(index)] = picture.convertToFormat(QImage::Format_ARGB32);
}

void ClassImageList::Shuffle(int32_t from, int32_t to) {
    ImageListData* list = ImageListOf(hImageList);
    int32_t n = list ? int32_t(list->images.size()) : 0;
    if (from < 0 || to < 0 || from >= n || to >= n) return;
    std::swap(list->images[size_t(from)], list->images[size_t(to)]);
}

QImage ClassImageList::Extract(int32_t index, int32_t mode) const {
    return ImageListImage(hImageList, index, (mode >> 8) & 0xF);
}

QImage ClassImageList::Overlay(int32_t index, int32_t overlayImage, int32_t id) {
    ImageListData* list = ImageListOf(hImageList);
    if (list && id > 0 && id < 16) list->overlays[id] = overlayImage;
    return Extract(index, id * 256);
}

} // namespace gb
