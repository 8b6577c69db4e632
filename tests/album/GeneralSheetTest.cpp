#include "AlbumTestSupport.h"
#include "album/FormEngine.h"
#include "album/GeneralAlbum.h"
#include "album/GeneralSheet.h"
#include "tests/platform/metafile/MetafileWriter.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

using test::WritePicture;

std::string FixturePlugin(const char* name) {
    return std::string(GB_BIN_DIR) + "/../tests/fixture-plugins/" + name + ".spi";
}

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ResetAlbumState();
        folder = dir.path().toStdString();
        Album = DefaultAlbumInfo(folder);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const GalleryInfo& g : Album.Galleries) names.push_back(g.FileName);
        return names;
    }
    QTemporaryDir dir;
    std::string folder;
};

TEST_F(SheetTest, NewAlbumListsPicturesSortedWithoutRegardToCase) {
    WritePicture(folder + "/b.JPG", 8, 8, Qt::red);
    WritePicture(folder + "/A.jpg", 8, 8, Qt::red);
    WritePicture(folder + "/c.bmp", 8, 8, Qt::red, "BMP");
    WritePicture(folder + "/.hidden.jpg", 8, 8, Qt::red);
    WritePicture(folder + "/d.png", 8, 8, Qt::red, "PNG"); // no pattern reads it
    BuildGalleryList(true);
    EXPECT_EQ(Names(), (std::vector<std::string>{"A.jpg", "b.JPG", "c.bmp"}));
    EXPECT_EQ(Album.GalleryCount, 3);
    EXPECT_EQ(Album.CurrentGallery, 1);
    EXPECT_EQ(Album.Gallery(2).Title, "b");
}

TEST_F(SheetTest, AFileMatchedByTwoPatternsIsListedTwiceThenAddedOnce) {
    Plugins.Entries = {{FixturePlugin("fxB"), "", false}}; // reads "*.FX" and "*.jpg"
    BuildPatternList();
    WritePicture(folder + "/p.jpg", 8, 8, Qt::red);
    BuildGalleryList(true);
    EXPECT_EQ(Names(), (std::vector<std::string>{"p.jpg", "p.jpg"}));

    BuildGalleryList(false);
    WritePicture(folder + "/q.jpg", 8, 8, Qt::red);
    EXPECT_TRUE(RefreshGalleryList());
    EXPECT_EQ(Names(), (std::vector<std::string>{"p.jpg", "p.jpg", "q.jpg"}));
}

TEST_F(SheetTest, RefreshKeepsTitlesAndOrderAddsAtTheEndAndDropsGoneFiles) {
    for (const char* name : {"1.jpg", "2.jpg", "3.jpg"}) WritePicture(folder + "/" + name, 8, 8, Qt::red);
    test::SetModified(folder + "/2.jpg", 1000000);
    BuildGalleryList(true);
    std::swap(Album.Galleries[0], Album.Galleries[2]); // the user reordered
    Album.Gallery(1).Title = "最初";
    for (GalleryInfo& g : Album.Galleries) g.ThumbMade = true;

    BuildGalleryList(false);
    EXPECT_FALSE(RefreshGalleryList());

    BuildGalleryList(false);
    std::remove((folder + "/1.jpg").c_str());
    WritePicture(folder + "/0.jpg", 8, 8, Qt::red);
    test::SetModified(folder + "/2.jpg", 2000000);
    EXPECT_TRUE(RefreshGalleryList());
    EXPECT_EQ(Names(), (std::vector<std::string>{"3.jpg", "2.jpg", "0.jpg"}));
    EXPECT_EQ(Album.Gallery(1).Title, "最初");
    EXPECT_TRUE(Album.Gallery(1).ThumbMade);
    EXPECT_FALSE(Album.Gallery(2).ThumbMade); // changed on disk: a new thumbnail
    EXPECT_EQ(Album.Gallery(3).Title, "0");
    EXPECT_EQ(ScanList.size(), 3u);
}

