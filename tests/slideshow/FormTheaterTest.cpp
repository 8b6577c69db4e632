// The theater window on real pictures: captions, the display rectangle in both
// presentations, clearing between pictures, backgrounds, the live filter, the mouse
// pointer, the keys and the placement it leaves in the settings.
#include "SlideshowFakes.h"
#include "Timeline.h"
#include "slideshow/FormTheater.h"

#include "platform/Desktop.h"
#include "platform/KeyState.h"
#include "slideshow/EffectNumber.h"
#include "tests/platform/metafile/MetafileWriter.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace gb {
namespace {

constexpr QRgb kRed = 0xFFFF0000u, kBlue = 0xFF0000FFu, kBlack = 0xFF000000u, kWhite = 0xFFFFFFFFu;

// A two-colour GIF whose colour 1 is transparent: `opaque` tells which pixels take
// colour 0. The pixels are coded two at a time between clear codes, so that every
// code stays three bits wide.
std::string TransparentGif(int width, int height, QRgb colour, const std::function<bool(int, int)>& opaque) {
    std::string gif = "GIF89a";
    auto u16 = [&](int v) { gif += char(v & 0xFF), gif += char(v >> 8); };
    u16(width), u16(height);
    gif += char(0x80), gif += char(0), gif += char(0); // a global table of two colours
    gif += char(qRed(colour)), gif += char(qGreen(colour)), gif += char(qBlue(colour));
    gif += std::string(3, '\0');
    gif += "\x21\xF9\x04\x01"; // graphic control: colour 1 is transparent
    gif += std::string("\0\0\x01\0", 4);
    gif += ',', u16(0), u16(0), u16(width), u16(height), gif += char(0);
    std::string data;
    uint32_t bits = 0;
    int count = 0;
    auto put = [&](int code) {
        bits |= uint32_t(code) << count, count += 3;
        while (count >= 8) data += char(bits & 0xFF), bits >>= 8, count -= 8;
    };
    constexpr int kClear = 4, kEnd = 5;
    for (int i = 0; i < width * height; ++i) {
        if (i % 2 == 0) put(kClear);
        put(opaque(i % width, i / width) ? 0 : 1);
    }
    put(kEnd);
    if (count) data += char(bits & 0xFF);
    gif += char(2); // the smallest code size
    for (size_t at = 0; at < data.size(); at += 255) {
        const std::string block = data.substr(at, 255);
        gif += char(block.size()) + block;
    }
    gif += std::string("\0;", 2);
    return gif;
}

class FormTheaterTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::MakeAlbum(0);
        Album.Folder = dir.path().toStdString();
        main.resize(320, 60);
        main.show();
    }
    void TearDown() override {
        Album = AlbumInfo();
        Extra = AlbumExtra();
        AppSettings = AppSettingsRecord();
    }
    // Adds a gallery with a picture file of one colour (BMP, so colours stay exact).
    void AddPicture(const std::string& name, int width, int height, QRgb colour) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        image.save(dir.filePath(QString::fromStdString(name)), "BMP");
        AddGallery(name);
    }
    void AddGallery(const std::string& name) {
        GalleryInfo gallery;
        gallery.FileName = name;
        gallery.Title = name.substr(0, name.find('.'));
        Album.Galleries.push_back(gallery);
        Album.GalleryCount = int16_t(Album.Galleries.size());
    }
    bool Show(int index) {
        Album.CurrentGallery = int16_t(index);
        return theater.StartCinema();
    }
    QRgb Shown(int x, int y) const { return theater.Screen().ScreenImage().pixel(x, y); }

    QTemporaryDir dir;
    ScopedVirtualClock clock;
    QWidget main;
    FormTheater theater{&main};
};

TEST_F(FormTheaterTest, TheCaptionIsTheAlbumTitleAndThePictureTitle) {
    AddPicture("港.bmp", 8, 6, kRed);
    struct Case {
        const char* albumTitle;
        const char* caption;
    } cases[] = {{"旅行", "旅行 港"}, {"", "港"}, {"   ", "港"}, {" 旅 ", " 旅  港"}};
    for (const Case& c : cases) {
        Album.Title = c.albumTitle;
        ASSERT_TRUE(Show(1));
        EXPECT_EQ(theater.CaptionText(), c.caption);
        EXPECT_EQ(theater.windowTitle().toStdString(), c.caption);
    }
}

TEST_F(FormTheaterTest, WindowedModeSizesTheWindowToThePictureAtTheAlbumZoom) {
    AddPicture("a.bmp", 80, 60, kRed);
    struct Case {
        int16_t zoom;
        QSize size;
    } cases[] = {{100, {80, 60}}, {50, {40, 30}}, {150, {120, 90}}, {0, {8, 6}}, {-20, {8, 6}}};
    for (const Case& c : cases) {
        Album.Zoom = c.zoom;
        ASSERT_TRUE(Show(1));
        EXPECT_EQ(theater.DisplayRect(), QRect(QPoint(0, 0), c.size)) << c.zoom;
        EXPECT_EQ(theater.size(), c.size) << c.zoom;
        EXPECT_EQ(theater.PictureTheater().Width(), c.size.width());
        EXPECT_EQ(Shown(c.size.width() - 1, c.size.height() - 1), kRed);
    }
    EXPECT_EQ(Album.Gallery(1).Width, 80);
    EXPECT_EQ(Album.Gallery(1).Height, 60);
}

