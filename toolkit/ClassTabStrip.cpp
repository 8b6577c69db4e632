#include "ClassTabStrip.h"

#include "GeneralCommonControlsEx.h"
#include "ToolkitSupport.h"

namespace gb {

ClassTabStrip::ClassTabStrip() {
    Extender.Send = [this](unsigned& m, WParam& w, LParam& l) { Extender_Send(m, w, l); };
}

ClassTabStrip::~ClassTabStrip() {
    if (hTabStrip) Destroy();
}

void ClassTabStrip::Create(Hwnd hWnd, std::intptr_t hDC) {
    QWidget* parent = WidgetOf(hWnd);
    if (!parent) return;
    uint32_t style = 0x54000000u + uint32_t(Style) + uint32_t(Direction) + uint32_t(Arrange) + uint32_t(Focus);
    if (ClipChildren) style |= 0x2000000;
    if (Alignment) style |= 0x20;
    if (Wrappable) style |= 0x200;
    if (Flat) style |= 0x48;
    auto* control = new TabStripControl(parent);
    control_ = control;
    hTabStrip = SetUpControl(control, style, 0x10000u | (Opaque ? 0u : 0x20u), 0, KindTabStrip);
    Extender.Bind(hTabStrip, hDC);
    AttachSubclass(this);
}

void ClassTabStrip::Destroy() {
    DetachSubclass(this);
    Extender.Unbind();
    delete control_.data();
    hTabStrip = 0;
}

void ClassTabStrip::DockingImageList(InterfaceDock* Reference) {
    if (Reference && Reference->Superclass() == KindImageList && Control()) Control()->SetImageList(Reference->Handle());
}

void ClassTabStrip::DockingToolTips(InterfaceDock* partner) {
    if (partner && partner->Superclass() == KindToolTips) partner->Receive(this);
}

void ClassTabStrip::AddTab(const std::string& Caption, int32_t Image, int32_t Index) {
    TabStripControl* c = Control();
    if (!c) return;
    int at = Index < 0 || Index > c->Bar()->count() ? c->Bar()->count() : Index;
    // Adding a tab (the first one becomes current) is no user's change.
    c->Bar()->blockSignals(true);
    c->Bar()->insertTab(at, QString::fromStdString(Caption));
    c->Bar()->blockSignals(false);
    c->SetTabImage(at, Image);
}

void ClassTabStrip::RemoveTab(int32_t Index) {
    if (!Control()) return;
    Control()->Bar()->blockSignals(true);
    Control()->Bar()->removeTab(Index);
    Control()->Bar()->blockSignals(false);
}

void ClassTabStrip::ClearTabs() {
    while (TabCount() > 0) RemoveTab(0);
}

int32_t ClassTabStrip::TabCount() const { return Control() ? Control()->Bar()->count() : 0; }
int32_t ClassTabStrip::Current() const { return Control() ? Control()->Bar()->currentIndex() : -1; }

void ClassTabStrip::SetCurrent(int32_t Index) {
    if (Control()) Control()->SetCurrent(Index);
}

void ClassTabStrip::SetTabWidth(int32_t width) {
    if (Control()) Control()->SetMinimumTabWidth(width);
}

int32_t ClassTabStrip::TabHeight() const { return Control() ? Control()->Bar()->height() : 0; }
int32_t ClassTabStrip::Lines() const { return TabCount() > 0 ? 1 : 0; }
int32_t ClassTabStrip::ScaleLeft() const { return Control() ? Control()->DisplayRect().left() : 0; }
int32_t ClassTabStrip::ScaleTop() const { return Control() ? Control()->DisplayRect().top() : 0; }
int32_t ClassTabStrip::ScaleWidth() const { return Control() ? Control()->DisplayRect().width() : 0; }
int32_t ClassTabStrip::ScaleHeight() const { return Control() ? Control()->DisplayRect().height() : 0; }

void ClassTabStrip::Margin(int32_t width, int32_t height) {
    if (Control()) Control()->SetItemSize(width, height);
}

LResult ClassTabStrip::Callback(Hwnd, unsigned wmInfo, WParam, LParam, bool&) {
    FocusAndHelp(wmInfo, Events.GotFocus, Events.LostFocus, [this] { WhatsThisHelp(); });
    return 0;
}

void ClassTabStrip::Extender_Send(unsigned& wmInfo, WParam&, LParam& lParam) {
    if (wmInfo != WM_NOTIFY || !lParam || !hTabStrip) return;
    const auto* header = reinterpret_cast<const NotifyHeader*>(lParam);
    if (header->hwndFrom == hTabStrip && header->code == TCN_SELCHANGE && Events.Change) Events.Change();
}

} // namespace gb
