#include "platform/Cp932.h"
#include "platform/SharedLibrary.h"
#include "platform/WindowHandle.h"
#include "shell/CompanionLibraries.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace gb {
namespace {

using InputFunction = int32_t(intptr_t, const char*, const char*, const char*, char*);

// Runs `step` on the input box once it is shown.
void OnInputBox(std::function<void(QWidget*)> step) {
    QTimer::singleShot(0, [step] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        step(box);
    });
}

QLineEdit* EditOf(QWidget* box) { return box->findChild<QLineEdit*>(); }

TEST(Dialog, InputBoxShowsTemplateAndAnswersOnEnter) {
    auto* input = BindFunction<InputFunction>("Dialog.so", "InputBox");
    ASSERT_NE(input, nullptr);
    std::string seen;
    OnInputBox([&](QWidget* box) {
        EXPECT_EQ(box->windowTitle().toStdString(), "タイトル");
        EXPECT_TRUE(EditOf(box)->hasSelectedText() || EditOf(box)->text().isEmpty());
        for (QLabel* l : box->findChildren<QLabel*>())
            if (!l->text().isEmpty()) seen = l->text().toStdString();
        QStringList captions;
        for (QPushButton* b : box->findChildren<QPushButton*>()) captions << b->text();
        EXPECT_EQ(captions.join(u'|').toStdString(), "OK|キャンセル");
        EditOf(box)->setText(QString::fromUtf8("新しいライブラリ"));
        QTest::keyClick(EditOf(box), Qt::Key_Return);
    });
    char buffer[255] = {};
    int result = input(0, Cp932("名前 & 題").c_str(), Cp932("タイトル").c_str(), Cp932("既定").c_str(), buffer);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Utf8(buffer), "新しいライブラリ");
    EXPECT_EQ(seen, "名前 & 題"); // "&" shows as it is
}

TEST(Dialog, EscapeCancelsAndLeavesTheBufferAlone) {
    auto* input = BindFunction<InputFunction>("Dialog.so", "InputBox");
    ASSERT_NE(input, nullptr);
    OnInputBox([](QWidget* box) {
        EditOf(box)->setText("changed");
        QTest::keyClick(EditOf(box), Qt::Key_Escape);
    });
    char buffer[255] = "untouched";
    EXPECT_EQ(input(0, "p", "c", "d", buffer), 2);
    EXPECT_STREQ(buffer, "untouched");
}

TEST(Dialog, AnswerIsCutTo254BytesWithoutSplittingACharacter) {
    auto* input = BindFunction<InputFunction>("Dialog.so", "InputBox");
    ASSERT_NE(input, nullptr);
    // 1 ASCII byte, then 200 double-byte characters: 254 bytes would end inside the
    // 127th character, so 253 bytes arrive.
    QString text = QStringLiteral("a") + QString(200, QChar(0x5199));
    OnInputBox([&](QWidget* box) {
        EditOf(box)->setText(text);
        box->findChildren<QPushButton*>().front()->click();
    });
    char buffer[256];
    std::memset(buffer, 'Z', sizeof buffer);
    EXPECT_EQ(input(0, "p", "c", "", buffer), 1);
    EXPECT_EQ(std::strlen(buffer), 253u);
    EXPECT_EQ(Utf8(buffer), "a" + QString(126, QChar(0x5199)).toStdString());
    EXPECT_EQ(buffer[254], 'Z'); // nothing written past the terminating zero
}

TEST(Dialog, MsgBoxPassesTheStyleAndReturnsTheButton) {
    QTimer::singleShot(0, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle().toStdString(), "Glimmerbox");
        for (QPushButton* b : box->findChildren<QPushButton*>())
            if (b->text() == QString::fromUtf8("再試行(&R)")) b->click();
    });
    EXPECT_EQ(MsgBox(0, "ファイル フォルダ名が不適切です", "Glimmerbox", 21), 4);
    QTimer::singleShot(0, [] {
        for (QPushButton* b : QApplication::activeModalWidget()->findChildren<QPushButton*>())
            if (b->text() == QString::fromUtf8("キャンセル")) b->click();
    });
    EXPECT_EQ(MsgBox(0, "x", "Glimmerbox", 21), 2);
}

TEST(Dialog, InputBoxThroughTheProgramsBinding) {
    OnInputBox([](QWidget* box) { box->findChildren<QPushButton*>().back()->click(); });
    std::string answer = "stale";
    EXPECT_EQ(InputBox(0, "p", "c", "default", answer), 2);
    EXPECT_EQ(answer, ""); // a cancelled box reads as an empty answer
}

} // namespace
} // namespace gb
