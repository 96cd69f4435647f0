#include "sysmanage/UnitFile.h"

#include "sysmanage/MasterDataStore.h"
#include "sysmanage/UnitColumns.h"

const MasterFileFormat kUnitFileFormat{"CORVANE_UNIT", "单位信息", "DWDM", "单位代码", long(kUnitColumns.size()),
                                       long(kUnitColumns.size()), true};

int ExportUnitFile(CAdoRecordSet& recordset, const std::string& path) {
    if (!masterstore::OpenUnits(recordset)) return -1;
    const long count = recordset.GetRecordCount();
    const bool saved = recordset.Save(path);
    recordset.Close();
    return saved ? int(count > 0 ? count : 0) : -1;
}

MasterFileImport ImportUnitFile(const std::string& path, sysmanage::DuplicatePolicy policy,
                                bool keepNameAndDepartment, CAdoConnection& connection) {
    return ImportMasterFile(
        connection, kUnitFileFormat, path,
        [&](const std::string& code) {
            return ShouldOverwrite(policy, "单位代码：" + code + "已存在，是否覆盖原有记录？");
        },
        keepNameAndDepartment ? std::vector<long>{kUnitName, kUnitDepartment} : std::vector<long>{});
}
