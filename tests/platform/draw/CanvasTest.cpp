// Canvases: the screen image, the persistent image and the switch between them.
#include "platform/draw/Canvas.h"
#include "platform/draw/DrawRecorder.h"
#include "platform/draw/Gdi.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

namespace gb {
namespace {

constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kBlue = Rgb(0, 0, 255);
constexpr ColorRef kBlack = Rgb(0, 0, 0);

ColorRef ScreenAt(const Canvas& canvas, int x, int y) { return FromQRgb(canvas.ScreenImage().pixel(x, y)); }
ColorRef PersistentAt(const Canvas& canvas, int x, int y) { return FromQRgb(canvas.PersistentImage().pixel(x, y)); }

TEST(Canvas, DrawingFollowsThePersistentSwitchAndClearAndRefreshRestore) {
    Canvas canvas(20, 10);
    canvas.SetBackColor(kBlack);
    canvas.SetPersistentDrawing(true);
    canvas.Clear();
    canvas.FillRect(0, 0, 5, 5, kRed);
    // Persistent drawing reaches the screen when the switch goes off.
    EXPECT_EQ(PersistentAt(canvas, 1, 1), kRed);
    canvas.SetPersistentDrawing(false);
    EXPECT_EQ(ScreenAt(canvas, 1, 1), kRed);
    EXPECT_EQ(ScreenAt(canvas, 10, 1), kBlack);

    // Drawing with the switch off stays off the persistent image ...
    canvas.FillRect(8, 0, 5, 5, kBlue);
    SetPixel(canvas.hDC(), 15, 8, kBlue);
    EXPECT_EQ(ScreenAt(canvas, 9, 1), kBlue);
    EXPECT_EQ(ScreenAt(canvas, 15, 8), kBlue);
    EXPECT_EQ(PersistentAt(canvas, 9, 1), kBlack);
    // ... and a clear (or a refresh) gives the screen the persistent image back.
    canvas.Clear();
    EXPECT_EQ(ScreenAt(canvas, 9, 1), kBlack);
    EXPECT_EQ(ScreenAt(canvas, 1, 1), kRed);
    canvas.FillRect(8, 0, 5, 5, kBlue);
    canvas.Refresh();
    EXPECT_EQ(ScreenAt(canvas, 9, 1), kBlack);

    // The device context reads what it draws into: the active image.
    EXPECT_EQ(GetPixel(canvas.hDC(), 1, 1), kRed);
    // A clear with the switch on empties the persistent image too.
    canvas.SetPersistentDrawing(true);
    canvas.Clear();
    canvas.SetPersistentDrawing(false);
    EXPECT_EQ(ScreenAt(canvas, 1, 1), kBlack);
    EXPECT_EQ(PersistentAt(canvas, 1, 1), kBlack);
}

TEST(Canvas, BackgroundPictureAndImage) {
    QImage stripes(4, 2, QImage::Format_RGB32);
    stripes.fill(Qt::green);
    Canvas canvas(6, 3);
    canvas.SetBackColor(kBlack);
    canvas.SetBackgroundPicture(Picture::FromImage(stripes));
    EXPECT_EQ(PersistentAt(canvas, 3, 1), Rgb(0, 255, 0));
    EXPECT_EQ(PersistentAt(canvas, 5, 2), kBlack);
    EXPECT_EQ(ScreenAt(canvas, 3, 1), Rgb(0, 255, 0));
    // The image is a bitmap picture of the canvas's size, taken at that moment.
    Picture image = canvas.Image();
    EXPECT_EQ(image.Type(), PictureType::Bitmap);
    EXPECT_EQ(image.PixelWidth(), 6);
    EXPECT_EQ(image.PixelHeight(), 3);
    canvas.SetPersistentDrawing(true);
    canvas.FillRect(0, 0, 6, 3, kRed);
    EXPECT_EQ(FromQRgb(image.Image().pixel(0, 0)), Rgb(0, 255, 0));
    // A clear with the switch on restores the background picture.
    canvas.Clear();
    EXPECT_EQ(PersistentAt(canvas, 0, 0), Rgb(0, 255, 0));
    // Growing keeps what was drawn; the new part shows the background.
    canvas.SetPersistentDrawing(false);
    canvas.Resize(2, 2);
    canvas.Resize(8, 3);
    EXPECT_EQ(PersistentAt(canvas, 0, 0), Rgb(0, 255, 0));
    EXPECT_EQ(ScreenAt(canvas, 3, 1), Rgb(0, 255, 0));
    EXPECT_EQ(PersistentAt(canvas, 3, 1), Rgb(0, 255, 0));
    EXPECT_EQ(PersistentAt(canvas, 7, 0), kBlack);
}

TEST(Canvas, PrintsTextInTheForeColourAndMovesToTheNextLine) {
    Canvas canvas(200, 60);
    canvas.SetBackColor(kBlack);
    canvas.SetPersistentDrawing(true);
    canvas.Clear();
    QFont font = canvas.Font();
    font.setPixelSize(20);
    font.setBold(true);
    canvas.SetFont(font);
    canvas.SetForeColor(Rgb(255, 255, 255));
    canvas.SetCurrentPosition(10, 10);
    const std::string text = "写真 Album";
    canvas.Print(text);
    const int width = canvas.TextWidth(text), height = canvas.TextHeight(text);
    EXPECT_GT(width, 40);
    EXPECT_GE(height, 20);
    EXPECT_EQ(canvas.CurrentX(), 0);
    EXPECT_EQ(canvas.CurrentY(), 10 + height);
    int white = 0, outside = 0;
    const QImage& image = canvas.PersistentImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (qRed(image.pixel(x, y)) < 200) continue;
            const bool inBox = x >= 10 && x < 10 + width + 2 && y >= 10 && y < 10 + height;
            (inBox ? white : outside)++;
        }
    EXPECT_GT(white, 50);
    EXPECT_EQ(outside, 0);
}

TEST(Canvas, LinesAndPointsUseTheDrawWidth) {
    Canvas canvas(40, 40);
    canvas.SetBackColor(kBlack);
    canvas.SetPersistentDrawing(true);
    canvas.Clear();
    canvas.SetPersistentDrawing(false);
    canvas.SetForeColor(kRed);
    canvas.SetDrawWidth(1);
    canvas.Line(0, 5, 30, 5);
    EXPECT_EQ(ScreenAt(canvas, 15, 5), kRed);
    EXPECT_EQ(ScreenAt(canvas, 15, 7), kBlack);
    canvas.SetDrawWidth(10);
    canvas.SetPixel(20, 25);
    EXPECT_EQ(ScreenAt(canvas, 20, 25), kRed);
    EXPECT_EQ(ScreenAt(canvas, 23, 25), kRed);
    EXPECT_EQ(ScreenAt(canvas, 30, 25), kBlack);
    EXPECT_EQ(canvas.CurrentX(), 20);
}

TEST(Canvas, BoundWindowShowsTheScreenImage) {
    QWidget window;
    window.resize(50, 40);
    Canvas canvas;
    canvas.Bind(HandleOf(&window));
    EXPECT_EQ(canvas.Width(), 50);
    EXPECT_EQ(canvas.Height(), 40);
    window.show();
    canvas.SetBackColor(kBlack);
    canvas.SetPersistentDrawing(true);
    canvas.Clear();
    canvas.SetPersistentDrawing(false);
    canvas.FillRect(10, 10, 10, 10, kRed);
    QImage shown = window.grab().toImage();
    EXPECT_EQ(FromQRgb(shown.pixel(15, 15)), kRed);
    EXPECT_EQ(FromQRgb(shown.pixel(30, 30)), kBlack);
    window.resize(80, 60);
    QApplication::processEvents();
    EXPECT_EQ(canvas.Width(), 80);
    EXPECT_EQ(ScreenAt(canvas, 15, 15), kRed);
}

// Counts the paint events a window receives.
struct PaintCounter : QObject {
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

TEST(Canvas, ScreenDrawingIsPaintedByTheEventLoopOrAtOnceWhenPresented) {
    QWidget window;
    window.resize(30, 20);
    Canvas canvas;
    canvas.Bind(HandleOf(&window));
    PaintCounter counter;
    window.installEventFilter(&counter);
    window.show();
    for (int i = 0; i < 100 && !window.windowHandle()->isExposed(); ++i) QApplication::processEvents();
    QApplication::processEvents();
    const int before = counter.paints;
    canvas.FillRect(0, 0, 5, 5, kRed);
    EXPECT_EQ(counter.paints, before);
    PresentScreens();
    EXPECT_EQ(counter.paints, before + 1);
    PresentScreens(); // nothing new to show
    EXPECT_EQ(counter.paints, before + 1);
    canvas.FillRect(0, 0, 5, 5, kBlue);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, before + 2);
    EXPECT_EQ(FromQRgb(window.grab().toImage().pixel(2, 2)), kBlue);
}

TEST(Canvas, CanvasOperationsAreRecorded) {
    Canvas canvas(10, 10);
    ScopedDrawLog log;
    canvas.SetPersistentDrawing(true);
    canvas.Clear();
    canvas.SetForeColor(kRed);
    canvas.SetCurrentPosition(3, 4);
    canvas.Print("A");
    canvas.SetPersistentDrawing(false);
    ASSERT_EQ(log.records.size(), 4u);
    EXPECT_EQ(log.records[0].kind, DrawRecord::Kind::PersistentDrawing);
    EXPECT_TRUE(log.records[0].on);
    EXPECT_EQ(log.records[1].kind, DrawRecord::Kind::Clear);
    EXPECT_EQ(log.records[2].kind, DrawRecord::Kind::Print);
    EXPECT_EQ(log.records[2].text, "A");
    EXPECT_EQ(log.records[2].x, 3);
    EXPECT_EQ(log.records[2].colour, kRed);
    EXPECT_FALSE(log.records[3].on);
    EXPECT_EQ(log.records[3].target, canvas.hDC());
}

} // namespace
} // namespace gb
