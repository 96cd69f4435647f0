// The research-direction editor: directed and undirected directions, the
// order of stored units, the key-direction marker, rewriting in place,
// duplicate numbers, removing rows and a set-up without the database.
#include "TopicTestSupport.h"
#include "guide_annual/DlgStudyAspect.h"
#include "platform/ui/Simulate.h"

using A = CDlgStudyAspect;

namespace {

class AspectEditorTest : public TopicTest {
protected:
    void SetUp() override {
        TopicTest::SetUp();
        topictest::AddUnits({{"0003", "三所"}, {"0005", "五所"}, {"0102", "一〇二所"}});
        WriteTopic("<选题范围><fund9140A0101 专题名称=\"材料\" 研究目的=\"9140A0101.rtf\">"
                   "<fund9140A010101 研究方向名称=\"复合\" 是否重点研究方向=\"1\">"
                   "<单位2 单位代码=\"0003\" 单位名称=\"三所\"/><单位1 单位代码=\"0005\" 单位名称=\"五所\"/>"
                   "</fund9140A010101>"
                   "<fund9140A010103 研究方向名称=\"涂层\" 是否重点研究方向=\"0\"><单位1 单位代码=\"0102\"/></fund9140A010103>"
                   "</fund9140A0101></选题范围>");
    }

    int Run(int mode, const std::string& suffix, std::function<void(A&)> handler, const std::string& fund = "9140C01") {
        A editor(host.get());
        editor.m_nMode = mode;
        editor.m_strJJBH = fund;
        editor.m_strFBNF = "2008";
        editor.m_strTopicFile = topicFile;
        editor.m_strZTBH = "9140A0101";
        editor.m_strZTMC = "材料";
        editor.m_arrAspectCodes = {"9140A010101", "9140A010103"};
        editor.m_strSuffix = suffix;
        editor.m_strYJFXMC = "名";
        driver.OnModal<A>([&](A& dlg) {
            handler(dlg);
            if (dlg.IsRunningModal()) dlg.Click(IDCANCEL);
        });
        const int result = editor.DoModal();
        EXPECT_TRUE(driver.Finished());
        return result;
    }

