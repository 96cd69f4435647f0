// Legacy data can hold two stored applications whose numbers differ only in
// letter case (a legacy pair). Each achievement-transfer statement for one of
// a pair - reading, saving, importing a bundle, deleting - reaches only that
// one's record and grid rows; a single project whose rows are stored in
// another case than its number still reaches them.
#include "ResultChangeTestSupport.h"

#include "achievement/ResultChangeBundle.h"
#include "foundation/Sql.h"
#include "testsupport/LegacyPair.h"

using namespace resultchange;

namespace {

using legacypair::Project;
using legacypair::Projects;

constexpr int kResearchers = 0;  // CORVANE_NEW_RESULTCHANGE_JCYJ, tagged in XM

class LegacyPairRowsTest : public ResultChangeTest {
protected:
    std::string Joined(const std::string& sql) { return legacypair::Joined(db, sql); }
    void StoreMain(const Project& p) {
        testdb::Seed(db, {kMainTable, {"XMBH", "XMMC"}, {{p.stored, p.tag}}});
    }
    // Every project with an application under its number and with grid rows
    // under its rows' spelling; a record only for the upper one of the pair
    // and the single project.
    void Seed() {
        testdb::Exec(db, "delete from CORVANE_ITEMAPPINFO");
        testdb::Exec(db, std::string("delete from ") + kMainTable);
        for (const ChildTable& child : ChildTables()) testdb::Exec(db, "delete from " + child.table);
        for (const Project& p : Projects()) {
            testdb::Seed(db, {"CORVANE_ITEMAPPINFO", {"XMBH", "XMMC"}, {{p.number, p.tag}}});
            if (p.tag != "L") StoreMain(p);
            testdb::Seed(db, {ChildTables()[kResearchers].table, {"ITEM_XMBH", "XM", "GZDW"}, {{p.stored, p.tag, p.tag}}});
            testdb::Seed(db, {"CORVANE_NEW_RESULTCHANGE_GZZDLIST", {"ITEM_XMBH", "GZZDMC"}, {{p.stored, p.tag}}});
        }
    }
};

}  // namespace

TEST_F(LegacyPairRowsTest, EachOfALegacyPairReachesOnlyItsOwnRecordAndGridRows) {
    // Each operation, for the upper and lower one of the pair and the single
    // project, other projects' rows aside.
    const std::vector<legacypair::Case> cases = {
        {"whether a record is stored",
         [&](const Project& p) { return std::string(RecordExists(db, p.number) ? "yes" : "no"); },
         {"yes", "no", "yes"}},
        {"read the project name",
         [&](const Project& p) {
             std::string name = "<none>";
             ProjectName(db, p.number, name);
             return name;
         },
         {"U", "<none>", "S"}},
        {"read the record",
         [&](const Project& p) {
             MainValues values;
             return ReadMainRow(db, p.number, Folder(), values) == db::Found::Row ? values[1] : "<none>";
         },
         {"U", "<none>", "S"}},
        {"read the grid rows",
         [&](const Project& p) {
             std::string names;
             for (const auto& row : ReadChildRows(db, kResearchers, p.number)) names += row.at(0);
             return names;
         },
         {"U", "L", "S"}},
        {"save the grid rows",
         [&](const Project& p) {
             std::array<GridRows, kChildCount> grids;
             const ChildTable& table = ChildTables()[kResearchers];
             std::vector<std::string> cells(table.GridColumns(), "新");
             grids[kResearchers] = {cells};
             EXPECT_TRUE(WriteChildRows(db, p.number, grids));
             return Joined("select XM from CORVANE_NEW_RESULTCHANGE_JCYJ where XM = '新'") + "|" +
                    Joined("select count(*) from CORVANE_NEW_RESULTCHANGE_GZZDLIST");
         },
         {"新|2", "新|2", "新|2"}},
        {"delete the record",
         [&](const Project& p) {
             EXPECT_TRUE(DeleteRecord(db, p.number));
             return Joined(std::string("select count(*) from ") + kMainTable) + "|" +
                    Joined("select count(*) from CORVANE_NEW_RESULTCHANGE_JCYJ") + "|" +
                    Joined("select count(*) from CORVANE_NEW_RESULTCHANGE_GZZDLIST");
         },
         {"1|2|2", "2|2|2", "1|2|2"}},
        {"import the project's own bundle",
         [&](const Project& p) {
             if (p.tag == "L") StoreMain(p);
             const std::string folder = PathOf("bundle" + p.tag);
             if (!WriteBundle(db, p.number, folder)) return std::string("<not written>");
             testdb::Exec(db, "update CORVANE_NEW_RESULTCHANGE_JCYJ set GZDW = 'changed' where XM = " +
                                  db::QuoteLiteral(p.tag));
             const ImportResult result =
                 ReadBundle(db, BundlePath(folder, p.number), Folder(), [](const std::string&) { return true; });
             return std::string(result == ImportResult::Imported ? "imported" : "refused") + "|" +
                    Joined(std::string("select XMMC from ") + kMainTable + " where XMMC = " + db::QuoteLiteral(p.tag)) +
                    "|" +
                    Joined("select GZDW from CORVANE_NEW_RESULTCHANGE_JCYJ where XM = " + db::QuoteLiteral(p.tag));
         },
         {"imported|U|U", "imported|L|L", "imported|S|S"}},
    };
    legacypair::RunOnEachProject(db, cases, [&] { Seed(); },
                                 {"select XMBH, XMMC from CORVANE_ITEMAPPINFO where XMMC",
                                  "select XMBH, XMMC from CORVANE_NEW_RESULTCHANGE where XMMC",
                                  "select ITEM_XMBH, XM, GZDW from CORVANE_NEW_RESULTCHANGE_JCYJ where XM",
                                  "select ITEM_XMBH, GZZDMC from CORVANE_NEW_RESULTCHANGE_GZZDLIST where GZZDMC"});
}
