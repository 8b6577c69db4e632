// The main window in process: opening locations and their messages, the history,
// dropped files, the jog controls after an album opened, the toggles restored from
// the settings, translucency and the window's place on the screen.
#include "tests/slideshow/DialogEcho.h"
#include "album/GeneralAlbum.h"
#include "album/GeneralSheet.h"
#include "app/AppSettings.h"
#include "app/FileDropTarget.h"
#include "app/FormMain.h"
#include "app/MainWindowRules.h"
#include "platform/Clock.h"
#include "platform/KeyState.h"
#include "plugins/GeneralPlugin.h"
#include "slideshow/FormTheater.h"
#include "toolkit/ToolBarControl.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace gb {
namespace {

// Glimmerbox.INI with these lines (CR LF added); nothing for "".
void WriteSettings(const std::string& lines) {
    QFile::remove(QString::fromStdString(SettingsFile()));
    if (lines.empty()) return;
    QFile ini(QString::fromStdString(SettingsFile()));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(QByteArray::fromStdString(lines).replace("\n", "\r\n"));
}

std::string Message(const char* text, int style) {
    return "MsgBox\tGlimmerbox\t" + std::string(text) + "\t" + std::to_string(style) + "\n";
}

class FormMainTest : public ::testing::Test {
protected:
    void SetUp() override {
        Album = AlbumInfo();
        Extra = AlbumExtra();
        AppSettings = AppSettingsRecord();
        Plugins = PluginRegistry();
        AppSettings.AlphaBlend = 100;
        WriteSettings("");
    }
    void TearDown() override {
        if (!Album.Folder.empty()) SaveAlbum(Album.Folder);
        Album = AlbumInfo();
        AppSettings = AppSettingsRecord();
    }
    // A folder with `pictures` small JPEG files.
    std::string Folder(const std::string& name, int pictures = 2) {
        const QString path = QDir(dir.path()).filePath(QString::fromStdString(name));
        QDir().mkpath(path);
        for (int i = 0; i < pictures; ++i) {
            QImage image(32, 24, QImage::Format_RGB32);
            image.fill(QColor(40 * i, 100, 160));
            image.save(QDir(path).filePath(QString("%1.jpg").arg(i + 1)), "JPEG");
        }
        return path.toStdString();
    }
    std::vector<std::string> Captions() {
        std::vector<std::string> captions;
        for (int i = 1; i <= main.Menus().Recents().Count(); ++i)
            captions.push_back(main.Menus().Recents().MenuRecents(i)->text().toStdString());
        return captions;
    }

