// The application writer: its chapter tree, tabs and hidden pages, the tool
// bar's place, the formatting commands on the current field, and the tool
// bar's checks following the selection; in the form view, the tree, tabs
// and buttons reaching the view.
#include "AppWriterTestSupport.h"
#include "application/Dlgproappl.h"
#include "platform/sys/Sys.h"
#include "testsupport/InstalledFolder.h"

namespace {

// The tree in display order with every node expanded: depth and text.
std::vector<std::pair<int, std::string>> TreeNodes(ui::TreeCtrl& tree) {
    std::vector<std::pair<int, std::string>> nodes;
    auto walk = [&](auto&& self, ui::HTREEITEM item, int depth) -> void {
        for (; item; item = tree.GetNextSiblingItem(item)) {
            nodes.emplace_back(depth, tree.GetItemText(item));
            self(self, tree.GetChildItem(item), depth + 1);
        }
    };
    walk(walk, tree.GetRootItem(), 0);
    return nodes;
}

bool SelectionHas(COleRichEdit& editor, DWORD effect) {
    ui::CharFormat format;
    const DWORD alike = editor.GetSelectionCharFormat(format);
    return (alike & effect) && (format.dwEffects & effect);
}

int Alignment(COleRichEdit& editor) {
    ui::ParaFormat para;
    editor.GetParaFormat(para);
    return para.wAlignment;
}

}  // namespace

TEST_F(AppWriterTest, TreeHoldsTheSixChapterNodesWithOnlyTheRootExpanded) {
    ui::TreeCtrl& tree = Writer().m_tree;
    EXPECT_EQ(TreeNodes(tree), (std::vector<std::pair<int, std::string>>{
                                   {0, "基金申请书编写"},
                                   {1, "一、项目申请简表"},
                                   {2, "（一）申请书基本信息"},
                                   {2, "（二）申请人及成员"},
                                   {1, "二、经费预算"},
                                   {1, "三、研究目标及研究内容"},
                               }));
    EXPECT_EQ(tree.GetCount(), 6u);
    const ui::HTREEITEM root = tree.GetRootItem();
    EXPECT_TRUE(tree.IsExpanded(root));
    EXPECT_FALSE(tree.IsExpanded(tree.GetChildItem(root)));
    EXPECT_EQ(tree.GetSelectedItem(), nullptr);
}

TEST_F(AppWriterTest, FourPagesHaveTabsAndTheOtherFiveAreMadeButHidden) {
    CDlgAppWriter& w = Writer();
    ASSERT_TRUE(w.m_wndTab.IsWindow());
    EXPECT_EQ(w.m_wndTab.GetDlgCtrlID(), CDlgAppWriter::IDC_TABWND);
    ASSERT_EQ(w.m_wndTab.GetTabsNum(), 4);
    const std::pair<std::string, ui::Wnd*> tabs[] = {{"申请书基本信息", &w.m_dlgBasicInfo},
                                                     {"申请人及成员", &w.m_dlgMembers},
                                                     {"经费预算", &w.m_dlgBudget},
                                                     {"研究目标及研究内容", &w.m_dlgChapter}};
    for (int i = 0; i < 4; ++i) {
        std::string label;
        w.m_wndTab.GetTabLabel(i, label);
        EXPECT_EQ(label, tabs[i].first);
        EXPECT_EQ(w.m_wndTab.GetTabWnd(i), tabs[i].second);
    }
    for (ui::Dialog* page : std::initializer_list<ui::Dialog*>{&w.m_dlgGoals, &w.m_dlgPlan, &w.m_dlgBasis,
                                                                &w.m_dlgOpinion, &w.m_dlgRecommend}) {
        EXPECT_TRUE(page->IsWindow()) << page->GetTemplate().id;
        EXPECT_FALSE(page->IsWindowVisible()) << page->GetTemplate().id;
        EXPECT_EQ(page->GetParent(), &w.m_wndTab);
    }
    EXPECT_EQ(w.m_pCurRichEdit, &w.m_dlgChapter.m_richEdit);
}

