#include "install/templates/Templates.h"

#include "install/templates/PlanTemplates.h"
#include "install/templates/SheetPrint.h"
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

// A sheet "Sheet1" printed on landscape A4 with `titleRows` repeated, with
// column widths and (when headings are given) a bordered bold heading row.
bool MakeSheet(const std::string& path, const std::vector<Column>& columns, bool headings, const std::string& titleRows,
               std::string& error) {
    auto excel = excel::Application::Create();
    excel::Workbook book = excel->Workbooks().Add();
    excel::Worksheet sheet = book.Sheets().Item(1);
    SetReportPrint(sheet, excel::xlPaperA4, titleRows);
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
                     {{"序号", 6}, {"实验室代码", 12}, {"实验室名称", 36}, {"批复经费(万元)", 16}, {"批复项目数", 12},
                      {"重点项目数", 12}, {"重点项目经费(万元)", 16}},
                     true, "$1:$1", error);
}

// The expert list and the review statistics' experts: a name of four
// characters and a number on one line, a title of nine characters, a
// specialty, a unit and an address of up to two lines, a telephone number
// with its extension and a mobile number on one line each; the review
// statistics' count of projects last.
bool ExpertTable(const std::string& path, std::string& error) {
    return MakeSheet(path,
                     {{nullptr, 8}, {nullptr, 10}, {nullptr, 5}, {nullptr, 5}, {nullptr, 11}, {nullptr, 16},
                      {nullptr, 24}, {nullptr, 22}, {nullptr, 9}, {nullptr, 19}, {nullptr, 13}, {nullptr, 9}},
                     false, "$2:$2", error);  // each group: a title row, then its headings
}

bool UnitTable(const std::string& path, std::string& error) {
    // A unit's name and address hold up to twenty Chinese characters: they
    // fit on one line; "科研管理部门名称" too.
    std::vector<Column> columns = {{nullptr, 9},  {nullptr, 40}, {nullptr, 12}, {nullptr, 14}, {nullptr, 17},
                                   {nullptr, 9},  {nullptr, 34}, {nullptr, 7},  {nullptr, 7},  {nullptr, 9},
                                   {nullptr, 13}, {nullptr, 13}, {nullptr, 18}, {nullptr, 18}, {nullptr, 20},
                                   {nullptr, 12}};
    return MakeSheet(path, columns, false, "$1:$2", error);  // the title and the headings
}

// The table the lists of chosen projects are written on: the program writes
// the heading row, the rows and the total itself. Two shapes share it: the
// ten-column project lists (guide code or name, number, name, category, ...)
// and the 43-column information table on the transfer of results, so the
// first ten widths suit both and the rest are the information table's.
bool ApplicationTable(const std::string& path, std::string& error) {
    std::vector<Column> columns;
    for (double width : {6, 22, 24, 26, 20, 16, 14, 14, 14, 14,          // A-J: both shapes
                         20, 12, 20, 12, 10, 20, 20, 20, 12, 10,         // K-T: plans the results went into
                         24, 10, 16, 16, 16, 8, 10, 10, 10, 10, 10,      // U-AE: research directions, staff
                         10, 10, 12, 12, 12, 10, 10, 10, 10, 10, 12, 12})  // AF-AQ: management
        columns.push_back({nullptr, width});
    return MakeSheet(path, columns, false, "$1:$1", error);
}

// ---------------------------------------------------------------- Word

