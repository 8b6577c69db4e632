#pragma once
// The plug-in information window "プラグインについて": the names of the registered
// plug-ins in a combo box and every readable file pattern in a sorted list.
#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;

namespace gb {

class FormPlugin : public QDialog {
public:
    explicit FormPlugin(QWidget* owner = nullptr);

    // Fills the window and shows it modally over `owner`: entry index - 1 of the names
    // is selected when index is one of them, none for 0.
    void Dialog(QWidget* owner, const std::vector<std::string>& names, int index,
                const std::vector<std::string>& patterns);

    QComboBox* ComboTitle;
    QListWidget* ListFormat;
    QPushButton* CommandCancel;
};

} // namespace gb
