// The application form view: set-up by role, the list, chapter navigation
// with its scratch files, tabs, saving with numbering, loading, editing the
// number, deleting with renumbering, re-sorting, importing bundles with
// their documents at the fund office, and closing.
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <map>
#include <memory>

#include "AppViewTestSupport.h"
#include "application/ApplicationImportCheck.h"
#include "application/Dlgproappl.h"
#include "application/ProjectApplicationBundle.h"
#include "application/StoredApplicationDocument.h"
#include "foundation/LongBinary.h"
#include "foundation/Options.h"
#include "platform/ui/App.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/HeldDatabase.h"
#include "testsupport/TempFolder.h"

using appviewtest::Column;
using appviewtest::Exec;
using appviewtest::Numbers;
using appviewtest::Query;
using appviewtest::Rows;
using appviewtest::StoreProject;
using B = CDlgAppBasicInfo;

namespace {

std::string ReadScratch(const std::string& file) {
    std::string bytes;
    sys::ReadFile(proapp::ScratchPath(file), bytes);
    return bytes;
}

void WriteScratch(const std::string& file, const std::string& plain) {
    sys::WriteFileAtomic(proapp::ScratchPath(file), "{\\rtf1\\ansi " + plain + "\\par}");
}

}  // namespace

class ApplicationView : public AppStoreTest {
protected:
    void SetUp() override {
        AppStoreTest::SetUp();
        ui::EnsureApplication();
    }
    void TearDown() override {
        view_.reset();
        host_.reset();
        CDlgproappl::m_strPublishYear.clear();
        AppStoreTest::TearDown();
    }
    CDlgproappl& OpenView(int role = 1) {
        COptions options;
        options.SetRole(role);
        options.Save();
        CDlgproappl::m_strPublishYear = "2006-2010";
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
        view_ = std::make_unique<CDlgproappl>();
        view_->CreateView(host_.get(), {0, 0, 1300, 900});
        view_->OnInitialUpdate();
        return *view_;
    }
    static CDlgAppBasicInfo& Basic(CDlgproappl& view) { return view.m_dlgAppWriter.m_dlgBasicInfo; }
    static ui::ListCtrl& List(CDlgproappl& view) { return view.m_dlgOutputList.List(); }
    static std::vector<std::string> ListNumbers(CDlgproappl& view) {
        std::vector<std::string> numbers;
        for (int i = 0; i < List(view).GetItemCount(); ++i) numbers.push_back(List(view).GetItemText(i, 1));
        return numbers;
    }
    static std::string ShownNumber(CDlgproappl& view) {
        return Basic(view).GetDlgItemText(B::IDC_NUMBER_PREFIX) + Basic(view).GetDlgItemText(B::IDC_SERIAL);
    }
    // Types the fields a new application needs and a little more.
    void FillNew(CDlgproappl& view, const std::string& guide, const std::string& unit) {
        Basic(view).SetDlgItemText(B::IDC_GUIDE_CODE, guide);
        Basic(view).SetDlgItemText(B::IDC_YEAR, "2008");
        Basic(view).SetDlgItemText(B::IDC_UNIT_CODE, unit);
        Basic(view).SetDlgItemText(B::IDC_NAME, "项目" + unit);
        view.m_dlgAppWriter.m_dlgBudget.SetDlgItemText(5212, "1.5");
        view.m_dlgAppWriter.m_dlgBudget.SetDlgItemText(CDlgAppBudget::IDC_TOTAL, "1.5");
    }
    void Save(CDlgproappl& view) {
        driver.ExpectMessageBox("系统提示", "保存成功！");
        view.OnBtnSave();
    }
    void Open(CDlgproappl& view, const std::string& number) {
        view.LoadlistDate();
        for (int i = 0; i < List(view).GetItemCount(); ++i)
            if (List(view).GetItemText(i, 1) == number) List(view).SetSelectionMark(i);
        view.OnDblclkListProlist();
    }

    ui::TestDriver driver;
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<CDlgproappl> view_;
};

TEST_F(ApplicationView, SetUpFollowsTheRoleAndListsProjectsByUnitAndSerial) {
    StoreProject("9140B02020209U002001", "U002");
    StoreProject("9140A01010108U001002", "U001");
    StoreProject("9140C03030307U001001", "U001");
    for (int role : {0, 1, 2}) {
        CDlgproappl& view = OpenView(role);
        EXPECT_EQ(view.m_dlgAppWriter.m_btnSaveDoc.IsWindowVisible(), role != 1) << role;
        EXPECT_EQ(view.m_dlgAppWriter.m_btnRead.IsWindowVisible(), role != 1) << role;
        EXPECT_EQ(view.m_dlgAppWriter.m_btnSave.IsWindowVisible(), TRUE);
        auto* serial = Basic(view).Item<ui::Edit>(B::IDC_SERIAL);
        ASSERT_NE(serial, nullptr);
        EXPECT_EQ(serial->IsReadOnly(), role != 1) << role;
    }
    CDlgproappl& view = *view_;
    EXPECT_EQ(ListNumbers(view),
              (std::vector<std::string>{"9140C03030307U001001", "9140A01010108U001002", "9140B02020209U002001"}));
    EXPECT_EQ(List(view).GetItemText(2, 0), "3");
    std::vector<std::string> sexes;
    auto* sex = Basic(view).Item<ui::ComboBox>(B::IDC_SEX);
    for (int i = 0; i < sex->GetCount(); ++i) sexes.push_back(sex->GetLBText(i));
    EXPECT_EQ(sexes, Column("select name from corvane_zd_xb"));
    EXPECT_EQ(view.m_dlgAppWriter.m_dlgMembers.m_arrTitle, Column("select name from corvane_zd_zc"));
}

