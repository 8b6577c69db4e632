// The library window in process: the tree made from the library list, the commands
// after the selection, the edit commands with their input boxes, moving entries by
// drag and drop, dropped folders, album files and list files, choosing an album, the
// flashing of "すべての場所から選択" and the library dragged out as a file.
#include "album/GeneralAlbum.h"
#include "album/GeneralSheet.h"
#include "app/AppSettings.h"
#include "app/FormMain.h"
#include "library/FormLibrary.h"
#include "library/GeneralLibrary.h"
#include "library/LibraryDragData.h"
#include "library/LibraryWindowLink.h"
#include "platform/Cp932.h"
#include "shell/FolderBrowser.h"
#include "tests/shell/ModalDriver.h"
#include "toolkit/TreeViewControl.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidgetItem>
#include <gtest/gtest.h>

namespace gb {
namespace {

using test::WhenModal;

// Answers the next input box with `answer` (OK), after noting its default text.
void AnswerInputBox(const std::string& answer, std::string* shown = nullptr) {
    WhenModal([answer, shown](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>();
        ASSERT_TRUE(edit);
        if (shown) *shown = edit->text().toStdString();
        edit->setText(QString::fromStdString(answer));
        for (QPushButton* b : modal->findChildren<QPushButton*>())
            if (b->text() == "OK") b->click();
    });
}

void ChooseInBrowser(const QString& folder, std::string* caption = nullptr) {
    WhenModal([folder, caption](QWidget* modal) {
        auto* browser = dynamic_cast<FolderBrowser*>(modal);
        ASSERT_TRUE(browser);
        if (caption) *caption = browser->findChild<QLabel*>()->text().toStdString();
        if (folder.isEmpty()) {
            browser->reject();
            return;
        }
        browser->SelectFolder(folder);
        browser->accept();
    });
}

class FormLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppSettings = AppSettingsRecord();
        Album = AlbumInfo();
    }
    void TearDown() override { AppSettings = AppSettingsRecord(); }

    // A folder holding an album file with this title.
    std::string StoredAlbum(const std::string& name, const std::string& title) {
        const std::string folder = dir.filePath(QString::fromStdString(name)).toStdString();
        QDir().mkpath(QString::fromStdString(folder));
        LoadAlbum(folder);
        BuildGalleryList(true);
        Album.Title = title;
        SaveAlbum(folder);
        Album = AlbumInfo();
        return folder;
    }
    void SetEntries(const std::vector<LibraryEntry>& entries) {
        AppSettings.Favorites = FavoriteLists();
        for (size_t i = 0; i < entries.size(); ++i)
            InsertLibraryEntry(entries[i].IsLibrary, entries[i].Text, int(i));
    }
    std::vector<std::string> Texts() const {
        return std::vector<std::string>(AppSettings.Favorites.Texts.begin(), AppSettings.Favorites.Texts.end());
    }
    TreeViewControl* Tree(FormLibrary& form) const {
        return static_cast<TreeViewControl*>(WidgetOf(form.TreeLibrary.hTreeView));
    }
    // The tree as text: one line per node, indented under its parent, with "*" for
    // bold and "~" for dimmed nodes.
    std::vector<std::string> Shape(FormLibrary& form) const {
        std::vector<std::string> lines;
        for (int i = 0; i < form.TreeLibrary.NodeCount(); ++i) {
            QTreeWidgetItem* node = Tree(form)->Node(i);
            std::string line = node->parent() ? "  " : "";
            line += form.TreeLibrary.Nodes(i);
            if (form.TreeLibrary.NodeState(i, 0x10)) line += " *";
            if (form.TreeLibrary.NodeState(i, 0x4)) line += " ~";
            lines.push_back(line);
        }
        return lines;
    }
    // A point on node `index`, in the tree control's coordinates.
    QPoint On(FormLibrary& form, int index) const {
        TreeViewControl* tree = Tree(form);
        const QRect rect = tree->visualItemRect(tree->Node(index));
        return tree->viewport()->mapTo(tree, rect.center());
    }
    void Select(FormLibrary& form, int node) {
        form.TreeLibrary.SetSelIndex(node);
        ASSERT_EQ(form.SelectedNode(), node);
    }

    QTemporaryDir dir;
};

