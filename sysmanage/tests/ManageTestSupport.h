// Helpers of the management library's tests: statements and row reads on the
// databases of the installed-folder copy, and a recorder of documents handed
// to the desktop.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/office/Office.h"
#include "platform/sys/Sys.h"
#include "platform/ui/TestDriverGTest.h"
#include "sysmanage/ManageCommon.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

namespace managetest {

using Rows = std::vector<std::vector<std::string>>;

// A statement, a seed and a query (the texts of each row's first `columns`
// fields, all when 0) on a database of the program folder, named first.
inline void Exec(const char* database, const std::string& sql) { testdb::Exec(sql, database); }
inline void Seed(const char* database, const testdb::Table& table) { testdb::Seed(table, database); }
inline Rows Query(const char* database, const std::string& sql, long columns = 0) {
    return testdb::Query(sql, columns, database);
}

// The rows of a saved recordset file.
inline Rows FileRows(const std::string& path, long columns = 0) {
    CAdoRecordSet rs;
    if (!rs.OpenFromFile(path)) {
        ADD_FAILURE() << "not a saved recordset: " << path;
        return {};
    }
    return testdb::ReadRows(rs, columns);
}

}  // namespace managetest

// The installed-folder fixture with a scripted UI driver and Office
// documents recorded instead of opened.
class ManageTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        office::SetShellOpenHook([this](const std::string& path) { opened.push_back(path); });
        office::SetStartHook({});
    }
    void TearDown() override {
        office::SetShellOpenHook({});
        office::SetStartHook({});
        InstalledFolder::TearDown();
    }

    ui::TestDriver driver;
    std::vector<std::string> opened;
};
