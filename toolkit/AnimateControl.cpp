#include "AnimateControl.h"

#include <QImageReader>
#include <QPainter>

namespace gb {
namespace {

enum : uint32_t { ACS_CENTER = 0x1, ACS_TRANSPARENT = 0x2 };
constexpr int kFrameMilliseconds = 80;

} // namespace

AnimateControl::AnimateControl(QWidget* parent) : QWidget(parent) {
    timer_.setInterval(kFrameMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] { Step(); });
}

void AnimateControl::WindowStyleChanged(uint32_t style, uint32_t) {
    style_ = style;
    setAutoFillBackground(!(style & ACS_TRANSPARENT));
    update();
}

bool AnimateControl::Open(const QString& path) {
    Close();
    QImageReader reader(path);
    if (reader.supportsAnimation() && reader.imageCount() > 1) {
        for (QImage image = reader.read(); !image.isNull(); image = reader.read()) frames_.push_back(image);
    } else {
        QImage strip = reader.read();
        if (strip.isNull()) return false;
        int side = strip.height();
        if (side > 0 && strip.width() > side && strip.width() % side == 0)
            for (int x = 0; x < strip.width(); x += side) frames_.push_back(strip.copy(x, 0, side, side));
        else frames_.push_back(strip);
    }
    frame_ = 0;
    update();
    return !frames_.empty();
}

void AnimateControl::Close() {
    timer_.stop();
    frames_.clear();
    frame_ = 0;
    update();
}

void AnimateControl::Play(bool repeat) {
    if (frames_.empty()) return;
    repeat_ = repeat;
    Seek(0);
    timer_.start();
}

void AnimateControl::Stop() { timer_.stop(); }

void AnimateControl::Seek(int frame) {
    if (frames_.empty()) return;
    frame_ = std::clamp(frame, 0, FrameCount() - 1);
    update();
}

void AnimateControl::Step() {
    if (frames_.empty()) return;
    if (frame_ + 1 < FrameCount()) {
        Seek(frame_ + 1);
    } else if (repeat_) {
        Seek(0);
    } else {
        timer_.stop();
    }
}

void AnimateControl::paintEvent(QPaintEvent*) {
    if (frames_.empty()) return;
    QPainter painter(this);
    const QImage& image = frames_[size_t(frame_)];
    QPoint at(0, 0);
    if (style_ & ACS_CENTER) at = QPoint((width() - image.width()) / 2, (height() - image.height()) / 2);
    painter.drawImage(at, image);
}

} // namespace gb
