// The subclassing chain, the keyboard hook's shared Cancel and the word helpers.
#include "toolkit/ClassCommonControlsEx.h"
#include "toolkit/GeneralCommonControlsEx.h"
#include "platform/window/WindowProcedure.h"
#include "platform/window/WindowStyle.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace gb;

namespace {

constexpr unsigned kProbe = WM_USER + 7;
int previousCalls = 0;

LResult PreviousProc(Hwnd window, unsigned message, WParam wParam, LParam lParam) {
    if (message == kProbe) {
        ++previousCalls;
        return 99;
    }
    return DefWindowProc(window, message, wParam, lParam);
}

// A subscriber that records its calls and answers as it is told.
struct Subscriber : InterfaceSubclass {
    Hwnd window = 0;
    bool clearDefault = false;
    bool cancel = false;
    LResult answer = 0;
    int calls = 0;
    std::vector<bool> defaultsSeen, cancelsSeen;

    Hwnd Handle() override { return window; }
    LResult Callback(Hwnd, unsigned message, WParam, LParam, bool& Default) override {
        if (message != kProbe) return 0;
        ++calls;
        defaultsSeen.push_back(Default);
        if (clearDefault) Default = false;
        return answer;
    }
    void CallbackWindowsEx(WParam, LParam, bool& Cancel) override {
        cancelsSeen.push_back(Cancel);
        if (cancel) Cancel = true;
    }
};

struct Chain : ::testing::Test {
    std::unique_ptr<QWidget> widget = std::make_unique<QWidget>();
    Hwnd h = HandleOf(widget.get());
    void SetUp() override {
        previousCalls = 0;
        SetWindowProc(h, &PreviousProc);
    }
    std::unique_ptr<Subscriber> Make() {
        auto s = std::make_unique<Subscriber>();
        s->window = h;
        return s;
    }
};

} // namespace

TEST_F(Chain, SharedDefaultAndTheLastResult) {
    auto first = Make(), second = Make();
    first->clearDefault = true;
    first->answer = 5;
    second->answer = 7;
    AttachSubclass(first.get());
    AttachSubclass(second.get());
    EXPECT_EQ(SendMessage(h, kProbe, 0, 0), 7);
    EXPECT_EQ(previousCalls, 0);
    // The second subscriber sees Default as the first one left it.
    EXPECT_EQ(second->defaultsSeen, std::vector<bool>{false});

    first->clearDefault = false;
    EXPECT_EQ(SendMessage(h, kProbe, 0, 0), 99);
    EXPECT_EQ(previousCalls, 1);
    DetachSubclass(first.get());
    DetachSubclass(second.get());
}

TEST_F(Chain, DetachKeepsOrderAndTheLastOneRestoresTheProcedure) {
    auto a = Make(), b = Make(), c = Make();
    AttachSubclass(a.get());
    AttachSubclass(b.get());
    AttachSubclass(c.get());
    EXPECT_EQ(GetWindowProc(h), &SubclassProc);
    EXPECT_EQ(GetProp(h, "COUNTER"), 3);

    DetachSubclass(a.get());
    EXPECT_EQ(GetProp(h, "COUNTER"), 2);
    EXPECT_EQ(GetProp(h, "POINTER1"), reinterpret_cast<std::intptr_t>(static_cast<InterfaceSubclass*>(b.get())));
    EXPECT_EQ(GetProp(h, "POINTER2"), reinterpret_cast<std::intptr_t>(static_cast<InterfaceSubclass*>(c.get())));
    EXPECT_EQ(GetProp(h, "POINTER3"), 0);

    DetachSubclass(b.get());
    DetachSubclass(c.get());
    EXPECT_EQ(GetWindowProc(h), &PreviousProc);
    EXPECT_EQ(GetProp(h, "COUNTER"), 0);
    EXPECT_EQ(GetProp(h, "HANDLER"), 0);
    EXPECT_EQ(GetProp(h, "POINTER1"), 0);
    EXPECT_EQ(SendMessage(h, kProbe, 0, 0), 99);
}

TEST_F(Chain, DoubleAttachCallsTwiceAndOneDetachRemovesBoth) {
    auto s = Make(), other = Make();
    AttachSubclass(s.get());
    AttachSubclass(other.get());
    AttachSubclass(s.get());
    SendMessage(h, kProbe, 0, 0);
    EXPECT_EQ(s->calls, 2);
    DetachSubclass(s.get());
    EXPECT_EQ(GetProp(h, "COUNTER"), 1);
    SendMessage(h, kProbe, 0, 0);
    EXPECT_EQ(s->calls, 2);
    EXPECT_EQ(other->calls, 2);
    DetachSubclass(other.get());
}

