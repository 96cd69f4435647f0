#include "bench/OfficeAtScale.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/AdoConnection.h"
#include "foundation/Options.h"
#include "foundation/Password.h"
#include "numbering/ProjectNumbering.h"
#include "platform/ado/Connection.h"
#include "platform/ado/SqliteHandle.h"
#include "platform/sys/Sys.h"
#include "platform/text/Text.h"
#include "testsupport/InstalledFolder.h"

namespace bench {
namespace {

constexpr int kGroupFunds = 20;  // funds 9140A01 .. 9140A20
constexpr int kLaboratories = 10;     // funds 9140C01 .. 9140C10
constexpr int kFunds = kGroupFunds + kLaboratories;
constexpr int kDirections = 200;      // research directions of a year's guide
constexpr int kUnits = 300;
constexpr int kExperts = 1000;
constexpr int kMembers = 5;
constexpr int kExpertFundKinds = 20;  // experts' SSJJLB J01 .. J20

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "office at scale: %s\n", why.c_str());
    std::exit(2);
}

// A value bound to one parameter of an insert.
struct Value {
    enum Kind { Null, Text, Blob, Real, Int } kind = Null;
    std::string_view bytes;
    double real = 0;
    long long integer = 0;
};
Value T(std::string_view s) { return {Value::Text, s}; }
Value B(std::string_view s) { return {Value::Blob, s}; }
Value R(double d) { return {Value::Real, {}, d}; }
Value I(long long i) { return {Value::Int, {}, 0, i}; }

// One prepared insert into a table, run once per row.
class Insert {
public:
    Insert(sqlite3* db, const std::string& table, std::vector<const char*> columns) : db_(db), table_(table) {
        std::string names, marks;
        for (const char* column : columns) {
            names += std::string(names.empty() ? "" : ", ") + column;
            marks += marks.empty() ? "?" : ", ?";
        }
        count_ = columns.size();
        int code = 0;
        std::string message;
        statement_ = ado::PrepareStatement(db, "insert into " + table + " (" + names + ") values (" + marks + ")", code,
                                           message);
        if (!statement_) Fail("cannot prepare the insert into " + table + ": " + message);
    }

    void Row(std::initializer_list<Value> values) {
        if (values.size() != count_) Fail("wrong number of values for " + table_);
        sqlite3_stmt* s = statement_.get();
        int index = 0;
        for (const Value& v : values) {
            ++index;
            const int size = static_cast<int>(v.bytes.size());
            switch (v.kind) {
                case Value::Null: sqlite3_bind_null(s, index); break;
                case Value::Text: sqlite3_bind_text(s, index, v.bytes.data(), size, SQLITE_TRANSIENT); break;
                case Value::Blob: sqlite3_bind_blob(s, index, v.bytes.data(), size, SQLITE_TRANSIENT); break;
                case Value::Real: sqlite3_bind_double(s, index, v.real); break;
                case Value::Int: sqlite3_bind_int64(s, index, v.integer); break;
            }
        }
        if (sqlite3_step(s) != SQLITE_DONE) Fail("cannot insert into " + table_ + ": " + sqlite3_errmsg(db_));
        sqlite3_reset(s);
        sqlite3_clear_bindings(s);
    }

private:
    sqlite3* db_;
    std::string table_;
    std::size_t count_ = 0;
    ado::Statement statement_;
};

// Texts of the office, built from short fragments so that rows differ.
constexpr std::array kSurnames{"王", "李", "张", "刘", "陈", "杨", "赵", "黄", "周", "吴",
                               "徐", "孙", "胡", "朱", "高", "林", "何", "郭", "马", "罗"};
constexpr std::array kGivenNames{"伟", "芳", "娜", "敏", "静", "强", "磊", "军", "洋", "勇",
                                 "艳", "杰", "涛", "明", "超", "秀英", "霞", "平", "刚", "建华"};
