#include "sysmanage/MasterListDialog.h"

#include "foundation/MasterFileImport.h"
#include "foundation/RecordTexts.h"
#include "foundation/Transaction.h"
#include "platform/office/Excel.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"
#include "sysmanage/ManageCommon.h"
#include "sysmanage/MasterDataStore.h"

using sysmanage::DuplicatePolicy;

namespace {

// Width in dialog units of a label of the template's font.
int LabelWidth(const char* text) { return static_cast<int>(text::GbkLength(text)) * 4 + 4; }

// The first three GBK bytes of a text: what makes rows one block of the Excel list.
std::string BlockKey(const std::string& text) { return text::Utf8ToGbk(text).substr(0, 3); }

}  // namespace

ui::DialogTemplate CMasterListDialog::MakeTemplate(const MasterListSpec& layout) {
    using ui::Kind;
    constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL;
    constexpr DWORD kButton = WS_TABSTOP;
    const int labelA = 15, editA = labelA + LabelWidth(layout.filterLabelA);
    const int labelB = editA + 125, editB = labelB + LabelWidth(layout.filterLabelB);
    const int query = editB + 125;
    auto button = [](int id, const char* text, int index) {
        return ui::ControlTemplate{Kind::PushButton, id, text, {7 + 62 * index, 278, 55, 15}, kButton};
    };
    return {layout.idd, layout.caption, {0, 0, 560, 300}, {
        {Kind::GroupBox, IDC_STATIC, "查询条件", {7, 5, 546, 32}},
        {Kind::Static, IDC_STATIC, layout.filterLabelA, {labelA, 19, LabelWidth(layout.filterLabelA), 10}},
        {Kind::Edit, layout.filterIdA, "", {editA, 17, 110, 13}, kEdit},
        {Kind::Static, IDC_STATIC, layout.filterLabelB, {labelB, 19, LabelWidth(layout.filterLabelB), 10}},
        {Kind::Edit, layout.filterIdB, "", {editB, 17, 110, 13}, kEdit},
        {Kind::DefPushButton, layout.idQuery, "查询", {query, 16, 50, 15}, kButton},
        {Kind::ListCtrl, IDC_LIST, "", {7, 42, 546, 228}, WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS},
        button(layout.idAdd, "新增", 0),
        button(layout.idDelete, "删除", 1),
        button(layout.idImport, "批量导入", 2),
        button(layout.idExport, "批量导出", 3),
        button(layout.idExcel, "生成Excel", 4),
        {Kind::PushButton, IDCANCEL, "退出", {498, 278, 55, 15}, kButton},
    }};
}

CMasterListDialog::CMasterListDialog(const MasterListSpec& layout, const ui::DialogTemplate& tpl, ui::Wnd* parent)
    : ui::Dialog(tpl, parent), spec_(layout) {
    MapClicked(layout.idQuery, [this] { RefreshList(TRUE); });
    MapClicked(layout.idAdd, [this] { OnBtnAdd(); });
    MapNotify(IDC_LIST, NM_DBLCLK, [this](const ui::NotifyInfo& info) { OnDblclkList(info); });
    MapClicked(layout.idDelete, [this] { OnBtnDelete(); });
    MapClicked(layout.idImport, [this] { OnBtnImport(); });
    MapClicked(layout.idExport, [this] { OnBtnExport(); });
    MapClicked(layout.idExcel, [this] { OutputExcel(); });
}

CMasterListDialog::~CMasterListDialog() = default;

ui::ListCtrl& CMasterListDialog::List() const { return *Item<ui::ListCtrl>(IDC_LIST); }

BOOL CMasterListDialog::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    StandardDialogSetUp(*this);
    ui::ListCtrl& list = List();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (std::size_t i = 0; i < spec_.columns.size(); ++i)
        list.InsertColumn(int(i), spec_.columns[i].heading, LVCFMT_CENTER, spec_.columns[i].width);

    if (!ConnectDatabase(m_connection, kProjectDatabase)) {
        ui::AfxMessageBox(kConnectFailed);
        return TRUE;
    }
    BindRecordset(m_recordset, m_connection);
    if (!ConnectDatabase(m_sideConnection, kSideDatabase)) {
        ui::AfxMessageBox(kConnectFailed);
        return TRUE;
    }
    RefreshList(FALSE);
    return TRUE;
}

void CMasterListDialog::OnCancel() {
    m_recordset.Close();
    m_connection.Close();
    m_sideConnection.Close();
    ui::Dialog::OnCancel();
}

void CMasterListDialog::RefreshList(BOOL useFilter) {
    ui::Wnd* queryButton = GetDlgItem(spec_.idQuery);
    queryButton->EnableWindow(FALSE);
    ui::ListCtrl& list = List();
    list.DeleteAllItems();
    const std::string a = useFilter ? GetDlgItemText(spec_.filterIdA) : std::string();
    const std::string b = useFilter ? GetDlgItemText(spec_.filterIdB) : std::string();

    // A query that fails (as a closed recordset) leaves the list empty.
    spec_.openList(m_recordset, a, b);
    list.AppendRows(ReadRowTexts(m_recordset, long(spec_.columns.size())));
    m_recordset.Close();
    queryButton->EnableWindow(TRUE);
}

void CMasterListDialog::OnBtnAdd() {
    if (RunEditor({}) == IDOK) RefreshList(FALSE);
}

void CMasterListDialog::OnDblclkList(const ui::NotifyInfo& info) {
    // The row under the cursor, as the list reports it; none beside the rows.
    const int item = info.item;
    if (item < 0 || item >= List().GetItemCount()) return;
    const int result = RunEditor(List().GetItemText(item, spec_.keyListColumn));
    if (result == IDOK || spec_.refillAfterCancelledEdit) RefreshList(FALSE);
}

