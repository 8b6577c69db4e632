// The picture engine: clones, filters, fades, and the conversion to JPEG.
#include "Timeline.h"
#include "slideshow/ClassEngine.h"

#include "platform/draw/Canvas.h"
#include "platform/draw/Gdi.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace gb {
namespace {

// A buffer whose persistent image holds `image`, and an engine attached to it.
struct Stage {
    explicit Stage(const QImage& image) : canvas(image.width(), image.height()) {
        canvas.SetPersistentDrawing(true);
        canvas.DrawPicture(Picture::FromImage(image), 0, 0);
        engine.Attach(canvas.hDC());
    }
    Canvas canvas;
    ClassEngine engine;
};

QImage Filled(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(ClassEngine, MonotoneOnA101PixelCloneGreysEveryPixelAndLeavesThePadding) {
    QImage image(101, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 101; ++x) image.setPixel(x, y, qRgb(x * 2, 255 - x, y * 60));
    Stage stage(image);
    stage.engine.InsertClone(stage.canvas.Image(), false);
    ASSERT_TRUE(stage.engine.HasClone());
    const BitmapInfoHeader& header = stage.engine.Description().bmiHeader;
    EXPECT_EQ(header.biWidth, 101);
    EXPECT_EQ(header.biHeight, 4);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(header.biSizeImage, 304u * 4);
    uint8_t* bits = stage.engine.Pixels();
    for (int row = 0; row < 4; ++row) bits[row * 304 + 303] = 0x5A;
    stage.engine.Effect(ClassEngine::Monotone);
    for (int row = 0; row < 4; ++row) {
        for (int x = 0; x < 101; ++x) {
            const uint8_t* p = bits + row * 304 + x * 3;
            ASSERT_TRUE(p[0] == p[1] && p[1] == p[2]) << row << "," << x;
        }
        EXPECT_EQ(bits[row * 304 + 303], 0x5A);
    }
    // Bottom row first: memory row 0 is image row 3; pixel 10 there is (20, 245, 180).
    EXPECT_EQ(bits[30], (20 + 245 + 180) / 3);
    // Effect draws the result into the target.
    EXPECT_EQ(qRed(stage.canvas.PersistentImage().pixel(10, 3)), (20 + 245 + 180) / 3);
}

TEST(ClassEngine, FiltersComputeEachPixelExactly) {
    struct Case {
        int tone;
        int red, green, blue;
        int newRed, newGreen, newBlue;
    } cases[] = {
        {ClassEngine::Monotone, 10, 20, 30, 20, 20, 20},
        {ClassEngine::Monotone, 255, 255, 254, 254, 254, 254},
        {ClassEngine::Sepia, 30, 20, 10, 20, 18, 14},
        {ClassEngine::Sepia, 255, 255, 255, 255, 230, 178},
        {ClassEngine::Sepia, 0, 0, 0, 0, 0, 0},
        {ClassEngine::Sepia, 5, 0, 0, 1, 1, 1},      // a = 1: 0.7 and 0.9 round to 1
        {ClassEngine::Vivid, 0, 38, 39, 0, 37, 39},
        {ClassEngine::Vivid, 40, 100, 200, 40, 130, 255},
        {ClassEngine::Vivid, 255, 41, 1, 255, 41, 0},
        {7, 1, 2, 3, 1, 2, 3},                        // unknown tone
        {-1, 1, 2, 3, 1, 2, 3},
    };
    for (const Case& c : cases) {
        Stage stage(Filled(3, 2, qRgb(c.red, c.green, c.blue)));
        stage.engine.InsertClone(stage.canvas.Image(), false);
        stage.engine.Effect(c.tone);
        const uint8_t* p = stage.engine.Pixels();
        EXPECT_EQ((std::vector<int>{p[2], p[1], p[0]}), (std::vector<int>{c.newRed, c.newGreen, c.newBlue}))
            << "tone " << c.tone << " of " << c.red << "," << c.green << "," << c.blue;
        EXPECT_EQ(stage.canvas.PersistentImage().pixel(2, 1), qRgb(c.newRed, c.newGreen, c.newBlue));
    }
}

TEST(ClassEngine, PaletteLevelsRoundHalvesToEven) {
    BitmapInfo info{};
    auto levels = [&](int percent) {
        ClassEngine::BuildPalette(info, percent);
        std::vector<int> found;
        for (int i = 0; i < 6; ++i) found.push_back(info.bmiColors[36 * i].rgbBlue);
        return found;
    };
    EXPECT_EQ(levels(100), (std::vector<int>{0, 51, 102, 153, 204, 255}));
    EXPECT_EQ(levels(50), (std::vector<int>{0, 26, 51, 76, 102, 128}));
    EXPECT_EQ(levels(0), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    ClassEngine::BuildPalette(info, 100);
    const RgbQuad entry = info.bmiColors[36 * 1 + 6 * 2 + 3];
    EXPECT_EQ((std::vector<int>{entry.rgbBlue, entry.rgbGreen, entry.rgbRed}), (std::vector<int>{51, 102, 153}));
    for (int e = 216; e < 256; ++e) EXPECT_EQ(info.bmiColors[e].rgbBlue + info.bmiColors[e].rgbRed, 0);
}

TEST(ClassEngine, FadeInOnEightBitsRaisesTheBrightnessInElevenFrames) {
    Stage stage(Filled(4, 4, qRgb(255, 255, 255)));
    stage.engine.InsertClone(stage.canvas.Image(), true);
    ASSERT_EQ(stage.engine.Description().bmiHeader.biBitCount, 8);
    EXPECT_EQ(stage.engine.Pixels()[0], 215); // white is the cube's last colour
    Canvas window(10, 10);
    stage.engine.hDC(window.hDC());
    stage.engine.OriginX = 3;
    stage.engine.OriginY = 5;
    Timeline timeline;
    std::vector<int> seen;
    timeline.onSleep = [&] { seen.push_back(RedOf(GetPixel(window.hDC(), 3, 5))); };
    stage.engine.FadeIn(25);
    EXPECT_EQ(seen, (std::vector<int>{0, 26, 51, 76, 102, 128, 153, 178, 204, 230, 255}));
    EXPECT_EQ(timeline.Sleeps(), std::vector<uint32_t>(11, 25));
    EXPECT_EQ(GetPixel(window.hDC(), 2, 5), Rgb(255, 255, 255)); // left of the origin
    seen.clear();
    stage.engine.FadeOut(25);
    EXPECT_EQ(seen.front(), 255);
    EXPECT_EQ(seen.back(), 0);
}

TEST(ClassEngine, FadeOutOnATwentyFourBitCloneDrawsTheUnchangedPictureElevenTimes) {
    Stage stage(Filled(5, 3, qRgb(200, 100, 50)));
    stage.engine.InsertClone(stage.canvas.Image(), false);
    Canvas window(5, 3);
    stage.engine.hDC(window.hDC());
    Timeline timeline;
    std::vector<ColorRef> seen;
    timeline.onSleep = [&] { seen.push_back(GetPixel(window.hDC(), 4, 2)); };
    stage.engine.FadeOut(40);
    EXPECT_EQ(timeline.Rhythm(), "D 40 D 40 D 40 D 40 D 40 D 40 D 40 D 40 D 40 D 40 D 40");
    EXPECT_EQ(seen, std::vector<ColorRef>(11, Rgb(200, 100, 50)));
}

TEST(ClassEngine, WithoutABitmapPictureThereIsNoCloneAndNothingFails) {
    Stage stage(Filled(5, 3, qRgb(1, 2, 3)));
    struct Player : MetafilePlayer {
        void Play(QPainter&, const QRectF&) const override {}
    };
    const Picture metafile = Picture::FromMetafile(PictureType::Metafile, 1000, 1000, std::make_shared<Player>());
    for (const Picture& picture : {metafile, Picture()}) {
        Timeline timeline;
        stage.engine.InsertClone(picture, true);
        EXPECT_FALSE(stage.engine.HasClone());
        stage.engine.Realize();
        stage.engine.Effect(ClassEngine::Sepia);
        stage.engine.FadeOut(25);
        stage.engine.DeleteClone();
        EXPECT_TRUE(timeline.Draws(DrawRecord::Kind::StretchDIBits).empty());
        EXPECT_TRUE(timeline.Draws(DrawRecord::Kind::BitBlt).empty());
    }
    EXPECT_EQ(stage.canvas.PersistentImage().pixel(0, 0), qRgb(1, 2, 3));
    // A detached engine does nothing either.
    ClassEngine detached;
    detached.InsertClone(stage.canvas.Image(), false);
    detached.Realize();
    EXPECT_FALSE(detached.HasClone());
}

TEST(ClassEngine, ConvertWritesAJpegThroughTheConvertLibraryWithJapanesePaths) {
    QTemporaryDir dir;
    const std::string source = dir.filePath("サムネイル.bmp").toStdString();
    const std::string target = dir.filePath("写真.jpg").toStdString();
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(qRgb(0, 128, 255));
    ASSERT_TRUE(SavePictureFile(Picture::FromImage(image), source));
    ClassEngine engine;
    engine.Convert(source, target, 90, false);
    QImage written(QString::fromStdString(target));
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.size(), QSize(16, 8));
    EXPECT_NEAR(qBlue(written.pixel(3, 3)), 255, 6);
    // A missing source leaves no file behind and does not fail the caller.
    engine.Convert(dir.filePath("missing.bmp").toStdString(), dir.filePath("none.jpg").toStdString(), 50, true);
    EXPECT_FALSE(QFile::exists(dir.filePath("none.jpg")));
}

} // namespace
} // namespace gb
