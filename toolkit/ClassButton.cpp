#include "ClassButton.h"

#include "platform/WindowMessages.h"
#include "platform/window/WindowProcedure.h"
#include "platform/window/WindowStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

namespace gb {
namespace {

void SetBits(QAbstractButton* target, uint32_t clear, uint32_t set) {
    Hwnd h = HandleOf(target);
    SetWindowLong(h, GWL_STYLE, (GetWindowLong(h, GWL_STYLE) & ~clear) | set);
}

} // namespace

void ClassButton::SetEscape(QWidget* control) {
    escape_ = control;
    if (!control) return;
    if (QWidget* focus = QApplication::focusWidget()) SendMessage(HandleOf(focus), WM_KILLFOCUS, 0, 0);
    SendMessage(HandleOf(control), WM_SETFOCUS, 0, 0);
}

void ClassButton::BlurFocus(QAbstractButton* Target, int32_t Click) {
    if (busy_ || !Target) return;
    busy_ = true;
    SendMessage(HandleOf(Target), WM_KILLFOCUS, 0, 0);
    if (escape_) SendMessage(HandleOf(escape_), WM_SETFOCUS, 0, 0);
    if (Click == 1) SendMessage(HandleOf(Target), WM_LBUTTONDOWN, MK_LBUTTON, 0x00010001);
    busy_ = false;
}

void ClassButton::FlatStyle(QAbstractButton* Target, bool Value) {
    if (!Target) return;
    SetBits(Target, 0x8000, Value ? 0x8000 : 0);
    if (auto* push = qobject_cast<QPushButton*>(Target)) push->setFlat(Value);
}

void ClassButton::Style(QAbstractButton* Target, int32_t Value, const QImage& picture, bool isIcon) {
    if (!Target) return;
    SetBits(Target, 0x1000, Value == 1 ? 0x1000 : 0);
    if (picture.isNull()) {
        SetBits(Target, 0x80 | 0x40, 0);
        Target->setIcon(QIcon());
        return;
    }
    SetBits(Target, 0x80 | 0x40, isIcon ? 0x40 : 0x80);
    Target->setIcon(QIcon(QPixmap::fromImage(picture)));
    Target->setIconSize(picture.size());
}

void ClassButton::Alignment(QAbstractButton* Target, int32_t Value) {
    if (!Target) return;
    uint32_t bits = Value == 0 ? 0x100 : Value == 1 ? 0x200 : Value == 2 ? 0x300 : 0;
    SetBits(Target, 0x300, bits);
    const char* align = Value == 0 ? "left" : Value == 1 ? "right" : "center";
    Target->setStyleSheet(QStringLiteral("text-align: %1;").arg(align));
}

} // namespace gb
