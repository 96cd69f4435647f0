#include "achievement/DlgUCGHZList.h"

#include <optional>

#include "achievement/DlgUCGHZPage1.h"
#include "achievement/DlgUCGHZPage2.h"
#include "achievement/ResultExcelOutput.h"
#include "achievement/UnitChangePage.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/FileMessages.h"
#include "foundation/RecordTexts.h"
#include "foundation/ImportReport.h"
#include "foundation/LengthPrefixedContainer.h"
#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Services.h"

namespace {

constexpr int kCodeColumn = 1;

// The columns a list row shows after 序号, with "万元" after the sums.
struct ListColumn {
    const char* heading;
    int width;
    const char* column;
    bool money;
};
constexpr ListColumn kListColumns[] = {
    {"单位代码", 100, "dwdm", false},         {"单位名称", 160, "dwmc", false},
    {"承担项目总数", 100, "cdxmzs", false},   {"承担项目总经费", 100, "cdxmzjf", true},
    {"承担重点项目数", 100, "cdzdxms", false}, {"承担重点项目经费", 110, "cdzdxmzjf", true},
    {"承担一般项目数", 100, "cdybxms", false}, {"承担一般项目经费", 110, "cdybxmzjf", true},
};

// The Excel list of ticked units: ten columns and a total row.
const resultchange::ExcelTable& UnitListTable() {
    static const resultchange::ExcelTable table{{"序号", "单位代码", "单位名称", "承担项目总数", "承担项目总经费",
                                                 "承担重点项目数", "承担重点项目经费", "承担一般项目数",
                                                 "承担一般项目经费", "备注"},
                                                36, true, 33, office::excel::xlPaperA4, {}, {5, 7, 9},
                                                {1, 4, 6, 8}};
    return table;
}

}  // namespace

CDlgUCGHZList::CDlgUCGHZList() : ui::Dialog(Template(), nullptr) {
    MapClicked(IDC_BTN_EXPORT, [this] { OnBtnExport(); });
    MapClicked(IDC_BTN_IMPORT, [this] { OnBtnImport(); });
    MapClicked(IDC_SELECT_ALL, [this] { OnSelectAll(); });
    MapClicked(IDC_INVERT, [this] { OnInvert(); });
    MapClicked(IDC_EXPORT_EXCEL, [this] { OutputExcel(); });
    MapNotify(IDC_LIST, NM_CLICK, [this](const ui::NotifyInfo& info) {
        LRESULT result = 0;
        OnClickList(&info, &result);
    });
}

const ui::DialogTemplate& CDlgUCGHZList::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 753, 124}, {
        {Kind::GroupBox, IDC_STATIC, "操作", {4, 5, 60, 112}},
        {Kind::PushButton, IDC_SELECT_ALL, "全选", {10, 22, 48, 16}, WS_TABSTOP},
        {Kind::PushButton, IDC_INVERT, "反选", {10, 52, 48, 16}, WS_TABSTOP},
        {Kind::PushButton, IDC_EXPORT_EXCEL, "导出Excel", {10, 82, 48, 16}, WS_TABSTOP},
        {Kind::ListCtrl, IDC_LIST, "", {70, 5, 624, 112},
         WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS},
        {Kind::PushButton, IDC_BTN_IMPORT, "", {709, 5, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_EXPORT, "", {709, 35, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_QUERY, "", {709, 66, 23, 21}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_DELETE, "", {709, 96, 23, 21}, WS_TABSTOP},
    }, WS_CHILD};
    return t;
}

ui::ListCtrl& CDlgUCGHZList::List() const { return *Item<ui::ListCtrl>(IDC_LIST); }

void CDlgUCGHZList::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_BTN_DELETE, m_btnDelete);
    dx.Control(IDC_BTN_QUERY, m_btnQuery);
    dx.Control(IDC_BTN_EXPORT, m_btnExport);
    dx.Control(IDC_BTN_IMPORT, m_btnImport);
}

BOOL CDlgUCGHZList::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(242, 246, 255));
    unitchange::StyleIconButton(m_btnImport, 3003, "导入");
    unitchange::StyleIconButton(m_btnExport, 5162, "导出");
    unitchange::StyleIconButton(m_btnDelete, 5160, "删除");
    unitchange::StyleIconButton(m_btnQuery, 5156, "查询");
    ui::ListCtrl& list = List();
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    // A first column cannot be centred: a dummy one goes first and is removed.
    list.InsertColumn(0, "dummy", LVCFMT_CENTER, 50);
    list.InsertColumn(1, "序号", LVCFMT_CENTER, 50);
    list.DeleteColumn(0);
    int column = 1;
    for (const ListColumn& c : kListColumns) list.InsertColumn(column++, c.heading, LVCFMT_CENTER, c.width);
    FillList();
    return TRUE;
}

