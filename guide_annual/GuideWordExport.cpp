#include "guide_annual/GuideWordExport.h"

#include <filesystem>
#include <system_error>

#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "guide_annual/DlgSelectOutput.h"
#include "guide_annual/GuideWordWriter.h"
#include "platform/office/Word.h"
#include "platform/sys/Sys.h"
#include "platform/ui/Services.h"

using guidestore::Quote;

namespace {

// The names of the units a direction is directed at, in unit-code order.
std::vector<std::string> DirectedUnitNames(CAdoConnection& connection, const std::string& direction,
                                           const std::string& year) {
    CAdoRecordSet rows;
    BindGuideRecordset(rows, connection);
    std::vector<std::string> names;
    if (rows.Open("select dwmc from corvane_year_studyaspect, corvane_unit where yjfxbh = '" + Quote(direction) +
                  "' and corvane_year_studyaspect.fbnf = '" + Quote(year) +
                  "' and corvane_year_studyaspect.dwdm = corvane_unit.dwdm order by corvane_year_studyaspect.dwdm")) {
        for (; !rows.IsEOF(); rows.MoveNext()) {
            std::string name;
            rows.GetString("dwmc", name);
            names.push_back(name);
        }
    }
    return names;
}

// Every subject of the guide with its directions (each once) and their units.
void TypeTopicScope(GuideWordWriter& writer, CAdoConnection& connection, const GuideScratchFiles& files,
                    const std::string& fund, const std::string& year) {
    writer.TypeHeading(kGuideChapterHeadings[3]);
    CAdoRecordSet rows;
    BindGuideRecordset(rows, connection);
    if (!rows.Open("select corvane_year_studysubject.ztbh, ztmc, yjmd, yjfxbh, yjfxmc, sfzdyjfx from "
                   "corvane_year_studysubject left join corvane_year_studyaspect on corvane_year_studysubject.ztbh = "
                   "corvane_year_studyaspect.ztbh and corvane_year_studysubject.fbnf = corvane_year_studyaspect.fbnf "
                   "where corvane_year_studysubject.jjbh = '" +
                   Quote(fund) + "' and corvane_year_studysubject.fbnf = '" + Quote(year) +
                   "' order by corvane_year_studysubject.ztbh, yjfxbh"))
        return;
    std::string lastSubject, lastDirection;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        std::string subject, subjectName, direction, directionName, kind;
        rows.GetString("ztbh", subject);
        rows.GetString("ztmc", subjectName);
        rows.GetString("yjfxbh", direction);
        rows.GetString("yjfxmc", directionName);
        rows.GetString("sfzdyjfx", kind);
        if (subject != lastSubject) {
            writer.TypeSubject(subject, subjectName, files.PurposeFile(subject), !direction.empty());
            lastSubject = subject;
        }
        if (!direction.empty() && direction != lastDirection) {
            writer.TypeDirection(direction, directionName, kind == "1");
            lastDirection = direction;
            writer.TypeDirectedUnits(DirectedUnitNames(connection, direction, year));
        }
    }
}

// Removes the scratch files written, then the folder when nothing else is
// in it: documents handed to the desktop earlier may live there.
void RemoveScratch(const std::vector<std::string>& written, const std::string& keep, const std::string& folder) {
    for (const std::string& path : written)
        if (path != keep) sys::RemoveFile(sys::NativePath(path));
    std::error_code ec;
    if (std::filesystem::is_empty(sys::NativePath(folder), ec) && !ec)
        std::filesystem::remove(sys::NativePath(folder), ec);
}

}  // namespace

bool ExportGuidesToWord(CAdoConnection& connection, const std::vector<std::string>& funds,
                        const std::vector<std::string>& years, const std::vector<std::string>& chapters) {
    const std::string outputFolder = sys::JoinPath(sys::ProgramFolder(), "output");
    sys::MakeDirs(outputFolder);
    GuideScratchFiles files;
    files.chapters[0] = sys::JoinPath(outputFolder, "概述.rtf");
    files.chapters[1] = sys::JoinPath(outputFolder, "国内外研究情况.rtf");
    files.chapters[2] = guidefiles::ChapterFile(2);
    files.subjectFolder = outputFolder;

    auto word = office::word::Application::Create();
    if (!word) {
        GuidePrompt("Word服务程序启动失败！", MB_ICONERROR);
        return false;
    }
    const std::string templatePath = sys::JoinPath(sys::JoinPath(sys::ProgramFolder(), "模板"), "template.doc");
    if (!word->Documents().Add(templatePath, false, 0, true).IsValid()) {
        GuidePrompt("无法打开模板文件：" + templatePath, MB_ICONERROR);
        return false;
    }
    GuideWordWriter writer(word->Selection());
    writer.TypeSecretMark();
    std::vector<std::string> written;
    for (std::size_t i = 0; i < funds.size() && i < years.size(); ++i) {
        const std::string name = WriteGuideScratchFiles(connection, funds[i], years[i], files, &written);
        writer.BeginGuide(funds[i], name, years[i]);
        for (int chapter = 0; chapter < 3; ++chapter)
            if (IsChapterChosen(chapters, chapter)) writer.TypeChapter(chapter, files.chapters[chapter]);
        if (IsChapterChosen(chapters, 3)) TypeTopicScope(writer, connection, files, funds[i], years[i]);
    }
    word->SetVisible(true);
    RemoveScratch(written, files.chapters[2], outputFolder);
    return true;  // releasing Word hands the document to the desktop
}

void OutputGuidesToWord(ui::Wnd* parent, CAdoConnection& connection, CAdoRecordSet& recordset,
                        const std::string& period, std::vector<std::string>& chosenChapters) {
    CDlgSelectOutput dialog(parent);
    dialog.m_strPublishYear = period;
    dialog.m_pRecordset = &recordset;
    if (dialog.DoModal() != IDOK) return;
    chosenChapters = dialog.m_arrChapters;
    ExportGuidesToWord(connection, dialog.m_arrFunds, dialog.m_arrYears, chosenChapters);
}
