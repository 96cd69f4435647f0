// The unit list page: the list with its money columns, a click loading the
// stored record, ticks, the unit bundles written and read back (overwrite
// question, unreadable and foreign bundles), and the Excel list.
#include "UnitTransferTestSupport.h"
#include "testsupport/CraftedBundle.h"

#include "foundation/LengthPrefixedContainer.h"
#include "platform/office/Excel.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/ui/Simulate.h"

#include <functional>

namespace {

using List = CDlgUCGHZList;
using Texts = std::vector<std::string>;

class UnitList : public UnitTransferTest {
protected:
    // The units the records belong to: a record of a unit not stored is refused.
    void SetUp() override {
        UnitTransferTest::SetUp();
        for (const char* code : {"U001", "U002", "U003", "U101", "U102"})
            testdb::Exec(db, std::string("insert or ignore into CORVANE_UNIT (DWDM, DWMC) values ('") + code + "', '" +
                                 code + "')");
    }
    std::string ExportFolderIn(const std::string& chosen) {
        return sys::JoinPath(chosen, text::DateTime::Now().Format("%Y-%m-%d") + "成果转化（单位）");
    }
    // Exports the ticked units into `chosen`.
    void Export(CDlgUCGHZ& view, const std::string& chosen) {
        driver.AnswerFolder(chosen);
        driver.ExpectMessageBox("提示", "成果转化（单位）导出完成！\r\n文件保存在：" + ExportFolderIn(chosen));
        view.m_dlgList.Click(List::IDC_BTN_EXPORT);
    }
    // Imports a folder; `during` scripts what the bundles ask or report.
    void Import(CDlgUCGHZ& view, const std::string& folder, int count, const std::function<void()>& during = {}) {
        driver.AnswerFolder(folder);
        if (during) during();
        driver.ExpectMessageBox("提示", text::Format("共导入了%d条数据！", count));
        view.m_dlgList.Click(List::IDC_BTN_IMPORT);
    }
};

TEST_F(UnitList, ListsEveryUnitWithItsFiguresAndMoneyInWanYuan) {
    unitchange::Values a = Distinct("U001", "第一研究所");
    a[6] = "120";
    a[8] = "";  // NULL sum
    Store(a);
    Store(Distinct("U002", "第二研究所"));
    CDlgUCGHZ& view = OpenView();
    ui::ListCtrl& list = view.m_dlgList.List();
    ASSERT_EQ(list.GetColumnCount(), 9);
    EXPECT_EQ(list.GetColumnWidth(0), 50);
    EXPECT_EQ(list.GetColumnWidth(8), 110);
    EXPECT_EQ(ListColumn(view, 0), (Texts{"1", "2"}));
    EXPECT_EQ(ListColumn(view, 1), (Texts{"U001", "U002"}));
    EXPECT_EQ(list.GetItemText(0, 2), "第一研究所");
    EXPECT_EQ(list.GetItemText(0, 3), "cdxmzs-U001");
    EXPECT_EQ(list.GetItemText(0, 4), "120万元");
    EXPECT_EQ(list.GetItemText(0, 6), "万元");
    EXPECT_EQ(list.GetItemText(1, 8), "cdybxmzjf-U002万元");
}

TEST_F(UnitList, ClickLoadsTheStoredRecordAndTicksFollowTheButtons) {
    Store(Distinct("U001", "第一研究所"));
    Store(Distinct("U002", "第二研究所"));
    CDlgUCGHZ& view = OpenView();
    ui::ListCtrl& list = view.m_dlgList.List();
    list.SetItemText(1, 2, "列表里改过的名字");  // the name comes from the database
    ui::sim::ClickItem(list, 1);
    EXPECT_EQ(Shown(view), Distinct("U002", "第二研究所"));

    view.m_dlgList.Click(List::IDC_SELECT_ALL);
    EXPECT_TRUE(list.GetCheck(0) && list.GetCheck(1));
    list.SetCheck(0, FALSE);
    view.m_dlgList.Click(List::IDC_INVERT);
    EXPECT_TRUE(list.GetCheck(0));
    EXPECT_FALSE(list.GetCheck(1));
    view.m_dlgList.FillList();
    EXPECT_FALSE(list.GetCheck(0));
}

TEST_F(UnitList, ExportWritesOneBundlePerTickedUnitAndImportReadsThemBack) {
    Store(Distinct("U001", "第一研究所"));
    Store(Distinct("U002", "第二研究所"));
    Store(Distinct("U003", "第三研究所"));
    CDlgUCGHZ& view = OpenView();
    Tick(view, "U001");
    Tick(view, "U003");
    const std::string chosen = PathOf("out") + "/";  // a trailing separator is not doubled
    ASSERT_TRUE(sys::MakeDirs(chosen));
    Export(view, chosen);
    EXPECT_EQ(driver.FileRequests().size(), 0u);
    const std::string folder = ExportFolderIn(PathOf("out"));
    EXPECT_EQ(sys::ListFiles(folder, ""), (Texts{"U001.prosum", "U003.prosum"}));

    // The bundle is one length-prefixed part holding the unit's row.
    std::vector<std::string> parts;
    ASSERT_EQ(LengthPrefixedContainer::Read(sys::JoinPath(folder, "U001.prosum"), std::nullopt, 1, parts),
              LengthPrefixedContainer::ReadResult::Ok);
    std::string whole;
    ASSERT_TRUE(sys::ReadFile(sys::JoinPath(folder, "U001.prosum"), whole));
    EXPECT_EQ(whole.size(), 4 + parts[0].size());

    // Back into an empty table.
    testdb::Exec(db, "delete from CORVANE_RESULT_UNITCHANGE");
    Import(view, folder, 2);
    EXPECT_EQ(Stored("U001"), (std::vector<unitchange::Values>{Distinct("U001", "第一研究所")}));
    EXPECT_EQ(Stored("U003"), (std::vector<unitchange::Values>{Distinct("U003", "第三研究所")}));
    EXPECT_EQ(ListColumn(view, 1), (Texts{"U001", "U003"}));
    EXPECT_FALSE(sys::FileExists(PathOf(List::kScratchName)));
}

TEST_F(UnitList, ImportingAStoredUnitAsksAndReplacesItWhole) {
    Store(Distinct("U001", "第一研究所"));
    CDlgUCGHZ& view = OpenView();
    Tick(view, "U001");
    Export(view, PathOf("out"));
    const std::string folder = ExportFolderIn(PathOf("out"));
    testdb::Exec(db, "update CORVANE_RESULT_UNITCHANGE set DWMC = '本地改过', zhyyza = NULL");

    const std::string question = "单位代码为U001的成果转化（单位）记录已存在，是否覆盖？";
    Import(view, folder, 0, [&] { driver.ExpectMessageBox("提示", question, IDCANCEL); });
    EXPECT_EQ(Stored("U001")[0][1], "本地改过");

    Import(view, folder, 1, [&] { driver.ExpectMessageBox("提示", question, IDOK); });
    EXPECT_EQ(Stored("U001"), (std::vector<unitchange::Values>{Distinct("U001", "第一研究所")}));
}

TEST_F(UnitList, BadForeignOrEmptyBundlesLeaveTheDatabaseAsItWas) {
    Store(Distinct("U001", "第一研究所"));
    Store(Distinct("U002", "第二研究所"));
    CDlgUCGHZ& view = OpenView();
    Tick(view, "U001");
    Export(view, PathOf("out"));
    const std::string folder = ExportFolderIn(PathOf("out"));
    std::string good;
    ASSERT_TRUE(sys::ReadFile(sys::JoinPath(folder, "U001.prosum"), good));
    const std::string mixed = PathOf("mixed");
    ASSERT_TRUE(sys::MakeDirs(mixed));

    // Cut short, not a recordset, a part without rows, a part of another
    // table (no unit code), and a part of two units' rows.
    sys::WriteFileAtomic(sys::JoinPath(mixed, "a-short.prosum"), good.substr(0, good.size() / 2));
    LengthPrefixedContainer::Write(sys::JoinPath(mixed, "b-junk.prosum"), std::nullopt, {"not xml at all"});
    auto savePart = [&](const std::string& sql, const std::string& name) {
        CAdoRecordSet rs;
        rs.SetConnection(&db);
        rs.SetCursorLocation(adUseClient);
        ASSERT_TRUE(rs.Open(sql));
        const std::string scratch = PathOf("part.xml");
        ASSERT_TRUE(rs.Save(scratch, adPersistXML));
        std::string part;
        ASSERT_TRUE(sys::ReadFile(scratch, part));
        sys::RemoveFile(scratch);
        LengthPrefixedContainer::Write(sys::JoinPath(mixed, name), std::nullopt, {part, part});
    };
    savePart("select * from CORVANE_RESULT_UNITCHANGE where DWDM = 'none'", "c-empty.prosum");
    savePart("select * from CORVANE_UNIT", "d-foreign.prosum");
    testdb::Exec(db, "update CORVANE_RESULT_UNITCHANGE set DWDM = 'U101', DWMC = '甲' where DWDM = 'U001'");
    testdb::Exec(db, "update CORVANE_RESULT_UNITCHANGE set DWDM = 'U102', DWMC = '乙' where DWDM = 'U002'");
    savePart("select * from CORVANE_RESULT_UNITCHANGE order by DWDM", "e-two-rows.prosum");
    testdb::Exec(db, "delete from CORVANE_RESULT_UNITCHANGE");

    // Two units in one bundle: the second would be dropped unseen, so the bundle is refused.
    Import(view, mixed, 0, [&] {
        driver.ExpectMessageBox("提示", "载入数据文件a-short.prosum失败！");
        driver.ExpectMessageBox("提示", "载入数据文件b-junk.prosum失败！");
        driver.ExpectMessageBox("提示", "文件d-foreign.prosum不是成果转化（单位）信息文件，未导入！");
        driver.ExpectMessageBox("提示", "文件e-two-rows.prosum中含有其他单位的记录，未导入！");
    });
    EXPECT_EQ(testdb::Count(db, "select * from CORVANE_RESULT_UNITCHANGE"), 0);

    // A folder without bundles.
    ASSERT_TRUE(sys::MakeDirs(PathOf("none")));
    Import(view, PathOf("none"), 0);
}

TEST_F(UnitList, ARowThatCannotBeWrittenKeepsTheStoredOne) {
    Store(Distinct("U001", "第一研究所"));
    CDlgUCGHZ& view = OpenView();
    Tick(view, "U001");
    Export(view, PathOf("out"));
    const std::string folder = ExportFolderIn(PathOf("out"));
    // The stored row changes, and the database refuses every new row.
    testdb::Exec(db, "update CORVANE_RESULT_UNITCHANGE set DWMC = '本地'");
    testdb::Exec(db, "create trigger refuse_rows before insert on CORVANE_RESULT_UNITCHANGE "
                     "begin select raise(abort, 'refused'); end");
    Import(view, folder, 0, [&] {
        driver.ExpectMessageBox("提示", "单位代码为U001的成果转化（单位）记录已存在，是否覆盖？", IDOK);
        driver.ExpectMessageBox("提示", "数据保存失败！");
    });
    ASSERT_EQ(Stored("U001").size(), 1u);
    EXPECT_EQ(Stored("U001")[0][1], "本地");
}

TEST_F(UnitList, ExportRefusals) {
    Store(Distinct("U001", "第一研究所"));
    CDlgUCGHZ& view = OpenView();
    driver.ExpectMessageBox("提示", "请先选择要导出的记录！");
    view.m_dlgList.Click(List::IDC_BTN_EXPORT);
    EXPECT_EQ(driver.MessageBoxes().back().type, UINT(MB_OK | MB_ICONSTOP));

    Tick(view, "U001");
    driver.AnswerFolder("");  // cancelled: nothing else happens
    view.m_dlgList.Click(List::IDC_BTN_EXPORT);
    EXPECT_EQ(driver.MessageBoxes().size(), 1u);

    // A ticked unit whose row has gone gets no bundle.
    testdb::Exec(db, "delete from CORVANE_RESULT_UNITCHANGE");
    Export(view, PathOf("out"));
    EXPECT_FALSE(sys::FolderExists(ExportFolderIn(PathOf("out"))));
}

TEST_F(UnitList, ExcelListsTheTickedUnitsWithATotal) {
    for (const char* code : {"U001", "U002", "U003"}) {
        unitchange::Values v = Distinct(code, std::string("名称") + code);
        v[9] = "10";
        Store(v);
    }
    CDlgUCGHZ& view = OpenView();
    driver.ExpectMessageBox("提示", "请选择输出项目！");
    view.m_dlgList.Click(List::IDC_EXPORT_EXCEL);
    EXPECT_TRUE(opened.empty());

    Tick(view, "U003");
    Tick(view, "U001");
    view.m_dlgList.Click(List::IDC_EXPORT_EXCEL);
    ASSERT_EQ(opened.size(), 1u);
    auto excel = office::excel::Application::Create();
    auto book = excel->Workbooks().Add(opened[0]);
    ASSERT_TRUE(book.IsValid());
    auto sheet = book.Sheets().Item("sheet1");
    EXPECT_EQ(sheet.Range("A1").Value(), "序号");
    EXPECT_EQ(sheet.Range("J1").Value(), "备注");
    EXPECT_EQ(sheet.Range("B2").Value(), "U001");
    EXPECT_EQ(sheet.Range("C3").Value(), "名称U003");
    EXPECT_EQ(sheet.Range("A3").Value(), "2");
    EXPECT_EQ(sheet.Range("I2").Value(), "10");
    EXPECT_EQ(sheet.Range("J2").Value(), "");
    EXPECT_EQ(sheet.Range("A4").Value(), "合计");
    EXPECT_TRUE(sheet.Range("A4").MergeCells());
    EXPECT_EQ(sheet.Range("I4").Value(), "=SUM(I2:I3)");
    // The three amount columns with two decimals, the total too; the counts
    // as they are.
    for (const char* cell : {"E2", "G3", "I2", "I3", "I4"}) EXPECT_EQ(sheet.Range(cell).NumberFormat(), "0.00") << cell;
    EXPECT_EQ(sheet.Range("D2").NumberFormat(), "General");
    EXPECT_EQ(sheet.Range("B2").NumberFormat(), "@") << "unit codes as written";
}

}  // namespace

