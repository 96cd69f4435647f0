// Shared set-up of the unit achievement-transfer tests: a fresh installed
// folder with its database open for seeding and checking, a scripted UI
// driver, Office starts a test can refuse, documents handed to the desktop
// recorded, and the unit view created as a host creates it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "achievement/DlgUCGHZ.h"
#include "achievement/UnitChangeRecord.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/office/Office.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

class UnitTransferTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ui::EnsureApplication();
        office::SetShellOpenHook([this](const std::string& path) { opened.push_back(path); });
        office::SetStartHook({});
        ASSERT_TRUE(testdb::OpenProgramDatabase(db));
    }
    void TearDown() override {
        view_.reset();
        host_.reset();
        db.Close();
        office::SetShellOpenHook({});
        office::SetStartHook({});
        InstalledFolder::TearDown();
    }

    CDlgUCGHZ& OpenView() {
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        view_.reset();
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
        view_ = std::make_unique<CDlgUCGHZ>();
        view_->CreateView(host_.get(), {0, 0, 1300, 900});
        view_->OnInitialUpdate();
        return *view_;
    }

    void Refuse(const char* progId) {
        office::SetStartHook([progId](std::string_view id) { return !text::EqualsNoCase(id, progId); });
    }

    // A unit record whose every text column holds "<column>-<code>" (so each
    // value tells where it came from), the checks alternating 是 and 否.
    static unitchange::Values Distinct(const std::string& code, const std::string& name) {
        unitchange::Values v;
        for (int i = 0; i < unitchange::kColumnCount; ++i)
            v[i] = std::string(unitchange::Fields()[i].column) + "-" + code;
        v[0] = code;
        v[1] = name;
        for (int k = 0; k < unitchange::kCheckCount; ++k) v[unitchange::kFirstCheck + k] = k % 2 ? "否" : "是";
        return v;
    }
    // Empty values stay NULL.
    void Store(const unitchange::Values& v) {
        testdb::Table table{"CORVANE_RESULT_UNITCHANGE", {}, {{}}};
        for (int i = 0; i < unitchange::kColumnCount; ++i) {
            if (v[i].empty()) continue;
            table.columns.push_back(unitchange::Fields()[i].column);
            table.rows[0].push_back(v[i]);
        }
        testdb::Seed(db, table);
    }
    // The stored rows of a unit code (NULL reads as an empty text).
    std::vector<unitchange::Values> Stored(const std::string& code) {
        std::vector<unitchange::Values> rows;
        CAdoRecordSet rs;
        rs.SetConnection(&db);
        rs.SetCursorLocation(adUseClient);
        if (!rs.Open("select * from CORVANE_RESULT_UNITCHANGE where DWDM = " + db::QuoteLiteral(code))) return rows;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            unitchange::Values v;
            for (int i = 0; i < unitchange::kColumnCount; ++i)
                rs.GetString(unitchange::Fields()[i].column, v[i]);
            rows.push_back(v);
        }
        return rows;
    }
    // Columns of the unit's row that hold NULL.
    std::vector<std::string> NullColumns(const std::string& code) {
        std::vector<std::string> columns;
        for (const unitchange::Field& f : unitchange::Fields())
            if (testdb::Count(db, "select * from CORVANE_RESULT_UNITCHANGE where DWDM = " + db::QuoteLiteral(code) +
                                      " and " + f.column + " is null") > 0)
                columns.push_back(f.column);
        return columns;
    }

    static std::vector<std::string> ListColumn(CDlgUCGHZ& view, int column) {
        std::vector<std::string> texts;
        ui::ListCtrl& list = view.m_dlgList.List();
        for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column));
        return texts;
    }
    static void Select(CDlgUCGHZ& view, const std::string& code) {
        ui::ListCtrl& list = view.m_dlgList.List();
        for (int row = 0; row < list.GetItemCount(); ++row)
            if (list.GetItemText(row, 1) == code) list.SetSelectionMark(row);
    }
    static void Tick(CDlgUCGHZ& view, const std::string& code) {
        ui::ListCtrl& list = view.m_dlgList.List();
        for (int row = 0; row < list.GetItemCount(); ++row)
            if (list.GetItemText(row, 1) == code) list.SetCheck(row, TRUE);
    }
    // What the data pages show of the record, in stored order.
    static unitchange::Values Shown(CDlgUCGHZ& view) {
        unitchange::Values v;
        for (int i = 0; i < unitchange::kColumnCount; ++i) {
            const UnitChangePage& page = unitchange::Fields()[i].page == 1
                                             ? static_cast<const UnitChangePage&>(view.m_dlgForm.m_dlgPage1)
                                             : view.m_dlgForm.m_dlgPage2;
            v[i] = page.ShownValue(i);
        }
        return v;
    }
    // Shows a record in the data pages as the user would type it.
    static void Type(CDlgUCGHZ& view, const unitchange::Values& v) {
        for (int i = 0; i < unitchange::kColumnCount; ++i) {
            UnitChangePage& page = unitchange::Fields()[i].page == 1
                                       ? static_cast<UnitChangePage&>(view.m_dlgForm.m_dlgPage1)
                                       : view.m_dlgForm.m_dlgPage2;
            page.ShowValue(i, v[i]);
        }
    }

    ui::TestDriver driver;
    CAdoConnection db;
    std::vector<std::string> opened;
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<CDlgUCGHZ> view_;
};
