// The tree control: building and walking, selection with its two
// notifications, visible order, deletion and hit testing.
#include <gtest/gtest.h>

#include "platform/ui/Simulate.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/tests/ControlHost.h"

using namespace ui;
using ui::testing::ControlHost;

namespace {

constexpr int kTree = 6018;

class TreeTest : public ::testing::Test {
protected:
    TreeTest() {
        tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, {5, 5, 300, 250}, &host,
                    kTree);
        // Each notification records which item the tree called selected then.
        for (int code : {TVN_SELCHANGING, TVN_SELCHANGED})
            host.Listen(kTree, code, [this, code] { seen.push_back({code, tree.GetItemText(tree.GetSelectedItem())}); });
    }

    // root(专题) > 1001(a) > [100101, 100102], 1002(b)
    void Fill() {
        root = tree.InsertItem("KJ01(指南)");
        s1 = tree.InsertItem("1001(甲)", root);
        s2 = tree.InsertItem("1002(乙)", root);
        d1 = tree.InsertItem("100101(方向)", s1);
        d2 = tree.InsertItem("100102(方向)", s1);
    }

    struct Seen {
        int code;
        std::string selected;
        bool operator==(const Seen&) const = default;
    };
    ControlHost host;
    TreeCtrl tree;
    std::vector<Seen> seen;
    HTREEITEM root{}, s1{}, s2{}, d1{}, d2{};
};

TEST_F(TreeTest, InsertsAtTheEndAfterASiblingOrFirstAndWalks) {
    Fill();
    const HTREEITEM between = tree.InsertItem("1001b", root, s1);
    const HTREEITEM first = tree.InsertItem("0999", root, TVI_FIRST);
    const HTREEITEM withData = tree.InsertItem(TVIF_TEXT | TVIF_PARAM, "1003", 0, 0, 0, 0, 42, root, TVI_LAST);

    EXPECT_EQ(tree.GetCount(), 8u);
    EXPECT_EQ(tree.GetRootItem(), root);
    std::vector<std::string> children;
    for (HTREEITEM h = tree.GetChildItem(root); h; h = tree.GetNextSiblingItem(h)) children.push_back(tree.GetItemText(h));
    EXPECT_EQ(children, (std::vector<std::string>{"0999", "1001(甲)", "1001b", "1002(乙)", "1003"}));
    EXPECT_EQ(tree.GetPrevSiblingItem(between), s1);
    EXPECT_EQ(tree.GetPrevSiblingItem(first), nullptr);
    EXPECT_EQ(tree.GetParentItem(d2), s1);
    EXPECT_EQ(tree.GetParentItem(root), nullptr);
    EXPECT_EQ(tree.GetNextItem(d1, TVGN_NEXT), d2);
    EXPECT_EQ(tree.GetNextItem(s1, TVGN_CHILD), d1);
    EXPECT_TRUE(tree.ItemHasChildren(s1));
    EXPECT_FALSE(tree.ItemHasChildren(s2));

    EXPECT_EQ(tree.GetItemData(withData), 42u);
    EXPECT_EQ(tree.GetItemData(s1), 0u);
    EXPECT_TRUE(tree.SetItemData(s1, 7));
    EXPECT_EQ(tree.GetItemData(s1), 7u);
    EXPECT_TRUE(tree.SetItemText(s2, "1002(丙)"));
    EXPECT_EQ(tree.GetItemText(s2), "1002(丙)");
    EXPECT_EQ(tree.GetItemText(nullptr), "");
}

TEST_F(TreeTest, SelectionFromCodeAndFromTheUserNotifiesChangingThenChanged) {
    Fill();
    tree.Expand(root, TVE_EXPAND);
    tree.SelectItem(s1);
    EXPECT_EQ(seen, (std::vector<Seen>{{TVN_SELCHANGING, ""}, {TVN_SELCHANGED, "1001(甲)"}}));
    EXPECT_EQ(tree.GetSelectedItem(), s1);

    seen.clear();
    tree.SelectItem(s1);  // no change, no notification
    EXPECT_TRUE(seen.empty());

    sim::Click(tree, tree.GetItemRect(s2).CenterPoint());
    EXPECT_EQ(seen, (std::vector<Seen>{{TVN_SELCHANGING, "1001(甲)"}, {TVN_SELCHANGED, "1002(乙)"}}));
    EXPECT_EQ(tree.GetNextItem(nullptr, TVGN_CARET), s2);

    seen.clear();
    tree.Select(nullptr, TVGN_CARET);
    EXPECT_EQ(seen, (std::vector<Seen>{{TVN_SELCHANGING, "1002(乙)"}, {TVN_SELCHANGED, ""}}));
    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
}

TEST_F(TreeTest, VisibleOrderFollowsExpansion) {
    Fill();
    auto visible = [this] {
        std::vector<std::string> texts;
        for (HTREEITEM h = tree.GetFirstVisibleItem(); h; h = tree.GetNextVisibleItem(h)) texts.push_back(tree.GetItemText(h));
        return texts;
    };
    EXPECT_EQ(visible(), (std::vector<std::string>{"KJ01(指南)"}));
    tree.Expand(root, TVE_EXPAND);
    EXPECT_EQ(visible(), (std::vector<std::string>{"KJ01(指南)", "1001(甲)", "1002(乙)"}));
    tree.Expand(s1, TVE_TOGGLE);
    EXPECT_TRUE(tree.IsExpanded(s1));
    EXPECT_EQ(visible(), (std::vector<std::string>{"KJ01(指南)", "1001(甲)", "100101(方向)", "100102(方向)", "1002(乙)"}));
    tree.Expand(s1, TVE_COLLAPSE);
    EXPECT_EQ(visible().size(), 3u);

    // A walk that expands as it goes, selecting the first node of a name.
    tree.Expand(root, TVE_COLLAPSE);
    HTREEITEM found = nullptr;
    for (HTREEITEM h = tree.GetFirstVisibleItem(); h && !found; h = tree.GetNextVisibleItem(h)) {
        tree.Expand(h, TVE_EXPAND);
        if (tree.GetItemText(h) == "100102(方向)") found = h;
    }
    EXPECT_EQ(found, d2);
}

TEST_F(TreeTest, DeletingMovesTheSelectionSilently) {
    Fill();
    tree.Expand(root, TVE_EXPAND);
    tree.Expand(s1, TVE_EXPAND);
    tree.SelectItem(d1);
    seen.clear();

    EXPECT_TRUE(tree.DeleteItem(s1));  // takes the selected child with it
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(tree.GetCount(), 2u);
    EXPECT_NE(tree.GetSelectedItem(), d1);
    EXPECT_EQ(tree.GetChildItem(root), s2);

    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(tree.GetCount(), 0u);
    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
    EXPECT_EQ(tree.GetRootItem(), nullptr);
    EXPECT_FALSE(tree.DeleteItem(nullptr));
}

TEST_F(TreeTest, HitTestFindsTheItemUnderAPoint) {
    Fill();
    tree.Expand(root, TVE_EXPAND);
    UINT flags = 0;
    EXPECT_EQ(tree.HitTest(tree.GetItemRect(s2).CenterPoint(), &flags), s2);
    EXPECT_EQ(flags, TVHT_ONITEM);
    const Rect last = tree.GetItemRect(s2);
    EXPECT_EQ(tree.HitTest({last.left + 5, last.bottom + 40}, &flags), nullptr);
    EXPECT_EQ(flags, TVHT_BELOW);
    EXPECT_TRUE(tree.GetItemRect(d1).IsRectEmpty());  // inside a collapsed item
}

}  // namespace
