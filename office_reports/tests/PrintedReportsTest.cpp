// The fund office's lists and plan drafts as printed (the office suite to
// PDF, read back per page): every page holds the first and the last column
// heading (one page wide, headings repeated), pages are numbered, and the
// twenty-character project numbers print as written. Skipped without the
// office suite.
#include <algorithm>
#include <cmath>
#include <functional>

#include "PlanOutputTestSupport.h"
#include "office_reports/DlgFirstExcel.h"
#include "office_reports/DlgHanSExcel.h"
#include "office_reports/DlgLabStatExcel.h"
#include "office_reports/DlgPlanOutput.h"
#include "testsupport/PrintedPages.h"

using namespace plantest;

namespace {

constexpr int kProjects = 40;  // enough for several pages

class PrintedReports : public PlanOutputTest {
protected:
    static std::string Number(int i) { return text::Format("9140A010101080001%03d", i); }
    void SeedProjects() {
        for (int i = 1; i <= kProjects; ++i) {
            const std::string xmbh = Number(i);
            AddPlanned({xmbh, kGroupKey, "0001", "张三", "第一研究所"}, "2008年完成");
            Exec(
                "update CORVANE_ITEMAPPINFO set SQJE = '12.50', XMQSRQ = '2008-01', XMZZRQ = '2009-12', "
                "SQRXB = '男', SQRNL = '45', ZC = '研究员' where XMBH = " +
                db::QuoteLiteral(xmbh));
            AddApprovalRow(xmbh, "30");
        }
        AddGuide("9140A01", "材料指南");
        AddUnit("0001", "第一研究所");
        AddDirection("9140A010101", "方向一", "0001", "1");
    }
    // Keeps the output handed to the desktop last under a name of its own.
    std::string Keep(const std::string& name) {
        const std::string path = opened.empty() ? std::string() : testsupport::CopyOutput(opened.back(), Folder(), name);
        EXPECT_NE(path, "");
        return path;
    }
    std::string PlanOutput(int paper, bool lists, const std::string& name) {
        driver.OnModal<CDlgPlanOutput>([&](CDlgPlanOutput& dlg) {
            dlg.Click(CDlgPlanOutput::IDC_SELECT_ALL);
            dlg.Item<ui::ComboBox>(CDlgPlanOutput::IDC_PAPER)->SetCurSel(paper);
            dlg.CheckDlgButton(CDlgPlanOutput::IDC_KIND, lists ? 0 : 1);
            dlg.CheckDlgButton(CDlgPlanOutput::IDC_KIND_SECOND, lists ? 1 : 0);
            dlg.Click(IDOK);
        });
        CDlgPlanOutput dlg;
        dlg.m_pConnection = &connection;
        dlg.m_nCategory = 0;
        dlg.DoModal();
        return Keep(name);
    }
    // The letter-review table (kind 0) or the opinion summary (kind 1) of
    // every fund.
    std::string ReviewOutput(int kind, const std::string& name) {
        driver.OnModal<CDlgHanSExcel>([&](CDlgHanSExcel& dlg) {
            for (int row = 0; row < dlg.m_gridFunds.GetRowCount(); ++row) dlg.m_gridFunds.SetTicked(row, true);
            dlg.Item<ui::Button>(CDlgHanSExcel::IDC_REVIEW_TABLE)->SetCheck(kind == 0 ? 1 : 0);
            dlg.Item<ui::Button>(CDlgHanSExcel::IDC_OPINION_SUMMARY)->SetCheck(kind == 1 ? 1 : 0);
            dlg.Click(IDOK);
        });
        officereports::RunHanSExcel(nullptr, &connection);
        return Keep(name);
    }
    std::string ApplicationList() {
        driver.OnModal<CDlgFirstExcel>([&](CDlgFirstExcel& dlg) {
            dlg.m_gridFunds.SetTicked(0, true);
            dlg.Click(IDOK);
        });
        officereports::RunFirstExcel(&connection, 0);
        return Keep("项目申请表");
    }
};

TEST_F(PrintedReports, EveryPageHoldsTheFirstAndLastHeadingAndCodesAsWritten) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    SeedProjects();
    const struct Output {
        std::string file;
        const char *first, *last;
    } outputs[] = {
        {ApplicationList(), "序号", "备注"},
        {PlanOutput(1, true, "计划清单A4"), "序号", "备注"},
        {PlanOutput(2, true, "计划清单B4"), "序号", "备注"},
        {PlanOutput(0, true, "计划清单A3"), "序号", "备注"},
        {PlanOutput(1, false, "计划草案A4"), "项目编号", "备注"},
        {PlanOutput(0, false, "计划草案A3"), "项目编号", "备注"},
    };
    std::vector<std::string> files;
    for (const Output& o : outputs) files.push_back(o.file);
    const auto printed = testsupport::PrintedPages(files, Folder());
    ASSERT_EQ(printed.size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const Output& o = outputs[i];
        const std::vector<std::string>& pages = printed[i];
        EXPECT_FALSE(pages.empty()) << o.file << " did not convert";
        std::string all;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const std::string page = testsupport::WithoutBlanks(pages[p]);
            all += page;
            EXPECT_NE(page.find(o.first), std::string::npos) << o.file << " page " << p + 1 << ":\n" << pages[p];
            EXPECT_NE(page.find(o.last), std::string::npos) << o.file << " page " << p + 1 << ":\n" << pages[p];
        }
        // Each project number on one line, as written.
        for (int n = 1; n <= kProjects; ++n)
            EXPECT_NE(all.find(Number(n)), std::string::npos) << o.file << ": " << Number(n);
    }
    // The workbooks number their pages in the footer.
    ASSERT_FALSE(printed[0].empty());
    EXPECT_NE(testsupport::WithoutBlanks(printed[0].back()).find(text::Format("共%zu页", printed[0].size())),
              std::string::npos);
}

