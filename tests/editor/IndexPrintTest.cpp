// The index print on the PDF printer, read back with poppler's tools: the header, the
// grid of five columns with pictures keeping their shape in the upper-left corner of
// their squares, page breaks with page numbers, and failures that print nothing.
#include "EditorTestSupport.h"
#include "album/AlbumRecords.h"
#include "editor/IndexPrint.h"
#include "platform/Conventions.h"
#include "platform/print/PrinterCanvas.h"
#include "tests/platform/print/PdfReader.h"
#include "tests/shell/ModalDriver.h"

#include <QBuffer>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace gb {
namespace {

using test::DialogEcho;
using test::OpenAlbum;
using test::PdfPageCount;
using test::PdfPageImage;
using test::PdfText;

constexpr double kPointsPerCm = 72 / 2.54;

// One word of a page with its box in points from the page's upper-left corner.
struct Word {
    QString text;
    double x = 0, y = 0;
};

std::vector<Word> PdfWords(const QString& file, int page) {
    QProcess process;
    process.start("pdftotext", {"-bbox", "-enc", "UTF-8", "-f", QString::number(page), "-l", QString::number(page),
                                file, "-"});
    process.waitForFinished(60000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    std::vector<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return words;
}

const Word* Find(const std::vector<Word>& words, const QString& text) {
    for (const Word& w : words)
        if (w.text == text) return &w;
    return nullptr;
}

QByteArray Picture(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The colour's strongest channel: 'r', 'g', 'b', or 'w' for white.
char Channel(QRgb pixel) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    if (r > 200 && g > 200 && b > 200) return 'w';
    return r > g && r > b ? 'r' : g > b ? 'g' : 'b';
}

class IndexPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrinterCanvas& p = Printer();
        ASSERT_TRUE(p.SelectPrinter(kPdfPrinterName));
        p.SetPort(Pdf().toStdString());
        p.SetPaperSize(DMPAPER_A4);
        p.SetOrientation(DMORIENT_PORTRAIT);
        p.SetColorMode(DMCOLOR_COLOR);
        p.SetZoom(0);
        host.ShowStatus = [this](std::optional<bool> busy, int16_t message) {
            status.push_back((busy ? (*busy ? "+" : "-") : "=") + std::to_string(message));
        };
        host.Repaint = [this] { ++repaints; };
    }
    void TearDown() override { Printer().KillDoc(); }
    QString Pdf() const { return dir.filePath("index.pdf"); }
    // An album of `count` galleries titled "題1", "題2" ...; the first three are a
    // red square, a green landscape and a blue portrait, the rest grey.
    void MakeAlbum(int count) {
        OpenAlbum::Files files;
        for (int i = 1; i <= count; ++i) {
            const QByteArray bytes = i == 1   ? Picture(60, 60, Qt::red)
                                     : i == 2 ? Picture(80, 40, Qt::green)
                                     : i == 3 ? Picture(40, 80, Qt::blue)
                                              : Picture(30, 30, Qt::gray);
            files.emplace_back(QString("p%1.bmp").arg(i, 2, 10, QChar('0')).toStdString(), bytes);
        }
        album = std::make_unique<OpenAlbum>(dir, "夏の旅行", files);
        Album.Title = "夏の旅行";
        Album.Stamp = DateFromParts({2024, 5, 3});
        for (int i = 1; i <= Album.GalleryCount; ++i) Album.Gallery(i).Title = "題" + std::to_string(i);
    }

    QTemporaryDir dir;
    std::unique_ptr<OpenAlbum> album;
    IndexPrintHost host;
    std::vector<std::string> status;
    int repaints = 0;
};

TEST_F(IndexPrintTest, AnAlbumWithoutGalleriesPrintsTheHeaderAndPageOne) {
    DialogEcho echo;
    MakeAlbum(0);
    const AlbumInfo before = Album;
    PrintIndex(host);
    EXPECT_EQ(echo.Take().substr(0, 12), "PrintDialog\t");
    EXPECT_EQ(status, (std::vector<std::string>{"+2006", "-0"}));
    EXPECT_EQ(repaints, 1);
    EXPECT_TRUE(Album == before); // the print changes nothing in the album
    ASSERT_EQ(PdfPageCount(Pdf()), 1);
    const QString text = PdfText(Pdf());
    EXPECT_TRUE(text.contains("夏の旅行")) << text.toStdString();
    EXPECT_TRUE(QRegularExpression("2024年 5月 3日 金曜日\\s+ｱｲﾃﾑ").match(text).hasMatch()) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString(Album.Folder))) << text.toStdString();
    const std::vector<Word> words = PdfWords(Pdf(), 1);
    const Word* number = Find(words, "1");
    ASSERT_TRUE(number);
    EXPECT_GT(number->x, 400); // right-aligned at the foot of the page
    EXPECT_GT(number->y, 700);
}