    static std::vector<std::string> Codes(A& dlg) {
        std::vector<std::string> codes;
        for (int row = 0; row < dlg.UnitGrid().GetRowCount(); ++row)
            codes.push_back(dlg.UnitGrid().GetCode(row) + "/" + dlg.UnitGrid().GetName(row));
        return codes;
    }
    // The outline of the direction 9140A010102, empty when there is none.
    std::string AddedDirection() const {
        xmldom::Document document;
        document.Load(topicFile);
        const xmldom::Node direction = document.SelectSingleNode("/选题范围/fund9140A0101/fund9140A010102");
        return direction ? topictest::Outline(direction) : "";
    }
};

TEST_F(AspectEditorTest, AnUndirectedDirectionIsOnlyForAFundNumberOfNoSpecialtyGroup) {
    topictest::Seed({"corvane_specgroup", {"jjbh", "zyzmc"}, {{"9140A01", "材料组"}}});
    EXPECT_EQ(Run(A::kAdd, "", [&](A& dlg) {
        dlg.SetDlgItemText(A::IDC_SUFFIX, "02");
        dlg.SetDlgItemText(A::IDC_YJFXMC, "无定向");
        driver.ExpectMessageBox("提示", "请正确填写定向发布单位！");
        dlg.Click(IDOK);
    }, "9140A01"), IDCANCEL);
    EXPECT_EQ(AddedDirection(), "");

    EXPECT_EQ(Run(A::kAdd, "", [&](A& dlg) {
        dlg.SetDlgItemText(A::IDC_SUFFIX, "02");
        dlg.SetDlgItemText(A::IDC_YJFXMC, "无定向");
        dlg.Click(IDOK);
    }), IDOK);
    EXPECT_EQ(AddedDirection(), "fund9140A010102[无定向][0]");
}

TEST_F(AspectEditorTest, UnitsAreStoredByRowAtTheirPlaceByCodeAndReopenInThatOrder) {
    EXPECT_EQ(Run(A::kAdd, "", [&](A& dlg) {
        dlg.SetDlgItemText(A::IDC_SUFFIX, "02");
        dlg.SetDlgItemText(A::IDC_YJFXMC, "新方向");
        for (const char* code : {"0102", "0005", "0003"}) dlg.UnitGrid().AddUnit(code);
        dlg.Click(A::IDC_KEY_YES);
        dlg.Click(IDOK);
    }), IDOK);
    EXPECT_EQ(AddedDirection(),
              "fund9140A010102[新方向][1](单位3[0003][三所] 单位2[0005][五所] 单位1[0102][一〇二所])");
    Run(A::kModify, "02", [&](A& dlg) {
        EXPECT_EQ(Codes(dlg), (std::vector<std::string>{"0003/三所", "0005/五所", "0102/一〇二所"}));
    });
}

// A unit added to the unit table while the guide view was open (its
// dictionary read before) can be chosen in the editor opened afterwards.
TEST_F(AspectEditorTest, AUnitAddedWhileTheViewIsOpenCanBeChosen) {
    topictest::Seed({"corvane_unit", {"dwdm", "dwmc", "ssbm"}, {{"0207", "新所", "部门"}}});  // not in the dictionary
    EXPECT_EQ(Run(A::kAdd, "", [&](A& dlg) {
        dlg.SetDlgItemText(A::IDC_SUFFIX, "02");
        dlg.SetDlgItemText(A::IDC_YJFXMC, "新方向");
        dlg.UnitGrid().AddUnit("0207");
        EXPECT_EQ(Codes(dlg), std::vector<std::string>{"0207/新所"});
        dlg.Click(IDOK);
    }), IDOK);
    EXPECT_EQ(AddedDirection(), "fund9140A010102[新方向][0](单位1[0207][新所])");
}

TEST_F(AspectEditorTest, TheStoredMarkerChecksItsRadioAndAnUntouchedPairStoresGeneral) {
    struct Case {
        const char* attribute;
        UINT yes, no;
    };
    const Case cases[] = {{" 是否重点研究方向=\"1\"", 1, 0}, {" 是否重点研究方向=\"0\"", 0, 1},
                          {" 是否重点研究方向=\"x\"", 0, 1}, {"", 0, 0}};
    for (const Case& c : cases) {
        WriteTopic(std::string("<选题范围><fund9140A0101 专题名称=\"材料\"><fund9140A010101 研究方向名称=\"复合\"") +
                   c.attribute + "/></fund9140A0101></选题范围>");
        EXPECT_EQ(Run(A::kModify, "01", [&](A& dlg) {
            EXPECT_EQ(dlg.IsDlgButtonChecked(A::IDC_KEY_YES), c.yes) << c.attribute;
            EXPECT_EQ(dlg.IsDlgButtonChecked(A::IDC_KEY_NO), c.no) << c.attribute;
            dlg.Click(IDOK);
        }), IDOK);
        EXPECT_EQ(Outline(), std::string("选题范围(fund9140A0101[材料](fund9140A010101[名][") + (c.yes ? "1" : "0") + "]))");
    }
}

TEST_F(AspectEditorTest, ModifyingRewritesTheDirectionInItsPlaceWithEveryRow) {
    EXPECT_EQ(Run(A::kModify, "01", [&](A& dlg) {
        EXPECT_EQ(Codes(dlg), (std::vector<std::string>{"0003/三所", "0005/五所"}));
        EXPECT_EQ(dlg.IsDlgButtonChecked(A::IDC_KEY_YES), 1u);
        dlg.UnitGrid().AddUnit("0102");
        dlg.Click(A::IDC_KEY_NO);
        dlg.Click(IDOK);
    }), IDOK);
    EXPECT_EQ(Outline(),
              "选题范围(fund9140A0101[材料][9140A0101.rtf]("
              "fund9140A010101[名][0](单位1[0003][三所] 单位2[0005][五所] 单位3[0102][一〇二所]) "
              "fund9140A010103[涂层][0](单位1[0102])))");
}

TEST_F(AspectEditorTest, RefusedFieldsAndRowsWriteNothing) {
    const std::string before = topictest::ReadText(topicFile);
    struct Case {
        int mode;
        const char* suffix;
        const char* name;
        const char* code;  // a row with this code; null: none
        const char* caption;
        const char* message;
    };
    const Case cases[] = {
        {A::kAdd, "", "新", "0003", "提示", "研究方向编号和研究方向名称都是必填项！"},
        {A::kAdd, "02", "", "0003", "提示", "研究方向编号和研究方向名称都是必填项！"},
        {A::kAdd, "03", "新", "0003", nullptr, "该研究方向编号已存在！"},
        {A::kModify, "03", "新", "0003", nullptr, "该研究方向编号已存在！"},
        {A::kAdd, "02", "新", "", "提示", "请正确填写定向发布单位！"},      // an empty row
        {A::kAdd, "02", "新", "0999", "提示", "请正确填写定向发布单位！"},  // a code of no unit
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.mode, "01", [&](A& dlg) {
            dlg.SetDlgItemText(A::IDC_SUFFIX, c.suffix);
            dlg.SetDlgItemText(A::IDC_YJFXMC, c.name);
            dlg.UnitGrid().RemoveAll();
            if (c.code) dlg.UnitGrid().AddUnit(c.code);
            driver.ExpectMessageBox(c.caption ? c.caption : ui::AppTitle(), c.message);
            dlg.Click(IDOK);
        }), IDCANCEL) << c.message << c.suffix;
        EXPECT_EQ(topictest::ReadText(topicFile), before);
    }
}

