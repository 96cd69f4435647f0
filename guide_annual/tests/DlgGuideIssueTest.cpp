// The guide-issuing view and its panel: the units of a year by direction
// kind, the year choice of the period, the chapter and unit ticks, and the
// per-unit Word guides with their failures and progress.
#include "GuideOutputTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <algorithm>

#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/DlgGuideIssue.h"
#include "guide_annual/DlgOneGuideXF.h"
#include "guide_annual/DlgWait.h"
#include "guide_annual/UnitGuideIssue.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"
#include "testsupport/TempFolder.h"

namespace {

using Panel = CDlgGuideIssue;

// The frame's view slot.
class Host : public ui::Dialog {
public:
    Host() : ui::Dialog(Template()) { Create(); }

private:
    static const ui::DialogTemplate& Template() {
        static const ui::DialogTemplate t{900, "host", {0, 0, 620, 340}, {}};
        return t;
    }
};

class GuideIssue : public GuideOutputTest {
protected:
    // The view as the frame opens it.
    Panel& OpenView() {
        view = std::make_unique<CDlgOneGuideXF>();
        EXPECT_TRUE(view->CreateView(&host, {0, 0, 1000, 600}));
        view->OnInitialUpdate();
        return *view->GetPanel();
    }
    static std::vector<std::string> Units(Panel& panel) {
        std::vector<std::string> units;
        for (int row = 0; row < panel.UnitList().GetItemCount(); ++row)
            units.push_back(panel.UnitList().GetItemText(row, 0) + " " + panel.UnitList().GetItemText(row, 1));
        std::sort(units.begin(), units.end());  // the query has no order
        return units;
    }
    static std::vector<std::string> Years(Panel& panel) {
        std::vector<std::string> years;
        auto* combo = panel.Item<ui::ComboBox>(Panel::IDC_YEAR);
        for (int i = 0; i < combo->GetCount(); ++i) years.push_back(combo->GetLBText(i));
        return years;
    }
    static void ChooseYear(Panel& panel, const std::string& year) {
        auto* combo = panel.Item<ui::ComboBox>(Panel::IDC_YEAR);
        combo->SetCurSel(combo->FindStringExact(-1, year));
        panel.OnCommand(Panel::IDC_YEAR, CBN_SELCHANGE);
    }
    static void Tick(Panel& panel, const std::vector<std::string>& codes) {
        ui::ListCtrl& list = panel.UnitList();
        for (int row = 0; row < list.GetItemCount(); ++row)
            list.SetCheck(row, std::find(codes.begin(), codes.end(), list.GetItemText(row, 0)) != codes.end());
    }
    static std::vector<int> Checks(Panel& panel, const std::vector<int>& ids) {
        std::vector<int> checks;
        for (int id : ids) checks.push_back(int(panel.IsDlgButtonChecked(id)));
        return checks;
    }
    std::string Issued(const std::string& unit) const {
        return sys::JoinPath(sys::JoinPath(chosen.Path(), "下发年度指南"), unit + ".docx");
    }

