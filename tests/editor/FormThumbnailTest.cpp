// The album editor window in process, on a real album folder: the first fill, the busy
// state, edit mode, erasing to the trash, rebuilding, the gallery dialog, drag and
// drop through the list's events, mail, closing and the placement, and the main
// window's editor seams.
#include "../options/ModalSteps.h"
#include "album/GeneralAlbum.h"
#include "album/GeneralSheet.h"
#include "app/AppSettings.h"
#include "app/FormMain.h"
#include "editor/AlbumEditor.h"
#include "editor/AlbumPropertyPage.h"
#include "editor/FormThumbnail.h"
#include "editor/SlideshowPropertyPage.h"
#include "options/FormDialog.h"
#include "platform/Clock.h"
#include "platform/desktop/ShellExecute.h"
#include "plugins/GeneralPlugin.h"
#include "toolkit/ListViewControl.h"
#include "toolkit/ListViewNotifications.h"
#include "tests/slideshow/DialogEcho.h"
#include "toolkit/ToolBarControl.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

namespace gb {
namespace {

using test::DialogEcho;
using test::ModalSteps;

std::string Message(const char* text, int style) {
    return "MsgBox\tGlimmerbox\t" + std::string(text) + "\t" + std::to_string(style) + "\n";
}

class FormThumbnailTest : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_DATA_HOME", QDir(data.path()).filePath("share").toUtf8());
        Album = AlbumInfo();
        Extra = AlbumExtra();
        Plugins = PluginRegistry();
        AppSettings = AppSettingsRecord();
        folder = QDir(dir.path()).filePath("夏の旅").toStdString();
        QDir().mkpath(QString::fromStdString(folder));
        const char* names[] = {"a.jpg", "b.jpg", "c.jpg", "d.jpg"};
        for (int i = 0; i < 4; ++i) {
            QImage image(64, 48, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 80, 200, 200));
            image.save(QString::fromStdString(folder + "/" + names[i]), "JPEG");
        }
        LoadAlbum(folder);
        BuildGalleryList(true);
        RelayoutSheet();
    }
    void TearDown() override {
        form.reset();
        if (!Album.Folder.empty()) SaveAlbum(Album.Folder);
        Album = AlbumInfo();
        AppSettings = AppSettingsRecord();
        SetShellLauncher(nullptr);
        qunsetenv("XDG_DATA_HOME");
    }

    // The editor, with its first fill done.
    FormThumbnail& Open() {
        MainWindowLink link;
        link.Reload = [this] { calls.push_back("Reload"); };
        link.Slideshow = [this](int32_t mode) { calls.push_back("Slideshow " + std::to_string(mode)); };
        link.Remake = [this] { calls.push_back("Remake"); };
        link.Quit = [this] { calls.push_back("Quit"); };
        form = std::make_unique<FormThumbnail>(link);
        form->AskYesNo = [this](int id) {
            asked.push_back(id);
            return answer;
        };
        form->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->ListViewThumbnail.ListItemCount() == Album.GalleryCount; }));
        return *form;
    }
    ListViewControl* Control() { return static_cast<ListViewControl*>(WidgetOf(form->ListViewThumbnail.hListView)); }
    void Select(std::initializer_list<int> items, int focused) {
        ClassListView& list = form->ListViewThumbnail;
        Control()->SetState(focused - 1, LVIS_FOCUSED, true);
        for (int k = 1; k <= list.ListItemCount(); ++k)
            list.SetListItemState(k - 1, LVIS_SELECTED, std::find(items.begin(), items.end(), k) != items.end());
        form->List().ListHasFocus = true;
        form->RefreshCommands();
    }
    QPoint ItemPoint(int k) {
        QAbstractItemView* view = Control()->View();
        return view->viewport()->mapTo(Control(), view->visualRect(Control()->Model()->index(k, 0)).center());
    }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (const GalleryInfo& g : Album.Galleries) titles.push_back(g.Title);
        return titles;
    }
    std::vector<std::string> ItemTexts() {
        std::vector<std::string> texts;
        for (int k = 0; k < form->ListViewThumbnail.ListItemCount(); ++k) texts.push_back(form->ListViewThumbnail.ListItems(k));
        return texts;
    }
    bool Pressed(int32_t key) { return form->ToolBarSpeed.ButtonState(key) & TBSTATE_CHECKED; }

    QTemporaryDir dir, data;
    std::string folder;
    ScopedVirtualClock clock;
    std::unique_ptr<FormThumbnail> form;
    std::vector<std::string> calls;
    std::vector<int> asked;
    bool answer = true;
};

