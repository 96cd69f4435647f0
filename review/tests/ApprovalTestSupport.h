// Helpers of the approval, plan and progress tests: statements and reads on
// the test's copy of project.mdb, and seeded applications and review rows.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "platform/sys/Sys.h"
#include "platform/ui/App.h"
#include "platform/ui/Lists.h"
#include "platform/ui/TestDriverGTest.h"
#include "platform/ui/TreeCtrl.h"
#include "review/DlgFirstAPPR.h"
#include "review/DlgProTree.h"
#include "review/DlgYearBar.h"
#include "review/OfficeReports.h"
#include "foundation/Sql.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

namespace approvaltest {

using testdb::Rows;

inline const std::string kGeneral = "共性技术基金——一般项目";
inline const std::string kKey = "共性技术基金——重点项目";
inline const std::string kLabGeneral = "重点实验室基金——一般项目";
inline const std::string kLabKey = "重点实验室基金——重点项目";

// On project.mdb of the program folder, through a connection opened for the call.
using testdb::Exec;
using testdb::Query;
using testdb::Seed;

// The bytes of a long binary column of the project's row; "<none>" without a row.
inline std::string Blob(const std::string& table, const std::string& column, const std::string& xmbh) {
    CAdoConnection connection;
    testdb::OpenProgramDatabase(connection);
    CAdoRecordSet rs;
    rs.SetConnection(&connection);
    if (!rs.Open("select " + column + " from " + table + " where XMBH = " + db::QuoteLiteral(xmbh)) || rs.IsEOF())
        return "<none>";
    const long size = rs.GetFieldActualSize(column);
    std::string bytes(size > 0 ? size : 0, '\0');
    EXPECT_TRUE(rs.GetChunk(column, bytes.data()));
    return bytes;
}

inline void StoreBlob(const std::string& table, const std::string& column, const std::string& xmbh,
                      const std::string& bytes) {
    CAdoConnection connection;
    testdb::OpenProgramDatabase(connection);
    CAdoRecordSet rs;
    rs.SetConnection(&connection);
    ASSERT_TRUE(rs.Open("select * from " + table + " where XMBH = " + db::QuoteLiteral(xmbh)));
    ASSERT_FALSE(rs.IsEOF()) << table << " " << xmbh;
    ASSERT_TRUE(rs.AppendChunk(column, bytes.data(), long(bytes.size())));
    ASSERT_TRUE(rs.Update());
}

// A single-precision column of the project's row read as the system reads it.
inline float Amount(const std::string& table, const std::string& column, const std::string& xmbh) {
    CAdoConnection connection;
    testdb::OpenProgramDatabase(connection);
    CAdoRecordSet rs;
    rs.SetConnection(&connection);
    float value = -1;
    if (rs.Open("select " + column + " from " + table + " where XMBH = " + db::QuoteLiteral(xmbh)) && !rs.IsEOF()) {
        EXPECT_TRUE(rs.GetFloat(column, value)) << column;
    }
    return value;
}

inline std::string Rtf(const std::string& plain) { return "{\\rtf1\\ansi " + plain + "\\par}"; }

// An application that passed the first review, with further columns and
// their values when given.
inline void AddApplication(const std::string& xmbh, const std::string& year, const std::string& kind,
                           const std::vector<std::string>& moreColumns = {}, const testdb::Row& moreValues = {}) {
    testdb::Table application{
        "CORVANE_ITEMAPPINFO", {"XMBH", "NF", "XMLB", "FIRSTAPPR", "XMMC"}, {{xmbh, year, kind, "+", "名称" + xmbh}}};
    application.columns.insert(application.columns.end(), moreColumns.begin(), moreColumns.end());
    application.rows[0].insert(application.rows[0].end(), moreValues.begin(), moreValues.end());
    Seed(application);
}

inline void AddReview(const std::string& xmbh, const std::string& result) {
    Seed({"CORVANE_ITEMPF", {"XMBH", "PSJG"}, {{xmbh, result}}});
}

// The texts of the tree, one line per node, children indented by two blanks.
inline std::string TreeText(const ui::TreeCtrl& tree, ui::HTREEITEM first = nullptr, int depth = 0) {
    std::string out;
    for (ui::HTREEITEM item = depth == 0 ? tree.GetRootItem() : first; item; item = tree.GetNextSiblingItem(item)) {
        out += std::string(2 * depth, ' ') + tree.GetItemText(item) + "\n";
        if (ui::HTREEITEM child = tree.GetChildItem(item)) out += TreeText(tree, child, depth + 1);
    }
    return out;
}

inline ui::HTREEITEM FindItem(const ui::TreeCtrl& tree, const std::string& text, ui::HTREEITEM first = nullptr) {
    for (ui::HTREEITEM item = first ? first : tree.GetRootItem(); item; item = tree.GetNextSiblingItem(item)) {
        if (tree.GetItemText(item) == text) return item;
        if (ui::HTREEITEM child = tree.GetChildItem(item))
            if (ui::HTREEITEM found = FindItem(tree, text, child)) return found;
    }
    return nullptr;
}

}  // namespace approvaltest

// A workflow view of the period 2006-2010 hosted in a window of its own, with
// the year 2008 and the fund kind of `category` chosen in the settings, and a
// scripted UI driver.
template <class View>
class WorkflowViewTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ui::EnsureApplication();
        officereports::ClearRequests();
    }
    void TearDown() override {
        view_.reset();
        host_.reset();
        CDlgFirstAPPR::m_strPublishYear.clear();
        InstalledFolder::TearDown();
    }
    View& OpenView(int category = 0, const std::string& year = "2008") {
        COptions options;
        options.SetYear(year);
        options.SetCategory(category);
        options.Save();
        CDlgFirstAPPR::m_strPublishYear = "2006-2010";
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
        view_ = std::make_unique<View>();
        view_->CreateView(host_.get(), {0, 0, 1200, 800});
        view_->OnInitialUpdate();
        return *view_;
    }
    std::string Tree() { return approvaltest::TreeText(view_->ProTree().Tree()); }
    // Selects the tree node with this text, as a click would.
    void Select(const std::string& text) {
        ui::TreeCtrl& tree = view_->ProTree().Tree();
        ui::HTREEITEM item = approvaltest::FindItem(tree, text);
        ASSERT_NE(item, nullptr) << text;
        tree.SelectItem(item);
    }
    // Chooses the fund kind in the bar as the user would.
    void ChooseCategory(int category) {
        auto* list = view_->YearBar().template Item<ui::ComboBox>(CDlgYearBar::IDC_CATEGORY);
        list->SetCurSel(category);
        view_->YearBar().OnCategoryChanged();
    }

    ui::TestDriver driver;
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<View> view_;
};
