// Helpers of the tests of the application form, its record, numbering and
// store: statements and row reads on the copy of project.mdb, and stored
// applications made from a few values.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "application/ApplicationDb.h"
#include "application/ApplicationStore.h"
#include "application/ProApp.h"
#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "platform/sys/Sys.h"
#include "testsupport/InstalledFolder.h"

namespace appviewtest {

using Rows = std::vector<std::vector<std::string>>;

inline void Exec(const std::string& sql) {
    CAdoConnection connection;
    ASSERT_TRUE(appdb::Connect(connection));
    ASSERT_NE(connection.Execute(sql), nullptr) << sql << "\n" << connection.FormatErrors();
}

// Every row of the query, each column as text (NULL as the empty text).
inline Rows Query(const std::string& sql) {
    CAdoConnection connection;
    EXPECT_TRUE(appdb::Connect(connection));
    CAdoRecordSet rs;
    appdb::Bind(rs, connection);
    Rows rows;
    if (!rs.Open(sql)) {
        ADD_FAILURE() << sql;
        return rows;
    }
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::vector<std::string> row;
        for (long i = 0; i < rs.GetFieldCount(); ++i) {
            std::string value;
            rs.GetFieldText(i, value);
            row.push_back(value);
        }
        rows.push_back(row);
    }
    return rows;
}

// Stores a bare application row (number, unit, category) with members.
inline void StoreProject(const std::string& number, const std::string& unit = "U001",
                         const std::string& category = "共性技术基金——一般项目",
                         const std::vector<std::string>& memberNames = {}) {
    Exec("insert into corvane_itemappinfo (XMBH, DWDM, XMLB) values ('" + number + "', '" + unit + "', '" + category +
         "')");
    for (const std::string& name : memberNames)
        Exec("insert into corvane_project_sqcy (ITE_XMBH, XM) values ('" + number + "', '" + name + "')");
}

inline std::vector<std::string> Column(const std::string& sql) {
    std::vector<std::string> values;
    for (const auto& row : Query(sql)) values.push_back(row.at(0));
    return values;
}

inline std::vector<std::string> Numbers() {
    return Column("select xmbh from corvane_itemappinfo order by xmbh");
}

}  // namespace appviewtest

// The installed-folder fixture with the folder temp in place.
class AppStoreTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        sys::MakeDirs(proapp::ScratchFolder());
        ASSERT_TRUE(appdb::Connect(connection));
    }
    CAdoConnection connection;
};
