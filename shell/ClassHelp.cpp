#include "ClassHelp.h"

#include "platform/desktop/WinHelp.h"

namespace gb {

void ClassHelp::Start(int32_t ContextID) {
    if (ContextID != 0) WinHelp(hOwnerWnd, Path, HELP_CONTEXT, static_cast<uint32_t>(ContextID));
    else WinHelp(hOwnerWnd, Path, HELP_CONTENTS, 0);
}

void ClassHelp::Quit() { WinHelp(hOwnerWnd, Path, HELP_QUIT, 0); }

void ClassHelp::MenuDialog() { WinHelp(hOwnerWnd, Path, HELP_FINDER, 0); }

void ClassHelp::KeywordDialog(const std::string& Keyword) { WinHelpKey(hOwnerWnd, Path, Keyword); }

void ClassHelp::PopupHelp(int32_t ContextID) {
    WinHelp(hOwnerWnd, Path, HELP_CONTEXTPOPUP, static_cast<uint32_t>(ContextID));
}

void ClassHelp::HowTo() { WinHelp(hOwnerWnd, Path, HELP_HELPONHELP, 0); }

} // namespace gb
