#include "main/OutlookLayout.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "main/ViewTable.h"

namespace {

// A role's groups, built from the view table: the groups that hold any of
// the role's buttons, in the bar's order, numbered from pane 1, each with
// its own picture.
std::vector<OutlookGroupSpec> GroupsOf(int role) {
    std::vector<OutlookGroupSpec> groups;
    for (const NavigationGroup& navigation : NavigationGroups()) {
        std::vector<const ViewRow*> rows;
        for (const ViewRow& row : Views())
            if (std::strcmp(row.navigationGroup, navigation.name) == 0 &&
                row.byRole[role].place != NavigationButton::kNone)
                rows.push_back(&row);
        if (rows.empty()) continue;
        std::sort(rows.begin(), rows.end(),
                  [role](const ViewRow* a, const ViewRow* b) { return a->byRole[role].place < b->byRole[role].place; });
        OutlookGroupSpec group{navigation.name, int(groups.size()) + 1, navigation.image, {}};
        for (const ViewRow* row : rows) group.buttons.push_back({row->buttonText, row->command, row->byRole[role].image});
        groups.push_back(std::move(group));
    }
    return groups;
}

}  // namespace

std::span<const int> OutlookIconResources() { return NavigationIcons(); }

const std::vector<OutlookGroupSpec>& OutlookGroupsForRole(int role) {
    static const std::array<std::vector<OutlookGroupSpec>, 3> byRole{GroupsOf(0), GroupsOf(1), GroupsOf(2)};
    static const std::vector<OutlookGroupSpec> none;
    return role >= 0 && role < int(byRole.size()) ? byRole[std::size_t(role)] : none;
}
