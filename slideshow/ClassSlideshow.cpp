#include "ClassSlideshow.h"

#include "album/AlbumRecords.h"
#include "album/GeneralSheet.h"
#include "app/AppSettings.h"
#include "media/ClassMultimedia.h"
#include "platform/DirectorySearch.h"
#include "platform/KeyState.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/draw/Canvas.h"
#include "resources/StringTable.h"
#include "shell/CompanionLibraries.h"
#include "shell/GeneralWin32ExAPI.h"
#include "DisplayGeometry.h"

#include <algorithm>
#include <exception>

namespace gb {
namespace {

// This platform's version word: an NT-family version (the high bit clear).
constexpr uint32_t kPlatformVersionWord = 0x0000000A;

// The most the switching timer holds.
constexpr uint32_t kTimerLimit = 65535;

// A random source that keeps giving the picture shown now would hang the thread;
// after this many draws the next picture in order is taken.
constexpr int kShuffleDrawLimit = 10000;

enum StatusText : int { kStatusBusy = 1001, kStatusReady = 1002, kStatusError = 1003 };
constexpr int kGalleryError = 10008;

// The keys that move the slider, and the mouse buttons that drag it.
constexpr int kDragKeys[] = {VK_LBUTTON, VK_RBUTTON, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN,
                             VK_PRIOR,   VK_NEXT,    VK_HOME, VK_END};

} // namespace

int32_t JogButtonOfMode(int32_t mode) {
    switch (mode) {
    case ShowStop: return JogStop;
    case ShowPause: return JogPause;
    case ShowPlay: return JogPlay;
    case ShowFirst: return JogFirst;
    case ShowPrevious: return JogPrevious;
    case ShowNext: return JogNext;
    case ShowLast: return JogLast;
    default: return 0;
    }
}

int32_t ModeOfJogButton(int32_t key) {
    switch (key) {
    case JogFirst: return ShowFirst;
    case JogPrevious: return ShowPrevious;
    case JogStop: return ShowStop;
    case JogPause: return ShowPause;
    case JogPlay: return ShowPlay;
    case JogNext: return ShowNext;
    case JogLast: return ShowLast;
    default: return ShowNone;
    }
}

bool ClassSlideshow::IsWindowsNT() { return int32_t(kPlatformVersionWord) > 0; }

int32_t ClassSlideshow::MusicMediaType(const std::string& music, bool windowsNT) {
    if (windowsNT) return MediaMpegAudio;
    for (const char* pattern : {"*.MID", "*.RMI"})
        if (MatchesPattern(music, pattern)) return MediaSequencer;
    if (MatchesPattern(music, "*.WAV")) return MediaWaveAudio;
    for (const char* pattern : {"*.MP3", "*.MPG"})
        if (MatchesPattern(music, pattern)) return MediaMpegAudio;
    return MediaWaveAudio;
}

std::string ClassSlideshow::MusicPath() {
    // A full path starts at the root; anything else lies in the album folder.
    const std::string path = !Album.Music.empty() && Album.Music.front() == '/' ? Album.Music
                                                                                 : Album.Folder + "/" + Album.Music;
    return ShortPathOf(path);
}

uint32_t ClassSlideshow::TimerMilliseconds(int32_t seconds) {
    if (seconds <= 0) return 0;
    return std::min<uint32_t>(uint32_t(seconds) * 1000u, kTimerLimit);
}

void ClassSlideshow::SetTimer(uint32_t milliseconds, bool enabled) {
    timerInterval_ = milliseconds;
    timerEnabled_ = enabled;
    controls_.SetTimer(milliseconds, enabled);
}

void ClassSlideshow::Slideshow(int32_t mode) {
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    } depth(depth_);
    if (mode >= ShowFirst && mode <= ShowLast) {
        Navigate(mode);
        return;
    }
    controls_.RefreshJog();
    if (mode != State.Mode) {
        ChangeMode(mode);
        return;
    }
    if (mode == ShowStop) {
        controls_.SliderSelClear();
        if (cinema_.IsCinemaRunning()) cinema_.HideCinema();
    } else if (mode == ShowPause || mode == ShowPlay) {
        ShowCurrent();
    }
    LoopMusic();
}

// Navigation changes the current gallery and shows it paused; past either end the
// index is clamped and nothing new is shown.
void ClassSlideshow::Navigate(int32_t mode) {
    int16_t& current = Album.CurrentGallery;
    switch (mode) {
    case ShowFirst: current = 1; break;
    case ShowPrevious:
        if (current - 1 < 1) {
            current = 1;
            return;
        }
        --current;
        break;
    case ShowNext:
        if (current + 1 > Album.GalleryCount) {
            current = Album.GalleryCount;
            return;
        }
        ++current;
        break;
    case ShowLast: current = Album.GalleryCount; break;
    }
    Slideshow(ShowPause);
}

void ClassSlideshow::ShowCurrent() {
    bool shown = false;
    try {
        controls_.SetStatusCaption(LoadResString(kStatusBusy));
        controls_.SetSliderCurrent(Album.CurrentGallery);
        const int32_t position = controls_.SliderCurrent();
        shown = true;
        if (cinema_.IsCinemaRunning()) {
            if (position != State.LastShown) {
                State.LastShown = int16_t(position);
                shown = cinema_.StartCinema();
            }
        } else {
            State.LastShown = int16_t(position);
            cinema_.ShowCinema();
            shown = cinema_.StartCinema();
        }
        if (shown) {
            controls_.SliderSelRange(1, position);
            controls_.SetStatusCaption(LoadResString(kStatusReady));
        }
    } catch (const std::exception&) {
        shown = false;
    }
    if (!shown) {
        controls_.SetStatusCaption(LoadResString(kStatusError));
        MsgBox(controls_.Owner(), LoadResString(kGalleryError), AppTitle(), MB_ICONSTOP);
    }
}

