#pragma once
// The rules of the album editor's thumbnail list: filling it from the gallery list,
// keeping each gallery's Selected flag in step with it, renaming, reordering by drag
// and drop, and the commands on the selected galleries. Item k stands for gallery
// k + 1; its item data is the index of its picture in the thumbnail images, so the
// picture follows the item when galleries are reordered. The window forwards the
// list's events here; what reaches the screen or the desktop goes through Hooks, which
// tests replace.
#include "album/AlbumRecords.h"

#include <QImage>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace gb {

class ClassImageList;
class ClassListView;

class ThumbnailList {
public:
    // LoadThumbnails modes.
    enum LoadMode : int16_t { FullReload = 0, RefreshItems = 1, AppendLast = 2 };

    ThumbnailList(ClassListView& list, ClassImageList& images);

    struct HookFunctions {
        // The editor's status (Part of the window): busy true, false or no change.
        std::function<void(std::optional<bool> busy, int16_t message)> ShowStatus;
        std::function<void(bool visible)> ShowProgress;
        std::function<void(int32_t percent)> SetProgress;
        // Redraws the list while a long loop runs without the message loop.
        std::function<void()> Redraw;
        // The 80 x 80 framed thumbnail of a gallery, or its bare thumbnail; a null
        // image when none can be made.
        std::function<QImage(int index, bool framed)> Thumbnail;
        // The empty frame.
        std::function<QImage()> Template;
        // ESC is down now.
        std::function<bool()> EscapeDown;
        // A message of the string table in a box of the given style.
        std::function<void(int messageId, uint32_t style)> Inform;
        // Moves a file to the trash; failures are not reported.
        std::function<void(const std::string& path)> Trash;
        // Opens a new mail with the files attached; 0 when the mail system took it.
        std::function<int32_t(const std::string& paths, const std::string& titles)> Mail;
    } Hooks;

    // Window fields.
    bool EditMode = false;
    bool ListHasFocus = false;
    bool Dragging = false;
    int16_t DropTarget = -1;

    void LoadThumbnails(int16_t mode);
    // Moves the selected galleries, in their order, in front of gallery `target`.
    void MoveSelected(int16_t target);
    // 1-based number of the current item (focused and selected), 0 when none.
    int16_t SelectedGallery() const;
    bool CanErase() const;
    bool CanMail() const;
    void SelectAll();
    void EraseSelected();
    void MailSelected();
    // Makes the current item the current gallery; false when nothing is selected.
    bool PlaySelected();

    // List events.
    // The selection changed: every gallery's Selected follows its item.
    void SelectionChanged();
    // A label edit ended: true when the new text was taken; outside edit mode the old
    // text comes back and message 10011 is shown.
    bool LabelEdited(const std::string& before, const std::string& after);
    void DragStarted();
    void Hovered(int32_t button, int32_t x, int32_t y);
    // The drop: the target gallery when galleries were moved, else 0.
    int16_t Dropped(int32_t x, int32_t y);

    // The number of selected items and the first of them (-1 for none).
    int32_t SelectedCount() const;
    int32_t FirstSelected() const;

private:
    int GalleryTotal() const;
    QImage ThumbnailOrTemplate(int index);

    ClassListView& list_;
    ClassImageList& images_;
};

} // namespace gb
