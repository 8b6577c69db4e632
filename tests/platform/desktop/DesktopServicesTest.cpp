// The desktop layer: the actions of the shell verbs, file operations, the recent
// documents list, file information, and the help file.
#include "platform/desktop/FileInformation.h"
#include "platform/desktop/FileOperation.h"
#include "platform/desktop/HelpFile.h"
#include "platform/desktop/RecentDocuments.h"
#include "platform/desktop/ShellExecute.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace gb {
namespace {

std::string Write(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
    return path.toStdString();
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        qputenv("XDG_DATA_HOME", dir_.filePath("data").toUtf8());
    }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

TEST_F(DesktopTest, VerbsBecomeTheDesktopsCommands) {
    std::string photo = Write(Path("photo.jpg"), "jpeg");
    std::string script = Write(Path("tool.sh"), "#!/bin/sh\nexit 0\n");
    chmod(script.c_str(), 0755);
    std::string folder = dir_.path().toStdString();
    struct Case {
        const char* verb;
        std::string file;
        ShellAction::Kind kind;
        std::string program;
        std::vector<std::string> arguments;
        std::string method;
    } cases[] = {
        {"OPEN", photo, ShellAction::Process, "xdg-open", {photo}, ""},
        {"", photo, ShellAction::Process, "xdg-open", {photo}, ""},
        {"EDIT", photo, ShellAction::Process, "xdg-open", {photo}, ""},
        {"PRINT", photo, ShellAction::Process, "lp", {"--", photo}, ""},
        {"OPEN", "https://example.org/a b", ShellAction::Process, "xdg-open", {"https://example.org/a b"}, ""},
        {"OPEN", script, ShellAction::Process, script, {"-v", "two words"}, ""},
        {"EXPLORE", folder, ShellAction::FileManager, "", {}, "ShowFolders"},
        {"FIND", folder, ShellAction::FileManager, "", {}, "ShowFolders"},
        {"EXPLORE", photo, ShellAction::FileManager, "", {}, "ShowItems"},
    };
    for (const Case& c : cases) {
        ShellAction action = ShellActionFor(c.verb, c.file, "-v \"two words\"", "");
        EXPECT_EQ(action.kind, c.kind) << c.verb << " " << c.file;
        EXPECT_EQ(action.program, c.program) << c.verb << " " << c.file;
        EXPECT_EQ(action.arguments, c.arguments) << c.verb << " " << c.file;
        EXPECT_EQ(action.method, c.method) << c.verb << " " << c.file;
        if (action.kind == ShellAction::FileManager) {
            ASSERT_TRUE(action.fallback);
            EXPECT_EQ(action.fallback->program, "xdg-open");
            EXPECT_EQ(action.fallback->arguments, std::vector<std::string>{folder});
        }
    }
    // An executable bit alone (every file of a camera card may have it) makes no program.
    chmod(photo.c_str(), 0755);
    EXPECT_EQ(ShellActionFor("OPEN", photo, "", "").program, "xdg-open");

    ShellAction properties = PropertiesActionFor(photo);
    EXPECT_EQ(properties.method, "ShowItemProperties");
    EXPECT_EQ(properties.uris, std::vector<std::string>{"file://" + photo});
    ASSERT_TRUE(properties.fallback);
    EXPECT_EQ(properties.fallback->arguments, std::vector<std::string>{folder});
}

TEST_F(DesktopTest, FileManagerThatDoesNotAnswerFallsBackToOpeningTheFolder) {
    std::vector<std::string> started;
    SetShellLauncher([&](const ShellAction& action) {
        if (action.kind == ShellAction::FileManager) return action.fallback && RunShellAction(*action.fallback);
        started.push_back(action.program + " " + action.arguments.front());
        return true;
    });
    EXPECT_TRUE(ShellShowProperties(0, Write(Path("a.jpg"), "x")));
    SetShellLauncher(nullptr);
    EXPECT_EQ(started, std::vector<std::string>{"xdg-open " + dir_.path().toStdString()});
}

TEST_F(DesktopTest, FileOperationsWithWildCardsAndFolders) {
    QDir(dir_.path()).mkpath("src/sub");
    Write(Path("src/a.jpg"), "a");
    Write(Path("src/b.JPG"), "b");
    Write(Path("src/c.txt"), "c");
    Write(Path("src/sub/d.jpg"), "d");
    const uint16_t quiet = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_NOCONFIRMMKDIR;

    // Several items into a folder that does not exist yet: it is made.
    EXPECT_EQ(ShellFileOperation(0, FO_COPY, Path("src/*.jpg").toStdString(), Path("copies").toStdString(), quiet), 0);
    EXPECT_EQ(Read(Path("copies/a.jpg").toStdString()), "a");
    EXPECT_EQ(Read(Path("copies/b.JPG").toStdString()), "b");
    EXPECT_FALSE(QFile::exists(Path("copies/c.txt")));
    // A whole folder, and over an existing file.
    Write(Path("copies/a.jpg"), "old");
    EXPECT_EQ(ShellFileOperation(0, FO_COPY, Path("src/a.jpg").toStdString(), Path("copies").toStdString(), quiet), 0);
    EXPECT_EQ(Read(Path("copies/a.jpg").toStdString()), "a");
    EXPECT_EQ(ShellFileOperation(0, FO_COPY, Path("src/sub").toStdString(), Path("copies").toStdString(), quiet), 0);
    EXPECT_EQ(Read(Path("copies/sub/d.jpg").toStdString()), "d");
    // Move to a new name, and delete for good.
    EXPECT_EQ(ShellFileOperation(0, FO_MOVE, Path("src/c.txt").toStdString(), Path("moved.txt").toStdString(), quiet), 0);
    EXPECT_FALSE(QFile::exists(Path("src/c.txt")));
    EXPECT_EQ(Read(Path("moved.txt").toStdString()), "c");
    EXPECT_EQ(ShellFileOperation(0, FO_DELETE, Path("copies").toStdString(), "", quiet), 0);
    EXPECT_FALSE(QFile::exists(Path("copies")));
    // Nothing to work on.
    EXPECT_NE(ShellFileOperation(0, FO_DELETE, Path("none.jpg").toStdString(), "", quiet), 0);
    EXPECT_NE(ShellFileOperation(0, FO_COPY, Path("src/*.png").toStdString(), Path("x").toStdString(), quiet), 0);
}

TEST_F(DesktopTest, RecentDocumentsKeepOtherProgramsEntries) {
    const std::string list = RecentDocumentsFile();
    EXPECT_EQ(list, Path("data/recently-used.xbel").toStdString());
    // Another program's entry is there already.
    QDir(dir_.path()).mkpath("data");
    Write(QString::fromStdString(list),
          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<xbel version=\"1.0\" xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\" "
          "xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
          "<bookmark href=\"file:///tmp/other.txt\" added=\"2024-01-01T00:00:00Z\" modified=\"2024-01-01T00:00:00Z\" "
          "visited=\"2024-01-01T00:00:00Z\"><info><metadata owner=\"http://freedesktop.org\">"
          "<mime:mime-type type=\"text/plain\"/><bookmark:applications><bookmark:application name=\"editor\" "
          "exec=\"editor %u\" modified=\"2024-01-01T00:00:00Z\" count=\"1\"/></bookmark:applications>"
          "</metadata></info></bookmark>\n</xbel>\n");
    std::string album = Write(Path("アルバム.gbx"), "x");
    ASSERT_TRUE(AddRecentDocument(album));
    std::string text = Read(list);
    EXPECT_NE(text.find("other.txt"), std::string::npos);
    EXPECT_NE(text.find("Glimmerbox"), std::string::npos);
    EXPECT_NE(text.find("%E3%82%A2"), std::string::npos); // the file URI of the Japanese name
    ASSERT_TRUE(ClearRecentDocuments());
    text = Read(list);
    EXPECT_NE(text.find("other.txt"), std::string::npos);
    EXPECT_EQ(text.find("Glimmerbox"), std::string::npos);

    // A list that cannot be read is left as it is.
    Write(QString::fromStdString(list), "<xbel this is broken");
    EXPECT_FALSE(AddRecentDocument(album));
    EXPECT_EQ(Read(list), "<xbel this is broken");
}

TEST_F(DesktopTest, FileInformationNamesTypeAndIcon) {
    std::string photo = Write(Path("写真.jpg"), "\xFF\xD8\xFF\xE0");
    ShellFileInfo info;
    ASSERT_TRUE(GetFileInformation(photo, 0, SHGFI_ICON | SHGFI_SMALLICON | SHGFI_DISPLAYNAME | SHGFI_TYPENAME, info));
    EXPECT_EQ(info.displayName, "写真.jpg");
    EXPECT_FALSE(info.typeName.empty());
    EXPECT_FALSE(info.icon.isNull());
    EXPECT_EQ(info.icon.width(), 16);
    EXPECT_EQ(info.attributes, 0u); // not asked for
    ShellFileInfo folder;
    ASSERT_TRUE(GetFileInformation(dir_.path().toStdString(), 0, SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES, folder));
    EXPECT_TRUE(folder.attributes & SFGAO_FOLDER);
    EXPECT_FALSE(GetFileInformation(Path("missing.jpg").toStdString(), 0, SHGFI_DISPLAYNAME, info));
    EXPECT_TRUE(info.displayName.empty());
}

TEST(HelpFile, TopicsByNumberIdAndKeyword) {
    auto help = HelpFile::Parse(
        "<html><head><title>T &amp; U</title></head><body>"
        "<section id=\"contents\"><h1>目次</h1><a href=\"#a\">a</a></section>"
        "<SECTION id=\"a\" data-context=\"401\" data-keywords=\"Album; 写真 ;\"><h1>A <b>topic</b></h1><p>x</p></SECTION>"
        "<section id=\"b\" data-context=\"402\" data-keywords=\"album\"><h1>B</h1></section>"
        "</body></html>");
    ASSERT_TRUE(help);
    EXPECT_EQ(help->Title(), "T & U");
    EXPECT_EQ(help->Topics().size(), 3u);
    EXPECT_EQ(help->Contents()->id, "contents");
    ASSERT_TRUE(help->ByContext(401));
    EXPECT_EQ(help->ByContext(401)->title, "A topic");
    EXPECT_EQ(help->ByContext(999), nullptr);
    EXPECT_EQ(help->ByContext(0), nullptr);
    EXPECT_EQ(help->ByKeyword("ALBUM").size(), 2u);
    EXPECT_EQ(help->ByKeyword("写真").size(), 1u);
    EXPECT_EQ(help->Keywords(), (std::vector<std::string>{"Album", "写真"}));
    EXPECT_FALSE(HelpFile::Parse("<html>no topics</html>"));
    EXPECT_FALSE(HelpFile::Load("/no/such/Glimmerbox.HLP"));
}

TEST(HelpFile, TheProgramsHelpFileHasEveryTopicTheWindowsAsk) {
    auto help = HelpFile::Load(std::string(GB_BIN_DIR) + "/Glimmerbox.HLP");
    ASSERT_TRUE(help);
    for (int context : {401, 402, 403, 404, 701, 801, 802, 803, 804, 805, 911, 912, 913, 914, 921, 922, 923}) {
        const HelpTopic* topic = help->ByContext(context);
        ASSERT_TRUE(topic) << context;
        EXPECT_FALSE(topic->title.empty()) << context;
        EXPECT_GT(topic->html.size(), topic->title.size() + 40) << context;
    }
    // Every link inside the file leads to a topic.
    for (const HelpTopic& topic : help->Topics()) {
        for (size_t at = topic.html.find("href=\"#"); at != std::string::npos; at = topic.html.find("href=\"#", at + 1)) {
            size_t end = topic.html.find('"', at + 7);
            EXPECT_TRUE(help->ById(topic.html.substr(at + 7, end - at - 7))) << topic.html.substr(at, end - at);
        }
    }
}

} // namespace
} // namespace gb
