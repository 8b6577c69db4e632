#pragma once
// The help service of this platform: our help viewer for our help file (HelpFile.h),
// driven by the help commands with the platform's numbers.
#include "platform/WindowHandle.h"

#include <cstdint>
#include <string>

namespace gb {

enum HelpCommand : uint32_t {
    HELP_CONTEXT = 0x0001,      // the topic with context number `data`
    HELP_QUIT = 0x0002,         // close the viewer
    HELP_CONTENTS = 0x0003,     // the contents
    HELP_HELPONHELP = 0x0004,   // how to use the viewer
    HELP_CONTEXTPOPUP = 0x0008, // the topic `data` in a pop-up window
    HELP_FINDER = 0x000B,       // the help-topics dialog
    HELP_KEY = 0x0101,          // the index at a keyword (WinHelpKey)
};

// Carries out `command` for the help file `file`. A help file that cannot be read is
// reported in a message box owned by `owner`, and the call returns false; a context
// number the file lacks shows the contents with a note.
bool WinHelp(Hwnd owner, const std::string& file, uint32_t command, uint32_t data);
// HELP_KEY: the index positioned at `keyword`; a keyword of exactly one topic shows
// that topic at once.
bool WinHelpKey(Hwnd owner, const std::string& file, const std::string& keyword);

// What the viewer shows now (for tests and for the program's own checks).
struct HelpViewerState {
    bool viewerVisible = false;
    std::string topicId; // "" for a page that is no topic (help on help, a note)
    std::string text;    // the plain text of the viewer's page
    bool popupVisible = false;
    std::string popupText;
    bool finderVisible = false;
    bool finderOnIndex = false;
    std::string finderKeyword;
};
HelpViewerState CurrentHelpState();

} // namespace gb
