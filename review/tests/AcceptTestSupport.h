// Helpers of the acceptance and management-table view tests: statements,
// row and long-binary reads on the copy of project.mdb, seeded projects,
// and a view hosted in a window of its own as the main program hosts it.
#pragma once

#include <gtest/gtest.h>

#include <QTableWidget>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/sys/Sys.h"
#include "platform/ui/App.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

namespace accepttest {

using testdb::Rows;

// On project.mdb of the program folder, through a connection opened for the
// call; a query gives every row as texts (NULL as the empty text).
using testdb::Exec;
using testdb::Query;

// The bytes of a long binary column of the first row of a query (NULL reads
// as no bytes); "<no row>" without a row.
inline std::string Blob(const std::string& sql, const std::string& column) {
    CAdoConnection connection;
    testdb::OpenProgramDatabase(connection);
    CAdoRecordSet rs;
    rs.SetConnection(&connection);
    if (!rs.Open(sql) || rs.GetRecordCount() <= 0) return "<no row>";
    const long size = rs.GetFieldActualSize(column);
    std::string bytes(size > 0 ? size_t(size) : 0, '\0');
    if (size > 0) {
        EXPECT_TRUE(rs.GetChunk(column, bytes.data()));
    }
    return bytes;
}

// True when the column of the first row of the query is NULL.
inline bool IsNull(const std::string& sql, const std::string& column) {
    const Rows rows = Query("select count(*) from (" + sql + ") where " + column + " is null");
    return !rows.empty() && rows[0][0] == "1";
}

inline std::string Rtf(const std::string& plain) { return "{\\rtf1\\ansi " + plain + "\\par}"; }

// Adds a row to a table: text columns, and long binary columns from bytes.
inline void AddRow(const std::string& table, const std::map<std::string, std::string>& texts,
                   const std::map<std::string, std::string>& blobs = {}) {
    CAdoConnection connection;
    ASSERT_TRUE(testdb::OpenProgramDatabase(connection));
    CAdoRecordSet rs;
    rs.SetConnection(&connection);
    ASSERT_TRUE(rs.Open("select * from " + table + " where 1=0"));
    ASSERT_TRUE(rs.AddNew());
    for (const auto& [column, value] : texts) ASSERT_TRUE(rs.SetString(column, value)) << column;
    for (const auto& [column, bytes] : blobs) ASSERT_TRUE(rs.AppendChunk(column, bytes.data(), long(bytes.size()))) << column;
    ASSERT_TRUE(rs.Update()) << rs.GetLastErrorText();
}

// An application of a year and category with its first-review verdict.
inline void AddProject(const std::string& number, const std::string& name, const std::string& category = "共性技术基金——一般项目",
                       const std::string& year = "2008", const std::string& firstReview = "+") {
    AddRow("CORVANE_ITEMAPPINFO", {{"XMBH", number}, {"XMMC", name}, {"XMLB", category}, {"NF", year},
                                   {"JJBH", number.substr(0, 7)}, {"FIRSTAPPR", firstReview}});
}

inline std::string ReadText(const std::string& path) {
    std::string bytes;
    sys::ReadFile(path, bytes);
    return bytes;
}

inline Rows ListRows(const ui::ListCtrl& list) {
    Rows rows;
    for (int i = 0; i < list.GetItemCount(); ++i) {
        std::vector<std::string> row;
        for (int c = 0; c < list.GetColumnCount(); ++c) row.push_back(list.GetItemText(i, c));
        rows.push_back(row);
    }
    return rows;
}

inline std::vector<std::string> Headings(const ui::ListCtrl& list) {
    std::vector<std::string> headings;
    auto* table = qobject_cast<QTableWidget*>(list.GetWidget());
    for (int c = 0; table && c < table->columnCount(); ++c)
        headings.push_back(table->horizontalHeaderItem(c) ? table->horizontalHeaderItem(c)->text().toStdString() : "");
    return headings;
}

// Marks a row of a list as the user's click does.
inline void MarkRow(ui::ListCtrl& list, int row) {
    list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    list.SetSelectionMark(row);
}

}  // namespace accepttest

// The installed-folder fixture with a scripted UI driver and one hosted view.
template <class View>
class HostedViewTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ui::EnsureApplication();
        sys::MakeDirs(sys::JoinPath(Folder(), "temp"));
    }
    void TearDown() override {
        view_.reset();
        host_.reset();
        InstalledFolder::TearDown();
    }
    View& OpenView() {
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
        view_ = std::make_unique<View>();
        view_->CreateView(host_.get(), {0, 0, 1200, 800});
        view_->OnInitialUpdate();
        return *view_;
    }
    void CloseView() { view_.reset(); }

    ui::TestDriver driver;
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<View> view_;
};
