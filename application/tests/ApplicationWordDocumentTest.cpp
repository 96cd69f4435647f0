// The Word application document: which cells and lines each part fills,
// the member table for few and many members, the budget total, the
// chapters from their scratch files, and the refusals.
#include <gtest/gtest.h>

#include "application/ApplicationWordDocument.h"
#include "application/ProApp.h"

#include <cstring>
#include <set>

#include "platform/office/Package.h"
#include "platform/richtext/RtfReader.h"
#include "platform/richtext/RtfWriter.h"
#include "platform/richtext/tests/ChapterCases.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/RichEditCtrl.h"
#include "platform/office/Office.h"
#include "platform/office/Word.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/TestDriverGTest.h"
#include "testsupport/InstalledFolder.h"
#include "testsupport/PrintedPages.h"

namespace {

using namespace appword;
using Parts = std::vector<std::string>;
const Parts kAllParts = {"1", "2", "3", "4", "5", "6", "7"};

class AppWordTest : public InstalledFolder {
protected:
    void SetUp() override {
        InstalledFolder::SetUp();
        office::SetShellOpenHook([this](const std::string& path) { opened.push_back(path); });
        office::SetStartHook({});
        for (const char* name : kScratchFiles) WriteScratch(name, name);
        content = Sample(3);
    }
    void TearDown() override {
        office::SetShellOpenHook({});
        office::SetStartHook({});
        InstalledFolder::TearDown();
    }

    static constexpr const char* kScratchFiles[] = {
        "llyj_gnynh.rtf", "llyj_jsxqfx.rtf", "llyj_gnwyjqk.rtf", "yyfa_yjmuynr.rtf", "yyfa_fflx.rtf",
        "yyfa_cxd.rtf",   "yyfa_jhjz.rtf",   "yyfa_cgzb.rtf",    "xmjc_gzjcjcj.rtf", "xmjc_yjtj.rtf",
        "xmjc_gzjl.rtf",  "xmjc_ckwx.rtf",   "dwyj_xswyhyj.rtf", "dwyj_dwscyj.rtf",  "tjyj1.rtf",
        "tjyj2.rtf"};

    // A scratch file holding one paragraph that names it.
    void WriteScratch(const std::string& name, const std::string& plain) {
        ASSERT_TRUE(sys::WriteFileAtomic(proapp::ScratchPath(name), "{\\rtf1\\ansi " + plain + "\\par}"));
    }

    static Content Sample(int members) {
        Content c;
        c.category = "一般项目";
        c.guideCode = "9140A010101";
        c.numberPrefix = "9140A010101200801";
        c.secretLevel = "秘密";
        c.projectName = "高速飞行器研究";
        c.applicant = "张三";
        c.workUnit = "第一研究所";
        c.address = "北京市海淀区";
        c.postcode = "100081";
        c.phone = "010-12345678";
        c.applyDate = "2008/03/15";
        c.startDate = "2008/01";
        c.endDate = "2010/01";
        c.amount = "25.5";
        c.sex = "男";
        c.idNumber = "110101197001010011";
        c.degree = "博士";
        c.title = "研究员";
        c.speciality = "空气动力学";
        c.affiliation = "总装";
        c.partners = "第二研究所";
        c.counts = {"9", "2", "3", "4", "0", "0", "0"};
        for (int i = 1; i <= members; ++i) {
            const std::string n = std::to_string(i);
            c.members.push_back({"成员" + n, "女", "3" + n, "工程师", "单位" + n, "1" + n, "分工" + n});
        }
        c.keyWords = "飞行器;气动";
        const char* amounts[] = {"1", "2", "3", "4", "5", "6", "7", "8"};
        for (int i = 0; i < 8; ++i) c.budget[i] = {amounts[i], std::string("理由") + amounts[i]};
        c.recommenders = {{{"教授", "材料", "甲大学"}, {"研究员", "力学", "乙研究所"}}};
        return c;
    }

