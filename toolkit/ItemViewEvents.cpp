#include "ItemViewEvents.h"

#include "GeneralCommonControlsEx.h"
#include "ListViewNotifications.h"
#include "ToolkitSupport.h"
#include "platform/KeyState.h"
#include "platform/window/WindowCapture.h"

#include <QLineEdit>

namespace gb {
namespace {

std::string EditorText(Hwnd editor) {
    auto* line = qobject_cast<QLineEdit*>(WidgetOf(editor));
    return line ? LimitedText(line->text()).toStdString() : std::string();
}

} // namespace

void ItemViewEventSource::OwnMessage(ItemViewEvents& events, bool dragDropMode,
                                     const std::function<void()>& whatsThisHelp, unsigned message, WParam wParam,
                                     LParam lParam) {
    FocusAndHelp(message, events.GotFocus, events.LostFocus, whatsThisHelp);
    switch (message) {
    case WM_MOUSEMOVE:
        if (events.Hover) events.Hover(int32_t(wParam), LoWord(int32_t(lParam)), HiWord(int32_t(lParam)));
        break;
    case WM_KEYDOWN:
        if (wParam == VK_APPS) {
            if (events.Click) events.Click(2);
        } else if (events.KeyPress) {
            events.KeyPress(int32_t(wParam));
        }
        break;
    case WM_LBUTTONUP:
        if (dragging_) {
            ReleaseCapture();
            dragging_ = false;
            if (dragDropMode && events.Drop) events.Drop(LoWord(int32_t(lParam)), HiWord(int32_t(lParam)));
        }
        break;
    default:
        break;
    }
}

void ItemViewEventSource::Notification(ItemViewEvents& events, bool dragDropMode, Hwnd control,
                                       const ItemViewCodes& codes, unsigned message, LParam lParam) {
    if (message != WM_NOTIFY || !lParam || !control) return;
    const auto* header = reinterpret_cast<const NotifyHeader*>(lParam);
    if (header->hwndFrom != control) return;
    int code = header->code;
    if (code == codes.beginLabelEdit) {
        editBefore_ = EditorText(reinterpret_cast<const ListViewDispInfo*>(lParam)->editor);
        return;
    }
    if (code == codes.endLabelEdit) {
        std::string after = EditorText(reinterpret_cast<const ListViewDispInfo*>(lParam)->editor);
        // Escape cancels the edit: no event then.
        if (!(uint16_t(GetKeyState(VK_ESCAPE)) & 0x8000) && events.Edit) events.Edit(editBefore_, after);
        return;
    }
    const auto* n = reinterpret_cast<const ListViewNotify*>(lParam);
    if (code == codes.beginDrag) {
        dragging_ = true;
        if (dragDropMode && events.Drag) events.Drag(n->iItem);
        SetCapture(control);
    } else if (code == codes.itemChanged) {
        if (events.ItemChange) events.ItemChange(n->iItem, int32_t(n->uNewState));
    } else if (code == NM_CLICK || code == NM_RCLICK) {
        if (events.Click) events.Click(code == NM_CLICK ? 1 : 2);
    } else if (code == NM_DBLCLK || code == NM_RETURN) {
        if (events.DblClick) events.DblClick();
    }
}

} // namespace gb
