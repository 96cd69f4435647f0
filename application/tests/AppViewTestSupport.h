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
#include "testsupport/Database.h"
#include "testsupport/InstalledFolder.h"

namespace appviewtest {

using Rows = testdb::Rows;

// testdb's statement, seed and query on project.mdb of the program folder,
// opened for the call (the helpers below serve tests without a connection of
// their own).
using testdb::Exec;
using testdb::Query;
using testdb::Seed;

// Stores a bare application row (number, unit, category) with members.
inline void StoreProject(const std::string& number, const std::string& unit = "U001",
                         const std::string& category = "共性技术基金——一般项目",
                         const std::vector<std::string>& memberNames = {}) {
    Seed({"corvane_itemappinfo", {"XMBH", "DWDM", "XMLB"}, {{number, unit, category}}});
    testdb::Table members{"corvane_project_sqcy", {"ITE_XMBH", "XM"}, {}};
    for (const std::string& name : memberNames) members.rows.push_back({number, name});
    Seed(members);
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
        ASSERT_TRUE(testdb::OpenProgramDatabase(connection));
    }
    // The stored project as a view loads it.
    projectnumber::LoadedProject Loaded(const std::string& number) {
        return projectnumber::LoadProject(connection, number);
    }
    std::vector<projectnumber::LoadedProject> LoadedAll(const std::vector<std::string>& numbers) {
        std::vector<projectnumber::LoadedProject> loaded;
        for (const std::string& number : numbers) loaded.push_back(Loaded(number));
        return loaded;
    }
    CAdoConnection connection;
};