// Long names and schedules wrap to several lines: every line is printed, none
// runs into the next row.
TEST_F(PrintedReports, LongNamesAndSchedulesPrintWholeWithoutOverlapping) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    SeedProjects();
    const std::string unit = "中国电子科技集团公司第五十四研究所（通信网信息传输与分发技术国防科技重点实验室）";
    std::vector<std::string> names, schedules;
    for (int i = 1; i <= kProjects; ++i) {
        names.push_back("面向复杂电磁环境的多源异构传感器信息融合与目标识别关键技术及其在装备体系中的应用研究第" +
                        std::to_string(i) + "期");
        schedules.push_back("2008年6月完成总体方案设计与关键技术攻关；2009年3月完成原理样机研制与试验验证；"
                            "2009年12月完成系统集成测试并通过验收（第" + std::to_string(i) + "阶段）");
        Exec("update CORVANE_ITEMAPPINFO set XMMC = " + db::QuoteLiteral(names.back()) + ", GZDW = " + db::QuoteLiteral(unit) +
             " where XMBH = " + db::QuoteLiteral(Number(i)));
        Exec("update CORVANE_ITEMPLAN set JDYQ = " + db::QuoteLiteral(schedules.back()) + " where XMBH = " + db::QuoteLiteral(Number(i)));
    }
    Exec("update CORVANE_UNIT set DWMC = " + db::QuoteLiteral(unit));
    const struct Output {
        std::string file;
        bool schedules;
    } outputs[] = {
        {ApplicationList(), false},
        {PlanOutput(1, true, "计划清单A4"), true},
        {PlanOutput(2, true, "计划清单B4"), true},
        {PlanOutput(0, true, "计划清单A3"), true},
        {PlanOutput(1, false, "计划草案A4"), true},
    };
    std::vector<std::string> files;
    for (const Output& o : outputs) files.push_back(o.file);
    testsupport::PrintedPages(files, Folder());
    for (const Output& o : outputs) {
        const std::string pdf = testsupport::PrintedPdf(o.file, Folder());
        std::vector<std::string> texts = names;
        if (o.schedules) texts.insert(texts.end(), schedules.begin(), schedules.end());
        EXPECT_TRUE(testsupport::PrintsWholeWithoutOverlaps(pdf, texts)) << o.file;
    }
}

// The laboratory statistics with long names and amounts stored with any
// number of decimals: names whole, every amount with two decimals.
TEST_F(PrintedReports, LaboratoryStatisticsPrintNamesWholeAndAmountsWithTwoDecimals) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    std::vector<std::string> names;
    const char* amounts[] = {"153.4200", "194.92000000", "12.155", "24.3100"};
    for (int lab = 1; lab <= 12; ++lab) {
        const std::string code = text::Format("9140C%02d", lab);
        names.push_back("通信网信息传输与分发技术国防科技重点实验室（第" + std::to_string(lab) + "研究所分部）");
        AddLaboratory(code, names.back());
        for (int i = 0; i < 4; ++i)
            AddApplication(code + text::Format("0101081%03d%03d", lab, i), i % 2 ? kLabGeneral : kLabKey, amounts[i]);
    }
    driver.OnModal<CDlgLabStatExcel>([](CDlgLabStatExcel& dlg) { dlg.Click(IDOK); });
    officereports::RunLabStatExcel(&connection);
    const std::string file = Keep("重点实验室项目上报统计表");
    const auto printed = testsupport::PrintedPages({file}, Folder());
    ASSERT_FALSE(printed[0].empty());
    std::string all;
    for (const std::string& page : printed[0]) all += page;
    // Key projects 153.42 + 12.155, general 194.92 + 24.31, and both.
    for (const char* shown : {"165.58", "219.23", "384.80"}) EXPECT_NE(all.find(shown), std::string::npos) << shown;
    for (const char* stored : {"153.4200", "194.92000", "12.155", "24.3100", "165.575"})
        EXPECT_EQ(all.find(stored), std::string::npos) << stored << " printed as stored:\n" << printed[0][0];
    const std::string pdf = testsupport::PrintedPdf(file, Folder());
    EXPECT_TRUE(testsupport::PrintsWholeWithoutOverlaps(pdf, names));
}

