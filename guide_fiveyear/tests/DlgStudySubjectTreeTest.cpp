// The topic scope of a five-year guide: the tree's commands with the topic
// and direction editors, the rules for directed units (a laboratory's
// directions need units, a group's need not), numbers taken already, the
// empty key-direction flag, and modifying.
#include <functional>

#include "FiveGuideTestSupport.h"
#include "guide_annual/TopicScopeDocument.h"
#include "guide_fiveyear/DlgSelectGroupLab.h"
#include "guide_fiveyear/DlgStudyAspect.h"
#include "guide_fiveyear/DlgStudySubject.h"

namespace {

using fiveyear::CDlgStudyAspect;
using fiveyear::CDlgStudySubject;

struct Unit {
    std::string code, name;
};

class TopicTree : public FiveGuideTest {
protected:
    void SetUp() override {
        FiveGuideTest::SetUp();
        AddGroup("9140A01", "甲组");
        AddLab("9140C01", "甲实验室");
        AddUnit("U1", "甲单位");
        AddUnit("U2", "乙单位");
    }
    // A new guide of the group or laboratory, with no topic yet.
    fiveyear::CDlgStudySubjectTree& NewGuide(const std::string& code) {
        CDlgFiveGuide& view = OpenView("2011-2015");
        driver.OnModal<CDlgSelectGroupLab>([code](CDlgSelectGroupLab& dlg) {
            auto& list = *dlg.Item<ui::ListCtrl>(CDlgSelectGroupLab::IDC_LIST);
            for (int row = 0; row < list.GetItemCount(); ++row)
                if (list.GetItemText(row, 1) == code) list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
            dlg.Click(IDOK);
        });
        view.OnBtnAdd();
        return view.m_dlgDetail.m_tabWnd.SubjectTree();
    }
    void AddTopicByEditor(fiveyear::CDlgStudySubjectTree& tree, const std::string& suffix, const std::string& name) {
        driver.OnModal<CDlgStudySubject>([=](CDlgStudySubject& dlg) {
            dlg.SetDlgItemText(CDlgStudySubject::IDC_SUFFIX, suffix);
            dlg.SetDlgItemText(CDlgStudySubject::IDC_ZTMC, name);
            dlg.PurposeEditor().SetWindowText("purpose " + suffix);
            dlg.Click(IDOK);
        });
        tree.Click(fiveyear::CDlgStudySubjectTree::IDC_ADDSUBJECT);
    }
    static ui::HTREEITEM Find(ui::TreeCtrl& tree, const std::string& code, ui::HTREEITEM from = nullptr) {
        for (ui::HTREEITEM item = from ? tree.GetChildItem(from) : tree.GetRootItem(); item;
             item = tree.GetNextSiblingItem(item)) {
            const std::string text = tree.GetItemText(item);
            if (text.substr(0, text.find('(')) == code) return item;
            if (ui::HTREEITEM inner = Find(tree, code, item)) return inner;
        }
        return nullptr;
    }
    // Fills the direction editor: suffix, name and unit rows; `more` runs
    // before OK is pressed.
    void FillDirection(const std::string& suffix, const std::string& name, const std::vector<Unit>& units,
                       std::function<void(CDlgStudyAspect&)> more = {}) {
        driver.OnModal<CDlgStudyAspect>([=](CDlgStudyAspect& dlg) {
            dlg.SetDlgItemText(CDlgStudyAspect::IDC_SUFFIX, suffix);
            dlg.SetDlgItemText(CDlgStudyAspect::IDC_YJFXMC, name);
            for (const Unit& unit : units) {
                dlg.Click(CDlgStudyAspect::IDC_ADDROW);
                dlg.UnitGrid().SetRowTexts(dlg.UnitGrid().GetRowCount() - 1, unit.code, unit.name);
            }
            if (more) more(dlg);
            dlg.Click(IDOK);
            if (dlg.IsRunningModal()) dlg.Click(IDCANCEL);
        });
    }
    void AddDirectionTo(fiveyear::CDlgStudySubjectTree& tree, const std::string& topic) {
        tree.Tree().SelectItem(Find(tree.Tree(), topic));
        tree.Click(fiveyear::CDlgStudySubjectTree::IDC_ADDASPECT);
    }
    static std::vector<TopicSubject> Topics(fiveyear::CDlgStudySubjectTree& tree) {
        TopicScopeDocument document;
        EXPECT_TRUE(document.Load(tree.m_strTopicFile));
        return document.Subjects();
    }
};

TEST_F(TopicTree, TopicsNeedAGuideAndTakeANumberNotTakenYet) {
    CDlgFiveGuide& view = OpenView("2011-2015");
    driver.ExpectMessageBox("提示", "基金编号、指南名称和发布年份都是必填项！");
    view.m_dlgDetail.m_tabWnd.SubjectTree().Click(fiveyear::CDlgStudySubjectTree::IDC_ADDSUBJECT);

    fiveyear::CDlgStudySubjectTree& tree = NewGuide("9140A01");
    driver.OnModal<CDlgStudySubject>([](CDlgStudySubject& dlg) {
        EXPECT_EQ(dlg.GetWindowText(), "专题编辑");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgStudySubject::IDC_JJBH), "9140A01");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgStudySubject::IDC_ZNMC), "甲组");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgStudySubject::IDC_CODEHEAD), "9140A01");
        dlg.SetDlgItemText(CDlgStudySubject::IDC_SUFFIX, "01");
        dlg.Click(IDOK);  // no name
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    driver.ExpectMessageBox("提示", "专题名称和专题编号不可为空!");
    tree.Click(fiveyear::CDlgStudySubjectTree::IDC_ADDSUBJECT);
    EXPECT_TRUE(Topics(tree).empty());

    AddTopicByEditor(tree, "01", "专题一");
    ASSERT_EQ(Topics(tree).size(), 1u);
    EXPECT_EQ(Topics(tree)[0].number, "9140A0101");
    EXPECT_EQ(Topics(tree)[0].name, "专题一");
    EXPECT_TRUE(sys::FileExists(sys::JoinPath(tree.m_strTopicFolder, "9140A0101.rtf")));
    EXPECT_NE(Find(tree.Tree(), "9140A0101"), nullptr);

    driver.OnModal<CDlgStudySubject>([](CDlgStudySubject& dlg) {
        dlg.SetDlgItemText(CDlgStudySubject::IDC_SUFFIX, "01");
        dlg.SetDlgItemText(CDlgStudySubject::IDC_ZTMC, "重号");
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    driver.AnswerMessageBox();
    tree.Click(fiveyear::CDlgStudySubjectTree::IDC_ADDSUBJECT);
    EXPECT_EQ(driver.MessageBoxes().back().text, "该专题编号已存在！");
    EXPECT_EQ(Topics(tree).size(), 1u);
}

TEST_F(TopicTree, DirectedUnitsAreNeededForALaboratoryAndOptionalForAGroup) {
    const struct {
        std::string guide;
        std::vector<Unit> units;
        std::string refusal;  // empty: accepted
    } cases[] = {
        {"9140C01", {}, "请正确填写定向发布单位！"},
        {"9140A01", {}, ""},
        {"9140C01", {{"U1", "甲单位"}, {"U2", "乙单位"}}, ""},
        {"9140A01", {{"U1", ""}}, "请正确填写定向发布单位！"},
        {"9140A01", {{"", "甲单位"}}, "请正确填写定向发布单位！"},
    };
    for (const auto& c : cases) {
        fiveyear::CDlgStudySubjectTree& tree = NewGuide(c.guide);
        AddTopicByEditor(tree, "01", "专题");
        const std::string topic = c.guide + "01";
        FillDirection("02", "方向", c.units);
        if (!c.refusal.empty()) driver.ExpectMessageBox("提示", c.refusal);
        AddDirectionTo(tree, topic);
        const std::vector<TopicSubject> topics = Topics(tree);
        ASSERT_EQ(topics.size(), 1u);
        if (!c.refusal.empty()) {
            EXPECT_TRUE(topics[0].aspects.empty()) << c.guide << " " << c.units.size();
            continue;
        }
        ASSERT_EQ(topics[0].aspects.size(), 1u) << c.guide;
        const TopicAspect& direction = topics[0].aspects[0];
        EXPECT_EQ(direction.number, topic + "02");
        EXPECT_EQ(direction.keyMarker, "");  // the five-year guide has no key directions
        ASSERT_EQ(direction.units.size(), c.units.size());
        for (std::size_t i = 0; i < c.units.size(); ++i) EXPECT_EQ(direction.units[i].code, c.units[i].code);
        EXPECT_EQ(tree.Tree().GetSelectedItem(), Find(tree.Tree(), topic));  // the topic is selected again
    }
}

TEST_F(TopicTree, DirectionNumbersAreUniqueWithinTheirTopic) {
    fiveyear::CDlgStudySubjectTree& tree = NewGuide("9140A01");
    AddTopicByEditor(tree, "01", "专题一");
    AddTopicByEditor(tree, "02", "专题二");
    driver.ExpectMessageBox("提示", "请先选择要添加的研究方向所属专题！");
    tree.Tree().SelectItem(nullptr);
    tree.Click(fiveyear::CDlgStudySubjectTree::IDC_ADDASPECT);

    FillDirection("", "无编号", {});
    driver.ExpectMessageBox("提示", "研究方向编号和研究方向名称都是必填项！");
    AddDirectionTo(tree, "9140A0101");
    FillDirection("a", "一位后缀", {});
    AddDirectionTo(tree, "9140A0101");
    FillDirection("a", "重号", {});
    driver.AnswerMessageBox();
    AddDirectionTo(tree, "9140A0101");
    EXPECT_EQ(driver.MessageBoxes().back().text, "该研究方向编号已存在！");
    FillDirection("a", "另一个专题", {});
    AddDirectionTo(tree, "9140A0102");

    const std::vector<TopicSubject> topics = Topics(tree);
    ASSERT_EQ(topics.size(), 2u);
    ASSERT_EQ(topics[0].aspects.size(), 1u);
    EXPECT_EQ(topics[0].aspects[0].number, "9140A0101a");
    EXPECT_EQ(topics[0].aspects[0].name, "一位后缀");
    ASSERT_EQ(topics[1].aspects.size(), 1u);
    EXPECT_EQ(topics[1].aspects[0].number, "9140A0102a");
}

TEST_F(TopicTree, ModifyRewritesADirectionWithItsUnitsAndRefusesAUnitItem) {
    fiveyear::CDlgStudySubjectTree& tree = NewGuide("9140C01");
    AddTopicByEditor(tree, "01", "专题");
    FillDirection("01", "方向", {{"U1", "甲单位"}});
    AddDirectionTo(tree, "9140C0101");

    tree.Tree().SelectItem(Find(tree.Tree(), "U1"));
    driver.ExpectMessageBox("提示", "请先选中要修改的专题或者研究方向！");
    tree.Click(fiveyear::CDlgStudySubjectTree::IDC_MODIFY);

    tree.Tree().SelectItem(Find(tree.Tree(), "9140C010101"));
    driver.OnModal<CDlgStudyAspect>([](CDlgStudyAspect& dlg) {
        EXPECT_EQ(dlg.GetDlgItemText(CDlgStudyAspect::IDC_SUFFIX), "01");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgStudyAspect::IDC_YJFXMC), "方向");
        ASSERT_EQ(dlg.UnitGrid().GetRowCount(), 1);
        EXPECT_EQ(dlg.UnitGrid().GetName(0), "甲单位");
        dlg.SetDlgItemText(CDlgStudyAspect::IDC_YJFXMC, "新方向");
        dlg.Click(CDlgStudyAspect::IDC_ADDROW);
        dlg.UnitGrid().SetRowTexts(1, "U2", "乙单位");
        dlg.Click(IDOK);  // its own number is no clash
    });
    tree.Click(fiveyear::CDlgStudySubjectTree::IDC_MODIFY);
    const std::vector<TopicSubject> topics = Topics(tree);
    ASSERT_EQ(topics.size(), 1u);
    ASSERT_EQ(topics[0].aspects.size(), 1u);
    EXPECT_EQ(topics[0].aspects[0].name, "新方向");
    EXPECT_EQ(topics[0].aspects[0].keyMarker, "");
    ASSERT_EQ(topics[0].aspects[0].units.size(), 2u);
    EXPECT_EQ(topics[0].aspects[0].units[1].code, "U2");
    EXPECT_NE(Find(tree.Tree(), "U2"), nullptr);
}