TEST_F(FormTheaterTest, AnotherPictureOfTheSameSizeIsWipedInOverThePreviousOne) {
    AddPicture("red.bmp", 60, 40, kRed);
    AddPicture("blue.bmp", 60, 40, kBlue);
    AddPicture("wide.bmp", 90, 40, kBlue);
    Album.Effect = EffectWipeHorizontal;
    ASSERT_TRUE(Show(1));

    Timeline timeline;
    QRgb rightEdge = 0;
    timeline.onSleep = [&] {
        if (!rightEdge) rightEdge = Shown(59, 20);
    };
    ASSERT_TRUE(Show(2));
    EXPECT_EQ(rightEdge, kRed); // not cleared: the old picture is still there
    EXPECT_EQ(Shown(59, 20), kBlue);

    rightEdge = 0;
    ASSERT_TRUE(Show(3));
    EXPECT_EQ(rightEdge, kBlack); // a new size: cleared first
    EXPECT_EQ(Shown(89, 20), kBlue);
}

TEST_F(FormTheaterTest, AMetafileShowsOnWhiteABitmapsTransparentPartsOnBlack) {
    // One inch by half an inch, its left half a red rectangle.
    test::WmfWriter wmf;
    wmf.SetWindowOrg(0, 0).SetWindowExt(1440, 720);
    wmf.CreateBrush(0, QColor(255, 0, 0)).SelectObject(0).CreatePen(5, 0, QColor(0, 0, 0)).SelectObject(1);
    wmf.Rectangle(0, 0, 720, 720);
    std::vector<uint8_t> bytes = wmf.Bytes(true, QRect(0, 0, 1440, 720), 1440);
    std::ofstream(dir.filePath("drawing.wmf").toStdString(), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));
    AddGallery("drawing.wmf");

    std::ofstream(dir.filePath("holey.gif").toStdString(), std::ios::binary)
        << TransparentGif(40, 20, qRgb(0, 200, 0), [](int x, int) { return x < 20; });
    AddGallery("holey.gif");

    ASSERT_TRUE(Show(1));
    EXPECT_EQ(Shown(10, 20), kRed);
    EXPECT_EQ(Shown(80, 20), kWhite);
    ASSERT_TRUE(Show(2));
    EXPECT_EQ(Shown(5, 10), qRgb(0, 200, 0));
    EXPECT_EQ(Shown(30, 10), kBlack);
}

TEST_F(FormTheaterTest, TheaterModeFitsThePictureToTheScreenOnBlack) {
    AddPicture("tall.bmp", 30, 60, kBlue);
    theater.CinemaTheaterMode(true);
    theater.ShowCinema();
    ASSERT_TRUE(Show(1));
    EXPECT_TRUE(theater.isMaximized());
    EXPECT_TRUE(theater.windowFlags() & Qt::FramelessWindowHint);
    const QSize client = theater.size();
    const QRect display = theater.DisplayRect();
    EXPECT_EQ(display.height(), client.height());
    EXPECT_EQ(display.width(), client.height() / 2);
    EXPECT_EQ(display.left(), (client.width() - display.width()) / 2);
    EXPECT_EQ(Shown(display.center().x(), display.center().y()), kBlue);
    EXPECT_EQ(Shown(0, 0), kBlack);

    theater.CinemaTheaterMode(false);
    ASSERT_TRUE(Show(1));
    EXPECT_FALSE(theater.isMaximized());
    EXPECT_EQ(theater.size(), QSize(30, 60));
}

TEST_F(FormTheaterTest, TheLiveFilterChangesThePictureBeforeItIsShown) {
    AddPicture("white.bmp", 10, 10, kWhite);
    struct Case {
        int16_t filter;
        std::vector<double> random;
        QRgb shown;
    } cases[] = {
        {EffectSepia, {}, qRgb(255, 230, 178)},
        {EffectMonotone, {}, kWhite},
        {EffectRandom, {0.4}, qRgb(255, 230, 178)}, // 12 + int(0.4 x 3) = 13
        {0, {}, kWhite},
    };
    for (const Case& c : cases) {
        Extra.LiveFilter = c.filter;
        test::ListedRandom random(c.random.empty() ? std::vector<double>{0.0} : c.random);
        ASSERT_TRUE(Show(1));
        EXPECT_EQ(Shown(5, 5), c.shown) << c.filter;
    }
}

TEST_F(FormTheaterTest, AMissingPictureOrGalleryCannotBeShown) {
    AddPicture("a.bmp", 8, 6, kRed);
    AddGallery("missing.jpg");
    EXPECT_FALSE(Show(2));
    EXPECT_FALSE(Show(0));
    EXPECT_FALSE(Show(3));
    EXPECT_TRUE(Show(1));
}

