#include "review/DlgProEdit.h"

#include <map>

#include "foundation/Transaction.h"
#include "numbering/LeadingCharacters.h"
#include "review/ProjectInfoStore.h"
#include "foundation/ColumnLimits.h"
#include "platform/text/Text.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Services.h"

namespace {

using E = CDlgProEdit;

enum class FieldKind { Text, List, Day, Month };

// The form's fields and their columns of CORVANE_ITEMAPPINFO. The number
// (6101) identifies the record and is written only by a renumbering.
struct Field {
    int id;
    const char* column;
    FieldKind kind;
};
constexpr Field kFields[] = {
    {E::IDC_XMMC, "XMMC", FieldKind::Text},     {E::IDC_XMLB, "XMLB", FieldKind::List},
    {E::IDC_SQJE, "SQJE", FieldKind::Text},     {E::IDC_SQZNDM, "SQZNDM", FieldKind::Text},
    {E::IDC_DWDM, "DWDM", FieldKind::Text},     {E::IDC_NF, "NF", FieldKind::Text},
    {E::IDC_SQRQ, "SQRQ", FieldKind::Day},      {E::IDC_XMQSRQ, "XMQSRQ", FieldKind::Month},
    {E::IDC_XMZZRQ, "XMZZRQ", FieldKind::Month}, {E::IDC_DH, "DH", FieldKind::Text},
    {E::IDC_YZBM, "YZBM", FieldKind::Text},     {E::IDC_DXDZ, "DXDZ", FieldKind::Text},
    {E::IDC_ZTC, "ZTC", FieldKind::Text},       {E::IDC_MJ, "MJ", FieldKind::Text},
    {E::IDC_SQRXM, "SQRXM", FieldKind::Text},   {E::IDC_SQRXB, "SQRXB", FieldKind::List},
    {E::IDC_SQRNL, "SQRNL", FieldKind::Text},   {E::IDC_XW, "XW", FieldKind::List},
    {E::IDC_ZC, "ZC", FieldKind::List},         {E::IDC_ZYTC, "ZYTC", FieldKind::Text},
    {E::IDC_GZDW, "GZDW", FieldKind::Text},     {E::IDC_LSGX, "LSGX", FieldKind::Text},
    {E::IDC_HZDW, "HZDW", FieldKind::Text},     {E::IDC_XMZRS, "XMZRS", FieldKind::Text},
    {E::IDC_GJZC, "GJZC", FieldKind::Text},     {E::IDC_ZJZC, "ZJZC", FieldKind::Text},
    {E::IDC_CJZC, "CJZC", FieldKind::Text},     {E::IDC_BSHRS, "BSHRS", FieldKind::Text},
    {E::IDC_BSSRS, "BSSRS", FieldKind::Text},   {E::IDC_SSSRS, "SSSRS", FieldKind::Text},
    {E::IDC_FIRSTAPPR, "FIRSTAPPR", FieldKind::List},
};

// Member list columns: heading, width in pixels, column of CORVANE_PROJECT_SQCY.
struct MemberColumn {
    const char* heading;
    int width;
    const char* column;
};
constexpr MemberColumn kMemberColumns[] = {
    {"姓名", 80, "XM"},       {"性别", 40, "XB"},     {"年龄", 50, "NL"},        {"职称", 80, "ZC"},
    {"工作单位", 180, "GZDW"}, {"参加月数", 70, "CJYS"}, {"工作分工", 170, "GZFG"},
};

// The date a stored text gives: "yyyy/MM/dd" (year from the first four
// characters, month from characters 6 and 7, day from the last two), or
// "yyyy/MM" (the first day of the month from the first four and last two).
text::DateTime StoredDate(const std::string& value, FieldKind kind) {
    text::DateTime date;
    date.year = int(text::Atol(CharactersAt(value, 0, 4)));
    const std::string tail = value.size() >= 2 ? value.substr(value.size() - 2) : std::string();
    if (kind == FieldKind::Day) {
        date.month = int(text::Atol(CharactersAt(value, 5, 2)));
        date.day = int(text::Atol(tail));
    } else {
        date.month = int(text::Atol(tail));
        date.day = 1;
    }
    return date;
}

ui::DialogTemplate MakeTemplate() {
    using ui::Kind;
    ui::DialogTemplate t{E::IDD, "", {0, 0, 479, 513}, {}, WS_CHILD};
    constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER;
    constexpr DWORD kList = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    auto row = [](int i) { return 8 + 19 * i; };
    auto label = [&](const char* text, int x, int y, int cx) {
        t.controls.push_back({Kind::Static, IDC_STATIC, text, {x, y + 2, cx, 10}});
    };
    auto edit = [&](int id, int x, int y, int cx, DWORD extra = 0) {
        t.controls.push_back({Kind::Edit, id, "", {x, y, cx, 13}, kEdit | extra});
    };
    auto list = [&](int id, int x, int y, int cx, std::vector<std::string> items = {}) {
        t.controls.push_back({Kind::ComboBox, id, "", {x, y, cx, 100}, kList, std::move(items)});
    };
    auto date = [&](int id, int x, int y, int cx) {
        t.controls.push_back({Kind::DateTimePicker, id, "", {x, y, cx, 13}, WS_TABSTOP});
    };
    // Two columns of label and control; some controls span both.
    constexpr int kLeftLabel = 8, kLeft = 64, kLeftWidth = 165, kRightLabel = 240, kRight = 300, kRightWidth = 170;
    constexpr int kFullWidth = kRight + kRightWidth - kLeft;
    label("项目编号", kLeftLabel, row(0), 54), edit(E::IDC_XMBH, kLeft, row(0), kLeftWidth, ES_READONLY);
    label("初选意见", kRightLabel, row(0), 58), list(E::IDC_FIRSTAPPR, kRight, row(0), kRightWidth, {"+", "-"});
    label("项目名称", kLeftLabel, row(1), 54), edit(E::IDC_XMMC, kLeft, row(1), kFullWidth);
    label("项目类别", kLeftLabel, row(2), 54);
    list(E::IDC_XMLB, kLeft, row(2), kLeftWidth,
         {"共性技术基金——一般项目", "共性技术基金——重点项目", "重点实验室基金——一般项目", "重点实验室基金——重点项目"});
    label("申请金额(万元)", kRightLabel, row(2), 58), edit(E::IDC_SQJE, kRight, row(2), kRightWidth);
    label("指南代码", kLeftLabel, row(3), 54), edit(E::IDC_SQZNDM, kLeft, row(3), kLeftWidth);
    label("单位代码", kRightLabel, row(3), 58), edit(E::IDC_DWDM, kRight, row(3), kRightWidth);
    label("年份", kLeftLabel, row(4), 54), edit(E::IDC_NF, kLeft, row(4), kLeftWidth);
    label("申请日期", kRightLabel, row(4), 58), date(E::IDC_SQRQ, kRight, row(4), kRightWidth);
    label("起止年月", kLeftLabel, row(5), 54), date(E::IDC_XMQSRQ, kLeft, row(5), 78);
    label("-", kLeft + 81, row(5), 6), date(E::IDC_XMZZRQ, kLeft + 87, row(5), 78);
    label("密级", kRightLabel, row(5), 58), edit(E::IDC_MJ, kRight, row(5), kRightWidth);
    label("电话", kLeftLabel, row(6), 54), edit(E::IDC_DH, kLeft, row(6), kLeftWidth);
    label("邮政编码", kRightLabel, row(6), 58), edit(E::IDC_YZBM, kRight, row(6), kRightWidth);
    label("通信地址", kLeftLabel, row(7), 54), edit(E::IDC_DXDZ, kLeft, row(7), kFullWidth);
    label("主题词", kLeftLabel, row(8), 54), edit(E::IDC_ZTC, kLeft, row(8), kFullWidth);
    label("申请人", kLeftLabel, row(9), 54), edit(E::IDC_SQRXM, kLeft, row(9), kLeftWidth);
    label("性别", kRightLabel, row(9), 58), list(E::IDC_SQRXB, kRight, row(9), kRightWidth);
    label("年龄", kLeftLabel, row(10), 54), edit(E::IDC_SQRNL, kLeft, row(10), kLeftWidth);
    label("学位", kRightLabel, row(10), 58), list(E::IDC_XW, kRight, row(10), kRightWidth);
    label("职称", kLeftLabel, row(11), 54), list(E::IDC_ZC, kLeft, row(11), kLeftWidth);
    label("专业特长", kRightLabel, row(11), 58), edit(E::IDC_ZYTC, kRight, row(11), kRightWidth);
    label("工作单位", kLeftLabel, row(12), 54), edit(E::IDC_GZDW, kLeft, row(12), kFullWidth);
    label("隶属关系", kLeftLabel, row(13), 54), edit(E::IDC_LSGX, kLeft, row(13), kFullWidth);
    label("合作单位", kLeftLabel, row(14), 54), edit(E::IDC_HZDW, kLeft, row(14), kFullWidth);
    // Head counts, four and three to a row.
    const std::pair<const char*, int> counts[] = {{"总人数", E::IDC_XMZRS}, {"高级", E::IDC_GJZC},
                                                  {"中级", E::IDC_ZJZC},   {"初级", E::IDC_CJZC},
                                                  {"博士后", E::IDC_BSHRS}, {"博士生", E::IDC_BSSRS},
                                                  {"硕士生", E::IDC_SSSRS}};
    for (int i = 0; i < 7; ++i) {
        const int x = kLeftLabel + (i % 4) * 116, y = row(15 + i / 4);
        label(counts[i].first, x, y, 30), edit(counts[i].second, x + 32, y, 76);
    }
    label("项目成员", kLeftLabel, row(17), 54);
    t.controls.push_back({Kind::ListCtrl, E::IDC_MEMBERS, "", {kLeftLabel, row(17) + 12, 462, 160},
                          WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS});
    return t;
}

}  // namespace