TEST_F(FormLibraryTest, TheTreeShowsHeadingsWithTheirShortcutsAndDimsMissingAlbums) {
    const std::string sea = StoredAlbum("sea", "海の旅"), hills = StoredAlbum("hills", "山");
    const std::string missing = dir.filePath("gone").toStdString();
    struct Case {
        std::vector<LibraryEntry> entries;
        std::vector<std::string> shape;
    } cases[] = {
        {{{0, sea}, {0, missing}}, {"すべての場所から選択...", "海の旅", "'" + missing + "' ~"}},
        {{{-1, "旅行"}, {0, sea}, {0, hills}, {-1, "家族"}, {0, missing}},
         {"すべての場所から選択...", "旅行 *", "  海の旅", "  山", "家族 *", "  '" + missing + "' ~"}},
        {{{0, sea}, {-1, "空"}}, {"すべての場所から選択...", "海の旅", "空"}},
        {{}, {"すべての場所から選択..."}},
    };
    for (const Case& c : cases) {
        SetEntries(c.entries);
        FormLibrary form;
        EXPECT_EQ(Shape(form), c.shape);
        EXPECT_EQ(form.SelectedNode(), 0);
        EXPECT_EQ(form.TreeLibrary.SelIndex(), 0);
        EXPECT_EQ(form.windowTitle(), "お気に入り");
    }
}

TEST_F(FormLibraryTest, CommandsFollowTheSelection) {
    SetEntries({{-1, "旅行"}, {0, "/album"}});
    FormLibrary form;
    struct Case {
        int node;
        bool erase, rename, start;
    } cases[] = {{0, false, false, false}, {1, true, true, false}, {2, true, false, true}};
    for (const Case& c : cases) {
        Select(form, c.node);
        EXPECT_EQ(form.CommandButtons[FormLibrary::Erase]->isEnabled(), c.erase) << c.node;
        EXPECT_EQ(form.Menus[FormLibrary::Erase]->isEnabled(), c.erase) << c.node;
        EXPECT_EQ(form.CommandButtons[FormLibrary::Rename]->isEnabled(), c.rename) << c.node;
        EXPECT_EQ(form.Menus[FormLibrary::Rename]->isEnabled(), c.rename) << c.node;
        EXPECT_EQ(form.CommandStart->isEnabled(), c.start) << c.node;
        EXPECT_TRUE(form.CommandButtons[FormLibrary::NewLibrary]->isEnabled());
        EXPECT_TRUE(form.Menus[FormLibrary::NewShortcut]->isEnabled());
    }
    EXPECT_TRUE(form.Menus[2]->isSeparator());
    EXPECT_TRUE(form.Menus[4]->isSeparator());
    EXPECT_EQ(form.Menus[FormLibrary::NewShortcut]->text(), "新しいアルバムへのショートカット(&A)...");
}

TEST_F(FormLibraryTest, NewLibraryRenameAndDeleteEditTheListAfterTheSelection) {
    SetEntries({{-1, "旅行"}, {0, "/album"}});
    FormLibrary form;
    Select(form, 1);
    std::string shown;
    AnswerInputBox("家族", &shown);
    form.CommandButtons[FormLibrary::NewLibrary]->click();
    EXPECT_EQ(shown, "新しいライブラリ");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"旅行", "家族", "/album"}));
    EXPECT_EQ(AppSettings.Favorites.Numbers[1], -1);

    AnswerInputBox("");
    form.Menus_Click(FormLibrary::NewLibrary);
    EXPECT_EQ(AppSettings.Favorites.Count, 3);

    Select(form, 2);
    AnswerInputBox("", &shown); // an empty answer keeps the old title
    form.Menus_Click(FormLibrary::Rename);
    EXPECT_EQ(shown, "家族");
    EXPECT_EQ(Texts()[1], "家族");
    AnswerInputBox("親戚");
    form.Menus_Click(FormLibrary::Rename);
    EXPECT_EQ(Texts()[1], "親戚");

    Select(form, 1); // deleting a heading leaves its shortcuts in place
    form.Menus_Click(FormLibrary::Erase);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"親戚", "/album"}));
    EXPECT_EQ(form.SelectedNode(), 0);

    ChooseInBrowser(dir.path());
    form.Menus_Click(FormLibrary::NewShortcut);
    EXPECT_EQ(Texts(), (std::vector<std::string>{dir.path().toStdString(), "親戚", "/album"}));
    ChooseInBrowser("");
    form.Menus_Click(FormLibrary::NewShortcut);
    EXPECT_EQ(AppSettings.Favorites.Count, 3);
}

