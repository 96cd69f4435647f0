#include "office_reports/FundGrid.h"

#include <memory>

#include "foundation/AdoRecordSet.h"
#include "office_reports/ReportSupport.h"

namespace reports {

BOOL CFundGrid::CreateOver(ui::Wnd& dialog, int placeholderId, int fundWidth, bool withType) {
    withType_ = withType;
    if (!Create(WS_CHILD | WS_VISIBLE | WS_BORDER, dialog.GetItemRect(placeholderId), &dialog, 1)) return FALSE;
    EnableHeader(TRUE);
    InsertColumn(kTick, "", 20);
    InsertColumn(kFund, "基金编号", fundWidth);
    if (withType) InsertColumn(kType, "项目类型", 80);
    return TRUE;
}

void CFundGrid::AddFundRow(const std::string& fund) {
    std::unique_ptr<ui::GridRow> row = CreateRow(GetColumnCount());
    row->ReplaceItem(kTick, std::make_unique<ui::GridCheckItem>(false));
    row->GetItem(kFund)->SetValue(fund);
    if (withType_) {
        ui::GridItem* type = row->GetItem(kType);
        for (const std::string* option : {&kTypeGeneral, &kTypeKey, &kTypeAll}) type->AddOption(*option);
        type->SetValue(kTypeAll);
    }
    AddRow(std::move(row), TRUE);
}

void CFundGrid::FillFromProjects(CAdoRecordSet& projects) {
    RemoveAll();
    AdjustLayout();
    std::string last;
    bool first = true;
    for (; !projects.IsEOF(); projects.MoveNext()) {
        const std::string fund = FundOf(Text(projects, "XMBH"));
        if (first || fund != last) AddFundRow(fund);
        first = false;
        last = fund;
    }
}

bool CFundGrid::IsTicked(int row) const {
    const ui::GridItem* tick = GetItem(row, kTick);
    // A tick that holds some other value reads as a boolean of its text.
    return tick && tick->GetValue() != "0" && !tick->GetValue().empty();
}

void CFundGrid::SetTicked(int row, bool ticked) {
    if (ui::GridItem* tick = GetItem(row, kTick)) tick->SetValue(ticked ? "1" : "0");
}

std::string CFundGrid::FundAt(int row) const {
    const ui::GridItem* fund = GetItem(row, kFund);
    return fund ? fund->GetValue() : std::string();
}

void CFundGrid::SelectAll() {
    for (int row = 0; row < GetRowCount(); ++row) SetTicked(row, true);
}

void CFundGrid::InvertSelection() {
    for (int row = 0; row < GetRowCount(); ++row) SetTicked(row, !IsTicked(row));
}

void CFundGrid::SetAllTypes(const std::string& type) {
    if (!withType_) return;
    for (int row = 0; row < GetRowCount(); ++row)
        if (ui::GridItem* item = GetItem(row, kType)) item->SetValue(type);
}

std::vector<CFundGrid::Choice> CFundGrid::Ticked() {
    EndEditItem(TRUE);
    std::vector<Choice> chosen;
    for (int row = 0; row < GetRowCount(); ++row) {
        if (!IsTicked(row)) continue;
        const ui::GridItem* type = withType_ ? GetItem(row, kType) : nullptr;
        chosen.push_back({FundAt(row), type ? type->GetValue() : std::string()});
    }
    return chosen;
}

}  // namespace reports
