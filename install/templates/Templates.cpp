#include "install/templates/Templates.h"

#include "install/templates/WordXml.h"
#include "platform/office/Excel.h"
#include "platform/office/Office.h"
#include "platform/office/Word.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"

namespace templates {

namespace {

using namespace office;

// Text width of an A4 page with the default margins, in twips.
constexpr int kTextWidth = 8306;
const Look kHeading{"黑体", 16, false, "center"};
const Look kLabel{"", 10.5, false, "center"};
const Look kValue{"宋体", 10.5, false, "left"};

// ---------------------------------------------------------------- Excel

struct Column {
    const char* heading;  // nullptr: no heading
    double width;
};

// A sheet "Sheet1", landscape A4, with column widths and (when headings are
// given) a bordered bold heading row.
bool MakeSheet(const std::string& path, const std::vector<Column>& columns, bool headings, std::string& error) {
    auto excel = excel::Application::Create();
    excel::Workbook book = excel->Workbooks().Add();
    excel::Worksheet sheet = book.Sheets().Item(1);
    sheet.PageSetup().SetOrientation(excel::xlLandscape);
    sheet.PageSetup().SetPaperSize(excel::xlPaperA4);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        excel::Range cell = sheet.Cells().Item(1, static_cast<int>(i + 1));
        cell.SetColumnWidth(columns[i].width);
        if (!headings) continue;
        cell.SetValue(columns[i].heading);
        cell.Font().SetName("仿宋_GB2312");
        cell.Font().SetSize(12);
        cell.Font().SetBold(true);
        cell.SetHorizontalAlignment(excel::xlCenter);
        cell.SetVerticalAlignment(excel::xlCenter);
        cell.SetWrapText(true);
        cell.BorderAround();
    }
    if (headings) sheet.Range("A1").SetRowHeight(38);
    if (!book.SaveAs(path)) {
        error = book.LastError();
        return false;
    }
    return true;
}

bool LabFundTable(const std::string& path, std::string& error) {
    return MakeSheet(path,
                     {{"序号", 6}, {"实验室代码", 12}, {"实验室名称", 36}, {"批复经费(万元)", 14}, {"批复项目数", 12},
                      {"重点项目数", 12}, {"重点项目经费(万元)", 16}},
                     true, error);
}

bool ExpertTable(const std::string& path, std::string& error) {
    return MakeSheet(path,
                     {{nullptr, 10}, {nullptr, 8}, {nullptr, 5}, {nullptr, 5}, {nullptr, 10}, {nullptr, 14},
                      {nullptr, 20}, {nullptr, 22}, {nullptr, 9}, {nullptr, 13}, {nullptr, 13}, {nullptr, 9}},
                     false, error);
}

bool UnitTable(const std::string& path, std::string& error) {
    std::vector<Column> columns = {{nullptr, 9},  {nullptr, 24}, {nullptr, 12}, {nullptr, 14}, {nullptr, 14},
                                   {nullptr, 9},  {nullptr, 24}, {nullptr, 7},  {nullptr, 7},  {nullptr, 9},
                                   {nullptr, 13}, {nullptr, 13}, {nullptr, 18}, {nullptr, 18}, {nullptr, 20},
                                   {nullptr, 12}};
    return MakeSheet(path, columns, false, error);
}

// The table of chosen applications: the program writes the heading row,
// the project rows and the total itself.
bool ApplicationTable(const std::string& path, std::string& error) {
    return MakeSheet(path,
                     {{nullptr, 6}, {nullptr, 13}, {nullptr, 24}, {nullptr, 30}, {nullptr, 24}, {nullptr, 18},
                      {nullptr, 10}, {nullptr, 12}, {nullptr, 14}, {nullptr, 10}},
                     false, error);
}

// ---------------------------------------------------------------- Word

bool WriteWord(const std::string& path, const std::string& body, const std::string& footer, std::string& error) {
    return word::WriteDocx(path, body, footer, error);
}

std::string PageNumberFooter() {
    return "<w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr><w:fldSimple w:instr=\" PAGE \"><w:r><w:t>1</w:t></w:r>"
           "</w:fldSimple></w:p>";
}

// The guides are typed from the start of an empty document.
bool GuideTemplate(const std::string& path, std::string& error) {
    return WriteWord(path, Paragraph(), PageNumberFooter(), error);
}

// The salutation line lies three paragraphs above the table's first cell;
// the table is the last thing, so a further notice follows it directly.
bool UnfundedNotice(const std::string& path, std::string& error) {
    Look body{"仿宋_GB2312", 14, false, "both", 560};
    std::string xml = Paragraph("项目未获资助通知", {"黑体", 18, false, "center"}) + Paragraph() +
                      Paragraph({}, {"仿宋_GB2312", 14, false, "left"}) +
                      Paragraph("贵单位申请的下列基金项目，经专家评审和基金办公室研究，本年度未获资助。"
                                "感谢贵单位对基金工作的支持，欢迎今后继续申请。",
                                body) +
                      Paragraph("未获资助项目如下：", {"仿宋_GB2312", 14, false, "left"}) +
                      Table({900, 3000, 1400, 3006}, {{{"序号", 1, kLabel}, {"项目名称", 1, kLabel},
                                                       {"申请人", 1, kLabel}, {"未获资助原因", 1, kLabel}}},
                            480) +
                      Paragraph();
    return WriteWord(path, xml, PageNumberFooter(), error);
}

// The application form. The cells and lines that the filling walk types
// into are empty and lie at the places its moves reach: the cover table
// first, ten paragraphs down the project name, six lines ended by their
// labels, the basic table (values in cells 2, 4, 6, 9, 11, 13, 15, 18, 20,
// 23, 26, 28, 39-45, members from cell 59 in rows of ten, key words ten rows
// later), the budget table, a page break, then the recommendation table.
bool ApplicationForm(const std::string& path, std::string& error) {
    const std::vector<int> four = {1500, 2653, 1500, 2653};
    std::string xml = Table(four, {{{"项目类别", 1, kLabel}, {"", 1, kValue}, {"指南代码", 1, kLabel}, {"", 1, kValue}},
                                   {{"项目编号", 1, kLabel}, {"", 1, kValue}, {"密级", 1, kLabel}, {"", 1, kValue}}});
    for (int i = 0; i < 3; ++i) xml += Paragraph();
    xml += Paragraph("装备预研基金项目申请书", {"黑体", 26, true, "center"});
    for (int i = 0; i < 4; ++i) xml += Paragraph();
    xml += Paragraph("项 目 名 称", {"黑体", 16, false, "center"});
    xml += Paragraph({}, {"黑体", 16, false, "center"});  // the tenth paragraph after the cover table
    Look line{"仿宋_GB2312", 14, false, "left", 0, 1680};
    for (const char* label : {"申 请 人：", "工作单位：", "通信地址：", "邮政编码：", "联系电话：", "申请日期："})
        xml += Paragraph(label, line);
    xml += PageBreak();

    xml += Paragraph("一、基本信息", kHeading);
    std::vector<int> grid(10, 830);
    grid.back() = kTextWidth - 830 * 9;
    auto L = [](const char* t, int span = 1) { return CellSpec{t, span, kLabel}; };
    auto V = [](int span = 1) { return CellSpec{"", span, kValue}; };
    std::vector<RowSpec> rows = {
        {L("项目名称", 2), V(4), L("起止年月"), V(3)},
        {L("申请金额", 2), V(8)},
        {L("申请人"), L("姓名"), V(), L("性别"), V(), L("身份证号"), V(2), L("学位"), V()},
        {L("申请人"), L("职称"), V(3), L("专业特长"), V(4)},
        {L("申请人"), L("工作单位"), V(8)},
        {L("申请单位"), L("隶属关系"), V(3), L("合作单位"), V(4)},
        {L("项目组成员", 2), L("总人数"), L("高级"), L("中级"), L("初级"), L("博士后"), L("博士生"), L("硕士生"), L("")},
        {L("人数", 2), V(), V(), V(), V(), V(), V(), V(), L("")},
        {L("序号"), L("学位"), L("姓名"), L("性别"), L("年龄"), L("职称"), L("工作单位"), L("参加月数"), L("工作分工"),
         L("签字")},
    };
    for (int i = 0; i < 10; ++i) rows.push_back({V(), V(), V(), V(), V(), V(), V(), V(), V(), V()});
    rows.push_back({L("主题词", 2), V(8)});
    xml += Table(grid, rows, 400);
    xml += Paragraph();

    xml += Paragraph("二、经费预算", kHeading);
    std::vector<RowSpec> budget = {{L("申请金额"), V(2)}, {L("预算科目"), L("金额（万元）"), L("计算依据及理由")}};
    for (const char* item : {"设计费", "材料费", "外协费", "专用费", "试验费", "固定资产使用费", "工资费", "管理费"})
        budget.push_back({L(item), V(), V()});
    budget.push_back({L("合计"), V(), V()});
    xml += Table({1800, 1800, kTextWidth - 3600}, budget, 480);
    xml += PageBreak();  // the chapters are typed after this break

    xml += PageBreak();
    xml += Paragraph("附：推荐意见（两名同行专家）", kHeading);
    xml += Table({kTextWidth}, {{V()}, {V()}}, 4000);
    xml += Paragraph();
    return WriteWord(path, xml, PageNumberFooter(), error);
}

bool ResearchGoalsGuide(const std::string& path, std::string& error) {
    Look body{"仿宋_GB2312", 14, false, "both", 560};
    std::string xml = Paragraph("研究目标及研究内容填写模板", {"黑体", 18, false, "center"}) + Paragraph();
    const char* sections[][2] = {
        {"一、研究目标", "（简要说明项目完成时要达到的总体目标和技术指标，应具体、可考核。）"},
        {"二、研究内容", "（按研究方向分条列出主要研究内容，每条说明要解决的问题和采用的方法。）"},
        {"三、拟解决的关键问题", "（列出项目须突破的关键技术问题及其难点。）"},
        {"四、预期成果和考核指标", "（列出报告、论文、专利、样机等成果形式及其数量和考核方式。）"}};
    for (const auto& s : sections) xml += Paragraph(s[0], {"黑体", 16}) + Paragraph(s[1], body) + Paragraph({}, body);
    return WriteWord(path, xml, PageNumberFooter(), error);
}

}  // namespace

