// The information page: exclusive check-box pairs and the fields they
// enable, adding and removing grid rows, clearing, and the wheel over it.
#include "ResultChangeTestSupport.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

using namespace resultchange;
using resultchangetest::Rows;

class ResultChangeInfo : public ResultChangeTest {
protected:
    void SetUp() override {
        ResultChangeTest::SetUp();
        OpenView();
    }
    void Click(int n) { Info().Click(CDlgSCGZHInfo::CheckId(n)); }
    bool Enabled(int id) { return Info().GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    std::vector<std::string> FirstColumn(int child) {
        std::vector<std::string> values;
        for (const auto& row : Info().Grid(child).RowTexts()) values.push_back(row[0]);
        return values;
    }
    std::vector<std::string> SecondColumn(int child) {
        std::vector<std::string> values;
        for (const auto& row : Info().Grid(child).RowTexts()) values.push_back(row[1]);
        return values;
    }
};

// Clicks in order; then the ticks and enabled fields expected.
TEST_F(ResultChangeInfo, PairedBoxesStayExclusiveAndSwitchTheirFields) {
    struct Case {
        const char* what;
        std::vector<int> clicks;
        std::vector<int> ticked, unticked;
        std::vector<int> enabled, disabled;
    };
    const std::vector<Case> cases = {
        {"未转入预研 disables the 预研 fields", {2}, {2}, {1}, {}, {1008, 1009, 1010, CDlgSCGZHInfo::CheckId(3), CDlgSCGZHInfo::CheckId(10)}},
        {"已转入预研 afterwards enables them", {2, 1}, {1}, {2}, {1008, 1009, 1010, CDlgSCGZHInfo::CheckId(7)}, {}},
        {"unticking 未转入预研 enables them", {2, 2}, {}, {1, 2}, {1008, CDlgSCGZHInfo::CheckId(4)}, {}},
        {"未转入型号", {16}, {16}, {15}, {}, {1011, 1012, 1013, CDlgSCGZHInfo::CheckId(17), CDlgSCGZHInfo::CheckId(20)}},
        {"已转入型号 after 未转入型号", {16, 15}, {15}, {16}, {1011, 1013, CDlgSCGZHInfo::CheckId(19)}, {}},
        {"未转入民口", {12}, {12}, {11}, {}, {1014}},
        {"已转入民口 after 未转入民口", {12, 11}, {11}, {12}, {1014}, {}},
        {"重点项目 then 一般项目", {13, 14}, {14}, {13}, {}, {}},
        {"列为 then 未列入", {21, 22}, {22}, {21}, {}, {}},
        {"其他名称 enables its edit", {25}, {25}, {}, {1017}, {}},
        {"国防 after 其他名称 disables the edit", {25, 23}, {23}, {25}, {}, {1017}},
        {"科研院所 after 国防 leaves the edit", {23, 24}, {24}, {23, 25}, {}, {1017}},
        {"其他名称 after 科研院所", {24, 25}, {25}, {24}, {1017}, {}},
        {"无 of the plan notice disables 下达时间", {27}, {27}, {26}, {}, {1031}},
        {"有 after 无 enables 下达时间", {27, 26}, {26}, {27}, {1031}, {}},
        {"有 alone changes nothing else", {26}, {26}, {27}, {1031}, {}},
        {"无 of the payment disables both fields", {29}, {29}, {28}, {}, {1032, 1033}},
        {"有 after 无 enables both fields", {29, 28}, {28}, {29}, {1032, 1033}, {}},
        {"the 预研 categories have no rule", {4, 5}, {4, 5}, {3, 6}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OpenView();
        for (int n : c.clicks) Click(n);
        for (int n : c.ticked) EXPECT_TRUE(Ticked(n)) << n;
        for (int n : c.unticked) EXPECT_FALSE(Ticked(n)) << n;
        for (int id : c.enabled) EXPECT_TRUE(Enabled(id)) << id;
        for (int id : c.disabled) EXPECT_FALSE(Enabled(id)) << id;
    }
}

TEST_F(ResultChangeInfo, BoxesTickedFromCodeKeepBothUntilTheUserClicks) {
    Tick(1);
    Tick(2);
    EXPECT_TRUE(Ticked(1));
    EXPECT_TRUE(Ticked(2));
    EXPECT_TRUE(Enabled(1009));
    Click(1);  // unticks 已转入预研 itself and its partner
    EXPECT_FALSE(Ticked(2));
}

TEST_F(ResultChangeInfo, ADisabledFieldKeepsItsTextAndIsCollected) {
    Type(9, "预研名");
    Click(2);
    ASSERT_FALSE(Enabled(1009));
    Type(0, "A-1");
    view->CollectInfo();
    EXPECT_EQ(view->m_strValues[9], "预研名");
}

TEST_F(ResultChangeInfo, ANewRowGoesAfterTheFirstSelectedRowWithTheNextNumber) {
    AddGridRow(kJcyj, {"1", "甲"});
    AddGridRow(kJcyj, {"2", "乙"});
    Info().Grid(kJcyj).SetCurSel(0);
    Info().OnAddRow(kJcyj);
    EXPECT_EQ(FirstColumn(kJcyj), (std::vector<std::string>{"1", "3", "2"}));
    EXPECT_EQ(SecondColumn(kJcyj), (std::vector<std::string>{"甲", "", "乙"}));

    Info().OnAddRow(kYyssgg);
    EXPECT_EQ(Info().Grid(kYyssgg).RowTexts(), (Rows{{"", "", "", "", ""}}));
}

TEST_F(ResultChangeInfo, ANewRegulationRowOffersTheTypeNames) {
    Info().m_arrGzzd = {"类型甲", "类型乙"};
    Info().OnAddRow(kGzzdlist);
    const ui::GridItem* type = Info().Grid(kGzzdlist).GetItem(0, 1);
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->GetOptions(), (std::vector<std::string>{"类型甲", "类型乙"}));
    Info().m_arrGzzd.clear();
    Info().OnAddRow(kGzzdlist);
    EXPECT_TRUE(Info().Grid(kGzzdlist).GetItem(1, 1)->GetOptions().empty());
}

TEST_F(ResultChangeInfo, RemovingRowsRenumbersRunningNumbersButNotTypedOrder) {
    int number = 0;
    for (const char* name : {"甲", "乙", "丙", "丁", "戊"}) {
        AddGridRow(kGgll, {std::to_string(++number), name});
        AddGridRow(kXhssgg, {std::string("序") + name, name});
    }
    for (int child : {kGgll, kXhssgg}) {
        CSCGZHGridCtrl& grid = Info().Grid(child);
        grid.SetCurSel(1);
        grid.SelectRow(3);
        Info().OnRemoveRows(child);
        EXPECT_EQ(SecondColumn(child), (std::vector<std::string>{"甲", "丙", "戊"}));
    }
    EXPECT_EQ(FirstColumn(kGgll), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(FirstColumn(kXhssgg), (std::vector<std::string>{"序甲", "序丙", "序戊"}));
}

TEST_F(ResultChangeInfo, RemovingWithNothingSelectedIsRefused) {
    AddGridRow(kJcyj, {"1", "甲"});
    Info().Grid(kJcyj).SetCurSel(-1);
    driver.ExpectMessageBox("提示", "你尚未选中任何记录!");
    Info().OnRemoveRows(kJcyj);
    EXPECT_EQ(Info().Grid(kJcyj).GetRowCount(), 1);
}

TEST_F(ResultChangeInfo, ClearingEmptiesFieldsBoxesGridsAndTheScratchFiles) {
    Type(0, "A-1");
    Type(30, "会议");
    Tick(7);
    Info().RichEdit(1).SetWindowText("指标");
    AddGridRow(kGzzdlist, {"1", "x", "y", "z"});
    view->CollectInfo();
    ASSERT_TRUE(sys::FileExists(RichScratchPath(Folder(), 1)));
    Info().ClearAll();
    EXPECT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::IDC_XMBH), "");
    EXPECT_EQ(Info().GetDlgItemText(CDlgSCGZHInfo::ControlOf(30)), "");
    EXPECT_FALSE(Ticked(7));
    EXPECT_EQ(Info().RichEdit(1).GetWindowText(), "");
    EXPECT_EQ(Info().Grid(kGzzdlist).GetRowCount(), 0);
    for (int slot = 0; slot < 3; ++slot) {
        std::string bytes = "x";
        ASSERT_TRUE(sys::ReadFile(RichScratchPath(Folder(), slot), bytes));
        EXPECT_TRUE(bytes.empty());
    }
}

