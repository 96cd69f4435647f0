// Shared set-up of the achievement-transfer tests: a fresh installed folder
// with its database, a scripted UI driver, Office starts a test can refuse,
// documents handed to the desktop recorded instead of opened, stored
// records made from a few values, and the view hosted in a window.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "achievement/DlgSCGZH.h"
#include "achievement/ResultChangeRecord.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/office/Office.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

namespace resultchangetest {

using Rows = std::vector<std::vector<std::string>>;
using Values = std::map<std::string, std::string>;

// A small RTF text of one paragraph, stored in GBK as the system writes it.
inline std::string Rtf(const std::string& plain) {
    return "{\\rtf1\\ansi\\ansicpg936 " + text::Utf8ToGbk(plain) + "\\par}";
}

}  // namespace resultchangetest

class ResultChangeTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ui::EnsureApplication();
        office::SetShellOpenHook([this](const std::string& path) { opened.push_back(path); });
        office::SetStartHook({});
        ASSERT_TRUE(testdb::OpenProgramDatabase(db));
    }
    void TearDown() override {
        view.reset();
        host.reset();
        db.Close();
        office::SetShellOpenHook({});
        office::SetStartHook({});
        InstalledFolder::TearDown();
    }

    void Refuse(const char* progId) {
        office::SetStartHook([progId](std::string_view id) { return !text::EqualsNoCase(id, progId); });
    }
    std::string Value(const std::string& sql) {
        const auto rows = testdb::Query(db, sql);
        return rows.empty() || rows[0].empty() ? std::string("<no row>") : rows[0][0];
    }
    bool IsNull(const std::string& column, const std::string& number) {
        return Value("select count(*) from CORVANE_NEW_RESULTCHANGE where XMBH='" + number + "' and " + column +
                     " is null") == "1";
    }

    // A stored record: the text columns given (others NULL), rich texts as RTF bytes.
    void StoreRecord(const std::string& number, const resultchangetest::Values& values = {},
                     const resultchangetest::Values& richTexts = {}) {
        testdb::Table table{"CORVANE_NEW_RESULTCHANGE", {"XMBH"}, {{number}}};
        for (const auto& [column, value] : values) {
            table.columns.push_back(column);
            table.rows[0].push_back(value);
        }
        testdb::Seed(db, table);
        for (const auto& [column, plain] : richTexts) {
            CAdoRecordSet rs;
            rs.SetConnection(&db);
            rs.SetCursorLocation(adUseClient);
            ASSERT_TRUE(rs.Open("select * from CORVANE_NEW_RESULTCHANGE where XMBH='" + number + "'"));
            const std::string rtf = resultchangetest::Rtf(plain);
            ASSERT_TRUE(rs.AppendChunk(column, rtf.data(), long(rtf.size())));
            ASSERT_TRUE(rs.Update());
        }
    }
    // Rows of a child table (ResultChangeRecord order), stored columns in order.
    void StoreChildRows(int child, const std::string& number, const resultchangetest::Rows& rows) {
        const resultchange::ChildTable& table = resultchange::ChildTables()[child];
        for (const auto& row : rows) {
            testdb::Table seeded{table.table, {"ITEM_XMBH"}, {{number}}};
            for (std::size_t i = 0; i < row.size(); ++i) {
                seeded.columns.push_back(table.stored[i]);
                seeded.rows[0].push_back(row[i]);
            }
            testdb::Seed(db, seeded);
        }
    }
    resultchangetest::Rows ChildRows(int child, const std::string& number) {
        const resultchange::ChildTable& table = resultchange::ChildTables()[child];
        std::string columns;
        for (const std::string& c : table.stored) columns += (columns.empty() ? "" : ", ") + c;
        return testdb::Query(db, "select " + columns + " from " + table.table + " where ITEM_XMBH='" + number + "'");
    }

    CDlgSCGZH& OpenView() {
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host = std::make_unique<ui::Dialog>(hostTemplate);
        host->Create();
        host->ShowWindow(SW_SHOW);
        view = std::make_unique<CDlgSCGZH>();
        view->CreateView(host.get(), {0, 0, 1300, 900});
        view->OnInitialUpdate();
        return *view;
    }
    CDlgSCGZHInfo& Info() { return view->Info(); }
    ui::ListCtrl& List() { return view->m_dlgList.List(); }
    std::vector<std::string> ListColumn(int column) {
        std::vector<std::string> values;
        for (int i = 0; i < List().GetItemCount(); ++i) values.push_back(List().GetItemText(i, column));
        return values;
    }
    int RowOf(const std::string& number) {
        for (int i = 0; i < List().GetItemCount(); ++i)
            if (List().GetItemText(i, 1) == number) return i;
        return -1;
    }
    // Appends a grid row on the information page with these cell texts.
    void AddGridRow(int child, const std::vector<std::string>& cells) {
        CSCGZHGridCtrl& grid = Info().Grid(child);
        grid.SetCurSel(-1);
        Info().OnAddRow(child);
        ui::GridRow* row = grid.GetRow(grid.GetRowCount() - 1);
        for (std::size_t c = 0; c < cells.size(); ++c) row->GetItem(int(c))->SetValue(cells[c]);
    }
    void Type(int column, const std::string& value) {
        Info().SetDlgItemText(CDlgSCGZHInfo::ControlOf(column), value);
    }
    void Tick(int n, bool ticked = true) { Info().CheckDlgButton(CDlgSCGZHInfo::CheckId(n), ticked ? 1 : 0); }
    bool Ticked(int n) { return Info().IsDlgButtonChecked(CDlgSCGZHInfo::CheckId(n)) != 0; }

    ui::TestDriver driver;
    CAdoConnection db;
    std::vector<std::string> opened;
    std::unique_ptr<ui::Dialog> host;
    std::unique_ptr<CDlgSCGZH> view;
};
