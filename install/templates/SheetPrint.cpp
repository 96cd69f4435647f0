#include "install/templates/SheetPrint.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace templates {

namespace {

using namespace office::excel;

constexpr double kSideMarginPoints = 36;  // half an inch
constexpr double kMillimetresPerInch = 25.4;
// A character of the default font is 7 pixels at 96 per inch, and each
// column adds 5 pixels of padding, as the width unit is defined.
constexpr double kCharacterMillimetres = 7 * kMillimetresPerInch / 96;
constexpr double kPaddingMillimetres = 5 * kMillimetresPerInch / 96;

// The long side of the paper, which is the width in landscape.
double LandscapeWidthMillimetres(int paper) {
    switch (paper) {
        case xlPaperA3: return 420;
        case xlPaperB4: return 364;
        default: return 297;  // A4
    }
}

}  // namespace

void SetReportPrint(const Worksheet& sheet, int paper, const std::string& titleRows) {
    PageSetup setup = sheet.PageSetup();
    setup.SetOrientation(xlLandscape);
    setup.SetPaperSize(paper);
    setup.SetFitToPages(1, 0);
    setup.SetPrintTitleRows(titleRows);
    setup.SetMargins(kSideMarginPoints, kSideMarginPoints, 54, 54, 22, 22);
    setup.SetCenterHorizontally(true);
    setup.SetCenterFooter("第 &P 页 共 &N 页");
}

std::vector<double> WidthsForPaper(const std::vector<double>& widths, int paper, const std::vector<int>& kept) {
    auto isKept = [&](std::size_t i) { return std::find(kept.begin(), kept.end(), static_cast<int>(i)) != kept.end(); };
    double scalable = 0, fixed = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) (isKept(i) ? fixed : scalable) += widths[i];
    if (scalable <= 0) return widths;
    const double printable = LandscapeWidthMillimetres(paper) - 2 * kSideMarginPoints / 72 * kMillimetresPerInch -
                             static_cast<double>(widths.size()) * kPaddingMillimetres;
    // Slightly under the full width, so rounding in the reader never pushes
    // the last column onto a second page.
    const double scale = (printable / kCharacterMillimetres * 0.98 - fixed) / scalable;
    std::vector<double> out;
    for (std::size_t i = 0; i < widths.size(); ++i)
        out.push_back(isKept(i) ? widths[i] : std::floor(widths[i] * scale * 4) / 4);
    return out;
}

void SetColumnWidths(const Worksheet& sheet, const std::vector<double>& widths) {
    for (std::size_t i = 0; i < widths.size(); ++i)
        sheet.Cells().Item(1, static_cast<int>(i + 1)).SetColumnWidth(widths[i]);
}

}  // namespace templates