constexpr std::array kTitles{"研究员", "高级工程师", "教授", "副研究员", "副教授", "工程师"};
constexpr std::array kDegrees{"博士", "硕士", "学士"};
constexpr std::array kProvinces{"北京市", "上海市", "湖北省", "陕西省", "四川省", "江苏省", "辽宁省", "湖南省"};
constexpr std::array kTopics{"高速信号处理", "复合材料结构", "精密导航定位", "新型能源系统", "智能感知",
                             "先进制造工艺", "微波器件",     "可靠性设计",   "软件测试方法", "目标识别"};

std::string PersonName(long n) {
    return std::string(kSurnames[n % kSurnames.size()]) + kGivenNames[(n / kSurnames.size()) % kGivenNames.size()];
}

// An RTF document of about `bytes` bytes of GBK text, as the chapters are stored.
std::string Rtf(std::string_view subject, std::size_t bytes) {
    static const std::string sentence = text::Utf8ToGbk(
        "本项目针对当前技术发展的需求，开展系统深入的研究，提出新的方法并进行实验验证，形成可推广应用的成果。");
    std::string body;
    const std::string head = text::Utf8ToGbk(std::string(subject));
    for (const std::string* part = &head; body.size() < bytes * 4; part = &sentence)
        for (unsigned char c : *part) body += c < 0x80 ? std::string(1, char(c)) : text::Format("\\'%02x", c);
    return "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
           "\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs24 " +
           body + "\\par\r\n}\r\n";
}

std::string Two(int n) { return text::Format("%02d", n); }
std::string FundCode(int f) { return f < kGroupFunds ? "9140A" + Two(f + 1) : "9140C" + Two(f - kGroupFunds + 1); }
std::string UnitCode(int u) { return text::Format("D%03d", u + 1); }
std::string UnitName(int u) { return text::Format("第%d研究所", u + 1); }
std::string ExpertId(int e) { return text::Format("E%04d", e + 1); }
std::string Amount(double v) { return text::Format("%.1f", v); }

struct Direction {
    std::string code, fund, subject, name;
    bool key = false;
    std::vector<int> units;  // directed units; none when open to every unit
};

// The guide's directions, the same codes every year: each fund has two
// subjects; the first direction of a fund is a key direction; every tenth
// direction is directed to two units.
std::vector<Direction> Directions() {
    std::vector<Direction> directions;
    for (int d = 0; d < kDirections; ++d) {
        const int f = d % kFunds, k = d / kFunds;
        Direction& dir = directions.emplace_back();
        dir.fund = FundCode(f);
        dir.subject = dir.fund + Two(k / 4 + 1);
        dir.code = dir.subject + Two(k % 4 + 1);
        dir.name = std::string(kTopics[d % kTopics.size()]) + text::Format("技术研究%d", d + 1);
        dir.key = k == 0;
        if (d % 10 == 7) dir.units = {(d * 13) % kUnits, (d * 13 + 150) % kUnits};
    }
    return directions;
}

struct Filler {
    sqlite3* db;
    std::vector<Direction> directions = Directions();
    std::map<std::string, long> serials;  // per number prefix

    // Chapters and opinions, made once: rows share their bytes.
    const std::string summary = Rtf("项目简介", 1500), goals = Rtf("研究目标与内容", 5000),
                      need = Rtf("技术需求分析", 2500), methods = Rtf("研究方法与技术路线", 4000),
                      status = Rtf("国内外研究现状", 3000), chapter = Rtf("章节", 1200), shortText = Rtf("说明", 200),
                      opinion = Rtf("意见", 400), report = Rtf("完成情况", 3000);
    const std::string indicator = text::Utf8ToGbk("各项技术指标均已达到任务书要求") + '\0';

