// The slideshow controller driven directly: modes, the order of pictures, shuffle and
// repeat, navigation, the jog keys, the slider, the music and the error report.
#include "SlideshowFakes.h"
#include "slideshow/ClassSlideshow.h"

#include "platform/Clock.h"
#include "platform/KeyState.h"
#include "shell/CompanionLibraries.h"
#include "slideshow/DisplayGeometry.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

using test::FakeCinema;
using test::FakeControls;
using test::MakeAlbum;
using test::MediaLog;

class ClassSlideshowTest : public ::testing::Test {
protected:
    void SetUp() override {
        media.Exception = 3;
        MakeAlbum(5);
        controls.maximum = 5;
    }
    void TearDown() override {
        Album = AlbumInfo();
        AppSettings = AppSettingsRecord();
    }
    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i) show.TimerSlideshow_Timer();
    }

    ScopedVirtualClock clock; // nothing here may sleep for real
    FakeControls controls;
    FakeCinema cinema;
    ClassMultimedia media;
    MediaLog music;
    ClassSlideshow show{controls, cinema, media};
};

TEST_F(ClassSlideshowTest, PlayShowsTheTheaterStartsTheTimerAndTheMusic) {
    QTemporaryDir dir;
    Album.Folder = dir.path().toStdString();
    QFile(dir.filePath("夜.mid")).open(QIODevice::WriteOnly);
    Album.Music = "夜.mid";
    Album.Interval = 4;
    show.ToolBarJog_ItemClick(JogPlay);

    EXPECT_EQ(show.State.Mode, ShowPlay);
    EXPECT_EQ(cinema.calls, (std::vector<std::string>{"show", "start 1"}));
    EXPECT_EQ(controls.pressed, std::set<int32_t>{JogPlay});
    EXPECT_EQ(controls.timer, std::make_pair(4000u, true));
    EXPECT_EQ(controls.selection, std::make_pair(1, 1));
    EXPECT_EQ(controls.status, "Ready");
    // A MIDI file opens as MPEG media on this NT-family platform.
    EXPECT_EQ(music.Take(), (std::vector<std::string>{"OPEN \"" + Album.Folder + "/夜.mid\" TYPE MPEGVIDEO ALIAS Song",
                                                      "PLAY Song"}));
}

TEST_F(ClassSlideshowTest, PlayingAgainReshowsOnlyAChangedPictureAndRestartsFinishedMusic) {
    show.Slideshow(ShowPlay);
    cinema.calls.clear();
    music.Take();

    music.mode = "playing";
    show.Slideshow(ShowPlay);
    EXPECT_TRUE(cinema.calls.empty());
    EXPECT_TRUE(music.Take().empty());

    music.mode = "stopped";
    Album.CurrentGallery = 3;
    show.Slideshow(ShowPlay);
    EXPECT_EQ(cinema.calls, std::vector<std::string>{"start 3"});
    EXPECT_EQ(music.Take(), (std::vector<std::string>{"SEEK Song TO 0", "PLAY Song"}));
}

TEST_F(ClassSlideshowTest, PausingPausesTheMusicAndPlayingResumesIt) {
    show.Slideshow(ShowPlay);
    music.Take();
    music.mode = "playing";
    show.Slideshow(ShowPause);
    EXPECT_EQ(music.Take(), std::vector<std::string>{"PAUSE Song"});
    EXPECT_EQ(controls.timer, std::make_pair(0u, false));
    EXPECT_EQ(controls.pressed, std::set<int32_t>{JogPause});

    music.mode = "paused";
    show.Slideshow(ShowPlay);
    EXPECT_EQ(music.Take(), std::vector<std::string>{"RESUME Song"});
}

