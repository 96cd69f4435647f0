// The achievement compilation: the funds of accepted projects, the project
// list that follows the fund ticks, and the document with each chosen
// project's facts and reformatted completion summary.
#include "office_reports/DlgCGXB.h"

#include "ReportTestSupport.h"
#include "foundation/AdoRecordSet.h"
#include "foundation/LongBinary.h"
#include "platform/office/Package.h"
#include "testsupport/PrintedPages.h"
#include "platform/sys/Process.h"
#include "platform/text/Text.h"

using namespace reporttest;

namespace {

const std::string kA1 = "9140A010101081001001";
const std::string kA2 = "9140A010101081002001";
const std::string kB1 = "9140A020101081001001";

class CGXB : public ReportTest {
protected:
    void AddAccepted(const std::string& xmbh, const std::string& category, long grade, const std::string& indicators,
                     const std::string& summaryRtf, const std::string& year = "2008") {
        AddApplication(xmbh, category, "1", year);
        CAdoRecordSet rs;
        rs.SetConnection(&connection);
        ASSERT_TRUE(rs.Open("select * from CORVANE_ITEMCHECKACCEPT"));
        ASSERT_TRUE(rs.AddNew());
        rs.SetString("XMBH", xmbh);
        rs.SetString("SJWCR", "甲、乙");
        rs.SetInt("YSQK", grade);
        if (!indicators.empty()) {
            ASSERT_TRUE(WriteLongBinary(rs, "ZBSXQK", indicators));
        }
        if (!summaryRtf.empty()) {
            ASSERT_TRUE(WriteLongBinary(rs, "WCQKJJ", summaryRtf));
        }
        ASSERT_TRUE(rs.Update());
    }
    void Seed() {
        AddAccepted(kA1, kGroupGeneral, 0, text::Utf8ToGbk("指标全部达到") + std::string(1, '\0') + "junk",
                    "{\\rtf1\\ansi\\ansicpg936 " + text::Utf8ToGbk("完成良好") + "\\par}");
        AddAccepted(kA2, kGroupKey, 4, "", "");
        AddAccepted(kB1, kGroupGeneral, 1, "", "");
        AddAccepted("9140A030101071001001", kGroupGeneral, 1, "", "", "2007");  // another year
        AddAccepted("9140C010101081001001", kLabGeneral, 1, "", "");            // a laboratory
        AddApplication("9140A040101081001001", kGroupGeneral, "1");              // not accepted
    }
    template <class Handler>
    void Run(Handler handler) {
        driver.OnModal<CDlgCGXB>(handler);
        officereports::RunCGXB(&connection);
    }
    static std::vector<std::string> Column(const ui::ListCtrl& list, int column) {
        std::vector<std::string> texts;
        for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column));
        return texts;
    }
    static std::vector<bool> Ticks(const ui::ListCtrl& list) {
        std::vector<bool> ticks;
        for (int row = 0; row < list.GetItemCount(); ++row) ticks.push_back(list.GetCheck(row));
        return ticks;
    }
};

TEST_F(CGXB, FundTicksBringTheirAcceptedProjectsInAndTakeThemOut) {
    Seed();
    Run([&](CDlgCGXB& dlg) {
        EXPECT_EQ(dlg.m_nCategory, 0);
        EXPECT_EQ(Column(dlg.m_listFunds, 0), (std::vector<std::string>{"9140A02", "9140A01"})) << "descending";
        EXPECT_EQ(Ticks(dlg.m_listFunds), (std::vector<bool>{false, false}));

        dlg.m_listFunds.SetCheck(1, TRUE);  // the user ticks 9140A01
        EXPECT_EQ(Column(dlg.m_listProjects, 0), (std::vector<std::string>{kA2, kA1}));
        EXPECT_EQ(Column(dlg.m_listProjects, 1), (std::vector<std::string>{"名称002001", "名称001001"}));
        EXPECT_EQ(Ticks(dlg.m_listProjects), (std::vector<bool>{true, true}));
        dlg.m_listFunds.SetCheck(0, TRUE);
        EXPECT_EQ(Column(dlg.m_listProjects, 0), (std::vector<std::string>{kB1, kA2, kA1}));
        dlg.m_listFunds.SetCheck(1, FALSE);
        EXPECT_EQ(Column(dlg.m_listProjects, 0), (std::vector<std::string>{kB1}));

        // 反选 with 9140A02 ticked and 9140A01 unticked.
        dlg.Click(CDlgCGXB::IDC_INVERT_FUNDS);
        EXPECT_EQ(Ticks(dlg.m_listFunds), (std::vector<bool>{false, true}));
        EXPECT_EQ(Column(dlg.m_listProjects, 0), (std::vector<std::string>{kA2, kA1}));
        dlg.Click(CDlgCGXB::IDC_SELECT_ALL_FUNDS);
        EXPECT_EQ(Ticks(dlg.m_listFunds), (std::vector<bool>{true, true}));
        EXPECT_EQ(Column(dlg.m_listProjects, 0), (std::vector<std::string>{kB1, kA2, kA1}));

        dlg.Click(CDlgCGXB::IDC_INVERT_PROJECTS);
        EXPECT_EQ(Ticks(dlg.m_listProjects), (std::vector<bool>{false, false, false}));
        dlg.m_listProjects.SetCheck(1, TRUE);
        dlg.Click(CDlgCGXB::IDC_INVERT_PROJECTS);
        EXPECT_EQ(Ticks(dlg.m_listProjects), (std::vector<bool>{true, false, true}));
        dlg.Click(CDlgCGXB::IDC_SELECT_ALL_PROJECTS);
        EXPECT_EQ(Ticks(dlg.m_listProjects), (std::vector<bool>{true, true, true}));

        // Another category rebuilds the funds and empties the projects.
        dlg.Item<ui::ComboBox>(CDlgCGXB::IDC_CATEGORY)->SetCurSel(1);
        dlg.OnCommand(CDlgCGXB::IDC_CATEGORY, CBN_SELCHANGE);
        EXPECT_EQ(Column(dlg.m_listFunds, 0), (std::vector<std::string>{"9140C01"}));
        EXPECT_EQ(dlg.m_listProjects.GetItemCount(), 0);
        dlg.Click(IDCANCEL);
    });
}

