#include "ListViewControl.h"

#include "ImageListStore.h"
#include "ItemViewNotifier.h"
#include "LabelEditDelegate.h"
#include "ListViewNotifications.h"
#include "ToolkitSupport.h"
#include "platform/window/WindowProcedure.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace gb {
namespace {

enum : uint32_t {
    LVS_TYPEMASK = 0x3, LVS_SINGLESEL = 0x4, LVS_SHOWSELALWAYS = 0x8, LVS_NOLABELWRAP = 0x80,
    LVS_AUTOARRANGE = 0x100, LVS_EDITLABELS = 0x200, LVS_ALIGNLEFT = 0x800, LVS_NOSCROLL = 0x2000,
    LVS_NOCOLUMNHEADER = 0x4000,
};

class IconListView : public QListView {
public:
    IconListView(ListViewControl* owner) : QListView(owner), owner_(owner) {}
    using QListView::rectForIndex;
    using QListView::setPositionForIndex;

protected:
    void paintEvent(QPaintEvent* event) override {
        {
            QPainter painter(viewport());
            owner_->PaintWallpaper(painter, viewport()->rect());
        }
        QListView::paintEvent(event);
    }

private:
    ListViewControl* owner_;
};

class ReportTreeView : public QTreeView {
public:
    ReportTreeView(ListViewControl* owner) : QTreeView(owner), owner_(owner) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        {
            QPainter painter(viewport());
            owner_->PaintWallpaper(painter, viewport()->rect());
        }
        QTreeView::paintEvent(event);
    }

private:
    ListViewControl* owner_;
};

// Draws the item images from the control's image lists, cut items ghosted and the
// drop target highlighted; label edits are reported, never written by the delegate.
class ListItemDelegate : public LabelEditDelegate {
public:
    ListItemDelegate(ListViewControl* owner)
        : LabelEditDelegate(owner, LVN_BEGINLABELEDIT, LVN_ENDLABELEDIT, [](const QModelIndex& i) { return i.row(); }),
          owner_(owner) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem o(option);
        uint32_t state = index.column() == 0 ? owner_->State(index.row()) : owner_->State(index.row()) & ~LVIS_CUT;
        if (state & LVIS_DROPHILITED) o.state |= QStyle::State_Selected | QStyle::State_Active;
        else if ((o.state & QStyle::State_Selected) && !(owner_->Style() & LVS_SHOWSELALWAYS) &&
                 !owner_->View()->hasFocus())
            o.state &= ~QStyle::State_Selected;
        painter->save();
        if (state & LVIS_CUT) painter->setOpacity(0.45);
        QStyledItemDelegate::paint(painter, o, index);
        painter->restore();
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        LabelEditDelegate::initStyleOption(option, index);
        if (index.column() != 0) return;
        SetItemImage(option, ImageListImage(owner_->ViewImageList(), index.data(ListViewControl::ImageRole).toInt()));
    }

private:
    ListViewControl* owner_;
};

} // namespace

ListViewControl::ListViewControl(QWidget* parent)
    : QStackedWidget(parent), model_(new QStandardItemModel(this)), icons_(new IconListView(this)),
      report_(new ReportTreeView(this)) {
    model_->setColumnCount(1);
    icons_->setModel(model_);
    report_->setModel(model_);
    selection_ = icons_->selectionModel();
    QItemSelectionModel* unused = report_->selectionModel();
    report_->setSelectionModel(selection_);
    delete unused;
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(icons_), static_cast<QAbstractItemView*>(report_)}) {
        auto* delegate = new ListItemDelegate(this);
        view->setItemDelegate(delegate);
        auto* notifier = new ItemViewNotifier(this, view, LVN_BEGINDRAG, [](const QModelIndex& i) { return i.row(); },
                                              [] { return true; });
        notifier->editing = [delegate] { return delegate->Editor() != nullptr; };
        view->setDragEnabled(false);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        Watch(view);
    }
    report_->setRootIsDecorated(false);
    report_->setUniformRowHeights(true);
    report_->header()->setSectionsClickable(false);
    report_->header()->setStretchLastSection(false);
    addWidget(icons_);
    addWidget(report_);
    setFocusPolicy(Qt::StrongFocus);
    connect(selection_, &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                std::vector<int> rows;
                for (const QItemSelection* s : {&deselected, &selected})
                    for (const QModelIndex& i : s->indexes())
                        if (i.column() == 0 && std::find(rows.begin(), rows.end(), i.row()) == rows.end())
                            rows.push_back(i.row());
                for (int row : rows) SendItemChanged(row);
            });
    connect(selection_, &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (previous.isValid()) SendItemChanged(previous.row());
                if (current.isValid()) SendItemChanged(current.row());
            });
    ApplyView();
}

