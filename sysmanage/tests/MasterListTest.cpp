// The expert, specialty-group and laboratory lists: filling, filters, the
// editor from the list, delete.
#include "MasterListTestSupport.h"
#include "sysmanage/DlgExpertInfo.h"
#include "sysmanage/DlgLabInfo.h"
#include "sysmanage/DlgSpecGroupInfo.h"

using namespace listtest;

namespace {

void SeedAll() {
    AddExpert("J01", "E03", "王五");
    AddExpert("J01", "E01", "张三");
    AddExpert("J02", "E02", "张四");
    AddExpert("J10", "E04", "O'Neil");
    AddGroup("9140A01", "电子组", "研究所");
    AddGroup("9140A02", "光学组", "第一研究所");
    AddGroup("9140A03", "材料组", "大学");
    AddLab("9140C02", "光电实验室", "理工大学");
    AddLab("9140C01", "光学实验室", "研究院");
    AddLab("9140C03", "材料实验室", "大学");
}

struct FilterCase {
    const ListKind* kind;
    const char* a;
    const char* b;
    std::vector<std::string> keys;  // listed, in order
};

}  // namespace

TEST_F(ListTest, ListsEveryRowByKeyAndFiltersAsEachListDoes) {
    SeedAll();
    const FilterCase cases[] = {
        {&kExperts, "", "", {"E01", "E02", "E03", "E04"}},
        {&kExperts, "J0", "", {"E01", "E02", "E03"}},
        {&kExperts, "", "张", {"E01", "E02"}},
        {&kExperts, "J01", "张", {"E01"}},
        {&kExperts, "", "O'N", {"E04"}},  // a quote in a filter is a plain character
        {&kGroups, "", "", {"9140A01", "9140A02", "9140A03"}},
        {&kGroups, "9140A0", "", {}},  // the fund number is compared exactly
        {&kGroups, "", "研究所", {"9140A01", "9140A02"}},
        {&kGroups, "9140A01", "研究所", {"9140A01"}},
        {&kGroups, "9140A02", "研究所", {}},  // together both compare exactly
        {&kLabs, "", "", {"9140C01", "9140C02", "9140C03"}},
        {&kLabs, "光", "大学", {"9140C02"}},
        {&kLabs, "光", "", {"9140C01", "9140C02"}},
    };
    for (const FilterCase& c : cases) {
        SCOPED_TRACE(std::string(c.kind->name) + " [" + c.a + "] [" + c.b + "]");
        RunList(*c.kind, [&](CMasterListDialog& dlg) {
            const MasterListSpec& layout = dlg.Spec();
            dlg.SetDlgItemText(layout.filterIdA, c.a);
            dlg.SetDlgItemText(layout.filterIdB, c.b);
            dlg.Click(layout.idQuery);
            EXPECT_EQ(ListColumnTexts(dlg, layout.keyListColumn), c.keys);
            EXPECT_TRUE(dlg.GetDlgItem(layout.idQuery)->IsWindowEnabled());
        });
    }
}

TEST_F(ListTest, ColumnsShowTheFieldsByPosition) {
    AddExpert("J01", "E01", "张三", {"男", "45", "研究员", "雷达", "某所", "北京", "100081", "010-1", "13800000000"});
    RunList(kExperts, [&](CMasterListDialog& dlg) {
        EXPECT_EQ(dlg.GetWindowText(), "专家信息管理");
        EXPECT_EQ(dlg.List().GetColumnCount(), 12);
        EXPECT_EQ(ListRows(dlg), (Rows{{"J01", "E01", "张三", "男", "45", "研究员", "雷达", "某所", "北京", "100081",
                                        "010-1", "13800000000"}}));
    });
    RunList(kLabs, [&](CMasterListDialog& dlg) {
        ASSERT_EQ(dlg.List().GetColumnCount(), 14);
        EXPECT_TRUE(ListRows(dlg).empty());  // an empty table gives an empty list
        EXPECT_TRUE(dlg.GetDlgItem(dlg.Spec().idQuery)->IsWindowEnabled());
    });
}

TEST_F(ListTest, DeleteRemovesExactlyTheSelectedRowsAfterYes) {
    SeedAll();
    RunList(kExperts, [&](CMasterListDialog& dlg) {
        const int deleteId = dlg.Spec().idDelete;
        driver.ExpectMessageBox("提示", "请先选择一条或多条记录！");
        dlg.Click(deleteId);

        SelectKeys(dlg, {"E01", "E03", "E04"});
        driver.ExpectMessageBox("提示", "确定删除所选记录？", IDNO);
        dlg.Click(deleteId);
        EXPECT_EQ(Stored(kExperts).size(), 4u);

        driver.ExpectMessageBox("提示", "确定删除所选记录？", IDYES);
        dlg.Click(deleteId);
        EXPECT_EQ(ListColumnTexts(dlg, 1), (std::vector<std::string>{"E02"}));
    });
    EXPECT_EQ(Stored(kExperts, 2), (Rows{{"J02", "E02"}}));
}

