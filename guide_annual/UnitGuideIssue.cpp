#include "guide_annual/UnitGuideIssue.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "guide_annual/GuideWordWriter.h"
#include "platform/sys/Sys.h"


namespace {

// The guides of the year that direct a direction at the unit, by fund number.
std::vector<std::string> GuidesOfUnit(CAdoConnection& connection, const std::string& unit, const std::string& year) {
    CAdoRecordSet rows;
    BindGuideRecordset(rows, connection);
    std::vector<std::string> funds;
    if (rows.Open("select distinct jjbh from corvane_year_studyaspect where dwdm = " + db::QuoteLiteral(unit) +
                  " and fbnf = " + db::QuoteLiteral(year) + " order by jjbh")) {
        for (; !rows.IsEOF(); rows.MoveNext()) {
            std::string fund;
            rows.GetString("jjbh", fund);
            funds.push_back(fund);
        }
    }
    return funds;
}

// The subjects of the guide with the unit's directions of the wanted kinds.
void TypeUnitTopicScope(GuideWordWriter& writer, CAdoConnection& connection, const GuideScratchFiles& files,
                        const std::string& fund, const std::string& unit, const UnitGuideChoice& choice) {
    writer.TypeHeading(kGuideChapterHeadings[3]);
    CAdoRecordSet rows;
    BindGuideRecordset(rows, connection);
    const std::string year = db::QuoteLiteral(choice.year);
    if (!rows.Open("select corvane_year_studysubject.ztbh, ztmc, yjmd, yjfxbh, yjfxmc, sfzdyjfx from "
                   "corvane_year_studysubject, corvane_year_studyaspect where corvane_year_studysubject.ztbh = "
                   "corvane_year_studyaspect.ztbh and corvane_year_studyaspect.jjbh = " +
                   db::QuoteLiteral(fund) + " and dwdm = " + db::QuoteLiteral(unit) +
                   " and corvane_year_studyaspect.fbnf = " + year +
                   " and corvane_year_studyaspect.fbnf = corvane_year_studysubject.fbnf order by "
                   "corvane_year_studysubject.ztbh, yjfxbh"))
        return;
    std::string lastSubject;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        std::string subject, subjectName, direction, directionName, kind;
        rows.GetString("ztbh", subject);
        rows.GetString("ztmc", subjectName);
        rows.GetString("yjfxbh", direction);
        rows.GetString("yjfxmc", directionName);
        rows.GetString("sfzdyjfx", kind);
        const bool wanted = (choice.keyDirections && kind == "1") || (choice.generalDirections && kind == "0");
        if (!wanted) continue;
        if (subject != lastSubject) {
            writer.TypeSubject(subject, subjectName, files.PurposeFile(subject), true);
            lastSubject = subject;
        }
        writer.TypeDirection(direction, directionName, kind == "1");
    }
}

}  // namespace

std::string IssuedGuideFolder(const std::string& chosenFolder) { return sys::JoinPath(chosenFolder, "下发年度指南"); }

std::string WriteUnitGuides(const office::word::Application& word, CAdoConnection& connection,
                            const std::vector<std::string>& units, const UnitGuideChoice& choice,
                            const std::string& folder, const std::function<void(int, int)>& progress) {
    const std::string templatePath = sys::JoinPath(sys::JoinPath(sys::ProgramFolder(), "模板"), "年度指南模板.doc");
    GuideScratchFiles files;
    for (int i = 0; i < 3; ++i) files.chapters[i] = guidefiles::ChapterFile(i);
    files.subjectFolder = guidefiles::TopicFolder();

    const int total = int(units.size());
    int done = 0;
    for (const std::string& unit : units) {
        office::word::Document document = word.Documents().Add(templatePath, false, 0, false);
        if (!document.IsValid()) return "无法打开模板文件：" + templatePath;
        GuideWordWriter writer(word.Selection());
        writer.TypeSecretMark();
        for (const std::string& fund : GuidesOfUnit(connection, unit, choice.year)) {
            const std::string name = WriteGuideScratchFiles(connection, fund, choice.year, files);
            writer.BeginGuide(fund, name, choice.year);
            for (int chapter = 0; chapter < 3; ++chapter)
                if (IsChapterChosen(choice.chapters, chapter)) writer.TypeChapter(chapter, files.chapters[chapter]);
            if (IsChapterChosen(choice.chapters, 3))
                TypeUnitTopicScope(writer, connection, files, fund, unit, choice);
        }
        const std::string path = sys::JoinPath(folder, sys::SafeFileName(unit) + ".doc");
        if (!document.SaveAs(path)) return "无法保存文件：" + path;
        word.Documents().Close(document);  // written: only one unit's document is held at a time
        if (progress) progress(++done, total);
    }
    return {};
}
