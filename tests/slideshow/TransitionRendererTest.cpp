// The transition renderer: the exact transfers, positions and sleeps of each effect,
// the final drawing, and the filters on the buffer.
#include "Timeline.h"
#include "slideshow/TransitionRenderer.h"

#include "platform/Random.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/Gdi.h"

#include <QImage>
#include <gtest/gtest.h>
#include <set>

namespace gb {
namespace {

constexpr QRgb kOld = 0xFF102030u; // what the window shows before the transition

// A picture whose every pixel differs: red = x, green = y, blue = 200.
QImage Pattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, 200));
    return image;
}

// A window showing an old picture, a buffer with the new one, and the renderer
// between them; D is placed at (left, top) in the window, S is the whole buffer.
struct Theater {
    Theater(int width, int height, int left = 0, int top = 0, int windowWidth = 0, int windowHeight = 0)
        : window(windowWidth ? windowWidth : width + 2 * left, windowHeight ? windowHeight : height + 2 * top),
          buffer(width, height), renderer(window, engine) {
        window.SetBackColor(Rgb(0, 0, 0));
        window.SetPersistentDrawing(true);
        window.DrawPicture(Picture::FromImage(Solid(window.Width(), window.Height(), kOld)), 0, 0);
        window.SetPersistentDrawing(false);
        buffer.SetPersistentDrawing(true);
        buffer.DrawPicture(Picture::FromImage(Pattern(width, height)), 0, 0);
        engine.Attach(buffer.hDC());
        renderer.D = {window.hDC(), window.Image(), int16_t(left), int16_t(top), int16_t(width), int16_t(height)};
        renderer.S = {buffer.hDC(), buffer.Image(), 0, 0, int16_t(width), int16_t(height)};
    }
    static QImage Solid(int width, int height, QRgb colour) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    QRgb Shown(int x, int y) const { return window.ScreenImage().pixel(x, y); }

    Canvas window;
    Canvas buffer;
    ClassEngine engine;
    TransitionRenderer renderer;
};

std::string Repeat(const std::string& words, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += (i ? " " : "") + words;
    return all;
}

