// Under the modal test hook every common dialog records itself and answers without a
// person: file dialogs that their default button cannot close are cancelled.
#include "platform/print/PrinterCanvas.h"
#include "shell/ClassDialog.h"
#include "shell/ClassPathDialog.h"
#include "shell/ClassPrintDialog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace gb {
namespace {

TEST(DialogEchoTest, EveryDialogRecordsItselfAndAnswers) {
    QTemporaryDir dir;
    const QString echo = dir.filePath("echo.txt");
    qputenv("GLIMMERBOX_DIALOG_ECHO", echo.toUtf8());
    ASSERT_TRUE(Printer().SelectPrinter(kPdfPrinterName));
    Printer().SetPort(dir.filePath("echo.pdf").toStdString());

    ClassDialog open;
    open.Flags = 6156;
    open.LoadDialog();
    EXPECT_TRUE(open.Cancel());
    ClassDialog save;
    save.SaveDialog();
    EXPECT_TRUE(save.Cancel());

    ClassPathDialog folder;
    folder.Caption = "場所を選択してください...";
    EXPECT_TRUE(folder.Dialog());
    EXPECT_EQ(folder.Path, QDir::homePath().toStdString());

    ClassPrintDialog print;
    print.Flags = PD_PRINTSETUP;
    EXPECT_TRUE(print.Dialog());
    int32_t left = 1000, top = 1000, right = 1000, bottom = 1000;
    EXPECT_TRUE(print.PageDialog(0, true, left, top, right, bottom));
    qunsetenv("GLIMMERBOX_DIALOG_ECHO");

    QFile file(echo);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "OpenFile\t開く\t\t6156");
    EXPECT_EQ(lines[1], "SaveFile\t名前を付けて保存\t\t0");
    EXPECT_EQ(lines[2], "BrowseFolder\tフォルダーの参照\t場所を選択してください...\t1");
    EXPECT_TRUE(lines[3].startsWith("PrintDialog\tプリンターの設定\t")) << lines[3].toStdString();
    EXPECT_TRUE(lines[4].startsWith("PageDialog\t")) << lines[4].toStdString();
}

} // namespace
} // namespace gb
