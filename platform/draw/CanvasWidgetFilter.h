#pragma once
// Watches the window a canvas is bound to: paints the canvas's screen image on paint
// events and gives the canvas the window's new size on resize events.
#include <QObject>

namespace gb {

class Canvas;

class CanvasWidgetFilter : public QObject {
    Q_OBJECT
public:
    CanvasWidgetFilter(Canvas& canvas, QObject* parent);
    // The canvas is going away: stop forwarding.
    void Release() { canvas_ = nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Canvas* canvas_;
};

} // namespace gb