    void MasterData() {
        Insert unit(db, "CORVANE_UNIT", {"DWDM", "DWMC", "SSBM", "DWJC", "KYGLBM", "YZBM", "TXDZ", "SZS", "DWSZCS",
                                         "LXR", "DH", "SJ", "KHYH", "KHDW", "ZH"});
        Insert change(db, "CORVANE_RESULT_UNITCHANGE", {"DWDM", "DWMC", "cdxmzs", "cdxmzjf", "lxrxm", "lxdh"});
        for (int u = 0; u < kUnits; ++u) {
            const std::string name = UnitName(u), province = kProvinces[u % kProvinces.size()];
            unit.Row({T(UnitCode(u)), T(name), T(text::Format("第%d部门", u % 12 + 1)), T(name + "（信箱）"),
                      T("科研计划处"), T(text::Format("%06d", 100000 + u * 37)), T(province + "科技路" + std::to_string(u + 1) + "号"),
                      T(province), T(province), T(PersonName(u)), T(text::Format("010-6%07d", u)),
                      T(text::Format("139%08d", u)), T("中国工商银行" + province + "分行"), T(name),
                      T(text::Format("0200%014d", u))});
            change.Row({T(UnitCode(u)), T(name), T(std::to_string(u % 9 + 1)), T(Amount(u % 9 * 30.0)),
                        T(PersonName(u + 7)), T(text::Format("010-6%07d", u))});
        }
        Insert group(db, "CORVANE_SPECGROUP", {"JJBH", "ZYZMC", "YTDW", "LXR", "DH", "SJ"});
        for (int f = 0; f < kGroupFunds; ++f)
            group.Row({T(FundCode(f)), T(std::string(kTopics[f % kTopics.size()]) + "专业组"), T(UnitName(f)),
                       T(PersonName(f + 3)), T(text::Format("010-8%07d", f)), T(text::Format("138%08d", f))});
        Insert lab(db, "CORVANE_LAB", {"sysdm", "sysqc", "sysdwmc", "ytdw", "lxr", "dh", "sj", "txdz", "yb", "sf",
                                       "s", "khdw", "khh", "zh"});
        for (int l = 0; l < kLaboratories; ++l) {
            const std::string name = std::string(kTopics[l]) + "国防科技重点实验室";
            lab.Row({T(FundCode(kGroupFunds + l)), T(name), T(text::Format("第%d实验室", l + 1)), T(UnitName(l + 40)),
                     T(PersonName(l + 11)), T(text::Format("010-5%07d", l)), T(text::Format("137%08d", l)),
                     T("科技路" + std::to_string(l + 1) + "号"), T("100081"), T(kProvinces[l % kProvinces.size()]),
                     T(kProvinces[l % kProvinces.size()]), T(UnitName(l + 40)), T("中国银行"), T(text::Format("3300%014d", l))});
        }
        Insert expert(db, "CORVANE_EXPERTINFO", {"SSJJLB", "ID", "XM", "XB", "NL", "ZC", "ZYTC", "GZDW", "TXDZ",
                                                 "YZBM", "DH", "SJ", "SFXSWYHCY"});
        for (int e = 0; e < kExperts; ++e)
            expert.Row({T(text::Format("J%02d", e % kExpertFundKinds + 1)), T(ExpertId(e)), T(PersonName(e * 7 + 3)),
                        T(e % 4 ? "男" : "女"), T(std::to_string(40 + e % 25)), T(kTitles[e % 3]),
                        T(kTopics[e % kTopics.size()]), T(UnitName(e % kUnits)), T("科技路" + std::to_string(e % 90 + 1) + "号"),
                        T("100081"), T(text::Format("010-6%07d", e)), T(text::Format("136%08d", e)),
                        T(e % 10 ? "否" : "是")});
    }

    void Users() {
        Insert user(db, "CORVANE_USERS", {"YHM", "YHMM", "JS"});
        const std::string hashed = password::Hash("office2024");
        if (hashed.empty()) Fail("cannot hash a password");
        for (int role = 0; role < 3; ++role)
            for (int n = 1; n <= 3; ++n) user.Row({T(text::Format("user%d%d", role, n)), T(hashed), I(role)});
    }

