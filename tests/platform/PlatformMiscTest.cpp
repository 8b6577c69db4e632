#include "platform/Clock.h"
#include "platform/Conventions.h"
#include "platform/DirectorySearch.h"
#include "platform/InstanceLock.h"
#include "platform/KeyState.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/WindowHandle.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <fstream>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace gb {
namespace {

TEST(Clock, VirtualClockRecordsSleepsWithoutWaiting) {
    ScopedVirtualClock clock;
    uint32_t start = TimeGetTime();
    Sleep(10000);
    Sleep(25);
    EXPECT_EQ(TimeGetTime() - start, 10025u);
    EXPECT_EQ(clock.Sleeps(), (std::vector<uint32_t>{10000, 25}));
}

TEST(Conventions, DatesCountDaysFrom1899_12_30) {
    EXPECT_EQ(DateFromParts({1899, 12, 30}), 0.0);
    EXPECT_EQ(DateFromParts({1900, 1, 1}), 2.0);
    EXPECT_DOUBLE_EQ(DateFromParts({2026, 12, 11, 18, 0, 0}), 46367.75);
    DateParts p = PartsFromDate(46367.75);
    EXPECT_EQ(p.year, 2026);
    EXPECT_EQ(p.month, 12);
    EXPECT_EQ(p.day, 11);
    EXPECT_EQ(p.hour, 18);
    EXPECT_EQ(FlagOf(true), -1);
    EXPECT_EQ(FlagOf(false), 0);
}

TEST(DirectorySearch, AttributesAndPatternsFollowThePlatform) {
    QTemporaryDir dir;
    std::string root = dir.path().toStdString();
    std::ofstream(root + "/Photo.JPG") << "x";
    std::ofstream(root + "/.hidden.jpg") << "x";
    std::ofstream(root + "/noext") << "x";
    mkdir((root + "/sub").c_str(), 0755);

    auto names = [](const std::vector<DirectoryEntry>& entries) {
        std::vector<std::string> out;
        for (const auto& e : entries) out.push_back(e.name);
        std::sort(out.begin(), out.end());
        return out;
    };
    EXPECT_EQ(names(FindEntries(root + "/*.jpg", 0)), (std::vector<std::string>{"Photo.JPG"}));
    EXPECT_EQ(names(FindEntries(root + "/*.jpg", AttrHidden)), (std::vector<std::string>{".hidden.jpg", "Photo.JPG"}));
    EXPECT_EQ(names(FindEntries(root + "/*.*", 0)), (std::vector<std::string>{"Photo.JPG", "noext"}));
    EXPECT_EQ(names(FindEntries(root + "/*", AttrDirectory)), (std::vector<std::string>{"Photo.JPG", "noext", "sub"}));
    // A plain name in another letter case is found as the file system spells it.
    EXPECT_EQ(names(FindEntries(root + "/photo.jpg", 0)), (std::vector<std::string>{"Photo.JPG"}));
    EXPECT_TRUE(FindEntries(root + "/missing", 0xFF).empty());
}

TEST(DirectorySearch, TempFilesAreNewEmptyAndNamedByPrefix) {
    QTemporaryDir dir;
    std::string a = CreateTempFile(dir.path().toStdString(), "~GBX");
    std::string b = CreateTempFile(dir.path().toStdString(), "~GB");
    ASSERT_FALSE(a.empty());
    EXPECT_NE(a, b);
    std::string name = a.substr(a.rfind('/') + 1);
    EXPECT_EQ(name.substr(0, 3), "~GB");
    EXPECT_EQ(name.substr(name.size() - 4), ".TMP");
    EXPECT_LE(name.size(), 3u + 4u + 4u);
    std::ifstream in(a, std::ios::binary | std::ios::ate);
    EXPECT_EQ(in.tellg(), 0);
}

TEST(WindowHandle, PropertiesLiveAndDieWithTheWidget) {
    auto widget = std::make_unique<QWidget>();
    Hwnd h = HandleOf(widget.get());
    ASSERT_NE(h, 0);
    EXPECT_EQ(HandleOf(widget.get()), h);
    EXPECT_EQ(WidgetOf(h), widget.get());
    EXPECT_TRUE(SetProp(h, "COUNTER", 3));
    EXPECT_EQ(GetProp(h, "counter"), 3);
    EXPECT_EQ(RemoveProp(h, "Counter"), 3);
    EXPECT_EQ(GetProp(h, "COUNTER"), 0);
    widget.reset();
    EXPECT_EQ(WidgetOf(h), nullptr);
    EXPECT_FALSE(SetProp(h, "X", 1));
}

TEST(KeyState, HighBitWhileDownLowBitOncePerPress) {
    SimulateKeyState(VK_ESCAPE, true);
    EXPECT_EQ(uint16_t(GetAsyncKeyState(VK_ESCAPE)), 0x8001u);
    EXPECT_EQ(uint16_t(GetAsyncKeyState(VK_ESCAPE)), 0x8000u);
    SimulateKeyState(VK_ESCAPE, false);
    EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE), 0);
}

