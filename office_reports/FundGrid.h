// The fund grid of the report dialogs: one row per fund number with a tick
// and, where the dialog offers it, the project type that narrows the fund's
// output ("一般项目", "重点项目" or "全部项目").
#pragma once

#include <string>
#include <vector>

#include "platform/ui/GridCtrl.h"

class CAdoRecordSet;

namespace reports {

class CFundGrid : public ui::GridCtrl {
public:
    enum Column { kTick = 0, kFund = 1, kType = 2 };

    // The grid over the placeholder control of `dialog`, with the tick column,
    // the fund column of `fundWidth` pixels and, when asked, the type column.
    BOOL CreateOver(ui::Wnd& dialog, int placeholderId, int fundWidth, bool withType);

    // Appends an unticked row typed "全部项目".
    void AddFundRow(const std::string& fund);
    // Empties the grid and adds one row per change of the fund number (first
    // 7 characters of XMBH) while walking the projects in number order.
    void FillFromProjects(CAdoRecordSet& projects);

    void SelectAll();
    void InvertSelection();
    void SetAllTypes(const std::string& type);

    struct Choice {
        std::string fund;
        std::string type;  // empty without the type column
    };
    // The ticked rows, top to bottom.
    std::vector<Choice> Ticked();

    bool IsTicked(int row) const;
    void SetTicked(int row, bool ticked);
    std::string FundAt(int row) const;

private:
    bool withType_ = false;
};

}  // namespace reports