const std::vector<TemplateMaker>& AllTemplates() {
    static const std::vector<TemplateMaker> all = {
        {"重点实验室经费表.xls", LabFundTable},
        {"专家信息表.xls", ExpertTable},
        {"单位信息表.xls", UnitTable},
        {"申请表.xls", ApplicationTable},
        {"未获资助通知.doc", UnfundedNotice},
        {"template.doc", GuideTemplate},
        {"年度指南模板.doc", GuideTemplate},
        {"项目申请书模板.doc", ApplicationForm},
        {"研究目标及研究内容模板.doc", ResearchGoalsGuide},
    };
    return all;
}

bool WriteTemplates(const std::string& programFolder, std::string& error) {
    std::string folder = sys::JoinPath(programFolder, "模板");
    if (!sys::MakeDirs(folder)) {
        error = "无法创建目录：" + folder;
        return false;
    }
    for (const TemplateMaker& t : AllTemplates()) {
        std::string path = OoxmlPath(sys::JoinPath(folder, t.name));
        if (!t.make(path, error)) {
            error = t.name + "：" + error;
            return false;
        }
    }
    return true;
}

bool WriteManual(const std::string& markdownPath, const std::string& programFolder, std::string& error) {
    std::string markdown;
    if (markdownPath.empty() || !sys::ReadFile(markdownPath, markdown)) return true;
    std::string xml;
    for (const std::string& raw : text::Split(text::ReplaceAll(markdown, "\r\n", "\n"), "\n")) {
        std::string line = text::Trim(raw);
        if (line.empty()) continue;
        if (line.rfind("## ", 0) == 0) xml += Paragraph(text::Trim(line.substr(3)), {"黑体", 14, true, "left"});
        else if (line.rfind("# ", 0) == 0) xml += Paragraph(text::Trim(line.substr(2)), {"黑体", 18, true, "center"});
        else xml += Paragraph(line, {"宋体", 12, false, "both", 480});
    }
    return word::WriteDocx(sys::JoinPath(programFolder, "用户手册.docx"), xml, PageNumberFooter(), error);
}

}  // namespace templates
