// The guide and unit import view: five-year guide bundles of a folder, each
// in one transaction under the duplicate policy, and the unit file.
#include "ImportTestSupport.h"
#include "testsupport/CraftedBundle.h"

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

#include "exchange/import/DlgGuideImport.h"
#include "platform/sys/Process.h"

namespace {

using View = CDlgGuideImport;

class GuideImport : public ImportViewTest<View> {
protected:
    void SeedGuide(const std::string& fund, const std::string& name) {
        Exec("insert into corvane_fivefundguide (JJBH, FBNF, ZNMC, GS) values ('" + fund + "', '2011-2015', '" + name +
             "', X'C4DA')");
        testdb::Seed(db, {"corvane_five_studysubject",
                          {"ZTBH", "JJBH", "FBNF", "ZTMC"},
                          {{fund + "01", fund, "2011-2015", "专题"}}});
        testdb::Seed(db, {"corvane_five_studyaspect",
                          {"YJFXBH", "JJBH", "FBNF", "DWDM"},
                          {{fund + "0101", fund, "2011-2015", "U1"}, {fund + "0102", fund, "2011-2015", "U1"}}});
    }
    // The stored guide as a bundle, with the marker given.
    void BundleOf(const std::string& fund, char marker, const std::string& file) {
        const std::string key = " where JJBH='" + fund + "'";
        Bundle(file, marker,
               {Saved("select * from corvane_fivefundguide" + key), Saved("select * from corvane_five_studysubject" + key),
                Saved("select * from corvane_five_studyaspect" + key)});
    }
    long Rows(const char* table) { return Count(std::string("select * from ") + table + " where JJBH='G1'"); }
    void ExpectGuideRows(long guide, long subjects, long directions) {
        EXPECT_EQ(Rows("corvane_fivefundguide"), guide);
        EXPECT_EQ(Rows("corvane_five_studysubject"), subjects);
        EXPECT_EQ(Rows("corvane_five_studyaspect"), directions);
    }
};

TEST_F(GuideImport, BringsInFiveYearBundlesAndSkipsAnnualOnesAndBrokenFiles) {
    SeedGuide("G1", "原名");
    BundleOf("G1", '0', "G1.fund");
    BundleOf("G1", '1', "annual.fund");
    ASSERT_TRUE(sys::WriteFileAtomic(sys::JoinPath(in, "broken.fund"), std::string("0\xff\xff\x00\x00" "abc", 8)));
    for (const char* t : {"corvane_fivefundguide", "corvane_five_studysubject", "corvane_five_studyaspect"})
        Exec(std::string("delete from ") + t);
    OpenView();
    driver.AnswerFolder(in);
    driver.ExpectMessageBox("提示", "文件broken.fund无法读取，不是指南文件，未导入！");  // named; the annual one is not
    driver.ExpectMessageBox("提示", "共导入了1条数据！");
    view_->Click(View::IDC_BTN_IMPORT_GUIDEINFO);
    ExpectGuideRows(1, 1, 2);
    EXPECT_EQ(Value("select * from corvane_fivefundguide", "ZNMC"), "原名");
    for (const char* scratch : {"指南.xml", "专题.xml", "研究方向.xml"}) EXPECT_FALSE(sys::FileExists(sys::ScratchPath(scratch)));
}

// Bundles made from two genuine ones: a row of another guide, a repeated
// subject, no guide row, or a part of another kind is refused and named;
// neither stored guide changes, whatever the policy.
TEST_F(GuideImport, BundlesWithRowsOfAnotherGuideAreRefusedAndNamed) {
    SeedGuide("G1", "一");
    SeedGuide("G2", "二");
    const std::string key1 = " where JJBH='G1'", key2 = " where JJBH='G2'";
    const std::string guide1 = Saved("select * from corvane_fivefundguide" + key1),
                      subjects1 = Saved("select * from corvane_five_studysubject" + key1),
                      directions1 = Saved("select * from corvane_five_studyaspect" + key1),
                      subjects2 = Saved("select * from corvane_five_studysubject" + key2),
                      directions2 = Saved("select * from corvane_five_studyaspect" + key2),
                      noGuide = Saved("select * from corvane_fivefundguide where 1 = 0");
    // G1's subjects as rows of the annual guide's table: the same columns, another table.
    Exec("insert into corvane_year_studysubject (ZTBH, JJBH, FBNF, ZTMC) "
         "select ZTBH, JJBH, FBNF, ZTMC from corvane_five_studysubject" + key1);
    const std::string annualSubjects1 = Saved("select * from corvane_year_studysubject" + key1);
    const struct {
        const char* what;
        std::vector<std::string> parts;
    } cases[] = {
        {"subjects of another guide", {guide1, subjects2, directions1}},
        {"directions of another guide", {guide1, subjects1, directions2}},
        {"a subject twice", {guide1, crafted::FirstRowTwice(subjects1), directions1}},
        {"no guide row, rows of two guides", {noGuide, subjects1, directions2}},
        {"subjects in the guide's place", {subjects1, subjects1, directions1}},
        {"subjects of the annual guide's table", {guide1, annualSubjects1, directions1}},
    };
    OpenView();
    for (int policy : {0, 1}) {
        SetPolicy(policy);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            Bundle("crafted.fund", '0', c.parts);
            driver.AnswerFolder(in);
            driver.ExpectMessageBox("提示", "文件crafted.fund不是指南文件，或含有其他指南的记录，未导入！");
            driver.ExpectMessageBox("提示", "共导入了0条数据！");
            view_->Click(View::IDC_BTN_IMPORT_GUIDEINFO);
            ExpectGuideRows(1, 1, 2);
            EXPECT_EQ(Count("select * from corvane_five_studysubject where JJBH='G2'"), 1);
            EXPECT_EQ(Count("select * from corvane_five_studyaspect where JJBH='G2'"), 2);
        }
    }
}

