#include "DeviceContexts.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <map>
#include <memory>

namespace gb {
namespace {

struct ImageContext {
    QImage* image = nullptr;
    QFont font;
    std::unique_ptr<QImage> owned; // a window's picture
};

DeviceContextAccess access;
std::map<std::intptr_t, ImageContext> images;
std::intptr_t nextContext = 0x3C000;

} // namespace

void SetDeviceContextAccess(DeviceContextAccess a) { access = std::move(a); }

std::intptr_t CreateImageContext(QImage* image, const QFont& font) {
    if (!image) return 0;
    std::intptr_t hdc = nextContext += 4;
    images[hdc] = ImageContext{image, font, nullptr};
    return hdc;
}

void DeleteImageContext(std::intptr_t hdc) { images.erase(hdc); }

bool PaintOnDeviceContext(std::intptr_t hdc, const std::function<void(QPainter&)>& paint) {
    if (!hdc) return false;
    auto it = images.find(hdc);
    if (it != images.end()) {
        if (it->second.image->isNull()) return false;
        QPainter painter(it->second.image);
        painter.setFont(it->second.font);
        paint(painter);
        return true;
    }
    return access.paint && access.paint(hdc, paint);
}

bool FontOfDeviceContext(std::intptr_t hdc, QFont& font) {
    if (!hdc) return false;
    auto it = images.find(hdc);
    if (it != images.end()) {
        font = it->second.font;
        return true;
    }
    return access.font && access.font(hdc, font);
}

std::intptr_t GetWindowContext(Hwnd window) {
    QWidget* w = WidgetOf(window);
    if (!w) return 0;
    if (access.windowContext)
        if (std::intptr_t hdc = access.windowContext(window)) return hdc;
    auto picture = std::make_unique<QImage>(w->grab().toImage());
    std::intptr_t hdc = CreateImageContext(picture.get(), w->font());
    images[hdc].owned = std::move(picture);
    return hdc;
}

void ReleaseWindowContext(Hwnd window, std::intptr_t hdc) {
    if (images.count(hdc)) return DeleteImageContext(hdc);
    if (access.release) access.release(window, hdc);
}

QImage* ImageOfContext(std::intptr_t hdc) {
    auto it = images.find(hdc);
    return it == images.end() ? nullptr : it->second.image;
}

} // namespace gb
