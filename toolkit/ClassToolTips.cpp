#include "ClassToolTips.h"

#include "ToolkitSupport.h"

#include <QWidget>

namespace gb {

ClassToolTips::~ClassToolTips() {
    if (hToolTips) Destroy();
}

void ClassToolTips::Create(std::intptr_t hWnd, std::intptr_t) {
    QWidget* parent = WidgetOf(hWnd);
    if (!parent) return;
    // The tips are drawn by the desktop's tool-tip window; this window only names them.
    auto* window = new QWidget(parent);
    window->hide();
    window->setProperty("gbToolkitKind", int(KindToolTips));
    hToolTips = HandleOf(window);
    owner_ = hWnd;
}

void ClassToolTips::Destroy() {
    for (auto& [key, text] : tools_) Apply(key, "");
    tools_.clear();
    delete WidgetOf(hToolTips);
    hToolTips = 0;
}

void ClassToolTips::Add(const std::string& Caption, int32_t Key) { queue_.emplace_back(Key, Caption); }

void ClassToolTips::Complete() {
    for (auto& [key, text] : queue_) {
        tools_[key] = text;
        Apply(key, text);
    }
    queue_.clear();
}

void ClassToolTips::Remove(int32_t Key) {
    if (tools_.erase(Key)) Apply(Key, "");
}

void ClassToolTips::ToolTipText(int32_t Key, const std::string& text) {
    auto it = tools_.find(Key);
    if (it == tools_.end()) return;
    it->second = text;
    Apply(Key, text);
}

std::string ClassToolTips::ToolText(int32_t Key) const {
    auto it = tools_.find(Key);
    return it == tools_.end() ? std::string() : it->second;
}

void ClassToolTips::Margin(int32_t, int32_t) {
    // The desktop's tool-tip style sets the margins.
}

void ClassToolTips::Receive(InterfaceDock* Interface) {
    if (!Interface) return;
    int32_t kind = Interface->Superclass();
    if (kind != KindSlider && kind != KindTabStrip && kind != KindToolBar) return;
    owner_ = Interface->Handle();
    Complete();
}

void ClassToolTips::Apply(int32_t key, const std::string& text) {
    QWidget* owner = WidgetOf(owner_);
    if (!owner) return;
    if (auto* host = dynamic_cast<ToolTipHost*>(owner)) host->SetToolTip(key, QString::fromStdString(text));
    else owner->setToolTip(QString::fromStdString(text));
}

} // namespace gb
