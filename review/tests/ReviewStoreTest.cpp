// The review store's rows and lists: values with quotes or pieces of SQL in
// them are matched as they stand, never as part of a statement; the experts'
// judgements are replaced whole and the management columns emptied.
#include "FirstReviewTestSupport.h"
#include "review/ReviewStore.h"

using namespace firsttest;

namespace {

const std::string kNumber =
    "9140A01010108"
    "0001"
    "001";
const std::string kQuoted =
    "9140A01010108"
    "O'01"
    "002";
const std::string kInjected = "x' or '1' = '1";

class ReviewStoreTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        ASSERT_TRUE(workflow::ConnectProjectDatabase(connection));
        AddApplication(kNumber, kCommonGeneral, "2008", "甲");
        AddApplication(kQuoted, kCommonGeneral, "2008", "O'Brien's");
        Seed({"CORVANE_ITEMPF",
              {"XMBH", "PSJG", "ZJ1", "ZJ2"},
              {{kNumber, "+", "E01", ""}, {kQuoted, "+", "", "O'Neil"}}});
    }
    CAdoConnection connection;
};

}  // namespace

TEST_F(ReviewStoreTest, ValuesAreMatchedAsTheyStand) {
    using reviewstore::HasReviewRow;
    EXPECT_TRUE(HasReviewRow(&connection, kNumber));
    EXPECT_TRUE(HasReviewRow(&connection, kQuoted));
    EXPECT_FALSE(HasReviewRow(&connection, kInjected));
    EXPECT_FALSE(HasReviewRow(nullptr, kNumber));

    CAdoRecordSet rs;
    ASSERT_TRUE(reviewstore::OpenSummary(rs, &connection, kQuoted));
    ASSERT_EQ(rs.GetRecordCount(), 1);
    std::string name;
    rs.GetString("XMMC", name);
    EXPECT_EQ(name, "O'Brien's");
    rs.Close();
    ASSERT_TRUE(reviewstore::OpenApplicationRow(rs, &connection, kInjected));
    EXPECT_EQ(rs.GetRecordCount(), 0);
    rs.Close();

    const struct {
        const char* expert;
        std::vector<std::string> reviewed;
    } experts[] = {{"E01", {kNumber}}, {"O'Neil", {kQuoted}}, {"' or '1' = '1", {}}};
    for (const auto& e : experts)
        EXPECT_EQ(reviewstore::ProjectsReviewedBy(&connection, e.expert, "08"), e.reviewed) << e.expert;
    EXPECT_TRUE(reviewstore::ProjectsReviewedBy(&connection, "E01", "07").empty());

    EXPECT_EQ(reviewstore::ProjectsOfKind(&connection, kCommonGeneral, "2008", true),
              (std::vector<std::string>{kNumber, kQuoted}));
    EXPECT_TRUE(reviewstore::ProjectsOfKind(&connection, kCommonGeneral, "2008' or '1' = '1", false).empty());
}

TEST_F(ReviewStoreTest, JudgementsAreReplacedWholeAndManagementColumnsEmptied) {
    Seed({"CORVANE_ITEMMANAGEINFO", {"XMBH", "PSZFS", "PSYJ", "PFJF"}, {{kQuoted, "80", "同意", "12"}}});
    ASSERT_TRUE(reviewstore::WriteExpertJudgements(connection, kQuoted,
                                                   {{"E01", "90", "O'Neil's view"}, {"E02", "70", "一般"}}));
    ASSERT_TRUE(reviewstore::WriteExpertJudgements(connection, kNumber, {{"E03", "60", "另一项目"}}));
    ASSERT_TRUE(reviewstore::WriteExpertJudgements(connection, kQuoted, {{"E02", "75", "改"}}));
    const auto judgements = reviewstore::ExpertJudgements(&connection, kQuoted);
    ASSERT_EQ(judgements.size(), 1u);
    EXPECT_EQ(judgements[0].expert, "E02");
    EXPECT_EQ(judgements[0].opinion, "改");
    EXPECT_EQ(reviewstore::ExpertJudgements(&connection, kNumber).size(), 1u) << "another project's judgements stay";

    ASSERT_TRUE(reviewstore::ClearManageColumns(connection, kQuoted, {"PSZFS", "PSYJ"}));
    EXPECT_EQ(Query("select XMBH, PSZFS, PSYJ from CORVANE_ITEMMANAGEINFO"), (Rows{{kQuoted, "", ""}}));
    ASSERT_TRUE(reviewstore::DeleteExpertJudgements(connection, kQuoted));
    EXPECT_TRUE(reviewstore::ExpertJudgements(&connection, kQuoted).empty());
    EXPECT_EQ(reviewstore::ExpertJudgements(&connection, kNumber).size(), 1u);
    EXPECT_EQ(reviewstore::ManagedProjectRows(&connection),
              (RowTexts{{kCommonGeneral, "2008", kQuoted, "O'Brien's", ""}}));
}

