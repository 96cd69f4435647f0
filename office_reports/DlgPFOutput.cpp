#include "office_reports/DlgPFOutput.h"

#include <memory>
#include <vector>

#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"
#include "office_reports/PlanTableExcel.h"
#include "office_reports/ReportQueries.h"
#include "office_reports/ReportSupport.h"
#include "platform/office/Word.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Services.h"

namespace {

using namespace office::word;

const std::string& GeneralCategory(int category) {
    return category == 0 ? reports::kGroupGeneral : reports::kLabGeneral;
}

// The approved general projects of one fund in the plan tables.
class ApprovedProjects : public reports::PlanTableSource {
public:
    ApprovedProjects(CDlgPFOutput& dialog, std::string year) : dialog_(dialog), year_(std::move(year)) {}

    std::string Title() const override {
        return year_ + (dialog_.m_nCategory == 0 ? "年装备预研共用技术基金（一般项目）计划表"
                                                 : "年国防科技重点实验室基金（一般项目）计划表");
    }
    std::string UnitQuery(const std::string& fund) const override {
        return reportqueries::ApprovedUnits(Projects(fund));
    }
    std::string ProjectQuery(const std::string& fund, const std::string& unit) const override {
        return reportqueries::ApprovedPlanRows(Projects(fund), unit);
    }
    reports::PlanTableLine ReadLine(CAdoRecordSet& project) override {
        return {reports::Text(project, "XMBH"),
                reports::Text(project, "XMMC"),
                text::Format("%s-%ld", year_.c_str(), text::Atol(year_) + 1),
                reports::Text(project, "SQRXM"),
                reports::Text(project, "GZDW"),
                reports::Text(project, "PFJF"),
                {}};
    }
    std::string FundHeading(const std::string& fund) override {
        return dialog_.FundHeading(fund, year_, dialog_.m_nCategory);
    }

private:
    reportqueries::FundProjects Projects(const std::string& fund) const {
        return {fund, GeneralCategory(dialog_.m_nCategory), year_};
    }

    CDlgPFOutput& dialog_;
    std::string year_;
};

// The Word objects that the opinion pages are typed through.
struct OpinionDocument {
    std::unique_ptr<Application> word;
    Selection selection;
    Font font;
    Paragraphs paragraphs;
    View view;

    explicit OpinionDocument(std::unique_ptr<Application> app)
        : word(std::move(app)),
          selection(word->Selection()),
          font(selection.Font()),
          paragraphs(selection.Paragraphs()),
          view(word->ActiveWindow().ActivePane().View()) {}

    void Format(double size, const char* face, double indent) const {
        font.SetSize(size);
        font.SetName(face);
        paragraphs.SetFirstLineIndent(indent);
    }
};

}  // namespace

CDlgPFOutput::CDlgPFOutput(ui::Wnd* parent) : CPlanOutputDialog(Template(), parent) {}

CDlgPFOutput::~CDlgPFOutput() = default;

