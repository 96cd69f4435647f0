// Stored applications: every column written and read back, empty texts as
// NULL, rich texts through their scratch files, member rows rewritten whole,
// the key-laboratory review row, renaming with the child rows, refused
// writes that change nothing, and deletion.
#include "AppViewTestSupport.h"
#include "foundation/ProjectTables.h"
#include "numbering/ProjectNumbering.h"

using appviewtest::Column;
using appviewtest::Exec;
using appviewtest::Numbers;
using appviewtest::Query;
using appviewtest::Rows;
using appviewtest::Seed;
using appviewtest::StoreProject;

namespace {

const std::string kNumber = "9140A01010108U001001";

// A record whose every text field holds its column name (short enough for
// the column) and whose rich-text fields point at files holding their name.
PROAPP FullRecord(const std::string& folder) {
    PROAPP record;
    for (const proapp::Column& column : proapp::WrittenColumns()) {
        if (column.kind == proapp::ColumnKind::Text) record.*column.field = std::string(column.name).substr(0, 4);
    }
    record.XMBH = kNumber;
    sys::MakeDirs(folder);
    for (const proapp::RtfColumn& rtf : proapp::AllRtfColumns()) {
        record.*rtf.field = sys::JoinPath(folder, rtf.file);
        sys::WriteFileAtomic(record.*rtf.field, std::string("{\\rtf1 ") + rtf.column + "}");
    }
    return record;
}

std::vector<proapp::MemberRow> Members(std::initializer_list<const char*> names) {
    std::vector<proapp::MemberRow> members;
    for (const char* name : names) members.push_back({name, "男", "40", "研究员", "所", "12", "负责"});
    return members;
}

}  // namespace

using ApplicationStore = AppStoreTest;

TEST_F(ApplicationStore, EveryColumnRoundTripsAndEmptyTextsAreStoredAsNull) {
    PROAPP record = FullRecord(PathOf("in"));
    record.ZTC.clear();
    record.XMJJ = PathOf("in/empty.rtf");  // an empty chapter
    sys::TruncateFile(record.XMJJ);
    ASSERT_EQ(appstore::WriteApplication(connection, record, Members({"甲", "乙"}), {}), appstore::SaveResult::Saved);

    EXPECT_EQ(Column("select FIRSTAPPR from corvane_itemappinfo"), std::vector<std::string>{"+"});
    EXPECT_EQ(Column("select count(*) from corvane_itemappinfo where ZTC is null"), std::vector<std::string>{"1"});

    PROAPP loaded;
    ASSERT_TRUE(appstore::ReadApplication(connection, kNumber, loaded));
    for (const proapp::Column& column : proapp::WrittenColumns()) {
        if (column.kind == proapp::ColumnKind::Text) {
            EXPECT_EQ(loaded.*column.field, record.*column.field) << column.name;
        }
    }
    for (const proapp::RtfColumn& rtf : proapp::AllRtfColumns()) {
        EXPECT_EQ(loaded.*rtf.field, proapp::ScratchPath(rtf.file));
        std::string bytes;
        ASSERT_TRUE(sys::ReadFile(proapp::ScratchPath(rtf.file), bytes)) << rtf.file;
        EXPECT_EQ(bytes, rtf.field == &PROAPP::XMJJ ? "" : std::string("{\\rtf1 ") + rtf.column + "}") << rtf.column;
    }
    const auto members = appstore::ReadMembers(connection, kNumber);
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[1], (proapp::MemberRow{"乙", "男", "40", "研究员", "所", "12", "负责"}));

    PROAPP none;
    EXPECT_FALSE(appstore::ReadApplication(connection, "nothing", none));
}

TEST_F(ApplicationStore, UpdatingKeepsTheRowAndColumnsTheFormNeverWritesAndRewritesMembers) {
    PROAPP record = FullRecord(PathOf("in"));
    ASSERT_EQ(appstore::WriteApplication(connection, record, Members({"甲", "乙", "丙"}), {}),
              appstore::SaveResult::Saved);
    Exec("update corvane_itemappinfo set DOCNAME = 'a.doc', PFJF = '3'");
    record.XMMC = "新名称";
    ASSERT_EQ(appstore::WriteApplication(connection, record, Members({"丁"}), Loaded(kNumber)), appstore::SaveResult::Saved);
    EXPECT_EQ(Query("select XMMC, DOCNAME, PFJF from corvane_itemappinfo"), (Rows{{"新名称", "a.doc", "3"}}));
    EXPECT_EQ(Column("select xm from corvane_project_sqcy"), std::vector<std::string>{"丁"});
}

