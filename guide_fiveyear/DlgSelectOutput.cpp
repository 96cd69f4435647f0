#include "guide_fiveyear/DlgSelectOutput.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_fiveyear/FiveGuideStore.h"
#include "guide_annual/AnnualGuideStore.h"
#include "guide_annual/GuideOutputChoice.h"
#include "platform/ui/ListCtrl.h"

namespace fiveyear {

namespace {
constexpr outputchoice::ChapterBoxes kChapters{CDlgSelectOutput::IDC_CHAPTER_FIRST, CDlgSelectOutput::IDC_CHAPTER_LAST,
                                             CDlgSelectOutput::IDC_CHAPTER_ALL};
}  // namespace

CDlgSelectOutput::CDlgSelectOutput(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapCommandRange(IDC_CHAPTER_FIRST, IDC_CHAPTER_ALL,
                    [this](int id) { outputchoice::OnChapterBoxClicked(*this, id, kChapters); });
}

const ui::DialogTemplate& CDlgSelectOutput::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "选择输出", {0, 0, 300, 262}, {
        {Kind::GroupBox, IDC_STATIC, "指南选择：", {7, 7, 286, 160}},
        {Kind::ListCtrl, IDC_GUIDE_LIST, "", {14, 19, 272, 142},
         WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS},
        {Kind::GroupBox, IDC_STATIC, "输出选择：", {7, 172, 286, 62}},
        {Kind::CheckBox, IDC_CHAPTER_FIRST, "概述", {14, 186, 60, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_CHAPTER_FIRST + 1, "国内外研究情况", {80, 186, 80, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_CHAPTER_FIRST + 2, "五年总目标和重点研究内容", {166, 186, 120, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_CHAPTER_FIRST + 3, "选题范围", {14, 202, 60, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_CHAPTER_FIRST + 4, "与相关计划指南的关系", {80, 202, 100, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_CHAPTER_LAST, "效益分析", {186, 202, 60, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_CHAPTER_ALL, "全选", {14, 218, 60, 10}, WS_TABSTOP},
        {Kind::DefPushButton, IDOK, "确定", {90, 240, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {160, 240, 50, 14}, WS_TABSTOP},
    }};
    return t;
}

ui::ListCtrl& CDlgSelectOutput::GuideList() const { return *Item<ui::ListCtrl>(IDC_GUIDE_LIST); }

BOOL CDlgSelectOutput::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kGuideDialogBackground);
    outputchoice::CheckAllChapterBoxes(*this, kChapters);
    outputchoice::SetUpCheckList(GuideList(), {{"基金编号/实验室代码", 130}, {"指南名称", 280}}, 0);
    FillGuideList();
    return TRUE;
}

void CDlgSelectOutput::FillGuideList() {
    ui::ListCtrl& list = GuideList();
    list.DeleteAllItems();
    if (!m_pConnection) return;
    for (const fiveyearstore::ListedGuide& guide : fiveyearstore::GuidesByFund(*m_pConnection, m_strPublishYear)) {
        const int row = list.InsertItem(list.GetItemCount(), guide.fund);
        list.SetItemText(row, 1, guide.name);
    }
}

void CDlgSelectOutput::OnOK() {
    m_arrFunds = outputchoice::TickedCodes(GuideList());
    m_arrChapters.clear();
    if (m_arrFunds.empty()) {
        GuidePrompt("请选择要输出的指南！");
        return;
    }
    m_arrChapters = outputchoice::CheckedChapters(*this, kChapters);
    ui::Dialog::OnOK();
}

}  // namespace fiveyear