TEST_F(SheetTest, ThumbnailGeometry) {
    struct Case {
        int width, height, thumbWidth, thumbHeight;
    } cases[] = {{640, 480, 80, 60}, {480, 640, 60, 80}, {100, 100, 80, 80}, {1000, 3, 80, 0}, {300, 200, 80, 53}};
    int i = 0;
    for (const Case& c : cases) WritePicture(folder + "/" + std::to_string(i++) + ".bmp", c.width, c.height, Qt::red, "BMP");
    BuildGalleryList(true);
    RelayoutSheet();
    for (int k = 1; k <= Album.GalleryCount; ++k) {
        Picture bare = GetThumbnail(k, false);
        const Case& c = cases[k - 1];
        EXPECT_EQ(Album.Gallery(k).Width, c.width);
        EXPECT_EQ(Album.Gallery(k).ThumbWidth, c.thumbWidth) << k;
        EXPECT_EQ(Album.Gallery(k).ThumbHeight, c.thumbHeight) << k;
        if (c.thumbHeight > 0) EXPECT_EQ(bare.Image().size(), QSize(c.thumbWidth, c.thumbHeight)) << k;
        EXPECT_EQ(Album.Gallery(k).CellLeft, 80 * (k - 1));
    }
}

TEST_F(SheetTest, CellsAndSheetSizeFollowTheGalleryCount) {
    for (int i = 0; i < 16; ++i) WritePicture(folder + "/" + std::to_string(100 + i) + ".jpg", 40, 30, Qt::green);
    BuildGalleryList(true);
    for (int k = 1; k <= 16; ++k) GetThumbnail(k, false);
    RelayoutSheet();
    EXPECT_EQ(FormEngine::Instance().Sheet.Width(), 640);
    EXPECT_EQ(FormEngine::Instance().Sheet.Height(), 240);
    EXPECT_EQ(QPoint(Album.Gallery(8).CellLeft, Album.Gallery(8).CellTop), QPoint(560, 0));
    EXPECT_EQ(QPoint(Album.Gallery(9).CellLeft, Album.Gallery(9).CellTop), QPoint(0, 80));

    // Moving a gallery moves its thumbnail; an unchanged layout leaves the sheet alone.
    Album.SheetChanged = false;
    RelayoutSheet();
    EXPECT_FALSE(Album.SheetChanged);
    std::swap(Album.Galleries[0], Album.Galleries[8]);
    RelayoutSheet();
    EXPECT_TRUE(Album.SheetChanged);
    EXPECT_EQ(Album.Gallery(1).CellTop, 0);

    // 512 cells fit the largest sheet; a 513th would lie below it.
    EXPECT_EQ(FormEngine::Instance().MaxWidth(), 640);
    EXPECT_EQ(FormEngine::Instance().MaxHeight(), 5120);
    EXPECT_LE((512 - 1) / 8 * 80 + 80, FormEngine::Instance().MaxHeight());
    EXPECT_GE((513 - 1) / 8 * 80, FormEngine::Instance().MaxHeight());
}

TEST_F(SheetTest, FramedThumbnailShowsTheTemplateAroundTheLandscapePicture) {
    WritePicture(folder + "/wide.bmp", 640, 480, QColor(0, 0, 255), "BMP");
    BuildGalleryList(true);
    RelayoutSheet();
    QImage framed = GetThumbnail(1, true).Image();
    ASSERT_EQ(framed.size(), QSize(80, 80));
    EXPECT_EQ(framed.pixelColor(0, 0), QColor(128, 128, 128)); // the border
    EXPECT_EQ(framed.pixelColor(40, 30), QColor(0, 0, 255));   // the picture
    QColor below = framed.pixelColor(41, 70);                  // the grid area below
    EXPECT_TRUE(below == QColor(255, 255, 255) || below == QColor(192, 192, 192));
}