// A bundle without any row was counted as imported having stored nothing:
// it is refused and named. One without its guide row still brings its
// subjects and directions.
TEST_F(GuideImport, ABundleWithoutAnyRowIsRefusedAndNamed) {
    SeedGuide("G1", "一");
    const std::string key = " where JJBH='G1'";
    const std::string subjects = Saved("select * from corvane_five_studysubject" + key),
                      directions = Saved("select * from corvane_five_studyaspect" + key),
                      noGuide = Saved("select * from corvane_fivefundguide where 1 = 0"),
                      noSubjects = Saved("select * from corvane_five_studysubject where 1 = 0"),
                      noDirections = Saved("select * from corvane_five_studyaspect where 1 = 0");
    OpenView();
    Bundle("rows.fund", '0', {noGuide, noSubjects, noDirections});
    driver.AnswerFolder(in);
    driver.ExpectMessageBox("提示", "文件rows.fund中没有指南的记录，未导入！");
    driver.ExpectMessageBox("提示", "共导入了0条数据！");
    view_->Click(View::IDC_BTN_IMPORT_GUIDEINFO);
    ExpectGuideRows(1, 1, 2);

    Exec("delete from corvane_five_studyaspect where YJFXBH='G10102'");
    Bundle("rows.fund", '0', {noGuide, subjects, directions});
    SetPolicy(0);
    driver.AnswerFolder(in);
    driver.ExpectMessageBox("提示", "共导入了1条数据！");
    view_->Click(View::IDC_BTN_IMPORT_GUIDEINFO);
    ExpectGuideRows(1, 1, 2);
}

// A guide of a period no five-year guide has would be stored where no list
// shows it: refused and named with the period.
TEST_F(GuideImport, ABundleOfAnotherPeriodIsRefusedAndNamed) {
    SeedGuide("G1", "一");
    for (const char* t : {"corvane_fivefundguide", "corvane_five_studysubject", "corvane_five_studyaspect"})
        Exec(std::string("update ") + t + " set FBNF = '2011-2013'");
    BundleOf("G1", '0', "G1.fund");
    for (const char* t : {"corvane_fivefundguide", "corvane_five_studysubject", "corvane_five_studyaspect"})
        Exec(std::string("delete from ") + t);
    OpenView();
    driver.AnswerFolder(in);
    driver.ExpectMessageBox("提示", "文件G1.fund中指南的发布年度“2011-2013”不是五年的年度范围，未导入！");
    driver.ExpectMessageBox("提示", "共导入了0条数据！");
    view_->Click(View::IDC_BTN_IMPORT_GUIDEINFO);
    ExpectGuideRows(0, 0, 0);
}

