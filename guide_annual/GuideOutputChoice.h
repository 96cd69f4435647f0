// What the choose-output dialog of the Word guide and the issuing panel
// share: the five years a period offers, list columns that are all centred,
// and the four chapter boxes with their "全选" box.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace ui {
class ComboBox;
class ListCtrl;
class Wnd;
}  // namespace ui

namespace outputchoice {

// The chapter boxes 概述, 国内外研究情况, 年度目标和重点研究内容, 选题范围 and 全选.
constexpr int IDC_CHAPTER_FIRST = 7008;
constexpr int IDC_CHAPTER_LAST = 7011;
constexpr int IDC_CHAPTER_ALL = 7012;

// Empties the combo box and offers the first year of the period (its first
// four characters read as a number; 0 when they are none) and the four
// following; the first year is selected.
void FillPeriodYears(ui::ComboBox& combo, const std::string& period);

// Report list with check boxes, grid lines and full-row selection; the
// columns are inserted behind a "dummy" column that is then deleted, so
// that column 0 is centred too.
void SetUpCheckList(ui::ListCtrl& list, const std::vector<std::pair<std::string, int>>& columns, int dummyWidth);

// A dialog's chapter boxes: consecutive ids of the chapters, then 全选
// (the five-year guide's dialog has six chapters of its own ids).
struct ChapterBoxes {
    int first, last, all;
};
inline constexpr ChapterBoxes kAnnualChapters{IDC_CHAPTER_FIRST, IDC_CHAPTER_LAST, IDC_CHAPTER_ALL};

// Checks the chapter boxes and 全选.
void CheckAllChapterBoxes(ui::Wnd& dialog, const ChapterBoxes& boxes = kAnnualChapters);
// A click on a chapter box that unchecks it unchecks 全选; a click that
// checks 全选 checks the chapters (unchecking it changes nothing else).
void OnChapterBoxClicked(ui::Wnd& dialog, int id, const ChapterBoxes& boxes = kAnnualChapters);
// "0", "1", ... for the checked chapter boxes, in box order.
std::vector<std::string> CheckedChapters(const ui::Wnd& dialog, const ChapterBoxes& boxes = kAnnualChapters);

// The texts of column 0 of the ticked rows, from the top.
std::vector<std::string> TickedCodes(const ui::ListCtrl& list);

}  // namespace outputchoice