TEST_F(ApplicationView, ChaptersLiveInTheirScratchFilesBetweenPageChanges) {
    CDlgproappl& view = OpenView();
    CDlgAppWriter& w = view.m_dlgAppWriter;
    WriteScratch("xmjj.rtf", "goals and content");
    view.SetTreeNodeSel("三、研究目标及研究内容");
    EXPECT_EQ(view.m_strCurChapter, "三、研究目标及研究内容");
    EXPECT_EQ(w.m_wndTab.GetActiveTab(), 3);
    EXPECT_TRUE(w.m_wndToolBar.IsWindowVisible());
    EXPECT_EQ(w.m_dlgChapter.m_richEdit.GetWindowText(), "goals and content");
    EXPECT_EQ(w.m_pCurRichEdit, &w.m_dlgChapter.m_richEdit);

    w.m_dlgChapter.m_richEdit.SetWindowText("edited goals");
    w.m_dlgBudget.SetDlgItemText(CDlgAppBudget::IDC_TOTAL, "7.5");
    view.SetTreeNodeSel("（一）申请书基本信息");
    EXPECT_NE(ReadScratch("xmjj.rtf").find("edited goals"), std::string::npos);
    EXPECT_EQ(w.m_wndTab.GetActiveTab(), 0);
    EXPECT_FALSE(w.m_wndToolBar.IsWindowVisible());
    EXPECT_EQ(Basic(view).GetDlgItemText(B::IDC_AMOUNT), "7.5");

    // A click on a tab moves the tree along and marks the tab.
    w.m_wndTab.SetActiveTab(2);
    EXPECT_EQ(view.m_strCurChapter, "二、经费预算");
    EXPECT_EQ(w.m_tree.GetItemText(w.m_tree.GetSelectedItem()), "二、经费预算");
    EXPECT_EQ(w.m_wndTab.GetTabBkColor(2), CDlgproappl::kActiveTab);
    EXPECT_EQ(w.m_wndTab.GetTabBkColor(0), view.m_crStdTab);
}

TEST_F(ApplicationView, ChaptersWithoutATabShareTheirPagesEditor) {
    CDlgproappl& view = OpenView();
    CDlgAppWriter& w = view.m_dlgAppWriter;
    // A tree with more nodes reaches the pages that have no node of their own.
    w.m_tree.InsertItem("（二）军事需求分析");
    w.m_tree.InsertItem("（三）国内外研究概况");
    WriteScratch("llyj_gnwyjqk.rtf", "overview");
    view.SetTreeNodeSel("（二）军事需求分析");
    w.m_dlgGoals.m_richEdit.SetWindowText("needs");
    view.SetTreeNodeSel("（三）国内外研究概况");
    EXPECT_NE(ReadScratch("llyj_jsxqfx.rtf").find("needs"), std::string::npos);
    EXPECT_EQ(w.m_dlgGoals.m_richEdit.GetWindowText(), "overview");

    const std::pair<int, COleRichEdit*> targets[] = {
        {4, &w.m_dlgPlan.m_richEdit}, {8, &w.m_dlgRecommend.m_richEdit2}, {2, &w.m_dlgRecommend.m_richEdit2},
        {3, &w.m_dlgChapter.m_richEdit}, {9, &w.m_dlgChapter.m_richEdit}};
    for (const auto& [n, expected] : targets) {
        view.SetCurRichedit(n);
        EXPECT_EQ(w.m_pCurRichEdit, expected) << n;
    }
}

TEST_F(ApplicationView, ANewApplicationNeedsItsCodesAndIsNumberedUnderItsPrefix) {
    CDlgproappl& view = OpenView();
    view.OnBtnProadd();
    driver.ExpectMessageBox("系统提示", "指南代码、年份及单位代码是必填项！");
    view.OnBtnSave();
    EXPECT_TRUE(Numbers().empty());

    StoreProject("9140A01010108U001001");
    FillNew(view, "9140A010101", "U001");
    view.m_dlgAppWriter.m_dlgMembers.AddMemberRow()->GetItem(0)->SetValue("张三");
    Save(view);
    EXPECT_EQ(ShownNumber(view), "9140A01010108U001002");
    EXPECT_EQ(view.m_current.number, "9140A01010108U001002");
    EXPECT_EQ(Query("select XMMC, FIVEYEAR, SQJE, ZJF, SJF, FIRSTAPPR from corvane_itemappinfo where xmbh like '%002'"),
              (Rows{{"项目U001", "2006-2010", "1.5", "1.5", "1.5", "+"}}));
    EXPECT_EQ(Column("select xm from corvane_project_sqcy"), std::vector<std::string>{"张三"});
    EXPECT_EQ(ListNumbers(view), Numbers());

    // The saved application is the one being edited: saving again updates it.
    Basic(view).SetDlgItemText(B::IDC_NAME, "新名称");
    driver.ExpectMessageBox("系统提示", "确定更新该项目的信息？", IDOK);
    Save(view);
    EXPECT_EQ(Column("select xmmc from corvane_itemappinfo where xmbh like '%002'"), std::vector<std::string>{"新名称"});
    EXPECT_EQ(Numbers().size(), 2u);

    driver.ExpectMessageBox("系统提示", "确定更新该项目的信息？", IDCANCEL);
    Basic(view).SetDlgItemText(B::IDC_NAME, "不存");
    view.OnBtnSave();
    EXPECT_EQ(Column("select xmmc from corvane_itemappinfo where xmbh like '%002'"), std::vector<std::string>{"新名称"});
}

