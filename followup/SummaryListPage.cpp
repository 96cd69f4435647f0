#include "followup/SummaryListPage.h"

#include <algorithm>

#include "application/ApplicationStore.h"
#include "application/DlgProQuery.h"
#include "application/ProjectList.h"
#include "followup/SummaryArtwork.h"
#include "followup/SummaryBundle.h"
#include "followup/SummaryEditPage.h"
#include "followup/SummaryExcelList.h"
#include "followup/SummaryStore.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "foundation/Sql.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"

namespace {

constexpr int kFundOfficeRole = 2;

SummaryBundle::Variant BundleVariant(followup::SummaryKind kind) {
    return kind == followup::SummaryKind::Acceptance ? SummaryBundle::Variant::AcceptanceSummary
                                                     : SummaryBundle::Variant::ProgressReport;
}

}  // namespace

CSummaryListPage::CSummaryListPage(followup::SummaryKind kind) : ui::Dialog(Template(kind), nullptr), m_kind(kind) {
    MapClicked(IDC_BTN_IMPORT, [this] { OnBtnImport(); });
    MapClicked(IDC_BTN_EXPORT, [this] { OnBtnExport(); });
    MapClicked(IDC_BTN_QUERY, [this] { OnBtnQuery(); });
    MapClicked(IDC_BTN_DELETE, [this] { OnBtnDelete(); });
    MapClicked(IDC_SELECT_ALL, [this] { OnSelectAll(); });
    MapClicked(IDC_INVERT, [this] { OnInvert(); });
    MapClicked(IDC_EXPORT_EXCEL, [this] { OutputExcel(); });
    MapNotify(IDC_LIST, NM_CLICK, [this](const ui::NotifyInfo& info) {
        LRESULT result = 0;
        OnClickList(&info, &result);
    });
}

const ui::DialogTemplate& CSummaryListPage::Template(followup::SummaryKind kind) {
    using ui::Kind;
    auto make = [](followup::SummaryKind kind) {
        constexpr DWORD kIconButton = WS_TABSTOP | BS_OWNERDRAW;
        return ui::DialogTemplate{followup::Traits(kind).listId, "", {0, 0, 753, 124}, {
            {Kind::ListCtrl, IDC_LIST, "", {5, 6, 624, 112}, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS},
            {Kind::GroupBox, IDC_STATIC, "操作", {636, 6, 62, 112}},
            {Kind::PushButton, IDC_SELECT_ALL, "全选", {643, 24, 48, 16}, WS_TABSTOP},
            {Kind::PushButton, IDC_INVERT, "反选", {643, 52, 48, 16}, WS_TABSTOP},
            {Kind::PushButton, IDC_EXPORT_EXCEL, "导出Excel", {643, 80, 48, 16}, WS_TABSTOP},
            {Kind::PushButton, IDC_BTN_DELETE, "", {712, 6, 23, 21}, kIconButton},
            {Kind::PushButton, IDC_BTN_QUERY, "", {712, 34, 23, 21}, kIconButton},
            {Kind::PushButton, IDC_BTN_EXPORT, "", {712, 62, 23, 21}, kIconButton},
            {Kind::PushButton, IDC_BTN_IMPORT, "", {712, 90, 23, 21}, kIconButton},
        }, WS_CHILD};
    };
    static const ui::DialogTemplate acceptance = make(followup::SummaryKind::Acceptance);
    static const ui::DialogTemplate progress = make(followup::SummaryKind::Progress);
    return kind == followup::SummaryKind::Acceptance ? acceptance : progress;
}

ui::ListCtrl& CSummaryListPage::List() const { return *Item<ui::ListCtrl>(IDC_LIST); }

void CSummaryListPage::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_BTN_DELETE, m_btnDelete);
    dx.Control(IDC_BTN_QUERY, m_btnQuery);
    dx.Control(IDC_BTN_EXPORT, m_btnExport);
    dx.Control(IDC_BTN_IMPORT, m_btnImport);
}

BOOL CSummaryListPage::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(242, 246, 255));
    followup::StyleIconButton(m_btnDelete, followup::kIconDelete, "删除");
    followup::StyleIconButton(m_btnQuery, followup::kIconQuery, "查询");
    followup::StyleIconButton(m_btnExport, followup::kIconExport, "导出");
    followup::StyleIconButton(m_btnImport, followup::kIconImport, "导入");
    InitColumns();
    FillList();
    return TRUE;
}

void CSummaryListPage::InitColumns() {
    ui::ListCtrl& list = List();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    // A first column cannot be centred: a dummy one goes first and is removed.
    list.InsertColumn(0, "dummy", LVCFMT_LEFT, 50);
    list.InsertColumn(1, "序号", LVCFMT_CENTER, 50);
    list.DeleteColumn(0);
    static const std::pair<const char*, int> kColumns[] = {{"项目编号", 150}, {"指南代码", 100}, {"项目类别", 170},
                                                          {"年份", 80},      {"单位代码", 80},  {"单位名称", 250},
                                                          {"负责人", 80},    {"资助经费", 80}};
    int column = 1;
    for (const auto& [heading, width] : kColumns) list.InsertColumn(column++, heading, LVCFMT_CENTER, width);
}

void CSummaryListPage::AppendRows(CAdoRecordSet& rs) { projectlist::AppendRows(List(), rs); }

