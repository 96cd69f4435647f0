// Helpers of the application exchange tests: the installed-folder copy with a
// connection to its project.mdb, a scripted UI driver, stored projects with
// members and rich texts, row reads as texts and the settings record's role.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "foundation/LongBinary.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/Options.h"
#include "platform/sys/Sys.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"
#include "testsupport/TempFolder.h"

namespace exchangetest {

using Rows = testdb::Rows;
using Member = std::vector<std::string>;  // XM, XB, NL, ZC, GZDW, CJYS, GZFG

constexpr const char* kMemberColumns[] = {"XM", "XB", "NL", "ZC", "GZDW", "CJYS", "GZFG"};

// The texts of a stored application with the guide code, year and unit
// code its number is made of added, as the form always stores them beside
// the number (a text given keeps its value; a number shorter than its
// codes gets none).
inline std::map<std::string, std::string> WithCodesOf(const std::string& number,
                                                      std::map<std::string, std::string> texts = {}) {
    if (number.size() < 17) return texts;
    texts.insert({{"SQZNDM", number.substr(0, 11)}, {"NF", "20" + number.substr(11, 2)}, {"DWDM", number.substr(13, 4)}});
    return texts;
}

inline void SetRole(int role) {
    COptions options;
    options.SetRole(role);
    options.Save();
}

}  // namespace exchangetest

class ExchangeTest : public InstalledFolder {
protected:
    using Rows = exchangetest::Rows;

    void SetUp() override {
        InstalledFolder::SetUp();
        ASSERT_TRUE(testdb::OpenProgramDatabase(connection));
    }

    // The fixture's connection through testdb (the tests name these).
    void Exec(const std::string& sql) { testdb::Exec(connection, sql); }
    Rows Query(const std::string& sql) { return testdb::Query(connection, sql); }

    std::string Blob(const std::string& code, const std::string& column) {
        CAdoRecordSet rs;
        rs.SetConnection(&connection);
        std::string bytes;
        EXPECT_TRUE(rs.Open("select * from corvane_itemappinfo where xmbh='" + code + "'") && !rs.IsEOF()) << code;
        EXPECT_TRUE(ReadLongBinary(rs, column, bytes)) << column;
        return bytes;
    }

    // Stores an application with the given texts and rich texts (column ->
    // value) and its members.
    void StoreProject(const std::string& code, const std::map<std::string, std::string>& texts = {},
                      const std::map<std::string, std::string>& blobs = {},
                      const std::vector<exchangetest::Member>& members = {}) {
        CAdoRecordSet rs;
        rs.SetConnection(&connection);
        ASSERT_TRUE(rs.Open("select * from corvane_itemappinfo where xmbh='" + code + "'") && rs.AddNew());
        ASSERT_TRUE(rs.SetString("XMBH", code));
        for (const auto& [column, value] : texts) ASSERT_TRUE(rs.SetString(column, value)) << column;
        for (const auto& [column, bytes] : blobs) ASSERT_TRUE(WriteLongBinary(rs, column, bytes)) << column;
        ASSERT_TRUE(rs.Update());
        for (const exchangetest::Member& member : members) {
            CAdoRecordSet m;
            m.SetConnection(&connection);
            ASSERT_TRUE(m.Open("select * from corvane_project_sqcy where 1=0") && m.AddNew());
            ASSERT_TRUE(m.SetString("ITE_XMBH", code));
            for (std::size_t i = 0; i < member.size(); ++i)
                ASSERT_TRUE(m.SetString(exchangetest::kMemberColumns[i], member[i]));
            ASSERT_TRUE(m.Update());
        }
    }

    Rows Codes() { return Query("select xmbh from corvane_itemappinfo order by xmbh"); }
    Rows Members(const std::string& code) {
        return Query("select XM, XB, NL, ZC, GZDW, CJYS, GZFG from corvane_project_sqcy where ite_xmbh='" + code +
                     "' order by rowid");
    }

    CAdoConnection connection;
    ui::TestDriver driver;
    testsupport::TempFolder files;
};