TEST_F(Chain, DetachOfAStrangerKeepsTheWindowWorking) {
    auto stranger = Make();
    DetachSubclass(stranger.get());
    EXPECT_EQ(GetWindowProc(h), &PreviousProc);
    EXPECT_EQ(SendMessage(h, kProbe, 0, 0), 99);
}

TEST_F(Chain, ASubscriberThatEndsAttachedIsNeverCalledAgain) {
    auto gone = Make(), stays = Make();
    AttachSubclass(gone.get());
    AttachSubclass(stays.get());
    gone.reset();
    EXPECT_EQ(GetProp(h, "COUNTER"), 1);
    SendMessage(h, kProbe, 0, 0);
    EXPECT_EQ(stays->calls, 1);
    stays.reset();
    EXPECT_EQ(GetWindowProc(h), &PreviousProc);
}

TEST(KeyboardHook, OneCancelSwallowsTheKeystrokeWhateverLaterSubscribersDo) {
    QLineEdit edit;
    edit.show();
    Subscriber first, second;
    first.cancel = true;
    AttachKeyboardHook(&first);
    AttachKeyboardHook(&second);
    EXPECT_NE(KeyboardHookHandle(), 0);
    QTest::keyClick(&edit, Qt::Key_A);
    EXPECT_EQ(edit.text(), "");
    ASSERT_FALSE(second.cancelsSeen.empty());
    EXPECT_TRUE(second.cancelsSeen.front());

    DetachKeyboardHook(&first);
    QTest::keyClick(&edit, Qt::Key_B);
    EXPECT_EQ(edit.text(), "b");
    DetachKeyboardHook(&second);
    EXPECT_EQ(KeyboardHookHandle(), 0);
}

TEST(WordHelpers, SignedWordsAndMakeLong) {
    struct Case {
        int32_t value;
        int16_t low, high;
    } cases[] = {
        {0x0000FFFF, -1, 0},
        {0x7FFFFFFF, -1, 0x7FFF},
        {int32_t(0xFFFF0000), 0, -1}, // -65536
        {0x00010002, 2, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LoWord(c.value), c.low) << c.value;
        EXPECT_EQ(HiWord(c.value), c.high) << c.value;
    }
    EXPECT_EQ(MakeLong(-1, 1), 65535);
    EXPECT_EQ(MakeLong(2, 1), 65538);
    EXPECT_EQ(MakeLong(0, -1), -65536);
    EXPECT_EQ(CommonControlsVersion(), 6);
}

TEST(ControlSite, AppearanceBitsComeAndGo) {
    QWidget parent;
    auto* control = new QFrame(&parent);
    Hwnd h = HandleOf(control);
    ClassCommonControlsEx site;
    site.Bind(h, 0);
    site.SetAppearance(1);
    EXPECT_TRUE(GetWindowLong(h, GWL_STYLE) & WS_BORDER);
    site.SetAppearance(2);
    EXPECT_FALSE(GetWindowLong(h, GWL_STYLE) & WS_BORDER);
    EXPECT_TRUE(GetWindowLong(h, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(control->frameShadow(), QFrame::Sunken);
    site.SetAppearance(0);
    EXPECT_FALSE(GetWindowLong(h, GWL_STYLE) & WS_BORDER);
    EXPECT_FALSE(GetWindowLong(h, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(control->frameShape(), QFrame::NoFrame);
    site.Unbind();
}

TEST(ControlSite, SendsEveryMessageOfTheParentAndLeavesItsResult) {
    QWidget parent;
    auto* control = new QWidget(&parent);
    ClassCommonControlsEx site;
    std::vector<unsigned> seen;
    site.Send = [&](unsigned& m, WParam&, LParam&) { seen.push_back(m); };
    site.Bind(HandleOf(control), 0);
    EXPECT_EQ(site.Handle(), HandleOf(&parent));
    SendMessage(HandleOf(&parent), WM_SETTEXT, 0, reinterpret_cast<LParam>("題名"));
    EXPECT_EQ(parent.windowTitle(), "題名");
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), unsigned(WM_SETTEXT));
    site.Unbind();
    EXPECT_EQ(GetProp(HandleOf(&parent), "COUNTER"), 0);
}