const ui::DialogTemplate& CDlgPFOutput::Template() {
    using ui::Kind;
    constexpr DWORD kList = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    static const ui::DialogTemplate tpl{IDD, "输出", {0, 0, 329, 391}, {
        {Kind::Static, IDC_STATIC, "选择年份:", {14, 15, 40, 10}},
        {Kind::ComboBox, IDC_YEAR, "", {58, 13, 80, 80}, kList | CBS_SORT},
        {Kind::Static, IDC_STATIC, "选择项目类别:", {160, 15, 56, 10}},
        {Kind::ComboBox, IDC_CATEGORY, "", {218, 13, 96, 60}, kList, {"专业组", "重点实验室"}},
        {Kind::GroupBox, IDC_STATIC, "类别选择", {7, 34, 315, 112}},
        {Kind::RadioButton, IDC_KIND, "项目计划表", {16, 50, 70, 10}, WS_GROUP | WS_TABSTOP},
        {Kind::RadioButton, IDC_KIND_SECOND, "批复意见", {16, 92, 70, 10}},
        {Kind::Static, IDC_STATIC, "选择纸型:", {96, 50, 40, 10}},
        {Kind::ComboBox, IDC_PAPER, "", {138, 48, 60, 60}, kList, {"A3", "A4", "B4"}},
        {Kind::CheckBox, IDC_PER_UNIT, "按单位输出", {36, 66, 70, 10}, WS_TABSTOP},
        {Kind::Static, IDC_STATIC, "起止年月:", {96, 92, 40, 10}},
        {Kind::DateTimePicker, IDC_START_MONTH, "", {138, 90, 70, 14}, WS_TABSTOP},
        {Kind::Static, IDC_STATIC, "-", {212, 92, 6, 10}},
        {Kind::DateTimePicker, IDC_END_MONTH, "", {222, 90, 70, 14}, WS_TABSTOP},
        {Kind::Static, IDC_STATIC, "选择纸型:", {96, 118, 40, 10}},
        {Kind::ComboBox, IDC_OPINION_PAPER, "", {138, 116, 60, 60}, kList, {"A4", "B5"}},
        {Kind::GroupBox, IDC_STATIC, "输出项目选择", {7, 152, 315, 208}},
        {Kind::Static, IDC_GRID_PLACE, "", {16, 166, 200, 186}, SS_BLACKFRAME, {}, true},
        {Kind::GroupBox, IDC_STATIC, "基金编号", {226, 166, 88, 60}},
        {Kind::PushButton, IDC_SELECT_ALL, "全选", {240, 182, 60, 14}, WS_TABSTOP},
        {Kind::PushButton, IDC_INVERT, "反选", {240, 202, 60, 14}, WS_TABSTOP},
        {Kind::RichEdit, IDC_RICH, "", {226, 240, 40, 20}, 0, {}, true},
        {Kind::RichEdit, IDC_RICH_APPROVAL, "", {272, 240, 40, 20}, 0, {}, true},
        {Kind::DefPushButton, IDOK, "确定", {196, 368, 56, 16}, WS_TABSTOP},
        {Kind::PushButton, IDCANCEL, "取消", {262, 368, 56, 16}, WS_TABSTOP},
    }};
    return tpl;
}

BOOL CDlgPFOutput::OnInitDialog() {
    CPlanOutputDialog::OnInitDialog();
    LoadFundList();
    m_dateStart.SetFormat("yyyy/MM");
    m_dateEnd.SetFormat("yyyy/MM");
    return TRUE;
}

void CDlgPFOutput::DoDataExchange(ui::DataExchange& dx) {
    dx.Control(IDC_END_MONTH, m_dateEnd);
    dx.Control(IDC_START_MONTH, m_dateStart);
    dx.Control(IDC_RICH_APPROVAL, m_richEdit2);
    ExchangeCommon(dx);
    dx.Text(IDC_RICH_APPROVAL, m_strRichText2);
    dx.CBIndex(IDC_OPINION_PAPER, m_nOpinionPaper);
}

void CDlgPFOutput::OnCategoryChanged() {
    // The approval opinions exist for both fund kinds; only a category other
    // than 重点实验室 puts the choice back on the plan tables.
    if (m_nCategory != 1) {
        m_nOutputKind = 0;
        UpdateData(FALSE);
    }
}

std::string CDlgPFOutput::FundListQuery(const std::string& year) const {
    return reportqueries::ApprovedNumbers("XMLB = " + db::QuoteLiteral(CategoryOf(m_nCategory)), year);
}

std::string CDlgPFOutput::CountQuery(const reportqueries::FundProjects& projects, const std::string& unit) const {
    return reportqueries::ApprovedCount(projects, unit);
}

std::string CDlgPFOutput::SumQuery(const reportqueries::FundProjects& projects, const std::string& unit) const {
    return reportqueries::ApprovedSum(projects, unit);
}

const std::string& CDlgPFOutput::CategoryOf(int category) const { return GeneralCategory(category); }

void CDlgPFOutput::OnOK() {
    UpdateData(TRUE);
    if (m_nOutputKind == 1) {
        OutputApprovalOpinions();
        EndDialog(IDOK);
    } else if (OutputPlanTables()) {
        EndDialog(IDOK);
    }
}

bool CDlgPFOutput::OutputPlanTables() {
    const reports::PlanTableRequest request = PlanTables();
    ApprovedProjects source(*this, request.year);
    return reports::WritePlanTables(request, source) == reports::RunResult::Finished;
}