TEST_F(FormLibraryTest, DraggingAnEntryMovesItAfterTheNodeItIsDroppedOn) {
    struct Case {
        int from, onto;
        std::vector<std::string> order;
        int selected;
    } cases[] = {
        {3, 0, {"C", "A", "B"}, 0},     // onto the root: the first entry
        {3, 1, {"A", "C", "B"}, 2},
        {1, 3, {"B", "C", "A"}, 3},
        {0, 2, {"A", "B", "C"}, 0},     // the root itself does not move
    };
    for (const Case& c : cases) {
        SetEntries({{0, "A"}, {0, "B"}, {0, "C"}});
        FormLibrary form;
        form.show();
        Select(form, c.from);
        form.TreeLibrary_Drag(c.from);
        ASSERT_TRUE(QApplication::overrideCursor());
        EXPECT_EQ(QApplication::overrideCursor()->shape(), c.from == 0 ? Qt::ForbiddenCursor : Qt::DragMoveCursor);
        const QPoint target = On(form, c.onto);
        form.TreeLibrary_Hover(1, target.x(), target.y());
        for (int i = 0; i < form.TreeLibrary.NodeCount(); ++i)
            EXPECT_EQ(form.TreeLibrary.NodeState(i, 0x8), i == c.onto) << i;
        form.TreeLibrary_Drop(target.x(), target.y());
        EXPECT_FALSE(QApplication::overrideCursor());
        EXPECT_EQ(Texts(), c.order) << c.from << " onto " << c.onto;
        EXPECT_EQ(form.TreeLibrary.SelIndex(), c.selected) << c.from << " onto " << c.onto;
        for (int i = 0; i < form.TreeLibrary.NodeCount(); ++i) EXPECT_FALSE(form.TreeLibrary.NodeState(i, 0x8));
    }
}

TEST_F(FormLibraryTest, DroppedAlbumFilesFoldersAndListFilesJoinTheLibrary) {
    const std::string sea = StoredAlbum("sea", "海の旅");
    const std::string list = dir.filePath("Library.LST").toStdString();
    {
        QFile file(QString::fromStdString(list));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(Cp932("-1,\"輸入\"\r\n0,\"/imported\"\r\n"))); // list files are in code page 932
    }
    SetEntries({{0, "A"}});
    FormLibrary form;
    Select(form, 1);
    form.DropPaths({sea + "/browse.gbx", sea + "/"});
    EXPECT_EQ(Texts(), (std::vector<std::string>{"A", sea, sea}));
    form.DropPaths({list});
    EXPECT_EQ(Texts(), (std::vector<std::string>{"A", sea, sea, "輸入", "/imported"}));

    // A path that is neither file nor folder gets the plain error box.
    qputenv("GLIMMERBOX_DIALOG_ECHO", dir.filePath("echo.txt").toUtf8());
    form.DropPaths({dir.filePath("nothing").toStdString()});
    qunsetenv("GLIMMERBOX_DIALOG_ECHO");
    QFile echo(dir.filePath("echo.txt"));
    ASSERT_TRUE(echo.open(QIODevice::ReadOnly));
    EXPECT_EQ(echo.readAll().toStdString(), "MsgBox\t\t80040000\t0\n");
    EXPECT_EQ(AppSettings.Favorites.Count, 5);

    struct Case {
        Qt::MouseButtons buttons;
        Qt::KeyboardModifiers keys;
        bool accepted;
    } cases[] = {
        {Qt::LeftButton, Qt::NoModifier, true},
        {Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, true},
        {Qt::LeftButton, Qt::ShiftModifier, false},
        {Qt::LeftButton, Qt::ControlModifier, false},
        {Qt::RightButton, Qt::NoModifier, false},
    };
    for (const Case& c : cases) EXPECT_EQ(FormLibrary::AcceptsDrop(c.buttons, c.keys), c.accepted);
}