TEST_F(ApplicationView, LoadingShowsEveryPageAndASecondSaveKeepsWhatWasLoaded) {
    CDlgproappl& view = OpenView();
    CDlgAppWriter& w = view.m_dlgAppWriter;
    FillNew(view, "9140A010101", "U001");
    Basic(view).Item<ui::ComboBox>(B::IDC_SEX)->SetCurSel(1);
    w.m_dlgMembers.SetDlgItemText(5127, "3");
    w.m_dlgMembers.AddMemberRow()->GetItem(0)->SetValue("甲");
    w.m_dlgMembers.AddMemberRow()->GetItem(0)->SetValue("乙");
    w.m_dlgRecommend.SetDlgItemText(CDlgRecommend::IDC_NAME1, "推荐人");
    view.SetTreeNodeSel("三、研究目标及研究内容");  // the chapter shown is written by the save
    w.m_dlgChapter.m_richEdit.SetWindowText("goals");
    Save(view);
    const Rows stored = Query("select * from corvane_itemappinfo");

    view.OnBtnProadd();
    EXPECT_EQ(ShownNumber(view), "");
    EXPECT_EQ(w.m_wndTab.GetActiveTab(), 0);
    EXPECT_EQ(w.m_dlgChapter.m_richEdit.GetWindowText(), "");
    EXPECT_EQ(w.m_dlgMembers.m_wndGrid.GetRowCount(), 0);

    Open(view, "9140A01010108U001001");
    EXPECT_EQ(view.m_current.number, "9140A01010108U001001");
    EXPECT_EQ(Basic(view).GetDlgItemText(B::IDC_NUMBER_PREFIX), "9140A01010108U001");
    EXPECT_EQ(Basic(view).GetDlgItemText(B::IDC_SERIAL), "001");
    EXPECT_EQ(Basic(view).GetDlgItemText(B::IDC_NAME), "项目U001");
    EXPECT_EQ(Basic(view).Item<ui::ComboBox>(B::IDC_SEX)->GetCurSel(), 1);
    EXPECT_EQ(w.m_dlgMembers.GetDlgItemText(5127), "3");
    ASSERT_EQ(w.m_dlgMembers.m_wndGrid.GetRowCount(), 2);
    EXPECT_EQ(w.m_dlgMembers.m_wndGrid.GetRow(1)->GetItem(0)->GetValue(), "乙");
    EXPECT_EQ(w.m_dlgBudget.GetDlgItemText(5212), "1.5");
    view.SetTreeNodeSel("三、研究目标及研究内容");
    EXPECT_EQ(w.m_dlgChapter.m_richEdit.GetWindowText(), "goals");
    EXPECT_EQ(w.m_dlgRecommend.GetDlgItemText(CDlgRecommend::IDC_NAME1), "推荐人");

    driver.ExpectMessageBox("系统提示", "确定更新该项目的信息？", IDOK);
    Save(view);
    EXPECT_EQ(Query("select * from corvane_itemappinfo"), stored);
    EXPECT_EQ(Column("select xm from corvane_project_sqcy"), (std::vector<std::string>{"甲", "乙"}));
}

TEST_F(ApplicationView, TheChosenKindIsStoredUnderTheFundOfTheGuideCode) {
    CDlgproappl& view = OpenView();
    auto* category = Basic(view).Item<ui::ComboBox>(B::IDC_CATEGORY);
    ASSERT_EQ(category->GetCount(), 2);
    FillNew(view, "9140C010101", "U001");
    category->SetCurSel(category->FindStringExact(-1, "重点项目"));
    Save(view);
    EXPECT_EQ(Column("select XMLB from corvane_itemappinfo"), std::vector<std::string>{"重点实验室基金——重点项目"});
    EXPECT_EQ(Column("select XMBH from corvane_itempf"), std::vector<std::string>{"9140C01010108U001001"});

    view.OnBtnProadd();
    EXPECT_EQ(category->GetCurSel(), -1);
    Open(view, "9140C01010108U001001");
    EXPECT_EQ(category->GetWindowText(), "重点项目");
}

