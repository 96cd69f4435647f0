// The project tree of the workflow views: the roots "一般基金" and "重点基金",
// under them one node per fund number (the first 7 characters of the project
// number), under those the project numbers of a year. The view that holds
// the tree hands the selected item's text to its panels.
#pragma once

#include <functional>
#include <string>

#include "platform/ui/Dialog.h"

class CAdoConnection;

namespace ui {
class TreeCtrl;
}

class CDlgProTree : public ui::Dialog {
public:
    static constexpr int IDD = 7025;
    static constexpr int IDC_TREE = 6051;

    CDlgProTree();
    static const ui::DialogTemplate& Template();

    ui::TreeCtrl& Tree() const;

    // Empties and refills the tree with the projects of the year whose first
    // review passed: the general part runs when bothKinds is set or
    // keyProjects is clear, the key part when bothKinds or keyProjects is
    // set; specialtyGroup picks 共性技术基金 over 重点实验室基金; passedOnly
    // keeps the projects whose review result PSJG is "+".
    void UpdateProTree(const std::string& year, bool specialtyGroup, bool keyProjects, bool bothKinds,
                       bool passedOnly);

    // The category text XMLB of general or key projects of a fund kind
    // ("共性技术基金——一般项目").
    static std::string ProjectKind(bool specialtyGroup, bool keyProjects);

    // The view's connection; set before the window is made, not owned.
    CAdoConnection* m_pConnection = nullptr;
    // Set by the view that holds the tree: the selection has moved to the
    // item of this text (a root, a fund number or a project number; empty
    // when none is selected).
    std::function<void(const std::string& text)> m_onSelected;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    // The text of the tree's selected item (empty when none).
    std::string SelectedText() const;
    void AddPart(const std::string& root, const std::string& kind, const std::string& year, bool passedOnly);
};
