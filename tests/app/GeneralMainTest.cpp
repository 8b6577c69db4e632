#include "app/FormAbout.h"
#include "app/GeneralMain.h"
#include "app/Startup.h"
#include "platform/EventLog.h"
#include "platform/KeyState.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace gb {
namespace {

TEST(LogError, EmptyTextDescribesTheErrorAndOtherTextGoesAsItIs) {
    std::vector<std::string> events;
    SetEventLogSink([&](std::string_view t) { events.emplace_back(t); });
    ErrorRecord error;
    error.Number = 53;
    error.Description = "ファイルが見つかりません";
    error.Source = "Glimmerbox";
    error.LastDllError = 2;
    std::string text;
    LogError(text, error);
    std::string given = "download failed";
    LogError(given, error);
    SetEventLogSink(nullptr);
    EXPECT_EQ(text, "ファイルが見つかりません ｴﾗｰ #53 ﾗｲﾌﾞﾗﾘ Glimmerbox #2");
    EXPECT_EQ(events, (std::vector<std::string>{text, "download failed"}));
}

TEST(SelectedOption, LastCheckedButtonOrMinusOne) {
    QWidget parent;
    QRadioButton a(&parent), b(&parent), c(&parent);
    for (QRadioButton* r : {&a, &b, &c}) r->setAutoExclusive(false);
    std::vector<QAbstractButton*> group{&a, &b, &c};
    EXPECT_EQ(SelectedOption(group), -1);
    a.setChecked(true);
    c.setChecked(true);
    EXPECT_EQ(SelectedOption(group), 2);
}

TEST(IsKeyDown, ReadsTheDownAndThePressedBits) {
    SimulateKeyState(VK_ESCAPE, true);
    EXPECT_TRUE(IsKeyDown(VK_ESCAPE, true));   // pressed since the last query
    EXPECT_FALSE(IsKeyDown(VK_ESCAPE, true));  // ...once
    EXPECT_TRUE(IsKeyDown(VK_ESCAPE, false));  // still down
    SimulateKeyState(VK_ESCAPE, false);
    EXPECT_FALSE(IsKeyDown(VK_ESCAPE, false));
}

TEST(SendRightClick, DeliversARightButtonDownAtTheOrigin) {
    struct Target : QWidget {
        QPoint at{-1, -1};
        Qt::MouseButton button = Qt::NoButton;
        void mousePressEvent(QMouseEvent* e) override { at = e->position().toPoint(), button = e->button(); }
    } target;
    target.move(50, 60);
    target.show();
    SendRightClick(HandleOf(&target));
    EXPECT_EQ(target.button, Qt::RightButton);
    EXPECT_EQ(target.at, QPoint(0, 0));
}

TEST(ApplyControlColours, LockedTextBoxesLookLikeButtonFaces) {
    QWidget parent;
    QLineEdit locked(&parent), open(&parent), disabled(&parent);
    locked.setReadOnly(true);
    disabled.setEnabled(false);
    ApplyControlColours({&locked, &open, &disabled});
    QPalette system = QGuiApplication::palette();
    EXPECT_EQ(locked.palette().color(QPalette::Base), system.color(QPalette::Button));
    EXPECT_EQ(open.palette().color(QPalette::Base), system.color(QPalette::Base));
    EXPECT_EQ(disabled.palette().color(QPalette::Text), system.color(QPalette::Disabled, QPalette::Text));
}

TEST(FormAbout, ShowsTheVersionAndGrowsOnceForTheTrademark) {
    FormAbout box;
    box.show();
    EXPECT_EQ(box.LabelVersion->text().toStdString(),
              std::to_string(FormAbout::VersionMajor()) + "." + std::to_string(FormAbout::VersionMinor()) + "," +
                  std::to_string(FormAbout::VersionRevision()) + "\n" + FormAbout::LegalCopyright());
    int height = box.height(), width = box.width();
    QTest::keyClicks(box.CommandOK, QString::fromUtf8(FormAbout::LegalTrademarks()));
    EXPECT_EQ(box.height(), height + 80); // 1200 twips at 15 twips a pixel
    EXPECT_EQ(box.width(), width);
    QTest::keyClicks(box.CommandOK, QString::fromUtf8(FormAbout::LegalTrademarks()));
    EXPECT_EQ(box.height(), height + 80); // the typed text no longer matches
    box.hide();

    FormAbout again; // the typed text lives as long as the program
    EXPECT_EQ(FormAbout::TypedText(), std::string(FormAbout::LegalTrademarks()) + FormAbout::LegalTrademarks());
}

TEST(CommandLine, ArgumentsJoinIntoOneAbsolutePath) {
    char prog[] = "glimmerbox", a[] = "/photos/My", b[] = "Trip", rel[] = "album", quoted[] = "\"/x y\"";
    char* spaced[] = {prog, a, b};
    EXPECT_EQ(CommandLinePath(3, spaced), "/photos/My Trip");
    char* relative[] = {prog, rel};
    std::string path = CommandLinePath(2, relative);
    EXPECT_EQ(path.front(), '/');
    EXPECT_EQ(path.substr(path.size() - 6), "/album");
    char* withQuotes[] = {prog, quoted};
    EXPECT_EQ(CommandLinePath(2, withQuotes), "\"/x y\"");
    char* none[] = {prog};
    EXPECT_EQ(CommandLinePath(1, none), "");
}

} // namespace
} // namespace gb