bool WriteWord(const std::string& path, const std::string& body, const std::string& footer, std::string& error) {
    return word::WriteDocx(path, body, footer, error);
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
// 23, 26, 28, 39-45), the member table (members from cell 13 in rows of ten,
// key words ten rows later), the budget table, a page break, then the
// recommendation table.
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
    // The member rows set the grid, their cells with narrow margins: the
    // title (five characters a line, so that "副教授（硕士生导师）" takes two
    // lines), the work unit and the part each member plays take most of the
    // width; number, degree, sex and age, which are short or left to be
    // written by hand, two digits; the months two characters of their
    // heading a line; the name three characters, the signature what is left.
    constexpr int kMemberMargin = 57;
    const int digits = CellTwipsFor("99", kValue.size, kMemberMargin);
    const int title = CellTwipsFor("副教授（硕", kValue.size, kMemberMargin);
    const int months = CellTwipsFor("参加", kLabel.size, kMemberMargin);
    std::vector<int> grid = {digits, digits, 860, digits, digits, title, 1800, months, 1700, 0};
    grid.back() = kTextWidth;
    for (std::size_t i = 0; i + 1 < grid.size(); ++i) grid.back() -= grid[i];
    auto L = [](const char* t, int span = 1) { return CellSpec{t, span, kLabel}; };
    auto V = [](int span = 1) { return CellSpec{"", span, kValue}; };
    // The basic table's columns by their labels: the second holds the four
    // characters of "工作单位" and "隶属关系", the first "申请人" set upright,
    // one character a line; the others two to four characters, the identity
    // number's eighteen digits across two of them. "硕士生" takes the ninth
    // and a narrow tenth column, so that the degree beside "学位" and the
    // counts' rows keep their cells where the filler walks.
    std::vector<int> basic = {440, 1080, 860, 640, 640, 1080, 1080, 1060, 660, 300, 0};
    basic.back() = kTextWidth;
    for (std::size_t i = 0; i + 1 < basic.size(); ++i) basic.back() -= basic[i];
    std::vector<RowSpec> rows = {
        {L("项目名称", 2), V(4), L("起止年月"), V(4)},
        {L("申请金额", 2), V(9)},
        {L("申请人"), L("姓名"), V(), L("性别"), V(), L("身份证号"), V(2), L("学位"), V(2)},
        {L("申请人"), L("职称"), V(3), L("专业特长"), V(5)},
        {L("申请人"), L("工作单位"), V(9)},
        {L("申请单位"), L("隶属关系"), V(3), L("合作单位"), V(5)},
        {L("项目组成员", 2), L("总人数"), L("高级"), L("中级"), L("初级"), L("博士后"), L("博士生"), L("硕士生", 2), L("")},
        {L("人数", 2), V(), V(), V(), V(), V(), V(), V(2), L("")},
    };
    xml += Table(basic, rows, 400);
    // The members are a table of their own, so that their heading row is
    // repeated on each page the rows run onto.
    std::vector<RowSpec> members = {{L("序号"), L("学位"), L("姓名"), L("性别"), L("年龄"), L("职称"), L("工作单位"),
                                     L("参加月数"), L("工作分工"), L("签字")}};
    for (int i = 0; i < 10; ++i) members.push_back({V(), V(), V(), V(), V(), V(), V(), V(), V(), V()});
    members.push_back({L("主题词", 2), V(8)});
    xml += ClosingParagraph() + Table(grid, members, 400, 1, kMemberMargin);
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


// The unit achievement-transfer report. A note table comes first; the walk
// enters the second table, moves eight cells and types each value into the
// empty cell under its label (the contact row: right of its label). Label
// and value rows carry the same spans, so a value sits in its label's column.
bool UnitTransferReport(const std::string& path, std::string& error) {
    const Look small{"", 9, false, "center"};
    auto L = [&small](const char* t, int span = 1) { return CellSpec{t, span, small}; };
    auto V = [](int span = 1) { return CellSpec{"", span, kValue}; };
    auto values = [&](const char* head, const std::vector<int>& spans) {
        RowSpec row = {L(head)};
        for (int span : spans) row.push_back(span ? V(span) : L(""));  // 0: a cell nobody types into
        return row;
    };
    const std::vector<int> seven(7, 1);
    std::vector<RowSpec> rows = {
        {L("承担项目情况"), L("十年承担该类基金项目总数"), L("十年承担该类项目总经费（万元）"), L("十年承担重点项目总数"),
         L("十年承担重点项目总经费（万元）"), L("十年承担一般项目总数"), L("十年承担一般项目总经费（万元）"),
         L("十年补贴该基金总经费（万元）")},
        values("填报数据", seven),
        {L("成果推广应用"), L("已转化应用的项目总数"), L("已转化项目的立项总经费"), L("已转化的重点项目数量"),
         L("已转化的重点项目总经费（万元）"), L("已转化的一般项目数量"), L("已转化的一般项目总经费（万元）"),
         L("无单位补贴项目的转化数量")},
        values("填报数据", seven),
        {L("转入计划情况"), L("转入预研探索计划和国防973计划的项目总数"), L("转入预研其他计划的项目总数"),
         L("转入型号研制计划的项目总数"), L("转入军口863计划的项目总数"), L("转入军内科研等其他军口计划的项目总数"),
         L("支撑重要装备型号研制或重大演习、救灾、维稳反恐等任务的项目总数", 2)},
        values("填报数据", {1, 1, 1, 1, 1, 2}),
        {L("转入其他领域"), L("转入单位自主研发计划或国防科工局国防基础科研计划的项目数"),
         L("转入其他民口研究计划的项目数"), L("转入民用商业领域的项目总数"), L("主要转化渠道"),
         L("从验收到转化的平均年份"), L("转化应用后发挥的主要作用"), L("")},
        values("填报数据", {1, 1, 1, 1, 1, 1, 0}),
        {L("转化效果"), L("转入所在技术领域的项目总数"), L("转入所在行业领域的项目总数"),
         L("转化后总的经济效益（万元）"), L("转化应用的主要障碍", 2), L("主要应用单位性质"), L("")},
        values("填报数据", {1, 1, 1, 2, 1, 0}),
        {L("培育研究方向与培养研究队伍", 8)},
        {L("以下各项按已转化项目填写", 8)},
        {L("培育研究方向"), L("新培育研究方向的数量"), L("培育出新研究方向的已转化项目数量"),
         L("在新培育研究方向开展持续研究的已转化项目数量"),
         L("新培育研究方向成为所在领域主流或重要研究方向的已转化项目数量"),
         L("新培育研究方向最后终止的主要原因", 3)},
        values("填报数据", {1, 1, 1, 1, 3}),
        {L("培养研究队伍"), L("已转化项目负责人的主要年龄段"), L("已转化项目负责人的职称主体"),
         L("实际参加项目研究的平均人数"), L("项目组主要成员长期从事所属领域研究的已转化项目数量"),
         L("项目组主要成员目前以成长为本单位技术骨干或学术带头人的转化项目数"),
         L("已建立了一支在所属领域潜心钻研的中青年团队的转化项目数量", 2)},
        values("填报数据", {1, 1, 1, 1, 1, 2}),
        {L("协调管理保障"), L("单位管理部门是否督促各项目组从立项、研究到成果转化全程进行统筹谋划并提供技术指导"),
         L("单位管理部门是否协调其他项目计划或推荐给用户单位以促进基金项目成果转化"),
         L("单位管理部门是否建立信息沟通与成果共享平台"),
         L("单位管理部门是否组织各项目组向中国国防科技报告馆藏服务中心提交技术文档"),
         L("所在单位是否建立成果转化归口管理机构并落实专人专管"), L("所在单位是否建立并落实成果转化奖励政策"),
         L("单位管理部门是否采取有效的保密管理措施")},
        values("是否", seven),
        {L("已转化项目数"), L("在立项、研究到成果转化全程统筹谋划方面得到单位督促与指导的已转化项目数"),
         L("在协调其他项目计划或推荐给用户单位方面得到单位支持的已转化项目数"),
         L("在信息沟通与成果共享方面得到单位支持的已转化项目数量"),
         L("向中国国防科技报告馆藏服务中心提交技术文档的已转化项目数"),
         L("单位建立成果转化归口管理机构并落实专人专管的已转化项目数"),
         L("单位建立并落实成果转化奖励政策的已转化项目数量"), L("所在单位采取有效保密管理措施的已转化项目数")},
        values("填报数据", seven),
        {L("单位名称"), V(), L("所在部门"), V(), L("联系人姓名"), V(), L("联系电话（办公电话、移动电话）"), V()},
    };
    // Eight columns of long captions: a landscape page, equal columns.
    const int width = word::TextWidthTwips(word::PaperSize::A4, true);
    const std::vector<int> grid = SpanWidths(width, std::vector<GridColumn>(8, {0, 1}));
    std::string xml = Paragraph("基金项目成果转化情况表（单位）", {"黑体", 18, false, "center"}) +
                      Table({width},
                            {{{"填表说明：各承研单位针对本单位承担预研公用技术/国防科技重点实验室/支撑技术基金项目的成果"
                               "转化情况录入相关信息，每一类基金对应的基本信息表格由计算机自动生成、打印，填写单位和"
                               "联系人信息并加盖单位公章，否则视为无效表格",
                               1, {"仿宋_GB2312", 10.5, false, "left"}}}}) +
                      Paragraph() + Table(grid, rows, 480) + Paragraph();
    return word::WriteDocx(path, xml, PageNumberFooter(), error, word::PaperSize::A4, true);
}

// The information table a project group fills in about the transfer of its
// results: one table whose value cells lie where the filling walk's moves
// reach them (the walk visits every cell in reading order and types into
// the empty ones). Eight grid columns; label cells carry their captions.
bool ResultChangeTable(const std::string& path, std::string& error) {
    auto L = [](const char* t, int span = 1) { return CellSpec{t, span, kLabel}; };
    auto V = [](int span = 1) { return CellSpec{"", span, kValue}; };
    auto Pair = [&](const char* a, const char* b) { return RowSpec{L(a, 2), V(2), L(b, 2), V(2)}; };
    auto Wide = [&](const char* a) { return RowSpec{L(a, 2), V(6)}; };
    auto Group = [&](const char* group, const char* label) { return RowSpec{L(group, 2), L(label, 2), V(4)}; };
    auto Meeting = [&](const char* group, const char* count, const char* second) {
        return RowSpec{L(group, 2), L(count, 2), V(), L(second), V(2)};
    };
    std::vector<RowSpec> rows = {
        Pair("项目名称", "项目编号"),
        Pair("项目组长", "联系电话（固话/手机）"),
        Pair("项目经费（万元）", "项目类别"),
        Pair("承研单位", "联合承研单位"),
        Pair("转入预研情况", "验收到转化的年份"),
        Pair("预研项目名称", "预研项目编号"),
        Wide("转入预研类别"),
        Wide("预研支撑作用"),
        Pair("转入型号情况", "验收到转化的年份"),
        Pair("型号项目名称", "型号项目编号"),
        Wide("型号支撑作用"),
        Pair("转入民口领域", "验收到转化的年份"),
        {L("技术指标提升情况（3-5个）", 2), L("项目研究前技术指标", 3), L("项目验收时技术指标", 3)},
        {L("", 2), V(3), V(3)},
        Group("研究方向发展情况", "列入单位技术创新平台"),
        Group("", "单位技术创新平台名称"),
        Group("", "批准机构"),
        Group("培育新方向", "新研究方向名称"),
        Group("", "军事应用前景"),
        {L("验收时项目负责人情况", 2), L("年龄"), V(2), L("职称"), V(2)},
    };
    auto StaffSent = [&](const char* group, const char* project, const char* number) {
        for (int i = 0; i < 5; ++i) {
            rows.push_back({L(i == 0 ? group : "", 2), L(project), V(2), L(number), V(2)});
            rows.push_back({L("", 2), L("排序"), V(), L("姓名"), V(), L("主要分工"), V()});
        }
    };
    StaffSent("为预研项目输送骨干（前5人）", "参加预研项目名称", "预研项目编号");
    StaffSent("为型号项目输送骨干（前5人）", "参加型号项目名称", "型号项目编号");
    for (int i = 0; i < 4; ++i) {
        rows.push_back({L(i == 0 ? "凝聚了长期从事基础研究的人员（3-4人）" : "", 2), L("长期从事的基础研究方向", 2), V(4)});
        rows.push_back({L("", 2), L("姓名"), V(), L("工作单位"), V(3)});
    }
    for (int i = 0; i < 4; ++i)
        rows.push_back({L(i == 0 ? "培养科研管理的骨干力量（3-4人）" : "", 2), L("姓名"), V(), L("目前岗位"), V(),
                        L("主要分工"), V()});
    rows.push_back(Meeting("专职管理情况", "所在单位主管领导姓名", "固话/手机"));
    rows.push_back(Meeting("", "预研基金专职管理人员姓名", "固话/手机"));
    const char* regulations[] = {"立项论证、过程管理的规章制度", "检查验收、经费使用的规章制度",
                                 "成果管理、申报后续项目、转化奖励的规章制度"};
    for (int i = 0; i < 3; ++i)
        rows.push_back({L(i == 0 ? "制定相关规章制度" : "", 2), L(regulations[i], 2), V(2), L("发布时间"), V()});
    rows.push_back(Meeting("落实研究过程管理", "立项论证研讨与评审的会议次数", "会议时间"));
    rows.push_back(Meeting("", "预研基金年度计划下达通知", "下达时间"));
    rows.push_back({L("", 2), L("及时拨付经费"), V(), L("拨付比例"), V(), L("拨付时间"), V()});
    rows.push_back(Meeting("", "组织节点检查的会议次数", "检查时间"));
    rows.push_back(Meeting("", "组织结题检查的会议次数", "检查时间"));
    rows.push_back(Meeting("落实成果跟踪管理", "讨论基金项目后续发展方向的会议次数", "会议时间"));
    rows.push_back(Meeting("", "基金项目组申报后续项目得到优先资助的评审会议次数", "会议时间"));
    std::vector<int> grid(8, kTextWidth / 8);
    grid.back() = kTextWidth - kTextWidth / 8 * 7;
    std::string xml = Paragraph("预研基金项目成果转化情况信息表（由课题组填报）", {"黑体", 16, false, "center"}) +
                      Paragraph() + Table(grid, rows, 400) + Paragraph();
    return WriteWord(path, xml, PageNumberFooter(), error);
}

// ---------------------------------------------------------------- fund-office reports

// A landscape A4 sheet of the fund-office list reports, named as the writer
// looks it up, with column widths only: the reports write their fund blocks
// from row 1, each a title row and its caption rows; the first block's
// captions (`titleRows`) head every page.
bool FundReportSheet(const std::string& path, const std::string& sheetName, const std::vector<double>& widths,
                     const std::string& titleRows, std::string& error) {
    auto excel = excel::Application::Create();
    excel::Workbook book = excel->Workbooks().Add();
    excel::Worksheet sheet = book.Sheets().Item(1);
    sheet.SetName(sheetName);
    SetReportPrint(sheet, excel::xlPaperA4, titleRows);
    SetColumnWidths(sheet, widths);
    if (!book.SaveAs(path)) {
        error = book.LastError();
        return false;
    }
    return true;
}

bool ApplicationListReport(const std::string& path, std::string& error) {
    return FundReportSheet(path, "Sheet1", {6, 22, 30, 18, 24, 9, 6, 6, 10, 12, 24}, "$2:$2", error);
}

bool LabReviewReport(const std::string& path, std::string& error) {
    return FundReportSheet(path, "Sheet1", {6, 22, 30, 18, 24, 9, 6, 6, 10, 12, 16}, "$2:$2", error);
}

bool ProjectReviewReport(const std::string& path, std::string& error) {
    return FundReportSheet(path, "Sheet1", {6, 22, 28, 18, 22, 9, 6, 6, 10, 12, 8, 9, 8, 9, 8, 9, 12}, "$2:$3",
                           error);
}

bool ExpertOpinionReport(const std::string& path, std::string& error) {
    return FundReportSheet(path, "打印报表", {6, 22, 28, 22, 9, 6, 6, 10, 10, 10, 8, 10, 30}, "$2:$2", error);
}

// Rows 1 and 2 hold the title and the column headings; the laboratories
// follow from row 3.
bool LabApplicationStatistics(const std::string& path, std::string& error) {
    auto excel = excel::Application::Create();
    excel::Workbook book = excel->Workbooks().Add();
    excel::Worksheet sheet = book.Sheets().Item(1);
    SetReportPrint(sheet, excel::xlPaperA4, "$1:$2");
    excel::Range title = sheet.Range("A1", "I1");
    title.Merge(false);
    title.SetValue("重点实验室基金项目上报统计表");
    title.Font().SetName("黑体");
    title.Font().SetSize(18);
    title.SetHorizontalAlignment(excel::xlCenter);
    title.SetRowHeight(40);
    const Column columns[] = {{"序号", 6},          {"实验室代码", 12},     {"实验室名称", 36},
                              {"重点项目数", 11},   {"重点项目经费", 13},   {"一般项目数", 11},
                              {"一般项目经费", 13}, {"项目总数", 10},       {"经费总计(万元)", 14}};
    for (int i = 0; i < 9; ++i) {
        excel::Range cell = sheet.Cells().Item(2, i + 1);
        cell.SetColumnWidth(columns[i].width);
        cell.SetValue(columns[i].heading);
        cell.Font().SetName("仿宋_GB2312");
        cell.Font().SetSize(14);
        cell.Font().SetBold(true);
        cell.SetHorizontalAlignment(excel::xlCenter);
        cell.SetVerticalAlignment(excel::xlCenter);
        cell.SetWrapText(true);
        cell.BorderAround();
    }
    sheet.Range("A2").SetRowHeight(38);
    if (!book.SaveAs(path)) {
        error = book.LastError();
        return false;
    }
    return true;
}

// The compilation is typed from the start of an empty document.
bool AchievementCompilation(const std::string& path, std::string& error) {
    return WriteWord(path, Paragraph(), PageNumberFooter(), error);
}

// The plan draft of one project: a title row, eight headings, then the
// eight empty cells (the tenth to the seventeenth) that the draft fills.
bool ProjectPlanDraft(const std::string& path, std::string& error) {
    // Landscape A4: the number and the amount on one line, the texts share the rest.
    const std::vector<int> widths = SpanWidths(word::TextWidthTwips(word::PaperSize::A4, true),
                                               {{2700, 0}, {0, 2}, {0, 3}, {0, 1.2}, {0, 1.2}, {0, 1.6}, {1300, 0},
                                                {0, 1}});
    RowSpec headings;
    for (const char* heading : {"项目编号", "项目名称", "研究目标与内容", "完成形式", "进度要求", "承担单位",
                                "总经费（万元）", "备注"})
        headings.push_back({heading, 1, kLabel});
    const std::string xml = Table(widths, {{{"项目计划草案", 8, kHeading}}, headings, RowSpec(8, {"", 1, kValue})}, 0, 2) +
                            Paragraph();
    return word::WriteDocx(path, xml, PageNumberFooter(), error, word::PaperSize::A4, true);
}

// The acceptance-summary report: a cover of fifteen paragraphs, then the
// table of the project's data (values in its right-hand cells) and an empty
// paragraph after which the seven sections are written.
bool AcceptanceReport(const std::string& path, std::string& error) {
    std::string xml;
    for (int i = 0; i < 4; ++i) xml += Paragraph();
    xml += Paragraph("装备预研基金项目", {"黑体", 22, true, "center"});
    xml += Paragraph("验收总结报告", {"黑体", 26, true, "center"});
    for (int i = 0; i < 9; ++i) xml += Paragraph();
    xml += Paragraph("项目基本情况", {"黑体", 14, false, "left"});
    std::vector<RowSpec> rows;
    for (const char* label : {"项目编号", "项目名称", "项目类别", "项目负责人", "联系电话", "承担单位", "起止时间",
                              "完成时间", "填报时间"})
        rows.push_back({{label, 1, kLabel}, {"", 1, kValue}});
    xml += Table({2000, 6306}, rows, 420) + Paragraph();
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
        {"由课题组填报的信息表.doc", ResultChangeTable},
        {"成果转化模板.doc", UnitTransferReport},
        {"项目申请表.xls", ApplicationListReport},
        {"重点实验室项目上报统计表.xls", LabApplicationStatistics},
        {"重点实验室项目评审表.xls", LabReviewReport},
        {"项目评议表.xls", ProjectReviewReport},
        {"专家意见汇总表.xls", ExpertOpinionReport},
        {"成果选编.doc", AchievementCompilation},
        {"重点项目计划清单A3.xls", PlanListA3},
        {"重点项目计划清单A4.xls", PlanListA4},
        {"重点项目计划清单B4.xls", PlanListB4},
        {"批复意见A4.doc", ApprovalOpinionA4},
        {"批复意见B5.doc", ApprovalOpinionB5},
        {"计划草案模板A3.doc", PlanDraftA3},
        {"计划草案模板A4.doc", PlanDraftA4},
        {"计划草案模板B4.doc", PlanDraftB4},
        {"计划草案模板.doc", ProjectPlanDraft},
        {"验收总结模板.doc", AcceptanceReport},
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
