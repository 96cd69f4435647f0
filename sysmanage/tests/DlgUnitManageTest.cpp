// The unit list and the unit editor: listing and filters, add, edit and
// delete, the unit file out and in with each duplicate policy, the Excel list.
#include <functional>

#include <QFontMetrics>
#include <QLabel>

#include "ManageTestSupport.h"
#include "platform/office/Excel.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Simulate.h"
#include "sysmanage/DlgRepeatRecord.h"
#include "sysmanage/DlgUnitInfo.h"
#include "sysmanage/DlgUnitManage.h"

using managetest::Exec;
using managetest::Query;
using managetest::Rows;
using managetest::Seed;

namespace {

using List = CDlgUnitManage;
using Editor = CDlgUnitInfo;

class UnitList : public ManageTest {
protected:
    void SetUp() override {
        ManageTest::SetUp();
        AddUnit("U02", "上海研究所", "二局", "上海路2号");
        AddUnit("U01", "北京研究所", "一局", "北京路1号");
        AddUnit("U03", "北京大学", "教育部", "海淀路5号");
    }
    static void AddUnit(const std::string& code, const std::string& name, const std::string& department,
                        const std::string& address) {
        Seed(kProjectDatabase,
             {"CORVANE_UNIT", {"DWDM", "DWMC", "SSBM", "TXDZ", "BY1"}, {{code, name, department, address, "reserve"}}});
    }
    // Runs the unit list with `handler`; it is closed with "退出" afterwards.
    void WithList(std::function<void(CDlgUnitManage&)> handler) {
        driver.OnModal<CDlgUnitManage>([handler](CDlgUnitManage& dlg) {
            handler(dlg);
            if (dlg.IsRunningModal()) dlg.Click(IDCANCEL);
        });
    }
    int RunList() { return CDlgUnitManage().DoModal(); }
    // The editor with `handler`, which must close it.
    void WithEditor(std::function<void(CDlgUnitInfo&)> handler) { driver.OnModal<CDlgUnitInfo>(handler); }

    static ui::ListCtrl& ListOf(CDlgUnitManage& dlg) { return *dlg.Item<ui::ListCtrl>(List::IDC_LIST); }
    static std::vector<std::string> Codes(CDlgUnitManage& dlg) {
        std::vector<std::string> codes;
        for (int i = 0; i < ListOf(dlg).GetItemCount(); ++i) codes.push_back(ListOf(dlg).GetItemText(i, 0));
        return codes;
    }
    // A double click on the first column of a row (the row is wider than the list).
    static void DoubleClickRow(CDlgUnitManage& dlg, int item) {
        const ui::Rect row = ListOf(dlg).GetItemRect(item);
        ui::sim::DoubleClick(ListOf(dlg), {row.left + 10, (row.top + row.bottom) / 2});
    }
    static void Select(CDlgUnitManage& dlg, std::initializer_list<int> items) {
        for (int item : items) ListOf(dlg).SetItemState(item, LVIS_SELECTED, LVIS_SELECTED);
    }
    static Rows Stored() { return Query(kProjectDatabase, "select DWDM, DWMC, SSBM, TXDZ from CORVANE_UNIT order by DWDM"); }
};

TEST_F(UnitList, ListsEveryUnitByCodeWithTheFifteenColumns) {
    WithList([](CDlgUnitManage& dlg) {
        EXPECT_EQ(Codes(dlg), (std::vector<std::string>{"U01", "U02", "U03"}));
        ui::ListCtrl& list = ListOf(dlg);
        ASSERT_EQ(list.GetColumnCount(), 15);
        EXPECT_EQ(list.GetItemText(0, 1), "北京研究所");
        EXPECT_EQ(list.GetItemText(0, 2), "一局");
        EXPECT_EQ(list.GetItemText(0, 6), "北京路1号");
        EXPECT_EQ(list.GetItemText(0, 14), "");
        EXPECT_TRUE(list.GetExtendedStyle() & LVS_EX_FULLROWSELECT);
        EXPECT_TRUE(list.GetExtendedStyle() & LVS_EX_GRIDLINES);
        EXPECT_EQ(list.GetColumnWidth(1), 250);
    });
    RunList();
}

TEST_F(UnitList, FiltersMatchTheCodeExactlyAndTheNameAloneInPart) {
    struct Case {
        const char* code;
        const char* name;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {"", "", {"U01", "U02", "U03"}},
        {"u02", "", {"U02"}},
        {"", "北京", {"U01", "U03"}},
        {"U01", "北京研究所", {"U01"}},
        {"U01", "北京", {}},
        {"x' or '1'='1", "", {}},
        {"", "%' or '1'='1", {}},
    };
    WithList([&](CDlgUnitManage& dlg) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.code) + "|" + c.name);
            dlg.SetDlgItemText(List::IDC_CODE_FILTER, c.code);
            dlg.SetDlgItemText(List::IDC_NAME_FILTER, c.name);
            dlg.Click(List::IDC_QUERY);
            EXPECT_EQ(Codes(dlg), c.codes);
            EXPECT_TRUE(dlg.GetDlgItem(List::IDC_QUERY)->IsWindowEnabled());
        }
    });
    RunList();
}