// Neither a list text outside the list nor a stored date the picker cannot
// read is replaced by a save (by a blank or by the date the picker held).
TEST_F(ApplicationView, ListTextsOutsideTheListsAndUnreadableDatesSurviveASave) {
    CDlgproappl& view = OpenView();
    FillNew(view, "9140A010101", "U001");
    Save(view);
    appviewtest::Exec("update corvane_itemappinfo set XMLB = '旧类别', SQRXB = '未知', XW = '博士后', ZC = '无此职称', "
                      "SQRQ = '', XMQSRQ = '待定'");
    Open(view, "9140A01010108U001001");
    Basic(view).SetDlgItemText(B::IDC_NAME, "改名");
    driver.ExpectMessageBox("系统提示", "确定更新该项目的信息？", IDOK);
    Save(view);
    EXPECT_EQ(Query("select XMMC, XMLB, SQRXB, XW, ZC, SQRQ, XMQSRQ from corvane_itemappinfo"),
              (Rows{{"改名", "旧类别", "未知", "博士后", "无此职称", "", "待定"}}));
}

// The basic page's boxes hold their columns' lengths; a value set from
// elsewhere that is still too long is named when the save fails.
TEST_F(ApplicationView, BoxesHoldTheirColumnsAndAnOverLongValueIsNamed) {
    CDlgproappl& view = OpenView();
    const std::pair<int, int> limits[] = {{B::IDC_NAME, 255}, {B::IDC_POSTCODE, 6}, {B::IDC_SUBJECT_WORDS, 255}};
    for (const auto& [id, limit] : limits) EXPECT_EQ(Basic(view).Item<ui::Edit>(id)->GetLimitChars(), limit) << id;
    FillNew(view, "9140A010101", "U001");
    Basic(view).SetDlgItemText(B::IDC_POSTCODE, "1000810");
    driver.ExpectMessageBox("提示", "“邮政编码”不能超过6个字符。\r\n数据保存失败！");
    view.OnBtnSave();
    EXPECT_TRUE(driver.Finished());
    EXPECT_TRUE(Numbers().empty());
}

TEST_F(ApplicationView, EditingTheNumberOfALoadedProject) {
    StoreProject("9140A01010108U001001", "U001", "共性技术基金——一般项目", {"甲"});
    StoreProject("9140A01010108U001002", "U001", "共性技术基金——一般项目", {"乙"});
    StoreProject("9140A01010108U001003", "U001", "共性技术基金——一般项目", {"丙"});
    appviewtest::Exec("update corvane_itemappinfo set SQZNDM = '9140A010101', NF = '2008'");
    CDlgproappl& view = OpenView();

    // A serial that is taken: refused, nothing written.
    Open(view, "9140A01010108U001002");
    Basic(view).SetDlgItemText(B::IDC_SERIAL, "001");
    driver.ExpectMessageBox("系统提示", "确定更新该项目的信息？", IDOK);
    driver.ExpectMessageBox("系统提示", "项目编号重复，请重新指定流水号！");
    view.OnBtnSave();
    EXPECT_EQ(Column("select ite_xmbh from corvane_project_sqcy where xm = '乙'"),
              std::vector<std::string>{"9140A01010108U001002"});

    // A free serial: the project and its members move to it.
    Basic(view).SetDlgItemText(B::IDC_SERIAL, "009");
    driver.ExpectMessageBox("系统提示", "确定更新该项目的信息？", IDOK);
    Save(view);
    EXPECT_EQ(Column("select ite_xmbh from corvane_project_sqcy where xm = '乙'"),
              std::vector<std::string>{"9140A01010108U001009"});
    EXPECT_EQ(view.m_current.number, "9140A01010108U001009");

    // Another unit: the next serial there, and the old prefix closes its gap.
    Open(view, "9140A01010108U001001");
    Basic(view).SetDlgItemText(B::IDC_UNIT_CODE, "U002");
    driver.ExpectMessageBox("系统提示", "确定更新该项目的信息？", IDOK);
    Save(view);
    EXPECT_EQ(ShownNumber(view), "9140A01010108U002001");
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"9140A01010108U001001", "9140A01010108U001002",
                                                   "9140A01010108U002001"}));
    EXPECT_EQ(Column("select ite_xmbh from corvane_project_sqcy where xm = '丙'"),
              std::vector<std::string>{"9140A01010108U001001"});
}

TEST_F(ApplicationView, DeletingTickedProjectsRenumbersTheirPrefixOnce) {
    for (const char* serial : {"001", "002", "003", "004"})
        StoreProject(std::string("9140A01010108U001") + serial, "U001", "共性技术基金——一般项目", {serial});
    CDlgproappl& view = OpenView();
    driver.ExpectMessageBox("提示", "请选中要删除的记录！");
    view.OnBtnProdel();

    for (int row : {0, 2}) List(view).SetCheck(row, TRUE);
    driver.ExpectMessageBox("系统提示", "确定要删除所选纪录吗？", IDCANCEL);
    view.OnBtnProdel();
    EXPECT_EQ(Numbers().size(), 4u);

    driver.ExpectMessageBox("系统提示", "确定要删除所选纪录吗？", IDOK);
    view.OnBtnProdel();
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"9140A01010108U001001", "9140A01010108U001002"}));
    EXPECT_EQ(Column("select xm from corvane_project_sqcy order by ite_xmbh"),
              (std::vector<std::string>{"002", "004"}));
    EXPECT_EQ(ListNumbers(view), Numbers());
}