TEST_F(FormThumbnailTest, TheWindowShowsUpEmptyAndFillsItselfOnTheFirstTick) {
    Album.Title = "夏の旅行";
    MainWindowLink link;
    form = std::make_unique<FormThumbnail>(link);
    EXPECT_EQ(form->ListViewThumbnail.ListItemCount(), 0);
    EXPECT_EQ(form->windowTitle().toStdString(), "夏の旅行 - Glimmerbox");
    EXPECT_EQ(form->TabStripProperty.TabCount(), 3);
    EXPECT_EQ(form->StatusBar.Panels(0), "準備ができました");
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->ListViewThumbnail.ListItemCount() == 4; }));
    EXPECT_EQ(ItemTexts(), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(form->TimerThumbnail.interval(), 500);
    EXPECT_EQ(form->Status().BusyCount, 0);
    EXPECT_EQ(form->StatusBar.Panels(0), "準備ができました");
    EXPECT_FALSE(form->ProgressBar.Visible());
    EXPECT_FALSE(form->EditMode());
    EXPECT_TRUE(form->PageFrame(FormThumbnail::PageAlbum)->isVisible());
    EXPECT_FALSE(form->PageFrame(FormThumbnail::PageSlideshow)->isVisible());

    form->TabStripProperty.SetCurrent(FormThumbnail::PageSlideshow);
    form->TabStripProperty_Click();
    EXPECT_FALSE(form->PageFrame(FormThumbnail::PageAlbum)->isVisible());
    EXPECT_TRUE(form->PageFrame(FormThumbnail::PageSlideshow)->isVisible());
    EXPECT_EQ(form->LastPage, FormThumbnail::PageSlideshow);
}

TEST_F(FormThumbnailTest, BusyPeriodsNestAndTheCountNeverGoesBelowZero) {
    FormThumbnail& f = Open();
    QAction* rebuild = f.Menus().MenuAction(ThumbnailMenus::ActionNewThumbnails);
    struct Step {
        std::optional<bool> busy;
        int16_t message;
        int16_t count;
        const char* text;
    } steps[] = {
        {true, 0, 1, "しばらくお待ちください..."}, {true, 2005, 2, "サムネイルを編集しています..."},
        {false, 0, 1, "しばらくお待ちください..."}, {std::nullopt, 2009, 1, "操作が完了しました"},
        {false, 0, 0, "準備ができました"},          {false, 0, 0, "準備ができました"},
    };
    for (const Step& s : steps) {
        f.ShowStatus(s.busy, s.message);
        EXPECT_EQ(f.Status().BusyCount, s.count);
        EXPECT_EQ(f.StatusBar.Panels(0), s.text);
        EXPECT_EQ(rebuild->isEnabled(), s.count == 0);
        EXPECT_EQ(f.ToolBarSpeed.ButtonEnabled(FormThumbnail::SpeedRefresh), s.count == 0);
        EXPECT_EQ(QApplication::overrideCursor() != nullptr, s.count > 0);
    }
}

