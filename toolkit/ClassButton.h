#pragma once
// Restyles push buttons (flat, push-like, picture, text alignment) and moves the
// keyboard focus to an escape window so that no button shows a focus frame.
#include <QImage>
#include <QPointer>

#include "platform/WindowHandle.h"

class QAbstractButton;
class QWidget;

namespace gb {

class ClassButton {
public:
    // The window that takes the focus away from the buttons.
    void SetEscape(QWidget* control);
    // Moves the focus from `Target` to the escape window; Click 1 then presses the
    // target's left button.
    void BlurFocus(QAbstractButton* Target, int32_t Click = 0);
    void FlatStyle(QAbstractButton* Target, bool Value);
    // 0 a normal, 1 a push-like button; a picture (bitmap or icon) is shown on it,
    // none removes the picture.
    void Style(QAbstractButton* Target, int32_t Value, const QImage& picture = {}, bool isIcon = false);
    // 0 left, 1 right, 2 centre.
    void Alignment(QAbstractButton* Target, int32_t Value);

private:
    QPointer<QWidget> escape_;
    bool busy_ = false;
};

} // namespace gb
