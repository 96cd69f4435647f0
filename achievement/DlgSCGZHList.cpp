#include "achievement/DlgSCGZHList.h"

#include <algorithm>

#include "achievement/DlgResultQuery.h"
#include "achievement/DlgSCGZHInfo.h"
#include "achievement/ResultArtwork.h"
#include "achievement/ResultChangeBundle.h"
#include "achievement/ResultExcelOutput.h"
#include "application/ApplicationDb.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/FileMessages.h"
#include "foundation/RecordTexts.h"
#include "foundation/Sql.h"
#include "foundation/ImportReport.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"

using namespace resultchange;

namespace {
constexpr COLORREF kPanelBackground = RGB(242, 246, 255);
}  // namespace

const ui::DialogTemplate& CDlgSCGZHList::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 568, 124}, {
        {Kind::GroupBox, IDC_STATIC, "操作", {4, 5, 60, 112}},
        {Kind::PushButton, IDC_SELECT_ALL, "全选", {10, 22, 48, 16}, WS_TABSTOP},
        {Kind::PushButton, IDC_INVERT, "反选", {10, 52, 48, 16}, WS_TABSTOP},
        {Kind::PushButton, IDC_EXPORT_EXCEL, "导出Excel", {10, 82, 48, 16}, WS_TABSTOP},
        {Kind::ListCtrl, IDC_LIST, "", {70, 5, 460, 112},
         WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS},
        {Kind::PushButton, IDC_BTN_IMPORT, "", {538, 5, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_EXPORT, "", {538, 35, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_QUERY, "", {538, 66, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_DELETE, "", {538, 96, 23, 21}, WS_TABSTOP},
    }, WS_CHILD};
    return t;
}

CDlgSCGZHList::CDlgSCGZHList(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapClicked(IDC_BTN_EXPORT, [this] { OnBtnExport(); });
    MapNotify(IDC_LIST, NM_CLICK, [this](const ui::NotifyInfo&) { OnClickList(); });
    MapClicked(IDC_BTN_IMPORT, [this] { OnBtnImport(); });
    MapClicked(IDC_SELECT_ALL, [this] { OnBtnSelectAll(); });
    MapClicked(IDC_INVERT, [this] { OnBtnInvert(); });
    MapClicked(IDC_EXPORT_EXCEL, [this] { OutputExcel(); });
    MapClicked(IDC_BTN_DELETE, [this] { OnBtnDelete(); });
    MapClicked(IDC_BTN_QUERY, [this] { OnBtnQuery(); });
}

CDlgSCGZHList::~CDlgSCGZHList() = default;

ui::ListCtrl& CDlgSCGZHList::List() const { return *Item<ui::ListCtrl>(IDC_LIST); }

CDlgSCGZHInfo* CDlgSCGZHList::InfoPage() const { return m_pInfo && m_pInfo->IsWindow() ? m_pInfo : nullptr; }

void CDlgSCGZHList::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_BTN_DELETE, m_btnDelete);
    dx.Control(IDC_BTN_QUERY, m_btnQuery);
    dx.Control(IDC_BTN_EXPORT, m_btnExport);
    dx.Control(IDC_BTN_IMPORT, m_btnImport);
}

BOOL CDlgSCGZHList::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(kPanelBackground);
    const std::pair<CButtonST*, std::pair<int, const char*>> buttons[] = {
        {&m_btnImport, {kIconImport, "导入"}},
        {&m_btnExport, {kIconExport, "导出"}},
        {&m_btnDelete, {kIconDelete, "删除"}},
        {&m_btnQuery, {kIconQuery, "查询"}},
    };
    for (const auto& [button, look] : buttons) {
        button->SetIcon(look.first);
        button->SetHandCursor(kHandCursor);
        for (int index : {CButtonST::BTNST_COLOR_BK_IN, CButtonST::BTNST_COLOR_BK_OUT, CButtonST::BTNST_COLOR_BK_FOCUS})
            button->SetColor(index, kPanelBackground);
        button->SetTooltipText(look.second);
    }
    InitColumns();
    m_strAppPath = sys::ProgramFolder();
    FillList();
    return TRUE;
}