struct Copy {
    int x, y, width, height, sourceX, sourceY;
    bool operator==(const Copy&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Copy& c) {
    return out << "(" << c.x << "," << c.y << " " << c.width << "x" << c.height << " from " << c.sourceX << ","
               << c.sourceY << ")";
}

std::vector<Copy> CopiesOf(const Timeline& timeline, DrawRecord::Kind kind = DrawRecord::Kind::BitBlt) {
    std::vector<Copy> copies;
    for (const DrawRecord& r : timeline.Draws(kind)) copies.push_back({r.x, r.y, r.width, r.height, r.sourceX, r.sourceY});
    return copies;
}

TEST(TransitionRenderer, EachEffectMakesItsTabledTransfersAndSleeps) {
    struct Case {
        const char* name;
        int effect;
        int width, height, left, top;
        std::string rhythm;                 // transfers and sleeps, final drawing excluded
        std::vector<std::pair<size_t, Copy>> copies; // some transfers by index
        size_t count;
    } cases[] = {
        // 25 pixels wide: strips of 1 pixel, 25 x f rounded with halves to even.
        {"horizontal wipe", 1, 25, 8, 5, 3, Repeat("B 10", 50),
         {{0, {5, 3, 1, 8, 0, 0}}, {1, {5, 3, 1, 8, 0, 0}}, {3, {7, 3, 1, 8, 2, 0}}, {5, {7, 3, 1, 8, 2, 0}},
          {49, {29, 3, 1, 8, 24, 0}}},
         50},
        {"vertical wipe", 2, 30, 640, 0, 0, Repeat("B 10", 50),
         {{0, {0, 0, 30, 13, 0, 0}}, {1, {0, 13, 30, 13, 0, 13}}, {49, {0, 627, 30, 13, 0, 627}}},
         50},
        // Half of 101 is 50.5, which rounds to 50.
        {"wipe from the centre", 3, 101, 51, 0, 0, Repeat("B 10", 50),
         {{0, {49, 24, 2, 1, 49, 24}}, {24, {25, 12, 50, 26, 25, 12}}, {49, {0, 0, 101, 51, 0, 0}}},
         50},
        {"horizontal slide", 4, 640, 8, 0, 0, Repeat("B 10", 20),
         {{0, {0, 0, 0, 8, 640, 0}}, {1, {0, 0, 32, 8, 608, 0}}, {10, {0, 0, 320, 8, 320, 0}}},
         20},
        {"vertical slide", 5, 8, 480, 0, 0, Repeat("B 10", 20),
         {{0, {0, 0, 8, 0, 0, 480}}, {19, {0, 0, 8, 456, 0, 24}}},
         20},
        // Strips at 0, 20, 40, then 50, 30, 10: the one at 50 is past the picture.
        {"horizontal blinds", 8, 64, 45, 2, 2, Repeat("B 20", 6),
         {{0, {2, 2, 64, 10, 0, 0}}, {2, {2, 42, 64, 10, 0, 40}}, {3, {2, 52, 64, 10, 0, 50}},
          {5, {2, 12, 64, 10, 0, 10}}},
         6},
        {"vertical blinds", 9, 45, 7, 0, 0, Repeat("B 20", 6),
         {{0, {0, 0, 10, 7, 0, 0}}, {3, {50, 0, 10, 7, 50, 0}}, {4, {30, 0, 10, 7, 30, 0}}},
         6},
        {"stripes", 10, 5, 3, 0, 0, "B B B 250 B B 250",
         {{0, {0, 0, 1, 3, 0, 0}}, {2, {4, 0, 1, 3, 4, 0}}, {3, {0, 0, 5, 1, 0, 0}}, {4, {0, 2, 5, 1, 0, 2}}},
         5},
    };
    for (const Case& c : cases) {
        Theater theater(c.width, c.height, c.left, c.top);
        Timeline timeline;
        theater.renderer.Render(false, {c.effect});
        EXPECT_EQ(timeline.Rhythm(), c.rhythm) << c.name;
        const std::vector<Copy> copies = CopiesOf(timeline);
        ASSERT_EQ(copies.size(), c.count) << c.name;
        for (const auto& [index, copy] : c.copies) EXPECT_EQ(copies[index], copy) << c.name << " #" << index;
        for (const DrawRecord& r : timeline.Draws(DrawRecord::Kind::BitBlt)) {
            EXPECT_EQ(r.target, theater.window.hDC());
            EXPECT_EQ(r.source, theater.buffer.hDC());
            EXPECT_EQ(r.rop, SRCCOPY);
        }
    }
}

TEST(TransitionRenderer, ZoomStretchesTheWholeBufferColourOnColour) {
    Theater theater(640, 480);
    Timeline timeline;
    theater.renderer.Render(false, {EffectZoomFromCentre});
    EXPECT_EQ(timeline.Rhythm(), Repeat("S 5", 10));
    const auto stretches = timeline.Draws(DrawRecord::Kind::StretchBlt);
    ASSERT_EQ(stretches.size(), 10u);
    EXPECT_EQ((Copy{stretches[0].x, stretches[0].y, stretches[0].width, stretches[0].height, 0, 0}),
              (Copy{288, 216, 64, 48, 0, 0}));
    for (const DrawRecord& r : stretches) {
        EXPECT_EQ(r.stretchMode, COLORONCOLOR);
        EXPECT_EQ((std::vector<int>{r.sourceX, r.sourceY, r.sourceWidth, r.sourceHeight}),
                  (std::vector<int>{0, 0, 640, 480}));
    }
    EXPECT_EQ(theater.Shown(639, 479), qRgb(639 & 0xFF, 479 & 0xFF, 200));
}

// Picks cells from a list of (column, row) pairs, then repeats the last.
class ScriptedCells : public RandomSource {
public:
    explicit ScriptedCells(std::vector<std::pair<int, int>> cells) {
        for (auto [c, r] : cells) values_.push_back(c / 10.0 + 0.05), values_.push_back(r / 10.0 + 0.05);
    }
    double Next() override {
        double value = values_[std::min(next_, values_.size() - 1)];
        ++next_;
        return value;
    }

private:
    std::vector<double> values_;
    size_t next_ = 0;
};

TEST(TransitionRenderer, DissolveEndsOnlyWhenAllHundredCellsAreDrawn) {
    // Cell (3, 1) first, then again four times (no drawing, no sleep), then every
    // cell in row order, (3, 1) included once more.
    std::vector<std::pair<int, int>> cells(5, {3, 1});
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 10; ++c) cells.push_back({c, r});
    ScriptedCells source(cells);
    SetRandomSource(&source);
    Theater theater(105, 55);
    Timeline timeline;
    theater.renderer.Render(false, {EffectDissolve});
    SetRandomSource(nullptr);
    EXPECT_EQ(timeline.Rhythm(), Repeat("B 10", 100));
    const std::vector<Copy> copies = CopiesOf(timeline);
    ASSERT_EQ(copies.size(), 100u);
    // 105 / 10 x 3 = 31.5 -> 32; 55 / 10 x 1 = 5.5 -> 6; cells are 11 x 6.
    EXPECT_EQ(copies[0], (Copy{32, 6, 11, 6, 32, 6}));
    EXPECT_EQ(copies[1], (Copy{0, 0, 11, 6, 0, 0}));
    EXPECT_EQ(copies[2], (Copy{10, 0, 11, 6, 10, 0})); // 10.5 -> 10
    std::set<std::pair<int, int>> places;
    for (const Copy& c : copies) places.insert({c.x, c.y});
    EXPECT_EQ(places.size(), 100u);
    for (int y = 0; y < 55; ++y)
        for (int x = 0; x < 105; ++x) ASSERT_EQ(theater.Shown(x, y), qRgb(x, y, 200)) << x << "," << y;
}

