#include "application/MemberGridCtrl.h"

#include "platform/text/Text.h"
#include "platform/ui/Services.h"

int CMemberGridCtrl::OnCreate() {
    static const struct {
        const char* name;
        int width;
    } kColumns[kColumnCount] = {{"姓名", 100},     {"性别", 50},     {"年龄", 80},       {"职称", 100},
                                {"工作单位", 180}, {"参加月数", 70}, {"工作分工", 160}};
    EnableHeader(TRUE, 0);
    for (int i = 0; i < kColumnCount; ++i) {
        InsertColumn(i, kColumns[i].name, kColumns[i].width);
        SetColumnAlign(i, ui::HDF_CENTER);
        SetHeaderAlign(i, ui::HDF_CENTER);
    }
    return 0;
}

bool CMemberGridCtrl::IsValidValue(int column, const std::string& value) {
    if (column != kAge && column != kMonths) return true;
    return !value.empty() && value[0] != '-' && value == text::Format("%ld", text::Atol(value));
}

void CMemberGridCtrl::OnItemChanged(ui::GridItem* item, int row, int column) {
    const char* message = column == kAge ? "年龄请输入整数！" : column == kMonths ? "参加月数请输入整数！" : nullptr;
    if (!message || !item || IsValidValue(column, item->GetValue())) return;
    ui::MessageBox(message, "提示");
    item->SetValue("");
}
