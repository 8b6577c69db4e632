#pragma once
// The animation control: plays a clip of frames (a strip of square frames side by
// side, or an animated picture) from the first frame to the last, once or endlessly.
#include "platform/window/WindowStyle.h"

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace gb {

class AnimateControl : public QWidget, public StyledWindow {
public:
    explicit AnimateControl(QWidget* parent);

    void WindowStyleChanged(uint32_t style, uint32_t exStyle) override;

    bool Open(const QString& path);
    void Close();
    int FrameCount() const { return int(frames_.size()); }
    int Frame() const { return frame_; }
    bool Playing() const { return timer_.isActive(); }
    void Play(bool repeat);
    void Stop();
    void Seek(int frame);
    // The next frame, as the timer shows it: after the last one the clip starts again
    // when repeating, and stops otherwise.
    void Step();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    uint32_t style_ = 0;
    std::vector<QImage> frames_;
    int frame_ = 0;
    bool repeat_ = false;
    QTimer timer_;
};

} // namespace gb