const ui::DialogTemplate& CDlgProEdit::Template() {
    static const ui::DialogTemplate tpl = MakeTemplate();
    return tpl;
}

CDlgProEdit::CDlgProEdit() : ui::Dialog(Template(), nullptr) {}

BOOL CDlgProEdit::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    Item<ui::DateTimeCtrl>(IDC_XMQSRQ)->SetFormat("yyyy/MM");
    Item<ui::DateTimeCtrl>(IDC_XMZZRQ)->SetFormat("yyyy/MM");
    Item<ui::DateTimeCtrl>(IDC_SQRQ)->SetFormat("yyyy/MM/dd");
    ui::ListCtrl& members = Members();
    members.SetExtendedStyle(members.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    // The first column is centred only when it is inserted behind another one.
    members.InsertColumn(0, "", LVCFMT_LEFT, 0);
    int column = 1;
    for (const MemberColumn& c : kMemberColumns) members.InsertColumn(column++, c.heading, LVCFMT_CENTER, c.width);
    members.DeleteColumn(0);
    return TRUE;
}

void CDlgProEdit::FillCodeList(int id, const std::string& table) {
    auto* combo = Item<ui::ComboBox>(id);
    if (!m_pConnection) return;
    for (const std::string& name : projectinfo::CodeNames(*m_pConnection, table)) combo->AddString(name);
}