TEST_F(ApplicationStore, ARenamedProjectTakesItsChildRowsAndRefusesATakenNumber) {
    PROAPP record = FullRecord(PathOf("in"));
    ASSERT_EQ(appstore::WriteApplication(connection, record, Members({"甲"}), {}), appstore::SaveResult::Saved);
    testdb::Seed(connection, {"corvane_itempf", {"XMBH", "ZJ1"}, {{kNumber, "expert"}}});
    testdb::Seed(connection, {"corvane_itemplan", {"XMBH", "JDYQ"}, {{kNumber, "plan"}}});
    StoreProject("9140A01010108U001002");

    record.XMBH = "9140A01010108U001002";
    EXPECT_EQ(appstore::WriteApplication(connection, record, Members({"乙"}), Loaded(kNumber)),
              appstore::SaveResult::NumberTaken);
    EXPECT_EQ(Column("select xm from corvane_project_sqcy where ite_xmbh = '" + kNumber + "'"),
              std::vector<std::string>{"甲"});

    record.XMBH = "9140A01010108U001009";
    ASSERT_EQ(appstore::WriteApplication(connection, record, Members({"乙"}), Loaded(kNumber)), appstore::SaveResult::Saved);
    EXPECT_EQ(Numbers(), (std::vector<std::string>{"9140A01010108U001002", "9140A01010108U001009"}));
    EXPECT_EQ(Query("select ite_xmbh, xm from corvane_project_sqcy"), (Rows{{"9140A01010108U001009", "乙"}}));
    EXPECT_EQ(Column("select xmbh from corvane_itempf"), std::vector<std::string>{"9140A01010108U001009"});
    EXPECT_EQ(Column("select xmbh from corvane_itemplan"), std::vector<std::string>{"9140A01010108U001009"});
}

TEST_F(ApplicationStore, AWriteThatFailsChangesNothing) {
    PROAPP record = FullRecord(PathOf("in"));
    record.XMLB = "重点实验室基金——一般项目";
    record.SJF = "1.5";
    ASSERT_EQ(appstore::WriteApplication(connection, record, Members({"甲"}), {}), appstore::SaveResult::Saved);
    const Rows before = Query("select * from corvane_itemappinfo");

    const struct {
        const char* what;
        void (*spoil)(PROAPP&, std::vector<proapp::MemberRow>&);
    } cases[] = {
        {"an applicant name longer than its column",
         [](PROAPP& r, std::vector<proapp::MemberRow>&) { r.SQRXM = std::string(15, 'x'); }},
        {"a chapter file that is gone", [](PROAPP& r, std::vector<proapp::MemberRow>&) { r.GZJL = "/nowhere.rtf"; }},
        {"a member cell longer than its column",
         [](PROAPP&, std::vector<proapp::MemberRow>& m) { m.back()[0] = std::string(51, 'x'); }},
    };
    for (const auto& c : cases) {
        PROAPP spoilt = record;
        spoilt.XMMC = "changed";
        spoilt.SJF = "9";
        auto members = Members({"乙", "丙"});
        c.spoil(spoilt, members);
        EXPECT_EQ(appstore::WriteApplication(connection, spoilt, members, Loaded(kNumber)), appstore::SaveResult::Failed)
            << c.what;
        EXPECT_EQ(Query("select * from corvane_itemappinfo"), before) << c.what;
        EXPECT_EQ(Column("select xm from corvane_project_sqcy"), std::vector<std::string>{"甲"}) << c.what;
        EXPECT_EQ(Column("select PFSJF from corvane_itempf"), std::vector<std::string>{"1.5000"}) << c.what;
    }
    PROAPP fresh = FullRecord(PathOf("in"));
    fresh.XMBH = "9140A01010108U001002";
    fresh.SQRXM = std::string(15, 'x');
    EXPECT_EQ(appstore::WriteApplication(connection, fresh, Members({"乙"}), {}), appstore::SaveResult::Failed);
    EXPECT_EQ(Numbers(), std::vector<std::string>{kNumber});
}

