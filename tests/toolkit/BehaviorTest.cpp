// Keyboard navigation with toolkit controls: Tab order, access keys, focus memory.
#include "toolkit/ClassBehavior.h"
#include "toolkit/ClassListView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace gb;

namespace {

struct Navigation : ::testing::Test {
    QWidget window;
    QLineEdit* first = new QLineEdit(&window);  // tab index 0
    QLineEdit* second = new QLineEdit(&window); // 1
    QPushButton* third = new QPushButton("閉じる", &window); // 2
    ClassListView list;
    ClassBehavior behavior;

    void SetUp() override {
        first->setGeometry(10, 10, 100, 24);
        second->setGeometry(10, 40, 100, 24);
        third->setGeometry(10, 70, 100, 24);
        third->setFocusPolicy(Qt::StrongFocus);
        list.Create(HandleOf(&window), 0);
        list.Move(150, 10, 200, 150);
        list.AddListItem("一");
        window.resize(400, 200);
    }
    void Show() {
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget* Focused() { return QApplication::focusWidget(); }
    bool ListHasFocus() { return Focused() && WidgetOf(list.hListView)->isAncestorOf(Focused()); }
};

} // namespace

TEST_F(Navigation, TabOrderPutsTheListBeforeTabIndexTwo) {
    ASSERT_TRUE(behavior.Attach(&window));
    behavior.TabOrder(&list, 2);
    behavior.SetAccelerator(true);
    Show();
    ASSERT_EQ(behavior.Table().size(), 4u);
    EXPECT_EQ(behavior.Table()[2].tabIndex, -1);
    second->setFocus();
    QTest::keyClick(second, Qt::Key_Tab);
    EXPECT_TRUE(ListHasFocus());
    QTest::keyClick(Focused(), Qt::Key_Tab);
    EXPECT_EQ(Focused(), third);
    QTest::keyClick(third, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(ListHasFocus());
    behavior.SetAccelerator(false);
}

TEST_F(Navigation, AltWithALabelsAccessKey) {
    auto* label = new QLabel("一覧(&L)", &window);
    auto* title = new QLabel("題名(&T)", &window);
    auto* edit = new QLineEdit(&window);
    title->setBuddy(edit);
    // The focus chain follows creation: the list view came first; put the labels in front of
    // what each of them names.
    QWidget::setTabOrder(third, label);
    QWidget::setTabOrder(label, title);
    QWidget::setTabOrder(title, edit);
    ASSERT_TRUE(behavior.Attach(&window));
    behavior.TabOrder(&list, int16_t(behavior.Table()[4].tabIndex)); // between the two labels
    behavior.SetAccelerator(true);
    Show();
    first->setFocus();
    QTest::keyClick(first, Qt::Key_L, Qt::AltModifier);
    EXPECT_TRUE(ListHasFocus()); // the docked item after the label
    QTest::keyClick(Focused(), Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(Focused(), edit); // left to the framework (the label's buddy)
    behavior.SetAccelerator(false);
}

TEST_F(Navigation, ReactivationRestoresTheToolkitControl) {
    ASSERT_TRUE(behavior.Attach(&window));
    behavior.TabOrder(&list, -1);
    behavior.SetAccelerator(true);
    Show();
    list.SetFocus();
    ASSERT_TRUE(ListHasFocus());
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    first->setFocus(); // the framework's idea of this window's focus changes meanwhile
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(ListHasFocus());
    behavior.SetAccelerator(false);
}

TEST(Behavior, AttachNeedsAWindowAndDetachesAtTheEnd) {
    QWidget window;
    auto* child = new QLineEdit(&window);
    {
        ClassBehavior behavior;
        EXPECT_FALSE(behavior.Attach(child));
        ASSERT_TRUE(behavior.Attach(&window));
        behavior.SetAccelerator(true);
        EXPECT_EQ(GetProp(HandleOf(&window), "COUNTER"), 1);
        ASSERT_NE(behavior.CDockableItem(child), nullptr);
        EXPECT_EQ(behavior.CDockableItem(child)->Superclass(), 2);
        EXPECT_EQ(behavior.CDockableItem(child)->Handle(), HandleOf(child));
    }
    EXPECT_EQ(GetProp(HandleOf(&window), "COUNTER"), 0);
}
