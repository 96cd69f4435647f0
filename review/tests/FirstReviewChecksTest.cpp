// The formal checks of the first review against the year's guide, and what
// each filter shows of them.
#include "FirstReviewTestSupport.h"
#include "review/FirstReviewChecks.h"

using namespace firsttest;

namespace {

class FirstReviewChecksTest : public FirstReviewTest {
protected:
    void SetUp() override {
        FirstReviewTest::SetUp();
        AddDirection("9140A010101", "2008", "0001", "0");  // general, for unit 0001
        AddDirection("9140A010102", "2008", "0001", "1");  // key, for unit 0001
        AddDirection("9140C010101", "2008", " ", "0");     // general, open to every unit
        AddDirection("9140A010103", "2007", "0001", "0");  // a direction of another year only
        ASSERT_TRUE(workflow::ConnectProjectDatabase(connection));
    }
    CAdoConnection connection;
};

}  // namespace

TEST_F(FirstReviewChecksTest, EachCheckAndTheFiltersThatShowTheApplication) {
    const struct Case {
        std::string xmbh, category;
        bool guideWrong, unitWrong, categoryWrong;
        std::vector<int> shownBy;  // filters 0 to 4
    } cases[] = {
        {"9140A01010108" "0001" "001", kCommonGeneral, false, false, false, {0, 1}},
        {"9140A01010208" "0001" "001", kCommonKey, false, false, false, {0, 1}},
        {"9140A01010108" "0002" "001", kCommonGeneral, false, true, false, {0, 4}},      // unit not directed
        {"9140A01010308" "0001" "001", kCommonGeneral, true, false, false, {0, 2}},      // direction of 2007 only
        {"9140A01010108" "0001" "002", kCommonKey, false, false, true, {0, 3}},          // key project, general direction
        {"9140A01010208" "0001" "002", kCommonGeneral, false, false, true, {0, 3}},      // general project, key direction
        {"9140A01010108" "0001" "003", kLabGeneral, false, false, true, {0, 3}},         // laboratory with a 9140A number
        {"9140C01010108" "0005" "001", kLabGeneral, false, false, false, {0, 1}},        // undirected direction
        {"9140C01010108" "0005" "002", kLabKey, false, false, true, {0, 3}},
        {"9140A01'10108" "0001" "001", kCommonGeneral, true, false, false, {0, 2}},      // a quote in the number
    };
    for (const Case& c : cases) AddApplication(c.xmbh, c.category, "2008");
    const FirstReviewChecks checks(&connection, "2008");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xmbh);
        EXPECT_EQ(checks.IsGuideCodeWrong(c.xmbh), c.guideWrong);
        EXPECT_EQ(checks.IsUnitNotDirected(c.xmbh), c.unitWrong);
        EXPECT_EQ(checks.IsCategoryWrong(c.xmbh), c.categoryWrong);
        std::vector<int> shownBy;
        for (int filter = 0; filter <= 4; ++filter)
            if (!checks.IsFilteredOut(c.xmbh, filter)) shownBy.push_back(filter);
        EXPECT_EQ(shownBy, c.shownBy);
    }
}

TEST_F(FirstReviewChecksTest, TheYearDecidesWhichGuideCounts) {
    const std::string xmbh = "9140A01010307" "0001" "001";
    AddApplication(xmbh, kCommonGeneral, "2007");
    EXPECT_FALSE(FirstReviewChecks(&connection, "2007").IsGuideCodeWrong(xmbh));
    EXPECT_TRUE(FirstReviewChecks(&connection, "2008").IsGuideCodeWrong(xmbh));
    EXPECT_TRUE(FirstReviewChecks(&connection, "").IsGuideCodeWrong(xmbh)) << "an empty year matches no guide";
}

TEST_F(FirstReviewChecksTest, ChecksThatCannotRunReportAnError) {
    const std::string xmbh = "9140A01010108" "0001" "001";
    AddApplication(xmbh, kCommonGeneral, "2008");
    const FirstReviewChecks checks(nullptr, "2008");
    EXPECT_TRUE(checks.IsGuideCodeWrong(xmbh));
    EXPECT_TRUE(checks.IsFilteredOut(xmbh, kFilterCorrect));
    EXPECT_FALSE(checks.IsFilteredOut(xmbh, kFilterAll));
}
