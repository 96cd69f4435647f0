#include "achievement/DlgSCGZHInfo.h"

#include <QWidget>
#include <algorithm>
#include <optional>

#include "achievement/ResultArtwork.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"

namespace {

using ui::Kind;
using Info = CDlgSCGZHInfo;

constexpr COLORREF kButtonBackground = RGB(242, 246, 255);

// The control templates of the page, added in tab order.
struct Layout {
    std::vector<ui::ControlTemplate> c;

    void Label(const char* text, int x, int y, int w) { c.push_back({Kind::Static, IDC_STATIC, text, {x, y + 2, w, 8}}); }
    void Edit(int id, int x, int y, int w) {
        c.push_back({Kind::Edit, id, "", {x, y, w, 12}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL});
    }
    void Field(const char* label, int id, int x, int y, int labelWidth, int editWidth) {
        Label(label, x, y, labelWidth);
        Edit(id, x + labelWidth + 2, y, editWidth);
    }
    void Check(int n, const char* text, int x, int y, int w) {
        c.push_back({Kind::CheckBox, Info::CheckId(n), text, {x, y, w, 10}, WS_TABSTOP | BS_AUTOCHECKBOX});
    }
    void Group(const char* text, int x, int y, int w, int h) { c.push_back({Kind::GroupBox, IDC_STATIC, text, {x, y, w, h}}); }
    void Rich(int id, int x, int y, int w, int h) {
        c.push_back({Kind::RichEdit, id, "",
                     {x, y, w, h},
                     WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL});
    }
    // A child table's group with its add and remove buttons on the top edge
    // after the caption, and the frame that the grid covers.
    void GridGroup(int child, const char* caption, int x, int y, int w, int buttonsX) {
        Group(caption, x, y, w, 74);
        c.push_back({Kind::PushButton, Info::IDC_ADD0 + child, "", {buttonsX, y - 1, 12, 11}, WS_TABSTOP});
        c.push_back({Kind::PushButton, Info::IDC_REMOVE0 + child, "", {buttonsX + 14, y - 1, 12, 11}, WS_TABSTOP});
        c.push_back({Kind::Static, Info::IDC_FRAME0 + child, "", {x + 6, y + 12, w - 12, 56}, SS_BLACKFRAME});
    }
};

// The page is 520 units wide, so that the view shows it whole on a
// 1024x768 screen: two columns of fields at the top, then the groups, each as
// wide as the page (8 to 512), one under the other.
std::vector<ui::ControlTemplate> Controls() {
    Layout l;
    l.Field("项目名称", Info::IDC_XMMC, 8, 6, 40, 200);
    l.Field("项目编号", Info::IDC_XMBH, 260, 6, 50, 200);
    l.Field("项目组长", 1003, 8, 22, 40, 200);
    l.Field("项目经费", 1002, 260, 22, 50, 200);
    l.Field("组长固话", 1004, 8, 38, 40, 200);
    l.Field("组长手机", 1005, 260, 38, 50, 200);
    l.Field("承研单位", 1006, 8, 54, 40, 200);
    l.Field("联合承研单位", 1007, 260, 54, 50, 200);

    const char* support[] = {"支撑了转入项目立项论证与申报", "支撑了分系统或部（组）件设计和制造",
                             "支撑了整机或核心部件设计与制造", "支撑了转入项目实验验证"};
    // The four 支撑作用 boxes in two rows from `first` (CHECKn) in a group at `y`.
    const auto supportGroup = [&](int first, int y) {
        l.Group("支撑作用", 16, y, 488, 38);
        for (int i = 0; i < 4; ++i) l.Check(first + i, support[i], i % 2 == 0 ? 24 : 250, y + 11 + 14 * (i / 2), i % 2 == 0 ? 190 : 200);
    };

    int y = 72;
    l.Group("预研情况", 8, y, 504, 110);
    l.Check(1, "已转入预研", 16, y + 12, 60);
    l.Check(2, "未转入预研", 80, y + 12, 60);
    l.Field("验收到转化的年份", 1008, 150, y + 12, 70, 60);
    l.Field("预研项目名称", 1009, 16, y + 28, 50, 230);
    l.Field("预研项目编号", 1010, 306, y + 28, 50, 146);
    l.Group("预研类别", 16, y + 44, 488, 22);
    l.Check(3, "预研探索计划", 24, y + 54, 80);
    l.Check(4, "国防973计划", 110, y + 54, 70);
    l.Check(5, "预研专项计划", 190, y + 54, 80);
    l.Check(6, "应用开发计划", 280, y + 54, 80);
    supportGroup(7, y + 68);

    y += 114;
    l.Group("民口领域", 8, y, 300, 28);
    l.Check(11, "已转入民口", 16, y + 12, 60);
    l.Check(12, "未转入民口", 80, y + 12, 60);
    l.Field("验收到转化的年份", 1014, 146, y + 12, 70, 80);
    l.Group("项目类别", 314, y, 198, 28);
    l.Check(13, "重点项目", 322, y + 12, 50);
    l.Check(14, "一般项目", 380, y + 12, 50);
    y += 32;
    l.Group("验收时项目负责人情况", 8, y, 504, 28);
    l.Field("验收时职称", 1022, 16, y + 12, 40, 80);
    l.Field("验收时年龄", 1021, 150, y + 12, 40, 46);

    y += 32;
    l.Group("型号情况", 8, y, 504, 82);
    l.Check(15, "已转入型号", 16, y + 12, 60);
    l.Check(16, "未转入型号", 80, y + 12, 60);
    l.Field("验收到转化的年份", 1011, 150, y + 12, 70, 60);
    l.Field("型号项目名称", 1012, 16, y + 28, 50, 230);
    l.Field("型号项目编号", 1013, 306, y + 28, 50, 146);
    supportGroup(17, y + 42);

    y += 86;
    l.Group("研究方向发展情况", 8, y, 504, 76);
    l.Group("列入单位技术创新平台", 16, y + 10, 488, 22);
    l.Check(21, "被列为本单位获得批准的一个研究方向", 24, y + 20, 200);
    l.Check(22, "未列入本单位获得批准的主要研究方向", 240, y + 20, 220);
    l.Field("批准机构", 1018, 16, y + 36, 40, 300);
    l.Group("单位技术创新平台名称", 16, y + 50, 488, 22);
    l.Check(23, "国防科技重点实验室批复的研究方向", 24, y + 60, 170);
    l.Check(24, "科研院所主要研究方向", 200, y + 60, 120);
    l.Check(25, "其他名称：", 326, y + 60, 50);
    l.c.push_back({Kind::Edit, 1017, "", {378, y + 59, 120, 12}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | WS_DISABLED});

    y += 80;
    l.Group("技术指标提升情况（3-5个）", 8, y, 504, 84);
    l.Label("项目研究前技术指标：", 16, y + 10, 120);
    l.Label("项目验收时技术指标：", 264, y + 10, 120);
    l.Rich(Info::IDC_RICH_BEFORE, 16, y + 22, 240, 56);
    l.Rich(Info::IDC_RICH_AT, 264, y + 22, 240, 56);

    y += 88;
    l.Group("培育新方向", 8, y, 504, 84);
    l.Field("新研究方向名称", 1019, 16, y + 12, 60, 300);
    l.Label("军事应用前景", 16, y + 26, 60);
    l.Rich(Info::IDC_RICH_MILITARY, 16, y + 38, 488, 42);

    y += 88;
    l.Group("专职管理情况", 8, y, 504, 42);
    l.Field("所在单位主管领导姓名", 1023, 16, y + 12, 84, 80);
    l.Field("主管领导固话", 1024, 190, y + 12, 50, 90);
    l.Field("主管领导手机", 1025, 340, y + 12, 50, 90);
    l.Field("预研基金专职管理人员姓名", 1026, 16, y + 26, 96, 68);
    l.Field("管理人员固话", 1027, 190, y + 26, 50, 90);
    l.Field("管理人员手机", 1028, 340, y + 26, 50, 90);

    y += 50;
    l.GridGroup(resultchange::kJcyj, "凝聚了长期从事基础研究的人员（3-4人）", 8, y, 248, 170);
    l.GridGroup(resultchange::kGgll, "培养科研管理的骨干力量（3-4人）", 264, y, 248, 402);
    y += 78;
    l.GridGroup(resultchange::kYyssgg, "为预研项目输送骨干（前5人）", 8, y, 248, 130);
    l.GridGroup(resultchange::kXhssgg, "为型号项目输送骨干（前5人）", 264, y, 248, 386);
    y += 78;
    l.GridGroup(resultchange::kGzzdlist, "制定相关规章制度", 8, y, 504, 80);

    y += 78;
    l.Group("落实研究过程管理（以会议记录或书面通知为准）", 8, y, 504, 90);
    l.Field("立项论证研讨与评审的会议次数", 1029, 16, y + 12, 120, 50);
    l.Field("会议时间", 1030, 196, y + 12, 36, 100);
    l.Label("预研基金年度计划下达通知", 16, y + 28, 100);
    l.Check(26, "有", 118, y + 28, 24);
    l.Check(27, "无", 146, y + 28, 24);
    l.Field("下达时间", 1031, 196, y + 28, 36, 100);
    l.Label("及时拨付经费", 16, y + 44, 100);
    l.Check(28, "有", 118, y + 44, 24);
    l.Check(29, "无", 146, y + 44, 24);
    l.Field("拨付比例", 1033, 196, y + 44, 36, 60);
    l.Field("拨付时间", 1032, 300, y + 44, 36, 100);
    l.Field("组织节点检查的会议次数", 1034, 16, y + 60, 110, 60);
    l.Field("检查时间", 1035, 196, y + 60, 36, 100);
    l.Field("组织结题检查的会议次数", 1036, 16, y + 74, 110, 60);
    l.Field("检查时间", 1037, 196, y + 74, 36, 100);

    y += 94;
    l.Group("落实成果跟踪管理（以会议记录或书面通知为准）", 8, y, 504, 50);
    l.Field("讨论基金项目后续发展方向的会议次数", 1038, 16, y + 14, 140, 40);
    l.Field("会议时间", 1039, 206, y + 14, 36, 80);
    l.Field("基金项目组申报后续项目得到优先资助的评审会议次数", 1040, 16, y + 30, 196, 40);
    l.Field("会议时间", 1041, 262, y + 30, 36, 80);
    return l.c;
}

// How a check-box click sets the enabled state of its dependent fields.
enum class EnableRule {
    None,
    UnlessTicked,          // enabled exactly when `control` is not ticked
    WhenTicked,            // enabled exactly when `control` is ticked
    OnUntickingControl,    // set to `enable` when `control` was the partner unticked
};

struct CheckRule {
    int box;                    // CHECKn
    std::vector<int> partners;  // the first ticked one is unticked
    std::vector<int> dependents;
    EnableRule rule = EnableRule::None;
    int control = 0;  // CHECKn the rule looks at
    bool enable = false;
};

const std::vector<CheckRule>& CheckRules() {
    static const std::vector<int> preResearch = {1008, 1009, 1010, Info::CheckId(3), Info::CheckId(4),
                                                 Info::CheckId(5), Info::CheckId(6), Info::CheckId(7),
                                                 Info::CheckId(8), Info::CheckId(9), Info::CheckId(10)};
    static const std::vector<int> model = {1011, 1012, 1013, Info::CheckId(17), Info::CheckId(18),
                                           Info::CheckId(19), Info::CheckId(20)};
    static const std::vector<CheckRule> rules = {
        {1, {2}, preResearch, EnableRule::UnlessTicked, 2},
        {2, {1}, preResearch, EnableRule::UnlessTicked, 2},
        {15, {16}, model, EnableRule::UnlessTicked, 16},
        {16, {15}, model, EnableRule::UnlessTicked, 16},
        {11, {12}, {1014}, EnableRule::UnlessTicked, 12},
        {12, {11}, {1014}, EnableRule::UnlessTicked, 12},
        {13, {14}},
        {14, {13}},
        {21, {22}},
        {22, {21}},
        {23, {24, 25}, {1017}, EnableRule::OnUntickingControl, 25, false},
        {24, {23, 25}, {1017}, EnableRule::OnUntickingControl, 25, false},
        {25, {23, 24}, {1017}, EnableRule::WhenTicked, 25},
        {26, {27}, {1031}, EnableRule::OnUntickingControl, 27, true},
        {27, {26}, {1031}, EnableRule::UnlessTicked, 27},
        {28, {29}, {1033, 1032}, EnableRule::UnlessTicked, 29},
        {29, {28}, {1033, 1032}, EnableRule::UnlessTicked, 29},
    };
    return rules;
}

struct GridColumn {
    const char* caption;
    int width;
};

struct GridLayout {
    std::vector<GridColumn> columns;
    int centred;  // the first `centred` columns and their headers are centred
};

// Indexed by child table (ResultChangeRecord order).
const std::array<GridLayout, resultchange::kChildCount>& GridLayouts() {
    static const std::array<GridLayout, resultchange::kChildCount> layouts = {{
        {{{"序号", 50}, {"姓名", 100}, {"工作单位", 150}, {"长期从事的基础研究方向", 155}}, 4},
        {{{"序号", 50}, {"姓名", 100}, {"目前岗位", 150}, {"主要分工", 155}}, 4},
        {{{"排序", 50}, {"姓名", 70}, {"参加预研项目名称", 130}, {"预研项目编号", 100}, {"主要分工", 105}}, 5},
        {{{"排序", 50}, {"姓名", 70}, {"参加型号项目名称", 130}, {"型号项目编号", 100}, {"主要分工", 105}}, 5},
        {{{"序号", 50}, {"规章制度类型", 320}, {"规章制度名称", 320}, {"发布时间", 250}}, 3},
    }};
    return layouts;
}

}  // namespace

