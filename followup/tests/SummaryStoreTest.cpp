// The follow-up documents' store: a document and its achievements are read
// back as stored and move with a renumbering, a refused write leaves both
// numbers as they were, deletion takes a document with its project's
// achievements only, and numbers with quotes, % _ \, case variants and
// full-width letters find the rows the statements with quoted numbers found.
#include <gtest/gtest.h>

#include "followup/SummaryStore.h"
#include "foundation/Sql.h"
#include "testsupport/Database.h"
#include "testsupport/InstalledDatabase.h"

namespace {

using followup::SummaryKind;
using testdb::Rows;

constexpr const char* kRtf = "{\\rtf1\\ansi 完成情况 O'Brien}";

class SummaryStoreTest : public InstalledDatabase {
protected:
    Rows Query(const std::string& sql) { return testdb::Query(db, sql); }
    static summarystore::SummaryDocument Document(const std::string& person, const std::string& name) {
        summarystore::SummaryDocument document;
        document.person = person;
        document.name = name;
        document.indicators = "指标'一";
        document.rtf = kRtf;
        return document;
    }

};

}  // namespace

TEST_F(SummaryStoreTest, DocumentAndAchievementsReadBackAndMoveWithTheNumber) {
    for (const SummaryKind kind : {SummaryKind::Acceptance, SummaryKind::Progress}) {
        const std::string table = followup::Traits(kind).table;
        SCOPED_TRACE(table);
        const std::vector<summarystore::Achievement> grid = {{"报告'甲", "论文", "2009", ""}, {"乙", "专著", "", "注"}};
        ASSERT_TRUE(summarystore::StoreDocument(db, kind, "N'01", "N'01", false, Document("张'三", "名"), &grid));
        summarystore::SummaryDocument read;
        ASSERT_EQ(summarystore::ReadDocument(db, kind, "n'01", read), db::Found::Row);
        EXPECT_EQ(read.person, "张'三");
        EXPECT_EQ(read.name, "名");
        EXPECT_EQ(read.rtf, kRtf);
        EXPECT_EQ(read.indicators, followup::Traits(kind).hasIndicators ? "指标'一" : "");
        EXPECT_EQ(summarystore::ReadAchievements(db, "N'01"), grid);

        // k1 already has a document and achievements; both give way. The
        // attachment name stays with the moved row.
        testdb::Seed(db, {table, {"XMBH", "SJWCR"}, {{"N02", "旧"}}});
        testdb::Seed(db, {"CORVANE_CGHZ", {"XMBH", "MC"}, {{"N02", "旧成果"}, {"N03", "他人"}}});
        testdb::Exec(db, "update " + table + " set ATTACHNAME = 'a.doc' where XMBH = 'N''01'");
        const std::vector<summarystore::Achievement> moved = {{"丙", "", "", ""}};
        ASSERT_TRUE(summarystore::StoreDocument(db, kind, "N'01", "N02", true, Document("李四", "名"), &moved));
        EXPECT_EQ(Query("select XMBH, SJWCR, ATTACHNAME from " + table), (Rows{{"N02", "李四", "a.doc"}}));
        EXPECT_EQ(Query("select XMBH, MC from CORVANE_CGHZ order by XMBH"), (Rows{{"N02", "丙"}, {"N03", "他人"}}));
        // Without the results page the achievements are not touched.
        ASSERT_TRUE(summarystore::StoreDocument(db, kind, "N02", "N02", false, Document("王五", "名"), nullptr));
        EXPECT_EQ(summarystore::ReadAchievements(db, "N02"), moved);

        EXPECT_EQ(summarystore::DeleteDocuments(db, kind, {"n02", "N09"}), (std::vector<std::string>{"n02", "N09"}));
        EXPECT_EQ(testdb::Count(db, table), 0);
        EXPECT_EQ(Query("select XMBH, MC from CORVANE_CGHZ"), (Rows{{"N03", "他人"}}));
        testdb::Exec(db, "delete from CORVANE_CGHZ");
    }
}

