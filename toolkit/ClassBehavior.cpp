#include "ClassBehavior.h"

#include "ClassComboBoxEx.h"
#include "GeneralCommonControlsEx.h"
#include "ToolkitSupport.h"
#include "platform/ErrorRecord.h"
#include "platform/KeyState.h"
#include "platform/window/WindowProcedure.h"
#include "platform/window/WindowStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <cstring>

namespace gb {

class ClassBehavior::DockableItem : public InterfaceDock {
public:
    explicit DockableItem(Hwnd window) : window_(window) {}
    std::intptr_t Handle() override { return window_; }
    int32_t Superclass() override { return KindBehavior; }
    void Receive(InterfaceDock*) override {}

private:
    Hwnd window_;
};

namespace {

// Widgets that hold framework controls (rather than being a control of Qt's own).
bool IsContainer(const QWidget* w) {
    const char* name = w->metaObject()->className();
    return !std::strcmp(name, "QWidget") || !std::strcmp(name, "QFrame") || qobject_cast<const QGroupBox*>(w) ||
           qobject_cast<const QStackedWidget*>(w);
}

bool IsFrameworkControl(QWidget* w, QWidget* window) {
    if (w == window || w->window() != window) return false;
    for (QWidget* p = w; p && p != window; p = p->parentWidget()) {
        if (ToolkitKindOf(p)) return false;
        if (p != w && !IsContainer(p)) return false;
    }
    return true;
}

std::vector<QWidget*> FrameworkControls(QWidget* window) {
    std::vector<QWidget*> controls;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (IsFrameworkControl(w, window)) controls.push_back(w);
    return controls;
}

char16_t AccessKeyOf(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].toUpper().unicode();
    }
    return 0;
}

} // namespace

ClassBehavior::ClassBehavior() = default;

ClassBehavior::~ClassBehavior() {
    if (window_) Detach();
}

bool ClassBehavior::Attach(QWidget* Target) {
    if (!Target || !Target->isWindow()) {
        Err().Raise(kObjectError, "The target is not a window.", "ClassBehavior");
        return false;
    }
    if (window_) Detach();
    window_ = HandleOf(Target);
    std::vector<QWidget*> controls = FrameworkControls(Target);
    std::vector<std::pair<int, QWidget*>> indexed;
    for (size_t i = 0; i < controls.size(); ++i) {
        QVariant explicitIndex = controls[i]->property("TabIndex");
        indexed.emplace_back(explicitIndex.isValid() ? explicitIndex.toInt() : int(i), controls[i]);
    }
    for (int j = 0; j < int(indexed.size()); ++j) {
        for (auto& [index, w] : indexed) {
            if (index != j) continue;
            Record r;
            r.tabIndex = int16_t(index);
            if (auto* label = qobject_cast<QLabel*>(w)) {
                QVariant mnemonic = label->property("UseMnemonic");
                char16_t key = AccessKeyOf(label->text());
                r.hasAccessKey = (!mnemonic.isValid() || mnemonic.toBool()) && key;
                if (r.hasAccessKey) r.accessKey = key;
            } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
                r.window = HandleOf(frame);
                r.accessKey = AccessKeyOf(frame->title());
                r.hasAccessKey = r.accessKey != 0;
            } else {
                r.window = HandleOf(w);
                QVariant stop = w->property("TabStop");
                r.tabStop = stop.isValid() ? stop.toBool() : bool(w->focusPolicy() & Qt::TabFocus);
                if (auto* push = qobject_cast<QPushButton*>(w)) {
                    r.isDefault = push->isDefault();
                    r.cancel = push->property("Cancel").toBool();
                    r.accessKey = AccessKeyOf(push->text());
                } else {
                    r.option = qobject_cast<QRadioButton*>(w) != nullptr;
                    r.check = qobject_cast<QCheckBox*>(w) != nullptr;
                    if (auto* button = qobject_cast<QAbstractButton*>(w)) r.accessKey = AccessKeyOf(button->text());
                }
                r.hasAccessKey = r.accessKey != 0;
            }
            table_.push_back(r);
            Items.push_back({w, nullptr});
        }
    }
    shown_ = Target->isVisible() && Target->isActiveWindow();
    return true;
}

