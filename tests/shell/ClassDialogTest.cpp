// ClassDialog on Qt's file dialog: the members going into the dialog (flags, filters,
// default extension, initial folder and name) and the chosen folder and names coming out.
#include "ModalDriver.h"
#include "platform/ErrorRecord.h"
#include "shell/ClassDialog.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace gb {
namespace {

using test::WhenModal;

class ClassDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        for (const char* name : {"a.jpg", "b.jpg", "c"}) {
            QFile f(dir_.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
    }
    std::string Dir() const { return dir_.path().toStdString(); }

    // Types `name` into the file-name box and confirms, as a user does.
    static void TypeAndAccept(QWidget* modal, const QString& name) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_TRUE(dialog);
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        static_cast<QDialog*>(dialog)->accept(); // the file dialog's own accept checks the name
    }

    QTemporaryDir dir_;
};

TEST_F(ClassDialogTest, FlagsChooseHowTheDialogAccepts) {
    struct Case {
        uint32_t flags;
        bool save;
        QFileDialog::FileMode mode;
        bool confirmOverwrite;
    } cases[] = {
        {6156, false, QFileDialog::ExistingFile, true},
        {0, false, QFileDialog::AnyFile, true},
        {OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST, false, QFileDialog::ExistingFiles, true},
        {OFN_OVERWRITEPROMPT, true, QFileDialog::AnyFile, true},
        {0, true, QFileDialog::AnyFile, false},
    };
    for (const Case& c : cases) {
        ClassDialog dialog;
        dialog.Flags = c.flags;
        QFileDialog::FileMode mode{};
        bool confirm = false, acceptSave = false;
        WhenModal([&](QWidget* modal) {
            auto* fd = qobject_cast<QFileDialog*>(modal);
            mode = fd->fileMode();
            confirm = !fd->testOption(QFileDialog::DontConfirmOverwrite);
            acceptSave = fd->acceptMode() == QFileDialog::AcceptSave;
            fd->reject();
        });
        c.save ? dialog.SaveDialog() : dialog.LoadDialog();
        EXPECT_EQ(mode, c.mode) << c.flags;
        EXPECT_EQ(acceptSave, c.save) << c.flags;
        if (c.save) {
            EXPECT_EQ(confirm, c.confirmOverwrite) << c.flags;
        }
        EXPECT_TRUE(dialog.Cancel());
    }
}

TEST_F(ClassDialogTest, OpensAtTheNumberedFilterTheFolderAndTheName) {
    ClassDialog dialog;
    dialog.FilterName("A|*.a|B|*.b;*.bb");
    dialog.FilterNumber(2);
    dialog.InitDir(Dir());
    dialog.Caption("b.jpg");
    dialog.DialogTitle("ﾐｭｰｼﾞｯｸの選択");
    QStringList filters;
    QString selected, title, directory, name;
    WhenModal([&](QWidget* modal) {
        auto* fd = qobject_cast<QFileDialog*>(modal);
        filters = fd->nameFilters();
        selected = fd->selectedNameFilter();
        title = fd->windowTitle();
        directory = fd->directory().absolutePath();
        name = fd->findChild<QLineEdit*>("fileNameEdit")->text();
        fd->reject();
    });
    dialog.LoadDialog();
    EXPECT_EQ(filters, (QStringList{"A (*.a)", "B (*.b *.bb)"}));
    EXPECT_EQ(selected, "B"); // shown by its description only
    EXPECT_EQ(title, "ﾐｭｰｼﾞｯｸの選択");
    EXPECT_EQ(directory, dir_.path());
    EXPECT_EQ(name, "b.jpg");
}

TEST_F(ClassDialogTest, ALeadingStopOrCommaOfTheDefaultExtensionIsDropped) {
    for (const char* ext : {"txt", ".txt", ",txt"}) {
        ClassDialog dialog;
        dialog.InitDir(Dir());
        dialog.DefaultExt(ext);
        WhenModal([](QWidget* modal) { TypeAndAccept(modal, "notes"); });
        dialog.SaveDialog();
        ASSERT_FALSE(dialog.Cancel()) << ext;
        EXPECT_EQ(dialog.List(0), "notes.txt") << ext;
    }
}

TEST_F(ClassDialogTest, GivesTheFolderAndTheNamesOfTheChosenFiles) {
    ClassDialog dialog;
    dialog.Flags = OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST;
    dialog.InitDir(Dir());
    WhenModal([](QWidget* modal) { TypeAndAccept(modal, "a.jpg"); });
    dialog.LoadDialog();
    ASSERT_FALSE(dialog.Cancel());
    EXPECT_EQ(dialog.Path(), Dir());
    EXPECT_EQ(dialog.ListCount(), 1);
    EXPECT_EQ(dialog.List(0), "a.jpg");

    WhenModal([](QWidget* modal) { TypeAndAccept(modal, "\"b.jpg\" \"c\""); });
    dialog.LoadDialog();
    ASSERT_FALSE(dialog.Cancel());
    EXPECT_EQ(dialog.Path(), Dir());
    ASSERT_EQ(dialog.ListCount(), 2); // a new choice makes a new list
    EXPECT_EQ(dialog.List(0), "b.jpg");
    EXPECT_EQ(dialog.List(1), "c");
    EXPECT_EQ(dialog.List(2), "");

    // Cancelling keeps the last choice.
    WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    dialog.LoadDialog();
    EXPECT_TRUE(dialog.Cancel());
    EXPECT_EQ(dialog.Path(), Dir());
    EXPECT_EQ(dialog.ListCount(), 2);
}

TEST_F(ClassDialogTest, AFileInTheRootHasAnEmptyFolder) {
    ClassDialog dialog;
    WhenModal([](QWidget* modal) { TypeAndAccept(modal, "/glimmerbox-test-new.txt"); });
    dialog.SaveDialog();
    ASSERT_FALSE(dialog.Cancel());
    EXPECT_EQ(dialog.Path(), "");
    EXPECT_EQ(dialog.List(0), "glimmerbox-test-new.txt");
}

TEST_F(ClassDialogTest, AFileNameOfMoreThan256CharactersIsRefusedBeforeTheDialog) {
    ClassDialog dialog;
    dialog.Caption(std::string(256, 'x'));
    WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    dialog.LoadDialog();
    EXPECT_TRUE(dialog.Cancel());

    Err().Clear();
    dialog.Caption(std::string(257, 'x'));
    test::ModalGuard guard;
    dialog.LoadDialog();
    EXPECT_FALSE(guard.Shown());
    EXPECT_EQ(Err().Number, kInvalidArgumentError);
    EXPECT_TRUE(dialog.Cancel());
}

} // namespace
} // namespace gb
