#pragma once
// The main window's controls as the slideshow drives them: the jog slider, the jog
// tool bar, the status bar, the switching timer and the quick viewer box.
#include "slideshow/SlideshowControls.h"

#include <QPointer>
#include <functional>

class QTimer;
class QWidget;

namespace gb {

class ClassSlider;
class ClassStatusBar;
class ClassToolBar;

class JogControls : public SlideshowControls {
public:
    JogControls(QWidget* owner, ClassSlider& slider, ClassToolBar& jog, ClassStatusBar& status, QTimer& timer,
                QWidget* quickViewer, Canvas& quickViewerCanvas)
        : owner_(owner), slider_(slider), jog_(jog), status_(status), timer_(timer), quickViewer_(quickViewer),
          quickViewerCanvas_(quickViewerCanvas) {}

    // Repaints what lies beneath the quick viewer box once it is hidden.
    std::function<void()> QuickViewerClosed;

    int32_t SliderCurrent() override;
    void SetSliderCurrent(int32_t position) override;
    void SliderSelRange(int32_t start, int32_t end) override;
    void SliderSelClear() override;
    void RefreshJog() override;
    void SetJogButtonPressed(int32_t key, bool pressed) override;
    void SetStatusCaption(const std::string& text) override;
    void SetTimer(uint32_t milliseconds, bool enabled) override;
    bool IsKeyDown(int virtualKey) override;
    void ShowQuickViewer(bool visible) override;
    Canvas* QuickViewer() override { return &quickViewerCanvas_; }
    Hwnd Owner() override;

private:
    QPointer<QWidget> owner_;
    ClassSlider& slider_;
    ClassToolBar& jog_;
    ClassStatusBar& status_;
    QTimer& timer_;
    QPointer<QWidget> quickViewer_;
    Canvas& quickViewerCanvas_;
};

} // namespace gb
