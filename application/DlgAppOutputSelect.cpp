#include "application/DlgAppOutputSelect.h"

#include <array>

namespace {

// The part boxes by part number 1 to 7.
constexpr std::array<int, 7> kPartBoxes = {5528, 5530, 5531, 5532, 5533, 5534, 5549};

}  // namespace

CDlgAppOutputSelect::CDlgAppOutputSelect(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    for (int id : kPartBoxes) MapClicked(id, [this, id] { OnPartBoxClicked(id); });
    MapClicked(IDC_SELECT_ALL, [this] { OnPartBoxClicked(IDC_SELECT_ALL); });
}

const ui::DialogTemplate& CDlgAppOutputSelect::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "选择输出", {0, 0, 188, 191}, {
        {Kind::GroupBox, IDC_STATIC, "输出内容：", {7, 7, 174, 150}},
        {Kind::CheckBox, 5528, "申请书基本信息", {20, 22, 120, 10}, WS_TABSTOP},
        {Kind::CheckBox, 5530, "经费预算", {20, 38, 120, 10}, WS_TABSTOP},
        {Kind::CheckBox, 5531, "立论依据", {20, 54, 120, 10}, WS_TABSTOP},
        {Kind::CheckBox, 5532, "研究方案", {20, 70, 120, 10}, WS_TABSTOP},
        {Kind::CheckBox, 5533, "项目基础", {20, 86, 120, 10}, WS_TABSTOP},
        {Kind::CheckBox, 5534, "单位意见", {20, 102, 120, 10}, WS_TABSTOP},
        {Kind::CheckBox, 5549, "推荐意见", {20, 118, 120, 10}, WS_TABSTOP},
        {Kind::CheckBox, IDC_SELECT_ALL, "全选", {20, 138, 60, 10}, WS_TABSTOP},
        {Kind::DefPushButton, IDOK, "确定", {32, 167, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {106, 167, 50, 14}, WS_TABSTOP},
    }};
    return t;
}

int CDlgAppOutputSelect::PartBoxId(int part) {
    return part >= 1 && part <= int(kPartBoxes.size()) ? kPartBoxes[part - 1] : 0;
}

BOOL CDlgAppOutputSelect::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    for (int id : kPartBoxes) CheckDlgButton(id, 1);
    CheckDlgButton(IDC_SELECT_ALL, 1);
    return TRUE;
}

// 全选 ticks every part; unticking a part unticks 全选. Nothing else follows.
void CDlgAppOutputSelect::OnPartBoxClicked(int id) {
    const bool checked = IsDlgButtonChecked(id) != 0;
    if (id == IDC_SELECT_ALL) {
        if (checked)
            for (int part : kPartBoxes) CheckDlgButton(part, 1);
    } else if (!checked) {
        CheckDlgButton(IDC_SELECT_ALL, 0);
    }
}

void CDlgAppOutputSelect::OnOK() {
    m_arrOutput.clear();
    for (int part = 1; part <= int(kPartBoxes.size()); ++part)
        if (IsDlgButtonChecked(PartBoxId(part)) != 0) m_arrOutput.push_back(std::to_string(part));
    ui::Dialog::OnOK();
}
