// The window layer: messages derived from Qt events, swallowing, SendMessage through
// procedures, the keyboard hook's key data, style words, the system menu.
#include "platform/window/KeyboardHook.h"
#include "platform/window/SystemMenu.h"
#include "platform/window/WindowProcedure.h"
#include "platform/window/WindowStyle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>
#include <vector>

using namespace gb;

namespace {

struct Message {
    unsigned message;
    WParam wParam;
    LParam lParam;
};

std::vector<Message> recorded;
unsigned swallowed = 0; // a message the recorder answers itself

LResult Recorder(Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    recorded.push_back({message, wParam, lParam});
    if (message == swallowed) return 0;
    return DefWindowProc(window, message, wParam, lParam);
}

std::vector<unsigned> Kinds(std::initializer_list<unsigned> wanted) {
    std::vector<unsigned> kinds;
    for (const Message& m : recorded)
        for (unsigned w : wanted)
            if (m.message == w) kinds.push_back(m.message);
    return kinds;
}

const Message* Find(unsigned message) {
    for (const Message& m : recorded)
        if (m.message == message) return &m;
    return nullptr;
}

struct Layer : ::testing::Test {
    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    void SetUp() override {
        recorded.clear();
        swallowed = 0;
        window.resize(200, 100);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        SetWindowProc(HandleOf(edit), &Recorder);
    }
};

} // namespace

TEST_F(Layer, KeysBecomeKeyAndCharacterMessagesWithTheirKeyData) {
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(Kinds({WM_KEYDOWN, WM_CHAR, WM_KEYUP}), (std::vector<unsigned>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
    EXPECT_EQ(Find(WM_KEYDOWN)->wParam, WParam('A'));
    EXPECT_EQ(Find(WM_CHAR)->wParam, WParam('a'));
    EXPECT_EQ(uint32_t(Find(WM_KEYDOWN)->lParam) >> 30, 0u);
    EXPECT_EQ(uint32_t(Find(WM_KEYUP)->lParam) >> 30, 3u); // released, and was down
    EXPECT_EQ(edit->text(), "a");

    recorded.clear();
    QTest::keyClick(edit, Qt::Key_X, Qt::AltModifier);
    const Message* sys = nullptr;
    for (const Message& m : recorded)
        if (m.message == WM_SYSKEYDOWN && m.wParam == WParam('X')) sys = &m;
    ASSERT_NE(sys, nullptr); // after the Alt key's own WM_SYSKEYDOWN
    EXPECT_TRUE(uint32_t(sys->lParam) & (1u << 29));
}

TEST_F(Layer, AProcedureThatAnswersItselfSwallowsTheEvent) {
    swallowed = WM_CHAR;
    QTest::keyClicks(edit, "ab");
    EXPECT_EQ(edit->text(), "");
    swallowed = 0;
    QTest::keyClicks(edit, "ab");
    EXPECT_EQ(edit->text(), "ab");
}

TEST_F(Layer, MouseFocusSizeAndCloseMessages) {
    QTest::mouseClick(edit, Qt::LeftButton, Qt::ShiftModifier, QPoint(7, 9));
    const Message* down = Find(WM_LBUTTONDOWN);
    ASSERT_NE(down, nullptr);
    EXPECT_EQ(down->wParam, WParam(MK_LBUTTON | MK_SHIFT));
    EXPECT_EQ(down->lParam, LParam(7 | (9 << 16)));
    EXPECT_NE(Find(WM_LBUTTONUP), nullptr);
    QTest::mouseDClick(edit, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_NE(Find(WM_LBUTTONDBLCLK), nullptr);
    edit->setFocus();
    edit->clearFocus();
    EXPECT_NE(Find(WM_KILLFOCUS), nullptr);
    edit->resize(123, 45);
    const Message* size = Find(WM_SIZE);
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->lParam, LParam(123 | (45 << 16)));

    recorded.clear();
    SetWindowProc(HandleOf(&window), &Recorder);
    swallowed = WM_CLOSE;
    window.close();
    EXPECT_TRUE(window.isVisible());
    swallowed = 0;
    window.close();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(Layer, SendMessageGoesThroughTheProcedureOnce) {
    EXPECT_EQ(SendMessage(HandleOf(edit), WM_USER + 1, 2, 3), 0);
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].message, unsigned(WM_USER + 1));
    recorded.clear();
    SendMessage(HandleOf(edit), WM_LBUTTONDOWN, MK_LBUTTON, 5 | (5 << 16));
    // The event the layer makes for the message is not turned into a second message.
    EXPECT_EQ(Kinds({WM_LBUTTONDOWN}).size(), 1u);
    SendMessage(HandleOf(edit), WM_LBUTTONUP, 0, 5 | (5 << 16));
}

TEST(KeyboardHookData, TransitionAndAltBits) {
    QLineEdit edit;
    edit.show();
    static std::vector<std::pair<WParam, uint32_t>> seen;
    seen.clear();
    Hhook hook = SetWindowsHookEx(WH_KEYBOARD, [](int, std::uintptr_t w, std::intptr_t l) -> std::intptr_t {
        seen.emplace_back(w, uint32_t(l));
        return 0;
    }, 0, GetCurrentThreadId());
    ASSERT_NE(hook, 0);
    QTest::keyClick(&edit, Qt::Key_B, Qt::AltModifier);
    UnhookWindowsHookEx(hook);
    // Alt down, B down, B up, Alt up: each keystroke seen once.
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[1].first, WParam('B'));
    EXPECT_TRUE(seen[1].second & (1u << 29));
    EXPECT_FALSE(seen[1].second & (1u << 31));
    EXPECT_TRUE(seen[2].second & (1u << 31));
}

TEST(StyleWords, DerivedAndAppliedBits) {
    QWidget window;
    auto* first = new QRadioButton("一", &window);
    auto* second = new QRadioButton("二", &window);
    second->setChecked(true);
    Hwnd a = HandleOf(first), b = HandleOf(second);
    EXPECT_TRUE(GetWindowLong(a, GWL_STYLE) & WS_GROUP);
    EXPECT_FALSE(GetWindowLong(a, GWL_STYLE) & WS_TABSTOP);
    EXPECT_TRUE(GetWindowLong(b, GWL_STYLE) & WS_TABSTOP);
    SetWindowLong(a, GWL_STYLE, GetWindowLong(a, GWL_STYLE) | WS_DISABLED);
    EXPECT_FALSE(first->isEnabled());
    SetWindowLong(a, GWL_STYLE, GetWindowLong(a, GWL_STYLE) & ~WS_DISABLED);
    EXPECT_TRUE(first->isEnabled());
    EXPECT_EQ(GetWindowLong(0, GWL_STYLE), 0u);
}

TEST(SystemMenuCommands, WithoutCloseTheUserCannotClose) {
    QWidget window;
    window.show();
    Hwnd h = HandleOf(&window);
    std::vector<SystemMenuItem> items = GetSystemMenuItems(h);
    std::erase_if(items, [](const SystemMenuItem& i) { return i.id == SC_CLOSE; });
    SetSystemMenuItems(h, items);
    QCloseEvent byUser;
    QSpontaneKeyEvent::setSpontaneous(&byUser);
    qApp->notify(&window, &byUser); // sendEvent would make it the program's own
    EXPECT_FALSE(byUser.isAccepted());
    RevertSystemMenu(h);
    QCloseEvent again;
    QSpontaneKeyEvent::setSpontaneous(&again);
    qApp->notify(&window, &again);
    EXPECT_TRUE(again.isAccepted());
}
