#include "application/ProApp.h"

#include "foundation/ProjectCategory.h"

#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"

namespace proapp {

namespace {

using P = PROAPP;

const std::array<BudgetItem, 8> kBudget = {{
    {"SJF", &P::SJF, 5212, 5512, {"SJF_JSGJ", "jfys_sjf_jsyj.rtf", &P::SJF_JSGJ}},
    {"CLF", &P::CLF, 5213, 5513, {"CLF_JSGJ", "jfys_clf_jsyj.rtf", &P::CLF_JSGJ}},
    {"WXF", &P::WXF, 5214, 5514, {"WXF_JSGJ", "jfys_wxf_jsyj.rtf", &P::WXF_JSGJ}},
    {"ZYF", &P::ZYF, 5215, 5515, {"ZYF_JSGJ", "jfys_zyf_jsyj.rtf", &P::ZYF_JSGJ}},
    {"SYF", &P::SYF, 5117, 5516, {"SYF_JSGJ", "jfys_syf_jsyj.rtf", &P::SYF_JSGJ}},
    {"GDZCF", &P::GDZCF, 5118, 5517, {"GDZCF_JSGJ", "jfys_gdzcsyf_jsyj.rtf", &P::GDZCF_JSGJ}},
    {"GLF", &P::GLF, 5120, 5518, {"GLF_JSGJ", "jfys_glf_jsyj.rtf", &P::GLF_JSGJ}},
    {"GZF", &P::GZF, 5122, 5519, {"GZF_JSGJ", "jfys_gzf_jsyj.rtf", &P::GZF_JSGJ}},
}};

const std::array<RtfColumn, 17> kChapters = {{
    {"XMJJ", "xmjj.rtf", &P::XMJJ},
    {"GNYNH", "llyj_gnynh.rtf", &P::GNYNH},
    {"JSXQFX", "llyj_jsxqfx.rtf", &P::JSXQFX},
    {"GNWYJQK", "llyj_gnwyjqk.rtf", &P::GNWYJQK},
    {"YJMBNR", "yyfa_yjmuynr.rtf", &P::YJMBNR},
    {"YJFFJSLX", "yyfa_fflx.rtf", &P::YJFFJSLX},
    {"ZYCXD", "yyfa_cxd.rtf", &P::ZYCXD},
    {"YJJHJQJZ", "yyfa_jhjz.rtf", &P::YJJHJQJZ},
    {"YJCGKHZB", "yyfa_cgzb.rtf", &P::YJCGKHZB},
    {"YJGZJCCJ", "xmjc_gzjcjcj.rtf", &P::YJGZJCCJ},
    {"XYYJTJ", "xmjc_yjtj.rtf", &P::XYYJTJ},
    {"GZJL", "xmjc_gzjl.rtf", &P::GZJL},
    {"CKWX", "xmjc_ckwx.rtf", &P::CKWX},
    {"DWXSWYHYJ", "dwyj_xswyhyj.rtf", &P::DWXSWYHYJ},
    {"DWSCYJ", "dwyj_dwscyj.rtf", &P::DWSCYJ},
    {"TJYJ1", "tjyj1.rtf", &P::TJYJ1},
    {"TJYJ2", "tjyj2.rtf", &P::TJYJ2},
}};

Column Text(const char* name, Field field) { return {name, ColumnKind::Text, field}; }
Column Rtf(const RtfColumn& rtf) { return {rtf.column, ColumnKind::Rtf, rtf.field}; }

std::vector<Column> BuildWrittenColumns() {
    std::vector<Column> columns = {
        Text("XMBH", &P::XMBH),       Text("FIVEYEAR", &P::FIVEYEAR), {"FIRSTAPPR", ColumnKind::FirstReview, nullptr},
        Text("XMMC", &P::XMMC),       Text("XMLB", &P::XMLB),         Text("SQZNDM", &P::SQZNDM),
        Text("JJBH", &P::JJBH),       Text("DWDM", &P::DWDM),         Text("NF", &P::NF),
        Text("ZTC", &P::ZTC),         Text("MJ", &P::MJ),             Text("SQRXM", &P::SQRXM),
        Text("GZDW", &P::GZDW),       Text("DXDZ", &P::DXDZ),         Text("YZBM", &P::YZBM),
        Text("DH", &P::DH),           Text("SQRQ", &P::SQRQ),         Text("XMQSRQ", &P::XMQSRQ),
        Text("XMZZRQ", &P::XMZZRQ),   Text("SQJE", &P::SQJE),         Text("SQRXB", &P::SQRXB),
        Text("SQRNL", &P::SQRNL),     Text("XW", &P::XW),             Text("ZC", &P::ZC),
        Text("ZYTC", &P::ZYTC),       Text("LSGX", &P::LSGX),         Text("HZDW", &P::HZDW),
        Text("XMZRS", &P::XMZRS),     Text("GJZC", &P::GJZC),         Text("ZJZC", &P::ZJZC),
        Text("CJZC", &P::CJZC),       Text("BSHRS", &P::BSHRS),       Text("BSSRS", &P::BSSRS),
        Text("SSSRS", &P::SSSRS),     Text("GFBGNUM", &P::GFBGNUM),   Text("ZJF", &P::ZJF),
    };
    // Each cost item followed by its reason; GZF is written before GLF.
    for (const char* item : {"SJF", "CLF", "WXF", "ZYF", "SYF", "GDZCF", "GZF", "GLF"}) {
        for (const BudgetItem& b : kBudget) {
            if (std::string(b.amountColumn) != item) continue;
            columns.push_back(Text(b.amountColumn, b.amount));
            columns.push_back(Rtf(b.reason));
        }
    }
    for (std::size_t i = 0; i < 15; ++i) columns.push_back(Rtf(kChapters[i]));
    for (const Column& c : {Text("TJRXM1", &P::TJRXM1), Text("ZYJSZW1", &P::ZYJSZW1), Text("TJRZC1", &P::TJRZC1),
                            Text("TJRDW1", &P::TJRDW1), Rtf(kChapters[15]), Text("TJRXM2", &P::TJRXM2),
                            Text("ZYJSZW2", &P::ZYJSZW2), Text("TJRZC2", &P::TJRZC2), Text("TJRDW2", &P::TJRDW2),
                            Rtf(kChapters[16])})
        columns.push_back(c);
    return columns;
}

}  // namespace

const std::vector<Column>& WrittenColumns() {
    static const std::vector<Column> columns = BuildWrittenColumns();
    return columns;
}

Field FindTextField(const std::string& column) {
    for (const Column& c : WrittenColumns())
        if (c.kind == ColumnKind::Text && column == c.name) return c.field;
    return nullptr;
}

const std::array<BudgetItem, 8>& BudgetItems() { return kBudget; }

const std::array<RtfColumn, 17>& ChapterColumns() { return kChapters; }

std::vector<RtfColumn> AllRtfColumns() {
    std::vector<RtfColumn> all;
    for (const BudgetItem& b : kBudget) all.push_back(b.reason);
    all.insert(all.end(), kChapters.begin(), kChapters.end());
    return all;
}

std::string ScratchFolder() { return sys::ScratchFolder(); }

std::string ScratchPath(const std::string& file) { return sys::ScratchPath(file); }

std::string DefaultTextPath(const std::string& file) {
    return sys::JoinPath(sys::JoinPath(sys::ProgramFolder(), "temp"), file);
}

bool IsKeyLabCategory(const std::string& category) {
    return category == "重点实验室基金——一般项目" || category == "重点实验室基金——重点项目";
}

namespace {
constexpr const char* kCategorySeparator = "——";
}

std::string FullCategory(const std::string& category, std::initializer_list<std::string> numbers) {
    return projectcategory::FullCategory(category, numbers);
}

std::string CategoryKind(const std::string& category) {
    const std::size_t at = category.find(kCategorySeparator);
    return at == std::string::npos ? category : category.substr(at + std::string(kCategorySeparator).size());
}

void CompleteCategory(PROAPP& record) { record.XMLB = FullCategory(record.XMLB, {record.JJBH, record.SQZNDM, record.XMBH}); }

const std::vector<Chapter>& RichChapters() {
    static const std::vector<Chapter> chapters = {
        {{"三、研究目标及研究内容"}, 5517, 3, 3, {"xmjj.rtf"}},
        {{"三、立论依据", "（一）概念与内涵"}, 5003, -1, 0, {"llyj_gnynh.rtf"}},
        {{"（二）军事需求分析"}, 5003, -1, 0, {"llyj_jsxqfx.rtf"}},
        {{"（三）国内外研究概况"}, 5003, -1, 0, {"llyj_gnwyjqk.rtf"}},
        {{"四、研究方案", "（一）研究目标和内容"}, 5004, 4, 4, {"yyfa_yjmuynr.rtf"}},
        {{"（二）研究方法和技术路线"}, 5004, 4, 4, {"yyfa_fflx.rtf"}},
        {{"（三）主要创新点"}, 5004, 4, 4, {"yyfa_cxd.rtf"}},
        {{"（四）研究计划及预期进展"}, 5004, 4, 4, {"yyfa_jhjz.rtf"}},
        {{"（五）研究成果和考核指标"}, 5004, 4, 4, {"yyfa_cgzb.rtf"}},
        {{"五、项目基础", "（一）研究工作基础及成绩"}, 5005, 5, 5, {"xmjc_gzjcjcj.rtf"}},
        {{"（二）研究条件"}, 5005, 5, 5, {"xmjc_yjtj.rtf"}},
        {{"（三）工作简历"}, 5005, 5, 5, {"xmjc_gzjl.rtf"}},
        {{"（四）主要参考文献"}, 5005, 5, 5, {"xmjc_ckwx.rtf"}},
        {{"六、单位意见", "（一）单位学术委员会审查意见"}, 5006, 6, 6, {"dwyj_xswyhyj.rtf"}},
        {{"（二）单位审查意见"}, 5006, 6, 6, {"dwyj_dwscyj.rtf"}},
        {{"附：推荐意见"}, 5504, 7, 7, {"tjyj1.rtf", "tjyj2.rtf"}},
    };
    return chapters;
}

const Chapter* FindChapter(const std::string& name) {
    for (const Chapter& chapter : RichChapters())
        for (const std::string& n : chapter.names)
            if (n == name) return &chapter;
    return nullptr;
}

}  // namespace proapp