TEST_F(FormThumbnailTest, EditModeFollowsTheToolBarAndUnlocksPagesAndCommands) {
    FormThumbnail& f = Open();
    Select({2}, 2);
    QAction* erase = f.Menus().MenuGallery(ThumbnailMenus::GalleryErase);
    QAction* properties = f.Menus().MenuGallery(ThumbnailMenus::GalleryProperties);
    EXPECT_TRUE(Pressed(FormThumbnail::SpeedViewer));
    EXPECT_FALSE(Pressed(FormThumbnail::SpeedEditMode));
    EXPECT_FALSE(erase->isVisible());
    EXPECT_FALSE(properties->isEnabled());
    EXPECT_FALSE(f.ToolBarSpeed.ButtonEnabled(FormThumbnail::SpeedProperties));
    EXPECT_TRUE(f.AlbumPage().TextTitle->isReadOnly());

    f.ToolBarSpeed_ItemClick(FormThumbnail::SpeedEditMode);
    EXPECT_TRUE(f.EditMode());
    EXPECT_FALSE(Pressed(FormThumbnail::SpeedViewer));
    EXPECT_TRUE(Pressed(FormThumbnail::SpeedEditMode));
    EXPECT_TRUE(f.Menus().MenuAction(ThumbnailMenus::ActionEditMode)->isChecked());
    EXPECT_TRUE(erase->isVisible());
    EXPECT_TRUE(properties->isEnabled());
    EXPECT_TRUE(f.ToolBarSpeed.ButtonEnabled(FormThumbnail::SpeedProperties));
    EXPECT_FALSE(f.AlbumPage().TextTitle->isReadOnly());

    // Erasing is offered only while the list has the focus.
    f.List().ListHasFocus = false;
    f.RefreshCommands();
    EXPECT_FALSE(erase->isVisible());

    f.MenuActions_Click(ThumbnailMenus::ActionEditMode);
    EXPECT_FALSE(f.EditMode());
    EXPECT_TRUE(Pressed(FormThumbnail::SpeedViewer));

    f.MenuActions_Click(ThumbnailMenus::ActionSmartViewer);
    EXPECT_TRUE(AppSettings.SmartViewer);
    EXPECT_TRUE(Pressed(FormThumbnail::SpeedSmartViewer));
    EXPECT_TRUE(f.Menus().MenuAction(ThumbnailMenus::ActionSmartViewer)->isChecked());
}

TEST_F(FormThumbnailTest, TheGalleryMenuFollowsTheSelection) {
    FormThumbnail& f = Open();
    QAction* slideshow = f.Menus().MenuGallery(ThumbnailMenus::GallerySlideshow);
    QAction* information = f.Menus().MenuGallery(ThumbnailMenus::GalleryInformation);
    QAction* mail = f.Menus().MenuGallery(ThumbnailMenus::GalleryMail);
    Select({3}, 3);
    EXPECT_TRUE(slideshow->isEnabled());
    EXPECT_FALSE(slideshow->icon().isNull()); // the gallery's own picture
    EXPECT_EQ(slideshow->text().toStdString(), "スライドショー");
    EXPECT_TRUE(information->isEnabled() && information->isVisible());
    EXPECT_TRUE(mail->isVisible());
    Select({1, 2}, 1);
    EXPECT_FALSE(slideshow->isEnabled());
    EXPECT_TRUE(slideshow->icon().isNull());
    EXPECT_FALSE(information->isEnabled());
    Select({1, 2}, 4);
    EXPECT_FALSE(information->isVisible());
    EXPECT_FALSE(mail->isVisible());

    Select({3}, 3);
    f.MenuGalleries_Click(ThumbnailMenus::GallerySlideshow);
    EXPECT_EQ(Album.CurrentGallery, 3);
    EXPECT_EQ(calls, std::vector<std::string>{"Slideshow 2"});
}

TEST_F(FormThumbnailTest, ErasingMovesTheSelectedFilesToTheTrashAndRefreshesTheAlbum) {
    FormThumbnail& f = Open();
    Select({2, 3}, 2);
    f.MenuGalleries_Click(ThumbnailMenus::GalleryErase); // browse mode: not offered
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Album.GalleryCount, 4);

    f.SetEditMode(true);
    answer = false;
    f.MenuGalleries_Click(ThumbnailMenus::GalleryErase);
    EXPECT_EQ(asked, std::vector<int>{10012});
    EXPECT_EQ(Album.GalleryCount, 4);

    answer = true;
    f.MenuGalleries_Click(ThumbnailMenus::GalleryErase);
    EXPECT_EQ(Album.GalleryCount, 2);
    EXPECT_EQ(ItemTexts(), (std::vector<std::string>{"a", "d"}));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folder + "/b.jpg")));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folder + "/c.jpg")));
    EXPECT_EQ(calls, (std::vector<std::string>{"Reload", "Slideshow 1"}));
    EXPECT_EQ(f.AlbumPage().LabelGallery->text().toStdString(), "全 2 点");
}

