#include "ItemViewNotifier.h"

#include "ListViewNotifications.h"
#include "ToolkitSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace gb {

ItemViewNotifier::ItemViewNotifier(QWidget* control, QAbstractItemView* view, int beginDragCode,
                                   std::function<int(const QModelIndex&)> itemOf, std::function<bool()> dragAllowed)
    : QObject(view), control_(control), view_(view), beginDragCode_(beginDragCode), itemOf_(std::move(itemOf)),
      dragAllowed_(std::move(dragAllowed)) {
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
}

void ItemViewNotifier::Send(int code, int item, QPoint at) {
    ListViewNotify n;
    n.iItem = item;
    QPoint p = view_->viewport()->mapTo(control_, at);
    n.ptAction = {p.x(), p.y()};
    Notify(control_, code, n);
}

bool ItemViewNotifier::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_) {
        if (event->type() == QEvent::KeyPress && !(editing && editing())) {
            int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) Send(NM_RETURN, itemOf_(view_->currentIndex()), {});
        }
        return false;
    }
    if (watched != view_->viewport()) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        QModelIndex index = view_->indexAt(e->position().toPoint());
        pressItem_ = e->button() == Qt::LeftButton && index.isValid() ? itemOf_(index) : -1;
        pressAt_ = e->position().toPoint();
        dragging_ = false;
        break;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (pressItem_ < 0 || dragging_ || !(e->buttons() & Qt::LeftButton) || !dragAllowed_()) break;
        if ((e->position().toPoint() - pressAt_).manhattanLength() < QApplication::startDragDistance()) break;
        dragging_ = true;
        Send(beginDragCode_, pressItem_, pressAt_);
        return true; // no rubber band of the item view's own
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        pressItem_ = -1;
        if (afterDoubleClick_) {
            afterDoubleClick_ = false;
            break;
        }
        if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton) break;
        QPoint at = e->position().toPoint();
        Send(e->button() == Qt::LeftButton ? NM_CLICK : NM_RCLICK, itemOf_(view_->indexAt(at)), at);
        break;
    }
    case QEvent::MouseButtonDblClick: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton) break;
        afterDoubleClick_ = true;
        QPoint at = e->position().toPoint();
        Send(NM_DBLCLK, itemOf_(view_->indexAt(at)), at);
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace gb
