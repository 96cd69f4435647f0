#include "review/ApprovalRenumbering.h"

#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"
#include "review/DlgProTree.h"
#include "review/DlgYearBar.h"
#include "review/WorkflowView.h"

namespace approval {
namespace {

// Carries a changed number into the member, review and plan rows.
bool MoveDependentRows(CAdoConnection& connection, const std::string& from, const std::string& to) {
    const std::string oldNumber = text::EscapeSql(from);
    const std::string newNumber = text::EscapeSql(to);
    return connection.Execute("update CORVANE_PROJECT_SQCY set ite_xmbh = '" + newNumber + "' where ite_xmbh = '" +
                              oldNumber + "'") &&
           connection.Execute("update CORVANE_ITEMPF set xmbh = '" + newNumber + "' where xmbh = '" + oldNumber +
                              "'") &&
           connection.Execute("update CORVANE_ITEMPLAN set xmbh = '" + newNumber + "' where xmbh = '" + oldNumber +
                              "'");
}

class Renumbering {
public:
    Renumbering(CAdoConnection& connection, const std::string& year, const std::string& kind)
        : connection_(connection),
          query_("select xmbh from corvane_itemappinfo where NF = '" + text::EscapeSql(year) + "' and XMLB = '" +
                 text::EscapeSql(kind) + "' order by xmbh") {}

    RenumberResult Run() {
        if (!Pass([this](const std::string& old, std::string& renamed) {
                renamed = old + "X";
                return true;
            }))
            return RenumberResult::Failed;
        for (const bool passed : {true, false}) {
            const bool ok = Pass([this, passed](const std::string& x, std::string& renamed) {
                if ((GetReviewResult(connection_, x) == "+") != passed) return false;
                renamed = x.substr(0, 17) + SerialText(++counter_);
                newNumbers_.push_back(renamed);
                return true;
            });
            if (!ok) return RenumberResult::Failed;
        }
        return NumbersAreUnique() ? RenumberResult::Done : RenumberResult::Collision;
    }

private:
    // Opens the set anew and renames each row for which `rename` gives a
    // new number; false when a read or write fails.
    template <class Rename>
    bool Pass(Rename rename) {
        CAdoRecordSet rs;
        rs.SetConnection(&connection_);
        rs.SetCursorLocation(adUseClient);
        if (!rs.Open(query_, adCmdText, adOpenStatic, adLockOptimistic)) return false;
        for (; !rs.IsEOF(); ) {
            std::string number, renamed;
            if (!rs.GetString("xmbh", number)) return false;
            if (rename(number, renamed)) {
                if (!rs.SetString("xmbh", renamed) || !rs.Update()) return false;
                if (!MoveDependentRows(connection_, number, renamed)) return false;
            }
            if (!rs.MoveNext()) return false;
        }
        return true;
    }

    // True when no new number is also held by an application outside the set.
    bool NumbersAreUnique() {
        for (const std::string& number : newNumbers_) {
            CAdoRecordSet rs;
            rs.SetConnection(&connection_);
            rs.SetCursorLocation(adUseClient);
            if (!rs.Open("select xmbh from corvane_itemappinfo where xmbh = '" + text::EscapeSql(number) + "'") ||
                rs.GetRecordCount() != 1)
                return false;
        }
        return true;
    }

    CAdoConnection& connection_;
    const std::string query_;
    long counter_ = 0;
    std::vector<std::string> newNumbers_;
};

}  // namespace

std::string GetReviewResult(CAdoConnection& connection, const std::string& xmbh) {
    CAdoRecordSet rs;
    rs.SetConnection(&connection);
    rs.SetCursorLocation(adUseClient);
    std::string result;
    if (rs.Open("select PSJG from CORVANE_ITEMPF where XMBH = '" + text::EscapeSql(xmbh) + "'") && !rs.IsEOF())
        rs.GetString("PSJG", result);
    return result;
}

std::string SerialText(long counter) {
    const std::string digits = std::to_string(counter);
    if (digits.size() == 1) return "00" + digits;
    if (digits.size() == 2) return "0" + digits;
    return digits;
}

RenumberResult RenumberProjects(CAdoConnection& connection, const std::string& year, const std::string& kind) {
    if (connection.BeginTrans() < 0) return RenumberResult::Failed;
    const RenumberResult result = Renumbering(connection, year, kind).Run();
    if (result == RenumberResult::Done && connection.CommitTrans()) return result;
    connection.RollbackTrans();
    return result == RenumberResult::Done ? RenumberResult::Failed : result;
}

void ReorderProjects(CWorkflowView& view, bool keyProjects) {
    if (ui::MessageBox("对项目编号进行重新排序吗？", "提示", MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
    CDlgYearBar& bar = view.YearBar();
    const std::string kind = CDlgProTree::ProjectKind(bar.GetCategory() == 0, keyProjects);
    switch (RenumberProjects(view.Connection(), bar.GetYear(), kind)) {
    case RenumberResult::Done: break;
    case RenumberResult::Collision:
        ui::MessageBox("重新排序后的项目编号与其他项目的编号重复，项目编号未作修改！", "提示",
                       MB_OK | MB_ICONEXCLAMATION);
        break;
    case RenumberResult::Failed:
        ui::MessageBox("项目编号重新排序失败，项目编号未作修改！", "提示", MB_OK | MB_ICONEXCLAMATION);
        break;
    }
    bar.OnYearChanged();
}

}  // namespace approval