// Names like bundles that are no readable file are named in the report; a
// link to nothing does not stop the files after it from being read.
TEST_F(GuideImport, FoldersPipesAndBrokenLinksNamedLikeBundlesAreNamed) {
    SeedGuide("G1", "原名");
    BundleOf("G1", '0', "z-good.fund");
    for (const char* t : {"corvane_fivefundguide", "corvane_five_studysubject", "corvane_five_studyaspect"})
        Exec(std::string("delete from ") + t);
    ASSERT_TRUE(sys::MakeDirs(sys::JoinPath(in, "a-folder.fund")));
    ASSERT_EQ(::mkfifo(sys::JoinPath(in, "b-pipe.fund").c_str(), 0600), 0);
    ASSERT_EQ(::symlink(sys::JoinPath(in, "gone").c_str(), sys::JoinPath(in, "c-dangling.fund").c_str()), 0);
    OpenView();
    driver.AnswerFolder(in);
    driver.ExpectMessageBox("提示", "共导入了1条数据！\r\n以下名称不是可读取的文件，未导入：\r\na-folder.fund\r\nb-pipe.fund"
                                    "\r\nc-dangling.fund");
    view_->Click(View::IDC_BTN_IMPORT_GUIDEINFO);
    ExpectGuideRows(1, 1, 2);
}

TEST_F(GuideImport, NullRichTextsStayNullAndEmptyOnesEmpty) {
    SeedGuide("G1", "原名");
    Exec("update corvane_fivefundguide set ZMB = X''");
    BundleOf("G1", '0', "G1.fund");
    for (const char* t : {"corvane_fivefundguide", "corvane_five_studysubject", "corvane_five_studyaspect"})
        Exec(std::string("delete from ") + t);
    OpenView();
    ImportFolder(View::IDC_BTN_IMPORT_GUIDEINFO, 1);
    EXPECT_EQ(Count("select * from corvane_fivefundguide where GS is not null and GNWYJQK is null and ZMB = X''"), 1);
    EXPECT_EQ(Count("select * from corvane_five_studysubject where YJMD is null"), 1);
}

TEST_F(GuideImport, StoredGuideFollowsThePolicyAndAnOverwriteLeavesNoDoubles) {
    SeedGuide("G1", "文件里的名字");
    BundleOf("G1", '0', "G1.fund");
    Exec("update corvane_fivefundguide set ZNMC = '库里的名字'");
    OpenView();
    struct Case {
        int policy, answer, count;
        const char* name;
    } cases[] = {
        {1, 0, 0, "库里的名字"},
        {2, IDNO, 0, "库里的名字"},
        {2, IDYES, 1, "文件里的名字"},
        {0, 0, 1, "文件里的名字"},
    };
    for (const Case& c : cases) {
        SetPolicy(c.policy);
        driver.AnswerFolder(in);
        if (c.answer) driver.ExpectMessageBox("提示", "基金编号G1已存在，是否覆盖原有记录？", c.answer);
        driver.ExpectMessageBox("提示", "共导入了" + std::to_string(c.count) + "条数据！");
        view_->Click(View::IDC_BTN_IMPORT_GUIDEINFO);
        EXPECT_EQ(Value("select * from corvane_fivefundguide", "ZNMC"), c.name) << c.policy;
        ExpectGuideRows(1, 1, 2);
    }
}

// A bundle of a stored guide's subjects and directions without its guide
// row follows the policy for that guide: kept, its rows are not added beside
// the stored ones; replaced, its rows stand once and its guide row stays.
TEST_F(GuideImport, ABundleWithoutItsGuideRowFollowsThePolicyForTheStoredGuide) {
    SeedGuide("G1", "库里的名字");
    const std::string key = " where JJBH='G1'";
    Bundle("G1.fund", '0',
           {Saved("select * from corvane_fivefundguide where 1 = 0"), Saved("select * from corvane_five_studysubject" + key),
            Saved("select * from corvane_five_studyaspect" + key)});
    Exec("update corvane_five_studysubject set ZTMC = '库里的专题'");
    OpenView();
    struct Case {
        int policy, answer, count;
        const char* subject;
    } cases[] = {
        {1, 0, 0, "库里的专题"},
        {2, IDNO, 0, "库里的专题"},
        {2, IDYES, 1, "专题"},
        {0, 0, 1, "专题"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.policy);
        Exec("update corvane_five_studysubject set ZTMC = '库里的专题'");
        SetPolicy(c.policy);
        driver.AnswerFolder(in);
        if (c.answer) driver.ExpectMessageBox("提示", "基金编号G1已存在，是否覆盖原有记录？", c.answer);
        driver.ExpectMessageBox("提示", "共导入了" + std::to_string(c.count) + "条数据！");
        view_->Click(View::IDC_BTN_IMPORT_GUIDEINFO);
        EXPECT_TRUE(driver.Finished());
        ExpectGuideRows(1, 1, 2);
        EXPECT_EQ(Value("select * from corvane_fivefundguide", "ZNMC"), "库里的名字");
        EXPECT_EQ(Value("select * from corvane_five_studysubject", "ZTMC"), c.subject);
    }
}

