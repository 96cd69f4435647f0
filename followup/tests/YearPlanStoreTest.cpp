// The plan store: the application's plan columns and the year plans are
// read back as written, a year's row is changed in place, a project without
// an application row takes no plan columns, and deletion empties one
// project's plan only, with numbers that carry quotes or differ in case.
#include <gtest/gtest.h>

#include "followup/YearPlanStore.h"
#include "foundation/Sql.h"
#include "platform/sys/Sys.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledDatabase.h"

namespace {

using testdb::Rows;

class YearPlanStoreTest : public InstalledDatabase {
protected:
    void SetUp() override {
        InstalledDatabase::SetUp();
        if (HasFatalFailure()) return;
        testdb::Seed(db, {"CORVANE_ITEMAPPINFO",
                          {"XMBH", "XMLB", "NF", "SQZNDM", "DWDM", "GZDW", "HZDW"},
                          {{kNumber, "重点基金", "2008", "9140A01", "U'1", "甲'单位", "乙"},
                           {kOther, "一般基金", "2008", "9140A02", "U2", "丙", ""}}});
    }
    std::string File(const std::string& name, const std::string& bytes) {
        const std::string path = PathOf(name);
        EXPECT_TRUE(sys::WriteFileAtomic(path, bytes));
        return path;
    }
    Rows Query(const std::string& sql) { return testdb::Query(db, sql); }

    static inline const std::string kNumber = "9140A0101U'1001", kOther = "9140A0201U2001";
};

}  // namespace

TEST_F(YearPlanStoreTest, PlanColumnsAndYearPlansReadBackAsWritten) {
    ASSERT_TRUE(yearplanstore::WriteOverview(db, "9140a0101u'1001", "12.5", "3", File("c.rtf", "{\\rtf1 总}")));
    EXPECT_FALSE(yearplanstore::WriteOverview(db, "9140A0101U'1009", "1", "1", File("d.rtf", "x")))
        << "no application row";
    yearplanstore::PlanOverview overview;
    ASSERT_TRUE(yearplanstore::ReadOverview(db, kNumber, overview));
    EXPECT_EQ(overview.unit, "甲'单位");
    EXPECT_EQ(overview.partner, "乙");
    EXPECT_EQ(overview.total, "12.5");
    EXPECT_EQ(overview.allocated, "3");
    EXPECT_EQ(overview.completion, "{\\rtf1 总}");
    EXPECT_FALSE(yearplanstore::ReadOverview(db, "' or ''='", overview));

    // A year's row is changed in place and keeps the columns the view does not show.
    testdb::Seed(db, {"corvane_ITEMYEARPLAN", {"XMBH", "NF", "NDJF", "BZ"}, {{kNumber, "第一年度", "1", "备注"}}});
    ASSERT_TRUE(yearplanstore::WriteYearPlan(db, kNumber, "第一年度", "2", "季'度", File("g.rtf", "目标"),
                                             File("w.rtf", "形式")));
    ASSERT_TRUE(yearplanstore::WriteYearPlan(db, kNumber, "第二年度", "3", "", File("g2.rtf", "目标二"),
                                             File("w2.rtf", "形式二")));
    EXPECT_FALSE(yearplanstore::WriteYearPlan(db, kNumber, "第三年度", "12345678", "", File("g3.rtf", "x"),
                                              File("w3.rtf", "x")))
        << "funding over the column";
    EXPECT_EQ(Query("select XMBH, NF, NDJF, JDYQ, BZ from corvane_ITEMYEARPLAN order by NF"),
              (Rows{{kNumber, "第一年度", "2", "季'度", "备注"}, {kNumber, "第二年度", "3", "", ""}}));
    const std::vector<yearplanstore::YearPlan> plans = yearplanstore::ReadYearPlans(db, "9140A0101u'1001");
    ASSERT_EQ(plans.size(), 2u);
    EXPECT_EQ(plans[0].goals, "目标");
    EXPECT_EQ(plans[1].completion, "形式二");

    const Rows list = yearplanstore::ListRows(db);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], (std::vector<std::string>{"重点基金", "2008", kNumber, "9140A01", "U'1"}));
}

TEST_F(YearPlanStoreTest, DeletionEmptiesOneProjectsPlanOnly) {
    ASSERT_TRUE(yearplanstore::WriteOverview(db, kNumber, "1", "1", File("c.rtf", "x")));
    ASSERT_TRUE(yearplanstore::WriteOverview(db, kOther, "2", "2", File("c2.rtf", "y")));
    testdb::Seed(db, {"corvane_ITEMYEARPLAN", {"XMBH", "NF"}, {{kNumber, "第一年度"}, {kOther, "第一年度"}}});
    ASSERT_TRUE(yearplanstore::DeletePlans(db, "9140A0101u'1001"));
    EXPECT_EQ(Query("select XMBH from corvane_ITEMYEARPLAN"), (Rows{{kOther}}));
    EXPECT_EQ(Query("select XMBH, PFJF, YBJF from CORVANE_ITEMAPPINFO order by XMBH"),
              (Rows{{kNumber, "", ""}, {kOther, "2", "2"}}));
}
