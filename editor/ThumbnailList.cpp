#include "ThumbnailList.h"

#include "GeneralEditor.h"
#include "album/GeneralSheet.h"
#include "app/AppSettings.h"
#include "app/GeneralMain.h"
#include "platform/KeyState.h"
#include "platform/MessageBox.h"
#include "toolkit/ClassImageList.h"
#include "toolkit/ClassListView.h"
#include "toolkit/ListViewNotifications.h"

#include <algorithm>
#include <cmath>

namespace gb {

ThumbnailList::ThumbnailList(ClassListView& list, ClassImageList& images) : list_(list), images_(images) {
    // What needs no window; the window puts the rest in place.
    Hooks.ShowStatus = [](std::optional<bool>, int16_t) {};
    Hooks.ShowProgress = [](bool) {};
    Hooks.SetProgress = [](int32_t) {};
    Hooks.Redraw = [] {};
    Hooks.Thumbnail = [](int index, bool framed) { return GetThumbnail(index, framed).Image(); };
    Hooks.Template = [] { return QImage(QStringLiteral(":/pictures/template.png")); };
    Hooks.EscapeDown = [] { return IsKeyDown(VK_ESCAPE, false); };
    Hooks.Inform = [](int, uint32_t) {};
    Hooks.Trash = [](const std::string&) {};
    Hooks.Mail = [](const std::string&, const std::string&) { return int32_t(0); };
}

// The galleries 1 ... GalleryCount that the list of records really holds.
int ThumbnailList::GalleryTotal() const {
    return std::clamp(int(Album.GalleryCount), 0, int(Album.Galleries.size()));
}

QImage ThumbnailList::ThumbnailOrTemplate(int index) {
    QImage picture;
    RunStep([&] { picture = Hooks.Thumbnail(index, true); });
    return picture.isNull() ? Hooks.Template() : picture;
}

void ThumbnailList::LoadThumbnails(int16_t mode) {
    Hooks.ShowStatus(true, 2004);
    Hooks.ShowProgress(true);
    const int count = GalleryTotal();

    if (mode == AppendLast) {
        RunStep([&] {
            if (count == 0) return;
            images_.Add(ThumbnailOrTemplate(count));
            // The new image is the last one, which is image `count` when the list was
            // in step with the galleries.
            const int32_t image = images_.ListImageCount() - 1;
            list_.AddListItem(Album.Gallery(count).Title, image, -1, image);
        });
    } else {
        if (mode == FullReload) {
            RunStep([&] {
                images_.Clear();
                images_.Add(Hooks.Template());
                list_.ClearListItems();
                for (int i = 1; i <= count; ++i) list_.AddListItem(Album.Gallery(i).Title, 0, -1, 0);
            });
        }
        bool going = true;
        for (int i = 1; i <= count; ++i) {
            if (mode == FullReload) {
                RunStep([&] {
                    images_.Add(going ? ThumbnailOrTemplate(i) : Hooks.Template());
                    list_.SetItemData(i - 1, i);
                    if (going && AppSettings.SmartViewer) list_.Jump(i - 1, false);
                });
            }
            RunStep([&] {
                list_.SetListItemImage(i - 1, 0, list_.ItemData(i - 1));
                list_.SetListItems(i - 1, 0, Album.Gallery(i).Title);
                Hooks.Redraw();
            });
            Hooks.SetProgress(int32_t(std::nearbyint(double(i) / double(count) * 100.0)));
            if (Hooks.EscapeDown()) {
                Hooks.Inform(10010, MB_ICONINFORMATION);
                going = false;
            }
        }
        if (AppSettings.SmartViewer) list_.Jump(count > 0 ? 0 : -1, false);
        Hooks.SetProgress(0);
    }

    Hooks.ShowProgress(false);
    Hooks.ShowStatus(false, 0);
}

void ThumbnailList::MoveSelected(int16_t target) {
    Hooks.ShowStatus(true, 2005);
    const int count = std::min(GalleryTotal(), int(list_.ListItemCount()));
    std::vector<int32_t> data(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) data[size_t(i)] = list_.ItemData(i);
    const AlbumInfo copy = Album;

    int position = 0;
    auto place = [&](int i, bool selected) {
        ++position;
        list_.SetItemData(position - 1, data[size_t(i - 1)]);
        list_.SetListItemState(position - 1, LVIS_SELECTED, selected);
        Album.Gallery(position) = copy.Gallery(i);
    };
    for (int i = 1; i < target && i <= count; ++i)
        if (!copy.Gallery(i).Selected) place(i, false);
    for (int i = 1; i <= count; ++i)
        if (copy.Gallery(i).Selected) place(i, true);
    for (int i = std::max<int>(target, 1); i <= count; ++i)
        if (!copy.Gallery(i).Selected) place(i, false);

    Hooks.ShowStatus(false, 0);
}

int16_t ThumbnailList::SelectedGallery() const { return int16_t(list_.SelIndex() + 1); }

int32_t ThumbnailList::SelectedCount() const { return list_.SelCount(); }

int32_t ThumbnailList::FirstSelected() const { return list_.Search(LVIS_SELECTED, -1); }

bool ThumbnailList::CanErase() const { return SelectedCount() > 0 && EditMode && ListHasFocus; }

bool ThumbnailList::CanMail() const {
    const int32_t selected = SelectedCount();
    return SelectedGallery() > 0 && selected >= 1 && selected <= 5;
}

void ThumbnailList::SelectAll() {
    Hooks.ShowStatus(true, 0);
    for (int32_t k = 0; k < list_.ListItemCount(); ++k) list_.SetListItemState(k, LVIS_SELECTED, true);
    Hooks.ShowStatus(false, 0);
}

void ThumbnailList::EraseSelected() {
    for (int i = 1; i <= GalleryTotal(); ++i) {
        const GalleryInfo& gallery = Album.Gallery(i);
        if (gallery.Selected) RunStep([&] { Hooks.Trash(Album.Folder + "/" + gallery.FileName); });
    }
}

void ThumbnailList::MailSelected() {
    RunStep([&] {
        std::string paths, titles;
        for (int i = 1; i <= GalleryTotal(); ++i) {
            const GalleryInfo& gallery = Album.Gallery(i);
            if (!gallery.Selected) continue;
            paths += Album.Folder + "/" + gallery.FileName + ";";
            titles += gallery.Title + ";";
        }
        if (paths.empty()) return;
        paths.pop_back();
        titles.pop_back();
        if (Hooks.Mail(paths, titles) != 0) Hooks.Inform(10016, MB_ICONSTOP);
    });
}

bool ThumbnailList::PlaySelected() {
    if (SelectedCount() == 0) return false;
    // With the focus on an item that is not selected there is no current item; the
    // show then starts from the first selected one rather than from no gallery.
    int16_t gallery = SelectedGallery();
    if (gallery == 0) gallery = int16_t(FirstSelected() + 1);
    Album.CurrentGallery = gallery;
    return true;
}

void ThumbnailList::SelectionChanged() {
    const int count = std::min(GalleryTotal(), int(list_.ListItemCount()));
    for (int k = 0; k < count; ++k) Album.Gallery(k + 1).Selected = list_.ListItemState(k, LVIS_SELECTED);
}

bool ThumbnailList::LabelEdited(const std::string& before, const std::string& after) {
    const int16_t gallery = SelectedGallery();
    if (EditMode) {
        if (gallery == 0 || gallery > GalleryTotal()) return false;
        list_.SetListItems(gallery - 1, 0, after);
        Album.Gallery(gallery).Title = after;
        return true;
    }
    if (gallery > 0) list_.SetListItems(gallery - 1, 0, before);
    Hooks.Inform(10011, MB_ICONINFORMATION);
    list_.SetFocus();
    return false;
}

void ThumbnailList::DragStarted() {
    if (!EditMode) return;
    Dragging = true;
    for (int32_t k = 0; k < list_.ListItemCount(); ++k)
        if (list_.ListItemState(k, LVIS_SELECTED)) list_.SetListItemState(k, LVIS_CUT, true);
}

void ThumbnailList::Hovered(int32_t button, int32_t x, int32_t y) {
    if (!(button & 1) || !Dragging) return;
    const int32_t height = list_.Height();
    if (y < 0) list_.Scroll(0, -height / 2);
    else if (y > height) list_.Scroll(0, height / 2);
    int32_t flags = 0;
    const int32_t item = list_.HitTest(x, y, flags);
    if (item == DropTarget) return;
    if (DropTarget >= 0) list_.SetListItemState(DropTarget, LVIS_DROPHILITED, false);
    if (item >= 0) list_.SetListItemState(item, LVIS_DROPHILITED, true);
    DropTarget = int16_t(item);
}

int16_t ThumbnailList::Dropped(int32_t x, int32_t y) {
    int16_t moved = 0;
    if (EditMode) {
        for (int32_t k = 0; k < list_.ListItemCount(); ++k)
            if (list_.ListItemState(k, LVIS_SELECTED)) list_.SetListItemState(k, LVIS_CUT, false);
        int32_t flags = 0;
        const int32_t target = list_.HitTest(x, y, flags);
        if (target >= 0) {
            list_.SetListItemState(target, LVIS_DROPHILITED, false);
            if (!list_.ListItemState(target, LVIS_SELECTED)) {
                MoveSelected(int16_t(target + 1));
                moved = int16_t(target + 1);
            }
        }
    }
    // The highlight of the last hover goes too, wherever the drop ended.
    if (DropTarget >= 0 && DropTarget < list_.ListItemCount())
        list_.SetListItemState(DropTarget, LVIS_DROPHILITED, false);
    DropTarget = -1;
    Dragging = false;
    return moved;
}

} // namespace gb
