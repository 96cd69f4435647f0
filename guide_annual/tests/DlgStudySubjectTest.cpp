// The subject editor: the name looked up while the suffix is typed, the
// suffix's typing rules, adding, modifying with and without a new number,
// and what is refused without writing anything.
#include "TopicTestSupport.h"
#include "guide_annual/DlgStudySubject.h"
#include "guide_annual/DlgStudySubjectTree.h"
#include "guide_annual/TopicLookup.h"
#include "platform/ui/Simulate.h"

using S = CDlgStudySubject;

namespace {

class SubjectEditorTest : public TopicTest {
protected:
    // Runs an editor of the guide 9140A01 (year 2008) over the topic folder;
    // the handler works on it, and an editor still open is cancelled.
    int Run(int mode, const std::string& suffix, std::function<void(S&)> handler, const std::string& year = "2008") {
        S editor(host.get());
        editor.m_nMode = mode;
        editor.m_strJJBH = "9140A01";
        editor.m_strZNMC = "年度指南";
        editor.m_strFBNF = year;
        editor.m_strTopicFolder = topicFolder;
        editor.m_strTopicFile = topicFile;
        editor.m_arrSubjectCodes = {"9140A0101", "9140A0104"};
        editor.m_strSuffix = suffix;
        if (CDlgStudySubjectTree* shown = tree)
            editor.m_onPurposeChanged = [shown](const std::string& file) { shown->ShowPurpose(file); };
        driver.OnModal<S>([&](S& dlg) {
            handler(dlg);
            if (dlg.IsRunningModal()) dlg.Click(IDCANCEL);
        });
        const int result = editor.DoModal();
        EXPECT_TRUE(driver.Finished());
        return result;
    }

    void StoreTwoSubjects() {
        WriteTopic("<选题范围><fund9140A0101 专题名称=\"材料\" 研究目的=\"9140A0101.rtf\">"
                   "<fund9140A010102 研究方向名称=\"复合\" 是否重点研究方向=\"1\"><单位1 单位代码=\"0001\" 单位名称=\"甲\"/>"
                   "</fund9140A010102></fund9140A0101>"
                   "<fund9140A0104 专题名称=\"信息\" 研究目的=\"9140A0104.rtf\"/></选题范围>");
        WritePurpose("9140A0101", "old purpose");
    }

    static std::string Text(S& dlg, int id) { return dlg.GetDlgItemText(id); }
    static ui::Wnd& Suffix(S& dlg) { return *dlg.GetDlgItem(S::IDC_SUFFIX); }

    CDlgStudySubjectTree* tree = nullptr;
};

TEST_F(SubjectEditorTest, TheFiveYearPeriodOfAYear) {
    const std::pair<const char*, const char*> cases[] = {
        {"2006", "2006-2010"}, {"2008", "2006-2010"}, {"2010", "2006-2010"}, {"2011", "2011-2015"}, {"2030", "2026-2030"}};
    for (const auto& [year, period] : cases) EXPECT_EQ(topiclookup::PeriodOfYear(year), period) << year;
}

TEST_F(SubjectEditorTest, EachTypedCharacterLooksTheNumberUpInThePeriodsFiveYearSubjects) {
    topictest::Seed({"corvane_five_studysubject",
                     {"ztbh", "fbnf", "ztmc"},
                     {{"9140A010", "2006-2010", "十"},
                      {"9140A0101", "2006-2010", "材料"},
                      {"9140A0101", "2011-2015", "新材料"}}});
    Run(S::kAdd, "", [&](S& dlg) {
        dlg.SetDlgItemText(S::IDC_ZTMC, "typed");
        ui::sim::Type(Suffix(dlg), "0");
        EXPECT_EQ(Text(dlg, S::IDC_ZTMC), "十");
        ui::sim::Type(Suffix(dlg), "1");
        EXPECT_EQ(Text(dlg, S::IDC_ZTMC), "材料");
        ui::sim::Type(Suffix(dlg), "2");  // a third character is refused: the same number again
        EXPECT_EQ(Text(dlg, S::IDC_SUFFIX), "01");
        EXPECT_EQ(Text(dlg, S::IDC_ZTMC), "材料");
        ui::sim::PressKey(Suffix(dlg), VK_BACK);
        EXPECT_EQ(Text(dlg, S::IDC_SUFFIX), "0");
        EXPECT_EQ(Text(dlg, S::IDC_ZTMC), "十");
        ui::sim::PressKey(Suffix(dlg), VK_BACK);
        EXPECT_EQ(Text(dlg, S::IDC_ZTMC), "");  // 9140A01 is no subject
    });
    Run(S::kAdd, "", [&](S& dlg) { ui::sim::Type(Suffix(dlg), "01"); EXPECT_EQ(Text(dlg, S::IDC_ZTMC), "新材料"); },
        "2011");
    Run(S::kAdd, "", [&](S& dlg) {
        dlg.SetDlgItemText(S::IDC_ZTMC, "typed");
        ui::sim::Type(Suffix(dlg), "0-1.x");  // only letters and digits, at most two
        EXPECT_EQ(Text(dlg, S::IDC_SUFFIX), "01");
        EXPECT_EQ(Text(dlg, S::IDC_ZTMC), "typed");  // no year: no look-up
    }, "");
}

TEST_F(SubjectEditorTest, AFailedConnectionDuringTheLookUpLeavesTheNameEmpty) {
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    Run(S::kAdd, "", [&](S& dlg) {
        dlg.SetDlgItemText(S::IDC_ZTMC, "typed");
        driver.ExpectMessageBox(ui::AppTitle(), "数据库连接失败");
        ui::sim::Type(Suffix(dlg), "1");
        EXPECT_EQ(Text(dlg, S::IDC_ZTMC), "");
    });
}

TEST_F(SubjectEditorTest, AddingWritesThePurposeAndTheSubjectAtItsPlace) {
    StoreTwoSubjects();
    EXPECT_EQ(Run(S::kAdd, "", [&](S& dlg) {
        EXPECT_EQ(Text(dlg, S::IDC_JJBH), "9140A01");
        EXPECT_EQ(Text(dlg, S::IDC_ZNMC), "年度指南");
        dlg.SetDlgItemText(S::IDC_SUFFIX, "03");
        dlg.SetDlgItemText(S::IDC_ZTMC, "能源");
        dlg.PurposeEditor().SetWindowText("研究目的正文");
        dlg.Click(IDOK);
    }), IDOK);
    EXPECT_EQ(Outline(),
              "选题范围(fund9140A0101[材料][9140A0101.rtf](fund9140A010102[复合][1](单位1[0001][甲])) "
              "fund9140A0103[能源][9140A0103.rtf] fund9140A0104[信息][9140A0104.rtf])");
    const std::string rtf = topictest::ReadText(topic::PurposeFile(topicFolder, "9140A0103"));
    EXPECT_NE(rtf.find("\\fi580"), std::string::npos);   // first line indented
    EXPECT_NE(rtf.find("\\fs28"), std::string::npos);    // 14 points
}

TEST_F(SubjectEditorTest, RefusedFieldsWriteNothingAndKeepTheEditorOpen) {
    StoreTwoSubjects();
    const std::string before = topictest::ReadText(topicFile);
    struct Case {
        int mode;
        const char* suffix;
        const char* name;
        const char* caption;
        const char* message;
    };
    const Case cases[] = {
        {S::kAdd, "", "能源", "提示", "专题名称和专题编号不可为空!"},
        {S::kAdd, "03", "", "提示", "专题名称和专题编号不可为空!"},
        {S::kAdd, "04", "能源", nullptr, "该专题编号已存在！"},
        {S::kModify, "04", "材料", nullptr, "该专题编号已存在！"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.mode, "01", [&](S& dlg) {
            dlg.SetDlgItemText(S::IDC_SUFFIX, c.suffix);
            dlg.SetDlgItemText(S::IDC_ZTMC, c.name);
            driver.ExpectMessageBox(c.caption ? c.caption : ui::AppTitle(), c.message);
            dlg.Click(IDOK);
            EXPECT_TRUE(dlg.IsRunningModal());
        }), IDCANCEL) << c.suffix << c.name;
        EXPECT_EQ(topictest::ReadText(topicFile), before);
        EXPECT_FALSE(PurposeExists("9140A0103"));
        EXPECT_EQ(topictest::ReadText(topic::PurposeFile(topicFolder, "9140A0101")), "{\\rtf1\\ansi old purpose\\par}");
    }
}

