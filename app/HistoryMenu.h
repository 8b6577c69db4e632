#pragma once
// The history of recently opened albums as entries of the file menu: the placeholder
// MenuRecents (0) "<履歴がありません>", visible only without entries, and up to nine
// entries MenuRecents (1..9), most recent first, each keeping an album folder in its
// tag and showing "&i" and the folder's last component.
#include <QMenu>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

class QAction;

namespace gb {

class HistoryMenu {
public:
    static constexpr int kMaxEntries = 9;

    // The entries go into `menu` before the action `before` (the separator that
    // follows the history).
    HistoryMenu(QMenu* menu, QAction* before);

    // Called with the tag of the entry the user chose.
    std::function<void(const std::string& folder)> Chosen;

    // Makes entries 1..n from the folders (at most nine are kept).
    void Restore(const std::vector<std::string>& folders);
    // The tags of the entries in menu order.
    std::vector<std::string> Tags() const;
    // The folder of the album now open: a folder already listed (letter case ignored)
    // leaves the history as it is; otherwise it becomes entry 1 and the oldest entry
    // drops out when nine exist already.
    void AddRecent(const std::string& folder);
    // Removes every entry and shows the placeholder again.
    void TrashRecents();
    bool CanTrashRecents() const { return !entries_.empty(); }

    QAction* MenuRecents(int index) const;
    int Count() const { return int(entries_.size()); }

private:
    void AddEntry();
    void Rewrite(const std::vector<std::string>& tags);

    QPointer<QMenu> menu_;
    QAction* before_;
    QAction* placeholder_;
    std::vector<QAction*> entries_;
};

} // namespace gb