void CDlgUCGHZList::FillList() {
    UpdateData(TRUE);
    ui::ListCtrl& list = List();
    list.DeleteAllItems();
    if (m_pConnection) {
        std::vector<const char*> columns;
        for (const ListColumn& c : kListColumns) columns.push_back(c.column);
        RowTexts rows = unitchange::ListRows(*m_pConnection, columns);
        for (std::vector<std::string>& row : rows)
            for (std::size_t c = 0; c < columns.size(); ++c)
                if (kListColumns[c].money) row[c] += "万元";
        NumberRows(rows);
        list.AppendRows(rows);
    }
    UpdateData(FALSE);
}

void CDlgUCGHZList::OnClickList(const ui::NotifyInfo*, LRESULT* result) {
    const int row = List().GetSelectionMark();
    if (row < 0) return;
    LoadRecord(List().GetItemText(row, kCodeColumn), "");
    if (result) *result = 0;
}

void CDlgUCGHZList::LoadRecord(std::string code, std::string name) {
    if (!m_pPage1 || !m_pPage2 || !m_pConnection) return;
    CDlgUCGHZPage1& page1 = *m_pPage1;
    CDlgUCGHZPage2& page2 = *m_pPage2;
    page1.ClearAll();
    page2.ClearAll();
    CAdoRecordSet rs;
    if (!unitchange::OpenRecord(rs, *m_pConnection, code) || rs.IsEOF()) {
        page1.SetCodeAndName(std::move(code), std::move(name));
        return;
    }
    const unitchange::Values values = unitchange::Read(rs);
    for (UnitChangePage* page : {static_cast<UnitChangePage*>(&page1), static_cast<UnitChangePage*>(&page2)})
        for (int index : page->Columns()) page->ShowValue(index, values[index]);
}

std::vector<std::string> CDlgUCGHZList::CheckedCodes() const { return resultchange::TickedKeys(List()); }

void CDlgUCGHZList::OnSelectAll() {
    ui::ListCtrl& list = List();
    for (int row = 0; row < list.GetItemCount(); ++row) list.SetCheck(row, TRUE);
}

void CDlgUCGHZList::OnInvert() {
    ui::ListCtrl& list = List();
    for (int row = 0; row < list.GetItemCount(); ++row) list.SetCheck(row, !list.GetCheck(row));
}

// ---- bundles ----

void CDlgUCGHZList::OnBtnExport() {
    const std::vector<std::string> codes = CheckedCodes();
    if (codes.empty()) {
        ui::MessageBox("请先选择要导出的记录！", "提示", MB_OK | MB_ICONSTOP);
        return;
    }
    const std::string chosen = ui::BrowseForFolder("请选择成果转化（单位）保存路径");
    if (chosen.empty() || !m_pConnection) return;
    const std::string folder =
        sys::JoinPath(chosen, text::DateTime::Now().Format("%Y-%m-%d") + "成果转化（单位）");
    const std::string scratch = sys::JoinPath(folder, kScratchName);
    ui::ProgressDialog progress("导出成果转化（单位）", int(codes.size()));
    for (const std::string& code : codes) {
        progress.Next(code);
        // A unit whose row has gone in the meantime gets no bundle.
        CAdoRecordSet rs;
        if (!unitchange::OpenRecord(rs, *m_pConnection, code) || rs.IsEOF()) continue;
        std::string part;
        const bool saved = sys::MakeDirs(folder) && rs.Save(scratch, adPersistXML) && sys::ReadFile(scratch, part) &&
                           LengthPrefixedContainer::Write(
                               sys::JoinPath(folder, sys::SafeFileName(code) + ".prosum"), std::nullopt, {part});
        sys::RemoveFile(scratch);
        if (!saved) {
            ui::MessageBox("单位编号为" + code + "的项目导出失败！", "提示", MB_OK | MB_ICONINFORMATION);
            return;
        }
    }
    ui::MessageBox(WithSavedFolder("成果转化（单位）导出完成！", folder), "提示", MB_OK | MB_ICONINFORMATION);
}

