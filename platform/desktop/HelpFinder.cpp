#include "HelpFinder.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace gb {

HelpFinder::HelpFinder() : file_(*HelpFile::Parse("<section id=\"contents\"></section>")) {
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(420, 440);
    tabs_ = new QTabWidget(this);
    contents_ = new QListWidget;
    tabs_->addTab(contents_, "目次");
    auto* indexPage = new QWidget;
    typed_ = new QLineEdit;
    index_ = new QListWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->addWidget(new QLabel("探したい語句の最初の数文字を入力してください(&W):"));
    indexLayout->addWidget(typed_);
    indexLayout->addWidget(new QLabel("語句をクリックして [表示] をクリックしてください(&C):"));
    indexLayout->addWidget(index_);
    tabs_->addTab(indexPage, "キーワード");
    auto* display = new QPushButton("表示(&D)");
    auto* cancel = new QPushButton("キャンセル");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(display);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    connect(display, &QPushButton::clicked, this, &HelpFinder::Display);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(contents_, &QListWidget::itemActivated, this, &HelpFinder::Display);
    connect(index_, &QListWidget::itemActivated, this, &HelpFinder::Display);
    connect(typed_, &QLineEdit::textEdited, this, &HelpFinder::SelectNearest);
}

void HelpFinder::SetFile(const HelpFile& file) {
    file_ = file;
    setWindowTitle(QString::fromStdString("ヘルプ トピック: " + (file_.Title().empty() ? "ヘルプ" : file_.Title())));
    contents_->clear();
    for (const HelpTopic& topic : file_.Topics()) {
        auto* item = new QListWidgetItem(QString::fromStdString(topic.title.empty() ? topic.id : topic.title), contents_);
        item->setData(Qt::UserRole, QString::fromStdString(topic.id));
    }
    index_->clear();
    for (const std::string& keyword : file_.Keywords()) index_->addItem(QString::fromStdString(keyword));
}

void HelpFinder::ShowContents() {
    tabs_->setCurrentIndex(0);
    if (contents_->count() > 0 && !contents_->currentItem()) contents_->setCurrentRow(0);
}

void HelpFinder::ShowIndex(const std::string& keyword) {
    tabs_->setCurrentIndex(1);
    typed_->setText(QString::fromStdString(keyword));
    SelectNearest(typed_->text());
}

bool HelpFinder::IndexShown() const { return tabs_->currentIndex() == 1; }

std::string HelpFinder::SelectedKeyword() const {
    return index_->currentItem() ? index_->currentItem()->text().toStdString() : std::string();
}

void HelpFinder::SelectNearest(const QString& text) {
    const QString wanted = text.trimmed().toCaseFolded();
    for (int row = 0; row < index_->count(); ++row) {
        if (index_->item(row)->text().toCaseFolded().startsWith(wanted)) {
            index_->setCurrentRow(row);
            index_->scrollToItem(index_->item(row));
            return;
        }
    }
}

void HelpFinder::Display() {
    const HelpTopic* topic = nullptr;
    if (tabs_->currentIndex() == 0) {
        if (QListWidgetItem* item = contents_->currentItem())
            topic = file_.ById(item->data(Qt::UserRole).toString().toStdString());
    } else if (QListWidgetItem* item = index_->currentItem()) {
        auto topics = file_.ByKeyword(item->text().toStdString());
        if (!topics.empty()) topic = topics.front();
    }
    if (topic && TopicChosen) TopicChosen(*topic);
}

} // namespace gb