TEST_F(UnitList, ANewUnitNeedsCodeAndNameAndIsStoredOnceWithEmptyFieldsNull) {
    WithList([&](CDlgUnitManage& dlg) {
        dlg.SetDlgItemText(List::IDC_NAME_FILTER, "上海");
        dlg.Click(List::IDC_QUERY);
        dlg.Click(List::IDC_ADD);
        // The list is refilled without the filters, which keep their text.
        EXPECT_EQ(Codes(dlg), (std::vector<std::string>{"U01", "U02", "U03", "U04"}));
        EXPECT_EQ(dlg.GetDlgItemText(List::IDC_NAME_FILTER), "上海");
    });
    WithEditor([](CDlgUnitInfo& dlg) {
        EXPECT_EQ(dlg.GetWindowText(), "单位信息管理");
        EXPECT_EQ(dlg.GetDlgItemText(Editor::IDC_CODE), "");
        dlg.SetDlgItemText(Editor::IDC_CODE, "U04");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.SetDlgItemText(Editor::IDC_NAME, "新单位");
        dlg.Click(IDOK);
    });
    driver.ExpectMessageBox("提示", "请将必填项填写完整");
    driver.ExpectMessageBox("提示", "单位信息保存成功！");
    RunList();
    EXPECT_EQ(driver.MessageBoxes()[0].type, UINT(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(Query(kProjectDatabase, "select DWDM, DWMC, SSBM, ZH, BY1 from CORVANE_UNIT where DWDM = 'U04'"),
              (Rows{{"U04", "新单位", "", "", ""}}));
    EXPECT_EQ(Query(kProjectDatabase, "select DWDM from CORVANE_UNIT where DWDM = 'U04' and SSBM is null and YZBM is null and ZH is null").size(),
              1u);
}

// The editor opened from the list shows every label whole, the required
// marker "(必填)：" included.
TEST_F(UnitList, TheEditorsLabelsFitTheirText) {
    WithList([&](CDlgUnitManage& dlg) { dlg.Click(List::IDC_ADD); });
    int labels = 0;
    WithEditor([&](CDlgUnitInfo& dlg) {
        for (QLabel* label : dlg.GetWidget()->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            ++labels;
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width())
                << label->text().toStdString();
        }
        dlg.Click(IDCANCEL);
    });
    RunList();
    EXPECT_GE(labels, 15);
}

TEST_F(UnitList, ACodeAnotherUnitHoldsIsRefused) {
    WithList([&](CDlgUnitManage& dlg) {
        dlg.Click(List::IDC_ADD);
        DoubleClickRow(dlg, 1);  // U02
    });
    WithEditor([](CDlgUnitInfo& dlg) {
        dlg.SetDlgItemText(Editor::IDC_CODE, "u01");
        dlg.SetDlgItemText(Editor::IDC_NAME, "重复");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    driver.ExpectMessageBox("提示", "单位代码：u01已存在！");
    WithEditor([](CDlgUnitInfo& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(Editor::IDC_NAME), "上海研究所");
        dlg.SetDlgItemText(Editor::IDC_CODE, "U03");
        dlg.Click(IDOK);
        dlg.Click(IDCANCEL);
    });
    driver.ExpectMessageBox("提示", "单位代码：U03已存在！");
    RunList();
    EXPECT_EQ(Stored().size(), 3u);
}

TEST_F(UnitList, EditingAsksOnEachSaveAndMayGiveTheUnitANewCode) {
    WithList([&](CDlgUnitManage& dlg) {
        DoubleClickRow(dlg, 1);
        EXPECT_EQ(Codes(dlg), (std::vector<std::string>{"U01", "U03", "U09"}));
    });
    WithEditor([](CDlgUnitInfo& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(Editor::IDC_CODE), "U02");
        EXPECT_EQ(dlg.GetDlgItemText(Editor::IDC_ADDRESS), "上海路2号");
        dlg.SetDlgItemText(Editor::IDC_CODE, "U09");
        dlg.SetDlgItemText(Editor::IDC_ADDRESS, "");
        dlg.Click(IDOK);  // declined
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDOK);
    });
    driver.ExpectMessageBox("提示", "确定更新单位信息吗？", IDNO);
    driver.ExpectMessageBox("提示", "确定更新单位信息吗？", IDYES);
    driver.ExpectMessageBox("提示", "单位信息更新成功！");
    RunList();
    EXPECT_EQ(Stored(), (Rows{{"U01", "北京研究所", "一局", "北京路1号"},
                              {"U03", "北京大学", "教育部", "海淀路5号"},
                              {"U09", "上海研究所", "二局", ""}}));
    // The reserve column of the row is untouched: the row was updated in place.
    EXPECT_EQ(Query(kProjectDatabase, "select BY1 from CORVANE_UNIT where DWDM = 'U09'"), (Rows{{"reserve"}}));
}

