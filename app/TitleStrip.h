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

    std::function<void()> LeftButtonDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage image_;
    std::intptr_t dc_ = 0;
};

} // namespace gb
