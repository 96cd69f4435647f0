// The navigation groups of the outlook bar by role, as the view table places
// the views on each role's bar: each group's pane id,
// page image and buttons (label, command, image index), and the icon
// resources of the image list.
#pragma once

#include <span>
#include <string>
#include <vector>

struct OutlookButtonSpec {
    std::string text;
    int command;
    int image;  // index in the image list
};

struct OutlookGroupSpec {
    std::string name;
    int paneId;
    int pageImage;
    std::vector<OutlookButtonSpec> buttons;
};

// Icon resource ids of the image list, in index order.
std::span<const int> OutlookIconResources();

// The groups of a role in the order they are added (none for a role outside 0-2).
const std::vector<OutlookGroupSpec>& OutlookGroupsForRole(int role);
