#include "ClassListView.h"

#include "GeneralCommonControlsEx.h"
#include "ListViewControl.h"
#include "ListViewNotifications.h"
#include "ToolkitSupport.h"

#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTreeView>

namespace gb {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

} // namespace

ClassListView::ClassListView() {
    Extender.Send = [this](unsigned& m, WParam& w, LParam& l) { Extender_Send(m, w, l); };
}

ClassListView::~ClassListView() {
    if (hListView) Destroy();
}

ListViewControl* ClassListView::Control() const { return control_.data(); }

void ClassListView::Create(Hwnd hWnd, std::intptr_t hDC) {
    QWidget* parent = WidgetOf(hWnd);
    if (!parent) return;
    uint32_t style = 0x54000040u + uint32_t(Direction) + uint32_t(Sort) + uint32_t(style_);
    if (!DragDropMode) style |= 0x100;
    if (!MultiSelect) style |= 0x4;
    if (HideSelection) style |= 0x8;
    if (!Wrapable) style |= 0x80;
    if (LabelEdit) style |= 0x200;
    if (!HasScrollBars) style |= 0x2000;
    style |= HasColumnHeader ? 0x8000 : 0x4000;
    auto* control = new ListViewControl(parent);
    control_ = control;
    hListView = SetUpControl(control, style, 0x200, 0, KindListView);
    hColumnHeader = HandleOf(control->ReportView()->header());
    Extender.Bind(hListView, hDC);
    AttachSubclass(this);
}

void ClassListView::Destroy() {
    DetachSubclass(this);
    Extender.Unbind();
    delete control_.data();
    hListView = 0;
    hColumnHeader = 0;
}

int32_t ClassListView::ScaleWidth() const { return Control() ? Control()->ViewRect().width() : 0; }
int32_t ClassListView::ScaleHeight() const { return Control() ? Control()->ViewRect().height() : 0; }

void ClassListView::DockingImageList(int32_t IconType, InterfaceDock* Reference) {
    if (!Reference || Reference->Superclass() != KindImageList || !Control()) return;
    Control()->SetImageList(IconType, Reference->Handle());
}

void ClassListView::SetBackColor(uint32_t colour) {
    if (!Control()) return;
    for (QWidget* view : {static_cast<QWidget*>(Control()->IconView()), static_cast<QWidget*>(Control()->ReportView())}) {
        QPalette p = view->palette();
        p.setColor(QPalette::Base, ColorOf(colour));
        view->setPalette(p);
    }
}

void ClassListView::SetForeColor(uint32_t colour) {
    if (!Control()) return;
    for (QWidget* view : {static_cast<QWidget*>(Control()->IconView()), static_cast<QWidget*>(Control()->ReportView())}) {
        QPalette p = view->palette();
        p.setColor(QPalette::Text, ColorOf(colour));
        view->setPalette(p);
    }
}

int32_t ClassListView::Style() const { return hListView ? int32_t(Control()->Style() & 3) : style_; }

void ClassListView::SetStyle(int32_t value) {
    int32_t old = Style();
    style_ = value & 3;
    if (!hListView || old == style_) return;
    if (old && Extender.HasStyle(uint32_t(old))) Extender.SetStyle(uint32_t(old), false);
    if (style_) Extender.SetStyle(uint32_t(style_), true);
}

void ClassListView::AddListItem(const std::string& Text, int32_t Image, int32_t Index, int32_t ItemData) {
    ListViewControl* c = Control();
    if (!c) return;
    QStandardItemModel* model = c->Model();
    int row = Index < 0 || Index > model->rowCount() ? model->rowCount() : Index;
    uint32_t sort = c->Style() & 0x30;
    if (sort) {
        row = 0;
        QString text = Q(Text);
        while (row < model->rowCount()) {
            int order = QString::localeAwareCompare(text, model->item(row)->text());
            if ((sort == 0x10 && order < 0) || (sort == 0x20 && order > 0)) break;
            ++row;
        }
    }
    QList<QStandardItem*> items;
    auto* item = new QStandardItem(Q(Text));
    item->setData(Image, ListViewControl::ImageRole);
    item->setData(ItemData, ListViewControl::DataRole);
    item->setData(Indent, ListViewControl::IndentRole);
    item->setDropEnabled(false);
    items << item;
    for (int column = 1; column < model->columnCount(); ++column) items << new QStandardItem;
    model->insertRow(row, items);
    NewIndex = row;
}