TEST_F(SheetTest, PluginDispatchLastSupporterWinsAndPreviewFallsBack) {
    std::string path = folder + "/p.fx";
    unsigned char header[8] = {'F', 'I', 'X', 'T', 40, 0, 20, 0};
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(header), 8);

    Plugins.Entries = {{FixturePlugin("fxA"), "", false}, {FixturePlugin("fxB"), "", false}};
    bool mode = true;
    int16_t width = 0, height = 0;
    Picture picture = LoadPictureFile(path, mode, width, height);
    EXPECT_FALSE(mode); // fxB, the last to read it, has no preview
    EXPECT_EQ(width, 40);
    EXPECT_EQ(height, 20);
    EXPECT_EQ(picture.Image().pixelColor(5, 5), QColor(0, 255, 0));

    // Once a plug-in had no preview, the later ones are asked for the full picture too.
    Plugins.Entries = {{FixturePlugin("fxB"), "", false}, {FixturePlugin("fxA"), "", false}};
    mode = true;
    picture = LoadPictureFile(path, mode, width, height);
    EXPECT_FALSE(mode);
    EXPECT_EQ(picture.Image().pixelColor(5, 5), QColor(255, 0, 0));

    Plugins.Entries = {{FixturePlugin("fxA"), "", false}};
    mode = true;
    picture = LoadPictureFile(path, mode, width, height);
    EXPECT_TRUE(mode);
    EXPECT_EQ(picture.Image().size(), QSize(20, 10)); // the preview at the size it delivers
    EXPECT_EQ(picture.Image().pixelColor(5, 5), QColor(0, 0, 255));
}

TEST_F(SheetTest, PlatformLoaderReportsTheFullSizeAndRefusesAbsurdPictures) {
    WritePicture(folder + "/big.jpg", 1600, 1200, Qt::red);
    bool mode = true;
    int16_t width = 0, height = 0;
    Picture thumbnail = LoadPictureFile(folder + "/big.jpg", mode, width, height);
    EXPECT_EQ(width, 1600);
    EXPECT_EQ(height, 1200);
    EXPECT_LE(thumbnail.Image().width(), 80);
    mode = false;
    EXPECT_EQ(LoadPictureFile(folder + "/big.jpg", mode, width, height).Image().width(), 1600);

    // A bitmap header that claims 30000 x 30000 pixels is refused, not allocated.
    unsigned char bmp[54] = {'B', 'M'};
    auto put32 = [&](int at, uint32_t v) { for (int k = 0; k < 4; ++k) bmp[at + k] = uint8_t(v >> (8 * k)); };
    put32(2, 54 + 16), put32(10, 54), put32(14, 40), put32(18, 30000), put32(22, 30000);
    bmp[26] = 1, bmp[28] = 24;
    std::ofstream(folder + "/huge.bmp", std::ios::binary).write(reinterpret_cast<const char*>(bmp), 54);
    width = height = 7;
    EXPECT_TRUE(LoadPictureFile(folder + "/huge.bmp", mode, width, height).IsEmpty());
    EXPECT_EQ(width, 7); // unchanged
    std::ofstream(folder + "/text.jpg") << "not a picture";
    EXPECT_TRUE(LoadPictureFile(folder + "/text.jpg", mode, width, height).IsEmpty());
}

TEST_F(SheetTest, MetafileThumbnailsAreDrawnOnWhite) {
    // One inch by half an inch, its left half a red rectangle.
    test::WmfWriter wmf;
    wmf.SetWindowOrg(0, 0).SetWindowExt(1440, 720);
    wmf.CreateBrush(0, QColor(255, 0, 0)).SelectObject(0).CreatePen(5, 0, QColor(0, 0, 0)).SelectObject(1);
    wmf.Rectangle(0, 0, 720, 720);
    std::vector<uint8_t> bytes = wmf.Bytes(true, QRect(0, 0, 1440, 720), 1440);
    std::ofstream(folder + "/drawing.wmf", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), long(bytes.size()));

    bool mode = false;
    int16_t width = 0, height = 0;
    Picture picture = LoadPictureFile(folder + "/drawing.wmf", mode, width, height);
    EXPECT_EQ(picture.Type(), PictureType::Metafile);
    EXPECT_EQ(width, 96); // 2540 HIMETRIC at 96 pixels an inch
    EXPECT_EQ(height, 48);

    FormEngine::Instance().Sheet.FillRect(0, 0, 80, 80, Rgb(0, 0, 0)); // what an earlier album left
    BuildGalleryList(true);
    RelayoutSheet();
    QImage thumbnail = GetThumbnail(1, false).Image();
    ASSERT_EQ(thumbnail.size(), QSize(80, 40));
    EXPECT_EQ(thumbnail.pixelColor(10, 20), QColor(255, 0, 0));
    EXPECT_EQ(thumbnail.pixelColor(70, 20), QColor(255, 255, 255));
}

} // namespace
} // namespace gb
