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
#include "testsupport/InstalledFolder.h"

namespace managetest {

using Rows = std::vector<std::vector<std::string>>;

// Runs one statement on a database of the program folder.
inline void Exec(const char* database, const std::string& sql) {
    CAdoConnection connection;
    ASSERT_TRUE(ConnectDatabase(connection, database)) << connection.FormatErrors();
    ASSERT_NE(connection.Execute(sql), nullptr) << sql << "\n" << connection.FormatErrors();
}

// Every row of a query as texts of its first `columns` fields (all when 0).
inline Rows Query(const char* database, const std::string& sql, long columns = 0) {
    CAdoConnection connection;
    EXPECT_TRUE(ConnectDatabase(connection, database));
    CAdoRecordSet rs;
    BindRecordset(rs, connection);
    Rows rows;
    if (!rs.Open(sql)) {
        ADD_FAILURE() << sql;
        return rows;
    }
    const long count = columns ? columns : rs.GetFieldCount();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::vector<std::string> row;
        for (long i = 0; i < count; ++i) {
            std::string value;
            rs.GetFieldText(i, value);
            row.push_back(value);
        }
        rows.push_back(row);
    }
    return rows;
}

// The rows of a saved recordset file.
inline Rows FileRows(const std::string& path, long columns = 0) {
    CAdoRecordSet rs;
    Rows rows;
    if (!rs.OpenFromFile(path)) {
        ADD_FAILURE() << "not a saved recordset: " << path;
        return rows;
    }
    const long count = columns ? columns : rs.GetFieldCount();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::vector<std::string> row;
        for (long i = 0; i < count; ++i) {
            std::string value;
            rs.GetFieldText(i, value);
            row.push_back(value);
        }
        rows.push_back(row);
    }
    return rows;
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
