// Project application bundles: what an export writes, what the full and the
// partial import store (every column, members, numbers, review rows), refused
// and unreadable bundles leaving the database as it was, and the roles.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <tuple>

#include "ExchangeTestSupport.h"
#include "application/ApplicationImportCheck.h"
#include "application/ProjectApplicationBundle.h"
#include "application/StoredApplicationDocument.h"
#include "foundation/LengthPrefixedContainer.h"
#include "platform/text/Text.h"
#include "platform/ui/App.h"

namespace {

// Guide code 9140A010108 (11), year 08, unit 0001: the 17-character prefix.
constexpr const char* kPrefix = "9140A010108080001";
const std::string kCode = std::string(kPrefix) + "001";
const std::vector<exchangetest::Member> kMembers = {{"张三", "男", "40", "教授", "一所", "12", "总体"},
                                                    {"李四", "女", "35", "讲师", "二所", "6", "试验"}};

class Bundle : public ExchangeTest {
protected:
    std::string Export(const std::string& code) {
        EXPECT_TRUE(ProjectApplicationBundle(connection).Export(code, files.Path())) << code;
        return files.File(ProjectApplicationBundle::FileName(code));
    }
    int Import(const std::string& path, bool partial = false) {
        ProjectApplicationBundle bundle(connection);
        return partial ? bundle.ImportPartial(path, problem) : bundle.Import(path, problem);
    }
    // A stored project, with the codes its number is made of, exported and
    // then removed from the database.
    std::string ExportAndRemove(const std::string& code, const std::map<std::string, std::string>& texts = {},
                                const std::map<std::string, std::string>& blobs = {}) {
        StoreProject(code, exchangetest::WithCodesOf(code, texts), blobs, kMembers);
        const std::string path = Export(code);
        Exec("delete from corvane_itemappinfo");
        Exec("delete from corvane_project_sqcy");
        return path;
    }
    long CountRows(const std::string& table) { return static_cast<long>(Query("select * from " + table).size()); }

    bool problem = false;
};

TEST_F(Bundle, ExportWritesTwoSavedRecordsetsWithoutMarkerAndRemovesItsScratchFiles) {
    StoreProject(kCode, {{"XMMC", "项目"}});
    const std::string path = Export(kCode);
    EXPECT_EQ(sys::FileName(path), kCode + ".proapp");
    EXPECT_EQ(sys::ListFiles(files.Path(), ""), std::vector<std::string>{kCode + ".proapp"});

    std::string bytes;
    ASSERT_TRUE(sys::ReadFile(path, bytes));
    std::vector<std::string> parts;
    ASSERT_EQ(LengthPrefixedContainer::Unpack(bytes, std::nullopt, 2, parts), LengthPrefixedContainer::ReadResult::Ok);
    EXPECT_EQ(bytes.size(), 8 + parts[0].size() + parts[1].size());
    const long expectedRows[] = {1, 0};  // a project without members still has a complete member part
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(sys::WriteFileAtomic(files.File("part.xml"), parts[i]));
        CAdoRecordSet rs;
        ASSERT_TRUE(rs.OpenFromFile(files.File("part.xml"))) << i;
        EXPECT_EQ(rs.GetRecordCount() < 0 ? 0 : rs.GetRecordCount(), expectedRows[i]) << i;
        EXPECT_EQ(rs.GetFieldCount(), i == 0 ? 82 : 8) << i;
    }
}

// Legacy data: two projects whose numbers differ only in letter case (the
// database takes them for one number). Exporting either writes its own
// application row and members only.
TEST_F(Bundle, ExportOfOneOfALegacyPairOfNumbersWritesItsOwnRows) {
    const std::string upper = kCode, lower = "9140a010108080001001";
    StoreProject(upper, {{"XMMC", "大写"}}, {}, {kMembers[0]});
    StoreProject(lower, {{"XMMC", "小写"}}, {}, {kMembers[1]});
    for (const auto& [number, name, member] : {std::tuple{upper, "大写", "张三"}, std::tuple{lower, "小写", "李四"}}) {
        SCOPED_TRACE(number);
        std::string bytes;
        ASSERT_TRUE(sys::ReadFile(Export(number), bytes));
        std::vector<std::string> parts;
        ASSERT_EQ(LengthPrefixedContainer::Unpack(bytes, std::nullopt, 2, parts),
                  LengthPrefixedContainer::ReadResult::Ok);
        const std::pair<const char*, std::string> expected[] = {{"XMMC", name}, {"XM", member}};
        for (int i = 0; i < 2; ++i) {
            ASSERT_TRUE(sys::WriteFileAtomic(files.File("part.xml"), parts[i]));
            CAdoRecordSet rs;
            ASSERT_TRUE(rs.OpenFromFile(files.File("part.xml"))) << i;
            ASSERT_EQ(rs.GetRecordCount(), 1) << i;
            std::string value;
            rs.GetString(expected[i].first, value);
            EXPECT_EQ(value, expected[i].second) << i;
        }
        sys::RemoveFile(files.File(ProjectApplicationBundle::FileName(number)));
    }
}

