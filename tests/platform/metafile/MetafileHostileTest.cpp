// Hostile and broken metafiles: cut files, records that lie about their size or their
// counts, runaway saved states, absurd coordinates and bitmaps. Each must give a clear
// result (a picture of what could be read, or none) without crashing or hanging.
#include "MetafileWriter.h"
#include "platform/metafile/DibImage.h"
#include "platform/metafile/Metafile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <random>

namespace gb {
namespace {

using test::ByteWriter;
using test::EmfWriter;
using test::WmfWriter;

std::vector<uint8_t> ReadData(const char* name) {
    QFile file(QDir(GB_SOURCE_DIR "/tests/platform/metafile/data").filePath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    QByteArray data = file.readAll();
    return std::vector<uint8_t>(data.begin(), data.end());
}

// Reads and, when it is a picture, plays `bytes` into the middle of a small image;
// returns the image (white where nothing was drawn).
QImage Play(const std::vector<uint8_t>& bytes, bool* read = nullptr) {
    QImage image(60, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    std::optional<Metafile> m = ReadMetafile(bytes);
    if (read) *read = m.has_value();
    if (m) {
        QPainter painter(&image);
        m->Play(painter, QRectF(10, 10, 40, 30));
    }
    return image;
}

bool OnlyInsideTarget(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF && !QRect(10, 10, 40, 30).contains(x, y)) return false;
    return true;
}

TEST(MetafileHostile, EveryCutOfARealDrawingReadsOrIsRefused) {
    for (const char* name : {"drawing.wmf", "drawing.emf", "plain.wmf"}) {
        SCOPED_TRACE(name);
        std::vector<uint8_t> bytes = ReadData(name);
        ASSERT_FALSE(bytes.empty());
        for (size_t length = 0; length <= bytes.size(); ++length) {
            QImage image = Play(std::vector<uint8_t>(bytes.begin(), bytes.begin() + length));
            ASSERT_TRUE(OnlyInsideTarget(image)) << length;
        }
    }
}

TEST(MetafileHostile, ScrambledDrawingsNeverEscapeTheTarget) {
    std::mt19937 random(7);
    for (const char* name : {"drawing.wmf", "drawing.emf"}) {
        std::vector<uint8_t> original = ReadData(name);
        for (int round = 0; round < 300; ++round) {
            std::vector<uint8_t> bytes = original;
            int flips = 1 + int(random() % 8);
            for (int i = 0; i < flips; ++i) {
                size_t at = 22 + random() % (bytes.size() - 22); // keep the headers mostly whole
                bytes[at] = uint8_t(random() % 4 == 0 ? 0xFF : random());
            }
            ASSERT_TRUE(OnlyInsideTarget(Play(bytes))) << name << " round " << round;
        }
    }
}

TEST(MetafileHostile, ARecordThatOverrunsTheFileEndsThePictureButKeepsWhatCameBefore) {
    // A filled rectangle, then a record claiming four billion words.
    std::vector<uint8_t> wmf = WmfWriter()
                                   .SetWindowExt(40, 30)
                                   .CreateBrush(0, Qt::red).SelectObject(0)
                                   .Rectangle(0, 0, 40, 30)
                                   .Bytes(true, QRect(0, 0, 40, 30), 1440);
    std::vector<uint8_t> overrun = wmf;
    size_t end = overrun.size() - 6;
    overrun[end] = overrun[end + 1] = overrun[end + 2] = overrun[end + 3] = 0xFF;
    overrun[end + 4] = 0x1B; // a rectangle
    overrun[end + 5] = 0x04;
    // The same in an enhanced metafile: the record after the rectangle is too long.
    std::vector<uint8_t> emf = EmfWriter(QRect(0, 0, 1000, 750))
                                   .CreateBrush(1, Qt::red).SelectObject(1)
                                   .Rectangle(0, 0, 40, 30)
                                   .Bytes();
    std::vector<uint8_t> emfOverrun = emf;
    emfOverrun[emf.size() - 16] = 0xF0; // the end record's size
    emfOverrun[emf.size() - 13] = 0x7F;
    emfOverrun[emf.size() - 20] = 43;   // ...and it claims to be a rectangle
    for (const auto& bytes : {overrun, emfOverrun}) {
        bool read = false;
        QImage image = Play(bytes, &read);
        ASSERT_TRUE(read);
        EXPECT_EQ(QColor(image.pixel(20, 20)), QColor(Qt::red));
    }
}

TEST(MetafileHostile, CountsThatLieAreCutToTheRecord) {
    // A polygon claiming 30000 points carries three.
    ByteWriter polygon;
    polygon.S16(30000).S16(0).S16(0).S16(40).S16(0).S16(0).S16(30);
    // A poly-polygon whose counts claim more points than there are.
    ByteWriter polyPolygon;
    polyPolygon.U16(2).U16(20000).U16(20000).S16(0).S16(0).S16(40).S16(0).S16(0).S16(30);
    // Text claiming 60000 bytes carries two.
    ByteWriter text;
    text.U16(60000).U8('A').U8('B').S16(5).S16(5);
    std::vector<uint8_t> wmf = WmfWriter()
                                   .SetWindowExt(40, 30)
                                   .CreateBrush(0, Qt::red).SelectObject(0)
                                   .Raw(0x0324, polygon.bytes)
                                   .Raw(0x0538, polyPolygon.bytes)
                                   .Raw(0x0521, text.bytes)
                                   .Bytes();
    QImage image = Play(wmf);
    EXPECT_EQ(QColor(image.pixel(13, 13)), QColor(Qt::red)); // the three points made a triangle
    EXPECT_TRUE(OnlyInsideTarget(image));

    // Enhanced: counts larger than the record, and totals that disagree with the counts.
    EmfWriter emf(QRect(0, 0, 1000, 750));
    emf.CreateBrush(1, Qt::red).SelectObject(1)
        .Ints(3, {0, 0, 0, 0, 1000000, 0, 0, 40, 0, 0, 30})               // polygon of "a million" points
        .Ints(8, {0, 0, 0, 0, 2, 7, 3, 3, 0, 0, 40, 0, 0, 30})            // poly-polygon: 3 + 3 != 7
        .Ints(7, {0, 0, 0, 0, 1 << 30, 3, 3, 0, 0, 40, 0, 0, 30});        // a billion polylines
    image = Play(emf.Bytes());
    EXPECT_EQ(QColor(image.pixel(13, 13)), QColor(Qt::red));
}

TEST(MetafileHostile, SavedStatesHaveADepthLimitAndRestoresOutOfRangeAreIgnored) {
    WmfWriter wmf;
    wmf.SetWindowExt(40, 30).CreateBrush(0, Qt::red).SelectObject(0);
    for (int i = 0; i < 5000; ++i) wmf.SaveDc();
    wmf.RestoreDc(-6000).RestoreDc(30000).RestoreDc(0);
    wmf.CreateBrush(1, Qt::blue).SelectObject(1);
    for (int i = 0; i < 5000; ++i) wmf.RestoreDc(-1); // the last ones find nothing to restore
    wmf.Rectangle(0, 0, 40, 30);
    // The first saved state had the red brush; more restores than saves change nothing.
    EXPECT_EQ(QColor(Play(wmf.Bytes()).pixel(20, 20)), QColor(Qt::red));

    EmfWriter emf(QRect(0, 0, 1000, 750));
    emf.CreateBrush(1, Qt::red).SelectObject(1);
    for (int i = 0; i < 3000; ++i) emf.SaveDc().IntersectClipRect(0, 0, 40 - i % 20, 30);
    emf.RestoreDc(1).Rectangle(0, 0, 40, 30);
    QImage image = Play(emf.Bytes());
    EXPECT_EQ(QColor(image.pixel(45, 35)), QColor(Qt::red)); // the first state had no clip
}

TEST(MetafileHostile, AbsurdCoordinatesAndScalesStayInsideTheTarget) {
    const int32_t big = 2000000000;
    EmfWriter emf(QRect(0, 0, 1000, 750));
    emf.CreatePen(1, 1, 0, Qt::blue).SelectObject(1)                  // a dashed cosmetic pen
        .CreateBrush(2, Qt::red).SelectObject(2)
        .MoveTo(-big, -big).LineTo(big, big)
        .Ints(4, {0, 0, 0, 0, 3, -big, 15, big, 15, -big, 16})         // a polyline across everything
        .Ints(2, {0, 0, 0, 0, 4, -big, -big, big, -big, big, big, -big, big}) // a Bézier curve
        .Rectangle(-big, -big, big, -big / 2)
        .Ints(42, {-big, -big, big, big})                              // an ellipse
        .Ints(41, {20, 15, -1, 0x7F7FFFFF, 0x7F7FFFFF})                // an angle arc of a huge radius
        .Pie(-big, -big, big, big, big, 0, -big, 0)
        .CreatePen(3, 0, big, Qt::green).SelectObject(3)                // a pen two billion wide
        .MoveTo(0, 0).LineTo(40, 30)
        .SetWorldTransform(1e30f, 0, 0, 1e30f, 0, 0)                    // refused: not finite later
        .SetMapMode(8).SetWindowExt(1, 1).SetViewportExt(big, big)      // a scale of two billion
        .Rectangle(0, 0, 1, 1)
        .CreateFont(4, -big, u"ＭＳ ゴシック").SelectObject(4)
        .ExtTextOutW(0, 0, u"巨大な文字");
    QImage image = Play(emf.Bytes());
    EXPECT_TRUE(OnlyInsideTarget(image));

    WmfWriter wmf;
    wmf.SetWindowExt(1, 1).CreatePen(2, 0, Qt::blue).SelectObject(0)
        .MoveTo(-32768, -32768).LineTo(32767, 32767)
        .Pie(-32768, -32768, 32767, 32767, 0, 0, 0, 0)
        .Record(0x0410, {32767, 1, 32767, 1})                         // scale the window up
        .Record(0x0410, {0, 0, 1, 0})                                  // and by zero: refused
        .Ellipse(-5, -5, 5, 5);
    EXPECT_TRUE(OnlyInsideTarget(Play(wmf.Bytes(true, QRect(0, 0, 1, 1), 1))));
}

TEST(MetafileHostile, BitmapsLargerThanTheirBitsAreRefused) {
    struct Case {
        const char* name;
        int32_t width, height;
        uint16_t bits;
        uint32_t compression;
        uint32_t colours;
        size_t dataBytes;
    };
    const Case cases[] = {
        {"huge", 100000, 100000, 24, 0, 0, 64},
        {"one row short", 16, 16, 24, 0, 0, 48 * 15},
        {"negative width", -5, 5, 24, 0, 0, 100},
        {"top-down extreme", 5, INT32_MIN, 24, 0, 0, 100},
        {"run-length expands too far", 60000, 60000, 8, 1, 0, 16},
        {"odd depth", 4, 4, 7, 0, 0, 64},
        {"colour table larger than any", 4, 4, 24, 0, 0xFFFFFFFF, 64},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ByteWriter info;
        info.U32(40).S32(c.width).S32(c.height).U16(1).U16(c.bits).U32(c.compression).U32(0).U32(0).U32(0)
            .U32(c.colours).U32(0);
        std::vector<uint8_t> bits(c.dataBytes, 0x11);
        EXPECT_TRUE(DecodeDib(info.bytes, bits).isNull());
        // Played through a record, nothing else happens either.
        std::vector<uint8_t> dib = info.bytes;
        dib.insert(dib.end(), bits.begin(), bits.end());
        EXPECT_TRUE(OnlyInsideTarget(Play(WmfWriter().SetWindowExt(40, 30).StretchDib(dib, 4, 4, 0, 0, 40, 30).Bytes())));
    }
    // A proper 16-row bitmap still decodes.
    ByteWriter info;
    info.U32(40).S32(16).S32(16).U16(1).U16(24).U32(0).U32(0).U32(0).U32(0).U32(0).U32(0);
    EXPECT_FALSE(DecodeDib(info.bytes, std::vector<uint8_t>(16 * 48, 0)).isNull());
}

TEST(MetafileHostile, ObjectTablesSurviveFloodsAndBadIndices) {
    WmfWriter wmf;
    wmf.SetWindowExt(40, 30);
    for (int i = 0; i < 70000; ++i) wmf.CreateBrush(0, QColor(i % 256, 0, 0)); // past 16-bit indices
    wmf.SelectObject(65535).DeleteObject(65535).DeleteObject(65535).SelectObject(3).DeleteObject(3)
        .CreateBrush(0, Qt::red).SelectObject(3)                        // takes the freed slot 3
        .Rectangle(0, 0, 40, 30);
    EXPECT_EQ(QColor(Play(wmf.Bytes()).pixel(20, 20)), QColor(Qt::red));

    EmfWriter emf(QRect(0, 0, 1000, 750));
    emf.CreateBrush(1, Qt::red).SelectObject(1)
        .SelectObject(0xFFFFFFFF).SelectObject(0x80000063).SelectObject(77).SelectObject(0)
        .Ints(40, {1}).Ints(40, {1})                                    // deleting twice
        .Rectangle(0, 0, 40, 30);
    EXPECT_EQ(QColor(Play(emf.Bytes()).pixel(20, 20)), QColor(Qt::red)); // the brush stays selected
}

} // namespace
} // namespace gb
