#include "review/DlgExpertBrowse.h"

#include "numbering/LeadingCharacters.h"
#include "numbering/ProjectNumbering.h"
#include "foundation/AdoRecordSet.h"
#include "platform/text/Text.h"
#include "foundation/RecordTexts.h"
#include "platform/ui/ListCtrl.h"
#include "review/ExpertGridCtrl.h"
#include "review/WorkflowSupport.h"
#include "review/ReviewStore.h"

namespace {

struct ColumnSpec {
    const char* name;
    int width;
};
constexpr ColumnSpec kExpertColumns[] = {
    {"所属基金类别", 110}, {"编号", 80},      {"姓名", 80},      {"性别", 80},      {"年龄", 60},  {"职称", 100},
    {"专业特长", 180},     {"工作单位", 250}, {"通信地址", 250}, {"邮政编码", 100}, {"电话", 120}, {"手机", 120},
};
constexpr ColumnSpec kProjectColumns[] = {{"序号", 35}, {"基金编号", 65}, {"项目编号", 130}};

template <size_t N>
void AddColumns(ui::ListCtrl& list, const ColumnSpec (&columns)[N]) {
    for (size_t i = 0; i < N; ++i) list.InsertColumn(int(i), columns[i].name, LVCFMT_CENTER, columns[i].width);
}

}  // namespace

CDlgExpertBrowse::CDlgExpertBrowse(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapNotify(IDC_EXPERTS, NM_CLICK, [this](const ui::NotifyInfo& info) { OnClickExpertList(info); });
}

const ui::DialogTemplate& CDlgExpertBrowse::Template() {
    using ui::Kind;
    constexpr DWORD kList = WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS;
    static const ui::DialogTemplate t{IDD, "专家信息浏览", {0, 0, 613, 305}, {
        {Kind::GroupBox, IDC_STATIC, "专家基本信息", {7, 4, 599, 176}},
        {Kind::ListCtrl, IDC_EXPERTS, "", {14, 16, 585, 158}, kList},
        {Kind::GroupBox, IDC_STATIC, "评议的题号", {7, 184, 300, 114}},
        {Kind::ListCtrl, IDC_PROJECTS, "", {14, 196, 286, 96}, kList},
        {Kind::DefPushButton, IDOK, "添加为评议专家", {380, 270, 80, 16}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {480, 270, 60, 16}, WS_TABSTOP},
    }};
    return t;
}

ui::ListCtrl& CDlgExpertBrowse::ExpertList() const { return *Item<ui::ListCtrl>(IDC_EXPERTS); }
ui::ListCtrl& CDlgExpertBrowse::ProjectList() const { return *Item<ui::ListCtrl>(IDC_PROJECTS); }

BOOL CDlgExpertBrowse::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    ExpertList().SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    ProjectList().SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    AddColumns(ExpertList(), kExpertColumns);
    AddColumns(ProjectList(), kProjectColumns);
    FillExperts();
    return TRUE;
}

void CDlgExpertBrowse::FillExperts() {
    if (m_strXMBH.empty()) return;
    // The last two characters of the fund number.
    const std::string fundSuffix =
        CharactersAt(projectnumber::FundNumberOf(m_strXMBH), projectnumber::kFundNumberLength - 2, 2);
    CAdoRecordSet rs;
    if (!reviewstore::OpenExpertsOfFund(rs, m_pConnection, fundSuffix)) return;
    ExpertList().AppendRows(ReadRowTexts(rs, long(std::size(kExpertColumns))));
}

void CDlgExpertBrowse::OnClickExpertList(const ui::NotifyInfo& click) {
    ui::ListCtrl& experts = ExpertList();
    // The list reports the row it was clicked on; else the row under the point.
    const int item = click.item >= 0 ? click.item : experts.HitTest(click.point);
    if (item < 0) return;
    ui::ListCtrl& projects = ProjectList();
    projects.DeleteAllItems();
    const std::string expert = experts.GetItemText(item, 1);
    int serial = 0;
    for (const std::string& number :
         reviewstore::ProjectsReviewedBy(m_pConnection, expert, projectnumber::YearOf(m_strXMBH))) {
        ++serial;
        const int row = projects.InsertItem(projects.GetItemCount(), text::Format("%d", serial));
        projects.SetItemText(row, 1, projectnumber::FundNumberOf(number));
        projects.SetItemText(row, 2, number);
    }
}

void CDlgExpertBrowse::OnOK() {
    ui::ListCtrl& experts = ExpertList();
    std::vector<std::string> ticked;
    for (int item = 0; item < experts.GetItemCount(); ++item)
        if (experts.GetCheck(item)) ticked.push_back(experts.GetItemText(item, 1));
    if (ticked.empty()) {
        workflow::Prompt("请选择评议专家！");
        return;
    }
    if (ticked.size() > 3) {
        workflow::Prompt("选择专家数不能超过三位！");
        return;
    }
    if (m_pGrid) {
        m_pGrid->EndEditItem(TRUE);
        // The first free row: the one after the last row that holds a number.
        int row = m_pGrid->GetRowCount();
        while (row > 0 && m_pGrid->GetExpertNumber(row - 1).empty()) --row;
        for (const std::string& number : ticked) {
            if (row >= m_pGrid->GetRowCount()) break;
            ui::GridItem* cell = m_pGrid->GetItem(row, CExpertGridCtrl::kNumber);
            cell->SetValue(number);
            m_pGrid->OnCellChanged(cell, row, CExpertGridCtrl::kNumber);
            ++row;
        }
    }
    ui::Dialog::OnOK();
}
