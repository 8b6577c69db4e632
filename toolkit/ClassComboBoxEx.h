#pragma once
// The extended combo-box wrapper: a drop-down (editable), simple or drop-down list
// with item images and data; its events come from the combo box's own command
// notifications.
#include "ClassCommonControlsEx.h"
#include "ComboBoxExControl.h"
#include "InterfaceDock.h"
#include "InterfaceSubclass.h"
#include "WrapperMembers.h"

#include <QPointer>
#include <QVariant>
#include <functional>
#include <string>

namespace gb {

class ClassComboBoxEx : public InterfaceDock, public InterfaceSubclass {
public:
    ClassComboBoxEx();
    ~ClassComboBoxEx() override;
    ClassComboBoxEx(const ClassComboBoxEx&) = delete;
    ClassComboBoxEx& operator=(const ClassComboBoxEx&) = delete;

    Hwnd hComboBoxEx = 0;

    // Creation settings.
    int32_t Style = 0; // 0 drop-down, 1 simple, 2 drop-down list
    int32_t FloatingListBoxLength = 0; // the height including the drop-down list
    int16_t Indent = 0;
    QVariant Tag;
    int32_t NewIndex = -1;

    struct EventHandlers {
        std::function<void()> GotFocus;
        std::function<void()> LostFocus;
        std::function<void()> Change;
        std::function<void()> EditChange;
        std::function<void()> ItemDblClick;
    } Events;

    void Create(Hwnd hWnd, std::intptr_t hDC);
    void Destroy();
    GB_SITE_MEMBERS
    GB_SITE_SCALE_MEMBERS

    // The edit window (style 0) and the inner combo window, for keyboard navigation.
    Hwnd EditWindow() const;
    Hwnd ComboWindow() const { return hComboBoxEx; }

    void DockingImageList(InterfaceDock* Reference);
    void AddItem(const std::string& Text, int32_t Image = -1, int32_t SelectedImage = -1, int32_t Index = -1,
                 int32_t ItemData = 0);
    void RemoveItem(int32_t Index);
    void ClearItems();
    std::string List(int32_t Index) const;
    void SetList(int32_t Index, const std::string& text);
    int32_t ListIndex() const;
    void SetListIndex(int32_t Index);
    int32_t ListCount() const;
    std::string Text() const;
    void SetText(const std::string& text);
    int32_t ItemData(int32_t Index) const;
    void SetItemData(int32_t Index, int32_t value);
    int32_t TopIndex() const;
    // The item whose text is exactly `text`, -1 when none.
    int32_t Search(const std::string& text) const;
    void PopUp();
    bool Locked() const;
    void SetLocked(bool value);

    std::intptr_t Handle() override { return hComboBoxEx; }
    int32_t Superclass() override { return KindComboBoxEx; }
    void Receive(InterfaceDock*) override {}
    LResult Callback(Hwnd hWnd, unsigned wmInfo, WParam wParam, LParam lParam, bool& Default) override;
    void CallbackWindowsEx(WParam, LParam, bool&) override {}

private:
    ComboBoxExControl* Control() const { return control_.data(); }

    ClassCommonControlsEx Extender;
    QPointer<ComboBoxExControl> control_;
};

} // namespace gb
