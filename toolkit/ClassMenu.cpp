#include "ClassMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace gb {

void ClassMenu::Modify(int32_t Menu, int32_t GroupLow, int32_t GroupHigh, int32_t X, int32_t Y, const QImage& Image) {
    if (X == -1 || !owner_) return;
    auto* bar = owner_->findChild<QMenuBar*>();
    if (!bar) return;
    QList<QAction*> top = bar->actions();
    if (X < 0 || X >= top.size() || !top[X]->menu()) return;
    QMenu* menu = top[X]->menu();
    if (Y != -1) {
        QList<QAction*> inner = menu->actions();
        if (Y < 0 || Y >= inner.size() || !inner[Y]->menu()) return;
        menu = inner[Y]->menu();
    }
    QList<QAction*> items = menu->actions();
    if (Menu < 0 || Menu >= items.size()) return;
    if (!Image.isNull()) {
        items[Menu]->setIcon(QIcon(QPixmap::fromImage(Image)));
        return;
    }
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (int i = std::max(0, GroupLow); i <= GroupHigh && i < items.size(); ++i) {
        items[i]->setCheckable(true);
        group->addAction(items[i]);
    }
    items[Menu]->setCheckable(true);
    items[Menu]->setChecked(true);
}

} // namespace gb
