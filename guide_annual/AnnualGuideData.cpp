#include "guide_annual/AnnualGuideData.h"

#include "foundation/ProjectDatabase.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

std::vector<std::string> g_arrUnitCode;
std::map<std::string, std::string> g_mapUnitName;
std::vector<std::string> g_arrFiveGuideName;
std::vector<std::string> g_arrFiveGuideCode;

namespace guidefiles {

namespace {
std::string InProgramFolder(const std::string& name) { return sys::JoinPath(sys::ProgramFolder(), name); }
}  // namespace

std::string ChapterFile(int chapter) {
    static const char* const names[] = {"temp\\概述.rtf", "temp\\国内外研究情况.rtf", "temp\\年度目标和重点研究内容.rtf"};
    return chapter >= 0 && chapter < 3 ? InProgramFolder(names[chapter]) : std::string();
}

std::string TopicFolder() { return InProgramFolder("选题范围"); }
std::string TopicFile() { return sys::JoinPath(TopicFolder(), "选题范围.xml"); }
// A subject code may come from a received bundle: it never names a file
// outside the topic folder.
std::string PurposeFile(const std::string& subjectCode) {
    return sys::JoinPath(TopicFolder(), sys::SafeFileName(subjectCode) + ".rtf");
}

}  // namespace guidefiles

BOOL ConnectGuideDatabase(CAdoConnection& connection) {
    return ConnectProjectDatabase(connection);
}

void BindGuideRecordset(CAdoRecordSet& recordset, CAdoConnection& connection) {
    recordset.SetConnection(&connection);
    recordset.SetCursorLocation(adUseClient);
}

int GuidePrompt(const std::string& text, UINT icon, UINT buttons) { return ui::MessageBox(text, "提示", buttons | icon); }

std::string PeriodFirstYear(const std::string& period) { return period.substr(0, 4); }
std::string PeriodLastYear(const std::string& period) { return period.size() <= 4 ? period : period.substr(period.size() - 4); }
