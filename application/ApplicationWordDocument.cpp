#include "application/ApplicationWordDocument.h"

#include "application/ProApp.h"

#include "platform/office/Word.h"
#include "platform/sys/Process.h"
#include "platform/sys/Sys.h"
#include "platform/text/DateTime.h"
#include "platform/text/Text.h"
#include "platform/ui/Services.h"

namespace appword {

namespace {

using namespace office::word;

const std::string kTemplate = "模板\\项目申请书模板.doc";
constexpr double kChapterIndent = 28.1;  // points, first line of a chapter heading

// Fills the new document from its start, in the order the template's
// tables expect: every move happens whether or not its text is typed, so
// the cursor reaches the same cells whichever parts were chosen.
class Filler {
public:
    Filler(Application& word, Document doc, const Content& content, const std::vector<std::string>& chosen)
        : sel_(word.Selection()), doc_(std::move(doc)), c_(content), chosen_(chosen) {}

    // False when a scratch file could not be inserted; Error() says why.
    bool Fill() {
        Cover();
        sel_.GoToNext(wdGoToTable);
        BasicTable();
        sel_.GoToNext(wdGoToTable);
        if (Chosen(kBudget)) Budget();
        if (c_.saveCurrentChapter) c_.saveCurrentChapter();
        sel_.GoToNext(wdGoToPage);
        return Chapters() && (!Chosen(kRecommendations) || Recommendations());
    }
    const std::string& Error() const { return error_; }

private:
    bool Chosen(int part) const { return IfOutput(chosen_, part); }
    void Right(int cells) const { sel_.MoveRight(wdCell, cells); }
    void TypeIf(bool on, const std::string& text) const {
        if (on) sel_.TypeText(text);
    }

    void Cover() const {
        if (!Chosen(kBasicInfo)) return;
        for (const auto& [cells, text] : {std::pair<int, const std::string&>{1, c_.category}, {2, c_.guideCode},
                                          {2, c_.numberPrefix}, {2, c_.secretLevel}}) {
            Right(cells);
            sel_.TypeText(text);
        }
        sel_.MoveDown(wdLine, 10);
        sel_.TypeText(c_.projectName);
        // Six lines ended by their labels: 申请人 to 申请日期.
        for (const std::string* line : {&c_.applicant, &c_.workUnit, &c_.address, &c_.postcode, &c_.phone,
                                        &c_.applyDate}) {
            sel_.MoveDown(wdLine, 1);
            sel_.EndKey(wdLine);
            sel_.TypeText(*line);
        }
    }

    void BasicTable() const {
        const bool type = Chosen(kBasicInfo);
        const std::pair<int, std::string> cells[] = {
            {1, c_.projectName},     {2, c_.startDate + " - " + c_.endDate}, {2, c_.amount + " 万元"},
            {3, c_.applicant},       {2, c_.sex},                           {2, c_.idNumber},
            {2, c_.degree},          {3, c_.title},                         {2, c_.speciality},
            {3, c_.workUnit},        {3, c_.affiliation},                   {2, c_.partners},
            {11, c_.counts[0]},      {1, c_.counts[1]},                     {1, c_.counts[2]},
            {1, c_.counts[3]},       {1, c_.counts[4]},                     {1, c_.counts[5]},
            {1, c_.counts[6]},
        };
        for (const auto& [move, text] : cells) {
            Right(move);
            TypeIf(type, text);
        }
        sel_.GoToNext(wdGoToTable);  // the member table, its heading row
        Right(12);                   // the first value cell of the first member row
        Members(type);
        TypeIf(type, c_.keyWords);
    }

    // The template's member table has a heading row and ten rows of ten
    // cells, seven of them values; more members get rows inserted first. The cursor ends in the
    // key-words cell.
    void Members(bool type) const {
        const int n = int(c_.members.size());
        if (n > 10) {
            sel_.InsertRowsAbove(n - 10);
            Right(2);
        }
        for (int row = 0; row < n; ++row) {
            for (const std::string& cell : c_.members[row]) {
                TypeIf(type, cell);
                Right(1);
            }
            // The last of ten or more rows goes straight to the key words.
            Right(row == n - 1 && n >= 10 ? 2 : 3);
        }
        if (n < 10) Right(99 - 10 * n);
    }

    void Budget() const {
        Right(1);
        sel_.TypeText(c_.amount + " 万元");
        Right(5);
        for (std::size_t i = 0; i < c_.budget.size(); ++i) {
            if (i > 0) Right(2);
            sel_.TypeText(c_.budget[i].amount);
            Right(1);
            sel_.TypeText(c_.budget[i].reason);
        }
        Right(2);
        sel_.TypeText(BudgetTotal(c_) + " 万元");
    }

    void GroupTitle(const char* title) const {
        Font font = sel_.Font();
        font.SetSize(16);
        font.SetName("黑体");
        sel_.Paragraphs().SetFirstLineIndent(0);
        sel_.TypeText(title);
        sel_.TypeParagraph();
    }

