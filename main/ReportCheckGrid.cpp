#include "main/ReportCheckGrid.h"

namespace {

constexpr int kGridId = 1;
constexpr int kCheckWidth = 20;

}  // namespace

BOOL CReportCheckGrid::CreateOver(ui::Wnd& parent, int placeholderId, const std::vector<Column>& columns) {
    if (!Create(WS_CHILD | WS_VISIBLE | WS_BORDER, parent.GetItemRect(placeholderId), &parent, kGridId)) return FALSE;
    InsertColumn(0, "", kCheckWidth);
    for (const Column& column : columns) InsertColumn(GetColumnCount(), column.heading, column.width);
    EnableHeader(TRUE, 0);
    return TRUE;
}

void CReportCheckGrid::AddEntry(const std::vector<std::string>& texts) {
    auto row = CreateRow(GetColumnCount());
    row->ReplaceItem(0, std::make_unique<ui::GridCheckItem>(false));
    for (std::size_t i = 0; i < texts.size() && int(i) + 1 < GetColumnCount(); ++i) {
        ui::GridItem* cell = row->GetItem(int(i) + 1);
        cell->SetValue(texts[i]);
        cell->AllowEdit(FALSE);
    }
    AddRow(std::move(row));
}

void CReportCheckGrid::SetCheck(int row, bool checked) {
    if (auto* check = dynamic_cast<ui::GridCheckItem*>(GetItem(row, 0))) check->SetCheck(checked);
}

bool CReportCheckGrid::GetCheck(int row) const {
    auto* check = dynamic_cast<ui::GridCheckItem*>(GetItem(row, 0));
    return check && check->GetCheck();
}

void CReportCheckGrid::CheckAll() {
    for (int row = 0; row < GetRowCount(); ++row) SetCheck(row, true);
}

void CReportCheckGrid::InvertChecks() {
    for (int row = 0; row < GetRowCount(); ++row) SetCheck(row, !GetCheck(row));
}

std::vector<int> CReportCheckGrid::CheckedRows() const {
    std::vector<int> rows;
    for (int row = 0; row < GetRowCount(); ++row)
        if (GetCheck(row)) rows.push_back(row);
    return rows;
}

std::string CReportCheckGrid::Text(int row, int column) const {
    ui::GridItem* cell = GetItem(row, column);
    return cell ? cell->GetValue() : std::string();
}
