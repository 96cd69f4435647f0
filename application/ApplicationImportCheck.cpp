#include "application/ApplicationImportCheck.h"

#include <fstream>

#include "application/ApplicationDb.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace {

constexpr int kApplicantUnitRole = 1;
constexpr int kFundOfficeRole = 2;

// Whether the category belongs to the guide code's fund: the common-technology
// categories to codes starting 9140A, the key-laboratory ones to 9140C.
bool CategoryFitsFund(const std::string& category, const std::string& guideCode) {
    const std::string fund = guideCode.substr(0, 5);
    if (category.rfind("共性技术基金", 0) == 0) return fund == "9140A";
    if (category.rfind("重点实验室基", 0) == 0) return fund == "9140C";
    return true;
}

// "0" for the general categories (the aspect must be a general one), else "1".
const char* KeyAspectFlag(const std::string& category) {
    return category == "共性技术基金——一般项目" || category == "重点实验室基金——一般项目" ? "0" : "1";
}

}  // namespace

std::string ApplicationImportCheck::LogPath() { return sys::JoinPath(sys::ProgramFolder(), "error.txt"); }

void ApplicationImportCheck::ClearLog() { sys::TruncateFile(LogPath()); }

void ApplicationImportCheck::AppendLog(const std::string& bundlePath, const std::vector<std::string>& lines) {
    std::ofstream log(sys::NativePath(LogPath()), std::ios::binary | std::ios::app);
    if (!log) return;  // the lines are lost; the result stays the same
    log << "导入文件：" << bundlePath << "\n";
    for (const std::string& line : lines) log << line << "\n";
    log << "\n\n";
}

bool ApplicationImportCheck::CheckDWAvail(const std::string& unitCode, const std::string& guideCode,
                                          const std::string& category, const std::string& bundlePath,
                                          const std::string& year) {
    switch (COptions().GetRole()) {
    case kApplicantUnitRole:
        switch (UnitExists(unitCode)) {
        case db::Found::Row: return true;
        case db::Found::NoRow:
            ui::MessageBox("单位代码：" + unitCode + " 不存在或有误，请先修改单位信息再导入申请书！", "提示",
                           MB_ICONINFORMATION);
            return false;
        case db::Found::Failed:
            ui::MessageBox(db::FailureMessage(m_connection, "申请书导入失败！"), "提示", MB_ICONERROR);
            return false;
        }
        return false;
    case kFundOfficeRole: {
        const std::vector<std::string> problems = GuideProblems(unitCode, guideCode, category, year);
        if (problems.empty()) return true;
        AppendLog(bundlePath, problems);
        return false;
    }
    default: return true;
    }
}

db::Found ApplicationImportCheck::UnitExists(const std::string& unitCode) {
    return db::HasRow(m_connection, "select * from corvane_unit where dwdm = ?1", {unitCode});
}

std::vector<std::string> ApplicationImportCheck::GuideProblems(const std::string& unitCode,
                                                               const std::string& guideCode,
                                                               const std::string& category,
                                                               const std::string& year) {
    if (!AspectExists(guideCode, year, "")) return {"指南代码：" + guideCode + " 有误。"};
    std::vector<std::string> problems;
    // An aspect published without direction (unit code a single blank) is open to every unit.
    if (!AspectExists(guideCode, year, " and (dwdm = " + db::QuoteLiteral(unitCode) + " or dwdm = ' ')"))
        problems.push_back("单位代码：" + unitCode + " 不在定向发布单位之列。");
    if (!CategoryFitsFund(category, guideCode) ||
        !AspectExists(guideCode, year, " and sfzdyjfx = " + db::QuoteLiteral(KeyAspectFlag(category))))
        problems.push_back("指南代码：" + guideCode + " 对应的项目类别错误。");
    return problems;
}

bool ApplicationImportCheck::AspectExists(const std::string& guideCode, const std::string& year,
                                          const std::string& condition) {
    CAdoRecordSet rs;
    appdb::Bind(rs, m_connection);
    const std::string sql = "select * from corvane_year_studyaspect where yjfxbh = " + db::QuoteLiteral(guideCode) +
                            " and FBNF = " + db::QuoteLiteral(year) + condition;
    if (!rs.Open(sql)) return true;
    return !rs.IsEOF();
}
