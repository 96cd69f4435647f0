// Helpers of the approval and plan output tests: approved and planned
// projects, their stored rich texts, guides and units, and the files that a
// per-unit run leaves in the chosen folder.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"
#include "platform/text/Text.h"

namespace plantest {

using namespace reporttest;

// One project: number (fund = first 7 characters, unit code at 13..16), its
// category and the columns the outputs print.
struct Project {
    std::string xmbh, category;
    std::string unitCode = "1001", leader = "张三", unit = "第一研究所";
    std::string year = "2008";
};

class PlanOutputTest : public ReportTest {
protected:
    void AddProject(const Project& p, const std::string& firstReview = "+") {
        testdb::Seed(
            connection,
            {"CORVANE_ITEMAPPINFO",
             {"XMBH", "NF", "XMLB", "FIRSTAPPR", "XMMC", "DWDM", "SQRXM", "GZDW"},
             {{p.xmbh, p.year, p.category, firstReview, "名称" + p.xmbh.substr(17), p.unitCode, p.leader, p.unit}}});
    }
    // A project with its approval row: result and approved funds.
    void AddApproved(const Project& p, const std::string& funds, const std::string& result = "+") {
        AddProject(p);
        AddReviewResult(p.xmbh, result, funds);
    }
    // A project with its plan row (schedule requirement).
    void AddPlanned(const Project& p, const std::string& schedule, const std::string& firstReview = "+") {
        AddProject(p, firstReview);
        testdb::Seed(connection, {"CORVANE_ITEMPLAN", {"XMBH", "JDYQ"}, {{p.xmbh, schedule}}});
    }
    void AddApprovalRow(const std::string& xmbh, const std::string& funds) {
        AddReviewResult(xmbh, "+", funds);
    }
    void AddGuide(const std::string& fund, const std::string& name, const std::string& year = "2008") {
        testdb::Seed(connection, {"CORVANE_YEARFUNDGUIDE", {"JJBH", "ZNMC", "FBNF"}, {{fund, name, year}}});
    }
    void AddUnit(const std::string& code, const std::string& name) {
        testdb::Seed(connection, {"CORVANE_UNIT", {"DWDM", "DWMC"}, {{code, name}}});
    }
    // Stores a one-paragraph rich text (bold, so that formats are present).
    void StoreRtf(const std::string& table, const std::string& column, const std::string& xmbh,
                  const std::string& plain) {
        const std::string rtf = text::Utf8ToGbk("{\\rtf1\\ansi\\ansicpg936 {\\b " + plain + "}\\par}");
        CAdoRecordSet rs;
        rs.SetConnection(&connection);
        ASSERT_TRUE(rs.Open("select * from " + table + " where XMBH = " + db::QuoteLiteral(xmbh)));
        ASSERT_FALSE(rs.IsEOF()) << table << " " << xmbh;
        ASSERT_TRUE(rs.AppendChunk(column, rtf.data(), long(rtf.size())));
        ASSERT_TRUE(rs.Update());
    }

    // The folder a per-unit run writes into, under the chosen folder "out".
    std::string ChosenFolder() const { return PathOf("out"); }
    std::string UnitFile(const std::string& name) const { return PathOf("out/项目计划/" + name); }
    std::vector<std::string> UnitFiles() const { return sys::ListFiles(PathOf("out/项目计划"), ""); }
};

}  // namespace plantest