TEST_F(Bundle, ExportOfAProjectWithoutRowFailsAndWritesNothing) {
    EXPECT_FALSE(ProjectApplicationBundle(connection).Export(kCode, files.File("out")));
    EXPECT_FALSE(sys::FileExists(files.File("out/" + kCode + ".proapp")));
    EXPECT_TRUE(sys::ListFiles(files.File("out"), "").empty());
}

// Every column of a stored application gets a distinct value; after export,
// removal and import each column must come back, apart from those the import
// sets itself or leaves out.
TEST_F(Bundle, ImportCopiesEveryColumnByteForByte) {
    struct Case {
        bool partial;
        std::vector<std::string> leftOut;
    };
    const std::vector<std::string> neverImported = {"PFJF", "YBJF", "ZWCXS", "DOCNAME", "DOC"};
    std::vector<std::string> withoutChapters = neverImported;
    for (const char* chapter : {"GNYNH", "JSXQFX", "GNWYJQK", "YJMBNR", "YJFFJSLX", "ZYCXD", "YJJHJQJZ", "YJCGKHZB",
                                "YJGZJCCJ", "XYYJTJ", "GZJL", "CKWX", "DWXSWYHYJ", "DWSCYJ", "TJYJ1", "TJYJ2"})
        withoutChapters.push_back(chapter);

    for (const Case& c : {Case{false, neverImported}, Case{true, withoutChapters}}) {
        SCOPED_TRACE(c.partial ? "partial" : "full");
        std::map<std::string, std::string> texts, blobs;
        {
            CAdoRecordSet rs;
            rs.SetConnection(&connection);
            ASSERT_TRUE(rs.Open("select * from corvane_itemappinfo"));
            for (long i = 0; i < rs.GetFieldCount(); ++i) {
                const ado::ColumnInfo& info = rs.GetFields()->Column(i);
                if (info.name == "XMBH") continue;
                if (info.IsLong()) blobs[info.name] = std::string("{\\rtf\0\xff", 7) + info.name;
                else texts[info.name] = text::Format("%ld", i);
            }
        }
        texts["FIRSTAPPR"] = "-";
        texts["SQZNDM"] = "9140A010108";  // the codes the number is made of
        texts["NF"] = "2008";
        texts["DWDM"] = "0001";
        const std::string path = ExportAndRemove(kCode, texts, blobs);
        ASSERT_EQ(Import(path, c.partial), 1);
        ASSERT_EQ(Codes(), Rows{{kCode}});
        EXPECT_EQ(Members(kCode), (Rows{kMembers[0], kMembers[1]}));

        for (const auto& [column, value] : texts) {
            const bool leftOut = std::find(c.leftOut.begin(), c.leftOut.end(), column) != c.leftOut.end();
            const std::string expected = column == "FIRSTAPPR" ? "+" : leftOut ? "" : value;
            EXPECT_EQ(Query("select " + column + " from corvane_itemappinfo")[0][0], expected) << column;
        }
        for (const auto& [column, bytes] : blobs) {
            const bool leftOut = std::find(c.leftOut.begin(), c.leftOut.end(), column) != c.leftOut.end();
            EXPECT_EQ(Blob(kCode, column), leftOut ? "" : bytes) << column;
        }
        Exec("delete from corvane_itemappinfo");
        Exec("delete from corvane_project_sqcy");
    }
}

