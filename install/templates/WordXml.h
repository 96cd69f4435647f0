// Building blocks of WordprocessingML for the generated Word templates:
// paragraphs in a given format and bordered tables on a column grid.
#pragma once

#include <string>
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
// number or an amount) and a share of the width left over.
struct GridColumn {
    int fixedTwips;
    double share;
};
// Column widths that span `textWidth` twips exactly.
std::vector<int> SpanWidths(int textWidth, const std::vector<GridColumn>& columns);

// A table with single borders; widths are the grid columns in twips.
// The first `headerRows` rows are repeated at the top of every page the
// table runs onto.
std::string Table(const std::vector<int>& widths, const std::vector<RowSpec>& rows, int rowHeightTwips = 0,
                  int headerRows = 0);

}  // namespace templates
