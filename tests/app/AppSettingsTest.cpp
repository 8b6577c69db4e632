#include "app/AppSettings.h"
#include "app/ClassProfiler.h"
#include "platform/Cp932.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace gb {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::remove(SettingsFile().c_str());
        AppSettings = AppSettingsRecord();
    }
    void WriteIni(const std::string& utf8) const { std::ofstream(SettingsFile(), std::ios::binary) << Cp932(utf8); }
    std::string ReadIni() const {
        std::ifstream in(SettingsFile(), std::ios::binary);
        return Utf8(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
    }
};

TEST_F(SettingsTest, MissingFileGivesTheDefaults) {
    LoadSettings();
    const AppSettingsRecord& s = AppSettings;
    EXPECT_EQ(s.X, 0);
    EXPECT_EQ(s.Y, 0);
    EXPECT_EQ(s.AlphaBlend, 100);
    EXPECT_EQ(s.Quality, 50);
    EXPECT_EQ(s.Clip + s.Theater + s.Random + s.Repeat, 0);
    EXPECT_FALSE(s.QuickViewer || s.SmartViewer || s.NonCreatableStream || s.v1Compatible || s.Suspending);
    EXPECT_EQ(s.History.Count, 0);
    EXPECT_EQ(s.Favorites.Count, 0);
}

TEST_F(SettingsTest, BooleansAreYesAndNoInAnyCase) {
    WriteIni("[Main]\r\nQuickViewer=yes\r\nSmartViewer=1\r\nSuspending=TRUE\r\nv1Compatible=Yes\r\n"
             "NonCreatableStream=\r\n");
    LoadSettings();
    EXPECT_TRUE(AppSettings.QuickViewer);
    EXPECT_FALSE(AppSettings.SmartViewer);
    EXPECT_FALSE(AppSettings.Suspending);
    EXPECT_TRUE(AppSettings.v1Compatible);
    EXPECT_FALSE(AppSettings.NonCreatableStream);
}

TEST_F(SettingsTest, NumbersKeepTheirLowBits) {
    WriteIni("[Main]\r\nEffect=300\r\nQuality=257\r\nX=70000\r\nY=-5\r\n");
    LoadSettings();
    EXPECT_EQ(AppSettings.Effect, 44);
    EXPECT_EQ(AppSettings.Quality, 1);
    EXPECT_EQ(AppSettings.X, 4464); // 70000 - 65536
    EXPECT_EQ(AppSettings.Y, -5);
}

TEST_F(SettingsTest, PlacementsKeepFieldsWhosePieceIsMissingOrNotANumber) {
    AppSettings.ThumbnailPlacement = {0, 1, 2, 3, 4};
    WriteIni("[Theater]\r\nPlacement=2,-30,45\r\n[Thumbnail]\r\nPlacement=2,x,150\r\n");
    LoadSettings();
    EXPECT_EQ(AppSettings.TheaterPlacement.State, 2);
    EXPECT_EQ(AppSettings.TheaterPlacement.Left, -30);
    EXPECT_EQ(AppSettings.TheaterPlacement.Top, 45);
    EXPECT_EQ(AppSettings.ThumbnailPlacement.State, 2);
    EXPECT_EQ(AppSettings.ThumbnailPlacement.Left, 1);
    EXPECT_EQ(AppSettings.ThumbnailPlacement.Top, 150);
    EXPECT_EQ(AppSettings.ThumbnailPlacement.Width, 3);
    EXPECT_EQ(AppSettings.ThumbnailPlacement.Height, 4);
}

TEST_F(SettingsTest, HistoryWithAGapReadsTheMissingEntryEmpty) {
    WriteIni("[History]\r\nRecent=3\r\n1=/写真/旅行\r\n3=/c\r\n");
    LoadSettings();
    ASSERT_EQ(AppSettings.History.Count, 3);
    EXPECT_EQ(AppSettings.History.List, (std::vector<std::string>{"/写真/旅行", "", "/c"}));
}

