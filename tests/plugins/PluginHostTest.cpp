#include "app/AppSettings.h"
#include "app/ClassProfiler.h"
#include "plugins/GeneralPlugin.h"
#include "plugins/PluginBridge.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

namespace gb {
namespace {

std::string Fixture(const char* name) { return std::string(std::getenv("GB_FIXTURE_PLUGINS")) + "/" + name + ".spi"; }
std::string PngPlugin() { return std::string(GB_BIN_DIR) + "/plugins/iPNG.spi"; }

std::string FixturePicture(const std::string& folder, const char* name, int width, int height) {
    std::string path = folder + "/" + name;
    unsigned char bytes[8] = {'F', 'I', 'X', 'T', uint8_t(width), uint8_t(width >> 8), uint8_t(height),
                              uint8_t(height >> 8)};
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes), 8);
    return path;
}

// Reads the pixel at (x, y) counted from the top of a decoded bitmap, as 0xRRGGBB.
uint32_t PixelAt(const PluginBitmap& b, int x, int y) {
    int row = b.TopDown() ? y : b.Height() - 1 - y;
    const uint8_t* p = b.Bits() + size_t(row) * b.RowBytes() + size_t(x) * 3;
    return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

class PluginHost : public ::testing::Test {
protected:
    void SetUp() override {
        std::remove(SettingsFile().c_str());
        Plugins = PluginRegistry();
        LinkQuit();
    }
    void TearDown() override { LinkQuit(); }
    void Register(std::initializer_list<std::string> paths) {
        for (const std::string& p : paths) Plugins.Entries.push_back({p, "", false});
    }
    QTemporaryDir dir;
    std::string folder = dir.path().toStdString();
};

TEST_F(PluginHost, BridgeKeepsOnePluginAndAnswersZeroWithoutOne) {
    char name[256] = {};
    LinkStart(Fixture("fxA"));
    LinkStart(Fixture("fxB"));
    PluginPropertyAPI(1, name, 255);
    EXPECT_STREQ(name, "fxB fixture");
    std::string picture = FixturePicture(folder, "a.fx", 4, 4);
    EXPECT_TRUE(IsSupportedFile(picture));
    LinkQuit();
    LinkQuit(); // nothing loaded: nothing happens
    EXPECT_FALSE(IsSupportedFile(picture));
    EXPECT_EQ(PluginPropertyAPI(1, name, 255), 0);
    LinkStart(folder + "/missing.spi");
    EXPECT_EQ(QueryPluginInfo().Name, "");
}

TEST_F(PluginHost, QueryReadsKindLettersNameAndFormats) {
    struct Case {
        const char* plugin;
        bool import, archive, multi;
        size_t formats;
    } cases[] = {{"fxA", true, false, false, 1}, {"fxB", true, false, false, 2},
                 {"fxMulti", true, false, true, 1}, {"fxArchive", false, true, true, 1}};
    for (const Case& c : cases) {
        LinkStart(Fixture(c.plugin));
        PluginInfo info = QueryPluginInfo();
        LinkQuit();
        EXPECT_EQ(info.Name, std::string(c.plugin) + " fixture");
        EXPECT_EQ(info.Import, c.import) << c.plugin;
        EXPECT_EQ(info.Archive, c.archive) << c.plugin;
        EXPECT_EQ(info.Multi, c.multi) << c.plugin;
        EXPECT_EQ(info.Formats.size(), c.formats) << c.plugin;
    }
}

TEST_F(PluginHost, PatternListRules) {
    BuildPatternList();
    EXPECT_EQ(Plugins.PatternList, (std::vector<std::string>{"*.BMP", "*.GIF", "*.JPG", "*.WMF", "*.EMF"}));

    Register({Fixture("fxA"), Fixture("fxB"), Fixture("fxSame"), Fixture("fxMulti"), Fixture("fxArchive"),
              folder + "/gone.spi"});
    BuildPatternList();
    // "*.fx;*.fxa" gives both; "*.FX" differs in case and is added; "*.jpg" differs from
    // "*.JPG"; fxSame's "*.fx" is there already; multi and archive plug-ins add nothing.
    EXPECT_EQ(Plugins.PatternList, (std::vector<std::string>{"*.BMP", "*.GIF", "*.JPG", "*.WMF", "*.EMF", "*.fx",
                                                             "*.fxa", "*.FX", "*.jpg"}));
    std::vector<bool> usable;
    for (const PluginEntry& e : Plugins.Entries) usable.push_back(e.Usable);
    EXPECT_EQ(usable, (std::vector<bool>{true, true, true, false, false, false}));
    EXPECT_EQ(Plugins.Entries[3].Name, "fxMulti fixture"); // its name still shows
    EXPECT_EQ(Plugins.Entries[5].Name, "");
}

TEST_F(PluginHost, RegistryRoundTripsThroughTheSettingsFile) {
    LoadPluginList();
    EXPECT_TRUE(Plugins.Entries.empty());
    EXPECT_EQ(Plugins.FilterPattern, "*.SPI");
    SavePluginList();
    ClassProfiler p;
    p.ProfilePath = SettingsFile();
    EXPECT_EQ(p.ReadProfileChars("Plugin", "Title", "missing"), "");
    EXPECT_EQ(p.ReadProfileChars("Plugin", "DefaultExt", ""), "*.SPI");
    EXPECT_EQ(p.ReadProfileNums("Plugin", "Plugins", -1), 0);

    Plugins.FilterTitle = "Susie プラグイン";
    Register({"/opt/写真/a.spi", "/b.spi"});
    p.WriteProfile("Plugin", "9", "stale");
    SavePluginList();
    EXPECT_TRUE(Plugins.Entries.empty());
    EXPECT_EQ(p.ReadProfileChars("Plugin", "9", "gone"), "gone");
    LoadPluginList();
    ASSERT_EQ(Plugins.Entries.size(), 2u);
    EXPECT_EQ(Plugins.Entries[0].Path, "/opt/写真/a.spi");
    EXPECT_EQ(Plugins.FilterTitle, "Susie プラグイン");
}

TEST_F(PluginHost, SupportAndDecoding) {
    std::string picture = FixturePicture(folder, "b.fx", 10, 6);
    EXPECT_FALSE(IsSupportedFile(folder + "/missing.fx"));

    LinkStart(Fixture("fxA"));
    EXPECT_TRUE(IsSupportedFile(picture));
    SpiPictureInfo info = ReadPictureInfo(picture);
    EXPECT_EQ(info.width, 10);
    EXPECT_EQ(info.height, 6);
    std::optional<PluginBitmap> preview = DecodePluginPicture(picture, true);
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->Width(), 5);
    EXPECT_EQ(PixelAt(*preview, 4, 2), 0x0000FFu);
    std::optional<PluginBitmap> full = DecodePluginPicture(picture, false);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->Width(), 10);
    EXPECT_EQ(full->Height(), 6);
    EXPECT_EQ(PixelAt(*full, 9, 5), 0xFF0000u);
    LinkQuit();

    LinkStart(Fixture("fxB")); // no preview function
    EXPECT_FALSE(DecodePluginPicture(picture, true));
    EXPECT_TRUE(DecodePluginPicture(picture, false));
    LinkStart(Fixture("fxRefuse"));
    EXPECT_FALSE(IsSupportedFile(picture));
    EXPECT_FALSE(DecodePluginPicture(picture, false));
    // A plug-in whose header promises more than its pixel block holds is not believed.
    LinkStart(Fixture("fxLiar"));
    EXPECT_FALSE(DecodePluginPicture(picture, false));
}

