#include "ClassStatusBar.h"

#include "StatusBarControl.h"
#include "ToolkitSupport.h"

namespace gb {

ClassStatusBar::ClassStatusBar() = default;

ClassStatusBar::~ClassStatusBar() {
    if (hStatusBar) Destroy();
}

void ClassStatusBar::Create(Hwnd hWnd, std::intptr_t hDC) {
    QWidget* parent = WidgetOf(hWnd);
    if (!parent) return;
    uint32_t style = 0x54000000u + uint32_t(Align);
    if (!Border) style |= 0x40;
    if (SizeGrip) style |= 0x100;
    auto* control = new StatusBarControl(parent);
    control_ = control;
    hStatusBar = SetUpControl(control, style, 0, 101, KindStatusBar);
    Extender.Bind(hStatusBar, hDC);
    control->AlignToParent();
}

void ClassStatusBar::Destroy() {
    Extender.Unbind();
    delete control_.data();
    hStatusBar = 0;
}

int32_t ClassStatusBar::Style() const { return Control() && Control()->Simple() ? 1 : 0; }

void ClassStatusBar::SetStyle(int32_t value) {
    if (Control()) Control()->SetSimple(value == 1);
}

void ClassStatusBar::AddPanels(const std::vector<std::optional<int32_t>>& widths) { widths_ = widths; }

void ClassStatusBar::ClearPanels() {
    widths_.clear();
    if (Control()) Control()->SetParts({-1});
}

int32_t ClassStatusBar::PanelCount() const { return Control() ? int32_t(Control()->Parts().size()) : 0; }

std::string ClassStatusBar::Caption() const { return Control() ? Control()->SimpleText().toStdString() : std::string(); }

void ClassStatusBar::SetCaption(const std::string& text) {
    if (Control()) Control()->SetSimpleText(QString::fromStdString(text));
}

std::string ClassStatusBar::Panels(int32_t index) const {
    return Control() ? LimitedText(Control()->Text(index)).toStdString() : std::string();
}

void ClassStatusBar::SetPanels(int32_t index, const std::string& text) {
    if (Control()) Control()->SetText(index, QString::fromStdString(text));
}

void ClassStatusBar::SetPanelIcon(int32_t index, const QImage& icon) {
    if (Control()) Control()->SetIcon(index, icon);
}

int32_t ClassStatusBar::PanelWidth(int32_t index) const { return Control() ? Control()->PartRect(index).width() : 0; }

void ClassStatusBar::SetPanelHeight(int32_t height) {
    if (Control()) Control()->SetMinHeight(height);
}

std::vector<int32_t> ClassStatusBar::RightEdges() const {
    return Control() ? std::vector<int32_t>(Control()->Parts().begin(), Control()->Parts().end())
                     : std::vector<int32_t>{};
}

void ClassStatusBar::Calculate() {
    StatusBarControl* c = Control();
    if (c) {
        c->AlignToParent();
        c->SetParts({-1});
        int total = c->PartRect(0).right() + 1 - c->PartRect(0).left();
        int fixed = 0, omitted = 0;
        for (const auto& w : widths_) w ? fixed += *w : ++omitted;
        int share = omitted ? (total - fixed) / omitted : 0;
        std::vector<int> edges;
        int running = 0;
        for (const auto& w : widths_) edges.push_back(running += w ? *w : share);
        if (omitted && !edges.empty()) edges.back() = -1;
        c->SetParts(edges);
    }
    if (Events.Resize) Events.Resize();
}

void ClassStatusBar::Margin(int32_t horizontal, int32_t vertical, int32_t between) {
    if (Control()) Control()->SetBorders(horizontal, vertical, between);
}

} // namespace gb
