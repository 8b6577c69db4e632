#pragma once
// Gives the main window its options window: "オプション(&O)..." makes the window, shows
// it modally over the main window and lets it go; its history button clears the main
// window's history.
namespace gb {

class FormMain;

void InstallOptionsWindow(FormMain& main);

} // namespace gb
