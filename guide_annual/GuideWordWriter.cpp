#include "guide_annual/GuideWordWriter.h"

#include <filesystem>
#include <system_error>

#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"
#include "guide_annual/AnnualGuideData.h"
#include "guide_annual/AnnualGuideStore.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

using namespace office;

const char* const kGuideChapterHeadings[4] = {"一、概述", "二、国内外研究情况", "三、年度目标和重点研究内容",
                                              "四、选题范围"};

namespace {

constexpr const char* kHeadingFace = "黑体";
constexpr const char* kBodyFace = "仿宋_GB2312";
constexpr double kHeadingPoints = 16;
constexpr double kBodyPoints = 14;
constexpr double kBodyIndentPoints = 28.1;
const char* const kChapterColumns[3] = {"GS", "GNWYJQK", "YJNR_YEAR"};

}  // namespace

void guideword::ColumnToFile(CAdoRecordSet* rows, const char* column, const std::string& path,
                             std::vector<std::string>* written) {
    std::string bytes;
    if (rows) guidestore::ReadBlob(*rows, column, bytes);
    sys::WriteFileAtomic(sys::NativePath(path), bytes);
    if (written) written->push_back(path);
}

bool IsChapterChosen(const std::vector<std::string>& chapters, int chapter) {
    for (const std::string& chosen : chapters)
        if (text::Atol(chosen) == chapter) return true;
    return false;
}

std::string GuideScratchFiles::PurposeFile(const std::string& subjectCode) const {
    return sys::JoinPath(subjectFolder, sys::SafeFileName(subjectCode) + ".rtf");
}

std::string WriteGuideScratchFiles(CAdoConnection& connection, const std::string& fund, const std::string& year,
                                   const GuideScratchFiles& files, std::vector<std::string>* written) {
    const std::string condition = "jjbh = " + db::QuoteLiteral(fund) + " and fbnf = " + db::QuoteLiteral(year);
    CAdoRecordSet rows;
    BindGuideRecordset(rows, connection);
    std::string name;
    const bool stored = rows.Open("select * from corvane_yearfundguide where " + condition) && !rows.IsEOF();
    if (stored) rows.GetString("ZNMC", name);
    for (int i = 0; i < 3; ++i) guideword::ColumnToFile(stored ? &rows : nullptr, kChapterColumns[i], files.chapters[i], written);
    rows.Close();

    if (rows.Open("select * from corvane_year_studysubject where " + condition)) {
        for (; !rows.IsEOF(); rows.MoveNext()) {
            std::string code;
            rows.GetString("ZTBH", code);
            guideword::ColumnToFile(&rows, "YJMD", files.PurposeFile(code), written);
        }
    }
    rows.Close();
    return name;
}

void GuideWordWriter::SetHeadingFont() const {
    sel_.Font().SetSize(kHeadingPoints);
    sel_.Font().SetName(kHeadingFace);
}

void GuideWordWriter::SetBodyFont() const {
    sel_.Font().SetBold(false);
    sel_.Font().SetSize(kBodyPoints);
    sel_.Font().SetName(kBodyFace);
}

void GuideWordWriter::SetFirstLineIndent(double points) const { sel_.Paragraphs().SetFirstLineIndent(points); }

void GuideWordWriter::InsertBody(const std::string& rtfPath) const {
    SetBodyFont();
    SetFirstLineIndent(kBodyIndentPoints);
    sel_.InsertFile(rtfPath);
}

void GuideWordWriter::TypeSecretMark() {
    sel_.Font().SetSize(kBodyPoints);
    sel_.Font().SetName(kHeadingFace);
    sel_.Paragraphs().SetAlignment(word::wdAlignParagraphRight);
    sel_.TypeText("秘密");
}

void GuideWordWriter::BeginGuide(const std::string& fund, const std::string& name, const std::string& year) {
    if (guides_++ == 0) sel_.TypeParagraph();
    else sel_.InsertBreak(word::wdPageBreak);
    SetHeadingFont();
    sel_.Paragraphs().SetAlignment(word::wdAlignParagraphCenter);
    sel_.TypeText(fund + " " + name + "\n" + "( " + year + " )");
    sel_.TypeParagraph();
    sel_.Paragraphs().SetAlignment(word::wdAlignParagraphLeft);
}

void GuideWordWriter::TypeHeading(const std::string& heading) {
    SetHeadingFont();
    SetFirstLineIndent(0);
    sel_.TypeText(heading);
    sel_.TypeParagraph();
}

void GuideWordWriter::TypeChapter(int chapter, const std::string& rtfPath) {
    if (chapter < 0 || chapter > 2) return;
    TypeHeading(kGuideChapterHeadings[chapter]);
    InsertBody(rtfPath);
}

