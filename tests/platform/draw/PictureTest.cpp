// Picture objects: HIMETRIC sizes, drawing, and the bitmap file writer.
#include "platform/Desktop.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/Picture.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace gb {
namespace {

TEST(Picture, HimetricToPixelsRoundsToTwipsThenDividesByTwipsPerPixel) {
    struct Case {
        int32_t himetric;
        int twipsPerPixel;
        int pixels;
    } cases[] = {
        {2672, 15, 101}, // 1515.02 twips
        {2645, 15, 100}, // 1499.715 twips round up to 1500
        {2619, 15, 99},  // 1484.97 -> 1485
        {26, 15, 1},     // 14.742 -> 15
        {25, 15, 0},     // 14.175 -> 14
        {0, 15, 0},
        {2540, 12, 120}, // one inch at 120 dots per inch
    };
    for (const Case& c : cases) EXPECT_EQ(HimetricToPixels(c.himetric, c.twipsPerPixel), c.pixels) << c.himetric;
}

TEST(Picture, PixelSizesSurviveTheWayThroughHimetric) {
    for (int twips : {10, 12, 15, 20})
        for (int pixels = 0; pixels <= 8000; ++pixels)
            ASSERT_EQ(HimetricToPixels(PixelsToHimetric(pixels, twips), twips), pixels) << twips << " " << pixels;
}

TEST(Picture, BitmapAndMetafilePicturesDrawIntoTheirRectangle) {
    QImage image(101, 7, QImage::Format_RGB32);
    image.fill(Qt::red);
    Picture bitmap = Picture::FromImage(image);
    EXPECT_EQ(bitmap.Type(), PictureType::Bitmap);
    EXPECT_EQ(bitmap.Width(), PixelsToHimetric(101, TwipsPerPixelX()));
    EXPECT_EQ(bitmap.PixelWidth(), 101);
    EXPECT_EQ(bitmap.PixelHeight(), 7);
    EXPECT_TRUE(Picture::FromImage(QImage()).IsEmpty());

    struct Player : MetafilePlayer {
        void Play(QPainter& painter, const QRectF& target) const override {
            played = target;
            painter.fillRect(target, Qt::blue);
        }
        mutable QRectF played;
    };
    auto player = std::make_shared<Player>();
    Picture metafile = Picture::FromMetafile(PictureType::EnhancedMetafile, 2540, 1270, player);
    EXPECT_TRUE(metafile.IsMetafile());
    EXPECT_EQ(metafile.PixelWidth(), HimetricToPixels(2540, TwipsPerPixelX()));

    Canvas canvas(200, 50);
    canvas.SetPersistentDrawing(true);
    canvas.DrawPicture(metafile, 5, 6, 30, 20);
    EXPECT_EQ(player->played, QRectF(5, 6, 30, 20));
    canvas.DrawPicture(bitmap, 40, 0);
    EXPECT_EQ(canvas.PersistentImage().pixel(140, 6), QColor(Qt::red).rgb());
    EXPECT_EQ(canvas.PersistentImage().pixel(141, 6), QColor(Qt::white).rgb());
    EXPECT_EQ(canvas.PersistentImage().pixel(20, 20), QColor(Qt::blue).rgb());
}

TEST(Picture, SavedBitmapFilesAre24BitBottomRowFirst) {
    QTemporaryDir dir;
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(10, 20, 30));
    image.setPixel(2, 1, qRgb(200, 100, 50));
    const std::string path = dir.filePath("sheet.bmp").toStdString();
    ASSERT_TRUE(SavePictureFile(Picture::FromImage(image), path));
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 54 + 2 * 12);
    EXPECT_EQ(bytes.left(2), "BM");
    uint16_t bitCount;
    int32_t height;
    std::memcpy(&bitCount, bytes.constData() + 28, 2);
    std::memcpy(&height, bytes.constData() + 22, 4);
    EXPECT_EQ(bitCount, 24);
    EXPECT_EQ(height, 2);
    // The first stored row is the bottom one: its last pixel is (200, 100, 50) as
    // blue, green, red.
    EXPECT_EQ(uint8_t(bytes[54 + 6]), 50);
    EXPECT_EQ(uint8_t(bytes[54 + 8]), 200);
    EXPECT_EQ(QImage(QString::fromStdString(path)).pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_FALSE(SavePictureFile(Picture(), path));
}

} // namespace
} // namespace gb
