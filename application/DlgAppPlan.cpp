#include "application/DlgAppPlan.h"

namespace {

struct PlanChapter {
    const char* name;
    const char* heading;
    bool showsCount;
};

// "四、研究方案" itself shows its first chapter.
constexpr PlanChapter kPlanChapters[] = {
    {"四、研究方案", "（一）研究目标、研究内容和拟解决的关键问题", false},
    {"（一）研究目标和内容", "（一）研究目标、研究内容和拟解决的关键问题", false},
    {"（二）研究方法和技术路线",
     "（二）拟采取的研究方法、技术路线、试验方案及可行性分析（包括理论分析、计算、试验方法、试验步骤）", false},
    {"（三）主要创新点", "（三）主要创新点", false},
    {"（四）研究计划及预期进展", "（四）包括研究进度计划及阶段目标", false},
    {"（五）研究成果和考核指标", "（五）研究成果和考核指标（其中应包括提交的“GF报告”数量、题目和时限）", true},
};

}  // namespace

const ui::DialogTemplate& CDlgAppPlan::Template() {
    static const ui::DialogTemplate tpl = [] {
        ui::DialogTemplate t = ChapterTemplate(IDD, IDC_HEADING, "", IDC_RICHEDIT);
        t.controls.push_back({ui::Kind::Static, IDC_GF_LABEL, "“GF报告”数量：", {380, 27, 60, 10}, SS_RIGHT, {}, true});
        t.controls.push_back({ui::Kind::Edit, IDC_GF_COUNT, "", {442, 25, 60, 12}, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, {}, true});
        return t;
    }();
    return tpl;
}

CDlgAppPlan::CDlgAppPlan() : CDlgAppChapterPage(Template(), IDC_HEADING, IDC_RICHEDIT) {}

void CDlgAppPlan::SetTitle(const std::string& chapter) {
    for (const PlanChapter& known : kPlanChapters) {
        if (chapter != known.name) continue;
        SetHeading(known.heading);
        const int show = known.showsCount ? SW_SHOW : SW_HIDE;
        GetDlgItem(IDC_GF_LABEL)->ShowWindow(show);
        GetDlgItem(IDC_GF_COUNT)->ShowWindow(show);
        return;
    }
    SetHeading("");
}
