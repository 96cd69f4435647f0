// A legacy pair for the tests of one project's statements: two stored
// applications whose numbers differ only in letter case, and a single
// project whose rows are stored in another case than its number. Each
// project marks its rows with a tag in a text column; a table of operations
// is run on each project in turn, and every other project's rows must stay
// as they were.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "foundation/Sql.h"
#include "testsupport/Database.h"

namespace legacypair {

struct Project {
    std::string number;  // as the user opens it
    std::string stored;  // as its rows hold it
    std::string tag;     // in a text column of each of its rows
};

// The upper and the lower one of the pair, then the single project.
inline const std::vector<Project>& Projects() {
    static const std::vector<Project> projects = {{"9140A01010108U001001", "9140A01010108U001001", "U"},
                                                  {"9140A01010108u001001", "9140A01010108u001001", "L"},
                                                  {"9140A01010108U002001", "9140a01010108u002001", "S"}};
    return projects;
}

// An operation on a project's number, with what it gives (or what its
// project's rows hold afterwards) for each of Projects().
struct Case {
    const char* what;
    std::function<std::string(const Project&)> run;
    std::array<std::string, 3> expected;
};

// The texts of the first column of a query, joined by ','.
inline std::string Joined(CAdoConnection& connection, const std::string& sql) {
    std::string joined;
    for (const auto& row : testdb::Query(connection, sql)) joined += (joined.empty() ? "" : ",") + row.at(0);
    return joined;
}

// The rows of each "select <number>, <tag>, ... from <table> where <tag>"
// whose tag is one of `tags`, as stored.
inline testdb::Rows TaggedRows(CAdoConnection& connection, const std::vector<std::string>& selects,
                               const std::vector<std::string>& tags) {
    std::string list;
    for (const std::string& tag : tags) list += (list.empty() ? "" : ",") + db::QuoteLiteral(tag);
    testdb::Rows rows;
    for (const std::string& select : selects) {
        rows.push_back({select});
        for (const auto& row : testdb::Query(connection, select + " in (" + list + ") order by 1 collate binary, 2"))
            rows.push_back(row);
    }
    return rows;
}

// Runs every case on every project, on freshly seeded rows.
inline void RunOnEachProject(CAdoConnection& connection, const std::vector<Case>& cases,
                             const std::function<void()>& seed, const std::vector<std::string>& taggedSelects) {
    for (const Case& c : cases) {
        for (std::size_t i = 0; i < Projects().size(); ++i) {
            const Project& p = Projects()[i];
            SCOPED_TRACE(std::string(c.what) + " of " + p.number);
            seed();
            std::vector<std::string> others;
            for (const Project& other : Projects())
                if (other.tag != p.tag) others.push_back(other.tag);
            const testdb::Rows before = TaggedRows(connection, taggedSelects, others);
            EXPECT_EQ(c.run(p), c.expected[i]);
            EXPECT_EQ(TaggedRows(connection, taggedSelects, others), before) << "another project's rows changed";
        }
    }
}

}  // namespace legacypair
