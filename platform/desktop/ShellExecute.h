#pragma once
// Opening documents, programs and folders the way the desktop does: xdg-open for
// documents and addresses, the file manager's D-Bus service (org.freedesktop.FileManager1)
// for showing folders and property sheets, with xdg-open of the folder as the fallback
// when no file manager answers.
#include "platform/WindowHandle.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gb {

// What one shell call does: start a program, or call the file manager's service.
struct ShellAction {
    enum Kind { None, Process, FileManager };
    Kind kind = None;
    std::string program;                // Process: the program to start ...
    std::vector<std::string> arguments; // ... and its arguments
    std::string workingFolder;          // Process: "" for the current folder
    std::string method;                 // FileManager: ShowFolders, ShowItems or ShowItemProperties
    std::vector<std::string> uris;      // FileManager: the items, as file URIs
    std::shared_ptr<ShellAction> fallback; // FileManager: what to do when the service does not answer
};

// The action of a shell verb ("open", "print", "explore", "find", "edit"; any other
// verb, or "", is the item's default action) on `file` with `parameters` (used when
// `file` is a program).
ShellAction ShellActionFor(const std::string& verb, const std::string& file, const std::string& parameters,
                           const std::string& workingFolder);

// The action that shows the property sheet of `file`.
ShellAction PropertiesActionFor(const std::string& file);

// Carries out a verb; true when the action could be started. `show` (the platform's
// show command) is accepted; programs started here choose their own window state.
bool ShellExecute(Hwnd owner, const std::string& verb, const std::string& file, const std::string& parameters,
                  const std::string& workingFolder, int show);
bool ShellShowProperties(Hwnd owner, const std::string& file);

// Runs an action: starts the process, or calls the file manager and runs the fallback
// when that fails. Tests may put their own runner in place; an empty one restores this.
using ShellLauncher = std::function<bool(const ShellAction&)>;
void SetShellLauncher(ShellLauncher launcher);
bool RunShellAction(const ShellAction& action);

} // namespace gb