const ui::DialogTemplate& CDlgSCGZHInfo::Template() {
    // As tall as its controls, with a margin under the last group.
    static const ui::DialogTemplate tpl = [] {
        ui::DialogTemplate t{IDD, "", {0, 0, 520, 0}, Controls(), WS_CHILD};
        for (const ui::ControlTemplate& c : t.controls) t.rect.cy = std::max(t.rect.cy, c.rect.y + c.rect.cy + 6);
        return t;
    }();
    return tpl;
}

int CDlgSCGZHInfo::ControlOf(int index) {
    switch (index) {
    case 0: return IDC_XMBH;
    case 1: return IDC_XMMC;
    case 15: return IDC_RICH_BEFORE;
    case 16: return IDC_RICH_AT;
    case 20: return IDC_RICH_MILITARY;
    default:
        if (index >= resultchange::kFirstCheck) return CheckId(index - resultchange::kFirstCheck + 1);
        return 1000 + index;
    }
}

CDlgSCGZHInfo::CDlgSCGZHInfo(ui::Wnd* parent) : ui::Dialog(Template(), parent) {
    for (int child = 0; child < resultchange::kChildCount; ++child) {
        MapClicked(IDC_ADD0 + child, [this, child] { OnAddRow(child); });
        MapClicked(IDC_REMOVE0 + child, [this, child] { OnRemoveRows(child); });
    }
    for (const CheckRule& rule : CheckRules()) {
        const int id = CheckId(rule.box);
        MapClicked(id, [this, id] { OnCheckClicked(id); });
    }
}