TEST_F(SettingsTest, LongValuesArriveCutTo254Bytes) {
    WriteIni("[History]\r\nRecent=1\r\n1=/" + std::string(300, 'a') + "\r\n");
    LoadSettings();
    EXPECT_EQ(AppSettings.History.List[0].size(), 254u);
    // A cut through a double-byte character drops its first half: 201 bytes of "/a..."
    // then 30 two-byte characters; byte 254 is the first half of the 27th.
    std::string kanji;
    for (int i = 0; i < 30; ++i) kanji += "写";
    WriteIni("[History]\r\nRecent=1\r\n1=/" + std::string(200, 'a') + kanji + "\r\n");
    LoadSettings();
    EXPECT_EQ(Cp932(AppSettings.History.List[0]).size(), 253u);
}

TEST_F(SettingsTest, SaveWritesTheLayoutAndRemovesStaleHistory) {
    WriteIni("; kept\r\n[Main]\r\nAlphaBlend=50\r\nX=9\r\n[History]\r\nRecent=5\r\n1=a\r\n2=b\r\n3=c\r\n4=d\r\n5=e\r\n"
             "[Plugin]\r\nCount=0\r\n");
    LoadSettings();
    AppSettings.X = -20;
    AppSettings.QuickViewer = true;
    AppSettings.Effect = 2;
    AppSettings.TheaterPlacement = {2, 100, 200, 0, 0};
    AppSettings.ThumbnailPlacement = {0, 1, 2, 3000, 4000};
    AppSettings.History.Count = 2;
    AppSettings.History.List = {"/写真/旅行", "/b"};
    AppSettings.Favorites.Count = 4;
    SaveSettings();
    EXPECT_EQ(ReadIni(),
              "; kept\r\n[Main]\r\nAlphaBlend=50\r\nX=-20\r\nY=0\r\nClip=0\r\nTheater=0\r\nRandom=0\r\nRepeat=0\r\n"
              "QuickViewer=YES\r\nSmartViewer=NO\r\nEffect=2\r\nQuality=50\r\nNonCreatableStream=NO\r\n"
              "v1Compatible=NO\r\nSuspending=NO\r\n"
              "[Plugin]\r\nCount=0\r\n"
              "[Theater]\r\nPlacement=2,100,200\r\n[Thumbnail]\r\nPlacement=0,1,2,3000,4000\r\n"
              "[History]\r\nRecent=2\r\n1=/写真/旅行\r\n2=/b\r\n[Favorite]\r\nFamily=4\r\n");
    EXPECT_TRUE(AppSettings.History.List.empty()); // released after writing

    // AlphaBlend survives every run, and the file reads back to the same record.
    LoadSettings();
    EXPECT_EQ(AppSettings.AlphaBlend, 50);
    EXPECT_EQ(AppSettings.X, -20);
    EXPECT_EQ(AppSettings.History.List, (std::vector<std::string>{"/写真/旅行", "/b"}));
}

TEST(ClassProfiler, WritesEveryKindOfValue) {
    ClassProfiler p;
    p.ProfilePath = SettingsFile() + ".profiler";
    std::remove(p.ProfilePath.c_str());
    p.WriteProfile("S", "b", true);
    p.WriteProfile("S", "n", -7);
    p.WriteProfile("S", "t", "テキスト");
    p.WriteProfile("S", "d", 2.5);
    EXPECT_TRUE(p.ReadProfileBool("S", "b", false));
    EXPECT_EQ(p.ReadProfileChars("S", "b", ""), "YES");
    EXPECT_EQ(p.ReadProfileNums("S", "n", 0), -7);
    EXPECT_EQ(p.ReadProfileChars("S", "t", ""), "テキスト");
    EXPECT_EQ(p.ReadProfileChars("S", "d", ""), "2.5");
    EXPECT_TRUE(p.ReadProfileBool("S", "missing", true));
    p.ClearProfileKey("S", "n");
    EXPECT_EQ(p.ReadProfileNums("S", "n", 5), 5);
    p.ClearProfileSection("S");
    EXPECT_EQ(p.ReadProfileChars("S", "t", "gone"), "gone");
}

} // namespace
} // namespace gb