    // The document handed to the desktop.
    office::word::Document Opened() {
        EXPECT_EQ(opened.size(), 1u);
        if (opened.empty()) return {};
        reader = office::word::Application::Create();
        office::word::Document doc = reader->Documents().Add(opened.back());
        EXPECT_TRUE(doc.IsValid()) << reader->LastError();
        return doc;
    }
    static bool InOrder(const std::string& text, const std::vector<std::string>& parts) {
        std::size_t from = 0;
        for (const std::string& part : parts) {
            const std::size_t at = text.find(part, from);
            if (at == std::string::npos) return false;
            from = at + part.size();
        }
        return true;
    }
    static std::vector<std::string> Row(const office::word::Document& doc, int table, int row, int first, int last) {
        std::vector<std::string> cells;
        for (int c = first; c <= last; ++c) cells.push_back(doc.CellText(table, row, c));
        return cells;
    }

    ui::TestDriver driver;
    Content content;
    std::vector<std::string> opened;
    std::unique_ptr<office::word::Application> reader;
};

// Template tables: 1 cover, 2 basic information, 3 members (a heading row,
// members from row 2, key words in the row after the member rows), 4 budget,
// 5 recommendations.
constexpr int kCover = 1, kBasic = 2, kMembers = 3, kBudget = 4, kRecommend = 5;
constexpr int kFirstMemberRow = 2;

TEST_F(AppWordTest, AllPartsFillTheCoverTablesChaptersAndRecommendations) {
    ASSERT_TRUE(WriteApplicationDocument(content, kAllParts));
    office::word::Document doc = Opened();
    ASSERT_TRUE(doc.IsValid());
    ASSERT_EQ(doc.TableCount(), 5);

    EXPECT_EQ(doc.CellText(kCover, 1, 2), "一般项目");
    EXPECT_EQ(doc.CellText(kCover, 1, 4), "9140A010101");
    EXPECT_EQ(doc.CellText(kCover, 2, 2), "9140A010101200801");
    EXPECT_EQ(doc.CellText(kCover, 2, 4), "秘密");
    const std::string text = doc.Text();
    EXPECT_TRUE(InOrder(text, {"项 目 名 称\r高速飞行器研究\r", "申 请 人：张三\r", "工作单位：第一研究所\r",
                               "通信地址：北京市海淀区\r", "邮政编码：100081\r", "联系电话：010-12345678\r",
                               "申请日期：2008/03/15\r"}))
        << text;

    EXPECT_EQ(doc.CellText(kBasic, 1, 2), "高速飞行器研究");
    EXPECT_EQ(doc.CellText(kBasic, 1, 4), "2008/01 - 2010/01");
    EXPECT_EQ(doc.CellText(kBasic, 2, 2), "25.5 万元");
    EXPECT_EQ(Row(doc, kBasic, 3, 3, 9), (std::vector<std::string>{"张三", "性别", "男", "身份证号",
                                                                   "110101197001010011", "学位", "博士"}));
    EXPECT_EQ(doc.CellText(kBasic, 4, 3), "研究员");
    EXPECT_EQ(doc.CellText(kBasic, 4, 5), "空气动力学");
    EXPECT_EQ(doc.CellText(kBasic, 5, 3), "第一研究所");
    EXPECT_EQ(doc.CellText(kBasic, 6, 3), "总装");
    EXPECT_EQ(doc.CellText(kBasic, 6, 5), "第二研究所");
    EXPECT_EQ(Row(doc, kBasic, 8, 2, 8), (std::vector<std::string>{"9", "2", "3", "4", "0", "0", "0"}));
    EXPECT_EQ(Row(doc, kMembers, kFirstMemberRow + 1, 1, 10),
              (std::vector<std::string>{"", "", "成员2", "女", "32", "工程师", "单位2", "12", "分工2", ""}));

    EXPECT_EQ(doc.CellText(kBudget, 1, 2), "25.5 万元");
    EXPECT_EQ(Row(doc, kBudget, 3, 1, 3), (std::vector<std::string>{"设计费", "1", "理由1"}));
    EXPECT_EQ(Row(doc, kBudget, 10, 1, 3), (std::vector<std::string>{"管理费", "8", "理由8"}));
    EXPECT_EQ(doc.CellText(kBudget, 11, 2), "36 万元");

    EXPECT_TRUE(InOrder(text, {"三、立论依据\r", "（一）概念与内涵\r", "llyj_gnynh.rtf",
                               "（三）国内外研究概况、水平和发展趋势\r", "llyj_gnwyjqk.rtf", "四、研究方案\r",
                               "（一）研究目标、研究内容和拟解决的关键问题\r", "yyfa_yjmuynr.rtf", "yyfa_cgzb.rtf",
                               "五、研究基础\r", "（四）主要参考文献\r", "xmjc_ckwx.rtf",
                               "六、单位学术委员会审查意见（盖章）\r", "dwyj_xswyhyj.rtf",
                               "七、单位审查意见（盖章）\r", "dwyj_dwscyj.rtf", "附：推荐意见"}))
        << text;

    const std::string date = text::DateTime::Now().Format("%Y 年 %m 月 %d 日");
    const std::string first = doc.CellText(kRecommend, 1, 1);
    EXPECT_TRUE(InOrder(first, {"tjyj1.rtf", "推荐者（签章）：       专业技术职务：教授   专长：材料",
                                "所在单位：甲大学", std::string(45, ' ') + date}))
        << first;
    EXPECT_TRUE(InOrder(doc.CellText(kRecommend, 2, 1),
                        {"tjyj2.rtf", "专业技术职务：研究员   专长：力学", "所在单位：乙研究所", date}));
}

// The member table has ten rows; the key words always land after them.
TEST_F(AppWordTest, MemberRowsAndKeyWordsForFewAndManyMembers) {
    struct Case {
        int members;
        int memberRows;  // rows of the member table afterwards
    };
    for (const Case& c : {Case{0, 10}, Case{3, 10}, Case{10, 10}, Case{12, 12}}) {
        SCOPED_TRACE(c.members);
        opened.clear();
        content = Sample(c.members);
        ASSERT_TRUE(WriteApplicationDocument(content, {"1"}));
        office::word::Document doc = Opened();
        ASSERT_TRUE(doc.IsValid());
        const int keyWordsRow = kFirstMemberRow + c.memberRows;
        EXPECT_EQ(doc.RowCount(kMembers), keyWordsRow);
        EXPECT_EQ(doc.CellText(kMembers, keyWordsRow, 1), "主题词");
        EXPECT_EQ(doc.CellText(kMembers, keyWordsRow, 2), "飞行器;气动");
        for (int m = 1; m <= c.members; ++m) {
            const std::string n = std::to_string(m);
            EXPECT_EQ(Row(doc, kMembers, kFirstMemberRow + m - 1, 3, 9),
                      (std::vector<std::string>{"成员" + n, "女", "3" + n, "工程师", "单位" + n, "1" + n, "分工" + n}))
                << "member " << m;
        }
        if (c.members < 10) {
            EXPECT_EQ(doc.CellText(kMembers, kFirstMemberRow + c.members, 3), "");
        }
    }
}

// Twelve members with long titles, units and parts, as printed: every value
// whole, no row over another, the title and the unit wide enough to read,
// the member rows not stretched over pages.
TEST_F(AppWordTest, MemberTablePrintsEveryValueWholeInFewPages) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    content = Sample(0);
    std::vector<std::string> values, titles, units;
    for (int i = 1; i <= 12; ++i) {
        const std::string n = std::to_string(i);
        content.members.push_back({"欧阳成员" + n, "女", "4" + n, i % 2 ? "高级工程师" : "副教授（硕士生导师）",
                                   "中国航天科工集团公司第二研究院第" + n + "研究所（总体设计部）", "1" + n,
                                   "负责气动外形优化设计与风洞试验数据分析第" + n + "部分"});
        values.push_back(content.members.back()[4]);
        values.push_back(content.members.back()[6]);
        titles.push_back(content.members.back()[3]);
        units.push_back(content.members.back()[4]);
    }
    ASSERT_TRUE(WriteApplicationDocument(content, {"1"}));
    ASSERT_EQ(opened.size(), 1u);
    const std::string file = testsupport::CopyOutput(opened.back(), Folder(), "申请书");
    const auto pages = testsupport::PrintedPages({file}, Folder());
    ASSERT_FALSE(pages[0].empty());
    const std::string pdf = testsupport::PrintedPdf(file, Folder());
    EXPECT_TRUE(testsupport::PrintsWholeWithoutOverlaps(pdf, values));
    // The title and the work unit get the width before the number and the
    // degree, which stay empty: a title of ten characters on two lines, not
    // three characters a line; the unit seven characters a line.
    EXPECT_TRUE(testsupport::PrintsAtLeastPerLine(pdf, titles, 5));
    EXPECT_TRUE(testsupport::PrintsAtLeastPerLine(pdf, units, 7));
    // Each heading of the member table whole.
    EXPECT_TRUE(testsupport::PrintsWholeWithoutOverlaps(
        pdf, {"序号", "学位", "姓名", "性别", "年龄", "职称", "工作单位", "参加月数", "工作分工", "签字"}));
    // The cover, the basic table with its twelve members, the budget: the
    // members once took four and a half pages.
    std::size_t budgetPage = 0;
    for (std::size_t p = 0; p < pages[0].size(); ++p)
        if (testsupport::WithoutBlanks(pages[0][p]).find("二、经费预算") != std::string::npos) budgetPage = p + 1;
    EXPECT_GE(budgetPage, 2u);
    EXPECT_LE(budgetPage, 3u);
    // The basic table's labels each on one line of their cell, the identity
    // number too ("申请人" stands upright in its narrow column).
    ASSERT_GE(pages[0].size(), 2u);
    for (const char* label : {"项目名称", "起止年月", "申请金额", "姓名", "性别", "身份证号", "学位", "职称", "专业特长",
                              "工作单位", "隶属关系", "合作单位", "项目组成员", "总人数", "博士后", "博士生",
                              "硕士生", "110101197001010011"})
        EXPECT_NE(pages[0][1].find(label), std::string::npos) << label << " wraps:\n" << pages[0][1];
    // Each page with member rows shows the member headings.
    for (std::size_t p = 0; p < pages[0].size(); ++p) {
        const std::string page = testsupport::WithoutBlanks(pages[0][p]);
        if (page.find("欧阳成员") != std::string::npos)
            EXPECT_NE(page.find("工作分工"), std::string::npos) << "page " << p + 1 << ":\n" << pages[0][p];
    }
}

