#pragma once
// Sends the common notifications of an item view to the parent of its control:
// click, right click, double click and Return (NM_...), and the begin-drag code of
// the control when the left button moves an item by the drag distance. The item
// view itself never starts a drag of its own.
#include <QObject>
#include <QPoint>
#include <functional>

class QAbstractItemView;
class QModelIndex;
class QWidget;

namespace gb {

class ItemViewNotifier : public QObject {
public:
    // itemOf gives the item number the notifications carry; dragAllowed says whether
    // a begin drag is sent at all.
    ItemViewNotifier(QWidget* control, QAbstractItemView* view, int beginDragCode,
                     std::function<int(const QModelIndex&)> itemOf, std::function<bool()> dragAllowed);

    // Whether the label editor is open (Return then belongs to the editor).
    std::function<bool()> editing;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Send(int code, int item, QPoint at);

    QWidget* control_;
    QAbstractItemView* view_;
    int beginDragCode_;
    std::function<int(const QModelIndex&)> itemOf_;
    std::function<bool()> dragAllowed_;
    int pressItem_ = -1;
    QPoint pressAt_;
    bool dragging_ = false;
    bool afterDoubleClick_ = false;
};

} // namespace gb
