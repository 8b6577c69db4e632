#pragma once
// The shell service object: opens documents, programs and folders with a verb, shows
// property sheets, moves, copies and deletes files (to the trash or for good), keeps
// the desktop's recent documents, and reads a file's icon, display name and type name.
// No operation reports failure; whatever the desktop shows is the only report.
#include "KeyedCollection.h"
#include "platform/WindowHandle.h"

#include <cstdint>
#include <string>

namespace gb {

// Verbs of Execute.
enum ShellVerb : int32_t { VerbOpen = 0, VerbPrint = 1, VerbExplore = 2, VerbFind = 3, VerbEdit = 4 };

class ClassShell {
public:
    Hwnd hOwnerWnd = 0;

    // Write-only switches; each starts true (the dialog of its kind is suppressed).
    void DisabledStepDialog(bool Value) { step_ = Value; }
    void DisabledCheckDialog(bool Value) { check_ = Value; }
    void DisabledErrorDialog(bool Value) { error_ = Value; }

    void Execute(const std::string& Line, const std::string& Parameter, int32_t ToDo, int32_t State, bool PropertyDialog);
    void Move(const std::string& FromPath, const std::string& ToPath);
    void Copy(const std::string& FromPath, const std::string& ToPath);
    void Trash(const std::string& Path, bool RecycledBin);
    void AppendRecent(const std::string& Path);
    void CleanRecents();

    // "ICON" (a picture), "TITLE" (260 characters) and "TYPE" (80 characters) of
    // `Path`; `ID` receives the icon index and `Attributes` the attribute word.
    KeyedCollection Browse(const std::string& Path, int32_t Icon, bool Selected, int32_t& ID, int32_t& Attributes);

    // The file-operation flag word built from the switches.
    uint16_t OperationFlags(bool allowUndo) const;

private:
    bool step_ = true;
    bool check_ = true;
    bool error_ = true;
};

// The verb text of `ToDo`: "OPEN", "PRINT", "EXPLORE", "FIND", "EDIT", or "" (the
// item's default action) for any other value.
const char* ShellVerbText(int32_t ToDo);

// `text` padded with zero characters (or cut) to exactly `width` characters.
std::string FixedWidthText(const std::string& text, size_t width);

} // namespace gb
