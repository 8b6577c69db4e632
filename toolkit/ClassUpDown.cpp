#include "ClassUpDown.h"

#include "ToolkitSupport.h"

namespace gb {

ClassUpDown::ClassUpDown() {
    Extender.Send = [this](unsigned& m, WParam& w, LParam& l) { Extender_Send(m, w, l); };
}

ClassUpDown::~ClassUpDown() {
    if (hUpDown) Destroy();
}

void ClassUpDown::Create(Hwnd hWnd, std::intptr_t hDC) {
    QWidget* parent = WidgetOf(hWnd);
    if (!parent) return;
    uint32_t style = 0x54000000u | 0x20;
    if (Spin) style |= 0x1;
    if (Mode == 0) style |= 0x2;
    if (Alignment) style |= 0x4;
    auto* control = new UpDownControl(parent);
    control_ = control;
    hUpDown = SetUpControl(control, style, 0, 101, KindUpDown);
    control->SetBuddy(WidgetOf(buddy_));
    control->SetRange(-32768, 32767);
    control->SetPosition(0);
    Extender.Bind(hUpDown, hDC);
    Calculate();
}

void ClassUpDown::Destroy() {
    Extender.Unbind();
    delete control_.data();
    hUpDown = 0;
}

void ClassUpDown::DockingBuddy(InterfaceDock* partner) {
    buddy_ = partner ? partner->Handle() : 0;
    if (Control()) Control()->SetBuddy(WidgetOf(buddy_));
}

int32_t ClassUpDown::Min() const { return Control() ? Control()->Minimum() : 0; }
void ClassUpDown::SetMin(int32_t value) {
    if (Control()) Control()->SetRange(value, Control()->Maximum());
}
int32_t ClassUpDown::Max() const { return Control() ? Control()->Maximum() : 0; }
void ClassUpDown::SetMax(int32_t value) {
    if (Control()) Control()->SetRange(Control()->Minimum(), value);
}
int32_t ClassUpDown::Current() const { return Control() ? Control()->Position() : 0; }
void ClassUpDown::SetCurrent(int32_t value) {
    if (Control()) Control()->SetPosition(value);
}

void ClassUpDown::Calculate() {
    UpDownControl* c = Control();
    QWidget* buddy = WidgetOf(buddy_);
    if (!c || !buddy || buddy->parentWidget() != c->parentWidget()) return;
    QRect r = buddy->geometry();
    int width = std::max(16, r.height() * 2 / 3);
    c->setGeometry(r.right() + 1, r.top(), width, r.height());
    c->raise();
}

void ClassUpDown::Extender_Send(unsigned& wmInfo, WParam&, LParam& lParam) {
    if (wmInfo != WM_NOTIFY || Mode != 1 || !lParam) return;
    const auto* n = reinterpret_cast<const UpDownNotify*>(lParam);
    if (n->hdr.hwndFrom != hUpDown || n->hdr.code != UDN_DELTAPOS || !Control()) return;
    int low = std::min(Min(), Max()), high = std::max(Min(), Max());
    int next = std::clamp(n->iPos + n->iDelta, low, high);
    Mode = 3;
    QByteArray text = QByteArray::number(next);
    SendMessage(buddy_, WM_SETTEXT, 0, reinterpret_cast<LParam>(text.constData()));
    Mode = 1;
}

} // namespace gb
