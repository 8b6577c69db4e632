#include "ToolkitSupport.h"

#include "platform/window/WindowStyle.h"

#include <QVariant>
#include <QWidget>

namespace gb {
namespace {

constexpr const char* kKindProperty = "gbToolkitKind";
WhatsThisHandler whatsThis;

} // namespace

QColor ColorOf(uint32_t rgb) { return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF)); }

uint32_t RgbOf(const QColor& c) { return uint32_t(c.red()) | (uint32_t(c.green()) << 8) | (uint32_t(c.blue()) << 16); }

Hwnd SetUpControl(QWidget* control, uint32_t style, uint32_t exStyle, int id, int kind) {
    control->setProperty(kKindProperty, kind);
    control->setGeometry(0, 0, 0, 0);
    Hwnd handle = HandleOf(control);
    SetWindowLong(handle, GWL_ID, uint32_t(id));
    SetWindowLong(handle, GWL_EXSTYLE, exStyle);
    SetWindowLong(handle, GWL_STYLE, style);
    return handle;
}

int ToolkitKindOf(QWidget* widget) { return widget ? widget->property(kKindProperty).toInt() : 0; }

int ControlId(QWidget* control) { return int(GetWindowLong(HandleOf(control), GWL_ID)); }

LResult SendNotify(QWidget* control, int code, NotifyHeader* header) {
    if (!control || !control->parentWidget()) return 0;
    header->hwndFrom = HandleOf(control);
    header->idFrom = uintptr_t(ControlId(control));
    header->code = code;
    return SendMessage(HandleOf(control->parentWidget()), WM_NOTIFY, header->idFrom, reinterpret_cast<LParam>(header));
}

LResult NotifyHeaderOnly(QWidget* control, int code) {
    NotifyHeader header;
    return SendNotify(control, code, &header);
}

LResult SendCommand(QWidget* control, int notification) {
    if (!control || !control->parentWidget()) return 0;
    WParam w = (WParam(uint16_t(ControlId(control)))) | (WParam(uint16_t(notification)) << 16);
    return SendMessage(HandleOf(control->parentWidget()), WM_COMMAND, w, LParam(HandleOf(control)));
}

void SetWhatsThisHandler(WhatsThisHandler handler) { whatsThis = std::move(handler); }

void ShowWhatsThis(Hwnd window, int32_t contextId) {
    if (whatsThis) whatsThis(window, contextId);
}

QString LimitedText(const QString& text, int limit) {
    QString cut = text.left(limit);
    int nul = cut.indexOf(QChar(0));
    return nul >= 0 ? cut.left(nul) : cut;
}

} // namespace gb

namespace gb {

void FocusAndHelp(unsigned message, const std::function<void()>& gotFocus, const std::function<void()>& lostFocus,
                  const std::function<void()>& help) {
    if (message == WM_SETFOCUS && gotFocus) gotFocus();
    else if (message == WM_KILLFOCUS && lostFocus) lostFocus();
    else if (message == WM_HELP && help) help();
}

} // namespace gb
