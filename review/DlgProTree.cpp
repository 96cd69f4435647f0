#include "review/DlgProTree.h"

#include "foundation/AdoRecordSet.h"
#include "numbering/ProjectNumbering.h"
#include "platform/text/Text.h"
#include "platform/ui/TreeCtrl.h"
#include "review/WorkflowSupport.h"
#include "review/ReviewStore.h"

CDlgProTree::CDlgProTree() : ui::Dialog(Template()) {
    MapNotify(IDC_TREE, ui::TVN_SELCHANGED, [this](const ui::NotifyInfo&) {
        if (m_onSelected) m_onSelected(SelectedText());
    });
}

const ui::DialogTemplate& CDlgProTree::Template() {
    static const ui::DialogTemplate t{IDD, "", {0, 0, 166, 451}, {
        {ui::Kind::TreeCtrl, IDC_TREE, "", {0, 0, 166, 451},
         WS_TABSTOP | WS_BORDER | ui::TVS_HASBUTTONS | ui::TVS_HASLINES | ui::TVS_LINESATROOT},
    }, WS_CHILD};
    return t;
}

BOOL CDlgProTree::OnInitDialog() {
    ui::Dialog::OnInitDialog();
    SetBackgroundColor(workflow::kPanelBackground);
    return TRUE;
}

ui::TreeCtrl& CDlgProTree::Tree() const { return *Item<ui::TreeCtrl>(IDC_TREE); }

std::string CDlgProTree::ProjectKind(bool specialtyGroup, bool keyProjects) {
    return std::string(specialtyGroup ? "共性技术基金" : "重点实验室基金") + (keyProjects ? "——重点项目" : "——一般项目");
}

void CDlgProTree::UpdateProTree(const std::string& year, bool specialtyGroup, bool keyProjects, bool bothKinds,
                                bool passedOnly) {
    Tree().DeleteAllItems();
    if (bothKinds || !keyProjects) AddPart("一般基金", ProjectKind(specialtyGroup, false), year, passedOnly);
    if (bothKinds || keyProjects) AddPart("重点基金", ProjectKind(specialtyGroup, true), year, passedOnly);
}

void CDlgProTree::AddPart(const std::string& root, const std::string& kind, const std::string& year, bool passedOnly) {
    ui::TreeCtrl& tree = Tree();
    const ui::HTREEITEM rootItem = tree.InsertItem(root);
    std::string fund;
    ui::HTREEITEM fundItem = nullptr;
    for (const std::string& number : reviewstore::ProjectsOfKind(m_pConnection, kind, year, passedOnly)) {
        const std::string prefix = projectnumber::FundNumberOf(number);
        if (!fundItem || prefix != fund) {
            fund = prefix;
            fundItem = tree.InsertItem(fund, rootItem);
        }
        tree.InsertItem(number, fundItem);
    }
}

std::string CDlgProTree::SelectedText() const {
    const ui::HTREEITEM item = Tree().GetSelectedItem();
    return item ? Tree().GetItemText(item) : std::string();
}
