#pragma once
// The print and print set-up dialogs and the page set-up dialog behind one object. The
// print dialog carries the settings of the program's printer canvas (platform/print)
// into the dialog and the user's choice back; Repair readies the canvas for a document
// after the dialog.
#include "platform/WindowHandle.h"

#include <cstdint>

namespace gb {

// The print dialog's option flags (the platform's values) that have a meaning here.
enum PrintDialogFlag : uint32_t {
    PD_SELECTION = 0x1,     // "selection" chosen when the dialog opens
    PD_PAGENUMS = 0x2,      // the page range chosen when the dialog opens
    PD_NOSELECTION = 0x4,   // no "selection" choice
    PD_NOPAGENUMS = 0x8,    // no page range
    PD_COLLATE = 0x10,      // collate ticked when the dialog opens
    PD_PRINTSETUP = 0x40,   // the print set-up form: printer, paper and copies only
    PD_RETURNDEFAULT = 0x400, // no dialog: the default printer is chosen
};

class ClassPrintDialog {
public:
    uint32_t Flags = 0;
    int16_t PageMin = 0;
    int16_t PageMax = 0;
    int16_t PageFrom = 0;
    int16_t PageTo = 0;
    int16_t Copies = 0;
    bool Collate = false;

    // Shows the print dialog with the canvas's printer and settings. True when the user
    // confirmed: the canvas then has the chosen printer and settings, and the members
    // the chosen pages, copies and collation. A cancelled dialog changes nothing.
    bool Dialog(Hwnd Owner = 0);

    // Shows the page set-up dialog for the margins, in hundredths of a millimetre from
    // the paper's edges. The given margins are also the smallest the user may choose.
    // Paper and orientation are shown but cannot be changed. True when confirmed; the
    // margins are then the user's, else unchanged. `Setup` (a printer button) has no
    // meaning on this desktop.
    bool PageDialog(Hwnd Owner, bool Setup, int32_t& Left, int32_t& Top, int32_t& Right, int32_t& Bottom);

    // Readies the canvas for a document with the chosen settings: prints one blank in a
    // font chosen at random among the installed ones and puts everything back (font,
    // transparent text on, position 0, 0). The document has then begun.
    void Repair();
};

} // namespace gb
