// What the annual and five-year guide views do alike: connect to the guide
// database, load the unit dictionary, and export or import guide bundles
// with the folder choosers and the summary message.
#pragma once

#include <functional>
#include <string>

#include "foundation/AdoConnection.h"
#include "foundation/AdoRecordSet.h"
#include "guide_annual/GuideBundleParts.h"
#include "guide_annual/GuideDetailPanel.h"
#include "guide_annual/GuideListPanel.h"
#include "platform/ui/Wnd.h"

namespace guideview {

// The view: the list panel's frame over the detail panel's.
ui::DialogTemplate ViewTemplate(int dialogId, int listFrame, int detailFrame);

// The search dialog (查询): three labelled fields, OK and Cancel.
struct SearchField {
    const char* label;
    int id;
};
ui::DialogTemplate SearchTemplate(int dialogId, const SearchField (&fields)[3]);

// Styles the seven buttons of the panels (icon and tool tip each) with the
// view's own styling.
void StyleButtons(GuideListPanel& list, GuideDetailPanel& detail,
                  const std::function<void(CButtonST& button, int icon, const std::string& tooltip)>& style);

// Connects and binds the view's recordset; "数据库连接失败！" when it cannot.
bool Connect(CAdoConnection& connection, CAdoRecordSet& recordset);

// Fills the unit dictionary (g_arrUnitCode, g_mapUnitName) from the unit table.
void LoadUnitDictionary(CAdoRecordSet& recordset);

// Exports `count` selected guides into the folder `folderName` under the one
// the user chooses (nothing selected: "请先选择要导出的记录！" with
// `emptyIcon`), and tells where they went and how many failed.
// `exportOne(index, folder, today)` writes one guide's bundle.
using ExportOne = std::function<bool(int index, const std::string& folder, const std::string& today)>;
void ExportBundles(int count, const std::string& folderName, UINT emptyIcon, const ExportOne& exportOne);

// Asks for the duplicate policy (kept in `policy`) and a folder (chooser
// caption `browseCaption`), imports every bundle file there with
// `importOne(path, policy, reason)` and reports the count and the unreadable
// files, each with its reason. False when the user cancelled.
using ImportOne = std::function<guidebundle::ImportResult(const std::string& path, int policy, std::string* reason)>;
bool ImportBundles(ui::Wnd* parent, int& policy, const std::string& browseCaption, const ImportOne& importOne);

}  // namespace guideview
