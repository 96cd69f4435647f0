#include "review/FirstReviewChecks.h"

#include <vector>

#include "foundation/Sql.h"
#include "numbering/ProjectNumbering.h"
#include "review/FirstReviewDb.h"

namespace {

const std::string kCommonFamily = "共性技术基金";
const std::string kLabFamily = "重点实验室基";

bool StartsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

// The key flag a direction needs for the category: '0' for the general
// categories, '1' for every other text.
std::string DirectionFlagFor(const std::string& category) {
    return category == "共性技术基金——一般项目" || category == "重点实验室基金——一般项目" ? "0" : "1";
}

}  // namespace

FirstReviewChecks::FirstReviewChecks(CAdoConnection* connection, std::string year)
    : m_pConnection(connection), m_strYear(std::move(year)) {}

bool FirstReviewChecks::HasDirection(const std::string& xmbh, const std::string& condition,
                                     const std::string& value) const {
    const std::string sql =
        "select yjfxbh from corvane_year_studyaspect where yjfxbh = ?1" + condition + " and FBNF = ?2";
    std::vector<std::string> values = {projectnumber::GuideCodeOf(xmbh), m_strYear};
    if (!condition.empty()) values.push_back(value);
    return firstreview::CountRows(m_pConnection, sql, values) > 0;
}

bool FirstReviewChecks::IsGuideCodeWrong(const std::string& xmbh) const { return !HasDirection(xmbh, "", ""); }

bool FirstReviewChecks::IsUnitNotDirected(const std::string& xmbh) const {
    if (IsGuideCodeWrong(xmbh)) return false;
    // A direction stored with the unit " " is directed to no unit in
    // particular and so open to every unit.
    return !HasDirection(xmbh, " and (dwdm = ?3 or dwdm = ' ')", projectnumber::UnitCodeOf(xmbh));
}

bool FirstReviewChecks::IsCategoryWrong(const std::string& xmbh) const {
    if (IsGuideCodeWrong(xmbh)) return false;
    // A read that fails leaves the category empty; its reason is in the
    // connection's error log, as the list's own query failing would be.
    const std::string category =
        m_pConnection
            ? db::Scalar(*m_pConnection,
                         "select XMLB from CORVANE_ITEMAPPINFO where " + projectnumber::KeyedRowsCondition("XMBH", "?1"),
                         {xmbh})
                  .value_or("")
            : std::string();
    const bool familyWrong = (StartsWith(category, kCommonFamily) && !StartsWith(xmbh, "9140A")) ||
                             (StartsWith(category, kLabFamily) && !StartsWith(xmbh, "9140C"));
    return familyWrong || !HasDirection(xmbh, " and sfzdyjfx = ?3", DirectionFlagFor(category));
}

bool FirstReviewChecks::IsFilteredOut(const std::string& xmbh, int filter) const {
    switch (filter) {
        case kFilterAll:
            return false;
        case kFilterCorrect:
            return IsGuideCodeWrong(xmbh) || IsUnitNotDirected(xmbh) || IsCategoryWrong(xmbh);
        case kFilterGuideCode:
            return !IsGuideCodeWrong(xmbh);
        case kFilterCategory:
            return !IsCategoryWrong(xmbh);
        default:
            return !IsUnitNotDirected(xmbh);
    }
}