TEST_F(CGXB, TheDocumentHoldsEachTickedProjectFromTheTopOfTheList) {
    Seed();
    Run([&](CDlgCGXB& dlg) {
        dlg.m_listFunds.SetCheck(1, TRUE);  // 9140A01: kA2 above kA1
        dlg.Click(IDOK);
        EXPECT_FALSE(dlg.IsRunningModal());
    });
    office::word::Document doc = OpenedDocument();
    ASSERT_TRUE(doc.IsValid());
    const std::string text = doc.Text();
    const std::string second = "名称002001\r项目类别及编号：重点项目 " + kA2 +
                               "\r项目负责人及所在单位：张三 单位\r主要研究人员：甲、乙\r验收情况：\r"
                               "技术指标实现情况：\v\r完成情况简介：\r\r";
    const std::string first = "名称001001\r项目类别及编号：一般项目 " + kA1 +
                              "\r项目负责人及所在单位：张三 单位\r主要研究人员：甲、乙\r验收情况：优\r"
                              "技术指标实现情况：\v指标全部达到\r完成情况简介：\r";
    EXPECT_EQ(text.find(second), 0u) << text;
    const std::size_t at = text.find(first);
    ASSERT_NE(at, std::string::npos) << text;
    EXPECT_NE(text.find("完成良好", at), std::string::npos) << text;
    // The summary went in as 宋体 10.5 pt with its first line indented.
    std::string rtf;
    ASSERT_TRUE(sys::ReadFile(sys::ScratchPath("tempcontent.rtf"), rtf));
    EXPECT_NE(rtf.find("\\fs21"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\fi410"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\'cb\\'ce\\'cc\\'e5"), std::string::npos) << rtf;  // 宋体 in GBK
    // In the document the indent is on the summary's paragraph, not on its label's.
    office::Package package;
    std::string error;
    ASSERT_TRUE(package.Load(opened.back(), error)) << error;
    const std::string body = package.Part("word/document.xml");
    auto paragraphOf = [&](const std::string& text) {
        const std::size_t at = body.find(text, body.find("名称001001"));
        if (at == std::string::npos) return std::string();
        auto before = [&](const char* tag) { const std::size_t p = body.rfind(tag, at); return p == std::string::npos ? 0 : p; };
        const std::size_t start = std::max(before("<w:p>"), before("<w:p "));
        return body.substr(start, at - start);
    };
    EXPECT_NE(paragraphOf("完成良好").find("w:firstLine=\"410\""), std::string::npos) << body;
    EXPECT_EQ(paragraphOf("完成情况简介").find("w:firstLine"), std::string::npos) << body;
}

// As printed: the label starts at the margin and the summary under it is
// indented (leading blanks of the page's text lines).
TEST_F(CGXB, PrintedSummaryIsIndentedAndItsLabelIsNot) {
    if (!testsupport::CanPrintToPdf()) GTEST_SKIP() << "soffice or pdftotext is not installed";
    Seed();
    Run([&](CDlgCGXB& dlg) {
        dlg.m_listFunds.SetCheck(1, TRUE);
        dlg.Click(IDOK);
    });
    ASSERT_EQ(opened.size(), 1u);
    const auto printed = testsupport::PrintedPages({opened.back()}, Folder());
    ASSERT_FALSE(printed[0].empty());
    auto indentOf = [&](const std::string& text) {
        for (const std::string& line : text::Split(printed[0][0], "\n"))
            if (line.find(text) != std::string::npos) return static_cast<long>(line.find_first_not_of(' '));
        return -1L;
    };
    const long label = indentOf("完成情况简介"), summary = indentOf("完成良好");
    ASSERT_GE(label, 0) << printed[0][0];
    ASSERT_GE(summary, 0) << printed[0][0];
    EXPECT_GT(summary, label) << printed[0][0];
}

TEST_F(CGXB, RefusalsKeepTheDialogOpen) {
    Seed();
    Run([&](CDlgCGXB& dlg) {
        driver.ExpectMessageBox("提示", "请选择输出项目！");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.m_listFunds.SetCheck(0, TRUE);
        office::SetStartHook([](std::string_view) { return false; });
        driver.ExpectMessageBox("提示", "Word服务程序启动失败！");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    EXPECT_TRUE(opened.empty());
}

}  // namespace