// The form empties after a list deletion and holds no project any more: what
// is typed into it next is a new application, never a rewrite of the project
// it showed (which the deletion may have renumbered).
TEST_F(ApplicationView, AfterAListDeletionTheNextSaveAddsANewProject) {
    for (const char* serial : {"001", "002"})
        StoreProject(std::string("9140A01010108U001") + serial, "U001", "共性技术基金——一般项目", {serial});
    appviewtest::Exec("update corvane_itemappinfo set SQZNDM = '9140A010101', NF = '2008', XMMC = 'A' || xmbh");
    CDlgproappl& view = OpenView();
    Open(view, "9140A01010108U001002");
    List(view).SetCheck(0, TRUE);  // its neighbour 001: the open project becomes 001
    driver.ExpectMessageBox("系统提示", "确定要删除所选纪录吗？", IDOK);
    view.OnBtnProdel();
    EXPECT_EQ(view.m_current.number, "");
    EXPECT_EQ(ShownNumber(view), "");

    FillNew(view, "9140A010101", "U001");
    Basic(view).SetDlgItemText(B::IDC_NAME, "新项目");
    Save(view);  // no question: a new project
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Query("select xmbh, xmmc from corvane_itemappinfo order by xmbh"),
              (Rows{{"9140A01010108U001001", "A9140A01010108U001002"}, {"9140A01010108U001002", "新项目"}}));
    EXPECT_EQ(Column("select xm from corvane_project_sqcy where ite_xmbh = '9140A01010108U001001'"),
              std::vector<std::string>{"002"});
}

// A project that cannot be deleted is named and the list shows what is stored.
TEST_F(ApplicationView, AListDeletionThatFailsNamesTheProjectAndRefillsTheList) {
    for (const char* serial : {"001", "002", "003"})
        StoreProject(std::string("9140A01010108U001") + serial, "U001", "共性技术基金——一般项目", {serial});
    appviewtest::Exec("create trigger keep_002 before delete on corvane_itemappinfo when old.xmbh = "
                      "'9140A01010108U001002' begin select raise(abort, 'kept'); end");
    CDlgproappl& view = OpenView();
    for (int row : {0, 1, 2}) List(view).SetCheck(row, TRUE);
    driver.ExpectMessageBox("系统提示", "确定要删除所选纪录吗？", IDOK);
    driver.ExpectMessageBox("提示", "项目9140A01010108U001002删除失败！");
    view.OnBtnProdel();
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"9140A01010108U001002", "9140A01010108U001003"}));
    EXPECT_EQ(ListNumbers(view), Numbers());
}

TEST_F(ApplicationView, ReSortAsksFirstAndTheOpenProjectFollowsItsNumber) {
    StoreProject("9140B02020208U001001", "U001");
    StoreProject("9140A01010108U001005", "U001");
    appviewtest::Exec("update corvane_itemappinfo set SQZNDM = substr(xmbh, 1, 11), NF = '2008'");
    CDlgproappl& view = OpenView();
    Open(view, "9140B02020208U001001");
    driver.ExpectMessageBox("提示", "对项目编号进行重新排序吗？", IDCANCEL);
    view.OnButtonSort();
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"9140A01010108U001005", "9140B02020208U001001"}));

    driver.ExpectMessageBox("提示", "对项目编号进行重新排序吗？", IDOK);
    driver.ExpectMessageBox("提示", "项目编号重新排序完成，2个项目的编号已改变！");
    view.OnButtonSort();
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"9140A01010108U001001", "9140B02020208U001002"}));

    // Again: nothing to move, and it says so.
    driver.ExpectMessageBox("提示", "对项目编号进行重新排序吗？", IDOK);
    driver.ExpectMessageBox("提示", "项目编号重新排序完成，没有需要改变的编号！");
    view.OnButtonSort();
    EXPECT_EQ(driver.MessageBoxes().back().type, UINT(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(view.m_current.number, "9140B02020208U001002");
    EXPECT_EQ(ShownNumber(view), "9140B02020208U001002");

    // Saving now updates the project it shows, not the one that took its old number.
    Basic(view).SetDlgItemText(B::IDC_NAME, "乙项目");
    driver.ExpectMessageBox("系统提示", "确定更新该项目的信息？", IDOK);
    Save(view);
    EXPECT_EQ(Query("select xmbh, xmmc from corvane_itemappinfo order by xmbh"),
              (Rows{{"9140A01010108U001001", ""}, {"9140B02020208U001002", "乙项目"}}));
}

// A re-sort refused as a collision (rows of a project no longer stored hold
// a number it would give) changes nothing and says so.
TEST_F(ApplicationView, AReSortThatWouldClashChangesNothingAndSaysSo) {
    StoreProject("9140A01010108U001005", "U001");
    appviewtest::Seed({"CORVANE_CGHZ", {"XMBH"}, {{"9140A01010108U001001"}}});
    CDlgproappl& view = OpenView();
    driver.ExpectMessageBox("提示", "对项目编号进行重新排序吗？", IDOK);
    driver.ExpectMessageBox("提示", "重新排序后的项目编号与其他项目的编号重复，项目编号未作修改！");
    view.OnButtonSort();
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Numbers(), std::vector<std::string>{"9140A01010108U001005"});
}

