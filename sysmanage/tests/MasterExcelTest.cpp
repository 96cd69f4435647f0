// The Excel lists of the expert, specialty-group and laboratory lists: rows
// in blocks by the first three bytes of a key column, each block with its
// title and header, the workbook handed to the desktop unsaved.
#include "MasterListTestSupport.h"
#include "platform/office/Excel.h"
#include "testsupport/PrintedPages.h"

using namespace listtest;
namespace xl = office::excel;

class MasterExcel : public ListTest {
protected:
    // Runs 生成Excel on the list as it opens and reads back the sheet that
    // was handed to the desktop.
    xl::Worksheet PrintList(const ListKind& kind) {
        RunList(kind, [&](CMasterListDialog& dlg) { dlg.Click(dlg.Spec().idExcel); });
        if (opened.size() != 1) {
            ADD_FAILURE() << "handed over: " << opened.size();
            return {};
        }
        reader_ = xl::Application::Create();
        return reader_->Workbooks().Add(opened[0]).Sheets().Item("sheet1");
    }

    // The values of columns A.. of a row, as many as `width`.
    static std::vector<std::string> RowValues(const xl::Worksheet& sheet, int row, int width) {
        std::vector<std::string> values;
        for (int c = 1; c <= width; ++c) values.push_back(sheet.Cells().Item(row, c).Value());
        return values;
    }

    // Checks a block's title row and header row.
    static void ExpectBlock(const xl::Worksheet& sheet, int titleRow, const std::string& title, bool pageBreak,
                            const std::vector<std::string>& headings) {
        SCOPED_TRACE("block at row " + std::to_string(titleRow));
        const xl::Range titleCell = sheet.Cells().Item(titleRow, 1);
        EXPECT_EQ(titleCell.Value(), title);
        EXPECT_TRUE(titleCell.MergeCells());
        EXPECT_EQ(titleCell.MergeArea().ColumnsCount(), int(headings.size()));
        EXPECT_EQ(titleCell.Font().Size(), 12);
        EXPECT_EQ(titleCell.RowHeight(), 30);
        EXPECT_EQ(titleCell.HorizontalAlignment(), xl::xlLeft);
        EXPECT_EQ(titleCell.PageBreak(), pageBreak ? xl::xlPageBreakManual : xl::xlPageBreakNone);
        EXPECT_EQ(RowValues(sheet, titleRow + 1, int(headings.size())), headings);
        const xl::Range last = sheet.Cells().Item(titleRow + 1, int(headings.size()));
        EXPECT_TRUE(last.Font().Bold());
        EXPECT_EQ(last.BorderStyle("right"), "thin");
        EXPECT_EQ(last.RowHeight(), 27);
    }

    std::unique_ptr<xl::Application> reader_;
};

TEST_F(MasterExcel, ExpertsStandInOneBlockPerCategoryEachAfterTheFirstOnANewPage) {
    AddExpert("J01", "E01", "张三", {"男", "45", "研究员", "雷达", "某所", "北京", "100081", "010-1", "13800000000"});
    AddExpert("J01", "E02", "李四");
    AddExpert("J02", "E03", "王五");
    const std::vector<std::string> headings{"专家编号", "姓名", "性别", "年龄", "职称", "专业特长",
                                            "工作单位", "通信地址", "邮政编码", "电话", "手机"};
    const xl::Worksheet sheet = PrintList(kExperts);
    ASSERT_TRUE(sheet.IsValid());
    ExpectBlock(sheet, 1, "所属基金类别：J01", false, headings);
    EXPECT_EQ(RowValues(sheet, 3, 11), (std::vector<std::string>{"E01", "张三", "男", "45", "研究员", "雷达", "某所",
                                                                 "北京", "100081", "010-1", "13800000000"}));
    EXPECT_EQ(sheet.Cells().Item(3, 1).BorderStyle("left"), "thin");
    EXPECT_EQ(sheet.Cells().Item(3, 1).RowHeight(), 30);
    EXPECT_EQ(sheet.Cells().Item(3, 4).HorizontalAlignment(), xl::xlCenter) << "the age apart from the title";
    EXPECT_EQ(sheet.Cells().Item(4, 2).Value(), "李四");
    EXPECT_EQ(RowValues(sheet, 5, 11), std::vector<std::string>(11));  // the empty row between blocks
    ExpectBlock(sheet, 6, "所属基金类别：J02", true, headings);
    EXPECT_EQ(sheet.Cells().Item(8, 1).Value(), "E03");
    EXPECT_EQ(sheet.UsedRange().RowsCount(), 8);
    EXPECT_TRUE(sheet.Cells().Item(8, 7).WrapText());
}

TEST_F(MasterExcel, AnExpertWithoutCategoryAtTheTopStartsWithDataRows) {
    AddExpert("", "E01", "张三");
    AddExpert("J01", "E02", "李四");
    const xl::Worksheet sheet = PrintList(kExperts);
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(sheet.Cells().Item(1, 1).Value(), "E01");
    // The first block follows at once, on the same page.
    EXPECT_EQ(sheet.Cells().Item(2, 1).Value(), "所属基金类别：J01");
    EXPECT_EQ(sheet.Cells().Item(2, 1).PageBreak(), xl::xlPageBreakNone);
    EXPECT_EQ(sheet.Cells().Item(4, 1).Value(), "E02");
}

