// The Word information table: refusals, and the walk through the
// template's table, cell by cell.
#include "ResultChangeTestSupport.h"

#include "achievement/ResultWordOutput.h"
#include "platform/office/Word.h"

using namespace resultchange;

namespace {

// The texts of the first `count` cells of the document's first table in
// reading order (the walk's order), read back from a saved document by
// moving through them; `rows` gets the table's row count.
std::vector<std::string> TableCells(const std::string& path, int count, int* rows = nullptr) {
    using namespace office::word;
    auto word = Application::Create();
    const Document document = word->Documents().Add(path);
    const Selection selection = word->Selection();
    std::vector<std::string> cells;
    if (!document.IsValid() || !selection.GoToNext(wdGoToTable)) return cells;
    for (int i = 0; i < count; ++i) {
        if (i > 0) selection.MoveRight(wdCell, 1, wdMove);
        cells.push_back(selection.ParagraphText());
    }
    if (rows) *rows = document.RowCount(1);
    return cells;
}

// Cells the walk types into, by their place in reading order.
enum Cell : int {
    kName = 1, kNumber = 3, kLeader = 5, kPhone = 7, kMoney = 9, kCategory = 11, kPreTransfer = 17,
    kPreKinds = 25, kPreSupport = 27, kModelSupport = 37, kCivil = 39, kCivilYear = 41, kRichBefore = 46,
    kRichAt = 47, kListed = 50, kPlatform = 53, kApprover = 56, kRichMilitary = 62, kTitle = 67,
    kPreStaff = 67, kModelStaff = 127, kBasicStaff = 187, kManagers = 219, kLeaderName = 250,
    kRegulations = 258, kNotice = 280, kNoticeDate = 282, kPayment = 285, kPaymentShare = 287,
    kPaymentDate = 289, kLast = 309,
};

}  // namespace

class ResultWord : public ResultChangeTest {
protected:
    void SetUp() override {
        ResultChangeTest::SetUp();
        templatePath = office::OoxmlPath(PathOf("模板/由课题组填报的信息表.doc"));
    }
    std::vector<std::string> Print(const std::string& number) {
        List().SetSelectionMark(RowOf(number));
        opened.clear();
        view->m_dlgForm.OutputWord();
        EXPECT_EQ(opened.size(), 1u);
        return opened.empty() ? std::vector<std::string>() : TableCells(opened.back(), kLast + 1);
    }
    std::string templatePath;
};

TEST_F(ResultWord, TheTemplateHasAnEmptyCellWhereverTheWalkTypes) {
    int rows = 0, rowsWithOneMore = 0;
    const std::vector<std::string> cells = TableCells(templatePath, kLast + 1, &rows);
    ASSERT_EQ(cells.size(), std::size_t(kLast + 1));
    // The walk ends in the last cell: one move more would add a row.
    TableCells(templatePath, kLast + 2, &rowsWithOneMore);
    EXPECT_EQ(rowsWithOneMore, rows + 1);
    EXPECT_EQ(cells[0], "项目名称");
    for (int i : std::initializer_list<int>{kName, kNumber, kLeader, kPreKinds, kCivilYear, kRichBefore, kRichAt, kPlatform, kRichMilitary,
                  kTitle, kPreStaff + 12 * 4 + 12, kBasicStaff + 8 * 3 + 8, kManagers + 7 * 3 + 7, kPaymentDate, kLast})
        EXPECT_EQ(cells[std::size_t(i)], "") << i;
}

TEST_F(ResultWord, RefusesWithoutWordOrWithoutASelectedRow) {
    StoreRecord("A-1");
    OpenView();
    Refuse("word.Application");
    driver.ExpectMessageBox("提示", "Word服务程序启动失败！");
    view->m_dlgForm.OutputWord();
    office::SetStartHook({});
    driver.ExpectMessageBox("系统提示", "请先选中要导出的记录");
    view->m_dlgForm.OutputWord();
    EXPECT_TRUE(opened.empty());
}