    Host host;
    std::unique_ptr<CDlgOneGuideXF> view;
    testsupport::TempFolder chosen;
};

constexpr int kChapterBoxes[] = {7008, 7009, 7010, 7011, 7012};

TEST_F(GuideIssue, ListsTheUnitsOfTheYearByDirectionKind) {
    SeedGuides();
    Panel& panel = OpenView();
    EXPECT_EQ(Years(panel), (std::vector<std::string>{"2006", "2007", "2008", "2009", "2010"}));
    EXPECT_EQ(panel.Item<ui::ComboBox>(Panel::IDC_YEAR)->GetWindowText(), "2006");
    EXPECT_TRUE(Units(panel).empty());
    EXPECT_EQ(panel.UnitList().GetColumnCount(), 2);
    EXPECT_TRUE(panel.UnitList().GetExtendedStyle() & LVS_EX_CHECKBOXES);
    EXPECT_EQ(Checks(panel, {7008, 7009, 7010, 7011, 7012, 7026, 7027}), std::vector<int>(7, 1));

    ChooseYear(panel, "2007");
    EXPECT_EQ(Units(panel), (std::vector<std::string>{"U001 甲单位", "U002 乙单位"}));  // each unit once
    struct Case {
        bool key, general;
        std::vector<std::string> units;
    } cases[] = {
        {false, true, {"U001 甲单位"}},  // 乙 is named for a key direction only
        {true, false, {"U001 甲单位", "U002 乙单位"}},
        {false, false, {}},
        {true, true, {"U001 甲单位", "U002 乙单位"}},
    };
    for (const Case& c : cases) {
        panel.CheckDlgButton(Panel::IDC_KEY_DIRECTIONS, c.key);
        panel.CheckDlgButton(Panel::IDC_GENERAL_DIRECTIONS, c.general);
        panel.OnCommand(c.key ? Panel::IDC_KEY_DIRECTIONS : Panel::IDC_GENERAL_DIRECTIONS, BN_CLICKED);
        EXPECT_EQ(Units(panel), c.units) << c.key << c.general;
    }
    ChooseYear(panel, "2008");
    EXPECT_EQ(Units(panel), (std::vector<std::string>{"U003 丙单位"}));
}

TEST_F(GuideIssue, UnitTicksSelectAllAndInvert) {
    SeedGuides();
    Panel& panel = OpenView();
    ChooseYear(panel, "2007");
    ui::ListCtrl& list = panel.UnitList();
    ASSERT_EQ(list.GetItemCount(), 2);
    EXPECT_FALSE(list.GetCheck(0) || list.GetCheck(1));
    panel.Click(Panel::IDC_SELECT_ALL);
    EXPECT_TRUE(list.GetCheck(0) && list.GetCheck(1));
    list.SetCheck(1, FALSE);
    panel.Click(Panel::IDC_INVERT);
    EXPECT_FALSE(list.GetCheck(0));
    EXPECT_TRUE(list.GetCheck(1));
    ChooseYear(panel, "2007");  // a new fill ticks nothing
    EXPECT_FALSE(list.GetCheck(0) || list.GetCheck(1));
}

TEST_F(GuideIssue, ChapterBoxesAndTheirSelectAllBox) {
    Panel& panel = OpenView();
    panel.Click(7008);  // unchecking 概述 unchecks 全选
    EXPECT_EQ(Checks(panel, {7008, 7009, 7010, 7011, 7012}), (std::vector<int>{0, 1, 1, 1, 0}));
    panel.Click(7010);
    panel.Click(7008);  // checking a chapter leaves 全选 as it is
    EXPECT_EQ(Checks(panel, {7008, 7009, 7010, 7011, 7012}), (std::vector<int>{1, 1, 0, 1, 0}));
    panel.Click(7012);  // checking 全选 checks the four chapters
    EXPECT_EQ(Checks(panel, {7008, 7009, 7010, 7011, 7012}), (std::vector<int>{1, 1, 1, 1, 1}));
    panel.Click(7012);  // unchecking it changes nothing else
    EXPECT_EQ(Checks(panel, {7008, 7009, 7010, 7011, 7012}), (std::vector<int>{1, 1, 1, 1, 0}));
}

TEST_F(GuideIssue, PeriodChangeRebuildsTheYearsAndClearsTheTicks) {
    SeedGuides();
    CDlgOneGuide::m_strPublishYear = "2006-2010";
    Panel& panel = OpenView();
    ChooseYear(panel, "2007");
    panel.Click(Panel::IDC_SELECT_ALL);

    CDlgOneGuide::m_strPublishYear = "2011-2015";
    view->ReloadYear();
    EXPECT_EQ(Years(panel), (std::vector<std::string>{"2011", "2012", "2013", "2014", "2015"}));
    EXPECT_TRUE(Units(panel).empty());

    CDlgOneGuide::m_strPublishYear = "2007-2011";
    view->ReloadYear();
    EXPECT_EQ(panel.Item<ui::ComboBox>(Panel::IDC_YEAR)->GetWindowText(), "2007");
    ASSERT_EQ(panel.UnitList().GetItemCount(), 2);
    EXPECT_FALSE(panel.UnitList().GetCheck(0) || panel.UnitList().GetCheck(1));
}

TEST_F(GuideIssue, PeriodNotSetOffersTheYearsFromZero) {
    SeedGuides();
    CDlgOneGuide::m_strPublishYear.clear();
    Panel& panel = OpenView();
    EXPECT_EQ(Years(panel), (std::vector<std::string>{"0", "1", "2", "3", "4"}));
    EXPECT_TRUE(Units(panel).empty());
}

TEST_F(GuideIssue, DatabaseNotReachableLeavesTheListsEmptyAndRefusesOutput) {
    SeedGuides();
    db.Close();
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    driver.AnswerMessageBox();
    Panel& panel = OpenView();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "连接数据库失败！");
    EXPECT_EQ(Checks(panel, {7008, 7009, 7010, 7011, 7012}), std::vector<int>(5, 0));
    ChooseYear(panel, "2007");
    EXPECT_TRUE(Units(panel).empty());
    driver.ExpectMessageBox("提示", "请选择下发单位！");
    panel.Click(Panel::IDC_OUTPUT);
    EXPECT_TRUE(driver.Finished());
}

