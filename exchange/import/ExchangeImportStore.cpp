#include "exchange/import/ExchangeImportStore.h"

#include <algorithm>
#include <iterator>

#include "exchange/import/ImportSteps.h"
#include "foundation/ProjectTables.h"
#include "foundation/Transaction.h"

namespace importstore {

namespace {

// The application's columns in the order they are written, each as text or
// as long binary data.
struct AppColumn {
    const char* name;
    bool isLong;
};
constexpr AppColumn kApplicationColumns[] = {
    {"XMBH", false}, {"FIVEYEAR", false}, {"XMMC", false}, {"XMLB", false}, {"SQZNDM", false},
    {"DWDM", false}, {"NF", false}, {"SQRXM", false}, {"GZDW", false}, {"DXDZ", false}, {"YZBM", false},
    {"DH", false}, {"SQRQ", false}, {"XMQSRQ", false}, {"XMZZRQ", false}, {"SQJE", false}, {"SQRXB", false},
    {"SQRNL", false}, {"XW", false}, {"ZC", false}, {"ZYTC", false}, {"LSGX", false}, {"HZDW", false},
    {"XMZRS", false}, {"GJZC", false}, {"ZJZC", false}, {"CJZC", false}, {"BSHRS", false}, {"BSSRS", false},
    {"SSSRS", false}, {"GFBGNUM", false}, {"ZJF", false}, {"SJF", false}, {"SJF_JSGJ", true}, {"CLF", false},
    {"CLF_JSGJ", true}, {"WXF", false}, {"WXF_JSGJ", true}, {"ZYF", false}, {"ZYF_JSGJ", true}, {"SYF", false},
    {"SYF_JSGJ", true}, {"GDZCF", false}, {"GDZCF_JSGJ", true}, {"GZF", false}, {"GZF_JSGJ", true},
    {"GLF", false}, {"GLF_JSGJ", true}, {"GNYNH", true}, {"JSXQFX", true}, {"GNWYJQK", true}, {"YJMBNR", true},
    {"YJFFJSLX", true}, {"ZYCXD", true}, {"YJJHJQJZ", true}, {"YJCGKHZB", true}, {"YJGZJCCJ", true},
    {"XYYJTJ", true}, {"GZJL", true}, {"CKWX", true}, {"DWXSWYHYJ", true}, {"DWSCYJ", true},
};
constexpr const char* kMemberColumns[] = {"XM", "XB", "NL", "ZC", "GZDW", "CJYS", "GZFG"};

constexpr const char* kGuideTable = "corvane_fivefundguide";
constexpr const char* kSubjectTable = "corvane_five_studysubject";
constexpr const char* kDirectionTable = "corvane_five_studyaspect";
constexpr const char* kGuideTextColumns[] = {"JJBH", "ZNMC", "FBNF"};
constexpr const char* kGuideLongColumns[] = {"GS", "GNWYJQK", "ZMB", "XTFW", "YXGJHZNGX", "XYFX"};
constexpr const char* kSubjectTextColumns[] = {"ZTBH", "JJBH", "FBNF", "ZTMC"};
constexpr const char* kSubjectLongColumn = "YJMD";

// An empty result of the table to add rows to: reading every stored row for
// each new one would make an import slow down as the table grows.
bool OpenForAdding(CAdoRecordSet& rs, CAdoConnection& connection, const std::string& table) {
    elbrin::Bind(rs, connection);
    return rs.Open("select * from " + table + " where 1 = 0");
}

// Adds one row to `to` from the current row of `from`, by `copy`; a refused
// row is cancelled.
template <class Copy>
bool AddRow(CAdoRecordSet& to, Copy copy) {
    if (!to.AddNew()) return false;
    if (copy() && to.Update()) return true;
    to.CancelUpdate();
    return false;
}

}  // namespace

const std::vector<std::string>& ApplicationColumns() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const AppColumn& column : kApplicationColumns) list.emplace_back(column.name);
        return list;
    }();
    return names;
}

const std::vector<std::string>& MemberColumns() {
    static const std::vector<std::string> names(std::begin(kMemberColumns), std::end(kMemberColumns));
    return names;
}

db::Found HasApplication(CAdoConnection& connection, const std::string& number) {
    return db::HasRow(connection, "select * from corvane_itemappinfo where xmbh = ?1", {number});
}

