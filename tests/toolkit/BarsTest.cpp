// Tool bar, status bar, slider and tool tips.
#include "toolkit/ClassImageList.h"
#include "toolkit/ClassSlider.h"
#include "toolkit/ClassStatusBar.h"
#include "toolkit/ClassToolBar.h"
#include "toolkit/ClassToolTips.h"
#include "toolkit/SliderControl.h"
#include "toolkit/ToolBarControl.h"

#include <QAction>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace gb;

TEST(StatusBar, SharedPanelsTakeTheFreeSpaceAndTheLastReachesTheEnd) {
    QWidget window;
    window.resize(400, 100);
    ClassStatusBar bar;
    bar.Create(HandleOf(&window), 0);
    int resized = 0;
    bar.Events.Resize = [&] { ++resized; };
    struct Case {
        std::vector<std::optional<int32_t>> widths;
        std::vector<int32_t> edges;
    } cases[] = {
        {{100, std::nullopt, 80}, {100, 320, -1}},
        {{100, 80}, {100, 180}},
        {{std::nullopt, std::nullopt}, {200, -1}},
    };
    for (const Case& c : cases) {
        bar.AddPanels(c.widths);
        bar.Calculate();
        EXPECT_EQ(bar.RightEdges(), c.edges);
    }
    EXPECT_EQ(resized, 3);
    EXPECT_EQ(bar.Width(), 400);
    bar.SetPanels(1, "準備ができました");
    EXPECT_EQ(bar.Panels(1), "準備ができました");
}

TEST(Slider, IntervalZeroRemovesEveryTick) {
    QWidget window;
    ClassSlider slider;
    slider.Create(HandleOf(&window), 0);
    slider.SetMin(1);
    slider.SetMax(100);
    auto* control = static_cast<SliderControl*>(WidgetOf(slider.hSlider));
    slider.Interval(10);
    EXPECT_EQ(control->tickInterval(), 10);
    EXPECT_NE(control->tickPosition(), QSlider::NoTicks);
    slider.Interval(0);
    EXPECT_EQ(control->tickPosition(), QSlider::NoTicks);
}

TEST(Slider, ScrollOnlyForTheUsersMoves) {
    QWidget window;
    ClassSlider slider;
    slider.Create(HandleOf(&window), 0);
    slider.SetMax(10);
    slider.SelRange(2, 6);
    EXPECT_EQ(slider.SelStart(), 2);
    EXPECT_EQ(slider.SelLength(), 4);
    int scrolls = 0;
    slider.Events.Scroll = [&] { ++scrolls; };
    slider.SetCurrent(5);
    EXPECT_EQ(scrolls, 0);
    QTest::keyClick(WidgetOf(slider.hSlider), Qt::Key_Right);
    EXPECT_EQ(slider.Current(), 6);
    EXPECT_EQ(scrolls, 1);
}

TEST(ToolBar, ClicksDropDownsAndCheckGroups) {
    QWidget window;
    window.resize(320, 60);
    ClassImageList images;
    images.Create();
    QImage strip(32, 16, QImage::Format_RGB32);
    strip.fill(Qt::magenta);
    images.UseMask = true;
    images.MaskColor = 0xFF00FF;
    images.Add(strip);
    EXPECT_EQ(images.ListImageCount(), 2);

    ClassToolBar bar;
    bar.SetDropDownArrow(true);
    bar.Create(HandleOf(&window), 0);
    bar.DockingImageList(&images);
    bar.AddButton(11, 8, 0, "", 0);  // with a drop-down arrow
    bar.AddButton(20, 1, 0, "", -1); // separator
    bar.AddButton(21, 6, 0, "停止", 1);
    bar.AddButton(22, 6, 0, "再生", 1);
    EXPECT_EQ(bar.ButtonCount(), 4);
    EXPECT_TRUE(bar.ButtonEnabled(21));

    std::vector<int> clicks;
    std::vector<int> dropped;
    bar.Events.ItemClick = [&](int32_t key) { clicks.push_back(key); };
    bar.Events.DropDown = [&](int32_t key, int32_t, int32_t) { dropped.push_back(key); };
    auto* control = static_cast<ToolBarControl*>(WidgetOf(bar.hToolBar));
    window.show();
    QApplication::processEvents();
    QToolButton* b21 = control->Find(21)->button;
    QToolButton* b22 = control->Find(22)->button;
    QTest::mouseClick(b21, Qt::LeftButton);
    QTest::mouseClick(b22, Qt::LeftButton);
    EXPECT_EQ(clicks, (std::vector<int>{21, 22}));
    EXPECT_EQ(bar.ButtonState(21) & 1, 0); // one of a group
    EXPECT_EQ(bar.ButtonState(22) & 1, 1);

    QToolButton* b11 = control->Find(11)->button;
    QTest::mouseClick(b11, Qt::LeftButton, {}, QPoint(b11->width() - 3, b11->height() / 2));
    EXPECT_EQ(dropped, std::vector<int>{11});
    bar.SetButtonEnabled(22, false);
    EXPECT_FALSE(bar.ButtonEnabled(22));
    bar.SetButtonState(21, 1 | 4);
    EXPECT_EQ(bar.ButtonState(22) & 1, 0);
}

TEST(ToolBar, ParentMenuMessagesBecomeEvents) {
    QWidget window;
    ClassToolBar bar;
    bar.Create(HandleOf(&window), 0);
    std::vector<std::pair<int, int>> selects;
    std::vector<int> shortcuts;
    bar.Events.MenuSelect = [&](int32_t id, int32_t mode) { selects.emplace_back(id, mode); };
    bar.Events.Shortcut = [&](int32_t key) { shortcuts.push_back(key); };
    Hwnd w = HandleOf(&window);
    SendMessage(w, WM_COMMAND, 7, 0);
    SendMessage(w, WM_MENUSELECT, 9 | (0x80 << 16), 1234);
    SendMessage(w, WM_MENUSELECT, WParam(0xFFFF) << 16, 0);
    EXPECT_EQ(selects, (std::vector<std::pair<int, int>>{{7, 0}, {9, 1}, {0, 2}}));
    for (WParam flags : {0x0, 0x10, 0x2010}) SendMessage(w, WM_MENUCHAR, 'S' | (flags << 16), 0);
    EXPECT_EQ(shortcuts, std::vector<int>{'S'});
}

TEST(ToolBar, AnAltKeyNoShortcutTakesIsAShortcutEvent) {
    QWidget window;
    ClassToolBar bar;
    bar.Create(HandleOf(&window), 0);
    std::vector<int> shortcuts;
    bar.Events.Shortcut = [&](int32_t key) { shortcuts.push_back(key); };
    window.show();
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(shortcuts, std::vector<int>{'s'});
}

TEST(ToolTips, ThePartnerBecomesTheOwner) {
    QWidget window;
    ClassToolBar bar;
    bar.Create(HandleOf(&window), 0);
    bar.AddButton(21, 2, 0, "", 0);
    ClassToolTips tips;
    tips.Create(HandleOf(&window), 0);
    tips.Add("常に手前に表示", 21);
    bar.DockingToolTips(&tips);
    EXPECT_EQ(tips.ToolTipsCount(), 1);
    auto* control = static_cast<ToolBarControl*>(WidgetOf(bar.hToolBar));
    EXPECT_EQ(control->Find(21)->action->toolTip(), "常に手前に表示");
    tips.ToolTipText(21, "前面");
    EXPECT_EQ(control->Find(21)->action->toolTip(), "前面");
}
