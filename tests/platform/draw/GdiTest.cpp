// Device contexts, bitmaps, DIB sections and block transfers.
#include "platform/draw/Canvas.h"
#include "platform/draw/DrawRecorder.h"
#include "platform/draw/Gdi.h"
#include "platform/draw/PaletteMatcher.h"

#include <QImage>
#include <gtest/gtest.h>

namespace gb {
namespace {

// A memory device context with a bitmap of its own, released at the end.
struct MemoryDc {
    MemoryDc(int width, int height) {
        dc = CreateCompatibleDC(0);
        bitmap = CreateCompatibleBitmap(dc, width, height);
        previous = SelectObject(dc, bitmap);
    }
    ~MemoryDc() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Hdc dc;
    Hbitmap bitmap, previous;
};

BitmapInfo Describe(int width, int height, int bitCount) {
    BitmapInfo info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biBitCount = uint16_t(bitCount);
    return info;
}

// Fills a device context with a pattern whose every pixel is distinct: red = x,
// green = y, blue = 7.
void FillPattern(Hdc dc) {
    QSize size = DeviceContextSize(dc);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) SetPixel(dc, x, y, Rgb(x, y, 7));
}

TEST(Gdi, DibSection24HasPaddedRowsBottomRowFirstInBlueGreenRedOrder) {
    MemoryDc source(101, 3);
    FillPattern(source.dc);
    BitmapInfo info = Describe(101, 3, 24);
    uint8_t* bits = nullptr;
    Hdc dc = CreateCompatibleDC(0);
    Hbitmap dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits);
    ASSERT_NE(dib, 0);
    ASSERT_NE(bits, nullptr);
    ASSERT_EQ(DibStride(101, 24), 304u);
    for (int row = 0; row < 3; ++row) bits[row * 304 + 303] = 0xAB; // the padding bytes
    Hgdiobj previous = SelectObject(dc, dib);
    ASSERT_TRUE(BitBlt(dc, 0, 0, 101, 3, source.dc, 0, 0, SRCCOPY));
    // Memory row 0 is the picture's bottom row (y = 2).
    EXPECT_EQ(bits[0], 7);        // blue
    EXPECT_EQ(bits[1], 2);        // green = y
    EXPECT_EQ(bits[2], 0);        // red = x
    EXPECT_EQ(bits[2 * 304 + 3 * 100 + 2], 100); // top row, last pixel: red = 100
    EXPECT_EQ(bits[2 * 304 + 3 * 100 + 1], 0);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(bits[row * 304 + 303], 0xAB);
    EXPECT_EQ(GetPixel(dc, 100, 0), Rgb(100, 0, 7));
    SelectObject(dc, previous);
    EXPECT_TRUE(DeleteObject(dib));
    DeleteDC(dc);
}

TEST(Gdi, EightBitTargetsTakeTheNearestPaletteColour) {
    BitmapInfo info = Describe(4, 1, 8);
    // A palette that is no cube: black, white, pure red, mid grey.
    info.bmiHeader.biClrUsed = 4;
    info.bmiColors[1] = RgbQuad{255, 255, 255, 0};
    info.bmiColors[2] = RgbQuad{0, 0, 255, 0};
    info.bmiColors[3] = RgbQuad{128, 128, 128, 0};
    uint8_t* bits = nullptr;
    Hdc dc = CreateCompatibleDC(0);
    Hbitmap dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits);
    Hgdiobj previous = SelectObject(dc, dib);
    MemoryDc source(4, 1);
    SetPixel(source.dc, 0, 0, Rgb(20, 10, 10));
    SetPixel(source.dc, 1, 0, Rgb(240, 250, 230));
    SetPixel(source.dc, 2, 0, Rgb(200, 40, 30));
    SetPixel(source.dc, 3, 0, Rgb(120, 140, 130));
    BitBlt(dc, 0, 0, 4, 1, source.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(std::vector<int>(bits, bits + 4), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(GetPixel(dc, 2, 0), Rgb(255, 0, 0));
    SelectObject(dc, previous);
    DeleteObject(dib);
    DeleteDC(dc);
}

TEST(Gdi, CubePalettesMatchLikeASearchOfAllEntries) {
    std::vector<RgbQuad> cube(256);
    const int levels[6] = {0, 26, 51, 76, 102, 128};
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 6; ++j)
            for (int k = 0; k < 6; ++k)
                cube[size_t(36 * i + 6 * j + k)] = RgbQuad{uint8_t(levels[i]), uint8_t(levels[j]), uint8_t(levels[k]), 0};
    PaletteMatcher fast(cube);
    // A copy with one entry nudged is no cube any more and is searched entry by entry.
    std::vector<RgbQuad> searched = cube;
    searched[255] = RgbQuad{1, 1, 1, 0};
    PaletteMatcher slow(searched);
    for (int v = 0; v < 256; v += 3) {
        const uint8_t r = uint8_t(v), g = uint8_t(255 - v), b = uint8_t(v / 2);
        const uint8_t expected = slow.Nearest(r, g, b);
        if (expected == 255) continue; // the nudged entry may win for dark colours
        EXPECT_EQ(fast.Nearest(r, g, b), expected) << v;
    }
    EXPECT_EQ(fast.Nearest(0, 0, 0), 0);
    EXPECT_EQ(fast.Nearest(13, 13, 13), 0);   // 13 is nearer 0 than 26
    EXPECT_EQ(fast.Nearest(14, 14, 14), 43);  // 1 * 36 + 1 * 6 + 1
    EXPECT_EQ(fast.Nearest(255, 255, 255), 215);
}

