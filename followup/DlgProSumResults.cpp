#include "followup/DlgProSumResults.h"

#include <algorithm>

#include "followup/SummaryStore.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace {

constexpr int kTypeColumn = 1;
static_assert(CDlgProSumResults::kColumns == summarystore::kAchievementColumns);

}  // namespace

CDlgProSumResults::CDlgProSumResults() : ui::Dialog(Template(), nullptr) {
    MapClicked(IDC_BTN_INSERT, [this] { OnBtnInsert(); });
    MapClicked(IDC_BTN_DELETE, [this] { OnBtnDelete(); });
    MapClicked(IDC_BTN_CLEAR, [this] { OnBtnClear(); });
}

const ui::DialogTemplate& CDlgProSumResults::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "", {0, 0, 683, 360}, {
        {Kind::Static, IDC_GRID_PLACE, "", {5, 5, 673, 302}, SS_BLACKFRAME, {}, true},
        {Kind::PushButton, IDC_BTN_INSERT, "插入", {520, 318, 46, 16}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_DELETE, "删除", {574, 318, 46, 16}, WS_TABSTOP},
        {Kind::PushButton, IDC_BTN_CLEAR, "清空", {628, 318, 46, 16}, WS_TABSTOP},
    }, WS_CHILD};
    return t;
}

const std::vector<std::string>& CDlgProSumResults::Types() {
    static const std::vector<std::string> types = {"GF报告", "研究报告", "专利或软件著作权", "论文",
                                                   "专著",   "软件包",   "原型系统"};
    return types;
}

BOOL CDlgProSumResults::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(242, 246, 255));
    m_wndGrid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, GetItemRect(IDC_GRID_PLACE), this, IDC_GRID);
    const std::pair<const char*, int> columns[kColumns] = {{"名称", 400}, {"类型", 150}, {"时间", 150}, {"备注", 250}};
    for (int column = 0; column < kColumns; ++column) {
        m_wndGrid.InsertColumn(column, columns[column].first, columns[column].second);
        m_wndGrid.SetColumnAlign(column, ui::HDF_CENTER);
        m_wndGrid.SetHeaderAlign(column, ui::HDF_CENTER);
    }
    m_wndGrid.EnableHeader(TRUE, 0);
    return TRUE;
}

std::unique_ptr<ui::GridRow> CDlgProSumResults::NewRow() {
    std::unique_ptr<ui::GridRow> row = m_wndGrid.CreateRow(kColumns);
    auto type = std::make_unique<ui::GridItem>("");
    for (const std::string& option : Types()) type->AddOption(option);
    row->ReplaceItem(kTypeColumn, std::move(type));
    return row;
}

void CDlgProSumResults::OnBtnInsert() {
    UpdateData(TRUE);
    const std::vector<int> selected = m_wndGrid.GetSelectedRows();
    if (selected.empty())
        m_wndGrid.AddRow(NewRow(), FALSE);
    else
        m_wndGrid.InsertRowAfter(*std::min_element(selected.begin(), selected.end()), NewRow(), FALSE);
    m_wndGrid.AdjustLayout();
    UpdateData(FALSE);
}

void CDlgProSumResults::OnBtnDelete() {
    std::vector<int> selected = m_wndGrid.GetSelectedRows();
    if (selected.empty()) {
        ui::MessageBox("你尚未选中任何记录!", "提示", MB_OK);
        return;
    }
    std::sort(selected.rbegin(), selected.rend());
    for (int row : selected) m_wndGrid.RemoveRow(row, TRUE);
}

void CDlgProSumResults::OnBtnClear() {
    m_wndGrid.RemoveAll();
    m_wndGrid.AdjustLayout();
}

void CDlgProSumResults::LoadRows(const std::string& number) {
    for (const summarystore::Achievement& cells : summarystore::ReadAchievements(*m_pConnection, number)) {
        std::unique_ptr<ui::GridRow> row = NewRow();
        for (int column = 0; column < kColumns; ++column) row->GetItem(column)->SetValue(cells[column]);
        m_wndGrid.AddRow(std::move(row), FALSE);
    }
    m_wndGrid.AdjustLayout();
}

std::vector<std::vector<std::string>> CDlgProSumResults::Rows() {
    m_wndGrid.EndEditItem(TRUE);
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < m_wndGrid.GetRowCount(); ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < kColumns; ++column) {
            const ui::GridItem* item = m_wndGrid.GetItem(row, column);
            cells.push_back(item ? item->GetValue() : std::string());
        }
        rows.push_back(cells);
    }
    return rows;
}
