// Dialogs from templates, the modal loop under the test driver, Enter and
// Esc, and data exchange in both directions.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>

#include "platform/ui/App.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Simulate.h"
#include "platform/ui/TestDriverGTest.h"

using namespace ui;

namespace {

const DialogTemplate& EveryKind() {
    static const DialogTemplate t{10009, "全部控件", {0, 0, 300, 220}, {
        {Kind::Static, IDC_STATIC, "姓名：", {5, 5, 40, 10}},
        {Kind::Edit, 100, "", {50, 5, 80, 12}},
        {Kind::Edit, 101, "", {50, 20, 80, 12}, ES_PASSWORD},
        {Kind::Edit, 102, "", {50, 35, 80, 30}, ES_MULTILINE | ES_WANTRETURN},
        {Kind::GroupBox, IDC_STATIC, "性别", {140, 5, 80, 40}},
        {Kind::RadioButton, 110, "男", {145, 15, 30, 10}, WS_GROUP},
        {Kind::RadioButton, 111, "女", {180, 15, 30, 10}},
        {Kind::CheckBox, 112, "学术委员会成员", {145, 30, 70, 10}},
        {Kind::ComboBox, 120, "", {5, 70, 80, 60}, CBS_DROPDOWNLIST, {"领域基金", "重点实验室"}},
        {Kind::ComboBox, 121, "", {90, 70, 80, 60}, CBS_DROPDOWN | CBS_SORT, {"2010", "2008", "2009"}},
        {Kind::ListBox, 130, "", {5, 90, 80, 40}, LBS_SORT},
        {Kind::ListCtrl, 140, "", {90, 90, 150, 50}, LVS_REPORT},
        {Kind::Progress, 150, "", {5, 145, 150, 8}},
        {Kind::DateTimePicker, 160, "", {5, 160, 80, 12}},
        {Kind::Picture, 170, "", {200, 145, 20, 20}, SS_BITMAP},
        {Kind::Static, 171, "", {230, 145, 20, 20}, SS_BLACKFRAME},
        {Kind::Edit, 180, "隐藏", {230, 170, 40, 12}, 0, {}, true},
        {Kind::PushButton, 190, "应用", {130, 200, 50, 14}, WS_DISABLED},
        {Kind::DefPushButton, IDOK, "确定", {190, 200, 50, 14}},
        {Kind::PushButton, IDCANCEL, "取消", {245, 200, 50, 14}},
    }};
    return t;
}

class CDlgEveryKind : public Dialog {
public:
    CDlgEveryKind() : Dialog(EveryKind()) {}
    int okCalls = 0;

protected:
    void OnOK() override {
        ++okCalls;
        Dialog::OnOK();
    }
};

TEST(DialogTemplateTest, BuildsEveryControlKindWithItsTextStateAndItems) {
    TestDriver driver;
    driver.OnModal<CDlgEveryKind>([](CDlgEveryKind& dlg) {
        EXPECT_EQ(dlg.GetWindowText(), "全部控件");
        EXPECT_NE(dlg.Item<Edit>(100), nullptr);
        EXPECT_TRUE(dlg.Item<Edit>(102)->IsMultiLine());
        EXPECT_NE(dlg.Item<Button>(110), nullptr);
        EXPECT_NE(dlg.Item<ListBox>(130), nullptr);
        EXPECT_NE(dlg.Item<ListCtrl>(140), nullptr);
        EXPECT_NE(dlg.Item<ProgressCtrl>(150), nullptr);
        EXPECT_NE(dlg.Item<DateTimeCtrl>(160), nullptr);
        EXPECT_NE(dlg.Item<Static>(170), nullptr);
        EXPECT_EQ(dlg.GetDlgItemText(112), "学术委员会成员");

        auto* category = dlg.Item<ComboBox>(120);
        ASSERT_NE(category, nullptr);
        EXPECT_TRUE(category->IsDropDownList());
        EXPECT_EQ(category->GetCount(), 2);
        EXPECT_EQ(category->GetLBText(1), "重点实验室");
        EXPECT_EQ(category->GetCurSel(), CB_ERR);
        auto* years = dlg.Item<ComboBox>(121);
        EXPECT_EQ(years->GetLBText(0), "2008");  // sorted
        EXPECT_EQ(years->GetLBText(2), "2010");

        EXPECT_FALSE(dlg.GetDlgItem(190)->IsWindowEnabled());
        EXPECT_FALSE(dlg.GetDlgItem(180)->IsWindowVisible());
        EXPECT_TRUE(dlg.GetDlgItem(100)->IsWindowVisible());
        EXPECT_EQ(dlg.GetDefID(), IDOK);
        // Controls lie where their dialog units put them, in order.
        EXPECT_LT(dlg.GetItemRect(100).top, dlg.GetItemRect(101).top);
        EXPECT_GT(dlg.GetItemRect(IDCANCEL).left, dlg.GetItemRect(IDOK).left);
        dlg.Click(IDCANCEL);
    });
    EXPECT_EQ(CDlgEveryKind().DoModal(), IDCANCEL);
}

TEST(DialogModalTest, EndsWithTheButtonThatThePlayerPresses) {
    struct Case {
        const char* name;
        std::function<void(CDlgEveryKind&)> act;
        int result;
        int okCalls;
    };
    const Case cases[] = {
        {"OK button", [](CDlgEveryKind& d) { d.Click(IDOK); }, IDOK, 1},
        {"Cancel button", [](CDlgEveryKind& d) { d.Click(IDCANCEL); }, IDCANCEL, 0},
        {"Enter in an edit presses the default button",
         [](CDlgEveryKind& d) { sim::PressKey(*d.GetDlgItem(100), VK_RETURN); }, IDOK, 1},
        {"Esc cancels", [](CDlgEveryKind& d) { sim::PressKey(*d.GetDlgItem(100), VK_ESCAPE); }, IDCANCEL, 0},
        {"EndDialog with a value", [](CDlgEveryKind& d) { d.EndDialog(42); }, 42, 0},
        {"a disabled button does nothing",
         [](CDlgEveryKind& d) {
             d.Click(190);
             EXPECT_TRUE(d.IsRunningModal());
             d.Click(IDOK);
         },
         IDOK, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDriver driver;
        CDlgEveryKind dlg;
        driver.OnModal<CDlgEveryKind>(c.act);
        EXPECT_EQ(dlg.DoModal(), c.result);
        EXPECT_EQ(dlg.okCalls, c.okCalls);
        EXPECT_FALSE(dlg.IsWindow());  // destroyed on return
    }
}

TEST(DialogModalTest, EnterOnAFocusedPushButtonPressesThatButton) {
    TestDriver driver;
    driver.OnModal<CDlgEveryKind>([](CDlgEveryKind& dlg) {
        dlg.GetDlgItem(IDCANCEL)->SetFocus();
        sim::PressKey(*dlg.GetDlgItem(IDCANCEL), VK_RETURN);
    });
    CDlgEveryKind dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.okCalls, 0);
}

TEST(TestDriverTest, ReportsUnexpectedAndUnfinishedDialogsWithoutBlocking) {
    std::vector<std::string> failures;
    auto record = [&failures](const std::string& m) { failures.push_back(m); };
    {
        TestDriver driver(record);
        EXPECT_EQ(CDlgEveryKind().DoModal(), IDCANCEL);  // nobody answers
    }
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("unexpected modal dialog 10009"), std::string::npos);