TEST_F(SummaryStoreTest, RefusedWriteLeavesBothNumbersAsTheyWere) {
    const SummaryKind kind = SummaryKind::Acceptance;
    const std::vector<summarystore::Achievement> grid = {{"新", "", "", ""}};
    ASSERT_TRUE(summarystore::StoreDocument(db, kind, "N01", "N01", false, Document("甲", "名一"), &grid));
    ASSERT_TRUE(summarystore::StoreDocument(db, kind, "N02", "N02", false, Document("乙", "名二"), &grid));
    const Rows documents = Query("select XMBH, SJWCR from CORVANE_ITEMCHECKACCEPT order by XMBH");
    const Rows achievements = Query("select XMBH, MC from CORVANE_CGHZ order by XMBH");

    const struct {
        const char* what;
        summarystore::SummaryDocument document;
        std::vector<summarystore::Achievement> grid;
    } cases[] = {
        {"person over the column", Document(std::string(256, 'x'), "名"), grid},
        {"achievement over the column", Document("丙", "名"), {{std::string(256, 'y'), "", "", ""}}},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(summarystore::StoreDocument(db, kind, "N01", "N02", true, c.document, &c.grid)) << c.what;
        EXPECT_EQ(Query("select XMBH, SJWCR from CORVANE_ITEMCHECKACCEPT order by XMBH"), documents) << c.what;
        EXPECT_EQ(Query("select XMBH, MC from CORVANE_CGHZ order by XMBH"), achievements) << c.what;
    }
}

TEST_F(SummaryStoreTest, AwkwardNumbersFindWhatTheQuotedStatementsFound) {
    const SummaryKind kind = SummaryKind::Progress;
    testdb::Seed(db, {"CORVANE_ITEMPROGRESS",
                      {"XMBH", "SJWCR"},
                      {{"A'01", "引号"}, {"50%", "百分"}, {"a_b", "下划"}, {"a\\b", "斜杠"}, {"Ｎ０１", "全角"}, {"", "空"}}});
    testdb::Exec(db, "insert into CORVANE_ITEMPROGRESS (SJWCR) values ('无编号')");
    const struct {
        std::string number;
        const char* person;  // nullptr: no document
    } cases[] = {{"A'01", "引号"}, {"a'01", "引号"},   {"50%", "百分"},   {"5%", nullptr},    {"a_b", "下划"},
                 {"aXb", nullptr}, {"A\\B", "斜杠"},   {"Ｎ０１", "全角"}, {"ｎ０１", nullptr}, {"", "空"},
                 {"' or ''='", nullptr}};
    for (const auto& c : cases) {
        const Rows quoted = Query("select SJWCR from CORVANE_ITEMPROGRESS where XMBH=" + db::QuoteLiteral(c.number));
        EXPECT_EQ(quoted.size(), c.person ? 1u : 0u) << c.number;
        summarystore::SummaryDocument read;
        EXPECT_EQ(summarystore::ReadDocument(db, kind, c.number, read), c.person ? db::Found::Row : db::Found::NoRow)
            << c.number;
        EXPECT_EQ(summarystore::HasDocument(db, kind, c.number), c.person ? db::Found::Row : db::Found::NoRow)
            << c.number;
        if (c.person) EXPECT_EQ(read.person, c.person) << c.number;
    }
}

TEST_F(SummaryStoreTest, AttachmentIsStoredReadAndItsNameEmptied) {
    const SummaryKind kind = SummaryKind::Acceptance;
    const std::string bytes("PK\0\x01附件", 9);
    std::string read;
    EXPECT_FALSE(summarystore::ReadAttachment(db, kind, "N'01", read)) << "no row yet";
    EXPECT_TRUE(summarystore::ClearAttachmentName(db, kind, "N'01")) << "nothing to empty";
    ASSERT_TRUE(summarystore::StoreAttachment(db, kind, "N'01", "说明'书.pdf", bytes));
    EXPECT_EQ(Query("select XMBH, ATTACHNAME from CORVANE_ITEMCHECKACCEPT"), (Rows{{"N'01", "说明'书.pdf"}}));
    ASSERT_TRUE(summarystore::ReadAttachment(db, kind, "n'01", read));
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(summarystore::StoreAttachment(db, kind, "N'01", std::string(256, 'n'), "x")) << "name too long";
    EXPECT_EQ(Query("select ATTACHNAME from CORVANE_ITEMCHECKACCEPT"), (Rows{{"说明'书.pdf"}}));
    ASSERT_TRUE(summarystore::ClearAttachmentName(db, kind, "N'01"));
    EXPECT_EQ(Query("select ATTACHNAME from CORVANE_ITEMCHECKACCEPT"), (Rows{{""}}));
    ASSERT_TRUE(summarystore::ReadAttachment(db, kind, "N'01", read)) << "the bytes stay";
}
