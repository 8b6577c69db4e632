#include "HistoryMenu.h"

#include "MainWindowRules.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

namespace gb {

HistoryMenu::HistoryMenu(QMenu* menu, QAction* before) : menu_(menu), before_(before) {
    placeholder_ = new QAction(QString::fromUtf8("<履歴がありません>"), menu);
    placeholder_->setEnabled(false);
    menu->insertAction(before, placeholder_);
}

QAction* HistoryMenu::MenuRecents(int index) const {
    if (index == 0) return placeholder_;
    return index >= 1 && index <= Count() ? entries_[size_t(index - 1)] : nullptr;
}

void HistoryMenu::AddEntry() {
    auto* entry = new QAction(menu_);
    menu_->insertAction(before_, entry);
    QObject::connect(entry, &QAction::triggered, menu_, [this, entry] {
        if (Chosen) Chosen(entry->data().toString().toStdString());
    });
    entries_.push_back(entry);
}

void HistoryMenu::Rewrite(const std::vector<std::string>& tags) {
    for (size_t i = 0; i < entries_.size(); ++i) {
        entries_[i]->setData(QString::fromStdString(tags[i]));
        entries_[i]->setText(QString::fromStdString(RecentCaption(int(i + 1), tags[i])));
        entries_[i]->setEnabled(true);
        entries_[i]->setVisible(true);
    }
    placeholder_->setVisible(entries_.empty());
}

void HistoryMenu::Restore(const std::vector<std::string>& folders) {
    TrashRecents();
    const size_t count = std::min<size_t>(folders.size(), kMaxEntries);
    for (size_t i = 0; i < count; ++i) AddEntry();
    Rewrite(std::vector<std::string>(folders.begin(), folders.begin() + long(count)));
}

std::vector<std::string> HistoryMenu::Tags() const {
    std::vector<std::string> tags;
    for (QAction* entry : entries_) tags.push_back(entry->data().toString().toStdString());
    return tags;
}

void HistoryMenu::AddRecent(const std::string& folder) {
    std::vector<std::string> tags = Tags();
    const QString wanted = QString::fromStdString(folder);
    for (const std::string& tag : tags)
        if (QString::fromStdString(tag).compare(wanted, Qt::CaseInsensitive) == 0) {
            placeholder_->setVisible(false);
            return;
        }
    if (Count() < kMaxEntries) AddEntry();
    tags.insert(tags.begin(), folder);
    tags.resize(entries_.size());
    Rewrite(tags);
}

void HistoryMenu::TrashRecents() {
    for (QAction* entry : entries_) delete entry;
    entries_.clear();
    placeholder_->setVisible(true);
}

} // namespace gb
