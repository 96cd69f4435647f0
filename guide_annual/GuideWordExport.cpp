#include "guide_annual/GuideWordExport.h"

#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "guide_annual/DlgSelectOutput.h"
#include "guide_annual/GuideWordWriter.h"
#include "platform/sys/Sys.h"
#include "platform/ui/Services.h"

bool ExportGuidesToWord(CAdoConnection& connection, const std::vector<std::string>& funds,
                        const std::vector<std::string>& years, const std::vector<std::string>& chapters) {
    const std::string outputFolder = sys::JoinPath(sys::ProgramFolder(), "output");
    sys::MakeDirs(outputFolder);
    GuideScratchFiles files;
    files.chapters[0] = sys::JoinPath(outputFolder, "概述.rtf");
    files.chapters[1] = sys::JoinPath(outputFolder, "国内外研究情况.rtf");
    files.chapters[2] = guidefiles::ChapterFile(2);
    files.subjectFolder = outputFolder;

    const auto word = guideword::OpenGuideTemplate("年度指南");
    if (!word) return false;
    GuideWordWriter writer(word->Selection());
    writer.TypeSecretMark();
    std::vector<std::string> written;
    for (std::size_t i = 0; i < funds.size() && i < years.size(); ++i) {
        const std::string name = WriteGuideScratchFiles(connection, funds[i], years[i], files, &written);
        writer.BeginGuide(funds[i], name, years[i]);
        for (int chapter = 0; chapter < 3; ++chapter)
            if (IsChapterChosen(chapters, chapter)) writer.TypeChapter(chapter, files.chapters[chapter]);
        if (IsChapterChosen(chapters, 3))
            guideword::TypeTopicScope(writer, connection, {"corvane_year_studysubject", "corvane_year_studyaspect"},
                                      kGuideChapterHeadings[3], files.subjectFolder, funds[i], years[i]);
    }
    word->SetVisible(true);
    guideword::RemoveScratch(written, files.chapters[2], outputFolder);
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
