// The unit grid: its columns, the dictionary's codes offered in each row,
// names filled from the dictionary, and duplicate codes refused both when a
// code is picked in a row and when a unit is added.
#include <QComboBox>

#include "TopicTestSupport.h"
#include "guide_annual/UnitGridCtrl.h"

namespace {

class UnitGridTest : public TopicTest {
protected:
    void SetUp() override {
        TopicTest::SetUp();
        g_arrUnitCode = {"0001", "0002", "0003"};
        g_mapUnitName = {{"0001", "一所"}, {"0002", "二所"}, {"0003", "三所"}};
        ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, {0, 0, 400, 200}, host.get(), 3119));
    }

    // The user picks a code from the row's drop-down list.
    void Pick(int row, const std::string& code) {
        ASSERT_TRUE(grid.EditItem(row, CUnitGridCtrl::kCodeColumn));
        auto* combo = qobject_cast<QComboBox*>(grid.GetInPlaceEditor());
        ASSERT_NE(combo, nullptr);
        const int index = combo->findText(QString::fromStdString(code));
        ASSERT_GE(index, 0) << code;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int row = 0; row < grid.GetRowCount(); ++row) rows.push_back(grid.GetCode(row) + "/" + grid.GetName(row));
        return rows;
    }

    CUnitGridCtrl grid;
};

TEST_F(UnitGridTest, ColumnsAndANewRowOfferingEveryCodeOfTheDictionary) {
    EXPECT_EQ(grid.GetColumnCount(), 2);
    EXPECT_EQ(grid.GetColumnName(0), "单位代码");
    EXPECT_EQ(grid.GetColumnWidth(0), 100);
    EXPECT_EQ(grid.GetColumnName(1), "单位名称");
    EXPECT_EQ(grid.GetColumnWidth(1), 300);
    EXPECT_EQ(grid.GetColumnAlign(1), ui::HDF_CENTER);
    EXPECT_EQ(grid.GetHeaderAlign(0), ui::HDF_CENTER);
    EXPECT_TRUE(grid.IsHeaderEnabled());

    grid.AddUnitRow();
    ASSERT_EQ(grid.GetRowCount(), 1);
    EXPECT_EQ(grid.GetItem(0, 0)->GetOptions(), g_arrUnitCode);
    EXPECT_FALSE(grid.GetItem(0, 1)->IsAllowEdit());
    EXPECT_EQ(Rows(), std::vector<std::string>{"/"});
}

TEST_F(UnitGridTest, APickedCodeGetsItsNameUnlessAnotherRowHasIt) {
    grid.AddUnitRow();
    grid.AddUnitRow();
    Pick(0, "0002");
    Pick(1, "0003");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"0002/二所", "0003/三所"}));

    driver.ExpectMessageBox(ui::AppTitle(), "单位代码：0002 已存在，请重新选择！");
    Pick(1, "0002");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"0002/二所", "/三所"}));  // the name stays

    Pick(1, "0001");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"0002/二所", "0001/一所"}));
}

TEST_F(UnitGridTest, AnAddedUnitThatIsListedAlreadyIsReportedAndDropped) {
    grid.AddUnit("0001");
    grid.AddUnit("0009");  // not in the dictionary: no name
    driver.ExpectMessageBox(ui::AppTitle(), "单位代码：0001 已存在，请重新选择！");
    grid.AddUnit("0001");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"0001/一所", "0009/"}));
    EXPECT_TRUE(driver.Finished());
}

TEST_F(UnitGridTest, WithAnEmptyDictionaryRowsOfferNothingAndGetNoName) {
    g_arrUnitCode.clear();
    g_mapUnitName.clear();
    grid.AddUnit("0001");
    EXPECT_TRUE(grid.GetItem(0, 0)->GetOptions().empty());
    EXPECT_EQ(Rows(), std::vector<std::string>{"0001/"});
}

}  // namespace