TEST_F(UnitList, AnEditorOpenedForAUnitNoLongerStoredInsertsIt) {
    CAdoConnection connection;
    ASSERT_TRUE(ConnectDatabase(connection, kProjectDatabase));
    CAdoRecordSet recordset;
    BindRecordset(recordset, connection);
    driver.OnModal<CDlgUnitInfo>([](CDlgUnitInfo& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(Editor::IDC_CODE), "");
        dlg.SetDlgItemText(Editor::IDC_CODE, "U07");
        dlg.SetDlgItemText(Editor::IDC_NAME, "重建");
        dlg.Click(IDOK);
    });
    driver.ExpectMessageBox("提示", "单位信息保存成功！");
    CDlgUnitInfo editor;
    editor.m_strCode = "U07";
    editor.m_pConnection = &connection;
    editor.m_pRecordset = &recordset;
    EXPECT_EQ(editor.DoModal(), IDOK);
    EXPECT_EQ(Query(kProjectDatabase, "select DWMC from CORVANE_UNIT where DWDM = 'U07'"), (Rows{{"重建"}}));
}

TEST_F(UnitList, BoxesTakeOnlyTheirCharactersUpToTheirLength) {
    struct Case {
        int id;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {Editor::IDC_CODE, "ab-1 中Z", "ab1Z"},
        {Editor::IDC_POSTCODE, "10a0-0012", "100001"},
        {Editor::IDC_MOBILE, "139 1234 56789", "13912345678"},
        {Editor::IDC_PHONE, "(010)6612-34x5678901234", "(010)6612-3456789012"},
        {Editor::IDC_ACCOUNT, "6222-0200.123", "6222-0200123"},
        {Editor::IDC_NAME, "某(所)-1", "某(所)-1"},
    };
    WithList([](CDlgUnitManage& dlg) { dlg.Click(List::IDC_ADD); });
    WithEditor([&](CDlgUnitInfo& dlg) {
        for (const Case& c : cases) {
            ui::sim::Type(*dlg.GetDlgItem(c.id), c.typed);
            EXPECT_EQ(dlg.GetDlgItemText(c.id), c.kept) << c.typed;
        }
        dlg.Click(IDCANCEL);
    });
    RunList();
}

