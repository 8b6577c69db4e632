#include "platform/PrivateProfile.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>

namespace gb {
namespace {

class PrivateProfileTest : public ::testing::Test {
protected:
    std::string Read() const {
        std::ifstream in(file, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    void Write(const std::string& data) const { std::ofstream(file, std::ios::binary) << data; }
    std::string Get(const char* section, const char* key, const char* def = "", size_t size = 255) const {
        return GetPrivateProfileStringA(section, key, def, size, file);
    }

    QTemporaryDir dir;
    std::string file = dir.filePath("test.ini").toStdString();
};

TEST_F(PrivateProfileTest, CreatesTheFileOnFirstWriteWithCrLf) {
    EXPECT_EQ(Get("Main", "X", "dflt"), "dflt");
    ASSERT_TRUE(WritePrivateProfileStringA("Main", "X", "12", file));
    ASSERT_TRUE(WritePrivateProfileStringA("Main", "Y", "-3", file));
    ASSERT_TRUE(WritePrivateProfileStringA("Other", "Z", "a b", file));
    EXPECT_EQ(Read(), "[Main]\r\nX=12\r\nY=-3\r\n[Other]\r\nZ=a b\r\n");
    EXPECT_EQ(GetPrivateProfileIntA("Main", "Y", 7, file), -3);
}

TEST_F(PrivateProfileTest, MatchesNamesWithoutLetterCaseAndTrimsBlanks) {
    Write("[main]\nqUickViewer = yes \n KEY2=\"quoted value\"\n");
    EXPECT_EQ(Get("MAIN", "QuickViewer"), "yes");
    EXPECT_EQ(Get("Main", "key2"), "quoted value");
    WritePrivateProfileStringA("MAIN", "QUICKVIEWER", "NO", file);
    EXPECT_EQ(Get("main", "quickviewer"), "NO");
    EXPECT_EQ(Read(), "[main]\r\nqUickViewer=NO\r\n KEY2=\"quoted value\"\r\n");
}

TEST_F(PrivateProfileTest, WritingKeepsCommentsAndOtherSections) {
    Write("; settings\r\n[A]\r\n; about a\r\nk=1\r\n\r\n[B]\r\nk=2\r\n");
    WritePrivateProfileStringA("A", "n", "new", file);
    WritePrivateProfileStringA("C", "k", "3", file);
    EXPECT_EQ(Read(), "; settings\r\n[A]\r\n; about a\r\nk=1\r\nn=new\r\n\r\n[B]\r\nk=2\r\n[C]\r\nk=3\r\n");
}

TEST_F(PrivateProfileTest, WriteWithoutKeyRemovesSectionAndWithoutValueTheKey) {
    Write("[History]\r\nRecent=2\r\n1=a\r\n5=stale\r\n[Main]\r\nX=1\r\nY=2\r\n");
    WritePrivateProfileStringA("history", std::nullopt, std::nullopt, file);
    WritePrivateProfileStringA("Main", "x", std::nullopt, file);
    EXPECT_EQ(Read(), "[Main]\r\nY=2\r\n");
    // Removing what is not there leaves a missing file missing.
    QTemporaryDir other;
    std::string none = other.filePath("none.ini").toStdString();
    EXPECT_TRUE(WritePrivateProfileStringA("S", std::nullopt, std::nullopt, none));
    struct stat st {};
    EXPECT_NE(stat(none.c_str(), &st), 0);
}

TEST_F(PrivateProfileTest, ReadsAtMostBufferSizeMinusOneBytes) {
    Write("[S]\r\nlong=" + std::string(300, 'x') + "\r\n");
    EXPECT_EQ(Get("S", "long").size(), 254u);
    EXPECT_EQ(Get("S", "missing", "  default  ", 4), "def"); // the default is trimmed, then cut
}

TEST_F(PrivateProfileTest, IntegerReadingFollowsThePlatform) {
    Write("[S]\r\na=42abc\r\nb= -17\r\nc=\r\nd=x1\r\ne=4294967297\r\n");
    struct Case {
        const char* key;
        int32_t expected;
    } cases[] = {{"a", 42}, {"b", -17}, {"c", 99}, {"d", 0}, {"e", 1}, {"missing", 99}};
    for (const Case& c : cases) EXPECT_EQ(GetPrivateProfileIntA("S", c.key, 99, file), c.expected) << c.key;
}

TEST_F(PrivateProfileTest, ReadOnlyFileKeepsItsContents) {
    Write("[S]\r\nk=old\r\n");
    chmod(file.c_str(), 0444);
    EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "new", file));
    EXPECT_EQ(Read(), "[S]\r\nk=old\r\n");
}

TEST_F(PrivateProfileTest, DoubleByteNamesAndValuesStayIntact) {
    // "表" ends in the byte of "\" and "ソ" too; "]" inside a double-byte character does
    // not end a section name.
    std::string section = "\x95\x5C";          // 表
    std::string key = "\x83\x5C\x83\x74\x83\x67"; // ソフト
    std::string value = "\x83\x5D";            // ゾ (second byte is "]")
    WritePrivateProfileStringA(section + "\x83\x5D", key, value, file);
    EXPECT_EQ(GetPrivateProfileStringA(section + "\x83\x5D", key, "", 255, file), value);
}

} // namespace
} // namespace gb
