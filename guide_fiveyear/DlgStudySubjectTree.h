// The topic tree panel of the five-year guide (tab 选题范围): the annual
// guide's panel, whose tree, purpose display, reset, loading and deletions
// the five-year guide shares, with its own commands to add topics and
// directions and to modify them, which open the five-year editors.
#pragma once

#include <string>
#include <vector>

#include "guide_annual/DlgStudySubjectTree.h"

namespace fiveyear {

class CDlgStudySubjectTree : public ::CDlgStudySubjectTree {
public:
    explicit CDlgStudySubjectTree(ui::Wnd* parent = nullptr);

    // 增加专题: needs the whole guide key; the topic editor in add mode.
    void OnAddSubject();
    // 增加研究方向: needs an item below the root; the direction editor in add
    // mode for the topic that holds it.
    void OnAddAspect();
    // 修改: the topic editor for a topic, the direction editor for a direction.
    void OnModify();

private:
    // The item's ancestor of a level (the item itself when it has that level).
    ui::HTREEITEM AncestorAt(ui::HTREEITEM item, int level);
    // An item's text without its number, leading "(" and trailing ")".
    std::string ItemName(ui::HTREEITEM item);
    // The numbers of an item's children, in tree order.
    std::vector<std::string> ChildCodes(ui::HTREEITEM parent);
    // The topic item of a number, expanded (and selected when asked).
    void ExpandTopic(const std::string& topicNumber, bool select);
    void ModifyTopic(ui::HTREEITEM topic);
    void ModifyDirection(ui::HTREEITEM direction);
};

}  // namespace fiveyear
