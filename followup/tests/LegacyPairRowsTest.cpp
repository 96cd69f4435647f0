// Legacy data can hold two stored applications whose numbers differ only in
// letter case (a legacy pair). Each follow-up statement for one of a pair -
// reading, saving, importing a bundle, deleting - reaches only that one's
// summaries, achievements, acceptance rows and year plans; a single project
// whose rows are stored in another case than its number still reaches them.
#include "FollowupFilesTestSupport.h"

#include "followup/AcceptanceStore.h"
#include "followup/SummaryBundle.h"
#include "followup/SummaryStore.h"
#include "followup/YearPlanStore.h"
#include "foundation/Sql.h"
#include "testsupport/LegacyPair.h"

using followup::SummaryKind;
using legacypair::Project;
using legacypair::Projects;

class LegacyPairRowsTest : public FollowupFilesTest {
protected:
    void SetUp() override {
        FollowupFilesTest::SetUp();
        if (HasFatalFailure()) return;
        SetRole(1);
    }

    // Every project with an application under its number, and with an
    // acceptance summary, an achievement and a year plan under its rows'
    // spelling; a progress report only for the upper one of the pair and the
    // single project.
    void Seed() {
        for (const char* table : {"corvane_itemappinfo", "corvane_itemcheckaccept", "corvane_itemprogress",
                                  "corvane_cghz", "corvane_itemyearplan"})
            Exec(std::string("delete from ") + table);
        for (const Project& p : Projects()) {
            StoreRow("corvane_itemappinfo", {{"XMBH", p.number}, {"XMLB", "基金"}, {"XMMC", p.tag}});
            StoreRow("corvane_itemcheckaccept", {{"XMBH", p.stored}, {"SJWCR", p.tag}, {"BACKUPNAME", p.tag}},
                     {{"WCQKJJ", "{\\rtf1 " + p.tag + "}"}});
            if (p.tag != "L") StoreRow("corvane_itemprogress", {{"XMBH", p.stored}, {"SJWCR", p.tag}});
            StoreRow("corvane_cghz", {{"XMBH", p.stored}, {"MC", p.tag}, {"BZ", p.tag}});
            StoreRow("corvane_itemyearplan", {{"XMBH", p.stored}, {"NF", "第一年度"}, {"NDJF", "1"}, {"JDYQ", p.tag}});
        }
    }

    std::string Joined(const std::string& sql) { return legacypair::Joined(connection, sql); }
    std::string Opened(const std::string& sql, const char* column) {
        CAdoRecordSet rs;
        rs.SetConnection(&connection);
        std::string joined;
        if (!rs.Open(sql)) return "<failed>";
        for (; !rs.IsEOF(); rs.MoveNext()) {
            std::string value;
            rs.GetString(column, value);
            joined += (joined.empty() ? "" : ",") + value;
        }
        return joined;
    }
    std::string File(const std::string& name, const std::string& bytes) {
        const std::string path = files.File(name);
        EXPECT_TRUE(sys::WriteFileAtomic(path, bytes));
        return path;
    }
};