    // The guide of a year (annual) or of a period (five-year), with its
    // subjects and directions.
    void Guide(bool fiveYear, const std::string& when) {
        const std::string kind = fiveYear ? "FIVE" : "YEAR";
        Insert guide = fiveYear ? Insert(db, "CORVANE_FIVEFUNDGUIDE", {"JJBH", "FBNF", "ZNMC", "GS", "GNWYJQK", "ZMB",
                                                                        "YXGJHZNGX", "XYFX", "XTFW"})
                                : Insert(db, "CORVANE_YEARFUNDGUIDE", {"JJBH", "ZNMC", "FBNF", "GS", "GNWYJQK",
                                                                        "YJNR_YEAR", "XTFW"});
        Insert subject(db, "CORVANE_" + kind + "_STUDYSUBJECT", {"ZTBH", "JJBH", "FBNF", "ZTMC", "YJMD"});
        Insert aspect(db, "CORVANE_" + kind + "_STUDYASPECT",
                      {"YJFXBH", "JJBH", "FBNF", "ZTBH", "DWDM", "YJFXMC", "SFZDYJFX", "BZ"});
        for (int f = 0; f < kFunds; ++f) {
            const std::string fund = FundCode(f), name = when + (fiveYear ? "五年指南" : "年度指南") + fund;
            if (fiveYear)
                guide.Row({T(fund), T(when), T(name), B(chapter), B(status), B(goals), B(shortText), B(chapter), B(shortText)});
            else
                guide.Row({T(fund), T(name), T(when), B(chapter), B(status), B(goals), B(shortText)});
        }
        std::set<std::string> subjects;
        for (const Direction& dir : directions) {
            if (subjects.insert(dir.subject).second)
                subject.Row({T(dir.subject), T(dir.fund), T(when), T(dir.name + "专题"), B(shortText)});
            const std::vector<int> units = dir.units.empty() ? std::vector<int>{-1} : dir.units;
            for (int u : units)
                aspect.Row({T(dir.code), T(dir.fund), T(when), T(dir.subject), T(u < 0 ? " " : UnitCode(u)), T(dir.name),
                            T(dir.key ? "1" : "0"), T("")});
        }
    }

    // Inserts used for every year's applications.
    struct Projects {
        Insert app, member, review, manage, judge, plan, yearPlan, progress, accept, achievement, change;
    };