TEST(TransitionRenderer, DissolveWithAStuckRandomSourceStillEnds) {
    ScriptedCells stuck({{4, 4}});
    SetRandomSource(&stuck);
    Theater theater(40, 30);
    Timeline timeline;
    theater.renderer.Render(false, {EffectDissolve});
    SetRandomSource(nullptr);
    EXPECT_EQ(CopiesOf(timeline).size(), 100u);
    EXPECT_EQ(timeline.Sleeps().size(), 100u);
    EXPECT_EQ(theater.Shown(0, 0), qRgb(0, 0, 200));
}

TEST(TransitionRenderer, StripesLeaveTheOddColumnOddRowPixels) {
    Theater theater(9, 7, 1, 1);
    ScopedVirtualClock clock;
    theater.renderer.Render(false, {EffectStripes});
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool left = (x % 2 == 1) && (y % 2 == 1);
            EXPECT_EQ(theater.Shown(1 + x, 1 + y), left ? kOld : qRgb(x, y, 200)) << x << "," << y;
        }
    // The final drawing completes them.
    theater.renderer.Render(true, {});
    EXPECT_EQ(theater.Shown(2, 2), qRgb(1, 1, 200));
}

TEST(TransitionRenderer, FadeClonesTheWindowAndTheBufferOnEightBits) {
    Theater theater(20, 10, 4, 3, 40, 30);
    theater.renderer.D.Image = theater.window.Image();
    Timeline timeline;
    theater.renderer.Render(false, {EffectFade});
    // Each fade starts with the clone's snapshot.
    EXPECT_EQ(timeline.Rhythm(), "B " + Repeat("D 25", 11) + " B " + Repeat("D 25", 11));
    const auto frames = timeline.Draws(DrawRecord::Kind::StretchDIBits);
    ASSERT_EQ(frames.size(), 22u);
    // Fade out: the whole window at 0,0; fade in: the buffer at D's place.
    EXPECT_EQ((Copy{frames[0].x, frames[0].y, frames[0].width, frames[0].height, 0, 0}), (Copy{0, 0, 40, 30, 0, 0}));
    EXPECT_EQ((Copy{frames[11].x, frames[11].y, frames[11].width, frames[11].height, 0, 0}), (Copy{4, 3, 20, 10, 0, 0}));
    for (const DrawRecord& frame : frames) {
        EXPECT_EQ(frame.bitCount, 8);
        EXPECT_EQ(frame.target, theater.window.hDC());
    }
    // The fade-in source was the buffer (at palette colours) and the clones are gone.
    EXPECT_EQ(theater.Shown(4, 3), qRgb(0, 0, 204));
    EXPECT_EQ(theater.Shown(0, 0), qRgb(0, 0, 0)); // faded out
    EXPECT_FALSE(theater.engine.HasClone());
}

TEST(TransitionRenderer, FilterWithoutDisplayChangesTheBufferAlone) {
    Theater theater(12, 6, 2, 2);
    theater.buffer.SetPersistentDrawing(true);
    theater.buffer.FillRect(0, 0, 12, 6, Rgb(30, 20, 10));
    theater.renderer.S.Image = theater.buffer.Image();
    const QImage before = theater.window.ScreenImage().copy();
    Timeline timeline;
    theater.renderer.Render(false, {EffectSepia});
    EXPECT_EQ(theater.buffer.PersistentImage().pixel(11, 5), qRgb(20, 18, 14));
    EXPECT_EQ(theater.window.ScreenImage(), before);
    EXPECT_EQ(theater.window.PersistentImage().pixel(5, 5), kOld);
    for (const auto& e : timeline.entries) EXPECT_NE(e.draw.target, theater.window.hDC());
    EXPECT_TRUE(timeline.Sleeps().empty());
}

TEST(TransitionRenderer, UnknownEffectsDoNothing) {
    Theater theater(10, 10);
    Timeline timeline;
    theater.renderer.Render(false, {EffectNone, EffectRandom, 16, -1, 1000});
    EXPECT_TRUE(timeline.entries.empty());
}

