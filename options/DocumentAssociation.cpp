#include "DocumentAssociation.h"

#include "platform/Desktop.h"
#include "platform/FileIO.h"
#include "platform/Folders.h"
#include "platform/Process.h"
#include "shell/GeneralWin32ExAPI.h"

#include <optional>
#include <string>

namespace gb {

bool RegisterDocumentType() {
    SetBusyCursor(true);
    // Resource 1 is the registry tool, resource 2 the import template. Both go to the
    // program's own folder: the tool fills in its own folder for the program's.
    const char* resources[2] = {":/register/Register", ":/register/Glimmerbox.reg"};
    std::string files[2];
    bool ok = true;
    for (int k = 0; k < 2 && ok; ++k) {
        std::optional<std::string> bytes = ResourceBytes(resources[k]);
        files[k] = TempFileName(ProgramFolder(), "QOR");
        ok = bytes && !files[k].empty() && WriteFileBytes(files[k], *bytes);
    }
    if (ok) ok = MakeExecutable(files[0]);
    // The tool's work is waited for (five seconds at most) instead of sleeping a fixed
    // time, so its files are never removed under it and the program waits no longer
    // than needed.
    if (ok) RunProgramAndWait(files[0], {files[1]}, 5000);
    // The files go also when a step failed, so that nothing is left behind.
    for (const std::string& file : files)
        if (!file.empty() && !RemoveFile(file)) ok = false;
    SetBusyCursor(false);
    return ok;
}

} // namespace gb
