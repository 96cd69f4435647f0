// Module hosting: navigation commands open their views in the frame's one
// slot; the management, help and exit commands.
#include "MainTestSupport.h"

#include <QWidget>

#include "achievement/DlgSCGZH.h"
#include "application/Dlgproappl.h"
#include "exchange/export/DlgGuideExport.h"
#include "exchange/export/DlgProjectExport.h"
#include "exchange/import/DlgGuideImport.h"
#include "exchange/import/DlgProjectImport.h"
#include "followup/DlgProSum.h"
#include "followup/DlgProSum1.h"
#include "guide_annual/DlgOneGuide.h"
#include "guide_annual/DlgOneGuideXF.h"
#include "guide_fiveyear/DlgFiveGuide.h"
#include "main/Commands.h"
#include "main/MainFrameStart.h"
#include "platform/office/Office.h"
#include "platform/sys/Sys.h"
#include "main/CorvaneView.h"
#include "foundation/Options.h"
#include "main/FrameLayout.h"
#include "main/Period.h"
#include "review/DlgAccept.h"
#include "review/DlgFirstAPPR.h"
#include "review/DlgHanS.h"
#include "review/DlgHuiS.h"
#include "review/DlgJinZ.h"
#include "review/DlgPF.h"
#include "review/DlgPlan.h"

namespace {

// A module view that counts its objects and initial updates.
class CCountingView : public ui::FormView {
    DECLARE_DYNCREATE(CCountingView)
public:
    CCountingView() : ui::FormView(ui::DialogTemplate{9001, "", {0, 0, 100, 50}, {}, WS_CHILD}) { ++created; }
    void OnInitialUpdate() override {
        ++initialUpdates;
        ui::FormView::OnInitialUpdate();
    }
    int initialUpdates = 0;
    static inline int created = 0;
};
IMPLEMENT_DYNCREATE(CCountingView, ui::FormView)

// A class whose objects cannot be made.
const ui::RuntimeClass kBrokenView{"CBrokenView", nullptr, RUNTIME_CLASS(ui::FormView)};

int ViewCount(CMainFrame& frame) {
    return int(frame.GetViewParent()->GetWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size());
}

}  // namespace

using ModuleHosting = MainWindowTest;

TEST_F(ModuleHosting, EachCommandOpensItsViewClass) {
    struct Case {
        int command;
        const ui::RuntimeClass* cls;
        int kind, index;
    } cases[] = {
        {2000, RUNTIME_CLASS(CDlgFiveGuide), 1, 0},    {2001, RUNTIME_CLASS(CDlgOneGuide), 1, 0},
        {2008, RUNTIME_CLASS(CDlgOneGuideXF), 1, 0},   {2002, RUNTIME_CLASS(CDlgproappl), 1, 0},
        {2003, RUNTIME_CLASS(CDlgPlan), 1, 0},         {2004, RUNTIME_CLASS(CDlgProSum), 1, 0},
        {2011, RUNTIME_CLASS(CDlgProSum1), 1, 0},      {2013, RUNTIME_CLASS(CDlgSCGZH), 1, 0},
        {2005, RUNTIME_CLASS(CDlgFirstAPPR), 1, 0},    {2006, RUNTIME_CLASS(CDlgPF), 1, 0},
        {2007, RUNTIME_CLASS(CDlgAccept), 1, 0},       {2009, RUNTIME_CLASS(CDlgHanS), 1, 0},
        {2010, RUNTIME_CLASS(CDlgHuiS), 1, 0},         {2012, RUNTIME_CLASS(CDlgJinZ), 1, 0},
        {32868, RUNTIME_CLASS(CDlgGuideImport), 2, 0}, {32870, RUNTIME_CLASS(CDlgGuideExport), 2, 1},
        {32872, RUNTIME_CLASS(CDlgProjectImport), 2, 2}, {32873, RUNTIME_CLASS(CDlgProjectExport), 2, 3},
    };
    CMainFrame& main = OpenFrame(2);
    EXPECT_EQ(main.GetPaneView()->GetRuntimeClass(), RUNTIME_CLASS(CCorvaneView));
    for (const Case& c : cases) {
        main.SendMessage(WM_COMMAND, MAKEWPARAM(c.command, 0));
        ui::Wnd* view = main.GetPaneView();
        ASSERT_NE(view, nullptr) << c.command;
        EXPECT_EQ(view->GetRuntimeClass(), c.cls) << c.command;
        EXPECT_EQ(main.GetActiveView(), view);
        EXPECT_TRUE(view->IsWindowVisible()) << c.command;
        EXPECT_EQ(view->GetWindowRect().Width(), main.GetViewParent()->GetClientRect().Width());
        EXPECT_EQ(main.m_nCommandKind, c.kind) << c.command;
        if (c.kind == 2) {
            EXPECT_EQ(main.m_nCommandIndex, c.index) << c.command;
        }
        EXPECT_EQ(ViewCount(main), 1) << "the start view and earlier modules are gone";
    }
    EXPECT_EQ(main.GetWindowText(), "Tessaly");  // opening modules leaves the caption alone
    EXPECT_EQ(main.GetCommandCaption(), "Tessaly-导出项目");
}

