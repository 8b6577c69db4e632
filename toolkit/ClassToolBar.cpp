#include "ClassToolBar.h"

#include "GeneralCommonControlsEx.h"
#include "ImageListStore.h"
#include "ToolBarControl.h"

#include <QToolButton>

namespace gb {

ClassToolBar::ClassToolBar() {
    Extender.Send = [this](unsigned& m, WParam& w, LParam& l) { Extender_Send(m, w, l); };
}

ClassToolBar::~ClassToolBar() {
    if (hToolBar) Destroy();
}

void ClassToolBar::Create(Hwnd hWnd, std::intptr_t hDC) {
    QWidget* parent = WidgetOf(hWnd);
    if (!parent) return;
    auto* control = new ToolBarControl(parent);
    control_ = control;
    hToolBar = SetUpControl(control, 0x54000000u | style_, 0, 100, KindToolBar);
    control->SetExtendedStyle(extended_);
    Extender.Bind(hToolBar, hDC);
    control->AlignToParent();
}

void ClassToolBar::Destroy() {
    Extender.Unbind();
    delete control_.data();
    hToolBar = 0;
}

void ClassToolBar::SetBits(uint32_t bits, bool on) {
    style_ = on ? style_ | bits : style_ & ~bits;
    if (hToolBar) Extender.SetStyle(bits, on);
}

void ClassToolBar::SetAlign(int32_t value) {
    SetBits(0x8F, false);
    SetBits(uint32_t(value) & 0x8F, true);
}

void ClassToolBar::SetDropDownArrow(bool value) {
    extended_ = value ? extended_ | 0x1 : extended_ & ~0x1u;
    if (Control()) Control()->SetExtendedStyle(extended_);
}

void ClassToolBar::SetMixedCaption(bool value) {
    extended_ = value ? extended_ | 0x8 : extended_ & ~0x8u;
    if (Control()) Control()->SetExtendedStyle(extended_);
}

void ClassToolBar::DockingImageList(InterfaceDock* partner, bool hot) {
    if (!partner || partner->Superclass() != KindImageList || !Control()) return;
    Control()->SetImageList(partner->Handle(), hot);
}

void ClassToolBar::DockingToolTips(InterfaceDock* partner) {
    if (!partner || partner->Superclass() != KindToolTips) return;
    partner->Receive(this);
}

void ClassToolBar::PlaceHolder(int32_t indent) {
    if (Control()) Control()->SetIndent(indent);
}

void ClassToolBar::AddButton(int32_t Key, int32_t style, int32_t state, const std::string& caption, int32_t Image) {
    if (!Control()) return;
    uint32_t s = uint32_t(style);
    if (Arrange && !(s & BTNS_SEP)) s |= BTNS_AUTOSIZE;
    uint32_t st = uint32_t(state) + TBSTATE_ENABLED;
    if (MustWrap) st |= TBSTATE_WRAP;
    Control()->AddButton(Key, s, st, QString::fromStdString(caption), Image);
}

void ClassToolBar::RemoveButton(int32_t Key) {
    if (Control()) Control()->RemoveButton(Key);
}

void ClassToolBar::ClearButtons() {
    if (Control()) Control()->ClearButtons();
}

int32_t ClassToolBar::ButtonCount() const { return Control() ? int32_t(Control()->Buttons().size()) : 0; }

int32_t ClassToolBar::Buttons(int32_t Key) const {
    auto* b = Control() ? Control()->Find(Key) : nullptr;
    return b ? b->image : 0;
}

void ClassToolBar::SetButtons(int32_t Key, int32_t image) {
    if (Control()) Control()->SetImage(Key, image);
}

bool ClassToolBar::ButtonEnabled(int32_t Key) const { return ButtonState(Key) & TBSTATE_ENABLED; }

void ClassToolBar::SetButtonEnabled(int32_t Key, bool value) {
    uint32_t state = uint32_t(ButtonState(Key));
    SetButtonState(Key, int32_t(value ? state | TBSTATE_ENABLED : state & ~uint32_t(TBSTATE_ENABLED)));
}

bool ClassToolBar::ButtonVisible(int32_t Key) const {
    return Control() && Control()->Find(Key) && !(ButtonState(Key) & TBSTATE_HIDDEN);
}

void ClassToolBar::SetButtonVisible(int32_t Key, bool value) {
    uint32_t state = uint32_t(ButtonState(Key));
    SetButtonState(Key, int32_t(value ? state & ~uint32_t(TBSTATE_HIDDEN) : state | TBSTATE_HIDDEN));
}

int32_t ClassToolBar::ButtonState(int32_t Key) const { return Control() ? int32_t(Control()->State(Key)) : 0; }

void ClassToolBar::SetButtonState(int32_t Key, int32_t state) {
    if (Control()) Control()->SetState(Key, uint32_t(state));
}

int32_t ClassToolBar::ButtonWidth() const {
    if (!Control()) return 0;
    for (const auto& b : Control()->Buttons())
        if (b.button) return b.button->sizeHint().width();
    return 0;
}

int32_t ClassToolBar::ButtonHeight() const {
    if (!Control()) return 0;
    for (const auto& b : Control()->Buttons())
        if (b.button) return b.button->sizeHint().height();
    return 0;
}

void ClassToolBar::SetButtonWidth(int32_t minimum, int32_t maximum) {
    if (Control()) Control()->SetButtonWidths(minimum, maximum);
}

void ClassToolBar::Calculate() {
    if (Control()) Control()->AlignToParent();
}

void ClassToolBar::Margin(int32_t width, int32_t height) {
    if (Control()) Control()->SetButtonSize(width, height);
}

void ClassToolBar::Extender_Send(unsigned& wmInfo, WParam& wParam, LParam& lParam) {
    switch (wmInfo) {
    case WM_SIZE:
        if (Control()) Control()->AlignToParent();
        break;
    case WM_COMMAND:
        if (lParam == LParam(hToolBar) && hToolBar) {
            if (Events.ItemClick) Events.ItemClick(uint16_t(LoWord(int32_t(wParam))));
        } else if (lParam == 0 && Events.MenuSelect) {
            Events.MenuSelect(uint16_t(LoWord(int32_t(wParam))), 0);
        }
        break;
    case WM_NOTIFY: {
        const auto* n = reinterpret_cast<const ToolBarNotify*>(lParam);
        if (!n || !hToolBar || n->hdr.hwndFrom != hToolBar || n->hdr.code != TBN_DROPDOWN) break;
        ToolBarControl::Button* b = Control() ? Control()->Find(n->iItem) : nullptr;
        if (!b || !b->button) break;
        Point frame = Extender.FrameSize();
        QPoint corner = b->button->mapToGlobal(QPoint(0, b->button->height()));
        if (Events.DropDown) Events.DropDown(n->iItem, corner.x() + 2 * frame.x, corner.y() + 2 * frame.y);
        break;
    }
    case WM_MENUSELECT: {
        uint16_t flags = uint16_t(HiWord(int32_t(wParam)));
        bool closed = flags == 0xFFFF && lParam == 0;
        if (Events.MenuSelect) Events.MenuSelect(uint16_t(LoWord(int32_t(wParam))), closed ? 2 : 1);
        break;
    }
    case WM_CONTEXTMENU:
        if (Events.ContextMenu) Events.ContextMenu(LoWord(int32_t(lParam)), HiWord(int32_t(lParam)));
        break;
    case WM_MENUCHAR: {
        uint16_t flags = uint16_t(HiWord(int32_t(wParam)));
        if (flags != 0x10 && flags != 0x2010 && Events.Shortcut) Events.Shortcut(uint16_t(LoWord(int32_t(wParam))));
        break;
    }
    default:
        break;
    }
}

} // namespace gb