void ListViewControl::Watch(QAbstractItemView* view) {
    AddMessageSource(view, this);
    AddMessageSource(view->viewport(), this);
}

QAbstractItemView* ListViewControl::View() const {
    return (style_ & LVS_TYPEMASK) == 1 ? static_cast<QAbstractItemView*>(report_) : icons_;
}
QListView* ListViewControl::IconView() const { return icons_; }
QTreeView* ListViewControl::ReportView() const { return report_; }

void ListViewControl::WindowStyleChanged(uint32_t style, uint32_t) {
    style_ = style;
    ApplyView();
}

void ListViewControl::ApplyView() {
    int view = style_ & LVS_TYPEMASK;
    icons_->setViewMode(view == 0 ? QListView::IconMode : QListView::ListMode);
    icons_->setFlow(view == 3 || (style_ & LVS_ALIGNLEFT) ? QListView::TopToBottom : QListView::LeftToRight);
    icons_->setWrapping(true);
    icons_->setResizeMode(QListView::Adjust);
    icons_->setWordWrap(!(style_ & LVS_NOLABELWRAP));
    icons_->setMovement(style_ & LVS_AUTOARRANGE ? QListView::Static : QListView::Free);
    icons_->setSpacing(view == 0 ? 4 : 1);
    if (ImageListData* list = ImageListOf(ViewImageList())) icons_->setIconSize(list->size);
    else icons_->setIconSize(view == 0 ? QSize(32, 32) : QSize(16, 16));
    if (ImageListData* list = ImageListOf(imageLists_[1])) report_->setIconSize(list->size);
    report_->setHeaderHidden(style_ & LVS_NOCOLUMNHEADER);
    for (QAbstractItemView* v : {static_cast<QAbstractItemView*>(icons_), static_cast<QAbstractItemView*>(report_)}) {
        v->setSelectionMode(style_ & LVS_SINGLESEL ? QAbstractItemView::SingleSelection
                                                   : QAbstractItemView::ExtendedSelection);
        v->setEditTriggers(style_ & LVS_EDITLABELS
                               ? QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
                               : QAbstractItemView::NoEditTriggers);
        Qt::ScrollBarPolicy policy = style_ & LVS_NOSCROLL ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
        v->setHorizontalScrollBarPolicy(policy);
        v->setVerticalScrollBarPolicy(policy);
    }
    QWidget* current = View();
    bool hadFocus = currentWidget() && currentWidget()->hasFocus();
    setCurrentWidget(current);
    setFocusProxy(current);
    if (hadFocus) current->setFocus();
    View()->viewport()->update();
}

void ListViewControl::SetImageList(int kind, std::intptr_t handle) {
    imageLists_[kind & 3] = handle;
    ApplyView();
}

std::intptr_t ListViewControl::ViewImageList() const {
    return (style_ & LVS_TYPEMASK) == 0 ? imageLists_[0] : imageLists_[1];
}

uint32_t ListViewControl::State(int row) const {
    QModelIndex index = model_->index(row, 0);
    if (!index.isValid()) return 0;
    uint32_t state = index.data(StateRole).toUInt() & (LVIS_CUT | LVIS_DROPHILITED);
    if (selection_->isSelected(index)) state |= LVIS_SELECTED;
    if (selection_->currentIndex().row() == row && selection_->currentIndex().isValid()) state |= LVIS_FOCUSED;
    return state;
}

