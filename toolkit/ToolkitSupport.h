#pragma once
// What the wrappers share: creating a control window, sending notifications to its
// parent, colours, the help pop-up and the text helpers.
#include "platform/WindowMessages.h"

#include <QColor>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

class QWidget;

namespace gb {

// A colour as the toolkit passes it: 0x00BBGGRR.
QColor ColorOf(uint32_t rgb);
uint32_t RgbOf(const QColor& colour);

// Makes `control` a toolkit control: a visible child at 0,0 of size 0x0 with the
// given style words and id, marked with its kind. Returns its handle.
Hwnd SetUpControl(QWidget* control, uint32_t style, uint32_t exStyle, int id, int kind);
// The toolkit kind of a control window (0 for a window the toolkit did not make).
int ToolkitKindOf(QWidget* widget);

// Sends `record` (whose first member is a NotifyHeader) to the parent of `control`
// as WM_NOTIFY, with the header filled in.
template <class Record>
LResult Notify(QWidget* control, int code, Record& record);
LResult NotifyHeaderOnly(QWidget* control, int code);
LResult SendNotify(QWidget* control, int code, NotifyHeader* header);
// WM_COMMAND to the parent of `control`: the notification code in the high word of
// wParam, the control id in the low word, the control in lParam.
LResult SendCommand(QWidget* control, int notification);
int ControlId(QWidget* control);

// The help pop-up of a context id for a window; the help service installs it.
using WhatsThisHandler = std::function<void(Hwnd window, int32_t contextId)>;
void SetWhatsThisHandler(WhatsThisHandler handler);
void ShowWhatsThis(Hwnd window, int32_t contextId);

// The first 255 characters of a text, cut at the first NUL, as the controls read it.
QString LimitedText(const QString& text, int limit = 255);

template <class Record>
LResult Notify(QWidget* control, int code, Record& record) {
    return SendNotify(control, code, reinterpret_cast<NotifyHeader*>(&record));
}

} // namespace gb

namespace gb {

// A control whose parts carry their own tool tips (tool bar buttons by command id,
// tabs by index); ClassToolTips hands it its texts.
class ToolTipHost {
public:
    virtual ~ToolTipHost() = default;
    virtual void SetToolTip(int key, const QString& text) = 0;
};

} // namespace gb

namespace gb {

// The own messages several wrappers share: the focus gained and lost, and help.
void FocusAndHelp(unsigned message, const std::function<void()>& gotFocus, const std::function<void()>& lostFocus,
                  const std::function<void()>& help);

} // namespace gb