void CDlgSCGZHList::InitColumns() {
    ui::ListCtrl& list = List();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    // A first column cannot be centred: a placeholder goes first and is removed.
    list.InsertColumn(0, "", LVCFMT_LEFT, 10);
    static const std::pair<const char*, int> kColumns[] = {
        {"序号", 50},       {"项目编号", 100}, {"项目名称", 220}, {"项目类别", 100},    {"项目经费", 100},
        {"项目负责人", 80}, {"联系电话", 80},  {"承研单位", 100}, {"联合承研单位", 100}};
    int column = 1;
    for (const auto& [heading, width] : kColumns) list.InsertColumn(column++, heading, LVCFMT_CENTER, width);
    list.DeleteColumn(0);
}

// ---- the list ----

void CDlgSCGZHList::FillList() { FillFrom({}); }

void CDlgSCGZHList::FillFrom(const std::string& selection) {
    ui::ListCtrl& list = List();
    list.DeleteAllItems();
    if (!m_pConnection) return;
    CAdoRecordSet rs;
    if (!OpenList(rs, *m_pConnection, selection)) return;
    RowTexts rows;
    for (int count = 1; !rs.IsEOF(); rs.MoveNext(), ++count) {
        const std::string category = IsTicked(Field(rs, "check13"))   ? "重点项目"
                                     : IsTicked(Field(rs, "check14")) ? "一般项目"
                                                                      : "";
        rows.push_back({text::Format("%d", count), Field(rs, "xmbh"), Field(rs, "xmmc"), category,
                        Field(rs, "xmjf") + " 万元", Field(rs, "xmzzxm"), Field(rs, "zzsj"), Field(rs, "cydw"),
                        Field(rs, "lhcydw")});
    }
    list.AppendRows(rows);
}

std::vector<std::string> CDlgSCGZHList::TickedNumbers() const { return TickedKeys(List()); }

void CDlgSCGZHList::OnClickList() {
    const int row = List().GetSelectionMark();
    if (row >= 0) LoadRecord(List().GetItemText(row, kNumberColumn), "");
}

void CDlgSCGZHList::OnBtnSelectAll() {
    ui::ListCtrl& list = List();
    for (int row = 0; row < list.GetItemCount(); ++row) list.SetCheck(row, TRUE);
}

void CDlgSCGZHList::OnBtnInvert() {
    ui::ListCtrl& list = List();
    for (int row = 0; row < list.GetItemCount(); ++row) list.SetCheck(row, !list.GetCheck(row));
}

void CDlgSCGZHList::OnBtnQuery() {
    CDlgResultQuery query(this);
    if (query.DoModal() != IDOK) return;
    FillFrom(query.m_strSQL);
}

void CDlgSCGZHList::OutputExcel() {
    if (!m_pConnection) return;
    CAdoConnection& connection = *m_pConnection;
    OutputTickedRows(*this, List(), ProjectListTable(), "成果转化项目表",
                     [&connection](const std::string& number, int running) {
        return ProjectListRow(connection, number, running);
    });
}

// ---- delete ----

void CDlgSCGZHList::OnBtnDelete() {
    const std::vector<std::string> numbers = TickedNumbers();
    if (numbers.empty()) {
        MessageBox("请选中要删除的记录！", "提示", MB_OK | MB_ICONERROR);
        return;
    }
    if (MessageBox("确定要删除所选纪录吗？", "系统提示", MB_OKCANCEL) != IDOK) return;
    CDlgSCGZHInfo* info = InfoPage();
    const std::string shown = info ? info->GetDlgItemText(CDlgSCGZHInfo::IDC_XMBH) : std::string();
    // A project's main row and child rows go together, or none of them.
    const std::vector<std::string> deleted =
        db::EachInTransaction(*m_pConnection, numbers,
                              [this](const std::string& number) { return DeleteRecord(*m_pConnection, number); });
    if (info && std::find(deleted.begin(), deleted.end(), shown) != deleted.end()) info->ClearAll();
    FillList();
}

// ---- loading a record ----