    QTemporaryDir dir;
    ScopedVirtualClock clock;
    test::DialogEcho echo;
    FormMain main;
};

TEST_F(FormMainTest, LocationsOpenTheirFolderOrSaySoAndTheFolderGoesIntoTheHistory) {
    const std::string folder = Folder("海 の 旅");
    struct Case {
        std::string given;
        std::string opened; // "" when nothing opens
        std::string messages;
    } cases[] = {
        {"", "", ""},
        {"/", "", Message("ルートディレクトリは選択できません", 64)},
        {"no-slash", "", Message("ルートディレクトリは選択できません", 64)},
        {folder + "/missing", "", Message("選択した場所は存在しません", 48)},
        {folder, folder, ""},
        {folder + "/", folder, ""},
        {"\"" + folder + "\"", folder, ""},
        {folder + "/Browse.GBX", folder, ""},
        {folder + "/BROWSE.gbx", folder, ""},
        {folder + "/1.jpg", folder, Message("ドラッグ ドロップしたファイルを含むフォルダを選択しますか", 36)},
    };
    for (const Case& c : cases) {
        if (!Album.Folder.empty()) SaveAlbum(Album.Folder);
        Album = AlbumInfo();
        if (c.given.find("Browse.GBX") != std::string::npos) {
            ASSERT_TRUE(QFile::exists(QString::fromStdString(folder + "/Browse.GBX")));
        }
        main.OpenLocation(c.given);
        EXPECT_EQ(Album.Folder, c.opened) << c.given;
        EXPECT_EQ(echo.Take(), c.messages) << c.given;
        if (!c.opened.empty()) {
            EXPECT_EQ(Album.GalleryCount, 2) << c.given;
        }
    }
    EXPECT_EQ(Captions(), std::vector<std::string>{"&1 海 の 旅"});
}

TEST_F(FormMainTest, AFileInTheRootIsRefusedLikeTheRoot) {
    // The folder of "/<file>" would be the root itself.
    std::string inRoot;
    for (const QString& entry : QDir("/").entryList(QDir::Files))
        if (inRoot.empty()) inRoot = "/" + entry.toStdString();
    if (inRoot.empty()) GTEST_SKIP() << "no plain file in the root folder";
    main.OpenLocation(inRoot);
    EXPECT_TRUE(Album.Folder.empty());
    EXPECT_EQ(echo.Take(), Message("ドラッグ ドロップしたファイルを含むフォルダを選択しますか", 36) +
                               Message("ルートディレクトリは選択できません", 64));
}

TEST_F(FormMainTest, ACloseWhileAnAlbumOpensWaitsForItAndThenSavesIt) {
    const std::string folder = Folder("closing");
    // The message loop runs once inside the opening, as an end signal would find it.
    QTimer::singleShot(0, &main, [this] { main.close(); });
    main.OpenLocation(folder);
    // Opened whole, then closed, which saved it.
    EXPECT_TRUE(ReadAlbumInfo(folder).Stored);
    EXPECT_EQ(ReadAlbumInfo(folder).GalleryCount, 2);
}

TEST(HistoryMenu, KeepsTheOrderOfKnownFoldersAndAtMostNineEntries) {
    QMenu menu;
    QAction* separator = menu.addSeparator();
    HistoryMenu history(&menu, separator);
    EXPECT_TRUE(history.MenuRecents(0)->isVisible());
    EXPECT_FALSE(history.CanTrashRecents());

    for (const char* folder : {"/a/one", "/a/two", "/a/three"}) history.AddRecent(folder);
    EXPECT_EQ(history.Tags(), (std::vector<std::string>{"/a/three", "/a/two", "/a/one"}));
    history.AddRecent("/A/ONE"); // known, letter case ignored: nothing moves
    EXPECT_EQ(history.Tags(), (std::vector<std::string>{"/a/three", "/a/two", "/a/one"}));
    EXPECT_FALSE(history.MenuRecents(0)->isVisible());

    for (int i = 4; i <= 10; ++i) history.AddRecent("/b/" + std::to_string(i));
    ASSERT_EQ(history.Count(), 9);
    EXPECT_EQ(history.Tags().front(), "/b/10");
    EXPECT_EQ(history.Tags().back(), "/a/two"); // "/a/one" dropped out
    EXPECT_EQ(history.MenuRecents(1)->text(), "&1 10");
    EXPECT_EQ(history.MenuRecents(9)->text(), "&9 two");
    // The entries stand before the separator, in order.
    EXPECT_EQ(menu.actions().indexOf(history.MenuRecents(9)) + 1, menu.actions().indexOf(separator));

    std::string chosen;
    history.Chosen = [&](const std::string& folder) { chosen = folder; };
    history.MenuRecents(2)->trigger();
    EXPECT_EQ(chosen, "/b/9");

    history.TrashRecents();
    EXPECT_FALSE(history.CanTrashRecents());
    EXPECT_TRUE(history.MenuRecents(0)->isVisible());
}

TEST_F(FormMainTest, TheHistoryIsRestoredFromAndStoredToTheSettingsInMenuOrder) {
    WriteSettings("[History]\nRecent=3\n1=/x/c\n2=/x/b\n3=/x/a\n");
    main.RestoreState();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"&1 c", "&2 b", "&3 a"}));
    EXPECT_TRUE(main.CanTrashRecents());
    main.OpenLocation(Folder("d"));
    main.StoreState();
    QFile ini(QString::fromStdString(SettingsFile()));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains(
        QByteArray::fromStdString("[History]\r\nRecent=4\r\n1=" + Album.Folder + "\r\n2=/x/c\r\n3=/x/b\r\n4=/x/a\r\n")));
    EXPECT_FALSE(main.CanTrashRecents()); // the entries leave the menu
}

TEST_F(FormMainTest, DroppedFilesAreAcceptedWithoutShiftOrCtrlAloneAndTheLastOneOpens) {
    struct Case {
        Qt::KeyboardModifiers keys;
        bool accepted;
    } cases[] = {{Qt::NoModifier, true},
                 {Qt::ShiftModifier, false},
                 {Qt::ControlModifier, false},
                 {Qt::ShiftModifier | Qt::ControlModifier, true},
                 {Qt::AltModifier, true}};
    for (const Case& c : cases) EXPECT_EQ(FileDropTarget::Accepts(true, c.keys), c.accepted) << c.keys;
    EXPECT_FALSE(FileDropTarget::Accepts(false, Qt::NoModifier));

    const std::string first = Folder("first"), third = Folder("third");
    auto drop = [&](const std::vector<std::string>& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& p : paths) urls << QUrl::fromLocalFile(QString::fromStdString(p));
        data.setUrls(urls);
        EXPECT_TRUE(main.DropTarget->Drop(&data, Qt::NoModifier));
        QApplication::processEvents();
    };
    drop({first + "/1.jpg", first + "/2.jpg", third + "/2.jpg"});
    EXPECT_EQ(Album.Folder, third);
    EXPECT_EQ(echo.Take(), Message("ドラッグ ドロップしたファイルを含むフォルダを選択しますか", 36));
    drop({first});
    EXPECT_EQ(Album.Folder, first);
    EXPECT_EQ(echo.Take(), "");
}

