#pragma once
// What the album editor shares with the rest of the program: the calls it makes on
// the main window, the pieces of the editor that other modules provide (the Internet
// page and the index print), and the rule that runs a step and goes on when it fails.
#include <cstdint>
#include <functional>

class QWidget;

namespace gb {

class FormThumbnail;

// The main window as the editor sees it.
struct MainWindowLink {
    std::function<void()> Reload;                // controls in line with the album
    std::function<void(int32_t mode)> Slideshow; // 1 stop, 2 play from CurrentGallery
    std::function<void()> Remake;                // redraw the title strip and translucency
    std::function<void()> Quit;                  // end the program through the normal shutdown
};

// The editor's pieces that other modules provide. Each starts empty, and the editor
// then shows an empty page or does nothing.
struct ThumbnailExtensions {
    // Builds the Internet search page into `frame`, the page of the third tab, when
    // the editor is created. Whatever it makes belongs to the frame.
    std::function<void(FormThumbnail& editor, QWidget* frame)> InternetPage;
    // Prints the index sheet of the current album ("印刷(&P)...").
    std::function<void(FormThumbnail& editor)> PrintIndex;
};
ThumbnailExtensions& EditorExtensions();

// Runs one step of a procedure whose steps are skipped when they fail: an exception
// ends the step, not the procedure. False when the step failed.
bool RunStep(const std::function<void()>& step);

} // namespace gb
