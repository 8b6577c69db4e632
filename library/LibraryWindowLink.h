#pragma once
// Gives the main window its album choice: "アルバムの選択..." shows the library window
// (made on first use and kept, with its state, for the next choice) and opens the
// folder it hands back.
namespace gb {

class FormMain;

void InstallLibraryWindow(FormMain& main);

} // namespace gb
