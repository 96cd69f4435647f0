#include "application/DlgProQuery.h"

#include "application/ApplicationStore.h"
#include "foundation/Sql.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Services.h"

ProjectQueries BuildProjectQueries(const ProjectQueryFields& f) {
    std::string condition;
    auto add = [&condition](const std::string& value, const std::string& clause) {
        if (!value.empty()) condition += clause;
    };
    add(f.number, "xmbh like " + db::QuoteLiteral(f.number + "%") + " and ");
    add(f.category == CDlgProQuery::kAllFunds ? std::string() : f.category,
        "xmlb = " + db::QuoteLiteral(f.category) + " and ");
    add(f.year, "nf = " + db::QuoteLiteral(f.year) + " and ");
    add(f.guideCode, "sqzndm = " + db::QuoteLiteral(f.guideCode) + " and ");
    add(f.unitCode, "dwdm = " + db::QuoteLiteral(f.unitCode) + " and ");
    add(f.unitName, "gzdw = " + db::QuoteLiteral(f.unitName) + " and ");
    add(f.leader, "sqrxm = " + db::QuoteLiteral(f.leader) + " and ");

    ProjectQueries q;
    q.application = appstore::QueryFormSelect();
    q.acceptance = appstore::JoinedQueryFormSelect("corvane_itemcheckaccept");
    q.progress = appstore::JoinedQueryFormSelect("corvane_itemprogress");
    if (condition.empty()) return q;

    condition.resize(condition.size() - std::string(" and ").size());
    q.condition = condition;
    // Only the first clause can be the number's.
    const bool byNumber = condition.rfind("xmbh", 0) == 0;
    q.application += " where " + condition;
    q.acceptance += " where " + (byNumber ? "corvane_itemcheckaccept." + condition : condition);
    q.progress += " where " + (byNumber ? "corvane_itemprogress." + condition : condition);
    return q;
}

CDlgProQuery::CDlgProQuery(ui::Wnd* parent) : ui::Dialog(Template(), parent) {}

const ui::DialogTemplate& CDlgProQuery::Template() {
    using ui::Kind;
    static const ui::DialogTemplate t{IDD, "查询", {0, 0, 222, 211}, {
        {Kind::GroupBox, IDC_STATIC, "查询条件：", {7, 7, 208, 172}},
        {Kind::Static, IDC_STATIC, "项目类别：", {18, 24, 50, 10}},
        {Kind::ComboBox, IDC_CATEGORY, "", {72, 22, 132, 100}, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
         {"全部基金", "共性技术基金——一般项目", "共性技术基金——重点项目", "重点实验室基金——一般项目",
          "重点实验室基金——重点项目"}},
        {Kind::Static, IDC_STATIC, "年份：", {18, 46, 50, 10}},
        {Kind::Edit, IDC_YEAR, "", {72, 44, 132, 14}, WS_TABSTOP | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "编号：", {18, 68, 50, 10}},
        {Kind::Edit, IDC_NUMBER, "", {72, 66, 132, 14}, WS_TABSTOP | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "指南编号：", {18, 90, 50, 10}},
        {Kind::Edit, IDC_GUIDE_CODE, "", {72, 88, 132, 14}, WS_TABSTOP | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "单位代码：", {18, 112, 50, 10}},
        {Kind::Edit, IDC_UNIT_CODE, "", {72, 110, 132, 14}, WS_TABSTOP | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "单位名称：", {18, 134, 50, 10}},
        {Kind::Edit, IDC_UNIT_NAME, "", {72, 132, 132, 14}, WS_TABSTOP | ES_AUTOHSCROLL},
        {Kind::Static, IDC_STATIC, "负责人：", {18, 156, 50, 10}},
        {Kind::Edit, IDC_LEADER, "", {72, 154, 132, 14}, WS_TABSTOP | ES_AUTOHSCROLL},
        {Kind::DefPushButton, IDOK, "确定", {46, 189, 50, 14}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {126, 189, 50, 14}, WS_TABSTOP},
    }};
    return t;
}

BOOL CDlgProQuery::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    Item<ui::ComboBox>(IDC_CATEGORY)->SetCurSel(0);
    return TRUE;
}

void CDlgProQuery::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_YEAR, m_fields.year);
    dx.Text(IDC_NUMBER, m_fields.number);
    dx.Text(IDC_GUIDE_CODE, m_fields.guideCode);
    dx.Text(IDC_UNIT_CODE, m_fields.unitCode);
    dx.Text(IDC_UNIT_NAME, m_fields.unitName);
    dx.Text(IDC_LEADER, m_fields.leader);
}

void CDlgProQuery::OnOK() {
    if (!UpdateData(TRUE)) return;
    m_fields.category = Item<ui::ComboBox>(IDC_CATEGORY)->GetWindowText();
    const ProjectQueries q = BuildProjectQueries(m_fields);
    if (!q.condition.empty()) ui::AfxMessageBox(q.condition, MB_OK);
    m_strAppQuery = q.application;
    m_strAcceptQuery = q.acceptance;
    m_strProgressQuery = q.progress;
    ui::Dialog::OnOK();
}
