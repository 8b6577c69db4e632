#include "WindowCapture.h"

#include "WindowProcedure.h"

#include <QWidget>

namespace gb {

Hwnd SetCapture(Hwnd window) {
    Hwnd previous = GetCapture();
    if (QWidget* w = WidgetOf(window)) w->grabMouse();
    return previous;
}

bool ReleaseCapture() {
    QWidget* grabber = QWidget::mouseGrabber();
    if (grabber) grabber->releaseMouse();
    return true;
}

Hwnd GetCapture() {
    QWidget* grabber = QWidget::mouseGrabber();
    return grabber ? HandleOf(MessageTarget(grabber)) : 0;
}

} // namespace gb