CDlgSCGZHInfo::~CDlgSCGZHInfo() = default;

COleRichEdit& CDlgSCGZHInfo::RichEdit(int slot) { return m_richEdits[slot]; }

void CDlgSCGZHInfo::DoDataExchange(ui::DataExchange& dx) {
    for (int slot = 0; slot < 3; ++slot) dx.Control(ControlOf(resultchange::kRichColumns[slot]), m_richEdits[slot]);
    for (int child = 0; child < resultchange::kChildCount; ++child) {
        dx.Control(IDC_ADD0 + child, m_buttons[2 * child]);
        dx.Control(IDC_REMOVE0 + child, m_buttons[2 * child + 1]);
    }
    for (int index = 0; index < resultchange::kFirstCheck; ++index)
        if (!resultchange::IsRichColumn(index)) dx.Text(ControlOf(index), m_strText[index]);
}

BOOL CDlgSCGZHInfo::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    StyleButtons();
    CreateGrids();
    return TRUE;
}

void CDlgSCGZHInfo::StyleButtons() {
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        CButtonST& button = m_buttons[i];
        button.SetIcon(i % 2 == 0 ? resultchange::kIconPlus : resultchange::kIconMinus);
        button.SetTooltipText(i % 2 == 0 ? "增加一行" : "删除一行");
        button.SetHandCursor(resultchange::kHandCursor);
        for (int index : {CButtonST::BTNST_COLOR_BK_IN, CButtonST::BTNST_COLOR_BK_OUT, CButtonST::BTNST_COLOR_BK_FOCUS})
            button.SetColor(index, kButtonBackground);
    }
}

