#include "review/DlgAcceptDetail.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/RecordTexts.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListCtrl.h"
#include "foundation/LongBinary.h"
#include "review/WorkflowSupport.h"
#include "review/ReviewStore.h"

namespace {
constexpr COLORREF kPageBackground = RGB(232, 241, 250);
constexpr DWORD kReadOnlyEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_READONLY;

// The indicator text: GBK bytes up to the first zero byte.
std::string IndicatorText(const std::string& bytes) { return text::GbkToUtf8(bytes.substr(0, bytes.find('\0'))); }
}  // namespace

CDlgAcceptDetail::CDlgAcceptDetail() : ui::Dialog(Template(), nullptr) {}

const ui::DialogTemplate& CDlgAcceptDetail::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "", {0, 0, 521, 290}, {
        {Kind::Static, IDC_STATIC, "项目编号:", {5, 7, 45, 10}},
        {Kind::Edit, IDC_EDIT_NUMBER, "", {52, 5, 150, 13}, kReadOnlyEdit},
        {Kind::Static, IDC_STATIC, "项目名称:", {215, 7, 45, 10}},
        {Kind::Edit, IDC_EDIT_NAME, "", {262, 5, 254, 13}, kReadOnlyEdit},
        {Kind::Static, IDC_STATIC, "主要完成人:", {5, 25, 50, 10}},
        {Kind::Edit, IDC_EDIT_COMPLETERS, "", {57, 23, 459, 13}, kReadOnlyEdit},
        {Kind::Static, IDC_STATIC, "技术指标实现情况:", {5, 42, 80, 10}},
        {Kind::Edit, IDC_EDIT_INDICATORS, "", {5, 53, 253, 100},
         kReadOnlyEdit | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL},
        {Kind::Static, IDC_STATIC, "成果简介:", {263, 42, 60, 10}},
        {Kind::RichEdit, IDC_RICH_SUMMARY, "", {263, 53, 253, 100},
         WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY},
        {Kind::Static, IDC_STATIC, "成果汇总:", {5, 158, 60, 10}},
        {Kind::ListCtrl, IDC_LIST_ACHIEVEMENTS, "", {5, 169, 511, 116},
         WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS},
    }, WS_CHILD};
    return tpl;
}

void CDlgAcceptDetail::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_RICH_SUMMARY, m_richSummary);
    dx.Text(IDC_EDIT_NUMBER, m_strNumber);
    dx.Text(IDC_EDIT_NAME, m_strName);
    dx.Text(IDC_EDIT_COMPLETERS, m_strCompleters);
    dx.Text(IDC_EDIT_INDICATORS, m_strIndicators);
}

BOOL CDlgAcceptDetail::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kPageBackground);
    m_richSummary.SetReadOnly(TRUE);
    ui::ListCtrl& list = AchievementList();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    const std::pair<const char*, int> columns[] = {{"名称", 280}, {"类型", 120}, {"时间", 120}, {"备注", 100}};
    int index = 0;
    for (const auto& [heading, width] : columns) list.InsertColumn(index++, heading, LVCFMT_CENTER, width);
    return TRUE;
}

ui::ListCtrl& CDlgAcceptDetail::AchievementList() const { return *Item<ui::ListCtrl>(IDC_LIST_ACHIEVEMENTS); }

void CDlgAcceptDetail::LoadProject(const std::string& number) {
    CAdoRecordSet rs;
    if (reviewstore::OpenAcceptanceDetail(rs, m_pConnection, number) && rs.GetRecordCount() > 0) {
        rs.GetString("XMBH", m_strNumber);
        rs.GetString("XMMC", m_strName);
        m_strCompleters.clear();
        rs.GetString("SJWCR", m_strCompleters);
        std::string indicators;
        m_strIndicators = ReadLongBinary(rs, "ZBSXQK", indicators) ? IndicatorText(indicators) : std::string();
        // A project without a summary shows none, not the one shown before.
        m_richSummary.SetWindowText("");
        const std::string summaryFile = sys::ScratchPath("wcqkjj.rtf");
        if (LongBinaryToFile(rs, "WCQKJJ", summaryFile)) m_richSummary.LoadRtfFile(summaryFile);
        UpdateData(FALSE);
    }
    rs.Close();
    FillAchievements(number);
}

void CDlgAcceptDetail::FillAchievements(const std::string& number) {
    ui::ListCtrl& list = AchievementList();
    list.DeleteAllItems();
    CAdoRecordSet rs;
    if (!reviewstore::OpenAchievements(rs, m_pConnection, number)) return;
    list.AppendRows(ReadRowTexts(rs, {"MC", "LX", "TIME", "BZ"}));
}