    bool Chapters() {
        const std::vector<ChapterGroup>& groups = ChapterGroups();
        for (std::size_t g = 0; g < groups.size(); ++g) {
            GroupTitle(groups[g].title);
            if (g < 3) {
                if (!Chosen(kArgument + int(g))) continue;
                for (const Chapter& chapter : groups[g].chapters) {
                    Font font = sel_.Font();
                    font.SetBold(false);
                    font.SetSize(14);
                    font.SetName("仿宋_GB2312");
                    sel_.Paragraphs().SetFirstLineIndent(kChapterIndent);
                    sel_.TypeText(chapter.heading);
                    sel_.TypeParagraph();
                    if (!Insert(chapter.scratchFile)) return false;
                }
            } else if (Chosen(kUnitOpinions) && !Insert(groups[g].chapters.front().scratchFile)) {
                return false;
            }
        }
        return true;
    }

    // Each recommender's cell: the recommendation, then the lines left for
    // the signature, the unit and the date.
    bool Recommendations() {
        sel_.GoToNext(wdGoToTable);
        const std::string date = text::DateTime::Now().Format("%Y 年 %m 月 %d 日");
        for (std::size_t r = 0; r < c_.recommenders.size(); ++r) {
            const Content::Recommender& who = c_.recommenders[r];
            if (r > 0) Right(1);
            if (!Insert(r == 0 ? "tjyj1.rtf" : "tjyj2.rtf")) return false;
            sel_.TypeParagraph();
            sel_.TypeParagraph();
            sel_.Paragraphs().SetFirstLineIndent(0);
            sel_.Font().SetSize(12);
            sel_.TypeText("推荐者（签章）：       专业技术职务：" + who.post + "   专长：" + who.speciality);
            sel_.TypeParagraph();
            sel_.TypeParagraph();
            sel_.TypeText("所在单位：" + who.unit);
            sel_.TypeParagraph();
            sel_.TypeParagraph();
            sel_.TypeText(std::string(45, ' ') + date);
        }
        return true;
    }

    bool Insert(const char* scratchFile) {
        if (sel_.InsertFile(proapp::ScratchPath(scratchFile))) return true;
        error_ = doc_.LastError();
        return false;
    }

    Selection sel_;
    Document doc_;
    const Content& c_;
    const std::vector<std::string>& chosen_;
    std::string error_;
};

}  // namespace

bool IfOutput(const std::vector<std::string>& chosen, int part) {
    for (const std::string& entry : chosen)
        if (text::Atol(entry) == part) return true;
    return false;
}

const std::vector<ChapterGroup>& ChapterGroups() {
    static const std::vector<ChapterGroup> groups = {
        {"三、立论依据",
         {{"（一）概念与内涵", "llyj_gnynh.rtf"},
          {"（二）军事需求分析", "llyj_jsxqfx.rtf"},
          {"（三）国内外研究概况、水平和发展趋势", "llyj_gnwyjqk.rtf"}}},
        {"四、研究方案",
         {{"（一）研究目标、研究内容和拟解决的关键问题", "yyfa_yjmuynr.rtf"},
          {"（二）拟采取的研究方法、技术路线、实验方案及可行性分析", "yyfa_fflx.rtf"},
          {"（三）主要创新点", "yyfa_cxd.rtf"},
          {"（四）研究计划及预期进展", "yyfa_jhjz.rtf"},
          {"（五）预期研究成果和考核指标", "yyfa_cgzb.rtf"}}},
        {"五、研究基础",
         {{"（一）研究工作基础和已取得成绩", "xmjc_gzjcjcj.rtf"},
          {"（二）现有研究条件", "xmjc_yjtj.rtf"},
          {"（三）申请者和主要成员研究工作简历", "xmjc_gzjl.rtf"},
          {"（四）主要参考文献", "xmjc_ckwx.rtf"}}},
        {"六、单位学术委员会审查意见（盖章）", {{nullptr, "dwyj_xswyhyj.rtf"}}},
        {"七、单位审查意见（盖章）", {{nullptr, "dwyj_dwscyj.rtf"}}},
    };
    return groups;
}

std::string BudgetTotal(const Content& content) {
    float total = 0;
    for (const Content::BudgetItem& item : content.budget) total += float(text::Atof(item.amount));
    return text::Format("%g", double(total));
}

bool WriteApplicationDocument(const Content& content, const std::vector<std::string>& chosen) {
    std::unique_ptr<Application> word = Application::Create();
    if (!word) {
        ui::MessageBox("Word服务程序启动失败！", "提示", MB_OK | MB_ICONERROR);
        return false;
    }
    Document doc = word->Documents().Add(sys::JoinPath(sys::ProgramFolder(), kTemplate), false, 0, true);
    std::string error = word->LastError();
    if (doc.IsValid()) {
        Filler filler(*word, doc, content, chosen);
        if (filler.Fill()) {
            word->SetVisible(true);
            return true;
        }
        error = filler.Error();
    }
    // A half-filled document is not left behind in a hidden Word.
    word->Quit();
    ui::AfxMessageBox(error, MB_OK | MB_ICONERROR);
    return false;
}

}  // namespace appword