// Bundles made from a genuine export, each with another unit code: a code
// that is no stored unit is refused and named, and nothing is written; the
// genuine bundle comes in.
TEST_F(UnitList, CraftedUnitCodesAreRefusedAndNamed) {
    Store(Distinct("U001", "第一研究所"));
    CDlgUCGHZ& view = OpenView();
    Tick(view, "U001");
    Export(view, PathOf("out"));
    std::string good;
    ASSERT_TRUE(sys::ReadFile(sys::JoinPath(ExportFolderIn(PathOf("out")), "U001.prosum"), good));
    const std::vector<std::string> parts = crafted::Parts(sys::JoinPath(ExportFolderIn(PathOf("out")), "U001.prosum"),
                                                          std::nullopt, 1);
    ASSERT_EQ(parts.size(), 1u);
    testdb::Exec(db, "delete from CORVANE_RESULT_UNITCHANGE");
    const std::string in = PathOf("in");
    ASSERT_TRUE(sys::MakeDirs(in));
    const std::string file = sys::JoinPath(in, "crafted.prosum");
    for (const char* code : {"9999", "../../x", "U00"}) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(LengthPrefixedContainer::Write(file, std::nullopt,
                                                   {crafted::Replaced(parts[0], "DWDM='U001'", std::string("DWDM='") + code + "'")}));
        Import(view, in, 0, [&] {
            driver.ExpectMessageBox("提示", std::string("文件crafted.prosum中的单位代码") + code + "不是已有的单位，未导入！");
        });
        EXPECT_EQ(testdb::Count(db, "select * from CORVANE_RESULT_UNITCHANGE"), 0);
    }
    ASSERT_TRUE(sys::WriteFileAtomic(file, good));
    Import(view, in, 1);
    EXPECT_EQ(Stored("U001").size(), 1u);
}