void ClassListView::RemoveListItem(int32_t Index) {
    if (Control()) Control()->Model()->removeRow(Index);
    NewIndex = -1;
}

void ClassListView::ClearListItems() {
    if (Control()) Control()->Model()->removeRows(0, Control()->Model()->rowCount());
    NewIndex = -1;
}

std::string ClassListView::ListItems(int32_t Index, int32_t SubItem) const {
    if (!Control()) return {};
    QStandardItem* item = Control()->Model()->item(Index, SubItem);
    return item ? LimitedText(item->text()).toStdString() : std::string();
}

void ClassListView::SetListItems(int32_t Index, int32_t SubItem, const std::string& text) {
    if (!Control()) return;
    QStandardItemModel* model = Control()->Model();
    if (Index < 0 || Index >= model->rowCount() || SubItem < 0 || SubItem >= model->columnCount()) return;
    QStandardItem* item = model->item(Index, SubItem);
    if (!item) model->setItem(Index, SubItem, item = new QStandardItem);
    item->setText(Q(text));
}

int32_t ClassListView::ListItemImage(int32_t Index, int32_t SubItem) const {
    if (!Control()) return 0;
    QStandardItem* item = Control()->Model()->item(Index, SubItem);
    return item ? item->data(ListViewControl::ImageRole).toInt() : 0;
}

void ClassListView::SetListItemImage(int32_t Index, int32_t SubItem, int32_t image) {
    if (!Control()) return;
    if (QStandardItem* item = Control()->Model()->item(Index, SubItem)) item->setData(image, ListViewControl::ImageRole);
}

int32_t ClassListView::ListItemCount() const { return Control() ? Control()->Model()->rowCount() : 0; }

int32_t ClassListView::ItemData(int32_t Index) const {
    if (!Control()) return 0;
    QStandardItem* item = Control()->Model()->item(Index);
    return item ? item->data(ListViewControl::DataRole).toInt() : 0;
}

void ClassListView::SetItemData(int32_t Index, int32_t value) {
    if (!Control()) return;
    if (QStandardItem* item = Control()->Model()->item(Index)) item->setData(value, ListViewControl::DataRole);
}

int32_t ClassListView::SelIndex() const { return Search(LVIS_FOCUSED | LVIS_SELECTED, -1); }

void ClassListView::SetSelIndex(int32_t Index) {
    if (!Control()) return;
    if (Index == -1) {
        int32_t current = SelIndex();
        if (current >= 0) Control()->SetState(current, LVIS_FOCUSED | LVIS_SELECTED, false);
        return;
    }
    Control()->SetState(Index, LVIS_FOCUSED | LVIS_SELECTED, true);
}

int32_t ClassListView::SelCount() const {
    return Control() ? int32_t(Control()->Selection()->selectedRows().size()) : 0;
}

bool ClassListView::ListItemState(int32_t Index, int32_t State) const {
    return Control() && (Control()->State(Index) & uint32_t(State)) == uint32_t(State);
}

void ClassListView::SetListItemState(int32_t Index, int32_t State, bool value) {
    if (Control()) Control()->SetState(Index, uint32_t(State), value);
}

int32_t ClassListView::ListItemX(int32_t Index) const { return Control() ? Control()->ItemPosition(Index).x() : 0; }
int32_t ClassListView::ListItemY(int32_t Index) const { return Control() ? Control()->ItemPosition(Index).y() : 0; }

void ClassListView::SetListItemX(int32_t Index, int32_t value) {
    if (Control()) Control()->SetItemPosition(Index, QPoint(value, ListItemY(Index)));
}

void ClassListView::SetListItemY(int32_t Index, int32_t value) {
    if (Control()) Control()->SetItemPosition(Index, QPoint(ListItemX(Index), value));
}

int32_t ClassListView::TopIndex() const {
    if (!Control()) return 0;
    QModelIndex index = Control()->View()->indexAt(QPoint(4, 4));
    return index.isValid() ? index.row() : 0;
}

