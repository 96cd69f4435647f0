// The common part of the first-review list pages: a tree of project numbers
// grouped by fund number, filled once when the page is created with the
// applications of the selection bar's year that its filter lets through.
// Selecting an item shows its project in the editor beside it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Dialog.h"
#include "platform/ui/TreeCtrl.h"

class CAdoConnection;

// What a page reads and drives beside it, set by the first-review view that
// owns the pages: the selection bar's year and filter, and the project
// editor that shows a selected project.
struct FirstReviewLinks {
    std::function<std::string()> year;
    std::function<int()> filter;
    std::function<void(const std::string& xmbh)> showProject;
};

class CDlgFirstList : public ui::Dialog {
public:
    static constexpr int IDC_TREE = 6051;

    ui::TreeCtrl& Tree() const { return *Item<ui::TreeCtrl>(IDC_TREE); }

    // The formal checks against the year's guide (see FirstReviewChecks).
    bool IsFilteredOut(const std::string& xmbh, int filter);
    bool IsGuideCodeWrong(const std::string& xmbh);
    bool IsUnitNotDirected(const std::string& xmbh);
    bool IsCategoryWrong(const std::string& xmbh);

    // The view's connection, set before the page is created; not owned.
    CAdoConnection* m_pConnection = nullptr;

protected:
    CDlgFirstList(int idd, const FirstReviewLinks& links);

    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    // Fills the tree (at creation).
    virtual void FillTree() = 0;

    // Appends the numbers of the year's applications of the categories (in
    // order) that the filter lets through, each under an item of its fund
    // number (its first seven characters) below `root`; TVI_ROOT puts the fund
    // numbers at the top.
    void AddProjects(const std::vector<std::string>& categories, ui::HTREEITEM root);
    // The two roots 一般基金 and 重点基金 with the projects of the general and
    // the key category of the year under them.
    void FillByCategory(const std::string& generalCategory, const std::string& keyCategory);

private:
    void OnSelChangedTree();

    FirstReviewLinks m_links;
};