// The review row is written once, when the project has none: a later save
// (a name corrected in the form) never undoes what the review wrote, the
// amounts a meeting granted among it.
TEST_F(ApplicationStore, KeyLaboratoryApplicationsGetAReviewRowThatNeverWipesReviewResults) {
    PROAPP record = FullRecord(PathOf("in"));
    record.XMLB = "重点实验室基金——重点项目";
    record.SQJE = "12.5";
    record.SJF = "1.5";
    record.GLF = "";
    ASSERT_EQ(appstore::WriteApplication(connection, record, {}, {}), appstore::SaveResult::Saved);
    const std::string amounts = "select XMBH, PSJG, PFJF, PFSJF, PFGLF is null from corvane_itempf";
    EXPECT_EQ(Query(amounts), (Rows{{kNumber, "+", "12.5000", "1.5000", "1"}}));

    Exec("update corvane_itempf set PFJF = 6, PFSJF = 0.5");  // granted by the meeting: no mark, no opinion
    record.XMMC = "corrected name";
    record.SJF = "2";
    ASSERT_EQ(appstore::WriteApplication(connection, record, {}, Loaded(kNumber)), appstore::SaveResult::Saved);
    EXPECT_EQ(Query(amounts), (Rows{{kNumber, "+", "6.0000", "0.5000", "1"}}));

    Exec("update corvane_itempf set ZJ1 = 'expert', PFJF = 10");
    record.SJF = "3";
    ASSERT_EQ(appstore::WriteApplication(connection, record, {}, Loaded(kNumber)), appstore::SaveResult::Saved);
    EXPECT_EQ(Query("select ZJ1, PFJF, PFSJF from corvane_itempf"), (Rows{{"expert", "10.0000", "0.5000"}}));

    record.XMLB = "共性技术基金——一般项目";  // other categories leave the row alone
    Exec("update corvane_itempf set ZJ1 = null");
    ASSERT_EQ(appstore::WriteApplication(connection, record, {}, Loaded(kNumber)), appstore::SaveResult::Saved);
    EXPECT_EQ(Query("select PFJF, PFSJF from corvane_itempf"), (Rows{{"10.0000", "0.5000"}}));
    record.XMBH = "9140A01010108U001002";
    ASSERT_EQ(appstore::WriteApplication(connection, record, {}, {}), appstore::SaveResult::Saved);
    EXPECT_EQ(Column("select count(*) from corvane_itempf"), std::vector<std::string>{"1"});
}

// Until a review step has written to the row, the form's amounts are carried
// to it: an application saved with 10, corrected to 20 and saved shows 20 to
// the meeting; the meeting's grant of 15 then stays through later saves.
TEST_F(ApplicationStore, KeyLaboratoryAmountsFollowTheFormUntilTheMeetingGrants) {
    PROAPP record = FullRecord(PathOf("in"));
    record.XMLB = "重点实验室基金——一般项目";
    record.SQJE = "10";
    record.SJF = "4";
    record.GLF = "";
    ASSERT_EQ(appstore::WriteApplication(connection, record, {}, {}), appstore::SaveResult::Saved);
    const std::string amounts = "select PSJG, PFJF, PFSJF, PFGLF from corvane_itempf";
    EXPECT_EQ(Query(amounts), (Rows{{"+", "10.0000", "4.0000", ""}}));

    record.SQJE = "20";
    record.GLF = "2";
    ASSERT_EQ(appstore::WriteApplication(connection, record, {}, Loaded(kNumber)), appstore::SaveResult::Saved);
    EXPECT_EQ(Query(amounts), (Rows{{"+", "20.0000", "4.0000", "2.0000"}})) << "the corrected amounts are carried";

    // The meeting grants 15 as its panel writes it: result, total and the eight lines.
    Exec("update corvane_itempf set PSJG = '+', PFJF = 15, PFSJF = 4, PFCLF = 0, PFWXF = 0, PFZYF = 0, PFSYF = 0, "
         "PFGDZCF = 0, PFGZF = 0, PFGLF = 11");
    record.XMMC = "name corrected after the meeting";
    record.SQJE = "30";
    ASSERT_EQ(appstore::WriteApplication(connection, record, {}, Loaded(kNumber)), appstore::SaveResult::Saved);
    EXPECT_EQ(Query(amounts), (Rows{{"+", "15.0000", "4.0000", "11.0000"}})) << "the meeting's grant is kept";
    EXPECT_EQ(Column("select count(*) from corvane_itempf"), std::vector<std::string>{"1"});
}

