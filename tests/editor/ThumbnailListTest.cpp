// The rules of the album editor's thumbnail list, driven directly on a real list view:
// loading with progress and ESC, the selection mirrored into the records, renaming,
// reordering by drag and drop, and the commands on the selected galleries.
#include "album/AlbumRecords.h"
#include "app/AppSettings.h"
#include "editor/ThumbnailList.h"
#include "platform/KeyState.h"
#include "platform/WindowHandle.h"
#include "toolkit/ClassImageList.h"
#include "toolkit/ClassListView.h"
#include "toolkit/ListViewControl.h"
#include "toolkit/ListViewNotifications.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QScrollBar>
#include <QStandardItemModel>
#include <gtest/gtest.h>
#include <set>

namespace gb {
namespace {

QImage Picture(int n) {
    QImage image(80, 80, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((n * 37) % 360, 200, 200));
    return image;
}

QImage Template() {
    QImage image(80, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

class ThumbnailListTest : public ::testing::Test {
protected:
    void SetUp() override {
        Album = AlbumInfo();
        AppSettings = AppSettingsRecord();
        window.resize(500, 300);
        images.SetListImageWidth(80);
        images.SetListImageHeight(80);
        images.Create();
        list.DragDropMode = true;
        list.MultiSelect = true;
        list.LabelEdit = true;
        list.HasColumnHeader = false;
        list.Create(HandleOf(&window), 0);
        list.DockingImageList(0, &images);
        list.Move(0, 0, 500, 300);
        window.show();

        rules.Hooks.ShowStatus = [this](std::optional<bool> busy, int16_t message) {
            statuses.push_back((busy ? (*busy ? "+" : "-") : "=") + std::to_string(message));
        };
        rules.Hooks.SetProgress = [this](int32_t percent) { progress.push_back(percent); };
        rules.Hooks.Thumbnail = [this](int index, bool framed) {
            EXPECT_TRUE(framed);
            made.push_back(index);
            return Picture(index);
        };
        rules.Hooks.Template = [] { return Template(); };
        rules.Hooks.Inform = [this](int id, uint32_t style) { messages.push_back(std::to_string(id) + "/" + std::to_string(style)); };
        rules.Hooks.Trash = [this](const std::string& path) { trashed.push_back(path); };
    }
    void TearDown() override {
        SimulateKeyState(VK_ESCAPE, false);
        Album = AlbumInfo();
    }
    // Back to an empty list for the next case of a table.
    void Reset() {
        TearDown();
        AppSettings = AppSettingsRecord();
        list.ClearListItems();
        images.Clear();
        rules.EditMode = rules.ListHasFocus = rules.Dragging = false;
        rules.DropTarget = -1;
        statuses.clear();
        progress.clear();
        made.clear();
        messages.clear();
        trashed.clear();
    }

    void Galleries(int count) {
        Album.Folder = "/photos/旅行";
        for (int i = 1; i <= count; ++i) {
            GalleryInfo g;
            g.Title = "G" + std::to_string(i);
            g.FileName = "g" + std::to_string(i) + ".jpg";
            Album.Galleries.push_back(g);
        }
        Album.GalleryCount = int16_t(count);
    }
    // Galleries loaded into the list with the given items (1-based) selected and the
    // focus on `focused` (0: the focus stays where it is).
    void Loaded(int count, const std::set<int>& selected = {}, int focused = 0) {
        Galleries(count);
        rules.LoadThumbnails(ThumbnailList::FullReload);
        Select(selected, focused);
        statuses.clear();
        progress.clear();
        made.clear();
    }
    void Select(const std::set<int>& selected, int focused) {
        auto* c = Control();
        c->Selection()->clearSelection();
        if (focused) c->SetState(focused - 1, LVIS_FOCUSED, true);
        for (int k = 1; k <= list.ListItemCount(); ++k) list.SetListItemState(k - 1, LVIS_SELECTED, selected.count(k) > 0);
        rules.SelectionChanged();
    }
    ListViewControl* Control() { return static_cast<ListViewControl*>(WidgetOf(list.hListView)); }
    // The middle of item k (0-based) in the control's coordinates.
    QPoint ItemPoint(int k) {
        QAbstractItemView* view = Control()->View();
        const QRect r = view->visualRect(Control()->Model()->index(k, 0));
        return view->viewport()->mapTo(Control(), r.center());
    }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (const GalleryInfo& g : Album.Galleries) titles.push_back(g.Title);
        return titles;
    }
    std::vector<std::string> ItemTexts() {
        std::vector<std::string> texts;
        for (int k = 0; k < list.ListItemCount(); ++k) texts.push_back(list.ListItems(k));
        return texts;
    }
    std::set<int> SelectedItems() {
        std::set<int> selected;
        for (int k = 0; k < list.ListItemCount(); ++k)
            if (list.ListItemState(k, LVIS_SELECTED)) selected.insert(k + 1);
        return selected;
    }
    std::set<int> SelectedGalleries() {
        std::set<int> selected;
        for (size_t i = 0; i < Album.Galleries.size(); ++i)
            if (Album.Galleries[i].Selected) selected.insert(int(i + 1));
        return selected;
    }
    // The picture an item shows.
    QImage ItemPicture(int k) { return images.Extract(list.ListItemImage(k), 0).convertToFormat(QImage::Format_RGB32); }

    QWidget window;
    ClassImageList images;
    ClassListView list;
    ThumbnailList rules{list, images};
    std::vector<std::string> statuses;
    std::vector<int32_t> progress;
    std::vector<int> made;
    std::vector<std::string> messages;
    std::vector<std::string> trashed;
};

TEST_F(ThumbnailListTest, AFullReloadShowsEveryGalleryWithProgressAndEndsReady) {
    Galleries(3);
    rules.LoadThumbnails(ThumbnailList::FullReload);
    EXPECT_EQ(ItemTexts(), (std::vector<std::string>{"G1", "G2", "G3"}));
    EXPECT_EQ(made, (std::vector<int>{1, 2, 3}));
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(list.ItemData(k), k + 1);
        EXPECT_EQ(ItemPicture(k), Picture(k + 1)) << k;
    }
    EXPECT_EQ(progress, (std::vector<int32_t>{33, 67, 100, 0}));
    EXPECT_EQ(statuses, (std::vector<std::string>{"+2004", "-0"}));

    // An album without pictures: an empty list, and the load ends at once.
    Album = AlbumInfo();
    statuses.clear();
    progress.clear();
    rules.LoadThumbnails(ThumbnailList::FullReload);
    EXPECT_EQ(list.ListItemCount(), 0);
    EXPECT_EQ(progress, std::vector<int32_t>{0});
    EXPECT_EQ(statuses, (std::vector<std::string>{"+2004", "-0"}));
}

TEST_F(ThumbnailListTest, EscapeAfterTheTenthThumbnailLeavesEmptyFramesWithTitles) {
    Galleries(100);
    rules.Hooks.Thumbnail = [this](int index, bool) {
        made.push_back(index);
        if (index == 10) SimulateKeyState(VK_ESCAPE, true);
        return Picture(index);
    };
    // The user lets go of ESC while the message is shown.
    rules.Hooks.Inform = [this](int id, uint32_t style) {
        messages.push_back(std::to_string(id) + "/" + std::to_string(style));
        SimulateKeyState(VK_ESCAPE, false);
    };
    rules.LoadThumbnails(ThumbnailList::FullReload);
    EXPECT_EQ(made.size(), 10u);
    EXPECT_EQ(messages, std::vector<std::string>{"10010/64"});
    ASSERT_EQ(list.ListItemCount(), 100);
    EXPECT_EQ(ItemPicture(9), Picture(10));
    for (int k = 10; k < 100; ++k) {
        EXPECT_EQ(ItemPicture(k), Template()) << k;
        EXPECT_EQ(list.ListItems(k), "G" + std::to_string(k + 1));
    }
    EXPECT_EQ(progress.back(), 0);
    EXPECT_EQ(statuses.back(), "-0");
}

TEST_F(ThumbnailListTest, EscapeHeldDownAsksAfterEveryFurtherItem) {
    Galleries(4);
    SimulateKeyState(VK_ESCAPE, true);
    rules.LoadThumbnails(ThumbnailList::FullReload);
    EXPECT_EQ(made, std::vector<int>{1});
    EXPECT_EQ(messages.size(), 4u);
}

TEST_F(ThumbnailListTest, AFailingThumbnailKeepsTheEmptyFrameAndTheLoadGoesOn) {
    Galleries(3);
    rules.Hooks.Thumbnail = [this](int index, bool) -> QImage {
        made.push_back(index);
        if (index == 2) throw std::runtime_error("undecodable");
        return index == 3 ? QImage() : Picture(index);
    };
    rules.LoadThumbnails(ThumbnailList::FullReload);
    EXPECT_EQ(made, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ItemPicture(0), Picture(1));
    EXPECT_EQ(ItemPicture(1), Template());
    EXPECT_EQ(ItemPicture(2), Template());
    EXPECT_EQ(statuses.back(), "-0");
}

TEST_F(ThumbnailListTest, TheSmartViewerFollowsTheLoadAndReturnsToTheTop) {
    for (bool smart : {true, false}) {
        Reset();
        AppSettings.SmartViewer = smart;
        Galleries(60);
        int followed = 0;
        rules.Hooks.Thumbnail = [&](int index, bool) {
            if (index == 60) followed = Control()->View()->verticalScrollBar()->value();
            return Picture(index);
        };
        rules.LoadThumbnails(ThumbnailList::FullReload);
        EXPECT_EQ(followed > 0, smart);
        EXPECT_EQ(Control()->View()->verticalScrollBar()->value(), 0);
    }
}

TEST_F(ThumbnailListTest, RefreshAndAppendUseTheImagesTheItemsCarry) {
    Loaded(3);
    Album.Gallery(2).Title = "改名";
    list.SetItemData(0, 3); // as after a move: item 1 shows picture 3
    rules.LoadThumbnails(ThumbnailList::RefreshItems);
    EXPECT_TRUE(made.empty());
    EXPECT_EQ(ItemTexts(), (std::vector<std::string>{"G1", "改名", "G3"}));
    EXPECT_EQ(ItemPicture(0), Picture(3));

    GalleryInfo added;
    added.Title = "新着";
    Album.Galleries.push_back(added);
    Album.GalleryCount = 4;
    rules.LoadThumbnails(ThumbnailList::AppendLast);
    EXPECT_EQ(made, std::vector<int>{4});
    EXPECT_EQ(list.ListItemCount(), 4);
    EXPECT_EQ(list.ListItems(3), "新着");
    EXPECT_EQ(list.ItemData(3), 4);
    EXPECT_EQ(ItemPicture(3), Picture(4));
}

TEST_F(ThumbnailListTest, DroppingSelectedGalleriesMovesThemInFrontOfTheTarget) {
    struct Case {
        const char* what;
        bool editMode;
        std::set<int> selected;
        int dropOnto; // item (1-based); 0: empty space below the items
        std::vector<std::string> order;
    } cases[] = {
        {"2 and 5 onto 4", true, {2, 5}, 4, {"G1", "G3", "G2", "G5", "G4", "G6"}},
        {"1 and 2 onto 6", true, {1, 2}, 6, {"G3", "G4", "G5", "G1", "G2", "G6"}},
        {"6 onto 1", true, {6}, 1, {"G6", "G1", "G2", "G3", "G4", "G5"}},
        {"onto a selected gallery", true, {2, 5}, 5, {"G1", "G2", "G3", "G4", "G5", "G6"}},
        {"onto empty space", true, {2, 5}, 0, {"G1", "G2", "G3", "G4", "G5", "G6"}},
        {"outside edit mode", false, {2, 5}, 4, {"G1", "G2", "G3", "G4", "G5", "G6"}},
    };
    for (const Case& c : cases) {
        Reset();
        Loaded(6, c.selected, *c.selected.begin());
        rules.EditMode = c.editMode;
        rules.DragStarted();
        EXPECT_EQ(rules.Dragging, c.editMode) << c.what;
        for (int k : c.selected) EXPECT_EQ(list.ListItemState(k - 1, LVIS_CUT), c.editMode) << c.what;
        const QPoint at = c.dropOnto ? ItemPoint(c.dropOnto - 1) : QPoint(490, 290);
        rules.Hovered(1, at.x(), at.y());
        if (c.editMode) {
            EXPECT_EQ(rules.DropTarget, c.dropOnto - 1) << c.what;
        }
        const int16_t moved = rules.Dropped(at.x(), at.y());
        rules.LoadThumbnails(ThumbnailList::RefreshItems);

        EXPECT_EQ(Titles(), c.order) << c.what;
        EXPECT_EQ(ItemTexts(), c.order) << c.what;
        const bool changed = c.order != std::vector<std::string>{"G1", "G2", "G3", "G4", "G5", "G6"};
        EXPECT_EQ(moved != 0, changed) << c.what;
        for (int k = 0; k < 6; ++k) {
            // Each picture follows its gallery; the moved galleries stay selected.
            const int gallery = std::stoi(c.order[size_t(k)].substr(1));
            EXPECT_EQ(ItemPicture(k), Picture(gallery)) << c.what << " item " << k;
            EXPECT_EQ(list.ListItemState(k, LVIS_SELECTED), c.selected.count(gallery) > 0) << c.what;
            EXPECT_FALSE(list.ListItemState(k, LVIS_CUT)) << c.what;
            EXPECT_FALSE(list.ListItemState(k, LVIS_DROPHILITED)) << c.what;
        }
        rules.SelectionChanged();
        EXPECT_EQ(SelectedGalleries().size(), c.selected.size()) << c.what;
        EXPECT_FALSE(rules.Dragging);
    }
}

TEST_F(ThumbnailListTest, TheDropHighlightFollowsTheMouseWhileTheButtonIsDown) {
    Loaded(6, {1}, 1);
    rules.EditMode = true;
    rules.DragStarted();
    const QPoint third = ItemPoint(2), fourth = ItemPoint(3);
    rules.Hovered(1, third.x(), third.y());
    EXPECT_TRUE(list.ListItemState(2, LVIS_DROPHILITED));
    rules.Hovered(1, fourth.x(), fourth.y());
    EXPECT_FALSE(list.ListItemState(2, LVIS_DROPHILITED));
    EXPECT_TRUE(list.ListItemState(3, LVIS_DROPHILITED));
    EXPECT_EQ(rules.DropTarget, 3);
    rules.Hovered(0, third.x(), third.y()); // the button is up: nothing follows
    EXPECT_EQ(rules.DropTarget, 3);
    rules.Hovered(1, 490, 290);
    EXPECT_EQ(rules.DropTarget, -1);
    EXPECT_FALSE(list.ListItemState(3, LVIS_DROPHILITED));
}

TEST_F(ThumbnailListTest, TheCurrentItemAndTheCommandsFollowSelectionFocusAndMode) {
    struct Case {
        std::set<int> selected;
        int focused;
        bool editMode, listHasFocus;
        int16_t selectedGallery;
        bool canMail, canErase;
    } cases[] = {
        {{}, 1, true, true, 0, false, false},
        {{3}, 3, true, true, 3, true, true},
        {{1, 2, 3, 4, 5}, 2, false, true, 2, true, false},
        {{1, 2, 3, 4, 5, 6}, 2, true, true, 2, false, true},
        {{2, 3}, 5, true, true, 0, false, true}, // the focused item is not selected
        {{2}, 2, true, false, 2, true, false},   // the list does not have the focus
    };
    for (const Case& c : cases) {
        Reset();
        Loaded(8, c.selected, c.focused);
        rules.EditMode = c.editMode;
        rules.ListHasFocus = c.listHasFocus;
        EXPECT_EQ(rules.SelectedGallery(), c.selectedGallery);
        EXPECT_EQ(rules.CanMail(), c.canMail) << c.selected.size();
        EXPECT_EQ(rules.CanErase(), c.canErase) << c.selected.size();
        EXPECT_EQ(SelectedGalleries(), c.selected);
    }
}

TEST_F(ThumbnailListTest, PlayingStartsFromTheCurrentItemOrTheFirstSelected) {
    Loaded(5, {}, 1);
    EXPECT_FALSE(rules.PlaySelected());
    Select({4}, 4);
    EXPECT_TRUE(rules.PlaySelected());
    EXPECT_EQ(Album.CurrentGallery, 4);
    Select({2, 3}, 5);
    EXPECT_TRUE(rules.PlaySelected());
    EXPECT_EQ(Album.CurrentGallery, 2);
}

TEST_F(ThumbnailListTest, RenamingTakesAnyTextInEditModeAndIsRefusedOutsideIt) {
    Loaded(3, {2}, 2);
    list.SetListItems(1, 0, "typed"); // what the label editor shows before the end
    EXPECT_FALSE(rules.LabelEdited("G2", "typed"));
    EXPECT_EQ(list.ListItems(1), "G2");
    EXPECT_EQ(Album.Gallery(2).Title, "G2");
    EXPECT_EQ(messages, std::vector<std::string>{"10011/64"});

    rules.EditMode = true;
    EXPECT_TRUE(rules.LabelEdited("G2", "浜辺"));
    EXPECT_EQ(Album.Gallery(2).Title, "浜辺");
    EXPECT_TRUE(rules.LabelEdited("浜辺", ""));
    EXPECT_EQ(Album.Gallery(2).Title, "");
    EXPECT_EQ(list.ListItems(1), "");
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(ThumbnailListTest, SelectAllMarksEveryGallery) {
    Loaded(4, {1}, 1);
    rules.SelectAll();
    rules.SelectionChanged();
    EXPECT_EQ(SelectedItems(), (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(SelectedGalleries(), (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(statuses, (std::vector<std::string>{"+0", "-0"}));
}

TEST_F(ThumbnailListTest, EraseAndMailWorkOnTheSelectedGalleries) {
    Loaded(4, {2, 4}, 2);
    rules.EraseSelected();
    EXPECT_EQ(trashed, (std::vector<std::string>{"/photos/旅行/g2.jpg", "/photos/旅行/g4.jpg"}));

    std::string paths, titles;
    int32_t answer = 0;
    rules.Hooks.Mail = [&](const std::string& p, const std::string& t) {
        paths = p;
        titles = t;
        return answer;
    };
    rules.MailSelected();
    EXPECT_EQ(paths, "/photos/旅行/g2.jpg;/photos/旅行/g4.jpg");
    EXPECT_EQ(titles, "G2;G4");
    EXPECT_TRUE(messages.empty());
    answer = 2;
    rules.MailSelected();
    EXPECT_EQ(messages, std::vector<std::string>{"10016/16"});
}

} // namespace
} // namespace gb
