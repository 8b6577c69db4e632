#include "VideoWindow.h"

#include <QCoreApplication>
#include <QPainter>

namespace gb {

void DeliverVideoFrame(const std::shared_ptr<VideoFrames>& frames, QImage frame) {
    {
        std::lock_guard<std::mutex> lock(frames->mutex);
        frames->latest = std::move(frame);
    }
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(app, [frames] {
            if (frames->window) frames->window->update();
        }, Qt::QueuedConnection);
    }
}

VideoWindow::VideoWindow(std::shared_ptr<VideoFrames> frames, const QString& caption)
    : frames_(std::move(frames)), caption_(caption) {
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(caption_);
    frames_->window = this;
}

void VideoWindow::Place(QWidget* parent, const QRect& area) {
    if (parentWidget() != parent) {
        bool visible = isVisible();
        setParent(parent);
        if (!parent) setWindowTitle(caption_);
        if (visible || parent) show();
    }
    if (parent) setGeometry(area);
    else resize(area.size());
}

void VideoWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    std::lock_guard<std::mutex> lock(frames_->mutex);
    if (frames_->latest.isNull()) painter.fillRect(rect(), Qt::black);
    else painter.drawImage(rect(), frames_->latest);
}

} // namespace gb
