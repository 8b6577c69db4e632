#pragma once
// The tree-view wrapper. Nodes are addressed by their position in a depth-first walk
// of the tree (a node, its children, then its next sibling), rebuilt after every
// insertion and removal; NewIndex is the position of the last added node.
#include "ClassCommonControlsEx.h"
#include "InterfaceDock.h"
#include "InterfaceSubclass.h"
#include "ItemViewEvents.h"

#include <QPointer>
#include <QVariant>
#include <string>

namespace gb {

class TreeViewControl;

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
    void Synchronize() { Extender.SetSynchronized(1); }
    bool SetContainer(Hwnd window) { return Extender.SetContainer(window); }
    void SetAppearance(int32_t value) { Extender.SetAppearance(value); }
    bool Enabled() const { return Extender.Enabled(); }
    void SetEnabled(bool value) { Extender.SetEnabled(value); }
    bool Visible() const { return Extender.Visible(); }
    void SetVisible(bool value) { Extender.SetVisible(value); }
    int32_t Left() const { return Extender.Left(); }
    int32_t Top() const { return Extender.Top(); }
    int32_t Width() const { return Extender.Width(); }
    int32_t Height() const { return Extender.Height(); }
    int32_t ScaleWidth() const { return Extender.ScaleWidth(); }
    int32_t ScaleHeight() const { return Extender.ScaleHeight(); }
    void Move(int32_t x, int32_t y, int32_t width = 0, int32_t height = 0) { Extender.Move(x, y, width, height); }
    void Size(int32_t width, int32_t height) { Extender.Size(width, height); }
    bool Fit(QWidget* placeholder, int32_t mode) { return Extender.Fit(placeholder, mode); }
    void Adjust() { Extender.Adjust(); }
    void Stretch() { Extender.Stretch(); }
    void Refresh() { Extender.Refresh(); }
    void SetFocus() { Extender.SetFocus(); }
    void ZOrder(Hwnd insertAfter) { Extender.ZOrder(insertAfter); }
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
