#include "ClassDragListBox.h"

#include "GeneralCommonControlsEx.h"
#include "platform/ErrorRecord.h"

#include <QListWidget>
#include <QScrollBar>

namespace gb {

ClassDragListBox::~ClassDragListBox() { Detach(); }

std::intptr_t ClassDragListBox::Handle() { return parent_; }

bool ClassDragListBox::Attach(QWidget* Target) {
    auto* list = qobject_cast<QListWidget*>(Target);
    if (!list || !list->parentWidget()) {
        Err().Raise(kObjectError, "The target is not a list box.", "ClassDragListBox");
        return false;
    }
    Detach();
    list_ = list;
    message_ = RegisterWindowMessage("commctrl_DragListMsg");
    list->setDragDropMode(QAbstractItemView::InternalMove);
    list->setDefaultDropAction(Qt::MoveAction);
    Hwnd self = HandleOf(list);
    parent_ = HandleOf(list->parentWidget());
    unsigned message = message_;
    auto send = [self, message, list](int code, LParam item) {
        if (list->parentWidget()) SendMessage(HandleOf(list->parentWidget()), message, WParam(code), item ? item : LParam(self));
    };
    QObject::connect(list->model(), &QAbstractItemModel::rowsMoved, list, [send] { send(DL_DROPPED, 0); });
    QObject::connect(list->verticalScrollBar(), &QScrollBar::valueChanged, list, [send] { send(DL_SCROLLED, 0); });
    QObject::connect(list, &QListWidget::itemChanged, list, [send, list](QListWidgetItem* item) {
        send(DL_ITEMCHECKED, LParam(list->row(item)) + 1);
    });
    AttachSubclass(this);
    return true;
}

void ClassDragListBox::Detach() {
    if (!parent_) return;
    if (IsWindow(parent_)) DetachSubclass(this);
    if (list_) {
        QObject::disconnect(list_->model(), nullptr, list_, nullptr);
        QObject::disconnect(list_->verticalScrollBar(), nullptr, list_, nullptr);
        QObject::disconnect(list_, &QListWidget::itemChanged, list_, nullptr);
        list_->setDragDropMode(QAbstractItemView::NoDragDrop);
    }
    parent_ = 0;
}

int32_t ClassDragListBox::Style() const {
    if (!list_) return 0;
    switch (list_->selectionMode()) {
    case QAbstractItemView::MultiSelection: return 1;
    case QAbstractItemView::ExtendedSelection: return 2;
    default: return 0;
    }
}

void ClassDragListBox::SetStyle(int32_t value) {
    if (!list_) return;
    list_->setSelectionMode(value == 1   ? QAbstractItemView::MultiSelection
                            : value == 2 ? QAbstractItemView::ExtendedSelection
                                         : QAbstractItemView::SingleSelection);
}

bool ClassDragListBox::Selected(int32_t index) const {
    return list_ && list_->item(index) && list_->item(index)->isSelected();
}

void ClassDragListBox::SetSelected(int32_t index, bool value) {
    if (list_ && list_->item(index)) list_->item(index)->setSelected(value);
}

LResult ClassDragListBox::Callback(Hwnd, unsigned wmInfo, WParam wParam, LParam lParam, bool&) {
    if (wmInfo != message_ || !message_) return 0;
    switch (int(wParam)) {
    case DL_DROPPED:
        if (Events.Drop) Events.Drop();
        break;
    case DL_SCROLLED:
        if (Events.Scroll) Events.Scroll();
        break;
    case DL_ITEMCHECKED:
        if (Events.ItemCheck) Events.ItemCheck(int32_t(lParam - 1));
        break;
    default:
        break;
    }
    return 0;
}

} // namespace gb
