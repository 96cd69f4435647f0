// The form page of the unit view: saving with its checks and the overwrite
// question, 新增 through the picker, the tab colours and the Word report.
#include "UnitTransferTestSupport.h"

#include "achievement/DlgSelectResult.h"
#include "platform/office/Word.h"
#include "platform/ui/Services.h"

#include <map>

namespace {

using unitchange::Fields;
using Form = CDlgUCGHZForm;

class UnitForm : public UnitTransferTest {
protected:
    static void SetCodeAndName(CDlgUCGHZ& view, const std::string& code, const std::string& name) {
        view.m_dlgForm.m_dlgPage1.SetDlgItemText(unitchange::IDC_DWDM, code);
        view.m_dlgForm.m_dlgPage1.SetDlgItemText(unitchange::IDC_DWMC, name);
    }
};

TEST_F(UnitForm, SaveNeedsCodeAndName) {
    CDlgUCGHZ& view = OpenView();
    const std::pair<const char*, const char*> cases[] = {{"", "第一研究所"}, {"U001", ""}, {"", ""}};
    for (const auto& [code, name] : cases) {
        SetCodeAndName(view, code, name);
        driver.ExpectMessageBox("系统提示", "单位名称，单位代码是必填项！");
        view.m_dlgForm.Click(Form::IDC_BTN_SAVE);
    }
    EXPECT_EQ(testdb::Count(db, "select * from CORVANE_RESULT_UNITCHANGE"), 0);
}

TEST_F(UnitForm, SavingANewCodeAsksNothingAndListsTheUnit) {
    CDlgUCGHZ& view = OpenView();
    SetCodeAndName(view, "U001", "第一研究所");
    driver.ExpectMessageBox("系统提示", "保存成功！");
    view.m_dlgForm.Click(Form::IDC_BTN_SAVE);
    EXPECT_EQ(Stored("U001").size(), 1u);
    EXPECT_EQ(ListColumn(view, 1), (std::vector<std::string>{"U001"}));
}

TEST_F(UnitForm, SavingAStoredCodeAsksFirst) {
    Store(Distinct("U001", "旧名称"));
    Store(Distinct("U002", "第二所"));
    CDlgUCGHZ& view = OpenView();
    view.m_dlgList.LoadRecord("U001", "");
    view.m_dlgForm.m_dlgPage1.SetDlgItemText(unitchange::IDC_DWMC, "新名称");

    driver.ExpectMessageBox("系统提示", "该单位代码已存在，确定覆盖吗？", IDCANCEL);
    view.m_dlgForm.Click(Form::IDC_BTN_SAVE);
    EXPECT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(Stored("U001")[0][1], "旧名称");

    driver.ExpectMessageBox("系统提示", "该单位代码已存在，确定覆盖吗？", IDOK);
    driver.ExpectMessageBox("系统提示", "保存成功！");
    view.m_dlgForm.Click(Form::IDC_BTN_SAVE);
    EXPECT_EQ(Stored("U001")[0][1], "新名称");

    // Another stored code typed over the loaded one: that record is
    // overwritten, the loaded one keeps its row.
    view.m_dlgForm.m_dlgPage1.SetDlgItemText(unitchange::IDC_DWDM, "U002");
    driver.ExpectMessageBox("系统提示", "该单位代码已存在，确定覆盖吗？", IDOK);
    driver.ExpectMessageBox("系统提示", "保存成功！");
    view.m_dlgForm.Click(Form::IDC_BTN_SAVE);
    EXPECT_EQ(Stored("U002")[0][1], "新名称");
    EXPECT_EQ(Stored("U002")[0][2], "cdxmzs-U001");
    EXPECT_EQ(Stored("U001").size(), 1u);
    EXPECT_EQ(testdb::Count(db, "select * from CORVANE_RESULT_UNITCHANGE"), 2);
}

TEST_F(UnitForm, NewLoadsTheChosenUnitOrEmptyPagesWithCodeAndName) {
    Store(Distinct("U001", "第一研究所"));
    CDlgUCGHZ& view = OpenView();
    view.m_dlgList.LoadRecord("U001", "");

    driver.OnModal<CDlgSelectResult>([](CDlgSelectResult& d) {
        d.SetDlgItemText(CDlgSelectResult::IDC_XMBH, "U777");
        d.SetDlgItemText(CDlgSelectResult::IDC_XMMC, "新单位");
        d.Click(IDOK);
    });
    view.m_dlgForm.Click(Form::IDC_BTN_NEW);
    unitchange::Values expected;
    expected[0] = "U777";
    expected[1] = "新单位";
    for (int k = 0; k < unitchange::kCheckCount; ++k) expected[unitchange::kFirstCheck + k] = "否";
    EXPECT_EQ(Shown(view), expected);

    driver.OnModal<CDlgSelectResult>([](CDlgSelectResult& d) {
        d.SetDlgItemText(CDlgSelectResult::IDC_XMBH, "U001");
        d.SetDlgItemText(CDlgSelectResult::IDC_XMMC, "别的名字");
        d.Click(IDOK);
    });
    view.m_dlgForm.Click(Form::IDC_BTN_NEW);
    EXPECT_EQ(Shown(view), Distinct("U001", "第一研究所"));

    driver.OnModal<CDlgSelectResult>([](CDlgSelectResult& d) { d.Click(IDCANCEL); });
    view.m_dlgForm.Click(Form::IDC_BTN_NEW);
    EXPECT_EQ(Shown(view), Distinct("U001", "第一研究所"));
}

TEST_F(UnitForm, ActiveTabTakesTheHighlightAndTheOtherGetsItsColourBack) {
    CDlgUCGHZ& view = OpenView();
    ui::TabWnd& tabs = view.m_dlgForm.m_wndTab;
    const COLORREF standard = view.m_dlgForm.m_crStdTab;
    std::string label;
    ASSERT_TRUE(tabs.GetTabLabel(1, label));
    EXPECT_EQ(label, "成果转化2(单位)");
    tabs.SetActiveTab(1);
    EXPECT_EQ(tabs.GetTabBkColor(1), Form::kActiveTab);
    EXPECT_EQ(tabs.GetTabBkColor(0), standard);
    tabs.SetActiveTab(0);
    EXPECT_EQ(tabs.GetTabBkColor(0), Form::kActiveTab);
    EXPECT_EQ(tabs.GetTabBkColor(1), standard);
}

// The value typed for each column sits in the cell under its label, or
// right of it in the contact row; the unit code is not typed.
TEST_F(UnitForm, WordReportPutsEveryValueUnderItsLabel) {
    Store(Distinct("U001", "第一研究所"));
    CDlgUCGHZ& view = OpenView();
    Select(view, "U001");
    auto word = office::word::Application::Create();  // to read the saved document back
    view.m_dlgForm.Click(Form::IDC_BTN_WORD);
    ASSERT_EQ(opened.size(), 1u);
    ASSERT_TRUE(word->Documents().Add(opened[0]).IsValid()) << word->LastError();
    office::word::Document doc = word->ActiveDocument();
    ASSERT_EQ(doc.TableCount(), 2);

    const unitchange::Values values = Distinct("U001", "第一研究所");
    std::map<std::string, std::string> labelOf;  // typed value -> label beside or above
    for (int r = 1; r <= doc.RowCount(2); ++r)
        for (int c = 1; c <= 8; ++c) {
            const std::string cell = doc.CellText(2, r, c);
            if (cell.empty()) continue;
            const std::string above = r > 1 ? doc.CellText(2, r - 1, c) : "";
            const std::string left = c > 1 ? doc.CellText(2, r, c - 1) : "";
            labelOf[cell] = r == doc.RowCount(2) ? left : above;
        }
    for (int i = 1; i < unitchange::kColumnCount; ++i) {
        if (i >= unitchange::kFirstCheck) continue;  // 是 and 否 repeat; checked below
        ASSERT_TRUE(labelOf.count(values[i])) << Fields()[i].column;
        EXPECT_EQ(labelOf[values[i]], Fields()[i].caption) << Fields()[i].column;
    }
    EXPECT_EQ(labelOf.count("U001"), 0u);
    // The seven answers in one row, in order, under their questions.
    int questions = 0;
    for (int r = 1; r < doc.RowCount(2); ++r)
        if (doc.CellText(2, r, 2) == Fields()[unitchange::kFirstCheck].caption) questions = r;
    ASSERT_GT(questions, 0);
    for (int k = 0; k < unitchange::kCheckCount; ++k) {
        EXPECT_EQ(doc.CellText(2, questions, 2 + k), Fields()[unitchange::kFirstCheck + k].caption);
        EXPECT_EQ(doc.CellText(2, questions + 1, 2 + k), values[unitchange::kFirstCheck + k]);
    }
}

TEST_F(UnitForm, WordReportOfAnEmptyUnitTypesNothingButIsShown) {
    testdb::Seed(db, {"CORVANE_RESULT_UNITCHANGE", {"DWDM"}, {{"U001"}}});
    CDlgUCGHZ& view = OpenView();
    Select(view, "U001");
    view.m_dlgForm.Click(Form::IDC_BTN_WORD);
    ASSERT_EQ(opened.size(), 1u);
    auto word = office::word::Application::Create();
    ASSERT_TRUE(word->Documents().Add(opened[0]).IsValid());
    // The filled cells are the template's labels, nothing more.
    auto filledCells = [](const office::word::Document& doc) {
        int filled = 0;
        for (int r = 1; r <= doc.RowCount(2); ++r)
            for (int c = 1; c <= 8; ++c) filled += !doc.CellText(2, r, c).empty();
        return filled;
    };
    const int shown = filledCells(word->ActiveDocument());
    ASSERT_TRUE(word->Documents().Add(PathOf("模板/成果转化模板.docx")).IsValid());
    EXPECT_EQ(shown, filledCells(word->ActiveDocument()));
}

TEST_F(UnitForm, WordReportRefusals) {
    Store(Distinct("U001", "第一研究所"));
    CDlgUCGHZ& view = OpenView();
    driver.ExpectMessageBox("系统提示", "请先选中要导出的记录");
    view.m_dlgForm.Click(Form::IDC_BTN_WORD);
    EXPECT_EQ(driver.MessageBoxes().back().type, UINT(MB_OK | MB_ICONSTOP));

    Select(view, "U001");
    Refuse("word.Application");
    driver.ExpectMessageBox("提示", "Word服务程序启动失败！");
    view.m_dlgForm.Click(Form::IDC_BTN_WORD);
    EXPECT_TRUE(opened.empty());
}

}  // namespace
