// ClassHelp with the program's help file in the program folder: the viewer shows the
// topics the windows ask for.
#include "platform/desktop/WinHelp.h"
#include "shell/ClassHelp.h"

#include <QApplication>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

namespace gb {
namespace {

class ClassHelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        help_.Path = std::string(GB_BIN_DIR) + "/Glimmerbox.HLP";
    }
    void TearDown() override {
        help_.Quit();
        QApplication::processEvents();
    }
    ClassHelp help_;
};

TEST_F(ClassHelpTest, StartShowsTheTopicOfTheNumberOrTheContents) {
    help_.Start(701);
    HelpViewerState state = CurrentHelpState();
    EXPECT_TRUE(state.viewerVisible);
    EXPECT_EQ(state.topicId, "t701");
    EXPECT_NE(state.text.find("ライブラリ"), std::string::npos);
    help_.Start(0);
    EXPECT_EQ(CurrentHelpState().topicId, "contents");
    help_.Start(4242); // a number the file lacks: a note instead of a topic
    state = CurrentHelpState();
    EXPECT_TRUE(state.viewerVisible);
    EXPECT_NE(state.text.find("4242"), std::string::npos);
}

TEST_F(ClassHelpTest, PopupFinderKeywordAndHowTo) {
    help_.PopupHelp(912);
    HelpViewerState state = CurrentHelpState();
    EXPECT_TRUE(state.popupVisible);
    EXPECT_NE(state.popupText.find("フォルダ"), std::string::npos);
    EXPECT_FALSE(state.viewerVisible);

    help_.MenuDialog();
    state = CurrentHelpState();
    EXPECT_TRUE(state.finderVisible);
    EXPECT_FALSE(state.finderOnIndex);

    help_.KeywordDialog("ライブラ"); // the beginning of a keyword: the index, positioned there
    state = CurrentHelpState();
    EXPECT_TRUE(state.finderOnIndex);
    EXPECT_EQ(state.finderKeyword, "ライブラリ");
    help_.KeywordDialog("サムネイル画質"); // exactly one topic: shown at once
    EXPECT_EQ(CurrentHelpState().topicId, "t802");

    help_.HowTo();
    state = CurrentHelpState();
    EXPECT_TRUE(state.topicId.empty());
    EXPECT_NE(state.text.find("ヘルプの使い方"), std::string::npos);
}

TEST_F(ClassHelpTest, QuitClosesAndReleasingDoesNot) {
    {
        ClassHelp other;
        other.Path = help_.Path;
        other.Start(401);
    }
    QApplication::processEvents();
    EXPECT_TRUE(CurrentHelpState().viewerVisible);
    help_.Quit();
    QApplication::processEvents();
    EXPECT_FALSE(CurrentHelpState().viewerVisible);
}

TEST_F(ClassHelpTest, MissingHelpFileIsReportedOnce) {
    QTemporaryDir dir;
    const std::string echo = dir.filePath("echo.txt").toStdString();
    qputenv("GLIMMERBOX_DIALOG_ECHO", echo.c_str());
    ClassHelp missing;
    missing.Path = dir.filePath("nowhere.HLP").toStdString();
    missing.Start(401);
    qunsetenv("GLIMMERBOX_DIALOG_ECHO");
    std::ifstream in(echo);
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_NE(line.find("nowhere.HLP"), std::string::npos);
    EXPECT_FALSE(CurrentHelpState().viewerVisible);
}

} // namespace
} // namespace gb
