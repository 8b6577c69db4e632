#include "GeneralMain.h"

#include "platform/EventLog.h"
#include "platform/KeyState.h"
#include "platform/WindowMessages.h"
#include "shell/GeneralWin32ExAPI.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace gb {

std::string HelpFile;

void LogError(std::string& text, const ErrorRecord& error) {
    if (text.empty()) {
        text = error.Description + " ｴﾗｰ #" + std::to_string(error.Number) + " ﾗｲﾌﾞﾗﾘ " + error.Source + " #" +
               std::to_string(error.LastDllError);
    }
    WriteEventLog(text);
}

namespace {

enum : uint32_t {
    ColorWindow = 0x80000005, ColorWindowText = 0x80000008, ColorButtonFace = 0x8000000F,
    ColorGrayText = 0x80000011, ColorButtonText = 0x80000012,
};

QColor ColourOf(uint32_t code) {
    uint32_t rgb = SystemColor(code);
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

void Paint(QWidget* control, uint32_t back, uint32_t fore) {
    QPalette palette = control->palette();
    for (auto role : {QPalette::Base, QPalette::Window, QPalette::Button}) palette.setColor(role, ColourOf(back));
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) palette.setColor(role, ColourOf(fore));
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

// A text box or combo box that the user cannot change.
bool IsTextControl(QWidget* control, bool& locked) {
    if (auto* e = qobject_cast<QLineEdit*>(control)) return locked = e->isReadOnly(), true;
    if (auto* e = qobject_cast<QTextEdit*>(control)) return locked = e->isReadOnly(), true;
    if (auto* e = qobject_cast<QPlainTextEdit*>(control)) return locked = e->isReadOnly(), true;
    if (auto* c = qobject_cast<QComboBox*>(control)) return locked = !c->isEditable() && c->property("locked").toBool(), true;
    return false;
}

} // namespace

void ApplyControlColours(const std::vector<QWidget*>& controls) {
    for (QWidget* control : controls) {
        if (!control) continue;
        bool locked = false;
        if (!control->isEnabled()) Paint(control, ColorButtonFace, ColorGrayText);
        else if (IsTextControl(control, locked) && locked) Paint(control, ColorButtonFace, ColorButtonText);
        else Paint(control, ColorWindow, ColorWindowText);
    }
}

int SelectedOption(const std::vector<QAbstractButton*>& group) {
    int selected = -1;
    for (size_t i = 0; i < group.size(); ++i)
        if (group[i] && group[i]->isChecked()) selected = int(i);
    return selected;
}

bool IsKeyDown(int virtualKey, bool sinceLastQuery) {
    auto state = static_cast<uint16_t>(GetAsyncKeyState(virtualKey));
    return sinceLastQuery ? (state & 0x000F) != 0 : (state & 0xF000) != 0;
}

void SendRightClick(Hwnd window) { SendMessage(window, WM_RBUTTONDOWN, 0, 0); }

} // namespace gb
