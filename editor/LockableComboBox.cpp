#include "LockableComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace gb {

LockableComboBox::LockableComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Typing gives exactly what is typed: no completion from the list.
    setCompleter(nullptr);
}

void LockableComboBox::SetLocked(bool value) {
    locked_ = value;
    setProperty("locked", value);
    if (lineEdit()) lineEdit()->setReadOnly(value);
}

void LockableComboBox::showPopup() {
    if (!locked_) QComboBox::showPopup();
}

void LockableComboBox::keyPressEvent(QKeyEvent* event) {
    // Locked, the keys that would choose another entry do nothing.
    const int key = event->key();
    if (locked_ && (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
                    key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_F4)) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void LockableComboBox::wheelEvent(QWheelEvent* event) {
    if (locked_) event->ignore();
    else QComboBox::wheelEvent(event);
}

} // namespace gb
