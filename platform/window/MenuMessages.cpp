#include "MenuMessages.h"

#include "platform/WindowMessages.h"

#include <QAction>
#include <QMenu>

namespace gb {
namespace {

WParam CommandOf(QAction* action) { return WParam(uint16_t(action->data().toInt())); }

} // namespace

void ConnectMenuMessages(QMenu* menu, Hwnd owner) {
    if (!menu) return;
    Hwnd menuHandle = HandleOf(menu);
    QObject::connect(menu, &QMenu::triggered, menu, [owner, menu](QAction* action) {
        // A sub-menu passes its items' choices on to its parents; send each once.
        if (action->menu() || !menu->actions().contains(action)) return;
        SendMessage(owner, WM_COMMAND, CommandOf(action), 0);
    });
    QObject::connect(menu, &QMenu::hovered, menu, [owner, menuHandle](QAction* action) {
        WParam flags = 0x80 | (action->menu() ? 0x10 : 0);
        SendMessage(owner, WM_MENUSELECT, CommandOf(action) | (flags << 16), menuHandle);
    });
    QObject::connect(menu, &QMenu::aboutToHide, menu,
                     [owner] { SendMessage(owner, WM_MENUSELECT, WParam(0xFFFFu) << 16, 0); });
    for (QAction* action : menu->actions())
        if (action->menu()) ConnectMenuMessages(action->menu(), owner);
}

} // namespace gb
