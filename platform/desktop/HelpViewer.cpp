#include "HelpViewer.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace gb {

HelpViewer::HelpViewer() : file_(*HelpFile::Parse("<section id=\"contents\"></section>")) {
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(560, 480);
    auto* contents = new QPushButton("目次(&C)", this);
    auto* finder = new QPushButton("キーワード(&K)", this);
    back_ = new QPushButton("戻る(&B)", this);
    auto* howTo = new QPushButton("ヘルプの使い方(&H)", this);
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {contents, finder, back_, howTo}) buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    back_->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(*file_.Contents()); });
    connect(finder, &QPushButton::clicked, this, [this] { if (OpenFinder) OpenFinder(); });
    connect(howTo, &QPushButton::clicked, this, [this] { if (OpenHowTo) OpenHowTo(); });
    connect(back_, &QPushButton::clicked, this, &HelpViewer::Back);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::FollowLink);
}

void HelpViewer::SetFile(const HelpFile& file) {
    file_ = file;
    history_.clear();
    back_->setEnabled(false);
    current_.clear();
    setWindowTitle(QString::fromStdString(file_.Title().empty() ? "ヘルプ" : file_.Title()));
}

void HelpViewer::ShowTopic(const HelpTopic& topic) {
    if (!current_.empty() && current_ != topic.id) history_.push_back(current_);
    back_->setEnabled(!history_.empty());
    current_ = topic.id;
    browser_->setHtml(QString::fromStdString(topic.html));
}

void HelpViewer::ShowPage(const std::string& title, const std::string& html) {
    if (!current_.empty()) history_.push_back(current_);
    back_->setEnabled(!history_.empty());
    current_.clear();
    browser_->setHtml(QString::fromStdString("<h1>" + title + "</h1>" + html));
}

std::string HelpViewer::CurrentText() const { return browser_->toPlainText().toStdString(); }

void HelpViewer::FollowLink(const QUrl& link) {
    if (link.scheme().isEmpty() && link.path().isEmpty()) {
        if (const HelpTopic* topic = file_.ById(link.fragment().toStdString())) ShowTopic(*topic);
        return;
    }
    QDesktopServices::openUrl(link); // an address outside the help file
}

void HelpViewer::Back() {
    if (history_.empty()) return;
    std::string id = history_.back();
    history_.pop_back();
    current_.clear();
    if (const HelpTopic* topic = file_.ById(id)) ShowTopic(*topic);
    back_->setEnabled(!history_.empty());
}

} // namespace gb