TEST_F(AppWordTest, OnlyTheBudgetLeavesCoverAndBasicTableEmptyAndTypesTitlesWithoutChapters) {
    ASSERT_TRUE(WriteApplicationDocument(content, {"2"}));
    office::word::Document doc = Opened();
    ASSERT_TRUE(doc.IsValid());
    EXPECT_EQ(doc.CellText(kCover, 1, 2), "");
    EXPECT_EQ(doc.CellText(kBasic, 1, 2), "");
    EXPECT_EQ(doc.CellText(kMembers, kFirstMemberRow, 3), "");
    EXPECT_EQ(doc.CellText(kBudget, 1, 2), "25.5 万元");
    EXPECT_EQ(doc.CellText(kBudget, 9, 2), "7");
    EXPECT_EQ(doc.CellText(kRecommend, 1, 1), "");
    const std::string text = doc.Text();
    EXPECT_EQ(text.find("高速飞行器研究"), std::string::npos);
    EXPECT_TRUE(InOrder(text, {"三、立论依据\r四、研究方案\r五、研究基础\r六、单位学术委员会审查意见（盖章）\r"
                               "七、单位审查意见（盖章）\r"}))
        << text;
    for (const char* name : kScratchFiles) EXPECT_EQ(text.find(name), std::string::npos) << name;
}