// The music loops: when it has stopped, it starts again from the beginning.
void ClassSlideshow::LoopMusic() {
    if (media_.Status(kMusicAlias) != ModeStopped) return;
    media_.Jump(kMusicAlias, "0");
    media_.Play(kMusicAlias);
}

void ClassSlideshow::ChangeMode(int32_t mode) {
    State.Mode = mode;
    for (int32_t key : {JogStop, JogPause, JogPlay}) controls_.SetJogButtonPressed(key, key == JogButtonOfMode(mode));
    // As if the jog button had been clicked: shows the current picture for the new mode.
    ToolBarJog_ItemClick(JogButtonOfMode(mode));

    if (mode == ShowPlay) SetTimer(TimerMilliseconds(Album.Interval), true);
    else if (mode == ShowStop || mode == ShowPause) SetTimer(0, false);

    switch (mode) {
    case ShowStop:
        media_.Break(kMusicAlias);
        media_.Unload(kMusicAlias);
        break;
    case ShowPause: media_.Pause(kMusicAlias, 0); break;
    case ShowPlay:
        if (media_.Status(kMusicAlias) == ModePaused) {
            media_.Pause(kMusicAlias, 1);
        } else {
            media_.Load(MusicMediaType(Album.Music, IsWindowsNT()), kMusicAlias, MusicPath());
            media_.Play(kMusicAlias);
        }
        break;
    }
}

void ClassSlideshow::ToolBarJog_ItemClick(int32_t key) {
    const int32_t mode = ModeOfJogButton(key);
    if (mode != ShowNone) Slideshow(mode);
}

void ClassSlideshow::Form_KeyDown(int keyCode, int) {
    switch (keyCode) {
    case VK_ESCAPE: Slideshow(ShowStop); break;
    case VK_SPACE: Slideshow(ShowPause); break;
    case VK_RETURN: Slideshow(ShowPlay); break;
    case VK_HOME: Slideshow(ShowFirst); break;
    case VK_PRIOR:
    case VK_LEFT:
    case VK_UP: Slideshow(ShowPrevious); break;
    case VK_NEXT:
    case VK_RIGHT:
    case VK_DOWN: Slideshow(ShowNext); break;
    case VK_END: Slideshow(ShowLast); break;
    default: break;
    }
}

void ClassSlideshow::Form_KeyUp(int, int) {}

int ClassSlideshow::NextShuffled(int shownNow) const {
    for (int draw = 0; draw < kShuffleDrawLimit; ++draw) {
        const int index = std::clamp(int(Rnd() * Album.GalleryCount), 0, Album.GalleryCount - 1) + 1;
        if (index != shownNow) return index;
    }
    return shownNow % Album.GalleryCount + 1;
}

void ClassSlideshow::TimerSlideshow_Timer() {
    // A tick that arrives while the show is changing (the theater's leave animation
    // lets the message loop run before the timer is stopped) would undo the change.
    if (Busy()) return;
    int16_t& current = Album.CurrentGallery;
    if (!AppSettings.Random) ++current;
    else if (Album.GalleryCount > 1) current = int16_t(NextShuffled(current));

    if (current >= 1) {
        if (current <= Album.GalleryCount) {
            Slideshow(ShowPlay);
        } else if (AppSettings.Repeat) {
            current = 1;
            Slideshow(ShowPlay);
        } else {
            current = Album.GalleryCount;
            Slideshow(ShowPause);
        }
    } else {
        current = 1;
        Slideshow(ShowPause);
    }
}

void ClassSlideshow::SliderJog_Scroll() {
    const int32_t position = controls_.SliderCurrent();
    Album.CurrentGallery = int16_t(position);
    bool dragging = false;
    for (int key : kDragKeys) dragging = dragging || controls_.IsKeyDown(key);

    if (dragging == State.Dragging) {
        if (dragging) {
            QuickPreview(PreviewUpdate);
        } else if (position != State.LastJog) {
            State.LastJog = int16_t(position);
            Slideshow(ShowPause);
        }
        return;
    }
    State.Dragging = dragging;
    if (dragging) {
        if (timerEnabled_) Slideshow(ShowPause);
        QuickPreview(PreviewOpen);
    } else {
        QuickPreview(PreviewClose);
        State.LastJog = int16_t(position);
        Slideshow(ShowPause);
    }
}

void ClassSlideshow::QuickPreview(int action) {
    if (!AppSettings.QuickViewer) return;
    if (action == PreviewClose) {
        controls_.ShowQuickViewer(false);
        return;
    }
    if (action == PreviewOpen) controls_.ShowQuickViewer(true);
    Canvas* box = controls_.QuickViewer();
    if (!box) return;
    box->Clear();
    const int w = box->Width(), h = box->Height();
    const int index = Album.CurrentGallery;
    const bool hasThumbnail = index >= 1 && index <= Album.GalleryCount && index <= int(Album.Galleries.size()) &&
                              Album.Gallery(index).ThumbMade;
    if (hasThumbnail) {
        const GalleryInfo& gallery = Album.Gallery(index);
        const QRect place = FitCentred(gallery.ThumbWidth, gallery.ThumbHeight, w, h);
        box->DrawPicture(GetThumbnail(index, false), place.x(), place.y(), place.width(), place.height());
        return;
    }
    const std::string lines[2] = {"サムネイルが", "ありません"};
    const int blockHeight = box->TextHeight(lines[0] + "\n" + lines[1]);
    int y = (h - blockHeight) / 2;
    for (const std::string& line : lines) {
        box->SetCurrentPosition((w - box->TextWidth(line)) / 2, y);
        box->Print(line);
        y += box->TextHeight(line);
    }
}

} // namespace gb
