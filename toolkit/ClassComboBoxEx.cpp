#include "ClassComboBoxEx.h"

#include "GeneralCommonControlsEx.h"
#include "ToolkitSupport.h"
#include "platform/window/WindowProcedure.h"

#include <QAbstractItemView>
#include <QLineEdit>

namespace gb {

ClassComboBoxEx::ClassComboBoxEx() = default;

ClassComboBoxEx::~ClassComboBoxEx() {
    if (hComboBoxEx) Destroy();
}

void ClassComboBoxEx::Create(Hwnd hWnd, std::intptr_t hDC) {
    QWidget* parent = WidgetOf(hWnd);
    if (!parent) return;
    uint32_t style = 0x54000000u + (Style == 0 ? 0x2u : Style == 1 ? 0x1u : Style == 2 ? 0x3u : 0u);
    auto* control = new ComboBoxExControl(parent);
    control_ = control;
    control->setEditable(Style == 0 || Style == 1);
    if (control->lineEdit()) AddMessageSource(control->lineEdit(), control);
    control->SetIndent(Indent);
    hComboBoxEx = SetUpControl(control, style, 0, 0, KindComboBoxEx);
    Extender.Bind(hComboBoxEx, hDC);
    if (FloatingListBoxLength > 0) {
        int row = std::max(1, control->fontMetrics().height() + 4);
        control->setMaxVisibleItems(std::max(1, (FloatingListBoxLength - control->sizeHint().height()) / row));
    }
    AttachSubclass(this);
}

void ClassComboBoxEx::Destroy() {
    DetachSubclass(this);
    Extender.Unbind();
    delete control_.data();
    hComboBoxEx = 0;
}

Hwnd ClassComboBoxEx::EditWindow() const {
    return Control() && Control()->lineEdit() ? HandleOf(Control()->lineEdit()) : 0;
}

void ClassComboBoxEx::DockingImageList(InterfaceDock* Reference) {
    if (Reference && Reference->Superclass() == KindImageList && Control()) Control()->SetImageList(Reference->Handle());
}

void ClassComboBoxEx::AddItem(const std::string& Text, int32_t Image, int32_t SelectedImage, int32_t Index,
                              int32_t ItemData) {
    ComboBoxExControl* c = Control();
    if (!c) return;
    int row = Index < 0 || Index > c->count() ? c->count() : Index;
    c->insertItem(row, QString::fromStdString(Text));
    c->setItemData(row, Image, ComboBoxExControl::ImageRole);
    c->setItemData(row, SelectedImage == -1 ? Image : SelectedImage, ComboBoxExControl::SelectedImageRole);
    c->setItemData(row, ItemData, ComboBoxExControl::DataRole);
    c->RefreshImages();
    NewIndex = row;
}

void ClassComboBoxEx::RemoveItem(int32_t Index) {
    if (Control()) Control()->removeItem(Index);
    NewIndex = -1;
}

void ClassComboBoxEx::ClearItems() {
    if (Control()) Control()->clear();
    NewIndex = -1;
}

std::string ClassComboBoxEx::List(int32_t Index) const {
    return Control() ? LimitedText(Control()->itemText(Index)).toStdString() : std::string();
}

void ClassComboBoxEx::SetList(int32_t Index, const std::string& text) {
    if (Control() && Index >= 0 && Index < Control()->count()) Control()->setItemText(Index, QString::fromStdString(text));
}

int32_t ClassComboBoxEx::ListIndex() const { return Control() ? Control()->currentIndex() : -1; }

void ClassComboBoxEx::SetListIndex(int32_t Index) {
    if (Control()) Control()->setCurrentIndex(Index);
}

int32_t ClassComboBoxEx::ListCount() const { return Control() ? Control()->count() : 0; }

std::string ClassComboBoxEx::Text() const { return Control() ? Control()->currentText().toStdString() : std::string(); }

void ClassComboBoxEx::SetText(const std::string& text) {
    if (!Control()) return;
    if (Control()->isEditable()) Control()->setEditText(QString::fromStdString(text));
    else Control()->setCurrentIndex(Control()->findText(QString::fromStdString(text), Qt::MatchExactly));
}

int32_t ClassComboBoxEx::ItemData(int32_t Index) const {
    return Control() ? Control()->itemData(Index, ComboBoxExControl::DataRole).toInt() : 0;
}

void ClassComboBoxEx::SetItemData(int32_t Index, int32_t value) {
    if (Control()) Control()->setItemData(Index, value, ComboBoxExControl::DataRole);
}

int32_t ClassComboBoxEx::TopIndex() const {
    if (!Control()) return 0;
    QModelIndex top = Control()->view()->indexAt(QPoint(2, 2));
    return top.isValid() ? top.row() : 0;
}

int32_t ClassComboBoxEx::Search(const std::string& text) const {
    return Control() ? Control()->findText(QString::fromStdString(text), Qt::MatchExactly) : -1;
}

void ClassComboBoxEx::PopUp() {
    if (Control()) Control()->showPopup();
}

bool ClassComboBoxEx::Locked() const { return Control() && Control()->lineEdit() && Control()->lineEdit()->isReadOnly(); }

void ClassComboBoxEx::SetLocked(bool value) {
    if (Control() && Control()->lineEdit()) Control()->lineEdit()->setReadOnly(value);
}

LResult ClassComboBoxEx::Callback(Hwnd, unsigned wmInfo, WParam wParam, LParam, bool&) {
    if (wmInfo != WM_COMMAND) return 0;
    switch (HiWord(int32_t(wParam))) {
    case CBN_SETFOCUS:
        if (Events.GotFocus) Events.GotFocus();
        break;
    case CBN_KILLFOCUS:
        if (Events.LostFocus) Events.LostFocus();
        break;
    case CBN_SELCHANGE:
        if (Events.Change) Events.Change();
        break;
    case CBN_EDITCHANGE:
        if (Events.EditChange) Events.EditChange();
        break;
    case CBN_DBLCLK:
        if (Events.ItemDblClick) Events.ItemDblClick();
        break;
    default:
        break;
    }
    return 0;
}

} // namespace gb