TEST_F(ModuleHosting, IdWithoutModuleChangesNothing) {
    CMainFrame& main = OpenFrame(2);
    ui::Wnd* start = main.GetPaneView();
    main.SendMessage(WM_COMMAND, MAKEWPARAM(2014, 0));
    EXPECT_EQ(main.GetPaneView(), start);
}

TEST_F(ModuleHosting, SameModuleKeepsItsViewAnotherBuildsAFreshOne) {
    CMainFrame& main = OpenFrame(2);
    ASSERT_TRUE(main.SwitchView(RUNTIME_CLASS(CCountingView)));
    auto* first = dynamic_cast<CCountingView*>(main.GetPaneView());
    ASSERT_NE(first, nullptr);
    const int createdBefore = CCountingView::created;
    ASSERT_TRUE(main.SwitchView(RUNTIME_CLASS(CCountingView)));
    EXPECT_EQ(main.GetPaneView(), first);
    EXPECT_EQ(first->initialUpdates, 1);
    EXPECT_EQ(CCountingView::created, createdBefore);

    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kFiveYearGuide, 0));
    ASSERT_TRUE(main.SwitchView(RUNTIME_CLASS(CCountingView)));
    auto* second = dynamic_cast<CCountingView*>(main.GetPaneView());
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(CCountingView::created, createdBefore + 1);
    EXPECT_EQ(second->initialUpdates, 1);
}

TEST_F(ModuleHosting, FailedCreationKeepsTheOldView) {
    CMainFrame& main = OpenFrame(2);
    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kAnnualGuide, 0));
    ui::Wnd* guide = main.GetPaneView();
    driver.ExpectMessageBox("Tessaly", "无法创建视图！");
    EXPECT_FALSE(main.SwitchView(&kBrokenView));
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(main.GetPaneView(), guide);
    EXPECT_EQ(main.GetActiveView(), guide);
    EXPECT_TRUE(guide->IsWindowVisible());
    EXPECT_TRUE(guide->IsWindowEnabled());
    EXPECT_EQ(ViewCount(main), 1);
}

TEST_F(ModuleHosting, StatusBarPanesAndClock) {
    CMainFrame& main = OpenFrame(1, "sbdw");
    ui::StatusBar& bar = main.GetStatusBar();
    ASSERT_EQ(bar.GetCount(), 5);
    const auto widths = StatusPaneWidths(main.GetClientRect().Width());
    for (int pane = 0; pane < 5; ++pane) EXPECT_EQ(bar.GetPaneWidth(pane), widths[pane]) << pane;
    EXPECT_EQ(bar.CommandToIndex(57347), 3);
    EXPECT_EQ(bar.GetPaneText(1), "当前时期：" + PeriodNameForRange(COptions().GetPeriod()));
    EXPECT_EQ(bar.GetPaneText(2), "当前用户：sbdw");
    EXPECT_EQ(bar.GetPaneText(4), "版权");
    bar.SetPaneText(3, "");
    main.SendMessage(WM_TIMER, CMainFrame::kClockTimer);
    EXPECT_EQ(bar.GetPaneText(3).rfind("当前时间：", 0), 0u) << bar.GetPaneText(3);
}