TEST_F(AppWriterTest, ToolBarLiesAtTheTopOfThePagesUnderTheTabsWithTheFormattingCommands) {
    CDlgAppWriter& w = Writer();
    const ui::Rect place = w.GetItemRect(CDlgAppWriter::IDC_PLACEHOLDER);
    const ui::Rect bar = w.ScreenToClient(w.m_wndToolBar.GetWindowRect());
    const ui::Rect tabs = w.m_wndTab.GetTabRect(0);
    EXPECT_EQ(w.m_wndTab.GetLocation(), ui::TabWnd::LOCATION_TOP);
    EXPECT_GT(tabs.Height(), 0);
    EXPECT_EQ(bar.left, place.left + 3);
    EXPECT_EQ(bar.top, place.top + tabs.bottom + 2);
    EXPECT_EQ(bar.Width(), place.Width() - 6);
    EXPECT_EQ(bar.Height(), 31);
    for (int id : {CDlgAppWriter::ID_FONTNAME, CDlgAppWriter::ID_CHAR_COLOR, CDlgAppWriter::ID_CHAR_BOLD,
                   CDlgAppWriter::ID_CHAR_ITALIC, CDlgAppWriter::ID_CHAR_UNDERLINE, CDlgAppWriter::ID_PARA_LEFT,
                   CDlgAppWriter::ID_PARA_CENTER, CDlgAppWriter::ID_PARA_RIGHT})
        EXPECT_GE(w.m_wndToolBar.CommandToIndex(id), 0) << id;
}

TEST_F(AppWriterTest, StyleCommandsActOnTheChapterFieldWhicheverTabIsActive) {
    CDlgAppWriter& w = Writer();
    w.m_wndTab.SetActiveTab(CDlgAppWriter::kTabMembers);
    const struct {
        int command;
        DWORD effect;
    } cases[] = {{CDlgAppWriter::ID_CHAR_BOLD, ui::CFE_BOLD},
                 {CDlgAppWriter::ID_CHAR_ITALIC, ui::CFE_ITALIC},
                 {CDlgAppWriter::ID_CHAR_UNDERLINE, ui::CFE_UNDERLINE}};
    for (const auto& c : cases) {
        SetTextAndSelect(w.m_dlgChapter.m_richEdit, "研究目标", 0, 2);
        SetTextAndSelect(w.m_dlgPlan.m_richEdit, "研究方案", 0, 2);
        ASSERT_TRUE(w.OnCmdMsg(c.command, BN_CLICKED));
        EXPECT_TRUE(SelectionHas(w.m_dlgChapter.m_richEdit, c.effect)) << c.command;
        EXPECT_FALSE(SelectionHas(w.m_dlgPlan.m_richEdit, c.effect)) << c.command;
        ASSERT_TRUE(w.OnCmdMsg(c.command, BN_CLICKED));  // a second press takes it off again
        EXPECT_FALSE(SelectionHas(w.m_dlgChapter.m_richEdit, c.effect)) << c.command;
    }
}

TEST_F(AppWriterTest, AlignmentCommandsAlignTheCurrentFieldAndSetOneFlag) {
    CDlgAppWriter& w = Writer();
    SetTextAndSelect(w.m_dlgChapter.m_richEdit, "研究目标", 1, 1);
    const struct {
        int command, alignment;
        bool left, center, right;
    } cases[] = {{CDlgAppWriter::ID_PARA_CENTER, ui::PFA_CENTER, false, true, false},
                 {CDlgAppWriter::ID_PARA_RIGHT, ui::PFA_RIGHT, false, false, true},
                 {CDlgAppWriter::ID_PARA_LEFT, ui::PFA_LEFT, true, false, false}};
    for (const auto& c : cases) {
        ASSERT_TRUE(w.OnCmdMsg(c.command, BN_CLICKED));
        EXPECT_EQ(Alignment(w.m_dlgChapter.m_richEdit), c.alignment);
        EXPECT_EQ(std::make_tuple(w.m_bLeft, w.m_bCenter, w.m_bRight), std::make_tuple(c.left, c.center, c.right));
        w.m_wndToolBar.OnUpdateCmdUI(&w);
        EXPECT_EQ(w.m_wndToolBar.IsButtonChecked(c.command), true);
    }
}

