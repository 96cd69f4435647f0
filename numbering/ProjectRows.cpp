#include "numbering/ProjectRows.h"

#include <algorithm>
#include <set>

#include "foundation/Transaction.h"
#include "numbering/NumberingSql.h"
#include "numbering/ProjectFolders.h"

namespace projectnumber {

namespace {

// The per-connection list of the numbers one statement per table acts on:
// each number (old) with its new number when it moves.
constexpr const char* kNumberList = "temp.corvane_number_list";

// Moves, in one statement per table, every row whose number is listed to its
// new number. The rows a statement changes are chosen before it changes any
// and each is written once, with the number it held before the statement (no
// table declares the number unique): so projects may take each other's
// numbers, even in a cycle, with no number in between.
// A row whose new number has the length of its former one is written where
// it lies: its long texts (pages of their own) are not written again.
bool ApplyMoveTable(CAdoConnection& connection) {
    for (const KeyedTable& keyed : ProjectKeyedTables()) {
        const std::string table = keyed.table, column = keyed.column;
        if (!Execute(connection, "update " + table + " set " + column + " = (select new from " + kNumberList +
                                     " where old = " + table + "." + column + ") where " + column +
                                     " in (select old from " + kNumberList + ")"))
            return false;
    }
    return true;
}

bool FillNumberList(CAdoConnection& connection, const Renames& numbers) {
    if (!Execute(connection, std::string("create table if not exists ") + kNumberList +
                                 " (old TEXT COLLATE NOCASE PRIMARY KEY, new TEXT)") ||
        !Execute(connection, std::string("delete from ") + kNumberList))
        return false;
    Statement insert(connection, std::string("insert into ") + kNumberList + " (old, new) values (?1, ?2)");
    for (const auto& [from, to] : numbers)
        if (!insert.RunWith({from, to})) return false;
    return true;
}

bool EmptyNumberList(CAdoConnection& connection) {
    return Execute(connection, std::string("delete from ") + kNumberList);
}

// For a delete over the list of numbers, as KeyedRowsCondition: a row goes
// when it belongs to a listed number (so one of two legacy numbers that
// differ only in letter case keeps its rows when the other is deleted).
std::string LegacyPairCondition(const std::string& table, const std::string& column) {
    return std::string(" and exists (select 1 from ") + kNumberList + " l where " +
           KeyedRowsCondition(table + "." + column, "l.old") + ")";
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// One statement per keyed table that reads the numbers equal to ?1 (as the
// database compares), prepared once.
class NumberHolders {
public:
    explicit NumberHolders(CAdoConnection& connection) {
        for (const KeyedTable& keyed : ProjectKeyedTables())
            reads_.push_back(std::make_unique<Statement>(connection, std::string("select distinct ") + keyed.column +
                                                                         " from " + keyed.table + " where " +
                                                                         keyed.column + " = ?1"));
    }
    // The numbers as stored that the database holds equal to `number`, in
    // every keyed table; false on a failure.
    bool Read(const std::string& number, std::vector<std::string>& holders) {
        holders.clear();
        for (const std::unique_ptr<Statement>& read : reads_) {
            if (!read->Rebind({number})) return false;
            while (read->Next()) holders.push_back(read->Text(0));
            if (read->Failed()) return false;
        }
        return true;
    }

private:
    std::vector<std::unique_ptr<Statement>> reads_;
};

// Collision when a new number is held, in any keyed table, by a project (or
// rows) that keeps its number, or two projects would get one number.
RenumberResult CheckTargets(CAdoConnection& connection, const Renames& moves) {
    std::set<std::string, NumberLess> targets;
    NumberHolders holders(connection);
    std::vector<std::string> held;
    for (const auto& [from, to] : moves) {
        if (!targets.insert(to).second) return RenumberResult::Collision;
        if (!holders.Read(to, held)) return RenumberResult::Failed;
        for (const std::string& number : held)
            if (!moves.contains(number)) return RenumberResult::Collision;
    }
    return RenumberResult::Done;
}

// CaseVariants when a project that moves has a stored application whose
// number differs from its own only in letter case: the database takes the
// two for one number, so every row of both would follow the move. `pair`
// receives the two numbers as stored.
RenumberResult CheckSources(CAdoConnection& connection, const Renames& moves, std::vector<std::string>* pair) {
    Statement stored(connection, "select distinct xmbh collate binary from corvane_itemappinfo where xmbh = ?1");
    for (const auto& [from, to] : moves) {
        (void)to;
        if (!stored.Rebind({from})) return RenumberResult::Failed;
        std::vector<std::string> numbers;
        while (stored.Next()) numbers.push_back(stored.Text(0));
        if (stored.Failed()) return RenumberResult::Failed;
        if (numbers.size() > 1) {
            std::sort(numbers.begin(), numbers.end());
            if (pair) *pair = {numbers[0], numbers[1]};
            return RenumberResult::CaseVariants;
        }
    }
    return RenumberResult::Done;
}

}  // namespace

bool SameNumber(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool NumberLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(Lower(x)) < static_cast<unsigned char>(Lower(y));
    });
}