TEST_F(ResultWord, ARecordWithEveryBoxTickedFillsItsCells) {
    resultchangetest::Values values = {{"XMMC", "项目甲"}, {"XMZZXM", "张三"}, {"ZZGH", "010"}, {"ZZSJ", "139"},
                                       {"XMJF", "30"},     {"MKZHNF", "2010"}, {"PZJG", "总装"}, {"QTMC", "自定"},
                                       {"XDSJ", "3月"},    {"BFBL", "80%"},   {"BFSJ", "4月"}, {"ZGLDXM", "领导"},
                                       {"YXZZHYSJ", "末"}};
    for (int n = 1; n <= kCheckCount; ++n) values["CHECK" + std::to_string(n)] = "是";
    StoreRecord("A-1", values);
    OpenView();
    view->m_dlgList.LoadRecord("A-1", "");
    Info().RichEdit(0).SetWindowText("屏幕上的指标");
    const std::vector<std::string> cells = Print("A-1");
    ASSERT_EQ(cells.size(), std::size_t(kLast + 1));
    EXPECT_EQ(cells[kName], "项目甲");
    EXPECT_EQ(cells[kNumber], "A-1");
    EXPECT_EQ(cells[kLeader], "张三");
    EXPECT_EQ(cells[kPhone], "010/139");
    EXPECT_EQ(cells[kMoney], "30");
    EXPECT_EQ(cells[kCategory], "☑重点项目  ☐一般项目");
    EXPECT_EQ(cells[kPreTransfer], "☑已转入  ☐未转入");
    EXPECT_EQ(cells[kPreKinds], "☑预研探索计划" + std::string(14, ' ') + " ☑国防973计划" + std::string(15, ' ') +
                                    "☑预研专项计划（安排重大战略问题和“瓶颈”技术研究项目）" + std::string(9, ' ') +
                                    "☑应用开发计划（安排预研背景项目、现有装备改造技术项目、共有技术项目、专用技术项目、"
                                    "支撑技术项目）");
    EXPECT_EQ(cells[kPreSupport], "☑支撑了转入项目立项论证与申报  ☑支撑了分系统或部（组）件设计与制造   "
                                  "☑支撑了整机或核心部件设计与制造    ☑支撑了转入项目实验验证 ");
    EXPECT_EQ(cells[kModelSupport], "☑支撑了转入项目立项论证与申报  ☑支撑了分系统或部（组）件设计与制造   "
                                    "☑支撑了整机或核心部件设计与制造     ☑支撑了转入项目实验验证 ");
    EXPECT_EQ(cells[kCivilYear], "2010");
    EXPECT_EQ(cells[kRichBefore], "屏幕上的指标");
    EXPECT_EQ(cells[kListed], "☑被列为本单位获得批准的一个研究方向" + std::string(12, ' ') +
                                  "☐未列入本单位获得批准的主要研究方向");
    EXPECT_EQ(cells[kPlatform], "☑国防科技重点实验室批复的研究方向" + std::string(13, ' ') + "☐科学院所主要研究方向" +
                                    std::string(21, ' ') + "☐其他名称：＿＿  ");
    EXPECT_EQ(cells[kApprover], "总装");
    EXPECT_EQ(cells[kLeaderName], "领导");
    EXPECT_EQ(cells[kNotice], "☑有" + std::string(8, ' ') + "☐无");
    EXPECT_EQ(cells[kNoticeDate], "3月");
    EXPECT_EQ(cells[kPayment], "☑有☐无");
    EXPECT_EQ(cells[kPaymentShare], "80%");
    EXPECT_EQ(cells[kPaymentDate], "4月");
    EXPECT_EQ(cells[kLast], "末");
}

