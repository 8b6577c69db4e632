#include "ClassDialog.h"

#include "GeneralWin32ExAPI.h"
#include "ModalFallback.h"
#include "platform/ErrorRecord.h"
#include "platform/ModalEcho.h"

#include <QFileDialog>

namespace gb {
namespace {

constexpr size_t kMaxCaption = 256;

size_t CharacterCount(const std::string& text) {
    size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++count;
    return count;
}

std::string UpToZero(const std::string& text) { return text.substr(0, text.find('\0')); }

// "description (pattern pattern)" for each pair of the zero-separated filter list.
QStringList NameFilters(const std::string& filter) {
    QStringList filters;
    std::vector<std::string> parts = SplitList(filter, std::string(1, '\0'), BinaryCompare);
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].empty() && parts[i + 1].empty()) break; // the list's end
        QString patterns = QString::fromStdString(parts[i + 1]).replace(';', ' ').simplified();
        filters << QString::fromStdString(parts[i]) + " (" + patterns + ")";
    }
    return filters;
}

} // namespace

std::string ClassDialog::List(int16_t Index) const {
    return Index >= 0 && size_t(Index) < list_.size() ? list_[size_t(Index)] : std::string();
}

void ClassDialog::LoadDialog(Hwnd Owner) { Show(Owner, false); }
void ClassDialog::SaveDialog(Hwnd Owner) { Show(Owner, true); }

bool ClassDialog::Prepare() {
    // One leading character per preparation, as a second dialog prepares again.
    if (!defaultExt_.empty() && (defaultExt_[0] == '.' || defaultExt_[0] == ',')) defaultExt_.erase(0, 1);
    if (CharacterCount(caption_) > kMaxCaption) {
        Err().Raise(kInvalidArgumentError, "プロシージャの呼び出し、または引数が不正です。", "ClassDialog");
        return false;
    }
    for (char& c : filter_)
        if (c == '|') c = '\0';
    return true;
}

void ClassDialog::Show(Hwnd owner, bool save) {
    if (!Prepare()) {
        cancel_ = true;
        return;
    }
    QFileDialog dialog(WidgetOf(owner));
    // Qt's own dialog: the same on every desktop, and one that tests can drive.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save) {
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !(Flags & OFN_OVERWRITEPROMPT));
    } else if (Flags & OFN_ALLOWMULTISELECT) {
        dialog.setFileMode(QFileDialog::ExistingFiles);
    } else {
        dialog.setFileMode((Flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    if (Flags & OFN_FORCESHOWHIDDEN) dialog.setFilter(dialog.filter() | QDir::Hidden);
    if (Flags & OFN_NODEREFERENCELINKS) dialog.setOption(QFileDialog::DontResolveSymlinks);

    const std::string title = !title_.empty() ? title_ : save ? "名前を付けて保存" : "開く";
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QFileDialog::LookIn, "ファイルの場所(&I):");
    dialog.setLabelText(QFileDialog::FileName, "ファイル名(&N):");
    dialog.setLabelText(QFileDialog::FileType, "ファイルの種類(&T):");
    dialog.setLabelText(QFileDialog::Accept, save ? "保存(&S)" : "開く(&O)");
    dialog.setLabelText(QFileDialog::Reject, "キャンセル");

    const QStringList filters = NameFilters(filter_);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = filterNumber_ >= 1 && filterNumber_ <= filters.size() ? filterNumber_ - 1 : 0;
        dialog.selectNameFilter(filters[index]);
    }
    if (!initDir_.empty()) dialog.setDirectory(QString::fromStdString(initDir_));
    const std::string name = UpToZero(caption_);
    if (!name.empty()) dialog.selectFile(QString::fromStdString(name));
    dialog.setDefaultSuffix(QString::fromStdString(UpToZero(defaultExt_)));

    EchoModal(&dialog, save ? "SaveFile" : "OpenFile", title, name, Flags);
    CancelIfStillOpenUnderEcho(dialog);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    const QStringList files = accepted ? dialog.selectedFiles() : QStringList();
    cancel_ = files.isEmpty();
    if (cancel_) return; // the earlier results stay

    // Qt's dialog chooses files of one folder, named by their full paths.
    const std::string first = files.front().toStdString();
    const long slash = FindLast(1, first, "/", BinaryCompare);
    path_ = first.substr(0, size_t(slash > 0 ? slash - 1 : 0));
    list_.clear();
    for (const QString& file : files) {
        const std::string full = file.toStdString();
        const long at = FindLast(1, full, "/", BinaryCompare);
        list_.push_back(full.substr(size_t(at)));
    }
}

} // namespace gb