TEST_F(Bundle, RichTextsStoredAsNullStayNull) {
    const std::string path = ExportAndRemove(kCode, {}, {{"XMJJ", ""}});
    ASSERT_EQ(Import(path), 1);
    EXPECT_EQ(Query("select count(*) from corvane_itemappinfo where XMJJ is not null and GNYNH is null"), (Rows{{"1"}}));
}

TEST_F(Bundle, ImportedProjectsAreNumberedUnderTheirPrefix) {
    struct Case {
        int stored;
        std::string expectedSerial;
    };
    const std::string path = ExportAndRemove(kPrefix + std::string("500"));
    for (const Case& c : {Case{0, "001"}, Case{9, "010"}, Case{99, "100"}, Case{999, "1000"}}) {
        Exec("delete from corvane_itemappinfo");
        testdb::Table stored{"corvane_itemappinfo", {"XMBH"}, {}};
        for (int i = 1; i <= c.stored; ++i) stored.rows.push_back({text::Format("%s%03d", kPrefix, i)});
        connection.BeginTrans();
        testdb::Seed(connection, stored);
        connection.CommitTrans();
        ASSERT_EQ(Import(path), 1) << c.stored;
        EXPECT_TRUE(ProjectApplicationBundle(connection).IsRecordExist(kPrefix + c.expectedSerial)) << c.stored;
    }
}

TEST_F(Bundle, ASerialLeftInUseByAGapIsPassedOver) {
    // Two projects under the prefix, 001 and 003: the counted serial 003 is taken.
    const std::string path = ExportAndRemove(kPrefix + std::string("500"));
    StoreProject(kPrefix + std::string("001"));
    StoreProject(kPrefix + std::string("003"));
    ASSERT_EQ(Import(path), 1);
    EXPECT_EQ(Codes(), (Rows{{kPrefix + std::string("001")}, {kPrefix + std::string("003")}, {kPrefix + std::string("004")}}));
}

TEST_F(Bundle, FullImportNumbersEveryImportPartialImportKeepsAFreeNumber) {
    const std::string bundleCode = kPrefix + std::string("005");
    const std::string path = ExportAndRemove(bundleCode);

    ASSERT_EQ(Import(path), 1);
    ASSERT_EQ(Import(path), 1);
    EXPECT_EQ(Codes(), (Rows{{kPrefix + std::string("001")}, {kPrefix + std::string("002")}}));

    Exec("delete from corvane_itemappinfo");
    Exec("delete from corvane_project_sqcy");
    ASSERT_EQ(Import(path, true), 1);
    ASSERT_EQ(Import(path, true), 1);
    EXPECT_EQ(Codes(), (Rows{{kPrefix + std::string("002")}, {bundleCode}}));
    EXPECT_EQ(Members(kPrefix + std::string("002")).size(), 2u);
    EXPECT_FALSE(problem);
}

// Rows a removed project left under a number are never given to an imported
// project: it takes the next number no row holds, in full and in partial
// imports alike.
TEST_F(Bundle, RowsLeftUnderANumberAreNotGivenToAnImportedProject) {
    const std::string path = ExportAndRemove(kCode);
    StoreProject("other", {}, {}, {{"王五", "男", "50", "", "", "", ""}});
    Exec("update corvane_project_sqcy set ITE_XMBH = '" + kCode + "'");
    Exec("delete from corvane_itemappinfo");

    ASSERT_EQ(Import(path), 1);
    ASSERT_EQ(Import(path, true), 1);
    EXPECT_EQ(Codes(), (Rows{{kPrefix + std::string("002")}, {kPrefix + std::string("003")}}));
    EXPECT_EQ(Members(kCode).size(), 1u);  // the left rows stay where they were
    EXPECT_EQ(Members(kPrefix + std::string("002")), (Rows{kMembers[0], kMembers[1]}));
}

