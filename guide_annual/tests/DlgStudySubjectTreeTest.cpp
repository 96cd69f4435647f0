// The subject tree panel: its topic file from creation to destruction, the
// tree built from a stored document, the purpose display, deleting at each
// level, resetting, and the editors it runs.
#include "TopicTestSupport.h"
#include "guide_annual/DlgStudyAspect.h"
#include "guide_annual/DlgStudySubject.h"
#include "guide_annual/DlgStudySubjectTree.h"
#include "platform/ui/Simulate.h"

using ui::HTREEITEM;
using Tree = CDlgStudySubjectTree;

namespace {

// Two subjects; the first has a key direction directed at two units (one of
// them unknown to the unit table) and a general one without units.
constexpr const char* kStored =
    "<选题范围>"
    "<fund9140A0102 专题名称=\"材料\" 研究目的=\"9140A0102.rtf\">"
    "<fund9140A010201 研究方向名称=\"复合材料\" 是否重点研究方向=\"1\">"
    "<单位1 单位代码=\"0002\" 单位名称=\"文档里的名字\"/><单位2 单位代码=\"0009\" 单位名称=\"无此单位\"/>"
    "</fund9140A010201>"
    "<fund9140A010202 研究方向名称=\"涂层\" 是否重点研究方向=\"0\"/>"
    "</fund9140A0102>"
    "<fund9140A0101 专题名称=\"信息\" 研究目的=\"9140A0101.rtf\"/>"
    "</选题范围>";

class SubjectTreeTest : public TopicTest {
protected:
    void SetUp() override {
        TopicTest::SetUp();
        topictest::AddUnits({{"0002", "第二研究所"}});
        panel = std::make_unique<Tree>(host.get());
        panel->Create(host.get());
        panel->m_strJJBH = "9140A01";
        panel->m_strZNMC = "年度指南";
        panel->m_strFBNF = "2008";
    }
    void TearDown() override {
        panel.reset();
        TopicTest::TearDown();
    }

    // Writes the stored guide's files as the guide editor does, then rebuilds.
    void LoadStored() {
        WriteTopic(kStored);
        WritePurpose("9140A0102", "purpose of materials");
        WritePurpose("9140A0101", "purpose of information");
        panel->LoadSubjects();
    }

    // The tree as lines "level text", in tree order.
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        ui::TreeCtrl& tree = panel->Tree();
        std::function<void(HTREEITEM)> walk = [&](HTREEITEM item) {
            for (; item; item = tree.GetNextSiblingItem(item)) {
                lines.push_back(std::to_string(panel->GetItemLevel(item)) + " " + tree.GetItemText(item));
                walk(tree.GetChildItem(item));
            }
        };
        walk(tree.GetRootItem());
        return lines;
    }

    HTREEITEM Find(const std::string& code) {
        ui::TreeCtrl& tree = panel->Tree();
        std::function<HTREEITEM(HTREEITEM)> search = [&](HTREEITEM item) -> HTREEITEM {
            for (; item; item = tree.GetNextSiblingItem(item)) {
                if (panel->GetItemCode(item) == code) return item;
                if (HTREEITEM found = search(tree.GetChildItem(item))) return found;
            }
            return nullptr;
        };
        return search(tree.GetRootItem());
    }

    void Select(const std::string& code) {
        HTREEITEM item = Find(code);
        ASSERT_NE(item, nullptr) << code;
        panel->Tree().SelectItem(item);
    }

    std::string Shown() { return panel->PurposeDisplay().GetWindowText(); }

    std::unique_ptr<Tree> panel;
};

TEST_F(SubjectTreeTest, ANewPanelStartsFromAnEmptyTopicFileAndTakesTheFolderAlongWhenDestroyed) {
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(panel->m_strTopicFile, topicFile);
    EXPECT_EQ(Outline(), "选题范围");

    WritePurpose("9140A0101", "left behind");
    panel->DestroyWindow();
    EXPECT_FALSE(sys::FolderExists(topicFolder));

    // A panel whose window goes with its parent's removes the folder too.
    panel = std::make_unique<Tree>(host.get());
    panel->Create(host.get());
    EXPECT_TRUE(sys::FileExists(topicFile));
    panel.reset();
    EXPECT_FALSE(sys::FolderExists(topicFolder));
}

