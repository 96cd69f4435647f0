// The application as a Word document: a new document from the template
// "项目申请书模板.doc", filled only by moving the cursor and typing, as the
// template's tables expect, with the rich-text chapters inserted from their
// scratch files under temp. The document is left open for the user, unsaved.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace appword {

// The parts of the document the user can choose, by number.
enum Part {
    kBasicInfo = 1,       // cover, basic table, member counts and rows, key words
    kBudget = 2,          // the budget table
    kArgument = 3,        // chapters under "三、立论依据"
    kResearchPlan = 4,    // chapters under "四、研究方案"
    kFoundation = 5,      // chapters under "五、研究基础"
    kUnitOpinions = 6,    // the two unit opinions
    kRecommendations = 7  // the recommendation table
};

// True when any entry of the chosen-parts list, read as an integer, is `part`.
bool IfOutput(const std::vector<std::string>& chosen, int part);

// One chapter: the heading typed before it (null: none) and its scratch file
// under the program folder's temp.
struct Chapter {
    const char* heading;
    const char* scratchFile;
};

struct ChapterGroup {
    const char* title;
    std::vector<Chapter> chapters;  // only the first three groups carry chapters
};

// The five chapter groups in document order; the last two are titles only,
// their unit-opinion files being inserted without a heading.
const std::vector<ChapterGroup>& ChapterGroups();

// The texts of the form as its controls show them.
struct Content {
    // Cover.
    std::string category;      // 项目类别 drop-down text
    std::string guideCode;     // 指南代码
    std::string numberPrefix;  // the first box of 项目编号 (17 characters, no serial)
    std::string secretLevel;   // 密级
    std::string projectName, applicant, workUnit, address, postcode, phone;
    std::string applyDate;  // the date picker's text
    // Basic table.
    std::string startDate, endDate;  // 起止年月 pickers' texts
    std::string amount;              // 申请金额
    std::string sex, idNumber, degree, title, speciality, affiliation, partners;
    // 总人数, 高级, 中级, 初级, 博士后, 博士生, 硕士生.
    std::array<std::string, 7> counts;
    // Member grid rows: 姓名, 性别, 年龄, 职称, 工作单位, 参加月数, 工作分工.
    std::vector<std::array<std::string, 7>> members;
    std::string keyWords;  // 主题词
    // Budget items in the order 设计费, 材料费, 外协费, 专用费, 试验费,
    // 固定资产使用费, 工资费, 管理费: the amount text and the reason's plain text.
    struct BudgetItem {
        std::string amount, reason;
    };
    std::array<BudgetItem, 8> budget;
    // The two recommenders' 专业技术职务, 专长 and 单位.
    struct Recommender {
        std::string post, speciality, unit;
    };
    std::array<Recommender, 2> recommenders;
    // Writes the chapter shown on a rich-text page to its scratch file, so
    // that edits not yet saved reach the document; called before the first
    // chapter is inserted.
    std::function<void()> saveCurrentChapter;
};

// The budget total typed under the items: the eight amounts read as decimal
// numbers (a text that is not a number counts 0) added in single precision,
// printed with "%g".
std::string BudgetTotal(const Content& content);

// Starts Word, fills a new document from the template with the chosen parts
// and leaves it open and visible. False when Word cannot be started
// ("Word服务程序启动失败！") or a step fails; the failure is shown and the
// partly filled document is closed.
bool WriteApplicationDocument(const Content& content, const std::vector<std::string>& chosen);

}  // namespace appword
