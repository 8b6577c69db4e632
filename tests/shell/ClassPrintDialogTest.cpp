// ClassPrintDialog with the printer canvas on the PDF printer: the canvas's settings go
// into Qt's print dialog and the user's choice comes back; a cancelled dialog changes
// nothing; margins of the page set-up never fall below the given ones; Repair readies
// the canvas for a document.
#include "ModalDriver.h"
#include "platform/Random.h"
#include "platform/print/PrinterCanvas.h"
#include "shell/ClassPrintDialog.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPageSetupDialog>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace gb {
namespace {

using test::WhenModal;

class ClassPrintDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        PrinterCanvas& p = Printer();
        ASSERT_TRUE(p.SelectPrinter(kPdfPrinterName));
        p.SetPort(File("index.pdf"));
        p.SetOrientation(DMORIENT_PORTRAIT);
        p.SetPaperSize(DMPAPER_A4);
        p.SetCopies(1);
        p.SetCollate(false);
        p.SetZoom(0);
    }
    void TearDown() override { Printer().KillDoc(); }
    std::string File(const char* name) const { return dir_.filePath(name).toStdString(); }

    QTemporaryDir dir_;
};

TEST_F(ClassPrintDialogTest, ConfirmedSetupKeepsThePrinterAndBringsBackTheChoice) {
    struct Case {
        int16_t orientation, paper, zoom, copies;
    } cases[] = {
        {DMORIENT_LANDSCAPE, DMPAPER_A5, 150, 2},
        {DMORIENT_PORTRAIT, DMPAPER_A4, 0, 3},
    };
    for (const Case& c : cases) {
        PrinterCanvas& p = Printer();
        p.SetOrientation(c.orientation);
        p.SetPaperSize(c.paper);
        p.SetZoom(c.zoom);
        ClassPrintDialog dialog;
        dialog.Flags = PD_PRINTSETUP;
        QString title;
        bool pageRange = true;
        WhenModal([&](QWidget* modal) {
            auto* d = qobject_cast<QPrintDialog*>(modal);
            ASSERT_TRUE(d);
            title = d->windowTitle();
            pageRange = d->testOption(QAbstractPrintDialog::PrintPageRange);
            d->findChild<QSpinBox*>("copies")->setValue(c.copies);
            d->accept();
        });
        ASSERT_TRUE(dialog.Dialog());
        EXPECT_EQ(title, "プリンターの設定");
        EXPECT_FALSE(pageRange);
        EXPECT_EQ(p.DeviceName(), kPdfPrinterName);
        EXPECT_EQ(p.Port(), File("index.pdf"));
        EXPECT_EQ(p.Orientation(), c.orientation);
        EXPECT_EQ(p.PaperSize(), c.paper);
        EXPECT_EQ(p.Zoom(), c.zoom); // a zoom of 0 is not sent, and none comes back
        EXPECT_EQ(p.Copies(), c.copies);
        EXPECT_EQ(dialog.Copies, c.copies);
    }
}

TEST_F(ClassPrintDialogTest, TheFileAndCollationChosenInTheDialogAreTheCanvas) {
    Printer().SetCopies(2);
    ClassPrintDialog dialog;
    dialog.Collate = true;
    bool collateShown = false;
    WhenModal([&](QWidget* modal) {
        auto* d = qobject_cast<QPrintDialog*>(modal);
        EXPECT_TRUE(d->testOption(QAbstractPrintDialog::PrintPageRange));
        d->findChild<QLineEdit*>("filename")->setText(QString::fromStdString(File("chosen.pdf")));
        auto* collate = d->findChild<QCheckBox*>("collate");
        collateShown = collate->isChecked();
        collate->setChecked(false);
        d->accept();
    });
    ASSERT_TRUE(dialog.Dialog());
    EXPECT_TRUE(collateShown);
    EXPECT_FALSE(dialog.Collate); // unticking collation is the user's choice too
    EXPECT_FALSE(Printer().Collate());
    EXPECT_EQ(Printer().Port(), File("chosen.pdf"));
}

TEST_F(ClassPrintDialogTest, ACancelledDialogChangesNothing) {
    PrinterCanvas& p = Printer();
    p.SetOrientation(DMORIENT_LANDSCAPE);
    ClassPrintDialog dialog;
    dialog.Copies = 4;
    dialog.PageFrom = 2;
    dialog.PageTo = 3;
    WhenModal([&](QWidget* modal) {
        auto* d = qobject_cast<QPrintDialog*>(modal);
        d->findChild<QSpinBox*>("copies")->setValue(9);
        d->findChild<QLineEdit*>("filename")->setText(QString::fromStdString(File("other.pdf")));
        d->reject();
    });
    EXPECT_FALSE(dialog.Dialog());
    EXPECT_EQ(dialog.Copies, 4);
    EXPECT_EQ(dialog.PageFrom, 2);
    EXPECT_EQ(dialog.PageTo, 3);
    EXPECT_EQ(p.Copies(), 1);
    EXPECT_EQ(p.Orientation(), DMORIENT_LANDSCAPE);
    EXPECT_EQ(p.Port(), File("index.pdf"));
}

TEST_F(ClassPrintDialogTest, PageSetupMarginsNeverFallBelowTheGivenOnes) {
    struct Case {
        double typedLeftMm;
        bool accept;
        int32_t left;
    } cases[] = {{-1, true, 1000}, {25, true, 2500}, {5, true, 1000}, {25, false, 1000}};
    for (const Case& c : cases) {
        ClassPrintDialog dialog;
        int32_t left = 1000, top = 1500, right = 1000, bottom = 1500;
        bool fixedPaper = false;
        WhenModal([&](QWidget* modal) {
            auto* d = qobject_cast<QPageSetupDialog*>(modal);
            ASSERT_TRUE(d);
            fixedPaper = !d->findChild<QWidget*>("pageSizeCombo")->isEnabled() &&
                         !d->findChild<QWidget*>("landscape")->isEnabled();
            if (c.typedLeftMm >= 0) d->findChild<QDoubleSpinBox*>("leftMargin")->setValue(c.typedLeftMm);
            c.accept ? d->accept() : d->reject();
        });
        EXPECT_EQ(dialog.PageDialog(0, false, left, top, right, bottom), c.accept);
        EXPECT_TRUE(fixedPaper);
        EXPECT_EQ(left, c.left) << c.typedLeftMm;
        EXPECT_EQ(top, 1500);
        EXPECT_EQ(right, 1000);
        EXPECT_EQ(bottom, 1500);
    }
}

class FixedRandom : public RandomSource {
public:
    double Next() override { return 0.5; }
};

TEST_F(ClassPrintDialogTest, RepairBeginsTheDocumentAndPutsTheCanvasBack) {
    FixedRandom random;
    SetRandomSource(&random);
    PrinterCanvas& p = Printer();
    p.SetFont({"ＭＳ Ｐ明朝", 8, true});
    p.SetCurrentX(3);
    p.SetCurrentY(4);
    ClassPrintDialog dialog;
    dialog.Repair();
    SetRandomSource(nullptr);
    EXPECT_TRUE(p.Printing());
    EXPECT_EQ(p.FontName(), "ＭＳ Ｐ明朝");
    EXPECT_EQ(p.FontSize(), 8);
    EXPECT_TRUE(p.Font().Bold);
    EXPECT_TRUE(p.FontTransparent());
    EXPECT_EQ(p.CurrentX(), 0);
    EXPECT_EQ(p.CurrentY(), 0);
    ASSERT_TRUE(p.EndDoc());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(File("index.pdf"))));
}

} // namespace
} // namespace gb
