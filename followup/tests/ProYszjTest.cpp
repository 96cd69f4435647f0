// The acceptance-summary report editor: the list, loading a project with or
// without a report, saving over a row that other parts filled, deleting,
// the date boxes, the tabs with the tool bar, the format flags, the report
// files through the buttons and the Word report.
#include <memory>

#include <QLineEdit>

#include "FollowupFilesTestSupport.h"
#include "application/DlgProQuery.h"
#include "widgets/FormatToolBar.h"
#include "followup/ProYszj.h"
#include "platform/office/Office.h"
#include "platform/office/Word.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/Simulate.h"

namespace {

constexpr const char* kNumber = "9140A01010108U001001";
constexpr const char* kOther = "9140A01010108U001002";

std::string Rtf(const std::string& text) { return "{\\rtf1\\ansi\\ansicpg936 " + text::Utf8ToGbk(text) + "\\par}"; }

}  // namespace

class ReportEditor : public FollowupFilesTest {
protected:
    void SetUp() override {
        FollowupFilesTest::SetUp();
        ui::EnsureApplication();
        office::SetShellOpenHook([this](const std::string& path) { opened.push_back(path); });
        StoreRow("corvane_itemappinfo", {{"XMBH", kNumber}, {"XMLB", "共性技术基金——重点项目"}, {"XMMC", "甲项目"},
                                         {"GZDW", "研究所"}, {"SQRXM", "张三"}, {"DH", "123"},
                                         {"XMQSRQ", "2008-01"}, {"XMZZRQ", "2010-12"}});
        StoreRow("corvane_itemappinfo", {{"XMBH", kOther}, {"XMLB", "一般基金"}, {"XMMC", "乙项目"}});
    }
    void TearDown() override {
        view_.reset();
        host_.reset();
        office::SetShellOpenHook({});
        office::SetStartHook({});
        FollowupFilesTest::TearDown();
    }
    CProYszj& OpenView() {
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
        view_ = std::make_unique<CProYszj>();
        view_->CreateView(host_.get(), {0, 0, 1100, 900});
        view_->OnInitialUpdate();
        return *view_;
    }
    static void Load(CProYszj& view, const std::string& number) {
        for (int i = 0; i < view.List().GetItemCount(); ++i)
            if (view.List().GetItemText(i, 1) == number) view.List().SetSelectionMark(i);
        view.OnDblclkListProlist();
    }
    static std::string Section(CProYszj& view, int i) { return text::Trim(view.m_wndTab.m_richSections[i].GetWindowText()); }
    void StoreReport() {
        Values blobs = {{"WCQKJJ", Rtf("总结")}, {"YSJL", Rtf("结论")}};
        for (int i = 0; i < CProYszjTab::kSectionCount; ++i)
            blobs[CProYszjTab::Sections()[i].column] = Rtf(CProYszjTab::Sections()[i].caption);
        StoreRow("corvane_itemcheckaccept",
                 {{"XMBH", kNumber}, {"WCSJ", "2010/12/01"}, {"TBSJ", "2011/01/05"}, {"SJWCR", "李四"},
                  {"FINALSCORE", "88"}},
                 blobs);
    }

    std::vector<std::string> opened;
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<CProYszj> view_;
};

TEST_F(ReportEditor, ListShowsEveryApplicationAndTheQueryNarrowsIt) {
    CProYszj& view = OpenView();
    ASSERT_EQ(view.List().GetItemCount(), 2);
    EXPECT_EQ(view.List().GetItemText(0, 1), kNumber);
    EXPECT_EQ(view.List().GetItemText(0, 2), "甲项目");
    EXPECT_EQ(view.List().GetItemText(0, 3), "研究所");
    EXPECT_EQ(view.List().GetItemText(0, 4), "张三");
    EXPECT_EQ(view.GetDlgItemText(CProYszj::IDC_WCSJ), "") << "only the date's template: no date";
    EXPECT_EQ(qobject_cast<QLineEdit*>(view.GetDlgItem(CProYszj::IDC_WCSJ)->GetWidget())->text().toStdString(),
              CProYszj::kEmptyDate);

    driver.OnModal<CDlgProQuery>([](CDlgProQuery& query) {
        query.SetDlgItemText(CDlgProQuery::IDC_NUMBER, kOther);
        query.Click(IDOK);
    });
    driver.AnswerMessageBox();  // the condition is shown first
    view.OnBtnProquery();
    ASSERT_EQ(view.List().GetItemCount(), 1);
    EXPECT_EQ(view.List().GetItemText(0, 1), kOther);
}

