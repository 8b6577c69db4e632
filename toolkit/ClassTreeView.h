#pragma once
// The tree-view wrapper. Nodes are addressed by their position in a depth-first walk
// of the tree (a node, its children, then its next sibling), rebuilt after every
// insertion and removal; NewIndex is the position of the last added node.
#include "ClassCommonControlsEx.h"
#include "TreeViewControl.h"
#include "InterfaceDock.h"
#include "WrapperMembers.h"
#include "InterfaceSubclass.h"
#include "ItemViewEvents.h"

#include <QPointer>
#include <QVariant>
#include <string>

namespace gb {

class ClassTreeView : public InterfaceDock, public InterfaceSubclass {
public:
    static constexpr int32_t RootFamily = -65536;

    ClassTreeView();
    ~ClassTreeView() override;
    ClassTreeView(const ClassTreeView&) = delete;
    ClassTreeView& operator=(const ClassTreeView&) = delete;

    Hwnd hTreeView = 0;

    // Creation settings.
    int32_t Style = 0x7; // buttons, lines, lines at the root
    bool LabelEdit = false;
    bool DragDropMode = false;
    bool HideSelection = false; // true: the selection stays drawn without the focus
    bool ToolTips = true;
    bool HyperLink = false;
    int32_t Sort = 0;

    int32_t HelpContextID = 0;
    QVariant Tag;
    int32_t NewIndex = -1;
    // ItemChange carries the node in ListItem (and its state bits).
    ItemViewEvents Events;

    void Create(Hwnd hWnd, std::intptr_t hDC);
    void Destroy();
    GB_SITE_MEMBERS
    GB_SITE_SCALE_MEMBERS
    void WhatsThisHelp() { Extender.WhatsThisHelp(HelpContextID); }

    void DockingImageList(int32_t IconType, InterfaceDock* Reference);
    void SetBaseColor(uint32_t colour);
    // The height of every node.
    void SetInterval(int32_t height);
    int32_t Indent() const;
    void SetIndent(int32_t value);

    // Family: the parent's node index, RootFamily for the root, -1 for the parent of
    // the previous AddNode. Index -1 appends; another Index places the node after the
    // node at Index - 1 (first among its siblings when Index is the first child's).
    // SelectedImage -1 uses Image.
    void AddNode(int32_t Family, const std::string& Text, int32_t Image = -1, int32_t SelectedImage = -1,
                 int32_t Index = -1, int32_t ItemData = 0);
    void RemoveNode(int32_t index);
    void ClearNodes();
    std::string Nodes(int32_t index) const;
    void SetNodes(int32_t index, const std::string& text);
    int32_t NodeCount() const;
    int32_t ItemData(int32_t index) const;
    void SetItemData(int32_t index, int32_t value);
    int32_t SelIndex() const;
    void SetSelIndex(int32_t index);
    int32_t SelCount() const;
    // States: 2 selected, 4 cut, 8 drop-highlighted, 0x10 bold, 0x20 expanded.
    bool NodeState(int32_t index, int32_t State) const;
    void SetNodeState(int32_t index, int32_t State, bool value);
    int32_t TopIndex() const;
    int32_t Search(int32_t State, int32_t index) const;
    void Jump(int32_t index);
    void Edit(int32_t index);
    int32_t HitTest(int32_t X, int32_t Y, int32_t& Flags) const;
    bool HasChildren(int32_t index) const;
    void Collapse(int32_t index);
    void Expand(int32_t index);

    std::intptr_t Handle() override { return hTreeView; }
    int32_t Superclass() override { return KindTreeView; }
    void Receive(InterfaceDock*) override {}
    LResult Callback(Hwnd hWnd, unsigned wmInfo, WParam wParam, LParam lParam, bool& Default) override;
    void CallbackWindowsEx(WParam, LParam, bool&) override {}

private:
    void Extender_Send(unsigned& wmInfo, WParam& wParam, LParam& lParam);
    TreeViewControl* Control() const { return control_.data(); }

    ClassCommonControlsEx Extender;
    QPointer<TreeViewControl> control_;
    ItemViewEventSource source_;
    int32_t lastFamily_ = RootFamily;
};

} // namespace gb
