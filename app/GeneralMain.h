#pragma once
// Helpers of the main module that every window may call.
#include "platform/ErrorRecord.h"
#include "platform/WindowHandle.h"

#include <string>
#include <vector>

class QWidget;
class QAbstractButton;

namespace gb {

// Writes `text` to the application event log as one event. An empty text is first
// replaced by a description of `error` (the error being handled):
// "<description> ｴﾗｰ #<number> ﾗｲﾌﾞﾗﾘ <source> #<platform error code>".
void LogError(std::string& text, const ErrorRecord& error = Err());

// Colours input controls after their state: a locked text or combo box gets button
// face on button text, an unlocked one window on window text, another enabled control
// window on window text, a disabled control button face on grey text.
void ApplyControlColours(const std::vector<QWidget*>& controls);

// The index of the last checked option button of the group, -1 when none is checked.
int SelectedOption(const std::vector<QAbstractButton*>& group);

// With sinceLastQuery false: the key is down now; with true: it was pressed since the
// previous query.
bool IsKeyDown(int virtualKey, bool sinceLastQuery);

// Sends the window a right-button-down message with no keys and position 0, 0.
void SendRightClick(Hwnd window);

// The full path of the help file (set at start-up).
extern std::string HelpFile;

} // namespace gb
