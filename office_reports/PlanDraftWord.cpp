#include "office_reports/PlanDraftWord.h"

#include <memory>
#include <string>
#include <vector>

#include "foundation/AdoRecordSet.h"
#include "numbering/ProjectNumbering.h"
#include "office_reports/PlanOutputDialog.h"
#include "office_reports/ReportQueries.h"
#include "office_reports/ReportSupport.h"
#include "platform/office/Word.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace reports {

namespace {

using namespace office::word;

// The rich-text columns of a plan, each passed through its scratch file.
enum Piece { kGoals, kForm, kAnnualGoals, kAnnualForm, kRemark, kPieceCount };
const char* const kPieceColumns[kPieceCount] = {"ZMBYNR", "ZWCXS", "NDMBYNR", "NDWCXS", "BZ"};
const char* const kPieceFiles[kPieceCount] = {"总研究目标与内容.rtf", "总完成形式.rtf", "年度研究目标与内容.rtf",
                                              "年度完成形式.rtf", "备注.rtf"};

class PlanDraftWriter {
public:
    explicit PlanDraftWriter(const PlanDraftRequest& request)
        : request_(request), dialog_(request.dialog), year_(dialog_.SelectedYear()), category_(dialog_.m_nCategory),
          funds_(dialog_.TickedFunds()) {}

    RunResult Run() { return request_.perUnit ? RunPerUnit() : RunOneDocument(); }

private:
    std::string Title() const {
        return category_ == 0 ? "装备预研共用技术基金（重点项目）" : "国防科技重点实验室基金（重点项目）";
    }
    // The fund's key projects of the year and category.
    reportqueries::FundProjects Projects(const std::string& fund) const {
        return {fund, category_ == 0 ? kGroupKey : kLabKey, year_};
    }
    std::string ProjectQuery(const std::string& fund, const std::string& unit) const {
        return reportqueries::PlannedDraftRows(Projects(fund), unit);
    }
    long CountProjects(const std::string& fund, const std::string& unit) const {
        CAdoRecordSet rs;
        if (!OpenQuery(rs, dialog_.m_pConnection, ProjectQuery(fund, unit))) return 0;
        const long count = rs.GetRecordCount();
        return count > 0 ? count : 0;
    }

    std::unique_ptr<Application> StartWord() const {
        auto word = Application::Create();
        if (!word) ui::MessageBox("Word服务程序启动失败！", "提示", MB_OK | MB_ICONSTOP);
        return word;
    }
    // A new document from the template, the header walk done; false after
    // telling the user the template cannot be read.
    bool StartDocument(Application& word) {
        const std::string path = PlanDraftTemplate(dialog_.m_nPaperSize);
        document_ = word.Documents().Add(path, false, 0, true);
        if (!document_.IsValid()) return ReportFileFailure("无法读取模板文件", path);
        Selection sel = word.Selection();
        sel.TypeText(year_ + "年" + Title());
        sel.GoToNext(wdGoToTable);
        sel.MoveRight(wdCell, 9, wdMove);
        sel.TypeText(year_ + "年经费");
        sel.MoveRight(wdCell, 1, wdMove);
        sel.TypeText(text::Format("%ld", text::Atol(year_) + 1) + "年经费");
        sel.MoveRight(wdCell, 2, wdMove);
        subtotal_ = 0;
        return true;
    }

    // Loads a scratch file into the hidden control, re-sets it to 10.5-point
    // 宋体 (keeping every other format) and inserts it at the cursor.
    void InsertPiece(const Selection& sel, const std::string& scratch) {
        COleRichEdit& hidden = dialog_.m_richEdit;
        hidden.LoadRtfFile(scratch);
        dialog_.UpdateData(TRUE);
        hidden.SetSel(0, -1);
        ui::CharFormat format;
        format.dwMask = ui::CFM_SIZE | ui::CFM_FACE;
        format.szFaceName = "宋体";
        format.yHeight = 210;
        hidden.SetSelectionCharFormat(format);
        const std::string content = TempPath("tempcontent.rtf");
        if (hidden.SaveRtfFile(content) > 0) sel.InsertFile(content);
    }

    // The two rows of one project, from its first cell; ends in the last
    // cell of its second row.
    void ProjectRows(const Selection& sel, const std::string& xmbh, const std::string& name) {
        CAdoRecordSet plan;
        std::string schedule;
        bool hasPiece[kPieceCount] = {};
        if (OpenQuery(plan, dialog_.m_pConnection, reportqueries::PlanRow(xmbh)) &&
            !plan.IsEOF()) {
            schedule = Text(plan, "JDYQ");
            for (int i = 0; i < kPieceCount; ++i)
                hasPiece[i] = WriteRichScratch(plan, kPieceColumns[i], TempPath(kPieceFiles[i]));
        }
        auto piece = [&](Piece which) {
            if (hasPiece[which]) InsertPiece(sel, TempPath(kPieceFiles[which]));
        };
        auto next = [&] { sel.MoveRight(wdCell, 1, wdMove); };

        const float funds = float(text::Atof(request_.approvedFunds(xmbh)));
        const std::string half = text::Format("%.2f", double(float(funds * 0.5)));
        subtotal_ += funds;
        sel.TypeText(xmbh);
        next();
        sel.TypeText(name);
        next();
        sel.TypeText("研究目标：\n");
        piece(kGoals);
        next();
        piece(kForm);
        next();
        sel.TypeText(schedule);
        next();
        sel.TypeText(request_.unitName(projectnumber::UnitCodeOf(xmbh)));
        next();
        sel.TypeText(text::Format("%.2f", double(funds)));
        next();
        sel.TypeText(half);
        next();
        sel.TypeText(half);
        next();
        piece(kRemark);
        next();

        // The second row continues the first: no line between them.
        for (int cell = 1; cell <= 10; ++cell) {
            if (cell == 3) piece(kAnnualGoals);
            if (cell == 4) piece(kAnnualForm);
            sel.Borders().Item(wdBorderTop).SetLineStyle(wdLineStyleNone);
            if (cell < 10) next();
        }
    }