TEST_F(GuideIssue, OutputRefusalsWriteNothing) {
    SeedGuides();
    Panel& panel = OpenView();
    ChooseYear(panel, "2007");

    driver.ExpectMessageBox("提示", "请选择下发单位！");  // nothing ticked: no folder is asked for
    panel.Click(Panel::IDC_OUTPUT);
    EXPECT_EQ(driver.Calls().back().type, MB_OK | MB_ICONINFORMATION);

    Tick(panel, {"U001"});
    driver.AnswerFolder("");  // cancelled: no message
    panel.Click(Panel::IDC_OUTPUT);
    EXPECT_EQ(driver.Calls().back().kind, "Folder");
    EXPECT_EQ(driver.Calls().back().caption, "请选择指南输出路径");

    RefuseWord();
    driver.AnswerFolder(chosen.Path());
    driver.ExpectMessageBox("提示", "Word服务程序启动失败！");
    panel.Click(Panel::IDC_OUTPUT);
    EXPECT_EQ(driver.Calls().back().type, MB_OK | MB_ICONERROR);
    EXPECT_TRUE(driver.Finished());
    EXPECT_FALSE(sys::FolderExists(sys::JoinPath(chosen.Path(), "下发年度指南")));
    EXPECT_TRUE(opened.empty());
}

