// Shows the options window with two registered plug-ins, for looking at it as a
// person would (a test tool, not part of the program). Run under a display:
//   options_window_shot [picture.png]
// With a file name it saves a picture of the window after a second and ends.
#include "app/AppSettings.h"
#include "options/FormProperty.h"
#include "platform/Desktop.h"
#include "platform/KeyState.h"
#include "plugins/GeneralPlugin.h"

#include <QApplication>
#include <QTimer>

using namespace gb;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallJapaneseLocale();
    InstallFontSubstitutions();
    InstallKeyStateTracker();
    QApplication::setFont(QFont(QString::fromStdString(MapFontName("MS UI Gothic")), 9));
    AppSettings.Quality = 75;
    AppSettings.Effect = 1;
    AppSettings.Suspending = true;
    Plugins.Entries = {{"/usr/lib/glimmerbox/plugins/iPNG.spi", "PNG plug-in", true},
                       {"/home/hanako/plugins/ifTIFF.spi", "", false}};
    FormProperty form({[] { return true; }, [] {}});
    form.show();
    if (argc > 1) {
        const QString path = QString::fromLocal8Bit(argv[1]);
        QTimer::singleShot(1000, &app, [&form, path] {
            form.grab().save(path);
            QApplication::quit();
        });
    }
    return app.exec();
}