TEST(TransitionRenderer, FinalDrawingInTheaterModeClearsDrawsThePictureAndOutlinesTheTitle) {
    Theater theater(60, 40, 30, 20);
    theater.renderer.TheaterMode = true;
    theater.renderer.ShowTitle = true;
    theater.renderer.Caption = "旅行 1";
    QFont font = theater.window.Font();
    font.setPixelSize(14);
    font.setBold(true);
    theater.window.SetFont(font);
    theater.window.SetForeColor(Rgb(255, 255, 255));
    Timeline timeline;
    theater.renderer.Render(true, {});
    const auto& e = timeline.entries;
    ASSERT_EQ(e.size(), 1u + 1 + 1 + 1 + 10 + 1);
    EXPECT_EQ(e[0].draw.kind, DrawRecord::Kind::BitBlt);
    EXPECT_EQ((Copy{e[0].draw.x, e[0].draw.y, e[0].draw.width, e[0].draw.height, e[0].draw.sourceX, e[0].draw.sourceY}),
              (Copy{30, 20, 60, 40, 0, 0}));
    EXPECT_EQ(e[1].draw.kind, DrawRecord::Kind::PersistentDrawing);
    EXPECT_TRUE(e[1].draw.on);
    EXPECT_EQ(e[2].draw.kind, DrawRecord::Kind::Clear);
    EXPECT_EQ(e[3].draw.kind, DrawRecord::Kind::DrawPicture);
    EXPECT_EQ((std::vector<int>{e[3].draw.x, e[3].draw.y, e[3].draw.width, e[3].draw.height}),
              (std::vector<int>{30, 20, 60, 40}));
    const int expected[9][2] = {{9, 9}, {10, 9}, {11, 9}, {9, 10}, {10, 10}, {11, 10}, {9, 11}, {10, 11}, {11, 11}};
    for (int i = 0; i < 9; ++i) {
        const DrawRecord& print = e[4 + size_t(i)].draw;
        EXPECT_EQ(print.kind, DrawRecord::Kind::Print);
        EXPECT_EQ(print.text, "旅行 1");
        EXPECT_EQ((std::vector<int>{print.x, print.y}), (std::vector<int>{expected[i][0], expected[i][1]}));
        EXPECT_EQ(print.colour, Rgb(0, 0, 0));
    }
    EXPECT_EQ((std::vector<int>{e[13].draw.x, e[13].draw.y}), (std::vector<int>{10, 10}));
    EXPECT_EQ(e[13].draw.colour, Rgb(255, 255, 255));
    EXPECT_FALSE(e[14].draw.on);

    // The window shows the picture on black, with white text outlined in black, and
    // a repaint brings the same back.
    theater.window.Refresh();
    EXPECT_EQ(theater.Shown(30 + 59, 20 + 39), qRgb(59, 39, 200));
    EXPECT_EQ(theater.Shown(100, 65), qRgb(0, 0, 0));
    int white = 0, black = 0;
    for (int y = 8; y < 30; ++y)
        for (int x = 8; x < 30; ++x) {
            const QRgb p = theater.Shown(x, y);
            white += qRed(p) > 240 && qBlue(p) > 240;
            black += p == qRgb(0, 0, 0);
        }
    EXPECT_GT(white, 10);
    EXPECT_GT(black, 10);
}

TEST(TransitionRenderer, FinalDrawingVariants) {
    {
        // Windowed: the buffer's image at D's corner at its own size, no clear, no title.
        Theater theater(30, 20, 0, 0, 50, 40);
        theater.renderer.ShowTitle = true;
        Timeline timeline;
        theater.renderer.Render(true, {});
        EXPECT_TRUE(timeline.Draws(DrawRecord::Kind::Clear).empty());
        EXPECT_TRUE(timeline.Draws(DrawRecord::Kind::Print).empty());
        const auto pictures = timeline.Draws(DrawRecord::Kind::DrawPicture);
        ASSERT_EQ(pictures.size(), 1u);
        EXPECT_EQ((std::vector<int>{pictures[0].width, pictures[0].height}), (std::vector<int>{30, 20}));
        EXPECT_EQ(theater.Shown(45, 35), kOld);
    }
    {
        // Buffer and display of different sizes: one colour-on-colour stretch.
        Theater theater(30, 20, 0, 0, 80, 60);
        theater.renderer.D.Width = 60;
        theater.renderer.D.Height = 40;
        Timeline timeline;
        theater.renderer.Render(true, {});
        EXPECT_EQ(timeline.Rhythm(), "S");
        EXPECT_EQ(timeline.Draws(DrawRecord::Kind::StretchBlt)[0].stretchMode, COLORONCOLOR);
        EXPECT_EQ(theater.Shown(59, 39), qRgb(29, 19, 200));
    }
    {
        // Display false skips the final drawing.
        Theater theater(30, 20);
        Timeline timeline;
        theater.renderer.Render(false, {});
        EXPECT_TRUE(timeline.entries.empty());
    }
}

} // namespace
} // namespace gb
