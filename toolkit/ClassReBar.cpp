#include "ClassReBar.h"

#include "ToolkitSupport.h"

namespace gb {

ClassReBar::ClassReBar() {
    Extender.Send = [this](unsigned& m, WParam& w, LParam& l) { Extender_Send(m, w, l); };
}

ClassReBar::~ClassReBar() {
    if (hReBar) Destroy();
}

void ClassReBar::Create(Hwnd hWnd, std::intptr_t hDC) {
    QWidget* parent = WidgetOf(hWnd);
    if (!parent) return;
    uint32_t style = 0x54000000u + uint32_t(Align);
    if (ClipChildren) style |= 0x2000000;
    if (Arrange) style |= 0x200;
    style |= Border ? 0x800400u : 0x40u;
    if (FixedOrder) style |= 0x800;
    auto* control = new ReBarControl(parent);
    control_ = control;
    hReBar = SetUpControl(control, style, 0, 0, KindReBar);
    Extender.Bind(hReBar, hDC);
}

void ClassReBar::Destroy() {
    Extender.Unbind();
    delete control_.data();
    hReBar = 0;
}

void ClassReBar::DockingImageList(InterfaceDock*) {
    // Band images are not drawn on this desktop; captions carry the bands.
}

void ClassReBar::AddBand(int32_t, InterfaceDock* DockedItem, int32_t Strength, const std::string& caption, int32_t) {
    if (!Control() || !DockedItem) return;
    QWidget* child = WidgetOf(DockedItem->Handle());
    if (!child) return;
    QSize minimum = child->size();
    if (Align == 1 || Align == 2 || Align == 3 || Align == 10) minimum = QSize(Strength, child->height());
    else if (Align == 129 || Align == 130 || Align == 131 || Align == 138) minimum = QSize(Strength, child->width());
    QColor fore = ForeColor == 0xFFFFFFFF ? QColor() : ColorOf(ForeColor);
    QColor back = BackColor == 0xFFFFFFFF ? QColor() : ColorOf(BackColor);
    Control()->AddBand(child, QString::fromStdString(caption), minimum, fore, back);
}

void ClassReBar::RemoveBand(int32_t index) {
    if (Control()) Control()->RemoveBand(index);
}

void ClassReBar::ClearBands() {
    while (BandCount() > 0) RemoveBand(0);
}

int32_t ClassReBar::BandCount() const { return Control() ? Control()->BandCount() : 0; }
int32_t ClassReBar::BandWidth(int32_t index) const { return Control() ? Control()->BandRect(index).width() : 0; }
int32_t ClassReBar::BandHeight(int32_t index) const { return Control() ? Control()->BandRect(index).height() : 0; }

void ClassReBar::Calculate() {
    if (Control()) Control()->Relayout();
}

void ClassReBar::Wallpaper(const QImage& picture, const std::vector<int32_t>& bands) {
    if (!Control()) return;
    for (int32_t band : bands) Control()->SetBandBackground(band, picture);
}

void ClassReBar::Extender_Send(unsigned& wmInfo, WParam&, LParam& lParam) {
    if (wmInfo != WM_NOTIFY || !lParam || !hReBar) return;
    const auto* header = reinterpret_cast<const NotifyHeader*>(lParam);
    if (header->hwndFrom == hReBar && header->code == RBN_HEIGHTCHANGE && Events.Resize) Events.Resize();
}

} // namespace gb