// The five-year editor refuses to change a direction that left the document
// while it was open; the annual one adds it again.
TEST_F(TopicTree, ModifyingADirectionGoneFromTheDocumentWritesNothing) {
    fiveyear::CDlgStudySubjectTree& tree = NewGuide("9140C01");
    AddTopicByEditor(tree, "01", "专题");
    FillDirection("01", "方向", {{"U1", "甲单位"}});
    AddDirectionTo(tree, "9140C0101");

    tree.Tree().SelectItem(Find(tree.Tree(), "9140C010101"));
    driver.OnModal<CDlgStudyAspect>([&tree](CDlgStudyAspect& dlg) {
        TopicScopeDocument document;
        ASSERT_TRUE(document.Load(tree.m_strTopicFile) && document.RemoveAspect("9140C0101", "9140C010101") &&
                    document.Save());
        dlg.Click(IDOK);
        EXPECT_TRUE(dlg.IsRunningModal());
        dlg.Click(IDCANCEL);
    });
    driver.AnswerMessageBox();
    tree.Click(fiveyear::CDlgStudySubjectTree::IDC_MODIFY);
    ASSERT_FALSE(driver.MessageBoxes().empty());
    EXPECT_NE(driver.MessageBoxes().back().text.find("选题范围文件读写失败"), std::string::npos);
    const std::vector<TopicSubject> topics = Topics(tree);
    ASSERT_EQ(topics.size(), 1u);
    EXPECT_TRUE(topics[0].aspects.empty());
}

}  // namespace
