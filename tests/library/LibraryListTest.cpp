// The library list in AppSettings.Favorites and its list file in the test's settings
// folder: the file format, loading damaged files, the edit operations, import and
// export.
#include "app/AppSettings.h"
#include "library/GeneralLibrary.h"
#include "library/LibraryListFormat.h"
#include "platform/Cp932.h"
#include "platform/FileIO.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace gb {
namespace {

class LibraryListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        RemoveFile(LibraryListFile());
        SetList({});
    }
    void TearDown() override { RemoveFile(LibraryListFile()); }

    static void SetList(const std::vector<LibraryEntry>& entries) {
        FavoriteLists& f = AppSettings.Favorites;
        f.Count = int16_t(entries.size());
        f.Numbers.clear();
        f.Texts.clear();
        for (const LibraryEntry& e : entries) {
            f.Numbers.push_back(e.IsLibrary);
            f.Texts.push_back(e.Text);
        }
    }
    // The texts of the list, for comparing orders.
    static std::vector<std::string> Texts() {
        EXPECT_EQ(size_t(AppSettings.Favorites.Count), AppSettings.Favorites.Texts.size());
        EXPECT_EQ(size_t(AppSettings.Favorites.Count), AppSettings.Favorites.Numbers.size());
        return AppSettings.Favorites.Texts;
    }
    // Sizes the lists as the settings do at start-up and loads the list file.
    static bool LoadWithCount(int16_t count) {
        FavoriteLists& f = AppSettings.Favorites;
        f.Count = count;
        f.Numbers.assign(size_t(count), 0);
        f.Texts.assign(size_t(count), std::string());
        return LoadLibraryList();
    }
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }

    QTemporaryDir dir_;
};

TEST_F(LibraryListTest, TheListFileLivesBesideTheSettingsFile) {
    const std::string settings = SettingsFile();
    EXPECT_EQ(LibraryListFile(), settings.substr(0, settings.rfind('/')) + "/Library.LST");
}

TEST_F(LibraryListTest, SavesOneQuotedLineForEachEntryInCodePage932) {
    SetList({{-1, "旅行"}, {0, "/home/u/写真/京都"}, {0, "/home/u/写真/奈良"}});
    ASSERT_TRUE(SaveLibraryList());
    EXPECT_EQ(*ReadFileBytes(LibraryListFile()),
              Cp932("-1,\"旅行\"\r\n0,\"/home/u/写真/京都\"\r\n0,\"/home/u/写真/奈良\"\r\n"));

    SetList({});
    ASSERT_TRUE(LoadWithCount(3));
    EXPECT_EQ(AppSettings.Favorites.Numbers, (std::vector<int16_t>{-1, 0, 0}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"旅行", "/home/u/写真/京都", "/home/u/写真/奈良"}));
}

TEST_F(LibraryListTest, TextsCodePage932CannotHoldAreKeptWhole) {
    // A folder name with characters outside code page 932 is stored as UTF-8 behind a
    // byte-order mark rather than turned into question marks.
    SetList({{0, "/home/u/Café ☕"}, {-1, "a \"quoted\" title"}, {0, "two\nlines"}});
    ASSERT_TRUE(SaveLibraryList());
    EXPECT_EQ(ReadFileBytes(LibraryListFile())->substr(0, 3), "\xEF\xBB\xBF");
    SetList({});
    ASSERT_TRUE(LoadWithCount(3));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"/home/u/Café ☕", "a \"quoted\" title", "two lines"}));
}

TEST_F(LibraryListTest, LoadFollowsTheCountNotTheFile) {
    ASSERT_TRUE(WriteFileBytes(LibraryListFile(), "-1,\"A\"\r\n0,\"B\"\r\n0,\"C\"\r\n"));
    ASSERT_TRUE(LoadWithCount(2));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"A", "B"}));
    ASSERT_TRUE(LoadWithCount(5));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"A", "B", "C", "", ""}));
    EXPECT_EQ(AppSettings.Favorites.Numbers, (std::vector<int16_t>{-1, 0, 0, 0, 0}));

    RemoveFile(LibraryListFile());
    EXPECT_FALSE(LoadWithCount(2));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"", ""}));
}