TEST_F(AppWriterTest, ColourAndFontComeFromTheChoosersForTheCurrentField) {
    CDlgAppWriter& w = Writer();
    SetTextAndSelect(w.m_dlgChapter.m_richEdit, "研究目标", 0, 4);
    driver.AnswerColor(RGB(0, 0, 255));
    w.OnCmdMsg(CDlgAppWriter::ID_CHAR_COLOR, BN_CLICKED);
    ui::CharFormat format;
    w.m_dlgChapter.m_richEdit.GetSelectionCharFormat(format);
    EXPECT_EQ(format.crTextColor, RGB(0, 0, 255));

    ui::FontSpec font;
    font.face = "黑体";
    font.pointSize = 16;
    driver.AnswerFont(font);
    w.OnCmdMsg(CDlgAppWriter::ID_FONTNAME, BN_CLICKED);
    w.m_dlgChapter.m_richEdit.GetSelectionCharFormat(format);
    EXPECT_EQ(format.szFaceName, "黑体");
    EXPECT_EQ(format.yHeight, 320);
    EXPECT_TRUE(driver.Finished());
}

TEST_F(AppWriterTest, MovingTheSelectionRefreshesTheFlagsAndTheToolBarChecksAtOnce) {
    CDlgAppWriter& w = Writer();
    COleRichEdit& chapter = w.m_dlgChapter.m_richEdit;
    chapter.SetWindowText("普通粗斜");
    chapter.SetSel(2, 4);
    ui::CharFormat styled;
    styled.dwMask = ui::CFM_BOLD | ui::CFM_ITALIC | ui::CFM_UNDERLINE;
    styled.dwEffects = ui::CFE_BOLD | ui::CFE_ITALIC | ui::CFE_UNDERLINE;
    chapter.SetSelectionCharFormat(styled);
    ui::ParaFormat centred;
    centred.dwMask = ui::PFM_ALIGNMENT;
    centred.wAlignment = ui::PFA_CENTER;
    chapter.SetParaFormat(centred);

    chapter.SetSel(0, 1);
    chapter.SetSel(2, 3);
    EXPECT_TRUE(w.m_bBold && w.m_bItalic && w.m_bUnderline);
    EXPECT_EQ(std::make_tuple(w.m_bLeft, w.m_bCenter, w.m_bRight), std::make_tuple(false, true, false));
    for (int id : {CDlgAppWriter::ID_CHAR_BOLD, CDlgAppWriter::ID_CHAR_ITALIC, CDlgAppWriter::ID_CHAR_UNDERLINE,
                   CDlgAppWriter::ID_PARA_CENTER})
        EXPECT_TRUE(w.m_wndToolBar.IsButtonChecked(id)) << id;
    EXPECT_FALSE(w.m_wndToolBar.IsButtonChecked(CDlgAppWriter::ID_PARA_LEFT));

    chapter.SetSel(0, 1);
    EXPECT_FALSE(w.m_bBold || w.m_bItalic || w.m_bUnderline);
    EXPECT_FALSE(w.m_wndToolBar.IsButtonChecked(CDlgAppWriter::ID_CHAR_BOLD));

    // A justified paragraph leaves the alignment flags as they were.
    ui::ParaFormat justified;
    justified.dwMask = ui::PFM_ALIGNMENT;
    justified.wAlignment = ui::PFA_JUSTIFY;
    chapter.SetParaFormat(justified);
    chapter.SetSel(1, 1);
    EXPECT_EQ(std::make_tuple(w.m_bLeft, w.m_bCenter, w.m_bRight), std::make_tuple(false, true, false));
}

