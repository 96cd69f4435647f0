#include "main/OutlookLayout.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "main/ViewTable.h"

namespace {

constexpr std::array<int, 11> kIconResources{184, 185, 186, 187, 188, 189, 190, 191, 209, 211, 212};

// A role's groups, built from the view table: the groups that hold any of
// the role's buttons, in the bar's order, numbered from pane 1, each
// showing the image of its position.
std::vector<OutlookGroupSpec> GroupsOf(int role) {
    std::vector<OutlookGroupSpec> groups;
    for (const char* name : NavigationGroupNames()) {
        std::vector<const ViewRow*> rows;
        for (const ViewRow& row : Views())
            if (std::strcmp(row.navigationGroup, name) == 0 && row.byRole[role].place != NavigationButton::kNone)
                rows.push_back(&row);
        if (rows.empty()) continue;
        std::sort(rows.begin(), rows.end(),
                  [role](const ViewRow* a, const ViewRow* b) { return a->byRole[role].place < b->byRole[role].place; });
        const int position = int(groups.size());
        OutlookGroupSpec group{name, position + 1, position, {}};
        for (const ViewRow* row : rows) group.buttons.push_back({row->buttonText, row->command, row->byRole[role].image});
        groups.push_back(std::move(group));
    }
    return groups;
}

}  // namespace

std::span<const int> OutlookIconResources() { return kIconResources; }

const std::vector<OutlookGroupSpec>& OutlookGroupsForRole(int role) {
    static const std::array<std::vector<OutlookGroupSpec>, 3> byRole{GroupsOf(0), GroupsOf(1), GroupsOf(2)};
    static const std::vector<OutlookGroupSpec> none;
    return role >= 0 && role < int(byRole.size()) ? byRole[std::size_t(role)] : none;
}