void CMasterListDialog::OnBtnDelete() {
    const std::vector<std::string> keys = SelectedColumnTexts(List(), spec_.keyListColumn);
    if (keys.empty()) {
        Prompt(kSelectRecordsFirst);
        return;
    }
    if (Prompt("确定删除所选记录？", MB_ICONQUESTION, MB_YESNO) != IDYES) return;
    if (!masterstore::DeleteRecords(m_connection, spec_.table, spec_.keyColumn, keys)) Prompt(db::FailureMessage(m_connection, "删除失败！"), MB_ICONSTOP);
    RefreshList(FALSE);
}

void CMasterListDialog::OnBtnExport() {
    ExportThroughSideDatabase(spec_.exchange, SelectedColumnTexts(List(), spec_.keyListColumn), m_sideConnection,
                              m_recordset, this);
}

void CMasterListDialog::OnBtnImport() {
    DuplicatePolicy policy;
    if (!ChooseDuplicatePolicy(policy, this)) return;
    const std::string ext = text::Split(spec_.exchange.defaultFile, ".").back();
    ui::FileDialog chooser(TRUE, ext, {}, OFN_HIDEREADONLY, spec_.exchange.filter, this);
    if (chooser.DoModal() != IDOK) return;

    // The list's file as every master-data file is read: checked whole, then written in one transaction.
    const std::string kind = text::ReplaceAll(spec_.fileKind, "文件", "");
    const std::string keyLabel = text::ReplaceAll(spec_.existsQuestion, "：", "");
    const MasterFileFormat format{spec_.table, kind.c_str(), spec_.fileKeyField, keyLabel.c_str(),
                                  spec_.exchange.columnsCopied, spec_.exchange.columnsCopied, false};
    const std::string path = chooser.GetPathName();
    const MasterFileImport result = ImportMasterFile(m_connection, format, path, [&](const std::string& key) {
        return ShouldOverwrite(policy, spec_.existsQuestion + key + "已存在，是否覆盖原有记录？");
    });
    const bool read = result.outcome == MasterFileImport::Outcome::Read;
    Prompt(MasterFileReport(m_connection, format, path, result), read ? MB_ICONINFORMATION : MB_ICONSTOP);
    if (read) RefreshList(FALSE);
}

void CMasterListDialog::OutputExcel() {
    namespace xl = office::excel;
    auto excel = xl::Application::Create();
    if (!excel) {
        ui::AfxMessageBox("Excel启动失败!");
        return;
    }
    xl::Workbook book = excel->Workbooks().Add(sys::ProgramFolder() + "\\模板\\专家信息表.xls");
    xl::Worksheet sheet = book.IsValid() ? book.Sheets().Item("sheet1") : xl::Worksheet();
    if (!sheet.IsValid()) {
        ui::AfxMessageBox("无法打开模板“专家信息表.xls”：" + excel->LastError());
        return;
    }

    // The workbook is named by the list it holds (the template is the experts' for every list).
    book.SetTitle(text::ReplaceAll(spec_.fileKind, "文件", "表"));
    const ExcelListLayout& layout = spec_.excel;
    const int width = int(layout.headings.size());
    const std::string last = xl::ColumnName(width);
    auto rowRange = [&](int row) { return sheet.Range("A" + std::to_string(row), last + std::to_string(row)); };
    auto bordered = [&](const xl::Range& range) {
        for (int c = 1; c <= width; ++c) range.Item(1, c).BorderAround(xl::xlContinuous, xl::xlThin, xl::xlColorIndexAutomatic);
    };

    for (std::size_t c = 0; c < layout.columnWidths.size(); ++c)
        sheet.Cells().Item(1, int(c) + 1).SetColumnWidth(layout.columnWidths[c]);

    const ui::ListCtrl& list = List();
    int row = 0, blocks = 0;
    std::string key;
    for (int item = 0; item < list.GetItemCount(); ++item) {
        const std::string itemKey = BlockKey(list.GetItemText(item, layout.blockKeyColumn));
        if (itemKey != key) {
            if (++blocks > 1) ++row;  // an empty row between blocks
            key = itemKey;
            xl::Range title = rowRange(++row);
            if (blocks > 1) title.SetPageBreak(xl::xlPageBreakManual);
            title.Merge(false);
            title.Font().SetSize(12);
            title.SetRowHeight(30);
            title.SetHorizontalAlignment(xl::xlLeft);
            title.Item(1, 1).SetValue(std::string(layout.title) + (layout.titleEndsWithKey ? text::GbkToUtf8(key) : ""));

            xl::Range header = rowRange(++row);
            for (int c = 0; c < width; ++c) header.Item(1, c + 1).SetValue(layout.headings[c]);
            header.Font().SetBold(true);
            header.Font().SetSize(11);
            header.SetRowHeight(27);
            bordered(header);
        }
        xl::Range data = rowRange(++row);
        data.SetRowHeight(30);
        data.SetVerticalAlignment(xl::xlCenter);
        for (int c = 0; c < width; ++c) {
            xl::Range cell = data.Item(1, c + 1);
            if (xl::HoldsCodes(layout.headings[c])) cell.SetNumberFormat("@");  // codes print as written
            cell.SetValue(list.GetItemText(item, layout.firstPrintedColumn + c));
            // An age in the middle of its cell, apart from the text beside it.
            if (cell.Kind() == xl::ValueKind::Number) cell.SetHorizontalAlignment(xl::xlCenter);
        }
        bordered(data);
    }
    sheet.UsedRange().SetWrapText(true);
    excel->SetVisible(true);
}
