#pragma once
// What the slideshow asks of the window that shows its pictures.
namespace gb {

class CinemaScreen {
public:
    virtual ~CinemaScreen() = default;
    // The window is on screen.
    virtual bool IsCinemaRunning() = 0;
    virtual void ShowCinema() = 0;
    virtual void HideCinema() = 0;
    // Shows the album's current gallery; false when its picture cannot be shown (no
    // such gallery, a missing or unreadable file).
    virtual bool StartCinema() = 0;
};

} // namespace gb
