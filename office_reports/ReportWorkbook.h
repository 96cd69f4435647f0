// The Excel side of the fund office's list reports: Excel started and a
// workbook added from a template of 模板 (ReportWorkbook), and the writer of
// fund blocks that the application list, the laboratory review table and the
// letter-review tables share (FundBlockWriter).
//
// A fund block is: a header row, one or more caption rows, research-direction
// rows and project rows, and a total row "合计" whose formula sums the amount
// column over the block's rows; one empty row follows. From the second block
// on, the header row starts a new printed page. After the last block the
// row "所有合计" sums the amount column from row 3 and halves the sum, since
// every amount is counted once in its row and once in its block's total.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/office/Excel.h"

namespace reports {

class ReportWorkbook {
public:
    ReportWorkbook();
    ~ReportWorkbook();
    ReportWorkbook(const ReportWorkbook&) = delete;
    ReportWorkbook& operator=(const ReportWorkbook&) = delete;

    // Starts Excel ("Excel启动失败!" when it cannot be started) and adds a
    // workbook from the template (a message naming the file when it cannot be
    // read), taking the sheet by name. False after a message.
    bool Start(const std::string& templateName, const std::string& sheetName);
    const office::excel::Worksheet& Sheet() const { return sheet_; }
    // Leaves the workbook open, unsaved, for the user.
    void Show();
    // Closes the workbook unsaved and quits Excel.
    void Discard();

private:
    std::unique_ptr<office::excel::Application> excel_;
    office::excel::Worksheet sheet_;
};

class FundBlockWriter {
public:
    // Blocks span the columns A to `lastColumn`; `amountColumn` is summed.
    // The project rows' `centredColumns` (1 for A: the serial number, and
    // columns of short values such as sex, age, a person's name, a title or
    // a score) stand in the middle of their cells, apart from the values
    // beside them.
    FundBlockWriter(office::excel::Worksheet sheet, int lastColumn, int amountColumn,
                    std::vector<int> centredColumns = {1});

    // Opens a block: its header row (returned) follows the previous block's
    // empty row; a manual page break goes above it from the second block on.
    int BeginBlock();
    // The header row as the list reports write it: A to the last column
    // merged, left, size 12, height 36, the text in A.
    void WriteTitleHeader(int row, const std::string& title) const;
    // A caption row: texts from A, bold, size 11, the height given, a thin
    // border around each cell.
    void WriteCaptions(int row, const std::vector<std::string>& captions, double height) const;
    // The caption rows end at `lastRow`; the block's rows follow.
    void EndCaptions(int lastRow);
    // A block with the header of the list reports and one caption row of
    // height 33.
    void BeginTitledBlock(const std::string& title, const std::vector<std::string>& captions);
    // A research-direction row "<code> <name>" when the code differs from the
    // block's previous one (always for the block's first project).
    void DirectionRow(const std::string& code, const std::string& name);
    // A project row: the values from A (empty values leave the cell empty),
    // size 10, height 36, a thin border around each cell.
    void ProjectRow(const std::vector<std::string>& values);
    // The block's total row "合计"; one empty row follows.
    void EndBlock();
    // The row "所有合计" below the last total. False, writing nothing, when no
    // block was written.
    bool Finish();

    int BlockCount() const { return blocks_; }
    int Row() const { return row_; }

private:
    // "合计" or "所有合计": label over A to the column before the amount,
    // the formula in the amount column, the rest merged; each bordered.
    void TotalRow(int row, const std::string& label, const std::string& formula) const;
    office::excel::Range Span(int row, int firstColumn, int lastColumn) const;

    office::excel::Worksheet sheet_;
    int lastColumn_, amountColumn_;
    std::vector<int> centredColumns_;
    int row_ = 0;          // the last row written
    int blocks_ = 0;
    int firstSummed_ = 0;  // first row of the current block's total
    std::string direction_;
    bool directionWritten_ = false;  // a direction row was written in this block
};

}  // namespace reports