// The limits are the columns' lengths in characters, as the database counts
// them: a name of Chinese characters gets its column's full length. A value
// set from elsewhere that is still too long is named when the save fails.
TEST_F(UnitList, BoxesHoldTheirColumnsLengthAndAnOverLongValueIsNamed) {
    std::string name;
    for (int i = 0; i < 256; ++i) name += "研";
    WithList([](CDlgUnitManage& dlg) { dlg.Click(List::IDC_ADD); });
    WithEditor([&](CDlgUnitInfo& dlg) {
        EXPECT_EQ(dlg.Item<ui::Edit>(Editor::IDC_NAME)->GetLimitChars(), 255);
        EXPECT_EQ(dlg.Item<ui::Edit>(Editor::IDC_NAME)->ApplyTypingRules(QString::fromStdString(name)).size(), 255);
        dlg.SetDlgItemText(Editor::IDC_CODE, "U09");
        dlg.SetDlgItemText(Editor::IDC_NAME, "新单位");
        dlg.SetDlgItemText(Editor::IDC_POSTCODE, "1000810");  // set by the program, past the limit
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    driver.ExpectMessageBox("提示", "“邮政编码”不能超过6个字符。\r\n单位信息插入失败！");
    RunList();
    EXPECT_TRUE(Query(kProjectDatabase, "select DWDM from CORVANE_UNIT where DWDM = 'U09'").empty());
}

TEST_F(UnitList, DeleteRemovesTheSelectedUnitsAfterAYes) {
    WithList([](CDlgUnitManage& dlg) {
        dlg.Click(List::IDC_DELETE);  // nothing selected
        Select(dlg, {0, 2});
        dlg.Click(List::IDC_DELETE);  // declined
        EXPECT_EQ(Codes(dlg).size(), 3u);
        dlg.Click(List::IDC_DELETE);
        EXPECT_EQ(Codes(dlg), (std::vector<std::string>{"U02"}));
    });
    driver.ExpectMessageBox("提示", kSelectRecordsFirst);
    driver.ExpectMessageBox("提示", "确定删除所选记录？", IDNO);
    driver.ExpectMessageBox("提示", "确定删除所选记录？", IDYES);
    RunList();
    EXPECT_EQ(Stored().size(), 1u);
}

// A delete the database refuses for one of the selected units keeps them all
// and says so, rather than leaving the list as if they were gone.
TEST_F(UnitList, ARefusedDeleteKeepsEverySelectedUnitAndIsReported) {
    Exec(kProjectDatabase,
         "create trigger refuse_u03 before delete on CORVANE_UNIT when old.DWDM = 'U03' "
         "begin select raise(abort, 'refused'); end");
    WithList([](CDlgUnitManage& dlg) {
        Select(dlg, {0, 2});
        dlg.Click(List::IDC_DELETE);
        EXPECT_EQ(Codes(dlg).size(), 3u);
    });
    driver.ExpectMessageBox("提示", "确定删除所选记录？", IDYES);
    driver.ExpectMessageBox("提示", "删除失败！");
    RunList();
    EXPECT_EQ(Stored().size(), 3u);
}

// A unit file of the three units; then the stored units are changed.
class UnitExchange : public UnitList {
protected:
    void SetUp() override {
        UnitList::SetUp();
        file = PathOf("单位信息.uif");
        WithList([](CDlgUnitManage& dlg) {
            Select(dlg, {0});  // the selection plays no part
            dlg.Click(List::IDC_EXPORT);
        });
        driver.AnswerFile(file);
        driver.ExpectMessageBox("提示", "共导出了3条数据！");
        RunList();
        Exec(kProjectDatabase, "update CORVANE_UNIT set DWMC = '改名', SSBM = '改部', TXDZ = '改址' where DWDM = 'U01'");
        Exec(kProjectDatabase, "delete from CORVANE_UNIT where DWDM = 'U03'");
    }
    // Imports the file with a policy (the prompt's radio button).
    void Import(int radio) {
        WithList([radio](CDlgUnitManage& dlg) { dlg.Click(List::IDC_IMPORT); });
        driver.OnModal<CDlgRepeatRecord>([radio](CDlgRepeatRecord& dlg) {
            dlg.Click(radio);
            dlg.Click(IDOK);
        });
        driver.AnswerFile(file);
    }

    std::string file;
};

TEST_F(UnitExchange, TheFileHoldsEveryUnitWithAllColumns) {
    const ui::FileRequest& request = driver.FileRequests().at(0);
    EXPECT_EQ(request.defaultName, "单位信息.uif");
    EXPECT_EQ(request.defaultExt, "uif");
    EXPECT_EQ(request.filter, "单位信息文件(*.uif)|*.uif||");
    const Rows rows = managetest::FileRows(file);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].size(), 21u);
    EXPECT_EQ(rows[0][15], "reserve");
}