void GuideWordWriter::TypeSubject(const std::string& code, const std::string& name, const std::string& purposePath,
                                  bool directionsFollow) {
    TypeHeading(code + " " + name);
    SetBodyFont();
    sel_.TypeText("研究目的：");
    sel_.TypeParagraph();
    InsertBody(purposePath);
    SetFirstLineIndent(0);
    if (directionsFollow) {
        sel_.TypeText("研究方向：");
        sel_.TypeParagraph();
    }
}

void GuideWordWriter::TypeDirection(const std::string& code, const std::string& name, bool key) {
    sel_.TypeText(code + " " + name + (key ? "(重点项目)" : ""));
    sel_.TypeParagraph();
}

void GuideWordWriter::TypeDirectedUnits(const std::vector<std::string>& names) {
    if (names.empty()) return;
    sel_.TypeText("发布单位：");
    for (const std::string& name : names) sel_.TypeText(name + "，");
    sel_.TypeBackspace();
    sel_.TypeText("。");
    sel_.TypeParagraph();
}

namespace guideword {

std::unique_ptr<word::Application> OpenGuideTemplate(const std::string& title) {
    auto application = word::Application::Create();
    if (!application) {
        GuidePrompt("Word服务程序启动失败！", MB_ICONERROR);
        return nullptr;
    }
    const std::string templatePath = sys::JoinPath(sys::JoinPath(sys::ProgramFolder(), "模板"), "template.doc");
    const word::Document document = application->Documents().Add(templatePath, false, 0, true);
    if (!document.IsValid()) {
        GuidePrompt("无法打开模板文件：" + templatePath, MB_ICONERROR);
        return nullptr;
    }
    document.SetTitle(title);  // the template is one for every guide
    return application;
}

namespace {

// The names of the units a direction is directed at, in unit-code order; a
// direction is found by its number and the year alone.
std::vector<std::string> DirectedUnitNames(CAdoConnection& connection, const std::string& aspects,
                                           const std::string& direction, const std::string& year) {
    CAdoRecordSet rows;
    BindGuideRecordset(rows, connection);
    std::vector<std::string> names;
    if (rows.Open("select dwmc from " + aspects + ", corvane_unit where yjfxbh = " + db::QuoteLiteral(direction) +
                  " and " + aspects + ".fbnf = " + db::QuoteLiteral(year) + " and " + aspects +
                  ".dwdm = corvane_unit.dwdm order by " + aspects + ".dwdm")) {
        for (; !rows.IsEOF(); rows.MoveNext()) {
            std::string name;
            rows.GetString("dwmc", name);
            names.push_back(name);
        }
    }
    return names;
}

}  // namespace

void TypeTopicScope(GuideWordWriter& writer, CAdoConnection& connection, const TopicTables& tables,
                    const std::string& heading, const std::string& purposeFolder, const std::string& fund,
                    const std::string& year) {
    writer.TypeHeading(heading);
    const std::string subjects = tables.subjects, aspects = tables.aspects;
    CAdoRecordSet rows;
    BindGuideRecordset(rows, connection);
    if (!rows.Open("select " + subjects + ".ztbh, ztmc, yjmd, yjfxbh, yjfxmc, sfzdyjfx from " + subjects +
                   " left join " + aspects + " on " + subjects + ".ztbh = " + aspects + ".ztbh and " + subjects +
                   ".fbnf = " + aspects + ".fbnf where " + subjects + ".jjbh = " + db::QuoteLiteral(fund) + " and " +
                   subjects + ".fbnf = " + db::QuoteLiteral(year) + " order by " + subjects + ".ztbh, yjfxbh"))
        return;
    std::string lastSubject, lastDirection;
    for (; !rows.IsEOF(); rows.MoveNext()) {
        std::string subject, subjectName, direction, directionName, key;
        rows.GetString("ztbh", subject);
        rows.GetString("ztmc", subjectName);
        rows.GetString("yjfxbh", direction);
        rows.GetString("yjfxmc", directionName);
        rows.GetString("sfzdyjfx", key);
        if (subject != lastSubject) {
            writer.TypeSubject(subject, subjectName,
                               sys::JoinPath(purposeFolder, sys::SafeFileName(subject) + ".rtf"), !direction.empty());
            lastSubject = subject;
        }
        if (!direction.empty() && direction != lastDirection) {
            writer.TypeDirection(direction, directionName, key == "1");
            lastDirection = direction;
            writer.TypeDirectedUnits(DirectedUnitNames(connection, aspects, direction, year));
        }
    }
}

void RemoveScratch(const std::vector<std::string>& written, const std::string& keep, const std::string& folder) {
    for (const std::string& path : written)
        if (path != keep) sys::RemoveFile(sys::NativePath(path));
    std::error_code ec;
    if (std::filesystem::is_empty(sys::NativePath(folder), ec) && !ec)
        std::filesystem::remove(sys::NativePath(folder), ec);
}

}  // namespace guideword
