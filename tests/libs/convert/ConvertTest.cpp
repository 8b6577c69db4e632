// Convert.so: SavetoJPEG over the bitmap files the album storage writes, and bad input.
#include "platform/Cp932.h"
#include "platform/SharedLibrary.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace gb {
namespace {

using SaveFunction = int32_t(const char*, const char*, uint8_t, int16_t);

int32_t Save(const std::string& source, const std::string& target, uint8_t quality, bool progressive) {
    auto* save = BindFunction<SaveFunction>("Convert.so", "SavetoJPEG");
    if (!save) {
        ADD_FAILURE() << "Convert.so or SavetoJPEG missing";
        return -1;
    }
    return save(Cp932(source).c_str(), Cp932(target).c_str(), quality, progressive ? -1 : 0);
}

void Put32(QByteArray& bytes, int at, uint32_t value) { std::memcpy(bytes.data() + at, &value, 4); }
void Put16(QByteArray& bytes, int at, uint16_t value) { std::memcpy(bytes.data() + at, &value, 2); }

// A bitmap file of `bitCount` bits whose pixel (x, y) is colour(x, y); rows bottom
// first unless `topDown`. 8 bits use a palette of 256 greys.
QByteArray BitmapFile(int width, int height, int bitCount, bool topDown, QRgb (*colour)(int, int)) {
    const int stride = (width * bitCount + 31) / 32 * 4;
    const int palette = bitCount == 8 ? 1024 : 0;
    const int offset = 54 + palette;
    QByteArray bytes(offset + stride * height, '\0');
    bytes[0] = 'B', bytes[1] = 'M';
    Put32(bytes, 2, uint32_t(bytes.size()));
    Put32(bytes, 10, uint32_t(offset));
    Put32(bytes, 14, 40);
    Put32(bytes, 18, uint32_t(width));
    Put32(bytes, 22, uint32_t(topDown ? -height : height));
    Put16(bytes, 26, 1);
    Put16(bytes, 28, uint16_t(bitCount));
    for (int i = 0; i < palette / 4; ++i) bytes[54 + 4 * i] = bytes[55 + 4 * i] = bytes[56 + 4 * i] = char(i);
    for (int y = 0; y < height; ++y) {
        char* row = bytes.data() + offset + stride * (topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const QRgb c = colour(x, y);
            if (bitCount == 8) {
                row[x] = char(qRed(c));
            } else {
                char* p = row + x * (bitCount / 8);
                p[0] = char(qBlue(c)), p[1] = char(qGreen(c)), p[2] = char(qRed(c));
            }
        }
    }
    return bytes;
}

// Red on the top half, blue below; a grey ramp for 8 bits.
QRgb Halves(int, int y) { return y < 8 ? qRgb(255, 0, 0) : qRgb(0, 0, 255); }
QRgb Greys(int x, int) { return qRgb(x * 8, x * 8, x * 8); }

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Convert, WritesTheBitmapFilesTheProgramMakesAsJpeg) {
    struct Case {
        const char* name;
        int bitCount;
        bool topDown;
        QRgb (*colour)(int, int);
    } cases[] = {
        {"24 bits, bottom row first", 24, false, Halves},
        {"24 bits, top row first", 24, true, Halves},
        {"32 bits", 32, false, Halves},
        {"8 bits with a palette", 8, false, Greys},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const QString source = dir.filePath("sheet.bmp"), target = dir.filePath("sheet.jpg");
        ASSERT_TRUE(WriteFile(source, BitmapFile(24, 16, c.bitCount, c.topDown, c.colour)));
        ASSERT_EQ(Save(source.toStdString(), target.toStdString(), 95, false), 0) << c.name;
        QImage jpeg(target, "JPG");
        ASSERT_EQ(jpeg.size(), QSize(24, 16)) << c.name;
        for (QPoint p : {QPoint(4, 2), QPoint(20, 13)}) {
            const QRgb want = c.colour(p.x(), p.y()), got = jpeg.pixel(p);
            EXPECT_NEAR(qRed(got), qRed(want), 12) << c.name;
            EXPECT_NEAR(qBlue(got), qBlue(want), 12) << c.name;
        }
    }
}

TEST(Convert, ProgressiveFlagAndQualityReachTheEncoder) {
    QTemporaryDir dir;
    const QString source = dir.filePath("ramp.bmp");
    ASSERT_TRUE(WriteFile(source, BitmapFile(64, 64, 24, false, [](int x, int y) { return qRgb(x * 4, y * 4, (x * y) & 0xFF); })));
    auto encode = [&](uint8_t quality, bool progressive) {
        const QString target = dir.filePath("out.jpg");
        EXPECT_EQ(Save(source.toStdString(), target.toStdString(), quality, progressive), 0);
        return ReadFile(target);
    };
    const QByteArray baseline = encode(50, false), progressive = encode(50, true);
    // Start of frame: baseline FF C0, progressive FF C2.
    EXPECT_TRUE(baseline.contains("\xFF\xC0"));
    EXPECT_FALSE(baseline.contains("\xFF\xC2"));
    EXPECT_TRUE(progressive.contains("\xFF\xC2"));
    EXPECT_LT(encode(10, false).size(), encode(95, false).size());
    EXPECT_FALSE(encode(0, false).isEmpty());
    EXPECT_FALSE(encode(255, false).isEmpty());
}

TEST(Convert, BadSourcesWriteNothingAndFail) {
    QTemporaryDir dir;
    const QByteArray good = BitmapFile(24, 16, 24, false, Halves);
    QByteArray hugeHeader = good;
    Put32(hugeHeader, 18, 60000);
    Put32(hugeHeader, 22, 60000);
    QByteArray negativeOffset = good;
    Put32(negativeOffset, 10, 0xFFFFFFF0u);
    QByteArray rle = good;
    Put32(rle, 30, 1);
    QByteArray zeroWidth = good;
    Put32(zeroWidth, 18, 0);
    struct Case {
        const char* name;
        QByteArray bytes;
        bool exists;
    } cases[] = {
        {"missing", {}, false},
        {"empty", QByteArray(), true},
        {"text", "this is not a picture", true},
        {"truncated pixels", good.left(good.size() - 100), true},
        {"truncated header", good.left(30), true},
        {"absurd size", hugeHeader, true},
        {"offset past the end", negativeOffset, true},
        {"compressed", rle, true},
        {"zero width", zeroWidth, true},
    };
    for (const Case& c : cases) {
        const QString source = dir.filePath("bad.bmp"), target = dir.filePath("kept.jpg");
        QFile::remove(source);
        if (c.exists) {
            ASSERT_TRUE(WriteFile(source, c.bytes));
        }
        ASSERT_TRUE(WriteFile(target, "old contents"));
        EXPECT_NE(Save(source.toStdString(), target.toStdString(), 50, false), 0) << c.name;
        EXPECT_EQ(ReadFile(target), "old contents") << c.name;
    }
    auto* save = BindFunction<SaveFunction>("Convert.so", "SavetoJPEG");
    ASSERT_NE(save, nullptr);
    EXPECT_NE(save(nullptr, nullptr, 50, 0), 0);
    EXPECT_NE(save("", "", 50, 0), 0);
}

} // namespace
} // namespace gb
