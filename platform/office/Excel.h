// An Excel-like object model over .xlsx files: the application, its
// workbooks (new or from a template), sheets by name, cells and ranges with
// values, fonts, alignment, sizes, merges, borders and page breaks.
//
// Objects are light handles on shared workbook data, like the automation
// objects they stand for: copying a Range copies the handle. A handle that
// names nothing (a sheet not found, a cell name that does not parse) is
// invalid; every operation on it does nothing and reads give empty values,
// so a caller tests IsValid() where the system tests for failure.
//
//   auto excel = office::excel::Application::Create();
//   if (!excel) { /* "Excel启动失败!" */ }
//   auto book = excel->Workbooks().Add(folder + "\\模板\\重点实验室经费表.xls");
//   auto sheet = book.Sheets().Item("sheet1");
//   auto row = sheet.Range("A2", "G2");
//   row.Font().SetName("仿宋_GB2312");
//   row.Item(1, 1).SetValue("1");          // stored as the number 1
//   sheet.Range("D3").SetValue("=SUM(D2:D2)");
//   excel->SetVisible(true);                 // handed to the desktop when released
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace office::excel {

// Constants of the automation interface, by their values.
enum : int {
    xlCenter = -4108,
    xlLeft = -4131,
    xlRight = -4152,
    xlTop = -4160,
    xlBottom = -4107,
    xlGeneral = 1,
    xlJustify = -4130,
    xlPageBreakManual = -4135,
    xlPageBreakNone = -4142,
    xlContinuous = 1,
    xlLineStyleNone = -4142,
    xlHairline = 1,
    xlThin = 2,
    xlMedium = -4138,
    xlThick = 4,
    xlColorIndexAutomatic = -4105,
    xlPortrait = 1,
    xlLandscape = 2,
    xlPaperA3 = 8,
    xlPaperA4 = 9,
    xlPaperB4 = 12,
    xlPaperB5 = 13,
    xlWorkbookNormal = -4143,
    xlOpenXMLWorkbook = 51,
};

struct BookData;
struct SheetData;

enum class ValueKind { Empty, Number, Text, Formula };

class Font;

class Range {
public:
    Range() = default;
    bool IsValid() const { return sheet_ != nullptr; }

    int Row() const { return top_; }
    int Column() const { return left_; }
    int RowsCount() const { return IsValid() ? bottom_ - top_ + 1 : 0; }
    int ColumnsCount() const { return IsValid() ? right_ - left_ + 1 : 0; }
    // "A1" or "A1:G1".
    std::string Address() const;

    // The cell at (row, column) counted from 1 inside this range; it may lie
    // outside the range, as in Excel.
    Range Item(int row, int column) const;

    // Assigns text to every cell of the range by the typing rule: a canonical
    // decimal number ("12", "-3.50", "0.25") becomes a number, shown with
    // the decimals written ("12.50" shows 12.50) unless the cell has a format
    // of its own; a text that begins with "=" a formula the opening program
    // recalculates; anything else stays text: codes with a leading zero, a
    // whole part of 11 or more digits (telephone, account, project numbers),
    // "2008-2009". An empty text clears the value. In a cell formatted "@"
    // (SetNumberFormat) every value but a formula stays text.
    void SetValue(std::string_view text) const;
    // Top-left cell: a number in its shortest exact form, a formula with its
    // "=", or the text.
    std::string Value() const;
    ValueKind Kind() const;

    // The top-left cell's number format: "General", "0.00", ...
    std::string NumberFormat() const;
    // Sets the number format of every cell; later values keep it: "@" keeps
    // what is written as text (a column of codes, postcodes, telephone or
    // account numbers prints them as written whatever their digits), "0.00"
    // shows every amount of a column with two decimals however it was
    // written. "General" lets the written decimals show again.
    void SetNumberFormat(std::string_view code) const;

    excel::Font Font() const;

    void SetRowHeight(double points) const;
    double RowHeight() const;
    // Width in characters of the default font, as Excel counts it.
    void SetColumnWidth(double characters) const;
    double ColumnWidth() const;
    // xlCenter, xlLeft, xlRight, xlGeneral, xlJustify (horizontal);
    // xlCenter, xlTop, xlBottom, xlJustify (vertical). Other values are ignored.
    void SetHorizontalAlignment(int value) const;
    int HorizontalAlignment() const;
    void SetVerticalAlignment(int value) const;
    int VerticalAlignment() const;
    void SetWrapText(bool on) const;
    bool WrapText() const;

    // Merges the range into one cell (across: one merged cell per row). The
    // top-left value is kept, the other values are cleared.
    void Merge(bool across = false) const;
    // True when the top-left cell lies in a merged area.
    bool MergeCells() const;
    // The merged area containing the top-left cell, or the cell itself.
    Range MergeArea() const;

    // A border around the outside of the range: line style xlContinuous (or
    // xlLineStyleNone to remove), weight xlHairline/xlThin/xlMedium/xlThick,
    // colour index xlColorIndexAutomatic or a palette index 1-56.
    void BorderAround(int lineStyle = xlContinuous, int weight = xlThin, int colorIndex = xlColorIndexAutomatic) const;
    // Border style of one edge of the top-left cell: "left", "right", "top",
    // "bottom"; "" when none ("thin", "medium", ... as stored in the file).
    std::string BorderStyle(std::string_view edge) const;

    // xlPageBreakManual puts a manual page break above the range's first row;
    // xlPageBreakNone removes it.
    void SetPageBreak(int value) const;
    int PageBreak() const;

private:
    friend class Worksheet;
    friend class Font;
    Range(std::shared_ptr<SheetData> sheet, int top, int left, int bottom, int right);
    template <typename F>
    void ForEachCell(F&& f) const;

    std::shared_ptr<SheetData> sheet_;
    int top_ = 0, left_ = 0, bottom_ = 0, right_ = 0;
};

class Font {
public:
    void SetName(std::string_view name) const;
    std::string Name() const;
    void SetSize(double points) const;
    double Size() const;
    void SetBold(bool on) const;
    bool Bold() const;

private:
    friend class Range;
    explicit Font(Range range) : range_(std::move(range)) {}
    Range range_;
};

class PageSetup {
public:
    void SetOrientation(int orientation) const;  // xlPortrait, xlLandscape
    int Orientation() const;
    void SetPaperSize(int paperSize) const;  // xlPaperA3, xlPaperA4, ...
    int PaperSize() const;

    // Scales the print to `wide` pages across and `tall` down; tall 0 lets
    // the rows take as many pages as they need. wide 0 prints at full size.
    void SetFitToPages(int wide, int tall) const;
    int FitToPagesWide() const;  // 0 when the print is not scaled to fit
    int FitToPagesTall() const;
    // Rows printed at the top of every page ("$1:$2" or "1:2"); "" for none.
    void SetPrintTitleRows(std::string_view rows) const;
    std::string PrintTitleRows() const;  // "$1:$2"
    // The cells printed ("A1:K20"); "" prints the used range.
    void SetPrintArea(std::string_view area) const;
    std::string PrintArea() const;  // "$A$1:$K$20"
    // Margins in points (72 to the inch), as Excel counts them.
    void SetMargins(double left, double right, double top, double bottom, double header, double footer) const;
    double LeftMargin() const;
    double RightMargin() const;
    double TopMargin() const;
    double BottomMargin() const;
    void SetCenterHorizontally(bool on) const;
    bool CenterHorizontally() const;
    void SetCenterVertically(bool on) const;
    bool CenterVertically() const;
    // The centre section of the header and footer, with Excel's codes:
    // "第 &P 页 共 &N 页" numbers the pages. The left and right sections
    // of a loaded file are kept.
    void SetCenterHeader(std::string_view text) const;
    std::string CenterHeader() const;
    void SetCenterFooter(std::string_view text) const;
    std::string CenterFooter() const;

private:
    friend class Worksheet;
    explicit PageSetup(std::shared_ptr<SheetData> sheet) : sheet_(std::move(sheet)) {}
    std::shared_ptr<SheetData> sheet_;
};

class Worksheet {
public:
    Worksheet() = default;
    bool IsValid() const { return sheet_ != nullptr; }

    std::string Name() const;
    // False when the name is empty, too long, holds one of : \ / ? * [ ] or
    // is taken by another sheet of the workbook (compared without case).
    bool SetName(std::string_view name) const;

    // Every cell of the sheet; Cells().Item(r, c) is one cell.
    excel::Range Cells() const;
    // By cell names: Range("A1"), Range("A1", "G1"), Range("A1:G1").
    // Invalid for a name that does not parse (such as "A0").
    excel::Range Range(std::string_view cell1, std::string_view cell2 = {}) const;
    // From the first to the last cell that holds a value or a format.
    excel::Range UsedRange() const;
    excel::PageSetup PageSetup() const;

private:
    friend class Sheets;
    explicit Worksheet(std::shared_ptr<SheetData> sheet) : sheet_(std::move(sheet)) {}
    std::shared_ptr<SheetData> sheet_;
};

class Sheets {
public:
    int Count() const;
    // By name, compared without case ("sheet1" finds "Sheet1"); invalid when absent.
    Worksheet Item(std::string_view name) const;
    // By position from 1.
    Worksheet Item(int index) const;

private:
    friend class Workbook;
    explicit Sheets(std::shared_ptr<BookData> book) : book_(std::move(book)) {}
    std::shared_ptr<BookData> book_;
};

class Workbook {
public:
    Workbook() = default;
    bool IsValid() const { return book_ != nullptr; }

    excel::Sheets Sheets() const;
    // Writes the workbook as .xlsx (a ".xls" path is stored as ".xlsx");
    // fileFormat is accepted for its automation meaning and does not change
    // the format. Replaces an existing file. False with LastError on failure.
    bool SaveAs(std::string_view path, int fileFormat = xlOpenXMLWorkbook) const;
    // The path of the last save, empty before.
    std::string FullName() const;
    // False once anything changed since the last save (or since it was added).
    bool Saved() const;
    void SetSaved(bool saved) const;
    // What the workbook is ("专业组信息表"): the name it is handed to the
    // desktop under, with the date (ScratchPath).
    void SetTitle(const std::string& title) const;
    std::string LastError() const;

private:
    friend class Workbooks;
    friend class Application;
    explicit Workbook(std::shared_ptr<BookData> book) : book_(std::move(book)) {}
    std::shared_ptr<BookData> book_;
};

class Application;

class Workbooks {
public:
    // A new workbook: empty with one sheet "Sheet1", or a copy of the template
    // (a ".xls" name is read as ".xlsx"). Invalid when the template cannot be
    // read; the application's LastError says why.
    Workbook Add(std::string_view templatePath = {}) const;
    int Count() const;
    Workbook Item(int index) const;

private:
    friend class Application;
    explicit Workbooks(Application* app) : app_(app) {}
    Application* app_;
};

class Application {
public:
    // Starts the server "Excel.Application"; null when it cannot be started.
    static std::unique_ptr<Application> Create();
    // Releasing a visible application hands every open workbook that was not
    // saved by the system to the desktop: it is written to a scratch file
    // under the program folder's "output" and opened with the default
    // program. A workbook the system saved is opened from where it was saved.
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    excel::Workbooks Workbooks() { return excel::Workbooks(this); }
    void SetVisible(bool visible) { visible_ = visible; }
    bool Visible() const { return visible_; }
    // Closes every workbook without saving; nothing is handed over.
    void Quit();
    std::string LastError() const { return lastError_; }

private:
    friend class excel::Workbooks;
    Application() = default;

    std::vector<std::shared_ptr<BookData>> books_;
    bool visible_ = false;
    bool quit_ = false;
    std::string lastError_;
};

// Whether a column heading names codes rather than amounts: "...代码",
// "...编号", postcodes, telephone, mobile and fax numbers, accounts and
// identity numbers. Such a column is formatted "@" before it is filled, so
// that its values print as written.
bool HoldsCodes(std::string_view heading);

// The column width (in characters, as SetColumnWidth takes it) that prints
// `text` at `fontPoints` on one line, bold included, inside the cell's
// padding: a heading's column sized from its heading.
double ColumnWidthFor(std::string_view text, double fontPoints);

// Column letters of a 1-based column number ("A", "Z", "AA", "AQ").
std::string ColumnName(int column);
// Reads "A1", "$AQ$12"; false when the text is not a cell name.
bool ParseCellName(std::string_view name, int& row, int& column);

}  // namespace office::excel
