#include "office_reports/ReportSupport.h"

#include "foundation/AdoRecordSet.h"
#include "foundation/Sql.h"
#include "numbering/ProjectNumbering.h"
#include "platform/text/Text.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Services.h"
#include "review/WorkflowSupport.h"

namespace reports {

namespace {

// The general and the key category of a fund kind.
const std::string& GeneralOf(int category) { return category == 0 ? kGroupGeneral : kLabGeneral; }
const std::string& KeyOf(int category) { return category == 0 ? kGroupKey : kLabKey; }

}  // namespace

std::string CategoryCondition(int category) {
    return "(XMLB = '" + GeneralOf(category) + "' or XMLB = '" + KeyOf(category) + "')";
}

std::string TypeCondition(int category, const std::string& type) {
    if (type == kTypeGeneral) return "XMLB = '" + GeneralOf(category) + "'";
    if (type == kTypeKey) return "XMLB = '" + KeyOf(category) + "'";
    return CategoryCondition(category);
}

void Prompt(const std::string& text) { ui::MessageBox(text, "提示", MB_OK | MB_ICONINFORMATION); }

std::string SelectedText(const ui::ComboBox& list) {
    const int selected = list.GetCurSel();
    return selected < 0 ? std::string() : list.GetLBText(selected);
}

void StandardSetUp(ui::Dialog& dialog) { dialog.SetBackgroundColor(kDialogBackground); }

void FillYearList(ui::ComboBox& years, const std::string& storedYear) {
    years.ResetContent();
    const long first = text::Atol(workflow::PublishYear().substr(0, 4));
    for (long year = first; year < first + 5; ++year) years.AddString(text::Format("%ld", year));
    years.SetCurSel(years.FindStringExact(-1, storedYear));
}

bool OpenQuery(CAdoRecordSet& recordset, CAdoConnection* connection, const std::string& sql) {
    if (!connection) return false;
    recordset.SetConnection(connection);
    recordset.SetCursorLocation(adUseClient);
    return recordset.Open(sql, adCmdText, adOpenStatic, adLockOptimistic) != FALSE;
}

std::string FundOf(const std::string& xmbh) { return projectnumber::FundNumberOf(xmbh); }

std::string FundName(CAdoConnection* connection, const std::string& fund) {
    CAdoRecordSet rs;
    if (OpenQuery(rs, connection, "select JJBH, ZYZMC from CORVANE_SPECGROUP where JJBH = " + db::QuoteLiteral(fund)) &&
        !rs.IsEOF())
        return Text(rs, "ZYZMC");
    if (OpenQuery(rs, connection, "select SYSDM, SYSQC from CORVANE_LAB where SYSDM = " + db::QuoteLiteral(fund)) &&
        !rs.IsEOF())
        return Text(rs, "SYSQC");
    return {};
}

std::string AspectName(CAdoConnection* connection, const std::string& code, const std::string& year) {
    CAdoRecordSet rs;
    if (OpenQuery(rs, connection,
                  "select YJFXBH, YJFXMC from CORVANE_YEAR_STUDYASPECT where YJFXBH = " + db::QuoteLiteral(code) +
                      " and FBNF = " + db::QuoteLiteral(year)) &&
        !rs.IsEOF())
        return Text(rs, "YJFXMC");
    return {};
}

CountAndSum CountRowsAndSum(CAdoConnection* connection, const std::string& sql, const std::string& column) {
    CountAndSum figures;
    CAdoRecordSet rs;
    if (!OpenQuery(rs, connection, sql)) return figures;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        ++figures.count;
        figures.sum += text::Atof(Text(rs, column));
    }
    return figures;
}

std::string FundBlockTitle(const std::string& fund, const std::string& name, const CountAndSum& figures) {
    return fund + "  " + name + "  " + text::Format("%ld", figures.count) + "  项  经费总计：" +
           text::Format("%.2f", figures.sum) + " 万元    年度经费小计：" + text::Format("%.2f", figures.sum * 0.5) +
           "  万元";
}

std::string Text(CAdoRecordSet& recordset, const std::string& column) {
    std::string value;
    recordset.GetString(column, value);
    return value;
}

}  // namespace reports
