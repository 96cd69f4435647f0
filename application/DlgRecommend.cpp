#include "application/DlgRecommend.h"

#include "platform/ui/DataExchange.h"

namespace {

// The ids of one recommender's group, top to bottom.
struct RecommenderIds {
    int name, post, speciality, unit, editor;
};
constexpr RecommenderIds kRecommenders[2] = {
    {CDlgRecommend::IDC_NAME1, CDlgRecommend::IDC_POST1, CDlgRecommend::IDC_SPECIALITY1, CDlgRecommend::IDC_UNIT1,
     CDlgRecommend::IDC_RICHEDIT1},
    {CDlgRecommend::IDC_NAME2, CDlgRecommend::IDC_POST2, CDlgRecommend::IDC_SPECIALITY2, CDlgRecommend::IDC_UNIT2,
     CDlgRecommend::IDC_RICHEDIT2},
};

}  // namespace

const ui::DialogTemplate& CDlgRecommend::Template() {
    static const ui::DialogTemplate tpl = [] {
        using ui::Kind;
        constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
        constexpr DWORD kEditor = WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                  ES_WANTRETURN | ui::ES_NOHIDESEL;
        ui::DialogTemplate t{IDD, "", {0, 0, 529, 352}, {}, WS_CHILD};
        for (int i = 0; i < 2; ++i) {
            const RecommenderIds& ids = kRecommenders[i];
            const int top = 22 + i * 165;
            t.controls.push_back({Kind::GroupBox, IDC_STATIC, i == 0 ? "推荐人1" : "推荐人2", {4, top, 521, 160}});
            const struct {
                const char* label;
                int id;
                int x;
            } fields[] = {{"姓名：", ids.name, 10}, {"专业技术职务：", ids.post, 135},
                          {"专长：", ids.speciality, 270}, {"单位：", ids.unit, 395}};
            for (const auto& f : fields) {
                t.controls.push_back({Kind::Static, IDC_STATIC, f.label, {f.x, top + 14, 52, 10}, SS_RIGHT});
                t.controls.push_back({Kind::Edit, f.id, "", {f.x + 54, top + 12, 70, 12}, kEdit});
            }
            t.controls.push_back({Kind::Static, IDC_STATIC, "推荐意见：", {10, top + 30, 60, 10}});
            t.controls.push_back({Kind::RichEdit, ids.editor, "", {10, top + 42, 509, 112}, kEditor});
        }
        return t;
    }();
    return tpl;
}

CDlgRecommend::CDlgRecommend() : CDlgAppPage(Template()) {}

BOOL CDlgRecommend::OnInitDialog() {
    CDlgAppPage::OnInitDialog();
    PrepareChapterEditor(m_richEdit1, IDC_RICHEDIT1, true);
    PrepareChapterEditor(m_richEdit2, IDC_RICHEDIT2, true);
    return TRUE;
}

void CDlgRecommend::DoDataExchange(ui::DataExchange& dx) {
    dx.Text(IDC_NAME1, m_strTJRXM1);
    dx.Text(IDC_POST1, m_strZYJSZW1);
    dx.Text(IDC_SPECIALITY1, m_strTJRZC1);
    dx.Text(IDC_UNIT1, m_strTJRDW1);
    dx.Text(IDC_NAME2, m_strTJRXM2);
    dx.Text(IDC_POST2, m_strZYJSZW2);
    dx.Text(IDC_SPECIALITY2, m_strTJRZC2);
    dx.Text(IDC_UNIT2, m_strTJRDW2);
}
