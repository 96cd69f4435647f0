// The data behind the Excel handles: cells, rows, columns, merges, page
// breaks and the workbook's table of cell formats. Internal to platform/office.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/office/Excel.h"

namespace office::excel {

struct FontSpec {
    std::string name = "宋体";
    double size = 11;
    bool bold = false;
    bool italic = false;
    std::string underline;  // "" none, else the underline kind
    std::string colour;     // attributes of <color>, as written ("rgb=\"FF0000FF\"")
    std::string Key() const;
    bool operator==(const FontSpec&) const = default;
};

struct EdgeSpec {
    std::string style;   // "" none, "thin", "medium", ...
    std::string colour;  // attributes of <color>; "" automatic
    bool operator==(const EdgeSpec&) const = default;
};

struct BorderSpec {
    EdgeSpec left, right, top, bottom;
    std::string Key() const;
    bool operator==(const BorderSpec&) const = default;
};

// One cell format: what an xf of the style sheet holds.
struct CellStyle {
    FontSpec font;
    int fillId = 0;
    BorderSpec border;
    int numFmtId = 0;
    std::map<std::string, std::string> alignment;  // attributes of <alignment>
    bool operator==(const CellStyle&) const = default;
    // Equal styles hash alike; interning compares the fields, so no key text
    // is built for each cell a format touches.
    std::size_t Hash() const;
};

struct Cell {
    ValueKind kind = ValueKind::Empty;
    double number = 0;
    std::string text;  // the text, or the formula without its "="
    int style = 0;
};

struct RowData {
    double height = 0;  // 0: default height
    std::map<int, Cell> cells;
};

struct Rect {
    int top, left, bottom, right;
    bool Contains(int r, int c) const { return r >= top && r <= bottom && c >= left && c <= right; }
    bool Intersects(const Rect& o) const {
        return !(o.left > right || o.right < left || o.top > bottom || o.bottom < top);
    }
};

struct BookData;

struct SheetData {
    BookData* book = nullptr;
    std::string name;
    std::map<int, RowData> rows;
    std::map<int, double> columnWidths;  // file width units, per column
    double defaultColumnWidth = 0;         // file width units; 0: the reader's default
    std::vector<Rect> merges;
    std::set<int> rowBreaks;  // a manual break above each of these rows
    std::map<std::string, std::string> pageSetup;  // attributes of <pageSetup>
    // The rest of the print setup: scaling to fit (fitToWidth/fitToHeight
    // live in pageSetup), centring, margins in inches, header and footer
    // texts by element name ("oddFooter"), and the workbook's print names.
    bool fitToPage = false;
    std::map<std::string, std::string> printOptions;  // attributes of <printOptions>
    std::map<std::string, std::string> pageMargins;   // attributes of <pageMargins>
    std::map<std::string, std::string> headerFooter;  // children of <headerFooter>
    std::string printTitleRows;                       // "$1:$2", or ""
    std::string printArea;                            // "$A$1:$K$20", or ""
    // Elements of a loaded sheet that the model does not change, by local
    // name, written back in their place ("sheetViews", "pageMargins", ...).
    std::map<std::string, std::string> kept;

    Cell& At(int row, int column) { return rows[row].cells[column]; }
    const Cell* Find(int row, int column) const;
};

struct BookData {
    std::vector<std::shared_ptr<SheetData>> sheets;
    std::vector<CellStyle> styles;
    std::unordered_multimap<std::size_t, int> styleIndex;  // Hash() -> index in styles
    std::vector<std::string> fills;  // <fill> elements as written
    std::map<int, std::string> numberFormats;  // custom number formats by id (164 on)
    bool dirty = false;
    std::string fullName;
    std::string lastError;
    std::string templateName;  // stem of the template, names the scratch file without a title
    std::string title;         // what the workbook is, names the scratch file
    bool handedOver = false;

    BookData();
    int Intern(const CellStyle& style);
    // The number format that shows exactly this many decimals ("0.00"), and
    // whether a format is one of them (or General), so a later number may
    // replace it.
    int DecimalFormat(int decimals);
    bool IsPlainNumberFormat(int id) const;
    // The format of a code that a caller set on cells: kept by the values
    // written later ("@" keeps them text).
    int ChosenFormat(const std::string& code);
    std::set<int> chosenFormats;
    // The code of a format: a custom one, or the common built-in ones.
    std::string NumberFormatCode(int id) const;
    void Touch() { dirty = true; }
};

// Reading and writing .xlsx packages (ExcelFile.cpp).
bool LoadWorkbook(const std::string& path, BookData& book, std::string& error);
bool SaveWorkbook(const BookData& book, const std::string& path, std::string& error);

// A number as the files and Value() show it: %.15g, or %.17g when fifteen
// digits would read back as another number.
std::string FormatNumber(double v);
void AppendNumber(std::string& out, double v);
// Column letters appended to `out` ("A", "AQ"), as ColumnName gives them.
void AppendColumnName(std::string& out, int column);

// Width in characters (what ColumnWidth shows) and in file units.
double CharactersToFileWidth(double characters);
double FileWidthToCharacters(double width);

}  // namespace office::excel
