// PROAPP: one project application in memory, on its way between the form's
// pages and its row of CORVANE_ITEMAPPINFO. Every field is a text named
// after its column (numbers, dates and counts too, as typed); a rich-text
// field holds the path of its scratch RTF file, whose bytes are the column's
// long binary value. The tables below tie fields, columns, scratch files and
// chapters together for every screen of the application area.
#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

struct PROAPP {
    std::string FIVEYEAR;  // period range ("2006-2010")
    std::string XMBH;      // project number: prefix of 17 characters, then the serial
    std::string XMMC, XMLB, SQJE, SQZNDM, JJBH, DWDM, NF;
    std::string SQRQ, XMQSRQ, XMZZRQ;  // date pickers' display texts
    std::string ZTC, MJ, DH, DXDZ, YZBM;
    std::string SQRXM, SQRXB, SQRNL, XW, ZC, ZYTC, GZDW, LSGX, HZDW;
    std::string XMZRS, GFBGNUM, GJZC, ZJZC, CJZC, BSHRS, BSSRS, SSSRS;
    std::string ZJF;
    // Cost items in 万元 and the paths of their reasons.
    std::string SJF, CLF, WXF, ZYF, SYF, GDZCF, GLF, GZF;
    std::string SJF_JSGJ, CLF_JSGJ, WXF_JSGJ, ZYF_JSGJ, SYF_JSGJ, GDZCF_JSGJ, GLF_JSGJ, GZF_JSGJ;
    // Paths of the seventeen chapters.
    std::string XMJJ, GNYNH, JSXQFX, GNWYJQK, YJMBNR, YJFFJSLX, ZYCXD, YJJHJQJZ, YJCGKHZB, YJGZJCCJ, XYYJTJ, GZJL, CKWX,
        DWXSWYHYJ, DWSCYJ;
    // Recommenders and the paths of their recommendations.
    std::string TJRXM1, TJRXM2, ZYJSZW1, ZYJSZW2, TJRZC1, TJRZC2, TJRDW1, TJRDW2;
    std::string TJYJ1, TJYJ2;
};

namespace proapp {

using Field = std::string PROAPP::*;

// A column of CORVANE_ITEMAPPINFO as the form writes it.
enum class ColumnKind {
    Text,         // the field's text; an empty text is stored as NULL
    Rtf,          // the bytes of the file whose path the field holds
    FirstReview,  // FIRSTAPPR, always "+" (no field)
};
struct Column {
    const char* name;
    ColumnKind kind;
    Field field;  // null for FirstReview
};
// The columns the form writes, in the order of writing.
const std::vector<Column>& WrittenColumns();

// The field of a text column ("XMMC"), or null.
Field FindTextField(const std::string& column);

// A rich-text column and its scratch file under temp.
struct RtfColumn {
    const char* column;
    const char* file;
    Field field;
};
// The eight budget reasons, in the record's order (SJF, CLF, WXF, ZYF, SYF,
// GDZCF, GLF, GZF), with the amount column, the amount edit and the reason
// editor of the budget page.
struct BudgetItem {
    const char* amountColumn;
    Field amount;
    int amountId;
    int reasonId;
    RtfColumn reason;
};
const std::array<BudgetItem, 8>& BudgetItems();
// The seventeen chapters in the order of writing (XMJJ first, TJYJ2 last).
const std::array<RtfColumn, 17>& ChapterColumns();
// All 25 rich-text columns: the budget reasons, then the chapters.
std::vector<RtfColumn> AllRtfColumns();

// Columns of a member row of CORVANE_PROJECT_SQCY, in the member grid's
// column order (姓名, 性别, 年龄, 职称, 工作单位, 参加月数, 工作分工).
inline constexpr std::array<const char*, 7> kMemberColumns = {"XM", "XB", "NL", "ZC", "GZDW", "CJYS", "GZFG"};
using MemberRow = std::array<std::string, 7>;

// The scratch folder of this program (sys::ScratchFolder), and a scratch
// file in it; the default texts are in the program folder's temp.
std::string ScratchFolder();
std::string ScratchPath(const std::string& file);
std::string DefaultTextPath(const std::string& file);

// The two key-laboratory categories, whose saves also write a review row.
bool IsKeyLabCategory(const std::string& category);

// The stored category (XMLB) is the full name that review, plan and reports
// compare: the fund's kind, "——", then the project's kind the form offers
// ("一般项目", "重点项目"), e.g. "重点实验室基金——一般项目". The fund's kind
// follows the fund number's prefix (projectcategory::FullCategory).
std::string FullCategory(const std::string& category, std::initializer_list<std::string> numbers);
// The project's kind of a category, as the form's list shows it ("一般项目"
// of "共性技术基金——一般项目"; a short name is its own kind).
std::string CategoryKind(const std::string& category);
// Completes a short XMLB from the record's fund number, guide code or number.
void CompleteCategory(PROAPP& record);

// A rich-text chapter of the form: the tree-node names that show it, the tab
// of its page, the format target and its scratch file(s); the recommenders'
// chapter has two files. Group names ("四、研究方案") show their first chapter.
struct Chapter {
    std::vector<std::string> names;
    int pageId;  // template of the page whose editor shows it
    int tab;
    int target;  // SetCurRichedit number; 0: the page is never a format target
    std::vector<std::string> files;
};
const std::vector<Chapter>& RichChapters();
// The chapter a tree-node name shows, or null for the pages without rich text.
const Chapter* FindChapter(const std::string& name);

}  // namespace proapp
