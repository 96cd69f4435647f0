// The unit exchange file (.uif): every unit with all its columns, as a saved
// recordset of "select * from corvane_unit". Import reads such a file and
// adds or (by the duplicate policy) overwrites units in one transaction, so
// the units count as imported only once all of them are stored.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/MasterFileImport.h"
#include "sysmanage/DlgRepeatRecord.h"

constexpr const char* kUnitFileName = "单位信息.uif";
constexpr const char* kUnitFileExt = "uif";
constexpr const char* kUnitFileFilter = "单位信息文件(*.uif)|*.uif||";

// Saves all units to `path`; the number saved, or -1 on failure.
int ExportUnitFile(CAdoRecordSet& recordset, const std::string& path);

// The unit file as the unit list reads it: the fifteen unit columns by
// position; an overwrite changes the stored unit in place.
extern const MasterFileFormat kUnitFileFormat;

// Reads a unit file into CORVANE_UNIT (ImportMasterFile). A stored code
// follows `policy` (AskEach asks per unit, before anything is written); an
// overwrite keeps the stored name and department when `keepNameAndDepartment`.
MasterFileImport ImportUnitFile(const std::string& path, sysmanage::DuplicatePolicy policy,
                                bool keepNameAndDepartment, CAdoConnection& connection);
