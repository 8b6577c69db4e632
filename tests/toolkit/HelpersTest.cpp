// The size tracker, the grip, the panel, the button and menu helpers.
#include "toolkit/ClassButton.h"
#include "toolkit/ClassGrip.h"
#include "toolkit/ClassMenu.h"
#include "toolkit/ClassPanel.h"
#include "toolkit/ClassTrack.h"

#include "platform/window/WindowStyle.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace gb;

TEST(Track, OnlyTheGivenLimitsChange) {
    QWidget window;
    window.resize(500, 400);
    QSize platformMax = window.maximumSize();
    ClassTrack track;
    track.MinWidth = 300;
    track.SetOwner(HandleOf(&window));
    track.Attach();
    track.Attach(); // does nothing
    EXPECT_EQ(GetWindowProc(HandleOf(&window)), &TrackWindowProc);
    window.show();
    window.resize(100, 100);
    EXPECT_EQ(window.width(), 300);
    EXPECT_EQ(window.minimumHeight(), 0);
    EXPECT_EQ(window.maximumSize(), platformMax);
    track.Detach();
    EXPECT_EQ(window.minimumWidth(), 0); // its own limits again
    EXPECT_EQ(GetWindowProc(HandleOf(&window)), &DefWindowProc);
    EXPECT_EQ(GetProp(HandleOf(&window), "POINTER"), 0);
}

TEST(Track, LimitsTheWindowSetsItselfLaterAreKept) {
    // A window listened to by a control site gets the get-min-max-info message too; the
    // limits the window sets afterwards must survive it.
    QWidget window;
    ClassTrack track;
    track.MaxWidth = 800;
    track.SetOwner(HandleOf(&window));
    track.Attach();
    window.show();
    window.setMinimumSize(200, 100);
    window.resize(150, 90);
    EXPECT_EQ(window.size(), QSize(200, 100));
    EXPECT_EQ(window.maximumWidth(), 800);
    window.resize(900, 300);
    EXPECT_EQ(window.width(), 800);
    EXPECT_EQ(window.minimumSize(), QSize(200, 100));
    track.Detach();
    EXPECT_EQ(window.minimumSize(), QSize(200, 100));
    EXPECT_EQ(window.maximumWidth(), QWIDGETSIZE_MAX);
}

TEST(Grip, AnchorsOnlyWhenAsked) {
    QWidget window;
    window.resize(300, 200);
    auto* bar = new QScrollBar(Qt::Horizontal, &window);
    bar->setGeometry(10, 10, 40, 16);
    window.show();
    ClassGrip grip;
    grip.SetTarget(bar);
    ASSERT_NE(grip.Grip(), nullptr);
    QPoint placed = grip.Grip()->pos();
    window.resize(400, 300);
    grip.Form_Resize();
    EXPECT_EQ(grip.Grip()->pos(), placed);
    grip.SetAutoAnchor(true);
    EXPECT_EQ(grip.Grip()->geometry().bottomRight(), QPoint(399, 299));
    window.resize(350, 250);
    QApplication::sendPostedEvents();
    EXPECT_EQ(grip.Grip()->geometry().bottomRight(), QPoint(349, 249));
}

TEST(Panel, MoveKeepsTheLastSize) {
    QWidget window;
    ClassPanel panel;
    panel.Attach(HandleOf(&window), 0);
    EXPECT_FALSE(panel.Visible());
    panel.Move(5, 6, 120, 80);
    panel.Move(10, 20);
    EXPECT_EQ(panel.Left(), 10);
    EXPECT_EQ(panel.Width(), 120);
    EXPECT_EQ(panel.Height(), 80);
    panel.SetCaption("音楽");
    EXPECT_EQ(panel.Caption(), "音楽");
    panel.Detach();
    EXPECT_EQ(panel.hPanel, 0);
}

TEST(Button, BlurMovesTheFocusToTheEscapeWindow) {
    QWidget window;
    auto* button = new QPushButton("終了", &window);
    auto* escape = new QLineEdit(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    button->setFocus();
    ClassButton helper;
    helper.SetEscape(escape);
    button->setFocus();
    helper.BlurFocus(button);
    EXPECT_EQ(QApplication::focusWidget(), escape);
    helper.FlatStyle(button, true);
    EXPECT_TRUE(button->isFlat());
    helper.Alignment(button, 1);
    EXPECT_EQ(GetWindowLong(HandleOf(button), GWL_STYLE) & 0x300, 0x200u);
}

TEST(Menu, RadioMarkAndNothingForMinusOne) {
    QWidget window;
    auto* bar = new QMenuBar(&window);
    QMenu* file = bar->addMenu("ファイル(&F)");
    QMenu* view = bar->addMenu("表示(&V)");
    for (const char* text : {"小", "中", "大"}) view->addAction(text);
    file->addAction("開く");
    ClassMenu menu;
    menu.SetOwner(&window);
    menu.Modify(1, 0, 2, -1, -1);
    EXPECT_FALSE(view->actions()[1]->isChecked());
    menu.Modify(1, 0, 2, 1, -1);
    EXPECT_TRUE(view->actions()[1]->isChecked());
    menu.Modify(2, 0, 2, 1, -1);
    EXPECT_FALSE(view->actions()[1]->isChecked());
    EXPECT_TRUE(view->actions()[2]->isChecked());
}