void CDlgSCGZHInfo::CreateGrids() {
    const int order[] = {resultchange::kGzzdlist, resultchange::kJcyj, resultchange::kGgll, resultchange::kYyssgg,
                         resultchange::kXhssgg};
    for (int child : order) {
        CSCGZHGridCtrl& grid = m_grids[child];
        const ui::Rect frame = ScreenToClient(GetDlgItem(IDC_FRAME0 + child)->GetWindowRect());
        grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, frame, this, IDC_GRID0 + child);
        const GridLayout& layout = GridLayouts()[child];
        for (int c = 0; c < int(layout.columns.size()); ++c)
            grid.InsertColumn(c, layout.columns[c].caption, layout.columns[c].width);
        grid.EnableHeader(TRUE, 0);
        for (int c = 0; c < layout.centred; ++c) {
            grid.SetColumnAlign(c, ui::HDF_CENTER);
            grid.SetHeaderAlign(c, ui::HDF_CENTER);
        }
    }
}

// ---- rows of the grids ----

void CDlgSCGZHInfo::OnAddRow(int child) {
    UpdateData(TRUE);
    CSCGZHGridCtrl& grid = m_grids[child];
    const resultchange::ChildTable& table = resultchange::ChildTables()[child];
    std::unique_ptr<ui::GridRow> row = grid.CreateRow(grid.GetColumnCount());
    for (int c = 0; c < row->GetItemCount(); ++c) row->GetItem(c)->SetValue("");
    if (table.numbered) row->GetItem(0)->SetValue(text::Format("%d", grid.GetRowCount() + 1));
    if (child == resultchange::kGzzdlist) {
        auto choice = std::make_unique<ui::GridItem>("");
        for (const std::string& name : m_arrGzzd) choice->AddOption(name);
        row->ReplaceItem(1, std::move(choice));
    }
    const std::vector<int> selected = grid.GetSelectedRows();
    if (selected.empty())
        grid.AddRow(std::move(row), FALSE);
    else
        grid.InsertRowAfter(*std::min_element(selected.begin(), selected.end()), std::move(row), FALSE);
    grid.AdjustLayout();
    UpdateData(FALSE);
}

