// Helpers of the first-review tests: rows seeded into and read from the copy
// of project.mdb, the settings record, tree contents, and the first-review
// view hosted in a window of its own.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"
#include "foundation/Options.h"
#include "numbering/ProjectNumbering.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"
#include "platform/ui/TestDriverGTest.h"
#include "platform/ui/TreeCtrl.h"
#include "review/DlgFirstAPPR.h"
#include "review/FirstReviewDb.h"
#include "review/OfficeReports.h"
#include "review/WorkflowView.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

namespace firsttest {

using testdb::Rows;

inline const std::string kCommonGeneral = "共性技术基金——一般项目";
inline const std::string kCommonKey = "共性技术基金——重点项目";
inline const std::string kLabGeneral = "重点实验室基金——一般项目";
inline const std::string kLabKey = "重点实验室基金——重点项目";

// Statements, reads and seeds on the copy of project.mdb, each through a
// connection of its own as the screens hold theirs.
using testdb::Exec;
using testdb::Query;
using testdb::Seed;

// An application whose guide code, year and unit code are those of its number.
inline void AddApplication(const std::string& xmbh, const std::string& category, const std::string& year,
                           const std::string& name = "课题") {
    Seed({"CORVANE_ITEMAPPINFO",
          {"XMBH", "XMLB", "NF", "SQZNDM", "DWDM", "XMMC", "FIRSTAPPR"},
          {{xmbh, category, year, projectnumber::GuideCodeOf(xmbh), projectnumber::UnitCodeOf(xmbh), name, "+"}}});
}

// A research direction of a year's guide, directed to one unit (" ": none).
inline void AddDirection(const std::string& code, const std::string& year, const std::string& unit,
                         const std::string& keyFlag) {
    Seed({"CORVANE_YEAR_STUDYASPECT",
          {"YJFXBH", "JJBH", "FBNF", "DWDM", "SFZDYJFX"},
          {{code, code.substr(0, 7), year, unit, keyFlag}}});
}

inline void StoreSettings(int category, const std::string& year) {
    COptions options;
    options.SetCategory(category);
    options.SetYear(year);
    options.Save();
}

// The tree's items in display order, each indented by one blank per level.
inline std::vector<std::string> TreeLines(const ui::TreeCtrl& tree) {
    std::vector<std::string> lines;
    auto walk = [&](auto& self, ui::HTREEITEM item, int depth) -> void {
        for (; item; item = tree.GetNextSiblingItem(item)) {
            lines.push_back(std::string(depth, ' ') + tree.GetItemText(item));
            self(self, tree.GetChildItem(item), depth + 1);
        }
    };
    walk(walk, tree.GetRootItem(), 0);
    return lines;
}

// The first item with the text, or null.
inline ui::HTREEITEM FindItem(const ui::TreeCtrl& tree, const std::string& textOfItem) {
    auto find = [&](auto& self, ui::HTREEITEM item) -> ui::HTREEITEM {
        for (; item; item = tree.GetNextSiblingItem(item)) {
            if (tree.GetItemText(item) == textOfItem) return item;
            if (ui::HTREEITEM found = self(self, tree.GetChildItem(item))) return found;
        }
        return nullptr;
    };
    return find(find, tree.GetRootItem());
}

}  // namespace firsttest

// The installed-folder fixture with a scripted UI driver and a host window.
class FirstReviewTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ui::EnsureApplication();
        officereports::ClearRequests();
        static const ui::DialogTemplate hostTemplate{1, "host", {0, 0, 800, 600}, {}};
        host_ = std::make_unique<ui::Dialog>(hostTemplate);
        host_->Create();
        host_->ShowWindow(SW_SHOW);
    }
    void TearDown() override {
        view_.reset();
        host_.reset();
        CDlgFirstAPPR::m_strPublishYear.clear();
        InstalledFolder::TearDown();
    }
    // The first-review view of a period, as the main program opens it.
    CDlgFirstAPPR& OpenView(const std::string& period = "2006-2010") {
        CDlgFirstAPPR::m_strPublishYear = period;
        view_ = std::make_unique<CDlgFirstAPPR>();
        view_->CreateView(host_.get(), {0, 0, 1200, 800});
        view_->OnInitialUpdate();
        return *view_;
    }
    ui::Dialog& Host() { return *host_; }

    ui::TestDriver driver;
    std::unique_ptr<ui::Dialog> host_;
    std::unique_ptr<CDlgFirstAPPR> view_;
};
