#include "guide_annual/DlgGuideIssue.h"

#include "foundation/FileMessages.h"
#include "foundation/RecordTexts.h"
#include "foundation/Sql.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "guide_annual/DlgOneGuide.h"
#include "guide_annual/DlgWait.h"
#include "guide_annual/GuideOutputChoice.h"
#include "guide_annual/UnitGuideIssue.h"
#include "platform/office/Word.h"
#include "platform/sys/Sys.h"
#include "platform/ui/App.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Services.h"

using namespace outputchoice;

CDlgGuideIssue::CDlgGuideIssue(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapClicked(IDC_OUTPUT, [this] { OnBtnOutput(); });
    MapCommandRange(IDC_CHAPTER_FIRST, IDC_CHAPTER_ALL, [this](int id) { OnChapterBoxClicked(*this, id); });
    MapClicked(IDC_SELECT_ALL, [this] { TickAllUnits(); });
    MapClicked(IDC_INVERT, [this] { InvertUnitTicks(); });
    MapCommand(IDC_YEAR, CBN_SELCHANGE, [this] { FillUnitList(); });
    MapClicked(IDC_KEY_DIRECTIONS, [this] { FillUnitList(); });
    MapClicked(IDC_GENERAL_DIRECTIONS, [this] { FillUnitList(); });
}

const ui::DialogTemplate& CDlgGuideIssue::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 580, 300}, {
        {Kind::GroupBox, IDC_STATIC, "下发单位选择：", {7, 7, 390, 286}},
        {Kind::ListCtrl, IDC_UNIT_LIST, "", {14, 20, 320, 266},
         WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS},
        {Kind::PushButton, IDC_SELECT_ALL, "全选", {342, 20, 48, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_INVERT, "反选", {342, 40, 48, 14}, WS_TABSTOP},
        {Kind::GroupBox, IDC_STATIC, "研究方向类型：", {405, 7, 168, 34}},
        {Kind::CheckBox, IDC_KEY_DIRECTIONS, "重点研究方向", {413, 21, 72, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_GENERAL_DIRECTIONS, "一般研究方向", {493, 21, 72, 10}, WS_TABSTOP},
        {Kind::Static, IDC_STATIC, "发布年份：", {407, 52, 42, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {451, 50, 80, 80}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT},
        {Kind::GroupBox, IDC_STATIC, "输出选择：", {405, 72, 168, 96}},
        {Kind::CheckBox, IDC_CHAPTER_FIRST, "概述", {413, 86, 150, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_CHAPTER_FIRST + 1, "国内外研究情况", {413, 101, 150, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_CHAPTER_FIRST + 2, "年度目标和重点研究内容", {413, 116, 150, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_CHAPTER_LAST, "选题范围", {413, 131, 150, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_CHAPTER_ALL, "全选", {413, 146, 150, 10}, WS_TABSTOP},
        {Kind::PushButton, IDC_OUTPUT, "输出指南", {459, 180, 60, 16}, WS_TABSTOP},
    }, WS_CHILD};
    return t;
}

ui::ListCtrl& CDlgGuideIssue::UnitList() const { return *Item<ui::ListCtrl>(IDC_UNIT_LIST); }

BOOL CDlgGuideIssue::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuidePanelBackground);
    SetUpCheckList(UnitList(), {{"单位代码", 100}, {"单位名称", 380}}, 80);
    CheckDlgButton(IDC_KEY_DIRECTIONS, 1);
    CheckDlgButton(IDC_GENERAL_DIRECTIONS, 1);
    FillYears();
    if (!ConnectGuideDatabase(m_connection)) {
        ui::AfxMessageBox("连接数据库失败！");
        return TRUE;
    }
    BindGuideRecordset(m_recordset, m_connection);
    FillUnitList();
    CheckAllChapterBoxes(*this);
    return TRUE;
}

void CDlgGuideIssue::FillYears() { FillPeriodYears(*Item<ui::ComboBox>(IDC_YEAR), CDlgOneGuide::m_strPublishYear); }

void CDlgGuideIssue::FillUnitList() {
    const std::string year = Item<ui::ComboBox>(IDC_YEAR)->GetWindowText();
    ui::ListCtrl& list = UnitList();
    list.DeleteAllItems();
    const bool key = IsDlgButtonChecked(IDC_KEY_DIRECTIONS) != 0;
    const bool general = IsDlgButtonChecked(IDC_GENERAL_DIRECTIONS) != 0;
    list.AppendRows(guidestore::DirectedUnits(m_connection, year, key, general));
}

void CDlgGuideIssue::ReloadYear() {
    FillYears();
    FillUnitList();
}

void CDlgGuideIssue::TickAllUnits() {
    ui::ListCtrl& list = UnitList();
    for (int row = 0; row < list.GetItemCount(); ++row) list.SetCheck(row, TRUE);
}

void CDlgGuideIssue::InvertUnitTicks() {
    ui::ListCtrl& list = UnitList();
    for (int row = 0; row < list.GetItemCount(); ++row) list.SetCheck(row, !list.GetCheck(row));
}

void CDlgGuideIssue::OnBtnOutput() {
    const std::vector<std::string> units = TickedCodes(UnitList());
    if (units.empty()) {
        GuidePrompt("请选择下发单位！");
        return;
    }
    const std::string chosen = ui::BrowseForFolder("请选择指南输出路径");
    if (chosen.empty()) return;
    auto word = office::word::Application::Create();
    if (!word) {
        GuidePrompt("Word服务程序启动失败！", MB_ICONERROR);
        return;
    }
    const std::string folder = IssuedGuideFolder(chosen);
    if (!MakeFolderOrSay(folder)) return;
    m_arrChapters = CheckedChapters(*this);
    UnitGuideChoice choice;
    choice.year = Item<ui::ComboBox>(IDC_YEAR)->GetWindowText();
    choice.keyDirections = IsDlgButtonChecked(IDC_KEY_DIRECTIONS) != 0;
    choice.generalDirections = IsDlgButtonChecked(IDC_GENERAL_DIRECTIONS) != 0;
    choice.chapters = m_arrChapters;
    const std::string topicFolder = guidefiles::TopicFolder();
    sys::MakeDirs(topicFolder);

    CDlgWait wait(this);
    wait.Create();
    wait.ShowWindow(SW_SHOW);
    const std::string failure =
        WriteUnitGuides(*word, m_connection, units, choice, folder, [&wait](int done, int total) {
            wait.ShowProgress(done, total);
            ui::PumpMessages();
        });
    word->Quit();
    sys::RemoveAll(sys::NativePath(topicFolder));
    if (failure.empty()) GuidePrompt(WithSavedFolder("输出完成！", folder));
    else GuidePrompt(failure, MB_ICONERROR);
    wait.DestroyWindow();
}
