#include "FileOperation.h"

#include "platform/DirectorySearch.h"
#include "platform/MessageBox.h"

#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <filesystem>
#include <system_error>
#include <vector>

namespace gb {
namespace {

namespace fs = std::filesystem;

constexpr int kFailed = 0x7C;    // an item could not be handled
constexpr int kCancelled = 0x4C7; // the user answered "no"

const char* kCaption = "ファイルの操作";

struct Operation {
    Hwnd owner;
    uint16_t flags;

    bool Ask(const std::string& question) const {
        if (flags & FOF_NOCONFIRMATION) return true;
        return ShowMessageBox(owner, question, kCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    void Report(const std::string& message) const {
        if (!(flags & FOF_NOERRORUI)) ShowMessageBox(owner, message, kCaption, MB_OK | MB_ICONSTOP);
    }
};

bool HasWildCard(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

// The items a source names: itself, or the entries its wild cards match (hidden ones
// and folders included).
std::vector<fs::path> Sources(const std::string& from) {
    fs::path source(from);
    if (!HasWildCard(source.filename().string())) {
        std::error_code error;
        if (fs::symlink_status(source, error).type() == fs::file_type::not_found) return {};
        return {source};
    }
    std::vector<fs::path> items;
    for (const DirectoryEntry& entry : FindEntries(from, AttrDirectory | AttrHidden | AttrSystem))
        items.push_back(source.parent_path() / entry.name);
    return items;
}

// Copies a file or a whole folder; an existing target file is replaced.
bool CopyItem(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::copy(from, to,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing | fs::copy_options::copy_symlinks,
             error);
    return !error;
}

bool MoveItem(const fs::path& from, const fs::path& to) {
    std::error_code error;
    if (fs::is_regular_file(to, error) && !fs::is_directory(from, error)) fs::remove(to, error);
    error.clear();
    fs::rename(from, to, error);
    if (!error) return true;
    if (error != std::errc::cross_device_link) return false;
    // Another file system: copy, and remove the source only once the copy is whole.
    if (!CopyItem(from, to)) return false;
    fs::remove_all(from, error);
    return !error;
}

int Delete(const Operation& op, const std::string& from) {
    std::vector<fs::path> items = Sources(from);
    if (items.empty()) {
        op.Report("'" + from + "' が見つかりません。");
        return kFailed;
    }
    const bool trash = op.flags & FOF_ALLOWUNDO;
    std::string question = items.size() == 1
                               ? "'" + items[0].filename().string() + (trash ? "' をごみ箱に移しますか?" : "' を削除しますか?")
                               : std::to_string(items.size()) + (trash ? " 個の項目をごみ箱に移しますか?" : " 個の項目を削除しますか?");
    if (!op.Ask(question)) return kCancelled;
    int result = 0;
    for (const fs::path& item : items) {
        bool done = false;
        if (trash) {
            // The trash of the home lives in the data folder, which a new account may
            // not have yet; the trash cannot be made without it.
            std::error_code made;
            fs::create_directories(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString(), made);
            done = QFile::moveToTrash(QString::fromStdString(item.string()));
        } else {
            std::error_code error;
            fs::remove_all(item, error);
            done = !error;
        }
        if (!done) {
            op.Report("'" + item.filename().string() + "' を削除できません。");
            result = kFailed;
        }
    }
    return result;
}

int Transfer(const Operation& op, int function, const std::string& from, const std::string& to) {
    std::vector<fs::path> items = Sources(from);
    if (items.empty()) {
        op.Report("'" + from + "' が見つかりません。");
        return kFailed;
    }
    if (to.empty()) return kFailed;
    std::error_code error;
    fs::path target(to);
    // Into an existing folder, or (several items) into a new folder of that name;
    // a single item to a path that is no folder takes that name.
    bool intoFolder = fs::is_directory(target, error) || (items.size() > 1 && function != FO_RENAME);
    fs::path folder = intoFolder ? target : target.parent_path();
    if (!folder.empty() && !fs::is_directory(folder, error)) {
        if (!(op.flags & FOF_NOCONFIRMMKDIR) && !op.Ask("フォルダ '" + folder.string() + "' はありません。作成しますか?"))
            return kCancelled;
        fs::create_directories(folder, error);
    }
    int result = 0;
    for (const fs::path& item : items) {
        fs::path destination = intoFolder ? target / item.filename() : target;
        if (fs::equivalent(item, destination, error)) continue; // onto itself: nothing to do
        if (fs::exists(destination, error) && !fs::is_directory(destination, error) &&
            !op.Ask("'" + destination.filename().string() + "' は既にあります。置き換えますか?")) {
            result = kCancelled;
            continue;
        }
        bool done = function == FO_COPY ? CopyItem(item, destination) : MoveItem(item, destination);
        if (!done) {
            op.Report("'" + item.filename().string() + (function == FO_COPY ? "' をコピーできません。" : "' を移動できません。"));
            result = kFailed;
        }
    }
    return result;
}

} // namespace

int ShellFileOperation(Hwnd owner, int function, const std::string& from, const std::string& to, uint16_t flags) {
    Operation op{owner, flags};
    if (from.empty()) return kFailed;
    switch (function) {
    case FO_DELETE: return Delete(op, from);
    case FO_MOVE:
    case FO_RENAME:
    case FO_COPY: return Transfer(op, function, from, to);
    default: return kFailed;
    }
}

} // namespace gb
