#pragma once
// The menus of the album editor: "アクション(&A)" with its sub-menu "ギャラリー(&G)",
// and "ヘルプ(&H)", in the window's menu bar. Items are addressed by their index in
// their menu; separators count.
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <functional>

class QAction;
class QWidget;

namespace gb {

class ThumbnailMenus {
public:
    enum ActionItem : int {
        ActionNewThumbnails = 0,
        ActionRefresh = 1,
        ActionPrint = 3,
        ActionEditMode = 5,
        ActionSmartViewer = 7,
        ActionGalleries = 8,
        ActionExplore = 9,
        kActionItems = 10,
    };
    enum GalleryItem : int {
        GallerySlideshow = 0,
        GalleryInformation = 1,
        GalleryProperties = 3,
        GalleryMail = 5,
        GalleryErase = 6,
        GallerySelectAll = 7,
        kGalleryItems = 8,
    };

    // Builds the menu bar of `owner`.
    explicit ThumbnailMenus(QWidget* owner);

    QMenuBar* MenuBar() const { return bar_; }
    QMenu* MenuActions() const { return actions_; }
    QMenu* MenuGalleries() const { return galleries_; }
    QMenu* MenuHelp() const { return help_; }
    QAction* MenuAction(int index) const { return actionItems_[index]; }
    QAction* MenuGallery(int index) const { return galleryItems_[index]; }
    QAction* MenuHelps(int index) const { return index == 0 ? helpItem_ : nullptr; }

    // A command chosen from a menu, by its index.
    std::function<void(int index)> ActionCommand;
    std::function<void(int index)> GalleryCommand;
    std::function<void()> HelpCommand;

private:
    QPointer<QMenuBar> bar_;
    QPointer<QMenu> actions_;
    QPointer<QMenu> galleries_;
    QPointer<QMenu> help_;
    QAction* actionItems_[kActionItems] = {};
    QAction* galleryItems_[kGalleryItems] = {};
    QAction* helpItem_ = nullptr;
};

} // namespace gb
