// Ids of the icon buttons' pictures of the achievement-transfer pages and of
// the hand cursor over them (the library's artwork registers them).
#pragma once

namespace resultchange {

// Icon and cursor ids of the pages.
enum ArtworkId : int {
    kIconNew = 5151,
    kIconSave = 5154,
    kIconWord = 5153,
    kIconExcel = 5591,
    kIconImport = 3003,
    kIconExport = 5162,
    kIconDelete = 5160,
    kIconQuery = 5156,
    kIconPlus = 5171,
    kIconMinus = 5172,
    kHandCursor = 5165,
};

}  // namespace resultchange
