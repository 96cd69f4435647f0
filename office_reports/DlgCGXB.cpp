#include "office_reports/DlgCGXB.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/LongBinary.h"
#include "foundation/Options.h"
#include "foundation/Sql.h"
#include "office_reports/ReportQueries.h"
#include "office_reports/ReportSupport.h"
#include "platform/office/Word.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"

using namespace reports;
namespace word = office::word;

namespace {

// State images of a list row's check box as its change notifications give them.
constexpr UINT kUncheckedImage = 0x1000, kCheckedImage = 0x2000;

// The category's kind of project ("一般项目", "重点项目"): its last characters
// that fit into 8 GBK bytes, never cutting a character.
std::string CategoryTail(const std::string& category) {
    std::size_t start = category.size(), bytes = 0;
    while (start > 0) {
        std::size_t lead = start - 1;
        while (lead > 0 && (static_cast<unsigned char>(category[lead]) & 0xC0) == 0x80) --lead;
        const std::size_t width = text::GbkLength(category.substr(lead, start - lead));
        if (bytes + width > 8) break;
        bytes += width;
        start = lead;
    }
    return category.substr(start);
}

std::string GradeText(long grade) {
    static const char* const grades[] = {"优", "良", "中", "差"};
    return grade >= 0 && grade < 4 ? grades[grade] : "";
}

// A stored plain text: GBK bytes up to the first zero byte.
std::string StoredPlainText(const std::string& bytes) { return text::GbkToUtf8(bytes.substr(0, bytes.find('\0'))); }

std::string TempPath(const std::string& name) { return sys::ScratchPath(name); }

}  // namespace