void ClassBehavior::Detach() {
    if (accelerator_) SetAccelerator(false);
    shown_ = false;
    Items.clear();
    table_.clear();
    window_ = 0;
    remembered_ = 0;
}

void ClassBehavior::TabOrder(InterfaceDock* DockedItem, int16_t ID, char16_t AccessKey) {
    Record r;
    r.tabIndex = -1;
    r.tabStop = true;
    r.hasAccessKey = AccessKey != 0;
    r.accessKey = QChar(AccessKey).toUpper().unicode();
    r.docked = DockedItem != nullptr;
    if (DockedItem) {
        r.window = DockedItem->Handle();
        if (DockedItem->Superclass() == KindComboBoxEx)
            if (auto* combo = dynamic_cast<ClassComboBoxEx*>(DockedItem))
                r.window = combo->Style == 0 ? combo->EditWindow() : combo->Style == 2 ? combo->ComboWindow() : 0;
    }
    // Only this object moves the focus into a toolkit control by Tab.
    if (QWidget* w = WidgetOf(r.window); w && r.docked && ToolkitKindOf(MessageTarget(w)))
        w->setFocusPolicy(Qt::FocusPolicy(w->focusPolicy() & ~Qt::TabFocus));
    size_t at = table_.size();
    if (ID != -1)
        for (size_t i = 0; i < table_.size(); ++i)
            if (table_[i].tabIndex == ID) {
                at = i;
                break;
            }
    table_.insert(table_.begin() + long(at), r);
    Items.insert(Items.begin() + long(std::min(at, Items.size())), {WidgetOf(r.window), DockedItem});
}

InterfaceDock* ClassBehavior::CDockableItem(QWidget* Source) {
    QWidget* window = WidgetOf(window_);
    if (!Source || !window || !IsFrameworkControl(Source, window)) return nullptr;
    dock_ = HandleOf(Source);
    dockables_.push_back(std::make_unique<DockableItem>(dock_));
    return dockables_.back().get();
}

void ClassBehavior::SetAccelerator(bool value) {
    if (value == accelerator_ || !window_) return;
    accelerator_ = value;
    if (value) {
        AttachSubclass(this);
        AttachKeyboardHook(this);
    } else {
        DetachSubclass(this);
        DetachKeyboardHook(this);
    }
}

void ClassBehavior::Activate() {
    if (QWidget* w = WidgetOf(window_)) {
        w->raise();
        w->activateWindow();
    }
}

const ClassBehavior::NavigationItem* ClassBehavior::Item() const {
    Hwnd focus = GetFocus();
    for (const NavigationItem& item : Items)
        if (item.Control && HandleOf(item.Control) == focus) return &item;
    return nullptr;
}

int ClassBehavior::RecordOf(Hwnd window) const {
    if (!window) return -1;
    for (size_t i = 0; i < table_.size(); ++i)
        if (table_[i].window == window) return int(i);
    return -1;
}

bool ClassBehavior::Qualifies(const Record& r) const {
    QWidget* w = WidgetOf(r.window);
    if (!w) return false;
    if (shown_ && !(w->isEnabled() && w->isVisible())) return false;
    if (r.option) return (GetWindowLong(r.window, GWL_STYLE) & (WS_GROUP | WS_TABSTOP)) != 0;
    return r.tabStop;
}

int ClassBehavior::NextFocusItem(int from, bool backwards) const {
    int n = int(table_.size());
    if (n == 0) return from == -1 ? 0 : from;
    int p = from;
    for (int step = 0; step < n; ++step) {
        p = backwards ? (p <= 0 ? n - 1 : p - 1) : (p + 1 >= n ? 0 : p + 1);
        if (Qualifies(table_[size_t(p)])) return p;
    }
    return from == -1 ? 0 : from;
}