TEST_F(LibraryListTest, DamagedLinesLoadWhatTheyHold) {
    struct Case {
        std::string line;
        int16_t flag;
        std::string text;
    } cases[] = {
        {"-1,\"A\"", -1, "A"},
        {"  0 , \"B\"  ", 0, "B"},
        {"0,\"no closing quote", 0, "no closing quote"},
        {"0,unquoted , more", 0, "unquoted"},
        {"-1,\"A\",\"B\"", -1, "A\",\"B"},
        {"yes,\"X\"", 0, "X"},
        {"99999,\"X\"", 0, "X"},
        {"1.5,\"X\"", 0, "X"},
        {"-1", -1, ""},
        {"\"-1\",\"Q\"", -1, "Q"},
        {"\"C:\\a\"", 0, ""},
        {",", 0, ""},
        {std::string(100000, 'x'), 0, ""},
        {"0,\"" + std::string(100000, 'y') + "\"", 0, std::string(100000, 'y')},
    };
    for (const Case& c : cases) {
        LibraryEntry e = LibraryListFormat::ParseLine(c.line);
        EXPECT_EQ(e.IsLibrary, c.flag) << c.line.substr(0, 40);
        EXPECT_EQ(e.Text, c.text) << c.line.substr(0, 40);
    }
}

TEST_F(LibraryListTest, EachNonEmptyLineIsOneEntryWhateverItsLineEnd) {
    using namespace std::string_view_literals;
    std::vector<LibraryEntry> entries =
        LibraryListFormat::Parse("-1,\"A\"\n\r\n   \r\n0,\"B\"\r0,\"C\"\r\n\xff\xfe\x00,\r\n0,\"D\""sv);
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].Text, "A");
    EXPECT_EQ(entries[1].Text, "B");
    EXPECT_EQ(entries[2].Text, "C");
    EXPECT_EQ(entries[4].Text, "D");
}

TEST_F(LibraryListTest, InsertPutsTheEntryDirectlyAfterTheGivenOne) {
    struct Case {
        int after;
        std::vector<std::string> expected;
    } cases[] = {
        {0, {"P", "A", "B"}}, {1, {"A", "P", "B"}}, {2, {"A", "B", "P"}},
        {3, {"A", "B"}}, {-1, {"A", "B"}},
    };
    for (const Case& c : cases) {
        SetList({{0, "A"}, {0, "B"}});
        EXPECT_EQ(InsertLibraryEntry(-1, "P", c.after), c.expected.size() == 3) << c.after;
        EXPECT_EQ(Texts(), c.expected) << c.after;
    }
    SetList({});
    ASSERT_TRUE(InsertLibraryEntry(-1, "first", 0));
    EXPECT_EQ(AppSettings.Favorites.Numbers, (std::vector<int16_t>{-1}));
}

TEST_F(LibraryListTest, MoveAndDeleteKeepTheOtherEntriesInOrder) {
    struct Case {
        int from, to;
        bool done;
        std::vector<std::string> expected;
    } moves[] = {
        {3, 1, true, {"A", "C", "B"}}, {1, 3, true, {"B", "C", "A"}}, {2, 0, true, {"B", "A", "C"}},
        {2, 2, true, {"A", "B", "C"}}, {1, 2, true, {"B", "A", "C"}}, {0, 1, false, {"A", "B", "C"}},
        {4, 1, false, {"A", "B", "C"}}, {1, 4, false, {"A", "B", "C"}},
    };
    for (const Case& c : moves) {
        SetList({{-1, "A"}, {0, "B"}, {0, "C"}});
        EXPECT_EQ(MoveLibraryEntry(c.from, c.to), c.done) << c.from << "->" << c.to;
        EXPECT_EQ(Texts(), c.expected) << c.from << "->" << c.to;
    }
    SetList({{-1, "A"}, {0, "B"}, {0, "C"}});
    ASSERT_TRUE(MoveLibraryEntry(1, 3));
    EXPECT_EQ(AppSettings.Favorites.Numbers, (std::vector<int16_t>{0, 0, -1})); // flags move with texts

    SetList({{-1, "A"}, {0, "B"}});
    EXPECT_FALSE(DeleteLibraryEntry(3));
    ASSERT_TRUE(DeleteLibraryEntry(1));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"B"}));
    EXPECT_EQ(AppSettings.Favorites.Numbers, (std::vector<int16_t>{0}));
    ASSERT_TRUE(DeleteLibraryEntry(1));
    EXPECT_EQ(AppSettings.Favorites.Count, 0);
    EXPECT_FALSE(DeleteLibraryEntry(1));
}

