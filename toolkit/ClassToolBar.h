#pragma once
// The tool-bar wrapper: buttons with command ids (Key), check buttons and groups,
// drop-down buttons, image lists, captions; it also reports the parent window's menu
// commands and highlights, its context menu and unmatched menu keys.
#include "ClassCommonControlsEx.h"
#include "ToolBarControl.h"
#include "InterfaceDock.h"
#include "WrapperMembers.h"

#include <QPointer>
#include <QVariant>
#include <functional>
#include <string>

namespace gb {

class ClassToolBar : public InterfaceDock {
public:
    ClassToolBar();
    ~ClassToolBar() override;
    ClassToolBar(const ClassToolBar&) = delete;
    ClassToolBar& operator=(const ClassToolBar&) = delete;

    Hwnd hToolBar = 0;

    // Creation settings.
    bool Arrange = false;  // every button but separators sizes itself to its content
    bool MustWrap = false; // every button wraps
    QVariant Tag;

    struct EventHandlers {
        std::function<void(int32_t Key)> ItemClick;
        // The point lies below the button's lower left corner, in screen pixels.
        std::function<void(int32_t Key, int32_t X, int32_t Y)> DropDown;
        // Mode 0 a menu or accelerator command, 1 an item highlighted, 2 the menu closed.
        std::function<void(int32_t ID, int32_t Mode)> MenuSelect;
        std::function<void(int32_t X, int32_t Y)> ContextMenu;
        std::function<void(int32_t KeyAscii)> Shortcut;
    } Events;

    void Create(Hwnd hWnd, std::intptr_t hDC);
    void Destroy();
    GB_SITE_MEMBERS
    GB_SITE_SCALE_MEMBERS

    // Style switches (they may be set before or after Create).
    bool Border() const { return !(style_ & 0x40); }
    void SetBorder(bool value) { SetBits(0x40, !value); }
    bool Flat() const { return style_ & 0x800; }
    void SetFlat(bool value) { SetBits(0x800, value); }
    bool Wrapable() const { return style_ & 0x200; }
    void SetWrapable(bool value) { SetBits(0x200, value); }
    bool List() const { return style_ & 0x1000; }
    void SetList(bool value) { SetBits(0x1000, value); }
    bool Transparent() const { return style_ & 0x8000; }
    void SetTransparent(bool value) { SetBits(0x8000, value); }
    int32_t Align() const { return int32_t(style_ & 0x8F); }
    void SetAlign(int32_t value);
    bool DropDownArrow() const { return extended_ & 0x1; }
    void SetDropDownArrow(bool value);
    bool MixedCaption() const { return extended_ & 0x8; }
    void SetMixedCaption(bool value);

    void DockingImageList(InterfaceDock* partner, bool hot = false);
    void DockingToolTips(InterfaceDock* partner);
    void PlaceHolder(int32_t indent);
    // style: 0 button, 1 separator, 2 check, 6 check group, 8 drop-down, 0x40 showing
    // its caption, 0x80 whole drop-down; state: 1 checked, 8 hidden (enabled is added).
    void AddButton(int32_t Key, int32_t style, int32_t state, const std::string& caption, int32_t Image);
    void RemoveButton(int32_t Key);
    void ClearButtons();
    int32_t ButtonCount() const;
    int32_t Buttons(int32_t Key) const;
    void SetButtons(int32_t Key, int32_t image);
    bool ButtonEnabled(int32_t Key) const;
    void SetButtonEnabled(int32_t Key, bool value);
    bool ButtonVisible(int32_t Key) const;
    void SetButtonVisible(int32_t Key, bool value);
    int32_t ButtonState(int32_t Key) const;
    void SetButtonState(int32_t Key, int32_t state);
    int32_t ButtonWidth() const;
    int32_t ButtonHeight() const;
    void SetButtonWidth(int32_t minimum, int32_t maximum);
    void Calculate();
    void Margin(int32_t width, int32_t height);

    std::intptr_t Handle() override { return hToolBar; }
    int32_t Superclass() override { return KindToolBar; }
    void Receive(InterfaceDock*) override {}

private:
    void Extender_Send(unsigned& wmInfo, WParam& wParam, LParam& lParam);
    void SetBits(uint32_t bits, bool on);
    ToolBarControl* Control() const { return control_.data(); }

    ClassCommonControlsEx Extender;
    QPointer<ToolBarControl> control_;
    uint32_t style_ = 0x1; // top of the parent
    uint32_t extended_ = 0;
};

} // namespace gb
