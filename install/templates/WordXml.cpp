#include "install/templates/WordXml.h"

#include <algorithm>
#include <cmath>

#include "platform/office/TextFit.h"
#include "platform/office/Xml.h"

namespace templates {

namespace {

std::string RunProperties(const Look& look) {
    std::string out;
    if (!look.font.empty())
        out += "<w:rFonts w:ascii=\"" + look.font + "\" w:hAnsi=\"" + look.font + "\" w:eastAsia=\"" + look.font + "\"/>";
    if (look.bold) out += "<w:b/>";
    if (look.size > 0) {
        std::string half = std::to_string(static_cast<int>(std::lround(look.size * 2)));
        out += "<w:sz w:val=\"" + half + "\"/><w:szCs w:val=\"" + half + "\"/>";
    }
    return out.empty() ? out : "<w:rPr>" + out + "</w:rPr>";
}

std::string ParagraphProperties(const Look& look) {
    std::string out;
    if (look.firstLineTwips || look.leftTwips)
        out += "<w:ind w:left=\"" + std::to_string(look.leftTwips) + "\" w:firstLine=\"" +
               std::to_string(look.firstLineTwips) + "\"/>";
    if (!look.align.empty()) out += "<w:jc w:val=\"" + look.align + "\"/>";
    // The mark carries the format, so text typed into an empty paragraph gets it.
    out += RunProperties(look);
    return out.empty() ? out : "<w:pPr>" + out + "</w:pPr>";
}

}  // namespace

std::string Paragraph(const std::string& text, const Look& look) {
    std::string out = "<w:p>" + ParagraphProperties(look);
    if (!text.empty())
        out += "<w:r>" + RunProperties(look) + "<w:t xml:space=\"preserve\">" + office::xml::Escape(text) + "</w:t></w:r>";
    return out + "</w:p>";
}

std::string PageBreak() { return "<w:p><w:r><w:br w:type=\"page\"/></w:r></w:p>"; }

std::string PageNumberFooter() {
    return "<w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr><w:fldSimple w:instr=\" PAGE \"><w:r><w:t>1</w:t></w:r>"
           "</w:fldSimple></w:p>";
}

std::string ClosingParagraph() {
    return "<w:p><w:pPr><w:spacing w:before=\"0\" w:after=\"0\" w:line=\"20\" w:lineRule=\"exact\"/>"
           "<w:rPr><w:sz w:val=\"2\"/><w:szCs w:val=\"2\"/></w:rPr></w:pPr></w:p>";
}

std::string Table(const std::vector<int>& widths, const std::vector<RowSpec>& rows, int rowHeightTwips,
                  int headerRows, int cellMarginTwips) {
    int total = 0;
    for (int w : widths) total += w;
    std::string out = "<w:tbl><w:tblPr><w:tblW w:w=\"" + std::to_string(total) +
                      "\" w:type=\"dxa\"/><w:jc w:val=\"center\"/><w:tblBorders>";
    for (const char* edge : {"top", "left", "bottom", "right", "insideH", "insideV"})
        out += std::string("<w:") + edge + " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>";
    out += "</w:tblBorders><w:tblLayout w:type=\"fixed\"/>";
    if (cellMarginTwips > 0) {
        const std::string margin = "w:w=\"" + std::to_string(cellMarginTwips) + "\" w:type=\"dxa\"/>";
        out += "<w:tblCellMar><w:left " + margin + "<w:right " + margin + "</w:tblCellMar>";
    }
    out += "</w:tblPr><w:tblGrid>";
    for (int w : widths) out += "<w:gridCol w:w=\"" + std::to_string(w) + "\"/>";
    out += "</w:tblGrid>";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const RowSpec& row = rows[r];
        out += "<w:tr>";
        const bool header = static_cast<int>(r) < headerRows;
        if (rowHeightTwips > 0 || header) {
            out += "<w:trPr>";
            if (rowHeightTwips > 0) out += "<w:trHeight w:val=\"" + std::to_string(rowHeightTwips) + "\"/>";
            if (header) out += "<w:tblHeader/>";
            out += "</w:trPr>";
        }
        std::size_t column = 0;
        for (const CellSpec& cell : row) {
            int width = 0;
            for (int i = 0; i < cell.span && column < widths.size(); ++i) width += widths[column++];
            out += "<w:tc><w:tcPr><w:tcW w:w=\"" + std::to_string(width) + "\" w:type=\"dxa\"/>";
            if (cell.span > 1) out += "<w:gridSpan w:val=\"" + std::to_string(cell.span) + "\"/>";
            out += "<w:vAlign w:val=\"center\"/></w:tcPr>" + Paragraph(cell.text, cell.look) + "</w:tc>";
        }
        out += "</w:tr>";
    }
    return out + "</w:tbl>";
}

std::vector<int> SpanWidths(int textWidth, const std::vector<GridColumn>& columns) {
    // Columns held at their least width no longer share; repeated until
    // every sharing column gets at least its least width.
    std::vector<bool> held(columns.size(), false);
    std::vector<int> widths;
    for (bool again = true; again;) {
        again = false;
        int fixed = 0;
        double shares = 0;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (held[i]) fixed += columns[i].leastTwips;
            else {
                fixed += columns[i].fixedTwips;
                shares += columns[i].share;
            }
        }
        const int left = std::max(0, textWidth - fixed);
        widths.clear();
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const GridColumn& c = columns[i];
            if (held[i]) {
                widths.push_back(c.leastTwips);
                continue;
            }
            widths.push_back(c.fixedTwips + (shares > 0 ? static_cast<int>(left * c.share / shares) : 0));
            if (widths.back() < c.leastTwips) held[i] = again = true;
        }
    }
    int used = 0;
    for (int w : widths) used += w;
    if (!widths.empty()) widths.back() += textWidth - used;  // the rounding goes to the last column
    return widths;
}

int CellTwipsFor(std::string_view text, double fontPoints, int cellMarginTwips) {
    // The text's width with a twentieth to spare for the printing face, and
    // the cell's margins on both sides.
    return static_cast<int>(std::ceil(office::TextWidthPoints(text, fontPoints) * 20 * 1.05)) + 2 * cellMarginTwips;
}

}  // namespace templates
