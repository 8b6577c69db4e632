// The album editor's commands: the menus, the tool bar, and the rules that keep both
// in step with the selection, the focus, the mode and the gallery list.
#include "FormThumbnail.h"

#include "album/GeneralSheet.h"
#include "app/AppSettings.h"
#include "options/FormDialog.h"
#include "shell/ClassShell.h"
#include "toolkit/ToolBarControl.h"

#include <QAction>
#include <QMenu>

namespace gb {
namespace {

// Show command 1: a normal window.
constexpr int32_t kShowNormal = 1;

void SetPressed(ClassToolBar& bar, int32_t key, bool pressed) {
    const uint32_t state = uint32_t(bar.ButtonState(key));
    bar.SetButtonState(key, int32_t(pressed ? state | TBSTATE_CHECKED : state & ~uint32_t(TBSTATE_CHECKED)));
}

} // namespace

void FormThumbnail::RefreshCommands() {
    const int32_t selected = list_.SelectedCount();
    const bool one = selected == 1;

    menus_.MenuAction(ThumbnailMenus::ActionEditMode)->setChecked(EditMode());
    menus_.MenuAction(ThumbnailMenus::ActionSmartViewer)->setChecked(AppSettings.SmartViewer);

    QAction* slideshow = menus_.MenuGallery(ThumbnailMenus::GallerySlideshow);
    slideshow->setText(slideshow->data().toString());
    slideshow->setEnabled(one);
    RefreshMenuPicture();

    QAction* information = menus_.MenuGallery(ThumbnailMenus::GalleryInformation);
    information->setEnabled(one);
    information->setVisible(list_.SelectedGallery() > 0);
    menus_.MenuGallery(ThumbnailMenus::GalleryProperties)->setEnabled(EditMode());
    menus_.MenuGallery(ThumbnailMenus::GalleryMail)->setVisible(list_.CanMail());
    menus_.MenuGallery(ThumbnailMenus::GalleryErase)->setVisible(list_.CanErase());

    SetPressed(ToolBarSpeed, SpeedViewer, !EditMode());
    SetPressed(ToolBarSpeed, SpeedEditMode, EditMode());
    SetPressed(ToolBarSpeed, SpeedSmartViewer, AppSettings.SmartViewer);
    ToolBarSpeed.SetButtonEnabled(SpeedProperties, EditMode());
}

// With exactly one gallery selected, "スライドショー" shows its picture.
void FormThumbnail::RefreshMenuPicture() {
    QAction* slideshow = menus_.MenuGallery(ThumbnailMenus::GallerySlideshow);
    slideshow->setIcon(QIcon());
    if (list_.SelectedCount() != 1) return;
    RunStep([&] {
        const int gallery = list_.FirstSelected() + 1;
        if (gallery < 1 || gallery > Album.GalleryCount || gallery > int(Album.Galleries.size())) return;
        if (!Album.Gallery(gallery).ThumbMade) return;
        const QImage picture = GetThumbnail(gallery, false).Image();
        if (picture.isNull()) return;
        MenuHelper.Modify(ThumbnailMenus::GallerySlideshow, -1, -1, 0, ThumbnailMenus::ActionGalleries, picture);
    });
}

void FormThumbnail::MenuActions_Click(int index) {
    switch (index) {
    case ThumbnailMenus::ActionNewThumbnails:
        if (!AskYesNo(10009)) break;
        RescanGalleries(true);
        LoadThumbnails(ThumbnailList::FullReload);
        ShowAlbumProperties();
        break;
    case ThumbnailMenus::ActionRefresh:
        RescanGalleries(false);
        LoadThumbnails(ThumbnailList::FullReload);
        ShowAlbumProperties();
        break;
    case ThumbnailMenus::ActionPrint: PrintIndex(); break;
    case ThumbnailMenus::ActionEditMode: SetEditMode(!EditMode()); break;
    case ThumbnailMenus::ActionSmartViewer:
        AppSettings.SmartViewer = !AppSettings.SmartViewer;
        RefreshCommands();
        break;
    case ThumbnailMenus::ActionExplore: {
        ClassShell shell;
        shell.hOwnerWnd = HandleOf(this);
        shell.Execute(Album.Folder, "", VerbExplore, kShowNormal, false);
        break;
    }
    default: break;
    }
}

void FormThumbnail::MenuGalleries_Click(int index) {
    switch (index) {
    case ThumbnailMenus::GallerySlideshow: PlaySelected(); break;
    case ThumbnailMenus::GalleryInformation: ShowGalleryInfo(); break;
    case ThumbnailMenus::GalleryProperties:
        // Offered in edit mode only.
        if (!EditMode()) break;
        if (GalleryDialog().Dialog(this, FormDialog::PageGalleries)) {
            BuildGalleryList(false);
            LoadThumbnails(ThumbnailList::RefreshItems);
        }
        break;
    case ThumbnailMenus::GalleryMail: MailSelected(); break;
    case ThumbnailMenus::GalleryErase:
        // Offered in edit mode only.
        if (!EditMode() || !AskYesNo(10012)) break;
        EraseSelected();
        RescanGalleries(false);
        LoadThumbnails(ThumbnailList::FullReload);
        ShowAlbumProperties();
        break;
    case ThumbnailMenus::GallerySelectAll: SelectAll(); break;
    default: break;
    }
    RefreshCommands();
}

void FormThumbnail::ToolBarSpeed_ItemClick(int32_t key) {
    switch (key) {
    case SpeedNewThumbnails: MenuActions_Click(ThumbnailMenus::ActionNewThumbnails); break;
    case SpeedRefresh: MenuActions_Click(ThumbnailMenus::ActionRefresh); break;
    case SpeedPrint: MenuActions_Click(ThumbnailMenus::ActionPrint); break;
    case SpeedViewer: SetEditMode(false); break;
    case SpeedEditMode: SetEditMode(true); break;
    case SpeedSmartViewer: MenuActions_Click(ThumbnailMenus::ActionSmartViewer); break;
    case SpeedProperties: MenuGalleries_Click(ThumbnailMenus::GalleryProperties); break;
    case SpeedHelp: ShowContextHelp(); break;
    default: break;
    }
}

void FormThumbnail::ToolBarSpeed_DropDown(int32_t key, int32_t x, int32_t y) {
    if (key == SpeedProperties) ShowGalleryMenu(QPoint(x, y), false);
}

void FormThumbnail::ShowGalleryMenu(const QPoint& where, bool withDefault) {
    RefreshCommands();
    QMenu* menu = menus_.MenuGalleries();
    if (withDefault) menu->setDefaultAction(menus_.MenuGallery(ThumbnailMenus::GallerySlideshow));
    menu->exec(where);
    menu->setDefaultAction(nullptr);
}

} // namespace gb
