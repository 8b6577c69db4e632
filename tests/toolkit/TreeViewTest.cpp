// The tree view's node table: families, placement by index, states.
#include "toolkit/ClassTreeView.h"
#include "toolkit/TreeViewControl.h"

#include <gtest/gtest.h>

using namespace gb;

namespace {

std::vector<std::string> Table(const ClassTreeView& tree) {
    std::vector<std::string> names;
    for (int i = 0; i < tree.NodeCount(); ++i) names.push_back(tree.Nodes(i));
    return names;
}

} // namespace

TEST(TreeView, NodeTableFollowsFamiliesAndPlacement) {
    QWidget window;
    ClassTreeView tree;
    tree.Create(HandleOf(&window), 0);
    tree.AddNode(ClassTreeView::RootFamily, "お気に入り");    // 0
    tree.AddNode(0, "旅行");                                   // child of 0
    tree.AddNode(-1, "家族");                                  // same family as before
    tree.AddNode(ClassTreeView::RootFamily, "ライブラリ");    // second root
    EXPECT_EQ(Table(tree), (std::vector<std::string>{"お気に入り", "旅行", "家族", "ライブラリ"}));
    EXPECT_EQ(tree.NewIndex, 3);

    tree.AddNode(0, "最初", -1, -1, 1); // Index is the first child's position: first among its siblings
    EXPECT_EQ(Table(tree), (std::vector<std::string>{"お気に入り", "最初", "旅行", "家族", "ライブラリ"}));
    EXPECT_EQ(tree.NewIndex, 1);
    tree.AddNode(0, "間", -1, -1, 3); // after the node at position 2
    EXPECT_EQ(Table(tree), (std::vector<std::string>{"お気に入り", "最初", "旅行", "間", "家族", "ライブラリ"}));
    EXPECT_TRUE(tree.HasChildren(0));
    EXPECT_FALSE(tree.HasChildren(1));

    tree.RemoveNode(2);
    EXPECT_EQ(Table(tree), (std::vector<std::string>{"お気に入り", "最初", "間", "家族", "ライブラリ"}));
    EXPECT_EQ(tree.NewIndex, -1);
    tree.RemoveNode(0); // a node goes with its children
    EXPECT_EQ(Table(tree), (std::vector<std::string>{"ライブラリ"}));
}

TEST(TreeView, BoldCutAndSelectionStates) {
    QWidget window;
    ClassTreeView tree;
    tree.Create(HandleOf(&window), 0);
    tree.AddNode(ClassTreeView::RootFamily, "一");
    tree.AddNode(ClassTreeView::RootFamily, "二");
    std::vector<int> changes;
    tree.Events.ItemChange = [&](int32_t node, int32_t) { changes.push_back(node); };
    tree.SetNodeState(1, 0x10 | 0x4, true);
    EXPECT_TRUE(tree.NodeState(1, 0x10));
    EXPECT_TRUE(tree.NodeState(1, 0x14));
    EXPECT_FALSE(tree.NodeState(0, 0x10));
    tree.SetNodeState(1, 0x4, false);
    EXPECT_FALSE(tree.NodeState(1, 0x14));
    EXPECT_EQ(tree.SelIndex(), -1);
    tree.SetSelIndex(1);
    EXPECT_EQ(tree.SelIndex(), 1);
    EXPECT_EQ(changes, std::vector<int>{1});
    EXPECT_EQ(tree.Search(0x2, -1), 1);
}
