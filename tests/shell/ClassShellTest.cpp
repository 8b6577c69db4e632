// ClassShell on real files in a test home: the commands of Execute (without starting
// them), the trash, file operations, recent documents and Browse.
#include "platform/desktop/ShellExecute.h"
#include "shell/ClassShell.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

namespace gb {
namespace {

std::string Write(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
    return path.toStdString();
}

class ClassShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        // The test home holds the files and the trash, so that both are on one file
        // system (the home trash is used only for files on the home's file system).
        oldHome_ = qgetenv("HOME");
        qputenv("HOME", home_.path().toUtf8());
        qputenv("XDG_DATA_HOME", home_.filePath("data").toUtf8());
        SetShellLauncher([this](const ShellAction& action) {
            launched_.push_back(action);
            return true;
        });
    }
    void TearDown() override {
        SetShellLauncher(nullptr);
        qunsetenv("XDG_DATA_HOME");
        qputenv("HOME", oldHome_);
    }
    QString Path(const QString& name) const { return home_.filePath(name); }

    QTemporaryDir home_;
    QByteArray oldHome_;
    std::vector<ShellAction> launched_;
};

TEST_F(ClassShellTest, ExecuteChoosesTheCommandByVerb) {
    std::string photo = Write(Path("photo.jpg"), "jpeg");
    struct Case {
        int32_t toDo;
        const char* verb;
        std::string program;
        std::string method;
    } cases[] = {
        {0, "OPEN", "xdg-open", ""}, {1, "PRINT", "lp", ""}, {2, "EXPLORE", "", "ShowItems"},
        {3, "FIND", "", "ShowItems"}, {4, "EDIT", "xdg-open", ""}, {5, "", "xdg-open", ""},
        {-1, "", "xdg-open", ""},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(ShellVerbText(c.toDo), c.verb);
        launched_.clear();
        ClassShell shell;
        shell.Execute(photo, "", c.toDo, 1, false);
        ASSERT_EQ(launched_.size(), 1u) << c.toDo;
        EXPECT_EQ(launched_[0].program, c.program) << c.toDo;
        EXPECT_EQ(launched_[0].method, c.method) << c.toDo;
    }
    // The property sheet ignores Parameter, ToDo and State.
    launched_.clear();
    ClassShell shell;
    shell.Execute(photo, "--ignored", 1, 10, true);
    ASSERT_EQ(launched_.size(), 1u);
    EXPECT_EQ(launched_[0].method, "ShowItemProperties");
    EXPECT_EQ(launched_[0].uris, std::vector<std::string>{"file://" + photo});
}

TEST_F(ClassShellTest, TrashMovesIntoTheFreedesktopTrashWithItsInfo) {
    std::string photo = Write(Path("IMG_0001.JPG"), "picture");
    ClassShell shell;
    shell.DisabledCheckDialog(true);
    shell.DisabledStepDialog(true);
    shell.DisabledErrorDialog(true);
    shell.Trash(photo, true);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(photo)));
    const QString trash = Path("data/Trash");
    EXPECT_TRUE(QFile::exists(trash + "/files/IMG_0001.JPG"));
    QFile info(trash + "/info/IMG_0001.JPG.trashinfo");
    ASSERT_TRUE(info.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(info.readAll());
    EXPECT_TRUE(text.startsWith("[Trash Info]"));
    EXPECT_TRUE(text.contains("Path=" + QString::fromStdString(photo))) << text.toStdString();
    EXPECT_TRUE(text.contains("DeletionDate="));
}

TEST_F(ClassShellTest, TrashWithoutRecycleBinDeletesForGood) {
    std::string photo = Write(Path("gone.jpg"), "picture");
    ClassShell shell; // switches never written: no dialogs at all
    EXPECT_EQ(shell.OperationFlags(false), 4 + 16 + 1024 + 512);
    EXPECT_EQ(shell.OperationFlags(true), 4 + 16 + 1024 + 512 + 64);
    shell.Trash(photo, false);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(photo)));
    EXPECT_FALSE(QDir(Path("data/Trash/files")).exists() && !QDir(Path("data/Trash/files")).isEmpty());
    shell.Trash(Path("missing.jpg").toStdString(), true); // nothing there: returns quietly
}

TEST_F(ClassShellTest, SwitchesBuildTheFlagWord) {
    ClassShell shell;
    shell.DisabledStepDialog(false);
    EXPECT_EQ(shell.OperationFlags(false), 16 + 1024 + 512);
    shell.DisabledCheckDialog(false);
    shell.DisabledErrorDialog(false);
    EXPECT_EQ(shell.OperationFlags(false), 512);
}

TEST_F(ClassShellTest, MoveAndCopyWithoutDialogs) {
    std::string photo = Write(Path("a.jpg"), "a");
    QDir(home_.path()).mkpath("target");
    ClassShell shell;
    shell.Copy(photo, Path("target").toStdString());
    EXPECT_TRUE(QFile::exists(Path("target/a.jpg")));
    Write(Path("a.jpg"), "new");
    shell.Move(photo, Path("target").toStdString()); // replaces without asking
    EXPECT_FALSE(QFile::exists(Path("a.jpg")));
    QFile moved(Path("target/a.jpg"));
    ASSERT_TRUE(moved.open(QIODevice::ReadOnly));
    EXPECT_EQ(moved.readAll(), "new");
}

TEST_F(ClassShellTest, RecentDocumentsAreAddedAndCleaned) {
    std::string album = Write(Path("Browse.GBX"), "x");
    ClassShell shell;
    shell.AppendRecent(album);
    QFile list(Path("data/recently-used.xbel"));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readAll().contains("Browse.GBX"));
    list.close();
    shell.CleanRecents();
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_FALSE(list.readAll().contains("Browse.GBX"));
}

TEST_F(ClassShellTest, BrowseReturnsIconTitleAndTypeOfFixedWidths) {
    std::string photo = Write(Path("写真.jpg"), "\xFF\xD8\xFF\xE0");
    for (const std::string& path : {photo, Path("missing.jpg").toStdString()}) {
        ClassShell shell;
        int32_t id = -1, attributes = 0;
        KeyedCollection items = shell.Browse(path, 1, false, id, attributes);
        ASSERT_EQ(items.Count(), 3u);
        EXPECT_EQ(items.KeyAt(0), "ICON");
        EXPECT_EQ(items.KeyAt(1), "TITLE");
        EXPECT_EQ(items.KeyAt(2), "TYPE");
        ASSERT_TRUE(items.Text("title"));
        EXPECT_EQ(QString::fromStdString(*items.Text("TITLE")).size(), 260);
        EXPECT_EQ(QString::fromStdString(*items.Text("TYPE")).size(), 80);
        EXPECT_EQ(attributes, 0);
        if (path == photo) {
            EXPECT_EQ(items.Text("TITLE")->substr(0, 10), "写真.jpg");
            EXPECT_EQ(items.Text("TITLE")->at(10), '\0');
            EXPECT_NE(items.Text("TYPE")->at(0), '\0');
            ASSERT_TRUE(items.Image("ICON"));
            EXPECT_EQ(items.Image("ICON")->Type(), PictureType::Icon);
            EXPECT_EQ(items.Image("ICON")->Image().width(), 16);
        } else {
            EXPECT_EQ(*items.Text("TITLE"), std::string(260, '\0'));
            EXPECT_TRUE(items.Image("ICON")->IsEmpty());
        }
    }
    EXPECT_EQ(FixedWidthText(std::string(300, 'a'), 260), std::string(260, 'a'));
}

} // namespace
} // namespace gb
