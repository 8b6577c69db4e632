#pragma once
// The list-view wrapper: icons, small icons, a list or a report with columns; label
// editing, multiple selection, item data, states, positions, drag and drop.
#include "ClassCommonControlsEx.h"
#include "InterfaceDock.h"
#include "WrapperMembers.h"
#include "InterfaceSubclass.h"
#include "ItemViewEvents.h"

#include <QPointer>
#include <QVariant>
#include <functional>
#include <string>

namespace gb {

class ListViewControl;

class ClassListView : public InterfaceDock, public InterfaceSubclass {
public:
    ClassListView();
    ~ClassListView() override;
    ClassListView(const ClassListView&) = delete;
    ClassListView& operator=(const ClassListView&) = delete;

    Hwnd hListView = 0;
    Hwnd hColumnHeader = 0;

    // Creation settings, read by Create.
    int32_t Direction = 0;
    int32_t Sort = 0;
    bool DragDropMode = false; // false: icons arrange themselves; true: Drag and Drop are raised
    bool MultiSelect = false;
    bool HideSelection = false; // true: the selection stays drawn without the focus
    bool Wrapable = true;
    bool LabelEdit = false;
    bool HasScrollBars = true;
    bool HasColumnHeader = true;
    int32_t Activation = 0;
    int16_t Indent = 0;

    int32_t HelpContextID = 0;
    QVariant Tag;
    int32_t NewIndex = -1;

    ItemViewEvents Events;

    void Create(Hwnd hWnd, std::intptr_t hDC);
    void Destroy();
    GB_SITE_MEMBERS
    // The size of the rectangle that holds all items.
    int32_t ScaleWidth() const;
    int32_t ScaleHeight() const;
    void WhatsThisHelp() { Extender.WhatsThisHelp(HelpContextID); }

    // IconType: 0 normal (icons), 1 small, 2 state.
    void DockingImageList(int32_t IconType, InterfaceDock* Reference);
    void SetBackColor(uint32_t colour);
    void SetForeColor(uint32_t colour);
    // The view: 0 icons, 1 report, 2 small icons, 3 list.
    int32_t Style() const;
    void SetStyle(int32_t value);

    void AddListItem(const std::string& Text, int32_t Image = -1, int32_t Index = -1, int32_t ItemData = 0);
    void RemoveListItem(int32_t Index);
    void ClearListItems();
    // Types 0 of ListItems: the text (up to 255 characters); Types 1: ListItemImage.
    std::string ListItems(int32_t Index, int32_t SubItem = 0) const;
    void SetListItems(int32_t Index, int32_t SubItem, const std::string& text);
    int32_t ListItemImage(int32_t Index, int32_t SubItem = 0) const;
    void SetListItemImage(int32_t Index, int32_t SubItem, int32_t image);
    int32_t ListItemCount() const;
    int32_t ItemData(int32_t Index) const;
    void SetItemData(int32_t Index, int32_t value);
    // The item that is both focused and selected, -1 when none.
    int32_t SelIndex() const;
    // -1 takes both states from that item (nothing when there is none); another index
    // gives that item both.
    void SetSelIndex(int32_t Index);
    int32_t SelCount() const;
    bool ListItemState(int32_t Index, int32_t State) const;
    void SetListItemState(int32_t Index, int32_t State, bool value);
    int32_t ListItemX(int32_t Index) const;
    int32_t ListItemY(int32_t Index) const;
    void SetListItemX(int32_t Index, int32_t value);
    void SetListItemY(int32_t Index, int32_t value);
    int32_t TopIndex() const;
    // The next item after Index with all the State bits, -1 when none.
    int32_t Search(int32_t State, int32_t Index) const;
    void Jump(int32_t Index, bool Partial);
    void Edit(int32_t Index);
    int32_t HitTest(int32_t X, int32_t Y, int32_t& Flags) const;
    void Scroll(int32_t X, int32_t Y);
    void Arrange();
    void Update(int32_t FromItem, int32_t ToItem = 0);
    // An empty path removes the picture; otherwise tiled, or at the offsets in percent.
    void Wallpaper(const std::string& Path, bool Tile, int32_t PercentX, int32_t PercentY);
    // Align: 0 left, 1 right, 2 centre.
    void AddColumnHeader(int32_t Align, int32_t Strength, const std::string& Caption);
    void RemoveColumnHeader(int32_t index);
    int32_t ColumnHeaderCount() const { return columnCount_; }
    std::string ColumnHeaders(int32_t index) const;
    void SetColumnHeaders(int32_t index, const std::string& caption);
    int32_t ColumnHeaderLength(int32_t index) const;
    void SetColumnHeaderLength(int32_t index, int32_t width);

    std::intptr_t Handle() override { return hListView; }
    int32_t Superclass() override { return KindListView; }
    void Receive(InterfaceDock*) override {}
    LResult Callback(Hwnd hWnd, unsigned wmInfo, WParam wParam, LParam lParam, bool& Default) override;
    void CallbackWindowsEx(WParam, LParam, bool&) override {}

private:
    void Extender_Send(unsigned& wmInfo, WParam& wParam, LParam& lParam);
    ListViewControl* Control() const;

    ClassCommonControlsEx Extender;
    QPointer<ListViewControl> control_;
    int32_t style_ = 0;
    uint8_t columnCount_ = 0;
    ItemViewEventSource source_;
};

} // namespace gb
