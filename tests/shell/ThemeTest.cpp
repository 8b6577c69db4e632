// Visual-style services: editions, the themed owner's messages, re-parenting.
#include "shell/ClassTheme.h"
#include "shell/GeneralTheme.h"
#include "toolkit/ClassTabStrip.h"
#include "platform/window/DeviceContexts.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

using namespace gb;

TEST(ClassTheme, EditionFromTheVersionWord) {
    struct Case {
        uint32_t word;
        int32_t edition;
    } cases[] = {
        {0x80000003u, 1},          {0x80000004u, 2}, {0x80000A04u, 3}, {0x80005A04u, 4},
        {0x00000003u, 5},          {0x00000004u, 6}, {0x00000005u, 7}, {0x00000105u, 8},
        {0x00000205u, 0},          {0x00000006u, 0}, {0u, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ClassTheme::EditionOf(c.word), c.edition) << std::hex << c.word;
    ClassTheme theme;
    EXPECT_EQ(theme.Edition(), 0);
    EXPECT_TRUE(theme.IsThemeMode());
}

TEST(ClassTheme, MouseWheelArguments) {
    QWidget window;
    auto* box = new QWidget(&window);
    ClassTheme theme;
    theme.Owner(nullptr, box);
    struct Seen {
        int16_t wheel;
        int32_t button, shift, x, y;
    } seen{};
    theme.Events.MouseWheel = [&](int16_t w, int32_t b, int32_t s, int32_t x, int32_t y) { seen = {w, b, s, x, y}; };
    struct Case {
        uint16_t keys;
        int16_t delta;
        int32_t button, shift;
    } cases[] = {
        {8, 120, 0, 2},  {4 | 8, 120, 0, 0}, {1, -120, 1, 0}, {2, 240, 2, 0},
        {16, 120, 4, 0}, {4, 120, 0, 1},     {0, 120, 0, 0},
    };
    for (const Case& c : cases) {
        WParam w = c.keys | (WParam(uint16_t(c.delta)) << 16);
        LParam at = LParam(uint32_t(uint16_t(int16_t(-5))) | (uint32_t(700) << 16));
        SendMessage(HandleOf(box), WM_MOUSEWHEEL, w, at);
        EXPECT_EQ(seen.wheel, c.delta);
        EXPECT_EQ(seen.button, c.button) << c.keys;
        EXPECT_EQ(seen.shift, c.shift) << c.keys;
        EXPECT_EQ(seen.x, -5);
        EXPECT_EQ(seen.y, 700);
    }
    theme.Owner(nullptr, nullptr);
}

TEST(ClassTheme, EraseBackgroundAnswersOneAndErasesNothing) {
    QWidget window;
    auto* box = new QWidget(&window);
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::green);
    std::intptr_t dc = CreateImageContext(&image, QFont());
    ClassTheme theme;
    theme.Owner(nullptr, box, dc);
    EXPECT_EQ(GetWindowProc(HandleOf(box)), &ThemeWindowProc);
    EXPECT_EQ(SendMessage(HandleOf(box), WM_ERASEBKGND, WParam(dc), 0), 1);
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::green));
    EXPECT_EQ(SendMessage(HandleOf(box), WM_CTLCOLORSTATIC, WParam(dc), LParam(HandleOf(box))), kNullBrush);
    int updates = 0;
    theme.Events.Update = [&] { ++updates; };
    SendMessage(HandleOf(box), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(updates, 1);
    theme.Owner(nullptr, nullptr);
    EXPECT_EQ(GetWindowProc(HandleOf(box)), &DefWindowProc);
    EXPECT_EQ(GetProp(HandleOf(box), "POINTER"), 0);
    DeleteImageContext(dc);
}

TEST(ClassTheme, OwnerMovesIntoTheTabPageAndBack) {
    QWidget window;
    ClassTabStrip tabs;
    tabs.Create(HandleOf(&window), 0);
    auto* frame = new QWidget(&window);
    ClassTheme theme;
    theme.Owner(&tabs, frame);
    EXPECT_EQ(frame->parentWidget(), WidgetOf(tabs.hTabStrip));
    theme.Owner(nullptr, nullptr);
    EXPECT_EQ(frame->parentWidget(), &window);
}
