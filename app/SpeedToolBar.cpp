#include "SpeedToolBar.h"

#include "toolkit/ToolBarControl.h"

#include <QLayout>

namespace gb {
namespace {

// Placed by the caller rather than along the parent's top edge.
constexpr int32_t kAlignTopNoParentAlign = 0x1 | 0x8;
constexpr int kToggleSide = 22;

} // namespace

void SpeedToolBar::Create(Hwnd parent, const QRect& area, ClassImageList& images) {
    const int rowHeight = area.height() / kRows;
    for (int r = 0; r < kRows; ++r) {
        ClassToolBar& row = rows_[r];
        row.SetAlign(kAlignTopNoParentAlign);
        row.SetFlat(true);
        row.SetDropDownArrow(true);
        row.Create(parent, 0);
        // The toggles of the second row take square buttons; the drop-down buttons
        // keep room for their arrows.
        Compact(row, r == 1 ? kToggleSide : 0, r == 1 ? kToggleSide : 0);
        row.DockingImageList(&images);
        row.SetAppearance(0);
        row.Move(area.left(), area.top() + r * rowHeight, area.width(), rowHeight);
        row.Events.ItemClick = [this](int32_t key) {
            if (Events.ItemClick) Events.ItemClick(key);
        };
        row.Events.DropDown = [this](int32_t key, int32_t x, int32_t y) {
            if (Events.DropDown) Events.DropDown(key, x, y);
        };
    }
}

void SpeedToolBar::Compact(ClassToolBar& bar, int buttonWidth, int buttonHeight) {
    auto* control = static_cast<ToolBarControl*>(WidgetOf(bar.hToolBar));
    if (!control) return;
    control->layout()->setContentsMargins(0, 0, 0, 0);
    control->layout()->setSpacing(0);
    control->SetButtonSize(buttonWidth, buttonHeight);
}

void SpeedToolBar::Destroy() {
    for (ClassToolBar& row : rows_) row.Destroy();
}

void SpeedToolBar::AddButton(int row, int32_t Key, int32_t style, int32_t state, int32_t Image) {
    if (row < 0 || row >= kRows) return;
    rows_[row].AddButton(Key, style, state, "", Image);
}

ClassToolBar* SpeedToolBar::Row(int32_t Key) {
    for (ClassToolBar& row : rows_)
        if (auto* control = static_cast<ToolBarControl*>(WidgetOf(row.hToolBar)); control && control->Find(Key))
            return &row;
    return nullptr;
}

const ClassToolBar* SpeedToolBar::RowOf(int32_t Key) const { return const_cast<SpeedToolBar*>(this)->Row(Key); }

void SpeedToolBar::SetToolTip(int32_t Key, const std::string& text) {
    if (ClassToolBar* row = Row(Key))
        static_cast<ToolBarControl*>(WidgetOf(row->hToolBar))->SetToolTip(Key, QString::fromStdString(text));
}

int32_t SpeedToolBar::ButtonState(int32_t Key) const {
    const ClassToolBar* row = RowOf(Key);
    return row ? row->ButtonState(Key) : 0;
}

void SpeedToolBar::SetButtonState(int32_t Key, int32_t state) {
    if (ClassToolBar* row = Row(Key)) row->SetButtonState(Key, state);
}

bool SpeedToolBar::ButtonEnabled(int32_t Key) const {
    const ClassToolBar* row = RowOf(Key);
    return row && row->ButtonEnabled(Key);
}

void SpeedToolBar::SetButtonEnabled(int32_t Key, bool value) {
    if (ClassToolBar* row = Row(Key)) row->SetButtonEnabled(Key, value);
}

int32_t SpeedToolBar::Buttons(int32_t Key) const {
    const ClassToolBar* row = RowOf(Key);
    return row ? row->Buttons(Key) : 0;
}

void SpeedToolBar::SetButtons(int32_t Key, int32_t image) {
    if (ClassToolBar* row = Row(Key)) row->SetButtons(Key, image);
}

void SpeedToolBar::Refresh() {
    for (ClassToolBar& row : rows_) row.Refresh();
}

} // namespace gb