TEST_F(ReportEditor, LoadingShowsTheStoredReportOrNothing) {
    StoreReport();
    CProYszj& view = OpenView();
    Load(view, kNumber);
    EXPECT_EQ(view.GetDlgItemText(CProYszj::IDC_NUMBER), kNumber);
    EXPECT_EQ(view.GetDlgItemText(CProYszj::IDC_NAME), "甲项目");
    EXPECT_EQ(view.GetDlgItemText(CProYszj::IDC_WCSJ), "2010/12/01");
    EXPECT_EQ(view.GetDlgItemText(CProYszj::IDC_TBSJ), "2011/01/05");
    EXPECT_EQ(view.m_wndTab.m_dlgProFiles.m_strXMBH, kNumber);
    for (int i = 0; i < CProYszjTab::kSectionCount; ++i) EXPECT_EQ(Section(view, i), CProYszjTab::Sections()[i].caption);

    Load(view, kOther);
    for (int i = 0; i < CProYszjTab::kSectionCount; ++i) EXPECT_EQ(Section(view, i), "") << i;
    EXPECT_EQ(view.GetDlgItemText(CProYszj::IDC_NUMBER), kOther);
}

TEST_F(ReportEditor, SavingKeepsTheColumnsOfOtherWritersAndCreatesAMissingRow) {
    StoreReport();
    CProYszj& view = OpenView();
    driver.ExpectMessageBox("提示", "请选中要编辑的项目！");
    view.OnBtnSave();

    Load(view, kNumber);
    view.m_wndTab.m_richSections[3].SetWindowText("新的问题");
    view.m_editWCSJ.SetWindowText("2012/02/03");
    view.OnBtnSave();
    view.OnBtnSave();
    EXPECT_EQ(Query("select WCSJ, TBSJ, SJWCR, FINALSCORE from corvane_itemcheckaccept"),
              (Rows{{"2012/02/03", "2011/01/05", "李四", "88"}}));
    EXPECT_EQ(Blob("select * from corvane_itemcheckaccept", "WCQKJJ"), Rtf("总结"));
    EXPECT_EQ(Blob("select * from corvane_itemcheckaccept", "WTYJY").find("{\\rtf"), 0u);
    EXPECT_EQ(Blob("select * from corvane_itemcheckaccept", "WTYJY").rfind("{\\rtf"), 0u);
    Load(view, kNumber);
    EXPECT_EQ(Section(view, 3), "新的问题");

    // A project without a row gets one with the report's columns only; an
    // untouched date box stores nothing.
    Load(view, kOther);
    view.m_wndTab.m_richSections[0].SetWindowText("内容");
    view.OnBtnSave();
    EXPECT_EQ(Query("select WCSJ, TBSJ, SJWCR from corvane_itemcheckaccept where xmbh='" + std::string(kOther) + "'"),
              (Rows{{"", "", ""}}));
}

TEST_F(ReportEditor, DeletingRemovesTheWholeRow) {
    StoreReport();
    CProYszj& view = OpenView();
    view.List().SetSelectionMark(-1);
    driver.ExpectMessageBox("系统提示", "请先选中要删除的记录");
    view.OnBtnProdel();
    Load(view, kNumber);
    driver.ExpectMessageBox("系统提示", "确定要删除该项目相关的所有验收总结信息吗？", IDCANCEL);
    view.OnBtnProdel();
    EXPECT_EQ(Query("select count(*) from corvane_itemcheckaccept").at(0).at(0), "1");
    driver.ExpectMessageBox("系统提示", "确定要删除该项目相关的所有验收总结信息吗？", IDOK);
    driver.ExpectMessageBox("系统提示", "删除成功！");
    view.OnBtnProdel();
    EXPECT_EQ(Query("select count(*) from corvane_itemcheckaccept").at(0).at(0), "0");
    EXPECT_EQ(Section(view, 0), "");
}

TEST_F(ReportEditor, DateBoxesTakeDigitsInTheirLayout) {
    CProYszj& view = OpenView();
    view.m_editWCSJ.SetSel(0, 0);
    ui::sim::Type(view.m_editWCSJ, "2a01b0/0603x");
    EXPECT_EQ(view.GetDlgItemText(CProYszj::IDC_WCSJ), "2010/06/03");
}

