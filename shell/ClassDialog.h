#pragma once
// The open-file and save-file dialogs behind one object: a window fills the members,
// shows the dialog once and reads the chosen folder and file names.
#include "platform/WindowHandle.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gb {

// The option flags of the open and save dialogs (the platform's values); those without
// a meaning on this desktop are accepted and ignored.
enum OpenFileFlag : uint32_t {
    OFN_READONLY = 0x1,
    OFN_OVERWRITEPROMPT = 0x2,
    OFN_HIDEREADONLY = 0x4,
    OFN_NOCHANGEDIR = 0x8,
    OFN_ALLOWMULTISELECT = 0x200,
    OFN_PATHMUSTEXIST = 0x800,
    OFN_FILEMUSTEXIST = 0x1000,
    OFN_CREATEPROMPT = 0x2000,
    OFN_EXPLORER = 0x80000,
    OFN_NODEREFERENCELINKS = 0x100000,
    OFN_FORCESHOWHIDDEN = 0x10000000,
};

// The error of a member out of its range (a file name longer than 256 characters).
constexpr long kInvalidArgumentError = 5;

class ClassDialog {
public:
    uint32_t Flags = 0;

    // Write-only members.
    void DialogTitle(const std::string& Value) { title_ = Value; }
    // The file name shown when the dialog opens: at most 256 characters.
    void Caption(const std::string& Value) { caption_ = Value; }
    void InitDir(const std::string& Value) { initDir_ = Value; }
    // Added to a typed name without extension; a leading "." or "," is dropped.
    void DefaultExt(const std::string& Value) { defaultExt_ = Value; }
    // Description and pattern pairs, all separated by "|"; patterns within a pair by ";".
    void FilterName(const std::string& Value) { filter_ = Value; }
    // The filter selected when the dialog opens, from 1.
    void FilterNumber(uint8_t Value) { filterNumber_ = Value; }

    // Results.
    bool Cancel() const { return cancel_; }
    // The folder of the chosen files, without a trailing "/" ("" for the root).
    std::string Path() const { return path_; }
    // The chosen file names without folder, from 0; "" outside the list.
    std::string List(int16_t Index) const;
    int16_t ListCount() const { return int16_t(list_.size()); }

    void LoadDialog(Hwnd Owner = 0);
    void SaveDialog(Hwnd Owner = 0);

private:
    void Show(Hwnd owner, bool save);
    // The members as the dialog uses them; false (with the invalid-argument error) for
    // a file name that is too long.
    bool Prepare();

    std::string title_;
    std::string caption_;
    std::string initDir_;
    std::string defaultExt_;
    std::string filter_;
    uint8_t filterNumber_ = 0;
    bool cancel_ = false;
    std::string path_;
    std::vector<std::string> list_;
};

} // namespace gb
