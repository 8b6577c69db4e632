#pragma once
// Modal dialogs built from a template of controls placed in dialog units, run with a
// dialog procedure that receives the initialisation and command messages.
#include "WindowHandle.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gb {

enum DialogMessage : unsigned {
    WM_INITDIALOG = 0x0110,
    WM_COMMAND = 0x0111,
};

struct DialogControl {
    enum Kind { Icon, Static, Edit, Button } kind = Static;
    int id = 0;
    int x = 0, y = 0, width = 0, height = 0; // dialog units
    std::string text;                        // UTF-8; for an icon, the image's resource path
    bool defaultButton = false;
    bool tabStop = false;
    bool noPrefix = false;  // a static text shows "&" as it is
    bool ansiOnly = false;  // an edit box takes only characters that code page 932 holds
};

struct DialogTemplate {
    int width = 0, height = 0; // dialog units
    std::string fontName;      // a Windows font name (mapped to this desktop's fonts)
    int pointSize = 9;
    std::vector<DialogControl> controls;
};

class DialogWindow;

// The dialog procedure: returns non-zero when it handled the message. For
// WM_INITDIALOG a non-zero result lets the dialog put the focus on the first control
// with a tab stop (an edit box then has its text selected). WM_COMMAND carries the id of
// the control in wParam; Enter sends IDOK (1), Esc and closing the window IDCANCEL (2).
using DialogProcedure = std::function<intptr_t(DialogWindow&, unsigned message, uintptr_t wParam, intptr_t lParam)>;

class DialogWindow {
public:
    virtual ~DialogWindow() = default;
    virtual Hwnd Handle() const = 0;
    virtual void SetCaption(const std::string& text) = 0;
    virtual void SetItemText(int id, const std::string& text) = 0;
    virtual std::string ItemText(int id) const = 0;
    virtual Hwnd Item(int id) const = 0;
    virtual void End(intptr_t result) = 0;
};

// Runs the dialog modally and returns the value passed to End; -1 when it could not be
// created.
intptr_t DialogBoxIndirect(Hwnd owner, const DialogTemplate& dialog, DialogProcedure procedure);

} // namespace gb
