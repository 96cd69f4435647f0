// Building blocks of WordprocessingML for the generated Word templates:
// paragraphs in a given format and bordered tables on a column grid.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace templates {

struct Look {
    std::string font;        // "" keeps the document default (宋体)
    double size = 0;         // points; 0 keeps the default (10.5)
    bool bold = false;
    std::string align;       // "", "left", "center", "right", "both"
    int firstLineTwips = 0;  // first-line indent
    int leftTwips = 0;
};

std::string Paragraph(const std::string& text = {}, const Look& look = {});
// A paragraph holding only a page break.
std::string PageBreak();
// A footer paragraph with the page number, centred.
std::string PageNumberFooter();
// The paragraph a document must have after a closing table, one point high,
// so that a table that fills its last page does not push it onto a page of
// its own.
std::string ClosingParagraph();

struct CellSpec {
    std::string text;  // "" for a cell the system types into
    int span = 1;      // grid columns
    Look look;
};
using RowSpec = std::vector<CellSpec>;

// A grid column: a fixed part (what must fit on one line, such as a project
// number or an amount) and a share of the width left over, never less than
// `leastTwips` (a text column that must hold a few characters a line).
struct GridColumn {
    int fixedTwips;
    double share;
    int leastTwips = 0;
};
// Column widths that span `textWidth` twips exactly. A column whose share
// would come out under its least width gets that width, and the others
// share what is left.
std::vector<int> SpanWidths(int textWidth, const std::vector<GridColumn>& columns);

// The cell margin on each side of a table's cells unless the table sets its
// own (the documents' table style).
constexpr int kCellMarginTwips = 108;
// The width of a table cell (its margins included) that prints `text` at
// `fontPoints` on one line: a column as wide as the number it holds, or as
// wide as a few characters.
int CellTwipsFor(std::string_view text, double fontPoints, int cellMarginTwips = kCellMarginTwips);

// A table with single borders; widths are the grid columns in twips.
// The first `headerRows` rows are repeated at the top of every page the
// table runs onto. `cellMarginTwips` narrows the cells' left and right
// margins (0 keeps kCellMarginTwips), for a table of many narrow columns.
std::string Table(const std::vector<int>& widths, const std::vector<RowSpec>& rows, int rowHeightTwips = 0,
                  int headerRows = 0, int cellMarginTwips = 0);

}  // namespace templates
