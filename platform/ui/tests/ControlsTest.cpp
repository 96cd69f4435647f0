// The common controls: typing rules of the edit, combo and list boxes, the
// report list control, the date picker and the progress bar, with the
// notifications they send to their dialog.
#include <QDateTimeEdit>
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QWidget>

#include <QTableWidget>

#include "platform/ui/App.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Simulate.h"
#include "platform/ui/TestDriverGTest.h"

using namespace ui;

namespace {

const DialogTemplate& FormTemplate() {
    static const DialogTemplate t{5001, "申请书基本信息", {0, 0, 400, 300}, {
        {Kind::Edit, 10, "", {5, 5, 80, 12}},
        {Kind::Edit, 11, "", {5, 20, 80, 12}, ES_UPPERCASE},
        {Kind::Edit, 12, "", {5, 35, 80, 40}, ES_MULTILINE | ES_WANTRETURN},
        {Kind::Edit, 13, "", {5, 80, 80, 12}, ES_READONLY},
        {Kind::ComboBox, 20, "", {100, 5, 80, 60}, CBS_DROPDOWNLIST | CBS_SORT},
        {Kind::ComboBox, 21, "", {100, 20, 80, 60}, CBS_DROPDOWN},
        {Kind::ListBox, 30, "", {100, 40, 80, 60}, LBS_EXTENDEDSEL},
        {Kind::ListCtrl, 40, "", {5, 110, 380, 120}, LVS_REPORT},
        {Kind::DateTimePicker, 50, "", {200, 5, 80, 12}},
        {Kind::Progress, 60, "", {200, 25, 80, 8}},
    }};
    return t;
}

class CForm : public Dialog {
public:
    CForm() : Dialog(FormTemplate()) {
        for (auto [id, code, name] : {std::tuple{10, EN_CHANGE, "change 10"}, std::tuple{10, EN_KILLFOCUS, "killfocus 10"},
                                      std::tuple{20, CBN_SELCHANGE, "selchange 20"}, std::tuple{21, CBN_EDITCHANGE, "editchange 21"},
                                      std::tuple{30, LBN_SELCHANGE, "selchange 30"}, std::tuple{50, DTN_DATETIMECHANGE, "date 50"}})
            MapCommand(id, code, [this, n = std::string(name)] { log.push_back(n); });
        MapNotify(40, NM_DBLCLK, [this](const NotifyInfo& info) { log.push_back("dblclk " + std::to_string(info.item)); });
        MapNotify(40, LVN_ITEMCHANGED, [this](const NotifyInfo& info) {
            log.push_back("itemchanged " + std::to_string(info.item) + " " + std::to_string(info.newState));
        });
        Create();
        ShowWindow(SW_SHOW);
    }
    std::vector<std::string> log;
    bool Logged(const std::string& entry) const { return std::find(log.begin(), log.end(), entry) != log.end(); }
};

TEST(EditTest, TypingRulesHoldForTheUserButNotForTheProgram) {
    struct Case {
        const char* name;
        int id;
        std::function<void(Edit&)> setUp;
        const char* typed;
        const char* expected;
    };
    const Case cases[] = {
        {"upper-case style", 11, [](Edit&) {}, "ab1c", "AB1C"},
        {"allowed characters", 10, [](Edit& e) { e.SetValidChars("1234567890()-"); }, "(010)x-8a", "(010)-8"},
        {"limit in GBK bytes", 10, [](Edit& e) { e.LimitText(5); }, "ab中文字", "ab中"},
        {"limit on a multi-line edit", 12, [](Edit& e) { e.LimitText(4); }, "一二三", "一二"},
        {"limit in characters, as a text column counts", 10, [](Edit& e) { e.LimitChars(4); }, "ab中文字", "ab中文"},
        {"read-only takes nothing", 13, [](Edit&) {}, "abc", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CForm form;
        auto* edit = form.Item<Edit>(c.id);
        c.setUp(*edit);
        sim::Type(*edit, c.typed);
        EXPECT_EQ(edit->GetWindowText(), c.expected);
    }
    CForm form;
    auto* edit = form.Item<Edit>(10);
    edit->LimitText(2);
    edit->SetValidChars("0123456789");
    edit->SetWindowText("长文本abc");  // the program may set anything
    EXPECT_EQ(edit->GetWindowText(), "长文本abc");
}

TEST(EditTest, HookRunsAfterEachTypedCharacterAndNotificationsReachTheDialog) {
    CForm form;
    auto* edit = form.Item<Edit>(10);
    std::vector<std::string> seen;
    edit->SetCharHook([&seen](Edit& e, UINT) { seen.push_back(e.GetWindowText()); });
    sim::Type(*edit, "ab");
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "ab"}));
    EXPECT_EQ(std::count(form.log.begin(), form.log.end(), "change 10"), 2);
    form.GetDlgItem(11)->SetFocus();
    EXPECT_TRUE(form.Logged("killfocus 10"));
}