TEST(Gdi, StretchDIBitsReadsThePaletteItIsGivenAndCountsSourceRowsFromTheBottom) {
    BitmapInfo info = Describe(2, 2, 8);
    info.bmiColors[1] = RgbQuad{0, 0, 200, 0};   // red 200
    info.bmiColors[2] = RgbQuad{0, 200, 0, 0};   // green 200
    const uint8_t bits[8] = {1, 2, 0, 0, 2, 1, 0, 0}; // bottom row first
    MemoryDc target(2, 2);
    ASSERT_EQ(StretchDIBits(target.dc, 0, 0, 2, 2, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY), 2);
    EXPECT_EQ(GetPixel(target.dc, 0, 1), Rgb(200, 0, 0)); // bottom left: entry 1
    EXPECT_EQ(GetPixel(target.dc, 0, 0), Rgb(0, 200, 0)); // top left: entry 2
    // Source row 0 of a bottom-up DIB is its bottom row.
    MemoryDc one(2, 1);
    StretchDIBits(one.dc, 0, 0, 2, 1, 0, 0, 2, 1, bits, &info, DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(GetPixel(one.dc, 0, 0), Rgb(200, 0, 0));
    // The same bytes with another palette draw other colours.
    info.bmiColors[1] = RgbQuad{};
    StretchDIBits(target.dc, 0, 0, 2, 2, 0, 0, 2, 2, bits, &info, DIB_RGB_COLORS, SRCCOPY);
    EXPECT_EQ(GetPixel(target.dc, 0, 1), Rgb(0, 0, 0));
}

TEST(Gdi, BlockTransfersAreClippedToSourceAndTarget) {
    struct Case {
        const char* name;
        int x, y, width, height, sourceX, sourceY;
        QPoint changed;   // a target pixel that gets its source pixel
        QPoint source;
        QPoint untouched; // a target pixel that stays white
    } cases[] = {
        {"inside", 1, 1, 2, 2, 0, 0, {1, 1}, {0, 0}, {0, 0}},
        {"source left of its bitmap", 0, 0, 4, 4, -2, 0, {2, 0}, {0, 0}, {1, 0}},
        {"target beyond its right edge", 3, 0, 4, 4, 0, 0, {3, 0}, {0, 0}, {2, 0}},
        {"target above its top", 0, -2, 4, 4, 0, 0, {0, 0}, {0, 2}, {3, 3}},
    };
    for (const Case& c : cases) {
        MemoryDc source(4, 4), target(4, 4);
        FillPattern(source.dc);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) SetPixel(target.dc, x, y, Rgb(255, 255, 255));
        EXPECT_TRUE(BitBlt(target.dc, c.x, c.y, c.width, c.height, source.dc, c.sourceX, c.sourceY, SRCCOPY)) << c.name;
        EXPECT_EQ(GetPixel(target.dc, c.changed.x(), c.changed.y()), Rgb(c.source.x(), c.source.y(), 7)) << c.name;
        EXPECT_EQ(GetPixel(target.dc, c.untouched.x(), c.untouched.y()), Rgb(255, 255, 255)) << c.name;
    }
}

