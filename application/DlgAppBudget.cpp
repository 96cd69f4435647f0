#include "application/DlgAppBudget.h"

#include "platform/text/Text.h"

const std::array<CDlgAppBudget::Item, CDlgAppBudget::kItemCount> CDlgAppBudget::kItems = {{
    {"设计费：", 5212, "SJF", 5512, "SJF_JSGJ", "jfys_sjf_jsyj.rtf"},
    {"材料费：", 5213, "CLF", 5513, "CLF_JSGJ", "jfys_clf_jsyj.rtf"},
    {"外协费：", 5214, "WXF", 5514, "WXF_JSGJ", "jfys_wxf_jsyj.rtf"},
    {"专用费：", 5215, "ZYF", 5515, "ZYF_JSGJ", "jfys_zyf_jsyj.rtf"},
    {"试验费：", 5117, "SYF", 5516, "SYF_JSGJ", "jfys_syf_jsyj.rtf"},
    {"固定资产使用费：", 5118, "GDZCF", 5517, "GDZCF_JSGJ", "jfys_gdzcsyf_jsyj.rtf"},
    {"工资费：", 5122, "GZF", 5519, "GZF_JSGJ", "jfys_gzf_jsyj.rtf"},
    {"管理费：", 5120, "GLF", 5518, "GLF_JSGJ", "jfys_glf_jsyj.rtf"},
}};

namespace {
constexpr const char* kAmountChars = "1234567890.";
constexpr int kAmountLength = 7;
}  // namespace

const ui::DialogTemplate& CDlgAppBudget::Template() {
    static const ui::DialogTemplate tpl = [] {
        using ui::Kind;
        constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
        constexpr DWORD kEditor = WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                  ES_WANTRETURN | ui::ES_NOHIDESEL;
        ui::DialogTemplate t{IDD, "", {0, 0, 529, 352}, {
            {Kind::Static, IDC_STATIC, "预算支出科目", {10, 26, 80, 10}, SS_CENTER},
            {Kind::Static, IDC_STATIC, "金额（万元）", {95, 26, 60, 10}, SS_CENTER},
            {Kind::Static, IDC_STATIC, "计算根据及理由", {160, 26, 360, 10}, SS_CENTER},
        }, WS_CHILD};
        // Rows of two lines' reasons, so that the 合计 row and the note stay
        // in the part of the page a 1366x768 screen shows without scrolling.
        int top = 38;
        for (const Item& item : kItems) {
            t.controls.push_back({Kind::Static, IDC_STATIC, item.label, {4, top + 8, 88, 10}, SS_RIGHT});
            t.controls.push_back({Kind::Edit, item.amountId, "", {95, top + 6, 60, 13}, kEdit});
            t.controls.push_back({Kind::RichEdit, item.reasonId, "", {160, top, 360, 25}, kEditor});
            top += 28;
        }
        top += 4;
        t.controls.push_back({Kind::Static, IDC_STATIC, "合计：", {4, top + 2, 88, 10}, SS_RIGHT});
        t.controls.push_back({Kind::Edit, IDC_TOTAL, "", {95, top, 60, 13}, WS_BORDER | ES_AUTOHSCROLL | ES_READONLY});
        t.controls.push_back({Kind::Static, IDC_STATIC, "万元", {158, top + 2, 20, 10}});
        t.controls.push_back({Kind::Static, IDC_STATIC,
                              "注：（1）管理费不超过总经费的5%；（2）军内科研院所不得有固定资产使用费和工资费。",
                              {10, top + 18, 510, 10}});
        return t;
    }();
    return tpl;
}

CDlgAppBudget::CDlgAppBudget() : CDlgAppPage(Template()) {
    for (const Item& item : kItems) MapCommand(item.amountId, EN_KILLFOCUS, [this] { UpdateTotal(); });
}

BOOL CDlgAppBudget::OnInitDialog() {
    CDlgAppPage::OnInitDialog();
    for (int i = 0; i < kItemCount; ++i) {
        ui::MaskEdit& amount = m_editAmounts[i];
        amount.SubclassDlgItem(kItems[i].amountId, this);
        amount.DisableMask();
        amount.SetValidChars(kAmountChars);
        amount.LimitText(kAmountLength);
        // The reasons keep the control's own format and send no selection notices.
        m_richReasons[i].SubclassDlgItem(kItems[i].reasonId, this);
    }
    return TRUE;
}

void CDlgAppBudget::UpdateTotal() {
    bool anyAmount = false;
    double total = 0;
    for (const Item& item : kItems) {
        const std::string amount = GetDlgItemText(item.amountId);
        anyAmount = anyAmount || !amount.empty();
        total += text::Atof(amount);
    }
    if (anyAmount) SetDlgItemText(IDC_TOTAL, text::Format("%g", total));
}
