#include "numbering/ProjectNumbering.h"

#include <algorithm>
#include <tuple>

#include "foundation/Transaction.h"
#include "numbering/LeadingCharacters.h"
#include "numbering/NumberingSql.h"
#include "numbering/ProjectFolders.h"
#include "numbering/ProjectRows.h"
#include "platform/text/Text.h"

namespace projectnumber {

namespace {


bool AllDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool AsciiLettersAndDigits(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
}

// The numbers under a prefix are the range [prefix, prefix + highest
// character): one scan of the index of the numbers, where a LIKE would
// read the whole table.
constexpr const char* kUnderPrefix = "xmbh >= ?1 and xmbh < ?1 || char(1114111)";

// The prefix a renumbered project keeps: its first 17 characters. A number
// shorter than a prefix keeps the mark of the renumbering ("X") after it, so
// that its new numbers can never be mistaken for a full prefix's.
std::string KeptPrefix(const std::string& number) { return LeadingCharacters(number + "X", kPrefixLength); }

std::vector<std::string> NumbersUnder(CAdoConnection& connection, const std::string& prefix, bool& ok) {
    std::vector<std::string> numbers;
    Statement query(connection, std::string("select xmbh from corvane_itemappinfo where ") + kUnderPrefix, {prefix});
    while (query.Next()) numbers.push_back(query.Text(0));
    ok = !query.Failed();
    return numbers;
}

RenumberResult ClosePrefixGaps(CAdoConnection& connection, const std::string& prefix, Renames& moves) {
    bool read = false;
    std::vector<std::string> numbers = NumbersUnder(connection, prefix, read);
    if (!read) return RenumberResult::Failed;
    std::sort(numbers.begin(), numbers.end(), SerialOrder);
    long counter = 0;
    for (const std::string& number : numbers) {
        const std::string renamed = prefix + SerialText(++counter);
        if (renamed != number) moves[number] = renamed;
    }
    return MoveProjects(connection, moves);
}

bool Finish(RenumberResult result, Renames& moves, Renames* renames) {
    if (result != RenumberResult::Done) return false;
    if (renames) *renames = std::move(moves);
    return true;
}

}  // namespace

std::string SerialText(long counter) {
    const std::string digits = text::Format("%ld", counter);
    if (digits.size() == 1) return "00" + digits;
    if (digits.size() == 2) return "0" + digits;
    return digits;
}

std::string Prefix(const std::string& guideCode, const std::string& year, const std::string& unitCode) {
    const std::string yearEnd = year.size() > 2 ? year.substr(year.size() - 2) : year;
    return guideCode + yearEnd + unitCode;
}

std::string CodeProblem(const std::string& guideCode, const std::string& year, const std::string& unitCode) {
    if (guideCode.empty() || year.empty() || unitCode.empty()) return "指南代码、年份及单位代码是必填项！";
    if (!AsciiLettersAndDigits(guideCode)) return "指南代码只能由英文字母和数字组成！";
    if (guideCode.size() != kGuideCodeLength) return "指南代码应为11位！";
    if (year.size() != kYearLength || !AllDigits(year)) return "年份应为4位数字！";
    if (!AsciiLettersAndDigits(unitCode)) return "单位代码只能由英文字母和数字组成！";
    if (unitCode.size() != kUnitCodeLength) return "单位代码应为4位！";
    return {};
}

std::string CodeCharactersProblem(const std::string& number, const std::string& guideCode,
                                  const std::string& unitCode) {
    if (!AsciiLettersAndDigits(number)) return "项目编号只能由英文字母和数字组成！";
    if (!AsciiLettersAndDigits(guideCode)) return "指南代码只能由英文字母和数字组成！";
    if (!AsciiLettersAndDigits(unitCode)) return "单位代码只能由英文字母和数字组成！";
    return {};
}

std::string SerialProblem(const std::string& serial) {
    if (!AllDigits(serial) || serial.size() < 3) return "流水号应为至少3位数字！";
    return {};
}

bool SerialOrder(const std::string& a, const std::string& b) {
    // The key of a number: its prefix as the database compares it; then
    // serials of digits before any other, by value, fewer leading zeros
    // first; other serials as the database compares them; the stored text
    // last. One key per number, compared in turn: a strict weak order.
    const auto key = [](const std::string& number) {
        const std::string prefix = LeadingCharacters(number, kPrefixLength);
        const std::string serial = number.substr(prefix.size());
        const bool digits = AllDigits(serial);
        const std::string value = digits ? serial.substr(std::min(serial.find_first_not_of('0'), serial.size()))
                                         : std::string();
        return std::make_tuple(prefix, !digits, value.size(), value, serial.size(), serial);
    };
    const auto [prefixA, otherA, lengthA, valueA, sizeA, serialA] = key(a);
    const auto [prefixB, otherB, lengthB, valueB, sizeB, serialB] = key(b);
    const NumberLess less;
    if (less(prefixA, prefixB) || less(prefixB, prefixA)) return less(prefixA, prefixB);
    if (std::tie(otherA, lengthA, valueA, sizeA) != std::tie(otherB, lengthB, valueB, sizeB))
        return std::tie(otherA, lengthA, valueA, sizeA) < std::tie(otherB, lengthB, valueB, sizeB);
    if (less(serialA, serialB) || less(serialB, serialA)) return less(serialA, serialB);
    return a < b;
}

long CountUnderPrefix(CAdoConnection& connection, const std::string& prefix) {
    Statement count(connection, std::string("select count(*) from corvane_itemappinfo where ") + kUnderPrefix,
                    {prefix});
    return count.Next() ? count.Long(0) : 0;
}

bool IsNumberStored(CAdoConnection& connection, const std::string& number) {
    return Statement(connection, "select 1 from corvane_itemappinfo where xmbh = ?1", {number}).Next();
}

std::string NextNumber(CAdoConnection& connection, const std::string& prefix) {
    // The candidates are one more than the count of applications and every
    // serial just after a taken one from there on; the smallest that is not
    // taken is free. A serial is taken when any table keyed by the number has
    // a row with it (rows a deleted or never stored project left must not be
    // adopted), and counts only when written as SerialText writes it.
    std::string used;
    for (const KeyedTable& keyed : ProjectKeyedTables()) {
        const std::string column = keyed.column;
        used += std::string(used.empty() ? "" : " union ") + "select substr(" + column + ", length(?1) + 1) from " +
                keyed.table + " where " + column + " >= ?1 and " + column + " < ?1 || char(1114111)";
    }
    Statement next(connection,
                   "with used(serial) as (" + used +
                       "), "
                       "taken(n) as (select cast(serial as integer) from used "
                       "where serial not glob '*[^0-9]*' and serial <> '' "
                       "and printf('%03d', cast(serial as integer)) = serial), "
                       "first(n) as (select count(*) + 1 from corvane_itemappinfo where " +
                       std::string(kUnderPrefix) +
                       ") "
                       "select min(n) from (select n from first union all "
                       "select taken.n + 1 from taken, first where taken.n >= first.n) "
                       "where n not in (select n from taken)",
                   {prefix});
    const long serial = next.Next() ? next.Long(0) : 1;
    return prefix + SerialText(serial > 0 ? serial : 1);
}

RenumberResult RenumberInOrder(CAdoConnection& connection, const std::vector<std::string>& ordered,
                               Renames* renames, std::vector<std::string>* caseVariants) {
    Renames moves;
    long counter = 0;
    for (const std::string& number : ordered) {
        const std::string renamed = KeptPrefix(number) + SerialText(++counter);
        if (renamed != number) moves[number] = renamed;
    }
    const RenumberResult result = MoveProjects(connection, moves, caseVariants);
    Finish(result, moves, renames);
    return result;
}

bool RenumberPrefix(CAdoConnection& connection, const std::string& prefix, Renames* renames) {
    Renames moves;
    return Finish(ClosePrefixGaps(connection, prefix, moves), moves, renames);
}

RenumberResult MoveToPrefix(CAdoConnection& connection, const std::string& number, const std::string& newPrefix,
                            Renames& renames) {
    renames.clear();
    const std::string oldPrefix = LeadingCharacters(number, kPrefixLength);
    if (SameNumber(oldPrefix, newPrefix)) return RenumberResult::Done;
    db::Transaction transaction(connection);
    if (!transaction.Began()) return RenumberResult::Failed;
    const std::string target = NextNumber(connection, newPrefix);
    const RenumberResult moved = MoveProjects(connection, Renames{{number, target}});
    if (moved != RenumberResult::Done) return moved;
    // The projects left under the former prefix close their gap; when that
    // would clash with rows of another number, the gap stays (numbers stay
    // unique, the next new number skips it).
    Renames closed;
    const RenumberResult closing = ClosePrefixGaps(connection, oldPrefix, closed);
    if (closing == RenumberResult::Collision || closing == RenumberResult::CaseVariants) closed.clear();
    else if (closing != RenumberResult::Done) return closing;
    closed[number] = target;
    if (!transaction.Commit()) return RenumberResult::Failed;
    renames = std::move(closed);
    return RenumberResult::Done;
}

std::string RefusedRenumberingMessage(RenumberResult result, const std::vector<std::string>& caseVariants) {
    switch (result) {
    case RenumberResult::Done: break;
    case RenumberResult::CaseVariants:
        if (caseVariants.size() == 2)
            return "项目编号" + caseVariants[0] + "与" + caseVariants[1] +
                   "只有字母大小写不同，数据库视为同一编号，重新排序会将两个项目合并。项目编号未作修改！";
        return "有项目编号只有字母大小写不同，重新排序会将两个项目合并。项目编号未作修改！";
    case RenumberResult::Collision: return "重新排序后的项目编号与其他项目的编号重复，项目编号未作修改！";
    case RenumberResult::Failed: return "项目编号重新排序失败，项目编号未作修改！";
    case RenumberResult::FoldersNotMoved: return projectfolders::kFolderMoveFailedMessage;
    }
    return {};
}

std::string RenumberingDoneMessage(const Renames& renames) {
    const auto moved = std::count_if(renames.begin(), renames.end(),
                                     [](const auto& rename) { return rename.first != rename.second; });
    if (moved == 0) return "项目编号重新排序完成，没有需要改变的编号！";
    return "项目编号重新排序完成，" + std::to_string(moved) + "个项目的编号已改变！";
}

bool RenumberAll(CAdoConnection& connection, Renames* renames, RenumberResult* result,
                 std::vector<std::string>* caseVariants) {
    if (result) *result = RenumberResult::Failed;
    struct Project {
        std::string number, unit, category;
    };
    std::vector<Project> projects;
    Statement query(connection, "select xmbh, dwdm, xmlb from corvane_itemappinfo where xmbh is not null");
    while (query.Next()) projects.push_back({query.Text(0), query.Text(1), query.Text(2)});
    if (query.Failed()) return false;
    // Units (and categories) as the database compares them: "U001" and
    // "u001" are one unit and count together.
    const NumberLess less;
    std::sort(projects.begin(), projects.end(), [&less](const Project& a, const Project& b) {
        if (!SameNumber(a.unit, b.unit)) return less(a.unit, b.unit);
        if (a.category != b.category) return a.category < b.category;
        return SerialOrder(a.number, b.number);
    });
    Renames moves;
    long counter = 0;
    for (std::size_t i = 0; i < projects.size(); ++i) {
        if (i == 0 || !SameNumber(projects[i].unit, projects[i - 1].unit)) counter = 0;
        const std::string renamed = KeptPrefix(projects[i].number) + SerialText(++counter);
        if (renamed != projects[i].number) moves[projects[i].number] = renamed;
    }
    const RenumberResult moved = MoveProjects(connection, moves, caseVariants);
    if (result) *result = moved;
    return Finish(moved, moves, renames);
}

}  // namespace projectnumber
