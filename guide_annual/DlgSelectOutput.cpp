#include "guide_annual/DlgSelectOutput.h"

#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "guide_annual/GuideOutputChoice.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"

using namespace outputchoice;

CDlgSelectOutput::CDlgSelectOutput(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapCommand(IDC_YEAR, CBN_SELCHANGE, [this] { FillGuideList(); });
    MapCommandRange(IDC_CHAPTER_FIRST, IDC_CHAPTER_ALL, [this](int id) { OnChapterBoxClicked(*this, id); });
}

const ui::DialogTemplate& CDlgSelectOutput::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "选择输出", {0, 0, 300, 262}, {
        {Kind::Static, IDC_STATIC, "年份选择：", {10, 10, 44, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {56, 8, 80, 80}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST},
        {Kind::GroupBox, IDC_STATIC, "指南选择：", {7, 26, 286, 150}},
        {Kind::ListCtrl, IDC_GUIDE_LIST, "", {14, 38, 272, 132},
         WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS},
        {Kind::GroupBox, IDC_STATIC, "输出选择：", {7, 180, 286, 52}},
        {Kind::CheckBox, IDC_CHAPTER_FIRST, "概述", {14, 194, 60, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_CHAPTER_FIRST + 1, "国内外研究情况", {80, 194, 80, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_CHAPTER_FIRST + 2, "年度目标和重点研究内容", {166, 194, 120, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_CHAPTER_LAST, "选题范围", {14, 212, 60, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_CHAPTER_ALL, "全选", {80, 212, 60, 10}, WS_TABSTOP},
        {Kind::DefPushButton, IDOK, "确定", {90, 240, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {160, 240, 50, 14}, WS_TABSTOP},
    }};
    return t;
}

ui::ListCtrl& CDlgSelectOutput::GuideList() const { return *Item<ui::ListCtrl>(IDC_GUIDE_LIST); }

BOOL CDlgSelectOutput::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuideDialogBackground);
    CheckAllChapterBoxes(*this);
    SetUpCheckList(GuideList(), {{"基金编号/实验室代码", 130}, {"指南名称", 270}}, 0);
    FillPeriodYears(*Item<ui::ComboBox>(IDC_YEAR), m_strPublishYear);
    FillGuideList();
    return TRUE;
}

void CDlgSelectOutput::FillGuideList() {
    ui::ListCtrl& list = GuideList();
    list.DeleteAllItems();
    if (!m_pRecordset) return;
    const std::string year = Item<ui::ComboBox>(IDC_YEAR)->GetWindowText();
    if (guidestore::OpenGuidesOfYear(*m_pRecordset, year)) {
        for (; !m_pRecordset->IsEOF(); m_pRecordset->MoveNext()) {
            std::string fund, name;
            m_pRecordset->GetString("jjbh", fund);
            m_pRecordset->GetString("znmc", name);
            const int row = list.InsertItem(list.GetItemCount(), fund);
            list.SetItemText(row, 1, name);
        }
    }
    m_pRecordset->Close();
}

void CDlgSelectOutput::OnOK() {
    m_arrFunds.clear();
    m_arrYears.clear();
    m_arrChapters.clear();
    const std::vector<std::string> funds = TickedCodes(GuideList());
    if (funds.empty()) {
        GuidePrompt("请选择要输出的指南！");
        return;
    }
    const std::string year = Item<ui::ComboBox>(IDC_YEAR)->GetWindowText();
    m_arrFunds = funds;
    m_arrYears.assign(funds.size(), year);
    m_arrChapters = CheckedChapters(*this);
    ui::Dialog::OnOK();
}
