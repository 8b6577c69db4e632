#pragma once
// The folder browser behind one object: a window sets the instruction text, shows the
// browser and reads the chosen folder.
#include "platform/WindowHandle.h"

#include <cstdint>
#include <string>

namespace gb {

class ClassPathDialog {
public:
    // The instruction text shown above the folder tree.
    std::string Caption;
    // The folder at the root of the tree: 0, the desktop, shows the whole file system
    // with the home folder opened. (No other roots exist on this desktop.)
    int32_t RootPath = 0;
    // The chosen folder, without a trailing "/" (the root stays "/"). A folder set
    // before the dialog is the one it opens at.
    std::string Path;

    // True (the default): only file-system folders can be chosen, which are the only
    // folders this desktop's browser offers.
    void DisabledSpecialPaths(bool Value) { disabledSpecialPaths_ = Value; }

    // Shows the browser; true when a folder was chosen, false (and Path empty) when the
    // user cancelled.
    bool Dialog(Hwnd Owner = 0);

private:
    bool disabledSpecialPaths_ = true;
};

} // namespace gb