TEST_F(ModuleHosting, ManagementCommandWithoutTheLibraryTellsTheUser) {
    CMainFrame& main = OpenFrame(2);
    ui::Wnd* start = main.GetPaneView();
    driver.ExpectMessageBox("Tessaly", "加载DLL失败!");
    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kExpertManage, 0));
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(main.m_nCommandKind, 0);
    EXPECT_EQ(main.m_nCommandIndex, 2);
    EXPECT_EQ(main.GetPaneView(), start);
}

TEST_F(ModuleHosting, HelpCommandsOpenTheirDocuments) {
    CMainFrame& main = OpenFrame(1);
    for (int id : {cmd::kHelpManual, cmd::kApplicationTemplate, cmd::kResearchTemplate})
        EXPECT_TRUE(main.GetMenuBar().ChooseItem(id)) << id;
    EXPECT_EQ(driver.ShellOpens(), (std::vector<std::string>{PathOf("用户手册.docx"), PathOf("模板/项目申请书模板.docx"),
                                                             PathOf("模板/研究目标及研究内容模板.docx")}));
}

// Where the desktop has no program for a file, the user is told where the
// file is, for the shipped documents and for the outputs the office code writes.
TEST_F(ModuleHosting, FilesNothingCanOpenAreNamedToTheUser) {
    CMainFrame& main = OpenFrame(1);
    driver.SetShellOpensSucceed(false);
    const std::string manual = sys::NativePath(PathOf("用户手册.docx"));
    driver.ExpectMessageBox("Tessaly", "文件已保存在：\n" + manual + "\n\n系统中没有能打开它的程序，请到该位置查看。");
    EXPECT_TRUE(main.GetMenuBar().ChooseItem(cmd::kHelpManual));
    EXPECT_TRUE(driver.Finished());

    ASSERT_TRUE(sys::RemoveFile(PathOf("模板/项目申请书模板.docx")));
    driver.ExpectMessageBox("Tessaly", "找不到文件：\n" + sys::NativePath(PathOf("模板/项目申请书模板.docx")));
    EXPECT_TRUE(main.GetMenuBar().ChooseItem(cmd::kApplicationTemplate));
    EXPECT_TRUE(driver.Finished());

    const auto start = NewMainFrame();  // hands the office outputs to the shell service
    const std::string report = sys::NativePath(PathOf("temp/报表.xlsx"));
    ASSERT_TRUE(sys::WriteFileAtomic(report, "x"));
    driver.ExpectMessageBox("Tessaly", "文件已保存在：\n" + report + "\n\n系统中没有能打开它的程序，请到该位置查看。");
    office::ShellOpen(report);
    EXPECT_TRUE(driver.Finished());
    office::SetShellOpenHook(nullptr);
}

TEST_F(ModuleHosting, CancelOnTheExitQuestionKeepsTheFrameAndItsView) {
    CMainFrame& main = OpenFrame(2);
    main.SendMessage(WM_COMMAND, MAKEWPARAM(cmd::kApplication, 0));
    ui::Wnd* view = main.GetPaneView();
    driver.ExpectMessageBox("提示", "未保存的信息将会丢失，确定退出吗？", IDCANCEL);
    main.GetMenuBar().ChooseItem(cmd::kAppExit);
    EXPECT_TRUE(main.IsWindow());
    EXPECT_EQ(main.GetPaneView(), view);

    driver.ExpectMessageBox("提示", "未保存的信息将会丢失，确定退出吗？", IDOK);
    main.OnClose();
    EXPECT_FALSE(main.IsWindow());
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(driver.MessageBoxes().back().type, UINT(MB_OKCANCEL | MB_ICONQUESTION));
}
