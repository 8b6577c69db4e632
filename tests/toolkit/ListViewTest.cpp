// The list-view wrapper: drag without DragDropMode, SelIndex, label editing with the
// Escape rule, the selection kept visible, item changes.
#include "toolkit/ClassImageList.h"
#include "toolkit/ClassListView.h"
#include "toolkit/ListViewControl.h"
#include "platform/window/WindowCapture.h"

#include <QLineEdit>
#include <QListView>
#include <QStandardItemModel>
#include <QTreeView>
#include <QTest>
#include <gtest/gtest.h>

using namespace gb;

namespace {

struct ListViewFixture : ::testing::Test {
    QWidget window;
    ClassListView list;
    void SetUp() override {
        window.resize(400, 300);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void Make(bool dragDrop, bool labelEdit = false) {
        list.DragDropMode = dragDrop;
        list.MultiSelect = true;
        list.LabelEdit = labelEdit;
        list.Create(HandleOf(&window), 0);
        list.Move(0, 0, 400, 300);
        for (const char* text : {"さくら", "もみじ", "ふじ"}) list.AddListItem(text);
        QApplication::processEvents();
    }
    QWidget* Viewport() { return static_cast<ListViewControl*>(WidgetOf(list.hListView))->View()->viewport(); }
    QPoint Centre(int row) {
        auto* c = static_cast<ListViewControl*>(WidgetOf(list.hListView));
        return c->View()->visualRect(c->Model()->index(row, 0)).center();
    }
};

} // namespace

TEST_F(ListViewFixture, DragWithoutDragDropModeCapturesButRaisesNothing) {
    Make(false);
    int drags = 0, drops = 0;
    list.Events.Drag = [&](int32_t) { ++drags; };
    list.Events.Drop = [&](int32_t, int32_t) { ++drops; };
    QPoint from = Centre(0);
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Viewport(), from + QPoint(40, 40));
    EXPECT_EQ(GetCapture(), list.hListView);
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, from + QPoint(40, 40));
    EXPECT_EQ(GetCapture(), 0);
    EXPECT_EQ(drags, 0);
    EXPECT_EQ(drops, 0);
}

TEST_F(ListViewFixture, DragAndDropWithDragDropMode) {
    Make(true);
    std::vector<int> dragged;
    QPoint dropped(-1, -1);
    list.Events.Drag = [&](int32_t item) { dragged.push_back(item); };
    list.Events.Drop = [&](int32_t x, int32_t y) { dropped = QPoint(x, y); };
    QPoint from = Centre(1);
    QPoint to = from + QPoint(60, 50);
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Viewport(), to);
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, to);
    EXPECT_EQ(dragged, std::vector<int>{1});
    QWidget* control = WidgetOf(list.hListView);
    EXPECT_EQ(dropped, Viewport()->mapTo(control, to));
    EXPECT_EQ(GetCapture(), 0);
}

TEST_F(ListViewFixture, SelIndexNeedsFocusAndSelection) {
    Make(false);
    EXPECT_EQ(list.SelIndex(), -1);
    list.SetListItemState(0, 2, true); // selected but not focused
    list.SetSelIndex(-1);              // nothing is both: nothing changes
    EXPECT_TRUE(list.ListItemState(0, 2));
    EXPECT_EQ(list.SelIndex(), -1);

    list.SetSelIndex(2);
    EXPECT_EQ(list.SelIndex(), 2);
    EXPECT_EQ(list.SelCount(), 2);
    list.SetSelIndex(-1);
    EXPECT_EQ(list.SelIndex(), -1);
    EXPECT_FALSE(list.ListItemState(2, 2));
    EXPECT_TRUE(list.ListItemState(0, 2));
}

