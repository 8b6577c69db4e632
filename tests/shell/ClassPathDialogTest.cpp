// ClassPathDialog: the folder browser opens at a folder, gives the chosen one without
// a trailing "/", and an empty path when cancelled.
#include "ModalDriver.h"
#include "shell/ClassPathDialog.h"
#include "shell/FolderBrowser.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace gb {
namespace {

using test::WhenModal;

TEST(ClassPathDialogTest, GivesTheChosenFolderWithoutATrailingSlash) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("アルバム"));
    const QString album = dir.filePath("アルバム");
    struct Case {
        QString choose;
        std::string expected;
    } cases[] = {{album, album.toStdString()}, {album + "/", album.toStdString()}, {"/", "/"}};
    for (const Case& c : cases) {
        ClassPathDialog dialog;
        dialog.Caption = "お気に入りにｱﾙﾊﾞﾑへのｼｮｰﾄｶｯﾄを挿入します\n場所を選択してください...";
        QString label;
        WhenModal([&](QWidget* modal) {
            auto* browser = dynamic_cast<FolderBrowser*>(modal);
            ASSERT_TRUE(browser);
            label = browser->findChild<QLabel*>()->text();
            browser->SelectFolder(c.choose);
            browser->accept();
        });
        EXPECT_TRUE(dialog.Dialog());
        EXPECT_EQ(dialog.Path, c.expected);
        EXPECT_EQ(label.toStdString(), dialog.Caption);
    }
}

TEST(ClassPathDialogTest, OpensAtTheLastFolderAndCancelEmptiesThePath) {
    QTemporaryDir dir;
    ClassPathDialog dialog;
    dialog.Path = dir.path().toStdString();
    QString shown;
    WhenModal([&](QWidget* modal) {
        auto* browser = dynamic_cast<FolderBrowser*>(modal);
        shown = browser->SelectedFolder();
        browser->reject();
    });
    EXPECT_FALSE(dialog.Dialog());
    EXPECT_EQ(shown, dir.path());
    EXPECT_EQ(dialog.Path, "");

    WhenModal([&](QWidget* modal) {
        shown = dynamic_cast<FolderBrowser*>(modal)->SelectedFolder();
        qobject_cast<QDialog*>(modal)->reject();
    });
    dialog.Dialog();
    EXPECT_EQ(shown, QDir::homePath()); // with no folder given, the home folder
}

} // namespace
} // namespace gb