void CDlgProEdit::InitCodeLists() {
    FillCodeList(IDC_SQRXB, "corvane_zd_xb");
    FillCodeList(IDC_XW, "corvane_zd_xw");
    FillCodeList(IDC_ZC, "corvane_zd_zc");
    if (!m_pConnection) return;
    std::vector<std::pair<int, std::string>> boxes;
    for (const Field& field : kFields)
        if (field.kind == FieldKind::Text) boxes.emplace_back(field.id, field.column);
    ColumnLimits(*m_pConnection, projectinfo::kApplicationTable).LimitBoxes(*this, boxes);
}

void CDlgProEdit::LoadProject(const std::string& xmbh) {
    if (!m_pConnection) return;
    // The project is the row stored under the number now; its saves write
    // only while that row holds it and the columns the editor writes hold
    // what it read. Stamped before they are read: a change in between then
    // refuses the save rather than being written over.
    std::vector<std::string> written;
    for (const Field& field : kFields) written.push_back(field.column);
    const projectnumber::LoadedProject loaded = projectnumber::LoadProject(*m_pConnection, xmbh, written);
    projectinfo::Columns row;
    if (!projectinfo::LoadApplication(*m_pConnection, xmbh, row)) return;
    const std::map<std::string, std::string> values(row.begin(), row.end());
    m_loaded = loaded;
    SetDlgItemText(IDC_XMBH, values.at("XMBH"));
    for (const Field& field : kFields) {
        const std::string& value = values.at(field.column);
        switch (field.kind) {
            case FieldKind::Text:
                SetDlgItemText(field.id, value);
                break;
            case FieldKind::List:
                SetDlgItemText(field.id, value);  // a text outside the list is kept
                break;
            case FieldKind::Day:
            case FieldKind::Month:
                // An empty or unreadable date is shown and saved back as stored.
                Item<ui::DateTimeCtrl>(field.id)->ShowStored(value, StoredDate(value, field.kind));
                break;
        }
    }
    LoadMembers(xmbh);
}