// A number or codes of other characters than ASCII letters and digits (a
// full-width digit) are refused, naming the field.
TEST_F(Bundle, CodesOfOtherCharactersThanAsciiLettersAndDigitsAreRefused) {
    const struct {
        const char *column, *value, *message;
    } cases[] = {
        {"DWDM", "０００１", "单位代码只能由英文字母和数字组成！"},
        {"SQZNDM", "9140A０10108", "指南代码只能由英文字母和数字组成！"},
    };
    for (const auto& c : cases) {
        const std::string path = ExportAndRemove(kCode, {{c.column, c.value}});
        driver.ExpectMessageBox("提示", kCode + ".proapp：" + c.message);
        EXPECT_EQ(Import(path), 0) << c.column;
        EXPECT_TRUE(driver.Finished()) << c.column;
        EXPECT_TRUE(Codes().empty()) << c.column;
    }
    const std::string path = ExportAndRemove("9140A010108080００1001");
    driver.ExpectMessageBox("提示", "9140A010108080００1001.proapp：项目编号只能由英文字母和数字组成！");
    EXPECT_EQ(Import(path), 0);
    EXPECT_TRUE(Codes().empty());
}

// The imported project is numbered after the bundle's number: a number of
// another shape (letters only, too short, a year part that is no year, a
// path) is refused and named, in full and partial imports alike, while the
// good bundle beside them is stored.
TEST_F(Bundle, NumbersOfAnotherShapeAreRefusedAndNamed) {
    const std::string good = ExportAndRemove(kCode);
    const char* const malformed[] = {"X", "9140A0101080800", "9140A010108XX0001001", "9140A0101080800010"};
    for (bool partial : {false, true}) {
        for (const char* number : malformed) {
            SCOPED_TRACE(number);
            const std::string path = ExportAndRemove(number);
            driver.ExpectMessageBox("提示", "文件" + sys::FileName(path) + "中的项目编号" + number +
                                                "不是有效的项目编号，未导入！");
            EXPECT_EQ(Import(path, partial), 0);
            EXPECT_TRUE(driver.Finished());
            EXPECT_TRUE(Codes().empty());
            EXPECT_EQ(CountRows("corvane_project_sqcy"), 0);
        }
        EXPECT_EQ(Import(good, partial), 1);
        EXPECT_EQ(Codes(), (Rows{{kCode}}));
        Exec("delete from corvane_itemappinfo");
        Exec("delete from corvane_project_sqcy");
    }
}

// The project is numbered under the bundle's prefix and stored with the
// row's codes: a number whose guide code, year or unit code disagrees with
// the row's own is refused and named, for every role, before any check or
// write. Bundles as the form writes them come in, also when a code was
// retyped in other letter case (the project kept its number). An applicant
// unit takes a number of its own unit only: one whose codes agree but name a
// unit it does not hold is refused by the unit check.
TEST_F(Bundle, NumbersThatDisagreeWithTheirRowsCodesAreRefusedAndNamed) {
    testdb::Seed(connection, {"corvane_unit", {"DWDM"}, {{"0001"}}});
    const std::string disagrees = "与其指南代码、年份及单位代码不符，未导入！";
    const struct Case {
        const char* what;
        std::string number;
        std::map<std::string, std::string> codes;  // the row's, where they are not the number's own
        std::string message;                        // empty: imported
    } cases[] = {
        {"as the form writes it", kCode, {}, ""},
        {"a code retyped in lower case", kCode, {{"SQZNDM", "9140a010108"}}, ""},
        {"a number in lower case", "9140a010108080001001", {{"SQZNDM", "9140A010108"}}, ""},
        {"another unit's number", "9140A010108080002001", {{"DWDM", "0001"}}, disagrees},
        {"another year's number", "9140A010108090001001", {{"NF", "2008"}}, disagrees},
        {"another guide's number", "9140A010109080001001", {{"SQZNDM", "9140A010108"}}, disagrees},
        {"a guide code of another length", kCode, {{"SQZNDM", "9140A01010"}}, disagrees},
        {"a year of two digits", kCode, {{"NF", "08"}}, disagrees},
        {"a row without its unit code", kCode, {{"DWDM", ""}}, disagrees},
        {"a row without its codes", kCode, {{"SQZNDM", ""}, {"NF", ""}, {"DWDM", ""}}, disagrees},
    };
    for (int role : {1, 2}) {
        exchangetest::SetRole(role);
        for (bool partial : {false, true}) {
            for (const Case& c : cases) {
                SCOPED_TRACE(std::string(c.what) + (partial ? " partial" : " full") + " role " + std::to_string(role));
                const std::string path = ExportAndRemove(c.number, c.codes);
                if (!c.message.empty())
                    driver.ExpectMessageBox("提示", "文件" + sys::FileName(path) + "中的项目编号" + c.number + c.message);
                ApplicationImportCheck::ClearLog();
                EXPECT_EQ(Import(path, partial), c.message.empty() ? 1 : 0);
                EXPECT_TRUE(driver.Finished());
                EXPECT_EQ(CountRows("corvane_itemappinfo"), c.message.empty() ? 1 : 0);
                EXPECT_EQ(CountRows("corvane_project_sqcy"), c.message.empty() ? 2 : 0);
                if (!c.message.empty()) {
                    // Not checked against the guides; the fund office's log names the refusal.
                    std::string log;
                    sys::ReadFile(ApplicationImportCheck::LogPath(), log);
                    EXPECT_EQ(log, role == 2 ? "导入文件：" + path + "\n文件" + sys::FileName(path) + "中的项目编号" +
                                                   c.number + c.message + "\n\n\n"
                                             : "");
                }
                Exec("delete from corvane_itemappinfo");
                Exec("delete from corvane_project_sqcy");
            }
        }
    }

    // An applicant unit: the number and its row name a unit it does not hold.
    exchangetest::SetRole(1);
    const std::string path = ExportAndRemove("9140A010108080002001");
    driver.ExpectMessageBox("提示", "单位代码：0002 不存在或有误，请先修改单位信息再导入申请书！");
    EXPECT_EQ(Import(path), 0);
    EXPECT_TRUE(Codes().empty());
}

