#include "MailDocuments.h"

#include "platform/desktop/ShellExecute.h"
#include "shell/GeneralWin32ExAPI.h"

namespace gb {

std::vector<std::string> AttachedFiles(const std::string& delimiter, const std::string& paths) {
    std::vector<std::string> files;
    if (paths.empty() || delimiter.empty()) return files;
    std::string pending;
    bool joining = false;
    for (const std::string& piece : SplitList(paths, delimiter, BinaryCompare)) {
        pending = joining ? pending + delimiter + piece : piece;
        if (FileExists(pending)) {
            files.push_back(pending);
            joining = false;
        } else {
            joining = true;
        }
    }
    // What never named a file goes to the mail program as it was given.
    if (joining) {
        for (const std::string& piece : SplitList(pending, delimiter, BinaryCompare)) files.push_back(piece);
    }
    return files;
}

int32_t MAPISendDocuments(Hwnd, const std::string& delimiter, const std::string& paths, const std::string&, int32_t) {
    ShellAction action;
    action.kind = ShellAction::Process;
    action.program = "xdg-email";
    for (const std::string& file : AttachedFiles(delimiter, paths)) {
        action.arguments.push_back("--attach");
        action.arguments.push_back(file);
    }
    return RunShellAction(action) ? 0 : 2;
}

} // namespace gb
