#include "main/DlgExpertReview.h"

#include "main/ReportCommon.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Services.h"

namespace {

enum ListColumn { kSerial, kExpertId, kExpertName, kProjects };

}  // namespace

CDlgExpertReview::CDlgExpertReview(ui::Wnd* parent) : CReportDialog(Template(), parent) {
    MapCommand(IDC_YEAR, CBN_SELCHANGE, [this] { FillFundNumbers(); });
    MapCommand(IDC_FUND, CBN_SELCHANGE, [this] { FillExperts(); });
}

const ui::DialogTemplate& CDlgExpertReview::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "专家评议情况", {0, 0, 250, 229}, {
        {Kind::Static, IDC_STATIC, "年份:", {10, 12, 24, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {36, 10, 72, 80}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT},
        {Kind::Static, IDC_STATIC, "基金编号:", {122, 12, 40, 10}},
        {Kind::ComboBox, IDC_FUND, "", {164, 10, 76, 80}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT},
        {Kind::ListCtrl, IDC_EXPERTS, "", {10, 30, 230, 168}, WS_TABSTOP | WS_BORDER | LVS_REPORT},
        {Kind::DefPushButton, IDOK, "生成Excel", {60, 206, 56, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "退出", {134, 206, 56, 14}, WS_TABSTOP},
    }};
    return t;
}

BOOL CDlgExpertReview::OnInitDialog() {
    CReportDialog::OnInitDialog();
    if (auto* list = Item<ui::ListCtrl>(IDC_EXPERTS)) {
        list->SetExtendedStyle(list->GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        list->InsertColumn(kSerial, "序号", LVCFMT_CENTER, 50);
        list->InsertColumn(kExpertId, "专家编号", LVCFMT_CENTER, 100);
        list->InsertColumn(kExpertName, "专家姓名", LVCFMT_CENTER, 100);
        list->InsertColumn(kProjects, "评议项目数", LVCFMT_CENTER, 80);
    }
    FillYears(IDC_YEAR);
    if (auto* years = Item<ui::ComboBox>(IDC_YEAR)) years->SetCurSel(0);
    FillFundNumbers();
    return TRUE;
}

void CDlgExpertReview::FillFundNumbers() {
    auto* funds = Item<ui::ComboBox>(IDC_FUND);
    if (!funds) return;
    funds->ResetContent();
    std::vector<std::string> numbers;
    if (!ListReviewFundNumbers(m_pConnection, SelectedText(IDC_YEAR), numbers)) ShowReportQueryFailure(m_pConnection);
    for (const std::string& fund : numbers) funds->AddString(fund);
    funds->SetCurSel(funds->GetCount() > 0 ? 0 : -1);
    FillExperts();
}

void CDlgExpertReview::FillExperts() {
    auto* list = Item<ui::ListCtrl>(IDC_EXPERTS);
    if (!list) return;
    list->DeleteAllItems();
    std::vector<ReviewingExpert> experts;
    if (!ListReviewingExperts(m_pConnection, SelectedText(IDC_YEAR), SelectedText(IDC_FUND), experts))
        ShowReportQueryFailure(m_pConnection);
    for (std::size_t i = 0; i < experts.size(); ++i) {
        const int row = list->InsertItem(int(i), std::to_string(i + 1));
        list->SetItemText(row, kExpertId, experts[i].id);
        list->SetItemText(row, kExpertName, experts[i].name);
        list->SetItemText(row, kProjects, experts[i].projects);
    }
}

std::vector<ReviewingExpert> CDlgExpertReview::ListedExperts() const {
    std::vector<ReviewingExpert> experts;
    if (auto* list = Item<ui::ListCtrl>(IDC_EXPERTS))
        for (int row = 0; row < list->GetItemCount(); ++row)
            experts.push_back({list->GetItemText(row, kExpertId), list->GetItemText(row, kExpertName),
                               list->GetItemText(row, kProjects)});
    return experts;
}

void CDlgExpertReview::OutputExcel() {
    const std::vector<ReviewingExpert> experts = ListedExperts();
    if (experts.empty()) {
        ui::MessageBox("没有要输出的信息。", "提示", MB_OK | MB_ICONINFORMATION);
        EndDialog(IDOK);
        return;
    }
    auto excel = StartReportExcel();
    if (!excel) return;

    std::vector<ExpertSheetRow> rows;
    if (!ReadExpertSheetRows(m_pConnection, experts, rows)) {
        ShowReportQueryFailure(m_pConnection);
        return;
    }
    office::excel::Worksheet sheet = AddReportWorkbook(*excel, "专家信息表.xls");
    if (!sheet.IsValid()) return;
    WriteExpertReviewSheet(sheet, rows);
    excel->SetVisible(true);
    EndDialog(IDOK);
}
