// The printer canvas on the PDF printer: printable area and settings, the text model,
// documents that end, are abandoned or refused, and pictures scaled into rectangles.
// The printed files are read back with poppler's tools.
#include "PdfReader.h"
#include "platform/print/PrintDocument.h"
#include "platform/print/PrinterCanvas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

namespace gb {
namespace {

using test::PdfPageCount;
using test::PdfPageImage;
using test::PdfText;

class PrinterCanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        PrinterCanvas& p = Printer();
        ASSERT_TRUE(p.SelectPrinter(kPdfPrinterName));
        p.SetPort(File("out.pdf").toStdString());
        p.SetPaperSize(DMPAPER_A4);
        p.SetOrientation(DMORIENT_PORTRAIT);
        p.SetColorMode(DMCOLOR_COLOR);
        p.SetZoom(0);
        p.SetScaleMode(ScaleCentimeters);
        p.SetFont({"ＭＳ Ｐ明朝", 8});
    }
    void TearDown() override { Printer().KillDoc(); }
    QString File(const char* name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

TEST_F(PrinterCanvasTest, ThePdfPrinterLeavesFiveMillimetresRoundThePaper) {
    struct Case {
        int16_t paper, orientation, zoom, scale;
        double width, height;
    } cases[] = {
        {DMPAPER_A4, DMORIENT_PORTRAIT, 0, ScaleCentimeters, 20.0, 28.7},
        {DMPAPER_A4, DMORIENT_LANDSCAPE, 0, ScaleCentimeters, 28.7, 20.0},
        {DMPAPER_A5, DMORIENT_PORTRAIT, 0, ScaleCentimeters, 13.8, 20.0},
        {DMPAPER_A4, DMORIENT_PORTRAIT, 200, ScaleCentimeters, 10.0, 14.35},
        {DMPAPER_A4, DMORIENT_PORTRAIT, 0, ScaleMillimeters, 200.0, 287.0},
        {DMPAPER_A4, DMORIENT_PORTRAIT, 0, ScaleTwips, 200.0 / 25.4 * 1440, 287.0 / 25.4 * 1440},
    };
    PrinterCanvas& p = Printer();
    for (const Case& c : cases) {
        p.SetPaperSize(c.paper);
        p.SetOrientation(c.orientation);
        p.SetZoom(c.zoom);
        p.SetScaleMode(c.scale);
        // Paper sizes are whole points, so a size in millimetres comes out up to 0.3 mm off.
        EXPECT_NEAR(p.ScaleWidth(), c.width, c.width * 0.003) << c.paper << "/" << c.orientation << "/" << c.zoom;
        EXPECT_NEAR(p.ScaleHeight(), c.height, c.height * 0.003) << c.paper << "/" << c.orientation << "/" << c.zoom;
    }
}

TEST_F(PrinterCanvasTest, SettingsTheDeviceCannotTakeLeaveTheOldValue) {
    PrinterCanvas& p = Printer();
    p.SetPaperSize(DMPAPER_A5);
    p.SetPaperSize(0);
    p.SetPaperSize(30000);
    EXPECT_EQ(p.PaperSize(), DMPAPER_A5);
    p.SetOrientation(DMORIENT_LANDSCAPE);
    p.SetOrientation(7);
    EXPECT_EQ(p.Orientation(), DMORIENT_LANDSCAPE);
    p.SetCopies(3);
    p.SetCopies(0);
    EXPECT_EQ(p.Copies(), 3);
    p.SetColorMode(DMCOLOR_MONOCHROME);
    EXPECT_EQ(p.ColorMode(), DMCOLOR_MONOCHROME);
    p.SetPrintQuality(600);
    EXPECT_EQ(p.Resolution(), 600);
    EXPECT_NEAR(p.ScaleWidth(), 20.0, 0.05); // the area does not depend on the resolution
    p.SetPrintQuality(1200);
    EXPECT_FALSE(p.SelectPrinter("no such printer"));
    EXPECT_EQ(p.DeviceName(), kPdfPrinterName);
    p.SetCopies(1);
}

TEST_F(PrinterCanvasTest, TextMovesThePositionAlongTheLineOrDownToTheNextOne) {
    PrinterCanvas& p = Printer();
    p.SetCurrentX(0);
    p.SetCurrentY(0.5);
    const double height = p.TextHeight("あ");
    ASSERT_GT(height, 0.2);
    ASSERT_LT(height, 0.6); // 8 points are about 0.28 cm; the line a little more

    ASSERT_TRUE(p.Print("2024年 5月 3日 金曜日", false));
    EXPECT_NEAR(p.CurrentX(), p.TextWidth("2024年 5月 3日 金曜日"), 1e-6);
    EXPECT_DOUBLE_EQ(p.CurrentY(), 0.5);

    // The next print zone is the next multiple of 14 average character widths.
    const double before = p.CurrentX();
    p.SetCurrentX(0);
    p.NextPrintZone();
    const double zoneWidth = p.CurrentX();
    ASSERT_GT(zoneWidth, 0);
    p.SetCurrentX(before);
    p.NextPrintZone();
    EXPECT_GT(p.CurrentX(), before);
    EXPECT_LE(p.CurrentX() - before, zoneWidth + 1e-9);
    EXPECT_NEAR(std::fmod(p.CurrentX() + 1e-9, zoneWidth), 0, 1e-6);
    const double onBoundary = p.CurrentX();
    p.NextPrintZone();
    EXPECT_NEAR(p.CurrentX(), onBoundary + zoneWidth, 1e-6);

    ASSERT_TRUE(p.Print("12 ｱｲﾃﾑ", true));
    EXPECT_EQ(p.CurrentX(), 0);
    EXPECT_NEAR(p.CurrentY(), 0.5 + height, 1e-9);
    ASSERT_TRUE(p.Print("", true)); // an empty line
    EXPECT_NEAR(p.CurrentY(), 0.5 + 2 * height, 1e-9);

    // A bigger font has a taller line and wider text.
    p.SetFont({"ＭＳ Ｐゴシック", 12});
    EXPECT_GT(p.TextHeight("あ"), height * 1.3);
    EXPECT_EQ(p.TextHeight("a\nb"), 2 * p.TextHeight("a"));
}

TEST_F(PrinterCanvasTest, EndDocPrintsEveryPageWithItsTexts) {
    PrinterCanvas& p = Printer();
    ASSERT_TRUE(p.Print("夏の旅行", true));
    EXPECT_EQ(p.Page(), 1);
    ASSERT_TRUE(p.Line(0, 1, p.ScaleWidth(), 1));
    EXPECT_NEAR(p.CurrentX(), p.ScaleWidth(), 1e-9);
    EXPECT_EQ(p.CurrentY(), 1);
    ASSERT_TRUE(p.NewPage());
    EXPECT_EQ(p.Page(), 2);
    EXPECT_EQ(p.CurrentX(), 0);
    EXPECT_EQ(p.CurrentY(), 0);
    ASSERT_TRUE(p.NewPage());
    ASSERT_TRUE(p.Print("IMG_0001.JPG", false));
    EXPECT_FALSE(QFile::exists(File("out.pdf"))); // nothing is printed before the end
    ASSERT_TRUE(p.EndDoc());
    EXPECT_EQ(p.Page(), 1);
    EXPECT_EQ(PdfPageCount(File("out.pdf")), 3);
    const QString text = PdfText(File("out.pdf"));
    EXPECT_TRUE(text.contains("夏の旅行")) << text.toStdString();
    EXPECT_TRUE(text.contains("IMG_0001.JPG")) << text.toStdString();
}

TEST_F(PrinterCanvasTest, AnAbandonedDocumentPrintsNothingAndKeepsTheOldFile) {
    QFile old(File("out.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    PrinterCanvas& p = Printer();
    ASSERT_TRUE(p.Print("x", true));
    ASSERT_TRUE(p.NewPage());
    p.KillDoc();
    EXPECT_EQ(p.Page(), 1);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.pdf"});

    // A document with no output prints nothing either.
    p.SetPort(File("empty.pdf").toStdString());
    EXPECT_TRUE(p.EndDoc());
    EXPECT_FALSE(QFile::exists(File("empty.pdf")));
}

TEST_F(PrinterCanvasTest, ARefusedDocumentFailsToTheEndAndTheNextOneStartsAfresh) {
    PrinterCanvas& p = Printer();
    p.SetPort(File("missing/folder/out.pdf").toStdString());
    EXPECT_FALSE(p.Print("x", true));
    EXPECT_FALSE(p.NewPage());
    EXPECT_FALSE(p.Line(0, 0, 1, 1));
    EXPECT_FALSE(p.EndDoc());

    p.SetPort(File("next.pdf").toStdString());
    ASSERT_TRUE(p.Print("x", true));
    ASSERT_TRUE(p.EndDoc());
    EXPECT_EQ(PdfPageCount(File("next.pdf")), 1);
}

TEST_F(PrinterCanvasTest, PicturesFillTheirRectangleAtAResolutionPaperCanShow) {
    PrinterCanvas& p = Printer();
    QImage red(400, 200, QImage::Format_RGB32);
    red.fill(Qt::red);
    // A large camera-sized picture of noise, which compresses badly at full size.
    QImage noise(4000, 3000, QImage::Format_RGB32);
    uint32_t state = 12345;
    for (int y = 0; y < noise.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(noise.scanLine(y));
        for (int x = 0; x < noise.width(); ++x) line[x] = (state = state * 1664525u + 1013904223u) | 0xFF000000u;
    }
    EXPECT_FALSE(p.PaintPicture(Picture(), 0, 0, 1, 1));
    ASSERT_TRUE(p.PaintPicture(Picture::FromImage(red), 2, 3, 4, 2));
    ASSERT_TRUE(p.PaintPicture(Picture::FromImage(noise), 10, 10, 4, 3));
    ASSERT_TRUE(p.EndDoc());
    EXPECT_LT(QFile(File("out.pdf")).size(), 2 << 20);

    // At 50 dots per inch one centimetre is 19.7 pixels; the printable area starts 0.5 cm in.
    const QImage page = PdfPageImage(File("out.pdf"), 1, 50);
    ASSERT_FALSE(page.isNull());
    // Pictures are stored compressed, so colours may be a little off.
    auto at = [&](double xCm, double yCm) {
        const QColor c = page.pixel(int((xCm + 0.5) * 50 / 2.54), int((yCm + 0.5) * 50 / 2.54));
        return c.red() > 240 && c.green() < 16 && c.blue() < 16 ? "red" : c == Qt::white ? "white" : "other";
    };
    EXPECT_STREQ(at(2.2, 3.2), "red");
    EXPECT_STREQ(at(5.8, 4.8), "red");
    EXPECT_STREQ(at(6.3, 4.0), "white");
    EXPECT_STREQ(at(4.0, 5.3), "white");
    EXPECT_STREQ(at(1.7, 4.0), "white");
}

TEST_F(PrinterCanvasTest, MonochromePrintingTurnsColoursGrey) {
    PrinterCanvas& p = Printer();
    p.SetColorMode(DMCOLOR_MONOCHROME);
    QImage red(100, 100, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(p.PaintPicture(Picture::FromImage(red), 1, 1, 2, 2));
    ASSERT_TRUE(p.EndDoc());
    const QColor c = PdfPageImage(File("out.pdf"), 1, 50).pixel(int(2.5 * 50 / 2.54), int(2.5 * 50 / 2.54));
    EXPECT_EQ(c.red(), c.green());
    EXPECT_EQ(c.green(), c.blue());
    EXPECT_LT(c.red(), 200);
}

TEST(PrintDocumentTest, AJobCupsRefusesFailsAndLeavesNoTemporaryFile) {
    QTemporaryDir temp;
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.path().toUtf8());
    PrintTarget target;
    target.Queue = "glimmerbox-no-such-queue";
    target.Title = "test";
    target.Layout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    std::unique_ptr<PrintDocument> document = PrintDocument::Begin(target);
    ASSERT_TRUE(document);
    document->Painter().drawText(QPointF(100, 100), "x");
    EXPECT_FALSE(document->End());
    document.reset();
    if (oldTemp.isNull()) qunsetenv("TMPDIR");
    else qputenv("TMPDIR", oldTemp);
    EXPECT_TRUE(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

} // namespace
} // namespace gb
