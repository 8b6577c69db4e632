#include "shell/GeneralWin32ExAPI.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace gb {
namespace {

TEST(FindLast, FindsTheLastOccurrenceFromStart) {
    struct Case {
        long start;
        const char* text;
        const char* find;
        int compare;
        long expected;
    } cases[] = {
        {1, "C:/a/b.jpg", "/", BinaryCompare, 5},
        {6, "C:/a/b.jpg", "/", BinaryCompare, 0},
        {5, "C:/a/b.jpg", "/", BinaryCompare, 5},
        {1, "/photos/Browse.GBX", "browse.gbx", BinaryCompare, 0},
        {1, "/photos/Browse.GBX", "browse.gbx", TextCompare, 9},
        {1, "abcabc", "abc", BinaryCompare, 4},
        {1, "", "/", BinaryCompare, 0},
        {1, "/写真/旅行", "/", BinaryCompare, 8}, // byte positions in UTF-8
    };
    for (const Case& c : cases) EXPECT_EQ(FindLast(c.start, c.text, c.find, c.compare), c.expected) << c.text;
}

TEST(TextHelpers, ReverseReplaceJoinSplit) {
    EXPECT_EQ(ReverseText("abc"), "cba");
    EXPECT_EQ(ReverseText("写真a"), "a真写");
    EXPECT_EQ(ReplaceAll("aaaa", "aa", "a", BinaryCompare), "aa");
    EXPECT_EQ(ReplaceAll("Photo.JPG", "jpg", "png", TextCompare), "Photo.png");
    EXPECT_EQ(ReplaceAll("Photo.JPG", "jpg", "png", BinaryCompare), "Photo.JPG");
    EXPECT_EQ(ReplaceAll("ＡＢａｂ", "ａ", "x", TextCompare), "xＢxｂ"); // full-width letters fold too
    EXPECT_EQ(JoinList({"a", "b", "c"}, ","), "a,b,c");
    EXPECT_EQ(JoinList({"only"}, ","), "only");
    EXPECT_EQ(SplitList("", ",", BinaryCompare), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitList("a,,b", ",", BinaryCompare), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitList("abc", ",", BinaryCompare), (std::vector<std::string>{"abc"}));
    EXPECT_EQ(SplitList("1X2x3", "x", TextCompare), (std::vector<std::string>{"1", "2", "3"}));
}

class FileHelpers : public ::testing::Test {
protected:
    void SetUp() override {
        root = dir.path().toStdString();
        std::ofstream(root + "/file.jpg") << "x";
        std::ofstream(root + "/.hidden.jpg") << "x";
        mkdir((root + "/Folder").c_str(), 0755);
        mkdir((root + "/.hiddenfolder").c_str(), 0755);
        mkdir((root + "/Folder/Deep Name").c_str(), 0755);
        std::ofstream(root + "/Folder/Deep Name/Picture.JPG") << "x";
    }
    QTemporaryDir dir;
    std::string root;
};

TEST_F(FileHelpers, ExistenceTestsTellHiddenEntriesAndFolders) {
    EXPECT_TRUE(PathExists(root + "/file.jpg"));
    EXPECT_TRUE(PathExists(root + "/Folder"));
    EXPECT_FALSE(PathExists(root + "/.hidden.jpg"));
    EXPECT_TRUE(PathExists(root + "/*.JPG"));
    EXPECT_FALSE(PathExists(root + "/missing"));

    EXPECT_TRUE(EntryExists(root + "/.hiddenfolder"));
    EXPECT_TRUE(EntryExists(root + "/.hidden.jpg"));

    EXPECT_TRUE(FileExists(root + "/.hidden.jpg"));
    EXPECT_FALSE(FileExists(root + "/Folder"));
    EXPECT_FALSE(FileExists(root + "/.hiddenfolder"));
}

TEST_F(FileHelpers, LongPathOfSpellsNamesAsTheFileSystemDoes) {
    EXPECT_EQ(LongPathOf(root + "/folder/deep name/picture.jpg"), root + "/Folder/Deep Name/Picture.JPG");
    EXPECT_EQ(LongPathOf(root + "/Folder"), root + "/Folder");
    EXPECT_EQ(LongPathOf(root + "/.hiddenfolder"), root + "/.hiddenfolder");
    // A missing component leaves an empty name in its place.
    EXPECT_EQ(LongPathOf(root + "/nothing/Folder"), root + "//");
    EXPECT_EQ(ShortPathOf(root + "/Folder"), root + "/Folder");
    EXPECT_EQ(ShortPathOf(root + "/nothing"), "");
}

TEST_F(FileHelpers, TempFolderAndTempFileName) {
    std::string old = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
    setenv("TMPDIR", (root + "/").c_str(), 1);
    EXPECT_EQ(TempFolder(), root);
    setenv("TMPDIR", "/", 1);
    EXPECT_EQ(TempFolder(), ""); // the root: callers add "/" themselves
    if (old.empty()) unsetenv("TMPDIR");
    else setenv("TMPDIR", old.c_str(), 1);

    std::string made = TempFileName(root, "~GB");
    ASSERT_FALSE(made.empty());
    EXPECT_EQ(made.rfind(root + "/~GB", 0), 0u);
    EXPECT_TRUE(FileExists(made));
    EXPECT_NE(TempFileName(root, "~GB"), made);
    EXPECT_EQ(TempFileName(root + "/missing", "~GB"), "");
}

TEST(SystemColor, CodesWithTheHighBitAreSystemColours) {
    EXPECT_EQ(SystemColor(0x00123456), 0x00123456u);
    uint32_t face = SystemColor(0x8000000F);
    EXPECT_EQ(face & 0xFF000000u, 0u);
    EXPECT_NE(SystemColor(0x80000005), SystemColor(0x80000008)); // window and window text differ
}

} // namespace
} // namespace gb