TEST_F(ApplicationView, ClosingTheViewEmptiesEveryScratchFile) {
    CDlgproappl& view = OpenView();
    for (const proapp::RtfColumn& rtf : proapp::AllRtfColumns()) WriteScratch(rtf.file, "left over");
    view.DestroyWindow();
    for (const proapp::RtfColumn& rtf : proapp::AllRtfColumns()) EXPECT_EQ(ReadScratch(rtf.file), "") << rtf.file;
    std::string standard;
    EXPECT_TRUE(sys::ReadFile(proapp::DefaultTextPath("xmjj2.rtf"), standard));
    EXPECT_FALSE(standard.empty());
}

// A serial typed into a new application goes after the prefix of its codes;
// without the codes, or with codes of a length the number cannot be built
// from, nothing is saved and the message names the field.
TEST_F(ApplicationView, ATypedSerialNeedsWellFormedCodesAndGoesAfterTheirPrefix) {
    CDlgproappl& view = OpenView();
    view.OnBtnProadd();
    Basic(view).SetDlgItemText(B::IDC_SERIAL, "005");
    Basic(view).SetDlgItemText(B::IDC_NAME, "项目");
    driver.ExpectMessageBox("系统提示", "指南代码、年份及单位代码是必填项！");
    view.OnBtnSave();
    EXPECT_TRUE(driver.Finished());
    EXPECT_TRUE(Numbers().empty());

    const struct {
        const char *guide, *year, *unit, *message, *serial = "005";
    } refused[] = {
        {"9140A01010", "2008", "U001", "指南代码应为11位！"},
        {"9140A0101011", "2008", "U001", "指南代码应为11位！"},
        {"9140A010101", "08", "U001", "年份应为4位数字！"},
        {"9140A010101", "20O8", "U001", "年份应为4位数字！"},
        {"9140A010101", "2008", "12", "单位代码应为4位！"},
        {"9140A010101", "2008", "U0012", "单位代码应为4位！"},
        {"9140A010101", "2008", "０００２", "单位代码只能由英文字母和数字组成！"},
        {"9140A01010１", "2008", "U001", "指南代码只能由英文字母和数字组成！"},
        {"9140A010101", "2008", "U001", "流水号应为至少3位数字！", " 10"},
        {"9140A010101", "2008", "U001", "流水号应为至少3位数字！", "1O"},
        {"9140A010101", "2008", "U001", "流水号应为至少3位数字！", "5"},
    };
    for (const auto& c : refused) {
        FillNew(view, c.guide, c.unit);
        Basic(view).SetDlgItemText(B::IDC_YEAR, c.year);
        Basic(view).SetDlgItemText(B::IDC_SERIAL, c.serial);
        driver.ExpectMessageBox("系统提示", c.message);
        view.OnBtnSave();
        EXPECT_TRUE(driver.Finished()) << c.message;
        EXPECT_TRUE(Numbers().empty()) << c.guide << " " << c.year << " " << c.unit;
    }

    // A year typed outside the current period (2006-2010) is warned of at save;
    // cancelled, nothing is stored.
    const auto outside = [](const std::string& year) {
        return "年份" + year + "不在当前时期（2006-2010）内，本时期的评审中看不到该项目。确定保存吗？";
    };
    for (const char* year : {"2005", "2011"}) {
        FillNew(view, "9140A010101", "U001");
        Basic(view).SetDlgItemText(B::IDC_YEAR, year);
        driver.ExpectMessageBox("系统提示", outside(year), IDCANCEL);
        view.OnBtnSave();
        EXPECT_TRUE(driver.Finished()) << year;
        EXPECT_TRUE(Numbers().empty()) << year;
    }

    FillNew(view, "9140A010101", "U001");
    Basic(view).SetDlgItemText(B::IDC_SERIAL, "005");
    Save(view);
    EXPECT_EQ(Numbers(), std::vector<std::string>{"9140A01010108U001005"});
    Basic(view).SetDlgItemText(B::IDC_YEAR, "2011");
    driver.ExpectMessageBox("系统提示", outside("2011"), IDCANCEL);
    view.OnBtnSave();
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Query("select NF from corvane_itemappinfo"), (Rows{{"2008"}}));
    Basic(view).SetDlgItemText(B::IDC_YEAR, "2008");
    EXPECT_EQ(Query("select SQZNDM, NF, DWDM from corvane_itemappinfo"), (Rows{{"9140A010101", "2008", "U001"}}));
}