TEST_F(ApplicationStore, DeletingRemovesTheProjectFromEveryTableThatFollowsItsNumber) {
    for (const std::string& number : {kNumber, std::string("9140A01010108U001002")}) {
        StoreProject(number, "U001", "共性技术基金——一般项目", {"甲"});
        testdb::Seed(connection, {"corvane_itempf", {"XMBH"}, {{number}}});
        testdb::Seed(connection, {"corvane_itemplan", {"XMBH"}, {{number}}});
    }
    ASSERT_TRUE(appstore::DeleteApplication(connection, kNumber));
    for (const char* table : {"corvane_itemappinfo", "corvane_itempf", "corvane_itemplan"}) {
        EXPECT_EQ(Column(std::string("select xmbh from ") + table), std::vector<std::string>{"9140A01010108U001002"});
    }
    EXPECT_EQ(Column("select ite_xmbh from corvane_project_sqcy"), std::vector<std::string>{"9140A01010108U001002"});
}

// Every keyed table holds one row of each number.
void StoreKeyedRows(const std::vector<std::string>& numbers) {
    for (const std::string& number : numbers) {
        StoreProject(number, number.substr(13, 4));
        for (const projecttables::KeyedTable& keyed : projecttables::ProjectKeyedTables())
            if (keyed.table != std::string("CORVANE_ITEMAPPINFO") && keyed.table != std::string("CORVANE_PROJECT_SQCY"))
                Seed({keyed.table, {keyed.column}, {{number}}});
        Seed({"corvane_project_sqcy", {"ITE_XMBH", "XM"}, {{number, number}}});
    }
}

std::vector<std::string> KeyedNumbers() {
    std::vector<std::string> numbers;
    for (const projecttables::KeyedTable& keyed : projecttables::ProjectKeyedTables())
        for (const std::string& number : Column(std::string("select ") + keyed.column + " from " + keyed.table +
                                                " order by " + keyed.column))
            numbers.push_back(std::string(keyed.table) + " " + number);
    return numbers;
}

std::vector<std::string> InEveryTable(const std::vector<std::string>& numbers) {
    std::vector<std::string> rows;
    for (const projecttables::KeyedTable& keyed : projecttables::ProjectKeyedTables())
        for (const std::string& number : numbers) rows.push_back(std::string(keyed.table) + " " + number);
    return rows;
}

// Several projects deleted at once leave no row of theirs in any keyed
// table, and each prefix they leave a gap in is renumbered, its rows along.
TEST_F(ApplicationStore, DeletingSeveralLeavesNoRowOfThemAndClosesTheGapsOfTheirPrefixes) {
    StoreKeyedRows({"9140A01010108U001001", "9140A01010108U001002", "9140A01010108U001003",
                    "9140B02020208U002001", "9140B02020208U002002", "9140C03030308U003001"});
    projectnumber::Renames renames;
    ASSERT_EQ(appstore::DeleteApplications(
                  connection, LoadedAll({"9140A01010108U001001", "9140B02020208U002001", "9140C03030308U003001"}),
                  renames),
              appstore::DeleteResult::Deleted);
    EXPECT_EQ(KeyedNumbers(), InEveryTable({"9140A01010108U001001", "9140A01010108U001002", "9140B02020208U002001"}));
    EXPECT_EQ(Column("select xm from corvane_project_sqcy order by ite_xmbh"),
              (std::vector<std::string>{"9140A01010108U001002", "9140A01010108U001003", "9140B02020208U002002"}));
    EXPECT_EQ(renames, (projectnumber::Renames{{"9140A01010108U001002", "9140A01010108U001001"},
                                               {"9140A01010108U001003", "9140A01010108U001002"},
                                               {"9140B02020208U002002", "9140B02020208U002001"}}));
}

// A deletion that fails ends the work: the projects before it are deleted
// whole, it and those after it keep every row, and nothing is renumbered.
TEST_F(ApplicationStore, AFailedDeletionKeepsTheProjectWholeAndRenumbersNothing) {
    StoreKeyedRows({"9140A01010108U001001", "9140A01010108U001002", "9140A01010108U001003"});
    // Refused in the last keyed table, after the project's other rows were deleted.
    Exec(std::string("create trigger keep_002 before delete on ") + projecttables::ProjectKeyedTables().back().table +
         " when old." + projecttables::ProjectKeyedTables().back().column +
         " = '9140A01010108U001002' begin select raise(abort, 'kept'); end");
    projectnumber::Renames renames{{"stale", "entry"}};
    std::string notDeleted;
    EXPECT_EQ(appstore::DeleteApplications(
                  connection, LoadedAll({"9140A01010108U001001", "9140A01010108U001002", "9140A01010108U001003"}),
                  renames, &notDeleted),
              appstore::DeleteResult::Failed);
    EXPECT_EQ(KeyedNumbers(), InEveryTable({"9140A01010108U001002", "9140A01010108U001003"}));
    EXPECT_TRUE(renames.empty());
    EXPECT_EQ(notDeleted, "9140A01010108U001002");
}

