// The unit exchange file (.uif): every unit with all its columns, as a saved
// recordset of "select * from corvane_unit". Import reads such a file and
// adds or (by the duplicate policy) overwrites units, one transaction per
// unit, so a unit counts as imported only once it is stored.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "sysmanage/DlgRepeatRecord.h"

constexpr const char* kUnitFileName = "单位信息.uif";
constexpr const char* kUnitFileExt = "uif";
constexpr const char* kUnitFileFilter = "单位信息文件(*.uif)|*.uif||";

// Whether a unit of this code is stored (the recordset is left closed).
bool UnitExists(CAdoRecordSet& recordset, const std::string& code);

// Saves all units to `path`; the number saved, or -1 on failure.
int ExportUnitFile(CAdoRecordSet& recordset, const std::string& path);

struct UnitImport {
    bool readable = false;  // the file is a unit file
    std::string readError;  // why the file could not be read, when it could not
    int imported = 0;       // units added or overwritten
    std::vector<std::string> failed;       // codes of the units whose write failed (nothing of them stored)
    std::vector<std::string> withoutCode;  // rows without a unit code ("第<n>条")
};

// Reads a unit file into CORVANE_UNIT. A stored code follows `policy`
// (AskEach asks per unit); an overwrite updates the stored row in place and,
// when `keepNameAndDepartment`, leaves its name and department as they are.
// A file that is not a unit file changes nothing (readable false).
UnitImport ImportUnitFile(const std::string& path, sysmanage::DuplicatePolicy policy, bool keepNameAndDepartment,
                          CAdoConnection& connection, CAdoRecordSet& recordset);
