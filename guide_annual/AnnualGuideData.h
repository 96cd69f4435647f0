// What the whole annual-guide library shares: the database beside the
// program and how a screen opens it, the files the guide editor exchanges
// with its chapters and its topic scope, the unit dictionary and the
// period's five-year guides, and the "提示" message boxes.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/ui/WinDefs.h"

constexpr COLORREF kGuideDialogBackground = RGB(232, 241, 250);
constexpr COLORREF kGuidePanelBackground = RGB(242, 246, 255);

// The unit dictionary, filled by CDlgOneGuide::InitUnitDict: unit codes in
// code order, and each code's unit name.
extern std::vector<std::string> g_arrUnitCode;
extern std::map<std::string, std::string> g_mapUnitName;

// The period's five-year guides, filled by the new-guide command just before
// it asks for one (CDlgSelectFiveGuide): names and fund numbers, in step.
extern std::vector<std::string> g_arrFiveGuideName;
extern std::vector<std::string> g_arrFiveGuideCode;

namespace guidefiles {
// The chapter files of the guide editor, chapter 0 to 2, under temp.
std::string ChapterFile(int chapter);
// The topic folder, the topic document in it, and a subject's purpose file.
std::string TopicFolder();
std::string TopicFile();
std::string PurposeFile(const std::string& subjectCode);
}  // namespace guidefiles

// Opens project.mdb beside the program with the database password.
BOOL ConnectGuideDatabase(CAdoConnection& connection);
// Binds a recordset to a connection with the client-side cursor.
void BindGuideRecordset(CAdoRecordSet& recordset, CAdoConnection& connection);

// Message box with the caption "提示"; `icon` an MB_ICON* flag, `buttons`
// MB_OK or MB_YESNO. Returns the answer.
int GuidePrompt(const std::string& text, UINT icon = MB_ICONINFORMATION, UINT buttons = MB_OK);

// The first and the last year of a period text ("2006-2010"): its first and
// its last four characters.
std::string PeriodFirstYear(const std::string& period);
std::string PeriodLastYear(const std::string& period);
