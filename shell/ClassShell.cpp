#include "ClassShell.h"

#include "platform/Unicode.h"
#include "platform/desktop/FileInformation.h"
#include "platform/desktop/FileOperation.h"
#include "platform/desktop/RecentDocuments.h"
#include "platform/desktop/ShellExecute.h"

namespace gb {

const char* ShellVerbText(int32_t ToDo) {
    switch (ToDo) {
    case VerbOpen: return "OPEN";
    case VerbPrint: return "PRINT";
    case VerbExplore: return "EXPLORE";
    case VerbFind: return "FIND";
    case VerbEdit: return "EDIT";
    default: return "";
    }
}

std::string FixedWidthText(const std::string& text, size_t width) {
    std::string out;
    size_t characters = 0;
    for (size_t at = 0; at < text.size() && characters < width; ++characters) {
        size_t length = 1;
        DecodeUtf8(text, at, length);
        out.append(text, at, length);
        at += length;
    }
    out.append(width - characters, '\0');
    return out;
}

uint16_t ClassShell::OperationFlags(bool allowUndo) const {
    uint16_t flags = FOF_NOCONFIRMMKDIR;
    if (step_) flags |= FOF_SILENT;
    if (check_) flags |= FOF_NOCONFIRMATION;
    if (error_) flags |= FOF_NOERRORUI;
    if (allowUndo) flags |= FOF_ALLOWUNDO;
    return flags;
}

void ClassShell::Execute(const std::string& Line, const std::string& Parameter, int32_t ToDo, int32_t State,
                         bool PropertyDialog) {
    if (PropertyDialog) ShellShowProperties(hOwnerWnd, Line);
    else ShellExecute(hOwnerWnd, ShellVerbText(ToDo), Line, Parameter, "", State);
}

void ClassShell::Move(const std::string& FromPath, const std::string& ToPath) {
    ShellFileOperation(hOwnerWnd, FO_MOVE, FromPath, ToPath, OperationFlags(false));
}

void ClassShell::Copy(const std::string& FromPath, const std::string& ToPath) {
    ShellFileOperation(hOwnerWnd, FO_COPY, FromPath, ToPath, OperationFlags(false));
}

void ClassShell::Trash(const std::string& Path, bool RecycledBin) {
    ShellFileOperation(hOwnerWnd, FO_DELETE, Path, "", OperationFlags(RecycledBin));
}

void ClassShell::AppendRecent(const std::string& Path) { AddRecentDocument(Path); }

void ClassShell::CleanRecents() { ClearRecentDocuments(); }

KeyedCollection ClassShell::Browse(const std::string& Path, int32_t Icon, bool Selected, int32_t& ID,
                                   int32_t& Attributes) {
    const uint32_t flags = static_cast<uint32_t>(Icon) + (Selected ? static_cast<uint32_t>(SHGFI_OPENICON) : 0u) + SHGFI_ICON +
                           SHGFI_DISPLAYNAME + SHGFI_TYPENAME;
    ShellFileInfo info;
    GetFileInformation(Path, static_cast<uint32_t>(Attributes), flags, info);
    ID = info.iconIndex;
    Attributes = static_cast<int32_t>(info.attributes);
    KeyedCollection result;
    result.Add("ICON", info.icon.isNull() ? Picture() : Picture::FromImage(info.icon, PictureType::Icon));
    result.Add("TITLE", FixedWidthText(info.displayName, 260));
    result.Add("TYPE", FixedWidthText(info.typeName, 80));
    return result;
}

} // namespace gb
