// Helpers of the expert, specialty-group and laboratory list tests: running a
// list dialog under the driver, reading and selecting its rows, and seeding
// the three tables.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ManageTestSupport.h"
#include "platform/text/Text.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Simulate.h"
#include "sysmanage/DlgExpertManage.h"
#include "sysmanage/DlgLabManage.h"
#include "sysmanage/DlgSpecGroupManage.h"

namespace listtest {

using managetest::Rows;

// One of the three lists, by what a table of cases needs to know of it.
struct ListKind {
    const char* name;
    std::function<std::unique_ptr<CMasterListDialog>()> make;
    const char* table;
    const char* keyColumn;
};

inline const ListKind kExperts{"experts", [] { return std::make_unique<CDlgExpertManage>(); },
                               "CORVANE_EXPERTINFO", "ID"};
inline const ListKind kGroups{"groups", [] { return std::make_unique<CDlgSpecGroupManage>(); },
                              "CORVANE_SPECGROUP", "JJBH"};
inline const ListKind kLabs{"labs", [] { return std::make_unique<CDlgLabManage>(); }, "CORVANE_LAB", "sysdm"};

// Every row of the list as texts of all its columns.
inline Rows ListRows(const CMasterListDialog& dlg) {
    const ui::ListCtrl& list = dlg.List();
    Rows rows;
    for (int i = 0; i < list.GetItemCount(); ++i) {
        std::vector<std::string> row;
        for (int c = 0; c < list.GetColumnCount(); ++c) row.push_back(list.GetItemText(i, c));
        rows.push_back(row);
    }
    return rows;
}

// The texts of one list column, top to bottom.
inline std::vector<std::string> ListColumnTexts(const CMasterListDialog& dlg, int column) {
    std::vector<std::string> texts;
    for (const auto& row : ListRows(dlg)) texts.push_back(row[column]);
    return texts;
}

// Selects the rows whose key column holds one of `keys`.
inline void SelectKeys(CMasterListDialog& dlg, const std::vector<std::string>& keys) {
    ui::ListCtrl& list = dlg.List();
    for (int i = 0; i < list.GetItemCount(); ++i)
        for (const std::string& key : keys)
            if (list.GetItemText(i, dlg.Spec().keyListColumn) == key) list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
}

// Double-clicks a row near its left end, inside the visible part of a list
// wider than its window.
inline void DoubleClickRow(CMasterListDialog& dlg, int item) {
    const ui::Rect r = dlg.List().GetItemRect(item);
    ui::sim::DoubleClick(dlg.List(), {r.left + 10, (r.top + r.bottom) / 2});
}

// The stored texts of a table's first `columns` columns, ordered by its key.
inline Rows Stored(const ListKind& kind, long columns = 0) {
    return managetest::Query(kProjectDatabase,
                             std::string("select * from ") + kind.table + " order by " + kind.keyColumn, columns);
}

// An expert: `rest` fills the columns after the name in the table's order
// (sex, age, title, speciality, employer, address, postcode, telephone,
// mobile, membership); the columns it does not reach stay NULL.
inline void AddExpert(const std::string& category, const std::string& id, const std::string& name,
                      const std::vector<std::string>& rest = {}) {
    static const char* const kColumns[] = {"SSJJLB", "ID", "XM", "XB", "NL", "ZC", "ZYTC",
                                           "GZDW", "TXDZ", "YZBM", "DH", "SJ", "SFXSWYHCY"};
    testdb::Row row = {category, id, name};
    row.insert(row.end(), rest.begin(), rest.end());
    ASSERT_LE(row.size(), std::size(kColumns));
    managetest::Seed(kProjectDatabase,
                     {"CORVANE_EXPERTINFO", std::vector<std::string>(kColumns, kColumns + row.size()), {row}});
}

inline void AddGroup(const std::string& jjbh, const std::string& name, const std::string& unit) {
    managetest::Seed(kProjectDatabase, {"CORVANE_SPECGROUP",
                                        {"JJBH", "ZYZMC", "YTDW", "LXR", "DH", "SJ"},
                                        {{jjbh, name, unit, "联系人", "010-1", "13800000000"}}});
}

inline void AddLab(const std::string& code, const std::string& outerName, const std::string& unit) {
    managetest::Seed(kProjectDatabase, {"CORVANE_LAB",
                                        {"sysdm", "sysqc", "sysdwmc", "ytdw", "lxr", "dh"},
                                        {{code, code + "全称", outerName, unit, "联系人", "010-2"}}});
}

}  // namespace listtest

// Runs a list dialog modally; `body` works on it while it is open, then it
// is closed with 退出.
class ListTest : public ManageTest {
protected:
    void RunList(const listtest::ListKind& kind, const std::function<void(CMasterListDialog&)>& body) {
        driver.OnModal<CMasterListDialog>([&](CMasterListDialog& dlg) {
            body(dlg);
            if (dlg.IsRunningModal()) dlg.Click(IDCANCEL);
        });
        kind.make()->DoModal();
        EXPECT_TRUE(driver.Finished());
    }
};