TEST_F(FormLibraryTest, AChoiceHidesTheWindowAndHandsBackTheFolder) {
    SetEntries({{-1, "旅行"}, {0, "/albums/sea"}});
    FormLibrary form;
    // A double click on a shortcut starts it; on a heading it does nothing.
    Select(form, 1);
    form.TreeLibrary_DblClick();
    EXPECT_EQ(form.Path, "");
    Select(form, 2);
    form.TreeLibrary_DblClick();
    EXPECT_EQ(form.Path, "/albums/sea");

    // The window shown modally: all locations, then the chooser.
    std::string caption;
    WhenModal([&](QWidget* modal) {
        ASSERT_EQ(modal, &form);
        ChooseInBrowser(dir.path(), &caption);
        form.CommandDialog->click();
    });
    form.Dialog();
    EXPECT_EQ(form.Path, dir.path().toStdString());
    EXPECT_EQ(caption, "ｷﾞｬﾗﾘｰのｽﾗｲﾄﾞｼｮｰをｽﾀｰﾄします\n場所を選択してください...");
    EXPECT_FALSE(form.isVisible());

    // A cancelled chooser keeps the window open; its close ends the choice with nothing.
    WhenModal([&](QWidget* modal) {
        ChooseInBrowser("");
        form.CommandDialog->click();
        EXPECT_TRUE(modal->isVisible());
        modal->close();
    });
    form.Dialog();
    EXPECT_EQ(form.Path, "");
}

TEST_F(FormLibraryTest, WithVersionOneCompatibilityOnlyTheFolderChooserAppears) {
    AppSettings.v1Compatible = true;
    FormLibrary form;
    QWidget owner;
    ChooseInBrowser(dir.path());
    form.Dialog(&owner);
    EXPECT_EQ(form.Path, dir.path().toStdString());
    EXPECT_FALSE(form.isVisible());
}

TEST_F(FormLibraryTest, TheChoiceFromAllLocationsFlashesFourTimesThenStays) {
    FormLibrary form;
    EXPECT_TRUE(form.TimerFlash.isActive());
    EXPECT_EQ(form.TimerFlash.interval(), 100);
    const QColor face = QApplication::palette().color(QPalette::Button);
    std::vector<QColor> colours;
    for (int tick = 1; tick <= 5; ++tick) {
        form.TimerFlash_Timer();
        colours.push_back(form.CommandDialog->palette().color(QPalette::Button));
    }
    EXPECT_FALSE(form.TimerFlash.isActive());
    EXPECT_EQ(colours[0], colours[2]);
    EXPECT_EQ(colours[1], colours[3]);
    EXPECT_NE(colours[0], colours[1]);
    EXPECT_EQ(colours[0], face);
    EXPECT_EQ(colours[4], colours[3]); // the fifth tick leaves the scroll-bar colour
}

TEST_F(FormLibraryTest, TheLibraryDraggedOutIsWrittenOnlyWhenAskedForAndRemovedWhenNothingTookIt) {
    SetEntries({{-1, "旅行"}, {0, "/albums/sea"}});
    ASSERT_TRUE(SaveLibraryList());
    const QString file = QString::fromStdString(LibraryDragData::ExportFile());
    QFile::remove(file);
    for (Qt::DropAction action : {Qt::IgnoreAction, Qt::CopyAction}) {
        LibraryDragData data;
        EXPECT_TRUE(data.hasUrls());
        EXPECT_FALSE(QFile::exists(file)); // nothing written before a target asks
        const QList<QUrl> urls = data.urls();
        ASSERT_EQ(urls.size(), 1);
        EXPECT_EQ(urls[0].toLocalFile(), file);
        EXPECT_TRUE(QFile::exists(file));
        LibraryDragData::DragEnded(action);
        EXPECT_EQ(QFile::exists(file), action != Qt::IgnoreAction);
    }
    QFile::remove(file);
}

TEST_F(FormLibraryTest, TheMainWindowChoosesItsAlbumsInTheLibraryWindow) {
    FormMain main;
    InstallLibraryWindow(main);
    SetEntries({{-1, "旅行"}, {0, "/albums/sea"}});
    for (int round = 0; round < 2; ++round) {
        WhenModal([&](QWidget* modal) {
            auto* form = dynamic_cast<FormLibrary*>(modal);
            ASSERT_TRUE(form);
            if (round == 0) form->TreeLibrary.SetSelIndex(2);
            EXPECT_EQ(form->SelectedNode(), 2); // the window keeps its state
            form->CommandStart->click();
        });
        EXPECT_EQ(main.Seams.ChooseAlbum(main), "/albums/sea");
    }
}

} // namespace
} // namespace gb
