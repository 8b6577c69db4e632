#pragma once
// Puts toolkit controls, which the window framework does not know, into a window's
// keyboard navigation: Tab order, access keys, focus memory across activation, and
// the application's activation events.
//
// The framework controls of a window are the widgets in its focus chain that are not
// inside a toolkit control or inside another Qt control. A control's tab index is its
// "TabIndex" property when it has one, else its place in the focus chain; its tab stop
// is its "TabStop" property, else whether it takes the focus by Tab. A label's access
// key is the character after the first "&" of its text ("UseMnemonic" false: none).
#include "InterfaceDock.h"
#include "InterfaceSubclass.h"

#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace gb {

class ClassBehavior : public InterfaceSubclass {
public:
    // One entry of Items: a framework control, or a docked toolkit item.
    struct NavigationItem {
        QPointer<QWidget> Control;
        InterfaceDock* Docked = nullptr;
    };

    // The navigation table's record.
    struct Record {
        int16_t tabIndex = 0; // -1 for an item added by TabOrder
        Hwnd window = 0;      // 0 for a label
        bool tabStop = false;
        bool hasAccessKey = false;
        char16_t accessKey = 0;
        bool isDefault = false;
        bool cancel = false;
        bool option = false;
        bool check = false;
        bool docked = false;
    };

    ClassBehavior();
    ~ClassBehavior() override;
    ClassBehavior(const ClassBehavior&) = delete;
    ClassBehavior& operator=(const ClassBehavior&) = delete;

    std::vector<NavigationItem> Items;
    bool Negotiate = false;

    struct EventHandlers {
        std::function<void()> Activate;   // the application became active
        std::function<void()> Deactivate; // the application became inactive
        std::function<void()> Child;      // the window received the child-activate message
    } Events;

    // False (and the error 0x80040000) for anything but a top-level window.
    bool Attach(QWidget* Target);
    void Detach();
    // Inserts a toolkit control before the first record whose tab index is ID (-1:
    // at the end), with an access key (0: none).
    void TabOrder(InterfaceDock* DockedItem, int16_t ID, char16_t AccessKey = 0);
    // For a framework control: a partner whose Handle is its window (kind 2), so that
    // it can be passed to TabOrder or to ClassTheme; nullptr for anything else.
    InterfaceDock* CDockableItem(QWidget* Source);
    bool Accelerator() const { return accelerator_; }
    void SetAccelerator(bool value);
    // Brings the window to the top.
    void Activate();
    // The entry of Items whose window has the keyboard focus, nullptr when none.
    const NavigationItem* Item() const;
    const std::vector<Record>& Table() const { return table_; }

    Hwnd Handle() override { return window_; }
    LResult Callback(Hwnd hWnd, unsigned wmInfo, WParam wParam, LParam lParam, bool& Default) override;
    void CallbackWindowsEx(WParam wParam, LParam lParam, bool& Cancel) override;

private:
    class DockableItem;

    int RecordOf(Hwnd window) const;
    bool Qualifies(const Record& record) const;
    int NextFocusItem(int from, bool backwards) const;
    void Focus(Hwnd window) const;

    Hwnd window_ = 0;
    Hwnd dock_ = 0;
    bool accelerator_ = false;
    bool shown_ = false;
    bool shift_ = false, control_ = false;
    Hwnd remembered_ = 0;
    std::vector<Record> table_;
    std::vector<std::unique_ptr<DockableItem>> dockables_;
};

} // namespace gb