TEST_F(UnitExchange, OverwriteReplacesStoredUnitsInPlaceAndAddsMissingOnes) {
    Import(CDlgRepeatRecord::IDC_OVERWRITE);
    driver.ExpectMessageBox("提示", "共导入了3条数据！");
    RunList();
    EXPECT_EQ(Stored(), (Rows{{"U01", "北京研究所", "一局", "北京路1号"},
                              {"U02", "上海研究所", "二局", "上海路2号"},
                              {"U03", "北京大学", "教育部", "海淀路5号"}}));
    EXPECT_EQ(Query(kProjectDatabase, "select count(*) from CORVANE_UNIT"), (Rows{{"3"}}));
}

TEST_F(UnitExchange, TheFundOfficeKeepsStoredNamesAndDepartmentsOnOverwrite) {
    COptions options;
    options.SetRole(2);
    options.Save();
    Import(CDlgRepeatRecord::IDC_OVERWRITE);
    driver.ExpectMessageBox("提示", "共导入了3条数据！");
    RunList();
    EXPECT_EQ(Stored()[0], (std::vector<std::string>{"U01", "改名", "改部", "北京路1号"}));
    EXPECT_EQ(Stored()[2], (std::vector<std::string>{"U03", "北京大学", "教育部", "海淀路5号"}));  // added whole
}

TEST_F(UnitExchange, KeepExistingAddsOnlyMissingUnits) {
    Import(CDlgRepeatRecord::IDC_KEEP);
    driver.ExpectMessageBox("提示", "共导入了1条数据！");
    RunList();
    EXPECT_EQ(Stored()[0][1], "改名");
    EXPECT_EQ(Stored().size(), 3u);
}

TEST_F(UnitExchange, AskEachOverwritesOnYesAndSkipsOnNo) {
    Import(CDlgRepeatRecord::IDC_ASK);
    // The file lists the units in table order: U02, U01 (U03 is added unasked).
    driver.ExpectMessageBox("提示", "单位代码：U02已存在，是否覆盖原有记录？", IDNO);
    driver.ExpectMessageBox("提示", "单位代码：U01已存在，是否覆盖原有记录？", IDYES);
    driver.ExpectMessageBox("提示", "共导入了2条数据！");
    RunList();
    EXPECT_EQ(Stored()[0][1], "北京研究所");
    EXPECT_EQ(driver.MessageBoxes().at(1).type, UINT(MB_YESNO | MB_ICONQUESTION));
}

TEST_F(UnitExchange, CancelledPromptOrChooserImportsNothing) {
    WithList([](CDlgUnitManage& dlg) {
        dlg.Click(List::IDC_IMPORT);
        dlg.Click(List::IDC_IMPORT);
    });
    driver.OnModal<CDlgRepeatRecord>([](CDlgRepeatRecord& dlg) { dlg.Click(IDCANCEL); });
    driver.OnModal<CDlgRepeatRecord>([](CDlgRepeatRecord& dlg) { dlg.Click(IDOK); });
    driver.CancelFile();
    RunList();
    EXPECT_EQ(Stored().size(), 2u);
    EXPECT_TRUE(driver.Finished());
}

TEST_F(UnitExchange, AFileThatIsNoUnitFileChangesNothing) {
    ASSERT_TRUE(sys::WriteFileAtomic(PathOf("broken.uif"), "<xml><s:Schema>cut off"));
    Seed(kProjectDatabase, {"CORVANE_SPECGROUP", {"JJBH", "ZYZMC"}, {{"9140A01", "一组"}}});
    CAdoConnection connection;
    ASSERT_TRUE(ConnectDatabase(connection, kProjectDatabase));
    CAdoRecordSet groups;
    BindRecordset(groups, connection);
    ASSERT_TRUE(groups.Open("select * from CORVANE_SPECGROUP"));
    ASSERT_TRUE(groups.Save(PathOf("groups.uif")));
    groups.Close();
    // The unit's columns with the address and postcode swapped: copied by
    // position, each would land in the other's column.
    CAdoRecordSet swapped;
    BindRecordset(swapped, connection);
    ASSERT_TRUE(swapped.Open("select DWDM, DWMC, SSBM, DWJC, KYGLBM, TXDZ, YZBM, SZS, DWSZCS, LXR, DH, SJ, KHYH, KHDW, ZH "
                             "from CORVANE_UNIT"));
    ASSERT_TRUE(swapped.Save(PathOf("swapped.uif")));
    swapped.Close();

    const Rows before = Query(kProjectDatabase, "select * from CORVANE_UNIT order by DWDM");
    const std::string notUnits = "不是单位信息文件（其列与单位信息的列不符），未导入任何数据！";
    const std::pair<const char*, std::string> cases[] = {
        // Each file is named with the reason.
        {"broken.uif", "文件broken.uif不是可读取的单位信息文件（第1行：文件不完整，或文档结束后还有多余的内容），未导入任何数据！"},
        {"groups.uif", "文件groups.uif" + notUnits},
        {"swapped.uif", "文件swapped.uif" + notUnits},
    };
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name);
        file = PathOf(name);
        Import(CDlgRepeatRecord::IDC_OVERWRITE);
        driver.ExpectMessageBox("提示", message);
        RunList();
        EXPECT_EQ(Query(kProjectDatabase, "select * from CORVANE_UNIT order by DWDM"), before);
    }
}

