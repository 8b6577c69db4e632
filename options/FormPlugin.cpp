#include "FormPlugin.h"

#include "platform/Collation.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace gb {
namespace {

// A list item sorted as the desktop sorts names for display.
class SortedItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override {
        return CompareForDisplay(text().toStdString(), other.text().toStdString()) < 0;
    }
};

} // namespace

FormPlugin::FormPlugin(QWidget* owner) : QDialog(owner) {
    setWindowTitle("プラグインについて");
    auto* column = new QVBoxLayout(this);
    auto* titleLabel = new QLabel("タイトル(&T)", this);
    ComboTitle = new QComboBox(this);
    titleLabel->setBuddy(ComboTitle);
    auto* formatLabel = new QLabel("対応するフォーマット(&F)", this);
    ListFormat = new QListWidget(this);
    ListFormat->setSortingEnabled(true);
    formatLabel->setBuddy(ListFormat);
    CommandCancel = new QPushButton("キャンセル", this);
    for (QWidget* w : std::initializer_list<QWidget*>{titleLabel, ComboTitle, formatLabel, ListFormat}) column->addWidget(w);
    column->addWidget(CommandCancel, 0, Qt::AlignRight);
    connect(CommandCancel, &QPushButton::clicked, this, &QWidget::hide);
    resize(320, 300);
}

void FormPlugin::Dialog(QWidget* owner, const std::vector<std::string>& names, int index,
                        const std::vector<std::string>& patterns) {
    if (owner && owner != parentWidget()) setParent(owner, windowFlags());
    ComboTitle->clear();
    for (const std::string& name : names) ComboTitle->addItem(QString::fromStdString(name));
    ComboTitle->setCurrentIndex(index >= 1 && index <= ComboTitle->count() ? index - 1 : -1);
    ListFormat->clear();
    for (const std::string& pattern : patterns) ListFormat->addItem(new SortedItem(QString::fromStdString(pattern)));
    exec();
}

} // namespace gb