// One scrolling area: the page shows whole, with no scroll bar of its own,
// and the wheel over its lowest tables scrolls the view down to them.
TEST_F(ResultChangeInfo, ThePageShowsWholeAndTheWheelOverItScrollsTheView) {
    CDlgSCGZHInfo& info = Info();
    QWidget* page = info.GetWidget();
    for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden()) continue;
        EXPECT_LE(child->geometry().bottom(), page->height() - 1) << child->metaObject()->className();
        EXPECT_FALSE(qobject_cast<QScrollBar*>(child)) << "a scroll bar of the page's own";
    }
    view->MoveWindow(0, 0, 1130, 700);
    QWidget* grid = info.Grid(kChildCount - 1).GetWidget();
    const QPoint before = grid->mapTo(view->GetWidget(), QPoint(0, 0));
    ASSERT_GT(before.y(), 700) << "the lowest table starts below the pane";
    // The wheel goes from the widget under the pointer to its parents until
    // one takes it (as the application hands on the user's wheel): the page
    // and the windows around it leave it to the view.
    const auto wheel = [](QWidget* target) {
        QWheelEvent event(QPointF(10, 10), QPointF(10, 10), {}, {0, -3 * 120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
        return event.isAccepted();
    };
    for (QWidget* w = page; w != view->GetWidget(); w = w->parentWidget())
        EXPECT_FALSE(wheel(w)) << w->metaObject()->className();
    for (int turn = 0; turn < 20; ++turn) EXPECT_TRUE(wheel(view->GetWidget()));
    const QPoint after = grid->mapTo(view->GetWidget(), QPoint(0, 0));
    EXPECT_LT(after.y() + grid->height(), 700) << "the wheel brought the lowest table into the pane";
}
