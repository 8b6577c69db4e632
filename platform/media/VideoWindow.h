#pragma once
// The window in which a media device shows its pictures: a window of its own, or a
// child of the window the caller names. Frames arrive on GStreamer's streaming thread
// into a shared store; the window repaints from it on the user-interface thread.
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <mutex>

namespace gb {

struct VideoFrames {
    std::mutex mutex;
    QImage latest;                // guarded by mutex
    QPointer<QWidget> window;     // read and written on the user-interface thread only
};

// Hands a decoded frame to the store and asks its window to repaint (any thread).
void DeliverVideoFrame(const std::shared_ptr<VideoFrames>& frames, QImage frame);

class VideoWindow : public QWidget {
public:
    VideoWindow(std::shared_ptr<VideoFrames> frames, const QString& caption);

    // Shows the pictures in `area`: the client size of its own window when `parent` is
    // null, otherwise a rectangle of `parent`.
    void Place(QWidget* parent, const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<VideoFrames> frames_;
    QString caption_;
};

} // namespace gb
