#include "ClassPathDialog.h"

#include "FolderBrowser.h"
#include "ModalFallback.h"
#include "platform/ModalEcho.h"

#include <QDir>
#include <QFileInfo>

namespace gb {

bool ClassPathDialog::Dialog(Hwnd Owner) {
    QString start = QString::fromStdString(Path);
    if (start.isEmpty() || !QFileInfo(start).isDir()) start = QDir::homePath();
    FolderBrowser browser(WidgetOf(Owner), QString::fromStdString(Caption), start);
    EchoModal(&browser, "BrowseFolder", browser.windowTitle().toStdString(), Caption,
              disabledSpecialPaths_ ? 1 : 0);
    CancelIfStillOpenUnderEcho(browser);
    Path.clear();
    if (browser.exec() != QDialog::Accepted) return false;

    std::string chosen = browser.SelectedFolder().toStdString();
    // A folder path loses its trailing "/"; the root keeps it, so that it names a folder.
    if (chosen.size() > 1 && chosen.back() == '/') chosen.pop_back();
    Path = chosen;
    return !Path.empty();
}

} // namespace gb