TEST(Gdi, StretchModesSampleOrAverage) {
    MemoryDc checker(2, 2);
    SetPixel(checker.dc, 0, 0, Rgb(0, 0, 0));
    SetPixel(checker.dc, 1, 0, Rgb(255, 255, 255));
    SetPixel(checker.dc, 0, 1, Rgb(255, 255, 255));
    SetPixel(checker.dc, 1, 1, Rgb(0, 0, 0));
    MemoryDc big(4, 4), small(1, 1);
    EXPECT_EQ(SetStretchBltMode(big.dc, COLORONCOLOR), BLACKONWHITE);
    ASSERT_TRUE(StretchBlt(big.dc, 0, 0, 4, 4, checker.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(GetPixel(big.dc, 1, 1), Rgb(0, 0, 0));
    EXPECT_EQ(GetPixel(big.dc, 2, 1), Rgb(255, 255, 255));
    EXPECT_EQ(GetPixel(big.dc, 3, 3), Rgb(0, 0, 0));
    SetStretchBltMode(small.dc, HALFTONE);
    ASSERT_TRUE(StretchBlt(small.dc, 0, 0, 1, 1, checker.dc, 0, 0, 2, 2, SRCCOPY));
    const ColorRef grey = GetPixel(small.dc, 0, 0);
    EXPECT_NEAR(RedOf(grey), 128, 2);
    EXPECT_NEAR(BlueOf(grey), 128, 2);
}

TEST(Gdi, WrongAndStaleHandlesFailQuietly) {
    Hdc dc = CreateCompatibleDC(0);
    Hbitmap bitmap = CreateCompatibleBitmap(dc, 2, 2);
    Hgdiobj stock = SelectObject(dc, bitmap);
    ASSERT_NE(stock, 0);
    // A bitmap lives in one device context at a time and is not deleted while there.
    Hdc other = CreateCompatibleDC(0);
    EXPECT_EQ(SelectObject(other, bitmap), 0);
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(SelectObject(dc, stock), bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_FALSE(BitBlt(dc, 0, 0, 1, 1, other, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(other, 0, 0, 1, 1, 12345, 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    EXPECT_EQ(SelectObject(other, bitmap), 0);
    // Descriptions the layer does not make.
    uint8_t* bits = reinterpret_cast<uint8_t*>(1);
    BitmapInfo info = Describe(0, 10, 24);
    EXPECT_EQ(CreateDIBSection(other, &info, DIB_RGB_COLORS, &bits), 0);
    EXPECT_EQ(bits, nullptr);
    info = Describe(100000, 100000, 24);
    EXPECT_EQ(CreateDIBSection(other, &info, DIB_RGB_COLORS, &bits), 0);
    info = Describe(10, 10, 16);
    EXPECT_EQ(CreateDIBSection(other, &info, DIB_RGB_COLORS, &bits), 0);
    EXPECT_EQ(CreateDIBSection(other, nullptr, DIB_RGB_COLORS, &bits), 0);
    EXPECT_EQ(StretchDIBits(other, 0, 0, 1, 1, 0, 0, 1, 1, nullptr, &info, DIB_RGB_COLORS, SRCCOPY), 0);
    DeleteDC(other);
    Canvas canvas(2, 2);
    EXPECT_FALSE(DeleteDC(canvas.hDC())); // belongs to the canvas
}

TEST(Gdi, TransfersAreRecordedInCallOrder) {
    ScopedDrawLog log;
    MemoryDc a(4, 4), b(4, 4);
    BitBlt(a.dc, 1, 2, 3, 4, b.dc, 5, 6, SRCCOPY);
    SetStretchBltMode(a.dc, COLORONCOLOR);
    StretchBlt(a.dc, 0, 0, 8, 8, b.dc, 0, 0, 4, 4, SRCCOPY);
    ASSERT_EQ(log.records.size(), 2u);
    const DrawRecord& first = log.records[0];
    EXPECT_EQ(first.kind, DrawRecord::Kind::BitBlt);
    EXPECT_EQ(first.target, a.dc);
    EXPECT_EQ(first.source, b.dc);
    EXPECT_EQ((std::vector<int>{first.x, first.y, first.width, first.height, first.sourceX, first.sourceY}),
              (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(log.records[1].kind, DrawRecord::Kind::StretchBlt);
    EXPECT_EQ(log.records[1].stretchMode, COLORONCOLOR);
}

} // namespace
} // namespace gb
