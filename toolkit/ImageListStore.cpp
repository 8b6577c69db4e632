#include "ImageListStore.h"

#include <QPainter>
#include <map>
#include <memory>

namespace gb {
namespace {

std::map<std::intptr_t, std::unique_ptr<ImageListData>>& Lists() {
    static std::map<std::intptr_t, std::unique_ptr<ImageListData>> lists;
    return lists;
}
std::intptr_t nextList = 0x1A000;

} // namespace

std::intptr_t CreateImageList(int width, int height, uint32_t flags) {
    auto data = std::make_unique<ImageListData>();
    data->size = QSize(std::max(1, width), std::max(1, height));
    data->flags = flags;
    std::intptr_t handle = nextList += 4;
    Lists()[handle] = std::move(data);
    return handle;
}

bool DestroyImageList(std::intptr_t handle) { return Lists().erase(handle) > 0; }

ImageListData* ImageListOf(std::intptr_t handle) {
    auto it = Lists().find(handle);
    return it == Lists().end() ? nullptr : it->second.get();
}

QImage ImageListImage(std::intptr_t handle, int index, int overlay) {
    ImageListData* list = ImageListOf(handle);
    if (!list || index < 0 || index >= int(list->images.size())) return {};
    QImage image(list->size, QImage::Format_ARGB32_Premultiplied);
    image.fill(list->background.isValid() ? list->background : Qt::transparent);
    QPainter painter(&image);
    painter.drawImage(QRect(QPoint(0, 0), list->size), list->images[size_t(index)]);
    if (overlay > 0 && overlay < 16) {
        int top = list->overlays[overlay];
        if (top >= 0 && top < int(list->images.size()))
            painter.drawImage(QRect(QPoint(0, 0), list->size), list->images[size_t(top)]);
    }
    return image;
}

} // namespace gb
