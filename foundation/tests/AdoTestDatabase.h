// A small database created in a temporary folder for the database-class
// tests: one table with a column of every declared type.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/ado/Database.h"
#include "platform/sys/Sys.h"

class AdoTestDatabase : public ::testing::Test {
protected:
    static constexpr const char* kPassword = "5081";
    static constexpr const char* kSchema =
        "CREATE TABLE CORVANE_T ("
        " CODE TEXT(8) COLLATE NOCASE, NAME TEXT(20) COLLATE NOCASE, NOTE LONGTEXT COLLATE NOCASE,"
        " N LONG, S SHORT, B BYTE, F SINGLE, D DOUBLE, M CURRENCY, WHEN_ DATETIME, FLAG BIT, DOC LONGBINARY);"
        "INSERT INTO CORVANE_T (CODE, NAME, N, S, B, F, D, M, WHEN_, FLAG) VALUES"
        " ('a1', 'alpha', 7, -2, 200, 1.5, 2.25, 12.5, '2008-03-04 05:06:07', -1),"
        " ('b2', NULL, 8, 3, 1, 2.5, 3.5, 0, NULL, 0);";

    void SetUp() override {
        char pattern[] = "/tmp/foundation_ado_XXXXXX";
        folder_ = mkdtemp(pattern);
        std::string error;
        ASSERT_TRUE(ado::CreateDatabase(DatabasePath(), kPassword, kSchema, error)) << error;
        ASSERT_TRUE(connection_.ConnectAccess(DatabasePath(), kPassword, -1)) << connection_.FormatErrors();
    }
    void TearDown() override {
        connection_.Close();
        sys::RemoveAll(folder_);
    }

    std::string DatabasePath() const { return folder_ + "/project.mdb"; }
    std::string FilePath(const std::string& name) const { return folder_ + "/" + name; }

    // A recordset opened the way every screen opens one.
    void OpenQuery(CAdoRecordSet& rs, const std::string& sql) {
        rs.SetConnection(&connection_);
        ASSERT_TRUE(rs.SetCursorLocation(adUseClient));
        ASSERT_TRUE(rs.Open(sql, adCmdText, adOpenStatic, adLockOptimistic)) << connection_.FormatErrors();
    }

    // The single value a query gives, as text ("" for no row).
    std::string Scalar(const std::string& sql) {
        CAdoRecordSet rs;
        OpenQuery(rs, sql);
        std::string value;
        rs.GetFieldText(0, value);
        return value;
    }

    std::string folder_;
    CAdoConnection connection_;
};