int32_t ClassListView::Search(int32_t State, int32_t Index) const {
    if (!Control()) return -1;
    for (int row = std::max(0, Index + 1); row < Control()->Model()->rowCount(); ++row)
        if ((Control()->State(row) & uint32_t(State)) == uint32_t(State)) return row;
    return -1;
}

void ClassListView::Jump(int32_t Index, bool Partial) {
    if (Control()) Control()->EnsureVisible(Index, Partial);
}

void ClassListView::Edit(int32_t Index) {
    if (!Control()) return;
    QModelIndex index = Control()->Model()->index(Index, 0);
    if (!index.isValid()) return;
    Control()->View()->setFocus();
    Control()->View()->edit(index);
}

int32_t ClassListView::HitTest(int32_t X, int32_t Y, int32_t& Flags) const {
    int flags = 1;
    int32_t row = Control() ? Control()->HitTest(QPoint(X, Y), flags) : -1;
    Flags = flags;
    return row;
}

void ClassListView::Scroll(int32_t X, int32_t Y) {
    if (!Control()) return;
    QAbstractItemView* view = Control()->View();
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->value() + X);
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() + Y);
}

void ClassListView::Arrange() {
    if (Control()) Control()->Arrange();
}

void ClassListView::Update(int32_t, int32_t) {
    if (Control()) Control()->View()->viewport()->update();
}

void ClassListView::Wallpaper(const std::string& Path, bool Tile, int32_t PercentX, int32_t PercentY) {
    if (!Control()) return;
    QImage image;
    if (!Path.empty()) image.load(Q(Path));
    Control()->SetWallpaper(image, Tile, PercentX & 0xFF, PercentY & 0xFF);
}

void ClassListView::AddColumnHeader(int32_t Align, int32_t Strength, const std::string& Caption) {
    if (!Control()) return;
    QStandardItemModel* model = Control()->Model();
    int column = columnCount_;
    if (column >= model->columnCount()) model->insertColumn(column);
    auto* header = new QStandardItem(Q(Caption));
    Qt::Alignment align = Align == 1 ? Qt::AlignRight : Align == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    header->setTextAlignment(align | Qt::AlignVCenter);
    model->setHorizontalHeaderItem(column, header);
    Control()->ReportView()->header()->resizeSection(column, Strength);
    ++columnCount_;
}

void ClassListView::RemoveColumnHeader(int32_t index) {
    if (!Control() || index < 0 || index >= columnCount_) return;
    if (Control()->Model()->columnCount() > 1) Control()->Model()->removeColumn(index);
    else Control()->Model()->setHorizontalHeaderItem(0, new QStandardItem);
    --columnCount_;
}

std::string ClassListView::ColumnHeaders(int32_t index) const {
    if (!Control()) return {};
    QStandardItem* header = Control()->Model()->horizontalHeaderItem(index);
    return header ? LimitedText(header->text()).toStdString() : std::string();
}

void ClassListView::SetColumnHeaders(int32_t index, const std::string& caption) {
    if (!Control() || index < 0 || index >= columnCount_) return;
    Control()->Model()->setHorizontalHeaderItem(index, new QStandardItem(Q(caption)));
}

int32_t ClassListView::ColumnHeaderLength(int32_t index) const {
    return Control() ? Control()->ReportView()->header()->sectionSize(index) : 0;
}

void ClassListView::SetColumnHeaderLength(int32_t index, int32_t width) {
    if (Control()) Control()->ReportView()->header()->resizeSection(index, width);
}

LResult ClassListView::Callback(Hwnd, unsigned wmInfo, WParam wParam, LParam lParam, bool&) {
    source_.OwnMessage(Events, DragDropMode, [this] { WhatsThisHelp(); }, wmInfo, wParam, lParam);
    return 0;
}

void ClassListView::Extender_Send(unsigned& wmInfo, WParam&, LParam& lParam) {
    static const ItemViewCodes codes{LVN_ITEMCHANGED, LVN_BEGINDRAG, LVN_BEGINLABELEDIT, LVN_ENDLABELEDIT};
    source_.Notification(Events, DragDropMode, hListView, codes, wmInfo, lParam);
}

} // namespace gb
