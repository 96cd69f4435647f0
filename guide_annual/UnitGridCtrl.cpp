#include "guide_annual/UnitGridCtrl.h"

#include "guide_annual/AnnualGuideData.h"
#include "platform/ui/Services.h"

namespace {
std::string DictionaryName(const std::string& code) {
    const auto found = g_mapUnitName.find(code);
    return found == g_mapUnitName.end() ? std::string() : found->second;
}
}  // namespace

int CUnitGridCtrl::OnCreate() {
    InsertColumn(kCodeColumn, "单位代码", 100);
    InsertColumn(kNameColumn, "单位名称", 300);
    EnableHeader(TRUE);
    for (int column : {kCodeColumn, kNameColumn}) {
        SetColumnAlign(column, ui::HDF_CENTER);
        SetHeaderAlign(column, ui::HDF_CENTER);
    }
    return 0;
}

std::unique_ptr<ui::GridItem> CUnitGridCtrl::CreateItem(int, int column) {
    auto item = std::make_unique<CUnitGridItem>();
    if (column == kCodeColumn)
        for (const std::string& code : g_arrUnitCode) item->AddOption(code);
    else item->AllowEdit(FALSE);
    return item;
}

void CUnitGridCtrl::AddUnitRow() {
    AddRow(CreateRow(2));
    AdjustLayout();
}

void CUnitGridCtrl::AddUnit(const std::string& code) {
    AddUnitRow();
    const int row = GetRowCount() - 1;
    ui::GridItem* cell = GetItem(row, kCodeColumn);
    cell->SetValue(code);
    OnItemChanged(cell, row, -1);
}

std::string CUnitGridCtrl::GetCode(int row) const {
    const ui::GridItem* cell = GetItem(row, kCodeColumn);
    return cell ? cell->GetValue() : std::string();
}

std::string CUnitGridCtrl::GetName(int row) const {
    const ui::GridItem* cell = GetItem(row, kNameColumn);
    return cell ? cell->GetValue() : std::string();
}

void CUnitGridCtrl::SetRowTexts(int row, const std::string& code, const std::string& name) {
    if (ui::GridItem* cell = GetItem(row, kCodeColumn)) cell->SetValue(code);
    if (ui::GridItem* cell = GetItem(row, kNameColumn)) cell->SetValue(name);
}

bool CUnitGridCtrl::IsListedElsewhere(int row, const std::string& code) const {
    if (code.empty()) return false;
    for (int other = 0; other < GetRowCount(); ++other)
        if (other != row && GetCode(other) == code) return true;
    return false;
}

void CUnitGridCtrl::OnItemChanged(ui::GridItem* item, int row, int column) {
    if (column != kCodeColumn && column != -1) return;
    const std::string code = item->GetValue();
    if (IsListedElsewhere(row, code)) {
        ui::AfxMessageBox("单位代码：" + code + " 已存在，请重新选择！");
        if (column == kCodeColumn) item->SetValue("");
        else RemoveRow(GetRowCount() - 1);
        return;
    }
    if (ui::GridItem* name = GetItem(row, kNameColumn)) name->SetValue(DictionaryName(code));
}