void CSummaryListPage::FillList() {
    List().DeleteAllItems();
    CAdoRecordSet rs;
    summarystore::OpenList(rs, *m_pConnection, m_kind);
    AppendRows(rs);
}

void CSummaryListPage::OnBtnQuery() {
    CDlgProQuery query(this);
    if (query.DoModal() != IDOK) return;
    List().DeleteAllItems();
    const bool acceptance = m_kind == followup::SummaryKind::Acceptance;
    CAdoRecordSet rs;
    summarystore::OpenList(rs, *m_pConnection, m_kind, acceptance ? query.m_strAcceptQuery : query.m_strProgressQuery);
    AppendRows(rs);
}

std::vector<std::string> CSummaryListPage::CheckedNumbers() const {
    std::vector<std::string> numbers;
    const ui::ListCtrl& list = List();
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (list.GetCheck(row)) numbers.push_back(list.GetItemText(row, kNumberColumn));
    return numbers;
}

void CSummaryListPage::OnSelectAll() {
    ui::ListCtrl& list = List();
    for (int row = 0; row < list.GetItemCount(); ++row) list.SetCheck(row, TRUE);
}

void CSummaryListPage::OnInvert() {
    ui::ListCtrl& list = List();
    for (int row = 0; row < list.GetItemCount(); ++row) list.SetCheck(row, !list.GetCheck(row));
}

void CSummaryListPage::OnClickList(const ui::NotifyInfo*, LRESULT* result) {
    *result = 0;
    const int mark = List().GetSelectionMark();
    if (mark >= 0) OpenDocument(List().GetItemText(mark, kNumberColumn), "");
}

void CSummaryListPage::OnBtnDelete() {
    const std::vector<std::string> numbers = CheckedNumbers();
    if (numbers.empty()) {
        ui::MessageBox("请选中要删除的记录！", "提示", MB_OK | MB_ICONSTOP);
        return;
    }
    if (ui::MessageBox("确定要删除所选纪录吗？", "系统提示", MB_OKCANCEL) != IDOK) return;
    const std::string shown = m_pEditor ? m_pEditor->Text().Attach().m_strXMBH : std::string();
    const std::vector<std::string> deleted = summarystore::DeleteDocuments(*m_pConnection, m_kind, numbers);
    if (!shown.empty() && std::find(deleted.begin(), deleted.end(), shown) != deleted.end()) {
        m_pEditor->Text().Attach().Clear();
        m_pEditor->Text().ClearText();
        if (CDlgProSumResults* results = m_pEditor->Results()) results->OnBtnClear();
    }
    FillList();
}

void CSummaryListPage::OnBtnExport() { SummaryBundle(*m_pConnection, BundleVariant(m_kind)).OnBtnExport(CheckedNumbers()); }

void CSummaryListPage::OnBtnImport() {
    if (SummaryBundle(*m_pConnection, BundleVariant(m_kind)).OnBtnImport()) FillList();
}

int CSummaryListPage::Import(const std::string& path) {
    return SummaryBundle(*m_pConnection, BundleVariant(m_kind)).Import(path);
}

void CSummaryListPage::OutputExcel() {
    const std::vector<std::string> numbers = CheckedNumbers();
    if (numbers.empty()) {
        ui::MessageBox("请选择输出项目！", "提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    followup::OutputSummaryExcel(*m_pConnection, m_kind, numbers);
}

bool CSummaryListPage::RecordExists(const std::string& number) {
    return summarystore::HasDocument(*m_pConnection, m_kind, number) == db::Found::Row;
}

void CSummaryListPage::ListAttachmentFolder(const std::string& folder) {
    const std::string names = followup::ListFolderNames(folder);
    if (!names.empty()) m_strFileList += (m_strFileList.empty() ? "" : ", ") + names;
}

void CSummaryListPage::OpenDocument(const std::string& number, const std::string& name) {
    if (!m_pEditor) return;
    CSummaryTextPage& textPage = m_pEditor->Text();
    textPage.Attach().Clear();
    CDlgProSumResults* results = m_pEditor->Results();
    if (results) results->OnBtnClear();

    summarystore::SummaryDocument document;
    const db::Found stored = summarystore::ReadDocument(*m_pConnection, m_kind, number, document);
    if (stored == db::Found::Failed) {
        textPage.ClearText();  // the document's fields are shown empty
        return;
    }
    if (stored == db::Found::NoRow) {
        textPage.ShowProject(number, name);
        textPage.ClearText();
        textPage.LoadDefaultText();
        return;
    }
    std::string shownName = document.name, attachName = document.attachName;
    bool markName = false;
    if (COptions().GetRole() == kFundOfficeRole) {
        std::string currentName;
        appstore::ReadName(*m_pConnection, number, currentName);
        // A name that no longer matches the application is marked.
        markName = currentName != shownName;
        if (markName) shownName += CSummaryAttachPage::kNameMark;
        m_strFileList.clear();
        ListAttachmentFolder(followup::AttachmentFolder(*m_pConnection, m_kind, number));
        attachName = m_strFileList;
    }
    textPage.ShowProject(number, shownName);
    textPage.Attach().m_bNameMarked = markName;
    textPage.ShowDetails(document.person, attachName, document.indicators);
    if (results) results->LoadRows(number);
    textPage.ShowStoredText(document.rtf);
}