TEST(EditTest, MultiLineTextUsesCarriageReturnLineFeed) {
    CForm form;
    auto* edit = form.Item<Edit>(12);
    edit->SetWindowText("第一行\r\n第二行");
    EXPECT_EQ(edit->GetWindowText(), "第一行\r\n第二行");
    sim::PressKey(*edit, VK_RETURN);  // the edit keeps Enter; the dialog stays
    EXPECT_TRUE(form.IsWindowVisible());
}

TEST(ComboBoxTest, SortedItemsExactSearchAndSelectionNotifiedOnlyFromTheUser) {
    CForm form;
    auto* combo = form.Item<ComboBox>(20);
    for (const char* s : {"十二五", "b", "A", "十一五"}) combo->AddString(s);
    EXPECT_EQ(combo->GetLBText(0), "A");
    EXPECT_EQ(combo->GetLBText(1), "b");
    EXPECT_EQ(combo->FindStringExact(-1, "十一五"), combo->FindString(-1, "十一"));
    EXPECT_EQ(combo->FindStringExact(-1, "十"), CB_ERR);
    EXPECT_EQ(combo->FindStringExact(-1, "B"), 1);  // ASCII case is ignored
    EXPECT_EQ(combo->SetCurSel(9), CB_ERR);
    combo->SetCurSel(2);
    combo->SetItemData(2, 77);
    EXPECT_EQ(combo->GetItemData(2), 77u);
    EXPECT_EQ(combo->GetWindowText(), combo->GetLBText(2));
    EXPECT_FALSE(form.Logged("selchange 20"));
    EXPECT_EQ(combo->DeleteString(0), 3);
    combo->ResetContent();
    EXPECT_EQ(combo->GetCount(), 0);
    EXPECT_EQ(combo->GetCurSel(), CB_ERR);

    auto* dropDown = form.Item<ComboBox>(21);
    dropDown->AddString("2008");
    sim::Type(*dropDown, "20");
    EXPECT_EQ(dropDown->GetWindowText(), "20");
    EXPECT_EQ(dropDown->GetCurSel(), CB_ERR);
    EXPECT_TRUE(form.Logged("editchange 21"));
}

// A value stored before the list changed must survive a load and a save;
// choosing an item or clearing the selection replaces it.
TEST(ComboBoxTest, DropDownListKeepsAStoredTextThatIsNoneOfItsItems) {
    CForm form;
    auto* combo = form.Item<ComboBox>(20);
    for (const char* s : {"讲师", "教授"}) combo->AddString(s);
    combo->SetWindowText("研究员（已撤销）");
    EXPECT_EQ(combo->GetCurSel(), CB_ERR);
    EXPECT_EQ(combo->GetWindowText(), "研究员（已撤销）");
    combo->SetWindowText("教授");
    EXPECT_EQ(combo->GetWindowText(), "教授");

    std::string stored = "副研究员";
    DataExchange(form, false).CBString(20, stored);
    std::string saved;
    DataExchange(form, true).CBString(20, saved);
    EXPECT_EQ(saved, "副研究员");

    combo->SetCurSel(0);
    EXPECT_EQ(combo->GetWindowText(), "讲师");
    combo->SetWindowText("副研究员");
    combo->SetCurSel(-1);
    EXPECT_EQ(combo->GetWindowText(), "");
    combo->SetWindowText("副研究员");
    combo->ResetContent();
    EXPECT_EQ(combo->GetWindowText(), "");
}

TEST(ListBoxTest, MultipleSelectionAndItemData) {
    CForm form;
    auto* list = form.Item<ListBox>(30);
    for (const char* s : {"甲", "乙", "丙"}) list->AddString(s);
    list->SetSel(0);
    list->SetSel(2);
    EXPECT_EQ(list->GetSelCount(), 2);
    EXPECT_EQ(list->GetSelItems(), (std::vector<int>{0, 2}));
    list->SetItemData(1, 9);
    EXPECT_EQ(list->GetItemData(1), 9u);
    EXPECT_EQ(list->FindStringExact(-1, "丙"), 2);
    EXPECT_FALSE(form.Logged("selchange 30"));
}

// A list as the unit list fills it: a "dummy" first column makes column 0 centred.
void FillUnits(ListCtrl& list) {
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES);
    list.InsertColumn(0, "dummy", LVCFMT_LEFT, 10);
    list.InsertColumn(1, "单位代码", LVCFMT_CENTER, 100);
    list.InsertColumn(2, "单位名称", LVCFMT_CENTER, 250);
    list.DeleteColumn(0);
    for (int i = 0; i < 3; ++i) {
        const int row = list.InsertItem(list.GetItemCount(), "00" + std::to_string(i));
        list.SetItemText(row, 1, "单位" + std::to_string(i));
    }
}

