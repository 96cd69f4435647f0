// Pictures of the icon buttons of the achievement-transfer pages and the
// hand cursor over them, registered once when a page is first set up.
#pragma once

namespace resultchange {

// Icon and cursor ids of the pages.
enum ArtworkId : int {
    kIconNew = 5151,
    kIconSave = 5154,
    kIconWord = 5516,
    kIconExcel = 5153,
    kIconImport = 3003,
    kIconExport = 5162,
    kIconDelete = 5160,
    kIconQuery = 5156,
    kIconPlus = 5171,
    kIconMinus = 5172,
    kHandCursor = 5165,
};

void EnsureArtwork();

}  // namespace resultchange