const ui::DialogTemplate& CDlgCGXB::Template() {
    using ui::Kind;
    constexpr DWORD kList = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    constexpr DWORD kListView = WS_BORDER | WS_TABSTOP;
    static const ui::DialogTemplate tpl{IDD, "生成成果选编", {0, 0, 400, 250}, {
        {Kind::Static, IDC_STATIC, "选择年份:", {10, 11, 40, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {52, 9, 70, 100}, kList},
        {Kind::Static, IDC_STATIC, "选择项目类别:", {136, 11, 56, 10}},
        {Kind::ComboBox, IDC_CATEGORY, "", {194, 9, 80, 100}, kList, {"专业组", "重点实验室"}},
        {Kind::RichEdit, IDC_FORMATTER, "", {344, 4, 48, 16}, WS_BORDER},
        {Kind::GroupBox, IDC_STATIC, "选择技术领域", {7, 28, 130, 192}},
        {Kind::ListCtrl, IDC_FUND_LIST, "", {14, 40, 116, 152}, kListView},
        {Kind::PushButton, IDC_SELECT_ALL_FUNDS, "全选", {14, 198, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_INVERT_FUNDS, "反选", {80, 198, 50, 14}, WS_TABSTOP},
        {Kind::GroupBox, IDC_STATIC, "选择项目", {142, 28, 250, 192}},
        {Kind::ListCtrl, IDC_PROJECT_LIST, "", {149, 40, 236, 152}, kListView},
        {Kind::PushButton, IDC_SELECT_ALL_PROJECTS, "全选", {149, 198, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_INVERT_PROJECTS, "反选", {215, 198, 50, 14}, WS_TABSTOP},
        {Kind::DefPushButton, IDOK, "确定", {280, 228, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {342, 228, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgCGXB::CDlgCGXB(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapCommand(IDC_YEAR, CBN_SELCHANGE, [this] { OnFilterChanged(); });
    MapCommand(IDC_CATEGORY, CBN_SELCHANGE, [this] { OnFilterChanged(); });
    MapNotify(IDC_FUND_LIST, LVN_ITEMCHANGED, [this](const ui::NotifyInfo& info) { OnFundTickChanged(info); });
    MapClicked(IDC_SELECT_ALL_FUNDS, [this] { OnSelectAllFunds(); });
    MapClicked(IDC_INVERT_FUNDS, [this] { OnInvertFunds(); });
    MapClicked(IDC_SELECT_ALL_PROJECTS, [this] { OnSelectAllProjects(); });
    MapClicked(IDC_INVERT_PROJECTS, [this] { OnInvertProjects(); });
}

void CDlgCGXB::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_YEAR, m_cboYear);
    dx.CBIndex(IDC_CATEGORY, m_nCategory);
    dx.Control(IDC_FUND_LIST, m_listFunds);
    dx.Control(IDC_PROJECT_LIST, m_listProjects);
    dx.Control(IDC_FORMATTER, m_richFormatter);
}

BOOL CDlgCGXB::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    StandardSetUp(*this);
    COptions options;
    m_nCategory = options.GetCategory();
    UpdateData(FALSE);
    FillYearList(m_cboYear, options.GetYear());
    constexpr DWORD kStyle = LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
    m_listFunds.SetExtendedStyle(kStyle);
    m_listFunds.InsertColumn(0, "基金编号", LVCFMT_CENTER, 100);
    m_listProjects.SetExtendedStyle(kStyle);
    m_listProjects.InsertColumn(0, "项目编号", LVCFMT_CENTER, 150);
    m_listProjects.InsertColumn(1, "项目名称", LVCFMT_CENTER, 220);
    FillFundList();
    return TRUE;
}

std::string CDlgCGXB::SelectedYear() const { return SelectedText(m_cboYear); }

std::string CDlgCGXB::CategoryCondition() const { return reports::CategoryCondition(m_nCategory != 0 ? 1 : 0); }

void CDlgCGXB::FillFundList() {
    m_listFunds.DeleteAllItems();
    UpdateData(TRUE);
    CAdoRecordSet rs;
    OpenQuery(rs, m_pConnection, reportqueries::AcceptedNumbers(CategoryCondition(), SelectedYear()));
    std::string last;
    for (bool first = true; !rs.IsEOF(); rs.MoveNext(), first = false) {
        const std::string fund = FundOf(Text(rs, "XMBH"));
        if (first || fund != last) m_listFunds.InsertItem(0, fund);
        last = fund;
    }
}

void CDlgCGXB::OnFilterChanged() {
    FillFundList();
    m_listProjects.DeleteAllItems();
}

void CDlgCGXB::AddFundProjects(const std::string& fund) {
    CAdoRecordSet rs;
    OpenQuery(rs, m_pConnection, reportqueries::AcceptedProjectsOfFund(fund, CategoryCondition(), SelectedYear()));
    for (; !rs.IsEOF(); rs.MoveNext()) {
        const std::string xmbh = Text(rs, "XMBH");
        m_listProjects.InsertItem(0, xmbh);
        for (int row = 0; row < m_listProjects.GetItemCount(); ++row) {
            if (m_listProjects.GetItemText(row, 0) != xmbh) continue;
            m_listProjects.SetItemText(row, 1, Text(rs, "XMMC"));
            m_listProjects.SetCheck(row, TRUE);
        }
    }
}

void CDlgCGXB::RemoveFundProjects(const std::string& fund) {
    for (int row = m_listProjects.GetItemCount() - 1; row >= 0; --row)
        if (FundOf(m_listProjects.GetItemText(row, 0)) == fund) m_listProjects.DeleteItem(row);
}

void CDlgCGXB::SetFundTick(int row, bool ticked) {
    m_bSettingTicks = true;
    m_listFunds.SetCheck(row, ticked);
    m_bSettingTicks = false;
}

void CDlgCGXB::OnFundTickChanged(const ui::NotifyInfo& info) {
    if (m_bSettingTicks || info.item < 0) return;
    const std::string fund = m_listFunds.GetItemText(info.item, 0);
    if (info.newState == kCheckedImage && info.oldState == kUncheckedImage) AddFundProjects(fund);
    else if (info.newState == kUncheckedImage && info.oldState == kCheckedImage) RemoveFundProjects(fund);
}

void CDlgCGXB::OnSelectAllFunds() {
    for (int row = 0; row < m_listFunds.GetItemCount(); ++row)
        if (!m_listFunds.GetCheck(row)) AddFundProjects(m_listFunds.GetItemText(row, 0));
    for (int row = 0; row < m_listFunds.GetItemCount(); ++row) SetFundTick(row, true);
}

void CDlgCGXB::OnInvertFunds() {
    const int count = m_listFunds.GetItemCount();
    for (int row = 0; row < count; ++row)
        if (m_listFunds.GetCheck(row)) RemoveFundProjects(m_listFunds.GetItemText(row, 0));
    for (int row = 0; row < count; ++row)
        if (!m_listFunds.GetCheck(row)) AddFundProjects(m_listFunds.GetItemText(row, 0));
    for (int row = 0; row < count; ++row) SetFundTick(row, !m_listFunds.GetCheck(row));
}

void CDlgCGXB::OnSelectAllProjects() {
    for (int row = 0; row < m_listProjects.GetItemCount(); ++row) m_listProjects.SetCheck(row, TRUE);
}

void CDlgCGXB::OnInvertProjects() {
    for (int row = 0; row < m_listProjects.GetItemCount(); ++row)
        m_listProjects.SetCheck(row, !m_listProjects.GetCheck(row));
}

std::string CDlgCGXB::FormattedSummary(const std::string& rtf) {
    const std::string stored = TempPath("wcqkjj.rtf"), formatted = TempPath("tempcontent.rtf");
    if (rtf.empty()) return {};
    if (!sys::WriteFileAtomic(stored, rtf)) return {};
    if (m_richFormatter.LoadRtfFile(stored) == 0) return {};
    m_richFormatter.SetSel(0, -1);
    ui::CharFormat font;
    font.dwMask = ui::CFM_FACE | ui::CFM_SIZE;
    font.szFaceName = "宋体";
    font.yHeight = 210;
    m_richFormatter.SetSelectionCharFormat(font);
    ui::ParaFormat indent;
    indent.dwMask = ui::PFM_STARTINDENT | ui::PFM_OFFSET;
    indent.dxStartIndent = 410;
    indent.dxOffset = -410;
    m_richFormatter.SetParaFormat(indent);
    return m_richFormatter.SaveRtfFile(formatted) > 0 ? formatted : std::string();
}

void CDlgCGXB::WriteProject(const word::Selection& selection, const std::string& xmbh, const std::string& name) {
    std::string category, leader, unit, researchers, indicators, summary;
    long grade = -1;
    CAdoRecordSet rs;
    if (OpenQuery(rs, m_pConnection, reportqueries::AcceptedProject(xmbh)) &&
        !rs.IsEOF()) {
        category = Text(rs, "XMLB");
        leader = Text(rs, "SQRXM");
        unit = Text(rs, "GZDW");
        researchers = Text(rs, "SJWCR");
        if (!rs.GetInt("YSQK", grade)) grade = -1;
        std::string bytes;
        if (ReadLongBinary(rs, "ZBSXQK", bytes)) indicators = StoredPlainText(bytes);
        ReadLongBinary(rs, "WCQKJJ", summary);
    }
    const word::Font font = selection.Font();
    const word::Paragraphs paragraphs = selection.Paragraphs();
    font.SetSize(12);
    font.SetName("黑体");
    paragraphs.SetAlignment(word::wdAlignParagraphCenter);
    selection.TypeText(name);
    selection.TypeParagraph();
    paragraphs.SetAlignment(word::wdAlignParagraphLeft);
    font.SetSize(10.5);
    font.SetName("宋体");
    for (const std::string& line : {"项目类别及编号：" + CategoryTail(category) + " " + xmbh,
                                    "项目负责人及所在单位：" + leader + " " + unit, "主要研究人员：" + researchers,
                                    "验收情况：" + GradeText(grade)}) {
        selection.TypeText(line);
        selection.TypeParagraph();
    }
    selection.TypeText("技术指标实现情况：\n");
    selection.TypeText(indicators);
    selection.TypeParagraph();
    // The label ends its paragraph, so the summary's first-line indent falls
    // on the summary and not on the label.
    selection.TypeText("完成情况简介：");
    selection.TypeParagraph();
    const std::string formatted = FormattedSummary(summary);
    if (!formatted.empty()) selection.InsertFile(formatted);
    selection.TypeParagraph();
}

void CDlgCGXB::OnOK() {
    int ticked = 0;
    for (int row = 0; row < m_listProjects.GetItemCount(); ++row) ticked += m_listProjects.GetCheck(row) ? 1 : 0;
    if (ticked == 0) {
        Prompt("请选择输出项目！");
        return;
    }
    auto wordApp = word::Application::Create();
    if (!wordApp) {
        ui::MessageBox("Word服务程序启动失败！", "提示", MB_OK | MB_ICONERROR);
        return;
    }
    const std::string templatePath = sys::ProgramFolder() + "\\模板\\成果选编.doc";
    if (!wordApp->Documents().Add(templatePath, false, 0, true).IsValid()) {
        wordApp->Quit();
        ui::MessageBox("无法读取模板文件：" + templatePath, "提示", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const word::Selection selection = wordApp->Selection();
    for (int row = 0; row < m_listProjects.GetItemCount(); ++row)
        if (m_listProjects.GetCheck(row))
            WriteProject(selection, m_listProjects.GetItemText(row, 0), m_listProjects.GetItemText(row, 1));
    wordApp->SetVisible(true);
    wordApp.reset();  // handed over to the desktop
    EndDialog(IDOK);
}
