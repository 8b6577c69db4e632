// Up-down, animation, calendar, tab strip, extended combo box, rebar, drag list.
#include "toolkit/ClassAnimate.h"
#include "toolkit/ClassCalendar.h"
#include "toolkit/ClassComboBoxEx.h"
#include "toolkit/ClassDragListBox.h"
#include "toolkit/ClassProgress.h"
#include "toolkit/ClassReBar.h"
#include "toolkit/ClassTabStrip.h"
#include "toolkit/ClassToolBar.h"
#include "toolkit/ClassUpDown.h"
#include "platform/ErrorRecord.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace gb;

namespace {

// A framework control handed to a wrapper as a partner.
struct Partner : InterfaceDock {
    std::intptr_t handle;
    explicit Partner(QWidget* w) : handle(HandleOf(w)) {}
    std::intptr_t Handle() override { return handle; }
    int32_t Superclass() override { return 0; }
    void Receive(InterfaceDock*) override {}
};

} // namespace

TEST(UpDown, ModeOneClampsTheBuddyTextAtTheTop) {
    QWidget window;
    auto* text = new QLineEdit(&window);
    text->setGeometry(10, 10, 40, 20);
    Partner buddy(text);
    ClassUpDown spin;
    spin.Mode = 1;
    spin.DockingBuddy(&buddy);
    spin.Create(HandleOf(&window), 0);
    spin.SetMin(0);
    spin.SetMax(10);
    spin.SetCurrent(10);
    auto* control = static_cast<UpDownControl*>(WidgetOf(spin.hUpDown));
    control->Step(+1);
    EXPECT_EQ(text->text(), "10");
    EXPECT_EQ(spin.Current(), 10);
    control->Step(-1);
    EXPECT_EQ(text->text(), "9");
    EXPECT_EQ(spin.Mode, 1);
    // Beside the buddy.
    EXPECT_EQ(spin.Left(), text->geometry().right() + 1);
}

TEST(UpDown, ModeZeroLetsTheControlWriteTheBuddy) {
    QWidget window;
    auto* text = new QLineEdit(&window);
    Partner buddy(text);
    ClassUpDown spin;
    spin.DockingBuddy(&buddy);
    spin.Create(HandleOf(&window), 0);
    spin.SetMin(1);
    spin.SetMax(50);
    spin.SetCurrent(50);
    static_cast<UpDownControl*>(WidgetOf(spin.hUpDown))->Step(+1);
    EXPECT_EQ(text->text(), "50");
}

TEST(Animate, RepeatLoopsTheWholeClipAndResetShowsTheFirstFrame) {
    QWidget window;
    ClassAnimate busy;
    busy.Create(HandleOf(&window), 0);
    ASSERT_TRUE(busy.LoadFromResource(0, 1));
    auto* control = static_cast<AnimateControl*>(WidgetOf(busy.hAnimate));
    int frames = control->FrameCount();
    ASSERT_EQ(frames, 12);
    for (bool repeat : {true, false}) {
        busy.Play(repeat);
        std::vector<int> seen;
        for (int i = 0; i < frames + 2; ++i) {
            seen.push_back(control->Frame());
            control->Step();
        }
        EXPECT_EQ(seen[size_t(frames - 1)], frames - 1);
        if (repeat) {
            EXPECT_EQ(seen[size_t(frames)], 0);
            EXPECT_TRUE(control->Playing());
        } else {
            EXPECT_EQ(seen.back(), frames - 1);
            EXPECT_FALSE(control->Playing());
        }
    }
    busy.Play(true);
    control->Step();
    busy.Reset();
    EXPECT_EQ(control->Frame(), 0);
    EXPECT_FALSE(control->Playing());
}

TEST(Calendar, ARangeOfAtMostSelLimitDays) {
    QWidget window;
    ClassCalendar calendar;
    calendar.MultiSelect = true;
    calendar.Create(HandleOf(&window), 0);
    calendar.SetSelLimit(10);
    double may3 = DayCountOfDate(QDate(2024, 5, 3));
    EXPECT_TRUE(calendar.SelRange(may3, may3 + 2));
    EXPECT_EQ(calendar.SelMin(), may3);
    EXPECT_EQ(calendar.SelMax(), may3 + 2);
    EXPECT_FALSE(calendar.SelRange(may3, may3 + 10)); // eleven days
    EXPECT_EQ(calendar.SelMax(), may3 + 2);

    int changes = 0;
    calendar.Events.Change = [&] { ++changes; };
    auto* control = static_cast<CalendarControl*>(WidgetOf(calendar.hCalendar));
    control->Choose(QDate(2024, 6, 1), false);
    control->Choose(QDate(2024, 6, 30), true); // stops after ten days
    EXPECT_EQ(calendar.SelMin(), DayCountOfDate(QDate(2024, 6, 1)));
    EXPECT_EQ(calendar.SelMax(), DayCountOfDate(QDate(2024, 6, 10)));
    EXPECT_EQ(changes, 2);
}