void CDlgSCGZHInfo::OnRemoveRows(int child) {
    CSCGZHGridCtrl& grid = m_grids[child];
    if (grid.GetSelectedRows().empty()) {
        MessageBox("你尚未选中任何记录!", "提示", MB_OK);
        return;
    }
    std::vector<int> selected = grid.GetSelectedRows();
    std::sort(selected.rbegin(), selected.rend());
    const bool numbered = resultchange::ChildTables()[child].numbered;
    for (int index : selected) {
        grid.RemoveRow(index);
        if (!numbered) continue;
        for (int r = index; r < grid.GetRowCount(); ++r) {
            grid.SetCurSel(r);
            grid.GetRow(r)->GetItem(0)->SetValue(text::Format("%d", r + 1));
        }
    }
}

// ---- check boxes ----

void CDlgSCGZHInfo::OnCheckClicked(int id) {
    const auto& rules = CheckRules();
    const auto rule = std::find_if(rules.begin(), rules.end(), [id](const CheckRule& r) { return CheckId(r.box) == id; });
    if (rule == rules.end()) return;
    int unticked = 0;
    for (int partner : rule->partners) {
        if (IsDlgButtonChecked(CheckId(partner))) {
            CheckDlgButton(CheckId(partner), 0);
            unticked = partner;
            break;
        }
    }
    const bool controlTicked = IsDlgButtonChecked(CheckId(rule->control)) != 0;
    std::optional<bool> enable;
    switch (rule->rule) {
    case EnableRule::None: break;
    case EnableRule::UnlessTicked: enable = !controlTicked; break;
    case EnableRule::WhenTicked: enable = controlTicked; break;
    case EnableRule::OnUntickingControl:
        if (unticked == rule->control) enable = rule->enable;
        break;
    }
    if (!enable) return;
    for (int dependent : rule->dependents)
        if (ui::Wnd* control = GetDlgItem(dependent)) control->EnableWindow(*enable);
}

// ---- clearing ----

void CDlgSCGZHInfo::ClearAll() {
    for (std::string& value : m_strText) value.clear();
    for (int slot = 0; slot < 3; ++slot) {
        m_richEdits[slot].SetWindowText("");
        sys::TruncateFile(resultchange::RichScratchPath(m_strAppPath, slot));
    }
    for (int n = 1; n <= resultchange::kCheckCount; ++n) CheckDlgButton(CheckId(n), 0);
    for (CSCGZHGridCtrl& grid : m_grids) {
        grid.RemoveAll();
        grid.Invalidate();
    }
    UpdateData(FALSE);
}

void CDlgSCGZHInfo::SetNumberAndName(const std::string& number, const std::string& name) {
    m_strText[0] = number;
    m_strText[1] = name;
    UpdateData(FALSE);
}

