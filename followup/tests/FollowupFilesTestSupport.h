// Helpers of the tests of the follow-up exchange files and forms: the
// installed-folder copy with a connection to its project.mdb, a scripted UI
// driver, a scratch folder for exported files, rows stored with texts and
// long binary values, and rows read back as texts.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/LongBinary.h"
#include "foundation/Options.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"
#include "testsupport/TempFolder.h"

class FollowupFilesTest : public InstalledFolder {
protected:
    using Rows = std::vector<std::vector<std::string>>;
    using Values = std::map<std::string, std::string>;

    void SetUp() override {
        InstalledFolder::SetUp();
        ASSERT_TRUE(testdb::OpenProgramDatabase(connection));
    }

    static void SetRole(int role) {
        COptions options;
        options.SetRole(role);
        options.Save();
    }

    static std::string Today() { return text::DateTime::Now().Format("%Y-%m-%d"); }

    void Exec(const std::string& sql) { testdb::Exec(connection, sql); }

    // Every row of a query, each column as text (NULL as the empty text).
    Rows Query(const std::string& sql) { return testdb::Query(connection, sql); }

    // Adds a row with texts and long binary values (column -> value).
    void StoreRow(const std::string& table, const Values& texts, const Values& blobs = {}) {
        CAdoRecordSet rs;
        rs.SetConnection(&connection);
        ASSERT_TRUE(rs.Open("select * from " + table + " where 1=0") && rs.AddNew()) << table;
        for (const auto& [column, value] : texts) ASSERT_TRUE(rs.SetString(column, value)) << column;
        for (const auto& [column, bytes] : blobs) ASSERT_TRUE(WriteLongBinary(rs, column, bytes)) << column;
        ASSERT_TRUE(rs.Update()) << table;
    }

    // The long binary value of the first row of a query; "<none>" without a row.
    std::string Blob(const std::string& sql, const std::string& column) {
        CAdoRecordSet rs;
        rs.SetConnection(&connection);
        std::string bytes = "<none>";
        if (rs.Open(sql) && !rs.IsEOF()) EXPECT_TRUE(ReadLongBinary(rs, column, bytes)) << column;
        return bytes;
    }

    static std::string ReadBytes(const std::string& path) {
        std::string bytes;
        sys::ReadFile(path, bytes);
        return bytes;
    }

    CAdoConnection connection;
    ui::TestDriver driver;
    testsupport::TempFolder files;
};
