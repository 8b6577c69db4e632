#pragma once
// The album editor: one window that shows the current album as a grid of thumbnails.
// From top to bottom: the menu bar, a rebar with the tool bar and the busy animation,
// then the tab strip with the property pages beside the thumbnail list, and a status
// bar with a progress bar at its right end. The list's rules live in ThumbnailList,
// the busy state in ThumbnailStatus, the pages in their own classes; the window lays
// them out and forwards events and commands.
#include "GeneralEditor.h"
#include "ThumbnailList.h"
#include "ThumbnailMenus.h"
#include "ThumbnailStatus.h"
#include "toolkit/ClassAnimate.h"
#include "toolkit/ClassImageList.h"
#include "toolkit/ClassListView.h"
#include "toolkit/ClassMenu.h"
#include "toolkit/ClassProgress.h"
#include "toolkit/ClassReBar.h"
#include "toolkit/ClassStatusBar.h"
#include "toolkit/ClassTabStrip.h"
#include "toolkit/ClassToolBar.h"
#include "toolkit/ClassToolTips.h"
#include "toolkit/ClassTrack.h"

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace gb {

class AlbumPropertyPage;
class FormDialog;
class SlideshowPropertyPage;

class FormThumbnail : public QWidget {
public:
    // The tool bar's buttons.
    enum SpeedButton : int32_t {
        SpeedNewThumbnails = 11,
        SpeedRefresh = 12,
        SpeedPrint = 21,
        SpeedViewer = 31,
        SpeedEditMode = 32,
        SpeedSmartViewer = 41,
        SpeedProperties = 42,
        SpeedHelp = 51,
    };
    // The pages of the tab strip.
    enum PageIndex : int { PageAlbum = 0, PageSlideshow = 1, PageInternet = 2, kPages = 3 };
    // The help contexts of the window and of its pages.
    static constexpr int32_t kHelpContext = 401;
    static constexpr int32_t kPageHelpContext = 402;

    // Creates the window for the current album; it shows up empty and fills its list a
    // tenth of a second later.
    explicit FormThumbnail(MainWindowLink main);
    ~FormThumbnail() override;

    // Window fields.
    bool EditMode() const { return list_.EditMode; }
    bool ListHasFocus() const { return list_.ListHasFocus; }
    std::string WallpaperFile;
    bool Themed = false;
    int LastPage = 0;

    // Procedures the pages and the other editor modules use.
    void ShowStatus(std::optional<bool> busy, int16_t message);
    void RefreshCommands();
    void LoadThumbnails(int16_t mode);
    void RescanGalleries(bool rebuild);
    void ShowAlbumProperties();
    void ApplyEditMode();
    void SetEditMode(bool value);
    void SelectAll() { list_.SelectAll(); }
    void PlaySelected();
    void EraseSelected() { list_.EraseSelected(); }
    void MailSelected() { list_.MailSelected(); }
    void ShowGalleryInfo();
    void ShowContextHelp();
    void PrintIndex();
    void SetListWallpaper();
    void DeleteWallpaperFile();
    // Stores the placement; the window then goes for good.
    void Unload();

    // Commands of the menus and the tool bar.
    void MenuActions_Click(int index);
    void MenuGalleries_Click(int index);
    void ToolBarSpeed_ItemClick(int32_t key);
    void ToolBarSpeed_DropDown(int32_t key, int32_t x, int32_t y);
    void TabStripProperty_Click();

    MainWindowLink& Main() { return main_; }
    ThumbnailList& List() { return list_; }
    ThumbnailStatus& Status() { return status_; }
    ThumbnailMenus& Menus() { return menus_; }
    FormDialog& GalleryDialog();
    // The page frames, laid over the tab strip's display area.
    QWidget* PageFrame(int index) const { return pageFrames_[index]; }
    AlbumPropertyPage& AlbumPage() { return *albumPage_; }
    SlideshowPropertyPage& SlideshowPage() { return *slideshowPage_; }

    ClassImageList ImagesCommand;
    ClassImageList ImagesThumbnail;
    ClassToolBar ToolBarSpeed;
    ClassToolTips ToolTipsSpeed;
    ClassAnimate AnimateBusy;
    ClassReBar ReBar;
    ClassStatusBar StatusBar;
    ClassProgress ProgressBar;
    ClassListView ListViewThumbnail;
    ClassTabStrip TabStripProperty;
    ClassTrack Tracker;
    ClassMenu MenuHelper;
    QTimer TimerThumbnail;

    // Asks a Yes/No question of the string table; true for Yes. Tests put their own
    // answers in place.
    std::function<bool(int messageId)> AskYesNo;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildControls();
    void BuildToolBar();
    void BuildList();
    void BuildPages();
    void DestroyControls();
    void ConnectList();
    void RestorePlacement();
    void Form_Resize();
    void TimerThumbnail_Timer();
    void ListViewThumbnail_Focus(bool gained);
    void ListViewThumbnail_Click(int32_t button);
    void ListViewThumbnail_Drag();
    void ListViewThumbnail_Drop(int32_t x, int32_t y);
    void ShowGalleryMenu(const QPoint& where, bool withDefault);
    void SetDragCursor(const QCursor* cursor);
    void RefreshMenuPicture();
    void Inform(int messageId, uint32_t style);

    MainWindowLink main_;
    ThumbnailMenus menus_;
    ThumbnailList list_;
    ThumbnailStatus status_;
    QWidget* pageFrames_[kPages] = {};
    AlbumPropertyPage* albumPage_ = nullptr;
    SlideshowPropertyPage* slideshowPage_ = nullptr;
    std::unique_ptr<FormDialog> galleryDialog_;
    QTimer refreshLater_;
    bool controlsBuilt_ = false;
    bool unloaded_ = false;
};

} // namespace gb