TEST_F(PluginHost, PngPluginDecodesBottomUpOnWhite) {
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixelColor(0, 0, QColor(255, 0, 0));
    image.setPixelColor(2, 1, QColor(0, 0, 255));
    std::string path = folder + "/写真.png";
    ASSERT_TRUE(image.save(QString::fromStdString(path), "PNG"));
    std::ofstream(folder + "/fake.png") << "not a png at all";

    LinkStart(PngPlugin());
    PluginInfo info = QueryPluginInfo();
    ASSERT_EQ(info.Formats.size(), 1u);
    EXPECT_EQ(info.Formats[0].Patterns, "*.png");
    EXPECT_TRUE(IsSupportedFile(path));
    EXPECT_FALSE(IsSupportedFile(folder + "/fake.png"));
    EXPECT_EQ(ReadPictureInfo(path).width, 3);
    std::optional<PluginBitmap> picture = DecodePluginPicture(path, false);
    ASSERT_TRUE(picture);
    EXPECT_FALSE(picture->TopDown());
    EXPECT_EQ(PixelAt(*picture, 0, 0), 0xFF0000u);
    EXPECT_EQ(PixelAt(*picture, 2, 1), 0x0000FFu);
    EXPECT_EQ(PixelAt(*picture, 1, 0), 0xFFFFFFu); // transparent shows white
    EXPECT_FALSE(DecodePluginPicture(folder + "/fake.png", false));
}

} // namespace
} // namespace gb
