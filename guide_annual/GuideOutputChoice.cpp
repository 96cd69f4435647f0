#include "guide_annual/GuideOutputChoice.h"

#include "platform/text/Text.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/Lists.h"
#include "platform/ui/Wnd.h"

namespace outputchoice {

void FillPeriodYears(ui::ComboBox& combo, const std::string& period) {
    const long first = text::Atol(period.substr(0, 4));
    combo.ResetContent();
    for (long year = first; year < first + 5; ++year) combo.AddString(std::to_string(year));
    combo.SetCurSel(0);
}

void SetUpCheckList(ui::ListCtrl& list, const std::vector<std::pair<std::string, int>>& columns, int dummyWidth) {
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    list.InsertColumn(0, "dummy", LVCFMT_LEFT, dummyWidth);
    for (std::size_t i = 0; i < columns.size(); ++i)
        list.InsertColumn(int(i) + 1, columns[i].first, LVCFMT_CENTER, columns[i].second);
    list.DeleteColumn(0);
}

void CheckAllChapterBoxes(ui::Wnd& dialog, const ChapterBoxes& boxes) {
    for (int id = boxes.first; id <= boxes.last; ++id) dialog.CheckDlgButton(id, 1);
    dialog.CheckDlgButton(boxes.all, 1);
}

void OnChapterBoxClicked(ui::Wnd& dialog, int id, const ChapterBoxes& boxes) {
    const bool checked = dialog.IsDlgButtonChecked(id) != 0;
    if (id == boxes.all) {
        if (checked) CheckAllChapterBoxes(dialog, boxes);
    } else if (!checked) {
        dialog.CheckDlgButton(boxes.all, 0);
    }
}

std::vector<std::string> CheckedChapters(const ui::Wnd& dialog, const ChapterBoxes& boxes) {
    std::vector<std::string> chapters;
    for (int id = boxes.first; id <= boxes.last; ++id)
        if (dialog.IsDlgButtonChecked(id) != 0) chapters.push_back(std::to_string(id - boxes.first));
    return chapters;
}

std::vector<std::string> TickedCodes(const ui::ListCtrl& list) {
    std::vector<std::string> codes;
    for (int row = 0; row < list.GetItemCount(); ++row)
        if (list.GetCheck(row)) codes.push_back(list.GetItemText(row, 0));
    return codes;
}

}  // namespace outputchoice
