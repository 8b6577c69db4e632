#pragma once
// The tree-view control: a QTreeWidget whose nodes are numbered by a depth-first walk
// (a node, its children, then its next sibling). It sends the tree view's
// notifications to its parent as WM_NOTIFY with node numbers.
#include "platform/window/WindowStyle.h"

#include <QTreeWidget>
#include <vector>

namespace gb {

class TreeViewControl : public QTreeWidget, public StyledWindow {
public:
    enum Role { ImageRole = Qt::UserRole + 1, SelectedImageRole, DataRole, StateRole };

    explicit TreeViewControl(QWidget* parent);

    void WindowStyleChanged(uint32_t style, uint32_t exStyle) override;
    uint32_t Style() const { return style_; }

    // The node table, rebuilt after every insertion and removal.
    void Rebuild();
    const std::vector<QTreeWidgetItem*>& Nodes() const { return nodes_; }
    QTreeWidgetItem* Node(int index) const;
    int IndexOf(const QTreeWidgetItem* item) const;

    // 2 selected, 4 cut, 8 drop-highlighted, 0x10 bold, 0x20 expanded.
    uint32_t State(int index) const;
    void SetState(int index, uint32_t mask, bool on);

    void SetImageList(std::intptr_t handle);
    std::intptr_t ImageList() const { return imageList_; }
    void SetItemHeight(int height);
    int ItemHeight() const { return itemHeight_; }
    QLineEdit* EditControl() const;

private:
    uint32_t style_ = 0;
    std::vector<QTreeWidgetItem*> nodes_;
    std::intptr_t imageList_ = 0;
    int itemHeight_ = 0;
};

} // namespace gb