TEST_F(Bundle, UnreadableBundlesAreRefusedAndChangeNothing) {
    StoreProject(kCode, {}, {}, kMembers);
    std::string good;
    ASSERT_TRUE(sys::ReadFile(Export(kCode), good));
    std::vector<std::string> parts;
    ASSERT_EQ(LengthPrefixedContainer::Unpack(good, std::nullopt, 2, parts), LengthPrefixedContainer::ReadResult::Ok);
    StoreProject("empty");
    std::vector<std::string> emptyParts;
    {
        std::string bytes;
        ASSERT_TRUE(sys::ReadFile(Export("empty"), bytes));
        ASSERT_EQ(LengthPrefixedContainer::Unpack(bytes, std::nullopt, 2, emptyParts),
                  LengthPrefixedContainer::ReadResult::Ok);
    }

    struct Case {
        const char* what;
        std::string bytes;  // empty: no file at all
        bool otherKind = false;  // named as a file of another kind
    };
    const Case cases[] = {
        {"missing file", ""},
        {"not a container", "abc"},
        {"lengths beyond the end", good.substr(0, good.size() - 10)},
        {"application part is no recordset", LengthPrefixedContainer::Pack(std::nullopt, {"<xml/>", parts[1]})},
        {"member part is no recordset", LengthPrefixedContainer::Pack(std::nullopt, {parts[0], "junk"})},
        // Parts of other tables (as in a summary or transfer bundle renamed .proapp).
        {"application part without a row", LengthPrefixedContainer::Pack(std::nullopt, {emptyParts[1], parts[1]}), true},
        {"members in both places", LengthPrefixedContainer::Pack(std::nullopt, {parts[1], parts[1]}), true},
        {"the application in the members' place", LengthPrefixedContainer::Pack(std::nullopt, {parts[0], parts[0]}), true},
        {"the parts swapped", LengthPrefixedContainer::Pack(std::nullopt, {parts[1], parts[0]}), true},
    };
    const Rows codes = Codes();
    const long members = CountRows("corvane_project_sqcy");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = files.File(std::string(c.what) + ".proapp");
        if (!c.bytes.empty()) {
            ASSERT_TRUE(sys::WriteFileAtomic(path, c.bytes));
        }
        const std::string named = "文件" + std::string(c.what) + ".proapp";
        driver.ExpectMessageBox("提示", c.otherKind            ? named + "不是项目申请书文件，未导入！"
                                        : c.bytes.empty() ? named + "无法读取（不存在，或不是普通文件），未导入！"
                                                          : std::string("载入数据文件失败！"));
        EXPECT_EQ(Import(path), 0);
        EXPECT_EQ(Codes(), codes);
        EXPECT_EQ(CountRows("corvane_project_sqcy"), members);
    }
    EXPECT_FALSE(problem);
}

