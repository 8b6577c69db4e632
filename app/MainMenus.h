#pragma once
// The pop-up menus of the main window: "ファイル(&F)" with the history and the album
// choice, and "表示(&V)" with the album properties, the quick viewer, the options and
// the About box.
#include "HistoryMenu.h"

#include <QMenu>
#include <QPointer>
#include <functional>
#include <memory>

class QAction;
class QWidget;

namespace gb {

class MainMenus {
public:
    enum FileItem : int { FileSeparator = 0, FileChooseAlbum = 1, kFileItems = 2 };
    enum ViewItem : int {
        ViewProperties = 0,
        ViewQuickViewer = 1,
        ViewOptions = 3,
        ViewAbout = 5,
        kViewItems = 6,
    };

    explicit MainMenus(QWidget* owner);
    ~MainMenus();
    MainMenus(const MainMenus&) = delete;
    MainMenus& operator=(const MainMenus&) = delete;

    QMenu* MenuFile() const { return file_; }
    QMenu* MenuView() const { return view_; }
    QAction* MenuFiles(int index) const { return files_[index]; }
    QAction* MenuViews(int index) const { return views_[index]; }
    HistoryMenu& Recents() { return *recents_; }
    const HistoryMenu& Recents() const { return *recents_; }

    // A command of MenuFiles or MenuViews (by index).
    std::function<void(int index)> FileCommand;
    std::function<void(int index)> ViewCommand;

private:
    QPointer<QMenu> file_;
    QPointer<QMenu> view_;
    QAction* files_[kFileItems] = {};
    QAction* views_[kViewItems] = {};
    std::unique_ptr<HistoryMenu> recents_;
};

} // namespace gb