// A stored project of an earlier period stays editable: a name changed is
// saved without a word about its year; its year changed to another outside
// the period is warned of, and saved when confirmed.
TEST_F(ApplicationView, AStoredProjectOfAnEarlierPeriodIsSavedWithoutAWordAboutItsYear) {
    CDlgproappl& view = OpenView(1);
    FillNew(view, "9140A010101", "U001");
    Basic(view).SetDlgItemText(B::IDC_YEAR, "2005");
    driver.ExpectMessageBox("系统提示", "年份2005不在当前时期（2006-2010）内，本时期的评审中看不到该项目。确定保存吗？", IDOK);
    driver.ExpectMessageBox("系统提示", "保存成功！");
    view.OnBtnSave();
    ASSERT_TRUE(driver.Finished());
    const std::string number = "9140A01010105U001001";
    ASSERT_EQ(Numbers(), std::vector<std::string>{number});

    Basic(view).SetDlgItemText(B::IDC_NAME, "名称改过");
    driver.ExpectMessageBox("系统提示", "确定更新该项目的信息？", IDOK);
    driver.ExpectMessageBox("系统提示", "保存成功！");
    view.OnBtnSave();
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Query("select XMMC, NF from corvane_itemappinfo"), (Rows{{"名称改过", "2005"}}));

    Basic(view).SetDlgItemText(B::IDC_YEAR, "2004");
    driver.ExpectMessageBox("系统提示", "年份2004不在当前时期（2006-2010）内，本时期的评审中看不到该项目。确定保存吗？", IDOK);
    driver.ExpectMessageBox("系统提示", "确定更新该项目的信息？", IDOK);
    driver.ExpectMessageBox("系统提示", "保存成功！");
    view.OnBtnSave();
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Query("select NF from corvane_itemappinfo"), (Rows{{"2004"}}));
}

