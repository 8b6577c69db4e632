#pragma once
// An editable combo box that can be locked: while locked its text can be read,
// selected and copied, but neither typed over nor chosen from the list.
#include <QComboBox>

namespace gb {

class LockableComboBox : public QComboBox {
public:
    explicit LockableComboBox(QWidget* parent);

    bool Locked() const { return locked_; }
    void SetLocked(bool value);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool locked_ = false;
};

} // namespace gb