    failures.clear();
    {
        TestDriver driver(record);
        driver.OnModal<CDlgEveryKind>([](CDlgEveryKind&) {});  // leaves it open
        EXPECT_EQ(CDlgEveryKind().DoModal(), IDCANCEL);
    }
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("still open"), std::string::npos);

    failures.clear();
    {
        TestDriver driver(record);
        driver.ExpectMessageBox("提示", "从未出现");
    }
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("unused answer"), std::string::npos);
}

// After the script's answers, a driver told to answer the rest closes every
// further request without failing the test and hands each modal dialog to
// its handler; a dialog the handler leaves open ends as cancelled.
TEST(TestDriverTest, TheRestIsAnsweredAsClosedAndDialogsGoToTheHandler) {
    std::vector<std::string> failures;
    std::vector<std::string> handled;
    {
        TestDriver driver([&failures](const std::string& m) { failures.push_back(m); });
        driver.ExpectMessageBox("提示", "确定删除所选记录？", IDYES);
        driver.AnswerTheRest([&handled](Dialog& dialog) { handled.push_back(dialog.GetTemplate().caption); });
        EXPECT_EQ(MessageBox("确定删除所选记录？", "提示", MB_YESNO), IDYES);  // the script first
        EXPECT_EQ(MessageBox("已存在，是否覆盖原有记录？", "提示", MB_YESNO), IDNO);
        EXPECT_EQ(MessageBox("保存失败", "提示", MB_OKCANCEL), IDCANCEL);
        FileDialog chooser(TRUE);
        EXPECT_EQ(chooser.DoModal(), IDCANCEL);
        EXPECT_EQ(BrowseForFolder("选择导入文件夹路径"), "");
        CDlgEveryKind dlg;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_FALSE(dlg.IsWindow());
    }
    EXPECT_EQ(failures, std::vector<std::string>{});
    EXPECT_EQ(handled, std::vector<std::string>{"全部控件"});
}