// The fund office imports a bundle through the list's 导入 with its document
// (DOCNAME, DOC), which goes as a file into the project's application folder.
// The question about a file of that name comes before the record's
// transaction, the bytes are written beside their place before it and put
// in place after the commit; where they cannot be written the record stays
// out, uncounted and named; where the file cannot be put in place after the
// commit, the record counts and the bytes stay in the hidden file the
// message names. After each case the database and the folder agree.
TEST_F(ApplicationView, TheFundOfficesImportStoresARecordOnlyWithItsDocumentsBytesKept) {
    const std::string number = "9140A010108080001001", category = "共性技术基金——一般项目";
    const std::string bundleBytes = "the document's bytes";
    std::string longName;
    for (int i = 0; i < 200; ++i) longName += "申";
    longName += ".doc";
    // The guide is published for the unit and category: no check finds a problem.
    Exec("insert into corvane_year_studyaspect (YJFXBH, FBNF, DWDM, SFZDYJFX) values ('9140A010108', '2008', ' ', '0')");
    CDlgproappl& view = OpenView(2);
    const std::string folder = StoredApplicationDocument::ApplicationFolder(number, category);
    const std::string folderPath = sys::NativePath(folder).substr(0, sys::NativePath(folder).find_last_not_of('/') + 1);
    const bool root = geteuid() == 0;  // writes into any folder: a read-only one shows nothing

    enum class Before { Nothing, OldFile, FolderIsAFile, ReadOnlyFolder };
    struct Case {
        const char* what;
        std::string name;
        Before before;
        int answer = 0;                    // to the overwrite question; 0: not asked
        std::function<void(const std::string&)> whileAsked;  // gets the document's path
        bool stored = true;                // the record in the database, and counted
        std::map<std::string, std::string> files;  // the folder's files afterwards; ".hidden": the kept bytes
    };
    const auto placeADirectory = [](const std::string& target) {
        ASSERT_TRUE(sys::RemoveFile(target));
        ASSERT_TRUE(sys::MakeDirs(target));
        ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(target, "inside"), "x"));
    };
    const std::vector<Case> cases = {
        {"a new document", "申请书.doc", Before::Nothing, 0, {}, true, {{"申请书.doc", bundleBytes}}},
        {"overwrite answered yes", "申请书.doc", Before::OldFile, IDOK, {}, true, {{"申请书.doc", bundleBytes}}},
        {"overwrite answered no", "申请书.doc", Before::OldFile, IDCANCEL, {}, true, {{"申请书.doc", "old"}}},
        {"a name of 200 Chinese characters", longName, Before::Nothing, 0, {}, true,
         {{sys::SafeFileName(longName), bundleBytes}}},
        {"the folder cannot be made", "申请书.doc", Before::FolderIsAFile, 0, {}, false, {}},
        {"the folder is not writable", "申请书.doc", Before::ReadOnlyFolder, 0, {}, false, {}},
        {"a folder takes the document's place while the question waits", "申请书.doc", Before::OldFile, IDOK,
         placeADirectory, true, {{".hidden", bundleBytes}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.before == Before::ReadOnlyFolder && root) continue;
        Exec("delete from corvane_itemappinfo");
        Exec("delete from corvane_project_sqcy");
        ASSERT_TRUE(sys::RemoveAll(folderPath));
        // The bundle, as an applicant unit exports it.
        testsupport::TempFolder in;
        {
            CAdoRecordSet row;
            row.SetConnection(&connection);
            ASSERT_TRUE(row.Open("select * from corvane_itemappinfo where 1=0") && row.AddNew());
            for (const auto& [column, value] : std::map<std::string, std::string>{
                     {"XMBH", number}, {"SQZNDM", "9140A010108"}, {"NF", "2008"}, {"DWDM", "0001"},
                     {"XMLB", category}, {"XMMC", "甲项目"}, {"DOCNAME", c.name}})
                ASSERT_TRUE(row.SetString(column, value));
            ASSERT_TRUE(WriteLongBinary(row, "DOC", bundleBytes) && row.Update());
            ASSERT_TRUE(ProjectApplicationBundle(connection).Export(number, in.Path()));
            Exec("delete from corvane_itemappinfo");
        }
        const std::string target = sys::JoinPath(folder, sys::SafeFileName(c.name));
        if (c.before == Before::OldFile) ASSERT_TRUE(sys::MakeDirs(folder) && sys::WriteFileAtomic(target, "old"));
        if (c.before == Before::FolderIsAFile) ASSERT_TRUE(sys::WriteFileAtomic(folderPath, "a file"));
        if (c.before == Before::ReadOnlyFolder) ASSERT_TRUE(sys::MakeDirs(folder) && chmod(folderPath.c_str(), 0555) == 0);

        driver.AnswerFolder(in.Path());
        if (c.answer != 0)
            driver.ExpectMessageBox("提示", "文档\"" + c.name + "\"已存在，确定覆盖吗？", c.answer,
                                    [&] { if (c.whileAsked) c.whileAsked(target); });
        if (!c.stored)  // the file or folder named, and why
            driver.ExpectMessageBox(ui::AppTitle(), c.before == Before::FolderIsAFile
                                                        ? "无法创建文件夹“" + folderPath + "”：路径中已有同名的文件，不能作为文件夹！"
                                                        : "无法写入文件“" + sys::NativePath(target) + "”：没有写入权限！");
        const bool keptAside = c.files.count(".hidden") > 0;
        if (keptAside) driver.AnswerMessageBox();  // the rename's failure, read below
        driver.ExpectMessageBox("提示", c.stored ? std::string("共导入了1条数据！")
                                                 : "共导入了0条数据！\r\n以下文件的申请书文档无法保存，未导入：\r\n" +
                                                       number + ".proapp");
        view.m_dlgOutputList.Click(CDlgOutputList::IDC_BTN_IMPORT);
        EXPECT_TRUE(driver.Finished());
        if (c.before == Before::ReadOnlyFolder) chmod(folderPath.c_str(), 0755);

        // The database and the folder agree.
        EXPECT_EQ(Numbers(), c.stored ? std::vector<std::string>{number} : std::vector<std::string>{});
        EXPECT_EQ(ListNumbers(view), Numbers());
        EXPECT_EQ(Query("select count(*) from corvane_project_sqcy"), (Rows{{"0"}}));
        std::map<std::string, std::string> files;
        std::string hidden;
        for (const std::string& name : sys::ListFiles(folder, "")) {
            std::string bytes;
            EXPECT_TRUE(sys::ReadFile(sys::JoinPath(folder, name), bytes));
            if (name[0] == '.') hidden = sys::JoinPath(folder, name);
            files[name[0] == '.' ? ".hidden" : name] = bytes;
        }
        EXPECT_EQ(files, c.files);
        if (keptAside) {
            const std::vector<ui::TestDriver::Call> boxes = driver.MessageBoxes();
            ASSERT_GE(boxes.size(), 2u);
            EXPECT_EQ(boxes[boxes.size() - 2].text, "无法写入文件" + target + "（已有同名的文件夹），其内容已保存在" + hidden + "！");
        }
        // The fund office's log names a record left out, and is opened.
        std::string log;
        sys::ReadFile(ApplicationImportCheck::LogPath(), log);
        EXPECT_EQ(log, c.stored ? "" : "导入文件：" + in.File(number + ".proapp") + "\n申请书文档无法保存，未导入！\n\n\n");
    }
    ASSERT_TRUE(sys::RemoveAll(folderPath));
}

// Another program writing the database: a save waits for a write held a
// moment and then goes on; a write held past the busy timeout fails the save,
// which writes nothing and says the database is in use.
TEST_F(ApplicationView, ASaveWaitsForAnotherProgramsWriteAndSaysWhenTheDatabaseStaysInUse) {
    const std::string number = "9140A01010108U001001";
    FillNew(OpenView(), "9140A010101", "U001");
    Save(*view_);
    for (const testdb::BusyCase& c : testdb::kBusyCases) {
        SCOPED_TRACE(c.name);
        view_.reset();
        host_.reset();
        testdb::BusyTimeout timeout(c.timeoutMs);
        CDlgproappl& view = OpenView();
        Open(view, number);
        Basic(view).SetDlgItemText(B::IDC_NAME, c.released ? "项目甲改" : "项目甲再改");
        {
            testdb::HeldDatabase other(c);
            driver.ExpectMessageBox("系统提示", "确定更新该项目的信息？", IDOK);
            if (c.released) driver.ExpectMessageBox("系统提示", "保存成功！");
            else driver.ExpectMessageBox("提示", testdb::InUse("数据保存失败！"));
            view.OnBtnSave();
        }
        EXPECT_TRUE(driver.Finished());
        EXPECT_EQ(Column("select XMMC from corvane_itemappinfo"), std::vector<std::string>{"项目甲改"});
    }
}