TEST_F(ListViewFixture, ItemChangeCarriesTheNewState) {
    Make(false);
    std::vector<std::pair<int, int>> changes;
    list.Events.ItemChange = [&](int32_t item, int32_t state) { changes.emplace_back(item, state); };
    list.SetListItemState(1, 4, true); // cut
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), std::make_pair(1, 4));
    list.SetSelIndex(1);
    EXPECT_EQ(changes.back(), std::make_pair(1, 4 | 2 | 1));
}

TEST_F(ListViewFixture, EscapeCancelsALabelEditWithoutAnEvent) {
    Make(false, true);
    std::vector<std::pair<std::string, std::string>> edits;
    list.Events.Edit = [&](const std::string& before, const std::string& after) { edits.emplace_back(before, after); };

    struct Case {
        Qt::Key key;
        bool raised;
    } cases[] = {{Qt::Key_Escape, false}, {Qt::Key_Return, true}};
    for (const Case& c : cases) {
        list.Edit(1);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr);
        editor->setText("かえで");
        QTest::keyClick(editor, c.key);
        QApplication::processEvents();
        EXPECT_EQ(!edits.empty(), c.raised) << c.key;
    }
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits[0].first, "もみじ");
    EXPECT_EQ(edits[0].second, "かえで");
    // The wrapper never takes the new text on its own.
    EXPECT_EQ(list.ListItems(1), "もみじ");
}

TEST_F(ListViewFixture, HideSelectionTrueKeepsTheSelectionDrawnWithoutFocus) {
    QLineEdit other(&window);
    other.show();
    for (bool hide : {true, false}) {
        ClassListView view;
        view.HideSelection = hide;
        view.Create(HandleOf(&window), 0);
        view.Move(0, 40, 300, 200);
        view.AddListItem("選択");
        auto* c = static_cast<ListViewControl*>(WidgetOf(view.hListView));
        QPalette p = c->View()->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive}) p.setColor(group, QPalette::Highlight, Qt::red);
        c->View()->setPalette(p);
        view.SetSelIndex(0);
        other.setFocus();
        QApplication::processEvents();
        QImage shot = c->View()->viewport()->grab().toImage();
        QRect item = c->View()->visualRect(c->Model()->index(0, 0));
        bool red = false;
        for (int x = item.left(); x <= item.right() && !red; ++x)
            for (int y = item.top(); y <= item.bottom() && !red; ++y) red = shot.pixelColor(x, y) == QColor(Qt::red);
        EXPECT_EQ(red, hide) << "HideSelection " << hide;
    }
}

TEST(ListViewStyle, ViewStyleSwitchesAndCreationBits) {
    QWidget window;
    ClassListView list;
    list.SetStyle(1);
    list.HasColumnHeader = false;
    list.Create(HandleOf(&window), 0);
    auto* c = static_cast<ListViewControl*>(WidgetOf(list.hListView));
    EXPECT_EQ(c->View(), static_cast<QAbstractItemView*>(c->ReportView()));
    EXPECT_EQ(list.Style(), 1);
    list.AddColumnHeader(0, 100, "タイトル");
    list.AddColumnHeader(0, 200, "場所");
    list.AddListItem("旅行");
    list.SetListItems(0, 1, "/home/album");
    EXPECT_EQ(list.ColumnHeaderCount(), 2);
    EXPECT_EQ(list.ColumnHeaders(1), "場所");
    EXPECT_EQ(list.ColumnHeaderLength(1), 200);
    EXPECT_EQ(list.ListItems(0, 1), "/home/album");
    list.SetStyle(0);
    EXPECT_EQ(c->View(), static_cast<QAbstractItemView*>(c->IconView()));
    // No DragDropMode: the icons arrange themselves; single selection.
    EXPECT_EQ(c->IconView()->movement(), QListView::Static);
    EXPECT_EQ(c->View()->selectionMode(), QAbstractItemView::SingleSelection);
    list.Destroy();
    EXPECT_EQ(list.hListView, 0);
    EXPECT_EQ(GetProp(HandleOf(&window), "COUNTER"), 0);
}