// A project number is shown whole in the list's font, however it reaches
// the list (first column with its check box, a later cell, a row appended
// in one go); other texts and a narrower code leave the width as it was set.
TEST(ListCtrlTest, ACodeWidensItsColumnToShowItWhole) {
    CForm form;
    auto* list = form.Item<ListCtrl>(40);
    list->SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
    list->InsertColumn(0, "项目编号", LVCFMT_LEFT, 60);
    list->InsertColumn(1, "项目编号", LVCFMT_CENTER, 60);
    list->InsertColumn(2, "项目名称", LVCFMT_LEFT, 60);
    list->InsertColumn(3, "编号", LVCFMT_LEFT, 60);
    const std::string number = "9140A01010125WWWW999";  // 20 characters, wide letters at the end
    const QFontMetrics metrics = list->GetWidget()->fontMetrics();
    const int numberWidth = metrics.horizontalAdvance(QString::fromStdString(number));

    const int row = list->InsertItem(0, number);
    list->SetItemText(row, 1, number);
    list->SetItemText(row, 2, "一个很长很长很长很长很长很长的项目名称");
    list->SetItemText(row, 3, "0001");
    EXPECT_GT(list->GetColumnWidth(1), numberWidth);
    EXPECT_GT(list->GetColumnWidth(0), list->GetColumnWidth(1)) << "room for the check box";
    EXPECT_EQ(list->GetColumnWidth(2), 60) << "a name may be cut";
    EXPECT_EQ(list->GetColumnWidth(3), 60) << "a short code fits";

    list->DeleteAllItems();
    list->SetColumnWidth(1, 400);
    list->AppendRows({{"x", number + "1", "", "9140A01010125"}});
    EXPECT_EQ(list->GetColumnWidth(1), 400) << "never narrowed";
    EXPECT_GT(list->GetColumnWidth(3), metrics.horizontalAdvance("9140A01010125"));
}

TEST(ListCtrlTest, ColumnsRowsChecksAndSelection) {
    CForm form;
    auto* list = form.Item<ListCtrl>(40);
    FillUnits(*list);
    EXPECT_EQ(list->GetColumnCount(), 2);
    EXPECT_EQ(list->GetColumnWidth(1), 250);
    EXPECT_EQ(list->GetItemCount(), 3);
    EXPECT_EQ(list->GetItemText(2, 1), "单位2");
    EXPECT_EQ(list->GetItemText(2, 0), "002");
    EXPECT_EQ(list->GetItemText(5, 0), "");
    EXPECT_FALSE(list->SetItemText(0, 7, "x"));
    EXPECT_EQ(list->InsertItem(1, "new"), 1);
    EXPECT_EQ(list->GetItemText(2, 0), "001");

    list->SetCheck(2);
    EXPECT_TRUE(list->GetCheck(2));
    EXPECT_FALSE(list->GetCheck(1));

    list->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list->SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list->GetSelectedCount(), 2u);
    std::vector<int> selected;
    for (POSITION pos = list->GetFirstSelectedItemPosition(); pos;) selected.push_back(list->GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{1, 3}));
    EXPECT_TRUE(form.Logged("itemchanged 3 2"));

    list->SetItemData(3, 4242);
    EXPECT_EQ(list->GetItemData(3), 4242u);
    list->DeleteItem(0);
    EXPECT_EQ(list->GetItemData(2), 4242u);
    list->DeleteAllItems();
    EXPECT_EQ(list->GetItemCount(), 0);
    EXPECT_EQ(list->GetFirstSelectedItemPosition(), 0);
}

// Rows appended in one go read back as rows inserted one cell at a time:
// texts, check boxes, alignment, and without a notification per cell.
TEST(ListCtrlTest, AppendedRowsMatchRowsInsertedCellByCell) {
    CForm form;
    auto* list = form.Item<ListCtrl>(40);
    FillUnits(*list);
    EXPECT_EQ(list->AppendRows({{"003", "单位3"}, {"004"}, {"005", "单位5", "多余"}}), 3);
    EXPECT_FALSE(form.Logged("itemchanged 3"));
    EXPECT_FALSE(form.Logged("itemchanged 5"));
    EXPECT_EQ(list->GetItemCount(), 6);
    EXPECT_EQ(list->GetItemText(3, 1), "单位3");
    EXPECT_EQ(list->GetItemText(4, 1), "");
    EXPECT_EQ(list->GetItemText(5, 0), "005");
    EXPECT_FALSE(list->GetCheck(5));
    EXPECT_TRUE(list->SetCheck(5));
    EXPECT_TRUE(list->GetCheck(5));
    EXPECT_FALSE(list->GetCheck(4)) << "each appended row has a check box and a text of its own";
    EXPECT_TRUE(list->SetItemText(4, 1, "单位4"));
    EXPECT_EQ(list->GetItemText(3, 1), "单位3");
    EXPECT_EQ(list->GetItemText(5, 1), "单位5");
    auto* table = qobject_cast<QTableWidget*>(list->GetWidget());
    ASSERT_NE(table, nullptr);
    for (int column = 0; column < 2; ++column)
        EXPECT_EQ(table->item(5, column)->textAlignment(), table->item(2, column)->textAlignment()) << column;
    EXPECT_EQ(table->item(5, 0)->flags(), table->item(2, 0)->flags());
}