std::string CDlgPFOutput::ApprovalSentence(const std::string& unit, const std::string& leader,
                                           const std::string& name, const std::string& xmbh,
                                           const std::string& funds) const {
    text::DateTime start, end;
    m_dateStart.GetTime(start);
    m_dateEnd.GetTime(end);
    const char* programme = m_nCategory == 0 ? "  申请的装备预研共用技术基金项目“" : "  申请的国防科技重点实验室基金项目“";
    return "同意资助 " + unit + "  " + leader + programme + name + "”，项目编号为 " + xmbh + "，起止时间 " +
           start.Format("%Y年%m月") + "—" + end.Format("%Y年%m月") + "，经费" + funds + "万元。";
}

void CDlgPFOutput::OutputApprovalOpinions() {
    auto app = Application::Create();
    if (!app) {
        ui::MessageBox("Word服务程序启动失败！", "提示", MB_OK | MB_ICONSTOP);
        return;
    }
    const std::string templatePath =
        sys::ProgramFolder() + (m_nOpinionPaper == 0 ? "\\模板\\批复意见A4.doc" : "\\模板\\批复意见B5.doc");
    if (!app->Documents().Add(templatePath, false, 0, true).IsValid()) {
        app->Quit();
        reports::ReportFileFailure("无法读取模板文件", templatePath);
        return;
    }
    OpinionDocument doc(std::move(app));
    const std::string year = SelectedYear();
    const std::string expertScratch = reports::TempPath("专家意见.rtf");
    const std::string approvalScratch = reports::TempPath("批复意见.rtf");
    std::vector<std::string> footers;
    CAdoRecordSet projects, opinions;
    for (const std::string& fund : TickedFunds()) {
        const std::string sql = reportqueries::ApprovedOpinionRows({fund, GeneralCategory(m_nCategory), year});
        if (!reports::OpenQuery(projects, m_pConnection, sql)) continue;
        for (; !projects.IsEOF(); projects.MoveNext()) {
            // Every project after the first starts a new section on a new page.
            if (!footers.empty()) doc.selection.InsertBreak(wdSectionBreakNextPage);
            const std::string xmbh = reports::Text(projects, "XMBH");
            const std::string leader = reports::Text(projects, "SQRXM");
            reports::OpenQuery(opinions, m_pConnection, reportqueries::ReviewOpinions(xmbh));
            // The section's footer names this project only.
            doc.view.SetSeekView(wdSeekCurrentPageFooter);
            doc.selection.HeaderFooter().SetLinkToPrevious(false);
            doc.view.SetSeekView(wdSeekMainDocument);
            footers.push_back(xmbh + " " + leader);

            float funds = 0;
            // An amount that cannot be read prints as no figure rather than a false one.
            const std::string fundsText = opinions.GetFloat("PFJF", funds) ? text::Format("%g", double(funds)) : "";
            reports::LoadRichColumn(opinions, "ZJYJ", expertScratch, m_richEdit, *this);
            reports::LoadRichColumn(opinions, "PFYJ", approvalScratch, m_richEdit2, *this);

            doc.Format(16, "黑体", 0);
            doc.selection.TypeText("八、同行专家评审意见");
            doc.selection.TypeParagraph();
            doc.Format(14, "宋体", 28.1);
            doc.selection.TypeText(m_strRichText);
            doc.selection.TypeParagraph();
            doc.selection.TypeText(m_strRichText2);
            doc.selection.TypeParagraph();
            doc.selection.TypeParagraph();
            doc.Format(16, "黑体", 0);
            doc.selection.TypeText("九、zude预研基金办公室意见");
            doc.selection.TypeParagraph();
            doc.Format(14, "宋体", 28.1);
            doc.selection.TypeText(ApprovalSentence(reports::Text(projects, "GZDW"), leader,
                                                    reports::Text(projects, "XMMC"), xmbh, fundsText));
        }
    }
    doc.selection.HomeKey(wdStory, wdMove);
    doc.view.SetSeekView(wdSeekCurrentPageFooter);
    for (std::size_t i = 0; i < footers.size(); ++i) {
        doc.font.SetSize(10.5);
        doc.selection.TypeText(footers[i]);
        if (i + 1 < footers.size()) doc.view.NextHeaderFooter();
    }
    doc.view.SetSeekView(wdSeekMainDocument);
    doc.word->SetVisible(true);  // handed to the user when released
    doc.word.reset();
    EndDialog(IDOK);
}