TEST_F(MasterExcel, GroupsShareABlockWhenTheirNamesShareThreeBytes) {
    AddGroup("9140A01", "电子组", "研究所");
    AddGroup("9140A02", "电子所", "研究所");
    AddGroup("9140A03", "光学组", "大学");
    const std::vector<std::string> headings{"基金编号", "专业组名称", "挂靠单位", "联系人", "电话", "手机"};
    const xl::Worksheet sheet = PrintList(kGroups);
    ASSERT_TRUE(sheet.IsValid());
    ExpectBlock(sheet, 1, "专业组信息管理", false, headings);
    EXPECT_EQ(RowValues(sheet, 3, 6),
              (std::vector<std::string>{"9140A01", "电子组", "研究所", "联系人", "010-1", "13800000000"}));
    EXPECT_EQ(sheet.Cells().Item(4, 2).Value(), "电子所");
    ExpectBlock(sheet, 6, "专业组信息管理", true, headings);
    EXPECT_EQ(sheet.Cells().Item(8, 2).Value(), "光学组");
}

TEST_F(MasterExcel, LaboratoriesOfOneCodePrefixStandInOneBlock) {
    AddLab("9140C01", "甲", "大学");
    AddLab("9140C02", "乙", "大学");
    AddLab("9140C03", "丙", "大学");
    const xl::Worksheet sheet = PrintList(kLabs);
    ASSERT_TRUE(sheet.IsValid());
    ExpectBlock(sheet, 1, "实验室信息管理", false,
                {"实验室代码", "实验室全称", "实验室对外名称", "主依托单位", "联系人", "固定电话", "手机", "通信地址",
                 "邮编", "省", "市", "开户单位", "开户行", "开户账号"});
    EXPECT_EQ(sheet.Cells().Item(5, 1).Value(), "9140C03");
    EXPECT_EQ(sheet.Cells().Item(5, 14).BorderStyle("right"), "thin");
    EXPECT_EQ(sheet.UsedRange().RowsCount(), 5);
}

// As printed: a long laboratory name, its bank and a 21-digit account are
// whole in the laboratory list's own columns, the account as written.
TEST_F(MasterExcel, LaboratoryListPrintsLongNamesAndAccountsWhole) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    const std::string name = "通信网信息传输与分发技术国防科技重点实验室（第五十四研究所分部）";
    const std::string bank = "中国工商银行股份有限公司石家庄市中华大街支行营业部";
    const std::string account = "040200110901234567890";
    AddLab("9140C01", "信息传输与分发实验室", "中国电子科技集团公司第五十四研究所");
    managetest::Exec(kProjectDatabase, "update CORVANE_LAB set sysqc = '" + name + "', khh = '" + bank + "', zh = '" +
                                           account + "', yb = '100081'");
    const xl::Worksheet sheet = PrintList(kLabs);
    ASSERT_TRUE(sheet.IsValid());
    EXPECT_EQ(sheet.Cells().Item(3, 14).Value(), account);
    EXPECT_EQ(sheet.Cells().Item(3, 9).Kind(), xl::ValueKind::Text) << "a postcode stays text";
    const std::string file = testsupport::CopyOutput(opened[0], Folder(), "实验室信息");
    testsupport::PrintedPages({file}, Folder());
    const std::string pdf = testsupport::PrintedPdf(file, Folder());
    EXPECT_TRUE(testsupport::PrintsWholeWithoutOverlaps(pdf, {name, bank, account, "100081"}));
}

// As printed: experts with long titles, specialties, units and addresses,
// telephone numbers with an extension: every value whole, rows apart, the
// numbers as written.
TEST_F(MasterExcel, ExpertListPrintsLongValuesWhole) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    std::vector<std::string> values;
    for (int i = 1; i <= 24; ++i) {
        const std::string n = std::to_string(i);
        const std::vector<std::string> expert = {
            "欧阳振华" + n, "研究员级高级工程师", "雷达信号处理与多源信息融合目标识别技术" + n,
            "中国电子科技集团公司第五十四研究所（通信网信息传输与分发技术重点实验室）",
            "河北省石家庄市中山西路589号第五十四研究所科技委办公室" + n, "050081", "0311-86926000-80" + n,
            "13800138000"};
        AddExpert(i <= 12 ? "J01" : "J02", text::Format("E%03d", i), expert[0],
                  {"男", "56", expert[1], expert[2], expert[3], expert[4], expert[5], expert[6], expert[7]});
        values.insert(values.end(), expert.begin(), expert.end());
    }
    const xl::Worksheet sheet = PrintList(kExperts);
    ASSERT_TRUE(sheet.IsValid());
    const std::string file = testsupport::CopyOutput(opened[0], Folder(), "专家信息");
    const auto pages = testsupport::PrintedPages({file}, Folder());
    ASSERT_GE(pages[0].size(), 2u);
    const std::string pdf = testsupport::PrintedPdf(file, Folder());
    EXPECT_TRUE(testsupport::PrintsWholeWithoutOverlaps(pdf, values));
    // The telephone and mobile numbers each on one line.
    std::string all;
    for (const std::string& page : pages[0]) all += page;
    for (const char* number : {"0311-86926000-801", "13800138000"}) EXPECT_NE(all.find(number), std::string::npos) << number;
}

TEST_F(MasterExcel, WithoutExcelNothingIsWritten) {
    AddGroup("9140A01", "电子组", "研究所");
    office::SetStartHook([](std::string_view progId) { return progId != "Excel.Application"; });
    RunList(kGroups, [&](CMasterListDialog& dlg) {
        driver.ExpectMessageBox("Corvane", "Excel启动失败!");
        dlg.Click(CDlgSpecGroupManage::IDC_EXCEL);
    });
    EXPECT_TRUE(opened.empty());
}