TEST_F(AppWriterTest, MovingTheCaretInARecommendationMakesItTheFormattingTarget) {
    CDlgAppWriter& w = Writer();
    COleRichEdit& second = w.m_dlgRecommend.m_richEdit2;
    second.SetWindowText("推荐意见二");
    second.SetSel(0, 2);
    EXPECT_EQ(w.m_pCurRichEdit, &second);
    w.OnCmdMsg(CDlgAppWriter::ID_CHAR_BOLD, BN_CLICKED);
    EXPECT_TRUE(SelectionHas(second, ui::CFE_BOLD));
    w.OnCmdMsg(CDlgAppWriter::ID_PARA_RIGHT, BN_CLICKED);
    EXPECT_EQ(Alignment(second), ui::PFA_RIGHT);

    COleRichEdit& first = w.m_dlgRecommend.m_richEdit1;
    first.SetWindowText("推荐意见一");
    first.SetSel(1, 1);
    EXPECT_EQ(w.m_pCurRichEdit, &first);

    // Other pages' fields report the move but do not take the target, and
    // the budget reasons do not report at all.
    w.m_dlgPlan.m_richEdit.SetWindowText("方案");
    w.m_dlgPlan.m_richEdit.SetSel(0, 1);
    EXPECT_EQ(w.m_pCurRichEdit, &first);
    w.m_bBold = true;
    w.m_dlgBudget.m_richReasons[0].SetWindowText("理由");
    w.m_dlgBudget.m_richReasons[0].SetSel(0, 1);
    EXPECT_TRUE(w.m_bBold);
}

// ---- in the form view ----

namespace {

// The writer inside the application form view, as the main program opens it.
class WriterInView : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ui::EnsureApplication();
        sys::MakeDirs(sys::JoinPath(Folder(), "temp"));
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        view_ = std::make_unique<CDlgproappl>();
        view_->CreateView(host_.get(), {0, 0, 1200, 800});
        view_->OnInitialUpdate();
    }
    void TearDown() override {
        view_.reset();
        host_.reset();
        InstalledFolder::TearDown();
    }
    CDlgproappl& View() { return *view_; }
    CDlgAppWriter& Writer() { return view_->m_dlgAppWriter; }
    ui::HTREEITEM Node(const std::string& text) {
        ui::TreeCtrl& tree = Writer().m_tree;
        for (ui::HTREEITEM item = tree.GetRootItem(); item; item = tree.GetNextVisibleItem(item)) {
            tree.Expand(item, ui::TVE_EXPAND);
            if (tree.GetItemText(item) == text) return item;
        }
        return nullptr;
    }

    ui::TestDriver driver;

private:
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<CDlgproappl> view_;
};

}  // namespace

TEST_F(WriterInView, TreeTabsAndButtonsReachTheFormView) {
    ASSERT_EQ(Writer().GetParent(), &View());
    Writer().m_tree.SelectItem(Node("二、经费预算"));
    EXPECT_EQ(View().m_strCurChapter, "二、经费预算");
    EXPECT_EQ(Writer().m_wndTab.GetActiveTab(), CDlgAppWriter::kTabBudget);

    Writer().m_wndTab.SetActiveTab(CDlgAppWriter::kTabMembers);
    EXPECT_EQ(View().m_strCurChapter, "（二）申请人及成员");
    EXPECT_EQ(Writer().m_tree.GetItemText(Writer().m_tree.GetSelectedItem()), "（二）申请人及成员");

    Writer().Click(CDlgAppWriter::IDC_BTN_PROADD);
    EXPECT_EQ(Writer().m_wndTab.GetActiveTab(), CDlgAppWriter::kTabBasicInfo);

    driver.ExpectMessageBox("系统提示", "指南代码、年份及单位代码是必填项！");
    Writer().Click(CDlgAppWriter::IDC_BTN_SAVE);
    EXPECT_TRUE(driver.Finished());
}