// Presses the button with `caption` of the next modal box once it is shown.
void PressLater(const QString& caption) {
    QTimer::singleShot(0, [caption] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        for (QPushButton* b : box->findChildren<QPushButton*>())
            if (b->text() == caption) return b->click();
        ADD_FAILURE() << "no button " << caption.toStdString();
    });
}

void EscapeLater() {
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(box, &esc);
        // A box that ignores Esc is closed with its first button instead.
        QPointer<QWidget> same(box);
        QTimer::singleShot(0, [same] {
            if (same && QApplication::activeModalWidget() == same)
                same->findChildren<QPushButton*>().front()->click();
        });
    });
}

TEST(MessageBox, ButtonsAnswerWithTheirIds) {
    struct Case {
        uint32_t style;
        const char* press;
        int expected;
    } cases[] = {
        {MB_OK, "OK", IDOK},
        {MB_OKCANCEL | MB_ICONEXCLAMATION, "キャンセル", IDCANCEL},
        {MB_ABORTRETRYIGNORE, "中止(&A)", IDABORT},
        {MB_ABORTRETRYIGNORE, "無視(&I)", IDIGNORE},
        {MB_YESNOCANCEL | MB_ICONQUESTION, "いいえ(&N)", IDNO},
        {MB_YESNO | MB_ICONQUESTION, "はい(&Y)", IDYES},
        {MB_RETRYCANCEL | MB_ICONSTOP, "再試行(&R)", IDRETRY},
        {MB_RETRYCANCEL | MB_ICONSTOP, "キャンセル", IDCANCEL},
    };
    for (const Case& c : cases) {
        PressLater(QString::fromUtf8(c.press));
        EXPECT_EQ(ShowMessageBox(0, "text", "Glimmerbox", c.style), c.expected) << c.press;
    }
}

TEST(MessageBox, EscapeMeansCancelOrOkAndNothingElse) {
    struct Case {
        uint32_t style;
        int expected;
    } cases[] = {
        {MB_OK, IDOK}, {MB_OKCANCEL, IDCANCEL}, {MB_YESNOCANCEL, IDCANCEL},
        {MB_YESNO, IDYES},           // Esc does nothing; the first button ends the box
        {MB_ABORTRETRYIGNORE, IDABORT},
    };
    for (const Case& c : cases) {
        EscapeLater();
        EXPECT_EQ(ShowMessageBox(0, "text", "Glimmerbox", c.style), c.expected) << c.style;
    }
}

TEST(MessageBox, DefaultButtonFollowsTheStyle) {
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->defaultButton()->click();
    });
    EXPECT_EQ(ShowMessageBox(0, "text", "c", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
}

TEST(InstanceLock, SecondHolderIsRefusedWhileTheFirstLives) {
    QTemporaryDir dir;
    setenv("XDG_RUNTIME_DIR", dir.path().toUtf8().constData(), 1);
    ASSERT_TRUE(AcquireInstanceLock("locktest"));
    pid_t child = fork();
    if (child == 0) _exit(AcquireInstanceLock("locktest") ? 1 : 0);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(Random, TestsCanReplaceTheSource) {
    struct Fixed : RandomSource {
        double Next() override { return 0.25; }
    } fixed;
    SetRandomSource(&fixed);
    EXPECT_EQ(Rnd(), 0.25);
    SetRandomSource(nullptr);
    Randomize(7);
    double a = Rnd();
    Randomize(7);
    EXPECT_EQ(Rnd(), a);
}

} // namespace
} // namespace gb