TEST_F(FormTheaterTest, ThePointerHidesInTheaterModeWhileTheMainWindowIsHidden) {
    theater.CinemaTheaterMode(true);
    theater.ShowCinema();
    EXPECT_EQ(theater.cursor().shape(), Qt::ArrowCursor);
    main.hide();
    theater.ApplyMousePointer();
    EXPECT_EQ(theater.cursor().shape(), Qt::BitmapCursor);
    theater.PencilMode = true;
    theater.ApplyMousePointer();
    EXPECT_EQ(theater.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FormTheaterTest, TheContextMenuFollowsTheModeAndThePencil) {
    TheaterMenu& menu = theater.ContextMenu();
    struct Case {
        TheaterMenu::State state;
        bool controller, title, sizeAndColour;
    } cases[] = {
        {{false, true, false, false, 0, 0}, false, false, false},
        {{true, true, true, false, 0, 0}, true, true, false},
        {{true, false, false, true, 2, 4}, true, true, true},
    };
    for (const Case& c : cases) {
        menu.Update(c.state);
        EXPECT_EQ(menu.Menus(TheaterMenu::ItemController)->isEnabled(), c.controller);
        EXPECT_EQ(menu.Menus(TheaterMenu::ItemController)->isChecked(), c.state.MainVisible);
        EXPECT_EQ(menu.Menus(TheaterMenu::ItemTitle)->isVisible(), c.title);
        EXPECT_EQ(menu.Menus(TheaterMenu::ItemTitle)->isChecked(), c.state.ShowTitle);
        EXPECT_EQ(menu.Menus(TheaterMenu::ItemSize)->isEnabled(), c.sizeAndColour);
        EXPECT_EQ(menu.Menus(TheaterMenu::ItemEraseAll)->isEnabled(), c.sizeAndColour);
        for (int i = 0; i < TheaterMenu::kPencilSizes; ++i)
            EXPECT_EQ(menu.PencilSizes(i)->isChecked(), i == c.state.PencilSize);
        EXPECT_EQ(menu.PencilColors(4)->isChecked(), c.state.PencilColor == 4);
    }
}

TEST_F(FormTheaterTest, ThePencilDrawsOnTheScreenUntilErased) {
    AddPicture("black.bmp", 60, 40, kBlack);
    ASSERT_TRUE(Show(1));
    theater.ContextMenu().Menus(TheaterMenu::ItemPencilMode)->trigger();
    ASSERT_TRUE(theater.PencilMode);
    theater.ContextMenu().PencilColors(3)->trigger(); // red
    theater.ContextMenu().PencilSizes(3)->trigger();  // one pixel
    EXPECT_EQ(Extra.PencilColor, 3);
    EXPECT_EQ(Extra.PencilSize, 3);

    QTest::mousePress(&theater, Qt::LeftButton, {}, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 10), theater.mapToGlobal(QPointF(30, 10)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&theater, &move);
    QTest::mouseRelease(&theater, Qt::LeftButton, {}, QPoint(30, 10));
    EXPECT_EQ(Shown(10, 10), qRgb(255, 0, 128));
    EXPECT_EQ(Shown(20, 10), qRgb(255, 0, 128));
    EXPECT_EQ(theater.Screen().PersistentImage().pixel(20, 10), kBlack);

    theater.ContextMenu().Menus(TheaterMenu::ItemEraseAll)->trigger();
    EXPECT_EQ(Shown(20, 10), kBlack);
}

TEST_F(FormTheaterTest, KeysGoToTheMainWindow) {
    std::vector<std::pair<int, int>> keys;
    theater.Events.KeyDown = [&](int key, int shift) { keys.emplace_back(key, shift); };
    QTest::keyClick(&theater, Qt::Key_Return);
    QTest::keyClick(&theater, Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{VK_RETURN, 0}, {VK_SHIFT, 1}, {VK_NEXT, 1}}));
}

TEST(FormTheaterPlacement, ThePlacementIsWrittenAtUnloadAndRestoredOnlyWhenSuspending) {
    QWidget main;
    AppSettings = AppSettingsRecord();
    AppSettings.TheaterPlacement = {0, 1500, 3000, 0, 0};
    {
        FormTheater theater(&main);
        EXPECT_NE(theater.pos(), QPoint(100, 200)); // not restored without Suspending
        theater.move(40, 50);
        theater.Unload();
    }
    EXPECT_EQ(AppSettings.TheaterPlacement.State, 0);
    EXPECT_EQ(AppSettings.TheaterPlacement.Left, 40 * TwipsPerPixelX());
    EXPECT_EQ(AppSettings.TheaterPlacement.Top, 50 * TwipsPerPixelY());

    AppSettings.Suspending = true;
    {
        FormTheater theater(&main);
        EXPECT_EQ(theater.pos(), QPoint(40, 50));
        theater.CinemaTheaterMode(true);
    }
    EXPECT_EQ(AppSettings.TheaterPlacement.State, 2);
    AppSettings = AppSettingsRecord();
}

} // namespace
} // namespace gb
