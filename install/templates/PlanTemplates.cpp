#include "install/templates/PlanTemplates.h"

#include <vector>

#include "install/templates/SheetPrint.h"
#include "install/templates/WordXml.h"
#include "platform/office/Excel.h"
#include "platform/office/Word.h"

namespace templates {

namespace {

using namespace office;

// ---------------------------------------------------------------- Excel

bool PlanList(const std::string& path, int paperSize, std::string& error) {
    auto excel = excel::Application::Create();
    excel::Workbook book = excel->Workbooks().Add();
    excel::Worksheet sheet = book.Sheets().Item(1);
    sheet.SetName("打印报表");
    SetReportPrint(sheet, paperSize, "$3:$3");

    const struct {
        const char* heading;  // nullptr: written by the program
        double width;
    } columns[] = {{"", 2},        {"序号", 6},        {"项目编号", 24},   {"项目名称", 28},
                   // The schedule's milestones are the longest text of a row.
                   {"起止年限/进度要求", 24}, {"负责人", 9}, {"承担单位", 24}, {"批复经费", 11},
                   {nullptr, 11},  {nullptr, 11},      {"备注", 20}};
    std::vector<double> widths;
    for (const auto& column : columns) widths.push_back(column.width);
    SetColumnWidths(sheet, WidthsForPaper(widths, paperSize, {2}));  // the project number shows whole
    for (int i = 0; i < 11; ++i) {
        if (i == 0) continue;
        excel::Range cell = sheet.Cells().Item(3, i + 1);
        if (columns[i].heading) cell.SetValue(columns[i].heading);
        cell.Font().SetName("仿宋_GB2312");
        cell.Font().SetSize(11);
        cell.Font().SetBold(true);
        cell.SetHorizontalAlignment(excel::xlCenter);
        cell.SetVerticalAlignment(excel::xlCenter);
        cell.SetWrapText(true);
        cell.BorderAround();
    }
    sheet.Range("B3").SetRowHeight(30);

    excel::Range title = sheet.Range("B1", "K1");
    title.Merge(false);
    title.Font().SetName("黑体");
    title.Font().SetSize(18);
    title.SetHorizontalAlignment(excel::xlCenter);
    title.SetRowHeight(40);
    excel::Range unit = sheet.Range("B2", "K2");
    unit.Merge(false);
    unit.SetValue("金额单位：万元");
    unit.SetHorizontalAlignment(excel::xlRight);

    if (!book.SaveAs(path)) {
        error = book.LastError();
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- Word

// A project number of twenty characters with a capital among its digits.
constexpr const char* kWidestNumber = "9140A010101200801001";

// An empty centred footer paragraph in 10.5-point 宋体.
std::string EmptyFooter() { return Paragraph({}, {"宋体", 10.5, false, "center"}); }

bool ApprovalOpinion(const std::string& path, word::PaperSize paper, std::string& error) {
    return word::WriteDocx(path, Paragraph({}, {"宋体", 14, false, "both"}), EmptyFooter(), error, paper);
}

bool PlanDraft(const std::string& path, word::PaperSize paper, std::string& error) {
    const Look label{"黑体", 10.5, false, "center"};
    const Look value{"宋体", 10.5, false, "left"};
    auto L = [&](const char* text, int span = 1) { return CellSpec{text, span, label}; };
    auto V = [&] { return CellSpec{"", 1, value}; };
    // A landscape page: the number (twenty characters) as wide as it prints
    // and the amounts on one line, the texts share the rest of the width,
    // the goals and contents most of it; the forms of completion and the
    // remarks at least four characters a line on the narrowest paper.
    const int number = CellTwipsFor(kWidestNumber, 10.5), fourCharacters = CellTwipsFor("完成形式", 10.5);
    const std::vector<int> widths = SpanWidths(word::TextWidthTwips(paper, true),
                                               {{number, 0}, {0, 2}, {0, 3.4}, {0, 1.2, fourCharacters}, {0, 1.8},
                                                {0, 1.8}, {950, 0}, {950, 0}, {950, 0}, {0, 0.8, fourCharacters}});
    std::vector<RowSpec> rows = {
        {L("项目计划", 6), L("经费安排（万元）及备注", 4)},
        {L("项目编号"), L("项目名称"), L("研究目标与内容"), L("完成形式"), L("进度要求"), L("承担单位"),
         L("批复经费"), {"", 1, label}, {"", 1, label}, L("备注")},
        {V(), V(), V(), V(), V(), V(), V(), V(), V(), V()},
    };
    std::string xml = Paragraph({}, {"黑体", 16, false, "center"}) + Table(widths, rows, 400, 2) + ClosingParagraph();
    return word::WriteDocx(path, xml, PageNumberFooter(), error, paper, true);
}

}  // namespace

bool PlanListA3(const std::string& path, std::string& error) { return PlanList(path, excel::xlPaperA3, error); }
bool PlanListA4(const std::string& path, std::string& error) { return PlanList(path, excel::xlPaperA4, error); }
bool PlanListB4(const std::string& path, std::string& error) { return PlanList(path, excel::xlPaperB4, error); }

bool ApprovalOpinionA4(const std::string& path, std::string& error) {
    return ApprovalOpinion(path, word::PaperSize::A4, error);
}
bool ApprovalOpinionB5(const std::string& path, std::string& error) {
    return ApprovalOpinion(path, word::PaperSize::B5, error);
}

bool PlanDraftA3(const std::string& path, std::string& error) { return PlanDraft(path, word::PaperSize::A3, error); }
bool PlanDraftA4(const std::string& path, std::string& error) { return PlanDraft(path, word::PaperSize::A4, error); }
bool PlanDraftB4(const std::string& path, std::string& error) { return PlanDraft(path, word::PaperSize::B4, error); }

}  // namespace templates