// Every kind of answer against every other kind of request: the request goes
// as cancelled, the test gets GoogleTest failures (the unexpected request and
// the unused answer), and nothing else happens.
TEST(TestDriverTest, AnAnswerOfTheWrongKindFailsTheTestWithoutHarm) {
    struct Kind {
        const char* name;
        std::function<void(TestDriver&)> answer;
        std::function<bool()> ask;  // true when the request went as cancelled
    };
    const Kind kinds[] = {
        {"MessageBox", [](TestDriver& d) { d.AnswerMessageBox(IDYES); },
         [] { return MessageBox("是否覆盖？", "提示", MB_YESNO) == IDNO; }},
        {"Folder", [](TestDriver& d) { d.AnswerFolder("/tmp/导出"); },
         [] { return BrowseForFolder("选择导入文件夹路径").empty(); }},
        {"File", [](TestDriver& d) { d.AnswerFile("/tmp/a.uif"); },
         [] {
             FileDialog chooser(TRUE, "uif");
             return chooser.DoModal() == IDCANCEL && chooser.GetPathName().empty();
         }},
        {"Modal", [](TestDriver& d) { d.OnModal<CDlgEveryKind>([](CDlgEveryKind& dlg) { dlg.Click(IDOK); }); },
         [] {
             CDlgEveryKind dialog;
             return dialog.DoModal() == IDCANCEL && dialog.okCalls == 0;
         }},
        {"Color", [](TestDriver& d) { d.AnswerColor(RGB(1, 2, 3)); },
         [] {
             COLORREF chosen = RGB(9, 9, 9);
             return !ChooseColor(0, chosen) && chosen == RGB(9, 9, 9);
         }},
        {"Font", [](TestDriver& d) { d.AnswerFont(FontSpec{"黑体"}); },
         [] {
             FontSpec font{"宋体"};
             return !ChooseFont(font) && font.face == "宋体";
         }},
    };
    for (const Kind& scripted : kinds) {
        for (const Kind& asked : kinds) {
            if (&scripted == &asked) continue;
            SCOPED_TRACE(std::string(asked.name) + " answered with a " + scripted.name);
            testing::TestPartResultArray failures;
            bool cancelled = false;
            {
                testing::ScopedFakeTestPartResultReporter intercept(
                    testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
                TestDriver driver;
                scripted.answer(driver);
                cancelled = asked.ask();
            }
            EXPECT_TRUE(cancelled);
            ASSERT_EQ(failures.size(), 2);
            EXPECT_TRUE(failures.GetTestPartResult(0).nonfatally_failed());
            EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find(std::string("expects a ") + scripted.name),
                      std::string::npos)
                << failures.GetTestPartResult(0).message();
            EXPECT_NE(std::string(failures.GetTestPartResult(1).message()).find("unused answer: " + std::string(scripted.name)),
                      std::string::npos)
                << failures.GetTestPartResult(1).message();
        }
    }
}