TEST_F(ResultWord, ARecordWithNoTicksPrintsTheSecondOptionsAndSkipsTheDependentCells) {
    resultchangetest::Values values = {{"XMMC", "项目乙"}, {"MKZHNF", "2010"}, {"XDSJ", "3月"}, {"BFBL", "80%"},
                                       {"BFSJ", "4月"},    {"QTMC", "自定"}};
    for (int n = 1; n <= kCheckCount; ++n) values["CHECK" + std::to_string(n)] = "否";
    StoreRecord("A-1", values);
    OpenView();
    const std::vector<std::string> cells = Print("A-1");
    ASSERT_EQ(cells.size(), std::size_t(kLast + 1));
    EXPECT_EQ(cells[kCategory], "☐重点项目  ☑一般项目");
    EXPECT_EQ(cells[kCivil], "☐已转入  ☑未转入");
    EXPECT_EQ(cells[kCivilYear], "");
    EXPECT_EQ(cells[kPreKinds].substr(0, std::string("☐预研探索计划").size()), "☐预研探索计划");
    EXPECT_EQ(cells[kListed], "☐被列为本单位获得批准的一个研究方向" + std::string(11, ' ') +
                                  "☑未列入本单位获得批准的主要研究方向");
    EXPECT_EQ(cells[kPlatform].find("☑"), std::string::npos);
    EXPECT_EQ(cells[kNotice], "☐有" + std::string(7, ' ') + "☑无");
    EXPECT_EQ(cells[kNoticeDate], "");
    EXPECT_EQ(cells[kPayment], "☐有☑无");
    EXPECT_EQ(cells[kPaymentShare], "");
    EXPECT_EQ(cells[kPaymentDate], "");
}

TEST_F(ResultWord, AnotherPlatformNamePrintsTheFreeName) {
    StoreRecord("A-1", {{"CHECK25", "是"}, {"QTMC", "自定平台"}});
    OpenView();
    const std::vector<std::string> cells = Print("A-1");
    ASSERT_EQ(cells.size(), std::size_t(kLast + 1));
    EXPECT_EQ(cells[kPlatform], "☐国防科技重点实验室批复的研究方向" + std::string(13, ' ') + "☐科学院所主要研究方向" +
                                    std::string(19, ' ') + "☑其他名称：自定平台");
}

TEST_F(ResultWord, StaffSectionsAreBoundedByTheGridsAndRegulationsListedByType) {
    StoreRecord("A-1");
    StoreChildRows(kJcyj, "A-1", {{"张三", "一所", "材料"}, {"李四", "二所", "力学"}});
    StoreChildRows(kYyssgg, "A-1", {{"1", "王五", "预研甲", "Y-1", "总体"}, {"2", "赵六", "预研乙", "Y-2", "分系统"}});
    const auto& types = RegulationTypes();
    StoreChildRows(kGzzdlist, "A-1", {{types[0], "A", "d1"}, {types[0], "B", "d2"}, {"其他", "C", "d3"}});
    OpenView();
    view->m_dlgList.LoadRecord("A-1", "");
    // One pre-research row is gone from the page: only one stored row is printed.
    Info().Grid(kYyssgg).RemoveRow(1);
    const std::vector<std::string> cells = Print("A-1");
    ASSERT_EQ(cells.size(), std::size_t(kLast + 1));
    auto basic = [&](int pass, int offset) { return cells[std::size_t(kBasicStaff + 8 * pass + offset)]; };
    EXPECT_EQ(basic(0, 3), "材料");
    EXPECT_EQ(basic(0, 6), "张三");
    EXPECT_EQ(basic(0, 8), "一所");
    EXPECT_EQ(basic(1, 6), "李四");
    EXPECT_EQ(basic(2, 6), "");
    EXPECT_EQ(basic(3, 3), "");
    auto pre = [&](int pass, int offset) { return cells[std::size_t(kPreStaff + 12 * pass + offset)]; };
    EXPECT_EQ(pre(0, 3), "预研甲");
    EXPECT_EQ(pre(0, 5), "Y-1");
    EXPECT_EQ(pre(0, 8), "1");
    EXPECT_EQ(pre(0, 10), "王五");
    EXPECT_EQ(pre(0, 12), "总体");
    EXPECT_EQ(pre(1, 10), "");
    EXPECT_EQ(cells[kRegulations + 2], "A，B，");
    EXPECT_EQ(cells[kRegulations + 4], "d1，d2，");
    EXPECT_EQ(cells[kRegulations + 7], "");
    EXPECT_EQ(cells[kRegulations + 12], "");
}