    Projects Prepare() {
        return Projects{
            Insert(db, "CORVANE_ITEMAPPINFO",
                   {"XMBH", "FIVEYEAR", "FIRSTAPPR", "XMMC", "XMLB", "SQZNDM", "JJBH", "DWDM", "NF", "ZTC", "MJ",
                    "SQRXM", "GZDW", "DXDZ", "YZBM", "DH", "SQRQ", "XMQSRQ", "XMZZRQ", "SQJE", "SQRXB", "SQRNL",
                    "XW", "ZC", "ZYTC", "LSGX", "HZDW", "XMZRS", "GJZC", "ZJZC", "CJZC", "BSHRS", "BSSRS", "SSSRS",
                    "GFBGNUM", "ZJF", "SJF", "SJF_JSGJ", "CLF", "CLF_JSGJ", "WXF", "WXF_JSGJ", "ZYF", "ZYF_JSGJ",
                    "SYF", "SYF_JSGJ", "GDZCF", "GDZCF_JSGJ", "GZF", "GZF_JSGJ", "GLF", "GLF_JSGJ", "XMJJ", "GNYNH",
                    "JSXQFX", "GNWYJQK", "YJMBNR", "YJFFJSLX", "ZYCXD", "YJJHJQJZ", "YJCGKHZB", "YJGZJCCJ", "XYYJTJ",
                    "GZJL", "CKWX", "DWXSWYHYJ", "DWSCYJ", "TJRXM1", "ZYJSZW1", "TJRZC1", "TJRDW1", "TJYJ1",
                    "TJRXM2", "ZYJSZW2", "TJRZC2", "TJRDW2", "TJYJ2", "PFJF", "YBJF"}),
            Insert(db, "CORVANE_PROJECT_SQCY", {"ITE_XMBH", "XM", "XB", "NL", "ZC", "GZDW", "CJYS", "GZFG"}),
            Insert(db, "CORVANE_ITEMPF",
                   {"XMBH", "ZJ1", "ZJ2", "ZJ3", "PF1", "PF2", "PF3", "FS", "YJ1", "YJ2", "YJ3", "PSJG", "BZZLY",
                    "PFJF", "PFSJF", "PFCLF", "PFWXF", "PFZYF", "PFSYF", "PFGDZCF", "PFGZF", "PFGLF", "ZJYJ", "PFYJ"}),
            Insert(db, "CORVANE_ITEMMANAGEINFO", {"XMBH", "PSZFS", "PSYJ", "PFJF", "PFZT", "YSFS", "YSDJ", "ZJYJ", "PFYJ"}),
            Insert(db, "CORVANE_EXPERTJUDGE", {"XMBH", "ID", "FS", "ZZYJ"}),
            Insert(db, "CORVANE_ITEMPLAN", {"XMBH", "JDYQ", "ZMBYNR", "ZWCXS", "NDMBYNR", "NDWCXS", "BZ"}),
            Insert(db, "CORVANE_ITEMYEARPLAN",
                   {"XMBH", "NF", "JDYQ", "NDYJMUYNR", "NDWCXS", "YBJJXGBCSM", "NDJF", "BZ"}),
            Insert(db, "CORVANE_ITEMPROGRESS", {"XMBH", "SJWCR", "BACKUPNAME", "WCQKJJ", "JCJL"}),
            Insert(db, "CORVANE_ITEMCHECKACCEPT",
                   {"XMBH", "YJNR", "WCQK", "ZYJZJCX", "WTYJY", "HXFZCGZH", "XSWYHPJ", "DWYSYJ", "WCSJ", "TBSJ", "SJWCR",
                    "BACKUPNAME", "ZBSXQK", "WCQKJJ", "FINALSCORE", "YSQK", "YSZT", "YSJL", "YSBZ"}),
            Insert(db, "CORVANE_CGHZ", {"XMBH", "MC", "LX", "TIME", "BZ"}),
            Insert(db, "CORVANE_NEW_RESULTCHANGE",
                   {"XMBH", "XMMC", "XMJF", "XMZZXM", "ZZSJ", "CYDW", "YYZHNF", "YYMC", "YYBH", "XYJFX", "XMFZRNL",
                    "XMFZRZC", "CHECK1", "CHECK2", "CHECK3", "CHECK13"}),
        };
    }