// ---- data exchange ----

const DialogTemplate& ScoreTemplate() {
    static const DialogTemplate t{10007, "评分指标管理", {0, 0, 200, 120}, {
        {Kind::Edit, 200, "", {5, 5, 50, 12}},
        {Kind::Edit, 201, "", {5, 20, 50, 12}},
        {Kind::Edit, 202, "", {5, 35, 50, 12}},
        {Kind::CheckBox, 203, "启用", {5, 50, 50, 10}},
        {Kind::RadioButton, 204, "一", {5, 65, 30, 10}, WS_GROUP},
        {Kind::RadioButton, 205, "二", {40, 65, 30, 10}},
        {Kind::RadioButton, 206, "三", {75, 65, 30, 10}},
        {Kind::CheckBox, 207, "其他", {110, 65, 30, 10}},
        {Kind::ComboBox, 208, "", {5, 80, 60, 50}, CBS_DROPDOWNLIST, {"6", "7", "8", "9", "10"}},
        {Kind::DefPushButton, IDOK, "确定", {100, 100, 40, 14}},
        {Kind::PushButton, IDCANCEL, "取消", {150, 100, 40, 14}},
    }};
    return t;
}

class CDlgScore : public Dialog {
public:
    CDlgScore() : Dialog(ScoreTemplate()) {}
    std::string m_strName = "甲乙";
    int m_nWeight = 30;
    double m_dRate = 0.25;
    int m_bOn = 1;
    int m_nRadio = 2;
    int m_nCount = 1;

protected:
    void DoDataExchange(DataExchange& dx) override {
        dx.Text(200, m_strName);
        dx.MaxChars(m_strName, 6);
        dx.Text(201, m_nWeight);
        dx.MinMaxInt(m_nWeight, 0, 100);
        dx.Text(202, m_dRate);
        dx.Check(203, m_bOn);
        dx.Radio(204, m_nRadio);
        dx.CBIndex(208, m_nCount);
    }
};

