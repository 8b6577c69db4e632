#include "ClassTreeView.h"

#include "GeneralCommonControlsEx.h"

#include "ListViewNotifications.h"
#include "ToolkitSupport.h"
#include "TreeViewControl.h"

#include <QLineEdit>

namespace gb {

ClassTreeView::ClassTreeView() {
    Extender.Send = [this](unsigned& m, WParam& w, LParam& l) { Extender_Send(m, w, l); };
}

ClassTreeView::~ClassTreeView() {
    if (hTreeView) Destroy();
}

void ClassTreeView::Create(Hwnd hWnd, std::intptr_t hDC) {
    QWidget* parent = WidgetOf(hWnd);
    if (!parent) return;
    uint32_t style = 0x54000000u + uint32_t(Style);
    if (LabelEdit) style |= 0x8;
    if (!DragDropMode) style |= 0x10;
    if (HideSelection) style |= 0x20;
    if (!ToolTips) style |= 0x80;
    if (HyperLink) style |= 0x600;
    auto* control = new TreeViewControl(parent);
    control_ = control;
    hTreeView = SetUpControl(control, style, 0x200, 0, KindTreeView);
    Extender.Bind(hTreeView, hDC);
    AttachSubclass(this);
}

void ClassTreeView::Destroy() {
    DetachSubclass(this);
    Extender.Unbind();
    delete control_.data();
    hTreeView = 0;
}

void ClassTreeView::DockingImageList(int32_t, InterfaceDock* Reference) {
    if (Reference && Reference->Superclass() == KindImageList && Control()) Control()->SetImageList(Reference->Handle());
}

void ClassTreeView::SetBaseColor(uint32_t colour) {
    if (!Control()) return;
    QPalette p = Control()->palette();
    p.setColor(QPalette::Base, ColorOf(colour));
    Control()->setPalette(p);
}

void ClassTreeView::SetInterval(int32_t height) {
    if (Control()) Control()->SetItemHeight(height);
}

int32_t ClassTreeView::Indent() const { return Control() ? Control()->indentation() : 0; }

void ClassTreeView::SetIndent(int32_t value) {
    if (Control()) Control()->setIndentation(value);
}

void ClassTreeView::AddNode(int32_t Family, const std::string& Text, int32_t Image, int32_t SelectedImage,
                            int32_t Index, int32_t ItemData) {
    TreeViewControl* c = Control();
    if (!c) return;
    if (Family == -1) Family = lastFamily_;
    lastFamily_ = Family;
    QTreeWidgetItem* parent = Family == RootFamily ? nullptr : c->Node(Family);
    if (Family != RootFamily && !parent) return;
    auto* node = new QTreeWidgetItem(QStringList(QString::fromStdString(Text)));
    node->setFlags(node->flags() | Qt::ItemIsEditable);
    node->setData(0, TreeViewControl::ImageRole, Image);
    node->setData(0, TreeViewControl::SelectedImageRole, SelectedImage == -1 ? Image : SelectedImage);
    node->setData(0, TreeViewControl::DataRole, ItemData);
    int count = parent ? parent->childCount() : c->topLevelItemCount();
    auto childAt = [&](int i) { return parent ? parent->child(i) : c->topLevelItem(i); };
    int position = count;
    if (Sort != 0) {
        // The platform's sorted insertion.
        position = 0;
        while (position < count && QString::localeAwareCompare(childAt(position)->text(0), node->text(0)) <= 0)
            ++position;
    } else if (Index != -1) {
        QTreeWidgetItem* before = c->Node(Index - 1);
        if (before == parent) position = 0;
        // Climb from the node before to the one among the new node's siblings.
        while (before && before->parent() != parent) before = before->parent();
        if (before && before != parent) {
            int at = parent ? parent->indexOfChild(before) : c->indexOfTopLevelItem(before);
            if (at >= 0) position = at + 1;
        }
    }
    if (parent) parent->insertChild(position, node);
    else c->insertTopLevelItem(position, node);
    c->Rebuild();
    NewIndex = c->IndexOf(node);
}

void ClassTreeView::RemoveNode(int32_t index) {
    TreeViewControl* c = Control();
    if (!c) return;
    delete c->Node(index);
    c->Rebuild();
    NewIndex = -1;
}

void ClassTreeView::ClearNodes() {
    if (!Control()) return;
    Control()->clear();
    Control()->Rebuild();
    NewIndex = -1;
}

std::string ClassTreeView::Nodes(int32_t index) const {
    QTreeWidgetItem* node = Control() ? Control()->Node(index) : nullptr;
    return node ? LimitedText(node->text(0)).toStdString() : std::string();
}

void ClassTreeView::SetNodes(int32_t index, const std::string& text) {
    if (QTreeWidgetItem* node = Control() ? Control()->Node(index) : nullptr) node->setText(0, QString::fromStdString(text));
}

int32_t ClassTreeView::NodeCount() const { return Control() ? int32_t(Control()->Nodes().size()) : 0; }

int32_t ClassTreeView::ItemData(int32_t index) const {
    QTreeWidgetItem* node = Control() ? Control()->Node(index) : nullptr;
    return node ? node->data(0, TreeViewControl::DataRole).toInt() : 0;
}

void ClassTreeView::SetItemData(int32_t index, int32_t value) {
    if (QTreeWidgetItem* node = Control() ? Control()->Node(index) : nullptr)
        node->setData(0, TreeViewControl::DataRole, value);
}

int32_t ClassTreeView::SelIndex() const { return Control() ? Control()->IndexOf(Control()->currentItem()) : -1; }

void ClassTreeView::SetSelIndex(int32_t index) {
    if (!Control()) return;
    if (index == -1) {
        Control()->setCurrentItem(nullptr);
        Control()->clearSelection();
        return;
    }
    if (QTreeWidgetItem* node = Control()->Node(index)) Control()->setCurrentItem(node);
}

int32_t ClassTreeView::SelCount() const { return Control() ? int32_t(Control()->selectedItems().size()) : 0; }

bool ClassTreeView::NodeState(int32_t index, int32_t State) const {
    return Control() && (Control()->State(index) & uint32_t(State)) == uint32_t(State);
}

void ClassTreeView::SetNodeState(int32_t index, int32_t State, bool value) {
    if (Control()) Control()->SetState(index, uint32_t(State), value);
}

int32_t ClassTreeView::TopIndex() const {
    return Control() ? std::max(0, Control()->IndexOf(Control()->itemAt(QPoint(4, 4)))) : 0;
}

int32_t ClassTreeView::Search(int32_t State, int32_t index) const {
    if (!Control()) return -1;
    for (int32_t i = std::max(0, index + 1); i < NodeCount(); ++i)
        if ((Control()->State(i) & uint32_t(State)) == uint32_t(State)) return i;
    return -1;
}

void ClassTreeView::Jump(int32_t index) {
    if (QTreeWidgetItem* node = Control() ? Control()->Node(index) : nullptr) Control()->scrollToItem(node);
}

void ClassTreeView::Edit(int32_t index) {
    QTreeWidgetItem* node = Control() ? Control()->Node(index) : nullptr;
    if (!node) return;
    Control()->setFocus();
    Control()->editItem(node);
}

int32_t ClassTreeView::HitTest(int32_t X, int32_t Y, int32_t& Flags) const {
    if (!Control()) return -1;
    QPoint at = Control()->viewport()->mapFrom(Control(), QPoint(X, Y));
    int32_t index = Control()->IndexOf(Control()->itemAt(at));
    Flags = index < 0 ? LVHT_NOWHERE : LVHT_ONITEM;
    return index;
}

bool ClassTreeView::HasChildren(int32_t index) const {
    QTreeWidgetItem* node = Control() ? Control()->Node(index) : nullptr;
    return node && node->childCount() > 0;
}

void ClassTreeView::Collapse(int32_t index) {
    if (QTreeWidgetItem* node = Control() ? Control()->Node(index) : nullptr) node->setExpanded(false);
}

void ClassTreeView::Expand(int32_t index) {
    if (QTreeWidgetItem* node = Control() ? Control()->Node(index) : nullptr) node->setExpanded(true);
}

LResult ClassTreeView::Callback(Hwnd, unsigned wmInfo, WParam wParam, LParam lParam, bool&) {
    source_.OwnMessage(Events, DragDropMode, [this] { WhatsThisHelp(); }, wmInfo, wParam, lParam);
    return 0;
}

void ClassTreeView::Extender_Send(unsigned& wmInfo, WParam&, LParam& lParam) {
    static const ItemViewCodes codes{TVN_SELCHANGED, TVN_BEGINDRAG, TVN_BEGINLABELEDIT, TVN_ENDLABELEDIT};
    source_.Notification(Events, DragDropMode, hTreeView, codes, wmInfo, lParam);
}

} // namespace gb
