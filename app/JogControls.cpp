#include "JogControls.h"

#include "GeneralMain.h"
#include "platform/draw/Canvas.h"
#include "toolkit/ClassSlider.h"
#include "toolkit/ClassStatusBar.h"
#include "toolkit/ClassToolBar.h"
#include "toolkit/ToolBarControl.h"

#include <QTimer>
#include <QWidget>

namespace gb {

int32_t JogControls::SliderCurrent() { return slider_.Current(); }
void JogControls::SetSliderCurrent(int32_t position) { slider_.SetCurrent(position); }
void JogControls::SliderSelRange(int32_t start, int32_t end) { slider_.SelRange(start, end); }
void JogControls::SliderSelClear() { slider_.SelClear(); }

void JogControls::RefreshJog() {
    slider_.Refresh();
    jog_.Refresh();
}

void JogControls::SetJogButtonPressed(int32_t key, bool pressed) {
    const uint32_t state = uint32_t(jog_.ButtonState(key));
    jog_.SetButtonState(key, int32_t(pressed ? state | TBSTATE_CHECKED : state & ~uint32_t(TBSTATE_CHECKED)));
}

void JogControls::SetStatusCaption(const std::string& text) { status_.SetCaption(text); }

// The timer of this toolkit fires at once for an interval of 0; the slideshow's
// timer never fires then.
void JogControls::SetTimer(uint32_t milliseconds, bool enabled) {
    timer_.setInterval(int(milliseconds));
    if (enabled && milliseconds > 0) timer_.start();
    else timer_.stop();
}

bool JogControls::IsKeyDown(int virtualKey) { return gb::IsKeyDown(virtualKey, false); }

void JogControls::ShowQuickViewer(bool visible) {
    if (!quickViewer_) return;
    quickViewer_->setVisible(visible);
    if (visible) quickViewer_->raise();
    else if (QuickViewerClosed) QuickViewerClosed();
}

Hwnd JogControls::Owner() { return HandleOf(owner_.data()); }

} // namespace gb