TEST(ListCtrlTest, DoubleClickNotifiesTheRowAndHitTestFindsIt) {
    CForm form;
    auto* list = form.Item<ListCtrl>(40);
    FillUnits(*list);
    sim::DoubleClickItem(*list, 1);
    EXPECT_TRUE(form.Logged("dblclk 1"));
    // The handler finds the row from the position of the last mouse message.
    const Point where = list->ScreenToClient(GetMessagePos());
    EXPECT_EQ(list->HitTest(where), 1);
    EXPECT_EQ(list->GetSelectionMark(), 1);
    EXPECT_EQ(list->HitTest(Point{5, list->GetClientRect().bottom - 3}), -1);  // below the rows
}

TEST(ListCtrlTest, DoubleClickReachesARowWiderThanTheControl) {
    CForm form;
    auto* list = form.Item<ListCtrl>(40);
    FillUnits(*list);
    list->SetColumnWidth(1, 3 * list->GetClientRect().Width());  // the row's centre lies far outside the view
    sim::DoubleClickItem(*list, 2);
    EXPECT_TRUE(form.Logged("dblclk 2"));
    const Point where = list->ScreenToClient(GetMessagePos());
    EXPECT_EQ(list->HitTest(where), 2);
}

TEST(DateTimeCtrlTest, ShowsTheDisplayFormatAndExchangesTheDate) {
    CForm form;
    auto* picker = form.Item<DateTimeCtrl>(50);
    picker->SetFormat("yyyy/MM/dd");
    ASSERT_TRUE(picker->SetTime(text::DateTime{2008, 3, 9}));
    EXPECT_EQ(picker->GetWindowText(), "2008/03/09");
    picker->SetFormat("yyyy/MM");
    EXPECT_EQ(picker->GetWindowText(), "2008/03");
    text::DateTime read;
    picker->GetTime(read);
    EXPECT_EQ(read.year, 2008);
    EXPECT_EQ(read.month, 3);
    EXPECT_EQ(read.day, 9);
    EXPECT_FALSE(form.Logged("date 50"));
}

// A stored value that is no date is shown and answered as it is until a date
// is set or picked, never replaced by the date the picker held before.
TEST(DateTimeCtrlTest, AStoredTextThatIsNoDateIsKeptUntilADateIsChosen) {
    CForm form;
    auto* picker = form.Item<DateTimeCtrl>(50);
    picker->SetFormat("yyyy/MM/dd");
    for (const char* stored : {"", "待定"}) {
        SCOPED_TRACE(stored);
        ASSERT_TRUE(picker->SetTime(text::DateTime{2008, 3, 9}));
        picker->ShowStored(stored, text::DateTime{0, 0, 0});
        EXPECT_EQ(picker->GetWindowText(), stored);
    }
    picker->ShowStored("2009/01/02", text::DateTime{2009, 1, 2});
    EXPECT_EQ(picker->GetWindowText(), "2009/01/02");

    picker->ShowStored("待定", text::DateTime{0, 0, 0});
    auto* edit = qobject_cast<QDateTimeEdit*>(picker->GetWidget());
    ASSERT_NE(edit, nullptr);
    edit->setDate(QDate(2010, 5, 6));  // the user picks a date
    EXPECT_EQ(picker->GetWindowText(), "2010/05/06");
    EXPECT_TRUE(form.Logged("date 50"));
}

TEST(ProgressCtrlTest, PositionsStayInRangeAndStepsWrap) {
    CForm form;
    auto* bar = form.Item<ProgressCtrl>(60);
    bar->SetRange(0, 100);
    EXPECT_EQ(bar->SetPos(40), 0);
    EXPECT_EQ(bar->SetPos(140), 40);
    EXPECT_EQ(bar->GetPos(), 100);
    bar->SetPos(95);
    bar->StepIt();
    EXPECT_EQ(bar->GetPos(), 5);
}

}  // namespace
