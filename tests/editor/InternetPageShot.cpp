// Shows the Internet page with the pictures of a page listed, for looking at it as a
// person would (a test tool, not part of the program). Run under a display:
//   internet_page_shot [picture.png]
// With a file name it saves a picture of the page after a second and ends.
#include "editor/InternetLinks.h"
#include "editor/InternetPage.h"
#include "platform/Desktop.h"
#include "platform/KeyState.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

using namespace gb;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    InstallJapaneseLocale();
    InstallFontSubstitutions();
    InstallKeyStateTracker();
    QApplication::setFont(QFont(QString::fromStdString(MapFontName("MS UI Gothic")), 9));
    InternetPage page({});
    page.setWindowTitle("インターネットから検索");
    page.resize(300, 440);
    page.TextAddress->setText("http://www.example.jp/album/index.html");
    page.SetSearchState(InternetPage::Searching);
    page.SetSearchState(InternetPage::Results);
    for (const char* link : {"pic/sakura.jpg", "pic/fuji.JPG", "img/logo.gif", "/photos/momiji.jpg"})
        page.Internet_Parse(link, LinkFromImage);
    for (const char* link : {"big/sakura.jpg", "big/fuji.JPG"}) page.Internet_Parse(link, LinkFromAnchor);
    page.ListParse->item(1)->setSelected(true);
    page.ListParse->item(3)->setSelected(true);
    page.show();
    if (argc > 1) {
        const QString path = QString::fromLocal8Bit(argv[1]);
        QTimer::singleShot(1000, &app, [&page, path] {
            page.grab().save(path);
            QApplication::quit();
        });
    }
    return app.exec();
}