TEST_F(ReportEditor, TabsMoveTheToolBarTargetAndHideItOnTheDocumentsTab) {
    CProYszj& view = OpenView();
    ASSERT_EQ(view.m_wndTab.GetTabsNum(), 8);
    std::string label;
    view.m_wndTab.GetTabLabel(7, label);
    EXPECT_EQ(label, "相关附件");
    view.m_wndTab.SetActiveTab(4);
    EXPECT_EQ(&view.CurrentSection(), &view.m_wndTab.m_richSections[4]);
    EXPECT_EQ(view.m_wndTab.GetTabBkColor(4), CProYszj::kActiveTab);
    view.m_wndTab.SetActiveTab(7);
    EXPECT_FALSE(view.m_wndToolBar.IsWindowVisible());
    EXPECT_EQ(&view.CurrentSection(), &view.m_wndTab.m_richSections[4]);
    EXPECT_EQ(view.m_wndTab.GetTabBkColor(4), view.m_wndTab.m_crStdTab);
    view.m_wndTab.SetActiveTab(1);
    EXPECT_TRUE(view.m_wndToolBar.IsWindowVisible());
    EXPECT_EQ(&view.CurrentSection(), &view.m_wndTab.m_richSections[1]);
}

TEST_F(ReportEditor, FormatCommandsActOnTheCurrentSectionAndTheFlagsFollowTheSelection) {
    CProYszj& view = OpenView();
    view.m_wndTab.SetActiveTab(2);
    COleRichEdit& box = view.m_wndTab.m_richSections[2];
    box.SetWindowText("文字");
    box.SetSel(0, -1);
    view.OnCharBold();
    view.OnParaRight();
    EXPECT_EQ(view.m_bRight, 1);
    EXPECT_EQ(view.m_bLeft, 0);
    view.m_bBold = 0;
    box.SetSel(0, 1);  // the selection move reaches the view through the tab window
    EXPECT_EQ(view.m_bBold, 1);
    EXPECT_EQ(view.m_bRight, 1);
    ui::CmdUI bold(formatbar::ID_CHAR_BOLD);
    view.OnUpdateCmdUI(bold);
    EXPECT_EQ(bold.Check(), 1);
    EXPECT_TRUE(view.m_wndTab.m_richSections[0].GetWindowText().empty());
}

TEST_F(ReportEditor, ReportFilesGoOutForTheSelectedRows) {
    StoreReport();
    CProYszj& view = OpenView();
    view.List().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    view.List().SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);  // no report: no file
    driver.AnswerFolder(files.Path());
    const std::string folder = files.File(Today() + "上报项目验收总结报告");
    driver.ExpectMessageBox("提示", "上报文件导出完成！\r\n文件保存在：" + folder);
    view.OnBtnProexp();
    EXPECT_EQ(sys::ListFiles(folder, ""), std::vector<std::string>{std::string(kNumber) + ".proys"});
    EXPECT_EQ(view.IsRecordExist(kNumber), 1);
    EXPECT_EQ(view.IsRecordExist(kOther), 0);
    EXPECT_EQ(view.Import(sys::JoinPath(folder, std::string(kNumber) + ".proys")), 1);
    EXPECT_EQ(Query("select FINALSCORE, WCSJ from corvane_itemcheckaccept"), (Rows{{"", "2010/12/01"}}));
}

TEST_F(ReportEditor, WordReportPrintsTheProjectAndTheSectionsShown) {
    StoreReport();
    CProYszj& view = OpenView();
    driver.ExpectMessageBox("提示", "请选中要编辑的项目！");
    view.OnBtnWord();
    EXPECT_TRUE(opened.empty());

    Load(view, kNumber);
    view.m_wndTab.m_richSections[6].SetWindowText("同意验收");
    view.OnBtnWord();
    ASSERT_EQ(opened.size(), 1u);
    auto word = office::word::Application::Create();
    office::word::Document doc = word->Documents().Add(opened[0]);
    ASSERT_TRUE(doc.IsValid());
    const std::string expected[] = {kNumber, "甲项目", "共性技术基金——重点项目", "张三", "123", "研究所",
                                    "2008-01 - 2010-12", "2010/12/01", "2011/01/05"};
    for (int row = 1; row <= 9; ++row) EXPECT_EQ(doc.CellText(1, row, 2), expected[row - 1]) << row;
    const std::string body = doc.Text();
    EXPECT_NE(body.find("1、研究内容\r研究内容"), std::string::npos);
    EXPECT_NE(body.find("7、单位验收意见\r同意验收"), std::string::npos);

    view.m_arrOutput = {"3", "12"};
    EXPECT_EQ(view.IfOutput(12), 1);
    EXPECT_EQ(view.IfOutput(1), 0);
    view.OnBtnWord();
    EXPECT_TRUE(view.m_arrOutput.empty());
}
