// The formal checks of the first review: each application of a year is
// checked against that year's annual guide (its research directions, one
// row per directed unit in CORVANE_YEAR_STUDYASPECT). A check that cannot
// run its query reports an error, so nothing unverified counts as correct.
#pragma once

#include <string>

class CAdoConnection;

// The filters of the first-review selection bar.
enum FirstReviewFilter {
    kFilterAll = 0,            // 所有项目
    kFilterCorrect = 1,        // 所有正确项目
    kFilterGuideCode = 2,      // 指南代码错误
    kFilterCategory = 3,       // 项目类别错误
    kFilterUnit = 4,           // 不在发布单位之列
};

class FirstReviewChecks {
public:
    FirstReviewChecks(CAdoConnection* connection, std::string year);

    // The guide code (first 11 characters of the number) is no research
    // direction of the year's guide.
    bool IsGuideCodeWrong(const std::string& xmbh) const;
    // The direction exists, but is neither directed to the unit (characters
    // 14 to 17 of the number) nor open to every unit.
    bool IsUnitNotDirected(const std::string& xmbh) const;
    // The direction exists, but the number's fund family does not fit the
    // category, or the direction's key flag does not.
    bool IsCategoryWrong(const std::string& xmbh) const;
    // True when the filter hides the application.
    bool IsFilteredOut(const std::string& xmbh, int filter) const;

private:
    // Rows of the year's directions with the number's guide code and the
    // condition, in which ?3 stands for `value` (none without a condition).
    bool HasDirection(const std::string& xmbh, const std::string& condition, const std::string& value) const;

    CAdoConnection* m_pConnection;
    std::string m_strYear;
};