TEST_F(GuideIssue, EachTickedUnitGetsItsGuidesWithPageBreaksBetweenThem) {
    SeedGuides();
    Panel& panel = OpenView();
    ChooseYear(panel, "2007");
    Tick(panel, {"U001", "U002"});
    driver.AnswerFolder(chosen.Path());
    driver.ExpectMessageBox("提示", "输出完成！\r\n文件保存在：" + IssuedGuideFolder(chosen.Path()));
    panel.Click(Panel::IDC_OUTPUT);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(panel.ChosenChapters(), (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_FALSE(sys::FolderExists(PathOf("选题范围")));  // the scratch folder exists only during the run
    EXPECT_TRUE(opened.empty());                           // saved, not left open

    const std::string u001 = DocumentText(Issued("U001"));
    EXPECT_EQ(u001.rfind("秘密\r", 0), 0u);
    EXPECT_EQ(Count(u001, "\f"), 2);  // three guides, a page break before the second and the third
    const std::vector<std::size_t> titles = Positions(
        u001, {"9140A01 指南一\v( 2007 )\r", "\f", "9140A02 指南二\v( 2007 )\r", "\f", "9140B01 指南三\v( 2007 )\r"});
    EXPECT_EQ(std::count(titles.begin(), titles.end(), std::string::npos), 0) << u001;
    EXPECT_TRUE(InOrder(u001, {"9140A01 指南一", "一、概述\r", "overview of 9140A01", "二、国内外研究情况\r",
                               "research of 9140A01", "三、年度目标和重点研究内容\r", "goals of 9140A01",
                               "四、选题范围\r", "9140A0101 专题一\r", "研究目的：\r", "purpose of 9140A0101",
                               "研究方向：\r", "9140A010101 方向一(重点项目)\r", "9140A010102 方向二\r",
                               "9140A02 指南二"}))
        << u001;
    EXPECT_EQ(u001.find("专题二"), std::string::npos);  // no direction of the unit
    EXPECT_EQ(u001.find("方向四"), std::string::npos);  // not directed at the unit
    EXPECT_EQ(u001.find("发布单位"), std::string::npos);
    EXPECT_EQ(Count(u001, "9140A010101 方向一"), 1);

    const std::string u002 = DocumentText(Issued("U002"));
    EXPECT_EQ(Count(u002, "\f"), 0);
    EXPECT_TRUE(InOrder(u002, {"秘密\r", "9140A01 指南一", "四、选题范围", "9140A0101 专题一",
                               "9140A010101 方向一(重点项目)"}))
        << u002;
    EXPECT_EQ(u002.find("方向二"), std::string::npos);
    EXPECT_EQ(u002.find("指南二"), std::string::npos);
}

// The issue of many units' guides is long work: its wait window is shown and
// advanced unit by unit, and the window's events (here a timer that looks at
// the screen) run between the units.
TEST_F(GuideIssue, TheWaitWindowIsShownAndAdvancedWhileTheGuidesAreWritten) {
    SeedGuides();
    Panel& panel = OpenView();
    ChooseYear(panel, "2007");
    Tick(panel, {"U001", "U002"});
    std::vector<std::string> seen;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || window->windowTitle() != "请稍候...") continue;
            for (QLabel* label : window->findChildren<QLabel*>()) {
                const std::string text = label->text().toStdString();
                if (text.find('/') != std::string::npos && (seen.empty() || seen.back() != text)) seen.push_back(text);
            }
        }
    });
    timer.start(0);
    driver.AnswerFolder(chosen.Path());
    driver.ExpectMessageBox("提示", "输出完成！\r\n文件保存在：" + IssuedGuideFolder(chosen.Path()));
    panel.Click(Panel::IDC_OUTPUT);
    EXPECT_EQ(seen, (std::vector<std::string>{"已输出：1/2", "已输出：2/2"}));
}

TEST_F(GuideIssue, OnlyKeyDirectionsAndOnlyTheTopicScope) {
    SeedGuides();
    Panel& panel = OpenView();
    ChooseYear(panel, "2007");
    panel.CheckDlgButton(Panel::IDC_GENERAL_DIRECTIONS, 0);
    panel.OnCommand(Panel::IDC_GENERAL_DIRECTIONS, BN_CLICKED);
    for (int id : {7008, 7009, 7010}) panel.Click(id);
    Tick(panel, {"U001"});
    driver.AnswerFolder(chosen.Path());
    driver.ExpectMessageBox("提示", "输出完成！\r\n文件保存在：" + IssuedGuideFolder(chosen.Path()));
    panel.Click(Panel::IDC_OUTPUT);

    const std::string text = DocumentText(Issued("U001"));
    EXPECT_TRUE(InOrder(text, {"9140A01 指南一", "四、选题范围", "9140A010101 方向一(重点项目)", "9140A02 指南二",
                               "四、选题范围", "9140B01 指南三", "四、选题范围", "9140B010101 方向五(重点项目)"}))
        << text;
    EXPECT_EQ(text.find("方向二"), std::string::npos);
    EXPECT_EQ(text.find("专题三"), std::string::npos);  // only general directions
    for (const char* heading : {"一、概述", "二、国内外研究情况", "三、年度目标和重点研究内容", "overview of"})
        EXPECT_EQ(text.find(heading), std::string::npos) << heading;
}

