#pragma once
// Stand-ins for the main window's controls and the theater window, which record what
// the slideshow asks of them, and a media command sender that records the commands
// and answers the music's mode.
#include "DialogEcho.h"
#include "album/AlbumRecords.h"
#include "app/AppSettings.h"
#include "media/ClassMultimedia.h"
#include "platform/Random.h"
#include "platform/draw/Canvas.h"
#include "slideshow/CinemaScreen.h"
#include "slideshow/SlideshowControls.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace gb::test {

class FakeControls : public SlideshowControls {
public:
    int32_t SliderCurrent() override { return current; }
    // A slider keeps its position inside its range.
    void SetSliderCurrent(int32_t position) override { current = std::clamp(position, 1, std::max(1, maximum)); }
    void SliderSelRange(int32_t start, int32_t end) override { selection = {start, end}; }
    void SliderSelClear() override { selection = {0, 0}; }
    void RefreshJog() override {}
    void SetJogButtonPressed(int32_t key, bool on) override {
        if (on) pressed.insert(key);
        else pressed.erase(key);
    }
    void SetStatusCaption(const std::string& text) override { status = text; }
    void SetTimer(uint32_t milliseconds, bool enabled) override { timer = {milliseconds, enabled}; }
    bool IsKeyDown(int virtualKey) override { return keysDown.count(virtualKey) > 0; }
    void ShowQuickViewer(bool visible) override { quickViewerShown = visible; }
    Canvas* QuickViewer() override { return &box; }
    Hwnd Owner() override { return 0; }

    int32_t current = 1;
    int32_t maximum = 1;
    std::pair<int32_t, int32_t> selection{0, 0};
    std::set<int32_t> pressed;
    std::string status;
    std::pair<uint32_t, bool> timer{0, false};
    std::set<int> keysDown;
    bool quickViewerShown = false;
    Canvas box{94, 60};
};

class FakeCinema : public CinemaScreen {
public:
    bool IsCinemaRunning() override { return running; }
    void ShowCinema() override {
        running = true;
        calls.push_back("show");
    }
    void HideCinema() override {
        running = false;
        calls.push_back("hide");
        if (whileHiding) whileHiding();
    }
    bool StartCinema() override {
        calls.push_back("start " + std::to_string(Album.CurrentGallery));
        shown.push_back(Album.CurrentGallery);
        return failing.count(Album.CurrentGallery) == 0;
    }

    bool running = false;
    std::vector<std::string> calls;
    std::vector<int> shown;
    std::set<int> failing;
    // Runs inside HideCinema, as the message loop does during the leave animation.
    std::function<void()> whileHiding;
};

// Records the media commands; "STATUS Song MODE" is answered with `mode`, or fails as
// for a device that is not open when `mode` is empty.
class MediaLog {
public:
    MediaLog() {
        SetMediaCommandSender([this](const std::string& command, std::string& reply) {
            std::string upper = command;
            std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
            if (upper == "STATUS SONG MODE") {
                reply = mode;
                return mode.empty() ? kNotOpen : 0u;
            }
            commands.push_back(command);
            return 0u;
        });
    }
    ~MediaLog() { SetMediaCommandSender({}); }
    // The commands after the status queries, then forgets them.
    std::vector<std::string> Take() {
        std::vector<std::string> taken;
        taken.swap(commands);
        return taken;
    }

    static constexpr uint32_t kNotOpen = 263; // the MCI error of an unknown alias
    std::string mode;
    std::vector<std::string> commands;
};

// Random numbers from a list, over and over.
class ListedRandom : public RandomSource {
public:
    explicit ListedRandom(std::vector<double> values) : values_(std::move(values)) { SetRandomSource(this); }
    ~ListedRandom() override { SetRandomSource(nullptr); }
    double Next() override { return values_[next_++ % values_.size()]; }

private:
    std::vector<double> values_;
    size_t next_ = 0;
};

// An album of `count` galleries named 1.jpg ... in a folder that need not exist.
inline void MakeAlbum(int count, int current = 1, int interval = 3) {
    Album = AlbumInfo();
    Extra = AlbumExtra();
    Album.Folder = "/albums/旅行";
    Album.Title = "旅行";
    for (int i = 1; i <= count; ++i) {
        GalleryInfo gallery;
        gallery.Title = std::to_string(i);
        gallery.FileName = std::to_string(i) + ".jpg";
        Album.Galleries.push_back(gallery);
    }
    Album.GalleryCount = int16_t(count);
    Album.CurrentGallery = int16_t(current);
    Album.Interval = int16_t(interval);
    Album.Zoom = 100;
    AppSettings = AppSettingsRecord();
}

} // namespace gb::test
