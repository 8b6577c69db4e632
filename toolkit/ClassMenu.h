#pragma once
// Marks a radio choice in a menu of the owner's menu bar, or puts a picture on a menu
// item.
#include <QImage>
#include <QPointer>

class QMenu;
class QWidget;

namespace gb {

class ClassMenu {
public:
    // A window with a menu bar.
    void SetOwner(QWidget* owner) { owner_ = owner; }
    // X -1 does nothing. Otherwise the menu is sub-menu X of the owner's menu bar (and
    // sub-menu Y of that when Y is not -1). With no picture the item at position Menu
    // gets the radio mark, the positions GroupLow to GroupHigh forming the group; with
    // a bitmap the item shows it and keeps its command.
    void Modify(int32_t Menu, int32_t GroupLow, int32_t GroupHigh, int32_t X, int32_t Y, const QImage& Image = {});

private:
    QPointer<QWidget> owner_;
};

} // namespace gb
