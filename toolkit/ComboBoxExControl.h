#pragma once
// The extended combo box: a QComboBox with images from an image list and indented
// items. The inner combo box reports to this window as WM_COMMAND (CBN_SELCHANGE,
// CBN_EDITCHANGE, CBN_SETFOCUS, CBN_KILLFOCUS) with itself in lParam.
#include <QComboBox>

namespace gb {

enum : int { CBN_SELCHANGE = 1, CBN_DBLCLK = 2, CBN_SETFOCUS = 3, CBN_KILLFOCUS = 4, CBN_EDITCHANGE = 5 };

class ComboBoxExControl : public QComboBox {
public:
    enum Role { ImageRole = Qt::UserRole + 1, SelectedImageRole, DataRole, IndentRole };

    explicit ComboBoxExControl(QWidget* parent);

    void SetImageList(std::intptr_t handle);
    // Puts the item images in place from the image list.
    void RefreshImages();
    void SetIndent(int pixels) { indent_ = pixels; }
    int Indent() const { return indent_; }

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Command(int code);

    std::intptr_t imageList_ = 0;
    int indent_ = 0;
};

} // namespace gb