TEST_F(FormThumbnailTest, NewThumbnailsAskFirstAndThenResetTheTitles) {
    FormThumbnail& f = Open();
    Album.Gallery(1).Title = "浜辺";
    answer = false;
    f.ToolBarSpeed_ItemClick(FormThumbnail::SpeedNewThumbnails);
    EXPECT_EQ(asked, std::vector<int>{10009});
    EXPECT_EQ(Album.Gallery(1).Title, "浜辺");
    EXPECT_TRUE(calls.empty());

    answer = true;
    f.ToolBarSpeed_ItemClick(FormThumbnail::SpeedNewThumbnails);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(ItemTexts(), Titles());
    EXPECT_EQ(calls, (std::vector<std::string>{"Reload", "Slideshow 1"}));

    // A refresh with nothing changed on disk leaves the main window alone.
    calls.clear();
    f.ToolBarSpeed_ItemClick(FormThumbnail::SpeedRefresh);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(ItemTexts(), Titles());
}

TEST_F(FormThumbnailTest, RenamingOutsideEditModeShowsTheMessageInTheProgramsBox) {
    FormThumbnail& f = Open();
    Select({2}, 2);
    DialogEcho echo;
    f.ListViewThumbnail.Events.Edit("b", "new");
    EXPECT_EQ(echo.Take(), Message("アルバムに関する情報を変更するには編集モードにします", 64));
    EXPECT_EQ(Album.Gallery(2).Title, "b");
    f.SetEditMode(true);
    f.ListViewThumbnail.Events.Edit("b", "新しい名前");
    EXPECT_EQ(Album.Gallery(2).Title, "新しい名前");
    EXPECT_EQ(echo.Take(), "");
}

TEST_F(FormThumbnailTest, TheGalleryDialogNumbersTheSelectedGalleriesAndTheListFollows) {
    FormThumbnail& f = Open();
    f.SetEditMode(true);
    Select({1, 2, 3}, 1);
    ModalSteps steps;
    steps.Then([&](QWidget*) {
        FormDialog& dialog = f.GalleryDialog();
        dialog.OptionItems[2]->click();
        dialog.TextItems[3]->setText("7");
        dialog.TextItems[2]->setText("旅 **");
        dialog.CheckItems[1]->setChecked(true);
        dialog.CommandOK->click();
    });
    f.ToolBarSpeed_ItemClick(FormThumbnail::SpeedProperties);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"旅 07", "旅 08", "旅 09", "d"}));
    EXPECT_EQ(ItemTexts(), Titles());
    EXPECT_EQ(Album.Gallery(2).FileName, "旅 08.jpg");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(folder + "/旅 08.jpg")));
}

TEST_F(FormThumbnailTest, DragAndDropThroughTheListReordersInEditModeOnly) {
    FormThumbnail& f = Open();
    const QImage moveCursor = QImage(":/editor/cursor11.png").convertToFormat(QImage::Format_ARGB32);
    const QImage noCursor = QImage(":/editor/cursor12.png").convertToFormat(QImage::Format_ARGB32);
    for (bool edit : {false, true}) {
        f.SetEditMode(edit);
        Select({1}, 1);
        ItemViewEvents& events = f.ListViewThumbnail.Events;
        events.Drag(0);
        EXPECT_EQ(f.cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32), edit ? moveCursor : noCursor);
        const QPoint at = ItemPoint(3);
        events.Hover(1, at.x(), at.y());
        events.Drop(at.x(), at.y());
        EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
        EXPECT_EQ(ItemTexts(), edit ? (std::vector<std::string>{"b", "c", "a", "d"})
                                    : (std::vector<std::string>{"a", "b", "c", "d"}));
        EXPECT_EQ(ItemTexts(), Titles());
    }
    // The thumbnails moved with their galleries in the sheet.
    EXPECT_EQ(Album.Gallery(3).FileName, "a.jpg");
    EXPECT_EQ(Album.Gallery(3).CellLeft, 160);
}