TEST_F(SubjectTreeTest, TheTreeShowsTheStoredOrderWithUnitNamesFromTheUnitTable) {
    LoadStored();
    EXPECT_EQ(Lines(), (std::vector<std::string>{
                           "0 9140A01(年度指南)",
                           "1 9140A0102(材料)",
                           "2 9140A010201(复合材料)",
                           "3 0002(第二研究所)",
                           "3 0009()",
                           "2 9140A010202(涂层)",
                           "1 9140A0101(信息)",
                       }));
    ui::TreeCtrl& tree = panel->Tree();
    EXPECT_TRUE(tree.IsExpanded(tree.GetRootItem()));
    EXPECT_FALSE(tree.IsExpanded(Find("9140A0102")));
    EXPECT_EQ(panel->GetItemLevel(nullptr), -1);
}

TEST_F(SubjectTreeTest, TheDisplayLoadsAPurposeOnlyWhenAnotherSubjectIsSelected) {
    LoadStored();
    Select("9140A010201");
    EXPECT_NE(Shown().find("purpose of materials"), std::string::npos);

    panel->PurposeDisplay().SetWindowText("untouched");
    for (const char* sameSubject : {"0002", "9140A0102", "9140A010202", "9140A01"}) {
        Select(sameSubject);
        EXPECT_EQ(Shown(), "untouched") << sameSubject;
    }
    Select("9140A0101");
    EXPECT_NE(Shown().find("purpose of information"), std::string::npos);

    // A subject without a purpose file leaves the display as it is.
    WriteTopic("<选题范围><fund9140A0103 专题名称=\"空\" 研究目的=\"9140A0103.rtf\"/></选题范围>");
    panel->LoadSubjects();
    Select("9140A0103");
    EXPECT_NE(Shown().find("purpose of information"), std::string::npos);
}

TEST_F(SubjectTreeTest, DeletingAsksAtEachLevelAndRemovesWhatTheItemStandsFor) {
    struct Case {
        const char* selected;
        const char* question;
        const char* outline;  // after Yes
        bool materialsPurposeKept, informationPurposeKept;
    };
    const Case cases[] = {
        {"9140A01", "确定删除指南9140A01所有的专题和研究方向？", "选题范围", false, false},
        {"9140A0102", "确定删除专题9140A0102？",
         "选题范围(fund9140A0101[信息][9140A0101.rtf])", false, true},
        // A unit item stands for its whole direction; no file is deleted.
        {"0009", "确定删除研究方向9140A010201？",
         "选题范围(fund9140A0102[材料][9140A0102.rtf](fund9140A010202[涂层][0]) "
         "fund9140A0101[信息][9140A0101.rtf])",
         true, true},
        {"9140A010202", "确定删除研究方向9140A010202？",
         "选题范围(fund9140A0102[材料][9140A0102.rtf](fund9140A010201[复合材料][1]("
         "单位1[0002][文档里的名字] 单位2[0009][无此单位])) fund9140A0101[信息][9140A0101.rtf])",
         true, true},
    };
    for (const Case& c : cases) {
        LoadStored();
        const std::string before = Outline();
        Select(c.selected);
        driver.ExpectMessageBox("提示", c.question, IDNO);
        panel->Click(Tree::IDC_DELETE);
        EXPECT_EQ(Outline(), before) << c.selected;

        Select(c.selected);
        driver.ExpectMessageBox("提示", c.question, IDYES);
        panel->Click(Tree::IDC_DELETE);
        EXPECT_EQ(Outline(), c.outline) << c.selected;
        EXPECT_EQ(PurposeExists("9140A0102"), c.materialsPurposeKept) << c.selected;
        EXPECT_EQ(PurposeExists("9140A0101"), c.informationPurposeKept) << c.selected;
        EXPECT_EQ(Shown(), "") << c.selected;
        EXPECT_EQ(driver.MessageBoxes().back().type, UINT(MB_YESNO | MB_ICONQUESTION));
    }
    // After a direction was deleted its subject is shown open.
    EXPECT_TRUE(panel->Tree().IsExpanded(Find("9140A0102")));
}

