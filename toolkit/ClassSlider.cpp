#include "ClassSlider.h"

#include "GeneralCommonControlsEx.h"
#include "SliderControl.h"
#include "ToolkitSupport.h"

namespace gb {

ClassSlider::ClassSlider() {
    Extender.Send = [this](unsigned& m, WParam& w, LParam& l) { Extender_Send(m, w, l); };
}

ClassSlider::~ClassSlider() {
    if (hSlider) Destroy();
}

void ClassSlider::Create(Hwnd hWnd, std::intptr_t hDC) {
    QWidget* parent = WidgetOf(hWnd);
    if (!parent) return;
    uint32_t style = 0x54000000u + uint32_t(Orientation) + uint32_t(Style) + 0x41;
    if (SelMode) style |= 0x20;
    if (!HasScrollBar) style |= 0x80;
    if (ToolTips) style |= 0x100;
    auto* control = new SliderControl(parent);
    control_ = control;
    hSlider = SetUpControl(control, style, 0, 0, KindSlider);
    Extender.Bind(hSlider, hDC);
    AttachSubclass(this);
}

void ClassSlider::Destroy() {
    DetachSubclass(this);
    Extender.Unbind();
    delete control_.data();
    hSlider = 0;
}

void ClassSlider::DockingToolTips(InterfaceDock* partner) {
    if (!partner || partner->Superclass() != KindToolTips) return;
    partner->Receive(this);
}

int32_t ClassSlider::Current() const { return Control() ? Control()->value() : 0; }
void ClassSlider::SetCurrent(int32_t value) {
    if (Control()) Control()->setValue(value);
}
int32_t ClassSlider::Min() const { return Control() ? Control()->minimum() : 0; }
void ClassSlider::SetMin(int32_t value) {
    if (Control()) Control()->setMinimum(value);
}
int32_t ClassSlider::Max() const { return Control() ? Control()->maximum() : 0; }
void ClassSlider::SetMax(int32_t value) {
    if (Control()) Control()->setMaximum(value);
}
int32_t ClassSlider::LargeChange() const { return Control() ? Control()->pageStep() : 0; }
void ClassSlider::SetLargeChange(int32_t value) {
    if (Control()) Control()->setPageStep(value);
}
int32_t ClassSlider::SmallChange() const { return Control() ? Control()->singleStep() : 0; }
void ClassSlider::SetSmallChange(int32_t value) {
    if (Control()) Control()->setSingleStep(value);
}

void ClassSlider::SelRange(int32_t start, int32_t end) {
    if (Control()) Control()->SetSelection(start, end);
}
int32_t ClassSlider::SelStart() const { return Control() ? Control()->SelectionStart() : 0; }
void ClassSlider::SetSelStart(int32_t value) {
    if (Control()) Control()->SetSelection(value, Control()->SelectionEnd());
}
int32_t ClassSlider::SelLength() const {
    return Control() ? Control()->SelectionEnd() - Control()->SelectionStart() : 0;
}
void ClassSlider::SetSelLength(int32_t value) {
    if (Control()) Control()->SetSelection(Control()->SelectionStart(), Control()->SelectionStart() + value);
}
void ClassSlider::SelClear() {
    if (Control()) Control()->SetSelection(0, 0);
}

void ClassSlider::Interval(int32_t frequency) {
    if (Control()) Control()->SetTickFrequency(frequency);
}

void ClassSlider::ScrollBarLength(int32_t length) {
    if (Control()) Control()->SetThumbLength(length);
}

void ClassSlider::Update() {
    SetAppearance(0);
    if (Control()) Control()->update();
}

LResult ClassSlider::Callback(Hwnd, unsigned wmInfo, WParam, LParam, bool&) {
    FocusAndHelp(wmInfo, Events.GotFocus, Events.LostFocus, [this] { WhatsThisHelp(); });
    return 0;
}

void ClassSlider::Extender_Send(unsigned& wmInfo, WParam&, LParam& lParam) {
    if ((wmInfo == WM_HSCROLL || wmInfo == WM_VSCROLL) && hSlider && lParam == LParam(hSlider) && Events.Scroll)
        Events.Scroll();
}

} // namespace gb
