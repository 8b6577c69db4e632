#include "TreeViewControl.h"

#include "ImageListStore.h"
#include "ItemViewNotifier.h"
#include "LabelEditDelegate.h"
#include "ListViewNotifications.h"
#include "ToolkitSupport.h"
#include "platform/window/WindowProcedure.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>

namespace gb {
namespace {

enum : uint32_t {
    TVS_HASBUTTONS = 0x1, TVS_HASLINES = 0x2, TVS_LINESATROOT = 0x4, TVS_EDITLABELS = 0x8,
    TVS_DISABLEDRAGDROP = 0x10, TVS_SHOWSELALWAYS = 0x20, TVS_NOTOOLTIPS = 0x80, TVS_TRACKSELECT = 0x200,
    TVS_SINGLEEXPAND = 0x400,
};
enum : uint32_t { TVIS_SELECTED = 2, TVIS_CUT = 4, TVIS_DROPHILITED = 8, TVIS_BOLD = 0x10, TVIS_EXPANDED = 0x20 };

class NodeDelegate : public LabelEditDelegate {
public:
    NodeDelegate(TreeViewControl* owner)
        : LabelEditDelegate(owner, TVN_BEGINLABELEDIT, TVN_ENDLABELEDIT,
                            [owner](const QModelIndex& i) { return owner->IndexOf(owner->itemFromIndex(i)); }),
          owner_(owner) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem o(option);
        uint32_t state = index.data(TreeViewControl::StateRole).toUInt();
        if (state & TVIS_DROPHILITED) o.state |= QStyle::State_Selected | QStyle::State_Active;
        painter->save();
        if (state & TVIS_CUT) painter->setOpacity(0.45);
        LabelEditDelegate::paint(painter, o, index);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = LabelEditDelegate::sizeHint(option, index);
        if (owner_->ItemHeight() > 0) size.setHeight(owner_->ItemHeight());
        return size;
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        LabelEditDelegate::initStyleOption(option, index);
        if (index.data(TreeViewControl::StateRole).toUInt() & TVIS_BOLD) option->font.setBold(true);
        bool selected = option->state & QStyle::State_Selected;
        int image = index.data(selected ? TreeViewControl::SelectedImageRole : TreeViewControl::ImageRole).toInt();
        SetItemImage(option, ImageListImage(owner_->ImageList(), image));
    }

private:
    TreeViewControl* owner_;
};

void Walk(QTreeWidgetItem* item, std::vector<QTreeWidgetItem*>& nodes) {
    nodes.push_back(item);
    for (int i = 0; i < item->childCount(); ++i) Walk(item->child(i), nodes);
}

} // namespace

TreeViewControl::TreeViewControl(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    auto* delegate = new NodeDelegate(this);
    setItemDelegate(delegate);
    setDragEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Only the node is drawn selected, not the branch lines before it.
    setSelectionBehavior(QAbstractItemView::SelectItems);
    AddMessageSource(viewport(), this);
    auto* notifier = new ItemViewNotifier(
        this, this, TVN_BEGINDRAG, [this](const QModelIndex& i) { return IndexOf(itemFromIndex(i)); },
        [this] { return !(style_ & TVS_DISABLEDRAGDROP); });
    notifier->editing = [delegate] { return delegate->Editor() != nullptr; };
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
        ListViewNotify n;
        n.iItem = IndexOf(current);
        n.uNewState = current ? State(n.iItem) : 0;
        Notify(this, TVN_SELCHANGED, n);
    });
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (!(style_ & TVS_SINGLEEXPAND)) return;
        QTreeWidgetItem* parent = item->parent();
        int count = parent ? parent->childCount() : topLevelItemCount();
        for (int i = 0; i < count; ++i) {
            QTreeWidgetItem* sibling = parent ? parent->child(i) : topLevelItem(i);
            if (sibling != item) sibling->setExpanded(false);
        }
    });
}

void TreeViewControl::WindowStyleChanged(uint32_t style, uint32_t) {
    style_ = style;
    setRootIsDecorated(style & (TVS_HASBUTTONS | TVS_LINESATROOT));
    setEditTriggers(style & TVS_EDITLABELS ? QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
                                           : QAbstractItemView::NoEditTriggers);
    setMouseTracking(style & TVS_TRACKSELECT);
    // Without show-selection-always the selection is not drawn while the tree has no
    // focus: the inactive highlight is the plain background then.
    QPalette p = palette();
    QPalette standard = QApplication::palette(this);
    bool always = style & TVS_SHOWSELALWAYS;
    p.setColor(QPalette::Inactive, QPalette::Highlight,
               always ? standard.color(QPalette::Inactive, QPalette::Highlight) : p.color(QPalette::Inactive, QPalette::Base));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               always ? standard.color(QPalette::Inactive, QPalette::HighlightedText)
                      : p.color(QPalette::Inactive, QPalette::Text));
    setPalette(p);
    viewport()->update();
}

void TreeViewControl::Rebuild() {
    nodes_.clear();
    for (int i = 0; i < topLevelItemCount(); ++i) Walk(topLevelItem(i), nodes_);
}

QTreeWidgetItem* TreeViewControl::Node(int index) const {
    return index >= 0 && index < int(nodes_.size()) ? nodes_[size_t(index)] : nullptr;
}

int TreeViewControl::IndexOf(const QTreeWidgetItem* item) const {
    if (!item) return -1;
    for (size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i] == item) return int(i);
    return -1;
}

uint32_t TreeViewControl::State(int index) const {
    QTreeWidgetItem* node = Node(index);
    if (!node) return 0;
    uint32_t state = node->data(0, StateRole).toUInt() & (TVIS_CUT | TVIS_DROPHILITED | TVIS_BOLD);
    if (node->isSelected()) state |= TVIS_SELECTED;
    if (node->isExpanded()) state |= TVIS_EXPANDED;
    return state;
}

void TreeViewControl::SetState(int index, uint32_t mask, bool on) {
    QTreeWidgetItem* node = Node(index);
    if (!node) return;
    if (mask & TVIS_SELECTED) {
        if (on) setCurrentItem(node);
        else node->setSelected(false);
    }
    if (mask & TVIS_EXPANDED) node->setExpanded(on);
    uint32_t kept = mask & (TVIS_CUT | TVIS_DROPHILITED | TVIS_BOLD);
    if (kept) {
        uint32_t old = node->data(0, StateRole).toUInt();
        node->setData(0, StateRole, on ? old | kept : old & ~kept);
    }
    viewport()->update();
}

void TreeViewControl::SetImageList(std::intptr_t handle) {
    imageList_ = handle;
    if (ImageListData* list = ImageListOf(handle)) setIconSize(list->size);
    viewport()->update();
}

void TreeViewControl::SetItemHeight(int height) {
    itemHeight_ = height;
    doItemsLayout();
}

QLineEdit* TreeViewControl::EditControl() const { return static_cast<LabelEditDelegate*>(itemDelegate())->Editor(); }

} // namespace gb