TEST_F(GuideImport, UnitFileFollowsThePolicyRowByRow) {
    Exec("delete from corvane_unit");
    testdb::Seed(db, {"corvane_unit", {"DWDM", "DWMC", "SSBM"}, {{"U1", "文件一", "A"}, {"U2", "文件二", "B"}}});
    const std::string file = PathOf("单位信息.uif");
    ASSERT_TRUE(sys::WriteFileAtomic(file, Saved("select * from corvane_unit")));
    Exec("delete from corvane_unit where DWDM = 'U2'");
    Exec("update corvane_unit set DWMC = '库里' where DWDM = 'U1'");
    OpenView();

    SetPolicy(1);  // keep: only the missing unit comes in
    driver.AnswerFile(file);
    driver.ExpectMessageBox("提示", "共导入了1条数据！");
    view_->Click(View::IDC_BTN_IMPORT_UNITINFO);
    EXPECT_EQ(Value("select * from corvane_unit where DWDM='U1'", "DWMC"), "库里");
    EXPECT_EQ(Value("select * from corvane_unit where DWDM='U2'", "SSBM"), "B");

    SetPolicy(0);  // overwrite: every row is replaced and counted
    driver.AnswerFile(file);
    driver.ExpectMessageBox("提示", "共导入了2条数据！");
    view_->Click(View::IDC_BTN_IMPORT_UNITINFO);
    EXPECT_EQ(Value("select * from corvane_unit where DWDM='U1'", "DWMC"), "文件一");
    EXPECT_EQ(Count("select * from corvane_unit"), 2);

    driver.AnswerFile(PathOf("收到"));  // a folder, not a unit file: named, not "0 imported"
    driver.ExpectMessageBox("提示", "文件收到.uif不是可读取的单位信息文件（不存在），未导入任何数据！");
    view_->Click(View::IDC_BTN_IMPORT_UNITINFO);
    EXPECT_EQ(Count("select * from corvane_unit"), 2);
}

// A saved recordset of another table is refused before anything is written,
// whatever the policy: its rows would land in the unit's columns by position.
// Unit files as other offices write them: reserve columns under other names
// come in by position; a unit given twice (or in another case) is stored
// and counted once, and each later row named with the row it repeats.
TEST_F(GuideImport, UnitFilesWithOtherReserveNamesComeInAndRepeatedUnitsAreNamed) {
    Exec("delete from corvane_unit");
    OpenView();
    SetPolicy(0);
    const struct {
        const char* what;
        const char* select;
        int count;
        const char* refused;   // the rows named after the count
        const char* reserve;   // the first reserve column of U1 as stored
    } cases[] = {
        {"reserve columns of other names",
         "select DWDM, DWMC, SSBM, DWJC, KYGLBM, YZBM, TXDZ, SZS, DWSZCS, LXR, DH, SJ, KHYH, KHDW, ZH, "
         "'r1' as R1, 'r2' as R2, BY3 as OTHER3, BY4, BY5, BY6 from corvane_unit",
         2, "", "r1"},
        {"a code twice and once in another case",
         "select * from corvane_unit union all select * from corvane_unit where DWDM = 'U1' "
         "union all select 'u2', '小写', SSBM, DWJC, KYGLBM, YZBM, TXDZ, SZS, DWSZCS, LXR, DH, SJ, KHYH, KHDW, ZH, "
         "BY1, BY2, BY3, BY4, BY5, BY6 from corvane_unit where DWDM = 'U2'",
         2, "\r\n以下记录未导入：\r\n第3条：单位代码U1与第1条重复\r\n第4条：单位代码u2与第2条重复", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Exec("delete from corvane_unit");
        testdb::Seed(db, {"corvane_unit", {"DWDM", "DWMC", "SSBM"}, {{"U1", "文件一", "A"}, {"U2", "文件二", "B"}}});
        const std::string file = PathOf("单位信息.uif");
        ASSERT_TRUE(sys::WriteFileAtomic(file, Saved(c.select)));
        Exec("delete from corvane_unit");
        driver.AnswerFile(file);
        driver.ExpectMessageBox("提示", "共导入了" + std::to_string(c.count) + "条数据！" + c.refused);
        view_->Click(View::IDC_BTN_IMPORT_UNITINFO);
        EXPECT_EQ(Count("select * from corvane_unit"), c.count);
        EXPECT_EQ(Value("select * from corvane_unit where DWDM='U2'", "DWMC"), "文件二");
        EXPECT_EQ(Value("select * from corvane_unit where DWDM='U1'", "BY1"), c.reserve);
    }
}

TEST_F(GuideImport, ForeignFilesAreRefusedBeforeAnythingIsWritten) {
    Exec("delete from corvane_unit");
    testdb::Seed(db, {"corvane_unit", {"DWDM", "DWMC"}, {{"U1", "库里"}}});
    SeedGuide("G1", "方向表");
    const std::string file = PathOf("单位信息.uif");
    ASSERT_TRUE(sys::WriteFileAtomic(file, Saved("select * from corvane_five_studyaspect")));
    OpenView();
    SetPolicy(0);
    driver.AnswerFile(file);
    driver.ExpectMessageBox("提示", "文件单位信息.uif不是单位信息文件（其列与单位信息的列不符），未导入任何数据！");
    view_->Click(View::IDC_BTN_IMPORT_UNITINFO);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(Count("select * from corvane_unit"), 1);
    EXPECT_EQ(Value("select * from corvane_unit", "DWMC"), "库里");

    // A guide bundle whose direction part is the unit table.
    Bundle("G2.fund", '0', {Saved("select * from corvane_fivefundguide where JJBH='G1'"),
                            Saved("select * from corvane_five_studysubject where JJBH='G1'"),
                            Saved("select * from corvane_unit")});
    for (const char* t : {"corvane_fivefundguide", "corvane_five_studysubject", "corvane_five_studyaspect"})
        Exec(std::string("delete from ") + t);
    driver.AnswerFolder(in);
    driver.ExpectMessageBox("提示", "文件G2.fund不是指南文件，或含有其他指南的记录，未导入！");
    driver.ExpectMessageBox("提示", "共导入了0条数据！");
    view_->Click(View::IDC_BTN_IMPORT_GUIDEINFO);
    ExpectGuideRows(0, 0, 0);
}

}  // namespace

