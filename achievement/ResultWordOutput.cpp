#include "achievement/ResultWordOutput.h"

#include "application/ApplicationDb.h"
#include "foundation/AdoRecordSet.h"

namespace resultchange {

namespace {

using namespace office::word;

constexpr const char* kSong = "宋体";
// The boxes are the characters ☑ and ☐, in a symbol font that Windows has
// and that the fontconfig aliases map to one holding them on Linux.
constexpr const char* kBoxes = "Segoe UI Symbol";
constexpr const char* kFangSong = "仿宋_GB2312";

std::string Blanks(int n) { return std::string(std::size_t(n), ' '); }
std::string Box(bool ticked) { return ticked ? "☑" : "☐"; }

// Two options in one cell, the first ticked or the second.
std::string EitherOr(bool first, const std::string& a, const std::string& gapFirst, const std::string& b,
                     const std::string& gapSecond) {
    return Box(first) + a + (first ? gapFirst : gapSecond) + Box(!first) + b;
}

class Walk {
public:
    Walk(const Selection& selection, CAdoConnection& connection, const std::string& number)
        : sel_(selection), connection_(connection), number_(number) {
        appdb::Bind(main_, connection);
        found_ = main_.Open(SelectByKey("corvane_new_resultchange", "XMBH", number)) && !main_.IsEOF();
    }

    std::string operator[](const char* column) { return found_ ? Field(main_, column) : std::string(); }
    bool Ticked(int n) { return IsTicked((*this)[("CHECK" + std::to_string(n)).c_str()]); }

    void Move(int cells) { sel_.MoveRight(wdCell, cells, wdMove); }
    void Font(const char* name) { sel_.Font().SetName(name); }
    void Type(const std::string& text) { sel_.TypeText(text); }
    void MoveType(int cells, const char* font, const std::string& text) {
        Move(cells);
        Font(font);
        Type(text);
    }

    // A fixed-row section: `passes` passes over the project's rows of a
    // child table, bounded by the grid's row count; a pass with no row left
    // moves over its cells and types nothing.
    void Section(int child, int gridRows, int passes, const std::vector<std::pair<int, const char*>>& cells) {
        Font(kSong);
        CAdoRecordSet rs;
        appdb::Bind(rs, connection_);
        const bool open = rs.Open(SelectByKey(ChildTables()[child].table, "ITEM_XMBH", number_));
        int bound = gridRows;
        for (int pass = 0; pass < passes; ++pass) {
            const bool row = open && bound > 0 && !rs.IsEOF();
            if (row) --bound;
            for (const auto& [move, column] : cells) {
                Move(move);
                if (row) Type(Field(rs, column));
            }
            if (row) rs.MoveNext();
        }
    }