void CDlgProEdit::LoadMembers(const std::string& xmbh) {
    ui::ListCtrl& members = Members();
    members.DeleteAllItems();
    if (!m_pConnection) return;
    std::vector<std::string> columns;
    for (const MemberColumn& c : kMemberColumns) columns.push_back(c.column);
    for (const std::vector<std::string>& member : projectinfo::LoadMembers(*m_pConnection, xmbh, columns)) {
        const int line = members.InsertItem(members.GetItemCount(), "");
        for (int column = 0; column < int(member.size()); ++column) members.SetItemText(line, column, member[column]);
    }
}

void CDlgProEdit::SaveProject() {
    if (GetDlgItemText(IDC_XMBH).empty()) {
        ui::MessageBox("请先选择一个项目！", "提示", MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (ui::MessageBox("确定更新项目信息吗？", "提示", MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
    const std::string guideCode = GetDlgItemText(IDC_SQZNDM), year = GetDlgItemText(IDC_NF),
                      unitCode = GetDlgItemText(IDC_DWDM);
    if (const std::string problem = projectnumber::CodeProblem(guideCode, year, unitCode); !problem.empty()) {
        ui::MessageBox(problem, "系统提示", MB_OKCANCEL);
        return;
    }
    projectinfo::Columns columns;
    for (const Field& field : kFields) columns.emplace_back(field.column, GetDlgItemText(field.id));
    if (!m_pConnection) return;
    const projectinfo::SaveOutcome outcome = projectinfo::SaveApplication(
        *m_pConnection, m_loaded, projectinfo::Prefix(guideCode, year, unitCode), columns);
    switch (outcome.result) {
        case projectinfo::SaveResult::ChangedElsewhere:
            projectnumber::TellChangedElsewhere();
            return;
        case projectinfo::SaveResult::Failed:
            ui::MessageBox(db::FailureMessage(*m_pConnection, FailureMessage(columns)), "提示", MB_OK | MB_ICONEXCLAMATION);
            return;
        case projectinfo::SaveResult::Saved:
            break;
    }
    // The editor follows its project to the number the save gave it.
    m_loaded.number = outcome.number;
    m_loaded.stamp = outcome.stamp;
    SetDlgItemText(IDC_XMBH, outcome.number);
    ui::MessageBox("保存成功！", "提示", MB_OK | MB_ICONINFORMATION);
    if (m_onSaved) m_onSaved();
}

std::string CDlgProEdit::FailureMessage(const std::vector<std::pair<std::string, std::string>>& columns) const {
    const ColumnLimits limits(*m_pConnection, projectinfo::kApplicationTable);
    const std::string column = limits.FirstTooLong(columns);
    for (const Field& field : kFields)
        if (!column.empty() && field.column == column)
            return TooLongMessage(FieldLabel(*this, field.id), limits.Of(column), "保存失败！");
    return "保存失败！";
}

void CDlgProEdit::RenumberGroup(const std::string& prefix) {
    if (m_pConnection) projectnumber::RenumberPrefix(*m_pConnection, prefix);
}
