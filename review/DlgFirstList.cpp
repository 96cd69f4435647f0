#include "review/DlgFirstList.h"

#include "numbering/ProjectNumbering.h"
#include "review/FirstReviewChecks.h"
#include "review/FirstReviewDb.h"
#include "review/WorkflowSupport.h"
#include "platform/text/Text.h"

namespace {

ui::DialogTemplate PageTemplate(int idd) {
    using ui::Kind;
    return {idd, "", {0, 0, 205, 410}, {
        {Kind::TreeCtrl, CDlgFirstList::IDC_TREE, "", {0, 0, 205, 410},
         WS_TABSTOP | WS_BORDER | ui::TVS_HASBUTTONS | ui::TVS_HASLINES | ui::TVS_LINESATROOT},
    }, WS_CHILD};
}

}  // namespace

CDlgFirstList::CDlgFirstList(int idd, const FirstReviewLinks& links)
    : ui::Dialog(PageTemplate(idd), nullptr), m_links(links) {
    MapNotify(IDC_TREE, ui::TVN_SELCHANGED, [this](const ui::NotifyInfo&) { OnSelChangedTree(); });
}

BOOL CDlgFirstList::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(RGB(232, 241, 250));
    FillTree();
    return TRUE;
}

void CDlgFirstList::AddProjects(const std::vector<std::string>& categories, ui::HTREEITEM root) {
    ui::TreeCtrl& tree = Tree();
    const int filter = m_links.filter();
    std::string fund;
    ui::HTREEITEM group = nullptr;
    for (const std::string& xmbh :
         firstreview::ProjectsOfCategories(m_pConnection, categories, m_links.year())) {
        if (IsFilteredOut(xmbh, filter)) continue;
        if (const std::string number = projectnumber::FundNumberOf(xmbh); !group || number != fund) {
            fund = number;
            group = tree.InsertItem(fund, root);
        }
        tree.InsertItem(xmbh, group);
    }
}

void CDlgFirstList::FillByCategory(const std::string& generalCategory, const std::string& keyCategory) {
    ui::TreeCtrl& tree = Tree();
    AddProjects({generalCategory}, tree.InsertItem("一般基金"));
    AddProjects({keyCategory}, tree.InsertItem("重点基金"));
}

void CDlgFirstList::OnSelChangedTree() {
    ui::TreeCtrl& tree = Tree();
    m_links.showProject(tree.GetItemText(tree.GetSelectedItem()));
}

bool CDlgFirstList::IsFilteredOut(const std::string& xmbh, int filter) {
    return FirstReviewChecks(m_pConnection, m_links.year()).IsFilteredOut(xmbh, filter);
}

bool CDlgFirstList::IsGuideCodeWrong(const std::string& xmbh) {
    return FirstReviewChecks(m_pConnection, m_links.year()).IsGuideCodeWrong(xmbh);
}

bool CDlgFirstList::IsUnitNotDirected(const std::string& xmbh) {
    return FirstReviewChecks(m_pConnection, m_links.year()).IsUnitNotDirected(xmbh);
}

bool CDlgFirstList::IsCategoryWrong(const std::string& xmbh) {
    return FirstReviewChecks(m_pConnection, m_links.year()).IsCategoryWrong(xmbh);
}
