#include "guide_fiveyear/DlgStudySubjectTree.h"

#include <algorithm>

#include "guide_annual/AnnualGuideData.h"
#include "guide_fiveyear/DlgStudyAspect.h"
#include "guide_fiveyear/DlgStudySubject.h"

using ui::HTREEITEM;

namespace fiveyear {

CDlgStudySubjectTree::CDlgStudySubjectTree(ui::Wnd* parent) : ::CDlgStudySubjectTree(parent) {
    // These replace the annual guide's handlers of the same buttons.
    MapClicked(IDC_ADDSUBJECT, [this] { OnAddSubject(); });
    MapClicked(IDC_ADDASPECT, [this] { OnAddAspect(); });
    MapClicked(IDC_MODIFY, [this] { OnModify(); });
}

HTREEITEM CDlgStudySubjectTree::AncestorAt(HTREEITEM item, int level) {
    for (int steps = GetItemLevel(item) - level; steps > 0; --steps) item = Tree().GetParentItem(item);
    return item;
}

std::string CDlgStudySubjectTree::ItemName(HTREEITEM item) {
    std::string name = Tree().GetItemText(item).substr(GetItemCode(item).size());
    name.erase(0, name.find_first_not_of('('));
    name.erase(name.find_last_not_of(')') + 1);
    return name;
}

std::vector<std::string> CDlgStudySubjectTree::ChildCodes(HTREEITEM parent) {
    std::vector<std::string> codes;
    for (HTREEITEM child = Tree().GetChildItem(parent); child; child = Tree().GetNextSiblingItem(child))
        codes.push_back(GetItemCode(child));
    return codes;
}

void CDlgStudySubjectTree::ExpandTopic(const std::string& topicNumber, bool select) {
    ui::TreeCtrl& tree = Tree();
    for (HTREEITEM topic = tree.GetChildItem(tree.GetRootItem()); topic; topic = tree.GetNextSiblingItem(topic))
        if (GetItemCode(topic) == topicNumber) {
            if (select) tree.SelectItem(topic);
            tree.Expand(topic, ui::TVE_EXPAND);
            return;
        }
}

void CDlgStudySubjectTree::OnAddSubject() {
    if (m_strJJBH.empty() || m_strZNMC.empty() || m_strFBNF.empty()) {
        GuidePrompt("基金编号、指南名称和发布年份都是必填项！", 0);
        return;
    }
    CDlgStudySubject editor(this);
    editor.m_nMode = CDlgStudySubject::kAdd;
    editor.m_strJJBH = m_strJJBH;
    editor.m_strZNMC = m_strZNMC;
    editor.m_strTopicFolder = m_strTopicFolder;
    editor.m_strTopicFile = m_strTopicFile;
    editor.m_arrSubjectCodes = ChildCodes(Tree().GetRootItem());
    if (editor.DoModal() == IDOK) LoadSubjects();
}

void CDlgStudySubjectTree::ModifyTopic(HTREEITEM topic) {
    const std::string code = GetItemCode(topic);
    CDlgStudySubject editor(this);
    editor.m_nMode = CDlgStudySubject::kModify;
    editor.m_strJJBH = m_strJJBH;
    editor.m_strZNMC = m_strZNMC;
    editor.m_strTopicFolder = m_strTopicFolder;
    editor.m_strTopicFile = m_strTopicFile;
    editor.m_arrSubjectCodes = ChildCodes(Tree().GetRootItem());
    editor.m_strSuffix = code.substr(std::min(m_strJJBH.size(), code.size()));
    editor.m_pTree = this;
    if (editor.DoModal() == IDOK) LoadSubjects();
}

void CDlgStudySubjectTree::OnAddAspect() {
    const HTREEITEM selected = Tree().GetSelectedItem();
    if (GetItemLevel(selected) < 1) {
        GuidePrompt("请先选择要添加的研究方向所属专题！");
        return;
    }
    const HTREEITEM topic = AncestorAt(selected, 1);
    const std::string topicCode = GetItemCode(topic);
    CDlgStudyAspect editor(this);
    editor.m_nMode = CDlgStudyAspect::kAdd;
    editor.m_strJJBH = m_strJJBH;
    editor.m_strTopicFile = m_strTopicFile;
    editor.m_strZTBH = topicCode;
    editor.m_strZTMC = ItemName(topic);
    editor.m_arrAspectCodes = ChildCodes(topic);
    if (editor.DoModal() != IDOK) return;
    LoadSubjects();
    ExpandTopic(topicCode, true);
}

void CDlgStudySubjectTree::ModifyDirection(HTREEITEM direction) {
    const HTREEITEM topic = Tree().GetParentItem(direction);
    const std::string topicCode = GetItemCode(topic), directionCode = GetItemCode(direction);
    CDlgStudyAspect editor(this);
    editor.m_nMode = CDlgStudyAspect::kModify;
    editor.m_strJJBH = m_strJJBH;
    editor.m_strTopicFile = m_strTopicFile;
    editor.m_strZTBH = topicCode;
    editor.m_strZTMC = ItemName(topic);
    editor.m_arrAspectCodes = ChildCodes(topic);
    editor.m_strSuffix = directionCode.substr(std::min(topicCode.size(), directionCode.size()));
    editor.m_strYJFXMC = ItemName(direction);
    if (editor.DoModal() != IDOK) return;
    LoadSubjects();
    ExpandTopic(topicCode, false);
}

void CDlgStudySubjectTree::OnModify() {
    const HTREEITEM selected = Tree().GetSelectedItem();
    switch (GetItemLevel(selected)) {
    case 1: ModifyTopic(selected); break;
    case 2: ModifyDirection(selected); break;
    default: GuidePrompt("请先选中要修改的专题或者研究方向！"); break;
    }
}

}  // namespace fiveyear
