#pragma once
// The events of the list-view and tree-view wrappers, and how both raise them from
// their control's own messages and from the notifications it sends to its parent.
#include "platform/WindowMessages.h"

#include <cstdint>
#include <functional>
#include <string>

namespace gb {

struct ItemViewEvents {
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void(int32_t Button, int32_t X, int32_t Y)> Hover;
    std::function<void(int32_t Button)> Click;
    std::function<void()> DblClick;
    std::function<void(int32_t KeyCode)> KeyPress;
    // The item (node) and, for the list view, its new state bits.
    std::function<void(int32_t ListItem, int32_t State)> ItemChange;
    std::function<void(int32_t ListItem)> Drag;
    std::function<void(int32_t X, int32_t Y)> Drop;
    std::function<void(const std::string& Before, const std::string& After)> Edit;
};

// The notification codes of one control kind.
struct ItemViewCodes {
    int itemChanged, beginDrag, beginLabelEdit, endLabelEdit;
};

class ItemViewEventSource {
public:
    // The control's own messages: focus, help, mouse moves, keys, and the button
    // release that ends a drag.
    void OwnMessage(ItemViewEvents& events, bool dragDropMode, const std::function<void()>& whatsThisHelp,
                    unsigned message, WParam wParam, LParam lParam);
    // A WM_NOTIFY of the parent; acts only on notifications of `control`.
    void Notification(ItemViewEvents& events, bool dragDropMode, Hwnd control, const ItemViewCodes& codes,
                      unsigned message, LParam lParam);

private:
    bool dragging_ = false;
    std::string editBefore_;
};

} // namespace gb
