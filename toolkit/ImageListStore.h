#pragma once
// Image lists: numbered images of one size, named by a handle, as the controls share
// them. An image added with a mask colour has that colour transparent.
#include <QColor>
#include <QImage>
#include <QSize>
#include <cstdint>
#include <vector>

namespace gb {

struct ImageListData {
    QSize size{16, 16};
    uint32_t flags = 0;
    QColor background; // invalid: none
    std::vector<QImage> images;
    int overlays[16] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};

std::intptr_t CreateImageList(int width, int height, uint32_t flags);
bool DestroyImageList(std::intptr_t handle);
// nullptr for an unknown handle.
ImageListData* ImageListOf(std::intptr_t handle);
// The image at `index` drawn at the list's size, with the overlay image of `overlay`
// (1-15) on top when it has one; a null image for a wrong index.
QImage ImageListImage(std::intptr_t handle, int index, int overlay = 0);

} // namespace gb
