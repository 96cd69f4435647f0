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

// Runs one statement on a database of the program folder.
inline void Exec(const char* database, const std::string& sql) {
    CAdoConnection connection;
    ASSERT_TRUE(ConnectDatabase(connection, database)) << connection.FormatErrors();
    testdb::Exec(connection, sql);
}

// Puts rows into a table of a database of the program folder.
inline void Seed(const char* database, const testdb::Table& table) {
    CAdoConnection connection;
    ASSERT_TRUE(ConnectDatabase(connection, database)) << connection.FormatErrors();
    testdb::Seed(connection, table);
}

// Every row of a query as texts of its first `columns` fields (all when 0).
inline Rows Query(const char* database, const std::string& sql, long columns = 0) {
    CAdoConnection connection;
    EXPECT_TRUE(ConnectDatabase(connection, database));
    return testdb::Query(connection, sql, columns);
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
