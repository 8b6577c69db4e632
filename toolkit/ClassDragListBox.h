#pragma once
// Makes an existing list box of a window a drag list: its items can be moved by
// dragging. It listens to the list box's parent for the drag-list message
// ("commctrl_DragListMsg") and raises Drop when an item was moved, Scroll when the
// list scrolled and ItemCheck when an item's check box changed.
#include "InterfaceDock.h"
#include "InterfaceSubclass.h"

#include <QPointer>
#include <QVariant>
#include <functional>

class QListWidget;
class QWidget;

namespace gb {

class ClassDragListBox : public InterfaceDock, public InterfaceSubclass {
public:
    // The drag-list notifications (wParam of the drag-list message).
    enum : int { DL_BEGINDRAG = 1024, DL_DRAGGING = 1025, DL_CANCELDRAG = 1026, DL_DROPPED = 1027,
                 DL_SCROLLED = 1028, DL_ITEMCHECKED = 1029 };

    ClassDragListBox() = default;
    ~ClassDragListBox() override;
    ClassDragListBox(const ClassDragListBox&) = delete;
    ClassDragListBox& operator=(const ClassDragListBox&) = delete;

    QVariant Tag;

    struct EventHandlers {
        std::function<void()> Drop;
        std::function<void()> Scroll;
        std::function<void(int32_t Item)> ItemCheck;
    } Events;

    // False (and the error 0x80040000) for anything but a list box.
    bool Attach(QWidget* Target);
    void Detach();
    // 0 single selection, 1 multiple (toggling), 2 extended.
    int32_t Style() const;
    void SetStyle(int32_t value);
    bool Selected(int32_t index) const;
    void SetSelected(int32_t index, bool value);
    unsigned DragListMessage() const { return message_; }

    std::intptr_t Handle() override;
    int32_t Superclass() override { return KindDragListBox; }
    void Receive(InterfaceDock*) override {}
    LResult Callback(Hwnd hWnd, unsigned wmInfo, WParam wParam, LParam lParam, bool& Default) override;
    void CallbackWindowsEx(WParam, LParam, bool&) override {}

private:
    QPointer<QListWidget> list_;
    Hwnd parent_ = 0;
    unsigned message_ = 0;
};

} // namespace gb