    // The regulations: names and dates of each of the three types, each
    // followed by "，", in six cells.
    void Regulations(int gridRows) {
        Font(kSong);
        std::array<std::string, 3> names, dates;
        CAdoRecordSet rs;
        appdb::Bind(rs, connection_);
        if (rs.Open(SelectByKey(ChildTables()[kGzzdlist].table, "ITEM_XMBH", number_))) {
            for (int i = 0; i < gridRows && !rs.IsEOF(); ++i, rs.MoveNext()) {
                const std::string type = Field(rs, "GZZDLX");
                for (std::size_t t = 0; t < RegulationTypes().size(); ++t) {
                    if (type != RegulationTypes()[t]) continue;
                    names[t] += Field(rs, "GZZDMC") + "，";
                    dates[t] += Field(rs, "FBSJ") + "，";
                }
            }
        }
        for (std::size_t t = 0; t < names.size(); ++t) {
            MoveType(3, kSong, names[t]);
            MoveType(2, kSong, dates[t]);
        }
    }

private:
    Selection sel_;
    CAdoConnection& connection_;
    std::string number_;
    CAdoRecordSet main_;
    bool found_ = false;
};

std::string Transfer(bool ticked) { return EitherOr(ticked, "已转入", "  ", "未转入", "  "); }

std::string SupportRoles(Walk& w, int first, int blanksAfterThird) {
    return Box(w.Ticked(first)) + "支撑了转入项目立项论证与申报" + Blanks(2) + Box(w.Ticked(first + 1)) +
           "支撑了分系统或部（组）件设计与制造" + Blanks(3) + Box(w.Ticked(first + 2)) +
           "支撑了整机或核心部件设计与制造" + Blanks(blanksAfterThird) + Box(w.Ticked(first + 3)) +
           "支撑了转入项目实验验证 ";
}

void PreResearchCategories(Walk& w) {
    w.Font(kBoxes);
    w.Type(Box(w.Ticked(3)) + "预研探索计划" + Blanks(14) + " " + Box(w.Ticked(4)) + "国防");
    w.Font(kSong);
    w.Type("973计划" + Blanks(15));
    w.Font(kBoxes);
    const bool special = w.Ticked(5);
    w.Type(Box(special) + "预研专项计划（安排重大战略问题和“瓶颈”技术研究项目）" + Blanks(special ? 9 : 8) +
           Box(w.Ticked(6)) +
           "应用开发计划（安排预研背景项目、现有装备改造技术项目、共有技术项目、专用技术项目、支撑技术项目）");
}

void InnovationPlatform(Walk& w) {
    const std::string lab = "国防科技重点实验室批复的研究方向" + Blanks(13);
    const std::string institute = "科学院所主要研究方向";
    w.Font(kBoxes);
    if (w.Ticked(25) && !w.Ticked(23) && !w.Ticked(24)) {
        w.Type(Box(false) + lab + Box(false) + institute + Blanks(19) + Box(true) + "其他名称：");
        w.Font(kFangSong);
        w.Type(w["QTMC"]);
        return;
    }
    // With none of the three ticked every option shows an empty box.
    w.Type(Box(w.Ticked(23)) + lab + Box(!w.Ticked(23) && w.Ticked(24)) + institute + Blanks(21) + Box(false) + "其他名称：＿＿" +
           Blanks(2));
}

}  // namespace

void TypeInformationTable(const Selection& selection, CAdoConnection& connection, const std::string& number,
                          const std::string& name, const ScreenValues& screen) {
    Walk w(selection, connection, number);
    w.Type(name);
    w.Move(2);
    w.Type(number);
    w.MoveType(2, kSong, w["XMZZXM"]);
    w.MoveType(2, kSong, w["ZZGH"] + "/" + w["ZZSJ"]);
    w.MoveType(2, kSong, w["XMJF"]);
    w.MoveType(2, kBoxes, EitherOr(w.Ticked(13), "重点项目", "  ", "一般项目", "  "));
    w.MoveType(2, kSong, w["CYDW"]);
    w.MoveType(2, kSong, w["LHCYDW"]);
    w.MoveType(2, kBoxes, Transfer(w.Ticked(1)));
    w.MoveType(2, kSong, w["YYZHNF"]);
    w.MoveType(2, kSong, w["YYMC"]);
    w.MoveType(2, kSong, w["YYBH"]);
    w.Move(2);
    PreResearchCategories(w);
    w.MoveType(2, kBoxes, SupportRoles(w, 7, 4));
    w.MoveType(2, kBoxes, Transfer(w.Ticked(15)));
    w.MoveType(2, kSong, w["XHZHNF"]);
    w.MoveType(2, kSong, w["XHMC"]);
    w.MoveType(2, kSong, w["XHBH"]);
    w.MoveType(2, kBoxes, SupportRoles(w, 17, 5));
    w.MoveType(2, kBoxes, Transfer(w.Ticked(11)));
    w.Move(2);
    if (w.Ticked(11)) {
        w.Font(kSong);
        w.Type(w["MKZHNF"]);
    }
    w.MoveType(5, kSong, screen.richText[0]);
    w.MoveType(1, kSong, screen.richText[1]);
    w.MoveType(3, kBoxes,
               EitherOr(w.Ticked(21), "被列为本单位获得批准的一个研究方向", Blanks(12),
                        "未列入本单位获得批准的主要研究方向", Blanks(11)));
    w.Move(3);
    InnovationPlatform(w);
    w.MoveType(3, kSong, w["PZJG"]);
    w.MoveType(3, kSong, w["XYJFX"]);
    w.MoveType(3, kSong, screen.richText[2]);
    w.MoveType(3, kSong, w["XMFZRNL"]);
    w.MoveType(2, kSong, w["XMFZRZC"]);
    w.Section(kYyssgg, screen.gridRows[kYyssgg], 5, {{3, "YYXMMC"}, {2, "YYXMBH"}, {3, "PX"}, {2, "XM"}, {2, "ZYFG"}});
    w.Section(kXhssgg, screen.gridRows[kXhssgg], 5, {{3, "XHXMMC"}, {2, "XHXMBH"}, {3, "PX"}, {2, "XM"}, {2, "ZYFG"}});
    w.Section(kJcyj, screen.gridRows[kJcyj], 4, {{3, "JCYJFX"}, {3, "XM"}, {2, "GZDW"}});
    w.Section(kGgll, screen.gridRows[kGgll], 4, {{3, "XM"}, {2, "MQGW"}, {2, "ZYFG"}});
    w.MoveType(3, kSong, w["ZGLDXM"]);
    w.MoveType(2, kSong, w["ZGLDGH"] + "/" + w["ZGLDSJ"]);
    w.MoveType(3, kSong, w["GLRYXM"]);
    w.MoveType(2, kSong, w["GLRYGH"] + "/" + w["GLRYSJ"]);
    w.Regulations(screen.gridRows[kGzzdlist]);
    w.MoveType(3, kSong, w["YTPSHYCS"]);
    w.MoveType(2, kSong, w["LXHYSJ"]);
    w.MoveType(3, kBoxes, EitherOr(w.Ticked(26), "有", Blanks(8), "无", Blanks(7)));
    w.Move(2);
    if (w.Ticked(26)) {
        w.Font(kSong);
        w.Type(w["XDSJ"]);
    }
    w.MoveType(3, kBoxes, EitherOr(w.Ticked(28), "有", "", "无", ""));
    if (w.Ticked(28)) {
        w.MoveType(2, kSong, w["BFBL"]);
        w.MoveType(2, kSong, w["BFSJ"]);
    } else {
        w.Move(4);
    }
    w.MoveType(3, kSong, w["JDJCHYCS"]);
    w.MoveType(2, kSong, w["JDJCSJ"]);
    w.MoveType(3, kSong, w["JTJCHYCS"]);
    w.MoveType(2, kSong, w["JTJCSJ"]);
    w.MoveType(3, kSong, w["HXFZFXHYCS"]);
    w.MoveType(2, kSong, w["HXFZHYSJ"]);
    w.MoveType(3, kSong, w["YXZZPSHYCS"]);
    w.MoveType(2, kSong, w["YXZZHYSJ"]);
}

}  // namespace resultchange