void ListViewControl::SetState(int row, uint32_t mask, bool on) {
    QModelIndex index = model_->index(row, 0);
    if (!index.isValid()) return;
    if (mask & LVIS_FOCUSED) {
        if (on) selection_->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        else if (selection_->currentIndex() == index) selection_->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    if (mask & LVIS_SELECTED)
        selection_->select(index, (on ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                                      QItemSelectionModel::Rows);
    uint32_t kept = mask & (LVIS_CUT | LVIS_DROPHILITED);
    if (kept) {
        uint32_t old = index.data(StateRole).toUInt();
        uint32_t now = on ? old | kept : old & ~kept;
        if (now != old) {
            model_->setData(index, now, StateRole);
            SendItemChanged(row);
        }
    }
    View()->viewport()->update();
}

void ListViewControl::SendItemChanged(int row) {
    ListViewNotify n;
    n.iItem = row;
    n.uNewState = State(row);
    n.uChanged = 0x8; // LVIF_STATE
    n.lParam = model_->index(row, 0).data(DataRole).toLongLong();
    Notify(this, LVN_ITEMCHANGED, n);
}

QPoint ListViewControl::ItemPosition(int row) const {
    QModelIndex index = model_->index(row, 0);
    if (!index.isValid()) return {};
    if (View() == icons_) return static_cast<IconListView*>(icons_)->rectForIndex(index).topLeft();
    return report_->visualRect(index).topLeft();
}

void ListViewControl::SetItemPosition(int row, QPoint position) {
    QModelIndex index = model_->index(row, 0);
    if (!index.isValid() || View() != icons_ || icons_->movement() == QListView::Static) return;
    static_cast<IconListView*>(icons_)->setPositionForIndex(position, index);
}

QRect ListViewControl::ViewRect() const {
    QRect all;
    for (int row = 0; row < model_->rowCount(); ++row) {
        QModelIndex index = model_->index(row, 0);
        QRect r = View() == icons_ ? static_cast<IconListView*>(icons_)->rectForIndex(index) : report_->visualRect(index);
        all = all.united(r);
    }
    return all;
}

int ListViewControl::HitTest(QPoint at, int& flags) const {
    QAbstractItemView* view = View();
    QPoint local = view->viewport()->mapFrom(this, at);
    QModelIndex index = view->indexAt(local);
    if (!index.isValid()) {
        flags = LVHT_NOWHERE;
        return -1;
    }
    flags = LVHT_ONITEM;
    return index.row();
}

void ListViewControl::EnsureVisible(int row, bool partial) {
    QModelIndex index = model_->index(row, 0);
    if (!index.isValid()) return;
    if (partial && View()->viewport()->rect().intersects(View()->visualRect(index))) return;
    View()->scrollTo(index, QAbstractItemView::EnsureVisible);
}

void ListViewControl::Arrange() {
    if (View() != icons_) return;
    // Laying the items out again puts every icon back on the grid.
    QListView::Movement movement = icons_->movement();
    icons_->setMovement(QListView::Static);
    icons_->doItemsLayout();
    icons_->setMovement(movement);
}

void ListViewControl::SetWallpaper(const QImage& image, bool tile, int percentX, int percentY) {
    wallpaper_ = image;
    tile_ = tile;
    percentX_ = percentX;
    percentY_ = percentY;
    for (QAbstractItemView* v : {static_cast<QAbstractItemView*>(icons_), static_cast<QAbstractItemView*>(report_)}) {
        v->viewport()->setAutoFillBackground(image.isNull());
        v->viewport()->update();
    }
}

void ListViewControl::PaintWallpaper(QPainter& painter, const QRect& area) const {
    if (wallpaper_.isNull()) return;
    painter.fillRect(area, View()->palette().brush(QPalette::Base));
    if (tile_) {
        painter.drawTiledPixmap(area, QPixmap::fromImage(wallpaper_));
        return;
    }
    int x = (area.width() - wallpaper_.width()) * percentX_ / 100;
    int y = (area.height() - wallpaper_.height()) * percentY_ / 100;
    painter.drawImage(area.left() + x, area.top() + y, wallpaper_);
}

QLineEdit* ListViewControl::EditControl() const {
    auto* delegate = static_cast<LabelEditDelegate*>(View()->itemDelegate());
    return delegate ? delegate->Editor() : nullptr;
}

} // namespace gb
