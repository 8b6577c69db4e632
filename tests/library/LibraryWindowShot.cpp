// Shows the library window with a small library, for looking at it as a person would
// (a test tool, not part of the program). Run under a display:
//   library_window_shot [picture.png]
// With a file name it saves a picture of the window after a second and ends.
#include "album/GeneralAlbum.h"
#include "album/GeneralSheet.h"
#include "app/AppSettings.h"
#include "library/FormLibrary.h"
#include "library/GeneralLibrary.h"
#include "platform/Desktop.h"
#include "platform/Folders.h"
#include "platform/KeyState.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>

using namespace gb;

namespace {

// A folder with two pictures and an album file titled `title`.
std::string MakeAlbum(const QTemporaryDir& dir, const char* name, const char* title) {
    const QString folder = QDir(dir.path()).filePath(name);
    QDir().mkpath(folder);
    for (int i = 0; i < 2; ++i) {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(60 * i + 20, 120, 220));
        image.save(QDir(folder).filePath(QString("%1.jpg").arg(i + 1)), "JPEG");
    }
    LoadAlbum(folder.toStdString());
    BuildGalleryList(true);
    gb::Album.Title = title;
    SaveAlbum(folder.toStdString());
    return folder.toStdString();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallJapaneseLocale();
    InstallFontSubstitutions();
    InstallKeyStateTracker();
    QApplication::setFont(QFont(QString::fromStdString(MapFontName("MS UI Gothic")), 9));
    QTemporaryDir dir;
    qputenv("GLIMMERBOX_HOME", QDir(dir.path()).filePath("settings").toUtf8());

    const std::string sea = MakeAlbum(dir, "sea", "夏の海辺"), hills = MakeAlbum(dir, "hills", "紅葉の山歩き");
    const std::string school = MakeAlbum(dir, "school", "運動会 2024");
    int after = 0;
    for (const auto& [flag, text] : std::initializer_list<std::pair<int16_t, std::string>>{
             {-1, "家族旅行"}, {0, sea}, {0, hills}, {-1, "子ども"}, {0, school}, {0, "/home/hanako/写真/卒業式"}})
        InsertLibraryEntry(flag, text, after++);

    FormLibrary form;
    form.show();
    form.TreeLibrary.SetSelIndex(2);
    if (argc > 1) {
        const QString path = QString::fromLocal8Bit(argv[1]);
        QTimer::singleShot(1000, &app, [&form, path] {
            form.grab().save(path);
            QApplication::quit();
        });
    }
    return app.exec();
}
