#include "sysmanage/DlgUnitManage.h"

#include "foundation/ImportReport.h"

#include "foundation/RecordTexts.h"
#include "foundation/Transaction.h"
#include "platform/office/Excel.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"
#include "sysmanage/DlgRepeatRecord.h"
#include "sysmanage/DlgUnitInfo.h"
#include "sysmanage/ManageCommon.h"
#include "sysmanage/MasterDataStore.h"
#include "sysmanage/UnitColumns.h"
#include "sysmanage/UnitFile.h"

using sysmanage::DuplicatePolicy;

namespace {

constexpr int kColumnWidths[] = {100, 250, 150, 150, 150, 100, 250, 70, 70, 100, 120, 120, 200, 200, 150};
constexpr int kFundOfficeRole = 2;

}  // namespace

const ui::DialogTemplate& CDlgUnitManage::Template() {
    using ui::Kind;
    static const ui::DialogTemplate tpl{IDD, "单位信息管理", {0, 0, 560, 330}, {
        {Kind::GroupBox, IDC_STATIC, "查询条件", {7, 4, 546, 30}},
        {Kind::Static, IDC_STATIC, "单位代码：", {16, 17, 40, 10}},
        {Kind::Edit, IDC_CODE_FILTER, "", {58, 15, 90, 13}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "单位名称：", {162, 17, 40, 10}},
        {Kind::Edit, IDC_NAME_FILTER, "", {204, 15, 160, 13}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL},
        {Kind::PushButton, IDC_QUERY, "查询", {380, 14, 50, 14}, WS_TABSTOP},
        {Kind::ListCtrl, IDC_LIST, "", {7, 40, 546, 258}, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS},
        {Kind::PushButton, IDC_ADD, "新增", {150, 308, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_DELETE, "删除", {208, 308, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_IMPORT, "批量导入", {266, 308, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_EXPORT, "批量导出", {324, 308, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_EXCEL, "生成Excel", {382, 308, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "退出", {440, 308, 50, 14}, WS_TABSTOP},
    }};
    return tpl;
}

CDlgUnitManage::CDlgUnitManage(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    MapClicked(IDC_QUERY, [this] { QueryUnits(true); });
    MapClicked(IDC_ADD, [this] { OnBtnAdd(); });
    MapClicked(IDC_DELETE, [this] { OnBtnDelete(); });
    MapClicked(IDC_IMPORT, [this] { OnBtnImport(); });
    MapClicked(IDC_EXPORT, [this] { OnBtnExport(); });
    MapClicked(IDC_EXCEL, [this] { OutputExcel(); });
    MapNotify(IDC_LIST, NM_DBLCLK, [this](const ui::NotifyInfo& info) { OnDblclkList(info); });
}

ui::ListCtrl& CDlgUnitManage::List() const { return *Item<ui::ListCtrl>(IDC_LIST); }

BOOL CDlgUnitManage::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    StandardDialogSetUp(*this);
    ui::ListCtrl& list = List();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    // The first column is centred only when it is not column 0 at insertion.
    list.InsertColumn(0, "dummy", LVCFMT_LEFT, 0);
    for (size_t i = 0; i < kUnitColumns.size(); ++i)
        list.InsertColumn(int(i) + 1, kUnitColumns[i].label, LVCFMT_CENTER, kColumnWidths[i]);
    list.DeleteColumn(0);

    BindRecordset(m_recordset, m_connection);
    if (!ConnectDatabase(m_connection, kProjectDatabase)) {
        ui::AfxMessageBox(kConnectFailed);
        return TRUE;
    }
    if (!ConnectDatabase(m_sideConnection, kSideDatabase)) {
        ui::AfxMessageBox(kConnectFailed);
        return TRUE;
    }
    QueryUnits(false);
    return TRUE;
}

void CDlgUnitManage::QueryUnits(bool withFilters) {
    GetDlgItem(IDC_QUERY)->EnableWindow(FALSE);
    ui::ListCtrl& list = List();
    list.DeleteAllItems();
    const std::string code = withFilters ? GetDlgItemText(IDC_CODE_FILTER) : std::string();
    const std::string name = withFilters ? GetDlgItemText(IDC_NAME_FILTER) : std::string();
    if (masterstore::OpenUnitList(m_recordset, code, name)) list.AppendRows(ReadRowTexts(m_recordset, long(kUnitColumns.size())));
    m_recordset.Close();
    GetDlgItem(IDC_QUERY)->EnableWindow(TRUE);
}

void CDlgUnitManage::EditUnit(const std::string& code) {
    CDlgUnitInfo editor(this);
    editor.m_strCode = code;
    editor.m_pConnection = &m_connection;
    editor.m_pRecordset = &m_recordset;
    if (editor.DoModal() == IDOK) QueryUnits(false);
}

void CDlgUnitManage::OnBtnAdd() { EditUnit({}); }

void CDlgUnitManage::OnDblclkList(const ui::NotifyInfo& info) {
    // The row under the cursor; a double click beside the rows gives none.
    if (info.item >= 0 && info.item < List().GetItemCount()) EditUnit(List().GetItemText(info.item, kUnitCode));
}

void CDlgUnitManage::OnBtnDelete() {
    const std::vector<std::string> codes = SelectedColumnTexts(List(), kUnitCode);
    if (codes.empty()) {
        Prompt(kSelectRecordsFirst);
        return;
    }
    if (Prompt("确定删除所选记录？", MB_ICONQUESTION, MB_YESNO) != IDYES) return;
    // The selected units go together or not at all.
    if (!masterstore::DeleteUnits(m_connection, codes))
        Prompt(db::FailureMessage(m_connection, "删除失败！"), MB_ICONSTOP);
    QueryUnits(false);
}

void CDlgUnitManage::OnBtnExport() {
    ui::FileDialog chooser(FALSE, kUnitFileExt, kUnitFileName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                           kUnitFileFilter, this);
    if (chooser.DoModal() != IDOK) return;
    const int count = ExportUnitFile(m_recordset, chooser.GetPathName());
    if (count < 0) Prompt("文件导出失败！");
    else Prompt(text::Format("共导出了%d条数据！", count));
}

void CDlgUnitManage::OnBtnImport() {
    DuplicatePolicy policy;
    if (!ChooseDuplicatePolicy(policy, this)) return;
    ui::FileDialog chooser(TRUE, kUnitFileExt, {}, OFN_HIDEREADONLY, kUnitFileFilter, this);
    if (chooser.DoModal() != IDOK) return;
    const std::string path = chooser.GetPathName();
    const MasterFileImport result =
        ImportUnitFile(path, policy, m_options.GetRole() == kFundOfficeRole, m_connection);
    const bool read = result.outcome == MasterFileImport::Outcome::Read;
    Prompt(MasterFileReport(m_connection, kUnitFileFormat, path, result), read ? MB_ICONINFORMATION : MB_ICONSTOP);
    if (read) QueryUnits(false);
}

void CDlgUnitManage::OutputExcel() {
    namespace xl = office::excel;
    auto excel = xl::Application::Create();
    if (!excel) {
        ui::AfxMessageBox("Excel启动失败!");
        return;
    }
    xl::Workbook book = excel->Workbooks().Add(sys::JoinPath(sys::ProgramFolder(), "模板\\单位信息表.xls"));
    xl::Worksheet sheet = book.Sheets().Item("sheet1");
    if (!sheet.IsValid()) {
        excel->Quit();
        ui::AfxMessageBox("无法打开模板“单位信息表.xls”！");
        return;
    }
    sheet.SetName("单位信息表");
    sheet.Range("A1").SetValue("单位信息表");
    sheet.Range("A1", "O1").Merge(false);
    sheet.Range("A1").Font().SetSize(14);
    xl::Range cells = sheet.Cells();
    for (size_t i = 0; i < kUnitColumns.size(); ++i) cells.Item(2, int(i) + 1).SetValue(kUnitColumns[i].label);
    xl::Range header = sheet.Range("A2", "O2");
    header.Font().SetName("隶书");
    header.Font().SetSize(11);

    int lastRow = 2;
    if (masterstore::OpenUnitsInOrder(m_recordset)) {
        for (; !m_recordset.IsEOF(); m_recordset.MoveNext()) {
            ++lastRow;
            for (int column = 0; column < int(kUnitColumns.size()); ++column) {
                std::string value;
                m_recordset.GetFieldText(column, value);
                xl::Range cell = cells.Item(lastRow, column + 1);
                if (xl::HoldsCodes(kUnitColumns[column].label)) cell.SetNumberFormat("@");  // as written
                cell.SetValue(value);
            }
        }
    }
    m_recordset.Close();
    for (int row = 2; row <= lastRow; ++row)
        for (char column = 'A'; column <= 'O'; ++column)
            sheet.Range(text::Format("%c%d", column, row))
                .BorderAround(xl::xlContinuous, xl::xlThin, xl::xlColorIndexAutomatic);
    xl::Range used = sheet.UsedRange();
    used.SetWrapText(true);
    used.SetHorizontalAlignment(xl::xlCenter);
    used.SetVerticalAlignment(xl::xlCenter);
    excel->SetVisible(true);
}

void CDlgUnitManage::OnCancel() {
    m_connection.Close();
    m_sideConnection.Close();
    ui::Dialog::OnCancel();
}
