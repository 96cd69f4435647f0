// The five-year guide view: the period's list, a new guide for a group or a
// laboratory, save (new, and replacing after asking), opening a guide,
// deleting, search, clearing, the tabs with the formatting bar, the header's
// name and the chapter files at the end.
#include "FiveGuideTestSupport.h"
#include "guide_fiveyear/DlgGuideSearch.h"
#include "guide_fiveyear/DlgSelectGroupLab.h"
#include "guide_fiveyear/FiveGuideStore.h"

namespace {

constexpr const char* kPeriod = "2011-2015";
using fiveyear::CDlgGuideHeader;

class FiveGuideView : public FiveGuideTest {
protected:
    static CDlgGuideHeader& Header(CDlgFiveGuide& view) { return view.m_dlgDetail.m_dlgHeader; }
    static COleRichEdit& Chapter(CDlgFiveGuide& view, int i) { return view.m_dlgDetail.m_tabWnd.Chapter(i); }
    static fiveyear::CDlgStudySubjectTree& Tree(CDlgFiveGuide& view) {
        return view.m_dlgDetail.m_tabWnd.SubjectTree();
    }
    static std::vector<std::string> HeaderTexts(CDlgFiveGuide& view) {
        return {Header(view).GetDlgItemText(CDlgGuideHeader::IDC_FUND),
                Header(view).GetDlgItemText(CDlgGuideHeader::IDC_NAME),
                Header(view).GetDlgItemText(CDlgGuideHeader::IDC_YEAR)};
    }
    static bool NameEnabled(CDlgFiveGuide& view) {
        return Header(view).GetDlgItem(CDlgGuideHeader::IDC_NAME)->IsWindowEnabled();
    }
    static void DoubleClick(CDlgFiveGuide& view, int row) {
        SelectRows(view, {row});
        ui::NotifyInfo info;
        view.m_dlgList.OnCommand(fiveyear::CDlgGuideList::IDC_LIST, NM_DBLCLK, &info);
    }
    // The group 9140A01 (甲组) and the laboratory 9140C01 (甲实验室).
    void SeedOwners() {
        AddGroup("9140A01", "甲组");
        AddLab("9140C01", "甲实验室");
    }
    // Picks the row of the new-guide dialog that holds the code.
    void ChooseOwner(const std::string& code) {
        driver.OnModal<CDlgSelectGroupLab>([code](CDlgSelectGroupLab& dlg) {
            auto& list = *dlg.Item<ui::ListCtrl>(CDlgSelectGroupLab::IDC_LIST);
            for (int row = 0; row < list.GetItemCount(); ++row)
                if (list.GetItemText(row, 1) == code) list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
            dlg.Click(IDOK);
        });
    }
};

TEST_F(FiveGuideView, ListsTheGroupsGuidesThenTheLaboratoriesOfThePeriod) {
    AddGroup("9140A02", "乙组");
    AddGroup("9140A01", "甲组");
    AddLab("9140C01", "甲实验室");
    AddGuide("9140C01", "实验室指南", kPeriod);
    AddGuide("9140A02", "乙组指南", kPeriod);
    AddGuide("9140A01", "甲组指南", kPeriod);
    AddGuide("9140X01", "无主指南", kPeriod);  // neither a group's nor a laboratory's
    AddGuide("9140A01", "下个时期", "2016-2020");
    CDlgFiveGuide& view = OpenView(kPeriod);
    EXPECT_EQ(ListRows(view), (Rows{{"9140A01", "甲组", "甲组指南"},
                                    {"9140A02", "乙组", "乙组指南"},
                                    {"9140C01", "甲实验室", "实验室指南"}}));
    EXPECT_EQ(view.ShowFundInfo("2016-2020"), 1);
    EXPECT_EQ(ListRows(view), (Rows{{"9140A01", "甲组", "下个时期"}}));
    EXPECT_FALSE(NameEnabled(view));
}

TEST_F(FiveGuideView, NewGuideNeedsAGroupOrALaboratory) {
    CDlgFiveGuide& view = OpenView(kPeriod);
    driver.ExpectMessageBox("提示", "您还没有编写专业组/实验室信息，不能编写五年指南！");
    view.OnBtnAdd();
    EXPECT_EQ(driver.MessageBoxes().back().type & MB_ICONMASK, UINT(MB_ICONERROR));
    EXPECT_FALSE(NameEnabled(view));
}

TEST_F(FiveGuideView, NewGuideTakesCodeAndNameOfTheChosenGroupOrLaboratory) {
    SeedOwners();
    CDlgFiveGuide& view = OpenView(kPeriod);
    driver.OnModal<CDlgSelectGroupLab>([](CDlgSelectGroupLab& dlg) {
        auto& list = *dlg.Item<ui::ListCtrl>(CDlgSelectGroupLab::IDC_LIST);
        ASSERT_EQ(list.GetItemCount(), 2);
        EXPECT_EQ(list.GetItemText(0, 2), "专业组");  // groups first
        EXPECT_EQ(list.GetItemText(1, 0), "甲实验室");
        dlg.Click(IDOK);  // nothing chosen: the dialog stays
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    driver.ExpectMessageBox("提示", "请先选择专业组/实验室！");
    view.OnBtnAdd();
    EXPECT_EQ(HeaderTexts(view), (std::vector<std::string>{"", "", ""}));

    const struct {
        std::string code, name;
    } cases[] = {{"9140A01", "甲组"}, {"9140C01", "甲实验室"}};
    for (const auto& c : cases) {
        Chapter(view, 4).SetWindowText("left over");
        sys::WriteFileAtomic(fiveyearstore::ChapterFile(4), Rtf("left over"));
        view.m_dlgDetail.m_tabWnd.SetActiveTab(5);
        ChooseOwner(c.code);
        view.OnBtnAdd();
        EXPECT_EQ(HeaderTexts(view), (std::vector<std::string>{c.code, c.name, kPeriod}));
        EXPECT_EQ(Chapter(view, 4).GetWindowText(), "");
        std::string bytes;
        ASSERT_TRUE(sys::ReadFile(fiveyearstore::ChapterFile(4), bytes));
        EXPECT_TRUE(bytes.empty());
        EXPECT_EQ(view.m_dlgDetail.m_tabWnd.GetActiveTab(), 0);
        EXPECT_TRUE(NameEnabled(view));
        EXPECT_FALSE(view.m_bOpenGuide);
        EXPECT_EQ(Tree(view).m_strJJBH, c.code);
        EXPECT_EQ(Tree(view).m_strZNMC, c.name);
        EXPECT_EQ(Tree(view).m_strFBNF, kPeriod);
    }
    EXPECT_TRUE(Query("select * from corvane_fivefundguide").empty());  // nothing is stored before Save
}

TEST_F(FiveGuideView, SaveStoresANewGuideAndReplacesAStoredOneOnlyAfterAsking) {
    SeedOwners();
    CDlgFiveGuide& view = OpenView(kPeriod);
    driver.ExpectMessageBox("提示", "基金编号、指南名称和发布年份都是必填项！");
    view.OnButtonSave();
    EXPECT_TRUE(Query("select * from corvane_fivefundguide").empty());

    ChooseOwner("9140A01");
    view.OnBtnAdd();
    Chapter(view, 3).SetWindowText("relation to other plans");
    driver.ExpectMessageBox("操作成功", "数据入库完成！");
    view.OnButtonSave();
    EXPECT_EQ(Query("select JJBH, FBNF, ZNMC from corvane_fivefundguide"), (Rows{{"9140A01", kPeriod, "甲组"}}));
    EXPECT_NE(Blob("select * from corvane_fivefundguide", "YXGJHZNGX").find("relation to other plans"), std::string::npos);
    EXPECT_EQ(ListRows(view), (Rows{{"9140A01", "甲组", "甲组"}}));

    Header(view).SetDlgItemText(CDlgGuideHeader::IDC_NAME, "新名称");
    driver.ExpectMessageBox("提示", "该指南已存在, 是否替换原纪录？", IDNO);
    view.OnButtonSave();
    EXPECT_EQ(Query("select ZNMC from corvane_fivefundguide"), (Rows{{"甲组"}}));

    driver.ExpectMessageBox("提示", "该指南已存在, 是否替换原纪录？", IDYES);
    driver.ExpectMessageBox("操作成功", "数据更新成功！");
    view.OnButtonSave();
    EXPECT_EQ(Query("select ZNMC from corvane_fivefundguide"), (Rows{{"新名称"}}));
    EXPECT_EQ(ListRows(view), (Rows{{"9140A01", "甲组", "新名称"}}));
}

TEST_F(FiveGuideView, ReplaceOfAGuideDeletedMeanwhileIsRefused) {
    SeedOwners();
    AddGuide("9140A01", "甲组指南", kPeriod);
    CDlgFiveGuide& view = OpenView(kPeriod);
    DoubleClick(view, 0);
    Exec("delete from corvane_fivefundguide");
    AddGuide("9140A01", "甲组指南", "2016-2020");
    const Rows before = AllGuideRows();
    driver.ExpectMessageBox("操作失败", "数据更新操作失败！");
    view.UpdateFundInfo();
    EXPECT_EQ(AllGuideRows(), before);
}

TEST_F(FiveGuideView, OpeningAGuideLoadsItsChaptersTopicsAndName) {
    SeedOwners();
    AddUnit("U1", "甲单位");
    const std::string topics =
        "<选题范围><fund9140A0101 专题名称=\"专题\" 研究目的=\"9140A0101.rtf\">"
        "<fund9140A010101 研究方向名称=\"方向\" 是否重点研究方向=\"\"><单位1 单位代码=\"U1\" 单位名称=\"\"/>"
        "</fund9140A010101></fund9140A0101></选题范围>";
    AddGuide("9140A01", "甲组指南", kPeriod, topics);
    AddTopic("9140A0101", "9140A01", kPeriod, "专题");
    CDlgFiveGuide& view = OpenView(kPeriod);
    Chapter(view, 0).SetWindowText("unsaved");

    DoubleClick(view, 0);
    EXPECT_EQ(HeaderTexts(view), (std::vector<std::string>{"9140A01", "甲组指南", kPeriod}));
    const char* columns[] = {"GS", "GNWYJQK", "ZMB", "YXGJHZNGX", "XYFX"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Chapter(view, i).GetWindowText(), std::string(columns[i]) + " of 9140A01");
    ui::TreeCtrl& tree = Tree(view).Tree();
    const ui::HTREEITEM root = tree.GetRootItem();
    EXPECT_EQ(tree.GetItemText(root), "9140A01(甲组指南)");
    const ui::HTREEITEM topic = tree.GetChildItem(root);
    EXPECT_EQ(tree.GetItemText(topic), "9140A0101(专题)");
    EXPECT_EQ(tree.GetItemText(tree.GetChildItem(tree.GetChildItem(topic))), "U1(甲单位)");
    std::string purpose;
    ASSERT_TRUE(sys::ReadFile(sys::JoinPath(Tree(view).m_strTopicFolder, "9140A0101.rtf"), purpose));
    EXPECT_EQ(purpose, Rtf("purpose of 9140A0101"));
    EXPECT_TRUE(NameEnabled(view));
    EXPECT_TRUE(view.m_bOpenGuide);

    // Leaving the name edit renames the tree's guide and keeps its topics.
    Header(view).SetDlgItemText(CDlgGuideHeader::IDC_NAME, "改名");
    ui::NotifyInfo info;
    Header(view).OnCommand(CDlgGuideHeader::IDC_NAME, EN_KILLFOCUS, &info);
    EXPECT_EQ(Tree(view).m_strZNMC, "改名");
    EXPECT_EQ(tree.GetItemText(tree.GetRootItem()), "9140A01(改名)");
    EXPECT_EQ(tree.GetCount(), 4u);

    view.Clear();
    EXPECT_EQ(HeaderTexts(view), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(Chapter(view, 2).GetWindowText(), "");
    EXPECT_EQ(tree.GetCount(), 0u);
    EXPECT_FALSE(NameEnabled(view));
    EXPECT_FALSE(view.m_bOpenGuide);
}

TEST_F(FiveGuideView, DeleteRemovesEachSelectedGuideWithItsTopicsAfterAsking) {
    SeedOwners();
    AddGroup("9140A02", "乙组");
    for (const char* fund : {"9140A01", "9140A02", "9140C01"}) {
        AddGuide(fund, "指南", kPeriod);
        AddTopic(std::string(fund) + "01", fund, kPeriod, "专题");
        AddDirection(std::string(fund) + "0101", fund, kPeriod, std::string(fund) + "01", "U1", "方向");
    }
    AddGuide("9140A01", "下个时期", "2016-2020");
    CDlgFiveGuide& view = OpenView(kPeriod);

    driver.ExpectMessageBox("删除指南", "请先选中要删除的记录");
    view.m_dlgList.Click(fiveyear::CDlgGuideList::IDC_DELETE);
    DoubleClick(view, 0);
    SelectRows(view, {0, 2});
    driver.ExpectMessageBox("提示", "确定删除该记录？", IDNO);
    view.OnBtnDelete();
    EXPECT_EQ(ListRows(view).size(), 3u);

    driver.ExpectMessageBox("提示", "确定删除该记录？", IDYES);
    driver.ExpectMessageBox("提示", "删除成功！");
    view.OnBtnDelete();
    EXPECT_EQ(ListRows(view), (Rows{{"9140A02", "乙组", "指南"}}));
    EXPECT_EQ(Query("select JJBH, FBNF from corvane_fivefundguide order by FBNF"),
              (Rows{{"9140A02", kPeriod}, {"9140A01", "2016-2020"}}));
    EXPECT_EQ(Query("select JJBH from corvane_five_studysubject"), (Rows{{"9140A02"}}));
    EXPECT_EQ(Query("select JJBH from corvane_five_studyaspect"), (Rows{{"9140A02"}}));
    EXPECT_EQ(HeaderTexts(view), (std::vector<std::string>{"", "", ""}));  // the open guide was deleted
    EXPECT_FALSE(NameEnabled(view));
}

TEST_F(FiveGuideView, SearchCombinesTheGivenFieldsWithinThePeriod) {
    AddGroup("9140A01", "材料组");
    AddGroup("9140A02", "能源组");
    AddLab("9140C01", "材料实验室");
    AddGuide("9140A01", "材料指南", kPeriod);
    AddGuide("9140A02", "能源'指南", kPeriod);
    AddGuide("9140C01", "实验室指南", kPeriod);
    AddGuide("9140A02", "能源'指南", "2016-2020");
    CDlgFiveGuide& view = OpenView(kPeriod);
    const struct {
        std::string fund, owner, name;
        Rows expected;
    } cases[] = {
        {"", "", "", {{"9140A01", "材料组", "材料指南"}, {"9140A02", "能源组", "能源'指南"},
                      {"9140C01", "材料实验室", "实验室指南"}}},
        {"9140A02", "", "", {{"9140A02", "能源组", "能源'指南"}}},
        {"", "材料", "", {{"9140A01", "材料组", "材料指南"}, {"9140C01", "材料实验室", "实验室指南"}}},
        {"", "", "'指南", {{"9140A02", "能源组", "能源'指南"}}},
        {"", "材料", "实验室", {{"9140C01", "材料实验室", "实验室指南"}}},
        {"9140A0", "", "", {}},  // the fund number is compared whole
    };
    for (const auto& c : cases) {
        driver.OnModal<fiveyear::CDlgGuideSearch>([&](fiveyear::CDlgGuideSearch& dlg) {
            dlg.SetDlgItemText(fiveyear::CDlgGuideSearch::IDC_FUND, c.fund);
            dlg.SetDlgItemText(fiveyear::CDlgGuideSearch::IDC_OWNER, c.owner);
            dlg.SetDlgItemText(fiveyear::CDlgGuideSearch::IDC_NAME, c.name);
            dlg.Click(IDOK);
        });
        view.m_dlgList.Click(fiveyear::CDlgGuideList::IDC_SEARCH);
        EXPECT_EQ(ListRows(view), c.expected) << c.fund << "|" << c.owner << "|" << c.name;
    }
    driver.OnModal<fiveyear::CDlgGuideSearch>([](fiveyear::CDlgGuideSearch& dlg) { dlg.Click(IDCANCEL); });
    view.OnBtnSearch();
    EXPECT_TRUE(ListRows(view).empty());  // the last search's result stays
}

TEST_F(FiveGuideView, TopicTabHidesTheFormattingBarAndChapterTabsAimIt) {
    CDlgFiveGuide& view = OpenView(kPeriod);
    fiveyear::CDlgGuideDetail& detail = view.m_dlgDetail;
    detail.m_tabWnd.SetActiveTab(4);
    EXPECT_EQ(&detail.ActiveEditor(), &Chapter(view, 3));
    detail.m_tabWnd.SetActiveTab(3);
    EXPECT_FALSE(detail.m_wndToolBar.IsWindowVisible());
    EXPECT_EQ(&detail.ActiveEditor(), &Chapter(view, 3));  // the topic tab keeps the target
    EXPECT_EQ(detail.m_tabWnd.GetTabBkColor(3), fiveyear::CDlgGuideDetail::kActiveTabColor);
    detail.m_tabWnd.SetActiveTab(5);
    EXPECT_TRUE(detail.m_wndToolBar.IsWindowVisible());
    EXPECT_EQ(detail.m_tabWnd.GetTabBkColor(3), detail.m_tabWnd.InitialTabColor());
    EXPECT_EQ(&detail.ActiveEditor(), &Chapter(view, 4));

    Chapter(view, 4).SetWindowText("abc");
    Chapter(view, 4).SetSel(0, -1);
    view.OnCharBold();
    view.OnParaRight();
    EXPECT_TRUE(detail.m_bRight);
    EXPECT_FALSE(detail.m_bLeft);
    ui::CharFormat format;
    Chapter(view, 4).GetSelectionCharFormat(format);
    EXPECT_TRUE(format.dwEffects & ui::CFE_BOLD);
}

TEST_F(FiveGuideView, DestroyingTheViewEmptiesTheChapterFiles) {
    CDlgFiveGuide& view = OpenView(kPeriod);
    for (int i = 0; i < fiveyearstore::kChapterCount; ++i)
        sys::WriteFileAtomic(fiveyearstore::ChapterFile(i), Rtf("scratch"));
    view.DestroyWindow();
    for (int i = 0; i < fiveyearstore::kChapterCount; ++i) {
        std::string bytes;
        ASSERT_TRUE(sys::ReadFile(fiveyearstore::ChapterFile(i), bytes));
        EXPECT_TRUE(bytes.empty()) << i;
    }
}

}  // namespace
