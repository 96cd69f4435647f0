#include "application/KeyLaboratoryReviewRow.h"

#include <cctype>

#include "platform/text/Text.h"

namespace {

// Digits with at most one decimal point and an optional sign: "12", "-3.5", ".5".
bool IsPlainDecimal(const std::string& s) {
    std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
    bool digit = false, point = false;
    for (; i < s.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(s[i]))) digit = true;
        else if (s[i] == '.' && !point) point = true;
        else return false;
    }
    return digit;
}

// The amount as a bare numeric literal of the statement; NULL when it is none.
std::string AmountLiteral(const std::string& amount) {
    const std::string trimmed = text::Trim(amount);
    return IsPlainDecimal(trimmed) ? trimmed : "NULL";
}

}  // namespace

bool IsKeyLaboratoryCategory(const std::string& category) {
    return category == "重点实验室基金——一般项目" || category == "重点实验室基金——重点项目";
}

bool WriteKeyLaboratoryReviewRow(CAdoConnection& connection, const std::string& projectCode,
                                 const AppliedAmounts& amounts) {
    const std::string code = text::EscapeSql(projectCode);
    std::string values;
    for (const std::string& amount : amounts) values += "," + AmountLiteral(amount);
    return connection.Execute("delete from CORVANE_ITEMPF where XMBH = '" + code + "'") != nullptr &&
           connection.Execute("insert into CORVANE_ITEMPF(XMBH, PSJG, PFJF, PFSJF, PFCLF, PFWXF, PFZYF, PFSYF, "
                              "PFGDZCF, PFGZF, PFGLF) values('" + code + "', '+'" + values + ")") != nullptr;
}
