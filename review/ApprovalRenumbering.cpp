#include "review/ApprovalRenumbering.h"

#include <algorithm>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/Sql.h"
#include "numbering/NumberingSql.h"

namespace approval {

std::optional<std::string> GetReviewResult(CAdoConnection& connection, const std::string& xmbh) {
    return db::Scalar(connection,
                      "select PSJG from CORVANE_ITEMPF where " + projectnumber::KeyedRowsCondition("XMBH", "?1"),
                      {xmbh});
}

RenumberResult RenumberProjects(CAdoConnection& connection, const std::string& year, const std::string& kind,
                                projectnumber::Renames* renames, std::vector<std::string>* caseVariants) {
    // One read of the set with each project's review result (as GetReviewResult gives it).
    projectnumber::Statement set(connection,
                                 "select a.xmbh, (select p.psjg from corvane_itempf p where " +
                                     projectnumber::KeyedRowsCondition("p.xmbh", "a.xmbh") +
                                     " order by p.rowid limit 1) from corvane_itemappinfo a "
                                     "where a.NF = ?1 and a.XMLB = ?2 and a.xmbh is not null",
                                 {year, kind});
    std::vector<std::string> passed, others;
    while (set.Next()) (set.Text(1) == "+" ? passed : others).push_back(set.Text(0));
    if (set.Failed()) return RenumberResult::Failed;
    std::sort(passed.begin(), passed.end(), projectnumber::SerialOrder);
    std::sort(others.begin(), others.end(), projectnumber::SerialOrder);
    passed.insert(passed.end(), others.begin(), others.end());
    return projectnumber::RenumberInOrder(connection, passed, renames, caseVariants);
}

}  // namespace approval
