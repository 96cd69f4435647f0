#include "achievement/UnitChangePage.h"

#include <algorithm>

#include "achievement/ResultArtwork.h"
#include "foundation/ButtonST.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Lists.h"

namespace unitchange {

namespace {

using ui::ControlTemplate;
using ui::Kind;

constexpr int kRowHeight = 18;
constexpr int kLabelWidth = 215, kEditWidth = 100;
constexpr int kColumnX[2] = {14, 345};

ControlTemplate Label(const char* text, int x, int y, int cx, int cy = 16) {
    return {Kind::Static, IDC_STATIC, text, {x, y, cx, cy}};
}

ControlTemplate Input(const Field& f, int x, int y, int cx) {
    switch (f.kind) {
    case ControlKind::Combo:
        return {Kind::ComboBox, f.controlId, "", {x, y, cx, 100}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT};
    case ControlKind::Check:
        return {Kind::CheckBox, f.controlId, "是", {x, y, cx, 12}, WS_TABSTOP | BS_AUTOCHECKBOX};
    default:
        return {Kind::Edit, f.controlId, "", {x, y, cx, 14}, WS_TABSTOP | ES_AUTOHSCROLL};
    }
}

// A group box holding label-and-input pairs in two columns; returns the y
// below it.
int Group(std::vector<ControlTemplate>& out, const char* caption, const std::vector<int>& indexes, int y) {
    const int rows = int(indexes.size() + 1) / 2;
    out.push_back({Kind::GroupBox, IDC_STATIC, caption, {6, y, 666, 14 + rows * kRowHeight}});
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        const Field& f = Fields()[indexes[i]];
        const int x = kColumnX[i % 2], rowY = y + 12 + int(i / 2) * kRowHeight;
        out.push_back(Label(f.caption, x, rowY + 1, kLabelWidth));
        out.push_back(Input(f, x + kLabelWidth + 3, rowY, kEditWidth));
    }
    return y + 18 + rows * kRowHeight;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> r;
    for (int i = first; i <= last; ++i) r.push_back(i);
    return r;
}

std::vector<ControlTemplate> Page1Controls() {
    std::vector<ControlTemplate> c;
    int y = Group(c, "承担项目情况", {0, 1, 2, 6, 7, 8, 9, 10, 11}, 4);
    std::vector<int> spread = Range(12, 32);
    spread.insert(spread.end(), {3, 4, 5});
    Group(c, "成果推广应用", spread, y);
    return c;
}

std::vector<ControlTemplate> Page2Controls() {
    std::vector<ControlTemplate> c;
    int y = Group(c, "培育研究方向", Range(34, 38), 4);
    std::vector<int> team = {33};
    for (int i : Range(39, 43)) team.push_back(i);
    y = Group(c, "培养研究队伍", team, y);

    // Seven questions with their check boxes in a row, each count under its question.
    c.push_back({Kind::GroupBox, IDC_STATIC, "协调管理保障", {6, y, 666, 124}});
    for (int k = 0; k < kCheckCount; ++k) {
        const int x = 12 + k * 94;
        const Field& check = Fields()[kFirstCheck + k];
        const Field& count = Fields()[44 + k];
        c.push_back(Label(check.caption, x, y + 12, 90, 40));
        c.push_back(Input(check, x, y + 54, 90));
        c.push_back(Label(count.caption, x, y + 70, 90, 34));
        c.push_back(Input(count, x, y + 106, 90));
    }
    y += 130;
    y = Group(c, "联系人信息", Range(51, 53), y);
    c.push_back(Label("填表说明：各承研单位针对本单位承担预研公用技术/国防科技重点实验室/支撑技术基金项目的成果转化情况录入"
                      "相关信息，每一类基金对应的基本信息表格由计算机自动生成、打印，填写单位和联系人信息并加盖单位公章，"
                      "否则视为无效表格",
                      6, y, 666, 24));
    return c;
}

}  // namespace

void StyleIconButton(CButtonST& button, int icon, const char* tooltip) {
    button.SetIcon(icon);
    button.SetHandCursor(resultchange::kHandCursor);
    for (int index : {CButtonST::BTNST_COLOR_BK_IN, CButtonST::BTNST_COLOR_BK_OUT, CButtonST::BTNST_COLOR_BK_FOCUS})
        button.SetColor(index, RGB(242, 246, 255));
    button.SetTooltipText(tooltip);
}

ui::DialogTemplate PageTemplate(int page, int templateId) {
    return {templateId, "", {0, 0, 680, 352}, page == 1 ? Page1Controls() : Page2Controls(), WS_CHILD};
}

}  // namespace unitchange

using unitchange::ControlKind;
using unitchange::Fields;

UnitChangePage::UnitChangePage(const ui::DialogTemplate& tpl, int page) : ui::Dialog(tpl, nullptr) {
    for (int i = 0; i < unitchange::kColumnCount; ++i) {
        if (Fields()[i].page != page) continue;
        m_columns.push_back(i);
        if (Fields()[i].kind == ControlKind::Edit) m_editColumns.push_back(i);
    }
    m_strTexts.resize(m_editColumns.size());
}

BOOL UnitChangePage::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    return TRUE;
}

void UnitChangePage::DoDataExchange(ui::DataExchange& dx) {
    for (std::size_t i = 0; i < m_editColumns.size(); ++i) dx.Text(Fields()[m_editColumns[i]].controlId, m_strTexts[i]);
}

std::string& UnitChangePage::TextOf(int index) {
    auto at = std::find(m_editColumns.begin(), m_editColumns.end(), index);
    return m_strTexts[at - m_editColumns.begin()];
}

void UnitChangePage::ClearAll() {
    for (std::string& t : m_strTexts) t.clear();
    UpdateData(FALSE);
    for (int index : m_columns) {
        const unitchange::Field& f = Fields()[index];
        if (f.kind == ControlKind::Combo) SetDlgItemText(f.controlId, "");
        if (f.kind == ControlKind::Check) CheckDlgButton(f.controlId, 0);
    }
}

std::string UnitChangePage::ShownValue(int index) const {
    const unitchange::Field& f = Fields()[index];
    if (f.kind == ControlKind::Check) return IsDlgButtonChecked(f.controlId) == 1 ? "是" : "否";
    return GetDlgItemText(f.controlId);
}

void UnitChangePage::ShowValue(int index, const std::string& value) {
    const unitchange::Field& f = Fields()[index];
    if (f.kind == ControlKind::Check) CheckDlgButton(f.controlId, value == "是" ? 1 : 0);
    else SetDlgItemText(f.controlId, value);
}