bool FollowRename(const Renames& renames, std::string& number) {
    const auto moved = renames.find(number);
    if (number.empty() || moved == renames.end()) return false;
    number = moved->second;
    return true;
}

bool IsNumberInUse(CAdoConnection& connection, const std::string& number) {
    std::vector<std::string> held;
    // A failed read counts as in use: no number is given on a guess.
    return !NumberHolders(connection).Read(number, held) || !held.empty();
}

bool MoveProjectRows(CAdoConnection& connection, const std::string& from, const std::string& to) {
    if (from == to) return true;
    const auto& tables = ProjectKeyedTables();
    for (auto keyed = tables.begin() + 1; keyed != tables.end(); ++keyed) {
        const std::string column = keyed->column;
        // The rows of `from` as stored, when there are such: one of two legacy
        // numbers that differ only in case never takes the other's rows along.
        if (!Statement(connection, std::string("update ") + keyed->table + " set " + column + " = ?2 where " +
                                       KeyedRowsCondition(column, "?1"),
                       {from, to})
                 .Run())
            return false;
    }
    return true;
}

bool DeleteProjectRows(CAdoConnection& connection, const std::string& number) {
    return ProjectRowsRemover(connection).Remove(number);
}

ProjectRowsRemover::ProjectRowsRemover(CAdoConnection& connection) : connection_(connection) {
    // The application row last: until it goes, it tells whose rows are whose.
    const auto& tables = ProjectKeyedTables();
    for (auto keyed = tables.rbegin(); keyed != tables.rend(); ++keyed)
        deletes_.push_back(std::make_unique<Statement>(
            connection, projecttables::DeleteWhere(keyed->table, KeyedRowsCondition(keyed->column, "?1"))));
}

ProjectRowsRemover::~ProjectRowsRemover() = default;

bool ProjectRowsRemover::Remove(const std::string& number) {
    for (const std::unique_ptr<Statement>& statement : deletes_)
        if (!statement->RunWith({number})) return false;
    projectfolders::FolderChanges folders;
    if (!folders.Remove({number})) return false;
    folders.Keep(connection_);
    return true;
}

bool DeleteRowsOfProjects(CAdoConnection& connection, const std::vector<std::string>& numbers) {
    if (numbers.empty()) return true;
    Renames listed;
    for (const std::string& number : numbers)
        // Two numbers that differ only in case are one entry of the list: they go one by one.
        if (const auto [entry, added] = listed.emplace(number, std::string()); !added && entry->first != number)
            return false;
    db::Transaction transaction(connection);
    bool deleted = transaction.Began() && FillNumberList(connection, listed);
    // The application rows last: until they go, they tell whose rows are whose.
    const auto& tables = ProjectKeyedTables();
    for (auto keyed = tables.rbegin(); deleted && keyed != tables.rend(); ++keyed) {
        const std::string inList = std::string(keyed->column) + " in (select old from " + kNumberList + ")";
        deleted = Execute(connection, projecttables::DeleteWhere(
                                          keyed->table, inList + LegacyPairCondition(keyed->table, keyed->column)));
    }
    projectfolders::FolderChanges folders;
    if (!deleted || !EmptyNumberList(connection) || !folders.Remove(numbers)) return false;
    folders.Keep(connection);
    return transaction.Commit();
}

RenumberResult MoveProjects(CAdoConnection& connection, const Renames& moves, std::vector<std::string>* caseVariants) {
    if (moves.empty()) return RenumberResult::Done;
    db::Transaction transaction(connection);
    if (!transaction.Began()) return RenumberResult::Failed;
    RenumberResult result = CheckSources(connection, moves, caseVariants);
    if (result == RenumberResult::Done) result = CheckTargets(connection, moves);
    if (result == RenumberResult::Done &&
        !(FillNumberList(connection, moves) && ApplyMoveTable(connection) && EmptyNumberList(connection)))
        result = RenumberResult::Failed;
    projectfolders::FolderChanges folders;
    if (result == RenumberResult::Done && !folders.Move(moves)) result = RenumberResult::FoldersNotMoved;
    if (result != RenumberResult::Done) return result;
    folders.Keep(connection);
    if (!transaction.Commit()) result = RenumberResult::Failed;
    return result;
}

}  // namespace projectnumber
