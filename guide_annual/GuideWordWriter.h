// Typing annual guides into a Word document, shared by the Word output of
// the annual-guide view and the per-unit guides of the issuing view: the
// "秘密" mark, each guide's title, its chapters and the subjects and research
// directions of its topic scope, with the fonts and indents of the printed
// guide. The rich texts are written from the database to files first and
// inserted from there.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/office/Word.h"

// Headings of the chapters 0 to 3 (概述 ... 选题范围).
extern const char* const kGuideChapterHeadings[4];

// True when one of the chosen chapter texts ("0" to "3") has the chapter's
// number as its numeric value.
bool IsChapterChosen(const std::vector<std::string>& chapters, int chapter);

// Where a guide's rich texts are written before they are inserted: the three
// chapter files and the folder of the subjects' purpose files.
struct GuideScratchFiles {
    std::string chapters[3];
    std::string subjectFolder;

    // The purpose file of a subject in the subject folder.
    std::string PurposeFile(const std::string& subjectCode) const;
};

// Writes the stored guide's three chapters and each of its subjects' research
// purpose to the files and returns the guide's name (empty when the guide is
// not stored). A chapter or purpose that cannot be read, and every chapter of
// a guide that is not stored, is written empty, so that no text of another
// guide is ever printed in its place. Each file written is added to
// `written` when it is given.
std::string WriteGuideScratchFiles(CAdoConnection& connection, const std::string& fund, const std::string& year,
                                   const GuideScratchFiles& files, std::vector<std::string>* written = nullptr);

// Types at the selection of one document.
class GuideWordWriter {
public:
    explicit GuideWordWriter(const office::word::Selection& selection) : sel_(selection) {}

    // 黑体 14 at the right: "秘密". The document's first line.
    void TypeSecretMark();
    // Ends the line before (a paragraph mark before the first guide, a page
    // break before every later one), then the centred title: fund number and
    // name, and the year in brackets on a second line.
    void BeginGuide(const std::string& fund, const std::string& name, const std::string& year);
    // A heading in 黑体 16 without indent, ending its paragraph.
    void TypeHeading(const std::string& heading);
    // Chapter 0, 1 or 2: its heading and the rich text of the file.
    void TypeChapter(int chapter, const std::string& rtfPath);
    // A subject's heading, "研究目的：" and its purpose; "研究方向：" when
    // directions follow.
    void TypeSubject(const std::string& code, const std::string& name, const std::string& purposePath,
                     bool directionsFollow);
    // One line per direction; a key direction ends with "(重点项目)".
    void TypeDirection(const std::string& code, const std::string& name, bool key);
    // "发布单位：" with the names separated by "，" and ended by "。".
    void TypeDirectedUnits(const std::vector<std::string>& names);

private:
    void SetHeadingFont() const;
    void SetBodyFont() const;
    void SetFirstLineIndent(double points) const;
    // Body font, the first line indented, the file inserted.
    void InsertBody(const std::string& rtfPath) const;

    office::word::Selection sel_;
    int guides_ = 0;
};

// What the Word outputs of both guides share around the writer.
namespace guideword {

// Writes the bytes of a long binary column of the current row to the file
// (no row or an unreadable column: an empty file), and adds the file to
// `written` when it is given.
void ColumnToFile(CAdoRecordSet* rows, const char* column, const std::string& path,
                  std::vector<std::string>* written);

// Word with a new document from 模板/template.doc, handed to the desktop
// named by `title` ("五年指南"); nothing (after the message) when Word or the
// template cannot be opened.
std::unique_ptr<office::word::Application> OpenGuideTemplate(const std::string& title);

// The tables a guide's topic scope is read from.
struct TopicTables {
    const char* subjects;
    const char* aspects;
};

// The topic scope under its heading: every subject of the guide with its
// purpose (the file of its number in `purposeFolder`), its directions (each
// once) and the units they are directed at.
void TypeTopicScope(GuideWordWriter& writer, CAdoConnection& connection, const TopicTables& tables,
                    const std::string& heading, const std::string& purposeFolder, const std::string& fund,
                    const std::string& year);

// Removes the scratch files written but `keep`, then the folder when nothing
// else is in it: documents handed to the desktop earlier may live there.
void RemoveScratch(const std::vector<std::string>& written, const std::string& keep, const std::string& folder);

}  // namespace guideword
