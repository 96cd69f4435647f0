// Checks of imported applications: the applicant unit's unit look-up, the
// fund office's tests against the year's research aspects with the lines
// they write into the import log, and roles that test nothing.
#include "ExchangeTestSupport.h"
#include "application/ApplicationImportCheck.h"

namespace {

constexpr const char* kGeneral = "共性技术基金——一般项目";
constexpr const char* kKey = "共性技术基金——重点项目";
constexpr const char* kLabKey = "重点实验室基金——重点项目";

class ImportCheck : public ExchangeTest {
protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        // Research aspects of 2008: general and key aspects directed to unit
        // 0001, a key-laboratory aspect, and one published without direction.
        testdb::Seed(connection, {"corvane_year_studyaspect",
                                  {"YJFXBH", "FBNF", "DWDM", "SFZDYJFX"},
                                  {{"9140A010108", "2008", "0001", "0"},
                                   {"9140A020108", "2008", "0001", "1"},
                                   {"9140C010108", "2008", "0001", "1"},
                                   {"9140A030108", "2008", " ", "0"}}});
    }
    bool Check(const std::string& unit, const std::string& guide, const std::string& category,
               const std::string& year = "2008", const std::string& path = "/in/a.proapp") {
        return ApplicationImportCheck(connection).CheckDWAvail(unit, guide, category, path, year);
    }
    static std::string Log() {
        std::string bytes;
        sys::ReadFile(ApplicationImportCheck::LogPath(), bytes);
        return bytes;
    }
};

TEST_F(ImportCheck, TheFundOfficeWritesOneLinePerProblemInTheOrderOfItsTests) {
    exchangetest::SetRole(2);
    struct Case {
        const char* what;
        std::string unit, guide, category, year;
        std::vector<std::string> lines;
    };
    const std::string guideLine = "指南代码：9140A010108 有误。";
    const Case cases[] = {
        {"fits", "0001", "9140A010108", kGeneral, "2008", {}},
        {"no aspect for the year: only the guide line", "0002", "9140A010108", kLabKey, "2009", {guideLine}},
        {"unit not directed", "0002", "9140A010108", kGeneral, "2008", {"单位代码：0002 不在定向发布单位之列。"}},
        {"key category on a general aspect", "0001", "9140A010108", kKey, "2008",
         {"指南代码：9140A010108 对应的项目类别错误。"}},
        {"key category on a key aspect", "0001", "9140A020108", kKey, "2008", {}},
        {"common-technology category under a laboratory code", "0001", "9140C010108", kKey, "2008",
         {"指南代码：9140C010108 对应的项目类别错误。"}},
        {"laboratory category under a common-technology code", "0001", "9140A020108", kLabKey, "2008",
         {"指南代码：9140A020108 对应的项目类别错误。"}},
        {"unknown category is tested as a key one", "0001", "9140A020108", "其他", "2008", {}},
        {"unknown category on a general aspect", "0001", "9140A010108", "其他", "2008",
         {"指南代码：9140A010108 对应的项目类别错误。"}},
        {"an undirected aspect is open to every unit", "0009", "9140A030108", kGeneral, "2008", {}},
        {"unit and category both wrong", "0002", "9140A010108", kKey, "2008",
         {"单位代码：0002 不在定向发布单位之列。", "指南代码：9140A010108 对应的项目类别错误。"}},
        {"quote in the codes", "0'1", "9140A'10108", kGeneral, "2008", {"指南代码：9140A'10108 有误。"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ApplicationImportCheck::ClearLog();
        EXPECT_EQ(Check(c.unit, c.guide, c.category, c.year), c.lines.empty());
        std::string expected;
        if (!c.lines.empty()) {
            expected = "导入文件：/in/a.proapp\n";
            for (const std::string& line : c.lines) expected += line + "\n";
            expected += "\n\n";
        }
        EXPECT_EQ(Log(), expected);
    }
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(ImportCheck, BlocksAreAppendedInImportOrder) {
    exchangetest::SetRole(2);
    ApplicationImportCheck::ClearLog();
    EXPECT_FALSE(Check("0001", "9140X", kGeneral, "2008", "/in/1.proapp"));
    EXPECT_TRUE(Check("0001", "9140A010108", kGeneral, "2008", "/in/2.proapp"));
    EXPECT_FALSE(Check("0002", "9140A010108", kGeneral, "2008", "/in/3.proapp"));
    EXPECT_EQ(Log(), "导入文件：/in/1.proapp\n指南代码：9140X 有误。\n\n\n"
                     "导入文件：/in/3.proapp\n单位代码：0002 不在定向发布单位之列。\n\n\n");
}

TEST_F(ImportCheck, AnApplicantUnitOnlyLooksTheUnitUp) {
    exchangetest::SetRole(1);
    testdb::Seed(connection, {"corvane_unit", {"DWDM"}, {{"0001"}}});
    EXPECT_TRUE(Check("0001", "nonsense", "其他", "1999"));
    driver.ExpectMessageBox("提示", "单位代码：0002 不存在或有误，请先修改单位信息再导入申请书！");
    EXPECT_FALSE(Check("0002", "9140A010108", kGeneral));
    EXPECT_EQ(driver.MessageBoxes().at(0).type, UINT(MB_ICONINFORMATION));
    EXPECT_FALSE(sys::FileExists(ApplicationImportCheck::LogPath()));
}

TEST_F(ImportCheck, GuideManagementTestsNothing) {
    exchangetest::SetRole(0);
    EXPECT_TRUE(Check("none", "none", "none", "none"));
    EXPECT_FALSE(sys::FileExists(ApplicationImportCheck::LogPath()));
}

}  // namespace