// The Excel list as the desktop receives it.
class UnitExcel : public UnitList {
protected:
    office::excel::Worksheet OpenedSheet() {
        EXPECT_EQ(opened.size(), 1u);
        if (opened.empty()) return {};
        excel_ = office::excel::Application::Create();
        book_ = excel_->Workbooks().Add(opened[0]);
        return book_.Sheets().Item("单位信息表");
    }
    std::unique_ptr<office::excel::Application> excel_;
    office::excel::Workbook book_;
};

TEST_F(UnitExcel, ListsEveryUnitByCodeUnderTitleAndLabelsWithBorders) {
    WithList([](CDlgUnitManage& dlg) { dlg.Click(List::IDC_EXCEL); });
    RunList();
    office::excel::Worksheet sheet = OpenedSheet();
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(sheet.Range("A1").Value(), "单位信息表");
    EXPECT_EQ(sheet.Range("A1").MergeArea().Address(), "A1:O1");
    EXPECT_EQ(sheet.Range("A1").Font().Size(), 14);
    EXPECT_EQ(sheet.Range("A2").Value(), "单位代码");
    EXPECT_EQ(sheet.Range("O2").Value(), "账号");
    EXPECT_EQ(sheet.Range("B2").Font().Name(), "隶书");
    EXPECT_EQ(sheet.Range("A3").Value(), "U01");
    EXPECT_EQ(sheet.Range("B5").Value(), "北京大学");
    EXPECT_EQ(sheet.Range("G4").Value(), "上海路2号");
    EXPECT_EQ(sheet.Range("O5").BorderStyle("bottom"), "thin");
    EXPECT_EQ(sheet.Range("A6").Value(), "");
    EXPECT_EQ(sheet.Range("A6").BorderStyle("bottom"), "");
    EXPECT_EQ(sheet.Range("C4").HorizontalAlignment(), office::excel::xlCenter);
    EXPECT_TRUE(sheet.Range("C4").WrapText());
}

TEST_F(UnitExcel, NoUnitsGiveTheTitleAndTheBorderedHeaderOnly) {
    Exec(kProjectDatabase, "delete from CORVANE_UNIT");
    WithList([](CDlgUnitManage& dlg) { dlg.Click(List::IDC_EXCEL); });
    RunList();
    office::excel::Worksheet sheet = OpenedSheet();
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(sheet.Range("O2").Value(), "账号");
    EXPECT_EQ(sheet.Range("O2").BorderStyle("right"), "thin");
    EXPECT_EQ(sheet.Range("A3").Value(), "");
    EXPECT_EQ(sheet.Range("A3").BorderStyle("bottom"), "");
}

TEST_F(UnitExcel, AnExcelThatCannotStartIsReported) {
    office::SetStartHook([](std::string_view) { return false; });
    WithList([](CDlgUnitManage& dlg) { dlg.Click(List::IDC_EXCEL); });
    driver.AnswerMessageBox();
    RunList();
    EXPECT_EQ(driver.MessageBoxes().at(0).text, "Excel启动失败!");
    EXPECT_TRUE(opened.empty());
}

TEST_F(UnitList, AMissingDatabaseLeavesTheListEmptyAndOpen) {
    ASSERT_TRUE(sys::RemoveFile(PathOf("temp.mdb")));
    driver.AnswerMessageBox();  // shown while the dialog sets itself up
    WithList([](CDlgUnitManage& dlg) { EXPECT_TRUE(Codes(dlg).empty()); });
    RunList();
    EXPECT_EQ(driver.MessageBoxes().at(0).text, kConnectFailed);
}

}  // namespace
