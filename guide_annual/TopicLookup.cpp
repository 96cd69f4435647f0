#include "guide_annual/TopicLookup.h"

#include "foundation/Sql.h"
#include "guide_annual/AnnualGuideData.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace topiclookup {

namespace {
// The first row's `column` of `sql` on a connection opened for this call
// alone; empty (after the message) when the database cannot be opened.
std::string LookUp(const std::string& sql, const char* column) {
    CAdoConnection connection;
    if (!ConnectGuideDatabase(connection)) {
        ui::AfxMessageBox(kConnectFailed);
        return {};
    }
    CAdoRecordSet recordset;
    BindGuideRecordset(recordset, connection);
    std::string value = FirstText(recordset, sql, column);
    connection.Close();
    return value;
}

}  // namespace

std::string FirstText(CAdoRecordSet& recordset, const std::string& sql, const char* column) {
    std::string value;
    if (recordset.Open(sql) && !recordset.IsEOF()) recordset.GetString(column, value);
    recordset.Close();
    return value;
}

std::string UnitName(CAdoRecordSet& recordset, const std::string& code) {
    return FirstText(recordset, "select dwmc from corvane_unit where dwdm = " + db::QuoteLiteral(code), "dwmc");
}

std::string PeriodOfYear(const std::string& year) {
    const long first = (text::Atol(year) - 1) / 5 * 5 + 1;
    return std::to_string(first) + "-" + std::to_string(first + 4);
}

std::string FiveYearSubjectName(const std::string& number, const std::string& year) {
    return LookUp("select ztmc from corvane_five_studysubject where ztbh = " + db::QuoteLiteral(number) +
                      " and fbnf = " + db::QuoteLiteral(PeriodOfYear(year)),
                  "ztmc");
}

std::string FiveYearAspectName(const std::string& number, const std::string& year) {
    return LookUp("select yjfxmc from corvane_five_studyaspect where yjfxbh = " + db::QuoteLiteral(number) +
                      " and fbnf = " + db::QuoteLiteral(PeriodOfYear(year)),
                  "yjfxmc");
}

std::optional<bool> IsSpecialtyGroup(const std::string& fundNumber) {
    CAdoConnection connection;
    if (!ConnectGuideDatabase(connection)) {
        ui::AfxMessageBox(kConnectFailed);
        return std::nullopt;
    }
    CAdoRecordSet recordset;
    BindGuideRecordset(recordset, connection);
    if (!recordset.Open("select * from corvane_specgroup where jjbh = " + db::QuoteLiteral(fundNumber)))
        return std::nullopt;
    return !recordset.IsEOF();
}

void ShowDocumentFailure(const std::string& reason) { ui::AfxMessageBox("选题范围文件读写失败！\r\n" + reason); }

}  // namespace topiclookup
