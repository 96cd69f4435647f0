// The stored five-year guides: the guide row of a fund number and period
// with its five rich-text chapters and the whole topic document, the topic
// rows with their research purposes, and the direction rows (one per
// directed unit) that the topic document is walked into. Every change of a
// guide runs in one transaction, so a guide is never left with half of its
// topics, nor half-deleted.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"

namespace fiveyearstore {

constexpr int kChapterCount = 5;
// Columns of the chapters 概述, 国内外研究情况, 五年总目标和重点研究内容,
// 与相关计划指南的关系 and 效益分析, in editor order.
extern const char* const kChapterColumns[kChapterCount];

// Where a guide's rich texts and topic scope are exchanged with the editor.
struct GuideFiles {
    std::string chapters[kChapterCount];
    std::string topicFile;    // the topic document
    std::string topicFolder;  // the topics' purpose files
};

// The editor's chapter file of a chapter (temp under the program folder).
std::string ChapterFile(int chapter);
// The editor's own files: the five chapter files and the topic folder.
GuideFiles EditorFiles();

// "JJBH='<fund>' and FBNF='<period>'" with both texts quoted.
std::string GuideCondition(const std::string& fund, const std::string& period);

// True when the guide of this fund number and period is stored.
bool IsGuideStored(CAdoConnection& connection, const std::string& fund, const std::string& period);

// Stores the guide from the files in one transaction. A new guide adds its
// row; `replace` rewrites the stored row (which must still exist) and gives
// the stored topics and directions way to those of the topic document.
// False: the database is as it was.
bool StoreGuide(CAdoConnection& connection, const std::string& fund, const std::string& name,
                const std::string& period, const GuideFiles& files, bool replace);

// Deletes the guide row with its topics and directions; the caller holds
// the transaction.
bool DeleteGuideRows(CAdoConnection& connection, const std::string& fund, const std::string& period);
// The same in a transaction of its own. False: the database is as it was.
bool DeleteGuide(CAdoConnection& connection, const std::string& fund, const std::string& period);

// Writes a stored guide's chapters, topic document and research purposes to
// the files; a chapter without data gives an empty file and a guide without
// a topic document an empty one, so that nothing of another guide remains.
// False when the guide is not stored (no file is touched then).
bool LoadGuide(CAdoConnection& connection, const std::string& fund, const std::string& period,
               const GuideFiles& files);

// ---- the view's list and choosers (CORVANE_SPECGROUP, CORVANE_LAB) ----

// One guide of the view's list: its fund number, the name of its specialist
// group or laboratory, and its own name.
struct ListedGuide {
    std::string fund, owner, name;
};
// The period's guides: those of the specialist groups, then those of the
// laboratories, each by fund number.
std::vector<ListedGuide> ListGuides(CAdoConnection& connection, const std::string& period);
// The same of the guides that the search dialog's two selections (of the
// groups' guides and of the laboratories') give.
std::vector<ListedGuide> SearchGuides(CAdoConnection& connection, const std::string& groupSelection,
                                      const std::string& labSelection, const std::string& period);
// What the search dialog was given: the fund number (matched whole), the
// owner (group or laboratory) and the name (matched as parts); an empty one
// is left out.
struct GuideSearch {
    std::string fund, owner, name;
};
// The period's guides the search gives, as SearchGuides above.
std::vector<ListedGuide> SearchGuides(CAdoConnection& connection, const GuideSearch& search, const std::string& period);

// The period's guides by fund number, for the output chooser (the owner is
// left empty).
std::vector<ListedGuide> GuidesByFund(CAdoConnection& connection, const std::string& period);

// A specialist group or laboratory a guide can be written for.
struct GuideOwner {
    std::string name, code;
    bool lab;
};
// Every group, then every laboratory, in stored order.
std::vector<GuideOwner> GuideOwners(CAdoConnection& connection);
// The name of the group or laboratory of the code; empty when there is none.
std::string OwnerName(CAdoConnection& connection, const std::string& code, bool lab);

}  // namespace fiveyearstore
