#include "KeyboardHook.h"

#include "KeyData.h"
#include "platform/KeyState.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <unistd.h>
#include <vector>

namespace gb {
namespace {

struct Hook {
    Hhook handle;
    HookProc procedure;
};
std::vector<Hook> hooks; // the newest first
Hhook nextHandle = 0x7000;



// Runs the hooks once per keystroke. Qt shows one keystroke to the application
// filter several times: first as a shortcut override, then as the key press, and
// again for every parent the press propagates to; the hooks see it only once.
class HookFilter : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride) return false;
        if (hooks.empty() || !object->isWidgetType()) return false;
        auto* e = static_cast<QKeyEvent*>(event);
        auto* widget = static_cast<QWidget*>(object);
        // A press or release travelling up to the parents of its first receiver.
        if (event == last_ && lastReceiver_ && lastReceiver_ != widget && widget->isAncestorOf(lastReceiver_) &&
            type == lastType_)
            return lastCancelled_;
        bool release = type == QEvent::KeyRelease;
        // The press after its shortcut override.
        if (type == QEvent::KeyPress && pendingPress_ && pendingKey_ == e->key() && pendingModifiers_ == e->modifiers()) {
            pendingPress_ = false;
            Remember(event, widget, type, pendingCancelled_);
            return pendingCancelled_;
        }
        if (type == QEvent::KeyPress) pendingPress_ = false;
        int vk = VirtualKeyOfEvent(*e);
        if (!vk) return false;
        bool cancelled = hooks.front().procedure(HC_ACTION, std::uintptr_t(vk), KeyDataOfEvent(*e, release)) != 0;
        if (type == QEvent::ShortcutOverride) {
            pendingPress_ = true;
            pendingKey_ = e->key();
            pendingModifiers_ = e->modifiers();
            pendingCancelled_ = cancelled;
            Remember(event, widget, type, cancelled);
            if (cancelled) event->accept(); // keeps Qt's shortcuts from acting on it
            return cancelled;
        }
        Remember(event, widget, type, cancelled);
        if (cancelled) event->accept();
        return cancelled;
    }

private:
    void Remember(QEvent* event, QWidget* widget, QEvent::Type type, bool cancelled) {
        last_ = event;
        lastReceiver_ = widget;
        lastType_ = type;
        lastCancelled_ = cancelled;
    }

    const QEvent* last_ = nullptr;
    QPointer<QWidget> lastReceiver_;
    QEvent::Type lastType_ = QEvent::None;
    bool lastCancelled_ = false;
    bool pendingPress_ = false;
    int pendingKey_ = 0;
    Qt::KeyboardModifiers pendingModifiers_;
    bool pendingCancelled_ = false;
};

HookFilter* Filter() {
    static HookFilter* filter = nullptr;
    if (!filter && qApp) {
        filter = new HookFilter;
        qApp->installEventFilter(filter);
    }
    return filter;
}

} // namespace

Hhook SetWindowsHookEx(int idHook, HookProc procedure, std::intptr_t, unsigned long) {
    if (idHook != WH_KEYBOARD || !procedure || !Filter()) return 0;
    Hhook handle = nextHandle++;
    hooks.insert(hooks.begin(), {handle, procedure});
    return handle;
}

bool UnhookWindowsHookEx(Hhook hook) {
    auto it = std::find_if(hooks.begin(), hooks.end(), [&](const Hook& h) { return h.handle == hook; });
    if (it == hooks.end()) return false;
    hooks.erase(it);
    return true;
}

std::intptr_t CallNextHookEx(Hhook hook, int code, std::uintptr_t wParam, std::intptr_t lParam) {
    auto it = std::find_if(hooks.begin(), hooks.end(), [&](const Hook& h) { return h.handle == hook; });
    if (it == hooks.end() || ++it == hooks.end()) return 0;
    return it->procedure(code, wParam, lParam);
}

unsigned long GetCurrentThreadId() { return static_cast<unsigned long>(gettid()); }

} // namespace gb
