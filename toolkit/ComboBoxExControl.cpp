#include "ComboBoxExControl.h"

#include "ImageListStore.h"
#include "platform/WindowMessages.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace gb {

ComboBoxExControl::ComboBoxExControl(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this](int) { Command(CBN_SELCHANGE); });
    connect(this, &QComboBox::editTextChanged, this, [this](const QString&) {
        if (lineEdit() && lineEdit()->isModified()) Command(CBN_EDITCHANGE);
    });
}

void ComboBoxExControl::Command(int code) {
    Hwnd self = HandleOf(this);
    SendMessage(self, WM_COMMAND, WParam(uint16_t(code)) << 16, LParam(self));
}

void ComboBoxExControl::SetImageList(std::intptr_t handle) {
    imageList_ = handle;
    if (ImageListData* list = ImageListOf(handle)) setIconSize(list->size);
    RefreshImages();
}

void ComboBoxExControl::RefreshImages() {
    for (int i = 0; i < count(); ++i) {
        QImage image = ImageListImage(imageList_, itemData(i, ImageRole).toInt());
        setItemIcon(i, image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
    }
}

void ComboBoxExControl::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason) Command(CBN_SETFOCUS);
}

void ComboBoxExControl::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) Command(CBN_KILLFOCUS);
}

} // namespace gb