void CDlgUCGHZList::OnBtnImport() {
    const std::string folder = ui::BrowseForFolder("选择导入文件夹路径");
    if (folder.empty()) return;
    int count = 0;
    {
        const std::vector<std::string> names = sys::ListFiles(folder, "prosum");
        ui::ProgressDialog progress("导入成果转化（单位）", int(names.size()));
        for (const std::string& name : names) {
            progress.Next(name);
            count += Import(sys::JoinListedName(folder, name));
        }
    }
    ui::MessageBox(ImportReport(count, {}, sys::ListNonFiles(folder, "prosum")), "提示", MB_OK | MB_ICONINFORMATION);
    sys::RemoveFile(sys::JoinPath(sys::ProgramFolder(), kScratchName));
    FillList();
}

int CDlgUCGHZList::Import(const std::string& path) {
    if (!m_pConnection) return 0;
    const std::string scratch = sys::JoinPath(sys::ProgramFolder(), kScratchName);
    CAdoRecordSet source;
    // Only the first part is read; a cut-short bundle is refused whole.
    if (LengthPrefixedContainer::Extract(path, std::nullopt, {scratch}) != LengthPrefixedContainer::ReadResult::Ok ||
        !source.OpenFromFile(scratch)) {
        ui::MessageBox("载入数据文件" + sys::FileName(path) + "失败！", "提示", MB_OK | MB_ICONSTOP);
        return 0;
    }
    // A file of another kind (an application renamed .prosum) lacks the columns.
    if (!IsPartOf(source, unitchange::kTable, unitchange::ColumnNames())) {
        ui::MessageBox("文件" + path.substr(path.find_last_of('/') + 1) + "不是成果转化（单位）信息文件，未导入！", "提示",
                       MB_OK | MB_ICONSTOP);
        return 0;
    }
    if (source.IsEOF()) return 0;
    const unitchange::Values values = unitchange::Read(source);
    // A bundle carries one unit: the first row is taken, as it always was;
    // a later row of another unit would be dropped unseen, so the bundle is refused.
    const std::string& code = values[0];
    bool otherUnits = false;
    for (source.MoveNext(); !otherUnits && !source.IsEOF(); source.MoveNext()) {
        std::string other;
        source.GetString("dwdm", other);
        otherUnits = !text::EqualsNoCase(other, code);
    }
    source.Close();
    const std::string fileName = sys::FileName(path);
    if (code.empty()) {
        ui::MessageBox("文件" + fileName + "中没有单位代码，未导入！", "提示", MB_OK | MB_ICONSTOP);
        return 0;
    }
    if (otherUnits) {
        ui::MessageBox("文件" + fileName + "中含有其他单位的记录，未导入！", "提示", MB_OK | MB_ICONSTOP);
        return 0;
    }
    // The record belongs to a stored unit; another code ("9999", a path) would belong to none.
    if (const db::Found unit = unitchange::IsStoredUnit(*m_pConnection, code);
        unit != db::Found::Row) {
        ui::MessageBox(unit == db::Found::Failed
                           ? db::FailureMessage(*m_pConnection, "文件" + fileName + "未导入！")
                           : "文件" + fileName + "中的单位代码" + code + "不是已有的单位，未导入！",
                       "提示", MB_OK | MB_ICONSTOP);
        return 0;
    }
    const bool exists = IsRecordExist(code);
    if (exists && ui::MessageBox("单位代码为" + code + "的成果转化（单位）记录已存在，是否覆盖？", "提示",
                                 MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return 0;

    if (!unitchange::ImportRecord(*m_pConnection, values, exists)) {
        ui::MessageBox(unitchange::FailureMessage(*m_pConnection, values, "数据保存失败！"), "提示", MB_OK | MB_ICONSTOP);
        return 0;
    }
    return 1;
}

bool CDlgUCGHZList::IsRecordExist(const std::string& code) {
    if (!m_pConnection) return false;
    CAdoRecordSet rs;
    return unitchange::OpenRecord(rs, *m_pConnection, code) && rs.GetRecordCount() > 0;
}

// ---- Excel ----

void CDlgUCGHZList::OutputExcel() {
    resultchange::OutputTickedRows(*this, List(), UnitListTable(), "成果转化单位表",
                                   [this](const std::string& code, int number) {
        std::vector<std::string> cells = {std::to_string(number)};
        CAdoRecordSet rs;
        if (m_pConnection) unitchange::OpenRecord(rs, *m_pConnection, code);
        for (const char* column : {"dwdm", "dwmc", "cdxmzs", "cdxmzjf", "cdzdxms", "cdzdxmzjf", "cdybxms", "cdybxmzjf"}) {
            std::string value;
            rs.GetString(column, value);
            cells.push_back(value);
        }
        cells.push_back("");
        return cells;
    });
}