TEST_F(SubjectTreeTest, CommandsWithoutASuitableSelectionOrGuideOnlyTellWhy) {
    LoadStored();
    panel->Tree().SelectItem(nullptr);
    driver.ExpectMessageBox("提示", "请先选中要删除的内容！");
    panel->Click(Tree::IDC_DELETE);
    driver.ExpectMessageBox("提示", "请先选中要修改的专题或者研究方向！");
    panel->Click(Tree::IDC_MODIFY);
    driver.ExpectMessageBox("提示", "请先选择要添加的研究方向所属专题！");
    panel->Click(Tree::IDC_ADDASPECT);
    Select("9140A01");
    driver.ExpectMessageBox("提示", "请先选择要添加的研究方向所属专题！");
    panel->Click(Tree::IDC_ADDASPECT);
    driver.ExpectMessageBox("提示", "请先选中要修改的专题或者研究方向！");
    panel->Click(Tree::IDC_MODIFY);

    for (std::string Tree::*field : {&Tree::m_strJJBH, &Tree::m_strZNMC, &Tree::m_strFBNF}) {
        const std::string kept = (*panel).*field;
        (*panel).*field = "";
        driver.ExpectMessageBox("提示", "基金编号、指南名称和发布年份都是必填项！");
        panel->Click(Tree::IDC_ADDSUBJECT);  // no editor opens
        (*panel).*field = kept;
    }
    EXPECT_TRUE(driver.Finished());
}

TEST_F(SubjectTreeTest, ResetLeavesAnEmptyTreeDisplayAndTopicFolder) {
    LoadStored();
    Select("9140A0101");
    panel->ResetTree();
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(Shown(), "");
    EXPECT_FALSE(PurposeExists("9140A0101"));
    EXPECT_EQ(Outline(), "选题范围");
}

TEST_F(SubjectTreeTest, WithoutTheDatabaseTheTreeIsKept) {
    LoadStored();
    const auto before = Lines();
    ASSERT_TRUE(sys::RemoveFile(PathOf("project.mdb")));
    WriteTopic("<选题范围/>");
    driver.ExpectMessageBox(ui::AppTitle(), "连接数据库失败！");
    panel->LoadSubjects();
    EXPECT_EQ(Lines(), before);
}

TEST_F(SubjectTreeTest, TheEditorsGetTheGuideAndTheNumbersTheTreeShows) {
    LoadStored();
    // Adding a subject, typed in full in the editor.
    driver.OnModal<CDlgStudySubject>([&](CDlgStudySubject& dlg) {
        EXPECT_EQ(dlg.m_nMode, CDlgStudySubject::kAdd);
        EXPECT_EQ(dlg.m_strTopicFile, topicFile);
        EXPECT_EQ(dlg.m_arrSubjectCodes, (std::vector<std::string>{"9140A0102", "9140A0101"}));
        EXPECT_EQ(dlg.GetDlgItemText(CDlgStudySubject::IDC_CODEHEAD), "9140A01");
        dlg.SetDlgItemText(CDlgStudySubject::IDC_SUFFIX, "03");
        dlg.SetDlgItemText(CDlgStudySubject::IDC_ZTMC, "能源");
        dlg.Click(IDOK);
    });
    panel->Click(Tree::IDC_ADDSUBJECT);
    EXPECT_EQ(Lines().back(), "1 9140A0103(能源)");

    // Modifying the direction of a selected unit.
    Select("0002");
    driver.OnModal<CDlgStudyAspect>([&](CDlgStudyAspect& dlg) {
        EXPECT_EQ(dlg.m_nMode, CDlgStudyAspect::kModify);
        EXPECT_EQ(dlg.m_strZTBH, "9140A0102");
        EXPECT_EQ(dlg.m_strZTMC, "材料");
        EXPECT_EQ(dlg.m_strSuffix, "01");
        EXPECT_EQ(dlg.m_strYJFXMC, "复合材料");
        EXPECT_EQ(dlg.m_arrAspectCodes, (std::vector<std::string>{"9140A010201", "9140A010202"}));
        dlg.SetDlgItemText(CDlgStudyAspect::IDC_YJFXMC, "先进复合材料");
        driver.ExpectMessageBox("提示", "请正确填写定向发布单位！");  // 0009 has no name
        dlg.Click(IDOK);
        dlg.UnitGrid().RemoveRow(1);
        dlg.Click(IDOK);
    });
    panel->Click(Tree::IDC_MODIFY);
    EXPECT_EQ(Lines()[2], "2 9140A010201(先进复合材料)");
    EXPECT_TRUE(panel->Tree().IsExpanded(Find("9140A0102")));

    // Adding a direction under the subject of a selected direction.
    Select("9140A010202");
    driver.OnModal<CDlgStudyAspect>([&](CDlgStudyAspect& dlg) {
        EXPECT_EQ(dlg.m_nMode, CDlgStudyAspect::kAdd);
        EXPECT_EQ(dlg.m_strZTBH, "9140A0102");
        dlg.Click(IDCANCEL);
    });
    panel->Click(Tree::IDC_ADDASPECT);
    EXPECT_TRUE(driver.Finished());
}

}  // namespace