TEST(DataExchangeTest, LoadsMembersIntoControlsAndSavesThemBack) {
    TestDriver driver;
    CDlgScore dlg;
    driver.OnModal<CDlgScore>([](CDlgScore& d) {
        EXPECT_EQ(d.GetDlgItemText(200), "甲乙");
        EXPECT_EQ(d.GetDlgItemText(201), "30");
        EXPECT_EQ(d.GetDlgItemText(202), "0.25");
        EXPECT_EQ(d.IsDlgButtonChecked(203), 1u);
        EXPECT_EQ(d.IsDlgButtonChecked(206), 1u);
        EXPECT_EQ(d.Item<ComboBox>(208)->GetCurSel(), 1);

        d.SetDlgItemText(200, "丙丁戊");
        d.SetDlgItemText(201, " 75 ");
        d.SetDlgItemText(202, "1.5e1");
        d.Click(203);  // unchecks
        d.Click(204);
        d.Item<ComboBox>(208)->SetCurSel(4);
        d.Click(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strName, "丙丁戊");
    EXPECT_EQ(dlg.m_nWeight, 75);
    EXPECT_DOUBLE_EQ(dlg.m_dRate, 15.0);
    EXPECT_EQ(dlg.m_bOn, 0);
    EXPECT_EQ(dlg.m_nRadio, 0);
    EXPECT_EQ(dlg.m_nCount, 4);
}

TEST(DataExchangeTest, RefusedValuesShowTheFrameworkMessageAndKeepTheDialogOpen) {
    struct Case {
        int id;
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {201, "101", "请输入一个介于 0 和 100 之间的整数。"},
        {201, "-1", "请输入一个介于 0 和 100 之间的整数。"},
        {201, "12a", "请输入一个整数。"},
        {201, "", "请输入一个整数。"},
        {201, "99999999999", "请输入一个整数。"},
        {202, "abc", "请输入一个数字。"},
        {200, "甲乙丙丁", "请输入不超过 6 个字符。"},  // 8 GBK bytes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TestDriver driver;
        CDlgScore dlg;
        driver.OnModal<CDlgScore>([&c](CDlgScore& d) {
            d.SetDlgItemText(c.id, c.typed);
            d.Click(IDOK);
            EXPECT_TRUE(d.IsRunningModal());
            d.SetDlgItemText(c.id, c.id == 200 ? "甲" : "50");
            d.Click(IDOK);
        });
        driver.ExpectMessageBox(AppTitle(), c.message);
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_EQ(driver.MessageBoxes()[0].type & MB_ICONMASK, MB_ICONEXCLAMATION);
    }
}

TEST(DataExchangeTest, TheGbkLimitHoldsWhileTyping) {
    TestDriver driver;
    driver.OnModal<CDlgScore>([](CDlgScore& d) {
        auto* name = d.Item<Edit>(200);
        EXPECT_EQ(name->GetLimitText(), 6);
        name->SetWindowText("");
        sim::Type(*name, "一二三四");
        EXPECT_EQ(name->GetWindowText(), "一二三");
        d.Click(IDCANCEL);
    });
    CDlgScore().DoModal();
}

TEST(DataExchangeTest, RadioGroupEndsAtTheNextNonRadioControl) {
    TestDriver driver;
    CDlgScore dlg;
    driver.OnModal<CDlgScore>([](CDlgScore& d) {
        d.Click(207);  // the check box after the group is not part of it
        d.Click(205);
        EXPECT_EQ(d.IsDlgButtonChecked(206), 0u);  // the group is exclusive
        d.Click(IDOK);
    });
    dlg.m_nRadio = -1;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nRadio, 1);
}

// ---- child dialogs and colours ----

const DialogTemplate& HostTemplate() {
    static const DialogTemplate t{7000, "宿主", {0, 0, 300, 200}, {
        {Kind::Static, 7018, "", {10, 20, 200, 100}, SS_BLACKFRAME},
        {Kind::PushButton, IDCANCEL, "取消", {240, 180, 50, 14}},
    }};
    return t;
}

const DialogTemplate& PanelTemplate() {
    static const DialogTemplate t{7008, "", {0, 0, 100, 50}, {
        {Kind::Edit, 3130, "面板", {5, 5, 60, 12}},
    }, WS_CHILD};
    return t;
}

class CPanel : public Dialog {
public:
    CPanel() : Dialog(PanelTemplate()) {}

protected:
    std::optional<CtlColor> OnCtlColor(Wnd& control, UINT kind) override {
        if (kind == CTLCOLOR_DLG) return CtlColor{RGB(242, 246, 255), std::nullopt};
        if (kind == CTLCOLOR_EDIT) return CtlColor{std::nullopt, RGB(255, 0, 0)};
        return std::nullopt;
    }
};

TEST(ChildDialogTest, LiesOverItsPlaceholderAndTakesItsColours) {
    TestDriver driver;
    driver.OnModal([](Dialog& host) {
        CPanel panel;
        ASSERT_TRUE(panel.CreateOver(&host, 7018));
        EXPECT_EQ(panel.GetParent(), &host);
        EXPECT_EQ(host.ScreenToClient(panel.GetWindowRect()), host.GetItemRect(7018));
        EXPECT_TRUE(panel.IsWindowVisible());
        EXPECT_EQ(panel.GetWidget()->palette().color(QPalette::Window), QColor(242, 246, 255));
        EXPECT_EQ(panel.GetDlgItem(3130)->GetWidget()->palette().color(QPalette::Text), QColor(255, 0, 0));
        host.Click(IDCANCEL);
    });
    Dialog host(HostTemplate());
    EXPECT_EQ(host.DoModal(), IDCANCEL);
}

}  // namespace