    void Year(Projects& p, int year, int applications) {
        const std::string yearText = std::to_string(year), period = DefaultPeriodForYear(year);
        for (int a = 0; a < applications; ++a) {
            const Direction& dir = directions[a % kDirections];
            const int unit = dir.units.empty() ? (a * 37 + year * 11) % kUnits : dir.units[(a / kDirections) % 2];
            const std::string prefix = projectnumber::Prefix(dir.code, yearText, UnitCode(unit));
            const std::string number = prefix + projectnumber::SerialText(++serials[prefix]);
            const bool lab = dir.fund[4] == 'C';
            const std::string category =
                std::string(lab ? "重点实验室基金" : "共性技术基金") + (dir.key ? "——重点项目" : "——一般项目");
            const bool planned = a % 10 == 0;              // a tenth goes through plan to acceptance
            const bool firstPassed = planned || a % 20 != 19;
            const bool letterPassed = planned || (firstPassed && a % 3 != 2);
            const bool approved = planned || (letterPassed && a % 2 == 0);
            const long person = a * 31L + year;
            const std::string leader = PersonName(person), unitName = UnitName(unit);
            const std::string name = dir.name + text::Format("中的关键问题研究（%d-%d）", year, a + 1);
            const double amount = dir.key ? 80 + a % 5 * 10 : 20 + a % 7 * 5;
            const std::string age = std::to_string(35 + a % 20), title = kTitles[a % kTitles.size()];
            const std::string start = text::Format("%d-01", year + 1), end = text::Format("%d-12", year + 3);
            const std::string sjf = Amount(amount * 0.2), clf = Amount(amount * 0.3), rest = Amount(amount * 0.1);
            p.app.Row({T(number), T(period), T(firstPassed ? "+" : "-"), T(name), T(category), T(dir.code), T(dir.fund),
                       T(UnitCode(unit)), T(yearText), T(kTopics[a % kTopics.size()]), T("内部"), T(leader),
                       T(unitName), T("科技路" + std::to_string(unit + 1) + "号"), T("100081"),
                       T(text::Format("010-6%07d", unit)), T(text::Format("%d-03-%02d", year, a % 28 + 1)), T(start),
                       T(end), T(Amount(amount)), T(a % 4 ? "男" : "女"), T(age), T(kDegrees[a % kDegrees.size()]),
                       T(title), T(kTopics[(a + 3) % kTopics.size()]), T("无"), T(UnitName((unit + 1) % kUnits)),
                       T(std::to_string(kMembers + 1)), T("2"), T("2"), T("2"), T("1"), T("1"), T("2"), T("0"),
                       T(Amount(amount)), T(sjf), B(shortText), T(clf), B(shortText), T(rest), B(shortText), T(rest),
                       B(shortText), T(rest), B(shortText), T(rest), B(shortText), T(Amount(0)), B(shortText),
                       T(Amount(0)), B(shortText), B(summary), B(chapter), B(need), B(status), B(goals), B(methods),
                       B(chapter), B(chapter), B(chapter), B(chapter), B(chapter), B(chapter), B(chapter), B(opinion),
                       B(opinion), T(PersonName(person + 1)), T(title), T("研究员"), T(UnitName((unit + 2) % kUnits)),
                       B(opinion), T(PersonName(person + 2)), T(title), T("教授"), T(UnitName((unit + 3) % kUnits)),
                       B(opinion), planned ? T(Amount(amount)) : Value{}, planned ? T(Amount(amount * 0.4)) : Value{}});
            for (int m = 0; m < kMembers; ++m)
                p.member.Row({T(number), T(PersonName(person + 5 + m)), T(m % 3 ? "男" : "女"), T(std::to_string(28 + m * 6)),
                              T(kTitles[(a + m) % kTitles.size()]), T(m < 3 ? unitName : UnitName((unit + m) % kUnits)),
                              T(std::to_string(12 + m * 3)), T(m == 0 ? "总体设计" : "试验研究")});
            if (!firstPassed) continue;
            // Letter review by three experts of the project's fund.
            const int suffix = int(text::Atol(dir.fund.substr(5)));  // experts "J" + the fund's last two digits
            std::array<std::string, 3> experts;
            for (int k = 0; k < 3; ++k)
                experts[k] = ExpertId((suffix - 1) % kExpertFundKinds + kExpertFundKinds * ((a + k * 17) % (kExperts / kExpertFundKinds)));
            const double score = letterPassed ? 75 + a % 20 : 55 + a % 10;
            const double granted = approved ? amount * 0.9 : 0;
            const auto share = [&](double part) { return approved ? R(granted * part) : Value{}; };
            p.review.Row({T(number), T(experts[0]), T(experts[1]), T(experts[2]), T("A A B A A B A A"),
                          T("A B B A A A B A"), T("B A A B A A A B"), R(score), T("y"), T(letterPassed ? "y" : "n"),
                          T("y"), T(letterPassed ? "+" : "-"), T(letterPassed ? "" : "创新性不足"),
                          share(1), share(0.2), share(0.3), share(0.1), share(0.1), share(0.1), share(0.1), share(0.05),
                          share(0.05), approved ? B(opinion) : Value{}, approved ? B(opinion) : Value{}});
            if (!approved) continue;
            p.manage.Row({T(number), T(std::to_string(int(score))), T("同意"), T(Amount(granted)), T("同意立项"),
                          planned ? T("90") : Value{}, planned ? T("优秀") : Value{}, B(opinion), B(opinion)});
            for (int k = 0; k < 3; ++k)
                p.judge.Row({T(number), T(experts[k]), T(std::to_string(int(score) - k)), T("同意")});
            if (!planned) continue;
            p.plan.Row({T(number), T("按计划完成"), B(goals), B(chapter), B(chapter), B(chapter), B(shortText)});
            for (const char* planYear : {"第一年度", "第二年度", "第三年度"})
                p.yearPlan.Row({T(number), T(planYear), T("完成年度研究内容"), B(chapter), B(chapter), B(shortText),
                                T(Amount(granted / 3)), T("")});
            p.progress.Row({T(number), T(leader + "，" + PersonName(person + 5)), T(name), B(report), B(opinion)});
            p.accept.Row({T(number), B(chapter), B(report), B(chapter), B(shortText), B(chapter), B(opinion), B(opinion),
                          T(text::Format("%d/12/01", year + 3)), T(text::Format("%d/12/20", year + 3)), T(leader),
                          T(name), B(indicator), B(report), T(std::to_string(80 + a % 15)), I(a % 4), I(a % 4),
                          B(opinion), B(shortText)});
            for (int k = 0; k < 2; ++k)
                p.achievement.Row({T(number), T(text::Format("%s研究报告%d", kTopics[a % kTopics.size()], k + 1)),
                                   T(k ? "论文" : "专利"), T(text::Format("%d-06", year + 3)), T("")});
            p.change.Row({T(number), T(name), T(Amount(granted)), T(leader), T(text::Format("%d-12", year + 3)),
                          T(unitName), T(std::to_string(year + 4)), T(std::string(kTopics[a % kTopics.size()]) + "应用项目"),
                          T("YY" + number.substr(number.size() - 6)), T("应用研究"), T(age), T("正高级"),
                          T(a % 3 ? "是" : "否"), T("否"), T("是"), T(a % 2 ? "是" : "否")});
        }
    }
};