TEST_F(GuideIssue, AGuideWithoutItsRowPrintsNoTextOfAnotherGuide) {
    AddUnit("U001", "甲单位");
    AddDirection("9140Z0101", "9140Z", "2007", "9140Z01", "U001", "孤立方向", "1");
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(sys::WriteFileAtomic(guidefiles::ChapterFile(i), Rtf("stale chapter")));
    Panel& panel = OpenView();
    ChooseYear(panel, "2007");
    Tick(panel, {"U001"});
    driver.AnswerFolder(chosen.Path());
    driver.ExpectMessageBox("提示", "输出完成！\r\n文件保存在：" + IssuedGuideFolder(chosen.Path()));
    panel.Click(Panel::IDC_OUTPUT);
    const std::string text = DocumentText(Issued("U001"));
    EXPECT_NE(text.find("9140Z \v( 2007 )\r"), std::string::npos) << text;
    EXPECT_NE(text.find("一、概述"), std::string::npos);
    EXPECT_EQ(text.find("stale"), std::string::npos) << text;
}

TEST_F(GuideIssue, AUnitWithoutGuidesGetsOnlyTheMarkAndAnOldFileIsReplaced) {
    SeedGuides();
    const std::string folder = IssuedGuideFolder(chosen.Path());
    ASSERT_TRUE(sys::MakeDirs(folder));
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(folder, "U003.docx"), "old"));
    UnitGuideChoice choice{"2007", true, true, {"0", "1", "2", "3"}};
    auto word = office::word::Application::Create();
    std::vector<std::pair<int, int>> progress;
    EXPECT_EQ(WriteUnitGuides(*word, db, {"U003", "U002", "U001"}, choice, folder,
                              [&](int done, int total) {
                                  progress.push_back({done, total});
                                  EXPECT_EQ(word->Documents().Count(), 0) << "each unit's document closed once written";
                              }),
              "");
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 3}, {2, 3}, {3, 3}}));
    EXPECT_EQ(DocumentText(Issued("U003")), "秘密\r");
    for (const char* unit : {"U001", "U002"}) EXPECT_TRUE(sys::FileExists(Issued(unit))) << unit;
}

TEST_F(GuideIssue, AFolderThatCannotBeMadeIsReportedNotCompleted) {
    SeedGuides();
    Panel& panel = OpenView();
    ChooseYear(panel, "2007");
    Tick(panel, {"U001"});
    const std::string notAFolder = chosen.File("file");
    ASSERT_TRUE(sys::WriteFileAtomic(notAFolder, "x"));
    driver.AnswerFolder(notAFolder);
    driver.AnswerMessageBox();
    panel.Click(Panel::IDC_OUTPUT);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    // The folder of the issued guides cannot be made: it is named, with the reason.
    EXPECT_EQ(driver.MessageBoxes()[0].text, "无法创建文件夹“" + IssuedGuideFolder(notAFolder) +
                                                 "”：路径中已有同名的文件，不能作为文件夹！");
    EXPECT_EQ(driver.MessageBoxes()[0].type, MB_OK | MB_ICONERROR);
    EXPECT_FALSE(sys::FolderExists(PathOf("选题范围")));
}

TEST(IssuedGuideFolderTest, UnderTheChosenFolderAlsoAtTheRoot) {
    EXPECT_EQ(IssuedGuideFolder("/"), "/下发年度指南");
    EXPECT_EQ(IssuedGuideFolder("/data/"), "/data/下发年度指南");
    EXPECT_EQ(IssuedGuideFolder("/data"), "/data/下发年度指南");
}

TEST(DlgWaitTest, ProgressMessageAndLabel) {
    CDlgWait wait;
    wait.Create();
    auto* bar = wait.Item<ui::ProgressCtrl>(CDlgWait::IDC_PROGRESS);
    ASSERT_NE(bar, nullptr);
    wait.SendMessage(WM_USER + 1777, 0, 57);
    EXPECT_EQ(bar->GetPos(), 57);
    wait.ShowProgress(1, 3);
    EXPECT_EQ(bar->GetPos(), 33);
    EXPECT_EQ(wait.GetDlgItemText(CDlgWait::IDC_DONE), "已输出：1/3");
    wait.ShowProgress(3, 3);
    EXPECT_EQ(bar->GetPos(), 100);
    EXPECT_EQ(wait.GetDlgItemText(CDlgWait::IDC_DONE), "已输出：3/3");
}

}  // namespace