TEST_F(FormMainTest, ReloadFitsTheJogControlsToTheAlbum) {
    struct Case {
        int pictures;
        bool jog;
        bool navigation;
    } cases[] = {{0, false, false}, {1, true, false}, {3, true, true}};
    for (const Case& c : cases) {
        main.OpenLocation(Folder("album" + std::to_string(c.pictures), c.pictures));
        EXPECT_EQ(main.SliderJog.Enabled(), c.jog) << c.pictures;
        EXPECT_EQ(main.ToolBarJog.ButtonEnabled(JogPlay), c.jog) << c.pictures;
        EXPECT_EQ(main.ToolBarJog.ButtonEnabled(JogNext), c.navigation) << c.pictures;
        EXPECT_EQ(main.SliderJog.Max(), std::max(1, c.pictures));
        EXPECT_TRUE(main.Menus().MenuViews(MainMenus::ViewProperties)->isEnabled());
    }
    struct Ticks {
        int count;
        int32_t frequency;
    } ticks[] = {{0, 0}, {1, 1}, {10, 1}, {11, 10}, {100, 10}, {101, 100}, {1000, 100}, {1001, 0}};
    for (const Ticks& t : ticks) EXPECT_EQ(JogTickFrequency(t.count), t.frequency) << t.count;
}

TEST_F(FormMainTest, DraggingTheSliderShowsTheThumbnailInTheQuickViewerThenThePicture) {
    main.OpenLocation(Folder("drag", 3));
    AppSettings.QuickViewer = true;
    GetThumbnail(2, true); // as the album editor makes them
    main.Slideshow(ShowPlay);
    ASSERT_TRUE(main.Theater().IsCinemaRunning());

    const QImage before = main.Theater().Screen().ScreenImage().copy();
    // Earlier tests may have left a button or key down in the tracked state.
    for (int key : {VK_LBUTTON, VK_RBUTTON, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END})
        SimulateKeyState(key, false);
    SimulateKeyState(VK_LBUTTON, true);
    main.SliderJog.SetCurrent(2);
    main.Controller().SliderJog_Scroll();
    EXPECT_FALSE(main.PictureQuickViewer->isHidden());
    EXPECT_EQ(main.Controller().State.Mode, ShowPause);
    // The thumbnail (blue-green, as drawn by Folder) fills the middle of the box.
    const QRect box = main.PictureQuickViewer->rect();
    const QColor middle = QImage(main.PictureQuickViewer->grab().toImage()).pixelColor(box.center());
    EXPECT_LT(middle.red(), 100) << middle.name().toStdString();
    EXPECT_GT(middle.blue(), 120) << middle.name().toStdString();

    main.SliderJog.SetCurrent(3); // no thumbnail: the box says so, the theater stays
    main.Controller().SliderJog_Scroll();
    EXPECT_EQ(Album.CurrentGallery, 3);

    SimulateKeyState(VK_LBUTTON, false);
    main.Controller().SliderJog_Scroll();
    EXPECT_TRUE(main.PictureQuickViewer->isHidden());
    EXPECT_EQ(main.Controller().State.LastShown, 3);
    EXPECT_NE(main.Theater().Screen().ScreenImage(), before);
    main.Slideshow(ShowStop);
    EXPECT_FALSE(main.Theater().IsCinemaRunning());
}