// A delete the database refuses for one of the selected records deletes none
// of them and says so.
TEST_F(ListTest, ARefusedDeleteKeepsEverySelectedRowAndIsReported) {
    SeedAll();
    managetest::Exec(kProjectDatabase, std::string("CREATE TRIGGER refuse BEFORE DELETE ON ") + kExperts.table +
                                           " WHEN old.ID = 'E03' BEGIN SELECT RAISE(ABORT, 'refused'); END");
    RunList(kExperts, [&](CMasterListDialog& dlg) {
        SelectKeys(dlg, {"E01", "E03"});
        driver.ExpectMessageBox("提示", "确定删除所选记录？", IDYES);
        driver.ExpectMessageBox("提示", "删除失败！");
        dlg.Click(dlg.Spec().idDelete);
    });
    EXPECT_EQ(Stored(kExperts).size(), 4u);
}

TEST_F(ListTest, TheEditorOpensOnTheKeyOfTheRowAndTheListRefillsWithoutFilters) {
    SeedAll();
    RunList(kLabs, [&](CMasterListDialog& dlg) {
        dlg.SetDlgItemText(CDlgLabManage::IDC_SYSDWMC, "材料");
        dlg.Click(CDlgLabManage::IDC_QUERY);
        ASSERT_EQ(dlg.List().GetItemCount(), 1);

        driver.OnModal<CDlgLabInfo>([](CDlgLabInfo& editor) {
            EXPECT_EQ(editor.m_strKey, "9140C03");
            EXPECT_EQ(editor.GetDlgItemText(CDlgLabInfo::IDC_YTDW), "大学");
            editor.SetDlgItemText(CDlgLabInfo::IDC_YTDW, "新大学");
            editor.Click(IDOK);
        });
        driver.ExpectMessageBox("提示", "该实验室信息已存在，是否覆盖？", IDYES);
        driver.ExpectMessageBox("提示", "实验室信息更新成功！");
        DoubleClickRow(dlg, 0);
        // Refilled with every laboratory, while the filter box keeps its text.
        EXPECT_EQ(dlg.List().GetItemCount(), 3);
        EXPECT_EQ(dlg.GetDlgItemText(CDlgLabManage::IDC_SYSDWMC), "材料");

        driver.OnModal<CDlgLabInfo>([](CDlgLabInfo& editor) {
            EXPECT_EQ(editor.m_strKey, "");
            editor.Click(IDCANCEL);
        });
        dlg.Click(CDlgLabManage::IDC_ADD);
    });
    EXPECT_EQ(Stored(kLabs, 4)[2], (std::vector<std::string>{"9140C03", "9140C03全称", "材料实验室", "新大学"}));
}

// A cancelled editor leaves the list as it was, except the group list, which
// refills after a double-click whatever the editor answered.
TEST_F(ListTest, ACancelledEditorRefillsOnlyTheGroupList) {
    struct Case {
        const ListKind* kind;
        bool refilled;
    };
    for (const Case& c : {Case{&kExperts, false}, Case{&kGroups, true}, Case{&kLabs, false}}) {
        SCOPED_TRACE(c.kind->name);
        SeedAll();
        RunList(*c.kind, [&](CMasterListDialog& dlg) {
            const int before = dlg.List().GetItemCount();
            managetest::Exec(kProjectDatabase, std::string("delete from ") + c.kind->table);  // behind the list's back
            driver.OnModal([](ui::Dialog& editor) { editor.Click(IDCANCEL); });
            DoubleClickRow(dlg, 0);
            EXPECT_EQ(dlg.List().GetItemCount(), c.refilled ? 0 : before);
        });
        for (const ListKind* kind : {&kExperts, &kGroups, &kLabs})
            managetest::Exec(kProjectDatabase, std::string("delete from ") + kind->table);
    }
}

TEST_F(ListTest, WithoutTheSideDatabaseTheListStaysEmpty) {
    SeedAll();
    sys::RemoveFile(PathOf("temp.mdb"));
    driver.ExpectMessageBox("Corvane", "连接数据库失败！");
    RunList(kGroups, [&](CMasterListDialog& dlg) { EXPECT_EQ(dlg.List().GetItemCount(), 0); });
}
