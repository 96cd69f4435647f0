#include "office_reports/ReportWorkbook.h"

#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace reports {

using namespace office::excel;

ReportWorkbook::ReportWorkbook() = default;
ReportWorkbook::~ReportWorkbook() = default;

bool ReportWorkbook::Start(const std::string& templateName, const std::string& sheetName) {
    excel_ = Application::Create();
    if (!excel_) {
        ui::AfxMessageBox("Excel启动失败!", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const std::string path = sys::ProgramFolder() + "\\模板\\" + templateName;
    Workbook book = excel_->Workbooks().Add(path);
    if (book.IsValid()) sheet_ = book.Sheets().Item(sheetName);
    if (!sheet_.IsValid()) {
        Discard();
        ui::MessageBox("无法读取模板文件：" + path, "提示", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

void ReportWorkbook::Show() {
    if (!excel_) return;
    excel_->SetVisible(true);
    excel_.reset();  // handed over to the desktop
}

void ReportWorkbook::Discard() {
    if (!excel_) return;
    excel_->Quit();
    excel_.reset();
}

FundBlockWriter::FundBlockWriter(Worksheet sheet, int lastColumn, int amountColumn, std::vector<int> centredColumns)
    : sheet_(std::move(sheet)),
      lastColumn_(lastColumn),
      amountColumn_(amountColumn),
      centredColumns_(std::move(centredColumns)) {}

Range FundBlockWriter::Span(int row, int firstColumn, int lastColumn) const {
    return sheet_.Range(ColumnName(firstColumn) + std::to_string(row), ColumnName(lastColumn) + std::to_string(row));
}

int FundBlockWriter::BeginBlock() {
    const int header = row_ + 1;
    if (++blocks_ > 1) Span(header, 1, lastColumn_).SetPageBreak(xlPageBreakManual);
    directionWritten_ = false;
    return header;
}

void FundBlockWriter::WriteTitleHeader(int row, const std::string& title) const {
    Range header = Span(row, 1, lastColumn_);
    header.Merge(false);
    header.Item(1, 1).SetValue(title);
    header.Font().SetSize(12);
    header.SetHorizontalAlignment(xlLeft);
    header.SetRowHeight(36);
}

void FundBlockWriter::WriteCaptions(int row, const std::vector<std::string>& captions, double height) const {
    Range line = Span(row, 1, lastColumn_);
    for (std::size_t i = 0; i < captions.size(); ++i) line.Item(1, int(i) + 1).SetValue(captions[i]);
    line.Font().SetBold(true);
    line.Font().SetSize(11);
    line.SetRowHeight(height);
    line.SetVerticalAlignment(xlCenter);
    line.SetWrapText(true);
    for (int column = 1; column <= lastColumn_; ++column) line.Item(1, column).BorderAround();
}

void FundBlockWriter::EndCaptions(int lastRow) {
    row_ = lastRow;
    firstSummed_ = lastRow + 1;
}

void FundBlockWriter::BeginTitledBlock(const std::string& title, const std::vector<std::string>& captions) {
    const int header = BeginBlock();
    WriteTitleHeader(header, title);
    WriteCaptions(header + 1, captions, 33);
    EndCaptions(header + 1);
}

void FundBlockWriter::DirectionRow(const std::string& code, const std::string& name) {
    if (directionWritten_ && code == direction_) return;
    direction_ = code;
    directionWritten_ = true;
    Range line = Span(++row_, 1, lastColumn_);
    line.Merge(false);
    line.Item(1, 1).SetValue(code + " " + name);
    line.Font().SetBold(true);
    line.Font().SetSize(11);
    line.SetRowHeight(33);
    line.SetHorizontalAlignment(xlLeft);
    line.BorderAround();
}

void FundBlockWriter::ProjectRow(const std::vector<std::string>& values) {
    Range line = Span(++row_, 1, lastColumn_);
    line.Font().SetSize(10);
    line.SetRowHeight(36);
    line.SetVerticalAlignment(xlCenter);  // a one-line value sits in the middle of its cell
    line.SetWrapText(true);
    line.Item(1, amountColumn_).SetNumberFormat("0.00");  // amounts with two decimals however stored
    for (int column : centredColumns_) line.Item(1, column).SetHorizontalAlignment(xlCenter);
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!values[i].empty()) line.Item(1, int(i) + 1).SetValue(values[i]);
    for (int column = 1; column <= lastColumn_; ++column) line.Item(1, column).BorderAround();
}

void FundBlockWriter::TotalRow(int row, const std::string& label, const std::string& formula) const {
    Range caption = Span(row, 1, amountColumn_ - 1);
    caption.Merge(false);
    caption.Font().SetSize(12);
    caption.SetRowHeight(33);
    caption.Item(1, 1).SetValue(label);
    caption.BorderAround();
    Range amount = Span(row, amountColumn_, amountColumn_);
    amount.Font().SetSize(12);
    amount.SetNumberFormat("0.00");
    amount.SetValue(formula);
    amount.BorderAround();
    if (amountColumn_ < lastColumn_) {
        Range rest = Span(row, amountColumn_ + 1, lastColumn_);
        rest.Merge(false);
        rest.BorderAround();
    }
}

void FundBlockWriter::EndBlock() {
    const int total = row_ + 1;
    const std::string column = ColumnName(amountColumn_);
    TotalRow(total, "合计", text::Format("=SUM(%s%d:%s%d)", column.c_str(), firstSummed_, column.c_str(), row_));
    row_ = total + 1;
}

bool FundBlockWriter::Finish() {
    if (blocks_ == 0) return false;
    const std::string column = ColumnName(amountColumn_);
    TotalRow(row_, "所有合计", text::Format("=SUM(%s3:%s%d)/2", column.c_str(), column.c_str(), row_ - 1));
    return true;
}

}  // namespace reports