TEST_F(SubjectEditorTest, ModifyingKeepsTheDirectionsAndRewritesNameAndPurpose) {
    StoreTwoSubjects();
    EXPECT_EQ(Run(S::kModify, "01", [&](S& dlg) {
        EXPECT_EQ(Text(dlg, S::IDC_ZTMC), "材料");
        EXPECT_NE(dlg.PurposeEditor().GetWindowText().find("old purpose"), std::string::npos);
        dlg.SetDlgItemText(S::IDC_ZTMC, "先进材料");
        dlg.PurposeEditor().SetWindowText("new purpose");
        dlg.Click(IDOK);
    }), IDOK);
    EXPECT_EQ(Outline(),
              "选题范围(fund9140A0101[先进材料][9140A0101.rtf](fund9140A010102[复合][1](单位1[0001][甲])) "
              "fund9140A0104[信息][9140A0104.rtf])");
    EXPECT_NE(topictest::ReadText(topic::PurposeFile(topicFolder, "9140A0101")).find("new purpose"),
              std::string::npos);
}

TEST_F(SubjectEditorTest, RenumberingMovesTheSubjectItsDirectionsAndItsPurposeFile) {
    CDlgStudySubjectTree panel(host.get());
    panel.Create(host.get());  // starts a fresh topic file
    StoreTwoSubjects();
    tree = &panel;
    EXPECT_EQ(Run(S::kModify, "01", [&](S& dlg) {
        dlg.SetDlgItemText(S::IDC_SUFFIX, "05");
        dlg.Click(IDOK);
    }), IDOK);
    EXPECT_EQ(Outline(),
              "选题范围(fund9140A0104[信息][9140A0104.rtf] "
              "fund9140A0105[材料][9140A0105.rtf](fund9140A010502[复合][1](单位1[0001][甲])))");
    EXPECT_FALSE(PurposeExists("9140A0101"));
    EXPECT_NE(topictest::ReadText(topic::PurposeFile(topicFolder, "9140A0105")).find("old purpose"),
              std::string::npos);
    EXPECT_NE(panel.PurposeDisplay().GetWindowText().find("old purpose"), std::string::npos);
}

TEST_F(SubjectEditorTest, CancelTouchesNoFile) {
    StoreTwoSubjects();
    const std::string before = topictest::ReadText(topicFile);
    EXPECT_EQ(Run(S::kModify, "01", [&](S& dlg) {
        dlg.SetDlgItemText(S::IDC_SUFFIX, "05");
        dlg.Click(IDCANCEL);
    }), IDCANCEL);
    EXPECT_EQ(topictest::ReadText(topicFile), before);
    EXPECT_TRUE(PurposeExists("9140A0101"));
    EXPECT_FALSE(PurposeExists("9140A0105"));
}

}  // namespace
