#pragma once
// The slider control: a QSlider that also draws a selection range over its groove and
// reports user moves to its parent as WM_HSCROLL or WM_VSCROLL (the scroll code in
// wParam, the slider in lParam).
#include "platform/window/WindowStyle.h"

#include <QSlider>

namespace gb {

class SliderControl : public QSlider, public StyledWindow {
public:
    explicit SliderControl(QWidget* parent);

    void WindowStyleChanged(uint32_t style, uint32_t exStyle) override;
    uint32_t Style() const { return style_; }

    void SetSelection(int start, int end);
    int SelectionStart() const { return selStart_; }
    int SelectionEnd() const { return selEnd_; }
    // 0 removes every tick mark.
    void SetTickFrequency(int frequency);
    void SetThumbLength(int length);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ApplyTicks();
    void SendScroll(int code);

    uint32_t style_ = 0;
    int selStart_ = 0, selEnd_ = 0;
    int frequency_ = 1;
    int pendingCode_ = -1;
};

} // namespace gb
