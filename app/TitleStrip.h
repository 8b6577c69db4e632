#pragma once
// The main window's own title strip (PictureTitle): a picture box whose device
// context the window-effects helper draws the caption bar into. It holds the help and
// exit buttons, and reports a press of the left button (the start of a move).
#include "platform/WindowHandle.h"

#include <QImage>
#include <QWidget>
#include <functional>

namespace gb {

class TitleStrip : public QWidget {
public:
    explicit TitleStrip(QWidget* parent);
    ~TitleStrip() override;

    // The device context of the strip's picture.
    std::intptr_t hDC() const { return dc_; }
    const QImage& Image() const { return image_; }

    // The left button went down, the mouse moved with it held (screen pixels), and
    // it came up again. While the desktop moves the window itself, the moves and the
    // release do not arrive here.
    std::function<void(const QPoint& global)> LeftButtonDown;
    std::function<void(const QPoint& global)> LeftButtonDrag;
    std::function<void()> LeftButtonUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage image_;
    std::intptr_t dc_ = 0;
};

} // namespace gb