TEST_F(FormThumbnailTest, MailAttachesTheSelectedFilesOrSaysWhyNot) {
    FormThumbnail& f = Open();
    std::vector<std::string> command;
    bool started = true;
    SetShellLauncher([&](const ShellAction& action) {
        command = action.arguments;
        command.insert(command.begin(), action.program);
        return started;
    });
    Select({1, 3}, 1);
    DialogEcho echo;
    f.MenuGalleries_Click(ThumbnailMenus::GalleryMail);
    EXPECT_EQ(command, (std::vector<std::string>{"xdg-email", "--attach", folder + "/a.jpg", "--attach", folder + "/c.jpg"}));
    EXPECT_EQ(echo.Take(), "");
    started = false;
    f.MenuGalleries_Click(ThumbnailMenus::GalleryMail);
    EXPECT_EQ(echo.Take(), Message("メールに添付することができません\\nMAPI規格に対応したプログラムがない可能性があります", 16));
}

TEST_F(FormThumbnailTest, TheCloseBoxHidesAndKeepsTheStateWhileTheProgramsCloseStoresThePlacement) {
    FormThumbnail& f = Open();
    f.SetEditMode(true);
    Select({2}, 2);
    const std::string wallpaper = f.WallpaperFile;
    EXPECT_TRUE(QFile::exists(QString::fromStdString(wallpaper)));

    QCloseEvent box;
    QSpontaneKeyEvent::setSpontaneous(&box);
    QApplication::instance()->notify(&f, &box); // delivered as the window system delivers it
    EXPECT_FALSE(box.isAccepted());
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(wallpaper)));
    f.show();
    EXPECT_TRUE(f.EditMode());
    EXPECT_TRUE(f.ListViewThumbnail.ListItemState(1, LVIS_SELECTED));

    f.showNormal();
    f.resize(900, 640);
    EXPECT_TRUE(f.close());
    const PlacementRecord& placement = AppSettings.ThumbnailPlacement;
    EXPECT_EQ(placement.State, 0);
    EXPECT_EQ(placement.Width, 900 * 15);
    EXPECT_EQ(placement.Height, 640 * 15);

    // The next window returns to that placement when the setting asks for it.
    form.reset();
    AppSettings.Suspending = true;
    FormThumbnail& next = Open();
    EXPECT_EQ(next.width(), 900);
    EXPECT_EQ(next.height(), 640);
    EXPECT_FALSE(next.EditMode());
}

TEST_F(FormThumbnailTest, TheMainWindowShowsItsEditorAndUnloadsItForAnotherAlbum) {
    FormMain main;
    InstallAlbumEditor(main);
    auto editors = [] {
        std::vector<FormThumbnail*> found;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* e = dynamic_cast<FormThumbnail*>(w); e && e->isVisible()) found.push_back(e);
        return found;
    };
    main.Seams.ShowAlbumEditor(main);
    ASSERT_EQ(editors().size(), 1u);
    FormThumbnail* first = editors()[0];
    first->SetEditMode(true);
    first->hide();
    main.Seams.ShowAlbumEditor(main);
    ASSERT_EQ(editors().size(), 1u);
    EXPECT_EQ(editors()[0], first);
    EXPECT_TRUE(first->EditMode());

    main.Seams.UnloadAlbumEditor(main);
    EXPECT_TRUE(editors().empty());
    main.Seams.ShowAlbumEditor(main);
    ASSERT_EQ(editors().size(), 1u);
    EXPECT_FALSE(editors()[0]->EditMode());
    main.Seams.UnloadAlbumEditor(main);
}

} // namespace
} // namespace gb