namespace {

// Unit files made from a genuine export, each changed in one way: an
// unreadable file is named with its reason and writes nothing; a unit the
// database refuses, or a row without its code, is named and not counted,
// and the file's other units come in.
TEST_F(GuideImport, CraftedUnitFilesAreNamedWithTheirReason) {
    Exec("delete from corvane_unit");
    testdb::Seed(db, {"corvane_unit", {"DWDM", "DWMC", "SSBM"}, {{"U1", "单位一", "A"}, {"U2", "单位二", "B"}}});
    const std::string genuine = Saved("select * from corvane_unit order by DWDM");
    const std::string file = PathOf("单位信息.uif");
    const std::string unreadable = "文件单位信息.uif不是可读取的单位信息文件（";
    // The line of the spoilt value, as the reason gives it.
    const std::string line =
        "第" + std::to_string(std::count(genuine.begin(), genuine.begin() + long(genuine.find("单位一")), '\n') + 1) +
        "行：";
    const struct {
        const char* what;
        std::string bytes;
        std::string message;  // the first words of the one message
        long stored;          // units stored afterwards
    } cases[] = {
        {"cut short", genuine.substr(0, genuine.size() / 2), unreadable + "第", 0},
        {"not UTF-8", crafted::Replaced(genuine, "单位一", "\xff\xfe"),
         unreadable + line + "含有不是UTF-8编码的字节，或声明了无法识别的编码）", 0},
        {"a NUL byte", crafted::Replaced(genuine, "单位一", std::string("a\0b", 3)),
         unreadable + line + "含有空字符（XML不允许的字符））", 0},
        {"a document type", "<!DOCTYPE xml>" + genuine, unreadable + "不是保存的记录集（含有文档类型声明））", 0},
        {"a unit the database refuses", crafted::Replaced(genuine, "单位二", std::string(300, 'x')),
         "共导入了1条数据！\r\n以下记录未导入：\r\n第2条：DWMC的值超过255个字符", 1},
        {"a unit without its code", crafted::Replaced(genuine, "DWDM='U2'", ""),
         "共导入了1条数据！\r\n以下记录未导入：\r\n第2条：没有单位代码", 1},
        {"the genuine file", genuine, "共导入了2条数据！", 2},
    };
    OpenView();
    SetPolicy(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Exec("delete from corvane_unit");
        ASSERT_TRUE(sys::WriteFileAtomic(file, c.bytes));
        driver.AnswerFile(file);
        driver.AnswerMessageBox(IDOK);
        view_->Click(View::IDC_BTN_IMPORT_UNITINFO);
        EXPECT_TRUE(driver.Finished());
        ASSERT_FALSE(driver.MessageBoxes().empty());
        EXPECT_EQ(driver.MessageBoxes().back().text.rfind(c.message, 0), 0u) << driver.MessageBoxes().back().text;
        EXPECT_EQ(Count("select * from corvane_unit"), c.stored);
    }
}

}  // namespace