TEST_F(LegacyPairRowsTest, EachOfALegacyPairReachesOnlyItsOwnFollowUpRows) {
    // Each operation, for the upper and lower one of the pair and the single
    // project, other projects' rows aside.
    const std::vector<legacypair::Case> cases = {
        {"read the acceptance summary",
         [&](const Project& p) {
             summarystore::SummaryDocument document;
             summarystore::ReadDocument(connection, SummaryKind::Acceptance, p.number, document);
             return document.person + "|" + document.rtf;
         },
         {"U|{\\rtf1 U}", "L|{\\rtf1 L}", "S|{\\rtf1 S}"}},
        {"whether a progress report is stored",
         [&](const Project& p) {
             return std::string(summarystore::HasDocument(connection, SummaryKind::Progress, p.number) ==
                                        db::Found::Row
                                    ? "yes"
                                    : "no");
         },
         {"yes", "no", "yes"}},
        {"read the achievements",
         [&](const Project& p) {
             std::string names;
             for (const auto& row : summarystore::ReadAchievements(connection, p.number)) names += row.at(0);
             return names;
         },
         {"U", "L", "S"}},
        {"open the acceptance row",
         [&](const Project& p) { return Opened(acceptancestore::RowQuery(p.number), "SJWCR"); },
         {"U", "L", "S"}},
        {"open the acceptance word row",
         [&](const Project& p) { return Opened(acceptancestore::WordQuery(p.number), "xmmc"); },
         {"U", "L", "S"}},
        {"read the year plans",
         [&](const Project& p) {
             std::string schedules;
             for (const auto& plan : yearplanstore::ReadYearPlans(connection, p.number)) schedules += plan.schedule;
             return schedules;
         },
         {"U", "L", "S"}},
        {"save the acceptance summary with its achievements",
         [&](const Project& p) {
             summarystore::SummaryDocument document;
             document.person = document.name = "新";
             const std::vector<summarystore::Achievement> grid = {{"新成果", "", "", "新"}};
             EXPECT_TRUE(summarystore::StoreDocument(connection, SummaryKind::Acceptance, p.number, p.number, false,
                                                     document, &grid));
             return Joined("select SJWCR from corvane_itemcheckaccept where SJWCR = '新'") + "|" +
                    Joined("select MC from corvane_cghz where BZ in ('新', " + db::QuoteLiteral(p.tag) + ")");
         },
         {"新|新成果", "新|新成果", "新|新成果"}},
        {"delete the acceptance summary with its achievements",
         [&](const Project& p) {
             EXPECT_EQ(summarystore::DeleteDocuments(connection, SummaryKind::Acceptance, {p.number}),
                       std::vector<std::string>{p.number});
             return Joined("select count(*) from corvane_itemcheckaccept") + "|" +
                    Joined("select count(*) from corvane_cghz");
         },
         {"2|2", "2|2", "2|2"}},
        {"delete the acceptance row",
         [&](const Project& p) {
             EXPECT_TRUE(acceptancestore::DeleteRow(connection, p.number));
             return Joined("select count(*) from corvane_itemcheckaccept");
         },
         {"2", "2", "2"}},
        {"save a year plan",
         [&](const Project& p) {
             EXPECT_TRUE(yearplanstore::WriteYearPlan(connection, p.number, "第一年度", "9", "新",
                                                      File("goals.rtf", "g"), File("done.rtf", "d")));
             return Joined("select NDJF from corvane_itemyearplan where JDYQ = '新'");
         },
         {"9", "9", "9"}},
        {"delete the year plans",
         [&](const Project& p) {
             EXPECT_TRUE(yearplanstore::DeletePlans(connection, p.number));
             return Joined("select count(*) from corvane_itemyearplan");
         },
         {"2", "2", "2"}},
        {"import the project's own acceptance summary bundle",
         [&](const Project& p) {
             const std::string folder = files.File("bundle" + p.tag);
             SummaryBundle bundle(connection, SummaryBundle::Variant::AcceptanceSummary);
             EXPECT_EQ(bundle.Export(p.number, folder), SummaryBundle::ExportResult::Exported);
             Exec("update corvane_itemcheckaccept set BACKUPNAME = 'changed' where SJWCR = " +
                  db::QuoteLiteral(p.tag));
             driver.ExpectMessageBox("提示", "项目" + p.stored + "的验收总结已存在，确定覆盖吗？");
             EXPECT_EQ(bundle.Import(sys::JoinPath(folder, sys::SafeFileName(p.number) + "." +
                                                            SummaryBundle::kExtension)),
                       1);
             return Joined("select BACKUPNAME from corvane_itemcheckaccept where SJWCR = " + db::QuoteLiteral(p.tag)) +
                    "|" + Joined("select MC from corvane_cghz where BZ = " + db::QuoteLiteral(p.tag));
         },
         {"U|U", "L|L", "S|S"}},
    };
    legacypair::RunOnEachProject(connection, cases, [&] { Seed(); },
                                 {"select XMBH, XMMC, PFJF from corvane_itemappinfo where XMMC",
                                  "select XMBH, SJWCR, BACKUPNAME from corvane_itemcheckaccept where SJWCR",
                                  "select XMBH, SJWCR from corvane_itemprogress where SJWCR",
                                  "select XMBH, BZ, MC from corvane_cghz where BZ",
                                  "select XMBH, JDYQ, NDJF from corvane_itemyearplan where JDYQ"});
}
