// Shows the album editor on a copy of an album folder (a tool for looking at it; not a
// test). The copy keeps the original untouched; the album file is written into the
// copy when the editor closes.
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/editor_demo FOLDER [edit] [page] [shot.png]
// "edit" starts in edit mode; page is 0, 1 or 2; "3001" or "3002" opens that page of the
// gallery dialog with every gallery selected; with a picture path the window (or the
// dialog) is saved there after two seconds and the tool ends.
#include "album/GeneralAlbum.h"
#include "album/GeneralSheet.h"
#include "editor/FormThumbnail.h"
#include "options/FormDialog.h"
#include "platform/Desktop.h"
#include "platform/Folders.h"
#include "platform/KeyState.h"
#include "plugins/GeneralPlugin.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    gb::InstallJapaneseLocale();
    gb::InstallFontSubstitutions();
    gb::InstallKeyStateTracker();
    gb::SetProgramFolder(GB_BIN_DIR);
    if (argc < 2) return 2;

    QTemporaryDir copy;
    const QString album = QDir(copy.path()).filePath(QDir(QString::fromLocal8Bit(argv[1])).dirName());
    QDir().mkpath(album);
    for (const QString& name : QDir(QString::fromLocal8Bit(argv[1])).entryList(QDir::Files))
        QFile::copy(QDir(QString::fromLocal8Bit(argv[1])).filePath(name), QDir(album).filePath(name));

    bool edit = false;
    int page = 0;
    int16_t dialog = 0;
    QString shot;
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == "edit") edit = true;
        else if (arg.size() == 1 && arg[0].isDigit()) page = arg.toInt();
        else if (arg == "3001" || arg == "3002") dialog = int16_t(arg.toInt());
        else shot = arg;
    }

    gb::BuildPatternList();
    gb::LoadAlbum(album.toStdString());
    gb::BuildGalleryList(!gb::Album.Stored);
    gb::RelayoutSheet();

    gb::FormThumbnail editor{gb::MainWindowLink{}};
    editor.SetEditMode(edit);
    editor.TabStripProperty.SetCurrent(page);
    editor.TabStripProperty_Click();
    editor.show();
    if (!shot.isEmpty()) {
        QTimer::singleShot(2000, &app, [&editor, shot] {
            QWidget* modal = QApplication::activeModalWidget();
            (modal ? modal : static_cast<QWidget*>(&editor))->grab().save(shot);
            if (modal) modal->close();
            QApplication::quit();
        });
    }
    if (dialog) {
        for (gb::GalleryInfo& gallery : gb::Album.Galleries) gallery.Selected = true;
        QTimer::singleShot(500, &app, [&editor, dialog] { editor.GalleryDialog().Dialog(&editor, dialog); });
    }
    const int result = app.exec();
    gb::SaveAlbum(gb::Album.Folder);
    return result;
}