void CDlgSCGZHList::LoadRecord(const std::string& number, const std::string& name) {
    CDlgSCGZHInfo* info = InfoPage();
    if (!info || !m_pConnection) return;
    m_loaded = projectnumber::LoadProject(*m_pConnection, number);
    info->ClearAll();
    MainValues values;
    const db::Found stored = ReadMainRow(*m_pConnection, number, m_strAppPath, values);
    if (stored == db::Found::NoRow) {
        info->SetNumberAndName(number, name);
    } else if (stored == db::Found::Row) {
        for (int index = 0; index < kFirstCheck; ++index) {
            const int slot = RichSlot(index);
            if (slot < 0) info->SetDlgItemText(CDlgSCGZHInfo::ControlOf(index), values[index]);
            else info->RichEdit(slot).LoadRtfFile(values[index]);
        }
        for (int n = 1; n <= kCheckCount; ++n)
            info->CheckDlgButton(CDlgSCGZHInfo::CheckId(n), IsTicked(values[kFirstCheck + n - 1]));
        info->UpdateData(TRUE);
    }
    for (int child = 0; child < kChildCount; ++child) {
        const ChildTable& table = ChildTables()[child];
        CSCGZHGridCtrl& grid = info->Grid(child);
        grid.RemoveAll();
        int count = 1;
        for (const std::vector<std::string>& stored : ReadChildRows(*m_pConnection, child, number)) {
            std::unique_ptr<ui::GridRow> row = grid.CreateRow(table.GridColumns());
            if (table.numbered) row->GetItem(0)->SetValue(text::Format("%d", count++));
            for (int i = 0; i < int(table.stored.size()); ++i) row->GetItem(table.GridColumnOf(i))->SetValue(stored[i]);
            grid.AddRow(std::move(row), TRUE);
        }
    }
}

// ---- bundles ----

bool CDlgSCGZHList::IsRecordExist(const std::string& number) {
    return m_pConnection && RecordExists(*m_pConnection, number);
}

void CDlgSCGZHList::OnBtnExport() {
    const std::vector<std::string> numbers = TickedNumbers();
    if (numbers.empty()) {
        MessageBox("请先选择要导出的记录！", "提示", MB_OK | MB_ICONERROR);
        return;
    }
    const std::string chosen = ui::BrowseForFolder("请选择成果转化（项目）保存路径");
    if (chosen.empty()) return;
    const std::string folder = ExportFolder(chosen, text::DateTime::Now());
    ui::ProgressDialog progress("导出成果转化（项目）", int(numbers.size()));
    for (const std::string& number : numbers) {
        progress.Next(number);
        if (!WriteBundle(*m_pConnection, number, folder)) {
            MessageBox("项目编号为" + number + "的项目导出失败！", "提示", MB_OK | MB_ICONINFORMATION);
            return;
        }
    }
    MessageBox(WithSavedFolder("导出成功！", folder), "提示", MB_OK | MB_ICONINFORMATION);
}

void CDlgSCGZHList::OnBtnImport() {
    const std::string folder = ui::BrowseForFolder("选择导入文件夹路径");
    if (folder.empty()) return;
    int count = 0;
    {
        const std::vector<std::string> files = sys::ListFiles(folder, "cgzh");
        ui::ProgressDialog progress("导入成果转化（项目）", int(files.size()));
        for (const std::string& file : files) {
            progress.Next(file);
            count += Import(sys::JoinListedName(folder, file));
        }
    }
    MessageBox(ImportReport(count, {}, sys::ListNonFiles(folder, "cgzh")), "提示", MB_OK | MB_ICONINFORMATION);
    FillList();
}

int CDlgSCGZHList::Import(const std::string& path) {
    const ImportResult result = ReadBundle(*m_pConnection, path, m_strAppPath, [this](const std::string& number) {
        return MessageBox("项目编号为" + number + "的成果转化信息已存在，确定覆盖吗？", "提示",
                          MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
    });
    if (result == ImportResult::Unreadable) MessageBox("载入数据文件失败！", "提示", MB_OK | MB_ICONERROR);
    if (result == ImportResult::OtherKind)
        MessageBox("文件" + sys::FileName(path) + "不是成果转化信息文件，未导入！", "提示", MB_OK | MB_ICONERROR);
    if (result == ImportResult::WrongRows)
        MessageBox("文件" + sys::FileName(path) + "中没有项目编号的成果转化信息，或含有其他项目的记录，未导入！", "提示",
                   MB_OK | MB_ICONERROR);
    return result == ImportResult::Imported ? 1 : 0;
}
