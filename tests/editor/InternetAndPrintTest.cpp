// The Internet page and the index print inside the album editor: the page fills the
// third tab with the album's address, and the editor's print command prints through
// the editor's status.
#include "EditorTestSupport.h"
#include "album/AlbumRecords.h"
#include "album/AlbumUrl.h"
#include "editor/FormThumbnail.h"
#include "editor/InternetAndPrint.h"
#include "editor/InternetPage.h"
#include "platform/print/PrinterCanvas.h"
#include "tests/platform/print/PdfReader.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace gb {
namespace {

TEST(InternetAndPrint, TheEditorGetsItsInternetPageAndPrintsItsIndex) {
    QTemporaryDir dir;
    test::OpenAlbum album(dir, "港", {{"1.jpg", test::PictureBytes(40, 30, 50)}});
    WriteAlbumUrl("http://h.example/port/index.html");
    InstallInternetAndPrint();
    FormThumbnail editor(MainWindowLink{});
    auto* page = editor.PageFrame(FormThumbnail::PageInternet)->findChild<InternetPage*>();
    ASSERT_TRUE(page);
    EXPECT_EQ(page->TextAddress->text(), "http://h.example/port/index.html");

    PrinterCanvas& p = Printer();
    ASSERT_TRUE(p.SelectPrinter(kPdfPrinterName));
    const QString pdf = dir.filePath("index.pdf");
    p.SetPort(pdf.toStdString());
    test::DialogEcho echo;
    editor.PrintIndex();
    EXPECT_EQ(test::PdfPageCount(pdf), 1);
    EXPECT_TRUE(test::PdfText(pdf).contains("1.jpg"));
    EditorExtensions() = ThumbnailExtensions();
}

} // namespace
} // namespace gb