TEST_F(LibraryListTest, TheListNeverOutgrowsItsSixteenBitCount) {
    std::vector<LibraryEntry> full(size_t(kMaxLibraryEntries), LibraryEntry{0, "x"});
    SetList(full);
    EXPECT_FALSE(InsertLibraryEntry(0, "one more", 0));
    EXPECT_EQ(AppSettings.Favorites.Count, kMaxLibraryEntries);

    SetList(std::vector<LibraryEntry>(size_t(kMaxLibraryEntries) - 1, LibraryEntry{0, "x"}));
    ASSERT_TRUE(WriteFileBytes(Path("Library.LST"), "0,\"a\"\r\n0,\"b\"\r\n"));
    ASSERT_TRUE(ImportLibraryList(Path("Library.LST")));
    EXPECT_EQ(AppSettings.Favorites.Count, kMaxLibraryEntries);
    EXPECT_EQ(AppSettings.Favorites.Texts.back(), "a");
}

TEST_F(LibraryListTest, RecognisesListFilesByTheirLastComponent) {
    struct Case {
        const char* path;
        bool expected;
    } cases[] = {
        {"/home/u/Library.LST", true},   {"/home/u/library.lst", true},   {"/LIBRARY.LST", true},
        {"/home/u/Library.LST.bak", false}, {"/home/u/MyLibrary.LST", false}, {"/Library.LST/x", false},
        {"Library.LST", false},          {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsLibraryListFile(c.path), c.expected) << c.path;
}

TEST_F(LibraryListTest, ImportAppendsOneEntryForEachLineThatIsNotEmpty) {
    SetList({{-1, "old"}});
    ASSERT_TRUE(WriteFileBytes(Path("Library.LST"), Cp932("-1,\"旅\"\r\n0,\"/a\"\r\n\r\n0,\"/b\"\r\n0,\"/c\"\r\n")));
    ASSERT_TRUE(ImportLibraryList(Path("Library.LST")));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"old", "旅", "/a", "/b", "/c"}));
    EXPECT_EQ(AppSettings.Favorites.Numbers, (std::vector<int16_t>{-1, -1, 0, 0, 0}));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(LibraryListFile()))); // not saved by importing

    EXPECT_FALSE(ImportLibraryList(Path("missing.LST")));
    EXPECT_EQ(AppSettings.Favorites.Count, 5);
}

TEST_F(LibraryListTest, ExportCopiesTheSavedFileWithAnEmptyLineThatImportIgnores) {
    SetList({{-1, "L"}, {0, "/a"}});
    ASSERT_TRUE(SaveLibraryList());
    ASSERT_TRUE(InsertLibraryEntry(0, "/unsaved", 2));
    const std::string copy = Path("お気に入り ﾃﾞｰﾀﾍﾞｰｽ");
    ASSERT_TRUE(ExportLibraryList(copy));
    EXPECT_EQ(*ReadFileBytes(copy), "-1,\"L\"\r\n0,\"/a\"\r\n\r\n");

    SetList({});
    ASSERT_TRUE(ImportLibraryList(copy));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"L", "/a"}));

    EXPECT_FALSE(ExportLibraryList(Path("no/such/folder/copy")));
    RemoveFile(LibraryListFile());
    EXPECT_FALSE(ExportLibraryList(Path("copy2")));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("copy2"))));
}

TEST_F(LibraryListTest, AFailedSaveLeavesTheOldFileWhole) {
    SetList({{0, "/kept"}});
    ASSERT_TRUE(SaveLibraryList());
    const QString file = QString::fromStdString(LibraryListFile());
    QFile::setPermissions(file, QFile::ReadOwner);
    SetList({{0, "/lost"}});
    EXPECT_FALSE(SaveLibraryList());
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(*ReadFileBytes(LibraryListFile()), "0,\"/kept\"\r\n");
}

} // namespace
} // namespace gb