// A saved project that changes prefix moves with every keyed row, and the
// projects it left close their gap, in the save's one transaction: when the
// gap cannot be closed, nothing of the save is kept.
TEST_F(ApplicationStore, AChangedPrefixMovesTheProjectAndClosesTheGapInTheSavesTransaction) {
    StoreKeyedRows({"9140A01010108U001001", "9140A01010108U001002", "9140A01010108U002001"});
    PROAPP record = FullRecord(PathOf("in"));
    record.XMBH = "9140A01010108U002001";  // the new prefix; the serial is the numbering's
    record.XMMC = "moved";
    // Refused in the last keyed table while 002 closes the gap to 001.
    Exec(std::string("create trigger keep_002 before update on ") + projecttables::ProjectKeyedTables().back().table +
         " when old." + projecttables::ProjectKeyedTables().back().column +
         " = '9140A01010108U001002' begin select raise(abort, 'kept'); end");
    const std::vector<std::string> before = KeyedNumbers();
    projectnumber::Renames renames;
    EXPECT_EQ(appstore::WriteApplication(connection, record, Members({"甲"}), Loaded("9140A01010108U001001"), &renames),
              appstore::SaveResult::Failed);
    EXPECT_EQ(KeyedNumbers(), before);
    EXPECT_EQ(Column("select count(*) from corvane_itemappinfo where xmmc = 'moved'"), std::vector<std::string>{"0"});

    Exec("drop trigger keep_002");
    ASSERT_EQ(appstore::WriteApplication(connection, record, Members({"甲"}), Loaded("9140A01010108U001001"), &renames),
              appstore::SaveResult::Saved);
    EXPECT_EQ(renames, (projectnumber::Renames{{"9140A01010108U001001", "9140A01010108U002002"},
                                               {"9140A01010108U001002", "9140A01010108U001001"}}));
    EXPECT_EQ(KeyedNumbers(), InEveryTable({"9140A01010108U001001", "9140A01010108U002001", "9140A01010108U002002"}));
    EXPECT_EQ(Column("select xmbh from corvane_itemappinfo where xmmc = 'moved'"),
              std::vector<std::string>{"9140A01010108U002002"});
}

TEST(ApplicationCategory, TheFormsKindBecomesTheFullNameOfItsFund) {
    const struct {
        const char* what;
        const char* category;
        std::initializer_list<std::string> numbers;
        const char* full;
    } cases[] = {
        {"key laboratory by fund number", "一般项目", {"9140C01", "9140A010101"}, "重点实验室基金——一般项目"},
        {"specialty group by guide code, fund number empty", "重点项目", {"", "9140A010101"}, "共性技术基金——重点项目"},
        {"key laboratory by project number", "重点项目", {"", "", "9140C03030307U001001"}, "重点实验室基金——重点项目"},
        {"an unknown fund is skipped for a later number", "一般项目", {"9140B01", "9140C01"}, "重点实验室基金——一般项目"},
        {"no known fund: stays short", "一般项目", {"9140B02020209", ""}, "一般项目"},
        {"a full name is kept", "共性技术基金——重点项目", {"9140C01"}, "共性技术基金——重点项目"},
        {"nothing chosen", "", {"9140C01"}, ""},
        {"other texts are no kind", "其他", {"9140C01"}, "其他"},
    };
    for (const auto& c : cases) EXPECT_EQ(proapp::FullCategory(c.category, c.numbers), c.full) << c.what;

    for (const char* kind : {"一般项目", "重点项目"}) {
        EXPECT_EQ(proapp::CategoryKind(std::string("重点实验室基金——") + kind), kind);
        EXPECT_EQ(proapp::CategoryKind(kind), kind);
    }
}

TEST_F(ApplicationStore, AShortCategoryIsStoredAndReadAsItsFullName) {
    PROAPP record = FullRecord(PathOf("in"));
    record.XMBH = "9140C03030307U001001";
    record.JJBH.clear();
    record.SQZNDM = "9140C030303";
    record.XMLB = "一般项目";
    ASSERT_EQ(appstore::WriteApplication(connection, record, {}, {}), appstore::SaveResult::Saved);
    EXPECT_EQ(Query("select XMLB from corvane_itemappinfo"), (Rows{{"重点实验室基金——一般项目"}}));
    EXPECT_EQ(Column("select XMBH from corvane_itempf"), std::vector<std::string>{record.XMBH});

    // A row written short before the full names were stored.
    StoreProject(kNumber, "U001", "重点项目");
    PROAPP loaded;
    ASSERT_TRUE(appstore::ReadApplication(connection, kNumber, loaded));
    EXPECT_EQ(loaded.XMLB, "共性技术基金——重点项目");
}

