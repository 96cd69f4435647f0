// Speed of the office models on large outputs: a 10,000-row, 10-column
// workbook and a 200-page document made of tables filled by cursor walks.
// The files are left in /tmp for timing a conversion by LibreOffice:
//   soffice --headless --convert-to pdf /tmp/office-bench.xlsx /tmp/office-bench.docx
#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "platform/office/Excel.h"
#include "platform/office/Word.h"

namespace {

using namespace office;

double g_modelSeconds = 0, g_baselineSeconds = 0;

// Mean seconds per iteration of `body` over the benchmark's iterations.
template <typename Body>
double Measure(benchmark::State& state, Body body) {
    double total = 0;
    std::int64_t runs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        body();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ++runs;
    }
    return runs ? total / runs : 0;
}

// The same cells, formats and row heights written by libxlsxwriter: numbers
// where the model types a number, texts elsewhere, one format per kind of
// cell (size 10, thin border), the row height 36 and the total formula.
void BM_LibxlsxwriterBaseline(benchmark::State& state) {
    g_baselineSeconds = Measure(state, [] {
        lxw_workbook* book = workbook_new("/tmp/office-bench-baseline.xlsx");
        lxw_worksheet* sheet = workbook_add_worksheet(book, "sheet1");
        lxw_format* cellFormat = workbook_add_format(book);
        format_set_font_size(cellFormat, 10);
        format_set_border(cellFormat, LXW_BORDER_THIN);
        for (int r = 1; r <= 10000; ++r) {
            const std::string row = std::to_string(r);
            worksheet_set_row(sheet, lxw_row_t(r - 1), 36, nullptr);
            for (int c = 1; c <= 10; ++c) {
                const lxw_col_t col = lxw_col_t(c - 1);
                if (c == 1) worksheet_write_number(sheet, lxw_row_t(r - 1), col, r, cellFormat);
                else if (c % 2) worksheet_write_string(sheet, lxw_row_t(r - 1), col, ("9140A0101" + row).c_str(), cellFormat);
                else worksheet_write_number(sheet, lxw_row_t(r - 1), col, r * c + 0.5, cellFormat);
            }
        }
        worksheet_write_formula(sheet, 10000, 9, "=SUM(J2:J10000)", nullptr);
        benchmark::DoNotOptimize(workbook_close(book));
    });
}
BENCHMARK(BM_LibxlsxwriterBaseline)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Workbook10000Rows(benchmark::State& state) {
    g_modelSeconds = Measure(state, [] {
        auto excel = excel::Application::Create();
        excel::Workbook book = excel->Workbooks().Add();
        excel::Worksheet sheet = book.Sheets().Item("sheet1");
        for (int r = 1; r <= 10000; ++r) {
            std::string row = std::to_string(r);
            excel::Range range = sheet.Range("A" + row, "J" + row);
            range.Font().SetSize(10);
            range.SetRowHeight(36);
            for (int c = 1; c <= 10; ++c) {
                excel::Range cell = range.Item(1, c);
                cell.SetValue(c == 1 ? row : c % 2 ? "9140A0101" + row : std::to_string(r * c) + ".5");
                cell.BorderAround(1, 2, -4105);
            }
        }
        sheet.Range("J10001").SetValue("=SUM(J2:J10000)");
        bool saved = book.SaveAs("/tmp/office-bench.xlsx");
        benchmark::DoNotOptimize(saved);
    });
}
BENCHMARK(BM_Workbook10000Rows)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Document200PagesOfTables(benchmark::State& state) {
    for (auto _ : state) {
        std::string error;
        // One table of a heading row; each page adds a heading, the table and a break.
        word::WriteDocx("/tmp/office-bench-template.docx",
                        "<w:tbl><w:tblGrid><w:gridCol w:w=\"2000\"/><w:gridCol w:w=\"2000\"/><w:gridCol w:w=\"2000\"/>"
                        "<w:gridCol w:w=\"2000\"/></w:tblGrid><w:tr><w:tc><w:p/></w:tc><w:tc><w:p/></w:tc><w:tc><w:p/>"
                        "</w:tc><w:tc><w:p/></w:tc></w:tr></w:tbl><w:p/>",
                        "", error);
        auto word = word::Application::Create();
        word::Document doc = word->Documents().Add();
        word::Selection sel = word->Selection();
        for (int page = 1; page <= 200; ++page) {
            if (page > 1) sel.InsertBreak(word::wdPageBreak);
            sel.Font().SetSize(16);
            sel.TypeText("第" + std::to_string(page) + "页");
            sel.TypeParagraph();
            sel.InsertFile("/tmp/office-bench-template.docx");
            sel.GoToPrevious(word::wdGoToTable);
            for (int row = 0; row < 25; ++row)
                for (int c = 0; c < 4; ++c) {
                    sel.TypeText("项目" + std::to_string(page * 100 + row));
                    sel.MoveRight(word::wdCell, 1);
                }
            sel.EndKey(word::wdStory);
        }
        bool saved = doc.SaveAs("/tmp/office-bench.docx");
        benchmark::DoNotOptimize(saved);
    }
}
BENCHMARK(BM_Document200PagesOfTables)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_modelSeconds > 0 && g_baselineSeconds > 0)
        std::printf("Excel model / libxlsxwriter, same workbook: %.2fx (target: within 1.5x)\n",
                    g_modelSeconds / g_baselineSeconds);
    return 0;
}