TEST_F(PrintedReports, ReviewTablesOfTwoFundsPrintOnePageWideWithTheirHeadings) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    // Two funds of general projects that passed the first review, each with
    // its experts' opinions.
    for (int i = 1; i <= 30; ++i) {
        const std::string xmbh = text::Format("9140A0%d0101080001%03d", i % 2 + 1, i);
        AddProject({xmbh, kGroupGeneral});
        Exec("update CORVANE_ITEMAPPINFO set SQJE = '12.50' where XMBH = " + db::QuoteLiteral(xmbh));
        testdb::Seed(connection, {"CORVANE_ITEMPF",
                                  {"XMBH", "ZJ1", "ZJ2", "ZJ3", "YJ1", "YJ2", "YJ3", "FS", "PSJG", "BZZLY"},
                                  {{xmbh, "E01", "E02", "E03", "y", "y", "n", "85", "+", ""}}});
    }
    const struct Output {
        std::string file;
        const char *first, *last;
    } outputs[] = {{ReviewOutput(0, "项目评议表"), "序号", "备注"},
                   {ReviewOutput(1, "专家意见汇总表"), "序号", "专家不资助原因"}};
    const auto printed = testsupport::PrintedPages({outputs[0].file, outputs[1].file}, Folder());
    ASSERT_EQ(printed.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_FALSE(printed[i].empty()) << outputs[i].file;
        for (std::size_t p = 0; p < printed[i].size(); ++p) {
            const std::string page = testsupport::WithoutBlanks(printed[i][p]);
            EXPECT_NE(page.find(outputs[i].first), std::string::npos) << outputs[i].file << " page " << p + 1;
            EXPECT_NE(page.find(outputs[i].last), std::string::npos) << outputs[i].file << " page " << p + 1 << ":\n"
                                                                     << printed[i][p];
        }
        // Each fund block starts a page and fifteen projects take about one.
        EXPECT_GE(printed[i].size(), 2u) << outputs[i].file;
        EXPECT_LE(printed[i].size(), 4u) << outputs[i].file;
    }
}

// The A4 and B4 plan drafts share the landscape width out by content: the
// number column as wide as the number (it once took a fifth more), the
// forms of completion and the remarks at least four characters a line (they
// once printed two or three, and one or two).
TEST_F(PrintedReports, PlanDraftColumnsHoldTheNumberAndFourCharactersALine) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    std::vector<std::string> texts, numbers;
    for (int i = 1; i <= 4; ++i) {
        const std::string xmbh = Number(i);
        numbers.push_back(xmbh);
        AddPlanned({xmbh, kGroupKey, "0001", "张三", "第一研究所"}, "2008年完成");
        AddApprovalRow(xmbh, "30");
        const std::string form = "研究报告一份、原理样机一套、发明专利两项（第" + std::to_string(i) + "套）";
        const std::string remark = "经费分两年拨付，第二年视中期检查结果调整（" + std::to_string(i) + "）";
        StoreRtf("CORVANE_ITEMPLAN", "ZWCXS", xmbh, form);
        StoreRtf("CORVANE_ITEMPLAN", "BZ", xmbh, remark);
        texts.push_back(form);
        texts.push_back(remark);
    }
    AddGuide("9140A01", "材料指南");
    AddUnit("0001", "第一研究所");
    AddDirection("9140A010101", "方向一", "0001", "1");
    const std::string files[] = {PlanOutput(1, false, "计划草案A4"), PlanOutput(2, false, "计划草案B4")};
    testsupport::PrintedPages({files[0], files[1]}, Folder());
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const std::string pdf = testsupport::PrintedPdf(file, Folder());
        EXPECT_TRUE(testsupport::PrintsAtLeastPerLine(pdf, texts, 4));
        EXPECT_TRUE(testsupport::PrintsWholeWithoutOverlaps(pdf, {"项目编号", "完成形式", "备注"}));
        // Each number on one line, and the name's column begins right after
        // it: no more than the cell's margins and a character between them.
        const std::vector<testsupport::PrintedWord> words = testsupport::PrintedWords(pdf);
        for (const std::string& number : numbers) {
            EXPECT_EQ(testsupport::PrintedLines(pdf, number), std::vector<std::string>{number});
            const auto at = std::find_if(words.begin(), words.end(),
                                         [&](const testsupport::PrintedWord& w) { return w.text == number; });
            ASSERT_NE(at, words.end()) << number;
            const double height = at->yMax - at->yMin;
            double next = 1e9;
            for (const testsupport::PrintedWord& w : words)
                if (w.page == at->page && std::abs(w.yMin - at->yMin) < height / 2 && w.xMin > at->xMax)
                    next = std::min(next, w.xMin);
            ASSERT_LT(next, 1e9) << "nothing beside " << number;
            EXPECT_LE(next - at->xMax, 2 * height) << number << " stands in a column wider than it";
        }
    }
}

}  // namespace