TEST_F(AppWordTest, EachChapterPartBringsOnlyItsOwnChapters) {
    struct Case {
        std::string part;
        std::vector<std::string> present, absent;
    };
    const Case cases[] = {
        {"3", {"（二）军事需求分析\r", "llyj_jsxqfx.rtf"}, {"yyfa_fflx.rtf", "xmjc_yjtj.rtf", "dwyj_dwscyj.rtf"}},
        {"4", {"（二）拟采取的研究方法、技术路线、实验方案及可行性分析\r", "yyfa_fflx.rtf"},
         {"llyj_jsxqfx.rtf", "xmjc_yjtj.rtf"}},
        {"5", {"（二）现有研究条件\r", "xmjc_yjtj.rtf"}, {"llyj_jsxqfx.rtf", "yyfa_fflx.rtf"}},
        {"6", {"dwyj_xswyhyj.rtf", "dwyj_dwscyj.rtf"}, {"（一）概念与内涵", "xmjc_yjtj.rtf"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.part);
        opened.clear();
        ASSERT_TRUE(WriteApplicationDocument(content, {c.part}));
        const std::string text = Opened().Text();
        for (const std::string& s : c.present) EXPECT_NE(text.find(s), std::string::npos) << s;
        for (const std::string& s : c.absent) EXPECT_EQ(text.find(s), std::string::npos) << s;
    }
}

TEST_F(AppWordTest, TheShownChapterIsSavedBeforeTheChaptersAreInserted) {
    int saved = 0;
    content.saveCurrentChapter = [&] {
        ++saved;
        WriteScratch("yyfa_cxd.rtf", "unsaved innovation text");
    };
    ASSERT_TRUE(WriteApplicationDocument(content, {"4"}));
    EXPECT_EQ(saved, 1);
    const std::string text = Opened().Text();
    EXPECT_NE(text.find("unsaved innovation text"), std::string::npos);
}

TEST_F(AppWordTest, BudgetTotalReadsEachAmountAsANumber) {
    struct Case {
        std::vector<std::string> amounts;
        std::string total;
    };
    const Case cases[] = {{{"1.5", "abc", ""}, "1.5"},
                          {{"12.5", "3"}, "15.5"},
                          {{"0.1", "0.2"}, "0.3"},
                          {{"1.2.3", "2"}, "3.2"},
                          {{"999999", "1"}, "1e+06"},
                          {{}, "0"}};
    for (const Case& c : cases) {
        Content budget;
        for (std::size_t i = 0; i < c.amounts.size(); ++i) budget.budget[i].amount = c.amounts[i];
        EXPECT_EQ(BudgetTotal(budget), c.total);
    }
}

TEST_F(AppWordTest, IfOutputReadsEachEntryAsANumber) {
    struct Case {
        Parts chosen;
        int part;
        bool expected;
    };
    for (const Case& c : {Case{{"1", "3"}, 3, true}, Case{{"1", "3"}, 2, false}, Case{{}, 1, false},
                          Case{{"7"}, 7, true}, Case{{"07"}, 7, true}, Case{{"x"}, 0, true}}) {
        EXPECT_EQ(IfOutput(c.chosen, c.part), c.expected) << c.part;
    }
}

TEST_F(AppWordTest, WordThatCannotStartIsReportedAndNothingIsWritten) {
    office::SetStartHook([](std::string_view id) { return !text::EqualsNoCase(id, "word.Application"); });
    int saved = 0;
    content.saveCurrentChapter = [&] { ++saved; };
    driver.ExpectMessageBox("提示", "Word服务程序启动失败！");
    EXPECT_FALSE(WriteApplicationDocument(content, kAllParts));
    EXPECT_EQ(driver.MessageBoxes().at(0).type, MB_OK | MB_ICONERROR);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(saved, 0);
}

// A chapter whose scratch file is gone stops the document with the reason;
// no half-filled document is handed over.
TEST_F(AppWordTest, AMissingScratchFileIsReportedAndTheDocumentIsDropped) {
    ASSERT_TRUE(sys::RemoveFile(proapp::ScratchPath("xmjc_gzjl.rtf")));
    driver.AnswerMessageBox();
    EXPECT_FALSE(WriteApplicationDocument(content, kAllParts));
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_NE(driver.MessageBoxes()[0].text.find("xmjc_gzjl.rtf"), std::string::npos);
    EXPECT_TRUE(opened.empty());
    // Without that part the same content goes through.
    EXPECT_TRUE(WriteApplicationDocument(content, {"1", "2", "3", "4", "6", "7"}));
    EXPECT_EQ(opened.size(), 1u);
}

// Empty scratch files (a cleared form) insert nothing and stop nothing.
TEST_F(AppWordTest, EmptyScratchFilesInsertNothing) {
    for (const char* name : kScratchFiles) ASSERT_TRUE(sys::TruncateFile(proapp::ScratchPath(name)));
    ASSERT_TRUE(WriteApplicationDocument(content, kAllParts));
    const std::string text = Opened().Text();
    EXPECT_TRUE(InOrder(text, {"（一）概念与内涵\r", "（二）军事需求分析\r", "七、单位审查意见（盖章）\r"})) << text;
}

}  // namespace