bool WriteApplication(CAdoConnection& connection, CAdoRecordSet& application, CAdoRecordSet& members,
                      const std::string& number, bool replace) {
    if (replace) {
        // The file replaces the one application stored under its number: of
        // a legacy pair of numbers that differ only in case, the one stored
        // so, never the other; a number the pair holds in neither spelling
        // is neither's, and nothing is written.
        const std::string own = projecttables::KeyedRowsCondition("xmbh", "?1");
        if (db::HasRow(connection, "select 1 from corvane_itemappinfo where " + own, {number}) != db::Found::Row ||
            !db::Statement(connection, projecttables::DeleteWhere("corvane_itemappinfo", own), {number}).Run())
            return false;
    }
    CAdoRecordSet local;
    if (!OpenForAdding(local, connection, "corvane_itemappinfo") || !local.AddNew()) return false;
    for (const AppColumn& column : kApplicationColumns) {
        const bool written = column.isLong ? elbrin::CopyLong(application, column.name, local)
                                           : elbrin::CopyText(application, column.name, local);
        if (!written) return false;
    }
    if (!local.Update()) return false;

    // The members: those stored for the project are replaced by the file's.
    if (!db::Statement(connection,
                       "delete from corvane_project_sqcy where " + projecttables::KeyedRowsCondition("ITE_XMBH", "?1"),
                       {number})
             .Run())
        return false;
    if (!OpenForAdding(local, connection, "corvane_project_sqcy")) return false;
    while (!members.IsEOF()) {
        bool written = local.AddNew() && local.SetString("ITE_XMBH", number);
        for (const char* column : kMemberColumns) written = written && elbrin::CopyText(members, column, local);
        if (!written || !local.Update()) return false;
        if (!members.MoveNext()) break;
    }
    return true;
}

bool IsUnitStored(CAdoConnection& connection, const std::string& code) {
    return db::HasRow(connection, "SELECT * FROM CORVANE_UNIT where DWDM = ?1", {code}) == db::Found::Row;
}

const std::vector<std::string>& GuideTables() {
    static const std::vector<std::string> tables{kGuideTable, kSubjectTable, kDirectionTable};
    return tables;
}

const std::vector<const char*>& GuideLongColumns() {
    static const std::vector<const char*> columns(std::begin(kGuideLongColumns), std::end(kGuideLongColumns));
    return columns;
}

bool IsGuideStored(CAdoConnection& connection, const std::string& fund, const std::string& period) {
    return db::HasRow(connection, "select * from corvane_fivefundguide where JJBH = ?1 and FBNF = ?2",
                      {fund, period}) == db::Found::Row;
}

bool DeleteGuideRows(CAdoConnection& connection, const std::string& fund, const std::string& period,
                     bool withGuideRow) {
    for (const std::string& table : GuideTables())
        if ((withGuideRow || table != kGuideTable) &&
            !db::Statement(connection, "delete from " + table + " where JJBH = ?1 and FBNF = ?2", {fund, period})
                 .Run())
            return false;
    return true;
}

bool WriteGuide(CAdoConnection& connection, CAdoRecordSet& guides, CAdoRecordSet& subjects,
                CAdoRecordSet& directions, const std::string& fund, const std::string& period, bool replace) {
    const bool guideRow = !guides.IsEOF();
    if (replace && !DeleteGuideRows(connection, fund, period, guideRow)) return false;
    CAdoRecordSet local;
    if (guideRow) {
        if (!OpenForAdding(local, connection, kGuideTable) || !local.AddNew()) return false;
        bool written = true;
        for (const char* column : kGuideTextColumns) written = written && elbrin::CopyText(guides, column, local);
        for (const char* column : kGuideLongColumns) written = written && elbrin::CopyLong(guides, column, local);
        if (!written || !local.Update()) return false;
    }
    if (!OpenForAdding(local, connection, kSubjectTable)) return false;
    while (!subjects.IsEOF()) {
        if (!AddRow(local, [&] {
                bool written = true;
                for (const char* column : kSubjectTextColumns)
                    written = written && elbrin::CopyText(subjects, column, local);
                return written && elbrin::CopyLong(subjects, kSubjectLongColumn, local);
            }))
            return false;
        if (!subjects.MoveNext()) break;
    }
    // Directions travel column by column, so their file must have the table's layout.
    if (!HasLayoutOf(directions, connection, kDirectionTable, directions.GetFieldCount()) ||
        !OpenForAdding(local, connection, kDirectionTable))
        return false;
    while (!directions.IsEOF()) {
        if (!AddRow(local, [&] {
                bool written = true;
                for (long i = 0; i < directions.GetFieldCount() && written; ++i)
                    written = elbrin::CopyText(directions, i, local);
                return written;
            }))
            return false;
        if (!directions.MoveNext()) break;
    }
    return true;
}

bool ImportApplication(CAdoConnection& connection, CAdoRecordSet& application, CAdoRecordSet& members,
                       const std::string& number, bool replace) {
    return db::InTransaction(connection,
                             [&] { return WriteApplication(connection, application, members, number, replace); });
}

bool ImportGuide(CAdoConnection& connection, CAdoRecordSet& guides, CAdoRecordSet& subjects,
                 CAdoRecordSet& directions, const std::string& fund, const std::string& period, bool replace) {
    return db::InTransaction(connection,
                             [&] { return WriteGuide(connection, guides, subjects, directions, fund, period, replace); });
}

}  // namespace importstore