TEST_F(ClassSlideshowTest, TheTimerGoesInOrderAndPausesOnTheLastPictureWithoutRepeat) {
    show.Slideshow(ShowPlay);
    Tick(4);
    EXPECT_EQ(cinema.shown, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(show.State.Mode, ShowPlay);

    Tick();
    EXPECT_EQ(Album.CurrentGallery, 5);
    EXPECT_EQ(show.State.Mode, ShowPause);
    EXPECT_EQ(controls.pressed, std::set<int32_t>{JogPause});
    EXPECT_EQ(controls.timer, std::make_pair(0u, false));
    EXPECT_EQ(cinema.shown.back(), 5);
}

TEST_F(ClassSlideshowTest, WithRepeatTheShowStartsAgainAtTheFirstPicture) {
    AppSettings.Repeat = 1;
    Album.CurrentGallery = 4;
    show.Slideshow(ShowPlay);
    Tick(3);
    EXPECT_EQ(cinema.shown, (std::vector<int>{4, 5, 1, 2}));
    EXPECT_EQ(show.State.Mode, ShowPlay);
}

TEST_F(ClassSlideshowTest, ShuffleDrawsUntilThePictureDiffersFromTheOneShown) {
    AppSettings.Random = 1;
    Album.CurrentGallery = 3;
    show.Slideshow(ShowPlay);
    // 0.5 x 5 gives picture 3 again, so it is drawn once more: 0.99 gives 5.
    test::ListedRandom random({0.5, 0.99, 0.0});
    Tick();
    EXPECT_EQ(Album.CurrentGallery, 5);
    Tick();
    EXPECT_EQ(Album.CurrentGallery, 1);
}

TEST_F(ClassSlideshowTest, ShuffleWithTwoPicturesAlternates) {
    MakeAlbum(2);
    controls.maximum = 2;
    AppSettings.Random = 1;
    Randomize(7);
    show.Slideshow(ShowPlay);
    Tick(12);
    for (size_t i = 1; i < cinema.shown.size(); ++i) EXPECT_NE(cinema.shown[i], cinema.shown[i - 1]) << i;
    EXPECT_EQ(cinema.shown.size(), 13u);
}

TEST_F(ClassSlideshowTest, ShuffleWithARandomSourceStuckOnThePictureShownTakesTheNext) {
    AppSettings.Random = 1;
    Album.CurrentGallery = 3;
    test::ListedRandom stuck({0.5});
    show.Slideshow(ShowPlay);
    Tick();
    EXPECT_EQ(Album.CurrentGallery, 4);
}

TEST_F(ClassSlideshowTest, NavigationClampsAtTheEndsAndShowsPaused) {
    struct Case {
        int start;
        int32_t mode;
        int current;
        bool shown;
    } cases[] = {
        {3, ShowFirst, 1, true},    {3, ShowPrevious, 2, true}, {1, ShowPrevious, 1, false},
        {3, ShowNext, 4, true},     {5, ShowNext, 5, false},    {3, ShowLast, 5, true},
    };
    for (const Case& c : cases) {
        Album.CurrentGallery = int16_t(c.start);
        show.State = ControlState();
        cinema = FakeCinema();
        show.Slideshow(c.mode);
        EXPECT_EQ(Album.CurrentGallery, c.current) << c.start << " mode " << c.mode;
        EXPECT_EQ(!cinema.shown.empty(), c.shown) << c.start << " mode " << c.mode;
        EXPECT_EQ(show.State.Mode, c.shown ? ShowPause : ShowNone);
    }
}

TEST_F(ClassSlideshowTest, JogKeysAndButtonsChooseTheirModes) {
    struct Case {
        int key;
        int32_t button;
        int current; // from picture 3
        int32_t mode;
    } cases[] = {
        {VK_RETURN, JogPlay, 3, ShowPlay}, {VK_SPACE, JogPause, 3, ShowPause}, {VK_ESCAPE, JogStop, 3, ShowStop},
        {VK_HOME, JogFirst, 1, ShowPause}, {VK_PRIOR, JogPrevious, 2, ShowPause}, {VK_LEFT, 0, 2, ShowPause},
        {VK_UP, 0, 2, ShowPause},          {VK_NEXT, JogNext, 4, ShowPause},      {VK_RIGHT, 0, 4, ShowPause},
        {VK_DOWN, 0, 4, ShowPause},        {VK_END, JogLast, 5, ShowPause},       {'A', JogSeparatorLeft, 3, ShowNone},
    };
    for (const Case& c : cases) {
        for (bool byButton : {false, true}) {
            if (byButton && c.button == 0) continue;
            Album.CurrentGallery = 3;
            show.State = ControlState();
            if (byButton) show.ToolBarJog_ItemClick(c.button);
            else show.Form_KeyDown(c.key, 0);
            EXPECT_EQ(Album.CurrentGallery, c.current) << c.key << (byButton ? " button" : " key");
            EXPECT_EQ(show.State.Mode, c.mode) << c.key << (byButton ? " button" : " key");
        }
    }
}

TEST_F(ClassSlideshowTest, StopHidesTheTheaterStopsTheTimerAndClosesTheMusic) {
    show.Slideshow(ShowPlay);
    cinema.calls.clear();
    music.Take();
    show.Slideshow(ShowStop);
    EXPECT_EQ(cinema.calls, std::vector<std::string>{"hide"});
    EXPECT_EQ(controls.selection, std::make_pair(0, 0));
    EXPECT_EQ(controls.timer, std::make_pair(0u, false));
    EXPECT_EQ(controls.pressed, std::set<int32_t>{JogStop});
    EXPECT_EQ(music.Take(), (std::vector<std::string>{"STOP Song", "CLOSE Song"}));

    // Again: nothing more happens.
    cinema.calls.clear();
    show.Slideshow(ShowStop);
    EXPECT_TRUE(cinema.calls.empty());
    EXPECT_TRUE(music.Take().empty());
}

TEST_F(ClassSlideshowTest, ATickDuringTheLeaveAnimationDoesNotRestartAStoppedShow) {
    show.Slideshow(ShowPlay);
    cinema.whileHiding = [this] { Tick(); };
    show.Slideshow(ShowStop);
    EXPECT_EQ(show.State.Mode, ShowStop);
    EXPECT_FALSE(cinema.running);
    EXPECT_EQ(controls.timer, std::make_pair(0u, false));
    EXPECT_EQ(Album.CurrentGallery, 1);
}

TEST_F(ClassSlideshowTest, APictureThatCannotBeShownReportsAndTheNextTickGoesOn) {
    test::DialogEcho echo;
    cinema.failing = {2};
    show.Slideshow(ShowPlay);
    Tick();
    EXPECT_EQ(controls.status, "Error");
    EXPECT_EQ(show.State.Mode, ShowPlay);
    EXPECT_EQ(echo.Take(), "MsgBox\t" + AppTitle() + "\tギャラリーにアクセスできません\t16\n");
    Tick();
    EXPECT_EQ(cinema.shown.back(), 3);
    EXPECT_EQ(controls.status, "Ready");
}

TEST_F(ClassSlideshowTest, DraggingTheSliderPausesAndReleasingShowsThePictureUnderIt) {
    AppSettings.QuickViewer = true;
    show.Slideshow(ShowPlay);
    controls.keysDown = {VK_LBUTTON};
    controls.current = 2;
    show.SliderJog_Scroll();
    EXPECT_EQ(show.State.Mode, ShowPause);
    EXPECT_TRUE(show.State.Dragging);
    EXPECT_TRUE(controls.quickViewerShown);
    const size_t shownWhileDragging = cinema.shown.size();

    controls.current = 4;
    show.SliderJog_Scroll();
    EXPECT_EQ(cinema.shown.size(), shownWhileDragging); // only the quick viewer follows

    controls.keysDown.clear();
    show.SliderJog_Scroll();
    EXPECT_FALSE(controls.quickViewerShown);
    EXPECT_EQ(cinema.shown.back(), 4);
    EXPECT_EQ(show.State.LastJog, 4);
}

TEST_F(ClassSlideshowTest, TimerIntervalsStayWithinWhatTheTimerHolds) {
    struct Case {
        int16_t interval;
        uint32_t milliseconds;
    } cases[] = {{3, 3000}, {0, 0}, {65, 65000}, {66, 65535}, {-5, 0}};
    for (const Case& c : cases) {
        Album.Interval = c.interval;
        show.Slideshow(ShowStop);
        show.Slideshow(ShowPlay);
        EXPECT_EQ(controls.timer, std::make_pair(c.milliseconds, true)) << c.interval;
    }
}

TEST(ClassSlideshowMusic, MediaTypeByFileNameOnlyOffTheNtFamily) {
    struct Case {
        const char* name;
        int32_t type;
    } cases[] = {{"a.MID", 1}, {"a.rmi", 1}, {"a.wav", 0}, {"a.mp3", 6}, {"a.MPG", 6}, {"a.ogg", 0}, {"", 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(ClassSlideshow::MusicMediaType(c.name, false), c.type) << c.name;
        EXPECT_EQ(ClassSlideshow::MusicMediaType(c.name, true), MediaMpegAudio) << c.name;
    }
    EXPECT_TRUE(ClassSlideshow::IsWindowsNT());
}

TEST(ClassSlideshowMusic, TheMusicLiesInTheAlbumFolderUnlessItIsAFullPath) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    QFile(QString::fromStdString(folder + "/曲.mid")).open(QIODevice::WriteOnly);
    Album.Folder = folder;
    Album.Music = "曲.mid";
    EXPECT_EQ(ClassSlideshow::MusicPath(), folder + "/曲.mid");
    Album.Music = folder + "/曲.mid";
    EXPECT_EQ(ClassSlideshow::MusicPath(), folder + "/曲.mid");
    Album.Music = "missing.mid";
    EXPECT_EQ(ClassSlideshow::MusicPath(), "");
    Album = AlbumInfo();
}

TEST(DisplayGeometry, FitsKeepingTheAspectAndCentres) {
    struct Case {
        int width, height, boxWidth, boxHeight;
        QRect fitted;
    } cases[] = {
        {800, 600, 1280, 1024, {0, 32, 1280, 960}},  // wider than the box: full width
        {600, 800, 1280, 1024, {256, 0, 768, 1024}}, // taller: full height
        {1280, 1024, 1280, 1024, {0, 0, 1280, 1024}},
        {3, 2, 5, 5, {0, 1, 5, 3}},                  // 3.333 rounds to 3
        {0, 10, 100, 100, {50, 50, 0, 0}},           // nothing to fit
        {10, 10, 0, 100, {0, 50, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitCentred(c.width, c.height, c.boxWidth, c.boxHeight), c.fitted)
            << c.width << "x" << c.height << " in " << c.boxWidth << "x" << c.boxHeight;
}

} // namespace
} // namespace gb
