#include "ClassCommonControlsEx.h"

#include "GeneralCommonControlsEx.h"
#include "ToolkitSupport.h"
#include "platform/ErrorRecord.h"
#include "platform/window/DeviceContexts.h"
#include "platform/window/WindowStyle.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

namespace gb {
namespace {

// The version of the common controls this toolkit stands in for.
constexpr int kLibraryMajor = 6, kLibraryMinor = 0;

int32_t CodeOf(int major, int minor) {
    if (major == 3) return 1;
    if (major == 4 && minor == 0) return 2;
    if (major == 4 && minor == 70) return 3;
    if (major == 4 && (minor == 71 || minor == 72)) return 4;
    if (major == 5) return 5;
    if (major == 6) return 6;
    return 0;
}

Rect RectOf(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

} // namespace

ClassCommonControlsEx::~ClassCommonControlsEx() {
    if (listened_ && IsWindow(listened_)) DetachSubclass(this);
}

int32_t ClassCommonControlsEx::CommonControlsExInfo() const { return CodeOf(kLibraryMajor, kLibraryMinor); }

LResult ClassCommonControlsEx::Callback(Hwnd, unsigned wmInfo, WParam wParam, LParam lParam, bool&) {
    if (wmInfo == WM_SETFOCUS && synchronized_) {
        if (QWidget* control = WidgetOf(control_)) control->setFocus(Qt::OtherFocusReason);
    }
    if (Send) Send(wmInfo, wParam, lParam);
    return 0;
}

void ClassCommonControlsEx::Bind(Hwnd control, std::intptr_t hDC) {
    QWidget* widget = WidgetOf(control);
    if (!widget) return;
    QFont font;
    if (!FontOfDeviceContext(hDC, font)) font = QApplication::font();
    widget->setFont(font);
    QWidget* parent = widget->parentWidget();
    listened_ = HandleOf(parent);
    if (listened_) AttachSubclass(this);
    container_ = listened_;
    control_ = control;
}

void ClassCommonControlsEx::Unbind() {
    container_ = 0;
    control_ = 0;
    if (listened_ && IsWindow(listened_)) DetachSubclass(this);
    listened_ = 0;
}

void ClassCommonControlsEx::SetSynchronized(int32_t value) {
    if (value == 0 || value == 1) synchronized_ = value == 1;
}

bool ClassCommonControlsEx::SetContainer(Hwnd window) {
    QWidget* control = WidgetOf(control_);
    QWidget* container = WidgetOf(window);
    if (control && container && container != control && !control->isAncestorOf(container)) {
        bool visible = !control->isHidden();
        control->setParent(container);
        control->setVisible(visible);
    }
    if (control && container && control->parentWidget() == container) {
        container_ = window;
        return true;
    }
    Err().Raise(kObjectError, "The container is not a window that can hold the control.", "ClassCommonControlsEx");
    return false;
}

bool ClassCommonControlsEx::HasStyle(uint32_t bits) const { return (GetWindowLong(control_, GWL_STYLE) & bits) != 0; }

void ClassCommonControlsEx::SetStyle(uint32_t bits, bool on) {
    uint32_t style = GetWindowLong(control_, GWL_STYLE);
    SetWindowLong(control_, GWL_STYLE, on ? style | bits : style & ~bits);
}

bool ClassCommonControlsEx::HasExStyle(uint32_t bits) const {
    return (GetWindowLong(control_, GWL_EXSTYLE) & bits) != 0;
}

void ClassCommonControlsEx::SetExStyle(uint32_t bits, bool on) {
    uint32_t style = GetWindowLong(control_, GWL_EXSTYLE);
    SetWindowLong(control_, GWL_EXSTYLE, on ? style | bits : style & ~bits);
}

void ClassCommonControlsEx::SetAppearance(int32_t value) {
    if (!IsWindow(control_)) return;
    SetStyle(WS_BORDER, value == 1);
    SetExStyle(WS_EX_CLIENTEDGE, value == 2);
}

QWidget* ClassCommonControlsEx::Target() const { return WidgetOf(synchronized_ ? container_ : control_); }

bool ClassCommonControlsEx::Enabled() const {
    QWidget* control = WidgetOf(control_);
    return control && control->isEnabled();
}

void ClassCommonControlsEx::SetEnabled(bool value) {
    if (synchronized_)
        if (QWidget* container = WidgetOf(container_)) container->setEnabled(value);
    if (QWidget* control = WidgetOf(control_)) control->setEnabled(value);
}

bool ClassCommonControlsEx::Visible() const {
    QWidget* control = WidgetOf(control_);
    return control && !control->isHidden();
}

void ClassCommonControlsEx::SetVisible(bool value) {
    if (synchronized_)
        if (QWidget* container = WidgetOf(container_)) container->setVisible(value);
    if (QWidget* control = WidgetOf(control_)) control->setVisible(value);
}

Rect ClassCommonControlsEx::WindowRect(Hwnd window) const {
    QWidget* w = window ? WidgetOf(window) : Target();
    if (!w) return {};
    if (w->isWindow()) return RectOf(w->isMaximized() || w->isMinimized() ? w->normalGeometry() : w->frameGeometry());
    return RectOf(w->geometry());
}

Rect ClassCommonControlsEx::ClientRect(Hwnd window) const {
    QWidget* w = window ? WidgetOf(window) : Target();
    if (!w) return {};
    QRect inner = w->contentsRect();
    return {0, 0, inner.width(), inner.height()};
}

Point ClassCommonControlsEx::FrameSize(Hwnd window) const {
    QWidget* w = window ? WidgetOf(window) : Target();
    if (!w) return {};
    QSize outer = w->isWindow() ? w->frameGeometry().size() : w->size();
    QSize inner = w->contentsRect().size();
    return {(outer.width() - inner.width()) / 2, (outer.height() - inner.height()) / 2};
}

int32_t ClassCommonControlsEx::Left() const { return WindowRect().left; }
int32_t ClassCommonControlsEx::Top() const { return WindowRect().top; }
int32_t ClassCommonControlsEx::Width() const {
    Rect r = WindowRect();
    return r.right - r.left;
}
int32_t ClassCommonControlsEx::Height() const {
    Rect r = WindowRect();
    return r.bottom - r.top;
}
int32_t ClassCommonControlsEx::ScaleWidth() const { return ClientRect().right; }
int32_t ClassCommonControlsEx::ScaleHeight() const { return ClientRect().bottom; }

void ClassCommonControlsEx::Move(int32_t x, int32_t y, int32_t width, int32_t height) {
    QWidget* target = Target();
    if (!target) return;
    if (width == 0) width = target->width();
    if (height == 0) height = target->height();
    target->setGeometry(x, y, width, height);
    target->update();
    if (synchronized_) Stretch();
}

void ClassCommonControlsEx::Size(int32_t width, int32_t height) {
    QWidget* target = Target();
    if (!target) return;
    Move(target->x(), target->y(), width, height);
}

bool ClassCommonControlsEx::Fit(QWidget* placeholder, int32_t) {
    QWidget* target = Target();
    if (!placeholder || placeholder->isWindow() || !placeholder->parentWidget()) {
        Err().Raise(kObjectError, "The placeholder is not a control of a window.", "ClassCommonControlsEx");
        return false;
    }
    if (!target) return true;
    QRect r = placeholder->geometry();
    if (target->parentWidget() && target->parentWidget() != placeholder->parentWidget())
        r.moveTopLeft(target->parentWidget()->mapFrom(placeholder->window(),
                                                       placeholder->parentWidget()->mapTo(placeholder->window(), r.topLeft())));
    target->setGeometry(r);
    if (synchronized_) Stretch();
    return true;
}

void ClassCommonControlsEx::Adjust() {
    QWidget* container = WidgetOf(container_);
    QWidget* control = WidgetOf(control_);
    if (!container || !control) return;
    QMargins frame = container->contentsMargins();
    container->resize(control->width() + frame.left() + frame.right(), control->height() + frame.top() + frame.bottom());
}

void ClassCommonControlsEx::Stretch() {
    QWidget* container = WidgetOf(container_);
    QWidget* control = WidgetOf(control_);
    if (!container || !control) return;
    control->setGeometry(container->contentsRect());
}

void ClassCommonControlsEx::ZOrder(Hwnd insertAfter) {
    QWidget* target = Target();
    if (!target) return;
    QWidget* after = WidgetOf(insertAfter);
    if (after && after->parentWidget() == target->parentWidget()) target->stackUnder(after);
    else if (insertAfter == 0) target->raise();
    else if (insertAfter == 1) target->lower();
}

void ClassCommonControlsEx::Refresh() {
    if (QWidget* control = WidgetOf(control_)) control->repaint();
}

void ClassCommonControlsEx::SetFocus() {
    if (QWidget* control = WidgetOf(control_)) control->setFocus(Qt::OtherFocusReason);
}

void ClassCommonControlsEx::WhatsThisHelp(int32_t contextId) {
    if (contextId == 0) return;
    ShowWhatsThis(control_, contextId == -1 ? 0 : contextId);
}

} // namespace gb
