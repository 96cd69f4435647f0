// Helpers of the workflow-view tests: statements and row reads on the copy of
// project.mdb, seeded applications, review rows and experts, the scoring
// settings, a workflow view hosted as the main program hosts it, and the
// project tree walked and clicked as a user would.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "foundation/Sql.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/Lists.h"
#include "platform/ui/TestDriverGTest.h"
#include "platform/ui/TreeCtrl.h"
#include "review/DlgFirstAPPR.h"
#include "review/DlgProTree.h"
#include "review/WorkflowView.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

namespace workflowtest {

using Row = std::map<std::string, std::string>;

// On project.mdb of the program folder, through a connection opened for the call.
using testdb::Exec;

// A number read as text ("83.0000") in its shortest form ("83"); other
// texts as they are.
inline std::string ShortNumber(const std::string& value) {
    const size_t point = value.find('.');
    if (point == std::string::npos || point == 0 || value.find_first_not_of("-0123456789.") != std::string::npos)
        return value;
    return text::Format("%g", text::Atof(value));
}

// The named columns of the rows of a query, as texts (numbers in their
// shortest form).
inline std::vector<Row> Query(const std::string& sql, const std::vector<std::string>& columns) {
    std::string names;
    for (const std::string& column : columns) names += (names.empty() ? "" : ", ") + column;
    std::vector<Row> rows;
    for (const testdb::Row& values : testdb::Query("select " + names + " from (" + sql + ")")) {
        Row& row = rows.emplace_back();
        for (std::size_t i = 0; i < columns.size(); ++i) row[columns[i]] = ShortNumber(values.at(i));
    }
    return rows;
}

// The review row of a project (empty map when there is none).
inline Row ReviewRow(const std::string& xmbh, const std::vector<std::string>& columns) {
    const auto rows = Query("select * from CORVANE_ITEMPF where XMBH = " + db::QuoteLiteral(xmbh), columns);
    EXPECT_LE(rows.size(), 1u) << xmbh;
    return rows.empty() ? Row{} : rows.front();
}

// Inserts a row; values are given as column -> text.
inline void Insert(const std::string& table, const Row& values) {
    testdb::Table row{table, {}, {{}}};
    for (const auto& [name, value] : values) {
        row.columns.push_back(name);
        row.rows[0].push_back(value);
    }
    testdb::Seed(row);
}

// An application with its category, year and first-review mark; `more` adds
// or replaces columns.
inline void AddApplication(const std::string& xmbh, const std::string& kind, const std::string& year,
                           const std::string& firstReview = "+", Row more = {}) {
    Row row{{"XMBH", xmbh}, {"XMLB", kind}, {"NF", year}, {"FIRSTAPPR", firstReview}, {"XMMC", "项目" + xmbh}};
    for (auto& [name, value] : more) row[name] = value;
    Insert("CORVANE_ITEMAPPINFO", row);
}

inline void AddExpert(const std::string& id, const std::string& name, const std::string& fund, Row more = {}) {
    Row row{{"ID", id}, {"XM", name}, {"SSJJLB", fund}};
    for (auto& [column, value] : more) row[column] = value;
    Insert("CORVANE_EXPERTINFO", row);
}

inline const std::string kGeneral = "共性技术基金——一般项目";
inline const std::string kKey = "共性技术基金——重点项目";
inline const std::string kLabGeneral = "重点实验室基金——一般项目";
inline const std::string kLabKey = "重点实验室基金——重点项目";

// The tree as indented lines: roots, "  " fund numbers, "    " projects.
inline std::vector<std::string> TreeLines(const CDlgProTree& panel) {
    std::vector<std::string> lines;
    const ui::TreeCtrl& tree = panel.Tree();
    std::function<void(ui::HTREEITEM, int)> walk = [&](ui::HTREEITEM item, int depth) {
        for (; item; item = tree.GetNextSiblingItem(item)) {
            lines.push_back(std::string(2 * depth, ' ') + tree.GetItemText(item));
            walk(tree.GetChildItem(item), depth + 1);
        }
    };
    walk(tree.GetRootItem(), 0);
    return lines;
}

// Selects the first item with this text as a click would (the selection
// change reaches the view's panels).
inline void SelectNode(CDlgProTree& panel, const std::string& textOfItem) {
    ui::TreeCtrl& tree = panel.Tree();
    ui::HTREEITEM found = nullptr;
    std::function<void(ui::HTREEITEM)> walk = [&](ui::HTREEITEM item) {
        for (; item && !found; item = tree.GetNextSiblingItem(item)) {
            if (tree.GetItemText(item) == textOfItem) found = item;
            else walk(tree.GetChildItem(item));
        }
    };
    walk(tree.GetRootItem());
    ASSERT_NE(found, nullptr) << textOfItem;
    tree.SelectItem(found);
}

// Picks an entry of a drop-down list as the user does (the selection change
// reaches the dialog).
inline void Choose(ui::Wnd& dialog, int listId, const std::string& entry) {
    auto* list = dialog.Item<ui::ComboBox>(listId);
    ASSERT_NE(list, nullptr) << listId;
    const int index = list->FindStringExact(-1, entry);
    ASSERT_GE(index, 0) << entry;
    list->SetCurSel(index);
    dialog.OnCommand(listId, CBN_SELCHANGE);
}

}  // namespace workflowtest

// The installed-folder fixture with the period 2006-2010, the year 2008 and
// the sample scoring settings, a scripted UI driver, and a host window for
// the view.
class WorkflowTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ui::EnsureApplication();
        sys::MakeDirs(sys::JoinPath(Folder(), "temp"));
        CDlgFirstAPPR::m_strPublishYear = "2006-2010";
        WriteSettings("2008", 0, 8);
    }
    void TearDown() override {
        DestroyView();
        CDlgFirstAPPR::m_strPublishYear.clear();
        InstalledFolder::TearDown();
    }
    // The settings record the views read when they are constructed: year,
    // category, indicator count, the weights 10 10 10 10 15 15 15 15 (then 5s)
    // and the grade values A 100 .. F 0.
    static void WriteSettings(const std::string& year, int category, int indexCount) {
        COptions options;
        options.SetYear(year);
        options.SetCategory(category);
        options.SetIndexCount(indexCount);
        const int weights[10] = {10, 10, 10, 10, 15, 15, 15, 15, 5, 5};
        options.SetIndexWeights(weights);
        const int grades[6] = {100, 80, 60, 40, 20, 0};
        options.SetGradeScores(grades);
        options.Save();
    }
    // A view of class T as the main program opens it.
    template <class T>
    T& OpenView() {
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
        auto view = std::make_unique<T>();
        T& ref = *view;
        view->CreateView(host_.get(), {0, 0, 1200, 860});
        view_ = std::move(view);
        ref.OnInitialUpdate();
        return ref;
    }
    void DestroyView() {
        view_.reset();
        host_.reset();
    }

    ui::TestDriver driver;

private:
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<ui::FormView> view_;
};