// The budget by item: each item comes from its own granted column of the
// review row and applied column of the application, and is written back to
// its granted column (设计费 first, 管理费 last).
TEST_F(ReviewStoreTest, BudgetItemsKeepTheirColumns) {
    Exec("update CORVANE_ITEMAPPINFO set SQJE = '36', SJF = '1', CLF = '2', WXF = '3', ZYF = '4', SYF = '5', "
         "GDZCF = '6', GZF = '7', GLF = '8' where XMBH = '" + kNumber + "'");
    CAdoRecordSet rs;
    ASSERT_TRUE(reviewstore::OpenApplicationRow(rs, &connection, kNumber));
    const reviewstore::Budget applied = reviewstore::AppliedBudget(rs);
    rs.Close();
    EXPECT_EQ(applied.total, 36.0f);
    for (int i = 0; i < reviewstore::kBudgetItems; ++i) EXPECT_EQ(applied.items[i], float(i + 1)) << i;

    reviewstore::Budget granted;
    granted.total = 360;
    for (int i = 0; i < reviewstore::kBudgetItems; ++i) granted.items[i] = float(10 * (i + 1));
    ASSERT_TRUE(reviewstore::OpenReviewRow(rs, &connection, kNumber));
    ASSERT_TRUE(reviewstore::SetGrantedBudget(rs, granted));
    ASSERT_TRUE(rs.Update());
    rs.Close();
    EXPECT_EQ(Query("select PFSJF, PFGLF from CORVANE_ITEMPF where XMBH = '" + kNumber + "'"), (Rows{{"10.0000", "80.0000"}}));
    ASSERT_TRUE(reviewstore::OpenReviewRow(rs, &connection, kNumber));
    const reviewstore::Budget read = reviewstore::GrantedBudget(rs);
    EXPECT_EQ(read.total, granted.total);
    EXPECT_EQ(read.items, granted.items);
}

// The management row's screens clear, update and save experts each in one
// transaction: a part that fails leaves every row as it was.
TEST_F(ReviewStoreTest, ManagementRowWorkIsWholeOrNothing) {
    Seed({"CORVANE_ITEMMANAGEINFO", {"XMBH", "PSZFS", "PSYJ", "PFJF"}, {{kQuoted, "80", "同意", "12"}}});
    ASSERT_TRUE(reviewstore::SaveExpertJudgements(connection, kQuoted, {{"E01", "90", "O'Neil's view"}}));
    EXPECT_EQ(reviewstore::ExpertJudgements(&connection, kQuoted).size(), 1u);

    EXPECT_FALSE(reviewstore::ClearManageInfo(connection, kQuoted, {"PSZFS", "NO_SUCH_COLUMN"}, true));
    EXPECT_EQ(Query("select PSZFS, PSYJ from CORVANE_ITEMMANAGEINFO"), (Rows{{"80", "同意"}}));
    EXPECT_EQ(reviewstore::ExpertJudgements(&connection, kQuoted).size(), 1u);
    ASSERT_TRUE(reviewstore::ClearManageInfo(connection, kQuoted, {"PSZFS"}, false));
    EXPECT_EQ(reviewstore::ExpertJudgements(&connection, kQuoted).size(), 1u) << "judgements kept";
    ASSERT_TRUE(reviewstore::ClearManageInfo(connection, kQuoted, {"PSYJ"}, true));
    EXPECT_EQ(Query("select PSZFS, PSYJ, PFJF from CORVANE_ITEMMANAGEINFO"), (Rows{{"", "", "12"}}));
    EXPECT_TRUE(reviewstore::ExpertJudgements(&connection, kQuoted).empty());

    CAdoRecordSet rs;
    EXPECT_TRUE(reviewstore::UpdateManageRow(rs, connection, kQuoted, [&] { return rs.SetString("PSYJ", "改'过"); }));
    EXPECT_FALSE(rs.IsOpen());
    EXPECT_FALSE(reviewstore::UpdateManageRow(rs, connection, kQuoted, [&] {
        rs.SetString("PSYJ", "丢弃");
        return false;
    }));
    EXPECT_FALSE(reviewstore::UpdateManageRow(rs, connection, kNumber, [] { return true; })) << "no row is added";
    EXPECT_EQ(Query("select XMBH, PSYJ from CORVANE_ITEMMANAGEINFO"), (Rows{{kQuoted, "改'过"}}));
}
