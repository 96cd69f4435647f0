#include "numbering/ProjectNumbering.h"

#include <algorithm>
#include <tuple>

#include "numbering/LeadingCharacters.h"
#include "numbering/NumberingSql.h"
#include "numbering/ProjectRows.h"
#include "platform/text/Text.h"

namespace projectnumber {

namespace {

std::size_t CharacterCount(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), IsUtf8LeadByte));
}

bool AllDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
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
    if (CharacterCount(guideCode) != kGuideCodeLength) return "指南代码应为11位！";
    if (year.size() != kYearLength || !AllDigits(year)) return "年份应为4位数字！";
    if (CharacterCount(unitCode) != kUnitCodeLength) return "单位代码应为4位！";
    return {};
}

bool SerialOrder(const std::string& a, const std::string& b) {
    const std::string prefixA = LeadingCharacters(a, kPrefixLength), prefixB = LeadingCharacters(b, kPrefixLength);
    if (prefixA != prefixB) return prefixA < prefixB;
    std::string serialA = a.substr(prefixA.size()), serialB = b.substr(prefixB.size());
    if (AllDigits(serialA) && AllDigits(serialB)) {
        // Same value, fewer leading zeros first; else the shorter value is the smaller.
        const auto value = [](const std::string& s) { return s.substr(std::min(s.find_first_not_of('0'), s.size())); };
        const std::string valueA = value(serialA), valueB = value(serialB);
        return std::make_tuple(valueA.size(), valueA, serialA.size()) <
               std::make_tuple(valueB.size(), valueB, serialB.size());
    }
    return serialA < serialB;
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
    // The candidates are one more than the count and every serial just after
    // a taken one from there on; the smallest that is not taken is free. A
    // serial counts as taken only when written as SerialText writes it.
    Statement next(connection,
                   "with under(serial) as (select substr(xmbh, length(?1) + 1) from corvane_itemappinfo where " +
                       std::string(kUnderPrefix) +
                       "), "
                       "taken(n) as (select cast(serial as integer) from under "
                       "where serial not glob '*[^0-9]*' and serial <> '' "
                       "and printf('%03d', cast(serial as integer)) = serial), "
                       "first(n) as (select count(*) + 1 from under) "
                       "select min(n) from (select n from first union all "
                       "select taken.n + 1 from taken, first where taken.n >= first.n) "
                       "where n not in (select n from taken)",
                   {prefix});
    const long serial = next.Next() ? next.Long(0) : 1;
    return prefix + SerialText(serial > 0 ? serial : 1);
}

RenumberResult RenumberInOrder(CAdoConnection& connection, const std::vector<std::string>& ordered,
                               Renames* renames) {
    Renames moves;
    long counter = 0;
    for (const std::string& number : ordered) {
        const std::string renamed = KeptPrefix(number) + SerialText(++counter);
        if (renamed != number) moves[number] = renamed;
    }
    const RenumberResult result = MoveProjects(connection, moves);
    Finish(result, moves, renames);
    return result;
}

bool RenumberPrefix(CAdoConnection& connection, const std::string& prefix, Renames* renames) {
    bool read = false;
    std::vector<std::string> numbers = NumbersUnder(connection, prefix, read);
    if (!read) return false;
    std::sort(numbers.begin(), numbers.end(), SerialOrder);
    Renames moves;
    long counter = 0;
    for (const std::string& number : numbers) {
        const std::string renamed = prefix + SerialText(++counter);
        if (renamed != number) moves[number] = renamed;
    }
    return Finish(MoveProjects(connection, moves), moves, renames);
}

bool RenumberAll(CAdoConnection& connection, Renames* renames) {
    struct Project {
        std::string number, unit, category;
    };
    std::vector<Project> projects;
    Statement query(connection, "select xmbh, dwdm, xmlb from corvane_itemappinfo where xmbh is not null");
    while (query.Next()) projects.push_back({query.Text(0), query.Text(1), query.Text(2)});
    if (query.Failed()) return false;
    std::sort(projects.begin(), projects.end(), [](const Project& a, const Project& b) {
        if (a.unit != b.unit) return a.unit < b.unit;
        if (a.category != b.category) return a.category < b.category;
        return SerialOrder(a.number, b.number);
    });
    Renames moves;
    long counter = 0;
    for (std::size_t i = 0; i < projects.size(); ++i) {
        if (i == 0 || projects[i].unit != projects[i - 1].unit) counter = 0;
        const std::string renamed = KeptPrefix(projects[i].number) + SerialText(++counter);
        if (renamed != projects[i].number) moves[projects[i].number] = renamed;
    }
    return Finish(MoveProjects(connection, moves), moves, renames);
}

}  // namespace projectnumber
