#include "review/ExpertGridCtrl.h"

#include <memory>

#include "foundation/AdoRecordSet.h"
#include "platform/text/Text.h"
#include "review/WorkflowSupport.h"
#include "review/ReviewStore.h"

namespace {

constexpr struct {
    const char* name;
    int width;
} kColumns[CExpertGridCtrl::kColumnCount] = {
    {"专家编号", 60}, {"专家姓名", 80}, {"性别", 50},     {"年龄", 50},     {"职称", 80}, {"专业特长", 100},
    {"工作单位", 150}, {"通讯地址", 150}, {"邮政编码", 70}, {"电话", 70}, {"手机", 70},
};

// Master-data columns of grid cells 2 to 10.
constexpr const char* kDetailColumns[] = {"XB", "NL", "ZC", "ZYTC", "GZDW", "TXDZ", "YZBM", "DH", "SJ"};

// The panel's number and name edits of experts 1 to 3.
constexpr int kPanelNumberEdits[] = {6101, 6104, 6107};
constexpr int kPanelNameEdits[] = {6102, 6105, 6108};

}  // namespace

int CExpertGridCtrl::OnCreate() {
    EnableHeader(TRUE, 0);
    for (int i = 0; i < kColumnCount; ++i) InsertColumn(i, kColumns[i].name, kColumns[i].width);
    for (int i = 0; i < 3; ++i) AddExpertRow();
    return 0;
}

void CExpertGridCtrl::AddExpertRow() {
    std::unique_ptr<ui::GridRow> row = CreateRow(kColumnCount);
    auto number = std::make_unique<ui::GridItem>(std::string());
    for (const std::string& id : reviewstore::ExpertNumbers(m_pConnection, true)) number->AddOption(id);
    row->ReplaceItem(kNumber, std::move(number));
    for (int column = kName; column < kColumnCount; ++column) {
        row->GetItem(column)->SetValue("");
        row->GetItem(column)->AllowEdit(FALSE);
    }
    AddRow(std::move(row));
    AdjustLayout();
}

std::string CExpertGridCtrl::GetExpertNumber(int row) const {
    ui::GridItem* item = GetItem(row, kNumber);
    return item ? item->GetValue() : std::string();
}

void CExpertGridCtrl::OnCellChanged(ui::GridItem* item, int row, int column) {
    if (column != kNumber || !item) return;
    const std::string number = item->GetValue();
    if (number.empty()) return;  // a cleared number leaves the row as it was
    for (int other = 0; other < GetRowCount(); ++other) {
        if (other == row || GetExpertNumber(other) != number) continue;
        workflow::Prompt("所选专家有重复，请重新选择！");
        item->SetValue("");
        return;
    }
    CAdoRecordSet rs;
    if (!reviewstore::OpenExpert(rs, m_pConnection, number) || rs.GetRecordCount() <= 0) return;
    std::string name;
    rs.GetString("XM", name);
    GetItem(row, kName)->SetValue(name);
    if (ui::Wnd* panel = GetParent(); panel && row >= 0 && row < 3) {
        panel->SetDlgItemText(kPanelNumberEdits[row], number);
        panel->SetDlgItemText(kPanelNameEdits[row], name);
    }
    for (int i = 0; i < int(std::size(kDetailColumns)); ++i) {
        std::string value;
        rs.GetString(kDetailColumns[i], value);
        GetItem(row, kName + 1 + i)->SetValue(value);
    }
}