// The name and the document are found by the number as it stands: a quote in
// it neither breaks the statement nor reaches another row.
TEST_F(ApplicationStore, NameAndDocumentFollowTheNumberExactly) {
    testdb::Seed(connection, {"corvane_itemappinfo", {"XMBH", "XMMC"}, {{kNumber, "甲"}, {"O'Brien", "乙"}}});
    struct Case {
        std::string number;
        bool stored;
        std::string name;
    };
    const Case cases[] = {{kNumber, true, "甲"}, {"O'Brien", true, "乙"}, {"x' or '1'='1", false, "<kept>"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        std::string name = "<kept>";
        EXPECT_EQ(appstore::ReadName(connection, c.number, name), c.stored);
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(appstore::StoreDocument(connection, c.number, "d.doc", "bytes of " + c.number), c.stored);
    }
    EXPECT_EQ(Query("select XMBH, DOCNAME, cast(DOC as text) from corvane_itemappinfo order by XMBH"),
              (Rows{{kNumber, "d.doc", "bytes of " + kNumber}, {"O'Brien", "d.doc", "bytes of O'Brien"}}));

    CAdoRecordSet row;
    ASSERT_TRUE(appstore::OpenDocumentRow(connection, "O'Brien", row));
    ASSERT_FALSE(row.IsEOF());
    EXPECT_EQ(row.GetFieldCount(), 3);
    ASSERT_TRUE(appstore::OpenDocumentRow(connection, "never saved", row));
    EXPECT_TRUE(row.IsEOF());
}

TEST_F(ApplicationStore, TheStoredYearIsTheRowsOwnAndEmptyWithoutARow) {
    testdb::Seed(connection, {"corvane_itemappinfo", {"XMBH", "NF"}, {{kNumber, "2019"}, {"O'Brien", "2024"}}});
    const projectnumber::LoadedProject stored = projectnumber::LoadProject(connection, kNumber),
                                       other = projectnumber::LoadProject(connection, "O'Brien");
    ASSERT_TRUE(stored.IsLoaded() && other.IsLoaded());
    EXPECT_EQ(appstore::StoredYear(connection, stored), std::optional<std::string>("2019"));
    EXPECT_EQ(appstore::StoredYear(connection, other), std::optional<std::string>("2024"));
    EXPECT_EQ(appstore::StoredYear(connection, projectnumber::LoadedProject{"never saved", "999999"}), std::optional<std::string>(""));
}

TEST_F(ApplicationStore, AFileTableOpensOnTheProjectsOwnRowsInStoredOrder) {
    testdb::Seed(connection, {"corvane_lw", {"xmbh", "lwname"}, {{"O'Brien", "a.doc"}, {kNumber, "b.doc"}, {"O'Brien", "c.doc"}}});
    CAdoRecordSet rows;
    rows.SetConnection(&connection);
    ASSERT_TRUE(appstore::OpenFileRows(rows, "corvane_lw", "lwname,lw", "O'Brien"));
    std::vector<std::string> names;
    for (; !rows.IsEOF(); rows.MoveNext()) rows.GetString("lwname", names.emplace_back());
    rows.Close();
    EXPECT_EQ(names, (std::vector<std::string>{"a.doc", "c.doc"}));
    ASSERT_TRUE(appstore::OpenFileRows(rows, "corvane_lw", "xmbh,lwname,lw", "x' or '1'='1"));
    EXPECT_TRUE(rows.IsEOF());
}

TEST_F(ApplicationStore, AFollowUpTablesRowsCarryTheirApplicationsColumns) {
    testdb::Seed(connection, {"corvane_itemappinfo", {"XMBH", "XMMC", "SQJE"}, {{kNumber, "甲", "12"}}});
    testdb::Seed(connection, {"corvane_itemprogress", {"XMBH"}, {{kNumber}, {"O'Brien"}}});
    EXPECT_EQ(Query(appstore::JoinedExcelRowsQuery("corvane_itemprogress") + " order by 1"),
              (Rows{{kNumber, "甲", "", "", "", "", "", "", "", "12"}, {"O'Brien", "", "", "", "", "", "", "", "", ""}}));
}