TEST(TabStrip, ChangeOnlyWhenTheUserChoosesATab) {
    QWidget window;
    window.resize(300, 200);
    ClassTabStrip tabs;
    tabs.Create(HandleOf(&window), 0);
    tabs.Move(0, 0, 200, 150);
    for (const char* caption : {"アルバム", "スライドショー", "インターネットから検索"}) tabs.AddTab(caption);
    int changes = 0;
    tabs.Events.Change = [&] { ++changes; };
    tabs.SetCurrent(1);
    EXPECT_EQ(tabs.Current(), 1);
    EXPECT_EQ(changes, 0);
    auto* control = static_cast<TabStripControl*>(WidgetOf(tabs.hTabStrip));
    window.show();
    QApplication::processEvents();
    QTest::mouseClick(control->Bar(), Qt::LeftButton, {}, control->Bar()->tabRect(2).center());
    EXPECT_EQ(tabs.Current(), 2);
    EXPECT_EQ(changes, 1);
    EXPECT_GT(tabs.ScaleTop(), 0);
    EXPECT_LT(tabs.ScaleWidth(), 200);
}

TEST(ComboBoxEx, EventsFromItsOwnCommands) {
    QWidget window;
    ClassComboBoxEx combo;
    combo.Style = 2;
    combo.Create(HandleOf(&window), 0);
    for (const char* name : {"(なし)", "モノトーン ライブ", "セピア調 ライブ"}) combo.AddItem(name);
    combo.SetItemData(2, 13);
    EXPECT_EQ(combo.NewIndex, 2);
    EXPECT_EQ(combo.Search("セピア調 ライブ"), 2);
    EXPECT_EQ(combo.Search("セピア"), -1);
    int changes = 0;
    combo.Events.Change = [&] { ++changes; };
    combo.SetListIndex(1); // the program's own choice is no change
    EXPECT_EQ(changes, 0);
    auto* control = static_cast<ComboBoxExControl*>(WidgetOf(combo.hComboBoxEx));
    emit control->activated(2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(combo.ItemData(2), 13);
    EXPECT_EQ(combo.EditWindow(), 0);
}

TEST(ReBar, BandsHoldTheirControls) {
    QWidget window;
    window.resize(500, 300);
    ClassToolBar bar;
    bar.SetAlign(8); // not along the parent: the rebar places it
    bar.Create(HandleOf(&window), 0);
    bar.AddButton(11, 0, 0, "新しいサムネイル", -1);
    bar.Size(200, 24);
    ClassAnimate busy;
    busy.Create(HandleOf(&window), 0);
    busy.Size(26, 26);
    ClassReBar rebar;
    rebar.Align = 0;
    rebar.FixedOrder = true;
    rebar.Create(HandleOf(&window), 0);
    int resized = 0;
    rebar.Events.Resize = [&] { ++resized; };
    rebar.AddBand(0, &bar, 0, "");
    rebar.AddBand(0, &busy, 0, "");
    EXPECT_EQ(rebar.BandCount(), 2);
    EXPECT_EQ(WidgetOf(bar.hToolBar)->parentWidget(), WidgetOf(rebar.hReBar));
    EXPECT_EQ(rebar.Width(), 500);
    EXPECT_GE(rebar.BandHeight(0), 26);
    EXPECT_GE(resized, 1);
}

TEST(DragListBox, OnlyAListBoxBecomesADragList) {
    QWidget window;
    auto* edit = new QLineEdit(&window);
    auto* list = new QListWidget(&window);
    list->addItems({"Susie", "PNG"});
    ClassDragListBox drag;
    Err().Clear();
    EXPECT_FALSE(drag.Attach(edit));
    EXPECT_EQ(Err().Number, kObjectError);
    ASSERT_TRUE(drag.Attach(list));
    EXPECT_GE(drag.DragListMessage(), 0xC000u);
    EXPECT_EQ(drag.DragListMessage(), RegisterWindowMessage("commctrl_DragListMsg"));
    int drops = 0;
    std::vector<int> checked;
    drag.Events.Drop = [&] { ++drops; };
    drag.Events.ItemCheck = [&](int32_t item) { checked.push_back(item); };
    list->model()->moveRow(QModelIndex(), 1, QModelIndex(), 0);
    EXPECT_EQ(drops, 1);
    list->item(1)->setCheckState(Qt::Checked);
    EXPECT_EQ(checked, std::vector<int>{1});
    drag.Detach();
    list->model()->moveRow(QModelIndex(), 1, QModelIndex(), 0);
    EXPECT_EQ(drops, 1);
}

TEST(Progress, PercentIsAByte) {
    QWidget window;
    ClassProgress progress;
    progress.Create(HandleOf(&window), 0);
    progress.SetPercent(50);
    EXPECT_EQ(progress.Percent(), 50);
    progress.SetPercent(256 + 30);
    EXPECT_EQ(progress.Percent(), 30);
}