TEST_F(AspectEditorTest, RemovingRowsNeedsACurrentRowAndTakesEverySelectedOne) {
    Run(A::kAdd, "", [&](A& dlg) {
        driver.ExpectMessageBox("提示", "你尚未选中任何条目!");
        dlg.Click(A::IDC_REMOVEROWS);
        for (const char* code : {"0003", "0005", "0102"}) dlg.UnitGrid().AddUnit(code);
        dlg.UnitGrid().SetCurSel(0);
        dlg.UnitGrid().SelectRow(2);
        dlg.Click(A::IDC_REMOVEROWS);
        EXPECT_EQ(Codes(dlg), std::vector<std::string>{"0005/五所"});
        dlg.Click(A::IDC_ADDROW);
        EXPECT_EQ(Codes(dlg), (std::vector<std::string>{"0005/五所", "/"}));
    });
}

TEST_F(AspectEditorTest, TheNameIsLookedUpAmongThePeriodsFiveYearDirections) {
    topictest::Seed({"corvane_five_studyaspect",
                     {"yjfxbh", "fbnf", "yjfxmc"},
                     {{"9140A010102", "2006-2010", "五年方向"}, {"9140A010102", "2011-2015", "别的时期"}}});
    Run(A::kAdd, "", [&](A& dlg) {
        ui::Wnd& suffix = *dlg.GetDlgItem(A::IDC_SUFFIX);
        ui::sim::Type(suffix, "0");
        EXPECT_EQ(dlg.GetDlgItemText(A::IDC_YJFXMC), "");
        ui::sim::Type(suffix, "2");
        EXPECT_EQ(dlg.GetDlgItemText(A::IDC_YJFXMC), "五年方向");
        ui::sim::Type(suffix, "!");
        EXPECT_EQ(dlg.GetDlgItemText(A::IDC_SUFFIX), "02");
    });
}

// Without the database the stored units are still listed (without names),
// so OK refuses them instead of storing the direction without its units.
TEST_F(AspectEditorTest, WithoutTheDatabaseTheStoredUnitsAreNotDropped) {
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    const std::string before = topictest::ReadText(topicFile);
    driver.ExpectMessageBox(ui::AppTitle(), "数据库连接失败");
    Run(A::kModify, "01", [&](A& dlg) {
        EXPECT_EQ(Codes(dlg), (std::vector<std::string>{"0003/", "0005/"}));
        driver.ExpectMessageBox("提示", "请正确填写定向发布单位！");
        dlg.Click(IDOK);
        driver.ExpectMessageBox(ui::AppTitle(), "数据库连接失败");  // the look-up after the key
        ui::sim::Type(*dlg.GetDlgItem(A::IDC_SUFFIX), "-");
        EXPECT_EQ(dlg.GetDlgItemText(A::IDC_SUFFIX), "01");  // the suffix rule holds all the same
    });
    EXPECT_EQ(topictest::ReadText(topicFile), before);
}

// A direction that left the document while its editor was open is added
// again by OK (the five-year editor refuses instead).
TEST_F(AspectEditorTest, ModifyingADirectionGoneFromTheDocumentAddsItAgain) {
    WriteTopic("<选题范围><fund9140A0101 专题名称=\"材料\"><fund9140A010101 研究方向名称=\"复合\" 是否重点研究方向=\"1\"/>"
               "</fund9140A0101></选题范围>");
    EXPECT_EQ(Run(A::kModify, "01", [&](A& dlg) {
        WriteTopic("<选题范围><fund9140A0101 专题名称=\"材料\"/></选题范围>");
        dlg.Click(IDOK);
    }, "9140A01"), IDOK);
    EXPECT_EQ(Outline(), "选题范围(fund9140A0101[材料](fund9140A010101[名][1]))");
}

}  // namespace
