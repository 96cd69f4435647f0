#include "office_reports/PlanOutputDialog.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "office_reports/ReportQueries.h"
#include "office_reports/ReportSupport.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"

CPlanOutputDialog::CPlanOutputDialog(const ui::DialogTemplate& tpl, ui::Wnd* parent) : ui::Dialog(tpl, parent) {
    MapCommand(IDC_YEAR, CBN_SELCHANGE, [this] { OnSelchangeYear(); });
    MapCommand(IDC_CATEGORY, CBN_SELCHANGE, [this] { OnSelchangeCategory(); });
    MapClicked(IDC_SELECT_ALL, [this] { OnBtnSelectAll(); });
    MapClicked(IDC_INVERT, [this] { OnBtnInvert(); });
}

CPlanOutputDialog::~CPlanOutputDialog() = default;

BOOL CPlanOutputDialog::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    reports::StandardSetUp(*this);
    const COptions options;
    m_nCategory = options.GetCategory();
    UpdateData(FALSE);
    m_gridFunds.CreateOver(*this, IDC_GRID_PLACE, 180, false);
    reports::FillYearList(m_cboYear, options.GetYear());
    return TRUE;
}

void CPlanOutputDialog::ExchangeCommon(ui::DataExchange& dx) {
    dx.Control(IDC_RICH, m_richEdit);
    dx.Control(IDC_YEAR, m_cboYear);
    dx.CBIndex(IDC_CATEGORY, m_nCategory);
    dx.Radio(IDC_KIND, m_nOutputKind);
    dx.Text(IDC_RICH, m_strRichText);
    dx.CBIndex(IDC_PAPER, m_nPaperSize);
    dx.Check(IDC_PER_UNIT, m_bPerUnit);
}

void CPlanOutputDialog::OnSelchangeCategory() {
    UpdateData(TRUE);
    OnCategoryChanged();
    LoadFundList();
}

std::string CPlanOutputDialog::SelectedYear() const {
    const int index = m_cboYear.GetCurSel();
    return index < 0 ? std::string() : m_cboYear.GetLBText(index);
}

void CPlanOutputDialog::LoadFundList() {
    m_gridFunds.RemoveAll();
    m_gridFunds.AdjustLayout();
    UpdateData(TRUE);
    const std::string year = SelectedYear();
    // No year selected (the stored year lies outside the period): no list
    // until the user picks one.
    if (year.empty()) return;
    CAdoRecordSet rs;
    reports::OpenQuery(rs, m_pConnection, FundListQuery(year));
    m_gridFunds.FillFromProjects(rs);
}

std::vector<std::string> CPlanOutputDialog::TickedFunds() {
    std::vector<std::string> funds;
    for (const reports::CFundGrid::Choice& choice : m_gridFunds.Ticked()) funds.push_back(choice.fund);
    return funds;
}

reports::PlanTableRequest CPlanOutputDialog::PlanTables() {
    reports::PlanTableRequest request;
    request.dialog = this;
    request.connection = m_pConnection;
    request.year = SelectedYear();
    request.paperSize = m_nPaperSize;
    request.perUnit = m_bPerUnit != FALSE;
    request.funds = TickedFunds();
    return request;
}

std::string CPlanOutputDialog::GetGuideName(const std::string& fund, const std::string& year) {
    CAdoRecordSet rs;
    if (reports::OpenQuery(rs, m_pConnection, reportqueries::GuideName(fund, year)) &&
        rs.GetRecordCount() > 0)
        return reports::Text(rs, "ZNMC");
    return {};
}

reportqueries::FundProjects CPlanOutputDialog::FundProjects(const std::string& fund, const std::string& year,
                                                             int category) const {
    return {fund, CategoryOf(category), year};
}

std::string CPlanOutputDialog::GetProjectCountText(const std::string& fund, const std::string& year, int category,
                                                   const std::string& unit) {
    CAdoRecordSet rs;
    long count = 0;
    if (reports::OpenQuery(rs, m_pConnection, CountQuery(FundProjects(fund, year, category), unit)))
        count = rs.GetRecordCount();
    return text::Format("%ld项", count < 0 ? 0L : count);
}

std::string CPlanOutputDialog::GetFundSumText(const std::string& fund, const std::string& year, int category,
                                              const std::string& unit) {
    CAdoRecordSet rs;
    std::string sum;
    if (reports::OpenQuery(rs, m_pConnection, SumQuery(FundProjects(fund, year, category), unit)) &&
        !rs.IsEOF())
        rs.GetFieldText(0, sum);
    return text::Format("%.2f万元", text::Atof(sum));
}

std::string CPlanOutputDialog::FundHeading(const std::string& fund, const std::string& year, int category) {
    return fund + " " + GetGuideName(fund, year) + "  " + GetProjectCountText(fund, year, category, "") +
           "  经费小计：" + GetFundSumText(fund, year, category, "");
}
