// The annual-guide view: the period's list and years, search, a new guide
// from a five-year guide, load, save (new and replacing), delete, the
// formatting bar with the tabs, and the chapter files at the end.
#include "GuideTestSupport.h"
#include "guide_annual/DlgGuideSearch.h"
#include "guide_annual/DlgSelectFiveGuide.h"

using guidetest::Exec;
using guidetest::Query;
using guidetest::Rows;

namespace {

std::vector<std::string> Years(CDlgOneGuide& view) {
    std::vector<std::string> years;
    ui::ComboBox& combo = view.m_dlgDetail.m_dlgHeader.YearList();
    for (int i = 0; i < combo.GetCount(); ++i) years.push_back(combo.GetLBText(i));
    return years;
}

class OneGuide : public GuideTest {
protected:
    static CDlgGuideHeader& Header(CDlgOneGuide& view) { return view.m_dlgDetail.m_dlgHeader; }
    static COleRichEdit& Chapter(CDlgOneGuide& view, int i) { return view.m_dlgDetail.m_tabWnd.Chapter(i); }
    static bool NameEnabled(CDlgOneGuide& view) {
        return Header(view).GetDlgItem(CDlgGuideHeader::IDC_NAME)->IsWindowEnabled();
    }
    // Stores a five-year guide of a period with two chapters.
    static void AddFiveYearGuide(const std::string& fund, const std::string& name, const std::string& period) {
        CAdoConnection connection;
        ASSERT_TRUE(ConnectGuideDatabase(connection));
        CAdoRecordSet rs;
        BindGuideRecordset(rs, connection);
        ASSERT_TRUE(rs.Open("select * from corvane_fivefundguide"));
        ASSERT_TRUE(rs.AddNew());
        rs.SetString("JJBH", fund);
        rs.SetString("ZNMC", name);
        rs.SetString("FBNF", period);
        ASSERT_TRUE(guidestore::WriteBlob(rs, "GS", guidetest::Rtf("Overview of " + fund)));
        ASSERT_TRUE(guidestore::WriteBlob(rs, "GNWYJQK", guidetest::Rtf("Research of " + fund)));
        ASSERT_TRUE(rs.Update());
    }
};

TEST_F(OneGuide, ListsThePeriodsGuidesByYearThenFundNumberAndOffersItsFiveYears) {
    guidetest::StoreSimpleGuide("9140B02", "乙", "2008");
    guidetest::StoreSimpleGuide("9140C03", "丙", "2007");
    guidetest::StoreSimpleGuide("9140A01", "甲", "2007");
    guidetest::StoreSimpleGuide("9140D04", "丁", "2011");
    CDlgOneGuide& view = OpenView("2006-2010");
    EXPECT_EQ(ListRows(view), (Rows{{"9140A01", "甲", "2007"}, {"9140C03", "丙", "2007"}, {"9140B02", "乙", "2008"}}));
    EXPECT_EQ(Years(view), (std::vector<std::string>{"2006", "2007", "2008", "2009", "2010"}));
    EXPECT_EQ(Header(view).YearList().GetCurSel(), 0);
    EXPECT_EQ(g_mapUnitName.size(), g_arrUnitCode.size());

    view.ShowFundInfo("");  // before a period is set
    EXPECT_EQ(Years(view), (std::vector<std::string>{"0", "1", "2", "3", "4"}));
    EXPECT_TRUE(ListRows(view).empty());
}

TEST_F(OneGuide, SearchComparesEachGivenFieldExactlyWithinThePeriod) {
    guidetest::StoreSimpleGuide("9140A01", "甲指南", "2007");
    guidetest::StoreSimpleGuide("9140B02", "乙'指南", "2008");
    guidetest::StoreSimpleGuide("9140A01", "甲指南", "2012");
    CDlgOneGuide& view = OpenView("2006-2010");
    const struct {
        std::string fund, name, year;
        Rows expected;
    } cases[] = {
        {"", "", "", {{"9140A01", "甲指南", "2007"}, {"9140B02", "乙'指南", "2008"}}},
        {"9140A01", "", "", {{"9140A01", "甲指南", "2007"}}},
        {"", "乙'指南", "", {{"9140B02", "乙'指南", "2008"}}},
        {"", "甲", "", {}},
        {"9140A01", "", "2008", {}},
    };
    for (const auto& c : cases) {
        driver.OnModal<CDlgGuideSearch>([&](CDlgGuideSearch& dlg) {
            dlg.SetDlgItemText(CDlgGuideSearch::IDC_FUND, c.fund);
            dlg.SetDlgItemText(CDlgGuideSearch::IDC_NAME, c.name);
            dlg.SetDlgItemText(CDlgGuideSearch::IDC_YEAR, c.year);
            dlg.Click(IDOK);
        });
        view.OnBtnSearch();
        EXPECT_EQ(ListRows(view), c.expected) << c.fund << "|" << c.name << "|" << c.year;
    }
    driver.OnModal<CDlgGuideSearch>([](CDlgGuideSearch& dlg) { dlg.Click(IDCANCEL); });
    view.OnBtnSearch();
    EXPECT_TRUE(ListRows(view).empty());  // the last search's result stays
}

TEST_F(OneGuide, NewGuideNeedsAFiveYearGuideOfThePeriod) {
    AddFiveYearGuide("9140A01", "其他时期", "2011-2015");
    CDlgOneGuide& view = OpenView("2006-2010");
    driver.ExpectMessageBox("提示", "您还没有编写五年指南，不能编写年度指南！");
    view.OnBtnAdd();
    EXPECT_FALSE(NameEnabled(view));
}

TEST_F(OneGuide, NewGuideTakesNumberNameAndFirstTwoChaptersOfTheChosenFiveYearGuide) {
    AddFiveYearGuide("9140A01", "五年一", "2006-2010");
    AddFiveYearGuide("9140B02", "五年二", "2006-2010");
    CDlgOneGuide& view = OpenView("2006-2010");
    Chapter(view, 2).SetWindowText("left over");
    driver.OnModal<CDlgSelectFiveGuide>([](CDlgSelectFiveGuide& dlg) {
        auto& list = *dlg.Item<ui::ListCtrl>(CDlgSelectFiveGuide::IDC_LIST);
        ASSERT_EQ(list.GetItemCount(), 2);
        EXPECT_EQ(list.GetItemText(1, 1), "五年二");
        list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        dlg.Click(IDOK);
    });
    view.OnBtnAdd();

    EXPECT_EQ(Header(view).GetDlgItemText(CDlgGuideHeader::IDC_FUND), "9140B02");
    EXPECT_EQ(Header(view).GetDlgItemText(CDlgGuideHeader::IDC_NAME), "五年二");
    EXPECT_EQ(Chapter(view, 0).GetWindowText(), "Overview of 9140B02");
    EXPECT_EQ(Chapter(view, 1).GetWindowText(), "Research of 9140B02");
    EXPECT_EQ(Chapter(view, 2).GetWindowText(), "");
    EXPECT_EQ(view.m_dlgDetail.m_tabWnd.GetActiveTab(), 2);
    EXPECT_TRUE(NameEnabled(view));
    EXPECT_EQ(view.m_dlgDetail.m_tabWnd.SubjectTree().m_strJJBH, "9140B02");
    EXPECT_EQ(view.m_dlgDetail.m_tabWnd.SubjectTree().m_strFBNF, "2006");
}

TEST_F(OneGuide, ChoosingNoFiveYearGuideKeepsTheDialogOpen) {
    g_arrFiveGuideCode = {"9140A01"};
    g_arrFiveGuideName = {"五年一"};
    driver.OnModal<CDlgSelectFiveGuide>([this](CDlgSelectFiveGuide& dlg) {
        driver.ExpectMessageBox("提示", "请先选择五年指南！");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    CDlgSelectFiveGuide dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_strFundCode, "");
}

// Saving walks the topic document into rows: one direction row per unit,
// one row with unit " " for an undirected direction.
TEST_F(OneGuide, SaveStoresTheGuideWithItsSubjectsAndOneDirectionRowPerUnit) {
    CDlgOneGuide& view = OpenView("2006-2010");
    guidetest::WriteGuideFiles(guidefiles::TopicFolder(), "9140A01",
                               {{"01", "专题一", {{"01", "方向一", "1", {"U01", "U02", "U03"}}, {"02", "方向二", "0", {}}}},
                                {"02", "专题二", {}}},
                               "unused");
    Header(view).SetDlgItemText(CDlgGuideHeader::IDC_FUND, "9140A01");
    Header(view).SetDlgItemText(CDlgGuideHeader::IDC_NAME, "年度指南一");
    Header(view).YearList().SetCurSel(1);
    Chapter(view, 0).SetWindowText("概述正文");
    driver.ExpectMessageBox("操作成功", "数据入库完成！");
    view.OnButtonSave();

    EXPECT_EQ(ListRows(view), (Rows{{"9140A01", "年度指南一", "2007"}}));
    EXPECT_EQ(Query("select ZTBH, JJBH, FBNF, ZTMC from corvane_year_studysubject order by ZTBH"),
              (Rows{{"9140A0101", "9140A01", "2007", "专题一"}, {"9140A0102", "9140A01", "2007", "专题二"}}));
    EXPECT_EQ(Query("select YJFXBH, ZTBH, DWDM, YJFXMC, SFZDYJFX, BZ from corvane_year_studyaspect order by YJFXBH, DWDM"),
              (Rows{{"9140A010101", "9140A0101", "U01", "方向一", "1", "备注"},
                    {"9140A010101", "9140A0101", "U02", "方向一", "1", "备注"},
                    {"9140A010101", "9140A0101", "U03", "方向一", "1", "备注"},
                    {"9140A010102", "9140A0101", " ", "方向二", "0", "备注"}}));

    // Loading it again brings the chapter back.
    Chapter(view, 0).SetWindowText("");
    SelectRows(view, {0});
    view.OnDblclkListFundinfo();
    EXPECT_EQ(Chapter(view, 0).GetWindowText(), "概述正文");
    EXPECT_TRUE(sys::FileExists(guidefiles::PurposeFile("9140A0101")));
    // The root, two subjects, two directions and the first direction's three units.
    EXPECT_EQ(view.m_dlgDetail.m_tabWnd.SubjectTree().Tree().GetCount(), 8u);
}

TEST_F(OneGuide, SaveNeedsNumberAndNameAndAsksBeforeReplacing) {
    guidetest::StoreSimpleGuide("9140A01", "旧名称", "2006");
    CDlgOneGuide& view = OpenView("2006-2010");
    driver.ExpectMessageBox("提示", "基金编号、指南名称都是必填项！");
    view.OnButtonSave();

    SelectRows(view, {0});
    view.OnDblclkListFundinfo();
    Header(view).SetDlgItemText(CDlgGuideHeader::IDC_NAME, "新名称");
    driver.ExpectMessageBox("提示", "该指南已存在, 是否替换原纪录？", IDNO);
    view.OnButtonSave();
    EXPECT_EQ(Query("select ZNMC from corvane_yearfundguide"), (Rows{{"旧名称"}}));

    driver.ExpectMessageBox("提示", "该指南已存在, 是否替换原纪录？", IDYES);
    driver.ExpectMessageBox("操作成功", "数据更新成功！");
    view.OnButtonSave();
    EXPECT_EQ(Query("select ZNMC from corvane_yearfundguide"), (Rows{{"新名称"}}));
    EXPECT_EQ(Query("select count(*) from corvane_year_studysubject"), (Rows{{"1"}}));
    EXPECT_EQ(Query("select count(*) from corvane_year_studyaspect"), (Rows{{"1"}}));
}

TEST_F(OneGuide, DeletingTheShownGuideEmptiesTheEditorAndRemovesItsRows) {
    guidetest::StoreSimpleGuide("9140A01", "甲", "2007");
    guidetest::StoreSimpleGuide("9140B02", "乙", "2007");
    CDlgOneGuide& view = OpenView("2006-2010");
    driver.ExpectMessageBox("删除指南", "请先选中要删除的记录");
    view.OnBtnDelete();

    SelectRows(view, {0});
    view.OnDblclkListFundinfo();
    view.m_dlgList.List().SetItemState(0, 0, LVIS_SELECTED);
    SelectRows(view, {1});  // another guide: the editor stays
    driver.ExpectMessageBox("提示", "确定删除该记录？", IDYES);
    driver.ExpectMessageBox("提示", "删除成功！");
    view.OnBtnDelete();
    EXPECT_EQ(Header(view).GetDlgItemText(CDlgGuideHeader::IDC_FUND), "9140A01");
    EXPECT_TRUE(NameEnabled(view));

    SelectRows(view, {0});
    driver.ExpectMessageBox("提示", "确定删除该记录？", IDNO);
    view.OnBtnDelete();
    EXPECT_EQ(ListRows(view).size(), 1u);

    driver.ExpectMessageBox("提示", "确定删除该记录？", IDYES);
    driver.ExpectMessageBox("提示", "删除成功！");
    view.OnBtnDelete();
    EXPECT_EQ(Header(view).GetDlgItemText(CDlgGuideHeader::IDC_FUND), "");
    EXPECT_EQ(Chapter(view, 0).GetWindowText(), "");
    EXPECT_FALSE(NameEnabled(view));
    for (const char* table : {"corvane_yearfundguide", "corvane_year_studysubject", "corvane_year_studyaspect"})
        EXPECT_EQ(Query(std::string("select count(*) from ") + table), (Rows{{"0"}})) << table;
}

TEST_F(OneGuide, ClearThenShowFundInfoLeavesAnEmptyEditor) {
    guidetest::StoreSimpleGuide("9140A01", "甲", "2008");
    CDlgOneGuide& view = OpenView("2006-2010");
    SelectRows(view, {0});
    view.OnDblclkListFundinfo();
    ASSERT_NE(Chapter(view, 1).GetWindowText(), "");
    view.Clear();
    view.ShowFundInfo("2006-2010");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Chapter(view, i).GetWindowText(), "") << i;
    EXPECT_EQ(view.m_dlgDetail.m_tabWnd.SubjectTree().Tree().GetCount(), 0u);
    EXPECT_EQ(Header(view).YearList().GetCurSel(), 0);
}

TEST_F(OneGuide, TopicTabHidesTheFormattingBarAndChapterTabsAimIt) {
    CDlgOneGuide& view = OpenView("2006-2010");
    CDlgGuideDetail& detail = view.m_dlgDetail;
    detail.m_tabWnd.SetActiveTab(3);
    EXPECT_FALSE(detail.m_wndToolBar.IsWindowVisible());
    EXPECT_EQ(detail.m_tabWnd.GetTabBkColor(3), CDlgGuideDetail::kActiveTabColor);
    detail.m_tabWnd.SetActiveTab(1);
    EXPECT_TRUE(detail.m_wndToolBar.IsWindowVisible());
    EXPECT_EQ(detail.m_tabWnd.GetTabBkColor(3), detail.m_tabWnd.InitialTabColor());
    EXPECT_EQ(&detail.ActiveEditor(), &Chapter(view, 1));

    Chapter(view, 1).SetWindowText("abc");
    Chapter(view, 1).SetSel(0, -1);
    view.OnCharBold();
    view.OnParaCenter();
    EXPECT_TRUE(detail.m_bCenter);
    EXPECT_FALSE(detail.m_bLeft);
    ui::CharFormat format;
    Chapter(view, 1).GetSelectionCharFormat(format);
    EXPECT_TRUE(format.dwEffects & ui::CFE_BOLD);
}

TEST_F(OneGuide, DestroyingTheViewEmptiesTheChapterFiles) {
    CDlgOneGuide& view = OpenView("2006-2010");
    const std::string chapter = guidefiles::ChapterFile(0);
    sys::WriteFileAtomic(chapter, guidetest::Rtf("scratch"));
    view.DestroyWindow();
    std::string bytes;
    ASSERT_TRUE(sys::ReadFile(chapter, bytes));
    EXPECT_TRUE(bytes.empty());
}

}  // namespace
