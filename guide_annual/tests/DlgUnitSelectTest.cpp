// The unit picker: the unit table with its fifteen columns, the filters with
// their pause, ticked units added to the grid (duplicates reported by the
// grid), and a picker without the database.
#include <QElapsedTimer>

#include "TopicTestSupport.h"
#include "guide_annual/DlgUnitSelect.h"
#include "guide_annual/UnitGridCtrl.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Simulate.h"

using U = CDlgUnitSelect;

namespace {

class UnitPickerTest : public TopicTest {
protected:
    void SetUp() override {
        TopicTest::SetUp();
        topictest::AddUnits({{"0201", "北方研究所"}, {"0102", "南方研究院"}, {"0101", "北方大学"}, {"0301", "O'Neil 所"}});
        ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, {0, 0, 300, 200}, host.get(), 3119));
    }

    int Run(std::function<void(U&)> handler) {
        U picker(host.get());
        picker.m_pUnitGrid = &grid;
        driver.OnModal<U>([&](U& dlg) {
            handler(dlg);
            if (dlg.IsRunningModal()) dlg.Click(IDCANCEL);
        });
        const int result = picker.DoModal();
        EXPECT_TRUE(driver.Finished());
        return result;
    }

    static ui::ListCtrl& List(U& dlg) { return *dlg.Item<ui::ListCtrl>(U::IDC_UNITLIST); }
    static std::vector<std::string> Codes(U& dlg) {
        std::vector<std::string> codes;
        for (int i = 0; i < List(dlg).GetItemCount(); ++i) codes.push_back(List(dlg).GetItemText(i, 0));
        return codes;
    }
    // Lets the filter's pause run out.
    static void Pause() {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 4 * CUnitFilterEdit::kDelayMs) ui::PumpMessages();
    }

    CUnitGridCtrl grid;
};

TEST_F(UnitPickerTest, WithoutFiltersEveryUnitIsListedInCodeOrderWithItsColumns) {
    Run([&](U& dlg) {
        EXPECT_EQ(Codes(dlg), (std::vector<std::string>{"0101", "0102", "0201", "0301"}));
        ui::ListCtrl& list = List(dlg);
        ASSERT_EQ(list.GetColumnCount(), 15);
        EXPECT_EQ(list.GetColumnWidth(1), 180);
        EXPECT_EQ(list.GetItemText(0, 1), "北方大学");
        EXPECT_EQ(list.GetItemText(0, 2), "部门0101");
        EXPECT_EQ(list.GetItemText(0, 14), "");
        EXPECT_EQ(list.GetExtendedStyle(), DWORD(LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT));
    });
}

TEST_F(UnitPickerTest, FiltersTakeACodePrefixAndANamePartOnceTheTypingPauses) {
    struct Case {
        const char* code;
        const char* name;
        std::vector<std::string> listed;
    };
    const Case cases[] = {
        {"01", "", {"0101", "0102"}},
        {"", "北方", {"0101", "0201"}},
        {"01", "北方", {"0101"}},
        {"1", "", {}},                // a prefix, not a part
        {"", "O'Neil", {"0301"}},     // a quote is only a character
        {"", "", {"0101", "0102", "0201", "0301"}},
    };
    Run([&](U& dlg) {
        for (const Case& c : cases) {
            dlg.SetDlgItemText(U::IDC_DWDM, c.code);
            dlg.SetDlgItemText(U::IDC_DWMC, c.name);
            Pause();
            EXPECT_EQ(Codes(dlg), c.listed) << c.code << "|" << c.name;
        }
    });
}

TEST_F(UnitPickerTest, TypingRefreshesOnlyAfterThePauseAndKeepsTheFocus) {
    Run([&](U& dlg) {
        ui::Wnd& code = *dlg.GetDlgItem(U::IDC_DWDM);
        ui::sim::Type(code, "02");
        EXPECT_EQ(Codes(dlg).size(), 4u);  // still the whole table
        Pause();
        EXPECT_EQ(Codes(dlg), std::vector<std::string>{"0201"});
        EXPECT_EQ(ui::Wnd::GetFocus() ? ui::Wnd::GetFocus()->GetWidget() : nullptr, code.GetWidget());
        EXPECT_TRUE(code.IsWindowEnabled());
    });
}

TEST_F(UnitPickerTest, TickedUnitsGoIntoTheGridAndOnlyNewOnesStay) {
    grid.AddUnit("0102");
    EXPECT_EQ(Run([&](U& dlg) {
        driver.ExpectMessageBox("提示", "请选择发布单位！");
        dlg.Click(IDOK);
        ASSERT_TRUE(dlg.IsRunningModal());
        for (int row : {0, 1, 2}) List(dlg).SetCheck(row);
        driver.ExpectMessageBox(ui::AppTitle(), "单位代码：0102 已存在，请重新选择！");
        dlg.Click(IDOK);
    }), IDOK);
    ASSERT_EQ(grid.GetRowCount(), 3);
    EXPECT_EQ(grid.GetCode(1), "0101");
    EXPECT_EQ(grid.GetName(1), "北方大学");
    EXPECT_EQ(grid.GetCode(2), "0201");
}

TEST_F(UnitPickerTest, CancelAddsNothing) {
    EXPECT_EQ(Run([&](U& dlg) {
        List(dlg).SetCheck(0);
        dlg.Click(IDCANCEL);
    }), IDCANCEL);
    EXPECT_EQ(grid.GetRowCount(), 0);
}

TEST_F(UnitPickerTest, WithoutTheDatabaseTheListStaysEmpty) {
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    driver.ExpectMessageBox(ui::AppTitle(), "连接数据库失败！");
    Run([&](U& dlg) {
        EXPECT_TRUE(Codes(dlg).empty());
        dlg.SetDlgItemText(U::IDC_DWDM, "01");
        Pause();
        EXPECT_TRUE(Codes(dlg).empty());
        EXPECT_TRUE(dlg.GetDlgItem(U::IDC_DWDM)->IsWindowEnabled());
    });
}

}  // namespace