void Fill(CAdoConnection& connection, const OfficeSize& size) {
    ado::Connection* engine = connection.GetConnection();
    if (!engine || !engine->Handle()) Fail("no database handle");
    if (connection.BeginTrans() < 1) Fail("cannot begin the transaction");
    {
        Filler filler{engine->Handle()};
        filler.MasterData();
        filler.Users();
        std::string lastPeriod;
        Filler::Projects projects = filler.Prepare();
        for (int y = 0; y < size.years; ++y) {
            const int year = kFirstYear + y;
            if (const std::string period = DefaultPeriodForYear(year); period != lastPeriod) {
                filler.Guide(true, period);
                lastPeriod = period;
            }
            filler.Guide(false, std::to_string(year));
            filler.Year(projects, year, size.applicationsPerYear);
        }
    }
    if (!connection.CommitTrans()) Fail("cannot commit the office's rows");
}

}  // namespace

std::string MakeOfficeAtScale(const OfficeSize& size) {
    std::string error;
    const std::string folder = testsupport::MakeInstalledFolder(error);
    if (folder.empty()) Fail(error);
    sys::SetProgramFolder(folder);
    {
        CAdoConnection connection;
        if (!connection.ConnectAccess(sys::JoinPath(folder, "project.mdb"), "5081")) Fail("cannot open project.mdb");
        Fill(connection, size);
        connection.Close();
    }
    // The office works in its latest year.
    const int last = kFirstYear + std::max(size.years, 1) - 1;
    COptions options;
    options.SetPeriod(DefaultPeriodForYear(last));
    options.SetYear(std::to_string(last));
    options.Save();
    return folder;
}

}  // namespace bench
