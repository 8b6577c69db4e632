#include "SystemMenu.h"

#include "platform/WindowMessages.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <map>

namespace gb {
namespace {

const std::vector<SystemMenuItem>& DefaultMenu() {
    static const std::vector<SystemMenuItem> items = {
        {SC_RESTORE, "元のサイズに戻す(&R)"}, {SC_MOVE, "移動(&M)"},   {SC_SIZE, "サイズ変更(&S)"},
        {SC_MINIMIZE, "最小化(&N)"},          {SC_MAXIMIZE, "最大化(&X)"}, {0, ""},
        {SC_CLOSE, "閉じる(&C)\tAlt+F4"},
    };
    return items;
}

std::map<Hwnd, std::vector<SystemMenuItem>>& Menus() {
    static std::map<Hwnd, std::vector<SystemMenuItem>> menus;
    return menus;
}

Hwnd TopLevel(Hwnd window) {
    QWidget* w = WidgetOf(window);
    return w ? HandleOf(w->window()) : 0;
}

// Refuses the user's close while the menu has no working Close command.
class CloseGuard : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Close && event->spontaneous() && object->isWidgetType() &&
            !SystemMenuHas(HandleOf(static_cast<QWidget*>(object)), SC_CLOSE)) {
            event->ignore();
            return true;
        }
        return false;
    }
};

void ApplyCloseButton(QWidget* window, bool canClose) {
    if (!window) return;
    static CloseGuard* guard = new CloseGuard;
    window->removeEventFilter(guard);
    window->installEventFilter(guard);
    bool hasButton = window->windowFlags().testFlag(Qt::WindowCloseButtonHint);
    if (hasButton == canClose) return;
    bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowCloseButtonHint, canClose);
    if (visible) window->show();
}

} // namespace

std::vector<SystemMenuItem> GetSystemMenuItems(Hwnd window) {
    auto it = Menus().find(TopLevel(window));
    return it == Menus().end() ? DefaultMenu() : it->second;
}

void SetSystemMenuItems(Hwnd window, std::vector<SystemMenuItem> items) {
    Hwnd top = TopLevel(window);
    QWidget* w = WidgetOf(top);
    if (!w) return;
    if (!Menus().count(top))
        QObject::connect(w, &QObject::destroyed, [top] { Menus().erase(top); });
    Menus()[top] = std::move(items);
    ApplyCloseButton(w, SystemMenuHas(top, SC_CLOSE));
}

void RevertSystemMenu(Hwnd window) {
    Hwnd top = TopLevel(window);
    if (!Menus().erase(top)) return;
    ApplyCloseButton(WidgetOf(top), true);
}

bool SystemMenuHas(Hwnd window, unsigned command) {
    const auto& defaults = DefaultMenu();
    bool standard = std::any_of(defaults.begin(), defaults.end(), [&](auto& i) { return i.id == command && command; });
    if (!standard) return true;
    auto it = Menus().find(TopLevel(window));
    if (it == Menus().end()) return true;
    return std::any_of(it->second.begin(), it->second.end(),
                       [&](const SystemMenuItem& i) { return i.id == command && !i.grayed; });
}

} // namespace gb
