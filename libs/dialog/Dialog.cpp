// Dialog: the message box and the one-line input box of the program, with texts in
// code page 932 as the program passes them.
#include "platform/Cp932.h"
#include "platform/DialogBox.h"
#include "platform/MessageBox.h"

#include <cstdint>
#include <cstring>
#include <string>

#define GB_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// Control ids of the input box.
enum : int { IdOk = 1, IdCancel = 2, IdAnswer = 1005, IdPrompt = 1009, IdIcon = 1015 };

// The input box's texts between the call and the dialog procedure; one input box at a
// time per process.
struct InputState {
    std::string prompt, caption, defaultText;
    char* answer = nullptr;
    bool answered = false;
} state;

gb::DialogTemplate InputTemplate() {
    gb::DialogTemplate t;
    t.width = 241;
    t.height = 61;
    t.fontName = "MS UI Gothic";
    t.pointSize = 9;
    using C = gb::DialogControl;
    C icon;
    icon.kind = C::Icon, icon.id = IdIcon, icon.x = 5, icon.y = 5, icon.width = 20, icon.height = 20;
    icon.text = ":/dialog/pencil.png";
    C prompt;
    prompt.kind = C::Static, prompt.id = IdPrompt, prompt.x = 30, prompt.y = 5, prompt.width = 151, prompt.height = 31;
    prompt.noPrefix = true;
    C edit;
    edit.kind = C::Edit, edit.id = IdAnswer, edit.x = 5, edit.y = 42, edit.width = 231, edit.height = 14;
    edit.tabStop = true, edit.ansiOnly = true;
    C ok;
    ok.kind = C::Button, ok.id = IdOk, ok.x = 186, ok.y = 5, ok.width = 50, ok.height = 14;
    ok.text = "OK", ok.defaultButton = true, ok.tabStop = true;
    C cancel;
    cancel.kind = C::Button, cancel.id = IdCancel, cancel.x = 186, cancel.y = 22, cancel.width = 50, cancel.height = 14;
    cancel.text = "キャンセル", cancel.tabStop = true;
    t.controls = {icon, prompt, edit, ok, cancel};
    return t;
}

intptr_t InputProcedure(gb::DialogWindow& dialog, unsigned message, uintptr_t wParam, intptr_t) {
    switch (message) {
    case gb::WM_INITDIALOG:
        dialog.SetCaption(gb::Utf8(state.caption));
        dialog.SetItemText(IdPrompt, gb::Utf8(state.prompt));
        dialog.SetItemText(IdAnswer, gb::Utf8(state.defaultText));
        return 1;
    case gb::WM_COMMAND:
        if (wParam == IdOk) {
            // At most 254 bytes and the terminating zero, never half a double-byte
            // character.
            std::string text = gb::Cp932(dialog.ItemText(IdAnswer));
            std::string_view cut = gb::Cp932Prefix(text, 254);
            if (state.answer) {
                std::memcpy(state.answer, cut.data(), cut.size());
                state.answer[cut.size()] = 0;
            }
            state.answered = true;
            dialog.End(1);
            return 1;
        }
        if (wParam == IdCancel) {
            state.answered = false;
            dialog.End(2);
            return 1;
        }
        return 0;
    default:
        return 0;
    }
}

// Clears the texts when the library is unloaded.
struct Unload {
    ~Unload() { state = InputState(); }
} unload;

} // namespace

GB_EXPORT int32_t MsgBox(intptr_t owner, const char* text, const char* caption, int32_t style) {
    return gb::ShowMessageBox(owner, gb::Utf8(text ? text : ""), gb::Utf8(caption ? caption : ""), uint32_t(style));
}

GB_EXPORT int32_t InputBox(intptr_t owner, const char* prompt, const char* caption, const char* defaultText,
                           char* answer) {
    state.prompt = prompt ? prompt : "";
    state.caption = caption ? caption : "";
    state.defaultText = defaultText ? defaultText : "";
    state.answer = answer;
    state.answered = false;
    return int32_t(gb::DialogBoxIndirect(owner, InputTemplate(), InputProcedure));
}
