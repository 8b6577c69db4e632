// Pixels of metafiles drawn into rectangles: shapes, lines, text, bitmaps, mapping
// modes, clipping and saved states.
#include "MetafileWriter.h"
#include "platform/metafile/Metafile.h"
#include "platform/Cp932.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace gb {
namespace {

using test::EmfWriter;
using test::MakeDib;
using test::WmfWriter;

QImage Render(const std::vector<uint8_t>& bytes, QSize size, QRectF target = QRectF()) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    std::optional<Metafile> m = ReadMetafile(bytes);
    EXPECT_TRUE(m.has_value());
    if (!m) return image;
    QPainter painter(&image);
    m->Play(painter, target.isNull() ? QRectF(QPointF(0, 0), QSizeF(size)) : target);
    return image;
}

bool Near(QRgb pixel, QColor colour, int tolerance = 24) {
    return std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
           std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

// The bounding box of every pixel that is not white.
QRect Ink(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
    return box;
}

struct Probe {
    QPoint at;
    QColor colour;
};

void ExpectPixels(const QImage& image, std::initializer_list<Probe> probes) {
    for (const Probe& p : probes) {
        SCOPED_TRACE(QString("pixel %1,%2").arg(p.at.x()).arg(p.at.y()).toStdString());
        QRgb pixel = image.pixel(p.at);
        EXPECT_TRUE(Near(pixel, p.colour)) << std::hex << pixel;
    }
}

// A red rectangle without outline at (10, 10)-(50, 40) of a placeable picture whose box
// is (0, 0)-(100, 50); no record sets a window, so the box fills the target.
std::vector<uint8_t> RedRectangle() {
    return WmfWriter()
        .CreateBrush(0, Qt::red).SelectObject(0)
        .CreatePen(5, 0, Qt::black).SelectObject(1)
        .Rectangle(10, 10, 50, 40)
        .Bytes(true, QRect(0, 0, 100, 50), 96);
}

TEST(MetafilePlay, FilledRectangleScalesIntoAnyTarget) {
    // Twice the size: logical (10, 10)-(50, 40) covers pixels 20..99 and 20..79.
    ExpectPixels(Render(RedRectangle(), {200, 100}),
                 {{{60, 50}, Qt::red}, {{20, 20}, Qt::red}, {{99, 79}, Qt::red}, {{19, 19}, Qt::white},
                  {{100, 80}, Qt::white}, {{150, 50}, Qt::white}});
    // A thumbnail-sized target somewhere inside a larger sheet.
    QImage sheet = Render(RedRectangle(), {160, 80}, QRectF(80, 40, 50, 25));
    ExpectPixels(sheet, {{{92, 50}, Qt::red}, {{86, 44}, Qt::white}, {{10, 10}, Qt::white}});
    EXPECT_TRUE(QRect(80, 40, 50, 25).contains(Ink(sheet)));
}

TEST(MetafilePlay, DrawsLinesWithCosmeticAndWidePens) {
    // A 10 mm frame on a device of 4 pixels per millimetre: 40 pixels, drawn 1:1.
    for (int width : {0, 6}) {
        SCOPED_TRACE(width);
        std::vector<uint8_t> emf = EmfWriter(QRect(0, 0, 1000, 1000))
                                       .CreatePen(1, 0, width, Qt::blue).SelectObject(1)
                                       .MoveTo(5, 20).LineTo(35, 20)
                                       .Bytes();
        QImage image = Render(emf, {40, 40});
        QRect ink = Ink(image);
        EXPECT_TRUE(Near(image.pixel(20, 20), Qt::blue));
        EXPECT_NEAR(ink.height(), width == 0 ? 1 : 6, 1);
        EXPECT_NEAR(ink.left(), width == 0 ? 5 : 2, 1); // wide pens end in round caps
    }
}

TEST(MetafilePlay, DrawsJapaneseTextWhereItsAlignmentPutsIt) {
    struct Case {
        const char* name;
        int align;
        QPoint at;
        QRect area; // where the ink must lie
    };
    const Case cases[] = {
        {"top left", 0, {10, 10}, QRect(10, 10, 110, 60)},
        {"bottom right", 2 | 8, {190, 90}, QRect(80, 30, 110, 60)},
        {"baseline centre", 6 | 24, {100, 60}, QRect(40, 15, 120, 60)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> wmf = WmfWriter()
                                       .SetWindowExt(200, 100)
                                       .CreateFont(-40, Cp932("ＭＳ ゴシック"))
                                       .SelectObject(0)
                                       .SetTextColor(QColor(200, 0, 0))
                                       .SetBkMode(1)
                                       .SetTextAlign(c.align)
                                       .TextOut(c.at.x(), c.at.y(), Cp932("日本"))
                                       .Bytes();
        QImage image = Render(wmf, {200, 100});
        QRect ink = Ink(image);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(c.area.contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
        EXPECT_GT(ink.width(), 50); // two full-width characters of a 40-pixel font
        EXPECT_GT(ink.height(), 25);
        // The darkest pixel is the text colour.
        int best = 255 * 3;
        QRgb darkest = 0;
        for (int y = ink.top(); y <= ink.bottom(); ++y)
            for (int x = ink.left(); x <= ink.right(); ++x) {
                QRgb p = image.pixel(x, y);
                if (qRed(p) + qGreen(p) + qBlue(p) < best) best = qRed(p) + qGreen(p) + qBlue(p), darkest = p;
            }
        EXPECT_TRUE(Near(darkest, QColor(200, 0, 0), 40)) << std::hex << darkest;
    }
}

TEST(MetafilePlay, DrawsUnicodeTextOfEnhancedMetafiles) {
    std::vector<uint8_t> emf = EmfWriter(QRect(0, 0, 5000, 2500))
                                   .CreateFont(1, -60, u"ＭＳ 明朝").SelectObject(1)
                                   .Ints(18, {1}) // transparent background
                                   .ExtTextOutW(20, 20, u"写真A")
                                   .Bytes();
    QImage image = Render(emf, {200, 100});
    QRect ink = Ink(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 20);
    EXPECT_GE(ink.top(), 20);
    EXPECT_GT(ink.width(), 100); // three characters of 60 pixels
}

// A 2x2 picture: red, green on top; blue, yellow below (two colours for 1 bit).
QImage Quadrants(int bits) {
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(0, 1, bits == 1 ? qRgb(0, 255, 0) : qRgb(0, 0, 255));
    image.setPixel(1, 1, bits == 1 ? qRgb(255, 0, 0) : qRgb(255, 255, 0));
    return image;
}

TEST(MetafilePlay, DrawsEmbeddedBitmapsOfEveryDepth) {
    for (int bits : {1, 4, 8, 24, 32}) {
        QImage picture = Quadrants(bits);
        std::vector<uint8_t> dib = MakeDib(picture, bits);
        const std::pair<const char*, std::vector<uint8_t>> files[] = {
            {"StretchDIBits", EmfWriter(QRect(0, 0, 1000, 1000)).StretchDiBits(dib, bits, 2, 2, 0, 0, 40, 40).Bytes()},
            {"StretchDIB", WmfWriter().SetWindowExt(40, 40).StretchDib(dib, 2, 2, 0, 0, 40, 40).Bytes()},
        };
        for (const auto& [name, bytes] : files) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(bits) + " bits");
            QImage image = Render(bytes, {40, 40});
            ExpectPixels(image, {{{10, 10}, picture.pixel(0, 0)}, {{30, 10}, picture.pixel(1, 0)},
                                 {{10, 30}, picture.pixel(0, 1)}, {{30, 30}, picture.pixel(1, 1)}});
        }
    }
}

TEST(MetafilePlay, FollowsMappingModes) {
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        QPoint filled;
        QPoint empty;
    };
    auto emf = [] { return EmfWriter(QRect(0, 0, 1000, 1000)); }; // 40 x 40 device pixels
    const Case cases[] = {
        // 0.1 mm units, y upwards: 5 mm is 20 pixels, below the origin on the page.
        {"low metric", emf().SetMapMode(2).CreateBrush(1, Qt::red).SelectObject(1).Rectangle(0, 0, 50, -50).Bytes(),
         {10, 10}, {30, 30}},
        {"anisotropic", emf().SetMapMode(8).SetWindowExt(100, 100).SetViewportExt(40, 40)
                             .CreateBrush(1, Qt::red).SelectObject(1).Rectangle(50, 50, 100, 100).Bytes(),
         {30, 30}, {10, 10}},
        {"window origin", emf().SetMapMode(8).SetWindowOrg(-20, -20).SetWindowExt(40, 40).SetViewportExt(40, 40)
                               .CreateBrush(1, Qt::red).SelectObject(1).Rectangle(0, 0, 20, 20).Bytes(),
         {30, 30}, {10, 10}},
        {"world transform", emf().SetWorldTransform(2, 0, 0, 2, 0, 0)
                                 .CreateBrush(1, Qt::red).SelectObject(1).Rectangle(0, 0, 10, 10).Bytes(),
         {15, 15}, {25, 25}},
        // Equal scales: a 100 x 50 window in a square target fills its upper half.
        {"isotropic", WmfWriter().SetMapMode(7).SetWindowExt(100, 50).CreateBrush(0, Qt::red).SelectObject(0)
                          .Rectangle(0, 0, 100, 50).Bytes(true, QRect(0, 0, 100, 100), 1440),
         {20, 10}, {20, 30}},
        // No extent anywhere: the measured bounds of the drawing fill the target, also
        // when the file moves its window origin.
        {"measured bounds", WmfWriter().SetWindowOrg(5, 5).CreatePen(5, 0, Qt::black).SelectObject(0)
                                .CreateBrush(0, Qt::red).SelectObject(1).Rectangle(10, 20, 30, 40)
                                .CreateBrush(0, Qt::white).SelectObject(2).Rectangle(30, 40, 50, 60).Bytes(),
         {10, 10}, {30, 30}},
        {"placeable box offset", WmfWriter().CreateBrush(0, Qt::red).SelectObject(0).Rectangle(100, 100, 150, 150)
                                     .Bytes(true, QRect(100, 100, 100, 100), 1440),
         {10, 10}, {30, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image = Render(c.bytes, {40, 40});
        ExpectPixels(image, {{c.filled, Qt::red}, {c.empty, Qt::white}});
    }
}

TEST(MetafilePlay, PieRunsCounterclockwiseOnTheDeviceWhateverTheAxes) {
    // From the right end of the ellipse to its top: the upper right quarter.
    const std::pair<const char*, std::vector<uint8_t>> cases[] = {
        {"y down", WmfWriter().SetWindowExt(40, 40).CreateBrush(0, Qt::red).SelectObject(0)
                       .Pie(0, 0, 40, 40, 40, 20, 20, 0).Bytes()},
        {"y up", EmfWriter(QRect(0, 0, 1000, 1000)).SetMapMode(2).SetWindowOrg(0, 0)
                     .CreateBrush(1, Qt::red).SelectObject(1).Pie(0, 0, 100, -100, 100, -50, 50, 0).Bytes()},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        QImage image = Render(bytes, {40, 40});
        ExpectPixels(image, {{{28, 12}, Qt::red}, {{12, 12}, Qt::white}, {{28, 28}, Qt::white}, {{12, 28}, Qt::white}});
    }
}

TEST(MetafilePlay, ClipsAndRestoresSavedStates) {
    std::vector<uint8_t> emf = EmfWriter(QRect(0, 0, 1000, 1000))
                                   .CreateBrush(1, Qt::red).SelectObject(1)
                                   .IntersectClipRect(0, 0, 20, 20)
                                   .SaveDc()
                                   .IntersectClipRect(0, 0, 10, 10)
                                   .CreateBrush(2, Qt::blue).SelectObject(2)
                                   .RestoreDc(-1)
                                   .Rectangle(-100, -100, 100, 100)
                                   .Bytes();
    // The restored state has the red brush and the 20-pixel clip again.
    ExpectPixels(Render(emf, {40, 40}), {{{15, 15}, Qt::red}, {{5, 5}, Qt::red}, {{25, 25}, Qt::white}});

    // WMF: a clip rectangle, and nothing outside the target whatever the records draw.
    std::vector<uint8_t> wmf = WmfWriter()
                                   .SetWindowExt(40, 40)
                                   .CreateBrush(0, Qt::red).SelectObject(0)
                                   .IntersectClipRect(10, 10, 30, 30)
                                   .Rectangle(-1000, -1000, 1000, 1000)
                                   .Bytes();
    QImage image = Render(wmf, {80, 80}, QRectF(20, 20, 40, 40));
    EXPECT_EQ(Ink(image), QRect(30, 30, 20, 20));
}

TEST(MetafilePlay, CombinesClipRegionsByTheirModes) {
    // The left half is the clip; a region of the top half is combined with it.
    struct Case {
        int mode;
        bool topLeft, topRight, bottomLeft, bottomRight;
    };
    const Case cases[] = {
        {1, true, false, false, false}, // and
        {2, true, true, true, false},   // or
        {3, false, true, true, false},  // xor
        {4, false, false, true, false}, // difference
        {5, true, true, false, false},  // copy
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        std::vector<uint8_t> emf = EmfWriter(QRect(0, 0, 1000, 1000))
                                       .CreateBrush(1, Qt::red).SelectObject(1)
                                       .IntersectClipRect(0, 0, 20, 40)
                                       .ExtSelectClipRgn({QRect(0, 0, 40, 20)}, c.mode)
                                       .Rectangle(0, 0, 40, 40)
                                       .Bytes();
        QImage image = Render(emf, {40, 40});
        auto colour = [](bool filled) { return filled ? QColor(Qt::red) : QColor(Qt::white); };
        ExpectPixels(image, {{{10, 10}, colour(c.topLeft)}, {{30, 10}, colour(c.topRight)},
                             {{10, 30}, colour(c.bottomLeft)}, {{30, 30}, colour(c.bottomRight)}});
    }
}

} // namespace
} // namespace gb