// Files that are no regular file, or hold a part beyond the bound, are
// refused at once and named with why, before anything is read into memory or
// written; a genuine bundle beside them still imports.
TEST_F(Bundle, PipesDevicesAndOversizePartsAreRefusedByName) {
    StoreProject(kCode, exchangetest::WithCodesOf(kCode), {}, kMembers);
    const std::string genuine = Export(kCode);
    Exec("delete from corvane_itemappinfo");
    Exec("delete from corvane_project_sqcy");
    ASSERT_EQ(::mkfifo(files.File("pipe.proapp").c_str(), 0600), 0);
    std::string head = LengthPrefixedContainer::Pack(std::nullopt, {"x"});
    for (int shift = 0; shift < 32; shift += 8) head.push_back(static_cast<char>(((1200u << 20) >> shift) & 0xFF));
    const std::string oversize = files.File("oversize.proapp");  // a second part of 1.2 GB, all a hole
    ASSERT_TRUE(sys::WriteFileAtomic(oversize, head));
    ASSERT_EQ(::truncate(oversize.c_str(), static_cast<off_t>(head.size() + (1200u << 20))), 0);
    const struct {
        std::string path, message;
        int imported;
    } cases[] = {
        {files.File("pipe.proapp"), "文件pipe.proapp无法读取（不存在，或不是普通文件），未导入！", 0},
        {"/dev/zero", "文件zero无法读取（不存在，或不是普通文件），未导入！", 0},
        {files.Path(), "文件" + sys::FileName(files.Path()) + "无法读取（不存在，或不是普通文件），未导入！", 0},
        {oversize, "文件oversize.proapp中有一部分大于256MB，未导入！", 0},
        {genuine, "", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        if (!c.message.empty()) driver.ExpectMessageBox("提示", c.message);
        EXPECT_EQ(Import(c.path), c.imported);
        EXPECT_EQ(Codes().size(), std::size_t(c.imported));
        EXPECT_EQ(CountRows("corvane_project_sqcy"), c.imported ? long(kMembers.size()) : 0L);
    }
}

TEST_F(Bundle, ARefusedMemberRowRollsTheWholeBundleBack) {
    const std::string path = ExportAndRemove(kCode);
    // The database refuses the second member row, after the application row and the first member.
    Exec("create trigger refuse_member before insert on CORVANE_PROJECT_SQCY when NEW.XM = '李四' "
         "begin select raise(abort, 'refused'); end");
    EXPECT_EQ(Import(path), 0);
    EXPECT_TRUE(Codes().empty());
    EXPECT_EQ(CountRows("corvane_project_sqcy"), 0);
}

TEST_F(Bundle, PartialImportOfAKeyLaboratoryProjectRecordsItsReviewRow) {
    struct Case {
        std::string category;
        bool partial;
        Rows expected;
    };
    const std::map<std::string, std::string> amounts = {
        {"SQJE", "12.5"}, {"SJF", ""}, {"CLF", " 1"}, {"WXF", "3"}, {"ZYF", "0"},
        {"SYF", "0.25"},  {"GDZCF", "7"}, {"GZF", "8"},  {"GLF", "9"}};
    const Rows reviewRow = {{kCode, "+", "12.5000", "", "1.0000", "3.0000", "0.0000", "0.2500", "7.0000", "8.0000", "9.0000"}};
    const Case cases[] = {
        {"重点实验室基金——重点项目", true, reviewRow},
        {"重点实验室基金——一般项目", true, reviewRow},
        {"重点实验室基金——重点项目", false, {}},
        {"共性技术基金——一般项目", true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.category + (c.partial ? " partial" : " full"));
        std::map<std::string, std::string> texts = amounts;
        texts["XMLB"] = c.category;
        const std::string path = ExportAndRemove(kCode, texts);
        Exec("delete from corvane_itempf");
        ASSERT_EQ(Import(path, c.partial), 1);
        EXPECT_EQ(Query("select XMBH, PSJG, PFJF, PFSJF, PFCLF, PFWXF, PFZYF, PFSYF, PFGDZCF, PFGZF, PFGLF "
                        "from corvane_itempf"),
                  c.expected);
        Exec("delete from corvane_itemappinfo");
    }
}

// Amounts a key-laboratory review row cannot hold are refused: the bundle is
// named with those the database refused and nothing of it is stored.
TEST_F(Bundle, KeyLaboratoryAmountsOutOfRangeOrNoNumbersAreRefused) {
    for (const char* amount : {"1e39", "-5", "abc", "inf", "nan", "1);--", "1e400", "-0.01"}) {
        SCOPED_TRACE(amount);
        const std::string path = ExportAndRemove(kCode, {{"XMLB", "重点实验室基金——重点项目"}, {"SQJE", "12"}, {"CLF", amount}});
        Exec("delete from corvane_itempf");
        ProjectApplicationBundle bundle(connection);
        EXPECT_EQ(bundle.ImportPartial(path, problem), 0);
        EXPECT_EQ(bundle.FailedFiles(), std::vector<std::string>{sys::FileName(path)});
        EXPECT_EQ(CountRows("corvane_itemappinfo"), 0);
        EXPECT_EQ(CountRows("corvane_itempf"), 0);
    }
}

TEST_F(Bundle, AShortCategoryFromAnOlderFormIsStoredAsItsFullName) {
    const struct {
        std::string code, category, stored;
        long reviewRows;  // partial import: key-laboratory projects get one
    } cases[] = {
        {kCode, "重点项目", "共性技术基金——重点项目", 0},
        {"9140C010108080001001", "一般项目", "重点实验室基金——一般项目", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.category);
        const std::string path = ExportAndRemove(c.code, {{"XMLB", c.category}});
        Exec("delete from corvane_itempf");
        ASSERT_EQ(Import(path, true), 1);
        EXPECT_EQ(Query("select XMBH, XMLB from corvane_itemappinfo"), (Rows{{c.code, c.stored}}));
        EXPECT_EQ(CountRows("corvane_itempf"), c.reviewRows);
        Exec("delete from corvane_itemappinfo");
    }
}

TEST_F(Bundle, AnApplicantUnitRefusesBundlesOfUnknownUnits) {
    exchangetest::SetRole(1);
    const std::string code = "9140A010108080009001";
    const std::string path =
        ExportAndRemove(code, {{"DOCNAME", "申请书.doc"}}, {{"DOC", std::string("doc\0bytes", 9)}});

    driver.ExpectMessageBox("提示", "单位代码：0009 不存在或有误，请先修改单位信息再导入申请书！");
    EXPECT_EQ(Import(path), 0);
    EXPECT_TRUE(Codes().empty());
    EXPECT_FALSE(sys::FileExists(ApplicationImportCheck::LogPath()));
    EXPECT_FALSE(problem);

    testdb::Seed(connection, {"corvane_unit", {"DWDM"}, {{"0009"}}});
    ASSERT_EQ(Import(path), 1);
    EXPECT_EQ(Query("select DOCNAME from corvane_itemappinfo"), (Rows{{"申请书.doc"}}));
    EXPECT_EQ(Blob(code, "DOC"), std::string("doc\0bytes", 9));
}

TEST_F(Bundle, TheFundOfficeImportsDespiteProblemsAndPlacesTheDocumentAsAFile) {
    exchangetest::SetRole(2);
    const std::map<std::string, std::string> texts = {
        {"XMLB", "共性技术基金——一般项目"}, {"SQZNDM", "9140A010108"}, {"NF", "2008"}, {"DOCNAME", "a.doc"}};
    const std::string path = ExportAndRemove(kCode, texts, {{"DOC", "first"}});

    ASSERT_EQ(Import(path), 1);
    EXPECT_TRUE(problem);
    EXPECT_EQ(Query("select DOCNAME from corvane_itemappinfo"), (Rows{{""}}));
    const std::string placed = StoredApplicationDocument::ApplicationFolder(kCode, "共性技术基金——一般项目") + "a.doc";
    EXPECT_EQ(placed, PathOf("申请书汇总/9140A01/一般项目/a.doc"));
    std::string bytes;
    ASSERT_TRUE(sys::ReadFile(placed, bytes));
    EXPECT_EQ(bytes, "first");

    // The same document name again: asked, and Cancel keeps the file.
    ASSERT_TRUE(sys::WriteFileAtomic(placed, "kept"));
    driver.ExpectMessageBox("提示", "文档\"a.doc\"已存在，确定覆盖吗？", IDCANCEL);
    ASSERT_EQ(Import(path), 1);
    ASSERT_TRUE(sys::ReadFile(placed, bytes));
    EXPECT_EQ(bytes, "kept");
    EXPECT_EQ(Codes().size(), 2u);
}

// A document name of 200 Chinese characters (600 bytes, more than a file
// name may hold) is placed under its shortened name with its extension; a
// document that cannot be written at all leaves its record uncounted.
TEST_F(Bundle, TheFundOfficePlacesADocumentOfAnOverlongNameAndCountsNoneItCouldNotWrite) {
    exchangetest::SetRole(2);
    std::string name;
    for (int i = 0; i < 200; ++i) name += "申";
    name += ".doc";
    const std::string path =
        ExportAndRemove(kCode, {{"XMLB", "共性技术基金——一般项目"}, {"DOCNAME", name}}, {{"DOC", "document bytes"}});
    const std::string folder = StoredApplicationDocument::ApplicationFolder(kCode, "共性技术基金——一般项目");

    ASSERT_EQ(Import(path), 1);
    const std::vector<std::string> placed = sys::ListFiles(folder, "");
    ASSERT_EQ(placed, std::vector<std::string>{sys::SafeFileName(name)});
    EXPECT_LE(placed[0].size(), sys::kMaxFileNameBytes);
    EXPECT_EQ(placed[0].substr(placed[0].size() - 4), ".doc");
    std::string bytes;
    ASSERT_TRUE(sys::ReadFile(sys::JoinPath(folder, placed[0]), bytes));
    EXPECT_EQ(bytes, "document bytes");

    // The folder cannot be made: a file stands where it should be.
    ASSERT_TRUE(sys::RemoveAll(folder));
    const std::string folderPath = sys::NativePath(folder).substr(0, sys::NativePath(folder).find_last_not_of('/') + 1);
    ASSERT_TRUE(sys::WriteFileAtomic(folderPath, "a file"));
    driver.ExpectMessageBox(ui::AppTitle(), "无法创建文件夹“" + folderPath + "”：路径中已有同名的文件，不能作为文件夹！");
    EXPECT_EQ(Import(path), 0);
    EXPECT_TRUE(driver.Finished());
}

// The document file is put in place only once the record is committed: a
// refused record neither leaves a new file (nor its hidden copy) nor
// replaces an existing one, even after the overwrite was agreed to (the
// question comes before the record's transaction).
TEST_F(Bundle, TheFundOfficeWritesNoDocumentFileForARefusedRecord) {
    exchangetest::SetRole(2);
    const std::string path =
        ExportAndRemove(kCode, {{"XMLB", "共性技术基金——一般项目"}, {"DOCNAME", "a.doc"}}, {{"DOC", "from the bundle"}});
    const std::string placed = StoredApplicationDocument::ApplicationFolder(kCode, "共性技术基金——一般项目") + "a.doc";
    Exec("create trigger refuse_member before insert on CORVANE_PROJECT_SQCY "
         "begin select raise(abort, 'refused'); end");
    EXPECT_EQ(Import(path), 0);
    EXPECT_TRUE(sys::ListFiles(sys::ParentFolder(placed), "").empty());

    ASSERT_TRUE(sys::WriteFileAtomic(placed, "kept"));
    driver.ExpectMessageBox("提示", "文档\"a.doc\"已存在，确定覆盖吗？", IDOK);
    EXPECT_EQ(Import(path), 0);
    EXPECT_TRUE(driver.Finished());
    std::string bytes;
    ASSERT_TRUE(sys::ReadFile(placed, bytes));
    EXPECT_EQ(bytes, "kept");
    EXPECT_EQ(sys::ListFiles(sys::ParentFolder(placed), ""), std::vector<std::string>{"a.doc"});
    EXPECT_TRUE(Codes().empty());
}

TEST_F(Bundle, GuideManagementNeitherChecksNorPlacesDocuments) {
    exchangetest::SetRole(0);
    const std::string path = ExportAndRemove(kCode, {{"DOCNAME", "a.doc"}}, {{"DOC", "x"}});
    ASSERT_EQ(Import(path), 1);
    EXPECT_FALSE(problem);
    EXPECT_EQ(Query("select DOCNAME from corvane_itemappinfo"), (Rows{{""}}));
    EXPECT_FALSE(sys::FolderExists(PathOf("申请书汇总")));
}

}  // namespace
