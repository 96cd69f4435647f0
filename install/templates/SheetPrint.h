// The print setup every report template carries: landscape on its paper,
// one page wide, its heading rows repeated on each page, centred, with the
// page number and count in the footer; and column widths that fill a paper.
#pragma once

#include <string>
#include <vector>

#include "platform/office/Excel.h"

namespace templates {

// paper: xlPaperA4, xlPaperB4, xlPaperA3; titleRows "$2:$2" ("" for none).
void SetReportPrint(const office::excel::Worksheet& sheet, int paper, const std::string& titleRows);

// The widths (characters) scaled so that the columns fill the printable
// width of the landscape paper at full size; the columns listed in `kept`
// (from 0: codes that must show whole) keep their width.
std::vector<double> WidthsForPaper(const std::vector<double>& widths, int paper, const std::vector<int>& kept = {});

// Sets the widths of columns A, B, ... from the first row.
void SetColumnWidths(const office::excel::Worksheet& sheet, const std::vector<double>& widths);

}  // namespace templates