void ClassBehavior::Focus(Hwnd window) const {
    if (QWidget* w = WidgetOf(window)) w->setFocus(Qt::TabFocusReason);
}

LResult ClassBehavior::Callback(Hwnd, unsigned wmInfo, WParam wParam, LParam, bool& Default) {
    switch (wmInfo) {
    case WM_ACTIVATE: {
        bool active = LoWord(int32_t(wParam)) != WA_INACTIVE;
        if (!active) {
            Hwnd focus = GetFocus();
            QWidget* w = WidgetOf(focus);
            if (w && w->window() == WidgetOf(window_)) remembered_ = focus;
        } else if (HiWord(int32_t(wParam)) == 0 && remembered_) {
            Focus(remembered_);
        }
        if (remembered_) {
            int r = RecordOf(remembered_);
            Default = r >= 0 && table_[size_t(r)].tabIndex != -1;
        } else {
            int first = NextFocusItem(-1, false);
            if (first >= 0 && first < int(table_.size())) remembered_ = table_[size_t(first)].window;
        }
        break;
    }
    case WM_SETFOCUS: {
        int first = NextFocusItem(-1, false);
        bool toolkit = first >= 0 && first < int(table_.size()) && table_[size_t(first)].tabIndex == -1;
        if (toolkit) Focus(table_[size_t(first)].window);
        Default = !toolkit;
        break;
    }
    case WM_SHOWWINDOW:
        if (wParam) {
            int first = NextFocusItem(-1, false);
            if (first >= 0 && first < int(table_.size())) Focus(table_[size_t(first)].window);
        }
        shown_ = wParam != 0;
        break;
    case WM_ACTIVATEAPP:
        if (wParam && Events.Activate) Events.Activate();
        if (!wParam && Events.Deactivate) Events.Deactivate();
        break;
    case WM_CHILDACTIVATE:
        if (Events.Child) Events.Child();
        break;
    default:
        break;
    }
    return 0;
}

void ClassBehavior::CallbackWindowsEx(WParam wParam, LParam lParam, bool& Cancel) {
    QWidget* window = WidgetOf(window_);
    if (!window || QApplication::activeWindow() != window) return;
    auto data = uint32_t(lParam);
    bool down = !(data & 0x80000000u);
    if (wParam == VK_SHIFT) shift_ = down;
    if (wParam == VK_CONTROL) control_ = down;
    if (!shown_) return;
    if (wParam == VK_TAB && down && !control_) {
        int from = RecordOf(GetFocus());
        int next = NextFocusItem(from, shift_);
        bool toolkit = (from >= 0 && table_[size_t(from)].tabIndex == -1) ||
                       (next >= 0 && next < int(table_.size()) && table_[size_t(next)].tabIndex == -1);
        if (toolkit && next >= 0 && next < int(table_.size())) {
            Focus(table_[size_t(next)].window);
            Cancel = true;
        }
        return;
    }
    bool alt = (data & (1u << 29)) && !(data & (1u << 28));
    if (!alt || !down || wParam == VK_MENU) return;
    char16_t key = QChar(char16_t(wParam)).toUpper().unicode();
    for (size_t i = 0; i < table_.size(); ++i) {
        const Record& r = table_[i];
        if (!r.hasAccessKey || r.accessKey != key) continue;
        Cancel = true;
        if (r.docked) {
            QWidget* w = WidgetOf(r.window);
            if (w && w->isEnabled() && w->isVisible()) Focus(r.window);
            return;
        }
        int next = NextFocusItem(int(i), false);
        if (next >= 0 && next < int(table_.size()) && table_[size_t(next)].docked) Focus(table_[size_t(next)].window);
        else Cancel = false;
        return;
    }
}

} // namespace gb