namespace {

// The rich-text field of the chapter pages, in a window of its own.
class FieldHost : public ui::Dialog {
public:
    FieldHost() : ui::Dialog(Template()) { Create(); }
    static const ui::DialogTemplate& Template() {
        static const ui::DialogTemplate t{5517, "研究目标及研究内容", {0, 0, 300, 200}, {}};
        return t;
    }
};

}  // namespace

// Tables standing inside a table's cell in WordprocessingML.
int TablesInCells(const std::string& xml) {
    int count = 0, cells = 0;
    for (std::size_t at = xml.find('<'); at != std::string::npos; at = xml.find('<', at + 1)) {
        auto is = [&](const char* tag) {
            const std::size_t n = std::strlen(tag);
            return xml.compare(at, n, tag) == 0 && at + n < xml.size() && (xml[at + n] == '>' || xml[at + n] == ' ');
        };
        if (is("<w:tc")) ++cells;
        else if (is("</w:tc")) --cells;
        else if (is("<w:tbl") && cells > 0) ++count;
    }
    return count;
}

// The chapters of the rich-text table as the application prints them: each
// loaded into the field and saved from it as a chapter of the application
// (the chapters in their order, the last ones as the recommendations), the
// application document written and printed by the office suite. Each
// chapter's texts are printed, its pictures shown at their size, its breaks
// start new pages, its tables inside cells are tables inside cells.
TEST_F(AppWordTest, ChaptersPrintWhatTheFieldShows) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    const std::vector<chapters::Case>& cases = chapters::Cases();
    const std::vector<std::string> files(std::begin(kScratchFiles), std::end(kScratchFiles));
    ASSERT_LE(cases.size(), files.size());
    FieldHost host;
    ui::RichEditCtrl field;
    ASSERT_TRUE(field.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, {0, 0, 400, 250}, &host, 3130));
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string rtf = i < cases.size() ? cases[i].rtf : "{\\rtf1\\ansi \\par}";
        field.SetDocument(richtext::ReadRtf(rtf));  // loaded and saved as the field does
        ASSERT_TRUE(sys::WriteFileAtomic(proapp::ScratchPath(files[i]), richtext::WriteRtf(field.GetDocument())));
    }
    ASSERT_TRUE(WriteApplicationDocument(content, {"3", "4", "5", "6", "7"}));
    ASSERT_EQ(opened.size(), 1u);
    const std::string file = testsupport::CopyOutput(opened.back(), Folder(), "申请书");
    office::Package package;
    std::string error;
    ASSERT_TRUE(package.Load(file, error)) << error;
    const std::string xml = package.Part("word/document.xml");
    const auto pages = testsupport::PrintedPages({file}, Folder());
    ASSERT_FALSE(pages[0].empty());
    const std::string pdf = testsupport::PrintedPdf(file, Folder());

    // The page each text is printed on, from the chapters' first page on
    // (the cover and tables come first); 0 when it is not printed.
    std::size_t firstChapterPage = 0;
    for (std::size_t p = 0; p < pages[0].size() && !firstChapterPage; ++p)
        if (testsupport::WithoutBlanks(pages[0][p]).find("三、立论依据") != std::string::npos) firstChapterPage = p;
    auto pageOf = [&](const std::string& text) -> std::size_t {
        for (std::size_t p = firstChapterPage; p < pages[0].size(); ++p)
            if (testsupport::WithoutBlanks(pages[0][p]).find(testsupport::WithoutBlanks(text)) != std::string::npos)
                return p + 1;
        return 0;
    };
    int pictures = 0, tablesInCells = 0;
    for (const chapters::Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::string& text : c.printed) EXPECT_NE(pageOf(text), 0u) << text;
        std::set<std::size_t> apart;
        for (const std::string& text : c.pagesApart) apart.insert(pageOf(text));
        EXPECT_EQ(apart.size(), c.pagesApart.size());
        for (const std::string& piece : c.wordXml) EXPECT_NE(xml.find(piece), std::string::npos) << piece;
        pictures += c.pictures;
        tablesInCells += c.tablesInCells;
    }
    EXPECT_EQ(TablesInCells(xml), tablesInCells);
    // Every picture printed, half an inch square: 8 pixels at 16 to the inch.
    const std::vector<testsupport::PrintedImage> images = testsupport::PrintedImages(pdf);
    EXPECT_EQ(int(images.size()), pictures);
    for (const testsupport::PrintedImage& image : images) {
        EXPECT_EQ(image.width, 8);
        EXPECT_NEAR(image.xPpi, 16, 1);
        EXPECT_NEAR(image.yPpi, 16, 1);
    }
    // Each picture a part of the document.
    int media = 0;
    for (const std::string& part : package.PartNames()) media += part.starts_with("word/media/") ? 1 : 0;
    EXPECT_EQ(media, pictures);
}
