#include "numbering/ProjectRows.h"

#include <set>

#include "numbering/NumberingSql.h"

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

// Collision when a new number is held by a project that keeps its number, or
// two projects would get one number.
RenumberResult CheckTargets(CAdoConnection& connection, const Renames& moves) {
    std::set<std::string> targets;
    Statement held(connection, "select xmbh from corvane_itemappinfo where xmbh = ?1");  // prepared once
    for (const auto& [from, to] : moves) {
        if (!targets.insert(to).second) return RenumberResult::Collision;
        const bool stored = held.Rebind({to}) && held.Next();
        if (held.Failed()) return RenumberResult::Failed;
        if (stored && !moves.contains(held.Text(0))) return RenumberResult::Collision;
    }
    return RenumberResult::Done;
}

}  // namespace

bool MoveProjectRows(CAdoConnection& connection, const std::string& from, const std::string& to) {
    if (from == to) return true;
    const auto& tables = ProjectKeyedTables();
    for (auto keyed = tables.begin() + 1; keyed != tables.end(); ++keyed) {
        const std::string column = keyed->column;
        if (!Statement(connection, std::string("update ") + keyed->table + " set " + column + " = ?2 where " +
                                       column + " = ?1",
                       {from, to})
                 .Run())
            return false;
    }
    return true;
}

bool DeleteProjectRows(CAdoConnection& connection, const std::string& number) {
    return ProjectRowsRemover(connection).Remove(number);
}

ProjectRowsRemover::ProjectRowsRemover(CAdoConnection& connection) {
    for (const KeyedTable& keyed : ProjectKeyedTables())
        deletes_.push_back(std::make_unique<Statement>(
            connection, std::string("delete from ") + keyed.table + " where " + keyed.column + " = ?1"));
}

ProjectRowsRemover::~ProjectRowsRemover() = default;

bool ProjectRowsRemover::Remove(const std::string& number) {
    for (const std::unique_ptr<Statement>& statement : deletes_)
        if (!statement->RunWith({number})) return false;
    return true;
}

bool DeleteRowsOfProjects(CAdoConnection& connection, const std::vector<std::string>& numbers) {
    if (numbers.empty()) return true;
    Renames listed;
    for (const std::string& number : numbers) listed.emplace(number, std::string());
    if (connection.BeginTrans() < 0) return false;
    bool deleted = FillNumberList(connection, listed);
    for (const KeyedTable& keyed : ProjectKeyedTables())
        deleted = deleted && Execute(connection, std::string("delete from ") + keyed.table + " where " +
                                                     keyed.column + " in (select old from " + kNumberList + ")");
    if (deleted && EmptyNumberList(connection) && connection.CommitTrans()) return true;
    connection.RollbackTrans();
    return false;
}

RenumberResult MoveProjects(CAdoConnection& connection, const Renames& moves) {
    if (moves.empty()) return RenumberResult::Done;
    if (connection.BeginTrans() < 0) return RenumberResult::Failed;
    RenumberResult result = CheckTargets(connection, moves);
    if (result == RenumberResult::Done &&
        !(FillNumberList(connection, moves) && ApplyMoveTable(connection) && EmptyNumberList(connection)))
        result = RenumberResult::Failed;
    if (result == RenumberResult::Done && connection.CommitTrans()) return result;
    connection.RollbackTrans();
    return result == RenumberResult::Done ? RenumberResult::Failed : result;
}

}  // namespace projectnumber