    void Finish(const Selection& sel) const {
        const std::string half = text::Format("%.2f", double(float(subtotal_ * 0.5)));
        sel.MoveRight(wdCell, 1, wdMove);
        sel.TypeText("小计");
        sel.MoveRight(wdCell, 6, wdMove);
        sel.TypeText(text::Format("%.2f", double(subtotal_)));
        sel.MoveRight(wdCell, 1, wdMove);
        sel.TypeText(half);
        sel.MoveRight(wdCell, 1, wdMove);
        sel.TypeText(half);
        // The column-heading row is set off by thick lines above and below.
        sel.HomeKey(wdStory, wdMove);
        sel.GoToNext(wdGoToTable);
        sel.MoveRight(wdCell, 3, wdMove);
        sel.SelectRow();
        sel.Borders().Item(wdBorderTop).SetLineWidth(wdLineWidth150pt);
        sel.Borders().Item(wdBorderBottom).SetLineWidth(wdLineWidth150pt);
    }

    RunResult RunPerUnit() {
        const std::string folder = ChoosePlanFolder();
        if (folder.empty()) return RunResult::Cancelled;
        std::vector<std::string> unitQueries;
        for (const std::string& fund : funds_)
            unitQueries.push_back(reportqueries::PlannedUnits(Projects(fund)));
        const UnitSet units = CollectUnits(dialog_.m_pConnection, unitQueries);
        if (units.empty()) {
            ShowNothingSelected();
            return RunResult::NothingSelected;
        }
        WaitWindow wait(dialog_);
        auto word = StartWord();
        if (!word) return RunResult::Failed;
        int done = 0;
        for (const std::string& unit : units) {
            if (!StartDocument(*word)) {
                word->Quit();
                return RunResult::Failed;
            }
            Selection sel = word->Selection();
            long rows = 0;
            for (const std::string& fund : funds_) rows += CountProjects(fund, unit);
            sel.InsertRowsAbove(int(2 * rows));
            bool first = true;
            CAdoRecordSet projects;
            for (const std::string& fund : funds_) {
                if (!OpenQuery(projects, dialog_.m_pConnection, ProjectQuery(fund, unit))) continue;
                for (; !projects.IsEOF(); projects.MoveNext()) {
                    if (!first) sel.MoveRight(wdCell, 1, wdMove);
                    first = false;
                    ProjectRows(sel, Text(projects, "XMBH"), Text(projects, "XMMC"));
                }
            }
            Finish(sel);
            const std::string path = UnitFilePath(folder, unit, ".doc");
            if (MayWrite(path) && !document_.SaveAs(path, wdFormatDocument)) {
                word->Quit();
                ReportFileFailure("无法保存文件", path);
                return RunResult::Failed;
            }
            wait.Progress(++done, int(units.size()));
        }
        word->Quit(wdDoNotSaveChanges, 0, false);
        return RunResult::Finished;
    }

    RunResult RunOneDocument() {
        long total = 0, fundsWithProjects = 0;
        for (const std::string& fund : funds_) {
            const long count = CountProjects(fund, "");
            total += count;
            if (count > 0) ++fundsWithProjects;
        }
        if (total == 0) {
            ShowNothingSelected();
            return RunResult::NothingSelected;
        }
        WaitWindow wait(dialog_);
        auto word = StartWord();
        if (!word) return RunResult::Failed;
        if (!StartDocument(*word)) {
            word->Quit();
            return RunResult::Failed;
        }
        Selection sel = word->Selection();
        sel.InsertRowsAbove(int(fundsWithProjects + 2 * total));
        std::string lastFund;
        int done = 0;
        CAdoRecordSet projects;
        for (const std::string& fund : funds_) {
            if (!OpenQuery(projects, dialog_.m_pConnection, ProjectQuery(fund, ""))) continue;
            for (; !projects.IsEOF(); projects.MoveNext()) {
                if (done > 0) sel.MoveRight(wdCell, 1, wdMove);
                const std::string xmbh = Text(projects, "XMBH");
                if (FundOf(xmbh) != lastFund) {
                    lastFund = FundOf(xmbh);
                    sel.TypeText(dialog_.FundHeading(lastFund, year_, category_));
                    sel.SelectRow();
                    sel.Cells().Merge();
                    sel.MoveRight(wdCell, 1, wdMove);
                }
                ProjectRows(sel, xmbh, Text(projects, "XMMC"));
                wait.Progress(++done, int(total));
            }
        }
        Finish(sel);
        word->SetVisible(true);  // handed to the user when released
        return RunResult::Finished;
    }

    const PlanDraftRequest& request_;
    CPlanOutputDialog& dialog_;
    const std::string year_;
    const int category_;
    const std::vector<std::string> funds_;
    Document document_;
    float subtotal_ = 0;
};

}  // namespace

std::string PlanDraftTemplate(int paperSize) {
    const char* paper = paperSize == 0 ? "A3" : paperSize == 1 ? "A4" : "B4";
    return sys::ProgramFolder() + "\\模板\\计划草案模板" + paper + ".doc";
}

RunResult WritePlanDrafts(const PlanDraftRequest& request) { return PlanDraftWriter(request).Run(); }

}  // namespace reports
