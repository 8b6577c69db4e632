#pragma once
// The slideshow controller of the main window: keeps the show's mode, decides which
// picture comes next, tells the theater window what to show, drives the switching
// timer and plays the album's background music. It works on the current album
// (Album), the settings (AppSettings) and the controls it is given; the main window
// forwards its jog tool bar, keys, timer and slider to it.
#include "CinemaScreen.h"
#include "ControlState.h"
#include "ShowMode.h"
#include "SlideshowControls.h"

#include <cstdint>
#include <string>

namespace gb {

class ClassMultimedia;

class ClassSlideshow {
public:
    // The alias of the album's music in the media player.
    static constexpr const char* kMusicAlias = "Song";

    ClassSlideshow(SlideshowControls& controls, CinemaScreen& cinema, ClassMultimedia& media)
        : controls_(controls), cinema_(cinema), media_(media) {}

    ControlState State;

    // The single entry point: a show mode (ShowMode).
    void Slideshow(int32_t mode);

    void ToolBarJog_ItemClick(int32_t key);
    // Virtual-key codes; shift: 1 Shift, 2 Ctrl, 4 Alt.
    void Form_KeyDown(int keyCode, int shift);
    void Form_KeyUp(int keyCode, int shift);
    void TimerSlideshow_Timer();
    void SliderJog_Scroll();

    enum PreviewAction : int { PreviewOpen = 0, PreviewUpdate = 1, PreviewClose = 2 };
    void QuickPreview(int action);

    // A call of Slideshow has not returned yet (a window animation in it may let the
    // message loop run).
    bool Busy() const { return depth_ > 0; }

    // The switching timer as last set.
    bool TimerEnabled() const { return timerEnabled_; }
    uint32_t TimerInterval() const { return timerInterval_; }

    // True when the platform's version word, read as a signed 32-bit number, is
    // positive.
    static bool IsWindowsNT();
    // The media type the music is opened with.
    static int32_t MusicMediaType(const std::string& music, bool windowsNT);
    // The music of the current album: `Music` when it is a full path, else the album
    // folder and `Music`; in its short form.
    static std::string MusicPath();
    // The timer interval of an album interval in seconds, within what the timer holds.
    static uint32_t TimerMilliseconds(int32_t seconds);

private:
    void Navigate(int32_t mode);
    void ShowCurrent();
    void LoopMusic();
    void ChangeMode(int32_t mode);
    void SetTimer(uint32_t milliseconds, bool enabled);
    int NextShuffled(int shownNow) const;

    SlideshowControls& controls_;
    CinemaScreen& cinema_;
    ClassMultimedia& media_;
    bool timerEnabled_ = false;
    uint32_t timerInterval_ = 0;
    int depth_ = 0;
};

} // namespace gb