TEST_F(FormMainTest, TheSettingsToggleTheButtonsTheTheaterAndTheTopmostState) {
    WriteSettings("[Main]\nClip=1\nTheater=1\nRepeat=1\n");
    main.RestoreState();
    EXPECT_TRUE(main.ToolBarSpeed.ButtonState(FormMain::SpeedClip) & TBSTATE_CHECKED);
    EXPECT_EQ(main.ToolBarSpeed.Buttons(FormMain::SpeedClip), 3); // the picture of a pressed pin
    EXPECT_TRUE(main.WindowEffects.AlwaysVisible());
    EXPECT_TRUE(main.Theater().TheaterMode);
    EXPECT_FALSE(main.Theater().IsCinemaRunning());
    EXPECT_FALSE(main.ToolBarSpeed.ButtonState(FormMain::SpeedRandom) & TBSTATE_CHECKED);
    EXPECT_TRUE(main.ToolBarSpeed.ButtonState(FormMain::SpeedRepeat) & TBSTATE_CHECKED);
    EXPECT_FALSE(main.SliderJog.Enabled()); // no album yet

    // A dialog opened from a menu is not hidden behind the window.
    main.SuspendTopmost(true);
    EXPECT_FALSE(main.WindowEffects.AlwaysVisible());
    main.SuspendTopmost(false);
    EXPECT_TRUE(main.WindowEffects.AlwaysVisible());
}

TEST_F(FormMainTest, TheInactiveWindowIsTranslucentByAlphaBlend) {
    struct Case {
        bool active;
        int32_t alphaBlend;
        int opacity;
    } cases[] = {{false, 50, 128}, {true, 50, 255}, {false, 1, 3}, {false, 99, 252}, {false, 100, 255}};
    for (const Case& c : cases) EXPECT_EQ(LayeredOpacity(c.active, c.alphaBlend), c.opacity) << c.alphaBlend;

    struct Switch {
        int32_t alphaBlend;
        LayeredSwitch result;
    } switches[] = {{0, LayeredSwitch::Off}, {1, LayeredSwitch::On}, {99, LayeredSwitch::On},
                    {100, LayeredSwitch::Off}, {-1, LayeredSwitch::Unchanged}, {101, LayeredSwitch::Unchanged}};
    for (const Switch& s : switches) EXPECT_EQ(LayeredSwitchOf(s.alphaBlend), s.result) << s.alphaBlend;
}

TEST(FormMainTranslucency, AlphaBlendFromTheSettingsFileIsAppliedWhenInactive) {
    struct Case {
        const char* value;
        double opacity;
    } cases[] = {{"50", 128 / 255.0}, {"100", 1.0}, {"0", 1.0}};
    for (const Case& c : cases) {
        WriteSettings(std::string("[Main]\nAlphaBlend=") + c.value + "\n");
        FormMain main;
        main.RestoreState();
        main.Active = false;
        main.Remake();
        EXPECT_NEAR(main.windowOpacity(), c.opacity, 0.002) << c.value;
        main.Active = true;
        main.Remake();
        EXPECT_NEAR(main.windowOpacity(), 1.0, 0.002) << c.value;
    }
    WriteSettings("");
    AppSettings = AppSettingsRecord();
}

TEST_F(FormMainTest, DraggingTheTitleStripMovesTheWindowAndKeepsItOnTheScreen) {
    main.show();
    main.move(100, 100);
    const QPoint strip = main.PictureTitle->mapToGlobal(QPoint(20, 40));
    QTest::mousePress(main.PictureTitle, Qt::LeftButton, {}, QPoint(20, 40));
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 40), QPointF(strip - QPoint(300, 200)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main.PictureTitle, &move);
    EXPECT_EQ(main.pos(), QPoint(-200, -100));
    QTest::mouseRelease(main.PictureTitle, Qt::LeftButton, {}, QPoint(20, 40));
    EXPECT_EQ(main.pos(), QPoint(0, 0));
}

TEST(MainWindowRules, AWindowDraggedOffTheScreenComesBackFullyOnIt) {
    const QRect screen(0, 0, 1280, 1024);
    struct Case {
        QRect frame;
        QPoint place;
    } cases[] = {
        {{100, 100, 320, 60}, {100, 100}},  {{-50, 10, 320, 60}, {0, 10}},   {{10, -5, 320, 60}, {10, 0}},
        {{1100, 10, 320, 60}, {960, 10}},   {{10, 1000, 320, 60}, {10, 964}}, {{-9, 2000, 320, 60}, {0, 964}},
    };
    for (const Case& c : cases) EXPECT_EQ(KeepOnScreen(c.frame, screen), c.place) << c.frame.x() << "," << c.frame.y();
}

TEST(MainWindowRules, LocationsLoseOnePairOfQuotesAndOneTrailingSlash) {
    struct Case {
        const char* given;
        const char* trimmed;
    } cases[] = {{"\"/a b/c\"", "/a b/c"}, {"/a/", "/a"}, {"\"/a/\"", "/a"}, {"/", ""}, {"\"", ""}, {"/a//", "/a/"}};
    for (const Case& c : cases) EXPECT_EQ(TrimLocation(c.given), c.trimmed) << c.given;
}

} // namespace
} // namespace gb