TEST_F(IndexPrintTest, GalleriesFillFiveColumnsAndKeepTheirShapeInTheirSquares) {
    DialogEcho echo;
    MakeAlbum(6);
    PrintIndex(host);
    ASSERT_EQ(status, (std::vector<std::string>{"+2006", "-0"}));
    ASSERT_EQ(PdfPageCount(Pdf()), 1);
    const std::vector<Word> words = PdfWords(Pdf(), 1);
    const Word *first = Find(words, "題1"), *fifth = Find(words, "題5"), *sixth = Find(words, "題6");
    ASSERT_TRUE(first && fifth && sixth);
    EXPECT_TRUE(Find(words, "p05.bmp"));
    EXPECT_TRUE(QRegularExpression("6 ｱｲﾃﾑ").match(PdfText(Pdf())).hasMatch());
    const double cell = (fifth->x - first->x) / 4; // points
    ASSERT_GT(cell, 2.5 * kPointsPerCm);
    EXPECT_NEAR(fifth->y, first->y, 1);
    EXPECT_NEAR(sixth->x, first->x, 1);            // gallery 6 starts the second row at x = 0
    EXPECT_GT(sixth->y, first->y + cell);

    // The squares stand above their captions, at 72 dots per inch one dot a point.
    const QImage page = PdfPageImage(Pdf(), 1, 72);
    ASSERT_FALSE(page.isNull());
    const double top = first->y - cell;
    const auto at = [&](int column, double fx, double fy) {
        return Channel(page.pixel(int(first->x + column * cell + fx * cell), int(top + fy * cell)));
    };
    struct Case {
        int column;
        double fx, fy;
        char expected;
    } cases[] = {
        {0, 0.1, 0.1, 'r'}, {0, 0.9, 0.9, 'r'},                     // a square fills its square
        {1, 0.9, 0.25, 'g'}, {1, 0.5, 0.75, 'w'},                   // a landscape leaves the lower part
        {2, 0.25, 0.9, 'b'}, {2, 0.75, 0.5, 'w'},                   // a portrait leaves the right part
    };
    for (const Case& c : cases) EXPECT_EQ(at(c.column, c.fx, c.fy), c.expected) << c.column << " " << c.fx << " " << c.fy;
}

TEST_F(IndexPrintTest, ARowThatDoesNotFitGoesToTheNextPageWithoutHeader) {
    DialogEcho echo;
    MakeAlbum(40);
    PrintIndex(host);
    ASSERT_EQ(status, (std::vector<std::string>{"+2006", "-0"}));
    const int pages = PdfPageCount(Pdf());
    ASSERT_GE(pages, 2);
    const std::vector<Word> one = PdfWords(Pdf(), 1), two = PdfWords(Pdf(), 2);
    EXPECT_TRUE(Find(one, "夏の旅行"));
    EXPECT_FALSE(Find(two, "夏の旅行"));
    EXPECT_TRUE(Find(two, "2"));
    // The first gallery of page 2 opens a row: its square starts 0.5 below the top of
    // the printable area, where the header stood on page 1.
    int firstOnTwo = 0;
    for (int i = 40; i >= 1; --i)
        if (Find(two, QString("題%1").arg(i))) firstOnTwo = i;
    ASSERT_GT(firstOnTwo, 5);
    EXPECT_EQ((firstOnTwo - 1) % 5, 0);
    const Word *caption1 = Find(one, "題1"), *caption5 = Find(one, "題5"), *title = Find(one, "夏の旅行");
    const Word* captionTop = Find(two, QString("題%1").arg(firstOnTwo));
    ASSERT_TRUE(caption1 && caption5 && title && captionTop);
    const double cell = (caption5->x - caption1->x) / 4;
    EXPECT_NEAR(captionTop->y - cell, title->y, 0.2 * kPointsPerCm);
}

TEST_F(IndexPrintTest, OneMissingPictureOrACancelledSetupPrintsNothing) {
    {
        DialogEcho echo;
        MakeAlbum(3);
        QFile::remove(QString::fromStdString(Album.Folder + "/p02.bmp"));
        PrintIndex(host);
        EXPECT_EQ(status, (std::vector<std::string>{"+2006", "-2003"}));
        EXPECT_FALSE(QFile::exists(Pdf()));
        EXPECT_FALSE(Printer().Printing());
    }
    status.clear();
    test::WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    PrintIndex(host);
    EXPECT_TRUE(status.empty());
    EXPECT_EQ(repaints, 1);
    EXPECT_FALSE(QFile::exists(Pdf()));
}

TEST(IndexDateText, WritesTheDateWithTheJapaneseWeekday) {
    struct Case {
        DateParts date;
        const char* text;
    } cases[] = {{{2024, 5, 3}, "2024年 5月 3日 金曜日"},
                 {{2000, 1, 1}, "2000年 1月 1日 土曜日"},
                 {{1899, 12, 31}, "1899年 12月 31日 日曜日"},
                 {{1899, 12, 1}, "1899年 12月 1日 金曜日"}};
    for (const Case& c : cases) EXPECT_EQ(IndexDateText(DateFromParts(c.date)), c.text);
}

} // namespace
} // namespace gb
