#include "guide_fiveyear/FiveGuideWordExport.h"

#include "foundation/AdoRecordSet.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "guide_annual/GuideWordWriter.h"
#include "guide_fiveyear/FiveGuideStore.h"
#include "platform/office/Word.h"
#include "platform/sys/Sys.h"

namespace fiveyearword {

const char* const kChapterHeadings[kChapterCount] = {"一、概述", "二、国内外研究情况", "三、五年总目标和重点研究内容",
                                                     "四、选题范围", "五、与相关计划指南的关系", "六、效益分析"};

namespace {

constexpr int kTopicChapter = 3;

// The chapter files of "output", one per rich-text chapter in column order.
const char* const kOutputNames[fiveyearstore::kChapterCount] = {"概述.rtf", "国内外研究情况.rtf",
                                                                 "五年总目标和重点研究内容.rtf",
                                                                 "与相关计划指南的关系.rtf", "效益分析.rtf"};

// The rich-text column (0 to 4) of a printed chapter (0 to 5 without 3).
int ColumnOfChapter(int chapter) { return chapter < kTopicChapter ? chapter : chapter - 1; }

// The body of a chapter in 仿宋_GB2312 14, its first line indented by the points.
void InsertBody(const office::word::Selection& sel, const std::string& rtfPath, double indent) {
    sel.Font().SetBold(false);
    sel.Font().SetSize(14);
    sel.Font().SetName("仿宋_GB2312");
    sel.Paragraphs().SetFirstLineIndent(indent);
    sel.InsertFile(rtfPath);
}

// The first three chapters: heading, then the body indented.
void TypeLeadingChapter(GuideWordWriter& writer, const office::word::Selection& sel, int chapter,
                        const std::string& rtfPath) {
    writer.TypeHeading(kChapterHeadings[chapter]);
    InsertBody(sel, rtfPath, 28.1);
}

// The last two chapters: heading, a paragraph mark in the body font, then
// the body without indent.
void TypeTrailingChapter(const office::word::Selection& sel, int chapter, const std::string& rtfPath) {
    sel.Font().SetSize(16);
    sel.Font().SetName("黑体");
    sel.Paragraphs().SetFirstLineIndent(0);
    sel.TypeText(kChapterHeadings[chapter]);
    sel.Font().SetBold(false);
    sel.Font().SetSize(14);
    sel.Font().SetName("仿宋_GB2312");
    sel.TypeParagraph();
    sel.InsertFile(rtfPath);
}

// Writes the guide's chapters and its topics' purposes to the output files
// and gives the guide's name (empty when it is not stored).
std::string WriteScratchFiles(CAdoConnection& connection, const std::string& fund, const std::string& period,
                              const std::string& folder, std::vector<std::string>& written) {
    const std::string condition = fiveyearstore::GuideCondition(fund, period);
    CAdoRecordSet rows;
    BindGuideRecordset(rows, connection);
    std::string name;
    const bool stored = rows.Open("select * from corvane_fivefundguide where " + condition) && !rows.IsEOF();
    if (stored) rows.GetString("ZNMC", name);
    for (int i = 0; i < fiveyearstore::kChapterCount; ++i)
        guideword::ColumnToFile(stored ? &rows : nullptr, fiveyearstore::kChapterColumns[i],
                                sys::JoinPath(folder, kOutputNames[i]), &written);
    rows.Close();
    if (rows.Open("select * from corvane_five_studysubject where " + condition)) {
        for (; !rows.IsEOF(); rows.MoveNext()) {
            std::string number;
            rows.GetString("ZTBH", number);
            guideword::ColumnToFile(&rows, "YJMD", sys::JoinPath(folder, sys::SafeFileName(number) + ".rtf"), &written);
        }
    }
    return name;
}

}  // namespace

bool ExportGuidesToWord(CAdoConnection& connection, const std::vector<std::string>& funds,
                        const std::string& period, const std::vector<std::string>& chapters) {
    const std::string folder = sys::JoinPath(sys::ProgramFolder(), "output");
    sys::MakeDirs(folder);
    const auto word = guideword::OpenGuideTemplate("五年指南");
    if (!word) return false;
    const office::word::Selection sel = word->Selection();
    GuideWordWriter writer(sel);
    writer.TypeSecretMark();
    std::vector<std::string> written;
    for (const std::string& fund : funds) {
        const std::string name = WriteScratchFiles(connection, fund, period, folder, written);
        writer.BeginGuide(fund, name, period);
        for (int chapter = 0; chapter < kChapterCount; ++chapter) {
            if (!IsChapterChosen(chapters, chapter)) continue;
            const std::string file = chapter == kTopicChapter
                                         ? std::string()
                                         : sys::JoinPath(folder, kOutputNames[ColumnOfChapter(chapter)]);
            if (chapter < kTopicChapter) TypeLeadingChapter(writer, sel, chapter, file);
            else if (chapter == kTopicChapter)
                guideword::TypeTopicScope(writer, connection, {"corvane_five_studysubject", "corvane_five_studyaspect"},
                                          kChapterHeadings[kTopicChapter], folder, fund, period);
            else TypeTrailingChapter(sel, chapter, file);
        }
    }
    word->SetVisible(true);
    guideword::RemoveScratch(written, {}, folder);
    return true;  // releasing Word hands the document to the desktop
}

}  // namespace fiveyearword
