#include "sysmanage/UnitFile.h"

#include "foundation/Sql.h"
#include "foundation/Transaction.h"
#include "platform/text/Text.h"
#include "sysmanage/UnitColumns.h"

namespace {

std::string UnitQuery(const std::string& code) {
    return "SELECT * FROM CORVANE_UNIT where DWDM=" + db::QuoteLiteral(code);
}

// A unit file holds at least the fifteen unit columns, in the table's order.
bool IsUnitFile(CAdoRecordSet& file, CAdoConnection& connection) {
    return HasLayoutOf(file, connection, "CORVANE_UNIT", long(kUnitColumns.size()));
}

// Copies positions 0 to 14 of the file's current record into the
// recordset's current row, except the name and department when kept.
bool CopyUnit(CAdoRecordSet& file, CAdoRecordSet& target, bool keepNameAndDepartment) {
    for (long column = 0; column < long(kUnitColumns.size()); ++column) {
        if (keepNameAndDepartment && (column == kUnitName || column == kUnitDepartment)) continue;
        std::string value;
        if (!file.GetFieldText(column, value) || !target.SetFieldText(column, value)) return false;
    }
    return target.Update() != FALSE;
}

// Adds (overwrite false) or overwrites one unit in its own transaction.
bool StoreUnit(CAdoRecordSet& file, const std::string& code, bool overwrite, bool keepNameAndDepartment,
               CAdoConnection& connection, CAdoRecordSet& recordset) {
    db::Transaction transaction(connection);
    // A new unit goes into an empty result: reading every stored unit for
    // each one would make the import slow down as the table grows.
    bool stored = transaction.Began() &&
                  recordset.Open(overwrite ? UnitQuery(code) : std::string("SELECT * FROM CORVANE_UNIT where 1 = 0"));
    if (stored) stored = overwrite ? !recordset.IsEOF() : recordset.AddNew() != FALSE;
    stored = stored && CopyUnit(file, recordset, overwrite && keepNameAndDepartment) && transaction.Commit();
    if (!stored) {
        recordset.CancelUpdate();
        transaction.Rollback();
    }
    recordset.Close();
    return stored;
}

}  // namespace

bool UnitExists(CAdoRecordSet& recordset, const std::string& code) {
    const bool exists = recordset.Open(UnitQuery(code)) && !recordset.IsEOF();
    recordset.Close();
    return exists;
}

int ExportUnitFile(CAdoRecordSet& recordset, const std::string& path) {
    if (!recordset.Open("select * from corvane_unit")) return -1;
    const long count = recordset.GetRecordCount();
    const bool saved = recordset.Save(path);
    recordset.Close();
    return saved ? int(count > 0 ? count : 0) : -1;
}

UnitImport ImportUnitFile(const std::string& path, sysmanage::DuplicatePolicy policy, bool keepNameAndDepartment,
                          CAdoConnection& connection, CAdoRecordSet& recordset) {
    UnitImport result;
    CAdoRecordSet file;
    if (!file.OpenFromFile(path)) {
        result.readError = file.LoadError();
        return result;
    }
    if (!IsUnitFile(file, connection)) return result;
    result.readable = true;
    for (long row = 1; !file.IsEOF(); file.MoveNext(), ++row) {
        std::string code;
        file.GetFieldText(kUnitCode, code);
        if (code.empty()) {
            result.withoutCode.push_back(text::Format("第%ld条", row));  // a unit without its key cannot be stored
            continue;
        }
        const bool stored = UnitExists(recordset, code);
        if (stored && !ShouldOverwrite(policy, "单位代码：" + code + "已存在，是否覆盖原有记录？")) continue;
        if (StoreUnit(file, code, stored, keepNameAndDepartment, connection, recordset)) ++result.imported;
        else result.failed.push_back(code);
    }
    file.Close();
    return result;
}
