// What the annual and five-year guide views do alike: connect to the guide
// database, load the unit dictionary, and export or import guide bundles
// with the folder choosers and the summary message.
#pragma once

#include <functional>
#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "guide_annual/GuideBundleParts.h"
#include "platform/ui/Wnd.h"

namespace guideview {

// Connects and binds the view's recordset; "数据库连接失败！" when it cannot.
bool Connect(CAdoConnection& connection, CAdoRecordSet& recordset);

// Fills the unit dictionary (g_arrUnitCode, g_mapUnitName) from the unit table.
void LoadUnitDictionary(CAdoRecordSet& recordset);

// Exports `count` selected guides into the folder `folderName` under the one
// the user chooses (nothing selected: "请先选择要导出的记录！" with
// `emptyIcon`), and tells where they went and how many failed.
// `exportOne(index, folder, today)` writes one guide's bundle.
void ExportBundles(int count, const std::string& folderName, UINT emptyIcon,
                   const std::function<bool(int index, const std::string& folder, const std::string& today)>& exportOne);

// Asks for the duplicate policy (kept in `policy`) and a folder (chooser
// caption `browseCaption`), imports every bundle file there with
// `importOne(path, policy)` and reports the count and the unreadable files.
// False when the user cancelled.
bool ImportBundles(ui::Wnd* parent, int& policy, const std::string& browseCaption,
                   const std::function<guidebundle::ImportResult(const std::string& path, int policy)>& importOne);

}  // namespace guideview
